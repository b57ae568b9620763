#include "support/literalSearch.h"

#include <cstdio>
#include <cstring>

namespace {

// The trial at p always finds itself; anything else is a fault of the search.
void reportMissingMatch(const unsigned char* source, const unsigned char* destination,
                        std::size_t trialLength) {
  std::printf("!! bug source %x%x%x, dest %x%x%x, %d bytes", source[0], source[1], source[2],
              destination[0], destination[1], destination[2], static_cast<int>(trialLength));
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

tMatch findByGrowth(const unsigned char* text, std::size_t windowStart, std::size_t p,
                    std::size_t longest) {
  std::size_t searchStart = windowStart;
  std::size_t trialLength = 1;
  for (;;) {
    const unsigned char* found =
        findMatch(text + searchStart, p + trialLength - searchStart, text + p, trialLength);
    if (found == nullptr) {
      reportMissingMatch(text + searchStart, text + p, trialLength);
      break;
    }
    const auto position = static_cast<std::size_t>(found - text);
    if (position == p || trialLength > longest) break;
    searchStart = position;
    ++trialLength;
  }
  return {searchStart, trialLength - 1};
}
