#pragma once

#include <string>
#include <string_view>

enum class tConversionResult { converted, inputMissing, invalidDatabase, outputFailed };

/// Converts the database that `workName` names into the HDB file beside it, whose name is
/// `workName` with 'h' as its third character from the end, and prints what happened.
/// `displayPath` names the input in the invalid-database message. With `useStemName` the book
/// is named after `stemName`, else after the database's own name. After `converted`,
/// `workName` names the database again; after the other results it keeps its 'h'.
tConversionResult pdbToHdb(const std::string& displayPath, bool useStemName,
                           std::string_view ownerText);
