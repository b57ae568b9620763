#pragma once
// Fixed-order reads and writes of numbers in byte arrays. They work through shifts on unsigned
// values, so the result never depends on the byte order of the host.

#include <cstddef>
#include <cstdint>

/// Reverses a field of 2, 3 or 4 bytes in place; fields of any other size stay as they are.
void swapBytes(unsigned char* field, std::size_t size);

std::uint16_t getBig16(const unsigned char* bytes);
std::uint32_t getBig32(const unsigned char* bytes);
void putLittle16(unsigned char* bytes, std::uint16_t value);
void putLittle32(unsigned char* bytes, std::uint32_t value);
