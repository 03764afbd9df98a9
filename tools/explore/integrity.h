// The story's static integrity: what the scenario sources name must exist.
// Every scenario name they mention is in the table, or is a route scenario the
// story bible plans (the code asks Written() before going there); every name in
// the table is mentioned somewhere, so something can lead to it; every picture,
// sound, music and movie is in the data manifest.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace explore {

struct IntegrityInput {
  std::string storyFolder;         // the scenario sources, searched recursively
  std::string manifestFolder;      // data/manifest: every *.tsv in it
  std::string bible;               // docs/story-bible.md's text
  std::vector<std::string> table;  // the scenario table's names, entry 0 first
};

// One line per problem, "file: what"; empty when all is well.
std::vector<std::string> CheckIntegrity(const IntegrityInput& input);

// Characters of story text (the Japanese in the sources' string literals, a
// full-width space not counted) in each folder under the story folder.
std::map<std::string, std::size_t> TextSize(const std::string& storyFolder);

}  // namespace explore
