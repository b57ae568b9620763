#include "convert/hdbWriter.h"

#include <algorithm>

#include "common/byteOrder.h"

namespace {

// The document header fields that the fix-up turns little-endian reach up to byte 11.
constexpr std::uint32_t kLeastRecord0Size = tDocHeader::kRecordSizeOffset + 2;

std::string_view nameInHeader(const tPdbHeader& header) {
  std::string_view name(reinterpret_cast<const char*>(header.name.data()), header.name.size());
  return name.substr(0, name.find('\0'));
}

void putHeader(unsigned char* out, const tHdbSource& source) {
  std::copy(source.bookName.begin(), source.bookName.end(), out + tHdbHeader::kNameOffset);
  std::copy(source.owner.begin(), source.owner.end(), out + tHdbHeader::kOwnerOffset);
  putLittle16(out + tHdbHeader::kFormatMarkOffset, tHdbHeader::kFormatMark);
  putLittle32(out + tHdbHeader::kRecordCountOffset,
              static_cast<std::uint32_t>(source.layout.records.size()));
}

// The header and the record table, whose blob offsets follow from the record sizes.
tBytes headerAndTable(const tHdbSource& source) {
  const std::size_t count = source.layout.records.size();
  tBytes bytes(tHdbHeader::kSize + tHdbRecordEntry::kSize * count);
  putHeader(bytes.data(), source);
  std::size_t blobOffset = bytes.size();
  for (std::size_t j = 0; j < count; ++j) {
    unsigned char* entry = bytes.data() + tHdbHeader::kSize + tHdbRecordEntry::kSize * j;
    putLittle32(entry + tHdbRecordEntry::kBlobOffsetOffset, static_cast<std::uint32_t>(blobOffset));
    putLittle16(entry + tHdbRecordEntry::kFlagOffset, 1);
    const std::uint32_t size = source.layout.recordSize(j);
    blobOffset += encodeRecordLength(size).count + size;
  }
  return bytes;
}

// Records reach the sink in pieces of at most this size, however large the book.
constexpr std::size_t kCopyChunk = 1 << 20;

void putPrefix(const tByteSink& sink, std::uint32_t size) {
  const tRecordLength prefix = encodeRecordLength(size);
  sink(std::span(prefix.bytes).first(prefix.count));
}

bool putRecord0(const tHdbSource& source, const tByteSink& sink) {
  tBytes record(source.layout.recordSize(0));
  if (!source.file.readAt(source.layout.records[0].dataOffset, record)) return false;
  swapBytes(record.data() + tDocHeader::kCompressionOffset, 2);
  swapBytes(record.data() + tDocHeader::kTextLengthOffset, 4);
  swapBytes(record.data() + tDocHeader::kRecordSizeOffset, 2);
  swapBytes(record.data() + tDocHeader::kRecordCountOffset, 2);
  putPrefix(sink, static_cast<std::uint32_t>(record.size()));
  sink(record);
  return true;
}

// The records after record 0 lie back to back up to `end`: they are copied in large chunks,
// each record's prefix put in where the record begins.
bool putLaterRecords(const tHdbSource& source, const tByteSink& sink) {
  const tPdbLayout& layout = source.layout;
  const std::size_t count = layout.records.size();
  std::size_t next = 1;
  auto putPrefixesAt = [&](std::uint64_t position) {
    for (; next < count && layout.records[next].dataOffset == position; ++next) {
      putPrefix(sink, layout.recordSize(next));
    }
  };
  std::uint64_t position = count > 1 ? layout.records[1].dataOffset : layout.end;
  putPrefixesAt(position);
  tBytes chunk(std::min<std::uint64_t>(kCopyChunk, layout.end - position));
  while (position < layout.end) {
    const auto piece = std::span(chunk).first(
        static_cast<std::size_t>(std::min<std::uint64_t>(chunk.size(), layout.end - position)));
    if (!source.file.readAt(position, piece)) return false;
    for (std::size_t done = 0; done < piece.size();) {
      const std::uint64_t boundary = next < count ? layout.records[next].dataOffset : layout.end;
      const std::size_t upTo =
          static_cast<std::size_t>(std::min<std::uint64_t>(piece.size(), boundary - position));
      sink(piece.subspan(done, upTo - done));
      done = upTo;
      putPrefixesAt(position + done);
    }
    position += piece.size();
  }
  return true;
}

}  // namespace

tRecordLength encodeRecordLength(std::uint32_t size) {
  tRecordLength length;
  do {
    length.bytes[length.count++] = static_cast<unsigned char>(size << 1);
    size >>= 7;
  } while (size != 0);
  length.bytes[length.count - 1] |= 1;
  return length;
}

bool fitsTheHdbFormat(const tPdbLayout& layout) {
  if (layout.recordSize(0) < kLeastRecord0Size) return false;
  for (std::size_t j = 0; j < layout.records.size(); ++j) {
    if (layout.recordSize(j) >= kRecordSizeLimit) return false;
  }
  return true;
}

tNameField nameField(std::string_view text) {
  tNameField field{};
  std::copy_n(text.begin(), std::min(text.size(), field.size()), field.begin());
  return field;
}

std::optional<tHdbSource> prepareHdb(const tByteSource& file,
                                     std::optional<std::string_view> bookName,
                                     std::string_view ownerText) {
  auto layout = readPdbLayout(file);
  if (!layout || !fitsTheHdbFormat(*layout)) return std::nullopt;
  const tNameField name = nameField(bookName.value_or(nameInHeader(layout->header)));
  return tHdbSource{std::move(*layout), file, name, nameField(ownerText)};
}

bool writeHdbImage(const tHdbSource& source, const tByteSink& sink) {
  sink(headerAndTable(source));
  return putRecord0(source, sink) && putLaterRecords(source, sink);
}

std::optional<tBytes> hdbImageOf(const tHdbSource& source) {
  tBytes image;
  const bool complete = writeHdbImage(source, [&](std::span<const unsigned char> piece) {
    image.insert(image.end(), piece.begin(), piece.end());
  });
  if (!complete) return std::nullopt;
  return image;
}
