// The "music" family: a manifest row's source is a notation file under data/
// ("music/bgm01.txt"), or a bare name standing for music/<name>.txt.
#pragma once

#include "tools/databuild/asset.h"

namespace databuild::music {

std::optional<std::vector<std::uint8_t>> GenerateMusic(const Asset& asset,
                                                       const BuildContext& context,
                                                       std::string* error);

}  // namespace databuild::music
