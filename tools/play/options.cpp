#include "tools/play/options.h"

#include <charconv>
#include <set>
#include <string_view>

namespace play {

namespace {

struct ValueOption {
  std::string_view name;
  std::string PlayOptions::*field;
};

constexpr ValueOption kValueOptions[] = {
    {"--data", &PlayOptions::data},     {"--save", &PlayOptions::save},
    {"--script", &PlayOptions::script}, {"--shots", &PlayOptions::shots},
    {"--log", &PlayOptions::log},       {"--instance-dir", &PlayOptions::instanceDir},
    {"--audio", &PlayOptions::audio},   {"--start", &PlayOptions::start},
    {"--date", &PlayOptions::date},     {"--slot", &PlayOptions::slot},
    {"--flags", &PlayOptions::flags},
};

}  // namespace

std::optional<PlayOptions> ParseOptions(const std::vector<std::string>& args, std::string* error) {
  PlayOptions options;
  std::set<std::string, std::less<>> seen;
  const auto fail = [&](std::string message) -> std::optional<PlayOptions> {
    if (error != nullptr) *error = std::move(message);
    return std::nullopt;
  };

  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
      return options;
    }
    if (arg == "--list" || arg == "--demo") {
      bool& flag = arg == "--list" ? options.list : options.demo;
      if (flag) return fail(arg + " given twice");
      flag = true;
      continue;
    }
    std::string name = arg;
    std::optional<std::string> value;
    if (const std::size_t eq = arg.find('='); arg.starts_with("--") && eq != std::string::npos) {
      name = arg.substr(0, eq);
      value = arg.substr(eq + 1);
    }

    const bool isMaxFrames = name == "--max-frames";
    const ValueOption* option = nullptr;
    for (const ValueOption& candidate : kValueOptions) {
      if (candidate.name == name) option = &candidate;
    }
    if (option == nullptr && !isMaxFrames) {
      return fail(arg.starts_with("-") ? "unknown option '" + arg + "'"
                                       : "unexpected argument '" + arg + "'");
    }
    if (!value) {
      if (i + 1 >= args.size()) return fail(name + " needs a value");
      value = args[++i];
    }
    if (value->empty()) return fail(name + " needs a non-empty value");
    // A repeated option is almost always a mistake in a test command line.
    if (!seen.insert(name).second) return fail(name + " given twice");

    if (isMaxFrames) {
      std::uint64_t frames = 0;
      const char* end = value->data() + value->size();
      const auto [ptr, ec] = std::from_chars(value->data(), end, frames);
      if (ec != std::errc{} || ptr != end || frames == 0) {
        return fail("--max-frames needs a positive whole number, not '" + *value + "'");
      }
      options.maxFrames = frames;
    } else {
      options.*(option->field) = *value;
    }
  }
  if (options.start.empty() &&
      !(options.date.empty() && options.slot.empty() && options.flags.empty())) {
    return fail("--date, --slot and --flags go with --start");
  }
  return options;
}

std::string Usage() {
  return "usage: cellwright-play [options]\n"
         "Runs the game without a display: scripted input, JSON Lines event log.\n"
         "\n"
         "  --data DIR          the game's install folder (default: the current folder)\n"
         "  --save DIR          where saves go (default: a temporary folder removed at exit)\n"
         "  --script FILE       input script (default: no input)\n"
         "  --shots DIR         where `shot NAME` writes NAME.png (default: the current folder)\n"
         "  --log FILE          JSON Lines event log (default: standard output)\n"
         "  --audio FILE        write everything the game played, mixed, as a 16-bit\n"
         "                      stereo 44.1 kHz WAV file (default: none)\n"
         "  --max-frames N      stop with exit code 3 once past N frames of 32 ms\n"
         "                      (default: 100000)\n"
         "  --instance-dir DIR  lock and socket of the single-instance guard\n"
         "                      (default: a private temporary folder)\n"
         "  --list              print the archive members compiled into the program:\n"
         "                      archive, name (UTF-8), offset, size, tab-separated\n"
         "  --demo              play the demonstration scenes instead of the story\n"
         "  --start NAME        begin a new game in scenario NAME, without logo and\n"
         "                      title; the program ends with the game\n"
         "  --date MMDD         with --start: the date (725 to 830)\n"
         "  --slot N            with --start: the time slot (0 to 4, or 10)\n"
         "  --flags LIST        with --start: bytes of the game record, OFFSET=VALUE\n"
         "                      separated by commas (107=1,157=1)\n"
         "  --help              this text\n"
         "\n"
         "Exit codes: 0 normal, 1 another copy is running, 2 bad usage, 3 max frames.\n"
         "See docs/play.md for the script language and the log format.\n";
}

}  // namespace play
