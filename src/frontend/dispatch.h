#pragma once
// What follows a conversion: deleting an intermediate, going on with the next entry of a
// directory listing, or ending the run, after a successful single conversion by handing the
// HDB file to the desktop.

#include <optional>
#include <string>

#include "convert/pdbToHdb.h"
#include "platform/platform.h"

struct tRun {
  std::optional<std::string> modeArgument;  // the first command-line argument
  std::string ownerText;
  platform::tListing listing;  // open while the run may go on over the current directory
};

/// The exit status when the run ends here, or nothing when it goes on with the next entry.
using tRunEnd = std::optional<int>;

/// Converts the database `displayPath` names, the book named after the database's own name.
tRunEnd convertDatabase(tRun& run, const std::string& displayPath);

/// `displayPath` names the converted input as the user gave it.
tRunEnd afterConversion(tRun& run, tConversionResult result, const std::string& displayPath);

tRunEnd finishConversion(tRun& run, const std::string& displayPath);

/// Hands the HDB file of `workName` to the desktop and ends the run.
int handOff(tRun& run);

tRunEnd afterInvalidDatabase(const tRun& run);

/// Ends the run when the listing of the current directory cannot be read.
int reportUnreadableDirectory();
