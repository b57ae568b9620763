#pragma once
// The SIMD scan, written once for any vector width. Each instruction set instantiates it in a
// file of its own, compiled for that set, so that nothing of it reaches code that runs on
// processors without the set.

#include <cstdint>

#include "textdoc/matchSearchPaths.h"

// Positions are tested 64 at a time, the candidates of each vector gathered in one mask, so that
// the scan branches once per 64 positions.
inline constexpr std::size_t kPositionsPerStep = 64;

// Bit i is set when the bytes at `at` + i + k equal `wanted[k]` for every k below `count`, the
// last of them at offset `lastOffset` rather than k.
template <typename tVector, std::size_t kCount>
[[gnu::always_inline]] inline std::uint64_t matchingLanes(
    const unsigned char* at, std::size_t lastOffset, const typename tVector::tValue (&wanted)[4]) {
  std::uint64_t lanes = 0;
  for (std::size_t lane = 0; lane < kPositionsPerStep; lane += tVector::kLanes) {
    auto all = tVector::both(tVector::equal(at + lane, wanted[0]),
                             tVector::equal(at + lane + 1, wanted[1]));
    all = tVector::both(all, tVector::equal(at + lane + 2, wanted[2]));
    if constexpr (kCount == 4) {
      all = tVector::both(all, tVector::equal(at + lane + lastOffset, wanted[3]));
    }
    lanes |= std::uint64_t{tVector::lanesOf(all)} << lane;
  }
  return lanes;
}

// The positions of a step that lie before p.
inline std::uint64_t positionsBefore(std::size_t p, std::size_t x) {
  return p - x < kPositionsPerStep ? (std::uint64_t{1} << (p - x)) - 1 : ~std::uint64_t{0};
}

// Until a first match of three bytes turns up, which for most literals is never, the first three
// bytes are all a candidate must show. From then on it must also show the byte just past the
// best match so far. Candidates are checked in full, lowest first, so that of the longest
// matches the farthest wins.
template <typename tVector>
[[gnu::always_inline]] inline tMatch findWithVectors(const unsigned char* text,
                                                     std::size_t windowStart, std::size_t p,
                                                     std::size_t longest) {
  tMatch best{0, 2};
  typename tVector::tValue wanted[4] = {
      tVector::broadcast(text[p]), tVector::broadcast(text[p + 1]), tVector::broadcast(text[p + 2]),
      tVector::broadcast(text[p + best.length])};
  std::size_t x = windowStart;
  std::uint64_t candidates = 0;
  while (x + kPositionsPerStep <= p && candidates == 0) {
    candidates = matchingLanes<tVector, 3>(text + x, 0, wanted);
    x += kPositionsPerStep;
  }
  if (candidates == 0 && x < p) {
    candidates = matchingLanes<tVector, 3>(text + x, 0, wanted) & positionsBefore(p, x);
    x += kPositionsPerStep;
  }
  if (candidates == 0) return best;
  for (x -= kPositionsPerStep;;) {
    for (; candidates != 0; candidates &= candidates - 1) {
      const std::size_t position = x + static_cast<std::size_t>(__builtin_ctzll(candidates));
      if (!improves(best, text, position, p, longest)) continue;
      if (best.length == longest) return best;
      wanted[3] = tVector::broadcast(text[p + best.length]);
    }
    x += kPositionsPerStep;
    if (x >= p) return best;
    candidates = matchingLanes<tVector, 4>(text + x, best.length, wanted) & positionsBefore(p, x);
  }
}
