// Any bytes as a block of text: cleaned, the block must hold no byte 0x00 to 0x08 and no CR;
// compressed, cleaned or not, its record must stay within n + n / 2 bytes, decode to exactly the
// block again, and be the same with every search path as with the literal search.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "support/literalSearch.h"
#include "support/palmDocDecoder.h"
#include "textdoc/cleanup.h"
#include "textdoc/compressor.h"

namespace {

constexpr std::size_t kBlockSize = 4096;

std::vector<unsigned char> compressedWith(std::span<const unsigned char> text, tMatchFinder find) {
  tBuf block = blockOf(text);
  compressBlockWith(block, find);
  const auto record = contentOf(block);
  return {record.begin(), record.end()};
}

void checkEveryPath(std::span<const unsigned char> text) {
  const auto expected = compressedWith(text, findByGrowth);
  for (const auto& path : availableSearchPaths()) {
    if (compressedWith(text, path.find) != expected) std::abort();
  }
}

void checkRoundTrip(std::span<const unsigned char> text) {
  checkEveryPath(text);
  tBuf block = blockOf(text);
  compressBlock(block);
  if (block.length > text.size() + (text.size() + 1) / 2) std::abort();
  const auto decoded = decodePalmDoc(contentOf(block));
  if (!decoded || !std::equal(decoded->begin(), decoded->end(), text.begin(), text.end())) {
    std::abort();
  }
}

void checkCleaned(std::span<const unsigned char> raw, std::span<const unsigned char> cleaned) {
  if (cleaned.size() > raw.size()) std::abort();
  if (std::any_of(cleaned.begin(), cleaned.end(),
                  [](unsigned char c) { return c <= 0x08 || c == 0x0D; })) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const unsigned char> raw(data, std::min(size, kBlockSize));
  checkRoundTrip(raw);
  tBuf block = blockOf(raw);
  cleanText(block);
  checkCleaned(raw, contentOf(block));
  checkRoundTrip(contentOf(block));
  return 0;
}
