#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <map>
#include <sstream>

#include "tools/databuild/music_piece.h"

namespace databuild::music {
namespace {

constexpr std::uint32_t kWhole = 1920;  // 4 quarters of 480 ticks

struct Chord {
  bool silent = true;  // "N.C." or before the first chord
  int root = 0;        // pitch class
  int bass = 0;        // pitch class of the lowest note (slash chords)
  int third = 4;
  int fifth = 7;
  int seventh = -1;  // none
  int ninth = 14;
  bool operator==(const Chord&) const = default;
};

struct ChordSpan {
  std::uint32_t start = 0;
  Chord chord;
};

struct Style {
  std::uint32_t step = 0;
  std::vector<std::string> tokens;
  int line = 0;
};

struct Hit {
  int key = 36;
  std::string pattern;
  int steps = 16;
  int line = 0;
};

struct MmlLine {
  std::string text;
  int line = 0;
};

struct TrackSource {
  Part part;
  int velocity = 90;
  int gate = 7;
  int transpose = 0;
  int low = 36;
  int steps = 16;
  std::vector<MmlLine> mml;
  std::vector<Style> styles;
  std::vector<Hit> hits;
  int line = 0;
};

class Failure {
 public:
  Failure(int line, std::string message) : line_(line), message_(std::move(message)) {}
  std::string Text() const { return "line " + std::to_string(line_) + ": " + message_; }

 private:
  int line_;
  std::string message_;
};

std::string Trim(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && std::isspace(static_cast<unsigned char>(text[begin]))) ++begin;
  while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
  return std::string(text.substr(begin, end - begin));
}

std::vector<std::string> Words(std::string_view text) {
  std::istringstream in{std::string(text)};
  std::vector<std::string> words;
  std::string word;
  while (in >> word) words.push_back(word);
  return words;
}

int ParseInt(const std::string& word, int line, int low, int high) {
  char* end = nullptr;
  const long value = std::strtol(word.c_str(), &end, 10);
  if (word.empty() || *end != '\0' || value < low || value > high) {
    throw Failure(line, "expected a number from " + std::to_string(low) + " to " +
                            std::to_string(high) + ", got '" + word + "'");
  }
  return static_cast<int>(value);
}

int PitchClass(char letter) {
  static constexpr std::array<int, 7> kFromA{9, 11, 0, 2, 4, 5, 7};
  const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
  if (upper < 'A' || upper > 'G') return -1;
  return kFromA[static_cast<std::size_t>(upper - 'A')];
}

// "e2", "f#1", "bb3": the MIDI key, C4 = 60.
int ParseNoteName(const std::string& word, int line) {
  if (word.empty() || PitchClass(word[0]) < 0) throw Failure(line, "bad note name '" + word + "'");
  int key = PitchClass(word[0]);
  std::size_t at = 1;
  if (at < word.size() && (word[at] == '#' || word[at] == '+'))
    key += 1, ++at;
  else if (at < word.size() && (word[at] == 'b' || word[at] == '-'))
    key -= 1, ++at;
  const int octave = ParseInt(word.substr(at), line, -1, 9);
  return key + 12 * (octave + 1);
}

std::uint32_t ParseValue(std::string_view text, std::size_t* at, std::uint32_t fallback, int line) {
  std::uint32_t ticks = fallback;
  if (*at < text.size() && std::isdigit(static_cast<unsigned char>(text[*at]))) {
    std::uint32_t value = 0;
    while (*at < text.size() && std::isdigit(static_cast<unsigned char>(text[*at]))) {
      value = value * 10 + static_cast<std::uint32_t>(text[*at] - '0');
      ++*at;
      if (value > kWhole) throw Failure(line, "note value too small");
    }
    if (value == 0 || kWhole % value != 0) {
      throw Failure(line, "note value 1/" + std::to_string(value) + " is not a whole tick count");
    }
    ticks = kWhole / value;
  }
  std::uint32_t add = ticks;
  while (*at < text.size() && text[*at] == '.') {
    if (add % 2 != 0) throw Failure(line, "too many dots");
    add /= 2;
    ticks += add;
    ++*at;
  }
  return ticks;
}

Chord ParseChord(const std::string& word, int line) {
  Chord chord;
  if (word == "N.C." || word == "-") return chord;
  const int root = PitchClass(word[0]);
  if (root < 0) throw Failure(line, "bad chord '" + word + "'");
  chord.silent = false;
  chord.root = root;
  std::size_t at = 1;
  if (at < word.size() && word[at] == '#')
    chord.root += 1, ++at;
  else if (at < word.size() && word[at] == 'b')
    chord.root += 11, ++at;
  chord.root %= 12;
  std::string quality = word.substr(at);
  chord.bass = chord.root;
  if (const std::size_t slash = quality.find('/'); slash != std::string::npos) {
    const std::string bass = quality.substr(slash + 1);
    quality.resize(slash);
    if (bass.empty() || PitchClass(bass[0]) < 0) throw Failure(line, "bad bass in '" + word + "'");
    int pc = PitchClass(bass[0]);
    if (bass.size() > 1 && bass[1] == '#') pc += 1;
    if (bass.size() > 1 && bass[1] == 'b') pc += 11;
    chord.bass = pc % 12;
  }
  static const std::map<std::string, std::array<int, 3>> kQualities{
      {"", {4, 7, -1}},     {"m", {3, 7, -1}},    {"7", {4, 7, 10}},     {"maj7", {4, 7, 11}},
      {"m7", {3, 7, 10}},   {"m7b5", {3, 6, 10}}, {"dim", {3, 6, 9}},    {"aug", {4, 8, -1}},
      {"sus4", {5, 7, -1}}, {"sus2", {2, 7, -1}}, {"7sus4", {5, 7, 10}}, {"6", {4, 7, 9}},
      {"m6", {3, 7, 9}},    {"add9", {4, 7, -1}}, {"madd9", {3, 7, -1}}, {"9", {4, 7, 10}},
      {"maj9", {4, 7, 11}}, {"m9", {3, 7, 10}},   {"mmaj7", {3, 7, 11}}};
  const auto found = kQualities.find(quality);
  if (found == kQualities.end()) throw Failure(line, "unknown chord quality in '" + word + "'");
  chord.third = found->second[0];
  chord.fifth = found->second[1];
  chord.seventh = found->second[2];
  return chord;
}

// Semitones above the chord's root for a degree: 1/8/15 root, 3/10 third,
// 5/12 fifth, 7/14 seventh (the octave when the chord has none), 2/9 ninth,
// 4/11 fourth, 6/13 sixth.
int DegreeOffset(const Chord& chord, int degree, int line) {
  const int octave = degree >= 15 ? 24 : (degree >= 8 ? 12 : 0);
  switch ((degree - 1) % 7 + 1) {
    case 1:
      return octave;
    case 2:
      return chord.ninth - 12 + octave;
    case 3:
      return chord.third + octave;
    case 4:
      return 5 + octave;
    case 5:
      return chord.fifth + octave;
    case 6:
      return 9 + octave;
    case 7:
      return (chord.seventh < 0 ? 12 : chord.seventh) + octave;
    default:
      break;
  }
  throw Failure(line, "bad degree " + std::to_string(degree));
}

int LowestAtOrAbove(int pitchClass, int low) {
  int key = low;
  while (((key % 12) + 12) % 12 != pitchClass) ++key;
  return key;
}

std::vector<int> StepKeys(const Chord& chord, const std::string& token, int low, int line) {
  std::vector<int> keys;
  const int root = LowestAtOrAbove(chord.root, low);
  std::size_t start = 0;
  while (start <= token.size()) {
    const std::size_t plus = std::min(token.find('+', start), token.size());
    const std::string part = token.substr(start, plus - start);
    if (part == "B") {
      keys.push_back(LowestAtOrAbove(chord.bass, low));
    } else if (part == "R") {
      keys.push_back(root);
    } else {
      keys.push_back(root + DegreeOffset(chord, ParseInt(part, line, 1, 21), line));
    }
    start = plus + 1;
  }
  return keys;
}

int Clamp(int value, int low, int high) {
  return std::max(low, std::min(high, value));
}

class Builder {
 public:
  Builder(Piece* piece, std::vector<ChordSpan> chords)
      : piece_(*piece), chords_(std::move(chords)) {}

  void Build(TrackSource& source) {
    Part& part = source.part;
    if (!source.mml.empty()) Mml(source);
    for (const Style& style : source.styles) ApplyStyle(source, style);
    for (const Hit& hit : source.hits) ApplyHit(source, hit);
    for (const Note& note : part.notes) {
      if (note.tick + note.duration > piece_.loopTicks) {
        throw Failure(source.line, "track '" + part.name + "' sounds past the loop end");
      }
    }
    std::stable_sort(part.notes.begin(), part.notes.end(),
                     [](const Note& a, const Note& b) { return a.tick < b.tick; });
  }

 private:
  int Velocity(int base, std::uint32_t tick) const {
    const std::uint32_t beat = kWhole / static_cast<std::uint32_t>(piece_.beatUnit);
    if (tick % piece_.BarTicks() == 0) return base + 8;
    if (tick % beat == 0) return base;
    return base - 8;
  }

  // Index of the chord sounding at the tick.
  std::size_t ChordAt(std::uint32_t tick) const {
    std::size_t index = 0;
    while (index + 1 < chords_.size() && chords_[index + 1].start <= tick) ++index;
    return index;
  }

  std::uint32_t ChordEnd(std::size_t index) const {
    return index + 1 < chords_.size() ? chords_[index + 1].start : piece_.loopTicks;
  }

  void ApplyStyle(TrackSource& source, const Style& style) {
    if (chords_.empty()) throw Failure(style.line, "a style needs a chords line");
    const std::size_t count = style.tokens.size();
    std::string struck = "-";
    for (std::uint32_t tick = 0, i = 0; tick < piece_.loopTicks; tick += style.step, ++i) {
      std::string token = style.tokens[i % count];
      const std::size_t index = ChordAt(tick);
      if (token == "~") {
        // A hold that meets a new chord strikes the new chord's notes.
        if (chords_[index].start != tick) continue;
        token = struck;
      }
      struck = token;
      if (token == "-") continue;
      const Chord& chord = chords_[index].chord;
      if (chord.silent) continue;
      std::uint32_t length = style.step;
      for (std::size_t k = 1; k < count && style.tokens[(i + k) % count] == "~"; ++k) {
        length += style.step;
      }
      length = std::min(length, ChordEnd(index) - tick);
      const std::uint32_t sounding =
          std::max<std::uint32_t>(1, length * static_cast<std::uint32_t>(source.gate) / 8);
      for (int key : StepKeys(chord, token, source.low, style.line)) {
        AddNote(source, tick, sounding, key + source.transpose, Velocity(source.velocity, tick),
                style.line);
      }
    }
  }

  void ApplyHit(TrackSource& source, const Hit& hit) {
    std::string marks;
    for (char c : hit.pattern) {
      if (c == 'x' || c == 'X' || c == 'o' || c == '.')
        marks.push_back(c);
      else if (c != '|')
        throw Failure(hit.line, std::string("bad drum mark '") + c + "'");
    }
    if (marks.empty()) throw Failure(hit.line, "empty drum pattern");
    if (piece_.BarTicks() % static_cast<std::uint32_t>(hit.steps) != 0) {
      throw Failure(hit.line, "steps do not divide the bar");
    }
    const std::uint32_t step = piece_.BarTicks() / static_cast<std::uint32_t>(hit.steps);
    for (std::uint32_t tick = 0, i = 0; tick < piece_.loopTicks; tick += step, ++i) {
      const char mark = marks[i % marks.size()];
      if (mark == '.') continue;
      const int velocity = source.velocity + (mark == 'X' ? 25 : (mark == 'o' ? -35 : 0));
      AddNote(source, tick, std::min<std::uint32_t>(step, 120), hit.key, velocity, hit.line);
    }
  }

  void AddNote(TrackSource& source, std::uint32_t tick, std::uint32_t duration, int key,
               int velocity, int line) {
    if (key < 0 || key > 127) throw Failure(line, "note outside the MIDI range");
    source.part.notes.push_back(Note{tick, duration, key, Clamp(velocity, 1, 127)});
  }

  void Mml(TrackSource& source) {
    std::uint32_t tick = 0;
    int octave = 4;
    std::uint32_t length = kWhole / 4;
    int velocity = source.velocity;
    int gate = source.gate;
    int transpose = source.transpose;
    for (const MmlLine& line : source.mml) {
      const std::string_view text = line.text;
      std::size_t at = 0;
      auto number = [&](int low, int high) {
        std::size_t begin = at;
        if (at < text.size() && text[at] == '-') ++at;
        while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) ++at;
        return ParseInt(std::string(text.substr(begin, at - begin)), line.line, low, high);
      };
      auto accidental = [&]() {
        int shift = 0;
        while (at < text.size() && (text[at] == '+' || text[at] == '#' || text[at] == '-')) {
          shift += text[at] == '-' ? -1 : 1;
          ++at;
        }
        return shift;
      };
      auto ties = [&](std::uint32_t ticks) {
        while (at < text.size() && text[at] == '^') {
          ++at;
          ticks += ParseValue(text, &at, length, line.line);
        }
        return ticks;
      };
      auto play = [&](const std::vector<int>& keys, std::uint32_t ticks) {
        const std::uint32_t sounding =
            std::max<std::uint32_t>(1, ticks * static_cast<std::uint32_t>(gate) / 8);
        for (int key : keys) {
          AddNote(source, tick, sounding, key + transpose, Velocity(velocity, tick) - 4, line.line);
        }
        tick += ticks;
      };
      while (at < text.size()) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text[at])));
        if (std::isspace(static_cast<unsigned char>(c))) {
          ++at;
        } else if (PitchClass(c) >= 0 && c >= 'a' && c <= 'g') {
          ++at;
          const int key = 12 * (octave + 1) + PitchClass(c) + accidental();
          const std::uint32_t ticks = ties(ParseValue(text, &at, length, line.line));
          play({key}, ticks);
        } else if (c == '(') {
          ++at;
          std::vector<int> keys;
          int local = octave;
          while (at < text.size() && text[at] != ')') {
            const char n = static_cast<char>(std::tolower(static_cast<unsigned char>(text[at])));
            ++at;
            if (n == '<')
              --local;
            else if (n == '>')
              ++local;
            else if (n == ' ')
              continue;
            else if (PitchClass(n) >= 0 && n >= 'a' && n <= 'g') {
              keys.push_back(12 * (local + 1) + PitchClass(n) + accidental());
            } else {
              throw Failure(line.line, std::string("bad character in chord: '") + n + "'");
            }
          }
          if (at >= text.size() || keys.empty()) throw Failure(line.line, "unclosed chord");
          ++at;
          play(keys, ties(ParseValue(text, &at, length, line.line)));
        } else if (c == 'r') {
          ++at;
          tick += ties(ParseValue(text, &at, length, line.line));
        } else if (c == 'o') {
          ++at;
          octave = number(0, 8);
        } else if (c == '<') {
          ++at;
          --octave;
        } else if (c == '>') {
          ++at;
          ++octave;
        } else if (c == 'l') {
          ++at;
          length = ParseValue(text, &at, length, line.line);
        } else if (c == 'v') {
          ++at;
          velocity = number(1, 127);
        } else if (c == 'q') {
          ++at;
          gate = number(1, 8);
        } else if (c == 'k') {
          ++at;
          transpose = source.transpose + number(-24, 24);
        } else if (c == '|') {
          ++at;
          if (tick % piece_.BarTicks() != 0) {
            throw Failure(line.line, "bar line at tick " + std::to_string(tick) +
                                         " is not on a bar boundary (bar " +
                                         std::to_string(tick / piece_.BarTicks() + 1) + ")");
          }
        } else {
          throw Failure(line.line, std::string("unexpected '") + text[at] + "' in mml");
        }
      }
    }
    if (tick != piece_.loopTicks) {
      throw Failure(source.line, "track '" + source.part.name + "' lasts " + std::to_string(tick) +
                                     " ticks, the loop is " + std::to_string(piece_.loopTicks));
    }
  }

  Piece& piece_;
  std::vector<ChordSpan> chords_;
};

int DrumKey(const std::string& name, int line) {
  static const std::map<std::string, int> kDrums{
      {"kick", 36},    {"rim", 37},     {"snare", 38},    {"clap", 39},      {"tomlo", 45},
      {"chh", 42},     {"phh", 44},     {"ohh", 46},      {"tommid", 47},    {"tomhi", 50},
      {"crash", 49},   {"ride", 51},    {"bell", 53},     {"tamb", 54},      {"splash", 55},
      {"cowbell", 56}, {"bongohi", 60}, {"bongolo", 61},  {"congamute", 62}, {"congahi", 63},
      {"congalo", 64}, {"cabasa", 69},  {"shaker", 70},   {"whistle", 72},   {"claves", 75},
      {"blockhi", 76}, {"blocklo", 77}, {"triangle", 81}, {"chimes", 84}};
  const auto found = kDrums.find(name);
  if (found != kDrums.end()) return found->second;
  return ParseInt(name, line, 27, 87);
}

std::vector<ChordSpan> ParseChords(const std::vector<MmlLine>& lines, const Piece& piece) {
  std::vector<ChordSpan> spans;
  std::string all;
  int line = lines.empty() ? 0 : lines.front().line;
  for (const MmlLine& part : lines) all += part.text + " ";
  std::vector<std::string> bars;
  std::string current;
  for (char c : all) {
    if (c == '|') {
      if (!Trim(current).empty()) bars.push_back(Trim(current));
      current.clear();
    } else {
      current.push_back(c);
    }
  }
  if (!Trim(current).empty()) bars.push_back(Trim(current));
  if (static_cast<int>(bars.size()) != piece.bars) {
    throw Failure(line, "chords cover " + std::to_string(bars.size()) + " bars, the piece has " +
                            std::to_string(piece.bars));
  }
  Chord previous;
  for (std::size_t bar = 0; bar < bars.size(); ++bar) {
    const std::vector<std::string> words = Words(bars[bar]);
    const auto count = static_cast<std::uint32_t>(words.size());
    if (piece.BarTicks() % count != 0) throw Failure(line, "chords do not divide bar evenly");
    const std::uint32_t each = piece.BarTicks() / count;
    for (std::uint32_t i = 0; i < count; ++i) {
      const Chord chord = words[i] == "." ? previous : ParseChord(words[i], line);
      if (spans.empty() || !(chord == previous)) {
        spans.push_back(
            ChordSpan{static_cast<std::uint32_t>(bar) * piece.BarTicks() + i * each, chord});
      }
      previous = chord;
    }
  }
  return spans;
}

}  // namespace

std::uint32_t Piece::BarTicks() const {
  return static_cast<std::uint32_t>(beats) * (kWhole / static_cast<std::uint32_t>(beatUnit));
}

double Piece::Seconds() const {
  return static_cast<double>(loopTicks) / 480.0 * 60.0 / static_cast<double>(tempo);
}

std::optional<std::string> ExpandRepeats(std::string_view text, std::string* error) {
  std::vector<std::string> stack{""};
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    if (c == '[') {
      stack.emplace_back();
    } else if (c == ']') {
      if (stack.size() < 2) {
        *error = "']' without '['";
        return std::nullopt;
      }
      int count = 0;
      while (at + 1 < text.size() && std::isdigit(static_cast<unsigned char>(text[at + 1]))) {
        count = count * 10 + (text[++at] - '0');
        if (count > 999) break;
      }
      if (count < 1 || count > 999) {
        *error = "a repeat needs a count from 1 to 999";
        return std::nullopt;
      }
      std::string body = std::move(stack.back());
      stack.pop_back();
      // Nested counts multiply; a typo must not eat the machine's memory.
      if ((body.size() + 1) * static_cast<std::size_t>(count) + stack.back().size() > 1000000) {
        *error = "a repeat expands past a million characters";
        return std::nullopt;
      }
      for (int i = 0; i < count; ++i) stack.back() += body + " ";
    } else {
      stack.back().push_back(c);
    }
  }
  if (stack.size() != 1) {
    *error = "'[' without ']'";
    return std::nullopt;
  }
  return stack.front();
}

std::optional<Piece> ParsePiece(std::string_view text, std::string* error) {
  Piece piece;
  std::vector<TrackSource> sources;
  std::vector<MmlLine> chordLines;
  int lineNumber = 0;
  try {
    std::size_t start = 0;
    while (start <= text.size()) {
      const std::size_t end = std::min(text.find('\n', start), text.size());
      std::string_view raw = text.substr(start, end - start);
      start = end + 1;
      ++lineNumber;
      // '#' is also a sharp; a comment starts at a '#' that follows a space or opens the line.
      for (std::size_t hash = raw.find('#'); hash != std::string_view::npos;
           hash = raw.find('#', hash + 1)) {
        if (hash == 0 || std::isspace(static_cast<unsigned char>(raw[hash - 1]))) {
          raw = raw.substr(0, hash);
          break;
        }
      }
      std::string line = Trim(raw);
      if (line.empty()) continue;
      std::string expandError;
      const std::optional<std::string> expanded = ExpandRepeats(line, &expandError);
      if (!expanded) throw Failure(lineNumber, expandError);
      line = *expanded;
      const std::size_t space = line.find_first_of(" \t");
      const std::string key = line.substr(0, space);
      const std::string rest = space == std::string::npos ? "" : Trim(line.substr(space));
      const std::vector<std::string> words = Words(rest);
      auto one = [&]() -> const std::string& {
        if (words.size() != 1) throw Failure(lineNumber, "'" + key + "' takes one value");
        return words.front();
      };
      auto track = [&]() -> TrackSource& {
        if (sources.empty()) throw Failure(lineNumber, "'" + key + "' before any track");
        return sources.back();
      };
      if (key == "title") {
        piece.title = rest;
      } else if (key == "tempo") {
        piece.tempo = ParseInt(one(), lineNumber, 20, 300);
      } else if (key == "meter") {
        const std::size_t slash = one().find('/');
        if (slash == std::string::npos) throw Failure(lineNumber, "meter is N/M");
        piece.beats = ParseInt(words[0].substr(0, slash), lineNumber, 1, 16);
        piece.beatUnit = ParseInt(words[0].substr(slash + 1), lineNumber, 2, 16);
        if (piece.beatUnit != 2 && piece.beatUnit != 4 && piece.beatUnit != 8 &&
            piece.beatUnit != 16) {
          throw Failure(lineNumber, "meter's lower number must be 2, 4, 8 or 16");
        }
      } else if (key == "bars") {
        piece.bars = ParseInt(one(), lineNumber, 1, 512);
      } else if (key == "chords") {
        chordLines.push_back(MmlLine{rest, lineNumber});
      } else if (key == "track") {
        if (rest.empty()) throw Failure(lineNumber, "a track needs a name");
        TrackSource source;
        source.part.name = rest;
        source.line = lineNumber;
        sources.push_back(std::move(source));
      } else if (key == "channel") {
        track().part.channel = ParseInt(one(), lineNumber, 1, 16);
      } else if (key == "program") {
        track().part.program = ParseInt(one(), lineNumber, 1, 128);
      } else if (key == "volume") {
        track().part.volume = ParseInt(one(), lineNumber, 0, 127);
      } else if (key == "pan") {
        track().part.pan = ParseInt(one(), lineNumber, 0, 127);
      } else if (key == "reverb") {
        track().part.reverb = ParseInt(one(), lineNumber, 0, 127);
      } else if (key == "velocity") {
        track().velocity = ParseInt(one(), lineNumber, 1, 127);
      } else if (key == "gate") {
        track().gate = ParseInt(one(), lineNumber, 1, 8);
      } else if (key == "transpose") {
        track().transpose = ParseInt(one(), lineNumber, -48, 48);
      } else if (key == "low") {
        track().low = ParseNoteName(one(), lineNumber);
      } else if (key == "steps") {
        track().steps = ParseInt(one(), lineNumber, 1, 192);
      } else if (key == "mml") {
        track().mml.push_back(MmlLine{rest, lineNumber});
      } else if (key == "style") {
        if (words.size() < 2) throw Failure(lineNumber, "style needs a step value and steps");
        std::size_t at = 0;
        Style style;
        style.step = ParseValue(words[0], &at, 0, lineNumber);
        if (at != words[0].size() || style.step == 0) throw Failure(lineNumber, "bad step value");
        style.tokens.assign(words.begin() + 1, words.end());
        style.line = lineNumber;
        track().styles.push_back(std::move(style));
      } else if (key == "hit") {
        if (words.empty()) throw Failure(lineNumber, "hit needs a drum and a pattern");
        std::string pattern;
        for (std::size_t i = 1; i < words.size(); ++i) pattern += words[i];
        track().hits.push_back(
            Hit{DrumKey(words[0], lineNumber), pattern, track().steps, lineNumber});
      } else {
        throw Failure(lineNumber, "unknown keyword '" + key + "'");
      }
    }
    if (piece.bars == 0) throw Failure(lineNumber, "no 'bars' line");
    if (sources.empty()) throw Failure(lineNumber, "no tracks");
    if (sources.size() > 15) throw Failure(lineNumber, "too many tracks");
    piece.loopTicks = piece.BarTicks() * static_cast<std::uint32_t>(piece.bars);
    std::vector<ChordSpan> chords;
    if (!chordLines.empty()) chords = ParseChords(chordLines, piece);
    Builder builder(&piece, chords);
    for (TrackSource& source : sources) {
      builder.Build(source);
      piece.parts.push_back(std::move(source.part));
    }
  } catch (const Failure& failure) {
    *error = failure.Text();
    return std::nullopt;
  }
  return piece;
}

}  // namespace databuild::music
