#include "convert/hdbWriter.h"

#include <gtest/gtest.h>

#include "support/pdbBuilder.h"

namespace {

tTestBytes zeros(std::size_t count) {
  return tTestBytes(count, 0);
}

tTestBytes join(std::initializer_list<tTestBytes> parts) {
  tTestBytes all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

tTestBytes nameBytes(const std::string& name) {
  tTestBytes field(32, 0);
  std::copy(name.begin(), name.end(), field.begin());
  return field;
}

tPdbBuilder twoRecordBook() {
  tPdbBuilder book;
  book.name = "Worked";
  book.records = {docHeader(2, 300, 1, 4096), patternBytes(200)};
  return book;
}

tBytes converted(const tTestBytes& file, std::optional<std::string_view> bookName = {},
                 std::string_view owner = "<") {
  const auto source = prepareHdb(memorySource(file), bookName, owner);
  EXPECT_TRUE(source);
  const auto image = source ? hdbImageOf(*source) : std::nullopt;
  EXPECT_TRUE(image);
  return image.value_or(tBytes{});
}

}  // namespace

TEST(RecordLength, SevenBitsAByteLeastSignificantFirstLastByteMarked) {
  struct tCase {
    std::uint32_t size;
    tTestBytes prefix;
  };
  const tCase cases[] = {
      {0, {0x01}},
      {1, {0x03}},
      {16, {0x21}},
      {127, {0xFF}},
      {128, {0x00, 0x03}},
      {200, {0x90, 0x03}},
      {4096, {0x00, 0x41}},
      {1u << 14, {0x00, 0x00, 0x03}},
      {(1u << 21) - 1, {0xFE, 0xFE, 0xFF}},
      {(1u << 28) - 1, {0xFE, 0xFE, 0xFE, 0xFF}},
  };
  for (const auto& test : cases) {
    const tRecordLength length = encodeRecordLength(test.size);
    EXPECT_EQ(tTestBytes(length.bytes.begin(), length.bytes.begin() + length.count), test.prefix)
        << "size " << test.size;
  }
}

TEST(HdbWriter, TheWorkedExampleGivesExactly343Bytes) {
  const tTestBytes record1 = patternBytes(200);
  const tTestBytes expected = join({
      nameBytes("Worked"),  // name
      {0x3C},
      zeros(31),                 // owner "<"
      {0x38, 0x89},              // format mark 0x8938
      zeros(22),                 // zero word and reserved bytes
      {0x02, 0x00, 0x00, 0x00},  // record count
      {0x7C, 0, 0, 0},
      zeros(8),
      {0x01, 0x00, 0x00, 0x00},  // entry 0: blob at 124
      {0x8D, 0, 0, 0},
      zeros(8),
      {0x01, 0x00, 0x00, 0x00},                          // entry 1: blob at 141
      {0x21},                                            // blob 0: size 16
      {0x02, 0x00, 0x00, 0x00, 0x2C, 0x01, 0x00, 0x00,   // compression, spare, text length
       0x01, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00, 0x00},  // record count, size, position
      {0x90, 0x03},
      record1,  // blob 1: size 200
  });
  ASSERT_EQ(expected.size(), 343u);
  EXPECT_EQ(converted(twoRecordBook().build()), expected);
}

TEST(HdbWriter, AnEmptyRecordIsTheSingleByte01) {
  tPdbBuilder book = twoRecordBook();
  book.records = {docHeader(2, 0, 2, 4096), {}, {0x61}};
  const tBytes image = converted(book.build());
  const std::size_t blobs = 92 + 3 * 16;
  EXPECT_EQ(image[92 + 16], blobs + 17);  // blob 1 right behind blob 0 (prefix and 16 bytes)
  EXPECT_EQ(image[92 + 32], blobs + 18);  // blob 2 one byte later
  EXPECT_EQ(tTestBytes(image.begin() + blobs + 17, image.end()), (tTestBytes{0x01, 0x03, 0x61}));
}

TEST(HdbWriter, Record0FixUpFollowsTheRecordNotTheBlob) {
  tPdbBuilder book = twoRecordBook();
  tTestBytes record0 = docHeader(2, 0x01020304, 5, 4096);
  const tTestBytes extra = patternBytes(184, 0x50);
  record0.insert(record0.end(), extra.begin(), extra.end());
  book.records = {record0, {0x61}};
  const tBytes image = converted(book.build());
  const std::size_t record = 92 + 2 * 16 + 2;  // behind the two-byte prefix of 200
  EXPECT_EQ(tTestBytes(image.begin() + record - 2, image.begin() + record),
            (tTestBytes{0x90, 0x03}));
  EXPECT_EQ(tTestBytes(image.begin() + record, image.begin() + record + 16),
            (tTestBytes{0x02, 0x00, 0x00, 0x00, 0x04, 0x03, 0x02, 0x01, 0x05, 0x00, 0x00, 0x10,
                        0x00, 0x00, 0x00, 0x00}));
  EXPECT_EQ(tTestBytes(image.begin() + record + 16, image.begin() + record + 200), extra);
}

TEST(HdbWriter, NameComesFromTheHeaderOrTheGivenStemAndOwnerIsCutTo32Bytes) {
  tPdbBuilder book = twoRecordBook();
  book.name = std::string(32, 'N');
  const std::string owner(40, 'o');
  const tBytes fromHeader = converted(book.build(), std::nullopt, owner);
  EXPECT_EQ(tTestBytes(fromHeader.begin(), fromHeader.begin() + 32), tTestBytes(32, 'N'));
  EXPECT_EQ(tTestBytes(fromHeader.begin() + 32, fromHeader.begin() + 64), tTestBytes(32, 'o'));
  EXPECT_EQ(fromHeader[64], 0x38);

  const tBytes fromStem = converted(book.build(), "notes", "Reader");
  EXPECT_EQ(tTestBytes(fromStem.begin(), fromStem.begin() + 32), nameBytes("notes"));
  EXPECT_EQ(tTestBytes(fromStem.begin() + 32, fromStem.begin() + 64), nameBytes("Reader"));
}

TEST(HdbWriter, BytesAfterTheNameTerminatorAreNotCarriedOver) {
  tTestBytes file = twoRecordBook().build();
  file[10] = 'X';  // behind the zero that ends "Worked"
  const tBytes image = converted(file);
  EXPECT_EQ(tTestBytes(image.begin(), image.begin() + 32), nameBytes("Worked"));
}

TEST(HdbWriter, RecordsTheFormatCannotCarryAreRefused) {
  tPdbBuilder shortRecord0 = twoRecordBook();
  shortRecord0.records[0].resize(11);
  const tTestBytes tooShort = shortRecord0.build();
  EXPECT_FALSE(prepareHdb(memorySource(tooShort), std::nullopt, "<"));
  shortRecord0.records[0].resize(12);
  const tTestBytes longEnough = shortRecord0.build();
  EXPECT_TRUE(prepareHdb(memorySource(longEnough), std::nullopt, "<"));

  // A record of 2^28 bytes would need a fifth prefix byte; one byte less still fits.
  const tTestBytes file = twoRecordBook().build();
  tPdbLayout layout = *readPdbLayout(memorySource(file));
  layout.end = layout.records[1].dataOffset + kRecordSizeLimit;
  EXPECT_FALSE(fitsTheHdbFormat(layout));
  layout.end -= 1;
  EXPECT_TRUE(fitsTheHdbFormat(layout));
}

TEST(HdbWriter, ManyRecordsAcrossCopyChunksArriveWithTheirPrefixesInPlace) {
  tPdbBuilder book = twoRecordBook();
  book.records = {docHeader(2, 0, 0, 4096)};
  tTestBytes expectedBlobs;
  for (std::size_t size : {0u, 5000u, 0u, 1u << 20, 3u, (1u << 20) + 1, 0u, 4096u, 0u}) {
    book.records.push_back(patternBytes(size, static_cast<unsigned char>(size)));
    const tRecordLength prefix = encodeRecordLength(static_cast<std::uint32_t>(size));
    expectedBlobs.insert(expectedBlobs.end(), prefix.bytes.begin(),
                         prefix.bytes.begin() + static_cast<std::ptrdiff_t>(prefix.count));
    expectedBlobs.insert(expectedBlobs.end(), book.records.back().begin(),
                         book.records.back().end());
  }
  const tBytes image = converted(book.build());
  const std::size_t laterBlobs = 92 + 16 * book.records.size() + 1 + 16;
  ASSERT_EQ(image.size(), laterBlobs + expectedBlobs.size());
  EXPECT_TRUE(std::equal(expectedBlobs.begin(), expectedBlobs.end(),
                         image.begin() + static_cast<std::ptrdiff_t>(laterBlobs)));
}

TEST(HdbWriter, ADatabaseThatShrinksWhileItIsCopiedIsNotWrittenWhole) {
  const tTestBytes file = twoRecordBook().build();
  const auto source = prepareHdb(memorySource(file), std::nullopt, "<");
  ASSERT_TRUE(source);
  tHdbSource shrunk = *source;
  const tTestBytes shorter(file.begin(), file.end() - 1);
  shrunk.file = memorySource(shorter);
  EXPECT_FALSE(hdbImageOf(shrunk));
}
