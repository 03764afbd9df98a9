// One line of the headless event log: a flat JSON object, built field by field.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform::headless {

// A JSON string literal, quotes included. Bytes that are not valid UTF-8 become
// U+FFFD so a line is always valid JSON whatever the engine hands over.
std::string JsonString(std::string_view text);

class JsonLine {
 public:
  JsonLine(std::uint64_t frame, std::string_view event);
  JsonLine& Text(std::string_view key, std::string_view value);
  JsonLine& Number(std::string_view key, std::int64_t value);
  JsonLine& Bool(std::string_view key, bool value);
  JsonLine& TextList(std::string_view key, const std::vector<std::string>& values);
  JsonLine& NumberList(std::string_view key, const std::vector<std::int64_t>& values);
  // The finished object followed by '\n'.
  std::string Finish() const;

 private:
  void Key(std::string_view key);
  std::string text_;
};

}  // namespace platform::headless
