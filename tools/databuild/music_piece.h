// A piece of music as the data builder sees it: parsed from the text notation
// under data/music/ and turned into a Standard MIDI File.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace databuild::music {

struct Note {
  std::uint32_t tick = 0;
  std::uint32_t duration = 0;
  int key = 60;
  int velocity = 90;
};

struct Part {
  std::string name;
  int channel = 1;   // 1-16; 10 is the General MIDI percussion channel
  int program = 1;   // General MIDI number, 1-128
  int volume = 100;  // CC 7
  int pan = 64;      // CC 10
  int reverb = 40;   // CC 91
  std::vector<Note> notes;
};

struct Piece {
  std::string title;
  int tempo = 120;  // quarter notes per minute
  int beats = 4;    // time signature numerator
  int beatUnit = 4;
  int bars = 0;
  std::uint32_t loopTicks = 0;  // every part ends exactly here
  std::vector<Part> parts;

  std::uint32_t BarTicks() const;
  double Seconds() const;
};

// Parses the notation; on failure returns nullopt and a message naming the line.
std::optional<Piece> ParsePiece(std::string_view text, std::string* error);

// The SMF bytes of a parsed piece.
std::vector<std::uint8_t> RenderSmf(const Piece& piece);

// Expands "[ ... ]N" repeats (nested) in a line of notation.
std::optional<std::string> ExpandRepeats(std::string_view text, std::string* error);

}  // namespace databuild::music
