// The Shift-JIS codec's round trips, and conversion in small pieces against conversion whole.

#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "fuzz_check.h"
#include "platform/sjis_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace nanbaru;
  FuzzedDataProvider input(data, size);
  const std::size_t piece_units = input.ConsumeIntegralInRange<std::size_t>(1, 8);
  const std::string bytes = input.ConsumeRemainingBytesAsString();

  // As Shift-JIS: pieces join to the whole conversion, whatever the cuts.
  const std::string whole = SjisToUtf8(bytes);
  std::string joined;
  SjisToUtf8Pieces(
      bytes, [&](std::string_view piece) { joined += piece; }, piece_units);
  FUZZ_CHECK(joined == whole);
  FUZZ_CHECK(SjisToUtf16(bytes).size() <= bytes.size());

  // Valid Shift-JIS converts the same both ways, and its text comes back to the same text
  // (a character with two codes may come back under the other).
  std::string exact;
  if (SjisToUtf8Exact(bytes, exact)) {
    FUZZ_CHECK(exact == whole);
    Bytes back;
    FUZZ_CHECK(Utf8ToSjisExact(exact, back));
    std::string again;
    FUZZ_CHECK(SjisToUtf8Exact(back, again) && again == exact);
    FUZZ_CHECK(Utf16ToSjis(SjisToUtf16(bytes)) == back);
  }

  // As UTF-8: the lenient conversion always gives valid Shift-JIS, and an exact one is exact.
  std::string check;
  FUZZ_CHECK(SjisToUtf8Exact(Utf8ToSjis(bytes), check));
  Bytes sjis;
  if (Utf8ToSjisExact(bytes, sjis)) {
    FUZZ_CHECK(SjisToUtf8Exact(sjis, check) && check == bytes);
    FUZZ_CHECK(Utf8ToSjis(bytes) == sjis);
  }
  return 0;
}
