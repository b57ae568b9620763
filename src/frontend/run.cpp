#include "frontend/run.h"

#include <cstdio>

#include "common/byteSource.h"
#include "common/names.h"
#include "frontend/batch.h"
#include "frontend/commandLine.h"
#include "frontend/dispatch.h"
#include "frontend/interactive.h"
#include "frontend/textRoute.h"

namespace {

tRun startRun(std::span<char* const> arguments) {
  tRun run;
  if (!arguments.empty()) run.modeArgument = arguments[0];
  run.ownerText = arguments.size() >= 2 ? arguments[1] : "<";
  return run;
}

bool namesAFile(const std::optional<std::string>& argument) {
  return argument && openByteSource(*argument).has_value();
}

tRunEnd runMode(tRun& run) {
  switch (selectMode(run.modeArgument, namesAFile(run.modeArgument))) {
    case tMode::interactive:
      return runInteractive(run);
    case tMode::singleTextFile:
      return convertSingleTextFile(run);
    case tMode::singleDatabase:
      return convertDatabase(run, *run.modeArgument);
    case tMode::batch:
      return runBatch(run);
  }
  return kStatusFailed;
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
  const tRunEnd end = runMode(run);
  return end ? *end : continueBatch(run);
}
