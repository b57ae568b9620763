// The text side on real text from corpus/ (bench/makeCorpus.sh): cleanup, compression with each
// search path of this processor and with the literal search of the tests, the whole conversion
// of a book into an HDB file with each path, and Debian's txt2pdbdoc on the same book, so that
// one run gives every ratio.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/names.h"
#include "convert/pdbToHdb.h"
#include "support/literalSearch.h"
#include "textdoc/bigEndian.h"
#include "textdoc/cleanup.h"
#include "textdoc/compressor.h"
#include "textdoc/pdbWriter.h"

namespace {

constexpr std::size_t kBlockSize = 4096;
const char* const kBooks[] = {"kjv.txt", "chinese.txt"};

std::filesystem::path corpusFile(const std::string& name) {
  return std::filesystem::path(TREVANTO_CORPUS_DIR) / name;
}

std::vector<unsigned char> readCorpus(const std::string& name) {
  std::ifstream in(corpusFile(name), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void countBytes(benchmark::State& state, std::uint64_t perIteration) {
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(perIteration));
}

bool haveCorpus(benchmark::State& state, const std::string& name) {
  if (std::filesystem::exists(corpusFile(name))) return true;
  state.SkipWithError("no corpus: run bench/makeCorpus.sh");
  return false;
}

std::span<const unsigned char> blockAt(const std::vector<unsigned char>& text, std::size_t at) {
  return std::span(text).subspan(at, std::min(kBlockSize, text.size() - at));
}

// The blocks of a book as the compressor meets them: cut into 4096 bytes and cleaned.
std::vector<std::vector<unsigned char>> cleanedBlocks(const std::vector<unsigned char>& text) {
  std::vector<std::vector<unsigned char>> blocks;
  for (std::size_t at = 0; at < text.size(); at += kBlockSize) {
    tBuf block = blockOf(blockAt(text, at));
    cleanText(block);
    const auto content = contentOf(block);
    blocks.emplace_back(content.begin(), content.end());
  }
  return blocks;
}

void cleanBook(benchmark::State& state, const std::string& name) {
  if (!haveCorpus(state, name)) return;
  const auto text = readCorpus(name);
  for (auto _ : state) {
    for (std::size_t at = 0; at < text.size(); at += kBlockSize) {
      tBuf block = blockOf(blockAt(text, at));
      benchmark::DoNotOptimize(cleanText(block));
    }
  }
  countBytes(state, text.size());
}

void compressBook(benchmark::State& state, const std::string& name, tMatchFinder find) {
  if (!haveCorpus(state, name)) return;
  const auto text = readCorpus(name);
  const auto blocks = cleanedBlocks(text);
  std::size_t compressed = 0;
  for (auto _ : state) {
    compressed = 0;
    for (const auto& cleaned : blocks) {
      tBuf block = blockOf(cleaned);
      compressed += compressBlockWith(block, find);
    }
  }
  countBytes(state, text.size());
  state.counters["ratio"] = static_cast<double>(compressed) / static_cast<double>(text.size());
}

// Runs in a folder of its own, with the program's messages kept off the benchmark's report.
class tQuietFolder {
 public:
  tQuietFolder() : folder_(std::filesystem::temp_directory_path() / "trevanto-bench") {
    std::filesystem::create_directories(folder_);
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(folder_);
    std::fflush(stdout);
    savedOutput_ = dup(1);
    std::freopen("/dev/null", "w", stdout);
  }
  ~tQuietFolder() {
    std::fflush(stdout);
    dup2(savedOutput_, 1);
    close(savedOutput_);
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(folder_);
  }

 private:
  std::filesystem::path folder_;
  std::filesystem::path previous_;
  int savedOutput_ = -1;
};

// The text route of one book: the intermediate database, then its HDB file.
void convertBook(benchmark::State& state, const std::string& name, tMatchFinder find) {
  if (!haveCorpus(state, name)) return;
  const tQuietFolder quiet;
  selectByteOrder();
  for (auto _ : state) {
    std::FILE* text = std::fopen(corpusFile(name).c_str(), "rb");
    stemName = "book";
    workName = "book.pdb";
    writeTextDatabase(text, std::filesystem::file_size(corpusFile(name)),
                      std::fopen(workName.c_str(), "wb"), workName, find);
    std::fclose(text);
    pdbToHdb(name, true, "<");
    std::filesystem::remove(workName);
  }
  countBytes(state, std::filesystem::file_size(corpusFile(name)));
}

// Debian's txt2pdbdoc on the same book, as a process of its own.
void txt2pdbdocBook(benchmark::State& state, const std::string& name) {
  if (!haveCorpus(state, name)) return;
  const tQuietFolder quiet;
  const std::string command = "txt2pdbdoc book " + corpusFile(name).string() + " reference.pdb";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("txt2pdbdoc failed");
  }
  countBytes(state, std::filesystem::file_size(corpusFile(name)));
}

void registerAll() {
  using benchmark::RegisterBenchmark;
  for (const std::string book : kBooks) {
    RegisterBenchmark(("clean/" + book).c_str(), cleanBook, book);
    RegisterBenchmark(("compress/literal/" + book).c_str(), compressBook, book, findByGrowth);
    for (const auto& path : availableSearchPaths()) {
      RegisterBenchmark(("compress/" + std::string(path.name) + "/" + book).c_str(), compressBook,
                        book, path.find);
    }
    for (const auto& path : availableSearchPaths()) {
      RegisterBenchmark(("convert/" + std::string(path.name) + "/" + book).c_str(), convertBook,
                        book, path.find);
    }
    RegisterBenchmark(("txt2pdbdoc/" + book).c_str(), txt2pdbdocBook, book)->Iterations(3);
  }
}

}  // namespace

int main(int argc, char** argv) {
  registerAll();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
}
