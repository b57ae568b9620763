#include "common/fileIo.h"

#include <cstdlib>
#include <memory>

#include "common/names.h"
#include "platform/platform.h"

namespace {

// Temporary files are hidden, and their names hold none of the extensions that a directory
// batch converts, should the listing show one before it is gone.
std::string temporaryName(std::string_view folder, unsigned attempt) {
  return std::string(folder) + ".trevanto-" + std::to_string(attempt) + ".tmp";
}

constexpr unsigned kTemporaryAttempts = 1000;

bool writeAll(std::FILE* stream, std::span<const unsigned char> bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
}

// Pieces are gathered to this size before they go out: a file of many small records then
// reaches the system in few, large writes.
constexpr std::size_t kWriteChunk = 1 << 20;

bool writeAndClose(std::FILE* stream, const std::function<bool(const tByteSink&)>& produce) {
  tBytes pending;
  pending.reserve(kWriteChunk);
  bool written = true;
  auto flushPending = [&] {
    written = written && writeAll(stream, pending);
    pending.clear();
  };
  const bool produced = produce([&](std::span<const unsigned char> piece) {
    if (pending.size() + piece.size() > kWriteChunk) flushPending();
    if (piece.size() >= kWriteChunk) {
      written = written && writeAll(stream, piece);
    } else {
      pending.insert(pending.end(), piece.begin(), piece.end());
    }
  });
  written = written && produced;
  flushPending();
  written = written && std::fflush(stream) == 0;
  return std::fclose(stream) == 0 && written;
}

}  // namespace

bool writeFileReplacing(const std::string& path,
                        const std::function<bool(const tByteSink&)>& produce) {
  std::string_view folder = folderOf(path);
  for (unsigned attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
    std::string temporary = temporaryName(folder, attempt);
    std::FILE* stream = nullptr;
    switch (platform::createNewFile(temporary, stream)) {
      case platform::tCreateResult::alreadyExists:
        continue;
      case platform::tCreateResult::failed:
        return false;
      case platform::tCreateResult::created:
        if (writeAndClose(stream, produce) && platform::replaceFile(temporary, path)) return true;
        std::remove(temporary.c_str());
        return false;
    }
  }
  return false;
}

void endProcess(int status) {
  std::fflush(stdout);
  std::exit(status);
}
