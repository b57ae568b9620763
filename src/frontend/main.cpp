#include <cstdio>
#include <span>

#include "frontend/run.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
  platform::prepareConsole();
  const int status =
      runTrevanto(std::span<char* const>(argv + 1, static_cast<std::size_t>(argc - 1)));
  std::fflush(stdout);
  return status;
}
