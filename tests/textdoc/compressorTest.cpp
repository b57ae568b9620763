#include "textdoc/compressor.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/palmDocDecoder.h"
#include "support/textSamples.h"

namespace {

tTestBytes bytesOf(const std::string& text) {
  return tTestBytes(text.begin(), text.end());
}

tTestBytes compressed(const tTestBytes& text) {
  tBuf block = blockOf(text);
  EXPECT_EQ(compressBlock(block), block.length);
  const auto content = contentOf(block);
  return tTestBytes(content.begin(), content.end());
}

std::size_t sizeBound(std::size_t n) {
  return n + (n + 1) / 2;
}

tTestBytes digitsThreeTimes() {
  std::string digits;
  for (int i = 0; i < 3; ++i) digits += "0123456789";
  return bytesOf(digits);
}

tTestBytes bytesFrom(unsigned char first, std::size_t count) {
  tTestBytes bytes(count);
  for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<unsigned char>(first + i);
  return bytes;
}

// "XYZ", then bytes without a repeated three-byte sequence, then "XYZ!" again so that the only
// earlier occurrence of "XYZ" starts `distance` bytes back.
tTestBytes repeatAt(std::size_t distance) {
  tTestBytes text = bytesOf("XYZ");
  const tTestBytes filler = withoutRepeatedTriples(distance - 3, {{'a', 'w'}}, 7);
  text.insert(text.end(), filler.begin(), filler.end());
  const tTestBytes end = bytesOf("XYZ!");
  text.insert(text.end(), end.begin(), end.end());
  return text;
}

}  // namespace

TEST(CompressBlock, TokensAreExactlyTheOnesOfTheRecordFormat) {
  struct tCase {
    const char* what;
    tTestBytes text;
    tTestBytes record;
  };
  const tCase cases[] = {
      {"empty", {}, {}},
      {"one letter", bytesOf("a"), {0x61}},
      {"one space", bytesOf(" "), {0x20}},
      {"one high byte", {0xE9}, {0x01, 0xE9}},
      {"space pair", bytesOf("a b"), {0x61, 0xE2}},
      {"two spaces", bytesOf("  "), {0x20, 0x20}},
      {"two spaces before a letter", bytesOf("a  b"), {0x61, 0x20, 0x20, 0x62}},
      {"three spaces before a letter", bytesOf("a   b"), {0x61, 0x20, 0x20, 0xE2}},
      {"space before 3F", bytesOf(" ?"), {0x20, 0x3F}},
      {"space before 00", {0x20, 0x00}, {0x20, 0x00}},
      {"space before E9", {0x20, 0xE9}, {0x20, 0x01, 0xE9}},
      {"space before 40", bytesOf(" @"), {0xC0}},
      {"space before 7F", {0x20, 0x7F}, {0xFF}},
      {"aaaa", bytesOf("aaaa"), {0x61, 0x61, 0x61, 0x61}},
      {"aaaaa", bytesOf("aaaaa"), {0x61, 0x80, 0x08, 0x61}},
      {"12 a", tTestBytes(12, 'a'), {0x61, 0x80, 0x0F, 0x61}},
      {"13 a", tTestBytes(13, 'a'), {0x61, 0x80, 0x0F, 0x61, 0x61}},
      {"23 a", tTestBytes(23, 'a'), {0x61, 0x80, 0x0F, 0x80, 0x5F, 0x61, 0x61}},
      {"four spaces", bytesOf("    "), {0x20, 0x20, 0x20, 0x20}},
      {"five spaces", bytesOf("     "), {0x20, 0x80, 0x08, 0x20}},
      {"abcabc", bytesOf("abcabc"), bytesOf("abcabc")},
      {"abcabcX", bytesOf("abcabcX"), {0x61, 0x62, 0x63, 0x80, 0x18, 0x58}},
      {"digits three times",
       digitsThreeTimes(),
       {0x30, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x80, 0x57, 0x80, 0xA6, 0x39}},
      {"hello hello",
       bytesOf("hello hello"),
       {0x68, 0x65, 0x6C, 0x6C, 0x6F, 0x20, 0x80, 0x31, 0x6F}},
      {"E9 E9", {0xE9, 0xE9}, {0x02, 0xE9, 0xE9}},
      {"E9 61 E9", {0xE9, 0x61, 0xE9}, {0x01, 0xE9, 0x61, 0x01, 0xE9}},
      {"80 to 89",
       bytesFrom(0x80, 10),
       {0x08, 0x80, 0x81, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x02, 0x88, 0x89}},
      {"nine 80", tTestBytes(9, 0x80), {0x01, 0x80, 0x80, 0x0C, 0x01, 0x80}},
      {"raw bytes 01 to 08", {0x01, 0x08, 0x00}, {0x02, 0x01, 0x08, 0x00}},
  };
  for (const auto& test : cases) EXPECT_EQ(compressed(test.text), test.record) << test.what;
}

TEST(CompressBlock, BackReferencesReachExactly2047BytesBack) {
  const tTestBytes within = compressed(repeatAt(2047));
  ASSERT_GE(within.size(), 3u);
  EXPECT_EQ(tTestBytes(within.end() - 3, within.end()), (tTestBytes{0xBF, 0xF8, 0x21}));
  const tTestBytes beyond = compressed(repeatAt(2048));
  EXPECT_EQ(tTestBytes(beyond.end() - 4, beyond.end()), bytesOf("XYZ!"));
}

TEST(CompressBlock, AFullBlockOfOneLetterTakesTheFarthestOccurrences) {
  const tTestBytes record = compressed(tTestBytes(4096, 'a'));
  ASSERT_EQ(record.size(), 822u);
  EXPECT_EQ(record.front(), 0x61);
  EXPECT_EQ(record.back(), 0x61);
  for (std::size_t k = 0; k < 409; ++k) {
    const std::size_t distance = std::min<std::size_t>(1 + 10 * k, 2047);
    const std::size_t word = 0x8000 + distance * 8 + 7;
    EXPECT_EQ(record[1 + 2 * k], word >> 8) << "reference " << k;
    EXPECT_EQ(record[2 + 2 * k], word & 0xFF) << "reference " << k;
  }
  EXPECT_EQ(record[820] & 7, 1);  // the last reference is 4 bytes long
}

TEST(CompressBlock, RecordsNeverGrowBeyondHalfAgainTheirBlock) {
  const tTestBytes alternating = withoutRepeatedTriples(4096, {{0x80, 0xFF}, {0x21, 0x7F}}, 3);
  EXPECT_EQ(compressed(alternating).size(), 6144u);
  const tTestBytes high = withoutRepeatedTriples(4096, {{0x80, 0xFF}}, 5);
  EXPECT_EQ(compressed(high).size(), 4608u);
}

TEST(CompressBlock, EveryRecordDecodesToItsBlockWithinTheSizeBound) {
  std::vector<std::size_t> lengths;
  for (std::size_t length = 0; length <= 4096; length += length < 70 ? 1 : 67) {
    lengths.push_back(length);
  }
  lengths.insert(lengths.end(), 30, 4096);
  for (std::size_t i = 0; i < lengths.size(); ++i) {
    for (const auto& sample : textSamples(lengths[i], static_cast<std::uint32_t>(i))) {
      const tTestBytes record = compressed(sample.bytes);
      EXPECT_LE(record.size(), sizeBound(sample.bytes.size())) << sample.kind << ", " << i;
      EXPECT_EQ(decodePalmDoc(record), sample.bytes) << sample.kind << ", " << i;
    }
  }
}
