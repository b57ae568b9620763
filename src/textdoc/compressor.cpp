#include "textdoc/compressor.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

constexpr std::size_t kWindow = 2047;
constexpr std::size_t kShortestMatch = 3;
constexpr std::size_t kLongestMatch = 10;
constexpr unsigned char kSpace = 0x20;
constexpr unsigned char kRawRunOfOne = 0x01;
constexpr unsigned char kLongestRawRun = 8;
constexpr unsigned char kBackReference = 0x80;
constexpr unsigned char kLastBackReferenceByte = 0xBF;
constexpr unsigned char kSpacePair = 0x80;

bool needsRawRun(unsigned char c) {
  return (c >= 0x01 && c <= 0x08) || c >= 0x80;
}

bool pairsWithSpace(unsigned char c) {
  return c >= 0x40 && c <= 0x7F;
}

void append(tBuf& block, unsigned char c) {
  block.bytes[block.length++] = c;
}

void appendBackReference(tBuf& block, std::size_t distance, std::size_t length) {
  // Checks of our own arithmetic: the search never yields these.
  if (distance > kWindow) std::printf("\n!! error dist overflow");
  if (length - kShortestMatch > kLongestMatch - kShortestMatch) {
    std::printf("\n!! error dist overflow");
  }
  append(block, static_cast<unsigned char>(kBackReference + distance / 32));
  append(block, static_cast<unsigned char>(distance * 8 + length - kShortestMatch));
}

// The first pass writes every raw byte as a run of one; neighbouring runs of one are joined
// here into runs of up to eight, in place, since the record only shrinks.
std::uint32_t joinRawRuns(unsigned char* record, std::uint32_t length) {
  std::uint32_t read = 0;
  std::uint32_t write = 0;
  while (read < length) {
    const unsigned char c = record[read];
    if (c >= kBackReference && c <= kLastBackReferenceByte) {
      record[write++] = record[read++];
      record[write++] = record[read++];
    } else if (c == kRawRunOfOne) {
      const std::uint32_t count = write;
      record[write++] = kRawRunOfOne;
      record[write++] = record[read + 1];
      read += 2;
      while (read < length && record[read] == kRawRunOfOne && record[count] < kLongestRawRun) {
        record[write++] = record[read + 1];
        ++record[count];
        read += 2;
      }
    } else {
      record[write++] = record[read++];
    }
  }
  return write;
}

}  // namespace

void emitLiteral(tBuf& block, unsigned char c, bool& pendingSpace) {
  if (!pendingSpace && c == kSpace) {
    pendingSpace = true;
    return;
  }
  if (pendingSpace && pairsWithSpace(c)) {
    append(block, static_cast<unsigned char>(c + kSpacePair));
    pendingSpace = false;
    return;
  }
  if (pendingSpace) append(block, kSpace);
  pendingSpace = false;
  if (needsRawRun(c)) append(block, kRawRunOfOne);
  append(block, c);
}

std::uint32_t compressBlock(tBuf& block) {
  return compressBlockWith(block, fastestSearch());
}

std::uint32_t compressBlockWith(tBuf& block, tMatchFinder find) {
  const std::size_t n = block.length;
  // The search reads a little past the text, so the text goes into a padded copy of its own.
  const auto text = std::make_unique<unsigned char[]>(n + kSearchPadding);
  std::copy_n(block.bytes.get(), n, text.get());
  block.bytes = std::make_unique_for_overwrite<unsigned char[]>(2 * n);
  block.length = 0;
  bool pendingSpace = false;
  for (std::size_t p = 0; p < n;) {
    // A match never covers the block's last byte.
    const std::size_t longest = std::min(kLongestMatch, n - 1 - p);
    const tMatch match = longest < kShortestMatch
                             ? tMatch{}
                             : find(text.get(), p > kWindow ? p - kWindow : 0, p, longest);
    if (match.length >= kShortestMatch) {
      if (pendingSpace) append(block, kSpace);
      pendingSpace = false;
      appendBackReference(block, p - match.position, match.length);
      p += match.length;
    } else {
      emitLiteral(block, text[p], pendingSpace);
      ++p;
    }
  }
  if (pendingSpace) append(block, kSpace);
  block.length = joinRawRuns(block.bytes.get(), block.length);
  return block.length;
}
