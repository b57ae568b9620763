#pragma once
// A fresh directory for each test that touches files. The test runs inside it, because the
// program writes into the current directory; it is removed when the test passes and kept for
// a look when it fails.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/pdbBuilder.h"

class tScratchDirectory : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  static void writeFile(const std::string& name, const tTestBytes& bytes);
  static tTestBytes readFile(const std::string& name);
  static bool exists(const std::string& name);
  /// The names in the directory, sorted.
  static std::vector<std::string> listing();

  std::filesystem::path directory_;

 private:
  std::filesystem::path previous_;
};
