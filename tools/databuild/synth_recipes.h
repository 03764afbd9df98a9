// The recipes behind the sound archive's effects and jingles, by key.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "tools/databuild/synth_core.h"

namespace databuild::synth {

struct Recipe {
  std::string_view key;          // what the manifest's source column names
  std::string_view description;  // what a listener should hear
  Buffer (*render)();            // raw mix, before Finish()
};

std::span<const Recipe> AllRecipes();
const Recipe* FindRecipe(std::string_view key);

// The finished sound of a recipe: rendered, faded and normalised.
std::optional<Buffer> RenderRecipe(std::string_view key);

}  // namespace databuild::synth
