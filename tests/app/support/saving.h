#pragma once
// Saving the collection pane as the user does, and looking at what it left behind.

#include <QDir>
#include <QFile>
#include <QTest>

#include "common/bytes.h"
#include "support/window_fixture.h"

namespace nanbaru::test {

inline void WriteFile(const QString& path, const Bytes& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  QCOMPARE(file.write(bytes.data(), static_cast<qint64>(bytes.size())),
           static_cast<qint64>(bytes.size()));
}

// Saves through the menu item, as the user does; the dialog answers `name`. Only the boxes
// of the save are kept.
inline void Save(WindowFixture& f, const QString& name) {
  f.services.boxes.clear();
  f.services.save_answers.push_back(name);
  f.form->save_item->trigger();
}

inline QStringList Entries(const QString& dir) {
  return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

inline QString LastBox(const ScriptedServices& services) {
  return services.boxes.empty() ? QString() : services.boxes.back().text;
}

}  // namespace nanbaru::test
