// cellwright-explore: searches the story on the headless backend and reports
// what it reached; with --check, checks the story's sources statically.
#include <sys/stat.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "story/scenario_list.h"
#include "tools/explore/explorer.h"
#include "tools/explore/integrity.h"
#include "tools/explore/policy.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsage =
    "usage: cellwright-explore --data DIR --out DIR [--minutes N] [--seed N] [--heroine N]\n"
    "       cellwright-explore --check SOURCE_ROOT\n"
    "Plays the story headless and writes coverage.json, summary.txt and one\n"
    "replay script per ending (replays/NAME.txt, for cellwright-play --script)\n"
    "to --out. --check instead checks that every scenario, picture, sound, music\n"
    "and movie the story's sources name exists; exit 1 lists what does not.\n"
    "--heroine N (1-8 the routes, 9 the sisters together) spends the time\n"
    "that follows one heroine on her route alone: a writer's way to her ending.\n";

int Usage(const std::string& message) {
  std::cerr << "cellwright-explore: " << message << "\n" << kUsage;
  return 2;
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

int Check(const std::string& root) {
  explore::IntegrityInput input;
  input.storyFolder = (fs::path(root) / "story").string();
  input.manifestFolder = (fs::path(root) / "data" / "manifest").string();
  input.bible = ReadAll(fs::path(root) / "docs" / "story-bible.md");
  for (const scenario::ScenarioEntry* e = story::StoryScenarios; e->name != nullptr; ++e) {
    input.table.push_back(e->name);
  }
  const std::vector<std::string> problems = explore::CheckIntegrity(input);
  for (const std::string& problem : problems) std::cout << problem << "\n";
  std::cout << (problems.empty() ? "story integrity: no problems\n" : "");
  std::cout << "story text, characters by folder:\n";
  for (const auto& [folder, characters] : explore::TextSize(input.storyFolder)) {
    if (characters > 0)
      std::cout << "  " << (folder.empty() ? "." : folder) << " " << characters << "\n";
  }
  return problems.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::signal(SIGPIPE, SIG_IGN);
  explore::ExploreOptions options;
  std::string out;
  std::string check;
  const std::vector<std::string> args(argv + 1, argv + argc);
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    }
    if (i + 1 >= args.size())
      return Usage(arg == "--data" || arg == "--out" ? arg + " needs a value"
                                                     : "unknown argument " + arg);
    const std::string& value = args[++i];
    char* end = nullptr;
    if (arg == "--data") {
      options.folders.data = fs::absolute(value).lexically_normal().string();
      if (options.folders.data.back() != '/') options.folders.data += '/';
    } else if (arg == "--out") {
      out = value;
    } else if (arg == "--check") {
      check = value;
    } else if (arg == "--minutes") {
      options.minutes = std::strtod(value.c_str(), &end);
      if (*end != '\0' || options.minutes <= 0) return Usage("--minutes needs a number above 0");
    } else if (arg == "--heroine") {
      options.heroine = static_cast<int>(std::strtol(value.c_str(), &end, 10));
      if (*end != '\0' || options.heroine < 1 || options.heroine > explore::kHeroines) {
        return Usage("--heroine needs a number from 1 to 9");
      }
    } else if (arg == "--seed") {
      options.seed = static_cast<std::uint32_t>(std::strtoul(value.c_str(), &end, 10));
      if (*end != '\0') return Usage("--seed needs a whole number");
    } else {
      return Usage("unknown option " + arg);
    }
  }
  if (!check.empty()) return Check(check);
  if (options.folders.data.empty() || out.empty()) return Usage("--data and --out are needed");

  std::string pattern = (fs::temp_directory_path() / "cellwright-explore-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) return Usage("cannot make a temporary folder");
  options.folders.scratch = pattern;
  for (const char* sub : {"save", "temp", "instance"}) {
    mkdir((fs::path(pattern) / sub).c_str(), 0700);
  }
  const explore::Coverage coverage =
      explore::Explore(options, [](const std::string& line) { std::cerr << line << "\n"; });
  std::error_code ec;
  fs::remove_all(pattern, ec);
  std::string error;
  if (!explore::WriteReport(coverage, out, &error)) {
    std::cerr << "cellwright-explore: " << error << "\n";
    return 1;
  }
  std::ifstream summary(fs::path(out) / "summary.txt");
  std::cout << summary.rdbuf();
  return 0;
}
