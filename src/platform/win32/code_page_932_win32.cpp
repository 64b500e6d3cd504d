// Code page 932 through the system's own converter.

#include <windows.h>

#include "common/sjis_bytes.h"
#include "platform/code_page_932.h"

namespace nanbaru {

namespace {

constexpr UINT kCodePage = 932;

// Appends the conversion of well-formed bytes; false when a pair names no character.
bool DecodeWhole(std::string_view sjis, std::u16string& out) {
  const int size = static_cast<int>(sjis.size());
  const std::size_t start = out.size();
  out.resize(start + sjis.size());  // One unit per character, at most one per byte.
  const int length = MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, sjis.data(), size,
                                         reinterpret_cast<wchar_t*>(out.data() + start), size);
  out.resize(start + static_cast<std::size_t>(length));
  return length > 0;
}

}  // namespace

bool DecodeCodePage932(std::string_view well_formed, std::u16string& out) {
  if (well_formed.empty() || DecodeWhole(well_formed, out)) return true;
  // Some pair names no character: the text is taken one character at a time.
  bool all = true;
  for (std::size_t at = 0; at < well_formed.size();) {
    const std::size_t length = SjisCharLength(well_formed, at);
    if (!DecodeWhole(well_formed.substr(at, length), out)) {
      out += u'\uFFFD';
      all = false;
    }
    at += length;
  }
  return all;
}

bool EncodeCodePage932(std::u16string_view text, Bytes& out) {
  if (text.empty()) return true;
  const int size = static_cast<int>(text.size());
  const std::size_t start = out.size();
  out.resize(start + text.size() * 2);  // A unit gives at most two bytes.
  BOOL defaulted = FALSE;
  const int length = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS,
                                         reinterpret_cast<const wchar_t*>(text.data()), size,
                                         out.data() + start, size * 2, "?", &defaulted);
  out.resize(start + static_cast<std::size_t>(length));
  return length > 0 && !defaulted;
}

}  // namespace nanbaru
