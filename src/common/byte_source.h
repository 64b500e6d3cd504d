#pragma once
// Where a text reader's bytes come from: a file on disk, or (for example) a member of an
// archive being inflated. The reader asks for blocks and never knows which it has.

#include <cstddef>

namespace nanbaru {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Reads up to `size` bytes into `into` and returns how many; 0 only at the end. Throws
  // InOutError on a read error.
  virtual std::size_t Read(char* into, std::size_t size) = 0;
  // Releases the source; throws InOutError if the platform reports a failure. Called at most
  // once; the destructor releases quietly what Close did not.
  virtual void Close() = 0;
};

}  // namespace nanbaru
