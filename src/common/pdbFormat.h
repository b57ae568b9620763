#pragma once
// The Palm database as trevanto reads and writes it. Every number in the file is big-endian;
// the records below hold them in host order, and the offsets say where each field lies.
//
//   0    tPdbHeader, 78 bytes
//   78   the record list: recordCount tPdbRecordEntry of 8 bytes each
//   ...  whatever lies before record 0's data offset (two zero bytes when we write it)
//   then the records back to back; each runs up to the next record's data offset, the last
//        one up to the end of the file or to the first record of a further record list
//
// In a PalmDoc book (type "TEXt", creator "REAd") record 0 is a tDocHeader and records
// 1 to tDocHeader::recordCount hold the text.

#include <array>
#include <cstddef>
#include <cstdint>

struct tPdbHeader {
  std::array<unsigned char, 32> name{};  // up to the first zero byte; all 32 when there is none
  std::uint16_t attributes = 0;
  std::uint16_t version = 0;
  std::uint32_t creationTime = 0;
  std::uint32_t modificationTime = 0;
  std::uint32_t backupTime = 0;
  std::uint32_t modificationNumber = 0;
  std::uint32_t appInfoOffset = 0;
  std::uint32_t sortInfoOffset = 0;
  std::array<unsigned char, 4> type{};
  std::array<unsigned char, 4> creator{};
  std::uint32_t uniqueIdSeed = 0;
  std::uint32_t nextRecordList = 0;  // file offset of a further record list, 0 for none
  std::uint16_t recordCount = 0;

  static constexpr std::size_t kNameOffset = 0;
  static constexpr std::size_t kAttributesOffset = 32;
  static constexpr std::size_t kVersionOffset = 34;
  static constexpr std::size_t kCreationTimeOffset = 36;
  static constexpr std::size_t kModificationTimeOffset = 40;
  static constexpr std::size_t kBackupTimeOffset = 44;
  static constexpr std::size_t kModificationNumberOffset = 48;
  static constexpr std::size_t kAppInfoOffset = 52;
  static constexpr std::size_t kSortInfoOffset = 56;
  static constexpr std::size_t kTypeOffset = 60;
  static constexpr std::size_t kCreatorOffset = 64;
  static constexpr std::size_t kUniqueIdSeedOffset = 68;
  static constexpr std::size_t kNextRecordListOffset = 72;
  static constexpr std::size_t kRecordCountOffset = 76;
  static constexpr std::size_t kSize = 78;
};
static_assert(tPdbHeader::kRecordCountOffset + 2 == tPdbHeader::kSize);

struct tPdbRecordEntry {
  std::uint32_t dataOffset = 0;
  std::array<unsigned char, 4> attributesAndId{};  // attributes(1) and unique ID(3), as stored

  static constexpr std::size_t kDataOffsetOffset = 0;
  static constexpr std::size_t kAttributesAndIdOffset = 4;
  static constexpr std::size_t kSize = 8;
};
static_assert(tPdbRecordEntry::kAttributesAndIdOffset + 4 == tPdbRecordEntry::kSize);

/// A further record list begins with its own nextRecordList(4) and recordCount(2).
inline constexpr std::size_t kFurtherRecordListHeadSize = 6;

struct tDocHeader {
  std::uint16_t compression = 0;  // 1: stored as is, 2: PalmDoc compression
  std::uint16_t spare = 0;
  std::uint32_t textLength = 0;
  std::uint16_t recordCount = 0;  // text records, which are records 1 to recordCount
  std::uint16_t recordSize = 0;   // most bytes of text one record holds before compression
  std::uint32_t currentPosition = 0;

  static constexpr std::size_t kCompressionOffset = 0;
  static constexpr std::size_t kSpareOffset = 2;
  static constexpr std::size_t kTextLengthOffset = 4;
  static constexpr std::size_t kRecordCountOffset = 8;
  static constexpr std::size_t kRecordSizeOffset = 10;
  static constexpr std::size_t kCurrentPositionOffset = 12;
  static constexpr std::size_t kSize = 16;
};
static_assert(tDocHeader::kCurrentPositionOffset + 4 == tDocHeader::kSize);

inline constexpr std::array<unsigned char, 4> kBookType{'T', 'E', 'X', 't'};
inline constexpr std::array<unsigned char, 4> kBookCreator{'R', 'E', 'A', 'd'};
