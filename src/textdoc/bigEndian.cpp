#include "textdoc/bigEndian.h"

#include <cstring>

std::uint16_t (*toBig16)(std::uint16_t value) = nullptr;
std::uint32_t (*toBig32)(std::uint32_t value) = nullptr;

namespace {

std::uint16_t swap16(std::uint16_t value) {
  return static_cast<std::uint16_t>(value << 8 | value >> 8);
}

std::uint32_t swap32(std::uint32_t value) {
  return value << 24 | (value & 0xFF00u) << 8 | (value >> 8 & 0xFF00u) | value >> 24;
}

template <typename tValue>
tValue identity(tValue value) {
  return value;
}

// Reads the probe's bytes as a host number: the reading tells which order the host keeps.
template <typename tValue>
bool selectFor(tValue (*&slot)(tValue), tValue (*reverse)(tValue), tValue lowByteFirst,
               tValue highByteFirst) {
  static constexpr unsigned char kProbe[] = {0x01, 0x02, 0x03, 0x04};
  tValue reading;
  std::memcpy(&reading, kProbe, sizeof reading);
  if (reading == lowByteFirst) {
    slot = reverse;
  } else if (reading == highByteFirst) {
    slot = identity<tValue>;
  } else {
    return false;
  }
  return true;
}

}  // namespace

bool selectByteOrder() {
  return selectFor<std::uint16_t>(toBig16, swap16, 0x0201, 0x0102) &&
         selectFor<std::uint32_t>(toBig32, swap32, 0x04030201, 0x01020304);
}
std::size_t writeBig16(std::uint32_t value, std::FILE* stream) {
  const std::uint16_t big = toBig16(static_cast<std::uint16_t>(value));
  return std::fwrite(&big, sizeof big, 1, stream);
}

std::size_t writeBig32(std::uint32_t value, std::FILE* stream) {
  const std::uint32_t big = toBig32(value);
  return std::fwrite(&big, sizeof big, 1, stream);
}
