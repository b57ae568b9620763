#pragma once
// The search for the longest earlier occurrence of the bytes at a position of a block: a plain
// scan of the window in increasing order, no index of any kind. It takes the farthest of the
// longest occurrences, as the record format's compressor always has. The scan tests many
// positions at once, with SIMD where the processor has it; every path gives the same match.

#include <cstddef>
#include <vector>

struct tMatch {
  std::size_t position = 0;
  std::size_t length = 0;
};

/// Bytes past the end of the text that a search may read; they need not hold anything.
inline constexpr std::size_t kSearchPadding = 128;

/// Finds, among the positions from `windowStart` to `p` - 1, the lowest one at which the
/// longest run of the bytes at `p` occurs, counting at most `longest` bytes. The text at `p`
/// must hold `longest` bytes, followed by kSearchPadding readable ones. A length below 3 means
/// that nothing useful was found.
using tMatchFinder = tMatch (*)(const unsigned char* text, std::size_t windowStart, std::size_t p,
                                std::size_t longest);

struct tSearchPath {
  const char* name;
  tMatchFinder find;
};

/// Every search path this processor can run, the fastest last.
const std::vector<tSearchPath>& availableSearchPaths();

/// The fastest search this processor runs.
tMatchFinder fastestSearch();
