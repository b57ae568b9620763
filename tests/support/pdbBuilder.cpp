#include "support/pdbBuilder.h"

#include <algorithm>

namespace {

constexpr std::size_t kHeaderSize = 78;
constexpr std::size_t kEntrySize = 8;

void putText(tTestBytes& bytes, std::size_t offset, const std::string& text, std::size_t room) {
  std::copy_n(text.begin(), std::min(text.size(), room), bytes.data() + offset);
}

}  // namespace

void putBig16At(tTestBytes& bytes, std::size_t offset, std::uint16_t value) {
  bytes[offset] = static_cast<unsigned char>(value >> 8);
  bytes[offset + 1] = static_cast<unsigned char>(value);
}

void putBig32At(tTestBytes& bytes, std::size_t offset, std::uint32_t value) {
  putBig16At(bytes, offset, static_cast<std::uint16_t>(value >> 16));
  putBig16At(bytes, offset + 2, static_cast<std::uint16_t>(value));
}

tTestBytes tPdbBuilder::build() const {
  std::vector<std::uint32_t> offsets;
  std::uint32_t offset =
      static_cast<std::uint32_t>(kHeaderSize + kEntrySize * records.size() + gap);
  for (const auto& record : records) {
    offsets.push_back(offset);
    offset += static_cast<std::uint32_t>(record.size());
  }
  return buildWithOffsets(offsets);
}

tTestBytes tPdbBuilder::buildWithOffsets(const std::vector<std::uint32_t>& offsets) const {
  tTestBytes bytes(kHeaderSize + kEntrySize * offsets.size() + gap);
  putText(bytes, 0, name, 32);
  putText(bytes, 60, type, 4);
  putText(bytes, 64, creator, 4);
  putBig16At(bytes, 76, static_cast<std::uint16_t>(offsets.size()));
  for (std::size_t k = 0; k < offsets.size(); ++k) {
    putBig32At(bytes, kHeaderSize + kEntrySize * k, offsets[k]);
    putBig32At(bytes, kHeaderSize + kEntrySize * k + 4,
               0x406F8000u + static_cast<std::uint32_t>(k));
  }
  for (const auto& record : records) bytes.insert(bytes.end(), record.begin(), record.end());
  return bytes;
}

tTestBytes docHeader(std::uint16_t compression, std::uint32_t textLength, std::uint16_t recordCount,
                     std::uint16_t recordSize) {
  tTestBytes bytes(16);
  putBig16At(bytes, 0, compression);
  putBig32At(bytes, 4, textLength);
  putBig16At(bytes, 8, recordCount);
  putBig16At(bytes, 10, recordSize);
  return bytes;
}

tTestBytes patternBytes(std::size_t count, unsigned char first) {
  tTestBytes bytes(count);
  for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<unsigned char>(first + i * 7);
  return bytes;
}
