// The platform on Windows: the Windows API, and the C runtime's own calls where it has them.
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
// After windows.h, which these need.
#include <commdlg.h>
#include <shellapi.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/platform.h"

namespace platform {

struct tListingHandle {
  HANDLE search = INVALID_HANDLE_VALUE;  // none when the folder has no entries at all
  WIN32_FIND_DATAA found{};
  bool pending = false;  // `found` holds an entry not yet handed out
};

void tListingCloser::operator()(tListingHandle* listing) const {
  if (listing->search != INVALID_HANDLE_VALUE) FindClose(listing->search);
  delete listing;
}

void prepareConsole() {
  _setmode(_fileno(stdout), _O_BINARY);
}

bool isPathSeparator(char c) {
  return c == '/' || c == '\\';
}

std::optional<std::uint64_t> regularFileSize(std::FILE* stream) {
  struct _stat64 status {};
  if (_fstat64(_fileno(stream), &status) != 0 || (status.st_mode & _S_IFREG) == 0) {
    return std::nullopt;
  }
  return static_cast<std::uint64_t>(status.st_size);
}

bool seekTo(std::FILE* stream, std::uint64_t offset) {
  return _fseeki64(stream, static_cast<__int64>(offset), SEEK_SET) == 0;
}

tCreateResult createNewFile(const std::string& path, std::FILE*& stream) {
  const int fd = _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                       _S_IREAD | _S_IWRITE);
  if (fd < 0) return errno == EEXIST ? tCreateResult::alreadyExists : tCreateResult::failed;
  stream = _fdopen(fd, "wb");
  if (stream != nullptr) return tCreateResult::created;
  _close(fd);
  DeleteFileA(path.c_str());
  return tCreateResult::failed;
}

bool replaceFile(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void openWithShell(const std::string& path) {
  ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_HIDE);
}

namespace {

constexpr DWORD kPathBuffer = 260;
constexpr char kFilters[] =
    "Text Document Files (*.txt)\0*.txt\0"
    "Palm Documents (*.pdb)\0*.pdb\0"
    "All Files (*.*)\0*.*\0";

}  // namespace

std::optional<std::string> chooseFileToOpen() {
  char file[kPathBuffer] = {};
  char title[kPathBuffer] = {};
  OPENFILENAMEA settings{};
  // The structure as Windows 95 and NT 4 knew it, without the fields added since.
  settings.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  settings.lpstrFilter = kFilters;
  settings.nFilterIndex = 1;
  settings.lpstrFile = file;
  settings.nMaxFile = kPathBuffer;
  settings.lpstrFileTitle = title;
  settings.nMaxFileTitle = kPathBuffer;
  settings.Flags = OFN_CREATEPROMPT | OFN_HIDEREADONLY;
  settings.lpstrDefExt = "pdb";
  GetOpenFileNameA(&settings);
  if (file[0] == '\0') return std::nullopt;
  // The dialog makes the chosen folder current already; should one not, the text route must
  // still work there.
  std::error_code error;
  std::filesystem::current_path(std::filesystem::path(file).parent_path(), error);
  return std::string(file);
}

tListing openListing() {
  tListing listing(new tListingHandle{});
  listing->search = FindFirstFileA(".\\*", &listing->found);
  listing->pending = listing->search != INVALID_HANDLE_VALUE;
  if (!listing->pending && GetLastError() != ERROR_FILE_NOT_FOUND) return nullptr;
  return listing;
}

std::optional<std::string> nextListingEntry(tListingHandle& listing) {
  if (listing.search == INVALID_HANDLE_VALUE) return std::nullopt;
  if (!listing.pending && !FindNextFileA(listing.search, &listing.found)) return std::nullopt;
  listing.pending = false;
  return std::string(listing.found.cFileName);
}

}  // namespace platform
