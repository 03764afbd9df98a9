#include "tools/databuild/synth_effect.h"

#include "tools/databuild/synth_recipes.h"
#include "tools/databuild/synth_wma.h"

namespace databuild::synth {

std::optional<std::vector<std::uint8_t>> GenerateEffect(const Asset& asset,
                                                        const BuildContext& context,
                                                        std::string* error) {
  if (asset.format != "wma") {
    *error = asset.name + ": effects are only made as wma, not " + asset.format;
    return std::nullopt;
  }
  const std::optional<Buffer> sound = RenderRecipe(asset.source);
  if (!sound) {
    *error = asset.name + ": no sound recipe named " + asset.source;
    return std::nullopt;
  }
  auto bytes = EncodeWma(ToPcm(*sound), kSampleRate, context.workDir, error);
  if (!bytes) *error = asset.name + ": " + *error;
  return bytes;
}

}  // namespace databuild::synth
