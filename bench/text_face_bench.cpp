// Drawing game text: a line of cached characters as every frame draws it, the
// first draw of a character (the cache miss), and finding and opening the face.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/encoding.h"
#include "platform/font/face_lookup.h"
#include "platform/font/gothic_face.h"
#include "platform/font/sjis_chars.h"
#include "platform/text_face.h"

namespace {

struct Screen {
  std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(640 * 480, 0x00304050);
  platform::Canvas canvas{pixels.data(), 640, 640, 480};
};

void BM_DrawLineWarm(benchmark::State& state) {
  const std::string line = platform::Sjis("「夕凪動画へようこそ。今日から制作進行ですね」ＡＢＣＤ");
  Screen screen;
  if (!platform::TextFaceAvailable()) {
    state.SkipWithError("text face missing");
    return;
  }
  platform::DrawSjisText(screen.canvas, 20, 400, line, 0xFFFFFF);
  for (auto _ : state) {
    benchmark::DoNotOptimize(platform::DrawSjisText(screen.canvas, 20, 400, line, 0xFFFFFF));
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * 26);
}
BENCHMARK(BM_DrawLineWarm);

// What a cache miss costs: code page conversion, outline, emboldening, rendering
// and painting, for a different first-level kanji each time.
void BM_FirstDrawCold(benchmark::State& state) {
  std::string why;
  const auto file = platform::font::FindFaceFile("IPAGothic", &why);
  auto face = file ? platform::font::GothicFace::Open(*file, &why) : nullptr;
  if (!face) {
    state.SkipWithError(why.c_str());
    return;
  }
  std::vector<platform::font::SjisChar> kanji;
  for (unsigned lead = 0x88; lead <= 0x98; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
      if (trail == 0x7F) continue;
      const platform::font::SjisChar c{static_cast<std::uint16_t>(lead << 8 | trail), 2};
      if (platform::font::SjisCodePoint(c)) kanji.push_back(c);
    }
  }
  Screen screen;
  std::size_t next = 0;
  for (auto _ : state) {
    const auto character = kanji[next++ % kanji.size()];
    const auto codePoint = platform::font::SjisCodePoint(character);
    platform::font::PaintGlyph(screen.canvas, 20, 400, face->Render(codePoint.value_or(0)),
                               0xFFFFFF);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FirstDrawCold);

// Paid once per process, on the first text drawn.
void BM_FindAndOpenFace(benchmark::State& state) {
  for (auto _ : state) {
    std::string why;
    const auto file = platform::font::FindFaceFile("IPAGothic", &why);
    auto face = file ? platform::font::GothicFace::Open(*file, &why) : nullptr;
    if (!face) state.SkipWithError(why.c_str());
    benchmark::DoNotOptimize(face.get());
  }
}
BENCHMARK(BM_FindAndOpenFace)->Unit(benchmark::kMillisecond);

}  // namespace
