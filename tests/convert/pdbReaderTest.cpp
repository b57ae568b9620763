#include "convert/pdbReader.h"

#include <gtest/gtest.h>

#include "support/pdbBuilder.h"

namespace {

// The database of the worked example: record 0 at 96, 200 bytes of text at 112, 312 bytes.
tPdbBuilder twoRecordBook() {
  tPdbBuilder book;
  book.records = {docHeader(2, 300, 1, 4096), patternBytes(200)};
  return book;
}

std::vector<std::uint32_t> sizesOf(const tPdbLayout& layout) {
  std::vector<std::uint32_t> sizes;
  for (std::size_t j = 0; j < layout.records.size(); ++j) sizes.push_back(layout.recordSize(j));
  return sizes;
}

}  // namespace

TEST(PdbReader, RecordSizesComeFromTheDataOffsetsAndTheEndOfTheFile) {
  const tTestBytes file = twoRecordBook().build();
  ASSERT_EQ(file.size(), 312u);
  const auto layout = readPdbLayout(memorySource(file));
  ASSERT_TRUE(layout);
  EXPECT_EQ(layout->records[0].dataOffset, 96u);
  EXPECT_EQ(layout->records[1].dataOffset, 112u);
  EXPECT_EQ(layout->end, 312u);
  EXPECT_EQ(sizesOf(*layout), (std::vector<std::uint32_t>{16, 200}));
  EXPECT_EQ(layout->header.recordCount, 2u);
}

TEST(PdbReader, AFurtherRecordListEndsTheLastRecordAtItsFirstDataOffset) {
  tTestBytes file = twoRecordBook().build();
  // A further list behind the records: its head (next list, count), then one entry whose data
  // offset lies inside record 1.
  const tTestBytes furtherList = {0, 0, 0, 0, 0, 1, 0, 0, 0, 250, 0x40, 0x6F, 0x80, 0x02};
  file.insert(file.end(), furtherList.begin(), furtherList.end());
  putBig32At(file, 72, 312);
  const auto layout = readPdbLayout(memorySource(file));
  ASSERT_TRUE(layout);
  EXPECT_EQ(layout->end, 250u);
  EXPECT_EQ(sizesOf(*layout), (std::vector<std::uint32_t>{16, 138}));
}

TEST(PdbReader, ANameOf32BytesHasNoTerminator) {
  tPdbBuilder book = twoRecordBook();
  book.name = std::string(32, 'N');
  const auto layout = readPdbLayout(memorySource(book.build()));
  ASSERT_TRUE(layout);
  EXPECT_EQ(std::string(layout->header.name.begin(), layout->header.name.end()),
            std::string(32, 'N'));
}

TEST(PdbReader, BytesBetweenTheListAndRecord0AreSkipped) {
  tPdbBuilder book = twoRecordBook();
  book.gap = 40;
  const auto layout = readPdbLayout(memorySource(book.build()));
  ASSERT_TRUE(layout);
  EXPECT_EQ(layout->records[0].dataOffset, 134u);
  EXPECT_EQ(sizesOf(*layout), (std::vector<std::uint32_t>{16, 200}));
}

TEST(PdbReader, DamagedOrForeignDatabasesAreRefused) {
  struct tCase {
    const char* what;
    tTestBytes file;
  };
  auto with = [](auto change) {
    tPdbBuilder book = twoRecordBook();
    change(book);
    return book.build();
  };
  auto patched = [](std::size_t offset, std::uint32_t value) {
    tTestBytes file = twoRecordBook().build();
    putBig32At(file, offset, value);
    return file;
  };
  const tTestBytes good = twoRecordBook().build();
  const tCase cases[] = {
      {"type TEXT", with([](tPdbBuilder& b) { b.type = "TEXT"; })},
      {"creator READ", with([](tPdbBuilder& b) { b.creator = "READ"; })},
      {"creator of another reader", with([](tPdbBuilder& b) { b.creator = "MOBI"; })},
      {"shorter than the header", tTestBytes(good.begin(), good.begin() + 77)},
      {"no records", with([](tPdbBuilder& b) { b.records.clear(); })},
      {"record list cut short", tTestBytes(good.begin(), good.begin() + 90)},
      {"decreasing offsets", patched(86, 95)},
      {"offset beyond the end", patched(86, 313)},
      {"further list outside the file", patched(72, 310)},
      {"further list ends beyond the file",
       [&] {
         tTestBytes file = patched(72, 112);
         putBig32At(file, 118, 400);
         return file;
       }()},
  };
  for (const auto& test : cases) EXPECT_FALSE(readPdbLayout(memorySource(test.file))) << test.what;
}

TEST(PdbReader, EveryCutBeforeTheLastRecordIsRefusedAndLaterCutsShortenIt) {
  const tTestBytes file = twoRecordBook().build();
  for (std::size_t length = 0; length < file.size(); ++length) {
    const tTestBytes cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length));
    const auto layout = readPdbLayout(memorySource(cut));
    if (length < 112) {
      EXPECT_FALSE(layout) << "cut at " << length;
    } else {
      ASSERT_TRUE(layout) << "cut at " << length;
      EXPECT_EQ(layout->recordSize(1), length - 112);
    }
  }
}
