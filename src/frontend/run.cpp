#include "frontend/run.h"

#include <cstdio>

#include "common/names.h"
#include "frontend/commandLine.h"
#include "frontend/dispatch.h"
#include "frontend/textRoute.h"

namespace {

tRun startRun(std::span<char* const> arguments) {
  tRun run;
  if (!arguments.empty()) run.modeArgument = arguments[0];
  run.ownerText = arguments.size() >= 2 ? arguments[1] : "<";
  return run;
}

tRunEnd convertSingleDatabase(tRun& run) {
  const std::string displayPath = *run.modeArgument;
  workName = displayPath;
  return afterConversion(run, pdbToHdb(displayPath, false, run.ownerText), displayPath);
}

tRunEnd notYetAvailable() {
  std::printf("error: this mode is not available yet\r\n");
  return kStatusFailed;
}

tRunEnd runMode(tRun& run) {
  switch (selectMode(run.modeArgument)) {
    case tMode::singleDatabase:
      return convertSingleDatabase(run);
    case tMode::singleTextFile:
      return convertSingleTextFile(run);
    case tMode::interactive:
    case tMode::batch:
      break;
  }
  return notYetAvailable();
}

}  // namespace

int runTrevanto(std::span<char* const> arguments) {
  tRun run = startRun(arguments);
  if (run.modeArgument && !passesSyntaxCheck(*run.modeArgument)) {
    std::printf("\r\n Your command syntax is incorrect.\r\n");
    printUsage();
    return kStatusFailed;
  }
  if (run.modeArgument && contains(*run.modeArgument, "-h")) {
    printUsage();
    return kStatusFailed;
  }
  return runMode(run).value_or(kStatusDone);
}
