#pragma once
// Reading a Palm database: its header, its record list and the extent of every record. Nothing
// outside the file's bytes is ever asked for, so a damaged file is found out instead of read
// past, and nothing is allocated that the file's size does not justify.

#include <cstdint>
#include <optional>
#include <vector>

#include "common/byteSource.h"
#include "common/pdbFormat.h"

struct tPdbLayout {
  tPdbHeader header;
  std::vector<tPdbRecordEntry> records;
  /// Where the last record ends: the file's length, or the first data offset of a further
  /// record list, whose own records are never read.
  std::uint32_t end = 0;

  /// Record j runs from its data offset to the next record's, the last one to `end`.
  std::uint32_t recordSize(std::size_t j) const;
};

/// The layout of a PalmDoc book, or nothing when `file` is no PalmDoc book or its header and
/// record list contradict what the file holds: too short for its header or record list, no
/// records, data offsets that decrease or pass `end`, or a further record list outside the file.
std::optional<tPdbLayout> readPdbLayout(const tByteSource& file);
