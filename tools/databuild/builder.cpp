#include "tools/databuild/builder.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>

#include "tools/databuild/contact_sheet.h"
#include "tools/databuild/manifest.h"
#include "tools/databuild/picture.h"

namespace databuild {

namespace fs = std::filesystem;

namespace {

std::optional<std::vector<std::uint8_t>> ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                  std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return bytes;
}

// FNV-1a, 64 bits, over length-prefixed fields so "ab"+"c" and "a"+"bc" differ.
class Hasher {
 public:
  void Add(const void* data, std::size_t size) {
    const std::uint64_t length = size;
    Bytes(&length, sizeof length);
    Bytes(data, size);
  }
  void Add(const std::string& text) { Add(text.data(), text.size()); }
  std::string Hex() const {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash_));
    return text;
  }

 private:
  void Bytes(const void* data, std::size_t size) {
    const auto* p = static_cast<const std::uint8_t*>(data);
    for (std::size_t i = 0; i < size; ++i) {
      hash_ ^= p[i];
      hash_ *= 0x100000001B3ull;
    }
  }
  std::uint64_t hash_ = 0xCBF29CE484222325ull;
};

std::string CppName(const std::string& sjis) {
  std::string out;
  for (const char ch : sjis) {
    const auto c = static_cast<unsigned char>(ch);
    if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\' && c != '?') {
      out += ch;
    } else {
      // Octal escapes end after three digits, so the next character is never absorbed.
      char escape[5];
      std::snprintf(escape, sizeof escape, "\\%03o", static_cast<unsigned>(c));
      out += escape;
    }
  }
  return out;
}

void AppendDirectory(std::string* out, const char* arrayName,
                     const std::vector<PackedMember>& members) {
  *out += "constexpr ArchiveEntry " + std::string(arrayName) + "[] = {\n";
  for (const PackedMember& m : members) {
    *out += "    {\"" + CppName(ShiftJisName(m.name)) + "\", " + std::to_string(m.offset) + "u, " +
            std::to_string(m.size) + "u},  // " + m.name + "\n";
  }
  *out += "    {nullptr, 0u, 0u},\n};\n";
}

struct Archive {
  std::vector<std::uint8_t> bytes;
  std::vector<PackedMember> members;
};

bool AddMember(Archive* archive, const std::string& name, const std::vector<std::uint8_t>& bytes,
               std::string* error) {
  if (archive->bytes.size() + bytes.size() > 0xFFFFFFFFull) {
    *error = name + ": the archive would pass 4 GiB";
    return false;
  }
  archive->members.push_back({name, static_cast<std::uint32_t>(archive->bytes.size()),
                              static_cast<std::uint32_t>(bytes.size())});
  archive->bytes.insert(archive->bytes.end(), bytes.begin(), bytes.end());
  return true;
}

}  // namespace

std::string CacheKey(const Asset& asset, const fs::path& dataDir) {
  Hasher hasher;
  for (const std::string* field :
       {&asset.name, &asset.family, &asset.source, &asset.format, &asset.target}) {
    hasher.Add(*field);
  }
  hasher.Add(GeneratorVersion(asset.family));
  std::error_code ec;
  const fs::path source = dataDir / asset.source;
  if (!asset.source.empty() && fs::is_regular_file(source, ec)) {
    const std::optional<std::vector<std::uint8_t>> bytes = ReadFile(source);
    hasher.Add(bytes ? "file" : "unreadable");
    if (bytes) hasher.Add(bytes->data(), bytes->size());
  } else {
    hasher.Add("recipe");
  }
  return hasher.Hex();
}

std::string DirectoriesSource(const std::vector<PackedMember>& pictures,
                              const std::vector<PackedMember>& sounds) {
  std::string out =
      "// Made by cellwright-databuild from data/manifest/; edit the manifest, not this file.\n"
      "#include \"media/archive.h\"\n\n"
      "namespace media {\n\nnamespace {\n\n";
  AppendDirectory(&out, "kPictures", pictures);
  out += "\n";
  AppendDirectory(&out, "kSounds", sounds);
  out +=
      "\n}  // namespace\n\n"
      "const ArchiveEntry* const PictureDirectory = kPictures;\n"
      "const ArchiveEntry* const SoundDirectory = kSounds;\n\n"
      "}  // namespace media\n";
  return out;
}

bool WriteFileAtomically(const fs::path& file, const std::vector<std::uint8_t>& bytes,
                         std::string* error) {
  if (const std::optional<std::vector<std::uint8_t>> old = ReadFile(file); old && *old == bytes) {
    return true;
  }
  const fs::path temp = file.string() + ".tmp" + std::to_string(getpid());
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      *error = file.string() + ": cannot write";
      std::error_code ignored;
      fs::remove(temp, ignored);
      return false;
    }
  }
  std::error_code ec;
  fs::rename(temp, file, ec);
  if (ec) {
    *error = file.string() + ": " + ec.message();
    fs::remove(temp, ec);
    return false;
  }
  return true;
}

bool Build(const BuildOptions& options, BuildReport* report) {
  std::vector<std::string>& errors = report->errors;
  const std::vector<Asset> assets = LoadManifest(options.dataDir, &errors);
  if (!errors.empty() || !CheckManifest(assets, &errors)) return false;

  std::error_code ec;
  const fs::path objects = options.cacheDir / "objects";
  const fs::path work = options.cacheDir / "work";
  for (const fs::path& folder : {options.outDir, objects, work}) {
    fs::create_directories(folder, ec);
    if (ec) {
      errors.push_back(folder.string() + ": " + ec.message());
      return false;
    }
  }

  Archive pictures, sounds;
  std::map<std::string, std::vector<SheetEntry>> sheets;  // picture families
  std::vector<std::pair<fs::path, std::vector<std::uint8_t>>> looseFiles;
  for (const Asset& asset : assets) {
    const std::string where = asset.manifest + ":" + std::to_string(asset.line) + ": ";
    const std::string key = CacheKey(asset, options.dataDir);
    const fs::path cached = objects / (key + ".bin");
    std::optional<std::vector<std::uint8_t>> bytes = ReadFile(cached);
    if (bytes) {
      ++report->cached;
    } else {
      const fs::path scratch = work / key;
      fs::remove_all(scratch, ec);
      fs::create_directories(scratch, ec);
      std::string error;
      if (options.progress != nullptr) *options.progress << "  making " << asset.name << "\n";
      ++report->generated;
      bytes = (*FindGenerator(asset.family))(asset, BuildContext{options.dataDir, scratch}, &error);
      fs::remove_all(scratch, ec);
      if (!bytes) {
        errors.push_back(where + asset.name + ": " + (error.empty() ? "generator failed" : error));
        continue;
      }
      if (!WriteFileAtomically(cached, *bytes, &error)) errors.push_back(error);
    }

    std::string error;
    if (asset.target == kPictureArchive) {
      if (!AddMember(&pictures, asset.name, *bytes, &error)) errors.push_back(where + error);
      if (std::optional<RgbaImage> image = DecodeBmp(*bytes)) {
        sheets[asset.family].push_back({asset.name, std::move(*image)});
      }
    } else if (asset.target == kSoundArchive) {
      if (!AddMember(&sounds, asset.name, *bytes, &error)) errors.push_back(where + error);
    } else {
      looseFiles.emplace_back(options.outDir / asset.target / asset.name, std::move(*bytes));
    }
  }
  if (!errors.empty()) return false;
  report->pictures = pictures.members;
  report->sounds = sounds.members;

  std::string error;
  const auto write = [&](const fs::path& file, const std::vector<std::uint8_t>& bytes) {
    fs::create_directories(file.parent_path(), ec);
    if (!WriteFileAtomically(file, bytes, &error)) errors.push_back(error);
  };
  write(options.outDir / kPictureArchive, pictures.bytes);
  write(options.outDir / kSoundArchive, sounds.bytes);
  for (const auto& [file, bytes] : looseFiles) write(file, bytes);
  // The loose-file folders belong to the builder: a file whose row is gone
  // would otherwise still be found by the game.
  for (const char* folder : {kMusicFolder, kMovieFolder}) {
    for (fs::directory_iterator it(options.outDir / folder, ec), end; !ec && it != end;
         it.increment(ec)) {
      const bool listed = std::any_of(looseFiles.begin(), looseFiles.end(),
                                      [&](const auto& loose) { return loose.first == it->path(); });
      if (!listed && it->is_regular_file()) fs::remove(it->path(), ec);
    }
    ec.clear();
  }
  if (!options.directories.empty()) {
    const std::string text = DirectoriesSource(pictures.members, sounds.members);
    write(options.directories, std::vector<std::uint8_t>(text.begin(), text.end()));
  }
  if (!options.sheets.empty()) {
    fs::create_directories(options.sheets, ec);
    for (const auto& [family, entries] : sheets) {
      if (!WriteContactSheet(options.sheets / (family + ".png"), "family: " + family, entries,
                             &error)) {
        errors.push_back(error);
      }
    }
  }
  return errors.empty();
}

}  // namespace databuild
