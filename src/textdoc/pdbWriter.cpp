#include "textdoc/pdbWriter.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "common/fileIo.h"
#include "common/names.h"
#include "common/pdbFormat.h"
#include "platform/platform.h"
#include "textdoc/bigEndian.h"
#include "textdoc/cleanup.h"
#include "textdoc/compressor.h"

namespace {

constexpr std::uint32_t kBlockSize = 4096;
// Larger than a block, as the array each block is read into always was.
constexpr std::size_t kReadBuffer = 6000;
constexpr std::uint32_t kRecordAttributesAndId = 0x406F8000;
constexpr std::uint32_t kFixedTime = 0x06D144AE;  // 16 August 1907, the same on every run
constexpr std::uint16_t kPalmDocCompression = 2;
constexpr int kStatusCannotWrite = 2;
// Both files go through buffers of this size, so that blocks reach the system in few calls.
constexpr std::size_t kStreamBuffer = 1 << 16;

[[noreturn]] void endWithoutFiles() {
  std::printf("problem opening files");
  endProcess(kStatusCannotWrite);
}

// The database being written. Any failure to write it removes it and ends the run, so that no
// half-written database is left behind.
class tDatabaseOutput {
 public:
  tDatabaseOutput(std::FILE* stream, std::string name) : stream_(stream), name_(std::move(name)) {
    std::setvbuf(stream, nullptr, _IOFBF, kStreamBuffer);
  }

  std::uint64_t position() const { return position_; }

  void put(const void* bytes, std::size_t size) {
    check(std::fwrite(bytes, 1, size, stream_.get()) == size);
    position_ += size;
  }
  void putBig16(std::uint32_t value) {
    check(writeBig16(value, stream_.get()) == 1);
    position_ += 2;
  }
  void putBig32(std::uint32_t value) {
    check(writeBig32(value, stream_.get()) == 1);
    position_ += 4;
  }
  void seek(std::uint64_t offset) {
    check(platform::seekTo(stream_.get(), offset));
    position_ = offset;
  }
  void close() { check(std::fclose(stream_.release()) == 0); }

 private:
  void check(bool done) {
    if (done) return;
    if (stream_) std::fclose(stream_.release());
    std::remove(name_.c_str());
    std::printf("error: could not write %s\r\n", name_.c_str());
    endProcess(kStatusCannotWrite);
  }

  tStream stream_;
  std::string name_;
  std::uint64_t position_ = 0;
};

template <typename tValue>
void putAt(unsigned char* record, std::size_t offset, tValue value) {
  std::memcpy(record + offset, &value, sizeof value);
}

std::uint16_t textRecordCount(std::uint64_t textSize) {
  return static_cast<std::uint16_t>((textSize + kBlockSize - 1) / kBlockSize);
}

std::uint32_t recordListEnd(std::uint16_t textRecords) {
  return 8u * textRecords + 86;
}

void putPdbHeader(tDatabaseOutput& out, std::uint16_t textRecords) {
  std::array<unsigned char, tPdbHeader::kSize> header{};
  const std::string_view name = bookNameOf(stemName);
  std::copy(name.begin(), name.end(), header.begin() + tPdbHeader::kNameOffset);
  putAt(header.data(), tPdbHeader::kCreationTimeOffset, toBig32(kFixedTime));
  putAt(header.data(), tPdbHeader::kModificationTimeOffset, toBig32(kFixedTime));
  std::copy(kBookType.begin(), kBookType.end(), header.begin() + tPdbHeader::kTypeOffset);
  std::copy(kBookCreator.begin(), kBookCreator.end(), header.begin() + tPdbHeader::kCreatorOffset);
  putAt(header.data(), tPdbHeader::kRecordCountOffset,
        toBig16(static_cast<std::uint16_t>(textRecords + 1)));
  out.put(header.data(), header.size());
}

// Record i's data offset as first written: where it would be if every earlier text record
// held a whole block. The real offset goes in just before the record is written.
void putRecordList(tDatabaseOutput& out, std::uint16_t textRecords) {
  const std::uint32_t record0 = recordListEnd(textRecords) + 2;
  out.putBig32(record0);
  out.putBig32(kRecordAttributesAndId);
  for (std::uint32_t i = 1; i <= textRecords; ++i) {
    out.putBig32(static_cast<std::uint32_t>(record0 + tDocHeader::kSize + kBlockSize * (i - 1)));
    out.putBig32(kRecordAttributesAndId + i);
  }
  out.putBig16(0);
}

void putDocHeader(tDatabaseOutput& out, std::uint32_t textLength, std::uint16_t textRecords) {
  std::array<unsigned char, tDocHeader::kSize> record{};
  putAt(record.data(), tDocHeader::kCompressionOffset, toBig16(kPalmDocCompression));
  putAt(record.data(), tDocHeader::kTextLengthOffset, toBig32(textLength));
  putAt(record.data(), tDocHeader::kRecordCountOffset, toBig16(textRecords));
  putAt(record.data(), tDocHeader::kRecordSizeOffset,
        toBig16(static_cast<std::uint16_t>(kBlockSize)));
  out.put(record.data(), record.size());
}

std::uint64_t entryOffset(std::uint32_t record) {
  return tPdbHeader::kSize + 8ull * record;
}

// The real data offsets of the records written lately. They go into the record list a batch
// at a time, so that the database is not sought back and forth for every block.
class tPendingOffsets {
 public:
  void add(tDatabaseOutput& out, std::uint32_t record) {
    if (offsets_.empty()) firstRecord_ = record;
    offsets_.push_back(static_cast<std::uint32_t>(out.position()));
    if (offsets_.size() == kBatch) putInList(out);
  }

  void putInList(tDatabaseOutput& out) {
    if (offsets_.empty()) return;
    const std::uint64_t here = out.position();
    out.seek(entryOffset(firstRecord_));
    for (std::uint32_t k = 0; k < offsets_.size(); ++k) {
      out.putBig32(offsets_[k]);
      out.putBig32(kRecordAttributesAndId + firstRecord_ + k);
    }
    out.seek(here);
    offsets_.clear();
  }

 private:
  static constexpr std::size_t kBatch = 64;
  std::uint32_t firstRecord_ = 0;
  std::vector<std::uint32_t> offsets_;
};

struct tTextWritten {
  std::uint16_t records = 0;
  std::uint32_t bytesRead = 0;
};

tTextWritten putTextRecords(tDatabaseOutput& out, std::FILE* text, std::uint16_t textRecords,
                            tMatchFinder find) {
  tTextWritten written;
  tPendingOffsets offsets;
  tBuf block;
  for (; written.records < textRecords; ++written.records) {
    offsets.add(out, written.records + 1u);
    block.bytes = std::make_unique_for_overwrite<unsigned char[]>(kReadBuffer);
    block.length = static_cast<std::uint32_t>(std::fread(block.bytes.get(), 1, kBlockSize, text));
    if (block.length == 0) break;
    written.bytesRead += block.length;
    cleanText(block);
    compressBlockWith(block, find);
    out.put(block.bytes.get(), block.length);
  }
  offsets.putInList(out);
  return written;
}

// A text that yields less than its measured size (it shrank, or a read failed) keeps only the
// records written, and the database says so.
void lowerCounts(tDatabaseOutput& out, const tTextWritten& written, std::uint16_t textRecords) {
  if (written.records == textRecords) return;
  const std::uint64_t record0 = recordListEnd(textRecords) + 2;
  out.seek(tPdbHeader::kRecordCountOffset);
  out.putBig16(written.records + 1u);
  out.seek(record0 + tDocHeader::kTextLengthOffset);
  out.putBig32(written.bytesRead);
  out.putBig16(written.records);
}

}  // namespace

tTextResult textToPdb(const std::string& fileName) {
  if (!selectByteOrder()) {
    std::printf("\nfailed to select proper byte swapping algorithm");
    endProcess(1);
  }
  const tStream text(std::fopen(fileName.c_str(), "rb"));
  const auto textSize = text ? platform::regularFileSize(text.get()) : std::nullopt;
  if (!textSize) endWithoutFiles();
  stemName = stemOf(baseNameOf(fileName));
  workName = stemName + ".pdb";
  if (*textSize > kLargestText) {
    std::printf("error: %s is too large\r\n", fileName.c_str());
    return tTextResult::refused;
  }
  std::FILE* created = nullptr;
  switch (platform::createNewFile(workName, created)) {
    case platform::tCreateResult::alreadyExists:
      std::printf("error: %s already exists\r\n", workName.c_str());
      return tTextResult::refused;
    case platform::tCreateResult::failed:
      endWithoutFiles();
    case platform::tCreateResult::created:
      break;
  }
  writeTextDatabase(text.get(), *textSize, created, workName);
  return tTextResult::written;
}

void writeTextDatabase(std::FILE* text, std::uint64_t textSize, std::FILE* database,
                       const std::string& databaseName, tMatchFinder find) {
  std::setvbuf(text, nullptr, _IOFBF, kStreamBuffer);
  tDatabaseOutput out(database, databaseName);
  const std::uint16_t textRecords = textRecordCount(textSize);
  putPdbHeader(out, textRecords);
  putRecordList(out, textRecords);
  putDocHeader(out, static_cast<std::uint32_t>(textSize), textRecords);
  std::printf("\n");
  const tTextWritten written = putTextRecords(out, text, textRecords, find);
  lowerCounts(out, written, textRecords);
  out.close();
}
