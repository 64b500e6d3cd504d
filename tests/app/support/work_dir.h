#pragma once
// A fresh, empty working directory for one test, entered on construction; the previous
// directory is entered again on destruction. Keeps the settings file the window writes on
// close out of the build tree.

#include <QDir>
#include <QString>
#include <QTemporaryDir>

namespace nanbaru::test {

class WorkDir {
 public:
  WorkDir() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
  ~WorkDir() { QDir::setCurrent(previous_); }
  WorkDir(const WorkDir&) = delete;
  WorkDir& operator=(const WorkDir&) = delete;

  QString path() const { return dir_.path(); }

 private:
  QString previous_;
  QTemporaryDir dir_;
};

}  // namespace nanbaru::test
