#include "app/edit_bytes.h"

#include "platform/sjis_codec.h"

namespace nanbaru {

namespace {

constexpr char kBytesProperty[] = "nanbaru_sjis";

QString Shown(const Bytes& bytes) {
  return QString::fromStdU16String(SjisToUtf16(bytes));
}

}  // namespace

// The bytes go first, so a handler of the box's text change already reads them.
void SetEditBytes(QLineEdit* edit, const Bytes& bytes) {
  edit->setProperty(kBytesProperty, QByteArray::fromStdString(bytes));
  edit->setText(Shown(bytes));
}

Bytes EditBytes(const QLineEdit* edit) {
  const QVariant kept = edit->property(kBytesProperty);
  if (kept.isValid()) {
    Bytes bytes = kept.toByteArray().toStdString();
    if (edit->text() == Shown(bytes)) return bytes;
  }
  return Utf16ToSjis(edit->text().toStdU16String());
}

}  // namespace nanbaru
