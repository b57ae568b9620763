// The SSE2 path: sixteen positions a vector.
#include <emmintrin.h>

#include "textdoc/matchSearchVectors.h"

namespace {

struct tSse2 {
  static constexpr std::size_t kLanes = 16;
  using tValue = __m128i;

  static tValue broadcast(unsigned char byte) { return _mm_set1_epi8(static_cast<char>(byte)); }
  static tValue equal(const unsigned char* at, tValue byte) {
    return _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at)), byte);
  }
  static tValue both(tValue a, tValue b) { return _mm_and_si128(a, b); }
  static std::uint32_t lanesOf(tValue all) {
    return static_cast<std::uint32_t>(_mm_movemask_epi8(all));
  }
};

}  // namespace

tMatch findWithSse2(const unsigned char* text, std::size_t windowStart, std::size_t p,
                    std::size_t longest) {
  return findWithVectors<tSse2>(text, windowStart, p, longest);
}
