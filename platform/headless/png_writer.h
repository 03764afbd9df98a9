// Screenshots of the headless backend.
#pragma once

#include <cstdint>
#include <string>

namespace platform::headless {

// Writes 0x00RRGGBB pixels as an 8-bit RGB PNG. The same pixels always give the
// same bytes (no time stamp), so tests may compare files. False, with a reason in
// *error when given, when the file cannot be written.
bool WritePng(const std::string& path, const std::uint32_t* pixels, int width, int height,
              std::string* error = nullptr);

}  // namespace platform::headless
