#include "common/byteSource.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "common/fileIo.h"
#include "platform/platform.h"

namespace {

// Reads that follow each other, as record after record does, need no seek.
struct tOpenFile {
  tStream stream;
  std::uint64_t position = 0;

  bool readAt(std::uint64_t offset, std::span<unsigned char> out) {
    if (offset != position) {
      if (!platform::seekTo(stream.get(), offset)) return false;
      position = offset;
    }
    const std::size_t got = std::fread(out.data(), 1, out.size(), stream.get());
    position += got;
    return got == out.size();
  }
};

}  // namespace

tByteSource memorySource(std::span<const unsigned char> bytes) {
  return {bytes.size(), [bytes](std::uint64_t offset, std::span<unsigned char> out) {
            if (offset > bytes.size() || out.size() > bytes.size() - offset) return false;
            std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(offset), out.size(),
                        out.begin());
            return true;
          }};
}

std::optional<tByteSource> openByteSource(const std::string& path) {
  auto file = std::make_shared<tOpenFile>(tOpenFile{tStream(std::fopen(path.c_str(), "rb"))});
  if (!file->stream) return std::nullopt;
  const auto size = platform::regularFileSize(file->stream.get());
  if (!size) return std::nullopt;
  return tByteSource{*size, [file](std::uint64_t offset, std::span<unsigned char> out) {
                       return file->readAt(offset, out);
                     }};
}
