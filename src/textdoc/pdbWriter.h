#pragma once
// Writing a text file as a PalmDoc database: record 0, then one compressed record per block of
// 4096 bytes of text, each block cleaned and compressed by itself.

#include <cstdint>
#include <cstdio>
#include <string>

#include "textdoc/matchSearch.h"

/// The most text the 16-bit record counts can hold: 65534 records of 4096 bytes.
inline constexpr std::uint64_t kLargestText = 65534ull * 4096;

enum class tTextResult { written, refused };

/// Writes the text file `fileName` as the database named by `workName`: the stem of its base
/// name followed by ".pdb", in the current directory; `stemName` receives the stem. Refuses,
/// with a message and without touching any file, a text larger than kLargestText and a text
/// whose database name is taken, since that file is not ours to overwrite. When the text cannot
/// be opened or the database cannot be written, the process ends with status 2 and no
/// database is left behind.
tTextResult textToPdb(const std::string& fileName);

/// Writes the database of the text in `text`, measured at `textSize` bytes, into `database`,
/// which is named `databaseName` and is closed afterwards. A text that yields fewer bytes than
/// measured gives a database of the records written, its counts lowered to match. The name
/// field holds the book name of `stemName`; selectByteOrder must have succeeded. The blocks are
/// compressed with the search `find`.
void writeTextDatabase(std::FILE* text, std::uint64_t textSize, std::FILE* database,
                       const std::string& databaseName, tMatchFinder find = fastestSearch());
