// Runs cellwright-play as a child process and reads its JSON Lines log.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace e2e {

// One log line: every value as text (strings unescaped, numbers and booleans as written).
using Event = std::map<std::string, std::string>;

namespace detail {

inline void AppendUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// A JSON string starting at text[i] == '"'; i ends after the closing quote.
inline std::optional<std::string> ParseString(const std::string& text, std::size_t& i) {
  std::string out;
  ++i;
  while (i < text.size() && text[i] != '"') {
    if (text[i] != '\\') {
      out += text[i++];
      continue;
    }
    if (++i >= text.size()) return std::nullopt;
    const char c = text[i++];
    switch (c) {
      case '"':
        out += '"';
        break;
      case '\\':
        out += '\\';
        break;
      case '/':
        out += '/';
        break;
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      case 't':
        out += '\t';
        break;
      case 'b':
        out += '\b';
        break;
      case 'f':
        out += '\f';
        break;
      case 'u': {
        if (i + 4 > text.size()) return std::nullopt;
        AppendUtf8(out, static_cast<std::uint32_t>(std::stoul(text.substr(i, 4), nullptr, 16)));
        i += 4;
        break;
      }
      default:
        return std::nullopt;
    }
  }
  if (i >= text.size()) return std::nullopt;
  ++i;
  return out;
}

// A list of strings or numbers at text[i] == '['; its items joined by line feeds.
inline std::optional<std::string> ParseList(const std::string& text, std::size_t& i) {
  std::string out;
  ++i;
  for (bool first = true; i < text.size() && text[i] != ']'; first = false) {
    if (!first) {
      if (text[i] != ',') return std::nullopt;
      ++i;
      out += '\n';
    }
    if (i < text.size() && text[i] == '"') {
      const auto item = ParseString(text, i);
      if (!item) return std::nullopt;
      out += *item;
    } else {
      const std::size_t end = text.find_first_of(",]", i);
      if (end == std::string::npos || end == i) return std::nullopt;
      out += text.substr(i, end - i);
      i = end;
    }
  }
  if (i >= text.size()) return std::nullopt;
  ++i;
  return out;
}

}  // namespace detail

// A flat JSON object, as the log writes them (lists as their items joined by
// line feeds); nullopt for anything else.
inline std::optional<Event> ParseEvent(const std::string& line) {
  Event event;
  std::size_t i = 0;
  if (line.empty() || line[i++] != '{') return std::nullopt;
  while (i < line.size() && line[i] != '}') {
    if (line[i] != '"') return std::nullopt;
    const auto key = detail::ParseString(line, i);
    if (!key || i >= line.size() || line[i++] != ':' || i >= line.size()) return std::nullopt;
    if (line[i] == '"') {
      const auto value = detail::ParseString(line, i);
      if (!value) return std::nullopt;
      event[*key] = *value;
    } else if (line[i] == '[') {
      const auto value = detail::ParseList(line, i);
      if (!value) return std::nullopt;
      event[*key] = *value;
    } else {
      const std::size_t end = line.find_first_of(",}", i);
      if (end == std::string::npos || end == i) return std::nullopt;
      event[*key] = line.substr(i, end - i);
      i = end;
    }
    if (i < line.size() && line[i] == ',') ++i;
  }
  if (i + 1 != line.size()) return std::nullopt;
  return event;
}

// Every complete line of the log; a line that is not a flat JSON object fails the
// caller's check through *bad.
inline std::vector<Event> ReadLog(const std::string& path, std::string* bad = nullptr) {
  std::vector<Event> events;
  std::ifstream in(path, std::ios::binary);
  std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::istringstream lines(all);
  for (std::string line; std::getline(lines, line);) {
    if (lines.eof() && all.back() != '\n') break;  // still being written
    if (auto event = ParseEvent(line)) {
      events.push_back(std::move(*event));
    } else if (bad != nullptr) {
      *bad = line;
    }
  }
  return events;
}

// The events of one kind, in order.
inline std::vector<Event> EventsOf(const std::vector<Event>& events, const std::string& kind) {
  std::vector<Event> found;
  for (const Event& event : events) {
    if (event.at("event") == kind) found.push_back(event);
  }
  return found;
}

inline std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A child process with stdout and stderr in files. Killed if still running when
// dropped, so a failing test never leaves it behind.
class Process {
 public:
  Process(const std::vector<std::string>& args, const std::string& outPath,
          const std::string& errPath, const std::vector<std::string>& extraEnv = {}) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<std::string> env = extraEnv;
    for (char** e = environ; *e != nullptr; ++e) env.emplace_back(*e);  // first one wins
    std::vector<char*> argv;
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& entry : env) envp.push_back(const_cast<char*>(entry.c_str()));
    envp.push_back(nullptr);
    if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
  }

  ~Process() {
    if (pid_ > 0 && !status_) {
      kill(pid_, SIGKILL);
      int status = 0;
      waitpid(pid_, &status, 0);
    }
  }

  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  bool Started() const { return pid_ > 0; }

  // The exit code, or nullopt when it did not exit normally within the time.
  std::optional<int> Wait(std::chrono::seconds limit = std::chrono::seconds(30)) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!status_ && pid_ > 0) {
      int status = 0;
      const pid_t done = waitpid(pid_, &status, WNOHANG);
      if (done == pid_) {
        status_ = status;
        break;
      }
      if (done < 0 || std::chrono::steady_clock::now() > deadline) return std::nullopt;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (!status_ || !WIFEXITED(*status_)) return std::nullopt;
    return WEXITSTATUS(*status_);
  }

  void Kill() {
    if (pid_ > 0 && !status_) {
      kill(pid_, SIGKILL);
      int status = 0;
      waitpid(pid_, &status, 0);
      status_ = status;
    }
  }

 private:
  pid_t pid_ = -1;
  std::optional<int> status_;
};

}  // namespace e2e
