#include "common/cancel_flag.h"

namespace nanbaru {

void CancelFlag::Cancel() {
  const std::lock_guard lock(mutex_);
  cancelled_.store(true);
  if (interrupt_) interrupt_();
}

CancelFlag::Interrupt::Interrupt(const CancelFlag& flag, std::function<void()> interrupt)
    : flag_(flag) {
  const std::lock_guard lock(flag_.mutex_);
  flag_.interrupt_ = std::move(interrupt);
}

CancelFlag::Interrupt::~Interrupt() {
  const std::lock_guard lock(flag_.mutex_);
  flag_.interrupt_ = nullptr;
}

}  // namespace nanbaru
