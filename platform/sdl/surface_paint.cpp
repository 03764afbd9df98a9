#include "platform/sdl/surface_paint.h"

#include "platform/system.h"

namespace platform::sdl {

bool IsDirectFormat(std::uint32_t format, std::uint32_t& opaque) {
  switch (format) {
    case SDL_PIXELFORMAT_XRGB8888:
      opaque = 0;
      return true;
    case SDL_PIXELFORMAT_ARGB8888:
      opaque = 0xFF000000u;
      return true;
    default:
      return false;
  }
}

namespace {

Viewport BlitFallback(const std::uint32_t* picture, SDL_Surface* target, const Viewport& view) {
  // SDL only reads through the pointer; the cast is the price of its C API.
  // SDL_BlitScaled samples nearest-neighbour, as our own scaler does.
  SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<std::uint32_t*>(picture), kScreenWidth, kScreenHeight, 32,
      kScreenWidth * static_cast<int>(sizeof(std::uint32_t)), SDL_PIXELFORMAT_XRGB8888);
  if (source == nullptr) return {};
  SDL_SetSurfaceBlendMode(source, SDL_BLENDMODE_NONE);
  SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0, 0, 0));
  SDL_Rect where{view.x, view.y, view.w, view.h};
  const bool ok = view.Empty() || SDL_BlitScaled(source, nullptr, target, &where) == 0;
  SDL_FreeSurface(source);
  return ok ? view : Viewport{};
}

}  // namespace

Viewport PaintPicture(const std::uint32_t* picture, SDL_Surface* target) {
  if (target == nullptr || target->w <= 0 || target->h <= 0) return {};
  const Viewport view = FitPicture(kScreenWidth, kScreenHeight, target->w, target->h);
  std::uint32_t opaque = 0;
  if (!IsDirectFormat(target->format->format, opaque)) return BlitFallback(picture, target, view);
  if (SDL_MUSTLOCK(target) && SDL_LockSurface(target) != 0) return {};
  ScaleNearest(picture, kScreenWidth, kScreenHeight, target->pixels, target->w, target->h,
               target->pitch, view, opaque);
  if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
  return view;
}

}  // namespace platform::sdl
