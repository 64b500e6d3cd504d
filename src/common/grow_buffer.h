#pragma once
// A block of bytes that grows without writing to its new part. The system's allocator moves a
// large block by its page tables rather than by copying, so a block grown many times over holds
// about as much memory as the bytes written into it, never an old and a new copy at once.

#include <cstddef>

namespace nanbaru {

class GrowBuffer {
 public:
  // Throws std::bad_alloc.
  explicit GrowBuffer(std::size_t size);
  ~GrowBuffer();
  GrowBuffer(const GrowBuffer&) = delete;
  GrowBuffer& operator=(const GrowBuffer&) = delete;

  char* data() { return data_; }
  const char* data() const { return data_; }
  std::size_t size() const { return size_; }
  char& operator[](std::size_t i) { return data_[i]; }

  // Grows to `size` bytes, keeping the contents; the bytes added are unset. Throws
  // std::bad_alloc and then keeps the block as it was.
  void Grow(std::size_t size);

 private:
  char* data_;
  std::size_t size_;
};

}  // namespace nanbaru
