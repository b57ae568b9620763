#include "textdoc/matchSearch.h"

#include <bit>
#include <cstdint>

#include "textdoc/matchSearchPaths.h"

namespace {

constexpr std::size_t kTested = 3;  // a match must be at least this long to be of use

constexpr std::uint64_t kLowBits = 0x0101010101010101ull;
constexpr std::uint64_t kHighBits = 0x8080808080808080ull;

// Bit 7 of each byte that is zero. A byte above a zero byte may be marked too; the candidates
// are checked in full anyway.
std::uint64_t zeroBytes(std::uint64_t word) {
  return (word - kLowBits) & ~word & kHighBits;
}

// Eight positions at a time in a 64-bit word: a position is a candidate when its first three
// bytes, and the byte just past the best match so far, are those at p.
tMatch findInWords(const unsigned char* text, std::size_t windowStart, std::size_t p,
                   std::size_t longest) {
  tMatch best{0, kTested - 1};
  const std::uint64_t first = text[p] * kLowBits;
  const std::uint64_t second = text[p + 1] * kLowBits;
  const std::uint64_t third = text[p + 2] * kLowBits;
  std::uint64_t next = text[p + best.length] * kLowBits;
  for (std::size_t x = windowStart; x < p; x += 8) {
    std::uint64_t candidates =
        zeroBytes((load64(text + x) ^ first) | (load64(text + x + 1) ^ second) |
                  (load64(text + x + 2) ^ third) | (load64(text + x + best.length) ^ next));
    if (p - x < 8) candidates &= (std::uint64_t{1} << (8 * (p - x))) - 1;
    for (; candidates != 0; candidates &= candidates - 1) {
      const std::size_t position = x + static_cast<std::size_t>(std::countr_zero(candidates)) / 8;
      if (!improves(best, text, position, p, longest)) continue;
      if (best.length == longest) return best;
      next = text[p + best.length] * kLowBits;
    }
  }
  return best;
}

}  // namespace

const std::vector<tSearchPath>& availableSearchPaths() {
  static const std::vector<tSearchPath> paths = [] {
    std::vector<tSearchPath> found = {{"words", findInWords}};
    appendSimdSearchPaths(found);
    return found;
  }();
  return paths;
}

tMatchFinder fastestSearch() {
  return availableSearchPaths().back().find;
}
