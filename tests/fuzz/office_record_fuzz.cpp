// The office list's line and reading rules on any bytes. A line parses exactly when it splits
// into 13 fields with the reading quoted and a quoted seven-digit code in field 8, and its
// result line names what it parsed; the reading match agrees with a search of the column
// written out without its spaces; a folded reading folds to itself.

#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "fuzz_check.h"
#include "platform/errors.h"
#include "search/list_fields.h"
#include "search/office_record.h"
#include "search/reading_fold.h"

namespace {

using nanbaru::Bytes;

// The column as the reading is meant: its spaces left out, its ｰ written as "-".
Bytes PlainColumn(std::string_view column) {
  Bytes plain;
  for (const char c : column) {
    if (c == ' ') continue;
    plain += static_cast<unsigned char>(c) == 0xB0 ? '-' : c;
  }
  return plain;
}

void CheckLine(const std::string& line) {
  using namespace nanbaru;
  const std::vector<ListField> fields = SplitListLine(line);
  const std::optional<OfficeRecord> record = ParseOfficeLine(line);
  const bool shaped = fields.size() == 13 && fields[1].quoted && IsSevenDigitCode(fields[7]);
  FUZZ_CHECK(record.has_value() == shaped);
  Bytes prefecture;
  try {
    const Bytes result = OfficeResultLine(line, prefecture);
    FUZZ_CHECK(record && result == FormatOfficeResult(*record) &&
               prefecture == record->prefecture &&
               result.starts_with(" " + record->code.substr(0, 3) + "-" + record->code.substr(3)) &&
               result.find(record->name) != Bytes::npos);
  } catch (const AppError&) {
    FUZZ_CHECK(!record);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace nanbaru;
  FuzzedDataProvider input(data, size);
  const std::string column = input.ConsumeRandomLengthString(64);
  // Any piece of the plain column is found; any other text exactly when the plain column has it.
  const Bytes plain = PlainColumn(column);
  if (!plain.empty()) {
    const std::size_t from = input.ConsumeIntegralInRange<std::size_t>(0, plain.size() - 1);
    const std::size_t length = input.ConsumeIntegralInRange<std::size_t>(1, plain.size() - from);
    FUZZ_CHECK(ReadingContains(column, plain.substr(from, length)));
  }
  std::string folded = input.ConsumeRandomLengthString(16);
  std::erase(folded, ' ');
  if (!folded.empty()) {
    FUZZ_CHECK(ReadingContains(column, folded) == (plain.find(folded) != Bytes::npos));
  }
  const Bytes reading = FoldReading(input.ConsumeRandomLengthString(32));
  FUZZ_CHECK(reading.find(' ') == Bytes::npos && FoldReading(reading) == reading);
  // A line of the list's shape around the column, then the rest of the input as it comes.
  CheckLine("09205,\"" + column +
            "\",\"a\",\"b\",\"c\",\"d\",\"e\",\"3228601\",\"322  \",\"f\",1,0,0");
  CheckLine(input.ConsumeRemainingBytesAsString());
  return 0;
}
