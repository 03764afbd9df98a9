// The opened face at the game's size, rendering one character at a time.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/font/face_lookup.h"
#include "platform/font/glyph.h"

namespace platform::font {

class GothicFace {
 public:
  // Nothing, with the reason in *why, when FreeType cannot use the file.
  static std::unique_ptr<GothicFace> Open(const FaceFile& file, std::string* why);
  ~GothicFace();
  GothicFace(const GothicFace&) = delete;
  GothicFace& operator=(const GothicFace&) = delete;

  // Baseline below the cell's top, and the pen advances of the two widths.
  int ascender() const { return ascender_; }
  int fullAdvance() const { return fullAdvance_; }
  int halfAdvance() const { return halfAdvance_; }

  // The character drawn bold and anti-aliased, placed in its cell; empty when
  // the face has no glyph for it or it has no ink (spaces, control codes).
  GlyphBitmap Render(char32_t codePoint) const;

 private:
  struct Library;
  explicit GothicFace(std::unique_ptr<Library> library);

  std::unique_ptr<Library> library_;
  int ascender_ = 0;
  int fullAdvance_ = 0;
  int halfAdvance_ = 0;
};

}  // namespace platform::font
