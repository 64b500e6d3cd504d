#pragma once
// The real window services, but message boxes go to standard error: the bench programs run
// unattended and must never wait for a click.

#include <cstdio>

#include "app/window_services.h"

namespace nanbaru {

class QuietServices : public QtWindowServices {
 public:
  void ShowError(QWidget*, const QString& caption, const QString& text) override {
    std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
  }
  void ShowInformation(QWidget*, const QString& text) override {
    std::fprintf(stderr, "%s\n", qPrintable(text));
  }
  bool AskYesNo(QWidget*, const QString& text) override {
    std::fprintf(stderr, "%s\n", qPrintable(text));
    return false;
  }
};

}  // namespace nanbaru
