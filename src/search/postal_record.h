#pragma once
// A line of the national postal-code list and the result line made from it.

#include <string_view>

#include "common/bytes.h"

namespace nanbaru {

struct PostalRecord {
  Bytes old_code;    // field 2
  Bytes new_code;    // field 3
  Bytes prefecture;  // field 7
  Bytes city;        // field 8
  Bytes town;        // field 9
};

// Takes fields by position; never fails (a line of another layout gives empty fields).
PostalRecord ParsePostalLine(std::string_view line);
// Aligned columns: old code, new code, prefecture, city, town. Throws ConvertError when the
// trimmed old code is not a whole number.
Bytes FormatPostalResult(const PostalRecord& record);

// True for a line in the layout of the national list, in either edition: fifteen fields
// apart by commas, the local government code (five digits), the old code (three digits and
// two spaces, or five digits) and the new code (seven digits) in double quotes, six texts in
// double quotes (none holding one), and six one-digit flags.
bool IsWellFormedRecord(std::string_view line);

}  // namespace nanbaru
