#include "textdoc/matchSearch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/literalSearch.h"
#include "support/textSamples.h"
#include "textdoc/cleanup.h"
#include "textdoc/compressor.h"

namespace {

tTestBytes compressedWith(std::span<const unsigned char> text, tMatchFinder find) {
  tBuf block = blockOf(text);
  compressBlockWith(block, find);
  const auto record = contentOf(block);
  return tTestBytes(record.begin(), record.end());
}

// Every search path must give, block for block, the record of the literal search.
void expectSameRecords(std::span<const unsigned char> text, const std::string& what) {
  const tTestBytes expected = compressedWith(text, findByGrowth);
  for (const auto& path : availableSearchPaths()) {
    EXPECT_EQ(compressedWith(text, path.find), expected) << path.name << ": " << what;
  }
}

tTestBytes corpusFile(const std::string& name) {
  std::ifstream in(std::filesystem::path(TREVANTO_CORPUS_DIR) / name, std::ios::binary);
  return tTestBytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(MatchSearch, ThisProcessorRunsThePortablePathAndTheSimdPathsItHas) {
  const auto& paths = availableSearchPaths();
  ASSERT_FALSE(paths.empty());
  EXPECT_STREQ(paths.front().name, "words");
#if defined(__x86_64__)
  EXPECT_GE(paths.size(), 2u) << "SSE2 is part of every x86-64 processor";
#endif
}

TEST(MatchSearch, EveryPathAgreesWithTheLiteralSearchOnGeneratedBlocks) {
  for (std::uint32_t seed = 0; seed < 300; ++seed) {
    const std::size_t length = seed < 100 ? seed : (seed * 2654435761u) % 4097;
    for (const auto& sample : textSamples(length, seed)) {
      expectSameRecords(sample.bytes, sample.kind + " of " + std::to_string(length));
    }
  }
  expectSameRecords(tTestBytes(4096, 'a'), "4096 a");
  expectSameRecords(withoutRepeatedTriples(4096, {{0x80, 0xFF}, {0x21, 0x7F}}, 3), "alternating");
}

TEST(MatchSearch, EveryPathAgreesWithTheLiteralSearchOnTheCorpus) {
  bool anyBook = false;
  for (const char* name : {"kjv.txt", "chinese.txt"}) {
    const tTestBytes text = corpusFile(name);
    anyBook = anyBook || !text.empty();
    for (std::size_t at = 0; at < text.size(); at += 4096) {
      tBuf block =
          blockOf(std::span(text).subspan(at, std::min<std::size_t>(4096, text.size() - at)));
      cleanText(block);
      expectSameRecords(contentOf(block), std::string(name) + " at " + std::to_string(at));
    }
  }
  if (!anyBook) GTEST_SKIP() << "no corpus: run bench/makeCorpus.sh";
}
