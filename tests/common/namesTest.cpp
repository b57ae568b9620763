#include "common/names.h"

#include <gtest/gtest.h>

TEST(Names, ThirdCharacterFromTheEndNamesTheOutput) {
  struct tCase {
    std::string name;
    char letter;
    const char* expected;
  };
  tCase cases[] = {{"book.pdb", 'h', "book.hdb"},
                   {"BOOK.PDB", 'h', "BOOK.hDB"},
                   {"BOOK.hDB", 'p', "BOOK.pDB"},
                   {"x.pdb.bak", 'h', "x.pdb.hak"},
                   {"ab", 'h', "ab"}};
  for (auto& test : cases) {
    setThirdFromEnd(test.name, test.letter);
    EXPECT_EQ(test.name, test.expected);
  }
}

TEST(Names, BaseNameAndFolderSplitAtTheLastSeparator) {
  struct tCase {
    const char* path;
    const char* folder;
    const char* base;
  };
  const tCase cases[] = {
      {"notes.txt", "", "notes.txt"},   {"./notes.txt", "./", "notes.txt"},
      {"/notes.txt", "/", "notes.txt"}, {"texts/sub/book.txt", "texts/sub/", "book.txt"},
      {"texts/", "texts/", ""},
  };
  for (const auto& test : cases) {
    EXPECT_EQ(folderOf(test.path), test.folder) << test.path;
    EXPECT_EQ(baseNameOf(test.path), test.base) << test.path;
  }
#ifdef _WIN32
  EXPECT_EQ(baseNameOf("C:\\texts\\book.txt"), "book.txt");
  EXPECT_EQ(baseNameOf("\\book.txt"), "book.txt");
#else
  EXPECT_EQ(baseNameOf("texts\\book.txt"), "texts\\book.txt");
#endif
}

TEST(Names, StemEndsAtTheFirstDot) {
  EXPECT_EQ(stemOf("notes.txt"), "notes");
  EXPECT_EQ(stemOf("my.book.txt"), "my");
  EXPECT_EQ(stemOf("README"), "README");
  EXPECT_EQ(stemOf(".txt"), "");
}

TEST(Names, BookNameKeepsAtMost31BytesAndNeverSplitsAUtf8Sequence) {
  const std::string thirtyOne(31, 'a');
  EXPECT_EQ(bookNameOf(thirtyOne), thirtyOne);
  EXPECT_EQ(bookNameOf(thirtyOne + "bcd"), thirtyOne);
  // "é" is C3 A9: starting at byte 30 it would be cut through, so it goes whole.
  const std::string thirty(30, 'a');
  EXPECT_EQ(bookNameOf(thirty + "\xC3\xA9xyz"), thirty);
  // A four-byte sequence starting at byte 29.
  const std::string twentyNine(29, 'a');
  EXPECT_EQ(bookNameOf(twentyNine + "\xF0\x9F\x93\x96 tail"), twentyNine);
  // Ending exactly at the limit keeps the sequence.
  EXPECT_EQ(bookNameOf(twentyNine + "\xC3\xA9xyz"), twentyNine + "\xC3\xA9");
  // Bytes that are no UTF-8 are cut at the limit.
  EXPECT_EQ(bookNameOf(thirty + "\xA9\xA9\xA9\xA9\xA9"), thirty + "\xA9");
}
