#pragma once
// Big-endian numbers for the Palm database, on a host of either byte order. The order is
// probed at run time and the matching conversion put into the two slots; every number that
// goes into a database passes through them.

#include <cstdint>
#include <cstdio>

/// Returns `value` arranged so that its bytes lie big-endian in memory; converting twice gives
/// the value back. Empty until selectByteOrder has run.
extern std::uint16_t (*toBig16)(std::uint16_t value);
extern std::uint32_t (*toBig32)(std::uint32_t value);

/// Fills the slots for this host; false when the host keeps its bytes in neither order.
bool selectByteOrder();

/// Write the low 16 or all 32 bits of `value` big-endian as one item; return the items
/// written, 1 or 0.
std::size_t writeBig16(std::uint32_t value, std::FILE* stream);
std::size_t writeBig32(std::uint32_t value, std::FILE* stream);
