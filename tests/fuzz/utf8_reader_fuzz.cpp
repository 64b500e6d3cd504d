// Reading UTF-8, as the UTF-8 edition of the list is read: the lenient conversion takes
// anything, the exact one takes exactly the well-formed texts (those that come back the same
// through UTF-16), and the conversion to Shift-JIS agrees on which those are.

#include <string>

#include "common/utf.h"
#include "fuzz_check.h"
#include "platform/sjis_codec.h"
#include "search/postal_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace nanbaru;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::u16string lenient;
  FUZZ_CHECK(Utf8ToUtf16(bytes, false, lenient));
  FUZZ_CHECK(lenient.size() <= bytes.size());
  std::u16string exact;
  const bool well_formed = Utf8ToUtf16(bytes, true, exact);
  FUZZ_CHECK(well_formed == (Utf16ToUtf8(lenient) == bytes));
  if (well_formed) FUZZ_CHECK(exact == lenient);
  Bytes sjis;
  FUZZ_CHECK(Utf8ToSjisChecked(bytes, sjis) == well_formed);
  // A well-formed text with characters outside ASCII reads as UTF-8.
  if (well_formed && lenient.size() < bytes.size()) FUZZ_CHECK(LooksLikeUtf8(bytes));
  return 0;
}
