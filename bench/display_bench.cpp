// What every screen refresh pays: loading a 640x480 8-bit picture into a slot
// (there is no cache of decoded pictures) and the colour-keyed full-screen blit.
// Runs on the headless backend with a picture archive written at start.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "bench/headless_world.h"
#include "core/shell_state.h"
#include "display/bmp_reader.h"
#include "display/surface.h"
#include "media/archive.h"
#include "platform/headless/headless_system.h"
#include "tests/support/bmp_builder.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

// A 640x480 8-bit picture with a full palette; entry 0 is the colour key, so
// about one pixel in eight is transparent, in runs, as in a sprite sheet.
std::vector<std::uint8_t> EightBitPicture() {
  cellwright_test::BmpPlan plan;
  plan.width = kWidth;
  plan.height = kHeight;
  plan.bitCount = 8;
  plan.palette.push_back(display::kColorKey);
  for (std::uint32_t i = 1; i < 256; ++i)
    plan.palette.push_back((i << 16) | ((255 - i) << 8) | (i * 7 & 0xFF));
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      plan.pixels.push_back(
          ((x / 16 + y / 16) % 8 == 0) ? 0u : static_cast<std::uint32_t>((x + y) % 255 + 1));
    }
  }
  return cellwright_test::WriteBmp(plan);
}

// The picture as stored in the archive, for the decoding alone.
std::vector<std::uint8_t> ThePicture;

// A small member first, so the picture sits at an offset as in the real archive.
const media::ArchiveEntry* Directory(std::uint32_t firstSize, std::uint32_t pictureSize) {
  static media::ArchiveEntry directory[] = {
      {"logo.bmp", 0, 0}, {"title.bmp", 0, 0}, {nullptr, 0, 0}};
  directory[0].size = firstSize;
  directory[1].offset = firstSize;
  directory[1].size = pictureSize;
  return directory;
}

// A picture archive of two members in the install folder, opened.
bool WriteAndOpenArchive(const std::string& installFolder) {
  ThePicture = EightBitPicture();
  const std::vector<std::uint8_t> logo(4096, 0x5A);
  const std::string archivePath = installFolder + media::kPictureArchiveName;
  std::ofstream archive(archivePath, std::ios::binary);
  for (const std::vector<std::uint8_t>* member : {&logo, &std::as_const(ThePicture)}) {
    archive.write(reinterpret_cast<const char*>(member->data()),
                  static_cast<std::streamsize>(member->size()));
  }
  archive.close();
  const auto firstSize = static_cast<std::uint32_t>(logo.size());
  const auto pictureSize = static_cast<std::uint32_t>(ThePicture.size());
  return media::PictureArchive.Open(archivePath.c_str(), Directory(firstSize, pictureSize)) == 1;
}

void BM_LoadFromArchive(benchmark::State& state) {
  display::Surface& slot = display::LayerSlots[0];
  for (auto _ : state) {
    if (!slot.Load("title.bmp")) {
      state.SkipWithError("the picture did not load");
      break;
    }
    benchmark::DoNotOptimize(slot.Pixels());
  }
}
BENCHMARK(BM_LoadFromArchive)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

// The decoding alone, from bytes already in memory.
void BM_DecodeFromMemory(benchmark::State& state) {
  display::Surface& slot = display::LayerSlots[1];
  const std::vector<std::uint8_t>& bytes = ThePicture;
  for (auto _ : state) {
    display::MemorySource source(bytes.data(), bytes.size());
    if (!slot.LoadFromSource("title.bmp", source)) {
      state.SkipWithError("the picture did not decode");
      break;
    }
    benchmark::DoNotOptimize(slot.Pixels());
  }
}
BENCHMARK(BM_DecodeFromMemory)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

void BM_KeyedBlitToScreen(benchmark::State& state) {
  display::Surface& slot = display::LayerSlots[2];
  if (!slot.Load("title.bmp")) {
    state.SkipWithError("the picture did not load");
    return;
  }
  for (auto _ : state) {
    slot.Show(0);
    benchmark::DoNotOptimize(display::Screen.Pixels());
    benchmark::ClobberMemory();
  }
  display::PresentScreenIfChanged();
}
BENCHMARK(BM_KeyedBlitToScreen)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  bench::HeadlessWorld world;
  if (!world.SetUp() || !WriteAndOpenArchive(world.InstallFolder())) {
    std::fprintf(stderr, "could not set up the headless display and the picture archive\n");
    world.TearDown();
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  media::PictureArchive.Open("", nullptr);
  world.TearDown();
  return 0;
}
