// A private temporary folder removed with its contents at the end of a test.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

namespace cellwright_test {

class TempFolder {
 public:
  TempFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "cellwright-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Path() const { return path_; }
  // The folder with a trailing slash, as the engine spells folders.
  std::string Folder() const { return path_ + "/"; }
  std::string Sub(const std::string& name) const {
    std::filesystem::create_directories(path_ + "/" + name);
    return path_ + "/" + name + "/";
  }

 private:
  std::string path_;
};

}  // namespace cellwright_test
