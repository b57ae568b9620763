#include "convert/pdbToHdb.h"

#include <cstdio>

#include "common/byteSource.h"
#include "common/fileIo.h"
#include "common/names.h"
#include "convert/hdbWriter.h"

namespace {

tConversionResult reportInvalid(const std::string& displayPath) {
  std::printf("error: invalid .pdb file %s\r\n", displayPath.c_str());
  return tConversionResult::invalidDatabase;
}

}  // namespace

tConversionResult pdbToHdb(const std::string& displayPath, bool useStemName,
                           std::string_view ownerText) {
  const auto database = openByteSource(workName);
  if (!database) {
    std::printf("error: file not found\r\n");
    return tConversionResult::inputMissing;
  }
  setThirdFromEnd(workName, 'h');
  std::optional<std::string_view> bookName;
  if (useStemName) bookName = bookNameOf(stemName);
  const auto source = prepareHdb(*database, bookName, ownerText);
  if (!source) return reportInvalid(displayPath);
  bool databaseCutShort = false;
  const bool written = writeFileReplacing(workName, [&](const tByteSink& sink) {
    databaseCutShort = !writeHdbImage(*source, sink);
    return !databaseCutShort;
  });
  if (databaseCutShort) return reportInvalid(displayPath);
  if (!written) {
    std::printf("error: output file not found\r\n");
    return tConversionResult::outputFailed;
  }
  std::printf("%s created.\r\n", workName.c_str());
  setThirdFromEnd(workName, 'p');
  return tConversionResult::converted;
}
