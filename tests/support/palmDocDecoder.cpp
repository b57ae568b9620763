#include "support/palmDocDecoder.h"

std::optional<std::vector<unsigned char>> decodePalmDoc(std::span<const unsigned char> record) {
  std::vector<unsigned char> text;
  for (std::size_t i = 0; i < record.size();) {
    const unsigned char c = record[i++];
    if (c >= 0x01 && c <= 0x08) {
      if (record.size() - i < c) return std::nullopt;
      text.insert(text.end(), record.begin() + static_cast<std::ptrdiff_t>(i),
                  record.begin() + static_cast<std::ptrdiff_t>(i + c));
      i += c;
    } else if (c >= 0x80 && c <= 0xBF) {
      if (i == record.size()) return std::nullopt;
      const unsigned word = unsigned{c} << 8 | record[i++];
      const std::size_t distance = (word >> 3) & 0x7FF;
      const std::size_t length = (word & 7) + 3;
      if (distance == 0 || distance > text.size()) return std::nullopt;
      for (std::size_t k = 0; k < length; ++k) text.push_back(text[text.size() - distance]);
    } else if (c >= 0xC0) {
      text.push_back(0x20);
      text.push_back(c ^ 0x80);
    } else {
      text.push_back(c);
    }
  }
  return text;
}
