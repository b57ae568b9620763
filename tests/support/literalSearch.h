#pragma once
// The match search exactly as the record format's compressor first described it, kept as the
// oracle that every fast search path must agree with: a trial of one byte is searched from the
// start of the window, and each time it is found earlier it grows by one byte and is searched
// again from where the shorter trial was found.

#include <cstddef>

#include "textdoc/matchSearch.h"

/// The first position from `regionStart` up to `regionStart + regionLength - trialLength` where
/// the `trialLength` bytes at `trial` occur, the first byte compared before the rest; nothing
/// when there is none.
const unsigned char* findMatch(const unsigned char* regionStart, std::size_t regionLength,
                               const unsigned char* trial, std::size_t trialLength);

/// A tMatchFinder that grows its trial one byte at a time.
tMatch findByGrowth(const unsigned char* text, std::size_t windowStart, std::size_t p,
                    std::size_t longest);
