#pragma once
// The PalmDoc compressed text record: a sequence of tokens, told apart by their first byte.
//
//   0x00, 0x09 to 0x7F   one literal byte
//   0x01 to 0x08 = k     the k bytes that follow, as they stand
//   0x80 to 0xBF         with the next byte, a back-reference: bits 13 to 3 of the 16-bit
//                        big-endian word are the distance (1 to 2047), bits 2 to 0 the length
//                        minus 3 (lengths 3 to 10); the bytes are copied one at a time from
//                        that far back in the decoded text, so a copy may overlap itself
//   0xC0 to 0xFF         a space followed by the byte with the top bit cleared (0x40 to 0x7F)
//
// A record decodes without any other record: no back-reference reaches before its block.

//
// At each position the compressor takes the longest earlier occurrence within 2047 bytes, 3 to
// 10 bytes long and never covering the block's last byte, and of several such the farthest;
// otherwise the byte goes out as a literal, a space held back to pair with the next byte.

#include <cstdint>

#include "textdoc/matchSearch.h"
#include "textdoc/tBuf.h"

/// Compresses one block into its record, with the fastest search path of this processor. The
/// record of n bytes is never longer than n + n / 2, rounded up. Returns the record's length.
std::uint32_t compressBlock(tBuf& block);

/// The same with the search `find`: every search gives the same record.
std::uint32_t compressBlockWith(tBuf& block, tMatchFinder find);

/// Appends the byte `c` to the record in `block`. A space is held back in `pendingSpace` so that
/// it can pair with a following byte from 0x40 to 0x7F.
void emitLiteral(tBuf& block, unsigned char c, bool& pendingSpace);
