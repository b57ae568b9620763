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
    tMode mode;
  };
  const tCase cases[] = {
      {std::nullopt, tMode::interactive},
      {"book.txt", tMode::singleTextFile},
      {"NOTES.TXT", tMode::singleTextFile},
      {"book.txt.pdb", tMode::singleTextFile},
      {"palmall.txt", tMode::singleTextFile},
      {"alltxt.txt", tMode::batch},
      {"book.pdb", tMode::singleDatabase},
      {"BOOK.PDB", tMode::singleDatabase},
      {"small.pdb", tMode::batch},
      {"*.pdb", tMode::batch},
      {"all", tMode::batch},
      {"allpdb", tMode::batch},
      {"xalltxt", tMode::batch},
  };
  for (const auto& test : cases) {
    EXPECT_EQ(selectMode(test.argument), test.mode) << test.argument.value_or("(none)");
  }
}
