#pragma once
// The bytes of a file the conversion reads: its size, and reads at an offset. A database is
// read through this rather than held whole, so that a large book passes through a small buffer
// and a damaged one can ask for nothing that the file does not hold.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

struct tByteSource {
  std::uint64_t size = 0;
  /// Fills all of `out` from `offset`; false when the source does not hold those bytes.
  std::function<bool(std::uint64_t offset, std::span<unsigned char> out)> readAt;
};

/// Bytes already in memory; they must outlive the source.
tByteSource memorySource(std::span<const unsigned char> bytes);

/// The regular file `path`, opened for reading only; nothing when it cannot be opened, or names
/// a folder or another kind of file.
std::optional<tByteSource> openByteSource(const std::string& path);
