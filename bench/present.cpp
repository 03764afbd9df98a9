// One Present: the 640x480 picture scaled into the window surface. Our scaler
// serves the 32-bit RGB surfaces; the ABGR case measures SDL's fallback blit.
#include <SDL2/SDL.h>
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/sdl/surface_paint.h"
#include "platform/system.h"

namespace {

void BM_PaintPicture(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0));
  const int h = static_cast<int>(state.range(1));
  const auto format = static_cast<std::uint32_t>(state.range(2));
  std::vector<std::uint32_t> picture(static_cast<std::size_t>(platform::kScreenWidth) *
                                     platform::kScreenHeight);
  for (std::size_t i = 0; i < picture.size(); ++i) {
    picture[i] = static_cast<std::uint32_t>(i * 2654435761u) & 0x00FFFFFFu;
  }
  const std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> target(
      SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, format), &SDL_FreeSurface);
  if (!target) {
    state.SkipWithError(SDL_GetError());
    return;
  }
  for (auto _ : state) {
    platform::sdl::PaintPicture(picture.data(), target.get());
    benchmark::DoNotOptimize(target->pixels);
    benchmark::ClobberMemory();
  }
  state.SetLabel(SDL_GetPixelFormatName(format));
  state.SetItemsProcessed(state.iterations() * w * h);
}

BENCHMARK(BM_PaintPicture)
    ->Args({640, 480, SDL_PIXELFORMAT_XRGB8888})
    ->Args({1280, 960, SDL_PIXELFORMAT_XRGB8888})
    ->Args({1920, 1080, SDL_PIXELFORMAT_XRGB8888})
    ->Args({1920, 1080, SDL_PIXELFORMAT_ARGB8888})
    ->Args({3840, 2160, SDL_PIXELFORMAT_XRGB8888})
    ->Args({1024, 600, SDL_PIXELFORMAT_XRGB8888})
    ->Args({480, 360, SDL_PIXELFORMAT_XRGB8888})
    ->Args({1920, 1080, SDL_PIXELFORMAT_ABGR8888})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
