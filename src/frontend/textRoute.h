#pragma once
// A text file goes through an intermediate PalmDoc database, named after the text's stem in
// the current directory, which is then converted like any other database.

#include <string>

#include "frontend/dispatch.h"

/// Converts the text file `displayPath` names; the book is named after its stem.
tRunEnd convertTextFile(tRun& run, const std::string& displayPath);

/// The text file named on the command line, after checking that it can be read.
tRunEnd convertSingleTextFile(tRun& run);
