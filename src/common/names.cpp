#include "common/names.h"

#include "platform/platform.h"

std::string workName;
std::string stemName;

bool contains(std::string_view text, std::string_view key) {
  return text.find(key) != std::string_view::npos;
}

void setThirdFromEnd(std::string& name, char letter) {
  if (name.size() >= 3) name[name.size() - 3] = letter;
}

namespace {

std::size_t afterLastSeparator(std::string_view path) {
  for (std::size_t i = path.size(); i > 0; --i) {
    if (platform::isPathSeparator(path[i - 1])) return i;
  }
  return 0;
}

bool isUtf8Continuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}
bool isUtf8Lead(char c) {
  return static_cast<unsigned char>(c) >= 0xC0;
}

// A UTF-8 sequence has at most three continuation bytes; further back the bytes are no UTF-8.
constexpr std::size_t kMostContinuationBytes = 3;

}  // namespace

std::string_view baseNameOf(std::string_view path) {
  return path.substr(afterLastSeparator(path));
}

std::string_view folderOf(std::string_view path) {
  return path.substr(0, afterLastSeparator(path));
}

std::string_view stemOf(std::string_view baseName) {
  return baseName.substr(0, baseName.find('.'));
}

std::string_view bookNameOf(std::string_view stem) {
  if (stem.size() <= kBookNameLimit) return stem;
  std::size_t cut = kBookNameLimit;
  for (std::size_t steps = 0; steps < kMostContinuationBytes && isUtf8Continuation(stem[cut]);
       ++steps) {
    --cut;
  }
  // Bytes that are no UTF-8 sequence are cut where the limit falls.
  if (!isUtf8Lead(stem[cut])) cut = kBookNameLimit;
  return stem.substr(0, cut);
}
