#include "search/list_fields.h"

#include <algorithm>

namespace nanbaru {

std::vector<ListField> SplitListLine(std::string_view line) {
  std::vector<ListField> fields;
  std::size_t at = 0;
  for (;;) {
    std::size_t end = 0;
    if (at < line.size() && line[at] == '"') {
      const std::size_t close = line.find('"', at + 1);
      if (close == std::string_view::npos) return {};
      fields.push_back({line.substr(at + 1, close - at - 1), true});
      end = close + 1;
      if (end < line.size() && line[end] != ',') return {};
    } else {
      end = std::min(line.find(',', at), line.size());
      fields.push_back({line.substr(at, end - at), false});
    }
    if (end >= line.size()) return fields;
    at = end + 1;
  }
}

bool IsSevenDigitCode(const ListField& field) {
  return field.quoted && field.text.size() == 7 &&
         std::all_of(field.text.begin(), field.text.end(),
                     [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace nanbaru
