#include "program_run.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <csignal>
#include <fstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace tavro::bench {

ProgramRun::ProgramRun(const std::string& path) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  std::string program = path;
  char* argv[] = {program.data(), nullptr};
  started_ = Clock::now();
  const int failed = posix_spawn(&pid_, path.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (failed != 0) {
    pid_ = -1;
    throw std::runtime_error("cannot start " + path);
  }
}

ProgramRun::~ProgramRun() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  for (int i = 0; i < 200; ++i) {
    if (waitpid(pid_, nullptr, WNOHANG) == pid_) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
}

std::optional<long> ProgramRun::PeakResidentKiB() const {
  std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
  std::string word;
  while (status >> word) {
    if (word == "VmHWM:") {
      long kib = 0;
      if (status >> kib) return kib;
      return std::nullopt;
    }
  }
  return std::nullopt;
}

}  // namespace tavro::bench
