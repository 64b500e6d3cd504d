#include "platform/errors.h"

#include <string>

#include "common/number.h"
#include "platform/sjis_codec.h"

namespace nanbaru {

namespace {

Bytes ConvertMessage(std::string_view text) {
  Bytes message = Sj("'%s' は整数ではありません");
  message.replace(message.find("%s"), 2, text);
  return message;
}

}  // namespace

const char* AppError::what() const noexcept {
  if (utf8_.empty() && !message_.empty()) {
    try {
      utf8_ = SjisToUtf8(message_);
    } catch (...) {
      return "error";
    }
  }
  return utf8_.c_str();
}

ConvertError::ConvertError(std::string_view text) : AppError(ConvertMessage(text)) {}

std::int32_t StrToInt(std::string_view text) {
  const std::optional<std::int32_t> value = ParseWholeNumber(text);
  if (!value) throw ConvertError(text);
  return *value;
}

Bytes InOutMessage(int code) {
  switch (code) {
    case io_code::kFileNotFound:
      return Sj("ﾌｧｲﾙが見つかりません");
    case io_code::kPathNotFound:
      return Sj("不正なﾌｧｲﾙ名です");
    case io_code::kTooManyOpenFiles:
      return Sj("ｵｰﾌﾟﾝしたﾌｧｲﾙが多すぎます");
    case io_code::kAccessDenied:
      return Sj("ﾌｧｲﾙへのｱｸｾｽが拒否されました");
    case io_code::kReadBeyondEnd:
      return Sj("ﾌｧｲﾙの末尾以降を読み込みました");
    case io_code::kDiskFull:
      return Sj("ﾃﾞｨｽｸがいっぱいです");
    case io_code::kNotNumeric:
      return Sj("入力値が数値ではありません");
    default:
      return Sj("I/O ｴﾗｰ (") + IntToStr(code) + ")";
  }
}

InOutError::InOutError(int code) : AppError(InOutMessage(code)), code_(code) {}

}  // namespace nanbaru
