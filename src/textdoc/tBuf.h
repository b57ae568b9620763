#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <span>

/// One block of text on its way from the text file into a record. Each stage that changes the
/// block puts a new array in place of the old one; `length` counts the valid bytes at the start
/// of `bytes`, and whoever puts an array in makes it large enough.
struct tBuf {
  std::unique_ptr<unsigned char[]> bytes;
  std::uint32_t length = 0;
};

/// A block holding a copy of `bytes`.
inline tBuf blockOf(std::span<const unsigned char> bytes) {
  tBuf block;
  block.bytes = std::make_unique_for_overwrite<unsigned char[]>(bytes.size());
  std::copy(bytes.begin(), bytes.end(), block.bytes.get());
  block.length = static_cast<std::uint32_t>(bytes.size());
  return block;
}

/// The valid bytes of `block`.
inline std::span<const unsigned char> contentOf(const tBuf& block) {
  return {block.bytes.get(), block.length};
}
