#include "common/sjis_codec.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <climits>
#include <stdexcept>

namespace nanbaru {

namespace {

// Invalid Shift-JIS bytes become U+FFFD whatever the converter's own substitute would be.
void U_CALLCONV ReplaceInvalid(const void*, UConverterToUnicodeArgs* args, const char*, int32_t,
                               UConverterCallbackReason reason, UErrorCode* error) {
  if (reason > UCNV_IRREGULAR) return;  // Reset, close and clone need nothing.
  static const UChar kReplacement = 0xFFFD;
  *error = U_ZERO_ERROR;
  ucnv_cbToUWriteUChars(args, &kReplacement, 1, 0, error);
}

int32_t Length(std::size_t size) {
  if (size > INT32_MAX / 4) throw std::length_error("text too long to convert");
  return static_cast<int32_t>(size);
}

// Some builds of the converter follow an old IBM habit and swap three controls (0x1A to
// U+001C, 0x1C to U+007F, 0x7F to U+001A); the Windows mapping keeps every ASCII byte as it
// is, so the swap is undone around the converter when it shows.
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
  explicit Converter(bool exact) {
    UErrorCode error = U_ZERO_ERROR;
    converter_ = ucnv_open("windows-31j", &error);
    if (U_FAILURE(error)) throw std::runtime_error("no windows-31j converter");
    UChar probe = 0;
    ucnv_toUChars(converter_, &probe, 1, "\x1A", 1, &error);
    swaps_controls_ = probe == 0x1C;
    if (exact) {
      ucnv_setToUCallBack(converter_, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &error);
      ucnv_setFromUCallBack(converter_, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                            &error);
    } else {
      ucnv_setToUCallBack(converter_, ReplaceInvalid, nullptr, nullptr, nullptr, &error);
      ucnv_setSubstChars(converter_, "?", 1, &error);
      // Best-fit mappings, such as U+2212 MINUS SIGN to the full-width minus, keep text from
      // other sources searchable; they are one-way, so file names never use them.
      ucnv_setFallback(converter_, true);
    }
    if (U_FAILURE(error)) throw std::runtime_error("windows-31j converter set-up failed");
  }
  ~Converter() { ucnv_close(converter_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool ToUtf16(std::string_view sjis, std::u16string& out) const {
    // Every unit of output comes from at least one input byte.
    out.resize(sjis.size());
    UErrorCode error = U_ZERO_ERROR;
    const int32_t length = ucnv_toUChars(converter_, out.data(), Length(out.size()), sjis.data(),
                                         Length(sjis.size()), &error);
    if (U_FAILURE(error)) return false;
    out.resize(static_cast<std::size_t>(length));
    if (swaps_controls_) {
      for (char16_t& c : out) c = FromSwapped(c);
    }
    return true;
  }

  // Converts in pieces of at most `piece` units. The converter keeps a double-byte character
  // cut at a piece's end and finishes it in the next piece.
  void ToUtf16Pieces(std::string_view sjis, std::size_t piece,
                     const std::function<void(std::u16string_view)>& sink) const {
    if (sjis.empty()) return;
    ucnv_resetToUnicode(converter_);
    // A unit comes from at least one byte, so a short text needs no more units than bytes.
    std::u16string units(std::clamp<std::size_t>(sjis.size(), 1, piece), u'\0');
    const char* source = sjis.data();
    const char* const source_end = source + sjis.size();
    UErrorCode error = U_BUFFER_OVERFLOW_ERROR;
    while (error == U_BUFFER_OVERFLOW_ERROR) {
      error = U_ZERO_ERROR;
      UChar* target = units.data();
      ucnv_toUnicode(converter_, &target, units.data() + units.size(), &source, source_end, nullptr,
                     true, &error);
      if (U_FAILURE(error) && error != U_BUFFER_OVERFLOW_ERROR) {
        throw std::runtime_error("Shift-JIS conversion failed");
      }
      const std::size_t length = static_cast<std::size_t>(target - units.data());
      if (swaps_controls_) {
        for (std::size_t i = 0; i < length; ++i) units[i] = FromSwapped(units[i]);
      }
      sink(std::u16string_view(units.data(), length));
    }
  }

  bool FromUtf16(std::u16string_view text, Bytes& out) const {
    std::u16string swapped;
    if (swaps_controls_) {
      swapped.assign(text);
      for (char16_t& c : swapped) c = ToSwapped(c);
      text = swapped;
    }
    // A unit gives at most two bytes.
    out.resize(text.size() * 2);
    UErrorCode error = U_ZERO_ERROR;
    const int32_t length = ucnv_fromUChars(converter_, out.data(), Length(out.size()), text.data(),
                                           Length(text.size()), &error);
    if (U_FAILURE(error)) return false;
    out.resize(static_cast<std::size_t>(length));
    return true;
  }

 private:
  UConverter* converter_ = nullptr;
  bool swaps_controls_ = false;
};

// Opening a converter is costly, so each thread keeps its own pair.
const Converter& Lenient() {
  thread_local const Converter converter(false);
  return converter;
}

const Converter& Exact() {
  thread_local const Converter converter(true);
  return converter;
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out(text.size() * 3, '\0');
  UErrorCode error = U_ZERO_ERROR;
  int32_t length = 0;
  u_strToUTF8WithSub(out.data(), Length(out.size()), &length, text.data(), Length(text.size()),
                     0xFFFD, nullptr, &error);
  if (U_FAILURE(error)) throw std::runtime_error("UTF-16 to UTF-8 conversion failed");
  out.resize(static_cast<std::size_t>(length));
  return out;
}

bool Utf8ToUtf16(std::string_view utf8, bool exact, std::u16string& out) {
  out.resize(utf8.size());
  UErrorCode error = U_ZERO_ERROR;
  int32_t length = 0;
  if (exact) {
    u_strFromUTF8(out.data(), Length(out.size()), &length, utf8.data(), Length(utf8.size()),
                  &error);
  } else {
    u_strFromUTF8WithSub(out.data(), Length(out.size()), &length, utf8.data(), Length(utf8.size()),
                         0xFFFD, nullptr, &error);
  }
  if (U_FAILURE(error)) return false;
  out.resize(static_cast<std::size_t>(length));
  return true;
}

}  // namespace

std::u16string SjisToUtf16(std::string_view sjis) {
  std::u16string out;
  if (!Lenient().ToUtf16(sjis, out)) throw std::runtime_error("Shift-JIS conversion failed");
  return out;
}

Bytes Utf16ToSjis(std::u16string_view text) {
  Bytes out;
  if (!Lenient().FromUtf16(text, out)) throw std::runtime_error("Shift-JIS conversion failed");
  return out;
}

std::string SjisToUtf8(std::string_view sjis) {
  std::string out;
  SjisToUtf8Pieces(sjis, [&](std::string_view piece) { out += piece; });
  return out;
}

// Every Shift-JIS character maps into the Basic Multilingual Plane, so a piece of UTF-16
// never ends inside a surrogate pair and converts to UTF-8 on its own.
void SjisToUtf8Pieces(std::string_view sjis, const std::function<void(std::string_view)>& sink,
                      std::size_t piece_units) {
  Lenient().ToUtf16Pieces(sjis, piece_units, [&](std::u16string_view units) {
    if (!units.empty()) sink(Utf16ToUtf8(units));
  });
}

Bytes Utf8ToSjis(std::string_view utf8) {
  std::u16string text;
  Utf8ToUtf16(utf8, false, text);
  return Utf16ToSjis(text);
}

bool Utf8ToSjisChecked(std::string_view utf8, Bytes& out) {
  std::u16string text;
  return Utf8ToUtf16(utf8, true, text) && Lenient().FromUtf16(text, out);
}

bool SjisToUtf8Exact(std::string_view sjis, std::string& out) {
  std::u16string text;
  if (!Exact().ToUtf16(sjis, text)) return false;
  out = Utf16ToUtf8(text);
  return true;
}

std::size_t CountUnheld(std::u16string_view text) {
  std::size_t unheld = 0;
  Bytes bytes;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length =
        U16_IS_LEAD(text[at]) && at + 1 < text.size() && U16_IS_TRAIL(text[at + 1]) ? 2 : 1;
    const std::u16string_view one = text.substr(at, length);
    at += length;
    if (one[0] < 0x80) continue;
    if (!Lenient().FromUtf16(one, bytes) || bytes.empty() || bytes == "?") ++unheld;
  }
  return unheld;
}

// The converter drops some characters it cannot map (the soft hyphen, zero-width spaces)
// instead of failing, so the result is read back and must give the same text.
bool Utf8ToSjisExact(std::string_view utf8, Bytes& out) {
  std::u16string text;
  std::u16string back;
  return Utf8ToUtf16(utf8, true, text) && Exact().FromUtf16(text, out) &&
         Exact().ToUtf16(out, back) && back == text;
}

}  // namespace nanbaru
