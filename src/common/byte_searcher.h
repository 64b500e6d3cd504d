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
  // The text ends at the first `stop` byte in [begin, end): the first occurrence before it, else
  // that stop byte, else nullptr. Tells a reader where its text ends in the same pass as the
  // search. A pattern holding `stop` is never found.
  const char* FindBeforeStop(const char* begin, const char* end, char stop) const;

 private:
  // The SIMD filter over the candidates in [p, last_start), advancing p past those it ruled out.
  const char* FindWide(const char*& p, const char* last_start, bool with_stop, char stop) const;

  Bytes pattern_;
  // The positions of the pattern's two rarest bytes, which the wide loops filter on.
  std::size_t first_ = 0;
  std::size_t second_ = 0;
  std::array<std::size_t, 256> shift_{};
};

}  // namespace nanbaru
