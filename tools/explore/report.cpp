// coverage.json, summary.txt and the replay scripts.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/headless/json_line.h"
#include "tools/explore/explorer.h"

namespace explore {

namespace {

namespace fs = std::filesystem;

std::string Quote(const std::string& text) {
  return platform::headless::JsonString(text);
}

template <typename Range, typename Fn>
std::string List(const Range& range, Fn item) {
  std::string out = "[";
  bool first = true;
  for (const auto& value : range) {
    out += (first ? "" : ", ") + item(value);
    first = false;
  }
  return out + "]";
}

std::string Names(const auto& range) {
  return List(range, [](const std::string& s) { return Quote(s); });
}

std::string Keys(const auto& map) {
  return List(map, [](const auto& pair) { return Quote(pair.first); });
}

std::string Numbers(const std::set<int>& numbers) {
  return List(numbers, [](int n) { return std::to_string(n); });
}

std::string Json(const Coverage& c) {
  std::ostringstream out;
  out << "{\n  \"table\": " << Names(c.table) << ",\n";
  out << "  \"entered\": " << Keys(c.entered) << ",\n";
  out << "  \"endings\": " << Keys(c.endings) << ",\n";
  out << "  \"gallery\": {";
  bool first = true;
  for (const auto& [route, indices] : c.gallery) {
    out << (first ? "" : ", ") << Quote(std::to_string(route)) << ": " << Numbers(indices);
    first = false;
  }
  out << "},\n  \"movies\": " << Numbers(c.movies) << ",\n";
  out << "  \"missing\": " << Names(c.missing) << ",\n";
  out << "  \"dead_ends\": " << Keys(c.deadEnds) << ",\n";
  out << "  \"overflows\": " << Names(c.overflows) << ",\n";
  out << "  \"wraps\": " << Names(c.wraps) << ",\n";
  out << "  \"doubled\": " << Names(c.doubled) << ",\n";
  out << "  \"other_boxes\": " << Names(c.otherBoxes) << ",\n";
  out << "  \"playouts\": " << c.playouts << ",\n  \"states\": " << c.states
      << ",\n  \"stalls\": " << c.stalls << ",\n  \"frames\": " << c.frames
      << ",\n  \"seconds\": " << static_cast<long long>(c.seconds) << "\n}\n";
  return out.str();
}

std::string Summary(const Coverage& c) {
  std::ostringstream out;
  std::vector<std::string> never;
  for (const std::string& name : c.table) {
    if (c.entered.count(name) == 0) never.push_back(name);
  }
  out << "Explored " << c.playouts << " playouts, " << c.states << " distinct states, " << c.frames
      << " frames of play, in " << static_cast<long long>(c.seconds) << " s.\n\n";
  out << "Scenarios entered: " << c.table.size() - never.size() << " of " << c.table.size()
      << " in the table";
  out << (never.empty() ? ".\n" : "; never entered:\n");
  for (const std::string& name : never) out << "  " << name << "\n";
  out << "\nEndings reached: " << c.endings.size() << "\n";
  for (const auto& [name, trail] : c.endings) {
    out << "  " << name << " (" << trail.size() << " answers; replays/" << name << ".txt)\n";
  }
  out << "\nGallery bytes set:";
  if (c.gallery.empty()) out << " none";
  for (const auto& [route, indices] : c.gallery)
    out << " route " << route << ": " << indices.size();
  out << "\nMovies seen:";
  if (c.movies.empty()) out << " none";
  for (const int movie : c.movies) out << " " << movie;
  out << "\n\nFurthest along each route (date, slot, affection, a rival ahead, flags set):\n";
  for (const auto& [heroine, reach] : c.furthest) {
    out << "  " << heroine << ": " << reach.date << " " << reach.timeSlot << " " << reach.affection
        << " " << reach.rival << " [";
    for (std::size_t i = 0; i < reach.flags.size(); ++i) out << (i ? " " : "") << reach.flags[i];
    out << "]\n";
  }
  out << "\nMissing resources: " << c.missing.size() << "\n";
  for (const std::string& text : c.missing) out << "  " << text << "\n";
  out << "Dead ends: " << c.deadEnds.size() << "\n";
  for (const auto& [name, trail] : c.deadEnds) out << "  " << name << "\n";
  out << "Pages that overflow the window: " << c.overflows.size() << "\n";
  for (const std::string& text : c.overflows) out << "  " << text << "\n";
  out << "Lines the window had to break: " << c.wraps.size() << "\n";
  for (const std::string& text : c.wraps) out << "  " << text << "\n";
  out << "Speakers shown in two slots at once: " << c.doubled.size() << "\n";
  for (const std::string& text : c.doubled) out << "  " << text << "\n";
  out << "Other message boxes: " << c.otherBoxes.size() << "\n";
  for (const std::string& text : c.otherBoxes) out << "  " << text << "\n";
  out << "Stalled playouts: " << c.stalls << "\n";
  return out.str();
}

bool WriteFile(const fs::path& path, const std::string& text, std::string* error) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!(out << text) || !out.flush()) {
    *error = "cannot write " + path.string();
    return false;
  }
  return true;
}

}  // namespace

bool WriteReport(const Coverage& coverage, const std::string& folder, std::string* error) {
  const fs::path root(folder);
  std::error_code ec;
  fs::create_directories(root / "replays", ec);
  if (!WriteFile(root / "coverage.json", Json(coverage), error) ||
      !WriteFile(root / "summary.txt", Summary(coverage), error)) {
    return false;
  }
  for (const auto& [name, trail] : coverage.endings) {
    const std::string script = ReplayScript(trail, EndScreen(coverage, name));
    if (!WriteFile(root / "replays" / (name + ".txt"), script, error)) return false;
  }
  return true;
}

}  // namespace explore
