#include "frontend/textRoute.h"

#include <cstdio>

#include "common/byteSource.h"
#include "common/names.h"
#include "frontend/commandLine.h"
#include "textdoc/pdbWriter.h"

tRunEnd convertTextFile(tRun& run, const std::string& displayPath) {
  // A text refused before anything was written counts as an invalid database: a batch passes
  // over it.
  if (textToPdb(displayPath) == tTextResult::refused) return afterInvalidDatabase(run);
  return afterConversion(run, pdbToHdb(displayPath, true, run.ownerText), displayPath);
}

tRunEnd convertSingleTextFile(tRun& run) {
  const std::string displayPath = *run.modeArgument;
  if (!openByteSource(displayPath)) {
    std::printf("error: file not found\r\n");
    return kStatusFailed;
  }
  // Such an argument goes on over the directory once its own file is converted.
  if (contains(displayPath, "palmall")) {
    run.listing = platform::openListing();
    if (!run.listing) return reportUnreadableDirectory();
  }
  return convertTextFile(run, displayPath);
}
