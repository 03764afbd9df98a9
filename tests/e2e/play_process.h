// cellwright-play as a child process, and the lines of its log.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/files.h"

extern char** environ;

namespace e2e {

// stdout and stderr go to files. Killed if still running when dropped, so a
// failing test never leaves it behind.
class Process {
 public:
  Process(const std::vector<std::string>& args, const std::string& outPath,
          const std::string& errPath, std::vector<std::string> env) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    for (char** e = environ; *e != nullptr; ++e) env.emplace_back(*e);  // the first one wins
    std::vector<char*> argv;
    std::vector<char*> envp;
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    for (const std::string& entry : env) envp.push_back(const_cast<char*>(entry.c_str()));
    argv.push_back(nullptr);
    envp.push_back(nullptr);
    if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
  }
  ~Process() { Kill(); }
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  // The exit code; nullopt when it did not exit normally within the time.
  std::optional<int> Wait(std::chrono::seconds limit = std::chrono::seconds(30)) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    if (pid_ <= 0) return std::nullopt;
    int status = 0;
    pid_t done = 0;
    while ((done = waitpid(pid_, &status, WNOHANG)) == 0) {
      if (std::chrono::steady_clock::now() > deadline) return std::nullopt;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (done != pid_ || !WIFEXITED(status)) return std::nullopt;
    pid_ = 0;
    return WEXITSTATUS(status);
  }

  void Kill() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = 0;
  }

 private:
  pid_t pid_ = -1;
};

// The complete lines of a log that may still be being written.
inline std::vector<std::string> LogLines(const std::string& path) {
  std::istringstream in(cellwright_test::ReadBytes(path));
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line) && !in.eof();) lines.push_back(line);
  return lines;
}

}  // namespace e2e
