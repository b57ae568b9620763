#pragma once
// The directory batch: the entries of the current directory, in the order the system lists
// them, converted one after the other as the first argument selects them.

#include "frontend/dispatch.h"

/// Opens the listing of the current directory and converts its entries.
int runBatch(tRun& run);

/// Converts entries of the open listing until the run ends.
int continueBatch(tRun& run);

/// One entry of the listing: converted, skipped, or the end of the run.
tRunEnd nextEntry(tRun& run);
