#include "app/caption_bytes.h"

#include "common/sjis_codec.h"

namespace nanbaru {

namespace {
constexpr char kBytesProperty[] = "nanbaru_sjis";
}

void SetCaptionBytes(QLabel* label, const Bytes& bytes) {
  label->setText(QString::fromStdU16String(SjisToUtf16(bytes)));
  label->setProperty(kBytesProperty, QByteArray::fromStdString(bytes));
}

Bytes CaptionBytes(const QLabel* label) {
  const QVariant bytes = label->property(kBytesProperty);
  if (bytes.isValid() &&
      label->text() == QString::fromStdU16String(SjisToUtf16(bytes.toByteArray().toStdString()))) {
    return bytes.toByteArray().toStdString();
  }
  return Utf16ToSjis(label->text().toStdU16String());
}

}  // namespace nanbaru
