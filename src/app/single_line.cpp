#include "app/single_line.h"

#include <QRegularExpression>
#include <QValidator>

namespace nanbaru {

namespace {

// A line edit asks its validator after every change and takes the text it gives back.
class FirstLineValidator : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& input, int& pos) const override {
    static const QRegularExpression kLineBreak(QStringLiteral("[\r\n]"));
    const qsizetype line_break = input.indexOf(kLineBreak);
    if (line_break >= 0) {
      input.truncate(line_break);
      pos = std::min(pos, static_cast<int>(line_break));
    }
    return Acceptable;
  }
};

}  // namespace

void KeepFirstLineOnly(QLineEdit* box) {
  box->setValidator(new FirstLineValidator(box));
}

}  // namespace nanbaru
