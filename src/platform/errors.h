#pragma once
// The errors the user sees in the error box. Messages are Shift-JIS bytes, without the
// period the error box adds.

#include <cstdint>
#include <exception>
#include <string_view>

#include "common/bytes.h"

namespace nanbaru {

class AppError : public std::exception {
 public:
  explicit AppError(Bytes message) : message_(std::move(message)) {}
  const Bytes& message() const { return message_; }
  // The message as UTF-8, for logs of tests and the terminal.
  const char* what() const noexcept override;

 private:
  Bytes message_;
  mutable std::string utf8_;
};

// A text that is not a whole number: "'%s' は整数ではありません" with the text in place of %s.
class ConvertError : public AppError {
 public:
  explicit ConvertError(std::string_view text);
};

// The whole number ParseWholeNumber reads in `text`; ConvertError when there is none.
std::int32_t StrToInt(std::string_view text);

// File-layer error codes, in the numbering the messages are keyed by.
namespace io_code {
inline constexpr int kFileNotFound = 2;
inline constexpr int kPathNotFound = 3;
inline constexpr int kTooManyOpenFiles = 4;
inline constexpr int kAccessDenied = 5;
inline constexpr int kReadBeyondEnd = 100;
inline constexpr int kDiskFull = 101;
inline constexpr int kNotNumeric = 106;
}  // namespace io_code

// Message for an input/output error code: the fixed table, else "I/O ｴﾗｰ (%d)".
Bytes InOutMessage(int code);

class InOutError : public AppError {
 public:
  explicit InOutError(int code);
  int code() const { return code_; }

 private:
  int code_;
};

}  // namespace nanbaru
