#include "search/postal_record.h"

#include <algorithm>
#include <array>

#include "platform/errors.h"

namespace nanbaru {

namespace {

// Drops everything up to and including the first comma and one byte more (on a well-formed
// line: the closing quote, the comma and the next opening quote); without a comma, only the
// first byte.
void SkipPastComma(std::string_view& rest) {
  const std::size_t comma = rest.find(',');
  const std::size_t count = comma == std::string_view::npos ? 1 : comma + 2;
  rest.remove_prefix(std::min(count, rest.size()));
}

// The bytes before the first double quote, removed from `rest`; empty, and nothing removed,
// when there is no double quote.
std::string_view TakeQuoted(std::string_view& rest) {
  const std::size_t quote = rest.find('"');
  if (quote == std::string_view::npos) return {};
  const std::string_view value = rest.substr(0, quote);
  rest.remove_prefix(quote);
  return value;
}

bool AllDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A field in double quotes, without one inside; `inner` is what they hold.
bool Quoted(std::string_view field, std::string_view& inner) {
  if (field.size() < 2 || !field.starts_with('"') || !field.ends_with('"')) return false;
  inner = field.substr(1, field.size() - 2);
  return inner.find('"') == std::string_view::npos;
}

bool IsOldCode(std::string_view code) {
  return code.size() == 5 && AllDigits(code.substr(0, 3)) &&
         (AllDigits(code.substr(3)) || code.substr(3) == "  ");
}

}  // namespace

PostalRecord ParsePostalLine(std::string_view line) {
  std::string_view rest = line;
  SkipPastComma(rest);                     // field 1 and the opening quote of field 2
  std::array<std::string_view, 8> fields;  // fields 2 to 9
  for (std::string_view& field : fields) {
    field = TakeQuoted(rest);
    SkipPastComma(rest);
  }
  return PostalRecord{Bytes(fields[0]), Bytes(fields[1]), Bytes(fields[5]), Bytes(fields[6]),
                      Bytes(fields[7])};
}

bool IsWellFormedRecord(std::string_view line) {
  constexpr std::size_t kFields = 15;
  std::array<std::string_view, kFields> fields;
  std::size_t count = 0;
  for (std::string_view rest = line;; ++count) {
    if (count == kFields) return false;
    const std::size_t comma = rest.find(',');
    fields[count] = rest.substr(0, comma);
    if (comma == std::string_view::npos) break;
    rest.remove_prefix(comma + 1);
  }
  if (count + 1 != kFields || fields[0].size() != 5 || !AllDigits(fields[0])) return false;
  std::string_view inner;
  if (!Quoted(fields[1], inner) || !IsOldCode(inner)) return false;
  if (!Quoted(fields[2], inner) || inner.size() != 7 || !AllDigits(inner)) return false;
  for (std::size_t i = 3; i < 9; ++i) {
    if (!Quoted(fields[i], inner)) return false;
  }
  for (std::size_t i = 9; i < kFields; ++i) {
    if (fields[i].size() != 1 || !AllDigits(fields[i])) return false;
  }
  return true;
}

Bytes FormatPostalResult(const PostalRecord& record) {
  // A three-digit old code takes the width of a five-digit one.
  Bytes old_code = record.old_code;
  if (old_code.size() == 3) old_code += "  ";
  Bytes prefecture = record.prefecture;
  if (prefecture.size() < 8) prefecture.resize(8, ' ');
  Bytes new_code = record.new_code;
  Insert("-", new_code, 4);
  // The value, not the length, decides: a code above 1000 reads as 322-01, any other keeps
  // its digits apart with a space.
  const std::int32_t value = StrToInt(Trim(old_code));
  Insert(value > 1000 ? "-" : " ", old_code, 4);

  Bytes line;
  line.reserve(old_code.size() + new_code.size() + prefecture.size() + record.city.size() +
               record.town.size() + 8);
  line += ' ';
  line += old_code;
  line += "  ";
  line += new_code;
  line += "  ";
  line += prefecture;
  line += ' ';
  line += record.city;
  line += ' ';
  line += record.town;
  return line;
}

}  // namespace nanbaru
