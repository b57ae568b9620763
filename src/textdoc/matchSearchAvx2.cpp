// The AVX2 path: thirty-two positions a vector. This file alone is compiled for AVX2, and its
// search runs only where the processor reports AVX2.
#include <immintrin.h>

#include "textdoc/matchSearchVectors.h"

namespace {

struct tAvx2 {
  static constexpr std::size_t kLanes = 32;
  using tValue = __m256i;

  static tValue broadcast(unsigned char byte) { return _mm256_set1_epi8(static_cast<char>(byte)); }
  static tValue equal(const unsigned char* at, tValue byte) {
    return _mm256_cmpeq_epi8(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(at)), byte);
  }
  static tValue both(tValue a, tValue b) { return _mm256_and_si256(a, b); }
  static std::uint32_t lanesOf(tValue all) {
    return static_cast<std::uint32_t>(_mm256_movemask_epi8(all));
  }
};

}  // namespace

tMatch findWithAvx2(const unsigned char* text, std::size_t windowStart, std::size_t p,
                    std::size_t longest) {
  return findWithVectors<tAvx2>(text, windowStart, p, longest);
}
