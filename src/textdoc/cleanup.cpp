#include "textdoc/cleanup.h"

namespace {

constexpr unsigned char kCarriageReturn = 0x0D;
constexpr unsigned char kLineFeed = 0x0A;
constexpr unsigned char kLastDroppedByte = 0x08;

}  // namespace

std::uint32_t cleanText(tBuf& block) {
  const unsigned char* text = block.bytes.get();
  const std::uint32_t length = block.length;
  auto cleaned = std::make_unique_for_overwrite<unsigned char[]>(length);
  std::uint32_t kept = 0;
  for (std::uint32_t i = 0; i < length; ++i) {
    const unsigned char c = text[i];
    if (c <= kLastDroppedByte) continue;
    if (c != kCarriageReturn) {
      cleaned[kept++] = c;
    } else if (i + 1 == length || text[i + 1] != kLineFeed) {
      cleaned[kept++] = kLineFeed;
    }
  }
  block.bytes = std::move(cleaned);
  block.length = kept;
  return kept;
}
