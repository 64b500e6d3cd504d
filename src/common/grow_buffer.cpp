#include "common/grow_buffer.h"

#include <cstdlib>
#include <new>

namespace nanbaru {

GrowBuffer::GrowBuffer(std::size_t size)
    : data_(static_cast<char*>(std::malloc(size))), size_(size) {
  if (data_ == nullptr) throw std::bad_alloc();
}

GrowBuffer::~GrowBuffer() {
  std::free(data_);
}

void GrowBuffer::Grow(std::size_t size) {
  if (size <= size_) return;
  void* grown = std::realloc(data_, size);
  if (grown == nullptr) throw std::bad_alloc();
  data_ = static_cast<char*>(grown);
  size_ = size;
}

}  // namespace nanbaru
