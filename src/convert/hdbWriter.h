#pragma once
// The HDB file: a PalmDoc book's records byte for byte, each behind a length prefix, after a
// new header and record table. Every number of the header and table is little-endian.
//
//   0    tHdbHeader, 92 bytes: name[32] owner[32] formatMark(2) zeroWord(2) reserved[20]
//        recordCount(4)
//   92   record table: recordCount tHdbRecordEntry of 16 bytes: blobOffset(4) zero(4) zero(4)
//        one(2) zero(1) zero(1)
//   then the blobs back to back: length prefix, then the record's bytes. In blob 0 the
//        document header's compression, text length, record count and record size are turned
//        little-endian; everything else is copied as the database holds it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "common/fileIo.h"
#include "convert/pdbReader.h"

struct tHdbHeader {
  static constexpr std::size_t kNameOffset = 0;
  static constexpr std::size_t kFieldSize = 32;
  static constexpr std::size_t kOwnerOffset = 32;
  static constexpr std::size_t kFormatMarkOffset = 64;
  static constexpr std::size_t kZeroWordOffset = 66;
  static constexpr std::size_t kReservedOffset = 68;
  static constexpr std::size_t kRecordCountOffset = 88;
  static constexpr std::size_t kSize = 92;
  static constexpr std::uint16_t kFormatMark = 0x8938;
};
static_assert(tHdbHeader::kRecordCountOffset + 4 == tHdbHeader::kSize);

struct tHdbRecordEntry {
  static constexpr std::size_t kBlobOffsetOffset = 0;
  static constexpr std::size_t kFlagOffset = 12;  // the 16-bit word 1 of every entry
  static constexpr std::size_t kSize = 16;
};
static_assert(tHdbRecordEntry::kFlagOffset + 4 == tHdbRecordEntry::kSize);

/// A record's length prefix: seven bits a byte, least significant group first, each group in
/// bits 7 to 1; bit 0 marks the last byte. Sizes below 2^28 take at most four bytes.
struct tRecordLength {
  std::array<unsigned char, 5> bytes{};
  std::size_t count = 0;
};
tRecordLength encodeRecordLength(std::uint32_t size);

/// Records of this size or more need a fifth prefix byte, which the format does not have.
inline constexpr std::uint32_t kRecordSizeLimit = 1u << 28;

/// The 32-byte name field: the bytes of `text` up to 32, then zero bytes.
using tNameField = std::array<unsigned char, tHdbHeader::kFieldSize>;
tNameField nameField(std::string_view text);

/// False when a record is too large for its prefix or record 0 is too short for the document
/// header fields that the conversion turns little-endian.
bool fitsTheHdbFormat(const tPdbLayout& layout);

/// A database found fit for conversion, with everything its HDB file is made from.
struct tHdbSource {
  tPdbLayout layout;
  tByteSource file;
  tNameField bookName;
  tNameField owner;
};

/// Checks the database in `file` for conversion. The book name comes from the database header
/// unless `bookName` is given. Nothing when the file is no PalmDoc book, is damaged or does not
/// fit the HDB format.
std::optional<tHdbSource> prepareHdb(const tByteSource& file,
                                     std::optional<std::string_view> bookName,
                                     std::string_view ownerText);

/// Puts the whole HDB file into `sink`, in file order, reading the records front to back in
/// large pieces. False when the database no longer holds all of its records.
bool writeHdbImage(const tHdbSource& source, const tByteSink& sink);

/// The whole HDB file in memory; nothing when the database no longer holds all of its records.
std::optional<tBytes> hdbImageOf(const tHdbSource& source);
