#pragma once
// Whole-file reads and safe whole-file writes, and the way a run ends from deep inside.

#include <cstdio>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

using tBytes = std::vector<unsigned char>;

struct tStreamCloser {
  void operator()(std::FILE* stream) const { std::fclose(stream); }
};
/// A stream that closes itself.
using tStream = std::unique_ptr<std::FILE, tStreamCloser>;

/// Takes a file's content piece by piece, in file order.
using tByteSink = std::function<void(std::span<const unsigned char>)>;

/// Writes what `produce` puts into its sink to a new file beside `path`, and moves that file
/// over `path` only once every byte is written and the file is closed, so that `path` is never
/// left partly written. `produce` returns false to give up. On failure or when it gives up,
/// nothing is left behind and `path` keeps what it had.
bool writeFileReplacing(const std::string& path,
                        const std::function<bool(const tByteSink&)>& produce);

/// Flushes standard output and ends the process with `status`.
[[noreturn]] void endProcess(int status);
