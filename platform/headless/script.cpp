#include "platform/headless/script.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>
#include <vector>

#include "platform/system.h"

namespace platform::headless {

namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsSpace(line[i])) ++i;
    const std::size_t start = i;
    while (i < line.size() && !IsSpace(line[i])) ++i;
    if (i > start) words.push_back(line.substr(start, i - start));
  }
  return words;
}

std::optional<std::int64_t> Number(std::string_view word, std::int64_t low, std::int64_t high) {
  std::int64_t value = 0;
  const char* end = word.data() + word.size();
  const auto [ptr, ec] = std::from_chars(word.data(), end, value);
  if (ec != std::errc{} || ptr != end || value < low || value > high) return std::nullopt;
  return value;
}

std::optional<Key> KeyNamed(std::string_view name) {
  if (name == "enter") return Key::Enter;
  if (name == "escape") return Key::Escape;
  if (name == "up") return Key::Up;
  if (name == "down") return Key::Down;
  if (name == "left") return Key::Left;
  if (name == "right") return Key::Right;
  if (name == "ctrl") return Key::Control;
  return std::nullopt;
}

std::optional<BoxAnswer> AnswerNamed(std::string_view name) {
  if (name == "ok") return BoxAnswer::Ok;
  if (name == "yes") return BoxAnswer::Yes;
  if (name == "no") return BoxAnswer::No;
  if (name == "abort") return BoxAnswer::Abort;
  if (name == "retry") return BoxAnswer::Retry;
  if (name == "ignore") return BoxAnswer::Ignore;
  return std::nullopt;
}

// Shot names become file names: no folders, no hidden files.
bool IsShotName(std::string_view name) {
  if (name.empty() || name.front() == '.') return false;
  for (const char c : name) {
    const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                    c == '_' || c == '-' || c == '.';
    if (!ok) return false;
  }
  return true;
}

struct Syntax {
  std::string_view word;
  CommandKind kind;
  std::size_t arguments;
  std::string_view usage;
};

constexpr Syntax kSyntax[] = {
    {"frames", CommandKind::Frames, 1, "frames N"},
    {"move", CommandKind::Move, 2, "move X Y"},
    {"click", CommandKind::Click, 2, "click X Y"},
    {"rclick", CommandKind::RightClick, 2, "rclick X Y"},
    {"key", CommandKind::KeyPress, 1, "key NAME"},
    {"hold", CommandKind::Hold, 1, "hold NAME"},
    {"release", CommandKind::Release, 1, "release NAME"},
    {"close", CommandKind::Close, 0, "close"},
    {"answer", CommandKind::Answer, 1, "answer BUTTON"},
    {"shot", CommandKind::Shot, 1, "shot NAME"},
    {"deactivate", CommandKind::Deactivate, 0, "deactivate"},
    {"activate", CommandKind::Activate, 0, "activate"},
    {"page", CommandKind::Page, 0, "page"},
    {"choose", CommandKind::Choose, 1, "choose N"},
    {"until-page", CommandKind::UntilPage, 0, "until-page"},
    {"until-choice", CommandKind::UntilChoice, 0, "until-choice"},
    {"until-screen", CommandKind::UntilScreen, 1, "until-screen NAME"},
    {"click-rel", CommandKind::ClickRel, 2, "click-rel DX DY"},
};

// Fills command from the words after the command word; an error text otherwise.
std::string ParseArguments(const std::vector<std::string_view>& words, Command& command) {
  const auto quoted = [](std::string_view s) { return "'" + std::string(s) + "'"; };
  switch (command.kind) {
    case CommandKind::Frames: {
      // A bound far past any run keeps N * 32 ms well inside 64 bits.
      const auto n = Number(words[1], 0, 1'000'000'000);
      if (!n) return "bad frame count " + quoted(words[1]) + " (0 to 1000000000)";
      command.a = *n;
      return {};
    }
    case CommandKind::Move:
    case CommandKind::Click:
    case CommandKind::RightClick: {
      const auto x = Number(words[1], 0, kScreenWidth - 1);
      if (!x) return "bad x " + quoted(words[1]) + " (0 to 639)";
      const auto y = Number(words[2], 0, kScreenHeight - 1);
      if (!y) return "bad y " + quoted(words[2]) + " (0 to 479)";
      command.a = *x;
      command.b = *y;
      return {};
    }
    case CommandKind::KeyPress:
    case CommandKind::Hold:
    case CommandKind::Release: {
      const auto key = KeyNamed(words[1]);
      if (!key) {
        return "unknown key " + quoted(words[1]) +
               " (enter, escape, up, down, left, right or ctrl)";
      }
      command.a = static_cast<std::int64_t>(*key);
      return {};
    }
    case CommandKind::Answer: {
      const auto answer = AnswerNamed(words[1]);
      if (!answer) {
        return "unknown answer " + quoted(words[1]) + " (yes, no, ok, abort, retry or ignore)";
      }
      command.a = static_cast<std::int64_t>(*answer);
      return {};
    }
    case CommandKind::Shot:
      if (!IsShotName(words[1])) {
        return "bad shot name " + quoted(words[1]) +
               " (letters, digits, '_', '-', '.'; not starting with '.')";
      }
      command.name = std::string(words[1]);
      return {};
    case CommandKind::UntilScreen:
      if (!IsShotName(words[1])) return "bad screen name " + quoted(words[1]);
      command.name = std::string(words[1]);
      return {};
    case CommandKind::ClickRel: {
      const auto dx = Number(words[1], -(kScreenWidth - 1), kScreenWidth - 1);
      if (!dx) return "bad dx " + quoted(words[1]) + " (-639 to 639)";
      const auto dy = Number(words[2], -(kScreenHeight - 1), kScreenHeight - 1);
      if (!dy) return "bad dy " + quoted(words[2]) + " (-479 to 479)";
      command.a = *dx;
      command.b = *dy;
      return {};
    }
    case CommandKind::Choose: {
      // The game shows at most three lines of choices at once.
      const auto n = Number(words[1], 1, 3);
      if (!n) return "bad choice " + quoted(words[1]) + " (1 to 3)";
      command.a = *n;
      return {};
    }
    case CommandKind::Close:
    case CommandKind::Deactivate:
    case CommandKind::Activate:
    case CommandKind::Page:
    case CommandKind::UntilPage:
    case CommandKind::UntilChoice:
      return {};
  }
  return "unhandled command";
}

// One command from its words; an error text otherwise.
std::string ParseCommand(const std::vector<std::string_view>& words, Command& command) {
  const Syntax* syntax = nullptr;
  for (const Syntax& candidate : kSyntax) {
    if (candidate.word == words[0]) syntax = &candidate;
  }
  if (syntax == nullptr) return "unknown command '" + std::string(words[0]) + "'";
  if (words.size() != syntax->arguments + 1) {
    return "'" + std::string(syntax->word) + "' takes " + std::to_string(syntax->arguments) +
           " argument" + (syntax->arguments == 1 ? "" : "s") + " (" + std::string(syntax->usage) +
           ")";
  }
  command.kind = syntax->kind;
  return ParseArguments(words, command);
}

}  // namespace

std::optional<Script> ParseScript(std::string_view text, std::string* error) {
  Script script;
  int lineNumber = 0;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    const std::size_t eol = text.find('\n', pos);
    std::string_view line =
        text.substr(pos, eol == std::string_view::npos ? std::string_view::npos : eol - pos);
    pos = eol == std::string_view::npos ? text.size() + 1 : eol + 1;
    ++lineNumber;
    if (const std::size_t hash = line.find('#'); hash != std::string_view::npos) {
      line = line.substr(0, hash);
    }
    for (std::size_t part = 0; part <= line.size();) {
      const std::size_t semicolon = std::min(line.find(';', part), line.size());
      const std::vector<std::string_view> words = Words(line.substr(part, semicolon - part));
      part = semicolon + 1;
      if (words.empty()) continue;
      Command command;
      command.line = lineNumber;
      if (std::string message = ParseCommand(words, command); !message.empty()) {
        if (error != nullptr) *error = "line " + std::to_string(lineNumber) + ": " + message;
        return std::nullopt;
      }
      script.push_back(std::move(command));
    }
  }
  return script;
}

}  // namespace platform::headless
