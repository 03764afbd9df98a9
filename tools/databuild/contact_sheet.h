// A PNG of a family's pictures as labelled thumbnails, for art review.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tools/databuild/picture.h"

namespace databuild {

struct SheetEntry {
  std::string name;  // UTF-8
  RgbaImage image;
};

// False with *error set when the PNG cannot be written.
bool WriteContactSheet(const std::filesystem::path& png, const std::string& title,
                       const std::vector<SheetEntry>& entries, std::string* error);

}  // namespace databuild
