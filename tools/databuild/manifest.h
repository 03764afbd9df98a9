// The manifest: every asset of the game's data, one TSV file per family under
// data/manifest/, read in sorted file order and row order.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "tools/databuild/asset.h"

namespace databuild {

inline constexpr const char* kPictureArchive = "bmp.arc";
inline constexpr const char* kSoundArchive = "wave.arc";
inline constexpr const char* kMusicFolder = "BGM";
inline constexpr const char* kMovieFolder = "MOVIE";

// Rows of one manifest file's text; fileName only labels messages. Malformed
// rows are reported as "file:line: message" and left out.
std::vector<Asset> ParseManifest(std::string_view text, const std::string& fileName,
                                 std::vector<std::string>* errors);

// Every *.tsv under dataDir/manifest, in sorted file-name order.
std::vector<Asset> LoadManifest(const std::filesystem::path& dataDir,
                                std::vector<std::string>* errors);

// Checks the rows together: known family with a generator, format valid for
// its target, names with a Shift-JIS form, the target's extension and no two
// names in one target equal without ASCII case. True when nothing was wrong.
bool CheckManifest(const std::vector<Asset>& assets, std::vector<std::string>* errors);

// The name as the engine stores it (Shift-JIS); empty when it has no such form.
std::string ShiftJisName(const std::string& utf8Name);

// Shift-JIS bytes with single-byte ASCII letters folded to lower case; the
// second byte of a double-byte character is kept, as the engine compares.
std::string FoldSjisCase(std::string_view sjis);

}  // namespace databuild
