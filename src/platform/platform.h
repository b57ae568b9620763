#pragma once
// Every call into the operating system that the standard library does not cover goes through
// this header; platformPosix.cpp and platformWindows.cpp each implement all of it, and the
// build links exactly one of them. Nothing here carries an operating system type.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

namespace platform {

/// Makes standard output pass bytes through untranslated: the messages carry their own "\r\n".
void prepareConsole();

/// True for the characters that end a folder name: '/' everywhere, '\' too on Windows.
bool isPathSeparator(char c);

/// The size of the regular file open in `stream`; nothing for a folder or any other kind.
std::optional<std::uint64_t> regularFileSize(std::FILE* stream);

/// Moves `stream` to `offset`, which may lie beyond what a `long` holds.
bool seekTo(std::FILE* stream, std::uint64_t offset);

enum class tCreateResult { created, alreadyExists, failed };

/// Creates `path` for binary writing only when no file of that name exists, in one step, so
/// that a file this run did not create is never emptied.
tCreateResult createNewFile(const std::string& path, std::FILE*& stream);

/// Moves `from` over `to`, replacing a file of that name as one step where the system allows.
bool replaceFile(const std::string& from, const std::string& to);

/// Hands `path` to the desktop's "open" action without waiting; what the desktop makes of it
/// does not concern the caller.
void openWithShell(const std::string& path);

/// The modal open-file dialog, offering text files first, then Palm documents, then all files,
/// with "pdb" as the default extension. Returns the chosen file's full path, with the chosen
/// file's folder made the current directory, or nothing when the user cancelled or no dialog
/// could be shown.
std::optional<std::string> chooseFileToOpen();

struct tListingHandle;
struct tListingCloser {
  void operator()(tListingHandle* listing) const;
};
/// An open listing of the current directory, in the system's own order, "." and ".." included
/// where the system lists them.
using tListing = std::unique_ptr<tListingHandle, tListingCloser>;

/// Opens the listing of the current directory; empty when it cannot be read.
tListing openListing();

/// The next entry's name, or nothing at the end of the listing.
std::optional<std::string> nextListingEntry(tListingHandle& listing);

}  // namespace platform
