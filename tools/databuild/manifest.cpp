#include "tools/databuild/manifest.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>

#include "platform/encoding.h"

namespace databuild {

namespace fs = std::filesystem;

namespace {

std::string Where(const std::string& file, int line) {
  return file + ":" + std::to_string(line) + ": ";
}

std::vector<std::string> SplitTabs(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t tab = line.find('\t', start);
    fields.emplace_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  return fields;
}

std::string LowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

struct TargetRule {
  std::string_view target;
  std::string_view extension;  // compared without ASCII case; empty: any
  std::vector<std::string_view> formats;
};

const std::vector<TargetRule>& TargetRules() {
  static const std::vector<TargetRule> rules = {
      {kPictureArchive, ".bmp", {"bmp8", "bmp8k", "bmp4", "bmp4k", "bmp24"}},
      {kSoundArchive, ".wma", {"wma"}},
      {kMusicFolder, ".mid", {"mid"}},
      {kMovieFolder, "", {"avi"}},
  };
  return rules;
}

}  // namespace

std::string ShiftJisName(const std::string& utf8Name) {
  std::optional<std::string> sjis = platform::Utf8ToCp932(utf8Name);
  return sjis ? *sjis : std::string();
}

std::string FoldSjisCase(std::string_view sjis) {
  std::string out(sjis);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const auto c = static_cast<unsigned char>(out[i]);
    if (platform::IsLeadByte(c)) {
      ++i;  // the trail byte is half of a character, never a letter
    } else if (c >= 'A' && c <= 'Z') {
      out[i] = static_cast<char>(c - 'A' + 'a');
    }
  }
  return out;
}

std::vector<Asset> ParseManifest(std::string_view text, const std::string& fileName,
                                 std::vector<std::string>* errors) {
  std::vector<Asset> assets;
  int lineNumber = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#') continue;

    const std::vector<std::string> fields = SplitTabs(line);
    if (fields.size() != 5) {
      errors->push_back(Where(fileName, lineNumber) + "expected 5 tab-separated fields " +
                        "(name, family, source, format, target), found " +
                        std::to_string(fields.size()));
      continue;
    }
    static const char* const kFieldNames[] = {"name", "family", "source", "format", "target"};
    bool ok = true;
    for (std::size_t i = 0; i < fields.size(); ++i) {
      if (fields[i].empty() || fields[i].find_first_not_of(' ') == std::string::npos ||
          fields[i].front() == ' ' || fields[i].back() == ' ') {
        errors->push_back(Where(fileName, lineNumber) + "the " + kFieldNames[i] +
                          " is empty or has spaces at its ends");
        ok = false;
      }
    }
    if (!ok) continue;
    assets.push_back(
        Asset{fields[0], fields[1], fields[2], fields[3], fields[4], lineNumber, fileName});
  }
  return assets;
}

std::vector<Asset> LoadManifest(const fs::path& dataDir, std::vector<std::string>* errors) {
  const fs::path folder = dataDir / "manifest";
  std::vector<fs::path> files;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->path().extension() == ".tsv" && it->is_regular_file()) files.push_back(it->path());
  }
  if (ec) {
    errors->push_back(folder.string() + ": cannot list the manifest folder: " + ec.message());
    return {};
  }
  std::sort(files.begin(), files.end());
  std::vector<Asset> assets;
  for (const fs::path& file : files) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
      errors->push_back(file.string() + ": cannot read");
      continue;
    }
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<Asset> rows = ParseManifest(text, file.string(), errors);
    assets.insert(assets.end(), rows.begin(), rows.end());
  }
  return assets;
}

bool CheckManifest(const std::vector<Asset>& assets, std::vector<std::string>* errors) {
  const std::size_t before = errors->size();
  // Folded name → the row that first used it, per target.
  std::map<std::pair<std::string, std::string>, const Asset*> seen;
  for (const Asset& asset : assets) {
    const std::string where = Where(asset.manifest, asset.line);
    if (FindGenerator(asset.family) == nullptr) {
      errors->push_back(where + "no generator for family '" + asset.family + "'");
    }
    const auto rule = std::find_if(TargetRules().begin(), TargetRules().end(),
                                   [&](const TargetRule& r) { return r.target == asset.target; });
    if (rule == TargetRules().end()) {
      errors->push_back(where + "unknown target '" + asset.target +
                        "' (bmp.arc, wave.arc, BGM or MOVIE)");
    } else {
      if (std::find(rule->formats.begin(), rule->formats.end(), asset.format) ==
          rule->formats.end()) {
        std::string allowed;
        for (std::string_view f : rule->formats)
          allowed += (allowed.empty() ? "" : ", ") + std::string(f);
        errors->push_back(where + "format '" + asset.format + "' cannot go into " + asset.target +
                          " (" + allowed + ")");
      }
      const std::string ext(rule->extension);
      if (!ext.empty() && (asset.name.size() <= ext.size() ||
                           LowerAscii(asset.name.substr(asset.name.size() - ext.size())) != ext)) {
        errors->push_back(where + "a name in " + asset.target + " ends in " + ext + ": '" +
                          asset.name + "'");
      }
    }
    if (asset.name == "." || asset.name == ".." ||
        asset.name.find_first_of("/\\") != std::string::npos ||
        std::any_of(asset.name.begin(), asset.name.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; })) {
      errors->push_back(where + "'" + asset.name + "' cannot be a file name");
      continue;
    }
    const std::string sjis = ShiftJisName(asset.name);
    if (sjis.empty()) {
      errors->push_back(where + "'" + asset.name + "' has no Shift-JIS (CP932) form");
      continue;
    }
    const auto [it, inserted] =
        seen.emplace(std::make_pair(asset.target, FoldSjisCase(sjis)), &asset);
    if (!inserted) {
      errors->push_back(where + "'" + asset.name + "' is the same name as '" + it->second->name +
                        "' (" + it->second->manifest + ":" + std::to_string(it->second->line) +
                        ") in " + asset.target + ": letter case does not tell names apart");
    }
  }
  return errors->size() == before;
}

}  // namespace databuild
