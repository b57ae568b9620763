#pragma once

#include <optional>
#include <span>
#include <vector>

/// Decodes a PalmDoc compressed text record; nothing when a token runs past the record's end or
/// a back-reference reaches before the start of the text.
std::optional<std::vector<unsigned char>> decodePalmDoc(std::span<const unsigned char> record);
