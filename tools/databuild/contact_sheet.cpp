#include "tools/databuild/contact_sheet.h"

#include <cairo.h>

#include <algorithm>
#include <cstring>

namespace databuild {

namespace {

constexpr int kCell = 200;  // thumbnail box
constexpr int kLabel = 22;
constexpr int kGap = 12;
constexpr int kColumns = 4;
constexpr int kTitle = 36;

}  // namespace

bool WriteContactSheet(const std::filesystem::path& png, const std::string& title,
                       const std::vector<SheetEntry>& entries, std::string* error) {
  const int count = static_cast<int>(entries.size());
  const int columns = std::clamp(count, 1, kColumns);
  const int rows = std::max(1, (count + columns - 1) / columns);
  const int width = kGap + columns * (kCell + kGap);
  const int height = kTitle + rows * (kCell + kLabel + kGap) + kGap;
  cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  cairo_t* cr = cairo_create(sheet);
  cairo_set_source_rgb(cr, 0.93, 0.93, 0.93);
  cairo_paint(cr);
  cairo_select_font_face(cr, "IPAGothic", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
  cairo_set_font_size(cr, 18);
  cairo_move_to(cr, kGap, 26);
  cairo_show_text(cr, title.c_str());

  for (int i = 0; i < count; ++i) {
    const SheetEntry& entry = entries[static_cast<std::size_t>(i)];
    const int x0 = kGap + (i % columns) * (kCell + kGap);
    const int y0 = kTitle + (i / columns) * (kCell + kLabel + kGap);
    const int w = entry.image.width;
    const int h = entry.image.height;
    cairo_surface_t* picture = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    cairo_surface_flush(picture);
    unsigned char* data = cairo_image_surface_get_data(picture);
    const auto stride = static_cast<std::size_t>(cairo_image_surface_get_stride(picture));
    for (std::size_t y = 0; y < static_cast<std::size_t>(h); ++y) {
      for (std::size_t x = 0; x < static_cast<std::size_t>(w); ++x) {
        const std::uint8_t* p = &entry.image.rgba[(y * static_cast<std::size_t>(w) + x) * 4];
        const std::uint32_t word =
            static_cast<std::uint32_t>(p[0]) << 16 | static_cast<std::uint32_t>(p[1]) << 8 | p[2];
        std::memcpy(data + y * stride + x * 4, &word, 4);
      }
    }
    cairo_surface_mark_dirty(picture);
    // Small pictures are enlarged up to 4x with hard pixels so their detail shows.
    const double scale =
        std::min({4.0, static_cast<double>(kCell) / w, static_cast<double>(kCell) / h});
    cairo_save(cr);
    cairo_translate(cr, x0 + (kCell - w * scale) / 2, y0 + (kCell - h * scale) / 2);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, picture, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr),
                             scale > 1 ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(picture);

    cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
    cairo_set_font_size(cr, 13);
    const std::string label = entry.name + "  " + std::to_string(w) + "×" + std::to_string(h);
    cairo_move_to(cr, x0, y0 + kCell + 16);
    cairo_show_text(cr, label.c_str());
  }
  cairo_destroy(cr);
  const std::filesystem::path temp = png.string() + ".tmp";
  const cairo_status_t status = cairo_surface_write_to_png(sheet, temp.c_str());
  cairo_surface_destroy(sheet);
  std::error_code ec;
  if (status == CAIRO_STATUS_SUCCESS) std::filesystem::rename(temp, png, ec);
  if (status != CAIRO_STATUS_SUCCESS || ec) {
    *error = png.string() + ": cannot write the contact sheet";
    std::filesystem::remove(temp, ec);
    return false;
  }
  return true;
}

}  // namespace databuild
