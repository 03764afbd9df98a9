// Registers the sound archive's effects and jingles with the data builder.
#include "tools/databuild/asset.h"
#include "tools/databuild/synth_effect.h"

namespace databuild {
namespace {

const GeneratorRegistrar registrar("effect", synth::GenerateEffect, synth::kEffectsVersion);

}  // namespace
}  // namespace databuild
