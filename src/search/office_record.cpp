#include "search/office_record.h"

#include "common/sjis_bytes.h"
#include "platform/errors.h"
#include "platform/sjis_codec.h"
#include "search/list_fields.h"
#include "search/postal_record.h"

namespace nanbaru {

namespace {

constexpr std::size_t kOfficeFields = 13;

}  // namespace

std::optional<OfficeRecord> ParseOfficeLine(std::string_view line) {
  const std::vector<ListField> fields = SplitListLine(line);
  if (fields.size() != kOfficeFields || !fields[1].quoted || !IsSevenDigitCode(fields[7])) {
    return std::nullopt;
  }
  return OfficeRecord{Bytes(fields[2].text), Bytes(fields[3].text), Bytes(fields[4].text),
                      Bytes(fields[5].text), Bytes(fields[6].text), Bytes(fields[7].text),
                      fields[10].text == "1"};
}

std::string_view OfficeReading(std::string_view line) {
  const std::size_t open = line.find('"');
  if (open == std::string_view::npos) return {};
  const std::size_t close = line.find('"', open + 1);
  if (close == std::string_view::npos) return {};
  return line.substr(open + 1, close - open - 1);
}

Bytes FormatOfficeResult(const OfficeRecord& record) {
  static const Bytes kPoBox = Sj("私書箱");
  Bytes line;
  line.reserve(record.prefecture.size() + record.city.size() + record.town.size() +
               record.street.size() + record.name.size() + kPoBox.size() + 24);
  line += ' ';
  line.append(record.code, 0, 3).append("-").append(record.code, 3);
  line += "  ";
  line += PrefectureColumn(record.prefecture);
  line += ' ';
  line += record.city;
  line += ' ';
  line += record.town;
  line += record.street;
  line += "  ";
  line += record.name;
  if (record.po_box) line.append("  ").append(kPoBox);
  return line;
}

Bytes OfficeResultLine(std::string_view line, Bytes& prefecture) {
  constexpr std::size_t kLineShown = 60;
  std::optional<OfficeRecord> record = ParseOfficeLine(line);
  if (!record) {
    throw AppError(Sj("事業所の郵便番号データに壊れた行があります：") +
                   Bytes(line.substr(0, WholeCharactersWithin(line, kLineShown))));
  }
  prefecture = record->prefecture;
  return FormatOfficeResult(*record);
}

}  // namespace nanbaru
