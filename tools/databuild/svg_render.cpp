#include "tools/databuild/svg_render.h"

#include <cairo.h>
#include <librsvg/rsvg.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

namespace databuild {

namespace {

struct SurfaceDeleter {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextDeleter {
  void operator()(cairo_t* c) const { cairo_destroy(c); }
};
struct HandleDeleter {
  void operator()(RsvgHandle* h) const { g_object_unref(h); }
};

std::string TakeMessage(GError* gerror) {
  std::string message = gerror != nullptr ? gerror->message : "unknown error";
  if (gerror != nullptr) g_error_free(gerror);
  return message;
}

// Renders an opened document at its intrinsic pixel size; label names it in
// messages.
std::optional<RgbaImage> RenderHandle(RsvgHandle* handle, const std::string& label,
                                      bool transparent, std::string* error) {
  GError* gerror = nullptr;
  double width = 0;
  double height = 0;
  if (!rsvg_handle_get_intrinsic_size_in_pixels(handle, &width, &height) || width < 1 ||
      height < 1 || width > 8192 || height > 8192) {
    *error = label + ": the SVG needs a width and height in pixels (1 to 8192)";
    return std::nullopt;
  }
  const int w = static_cast<int>(std::lround(width));
  const int h = static_cast<int>(std::lround(height));
  std::unique_ptr<cairo_surface_t, SurfaceDeleter> surface(
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h));
  std::unique_ptr<cairo_t, ContextDeleter> cr(cairo_create(surface.get()));
  if (!transparent) {
    cairo_set_source_rgb(cr.get(), 1, 1, 1);
    cairo_paint(cr.get());
  }
  const RsvgRectangle viewport = {0, 0, static_cast<double>(w), static_cast<double>(h)};
  if (!rsvg_handle_render_document(handle, cr.get(), &viewport, &gerror)) {
    *error = label + ": " + TakeMessage(gerror);
    return std::nullopt;
  }
  cairo_surface_flush(surface.get());

  RgbaImage image;
  image.width = w;
  image.height = h;
  image.rgba.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 4);
  const unsigned char* data = cairo_image_surface_get_data(surface.get());
  const auto stride = static_cast<std::size_t>(cairo_image_surface_get_stride(surface.get()));
  for (std::size_t y = 0; y < static_cast<std::size_t>(h); ++y) {
    for (std::size_t x = 0; x < static_cast<std::size_t>(w); ++x) {
      // Native-endian premultiplied 0xAARRGGBB words.
      std::uint32_t word = 0;
      std::memcpy(&word, data + y * stride + x * 4, 4);
      const std::uint32_t a = word >> 24;
      std::uint8_t* out = &image.rgba[(y * static_cast<std::size_t>(w) + x) * 4];
      for (std::size_t c = 0; c < 3; ++c) {
        const std::uint32_t premultiplied = (word >> (16 - 8 * c)) & 0xFF;
        out[c] = a == 0 ? 0
                        : static_cast<std::uint8_t>(
                              std::min<std::uint32_t>(255, (premultiplied * 255 + a / 2) / a));
      }
      out[3] = static_cast<std::uint8_t>(a);
    }
  }
  return image;
}

}  // namespace

std::optional<RgbaImage> RenderSvg(const std::filesystem::path& file, bool transparent,
                                   std::string* error) {
  GError* gerror = nullptr;
  std::unique_ptr<RsvgHandle, HandleDeleter> handle(
      rsvg_handle_new_from_file(file.c_str(), &gerror));
  if (!handle) {
    *error = file.string() + ": " + TakeMessage(gerror);
    return std::nullopt;
  }
  return RenderHandle(handle.get(), file.string(), transparent, error);
}

std::optional<RgbaImage> RenderSvgText(const std::string& svg, bool transparent,
                                       std::string* error) {
  GError* gerror = nullptr;
  std::unique_ptr<RsvgHandle, HandleDeleter> handle(
      rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svg.data()), svg.size(), &gerror));
  if (!handle) {
    *error = "SVG text: " + TakeMessage(gerror);
    return std::nullopt;
  }
  return RenderHandle(handle.get(), "SVG text", transparent, error);
}

}  // namespace databuild
