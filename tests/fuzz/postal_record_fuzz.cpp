// The postal record parser on any line and on lines of the published layout built from the
// input's fields, and the formatter on whatever the parser gives.

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <string>

#include "fuzz_check.h"
#include "platform/errors.h"
#include "search/postal_record.h"

namespace {

// A field of a well-formed line holds neither a double quote nor a comma.
std::string Field(FuzzedDataProvider& input) {
  std::string field = input.ConsumeRandomLengthString(12);
  std::erase_if(field, [](char c) { return c == '"' || c == ','; });
  return field;
}

void CheckFormat(const nanbaru::PostalRecord& record) {
  using namespace nanbaru;
  const std::size_t old_width = record.old_code.size() == 3 ? 5 : record.old_code.size();
  bool old_code_is_number = true;
  try {
    StrToInt(Trim(record.old_code));
  } catch (const ConvertError&) {
    old_code_is_number = false;
  }
  try {
    const Bytes line = FormatPostalResult(record);
    FUZZ_CHECK(old_code_is_number);
    const std::size_t pref_width = std::max<std::size_t>(record.prefecture.size(), 8);
    FUZZ_CHECK(line.size() == 1 + old_width + 1 + 2 + record.new_code.size() + 1 + 2 + pref_width +
                                  1 + record.city.size() + 1 + record.town.size());
    FUZZ_CHECK(line.ends_with(" " + record.city + " " + record.town));
  } catch (const ConvertError&) {
    FUZZ_CHECK(!old_code_is_number);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace nanbaru;
  FuzzedDataProvider input(data, size);
  if (input.ConsumeBool()) {
    std::array<std::string, 9> fields;  // fields 1 to 9; field 1 is not quoted
    for (std::string& field : fields) field = Field(input);
    std::string line = fields[0];
    for (std::size_t i = 1; i < fields.size(); ++i) line += ",\"" + fields[i] + "\"";
    line += input.ConsumeRemainingBytesAsString();
    const PostalRecord record = ParsePostalLine(line);
    FUZZ_CHECK(record.old_code == fields[1] && record.new_code == fields[2] &&
               record.prefecture == fields[6] && record.city == fields[7] &&
               record.town == fields[8]);
    CheckFormat(record);
  } else {
    const std::string line = input.ConsumeRemainingBytesAsString();
    const PostalRecord record = ParsePostalLine(line);
    for (const Bytes* field :
         {&record.old_code, &record.new_code, &record.prefecture, &record.city, &record.town}) {
      FUZZ_CHECK(field->find('"') == Bytes::npos && line.find(*field) != std::string::npos);
    }
    CheckFormat(record);
  }
  return 0;
}
