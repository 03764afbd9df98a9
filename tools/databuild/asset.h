// One asset of the game's data, as the manifest names it, and the generators
// that turn its source into the exact bytes the game reads.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace databuild {

// A manifest row: name<TAB>family<TAB>source<TAB>format<TAB>target
struct Asset {
  std::string name;      // file or member name with extension, UTF-8 ("地図.bmp", "01SE.wma")
  std::string family;    // which generator makes it ("ui", "effect", "voice", "music", ...)
  std::string source;    // what the generator works from: a path under data/, or a recipe key
  std::string format;    // "bmp8", "bmp8k" (keyed), "bmp24", "bmp4", "bmp4k", "wma", "mid", "avi"
  std::string target;    // "bmp.arc", "wave.arc", "BGM", "MOVIE"
  int line = 0;          // manifest line, for messages
  std::string manifest;  // manifest file the row came from, for messages
};

struct BuildContext {
  std::filesystem::path dataDir;  // the repository's data/ folder
  std::filesystem::path workDir;  // a scratch folder of this asset's own
};

// Returns the asset's file content, or nullopt with *error set.
using Generator = std::function<std::optional<std::vector<std::uint8_t>>(
    const Asset& asset, const BuildContext& context, std::string* error)>;

// Generators register themselves by family at start-up (a static registrar
// object in each family's source file).
// version takes part in the cache key: change it whenever the generator's
// output for an unchanged row would change, so cached results are rebuilt.
void RegisterGenerator(const std::string& family, Generator generator,
                       const std::string& version = "1");
const Generator* FindGenerator(const std::string& family);
// The version registered with the family; empty when there is none.
std::string GeneratorVersion(const std::string& family);

struct GeneratorRegistrar {
  GeneratorRegistrar(const std::string& family, Generator generator,
                     const std::string& version = "1") {
    RegisterGenerator(family, std::move(generator), version);
  }
};

}  // namespace databuild
