#include "textdoc/matchSearchPaths.h"

void appendSimdSearchPaths(std::vector<tSearchPath>& paths) {
  __builtin_cpu_init();
  if (__builtin_cpu_supports("sse2")) paths.push_back({"sse2", findWithSse2});
  if (__builtin_cpu_supports("avx2")) paths.push_back({"avx2", findWithAvx2});
}
