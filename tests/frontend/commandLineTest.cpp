#include "frontend/commandLine.h"

#include <gtest/gtest.h>

TEST(CommandLine, SyntaxCheckAcceptsOnlyTheKeysAndWholeAll) {
  const char* accepted[] = {"all",   "alltxt",    "xalltxt",     "allpdb",      "book.txt",
                            "B.TXT", "book.pdb",  "BOOK.PDB",    "-h",          "e-h.txt",
                            "*.pdb", "small.pdb", "palmall.txt", "allpdballtxt"};
  const char* refused[] = {"", "ALL", "All", "allx", "Book.Txt", "book.Pdb", "c.doc", "h"};
  for (const char* argument : accepted) EXPECT_TRUE(passesSyntaxCheck(argument)) << argument;
  for (const char* argument : refused) EXPECT_FALSE(passesSyntaxCheck(argument)) << argument;
}

TEST(CommandLine, ModeSelectionTakesTheFirstTestThatHolds) {
  struct tCase {
    std::optional<std::string> argument;
    tMode whenNoSuchFile;
    tMode whenAFile;
  };
  const tCase cases[] = {
      {std::nullopt, tMode::interactive, tMode::interactive},
      {"book.txt", tMode::singleTextFile, tMode::singleTextFile},
      {"NOTES.TXT", tMode::singleTextFile, tMode::singleTextFile},
      {"book.txt.pdb", tMode::singleTextFile, tMode::singleTextFile},
      {"palmall.txt", tMode::singleTextFile, tMode::singleTextFile},
      {"alltxt.txt", tMode::batch, tMode::singleTextFile},
      {"book.pdb", tMode::singleDatabase, tMode::singleDatabase},
      {"BOOK.PDB", tMode::singleDatabase, tMode::singleDatabase},
      {"x.pdb.bak", tMode::singleDatabase, tMode::singleDatabase},
      {"small.pdb", tMode::batch, tMode::singleDatabase},
      {"allpdb.pdb", tMode::batch, tMode::singleDatabase},
      {"palmall.pdb", tMode::batch, tMode::batch},
      {"*.pdb", tMode::batch, tMode::batch},
      {"all", tMode::batch, tMode::batch},
      {"allpdb", tMode::batch, tMode::batch},
      {"xalltxt", tMode::batch, tMode::batch},
      {"allpdballtxt", tMode::batch, tMode::batch},
  };
  for (const auto& test : cases) {
    const std::string shown = test.argument.value_or("(none)");
    EXPECT_EQ(selectMode(test.argument, false), test.whenNoSuchFile) << shown;
    EXPECT_EQ(selectMode(test.argument, true), test.whenAFile) << shown << " naming a file";
  }
}
