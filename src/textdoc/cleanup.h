#pragma once

#include <cstdint>

#include "textdoc/tBuf.h"

/// Drops the bytes 0x00 to 0x08 and turns every line end into one LF: CR LF becomes LF and a CR
/// alone becomes LF. The block is cleaned by itself: a CR at its end becomes LF whatever the
/// next block begins with. Returns the new length, never more than the old one.
std::uint32_t cleanText(tBuf& block);
