#include "textdoc/compressor.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
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

struct tMatch {
  std::size_t position = 0;
  std::size_t length = 0;
};

void reportMissingMatch(const unsigned char* block, std::size_t n, std::size_t source,
                        std::size_t destination, std::size_t trialLength) {
  auto at = [&](std::size_t i) { return i < n ? block[i] : 0; };
  std::printf("!! bug source %x%x%x, dest %x%x%x, %d bytes", at(source), at(source + 1),
              at(source + 2), at(destination), at(destination + 1), at(destination + 2),
              static_cast<int>(trialLength));
}

// The longest earlier occurrence of the bytes at p, grown one byte at a time from the start of
// the window: the farthest one, at most kLongestMatch bytes, never covering the block's last
// byte.
tMatch longestMatch(const unsigned char* block, std::size_t n, std::size_t p) {
  std::size_t searchStart = p > kWindow ? p - kWindow : 0;
  std::size_t trialLength = 1;
  for (;;) {
    const unsigned char* found =
        findMatch(block + searchStart, p + trialLength - searchStart, block + p, trialLength);
    if (found == nullptr) {
      reportMissingMatch(block, n, searchStart, p, trialLength);
      break;
    }
    const auto position = static_cast<std::size_t>(found - block);
    if (position == p || trialLength > kLongestMatch || p + trialLength >= n) break;
    searchStart = position;
    ++trialLength;
  }
  return {searchStart, trialLength - 1};
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

const unsigned char* findMatch(const unsigned char* regionStart, std::size_t regionLength,
                               const unsigned char* trial, std::size_t trialLength) {
  if (regionLength < trialLength) return nullptr;
  const unsigned char* last = regionStart + (regionLength - trialLength);
  for (const unsigned char* candidate = regionStart; candidate <= last; ++candidate) {
    if (*candidate == *trial && std::memcmp(candidate, trial, trialLength) == 0) return candidate;
  }
  return nullptr;
}

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
  const std::unique_ptr<unsigned char[]> text = std::move(block.bytes);
  const std::size_t n = block.length;
  block.bytes = std::make_unique_for_overwrite<unsigned char[]>(2 * n);
  block.length = 0;
  bool pendingSpace = false;
  for (std::size_t p = 0; p < n;) {
    const tMatch match = longestMatch(text.get(), n, p);
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
