#include "common/fileIo.h"

#include "common/byteSource.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/scratchDirectory.h"

using FileIo = tScratchDirectory;

namespace {

bool replaceWith(const std::string& path, const tTestBytes& bytes) {
  return writeFileReplacing(path, [&](const tByteSink& sink) {
    sink(std::span(bytes).first(bytes.size() / 2));
    sink(std::span(bytes).subspan(bytes.size() / 2));
    return true;
  });
}

}  // namespace

TEST_F(FileIo, AByteSourceReadsAnywhereInARegularFileAndNothingBeyondIt) {
  const tTestBytes content = patternBytes(200000);
  writeFile("big.bin", content);
  const auto source = openByteSource("big.bin");
  ASSERT_TRUE(source);
  EXPECT_EQ(source->size, content.size());
  tTestBytes piece(100);
  ASSERT_TRUE(source->readAt(150000, piece));
  EXPECT_TRUE(std::equal(piece.begin(), piece.end(), content.begin() + 150000));
  ASSERT_TRUE(source->readAt(10, piece));
  EXPECT_TRUE(std::equal(piece.begin(), piece.end(), content.begin() + 10));
  EXPECT_FALSE(source->readAt(content.size() - 99, piece));

  EXPECT_FALSE(openByteSource("missing.bin"));
  std::filesystem::create_directory("folder.pdb");
  EXPECT_FALSE(openByteSource("folder.pdb"));
}

TEST(MemorySource, RefusesReadsPastItsEnd) {
  const tTestBytes content = {1, 2, 3};
  const tByteSource source = memorySource(content);
  tTestBytes two(2);
  EXPECT_TRUE(source.readAt(1, two));
  EXPECT_EQ(two, (tTestBytes{2, 3}));
  EXPECT_FALSE(source.readAt(2, two));
  EXPECT_FALSE(source.readAt(~0ull, two));
}

TEST_F(FileIo, ReplacesTheTargetOnlyWithACompleteFileAndLeavesNothingElse) {
  writeFile("out.hdb", {1, 2, 3});
  const tTestBytes content = patternBytes(5000);
  ASSERT_TRUE(replaceWith("out.hdb", content));
  EXPECT_EQ(readFile("out.hdb"), content);
  EXPECT_EQ(listing(), std::vector<std::string>{"out.hdb"});
}

TEST_F(FileIo, WritesBesideAPathInAFolder) {
  std::filesystem::create_directory("sub");
  ASSERT_TRUE(replaceWith("sub/out.hdb", tTestBytes{7}));
  EXPECT_EQ(readFile("sub/out.hdb"), tTestBytes{7});
  EXPECT_EQ(listing(), std::vector<std::string>{"sub"});
}

TEST_F(FileIo, AFailedReplacementKeepsTheTargetAndRemovesTheTemporaryFile) {
  std::filesystem::create_directory("out.hdb");
  writeFile("out.hdb/keep", {9});
  EXPECT_FALSE(replaceWith("out.hdb", tTestBytes{1, 2, 3}));
  EXPECT_EQ(listing(), std::vector<std::string>{"out.hdb"});
  EXPECT_EQ(readFile("out.hdb/keep"), tTestBytes{9});
  EXPECT_FALSE(replaceWith("no-such-folder/out.hdb", tTestBytes{1}));
}

TEST_F(FileIo, AWriterThatGivesUpLeavesTheTargetAsItWas) {
  writeFile("out.hdb", {1, 2, 3});
  EXPECT_FALSE(writeFileReplacing("out.hdb", [](const tByteSink& sink) {
    sink(tTestBytes(10, 0));
    return false;
  }));
  EXPECT_EQ(listing(), std::vector<std::string>{"out.hdb"});
  EXPECT_EQ(readFile("out.hdb"), (tTestBytes{1, 2, 3}));
}

TEST_F(FileIo, ATemporaryNameInUseIsPassedOverAndLeftAlone) {
  writeFile(".trevanto-0.tmp", {5});
  ASSERT_TRUE(replaceWith("out.hdb", tTestBytes{1}));
  EXPECT_EQ(readFile(".trevanto-0.tmp"), tTestBytes{5});
  EXPECT_EQ(listing(), (std::vector<std::string>{".trevanto-0.tmp", "out.hdb"}));
}
