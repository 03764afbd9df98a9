// Finding an installed face's file through fontconfig.
#pragma once

#include <optional>
#include <string>

namespace platform::font {

struct FaceFile {
  std::string path;
  int index = 0;  // the face within a collection file
};

// The file of the face whose family is `family`. fontconfig answers an unknown
// family with whatever it likes best instead; that counts as not found.
std::optional<FaceFile> FindFaceFile(const std::string& family, std::string* why);

}  // namespace platform::font
