#include "app/caption_bytes.h"

#include "platform/sjis_codec.h"

namespace nanbaru {

namespace {

constexpr char kBytesProperty[] = "nanbaru_sjis";

QString Shown(const Bytes& bytes) {
  return QString::fromStdU16String(SjisToUtf16(bytes));
}

// The bytes kept on `control` while it still shows `text` as they showed, else `text` itself.
Bytes KeptBytes(const QObject* control, const QString& text) {
  const QVariant kept = control->property(kBytesProperty);
  if (kept.isValid()) {
    Bytes bytes = kept.toByteArray().toStdString();
    if (text == Shown(bytes)) return bytes;
  }
  return Utf16ToSjis(text.toStdU16String());
}

}  // namespace

void SetCaptionBytes(QLabel* label, const Bytes& bytes) {
  label->setProperty(kBytesProperty, QByteArray::fromStdString(bytes));
  label->setText(Shown(bytes));
}

Bytes CaptionBytes(const QLabel* label) {
  return KeptBytes(label, label->text());
}

// The bytes go first, so a handler of the box's text change already reads them.
void SetEditBytes(QLineEdit* edit, const Bytes& bytes) {
  edit->setProperty(kBytesProperty, QByteArray::fromStdString(bytes));
  edit->setText(Shown(bytes));
}

Bytes EditBytes(const QLineEdit* edit) {
  return KeptBytes(edit, edit->text());
}

}  // namespace nanbaru
