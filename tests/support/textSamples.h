#pragma once
// Blocks of text of the kinds a compressor meets, made from a seed so that a failure can be
// made again.

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "support/pdbBuilder.h"

struct tTextSample {
  std::string kind;
  tTestBytes bytes;
};

/// One block of each kind, `length` bytes long.
std::vector<tTextSample> textSamples(std::size_t length, std::uint32_t seed);

using tByteRange = std::pair<unsigned char, unsigned char>;

/// `count` bytes in which no three-byte sequence occurs twice; byte i lies in the range
/// `ranges[i % ranges.size()]`.
tTestBytes withoutRepeatedTriples(std::size_t count, const std::vector<tByteRange>& ranges,
                                  std::uint32_t seed);
