#include "common/byte_searcher.h"

#include <cstdint>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

// AVX2 code is compiled for a function of its own and run only where the processor has it.
#if (defined(__x86_64__) || defined(__i386__)) && defined(__SSE2__) && defined(__GNUC__)
#define NANBARU_AVX2_DISPATCH 1
#endif

namespace nanbaru {

namespace {

#ifdef __SSE2__

// Compares in full the candidates p + k for each bit k set in `mask`, lowest first.
inline const char* FirstFullMatch(const char* p, std::uint64_t mask, std::string_view pattern) {
  for (; mask != 0; mask &= mask - 1) {
    const char* at = p + __builtin_ctzll(mask);
    if (std::memcmp(at, pattern.data(), pattern.size()) == 0) return at;
  }
  return nullptr;
}

// Runs the filter sixteen candidates at a time while sixteen remain; advances `p` past the
// candidates it has ruled out.
const char* FindSse2(const char*& p, const char* stop, std::string_view pattern) {
  const std::size_t last = pattern.size() - 1;
  const __m128i a = _mm_set1_epi8(pattern[0]);
  const __m128i b = _mm_set1_epi8(pattern[last]);
  for (; stop - p >= 16; p += 16) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + last));
    const unsigned mask = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(x, a), _mm_cmpeq_epi8(y, b))));
    if (mask != 0) {
      if (const char* hit = FirstFullMatch(p, mask, pattern)) return hit;
    }
  }
  return nullptr;
}

#endif

#ifdef NANBARU_AVX2_DISPATCH

// Marks with 0xFF the candidates among the 32 from `at` whose first and last bytes match.
__attribute__((target("avx2"))) inline __m256i Avx2Hits(const char* at, std::size_t last, __m256i a,
                                                        __m256i b) {
  const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
  const __m256i y = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + last));
  return _mm256_and_si256(_mm256_cmpeq_epi8(x, a), _mm256_cmpeq_epi8(y, b));
}

// The same filter, sixty-four candidates a step: about twice as fast as the sixteen-byte loop,
// and that loop is most of a block's scan time.
__attribute__((target("avx2"))) const char* FindAvx2(const char*& p, const char* stop,
                                                     std::string_view pattern) {
  const std::size_t last = pattern.size() - 1;
  const __m256i a = _mm256_set1_epi8(pattern[0]);
  const __m256i b = _mm256_set1_epi8(pattern[last]);
  for (; stop - p >= 64; p += 64) {
    const __m256i low = Avx2Hits(p, last, a, b);
    const __m256i high = Avx2Hits(p + 32, last, a, b);
    const __m256i any = _mm256_or_si256(low, high);
    if (_mm256_testz_si256(any, any)) continue;
    const std::uint64_t mask =
        static_cast<std::uint32_t>(_mm256_movemask_epi8(low)) |
        static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm256_movemask_epi8(high))) << 32;
    if (const char* hit = FirstFullMatch(p, mask, pattern)) return hit;
  }
  return nullptr;
}

bool HasAvx2() {
  static const bool has = __builtin_cpu_supports("avx2");
  return has;
}

#endif

}  // namespace

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
  // Candidates whose first and last bytes both match are compared in full. Two bytes m - 1
  // apart rarely match together by chance, so few get that far.
#ifdef NANBARU_AVX2_DISPATCH
  if (HasAvx2()) {
    if (const char* hit = FindAvx2(p, stop, pattern_)) return hit;
  }
#endif
  if (const char* hit = FindSse2(p, stop, pattern_)) return hit;
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
