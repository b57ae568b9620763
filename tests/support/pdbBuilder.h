#pragma once
// Palm databases made in code for the tests: each field set on purpose, so that a test shows
// the bytes that matter to it.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

using tTestBytes = std::vector<unsigned char>;

struct tPdbBuilder {
  std::string name = "Test Book";
  std::string type = "TEXt";
  std::string creator = "REAd";
  std::vector<tTestBytes> records;
  /// Bytes between the record list and record 0, two zero bytes as a PalmDoc writer leaves.
  std::size_t gap = 2;

  /// The database with the data offsets of its records where they fall.
  tTestBytes build() const;
  /// The database with `offsets` written into its record list instead.
  tTestBytes buildWithOffsets(const std::vector<std::uint32_t>& offsets) const;
};

/// A PalmDoc record 0 with the given fields, stored big-endian.
tTestBytes docHeader(std::uint16_t compression, std::uint32_t textLength, std::uint16_t recordCount,
                     std::uint16_t recordSize);

/// `count` bytes of a pattern that shows where a byte came from.
tTestBytes patternBytes(std::size_t count, unsigned char first = 0);

void putBig16At(tTestBytes& bytes, std::size_t offset, std::uint16_t value);
void putBig32At(tTestBytes& bytes, std::size_t offset, std::uint32_t value);
