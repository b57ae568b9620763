#include "frontend/interactive.h"

#include "frontend/commandLine.h"
#include "frontend/textRoute.h"

tRunEnd runInteractive(tRun& run) {
  const auto chosen = platform::chooseFileToOpen();
  if (!chosen) return kStatusFailed;
  if (namesDatabase(*chosen)) return convertDatabase(run, *chosen);
  return convertTextFile(run, *chosen);
}
