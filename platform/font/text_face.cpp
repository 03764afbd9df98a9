#include "platform/text_face.h"

#include <cstdio>
#include <memory>
#include <string>

#include "platform/font/face_lookup.h"
#include "platform/font/glyph_cache.h"
#include "platform/font/gothic_face.h"
#include "platform/font/sjis_chars.h"

namespace platform {

namespace {

constexpr const char* kFamily = "IPAGothic";

// Pen advances used when the face is missing, so layout stays the same.
constexpr int kFallbackFull = kTextPixelSize;
constexpr int kFallbackHalf = (kTextPixelSize + 1) / 2;

struct SharedFace {
  std::unique_ptr<font::GothicFace> face;
  std::unique_ptr<font::GlyphCache> cache;
  std::string why;
};

SharedFace* OpenSharedFace() {
  auto shared = new SharedFace;
  std::string why;
  if (auto file = font::FindFaceFile(kFamily, &why)) {
    shared->face = font::GothicFace::Open(*file, &why);
  }
  if (!shared->face) {
    shared->why = why;
    std::fprintf(stderr, "cellwright: text face %s not found: %s\n", kFamily, why.c_str());
    return shared;
  }
  font::GothicFace* face = shared->face.get();
  shared->cache = std::make_unique<font::GlyphCache>([face](font::SjisChar character) {
    const auto codePoint = font::SjisCodePoint(character);
    return codePoint ? face->Render(*codePoint) : font::GlyphBitmap{};
  });
  return shared;
}

// Opened on first use and kept for the life of the process: the static's
// initialisation is thread-safe, and nothing runs FreeType at exit.
SharedFace& Shared() {
  static SharedFace* const shared = OpenSharedFace();
  return *shared;
}

}  // namespace

int DrawSjisText(const Canvas& canvas, int x, int y, std::string_view sjis, std::uint32_t colour) {
  SharedFace& shared = Shared();
  const int full = shared.face ? shared.face->fullAdvance() : kFallbackFull;
  const int half = shared.face ? shared.face->halfAdvance() : kFallbackHalf;
  std::size_t at = 0;
  while (const auto character = font::NextSjisChar(sjis, at)) {
    if (shared.cache) font::PaintGlyph(canvas, x, y, shared.cache->Get(*character), colour);
    x += character->bytes == 2 ? full : half;
    at += static_cast<std::size_t>(character->bytes);
  }
  return x;
}

bool TextFaceAvailable(std::string* why) {
  const SharedFace& shared = Shared();
  if (why != nullptr) *why = shared.why;
  return shared.face != nullptr;
}

}  // namespace platform
