#pragma once
// Reading the command line: the syntax check, the usage text and the choice of the run's mode.
// Every key is a case-sensitive substring test; only "all" is compared with the whole argument.

#include <optional>
#include <string>
#include <string_view>

inline constexpr int kStatusDone = 0;
inline constexpr int kStatusFailed = 1;

bool passesSyntaxCheck(std::string_view argument);

void printUsage();

enum class tMode { interactive, singleTextFile, singleDatabase, batch };

/// `namesAFile` says whether the argument names an existing file: such a file is converted as
/// itself even when its name holds a key word of the directory batch, such as "all".
tMode selectMode(const std::optional<std::string>& argument, bool namesAFile);

bool namesTextFile(std::string_view name);
bool namesDatabase(std::string_view name);
