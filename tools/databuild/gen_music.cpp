// Registers the "music" family with the data builder.
#include "tools/databuild/asset.h"
#include "tools/databuild/music_generate.h"

namespace {

// Kept in an object library so the linker never drops this registration.
// Raise the version when the same notation would give different bytes.
const databuild::GeneratorRegistrar registrar("music", databuild::music::GenerateMusic, "1");

}  // namespace
