#include "platform/posix/folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace platform::posix {

namespace {

std::string EnvOrEmpty(const char* name) {
  const char* value = std::getenv(name);
  return (value != nullptr && value[0] == '/') ? std::string(value) : std::string();
}

std::string HomeFolder() {
  std::string home = EnvOrEmpty("HOME");
  if (!home.empty()) return home;
  if (const passwd* pw = getpwuid(getuid()); pw != nullptr && pw->pw_dir != nullptr) {
    return pw->pw_dir;
  }
  return "/";
}

bool IsPrivateDirectory(const std::string& folder) {
  struct stat st {};
  if (lstat(folder.c_str(), &st) != 0) return false;
  return S_ISDIR(st.st_mode) && st.st_uid == geteuid() && (st.st_mode & 077) == 0;
}

// Undoes the octal escapes of a mounts table (a space in a path is "\040").
std::string UnescapeMountField(const std::string& field) {
  std::string out;
  for (size_t i = 0; i < field.size(); ++i) {
    const auto octal = [&](size_t k) { return field[k] >= '0' && field[k] <= '7'; };
    if (field[i] == '\\' && i + 3 < field.size() && field[i + 1] <= '3' && octal(i + 1) &&
        octal(i + 2) && octal(i + 3)) {
      const int value = (field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0');
      out.push_back(static_cast<char>(value));
      i += 3;
    } else {
      out.push_back(field[i]);
    }
  }
  return out;
}

}  // namespace

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder.push_back('/');
  return folder;
}

bool EnsurePrivateFolder(const std::string& folder) {
  std::string path = folder;
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  if (path.empty()) return false;
  // Parents are made the usual way; only the last component must be ours alone.
  for (size_t pos = path.find('/', 1); pos != std::string::npos; pos = path.find('/', pos + 1)) {
    const std::string parent = path.substr(0, pos);
    if (mkdir(parent.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return false;
  return IsPrivateDirectory(path);
}

std::string CurrentFolder() {
  std::string buffer(4096, '\0');
  if (getcwd(buffer.data(), buffer.size()) == nullptr) return "./";
  buffer.resize(std::char_traits<char>::length(buffer.c_str()));
  return WithSlash(buffer);
}

std::string RuntimeFolder() {
  const std::string runtime = EnvOrEmpty("XDG_RUNTIME_DIR");
  if (!runtime.empty() && IsPrivateDirectory(runtime)) return WithSlash(runtime);
  // No session runtime folder: a private one of our own, never a shared /tmp
  // name. Both copies of the game walk the same candidates, so the instance
  // guard still finds the first copy when one was refused.
  std::string cache = EnvOrEmpty("XDG_CACHE_HOME");
  if (cache.empty()) cache = HomeFolder() + "/.cache";
  const std::string own = cache + "/cellwright-runtime";
  for (const std::string& folder : {own, own + "-" + std::to_string(geteuid())}) {
    if (EnsurePrivateFolder(folder)) return WithSlash(folder);
  }
  return {};
}

namespace {

// A folder made for this process alone; removed with its files at exit.
class FreshFolder {
 public:
  std::string Make() {
    if (!path_.empty()) return path_;
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp != nullptr && tmp[0] == '/' ? tmp : "/tmp") +
                          "/cellwright-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) return {};
    path_ = WithSlash(pattern);
    return path_;
  }
  ~FreshFolder() {
    if (path_.empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

 private:
  std::string path_;
};

}  // namespace

std::string PrivateTempFolder() {
  const std::string runtime = RuntimeFolder();
  if (!runtime.empty() && EnsurePrivateFolder(runtime + "cellwright")) {
    return runtime + "cellwright/";
  }
  // Refused (a planted link, a folder open to others): never write sound copies
  // there. mkdtemp makes a folder nobody else can have prepared.
  static FreshFolder fresh;
  std::string folder = fresh.Make();
  if (folder.empty()) {
    std::cerr << "cellwright: no private folder for temporary sound files; playing without sound\n";
  }
  return folder;
}

std::string PrivateDataFolder() {
  std::string data = EnvOrEmpty("XDG_DATA_HOME");
  if (data.empty()) data = HomeFolder() + "/.local/share";
  const std::string folder = data + "/cellwright";
  EnsurePrivateFolder(folder);  // saves are personal; an existing looser folder still serves
  return WithSlash(folder);
}

std::vector<std::string> DiscMountPointsFrom(const std::string& mountsText) {
  std::vector<std::string> mounts;
  std::istringstream lines(mountsText);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string device, mountPoint, type;
    if (!(fields >> device >> mountPoint >> type)) continue;
    if (type == "iso9660" || type == "udf")
      mounts.push_back(WithSlash(UnescapeMountField(mountPoint)));
  }
  return mounts;
}

std::vector<std::string> DiscMountPoints() {
  std::ifstream file("/proc/self/mounts");
  std::stringstream text;
  text << file.rdbuf();
  return DiscMountPointsFrom(text.str());
}

bool IsWritableFolder(const std::string& folder) {
  return access(folder.c_str(), W_OK | X_OK) == 0;
}

}  // namespace platform::posix
