#include "media/path_resolver.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <vector>

namespace media {

namespace {

char FoldAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

enum class Want { Folder, Anything };

bool Exists(const std::string& path, Want want) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return false;
  return want == Want::Anything || S_ISDIR(info.st_mode);
}

// The name inside folder that stands for component, or nullopt.
std::optional<std::string> MatchComponent(const std::string& folder, std::string_view component,
                                          Want want) {
  const std::string exact = folder + std::string(component);
  if (Exists(exact, want)) return std::string(component);
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return std::nullopt;
  std::vector<std::string> candidates;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name(entry->d_name);
    if (name != component && EqualsIgnoringAsciiCase(name, component)) {
      candidates.emplace_back(name);
    }
  }
  ::closedir(dir);
  // readdir's order depends on the file system; sorting makes the pick the same everywhere.
  std::sort(candidates.begin(), candidates.end());
  for (const std::string& name : candidates) {
    if (Exists(folder + name, want)) return name;
  }
  return std::nullopt;
}

}  // namespace

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  }
  return true;
}

std::optional<std::string> ResolvePath(const std::string& folder, std::string_view relative,
                                       LastComponent last) {
  if (folder.empty() || relative.empty()) return std::nullopt;
  std::string path = folder;
  if (path.back() != '/') path += '/';
  std::size_t start = 0;
  for (;;) {
    const std::size_t slash = relative.find('/', start);
    const bool isLast = slash == std::string_view::npos;
    const std::string_view component =
        relative.substr(start, isLast ? std::string_view::npos : slash - start);
    // Empty, "." and ".." components would leave the folder or name it twice.
    if (component.empty() || component == "." || component == ".." ||
        component.find('\0') != std::string_view::npos) {
      return std::nullopt;
    }
    std::optional<std::string> match =
        MatchComponent(path, component, isLast ? Want::Anything : Want::Folder);
    if (!match) {
      if (!isLast || last == LastComponent::MustExist) return std::nullopt;
      match = std::string(component);
    }
    path += *match;
    if (isLast) return path;
    path += '/';
    start = slash + 1;
  }
}

}  // namespace media
