#include "common/errors.h"

#include <sys/stat.h>

#include <cerrno>
#include <string>

#include "common/native_path.h"
#include "common/number.h"
#include "common/sjis_codec.h"

namespace nanbaru {

namespace {

// Platform errors whose numbers are keys of the message table would show another error's
// message; they take the codes the file layer reports for the same failures elsewhere.
constexpr int kDeviceError = 1117;
constexpr int kNetworkNameGone = 64;

Bytes ConvertMessage(std::string_view text) {
  Bytes message = Sj("'%s' は整数ではありません");
  message.replace(message.find("%s"), 2, text);
  return message;
}

// True when the folder that would hold `native_path` exists.
bool ParentFolderExists(const char* native_path) {
  struct stat info;
  return stat(NativeFolderOf(native_path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
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

int CodeFromErrno(int error_number, const char* native_path) {
  switch (error_number) {
    case ENOENT:
      return native_path != nullptr && !ParentFolderExists(native_path) ? io_code::kPathNotFound
                                                                        : io_code::kFileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
      return io_code::kPathNotFound;
    case EMFILE:
    case ENFILE:
      return io_code::kTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
      return io_code::kAccessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return io_code::kDiskFull;
    case EIO:
      return kDeviceError;
    case ENETDOWN:
    case ENETUNREACH:
      return kNetworkNameGone;
    default:
      return error_number;
  }
}

}  // namespace nanbaru
