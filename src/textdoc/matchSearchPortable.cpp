#include "textdoc/matchSearchPaths.h"

// Processors without SIMD paths of ours search eight positions at a time in 64-bit words.
void appendSimdSearchPaths(std::vector<tSearchPath>&) {}
