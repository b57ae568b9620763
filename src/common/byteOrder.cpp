#include "common/byteOrder.h"

#include <algorithm>

void swapBytes(unsigned char* field, std::size_t size) {
  if (size >= 2 && size <= 4) std::reverse(field, field + size);
}

std::uint16_t getBig16(const unsigned char* bytes) {
  return static_cast<std::uint16_t>(bytes[0] << 8 | bytes[1]);
}

std::uint32_t getBig32(const unsigned char* bytes) {
  return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 |
         std::uint32_t{bytes[2]} << 8 | bytes[3];
}

void putLittle16(unsigned char* bytes, std::uint16_t value) {
  bytes[0] = static_cast<unsigned char>(value);
  bytes[1] = static_cast<unsigned char>(value >> 8);
}

void putLittle32(unsigned char* bytes, std::uint32_t value) {
  putLittle16(bytes, static_cast<std::uint16_t>(value));
  putLittle16(bytes + 2, static_cast<std::uint16_t>(value >> 16));
}
