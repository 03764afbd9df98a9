#include <gtest/gtest.h>

#include "tests/databuild_sound/sound_test_support.h"
#include "tools/databuild/asset.h"
#include "tools/databuild/synth_effect.h"

namespace {

// The builder finds effects only through the registrar linked from the object
// library; a static library would have dropped it.
TEST(EffectRegistration, BuilderFindsTheEffectGeneratorAndItsVersion) {
  const databuild::Generator* generator = databuild::FindGenerator("effect");
  ASSERT_NE(generator, nullptr);
  EXPECT_EQ(databuild::GeneratorVersion("effect"), databuild::synth::kEffectsVersion);

  sound_test::ScratchDir scratch("registry");
  databuild::Asset asset;
  asset.name = "13SE.wma";
  asset.family = "effect";
  asset.source = "startup_chime";
  asset.format = "wma";
  asset.target = "wave.arc";
  std::string error;
  const auto viaBuilder = (*generator)(asset, {scratch.path(), scratch.path() / "a"}, &error);
  ASSERT_TRUE(viaBuilder) << error;
  const auto direct =
      databuild::synth::GenerateEffect(asset, {scratch.path(), scratch.path() / "b"}, &error);
  ASSERT_TRUE(direct) << error;
  EXPECT_TRUE(*viaBuilder == *direct);
  EXPECT_GT(viaBuilder->size(), 1000u);
}

}  // namespace
