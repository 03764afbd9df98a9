#include "tools/explore/integrity.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "media/sound_channel.h"
#include "platform/encoding.h"

namespace explore {

namespace {

namespace fs = std::filesystem;

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Manifest members by lower-case base name, each with its extensions.
std::map<std::string, std::set<std::string>> ReadManifest(const std::string& folder) {
  std::map<std::string, std::set<std::string>> members;
  std::error_code ec;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
    if (entry.path().extension() != ".tsv") continue;
    std::istringstream lines(ReadAll(entry.path()));
    for (std::string line; std::getline(lines, line);) {
      if (line.empty() || line[0] == '#') continue;
      const std::string name = Lower(line.substr(0, line.find('\t')));
      const std::size_t dot = name.rfind('.');
      if (dot == std::string::npos) continue;
      members[name.substr(0, dot)].insert(name.substr(dot));
    }
  }
  return members;
}

struct Source {
  std::string file;  // relative to the story folder
  std::string text;
};

std::vector<Source> ReadSources(const std::string& folder) {
  std::vector<Source> sources;
  std::error_code ec;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder, ec)) {
    const fs::path& path = entry.path();
    if (path.extension() != ".cpp" && path.extension() != ".h") continue;
    sources.push_back({fs::relative(path, folder).string(), ReadAll(path)});
  }
  std::sort(sources.begin(), sources.end(),
            [](const Source& a, const Source& b) { return a.file < b.file; });
  return sources;
}

std::vector<std::string> Literals(const std::string& text) {
  static const std::regex literal(R"re("([^"\\]*)")re");
  std::vector<std::string> found;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), literal);
       it != std::sregex_iterator(); ++it) {
    found.push_back((*it)[1].str());
  }
  return found;
}

// Which extensions a resource of each kind may have in the manifest.
struct Kind {
  const char* what;
  std::regex name;
  std::vector<std::string> extensions;
};

const std::vector<Kind>& Kinds() {
  static const std::string speakers = "(ko|ho|yu|re|na|hi|ka|am|su|to|ku|mi|so)";
  static const std::vector<Kind> kinds = {
      {"picture", std::regex("bg[0-9]{3,4}[yn]?"), {".bmp"}},
      {"portrait", std::regex(speakers + "t[0-9]{3,4}"), {".bmp"}},
      {"voice", std::regex(speakers + "[0-9]{4}(_[0-9])?"), {".wma", ".wav"}},
      {"music", std::regex("bgm[0-9]{2,3}|[A-Z]{2}m[0-9]{2}"), {".mid"}},
      {"movie", std::regex("z[a-z]+syo"), {".arc", ".avi"}},
      {"title card", std::regex("ti(gagarn|rounin)"), {".bmp"}},
  };
  return kinds;
}

class Checker {
 public:
  Checker(const IntegrityInput& input)
      : input_(input), manifest_(ReadManifest(input.manifestFolder)) {}

  std::vector<std::string> Run() {
    const std::vector<Source> sources = ReadSources(input_.storyFolder);
    if (sources.empty()) problems_.push_back(input_.storyFolder + ": no scenario sources");
    std::set<std::string> mentioned;
    for (const Source& source : sources) {
      CheckResources(source);
      const bool isTable = source.file.find("scenario_list") != std::string::npos;
      for (const std::string& literal : Literals(source.text)) {
        if (!IsScenarioName(literal)) continue;
        if (!isTable) mentioned.insert(literal);
        if (!InTable(literal) && input_.bible.find(literal) == std::string::npos) {
          problems_.push_back(source.file + ": scenario \"" + literal +
                              "\" is neither in the table nor planned in the story bible");
        }
      }
    }
    for (std::size_t i = 1; i < input_.table.size(); ++i) {
      if (mentioned.count(input_.table[i]) == 0) {
        problems_.push_back("scenario table: nothing leads to \"" + input_.table[i] + "\"");
      }
    }
    return problems_;
  }

 private:
  static bool IsScenarioName(const std::string& text) {
    static const std::regex name("s[0-9A-Z][A-Za-z0-9]*");
    return std::regex_match(text, name);
  }

  bool InTable(const std::string& name) const {
    return std::find(input_.table.begin(), input_.table.end(), name) != input_.table.end();
  }

  void Need(const Source& source, const char* what, const std::string& name,
            const std::vector<std::string>& extensions) {
    const auto it = manifest_.find(Lower(name));
    if (it != manifest_.end()) {
      for (const std::string& extension : extensions) {
        if (it->second.count(extension) != 0) return;
      }
    }
    problems_.push_back(source.file + ": " + what + " \"" + name + "\" is not in the data");
  }

  void CheckResources(const Source& source) {
    for (const std::string& literal : Literals(source.text)) {
      for (const Kind& kind : Kinds()) {
        if (std::regex_match(literal, kind.name)) Need(source, kind.what, literal, kind.extensions);
      }
    }
    // A picture by time of day needs its evening and night versions too.
    static const std::regex byTime(R"re(ByTime\(\s*"([^"]+)"\s*\))re");
    for (auto it = std::sregex_iterator(source.text.begin(), source.text.end(), byTime);
         it != std::sregex_iterator(); ++it) {
      for (const char* suffix : {"y", "n"})
        Need(source, "picture", (*it)[1].str() + suffix, {".bmp"});
    }
    static const std::regex effect(R"re(Effect\(\s*"([^"]+)")re");
    for (auto it = std::sregex_iterator(source.text.begin(), source.text.end(), effect);
         it != std::sregex_iterator(); ++it) {
      const std::string number = (*it)[1].str();
      const long value = std::strtol(number.c_str(), nullptr, 10);
      const char* base = media::EffectTable[value >= 1 && value < media::kEffectCount ? value : 0];
      Need(source, ("effect " + number + " as").c_str(), platform::Cp932ToUtf8Lossy(base),
           {".wma", ".wav"});
    }
  }

  const IntegrityInput& input_;
  std::map<std::string, std::set<std::string>> manifest_;
  std::vector<std::string> problems_;
};

}  // namespace

std::vector<std::string> CheckIntegrity(const IntegrityInput& input) {
  return Checker(input).Run();
}

std::map<std::string, std::size_t> TextSize(const std::string& storyFolder) {
  std::map<std::string, std::size_t> sizes;
  for (const Source& source : ReadSources(storyFolder)) {
    std::size_t characters = 0;
    for (const std::string& literal : Literals(source.text)) {
      for (std::size_t at = 0; at < literal.size(); ++at) {
        const auto byte = static_cast<unsigned char>(literal[at]);
        // Lead bytes of three- and four-byte UTF-8: the kana, kanji and
        // full-width marks; ASCII names of resources do not count.
        if (byte >= 0xE0 && literal.compare(at, 3, "\xE3\x80\x80") != 0) {
          ++characters;
        }
      }
    }
    sizes[fs::path(source.file).parent_path().string()] += characters;
  }
  return sizes;
}

}  // namespace explore
