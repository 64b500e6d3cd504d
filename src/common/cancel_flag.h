#pragma once
// A request to stop a long task, given from another thread (a dialog's cancel button) and seen
// by the task at its next check, or at once by a call that is blocked in the system and said
// how to interrupt it.

#include <atomic>
#include <exception>
#include <functional>
#include <mutex>

namespace nanbaru {

// Thrown by a task that stopped because it was asked to.
class Cancelled : public std::exception {
 public:
  const char* what() const noexcept override { return "cancelled"; }
};

class CancelFlag {
 public:
  // From any thread: marks the task cancelled and runs the interrupt in force, if any.
  void Cancel();
  bool IsCancelled() const { return cancelled_.load(); }
  void ThrowIfCancelled() const {
    if (IsCancelled()) throw Cancelled();
  }

  // While it lives, Cancel also runs `interrupt`, so that a call blocked in the system returns
  // early. The task checks the flag after setting one up, since a cancel may come just before.
  class Interrupt {
   public:
    Interrupt(const CancelFlag& flag, std::function<void()> interrupt);
    ~Interrupt();
    Interrupt(const Interrupt&) = delete;
    Interrupt& operator=(const Interrupt&) = delete;

   private:
    const CancelFlag& flag_;
  };

 private:
  std::atomic<bool> cancelled_{false};
  // Held while the interrupt is set, cleared or run, so it never runs after its end.
  mutable std::mutex mutex_;
  mutable std::function<void()> interrupt_;
};

}  // namespace nanbaru
