#pragma once
// The comma-separated fields of a line of the postal lists.

#include <string_view>
#include <vector>

namespace nanbaru {

struct ListField {
  std::string_view text;  // without its double quotes
  bool quoted;
};

// The fields of `line`, split at commas; a field that opens with a double quote runs to the
// next one (the lists hold no quote inside a field, and Shift-JIS never has one as a trail
// byte). Empty when the line does not split so: a quote left open, or bytes between a closing
// quote and the next comma.
std::vector<ListField> SplitListLine(std::string_view line);

// A field in double quotes holding seven ASCII digits: a new postal code.
bool IsSevenDigitCode(const ListField& field);

}  // namespace nanbaru
