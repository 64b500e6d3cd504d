#pragma once
// Fast search for one fixed byte pattern, prepared once and run over many texts.

#include <array>
#include <cstddef>
#include <string_view>

#include "common/bytes.h"

namespace nanbaru {

class ByteSearcher {
 public:
  explicit ByteSearcher(std::string_view pattern);
  std::string_view pattern() const { return pattern_; }
  // First occurrence in [begin, end), or nullptr. An empty pattern is never found.
  const char* Find(const char* begin, const char* end) const;
  bool FoundIn(std::string_view text) const {
    return Find(text.data(), text.data() + text.size()) != nullptr;
  }

 private:
  Bytes pattern_;
  std::array<std::size_t, 256> shift_{};
};

}  // namespace nanbaru
