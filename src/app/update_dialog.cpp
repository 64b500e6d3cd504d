#include "app/update_dialog.h"

#include <QProgressDialog>
#include <thread>

#include "app/screen_text.h"
#include "common/number.h"
#include "platform/errors.h"
#include "platform/sjis_codec.h"

namespace nanbaru {

namespace {

Bytes Kilobytes(std::uint64_t bytes) {
  return IntToStr(static_cast<std::int64_t>(bytes / 1024)) + " KB";
}

// Tells the dialog from the update's thread; the dialog is changed on its own thread.
class DialogProgress : public UpdateProgress {
 public:
  explicit DialogProgress(QProgressDialog& dialog) : dialog_(dialog) {}

  void Begin(Step step, std::string_view) override {
    const char* text = step == Step::kFetching  ? "郵便番号データを取得しています。"
                       : step == Step::kReading ? "郵便番号データを読んでいます。"
                       : step == Step::kChecking
                           ? "新しい郵便番号データを確かめ、使用中のものと比べています。"
                           : "新しい郵便番号データを書き込んでいます。";
    Show(ScreenText(Sj(text)), -1);
  }

  void Received(std::uint64_t bytes, std::uint64_t total) override {
    const int percent = total > 0 ? static_cast<int>(bytes * 100 / total) : -1;
    if (bytes != 0 && percent == last_percent_ && bytes - last_bytes_ < 256 * 1024) return;
    last_percent_ = percent;
    last_bytes_ = bytes;
    Bytes text = Sj("郵便番号データを取得しています：") + Kilobytes(bytes);
    if (total > 0) text += " / " + Kilobytes(total) + Sj("（") + IntToStr(percent) + "%" + Sj("）");
    Show(ScreenText(text), percent);
  }

 private:
  // `percent` -1: a busy bar, as long as the size is not known.
  void Show(const QString& text, int percent) {
    QMetaObject::invokeMethod(
        &dialog_,
        [this, text, percent] {
          dialog_.setLabelText(text);
          dialog_.setMaximum(percent < 0 ? 0 : 100);
          dialog_.setValue(percent < 0 ? 0 : percent);
        },
        Qt::QueuedConnection);
  }

  QProgressDialog& dialog_;
  int last_percent_ = -2;
  std::uint64_t last_bytes_ = 0;
};

}  // namespace

UpdateOutcome RunUpdateDialog(QWidget* parent, const UpdateRequest& request) {
  QProgressDialog dialog(ScreenText(Sj("郵便番号データの更新を始めます。")),
                         ScreenText(Sj("キャンセル")), 0, 0, parent);
  dialog.setWindowTitle(ScreenText(Sj("郵便番号データの更新")));
  dialog.setWindowModality(Qt::WindowModal);
  dialog.setAutoClose(false);
  dialog.setAutoReset(false);
  dialog.setMinimumDuration(0);
  dialog.setMinimumWidth(420);

  CancelFlag cancel;
  QObject::connect(&dialog, &QProgressDialog::canceled, [&cancel] { cancel.Cancel(); });
  DialogProgress progress(dialog);
  UpdateOutcome outcome;
  std::thread worker([&] {
    try {
      outcome.result = UpdateList(request, progress, cancel);
    } catch (const Cancelled&) {
      outcome.cancelled = true;
    } catch (const AppError& e) {
      outcome.error = e.message();
    } catch (const std::exception& e) {
      outcome.error = Utf8ToSjis(e.what());
    }
    QMetaObject::invokeMethod(
        &dialog, [&dialog] { dialog.done(0); }, Qt::QueuedConnection);
  });
  dialog.exec();
  // A cancel closes the dialog at once; the update stops at its next look at the flag.
  worker.join();
  return outcome;
}

}  // namespace nanbaru
