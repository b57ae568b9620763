#pragma once
// What the search paths share, inside the compressor's own files.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "textdoc/matchSearch.h"

/// Byte i of the text at `bytes` in bits 8i to 8i + 7, whatever the host's byte order.
// Static: each search path compiles its own copy for its instruction set, and no copy may
// stand in for another's.
[[gnu::always_inline]] static inline std::uint64_t load64(const unsigned char* bytes) {
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  if constexpr (std::endian::native == std::endian::big) word = __builtin_bswap64(word);
  return word;
}

/// How many of the first `longest` bytes at `candidate` and at `text` agree; reads 16 bytes at
/// each, whatever `longest` is.
[[gnu::always_inline]] static inline std::size_t matchLength(const unsigned char* candidate,
                                                             const unsigned char* text,
                                                             std::size_t longest) {
  for (std::size_t done = 0; done < longest; done += 8) {
    const std::uint64_t difference = load64(candidate + done) ^ load64(text + done);
    if (difference != 0) {
      const std::size_t length = done + static_cast<std::size_t>(__builtin_ctzll(difference)) / 8;
      return length < longest ? length : longest;
    }
  }
  return longest;
}

/// Checks the candidate at `position` in full and takes it when it is longer than `best`: as
/// candidates come lowest first, of equally long matches the farthest stays.
[[gnu::always_inline]] static inline bool improves(tMatch& best, const unsigned char* text,
                                                   std::size_t position, std::size_t p,
                                                   std::size_t longest) {
  const std::size_t length = matchLength(text + position, text + p, longest);
  if (length <= best.length) return false;
  best = {position, length};
  return true;
}

/// Adds the SIMD paths that this processor can run; nothing on processors without such paths.
void appendSimdSearchPaths(std::vector<tSearchPath>& paths);

tMatch findWithSse2(const unsigned char* text, std::size_t windowStart, std::size_t p,
                    std::size_t longest);
tMatch findWithAvx2(const unsigned char* text, std::size_t windowStart, std::size_t p,
                    std::size_t longest);
