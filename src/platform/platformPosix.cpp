#include "platform/platform.h"

#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

extern char** environ;

namespace platform {

struct tListingHandle {
  DIR* directory;
};

void tListingCloser::operator()(tListingHandle* listing) const {
  closedir(listing->directory);
  delete listing;
}

void prepareConsole() {}

bool isPathSeparator(char c) {
  return c == '/';
}

std::optional<std::uint64_t> regularFileSize(std::FILE* stream) {
  struct stat status {};
  if (fstat(fileno(stream), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  return static_cast<std::uint64_t>(status.st_size);
}

bool seekTo(std::FILE* stream, std::uint64_t offset) {
  return fseeko(stream, static_cast<off_t>(offset), SEEK_SET) == 0;
}

tCreateResult createNewFile(const std::string& path, std::FILE*& stream) {
  int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return errno == EEXIST ? tCreateResult::alreadyExists : tCreateResult::failed;
  stream = fdopen(fd, "wb");
  if (stream != nullptr) return tCreateResult::created;
  close(fd);
  unlink(path.c_str());
  return tCreateResult::failed;
}

bool replaceFile(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

namespace {

#ifdef __APPLE__
constexpr const char* kOpenCommand = "open";
#else
constexpr const char* kOpenCommand = "xdg-open";
#endif

// The opener keeps none of our standard streams: what it prints must not mix with our messages.
void detachStandardStreams(posix_spawn_file_actions_t& actions) {
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
}

}  // namespace

void openWithShell(const std::string& path) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  detachStandardStreams(actions);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
#ifdef POSIX_SPAWN_SETSID
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
#endif
  std::string command = kOpenCommand;
  std::string argument = path;
  char* arguments[] = {command.data(), argument.data(), nullptr};
  pid_t child = 0;
  posix_spawnp(&child, kOpenCommand, &actions, &attributes, arguments, environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
}

tListing openListing() {
  DIR* directory = opendir("./");
  if (directory == nullptr) return nullptr;
  return tListing(new tListingHandle{directory});
}

std::optional<std::string> nextListingEntry(tListingHandle& listing) {
  const dirent* entry = readdir(listing.directory);
  if (entry == nullptr) return std::nullopt;
  return std::string(entry->d_name);
}

}  // namespace platform
