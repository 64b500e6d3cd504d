#include "common/byte_searcher.h"

#include <cstdint>
#include <cstring>

#include "common/byte_rank.h"

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

// What the wide loops look for: candidates whose two filter bytes match, and, when
// `with_stop`, the first `stop` byte, ahead of which the text is taken to end.
struct Filter {
  std::string_view pattern;
  std::size_t first;
  std::size_t second;
  bool with_stop;
  char stop;
};

// Compares in full the candidates p + k for each bit k set in `mask`, lowest first.
inline const char* FirstFullMatch(const char* p, std::uint64_t mask, std::string_view pattern) {
  for (; mask != 0; mask &= mask - 1) {
    const char* at = p + __builtin_ctzll(mask);
    if (std::memcmp(at, pattern.data(), pattern.size()) == 0) return at;
  }
  return nullptr;
}

// The answer for a step from `p` whose candidates are `mask` and whose stop bytes are
// `stops`: a match from a candidate before the first stop byte lies wholly before it, as the
// pattern holds no stop byte.
inline const char* StepAnswer(const char* p, std::uint64_t mask, std::uint64_t stops,
                              std::string_view pattern) {
  if (stops == 0) return FirstFullMatch(p, mask, pattern);
  const int first_stop = __builtin_ctzll(stops);
  if (const char* hit = FirstFullMatch(p, mask & ((std::uint64_t{1} << first_stop) - 1), pattern)) {
    return hit;
  }
  return p + first_stop;
}

// Runs the filter sixteen candidates at a time while sixteen remain before `last_start`;
// advances `p` past the candidates (and bytes, for the stop byte) it has ruled out.
const char* FindSse2(const char*& p, const char* last_start, const Filter& f) {
  const __m128i a = _mm_set1_epi8(f.pattern[f.first]);
  const __m128i b = _mm_set1_epi8(f.pattern[f.second]);
  const __m128i s = _mm_set1_epi8(f.stop);
  for (; last_start - p >= 16; p += 16) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + f.first));
    const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + f.second));
    const unsigned mask = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(x, a), _mm_cmpeq_epi8(y, b))));
    const unsigned stops = f.with_stop
                               ? static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(
                                     _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), s)))
                               : 0;
    if ((mask | stops) != 0) {
      if (const char* hit = StepAnswer(p, mask, stops, f.pattern)) return hit;
    }
  }
  return nullptr;
}

#endif

#ifdef NANBARU_AVX2_DISPATCH

// Marks with 0xFF the candidates among the 32 from `at` whose two filter bytes match.
__attribute__((target("avx2"))) inline __m256i Avx2Hits(const char* at, const Filter& f, __m256i a,
                                                        __m256i b) {
  const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + f.first));
  const __m256i y = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + f.second));
  return _mm256_and_si256(_mm256_cmpeq_epi8(x, a), _mm256_cmpeq_epi8(y, b));
}

__attribute__((target("avx2"))) inline std::uint64_t Avx2Mask(__m256i low, __m256i high) {
  return static_cast<std::uint32_t>(_mm256_movemask_epi8(low)) |
         static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm256_movemask_epi8(high))) << 32;
}

// The same filter, sixty-four candidates a step: about twice as fast as the sixteen-byte loop,
// and that loop is most of a block's scan time. The stop byte is looked for in the same step,
// so a reader needs no pass of its own over the block for it.
template <bool kWithStop>
__attribute__((target("avx2"))) const char* FindAvx2(const char*& p, const char* last_start,
                                                     const Filter& f) {
  const __m256i a = _mm256_set1_epi8(f.pattern[f.first]);
  const __m256i b = _mm256_set1_epi8(f.pattern[f.second]);
  const __m256i s = _mm256_set1_epi8(f.stop);
  for (; last_start - p >= 64; p += 64) {
    const __m256i low = Avx2Hits(p, f, a, b);
    const __m256i high = Avx2Hits(p + 32, f, a, b);
    __m256i any = _mm256_or_si256(low, high);
    __m256i stop_low = _mm256_setzero_si256();
    __m256i stop_high = _mm256_setzero_si256();
    if constexpr (kWithStop) {
      stop_low = _mm256_cmpeq_epi8(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)), s);
      stop_high =
          _mm256_cmpeq_epi8(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 32)), s);
      any = _mm256_or_si256(any, _mm256_or_si256(stop_low, stop_high));
    }
    if (_mm256_testz_si256(any, any)) continue;
    const std::uint64_t stops = kWithStop ? Avx2Mask(stop_low, stop_high) : 0;
    if (const char* hit = StepAnswer(p, Avx2Mask(low, high), stops, f.pattern)) return hit;
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
  if (m >= 2) {
    const auto rank = [this](std::size_t i) {
      return kByteRank[static_cast<unsigned char>(pattern_[i])];
    };
    for (std::size_t i = 1; i < m; ++i) {
      if (rank(i) < rank(first_)) first_ = i;
    }
    // Of equally rare bytes the one farthest from the first: bytes side by side (the two of one
    // character, or a run such as 7777777) match together far more often than apart.
    const auto apart = [this](std::size_t i) { return i > first_ ? i - first_ : first_ - i; };
    second_ = first_ == 0 ? 1 : 0;
    for (std::size_t i = 0; i < m; ++i) {
      if (i == first_) continue;
      if (rank(i) < rank(second_) || (rank(i) == rank(second_) && apart(i) > apart(second_))) {
        second_ = i;
      }
    }
  }
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
  // Candidates are the positions p in [begin, last_start) where a whole pattern still fits.
  const char* const last_start = end - m + 1;
  const char* p = begin;
#ifdef __SSE2__
  if (const char* hit = FindWide(p, last_start, false, 0)) return hit;
  for (; p < last_start; ++p) {
    if (p[first_] == pattern[first_] && p[second_] == pattern[second_] &&
        std::memcmp(p, pattern, m) == 0) {
      return p;
    }
  }
  return nullptr;
#else
  // Horspool: the byte under the pattern's last position says how far the pattern may move.
  while (p < last_start) {
    if (p[m - 1] == pattern[m - 1] && std::memcmp(p, pattern, m - 1) == 0) return p;
    p += shift_[static_cast<unsigned char>(p[m - 1])];
  }
  return nullptr;
#endif
}

const char* ByteSearcher::FindBeforeStop(const char* begin, const char* end, char stop) const {
  if (begin == nullptr) return nullptr;
  const char* p = begin;
#ifdef __SSE2__
  const std::size_t m = pattern_.size();
  if (m >= 2 && static_cast<std::size_t>(end - begin) >= m &&
      pattern_.find(stop) == std::string_view::npos) {
    if (const char* hit = FindWide(p, end - m + 1, true, stop)) return hit;
  }
#endif
  // The rest is short unless the wide loops could not run.
  const char* const first_stop =
      static_cast<const char*>(std::memchr(p, stop, static_cast<std::size_t>(end - p)));
  if (const char* hit = Find(p, first_stop != nullptr ? first_stop : end)) return hit;
  return first_stop;
}

#ifdef __SSE2__

// Candidates whose two rarest bytes both match are compared in full, so few get that far even
// for a key made of the lead bytes every Japanese line is full of.
const char* ByteSearcher::FindWide(const char*& p, const char* last_start, bool with_stop,
                                   char stop) const {
  const Filter filter{pattern_, first_, second_, with_stop, stop};
#ifdef NANBARU_AVX2_DISPATCH
  if (HasAvx2()) {
    const char* hit =
        with_stop ? FindAvx2<true>(p, last_start, filter) : FindAvx2<false>(p, last_start, filter);
    if (hit != nullptr) return hit;
  }
#endif
  return FindSse2(p, last_start, filter);
}

#endif

}  // namespace nanbaru
