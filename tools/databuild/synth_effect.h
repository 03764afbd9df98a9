// The "effect" family's generator: a recipe key in, the .wma member's bytes out.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/databuild/asset.h"

namespace databuild::synth {

// Part of the builder's cache key: bump it whenever a recipe, the synthesiser
// or the encode settings change, or stale sounds will be reused.
inline constexpr const char* kEffectsVersion = "2";

std::optional<std::vector<std::uint8_t>> GenerateEffect(const Asset& asset,
                                                        const BuildContext& context,
                                                        std::string* error);

}  // namespace databuild::synth
