#include "tools/databuild/music_generate.h"

#include <fstream>
#include <sstream>

#include "tools/databuild/music_piece.h"

namespace databuild::music {

std::optional<std::vector<std::uint8_t>> GenerateMusic(const Asset& asset,
                                                       const BuildContext& context,
                                                       std::string* error) {
  if (asset.format != "mid") {
    *error = asset.name + ": music can only be made as \"mid\", not \"" + asset.format + "\"";
    return std::nullopt;
  }
  // The source is the notation file under data/; a bare name means music/<name>.txt.
  std::filesystem::path path = context.dataDir / asset.source;
  if (path.extension() != ".txt") path = context.dataDir / "music" / (asset.source + ".txt");
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    *error = asset.name + ": cannot read " + path.string();
    return std::nullopt;
  }
  std::ostringstream text;
  text << in.rdbuf();
  std::string parseError;
  const std::optional<Piece> piece = ParsePiece(text.str(), &parseError);
  if (!piece) {
    *error = path.string() + ": " + parseError;
    return std::nullopt;
  }
  return RenderSmf(*piece);
}

}  // namespace databuild::music
