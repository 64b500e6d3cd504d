#include "common/byte_searcher.h"

#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace nanbaru {

ByteSearcher::ByteSearcher(std::string_view pattern) : pattern_(pattern) {
  const std::size_t m = pattern_.size();
  shift_.fill(m == 0 ? 1 : m);
  for (std::size_t i = 0; i + 1 < m; ++i) {
    shift_[static_cast<unsigned char>(pattern_[i])] = m - 1 - i;
  }
}

const char* ByteSearcher::Find(const char* begin, const char* end) const {
  const std::size_t m = pattern_.size();
  if (m == 0 || begin == nullptr || static_cast<std::size_t>(end - begin) < m) return nullptr;
  const char* const pattern = pattern_.data();
  if (m == 1) return static_cast<const char*>(std::memchr(begin, pattern[0], end - begin));
  // Candidates are the positions p in [begin, stop) where a whole pattern still fits.
  const char* const stop = end - m + 1;
  const char* p = begin;
#ifdef __SSE2__
  // Sixteen candidates at a time: those whose first and last bytes both match are compared
  // in full. Two bytes m - 1 apart rarely match together by chance, so few get that far.
  const __m128i first = _mm_set1_epi8(pattern[0]);
  const __m128i last = _mm_set1_epi8(pattern[m - 1]);
  for (; stop - p >= 16; p += 16) {
    const __m128i head = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i tail = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + m - 1));
    unsigned mask = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(head, first), _mm_cmpeq_epi8(tail, last))));
    while (mask != 0) {
      const int bit = __builtin_ctz(mask);
      if (std::memcmp(p + bit + 1, pattern + 1, m - 2) == 0) return p + bit;
      mask &= mask - 1;
    }
  }
  for (; p < stop; ++p) {
    if (p[0] == pattern[0] && p[m - 1] == pattern[m - 1] &&
        std::memcmp(p + 1, pattern + 1, m - 2) == 0) {
      return p;
    }
  }
  return nullptr;
#else
  // Horspool: the byte under the pattern's last position says how far the pattern may move.
  while (p < stop) {
    if (p[m - 1] == pattern[m - 1] && std::memcmp(p, pattern, m - 1) == 0) return p;
    p += shift_[static_cast<unsigned char>(p[m - 1])];
  }
  return nullptr;
#endif
}

}  // namespace nanbaru
