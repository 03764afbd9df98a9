#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>

#include "tests/databuild_sound/sound_test_support.h"
#include "tools/databuild/synth_recipes.h"

namespace {

using namespace databuild::synth;

bool IsJingle(const std::string& name) {
  return name.find("SE.wma") == std::string::npos;
}

// The archive's member names: 01SE..63SE, nine carrying a letter, and the extras.
std::set<std::string> ExpectedMembers() {
  std::set<std::string> names;
  const std::pair<int, const char*> lettered[] = {{5, "a"},  {6, "b"},  {12, "a"},
                                                  {16, "a"}, {28, "b"}, {30, "c"},
                                                  {40, "a"}, {52, "a"}, {56, "a"}};
  for (int n = 1; n <= 63; ++n) {
    std::string letter;
    for (const auto& [number, l] : lettered) {
      if (number == n) letter = l;
    }
    char digits[8];
    std::snprintf(digits, sizeof digits, "%02d", n);
    names.insert(std::string(digits) + letter + "SE.wma");
  }
  for (const char* extra : {"gagaA.wma", "gagaB.wma", "E_OPEN.wma", "E_END1.wma", "E_END2.wma",
                            "MSYO.wma", "MSYOa.wma", "MSYOb.wma", "ESYO.wma"}) {
    names.insert(extra);
  }
  return names;
}

TEST(EffectsManifest, NamesEveryMemberOnceWithAKnownRecipe) {
  const auto rows = sound_test::LoadEffectsManifest();
  std::set<std::string> names;
  for (const auto& row : rows) {
    SCOPED_TRACE("manifest line " + std::to_string(row.line));
    EXPECT_TRUE(names.insert(row.name).second) << row.name << " listed twice";
    EXPECT_EQ(row.family, "effect");
    EXPECT_EQ(row.format, "wma");
    EXPECT_EQ(row.target, "wave.arc");
    EXPECT_NE(FindRecipe(row.source), nullptr) << row.source;
  }
  EXPECT_EQ(names, ExpectedMembers());
  EXPECT_EQ(names.size(), 72u);
}

TEST(EffectsManifest, UsesEveryRecipeOnce) {
  std::multiset<std::string> used;
  for (const auto& row : sound_test::LoadEffectsManifest()) used.insert(row.source);
  for (const Recipe& recipe : AllRecipes()) {
    EXPECT_EQ(used.count(std::string(recipe.key)), 1u) << recipe.key;
    EXPECT_FALSE(recipe.description.empty()) << recipe.key;
  }
}

TEST(Recipes, UnknownKeyRendersNothing) {
  EXPECT_FALSE(RenderRecipe("no_such_sound"));
}

TEST(Recipes, RenderingIsDeterministic) {
  for (const Recipe& recipe : AllRecipes()) {
    const auto first = RenderRecipe(recipe.key);
    const auto second = RenderRecipe(recipe.key);
    ASSERT_TRUE(first && second);
    EXPECT_TRUE(ToPcm(*first) == ToPcm(*second)) << recipe.key;
  }
}

// Shape of every sound as the archive will hold it: audible, not clipped,
// starting and ending on silence, and short.
TEST(Recipes, EverySoundIsAudibleUnclippedClickFreeAndShort) {
  for (const auto& row : sound_test::LoadEffectsManifest()) {
    SCOPED_TRACE(row.name + " (" + row.source + ")");
    const auto sound = RenderRecipe(row.source);
    ASSERT_TRUE(sound);
    ASSERT_FALSE(sound->empty());
    double peak = 0.0, energy = 0.0;
    for (double s : *sound) {
      peak = std::max(peak, std::abs(s));
      energy += s * s;
    }
    const double rms = std::sqrt(energy / static_cast<double>(sound->size()));
    EXPECT_LE(peak, 1.0);
    EXPECT_NEAR(20.0 * std::log10(peak), -3.0, 0.05);
    EXPECT_GT(20.0 * std::log10(rms), -32.0);
    // The first and last few milliseconds fade from and to silence.
    EXPECT_LT(std::abs(sound->front()), 1e-3);
    EXPECT_LT(std::abs(sound->back()), 1e-3);
    for (std::size_t i = 0; i < Samples(0.001); ++i) {
      EXPECT_LT(std::abs((*sound)[i]), 0.2) << "sample " << i;
      EXPECT_LT(std::abs((*sound)[sound->size() - 1 - i]), 0.2) << "sample from end " << i;
    }
    const double seconds = Seconds(*sound);
    EXPECT_GE(seconds, 0.2);
    EXPECT_LE(seconds, IsJingle(row.name) ? 8.0 : 3.0);
  }
}

TEST(Recipes, StartupCheckSoundIsUnderHalfASecond) {
  for (const auto& row : sound_test::LoadEffectsManifest()) {
    if (row.name != "13SE.wma") continue;
    const auto sound = RenderRecipe(row.source);
    ASSERT_TRUE(sound);
    EXPECT_LT(Seconds(*sound), 0.5);
    return;
  }
  FAIL() << "13SE.wma is not in the manifest";
}

TEST(Recipes, JinglesAreLongerThanStings) {
  const auto opening = RenderRecipe("opening");
  const auto sting = RenderRecipe("title_sting_a");
  ASSERT_TRUE(opening && sting);
  EXPECT_GE(Seconds(*opening), 3.0);
  EXPECT_LT(Seconds(*sting), 2.0);
}

}  // namespace
