#include "support/scratchDirectory.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

void tScratchDirectory::SetUp() {
  const auto* test = testing::UnitTest::GetInstance()->current_test_info();
  std::string leaf = std::string("trevanto-") + test->test_suite_name() + "-" + test->name();
  std::replace(leaf.begin(), leaf.end(), '/', '-');
  directory_ = fs::temp_directory_path() / leaf;
  fs::remove_all(directory_);
  fs::create_directories(directory_);
  previous_ = fs::current_path();
  fs::current_path(directory_);
}

void tScratchDirectory::TearDown() {
  fs::current_path(previous_);
  if (!HasFailure()) fs::remove_all(directory_);
}

void tScratchDirectory::writeFile(const std::string& name, const tTestBytes& bytes) {
  std::ofstream out(name, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

tTestBytes tScratchDirectory::readFile(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return tTestBytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool tScratchDirectory::exists(const std::string& name) {
  return fs::exists(name);
}

std::vector<std::string> tScratchDirectory::listing() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(".")) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}
