#include "x_server.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace tavro::bench {

namespace {

constexpr int kStartTimeoutMs = 10000;

// Reads the display number Xvfb writes, up to its newline.
std::string ReadDisplayNumber(int fd) {
  std::string number;
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(kStartTimeoutMs);
  while (true) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return {};
    pollfd watched{fd, POLLIN, 0};
    const int ready = poll(&watched, 1, static_cast<int>(left.count()));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return {};
    char c = 0;
    const ssize_t got = read(fd, &c, 1);
    if (got <= 0) return {};
    if (c == '\n') return number;
    number.push_back(c);
  }
}

}  // namespace

XServer::XServer() {
  int pipe_fds[2];
  if (pipe2(pipe_fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  const int write_end = pipe_fds[1];

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  // The write end reaches Xvfb as descriptor 3, without close-on-exec.
  posix_spawn_file_actions_adddup2(&actions, write_end, 3);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  std::vector<std::string> words{"Xvfb", "-displayfd",  "3",         "-screen",
                                 "0",    "1024x768x24", "-nolisten", "tcp"};
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  const int failed = posix_spawnp(&pid_, "Xvfb", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(write_end);
  if (failed != 0) {
    close(pipe_fds[0]);
    pid_ = -1;
    throw std::runtime_error("cannot start Xvfb (package xvfb)");
  }
  const std::string number = ReadDisplayNumber(pipe_fds[0]);
  close(pipe_fds[0]);
  if (number.empty()) {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
    throw std::runtime_error("Xvfb did not report a display");
  }
  display_ = ":" + number;
}

XServer::~XServer() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
}

}  // namespace tavro::bench
