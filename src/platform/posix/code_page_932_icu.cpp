// Code page 932 through ICU's windows-31j converter.

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>

#include <climits>
#include <stdexcept>

#include "platform/code_page_932.h"

namespace nanbaru {

namespace {

// Each callback puts in the replacement and notes it in the flag its context points to.
// ICU's own substitution would drop default-ignorable characters (U+200B, U+FEFF, variation
// selectors) instead of marking them.
void U_CALLCONV MarkUnassignedBytes(const void* context, UConverterToUnicodeArgs* args, const char*,
                                    int32_t, UConverterCallbackReason reason, UErrorCode* error) {
  if (reason > UCNV_IRREGULAR) return;  // Reset, close and clone need nothing.
  *static_cast<bool*>(const_cast<void*>(context)) = true;
  static const UChar kReplacement = 0xFFFD;
  *error = U_ZERO_ERROR;
  ucnv_cbToUWriteUChars(args, &kReplacement, 1, 0, error);
}

void U_CALLCONV MarkUnmappable(const void* context, UConverterFromUnicodeArgs* args, const UChar*,
                               int32_t, UChar32, UConverterCallbackReason reason,
                               UErrorCode* error) {
  if (reason > UCNV_IRREGULAR) return;
  *static_cast<bool*>(const_cast<void*>(context)) = true;
  *error = U_ZERO_ERROR;
  ucnv_cbFromUWriteBytes(args, "?", 1, 0, error);
}

int32_t Length(std::size_t size) {
  if (size > INT32_MAX / 4) throw std::length_error("text too long to convert");
  return static_cast<int32_t>(size);
}

// Some builds of the converter follow an old IBM habit and swap three controls (0x1A to
// U+001C, 0x1C to U+007F, 0x7F to U+001A); code page 932 keeps every ASCII byte as it is, so
// the swap is undone around the converter when it shows.
char16_t FromSwapped(char16_t c) {
  switch (c) {
    case 0x1C:
      return 0x1A;
    case 0x7F:
      return 0x1C;
    case 0x1A:
      return 0x7F;
    default:
      return c;
  }
}

char16_t ToSwapped(char16_t c) {
  switch (c) {
    case 0x1A:
      return 0x1C;
    case 0x1C:
      return 0x7F;
    case 0x7F:
      return 0x1A;
    default:
      return c;
  }
}

class Converter {
 public:
  Converter() {
    UErrorCode error = U_ZERO_ERROR;
    converter_ = ucnv_open("windows-31j", &error);
    if (U_FAILURE(error)) throw std::runtime_error("no windows-31j converter");
    UChar probe = 0;
    ucnv_toUChars(converter_, &probe, 1, "\x1A", 1, &error);
    swaps_controls_ = probe == 0x1C;
    ucnv_setToUCallBack(converter_, MarkUnassignedBytes, &replaced_, nullptr, nullptr, &error);
    ucnv_setFromUCallBack(converter_, MarkUnmappable, &replaced_, nullptr, nullptr, &error);
    if (U_FAILURE(error)) throw std::runtime_error("windows-31j converter set-up failed");
  }
  ~Converter() { ucnv_close(converter_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool Decode(std::string_view sjis, std::u16string& out) {
    if (sjis.empty()) return true;
    const std::size_t start = out.size();
    // Every unit of output comes from at least one input byte.
    out.resize(start + sjis.size());
    UErrorCode error = U_ZERO_ERROR;
    replaced_ = false;
    const int32_t length = ucnv_toUChars(converter_, out.data() + start, Length(sjis.size()),
                                         sjis.data(), Length(sjis.size()), &error);
    if (U_FAILURE(error)) throw std::runtime_error("Shift-JIS conversion failed");
    out.resize(start + static_cast<std::size_t>(length));
    if (swaps_controls_) {
      for (std::size_t i = start; i < out.size(); ++i) out[i] = FromSwapped(out[i]);
    }
    return !replaced_;
  }

  bool Encode(std::u16string_view text, Bytes& out) {
    if (text.empty()) return true;
    std::u16string swapped;
    if (swaps_controls_) {
      swapped.assign(text);
      for (char16_t& c : swapped) c = ToSwapped(c);
      text = swapped;
    }
    const std::size_t start = out.size();
    // A unit gives at most two bytes.
    out.resize(start + text.size() * 2);
    UErrorCode error = U_ZERO_ERROR;
    replaced_ = false;
    const int32_t length = ucnv_fromUChars(converter_, out.data() + start, Length(text.size() * 2),
                                           text.data(), Length(text.size()), &error);
    if (U_FAILURE(error)) throw std::runtime_error("Shift-JIS conversion failed");
    out.resize(start + static_cast<std::size_t>(length));
    return !replaced_;
  }

 private:
  UConverter* converter_ = nullptr;
  bool swaps_controls_ = false;
  bool replaced_ = false;
};

// Opening a converter is costly, so each thread keeps its own.
Converter& ThreadConverter() {
  thread_local Converter converter;
  return converter;
}

}  // namespace

bool DecodeCodePage932(std::string_view well_formed, std::u16string& out) {
  return ThreadConverter().Decode(well_formed, out);
}

bool EncodeCodePage932(std::u16string_view text, Bytes& out) {
  return ThreadConverter().Encode(text, out);
}

}  // namespace nanbaru
