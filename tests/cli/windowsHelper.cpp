// A small Windows program of the tests' own, run under wine.
//   windowsHelper record <file>   the "open" command registered for ".hdb": appends <file> to
//                                 the record named by TREVANTO_HANDOFF_RECORD
//   windowsHelper list <folder>   prints the folder's entries in the order Windows lists them
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

int record(const char* file) {
  const char* record = std::getenv("TREVANTO_HANDOFF_RECORD");
  if (record == nullptr) return 2;
  // Written aside and moved into place, so that a reader never sees half a record.
  const std::string part = std::string(record) + ".part";
  std::FILE* out = std::fopen(part.c_str(), "ab");
  if (out == nullptr) return 2;
  std::fprintf(out, "%s\n", file);
  std::fclose(out);
  return MoveFileExA(part.c_str(), record, MOVEFILE_REPLACE_EXISTING) ? 0 : 2;
}

int list(const char* folder) {
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA((std::string(folder) + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return 2;
  do {
    std::printf("%s\n", found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "record") return record(argv[2]);
  if (argc == 3 && std::string(argv[1]) == "list") return list(argv[2]);
  std::fprintf(stderr, "usage: windowsHelper record <file> | list <folder>\n");
  return 2;
}
