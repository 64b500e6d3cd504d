#pragma once
// What an update tells while it runs: the window's dialog and the command's standard error
// show it. Called on the thread the update runs on.

#include <cstdint>
#include <string_view>

namespace nanbaru {

class UpdateProgress {
 public:
  enum class Step { kFetching, kReading, kChecking, kWriting };
  virtual ~UpdateProgress() = default;
  // A step begins; `source` is the address or file it reads, where it reads one.
  virtual void Begin(Step step, std::string_view source) = 0;
  // While fetching: the bytes received and the size the server gave, 0 when it gave none.
  virtual void Received(std::uint64_t bytes, std::uint64_t total) = 0;
};

}  // namespace nanbaru
