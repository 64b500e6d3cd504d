#include "support/scripted_services.h"

#include "platform/paths.h"

namespace nanbaru::test {

namespace {

bool Answer(std::deque<std::optional<QString>>& answers, QString& chosen) {
  if (answers.empty()) return false;
  const std::optional<QString> answer = answers.front();
  answers.pop_front();
  if (!answer) return false;
  chosen = *answer;
  return true;
}

}  // namespace

void ScriptedServices::ShowError(QWidget*, const QString& caption, const QString& text) {
  boxes.push_back({Box::kError, caption, text});
  if (on_box) on_box(boxes.back());
}

void ScriptedServices::ShowInformation(QWidget*, const QString& text) {
  boxes.push_back({Box::kInformation, QString::fromUtf8("情報"), text});
  if (on_box) on_box(boxes.back());
}

bool ScriptedServices::AskYesNo(QWidget*, const QString& text) {
  questions.push_back(text);
  if (answers.empty()) return false;
  const bool yes = answers.front();
  answers.pop_front();
  return yes;
}

bool ScriptedServices::RunOpenDialog(QWidget*, const QString& file_name, const QStringList& filters,
                                     QString& chosen) {
  open_calls.push_back({file_name, filters});
  return Answer(open_answers, chosen);
}

bool ScriptedServices::RunSaveDialog(QWidget*, const QString& file_name, QString& chosen) {
  save_calls.push_back({file_name, {}});
  return Answer(save_answers, chosen);
}

Bytes ScriptedServices::CurrentDir() {
  return nanbaru::CurrentDir();
}
void ScriptedServices::ChangeDir(const Bytes& dir) {
  nanbaru::ChangeDir(dir);
}
QString ScriptedServices::CurrentDirName() {
  return QString::fromStdString(CurrentDirUtf8());
}

}  // namespace nanbaru::test
