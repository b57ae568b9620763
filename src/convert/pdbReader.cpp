#include "convert/pdbReader.h"

#include <algorithm>
#include <array>
#include <limits>

#include "common/byteOrder.h"

namespace {

tPdbHeader decodeHeader(const unsigned char* bytes) {
  tPdbHeader header;
  std::copy_n(bytes + tPdbHeader::kNameOffset, header.name.size(), header.name.begin());
  header.attributes = getBig16(bytes + tPdbHeader::kAttributesOffset);
  header.version = getBig16(bytes + tPdbHeader::kVersionOffset);
  header.creationTime = getBig32(bytes + tPdbHeader::kCreationTimeOffset);
  header.modificationTime = getBig32(bytes + tPdbHeader::kModificationTimeOffset);
  header.backupTime = getBig32(bytes + tPdbHeader::kBackupTimeOffset);
  header.modificationNumber = getBig32(bytes + tPdbHeader::kModificationNumberOffset);
  header.appInfoOffset = getBig32(bytes + tPdbHeader::kAppInfoOffset);
  header.sortInfoOffset = getBig32(bytes + tPdbHeader::kSortInfoOffset);
  std::copy_n(bytes + tPdbHeader::kTypeOffset, header.type.size(), header.type.begin());
  std::copy_n(bytes + tPdbHeader::kCreatorOffset, header.creator.size(), header.creator.begin());
  header.uniqueIdSeed = getBig32(bytes + tPdbHeader::kUniqueIdSeedOffset);
  header.nextRecordList = getBig32(bytes + tPdbHeader::kNextRecordListOffset);
  header.recordCount = getBig16(bytes + tPdbHeader::kRecordCountOffset);
  return header;
}

std::vector<tPdbRecordEntry> decodeRecordList(const unsigned char* bytes, std::size_t count) {
  std::vector<tPdbRecordEntry> records(count);
  for (auto& record : records) {
    record.dataOffset = getBig32(bytes + tPdbRecordEntry::kDataOffsetOffset);
    std::copy_n(bytes + tPdbRecordEntry::kAttributesAndIdOffset, record.attributesAndId.size(),
                record.attributesAndId.begin());
    bytes += tPdbRecordEntry::kSize;
  }
  return records;
}

bool isPalmDocBook(const tPdbHeader& header) {
  return header.type == kBookType && header.creator == kBookCreator;
}

// The end of the last record, when the file holds it.
std::optional<std::uint32_t> findEnd(const tPdbHeader& header, const tByteSource& file) {
  if (header.nextRecordList == 0) {
    if (file.size > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
    return static_cast<std::uint32_t>(file.size);
  }
  std::array<unsigned char, tPdbRecordEntry::kSize> entry;
  if (!file.readAt(std::uint64_t{header.nextRecordList} + kFurtherRecordListHeadSize, entry)) {
    return std::nullopt;
  }
  const std::uint32_t end = getBig32(entry.data() + tPdbRecordEntry::kDataOffsetOffset);
  if (end > file.size) return std::nullopt;
  return end;
}

bool offsetsFitIn(const std::vector<tPdbRecordEntry>& records, std::uint32_t end) {
  std::uint32_t previous = 0;
  for (const auto& record : records) {
    if (record.dataOffset < previous || record.dataOffset > end) return false;
    previous = record.dataOffset;
  }
  return true;
}

}  // namespace

std::uint32_t tPdbLayout::recordSize(std::size_t j) const {
  std::uint32_t next = j + 1 < records.size() ? records[j + 1].dataOffset : end;
  return next - records[j].dataOffset;
}

std::optional<tPdbLayout> readPdbLayout(const tByteSource& file) {
  std::array<unsigned char, tPdbHeader::kSize> header;
  if (file.size < header.size() || !file.readAt(0, header)) return std::nullopt;
  tPdbLayout layout;
  layout.header = decodeHeader(header.data());
  const std::size_t count = layout.header.recordCount;
  if (!isPalmDocBook(layout.header) || count == 0) return std::nullopt;
  if (file.size - tPdbHeader::kSize < count * tPdbRecordEntry::kSize) return std::nullopt;
  std::vector<unsigned char> list(count * tPdbRecordEntry::kSize);
  if (!file.readAt(tPdbHeader::kSize, list)) return std::nullopt;
  layout.records = decodeRecordList(list.data(), count);
  auto end = findEnd(layout.header, file);
  if (!end || !offsetsFitIn(layout.records, *end)) return std::nullopt;
  layout.end = *end;
  return layout;
}
