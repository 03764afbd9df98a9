// Registers the sound archive's character voices with the data builder.
#include "tools/databuild/asset.h"
#include "tools/databuild/synth_voice.h"

namespace databuild {
namespace {

const GeneratorRegistrar registrar("voice", synth::GenerateVoice, synth::kVoicesVersion);

}  // namespace
}  // namespace databuild
