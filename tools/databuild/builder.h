// Builds the game-data folder from the manifest: runs each asset's generator
// (or takes its cached result), packs the two archives, writes music and
// movies, the compiled-in directories and the contact sheets.
#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "tools/databuild/asset.h"

namespace databuild {

struct BuildOptions {
  std::filesystem::path dataDir;      // the repository's data/
  std::filesystem::path outDir;       // the game-data folder
  std::filesystem::path cacheDir;     // generator results by content key
  std::filesystem::path directories;  // generated C++; empty: not written
  std::filesystem::path sheets;       // contact sheets; empty: none
  std::ostream* progress = nullptr;   // one line per generated asset; may be null
};

struct PackedMember {
  std::string name;  // UTF-8
  std::uint32_t offset = 0;
  std::uint32_t size = 0;
};

struct BuildReport {
  int generated = 0;  // generator calls
  int cached = 0;     // results taken from the cache
  std::vector<std::string> errors;
  std::vector<PackedMember> pictures;  // bmp.arc as written
  std::vector<PackedMember> sounds;    // wave.arc as written
};

// True when every output was written.
bool Build(const BuildOptions& options, BuildReport* report);

// The cache key of a row: the row's fields, the family's generator version and
// the bytes of the source when it is a file under dataDir.
std::string CacheKey(const Asset& asset, const std::filesystem::path& dataDir);

// The C++ that defines media::PictureDirectory and media::SoundDirectory.
std::string DirectoriesSource(const std::vector<PackedMember>& pictures,
                              const std::vector<PackedMember>& sounds);

// Replaces file with bytes through a temporary file and a rename; leaves an
// identical file untouched so its time stamp stays.
bool WriteFileAtomically(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes,
                         std::string* error);

}  // namespace databuild
