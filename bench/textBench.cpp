// The text side, on real text from corpus/ (bench/makeCorpus.sh): cleanup and compression of
// every block of a book, and the whole conversion of a book into an HDB file.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/names.h"
#include "convert/pdbToHdb.h"
#include "textdoc/cleanup.h"
#include "textdoc/compressor.h"
#include "textdoc/pdbWriter.h"

namespace {

constexpr std::size_t kBlockSize = 4096;

std::filesystem::path corpusFile(const std::string& name) {
  return std::filesystem::path(TREVANTO_CORPUS_DIR) / name;
}

std::vector<unsigned char> readCorpus(const std::string& name) {
  std::ifstream in(corpusFile(name), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The blocks of a corpus file as the compressor meets them: cut into 4096 bytes and cleaned.
std::vector<std::vector<unsigned char>> cleanedBlocks(const std::vector<unsigned char>& text) {
  std::vector<std::vector<unsigned char>> blocks;
  for (std::size_t at = 0; at < text.size(); at += kBlockSize) {
    tBuf block = blockOf(std::span(text).subspan(at, std::min(kBlockSize, text.size() - at)));
    cleanText(block);
    const auto content = contentOf(block);
    blocks.emplace_back(content.begin(), content.end());
  }
  return blocks;
}

void countBytes(benchmark::State& state, std::uint64_t perIteration) {
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(perIteration));
}

bool haveCorpus(benchmark::State& state, const std::vector<unsigned char>& text) {
  if (!text.empty()) return true;
  state.SkipWithError("no corpus: run bench/makeCorpus.sh");
  return false;
}

void cleanTextOfBook(benchmark::State& state, const std::string& name) {
  const auto text = readCorpus(name);
  if (!haveCorpus(state, text)) return;
  for (auto _ : state) {
    for (std::size_t at = 0; at < text.size(); at += kBlockSize) {
      tBuf block = blockOf(std::span(text).subspan(at, std::min(kBlockSize, text.size() - at)));
      benchmark::DoNotOptimize(cleanText(block));
    }
  }
  countBytes(state, text.size());
}

void compressBlocksOfBook(benchmark::State& state, const std::string& name) {
  const auto text = readCorpus(name);
  if (!haveCorpus(state, text)) return;
  const auto blocks = cleanedBlocks(text);
  std::size_t compressed = 0;
  for (auto _ : state) {
    compressed = 0;
    for (const auto& cleaned : blocks)
      compressed += [&] {
        tBuf block = blockOf(cleaned);
        return compressBlock(block);
      }();
  }
  countBytes(state, text.size());
  state.counters["ratio"] = static_cast<double>(compressed) / static_cast<double>(text.size());
}

// textToPdb and pdbToHdb as the text route runs them, in a folder of the benchmark's own.
void convertBook(benchmark::State& state, const std::string& name) {
  if (!std::filesystem::exists(corpusFile(name))) {
    state.SkipWithError("no corpus: run bench/makeCorpus.sh");
    return;
  }
  const auto work = std::filesystem::temp_directory_path() / "trevanto-bench";
  std::filesystem::create_directories(work);
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(work);
  std::FILE* quiet = std::freopen("/dev/null", "w", stdout);
  for (auto _ : state) {
    textToPdb(corpusFile(name).string());
    pdbToHdb(name, true, "<");
    std::filesystem::remove(workName);
  }
  if (quiet != nullptr) std::fclose(quiet);
  std::filesystem::current_path(previous);
  std::filesystem::remove_all(work);
  countBytes(state, std::filesystem::file_size(corpusFile(name)));
}

}  // namespace

BENCHMARK_CAPTURE(cleanTextOfBook, kjv, std::string("kjv.txt"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(compressBlocksOfBook, kjv, std::string("kjv.txt"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(compressBlocksOfBook, chinese, std::string("chinese.txt"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(convertBook, kjv, std::string("kjv.txt"))->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
