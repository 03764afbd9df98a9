#include "platform/font/gothic_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cstddef>

#include "platform/text_face.h"

namespace platform::font {

struct GothicFace::Library {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  ~Library() {
    if (face != nullptr) FT_Done_Face(face);
    if (library != nullptr) FT_Done_FreeType(library);
  }
};

namespace {

// Light hinting snaps only vertically: the face's own instructions at this size
// squash some thin horizontal strokes (the low line '_') to nothing.
constexpr FT_Int32 kLoadFlags = FT_LOAD_TARGET_LIGHT | FT_LOAD_NO_BITMAP;

int RoundPixels(FT_Pos value26_6) {
  return static_cast<int>((value26_6 + 32) >> 6);
}

// The hinted advance of a character, in whole pixels; 0 when it has no glyph.
int AdvanceOf(FT_Face face, char32_t codePoint) {
  const FT_UInt index = FT_Get_Char_Index(face, codePoint);
  if (index == 0 || FT_Load_Glyph(face, index, kLoadFlags) != 0) {
    return 0;
  }
  return RoundPixels(face->glyph->advance.x);
}

}  // namespace

std::unique_ptr<GothicFace> GothicFace::Open(const FaceFile& file, std::string* why) {
  auto fail = [why](std::string reason) -> std::unique_ptr<GothicFace> {
    if (why != nullptr) *why = std::move(reason);
    return nullptr;
  };
  auto library = std::make_unique<Library>();
  if (FT_Init_FreeType(&library->library) != 0) return fail("FreeType would not start");
  if (FT_New_Face(library->library, file.path.c_str(), file.index, &library->face) != 0) {
    library->face = nullptr;
    return fail("FreeType cannot open " + file.path);
  }
  if (FT_Set_Pixel_Sizes(library->face, 0, kTextPixelSize) != 0) {
    return fail(file.path + " has no size " + std::to_string(kTextPixelSize));
  }
  std::unique_ptr<GothicFace> face(new GothicFace(std::move(library)));
  const FT_Face ft = face->library_->face;
  face->ascender_ = RoundPixels(ft->size->metrics.ascender);
  // Every character of a width class takes the same room, measured once, so
  // columns of text line up whatever the glyph says.
  face->fullAdvance_ = AdvanceOf(ft, U'\u3042');
  face->halfAdvance_ = AdvanceOf(ft, U'0');
  if (face->fullAdvance_ <= 0 || face->halfAdvance_ <= 0) {
    return fail(file.path + " lacks the Japanese or Latin characters");
  }
  return face;
}

GothicFace::GothicFace(std::unique_ptr<Library> library) : library_(std::move(library)) {}

GothicFace::~GothicFace() = default;

GlyphBitmap GothicFace::Render(char32_t codePoint) const {
  GlyphBitmap glyph;
  if (codePoint < 0x20 || codePoint == 0x7F) return glyph;
  const FT_Face face = library_->face;
  const FT_UInt index = FT_Get_Char_Index(face, codePoint);
  if (index == 0) return glyph;
  if (FT_Load_Glyph(face, index, kLoadFlags) != 0) return glyph;
  FT_GlyphSlot slot = face->glyph;
  if (slot->format != FT_GLYPH_FORMAT_OUTLINE) return glyph;
  // Bold by one pixel sideways only: the strokes thicken without growing taller.
  FT_Outline_EmboldenXY(&slot->outline, 64, 0);
  // Anti-aliased rather than one-bit: at 17 pixels the one-bit hinting fuses
  // the strokes of dense kanji and leaves kana curves and stroke weights uneven,
  // while grey edges keep every stroke apart on photos and on the white bar alike.
  if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return glyph;

  const FT_Bitmap& bitmap = slot->bitmap;
  if (bitmap.width == 0 || bitmap.rows == 0) return glyph;
  if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) return glyph;
  glyph.left = slot->bitmap_left;
  glyph.top = ascender_ - slot->bitmap_top;
  glyph.width = static_cast<int>(bitmap.width);
  glyph.height = static_cast<int>(bitmap.rows);
  glyph.coverage.resize(static_cast<std::size_t>(glyph.width) *
                        static_cast<std::size_t>(glyph.height));
  const std::ptrdiff_t pitch = bitmap.pitch;
  // A negative pitch stores the rows bottom-up from the buffer's start.
  const unsigned char* top =
      pitch >= 0 ? bitmap.buffer : bitmap.buffer - pitch * (glyph.height - 1);
  for (int y = 0; y < glyph.height; ++y) {
    const unsigned char* src = top + pitch * y;
    std::uint8_t* dst = glyph.coverage.data() + static_cast<std::ptrdiff_t>(y) * glyph.width;
    std::copy(src, src + glyph.width, dst);
  }
  return glyph;
}

}  // namespace platform::font
