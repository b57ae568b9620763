#pragma once
// The names that travel between the front end and the two conversions, and the rules that
// derive one name from another. Names are carried whole, whatever their length.

#include <string>
#include <string_view>

/// The file being converted. The conversion turns its third character from the end into 'h' to
/// name the output and back into 'p' afterwards, so that *book.pdb* and *book.hdb* share it.
extern std::string workName;

/// The stem of the text file on the text route, the book name of its HDB file.
extern std::string stemName;

/// The longest book name a database name field holds with its terminator.
inline constexpr std::size_t kBookNameLimit = 31;

bool contains(std::string_view text, std::string_view key);

/// Sets the third character from the end; names shorter than that stay as they are.
void setThirdFromEnd(std::string& name, char letter);

/// The part of `path` after its last folder separator, or all of it.
std::string_view baseNameOf(std::string_view path);

/// The folder part of `path`, separator included; empty for a name in the current directory.
std::string_view folderOf(std::string_view path);

/// The characters of `baseName` before its first '.'.
std::string_view stemOf(std::string_view baseName);

/// At most kBookNameLimit bytes of `stem`, cut before a UTF-8 sequence rather than through it.
std::string_view bookNameOf(std::string_view stem);
