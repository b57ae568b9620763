#include "textdoc/pdbWriter.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/names.h"
#include "support/palmDocDecoder.h"
#include "support/scratchDirectory.h"
#include "textdoc/bigEndian.h"

namespace {

class TextToPdb : public tScratchDirectory {
 protected:
  tTextResult convert(const std::string& name) {
    testing::internal::CaptureStdout();
    const tTextResult result = textToPdb(name);
    printed_ = testing::internal::GetCapturedStdout();
    return result;
  }

  std::string printed_;
};

std::uint32_t big32(const tTestBytes& bytes, std::size_t offset) {
  return std::uint32_t{bytes[offset]} << 24 | std::uint32_t{bytes[offset + 1]} << 16 |
         std::uint32_t{bytes[offset + 2]} << 8 | bytes[offset + 3];
}

std::uint16_t big16(const tTestBytes& bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(bytes[offset] << 8 | bytes[offset + 1]);
}

tTestBytes slice(const tTestBytes& bytes, std::size_t from, std::size_t to) {
  return tTestBytes(bytes.begin() + static_cast<std::ptrdiff_t>(from),
                    bytes.begin() + static_cast<std::ptrdiff_t>(to));
}

// The header of a database written from a text of `textRecords` records, every field given.
tTestBytes expectedHeader(const std::string& name, std::uint16_t textRecords) {
  tTestBytes header(78, 0);
  std::copy(name.begin(), name.end(), header.begin());
  putBig32At(header, 36, 0x06D144AE);  // creation time
  putBig32At(header, 40, 0x06D144AE);  // modification time
  const std::string typeAndCreator = "TEXtREAd";
  std::copy(typeAndCreator.begin(), typeAndCreator.end(), header.begin() + 60);
  putBig16At(header, 76, static_cast<std::uint16_t>(textRecords + 1));
  return header;
}

}  // namespace

TEST_F(TextToPdb, AnEmptyTextGivesRecord0Alone) {
  writeFile("empty.txt", {});
  EXPECT_EQ(convert("empty.txt"), tTextResult::written);
  EXPECT_EQ(printed_, "\n");
  EXPECT_EQ(workName, "empty.pdb");
  EXPECT_EQ(stemName, "empty");
  tTestBytes expected = expectedHeader("empty", 0);
  const tTestBytes rest = {0, 0, 0,    88, 0x40, 0x6F, 0x80, 0x00,  // record 0 at 88
                           0, 0,                                    // two zero bytes
                           0, 2, 0,    0,  0,    0,    0,    0,     // compression 2, text length 0
                           0, 0, 0x10, 0,  0,    0,    0,    0};    // no records of 4096 bytes
  expected.insert(expected.end(), rest.begin(), rest.end());
  EXPECT_EQ(readFile("empty.pdb"), expected);
}

TEST_F(TextToPdb, OneLetterGivesOneRecordBehindRecord0) {
  writeFile("a.txt", {'a'});
  EXPECT_EQ(convert("a.txt"), tTextResult::written);
  const tTestBytes database = readFile("a.pdb");
  ASSERT_EQ(database.size(), 113u);
  EXPECT_EQ(slice(database, 0, 78), expectedHeader("a", 1));
  EXPECT_EQ(slice(database, 78, 113),
            (tTestBytes{0,   0, 0,    96,  0x40, 0x6F, 0x80, 0x00,  // record 0 at 96
                        0,   0, 0,    112, 0x40, 0x6F, 0x80, 0x01,  // record 1 at 112
                        0,   0,                                     // two zero bytes
                        0,   2, 0,    0,   0,    0,    0,    1,     // compression 2, text length 1
                        0,   1, 0x10, 0,   0,    0,    0,    0,     // one record of up to 4096
                        0x61}));
}

TEST_F(TextToPdb, BlocksOf4096BytesMakeOneRecordEachWithTheirRealOffsets) {
  for (std::size_t size : {4096u, 4097u, 3 * 4096u + 5}) {
    tTestBytes text(size, 'x');
    text.back() = 'y';
    writeFile("t.txt", text);
    std::filesystem::remove("t.pdb");
    EXPECT_EQ(convert("t.txt"), tTextResult::written);
    const tTestBytes database = readFile("t.pdb");
    const std::uint16_t records = big16(database, 76);
    EXPECT_EQ(records, 1 + (size + 4095) / 4096);
    const std::uint32_t record0 = big32(database, 78);
    EXPECT_EQ(record0, 8u * records + 80);
    EXPECT_EQ(big32(database, record0 + 4), size);
    EXPECT_EQ(big16(database, record0 + 8), records - 1);
    tTestBytes decoded;
    for (std::uint16_t r = 1; r < records; ++r) {
      const std::uint32_t from = big32(database, 78 + 8u * r);
      const std::uint32_t to = r + 1 < records ? big32(database, 78 + 8u * (r + 1))
                                               : static_cast<std::uint32_t>(database.size());
      const auto block = decodePalmDoc(slice(database, from, to));
      ASSERT_TRUE(block);
      decoded.insert(decoded.end(), block->begin(), block->end());
    }
    EXPECT_EQ(decoded, text) << size;
  }
}

TEST_F(TextToPdb, TextLengthCountsWhatCleanupRemoves) {
  writeFile("crlf.txt", {'a', '\r', '\n', 'b', 0x01});
  EXPECT_EQ(convert("crlf.txt"), tTextResult::written);
  const tTestBytes database = readFile("crlf.pdb");
  EXPECT_EQ(big32(database, 96 + 4), 5u);
  EXPECT_EQ(decodePalmDoc(slice(database, 112, database.size())), (tTestBytes{'a', '\n', 'b'}));
}

TEST_F(TextToPdb, ABlockOfControlBytesIsAnEmptyRecord) {
  tTestBytes text(4096, 0x01);
  text.push_back('z');
  writeFile("c.txt", text);
  EXPECT_EQ(convert("c.txt"), tTextResult::written);
  const tTestBytes database = readFile("c.pdb");
  EXPECT_EQ(big32(database, 86), big32(database, 94));
  EXPECT_EQ(database.back(), 'z');
}

TEST_F(TextToPdb, TheDatabaseIsNamedAfterTheStemOfTheBaseName) {
  struct tCase {
    std::string text;
    std::string database;
    std::string nameField;
  };
  const std::string longStem(40, 's');
  const tCase cases[] = {
      {"my.book.txt", "my.pdb", "my"},
      {"README", "README.pdb", "README"},
      {".txt", ".pdb", ""},
      {"NOTES.TXT", "NOTES.pdb", "NOTES"},
      {std::string(31, 'k') + ".txt", std::string(31, 'k') + ".pdb", std::string(31, 'k')},
      {longStem + ".txt", longStem + ".pdb", std::string(31, 's')},
      {"texts/inner.txt", "inner.pdb", "inner"},
  };
  std::filesystem::create_directory("texts");
  for (const auto& test : cases) {
    writeFile(test.text, {'h', 'i'});
    EXPECT_EQ(convert(test.text), tTextResult::written) << test.text;
    EXPECT_EQ(workName, test.database);
    const tTestBytes database = readFile(test.database);
    tTestBytes nameField(32, 0);
    std::copy(test.nameField.begin(), test.nameField.end(), nameField.begin());
    EXPECT_EQ(slice(database, 0, 32), nameField) << test.text;
  }
  EXPECT_FALSE(exists("texts/inner.pdb"));
}

TEST_F(TextToPdb, ADatabaseNameThatIsTakenIsRefusedAndLeftAlone) {
  writeFile("book.txt", {'n', 'e', 'w'});
  writeFile("book.pdb", {'o', 'l', 'd'});
  EXPECT_EQ(convert("book.txt"), tTextResult::refused);
  EXPECT_EQ(printed_, "error: book.pdb already exists\r\n");
  EXPECT_EQ(readFile("book.pdb"), (tTestBytes{'o', 'l', 'd'}));
}

TEST_F(TextToPdb, ATextTooLargeForTheRecordCountsIsRefusedBeforeAnythingIsWritten) {
  writeFile("big.txt", {});
  std::filesystem::resize_file("big.txt", kLargestText + 1);
  EXPECT_EQ(convert("big.txt"), tTextResult::refused);
  EXPECT_EQ(printed_, "error: big.txt is too large\r\n");
  EXPECT_EQ(listing(), std::vector<std::string>{"big.txt"});
}

TEST_F(TextToPdb, ATextShorterThanMeasuredGivesAConsistentDatabase) {
  writeFile("short.txt", tTestBytes(5000, 'q'));
  ASSERT_TRUE(selectByteOrder());
  std::FILE* text = std::fopen("short.txt", "rb");
  std::FILE* database = std::fopen("short.pdb", "wb");
  testing::internal::CaptureStdout();
  writeTextDatabase(text, 3 * 4096 + 10, database, "short.pdb");
  testing::internal::GetCapturedStdout();
  std::fclose(text);
  const tTestBytes written = readFile("short.pdb");
  EXPECT_EQ(big16(written, 76), 3u);  // record 0 and the two records read
  const std::uint32_t record0 = big32(written, 78);
  EXPECT_EQ(big32(written, record0 + 4), 5000u);
  EXPECT_EQ(big16(written, record0 + 8), 2u);
  const auto last = decodePalmDoc(slice(written, big32(written, 94), written.size()));
  ASSERT_TRUE(last);
  EXPECT_EQ(last->size(), 5000u - 4096u);
}
