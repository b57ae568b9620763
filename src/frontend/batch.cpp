#include "frontend/batch.h"

#include <cstdio>

#include "common/names.h"
#include "frontend/commandLine.h"
#include "frontend/textRoute.h"

int runBatch(tRun& run) {
  run.listing = platform::openListing();
  if (!run.listing) return reportUnreadableDirectory();
  return continueBatch(run);
}

int continueBatch(tRun& run) {
  for (;;) {
    if (const tRunEnd end = nextEntry(run)) return *end;
  }
}

tRunEnd nextEntry(tRun& run) {
  const auto entry = platform::nextListingEntry(*run.listing);
  if (!entry) return kStatusDone;
  const std::string& argument = *run.modeArgument;
  if (!contains(argument, "alltxt") && namesDatabase(*entry)) return convertDatabase(run, *entry);
  // "allpdb" and "alltxt" contain "all" as well: only an argument without "all" stops here.
  if (!contains(argument, "all")) {
    run.listing.reset();
    return kStatusDone;
  }
  if (namesTextFile(*entry) && !contains(argument, "allpdb")) return convertTextFile(run, *entry);
  return std::nullopt;
}
