// Any bytes as a database: the conversion must refuse or convert, never read outside the input,
// and every HDB image it makes must hold together: each table entry points at a blob whose
// length prefix covers exactly the bytes up to the next blob.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "common/byteOrder.h"
#include "convert/hdbWriter.h"

namespace {

std::uint32_t getLittle32(const unsigned char* bytes) {
  return std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16 |
         std::uint32_t{bytes[3]} << 24;
}

// The blob's length from its prefix, and where its record starts.
std::size_t blobEnd(const tBytes& image, std::size_t blob) {
  std::size_t size = 0;
  for (unsigned shift = 0;; shift += 7) {
    if (blob >= image.size() || shift > 21) std::abort();
    const unsigned char byte = image[blob++];
    size |= std::size_t{static_cast<unsigned char>(byte >> 1)} << shift;
    if (byte & 1) break;
  }
  return blob + size;
}

void checkImage(const tBytes& image) {
  if (image.size() < tHdbHeader::kSize) std::abort();
  const std::uint32_t count = getLittle32(image.data() + tHdbHeader::kRecordCountOffset);
  std::size_t expected = tHdbHeader::kSize + std::size_t{tHdbRecordEntry::kSize} * count;
  for (std::uint32_t j = 0; j < count; ++j) {
    const std::size_t entry = tHdbHeader::kSize + std::size_t{tHdbRecordEntry::kSize} * j;
    if (getLittle32(image.data() + entry + tHdbRecordEntry::kBlobOffsetOffset) != expected) {
      std::abort();
    }
    expected = blobEnd(image, expected);
  }
  if (expected != image.size()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto source = prepareHdb(memorySource(std::span(data, size)), std::nullopt, "<");
  if (!source) return 0;
  const auto image = hdbImageOf(*source);
  if (!image) std::abort();  // the bytes in memory cannot run short
  checkImage(*image);
  return 0;
}
