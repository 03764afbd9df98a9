// cellwright-databuild: makes the game-data folder from data/manifest/.
#include <chrono>
#include <iostream>
#include <string>
#include <vector>

#include "tools/databuild/builder.h"

namespace {

constexpr const char* kUsage =
    "usage: cellwright-databuild --data DIR --out DIR --cache DIR [--directories FILE]\n"
    "                            [--sheets DIR] [--quiet]\n"
    "  --data DIR          the repository's data/ folder (manifest/ and the sources)\n"
    "  --out DIR           the game-data folder: bmp.arc, wave.arc, BGM/, MOVIE/\n"
    "  --cache DIR         generator results, reused while their inputs are unchanged\n"
    "  --directories FILE  write the C++ that defines the archive directories\n"
    "  --sheets DIR        contact sheets, one PNG per picture family\n"
    "                      (default: contact-sheets/ beside the --out folder)\n";

}  // namespace

// The image libraries keep caches for the life of the process; they are not our leaks.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:librsvg\nleak:libfontconfig\nleak:libpango\nleak:libglib\nleak:libgobject\n"
         "leak:libcairo\nleak:libharfbuzz\nleak:libfreetype\n";
}

int main(int argc, char** argv) {
  databuild::BuildOptions options;
  bool sheetsGiven = false;
  bool quiet = false;
  const std::vector<std::string> args(argv + 1, argv + argc);
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help") {
      std::cout << kUsage;
      return 0;
    }
    if (arg == "--quiet") {
      quiet = true;
      continue;
    }
    if (i + 1 >= args.size()) {
      std::cerr << "cellwright-databuild: " << arg
                << (arg.starts_with("--") ? " needs a value\n" : ": unexpected\n") << kUsage;
      return 2;
    }
    const std::string& value = args[++i];
    if (arg == "--data") {
      options.dataDir = value;
    } else if (arg == "--out") {
      options.outDir = value;
    } else if (arg == "--cache") {
      options.cacheDir = value;
    } else if (arg == "--directories") {
      options.directories = value;
    } else if (arg == "--sheets") {
      options.sheets = value;
      sheetsGiven = true;
    } else {
      std::cerr << "cellwright-databuild: unknown option '" << arg << "'\n" << kUsage;
      return 2;
    }
  }
  if (options.dataDir.empty() || options.outDir.empty() || options.cacheDir.empty()) {
    std::cerr << "cellwright-databuild: --data, --out and --cache are required\n" << kUsage;
    return 2;
  }
  if (!sheetsGiven) {
    options.sheets = (options.outDir / "..").lexically_normal() / "contact-sheets";
  }
  if (!quiet) options.progress = &std::cout;

  const auto start = std::chrono::steady_clock::now();
  databuild::BuildReport report;
  const bool ok = databuild::Build(options, &report);
  for (const std::string& error : report.errors) std::cerr << error << "\n";
  if (!ok) {
    std::cerr << "cellwright-databuild: failed\n";
    return 1;
  }
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::steady_clock::now() - start)
                      .count();
  if (!quiet) {
    std::cout << "cellwright-databuild: " << report.generated << " made, " << report.cached
              << " from the cache, " << ms << " ms\n";
  }
  return 0;
}
