#include "frontend/commandLine.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "common/names.h"

namespace {

constexpr std::array<std::string_view, 7> kAcceptedKeys = {"alltxt", "allpdb", ".txt", ".TXT",
                                                           ".pdb",   ".PDB",   "-h"};

constexpr const char kUsage[] =
    "\r\nTREVANTO V. 0.997:\r\n converts .txt files and .pdb files to .hdb files.\r\n\r\n"
    "Usage: \r\n"
    "   \"trevanto\"         for GUI mode. \r\n"
    "   \"trevanto <filename>\" for converting a single .txt file or .pdb file.\r\n"
    "   \"trevanto all\"     for converting all .txt and .pdb files in the current\r\n"
    "                       directory.\r\n"
    "   \"trevanto allpdb\"   for converting all .pdb files in the current directory.\r\n"
    "   \"trevanto alltxt\"   for converting all .txt files in the current directory.\r\n"
    "   \"trevanto <option> <owner>\"   for processing files and editing\r\n"
    "                       the owner field.\r\n"
    "   \"trevanto  -h\"     for  this option display.\r\n\r\n"
    "   Written by the trevanto developers.\r\n"
    "   Free to use, copy and share; it comes without any warranty.\r\n";

}  // namespace

bool passesSyntaxCheck(std::string_view argument) {
  return argument == "all" || std::any_of(kAcceptedKeys.begin(), kAcceptedKeys.end(),
                                          [&](auto key) { return contains(argument, key); });
}

void printUsage() {
  std::fputs(kUsage, stdout);
}

bool namesTextFile(std::string_view name) {
  return contains(name, ".txt") || contains(name, ".TXT");
}

bool namesDatabase(std::string_view name) {
  return contains(name, ".pdb") || contains(name, ".PDB");
}

tMode selectMode(const std::optional<std::string>& argument, bool namesAFile) {
  if (!argument) return tMode::interactive;
  const std::string& name = *argument;
  const bool namedFileWins = namesAFile && !contains(name, "*") && !contains(name, "palmall");
  if (namesTextFile(name) && (!contains(name, "alltxt") || namedFileWins)) {
    return tMode::singleTextFile;
  }
  if (namesDatabase(name) && ((!contains(name, "*") && !contains(name, "all")) || namedFileWins)) {
    return tMode::singleDatabase;
  }
  return tMode::batch;
}
