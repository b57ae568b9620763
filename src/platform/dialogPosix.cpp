// The open-file dialog on POSIX systems: zenity or kdialog where a display is present, else a
// prompt on the terminal itself, so that standard output keeps only the program's messages.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

extern char** environ;

namespace platform {
namespace {

enum class tDialogOutcome { unavailable, cancelled, chosen };

struct tDialogAnswer {
  tDialogOutcome outcome = tDialogOutcome::unavailable;
  std::string path;
};

tDialogAnswer chosenOrCancelled(std::string path) {
  while (!path.empty() && (path.back() == '\n' || path.back() == '\r')) path.pop_back();
  if (path.empty()) return {tDialogOutcome::cancelled, {}};
  return {tDialogOutcome::chosen, path};
}

bool displayPresent() {
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

std::string readAll(int fd) {
  std::string text;
  char buffer[4096];
  for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) > 0;) {
    text.append(buffer, static_cast<std::size_t>(got));
  }
  return text;
}

// Runs a dialog program and takes the path it prints; its other output goes nowhere.
tDialogAnswer askProgram(std::vector<std::string> arguments) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
  std::vector<char*> argv;
  for (auto& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  pid_t child = 0;
  const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);
  if (spawned != 0) {
    close(pipeEnds[0]);
    return {};
  }
  std::string path = readAll(pipeEnds[0]);
  close(pipeEnds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return {tDialogOutcome::cancelled, {}};
  return chosenOrCancelled(path);
}

tDialogAnswer askZenity() {
  return askProgram({"zenity", "--file-selection", "--title=trevanto",
                     "--file-filter=Text Document Files (*.txt) | *.txt",
                     "--file-filter=Palm Documents (*.pdb) | *.pdb",
                     "--file-filter=All Files (*.*) | *"});
}

tDialogAnswer askKdialog() {
  return askProgram({"kdialog", "--title", "trevanto", "--getopenfilename", ".",
                     "*.txt|Text Document Files (*.txt)\n*.pdb|Palm Documents (*.pdb)\n"
                     "*|All Files (*.*)"});
}

tDialogAnswer askTerminal() {
  const int tty = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (tty < 0) return {};
  const std::string prompt = "trevanto: file to convert (empty to cancel): ";
  if (write(tty, prompt.data(), prompt.size()) < 0) {
    close(tty);
    return {};
  }
  std::string line;
  for (char c; read(tty, &c, 1) == 1 && c != '\n';) line += c;
  close(tty);
  return chosenOrCancelled(line);
}

tDialogAnswer askUser() {
  if (displayPresent()) {
    for (auto ask : {askZenity, askKdialog}) {
      const tDialogAnswer answer = ask();
      if (answer.outcome != tDialogOutcome::unavailable) return answer;
    }
  }
  return askTerminal();
}

}  // namespace

std::optional<std::string> chooseFileToOpen() {
  const tDialogAnswer answer = askUser();
  if (answer.outcome != tDialogOutcome::chosen) return std::nullopt;
  std::error_code error;
  const std::filesystem::path path = std::filesystem::absolute(answer.path, error);
  if (error) return std::nullopt;
  // As the Windows dialog does, the chosen file's folder becomes the current directory. When
  // that folder does not exist, the conversion finds no file there.
  std::filesystem::current_path(path.parent_path(), error);
  return path.string();
}

}  // namespace platform
