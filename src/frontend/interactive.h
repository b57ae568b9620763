#pragma once

#include "frontend/dispatch.h"

/// Shows the open-file dialog and converts the one file chosen, as a database when its path
/// names one and as a text file otherwise.
tRunEnd runInteractive(tRun& run);
