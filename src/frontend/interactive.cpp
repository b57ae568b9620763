#include "frontend/interactive.h"

#include <filesystem>

#include "common/names.h"
#include "frontend/commandLine.h"
#include "frontend/textRoute.h"

namespace {

// A name typed without an extension that names no file means a database, as "pdb" is the
// dialog's default extension; not every dialog appends it itself.
std::string withDefaultExtension(std::string path) {
  if (!contains(baseNameOf(path), ".") && !std::filesystem::exists(path)) path += ".pdb";
  return path;
}

}  // namespace

tRunEnd runInteractive(tRun& run) {
  auto chosen = platform::chooseFileToOpen();
  if (!chosen) return kStatusFailed;
  chosen = withDefaultExtension(*chosen);
  if (namesDatabase(*chosen)) return convertDatabase(run, *chosen);
  return convertTextFile(run, *chosen);
}
