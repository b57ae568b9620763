#include "frontend/dispatch.h"

#include <cstdio>

#include "common/names.h"
#include "frontend/commandLine.h"

tRunEnd convertDatabase(tRun& run, const std::string& displayPath) {
  workName = displayPath;
  return afterConversion(run, pdbToHdb(displayPath, false, run.ownerText), displayPath);
}

tRunEnd afterConversion(tRun& run, tConversionResult result, const std::string& displayPath) {
  switch (result) {
    case tConversionResult::converted:
      return finishConversion(run, displayPath);
    case tConversionResult::invalidDatabase:
      return afterInvalidDatabase(run);
    case tConversionResult::inputMissing:
    case tConversionResult::outputFailed:
      break;
  }
  return kStatusFailed;
}

tRunEnd finishConversion(tRun& run, const std::string& displayPath) {
  // A name with "pdb" in it may be the user's own database, so it is never deleted.
  if (!contains(displayPath, "pdb") && !contains(displayPath, "PDB")) {
    std::remove(workName.c_str());
  }
  if (!run.modeArgument) return handOff(run);
  const std::string& argument = *run.modeArgument;
  if ((namesTextFile(argument) || namesDatabase(argument)) && !contains(argument, "palmall")) {
    return handOff(run);
  }
  return std::nullopt;
}

int handOff(tRun& run) {
  run.listing.reset();
  setThirdFromEnd(workName, 'h');
  std::fflush(stdout);
  platform::openWithShell(workName);
  return kStatusDone;
}

tRunEnd afterInvalidDatabase(const tRun& run) {
  // Only a run over a listing goes on; a file the user named alone ends the run.
  if (run.listing && (contains(*run.modeArgument, "*") || contains(*run.modeArgument, "all"))) {
    return std::nullopt;
  }
  return kStatusFailed;
}

int reportUnreadableDirectory() {
  std::printf("error: cannot read the current directory\r\n");
  return kStatusFailed;
}
