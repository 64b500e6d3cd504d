#include "app/pictures.h"

#include <QString>

namespace nanbaru {

namespace {

QString ResourcePath(const char* name, const char* suffix) {
  return QStringLiteral(":/pictures/") + QString::fromLatin1(name) + QString::fromLatin1(suffix) +
         QStringLiteral(".xpm");
}

}  // namespace

QIcon ButtonPicture(const char* name) {
  QIcon icon;
  const QPixmap normal(ResourcePath(name, ""));
  if (!normal.isNull()) icon.addPixmap(normal, QIcon::Normal);
  const QPixmap disabled(ResourcePath(name, "_disabled"));
  if (!disabled.isNull()) icon.addPixmap(disabled, QIcon::Disabled);
  return icon;
}

QPixmap Picture(const char* name) {
  return QPixmap(ResourcePath(name, ""));
}

}  // namespace nanbaru
