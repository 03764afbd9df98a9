// Rendered characters kept by their Shift-JIS code: the game redraws the same
// few hundred characters every frame. Code page 932 has about eleven thousand
// characters, so the cache stays small without evicting anything.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <unordered_map>
#include <utility>

#include "platform/font/glyph.h"
#include "platform/font/sjis_chars.h"

namespace platform::font {

class GlyphCache {
 public:
  using Renderer = std::function<GlyphBitmap(SjisChar)>;
  explicit GlyphCache(Renderer render) : render_(std::move(render)) {}

  // The glyph for `character`, rendered on first use. The reference stays valid
  // for the cache's life.
  const GlyphBitmap& Get(SjisChar character) {
    auto found = glyphs_.find(character.code);
    if (found == glyphs_.end()) {
      found = glyphs_.emplace(character.code, render_(character)).first;
    }
    return found->second;
  }

  std::size_t size() const { return glyphs_.size(); }

 private:
  Renderer render_;
  std::unordered_map<std::uint16_t, GlyphBitmap> glyphs_;
};

}  // namespace platform::font
