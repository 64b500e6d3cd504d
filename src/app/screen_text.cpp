#include "app/screen_text.h"

#include "platform/errors.h"
#include "platform/sjis_codec.h"

namespace nanbaru {

Bytes TextOf(const QString& text) {
  return Utf16ToSjis(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                         static_cast<std::size_t>(text.size())));
}

QString ScreenText(const Bytes& bytes) {
  return QString::fromStdU16String(SjisToUtf16(bytes));
}

Bytes ChosenPath(const QString& chosen) {
  Bytes path;
  if (!Utf8ToSjisExact(chosen.toStdString(), path)) throw InOutError(io_code::kPathNotFound);
  return path;
}

}  // namespace nanbaru
