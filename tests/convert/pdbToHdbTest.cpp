#include "convert/pdbToHdb.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/names.h"
#include "convert/hdbWriter.h"
#include "support/scratchDirectory.h"

namespace {

class PdbToHdb : public tScratchDirectory {
 protected:
  static tTestBytes book() {
    tPdbBuilder builder;
    builder.name = "Header Name";
    builder.records = {docHeader(2, 300, 1, 4096), patternBytes(200)};
    return builder.build();
  }

  static tBytes expectedImage() {
    const tTestBytes database = book();
    return *hdbImageOf(*prepareHdb(memorySource(database), std::nullopt, "<"));
  }

  tConversionResult convert(const std::string& name, bool useStemName = false) {
    workName = name;
    testing::internal::CaptureStdout();
    const tConversionResult result = pdbToHdb(name, useStemName, "<");
    printed_ = testing::internal::GetCapturedStdout();
    return result;
  }

  std::string printed_;
};

}  // namespace

TEST_F(PdbToHdb, WritesTheHdbBesideTheDatabaseAndNamesItAfterwards) {
  writeFile("book.pdb", book());
  EXPECT_EQ(convert("book.pdb"), tConversionResult::converted);
  EXPECT_EQ(printed_, "book.hdb created.\r\n");
  EXPECT_EQ(workName, "book.pdb");
  EXPECT_EQ(readFile("book.hdb"), expectedImage());
  EXPECT_EQ(readFile("book.pdb"), book());
  EXPECT_EQ(listing(), (std::vector<std::string>{"book.hdb", "book.pdb"}));
}

TEST_F(PdbToHdb, TheRenamingIsPositionalAndAlwaysLowerCase) {
  writeFile("BOOK.PDB", book());
  EXPECT_EQ(convert("BOOK.PDB"), tConversionResult::converted);
  EXPECT_EQ(printed_, "BOOK.hDB created.\r\n");
  EXPECT_EQ(workName, "BOOK.pDB");
  EXPECT_TRUE(exists("BOOK.hDB"));

  writeFile("x.pdb.bak", book());
  EXPECT_EQ(convert("x.pdb.bak"), tConversionResult::converted);
  EXPECT_TRUE(exists("x.pdb.hak"));
}

TEST_F(PdbToHdb, OnTheTextRouteTheBookIsNamedAfterTheStem) {
  writeFile("notes.pdb", book());
  stemName = "notes";
  EXPECT_EQ(convert("notes.pdb", true), tConversionResult::converted);
  const tTestBytes image = readFile("notes.hdb");
  EXPECT_EQ(std::string(image.begin(), image.begin() + 6), std::string("notes\0", 6));
}

TEST_F(PdbToHdb, AMissingDatabaseWritesNothing) {
  EXPECT_EQ(convert("gone.pdb"), tConversionResult::inputMissing);
  EXPECT_EQ(printed_, "error: file not found\r\n");
  EXPECT_EQ(workName, "gone.pdb");
  EXPECT_TRUE(listing().empty());
}

TEST_F(PdbToHdb, AnInvalidDatabaseIsNamedAsTheUserGaveItAndWritesNothing) {
  tTestBytes notABook = book();
  notABook[63] = 'T';  // type "TEXT"
  writeFile("odd.pdb", notABook);
  workName = "odd.pdb";
  testing::internal::CaptureStdout();
  EXPECT_EQ(pdbToHdb("shown as this", false, "<"), tConversionResult::invalidDatabase);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "error: invalid .pdb file shown as this\r\n");
  EXPECT_EQ(workName, "odd.hdb");
  EXPECT_EQ(listing(), std::vector<std::string>{"odd.pdb"});
}

TEST_F(PdbToHdb, AnExistingHdbIsReplacedWhole) {
  writeFile("book.pdb", book());
  writeFile("book.hdb", tTestBytes(5000, 0xEE));
  EXPECT_EQ(convert("book.pdb"), tConversionResult::converted);
  EXPECT_EQ(readFile("book.hdb"), expectedImage());
}

TEST_F(PdbToHdb, AnOutputThatCannotBeWrittenLeavesEverythingAsItWas) {
  writeFile("book.pdb", book());
  std::filesystem::create_directory("book.hdb");
  EXPECT_EQ(convert("book.pdb"), tConversionResult::outputFailed);
  EXPECT_EQ(printed_, "error: output file not found\r\n");
  EXPECT_EQ(listing(), (std::vector<std::string>{"book.hdb", "book.pdb"}));
  EXPECT_TRUE(std::filesystem::is_directory("book.hdb"));
}

TEST_F(PdbToHdb, AReadOnlyDatabaseConverts) {
  writeFile("book.pdb", book());
  std::filesystem::permissions("book.pdb", std::filesystem::perms::owner_read);
  EXPECT_EQ(convert("book.pdb"), tConversionResult::converted);
  std::filesystem::permissions("book.pdb", std::filesystem::perms::owner_all);
}
