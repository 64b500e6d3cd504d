// The postal record parser on any line and on lines of the published layout built from the
// input's fields. The formatter fails exactly when the old code is no number; its line begins
// with the old code, holds the prefecture, ends with city and town, and aligns published codes.

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <string>

#include "common/number.h"
#include "fuzz_check.h"
#include "platform/errors.h"
#include "platform/sjis_codec.h"
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
  bool old_code_is_number = true;
  try {
    StrToInt(Trim(record.old_code));
  } catch (const ConvertError&) {
    old_code_is_number = false;
  }
  try {
    const Bytes line = FormatPostalResult(record);
    FUZZ_CHECK(old_code_is_number && line.starts_with(" " + record.old_code.substr(0, 3)) &&
               line.find(record.prefecture) != Bytes::npos &&
               line.ends_with(" " + record.city + " " + record.town));
  } catch (const ConvertError&) {
    FUZZ_CHECK(!old_code_is_number);
  }
  // Published old codes and prefectures take one width, so the later columns line up.
  const auto width = [&](const char* old_code, const char* prefecture) {
    return FormatPostalResult({old_code, record.new_code, Sj(prefecture), record.city, record.town})
        .size();
  };
  const std::size_t first = width("322", "東京都");
  FUZZ_CHECK(width("322  ", "東京都") == first && width("32201", "東京都") == first &&
             width("00999", "神奈川県") == first);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace nanbaru;
  FuzzedDataProvider input(data, size);
  const bool built = input.ConsumeBool();
  std::array<std::string, 9> fields;  // fields 1 to 9 of a built line; field 1 is not quoted
  std::string line;
  if (built) {
    for (std::string& field : fields) field = Field(input);
    line = fields[0];
    for (std::size_t i = 1; i < fields.size(); ++i) line += ",\"" + fields[i] + "\"";
  }
  line += input.ConsumeRemainingBytesAsString();
  const PostalRecord record = ParsePostalLine(line);
  for (const Bytes* field :
       {&record.old_code, &record.new_code, &record.prefecture, &record.city, &record.town}) {
    FUZZ_CHECK(field->find('"') == Bytes::npos && line.find(*field) != std::string::npos);
  }
  FUZZ_CHECK(!built || (record.old_code == fields[1] && record.new_code == fields[2] &&
                        record.prefecture == fields[6] && record.city == fields[7] &&
                        record.town == fields[8]));
  CheckFormat(record);
  return 0;
}
