#include "tools/databuild/movie_draw.h"

#include <cairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace databuild::movie {
namespace {

constexpr double kPi = 3.14159265358979323846;

constexpr std::array<Reel, 7> kReels = {{
    {"sensatu", Stage::kLineTest, -1, 12, 96,
     "line test shared by both films: a slate, then the giant and the wolf girl as boiling "
     "grey pencil on paper, drawn on threes"},
    {"gagagen", Stage::kKey, 0, 12, 120,
     "film 0 key animation: held pencil keys of the giant waking, a timing sheet, a storyboard "
     "page for a missing cut"},
    {"gagaras", Stage::kRush, 0, 12, 120,
     "film 0 rush: the giant in colour over a blank card, then the town with the children "
     "still uncoloured; scratches, dust, timecode"},
    {"gagasyo", Stage::kPrint, 0, 12, 144,
     "film 0 first print: title card, then the giant walking past the windmills by the sea"},
    {"ronigen", Stage::kKey, 1, 12, 120,
     "film 1 key animation: held pencil keys of the girl leaping, a timing sheet, a storyboard "
     "page for a missing cut"},
    {"roniras", Stage::kRush, 1, 12, 120,
     "film 1 rush: the girl and the wolf in colour over a blank card, then the night pass with "
     "the wolf still uncoloured; scratches, dust, timecode"},
    {"ronisyo", Stage::kPrint, 1, 12, 144,
     "film 1 first print: title card, then the girl and the wolf crossing the pass in moonlit "
     "mist"},
}};

struct Rgb {
  double r, g, b;
};

// Deterministic noise in [0, 1) from up to three integers.
double Hash(int a, int b, int c = 0) {
  std::uint32_t h = static_cast<std::uint32_t>(a) * 0x9E3779B1u;
  h ^= (static_cast<std::uint32_t>(b) + 0x7F4A7C15u) * 0x85EBCA77u;
  h ^= (static_cast<std::uint32_t>(c) + 0x165667B1u) * 0xC2B2AE3Du;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return static_cast<double>(h) / 4294967296.0;
}

// How shapes are drawn: pencil outlines only, or filled with their colours.
struct Ink {
  bool fill = false;
  Rgb line{0.25, 0.25, 0.27};
  double width = 1.4;
  bool blank = false;  // filled with paper white: traced but not yet painted
};

void SetColour(cairo_t* cr, Rgb c, double alpha = 1.0) {
  cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

// Finishes the current path as one part of a figure.
void Part(cairo_t* cr, const Ink& ink, Rgb colour) {
  if (ink.fill) {
    SetColour(cr, ink.blank ? Rgb{0.97, 0.97, 0.95} : colour);
    cairo_fill_preserve(cr);
  }
  SetColour(cr, ink.line);
  cairo_set_line_width(cr, ink.width);
  cairo_stroke(cr);
}

void Polygon(cairo_t* cr, std::initializer_list<std::array<double, 2>> points) {
  bool first = true;
  for (const auto& p : points) {
    if (first) {
      cairo_move_to(cr, p[0], p[1]);
    } else {
      cairo_line_to(cr, p[0], p[1]);
    }
    first = false;
  }
  cairo_close_path(cr);
}

void Circle(cairo_t* cr, double x, double y, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x, y, r, 0, 2 * kPi);
}

void Text(cairo_t* cr, const std::string& text, double x, double y, double size, bool japanese,
          Rgb colour, bool centred = true, double alpha = 1.0) {
  cairo_select_font_face(cr, japanese ? "IPAGothic" : "DejaVu Sans Mono", CAIRO_FONT_SLANT_NORMAL,
                         CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, text.c_str(), &extents);
  const double left = centred ? x - extents.width / 2 - extents.x_bearing : x;
  cairo_move_to(cr, left, y);
  SetColour(cr, colour, alpha);
  cairo_show_text(cr, text.c_str());
}

// Four windmill sails around (x, y), turned by angle.
void Sails(cairo_t* cr, const Ink& ink, double x, double y, double length, double angle,
           Rgb colour) {
  for (int i = 0; i < 4; ++i) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle + i * kPi / 2);
    Polygon(
        cr,
        {{{length * 0.15, -2}}, {{length, -length * 0.16}}, {{length, 2}}, {{length * 0.15, 2}}});
    Part(cr, ink, colour);
    cairo_restore(cr);
  }
  Circle(cr, x, y, length * 0.09);
  Part(cr, ink, Rgb{0.3, 0.22, 0.16});
}

// The clockwork giant: windmill vanes on its back, ship's iron body. (x, y) is
// between its feet; phase swings its legs and arms.
void Giant(cairo_t* cr, const Ink& ink, double x, double y, double s, double phase, double vanes,
           double armLift = 0.0) {
  const double swing = std::sin(phase) * 8 * s;
  Sails(cr, ink, x, y - 105 * s, 62 * s, vanes, Rgb{0.96, 0.9, 0.72});
  // Legs.
  cairo_rectangle(cr, x - 20 * s + swing, y - 58 * s, 13 * s, 58 * s);
  Part(cr, ink, Rgb{0.36, 0.4, 0.48});
  cairo_rectangle(cr, x + 7 * s - swing, y - 58 * s, 13 * s, 58 * s);
  Part(cr, ink, Rgb{0.36, 0.4, 0.48});
  // Arms, hanging from the shoulders.
  for (int side = -1; side <= 1; side += 2) {
    cairo_save(cr);
    cairo_translate(cr, x + side * 30 * s, y - 122 * s);
    cairo_rotate(cr, side * (0.15 + armLift) + (side > 0 ? -1 : 1) * std::sin(phase) * 0.25);
    cairo_rectangle(cr, -5 * s, 0, 10 * s, 55 * s);
    Part(cr, ink, Rgb{0.55, 0.3, 0.16});
    Circle(cr, 0, 58 * s, 8 * s);
    Part(cr, ink, Rgb{0.36, 0.4, 0.48});
    cairo_restore(cr);
  }
  // Body: a riveted hull.
  Polygon(cr, {{{x - 30 * s, y - 58 * s}},
               {{x + 30 * s, y - 58 * s}},
               {{x + 26 * s, y - 130 * s}},
               {{x - 26 * s, y - 130 * s}}});
  Part(cr, ink, Rgb{0.78, 0.42, 0.18});
  for (int i = 0; i < 4; ++i) {
    Circle(cr, x - 18 * s + i * 12 * s, y - 66 * s, 1.6 * s);
    Part(cr, ink, Rgb{0.4, 0.2, 0.1});
  }
  // Head with two lamp eyes.
  cairo_rectangle(cr, x - 15 * s, y - 158 * s, 30 * s, 28 * s);
  Part(cr, ink, Rgb{0.42, 0.5, 0.62});
  Circle(cr, x - 6 * s, y - 146 * s, 4 * s);
  Part(cr, ink, Rgb{1.0, 0.84, 0.15});
  Circle(cr, x + 6 * s, y - 146 * s, 4 * s);
  Part(cr, ink, Rgb{1.0, 0.84, 0.15});
  // The hub of the vanes shows through a porthole in the chest.
  Circle(cr, x, y - 105 * s, 7 * s);
  Part(cr, ink, Rgb{0.3, 0.22, 0.16});
}

// A child of the windmill town; wave lifts one arm.
void Child(cairo_t* cr, const Ink& ink, double x, double y, double s, Rgb clothes, double wave) {
  cairo_move_to(cr, x - 4 * s, y);
  cairo_line_to(cr, x - 3 * s, y - 14 * s);
  cairo_move_to(cr, x + 4 * s, y);
  cairo_line_to(cr, x + 3 * s, y - 14 * s);
  SetColour(cr, ink.line);
  cairo_set_line_width(cr, ink.width);
  cairo_stroke(cr);
  Polygon(cr, {{{x - 8 * s, y - 12 * s}},
               {{x + 8 * s, y - 12 * s}},
               {{x + 5 * s, y - 32 * s}},
               {{x - 5 * s, y - 32 * s}}});
  Part(cr, ink, clothes);
  cairo_move_to(cr, x + 5 * s, y - 30 * s);
  cairo_line_to(cr, x + 14 * s, y - 30 * s - 12 * s * wave);
  SetColour(cr, ink.line);
  cairo_stroke(cr);
  Circle(cr, x, y - 39 * s, 7 * s);
  Part(cr, ink, Rgb{0.96, 0.8, 0.66});
}

// The wolf-raised girl: ponytail, scarf, short kimono. lean tips her forward
// (crouch or leap), phase moves her legs.
void Girl(cairo_t* cr, const Ink& ink, double x, double y, double s, double phase,
          double lean = 0.0) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, lean);
  const double step = std::sin(phase) * 7 * s;
  cairo_move_to(cr, -3 * s, -28 * s);
  cairo_line_to(cr, -4 * s + step, 0);
  cairo_move_to(cr, 3 * s, -28 * s);
  cairo_line_to(cr, 4 * s - step, 0);
  SetColour(cr, ink.line);
  cairo_set_line_width(cr, ink.width * 1.6);
  cairo_stroke(cr);
  Polygon(cr, {{{-13 * s, -26 * s}}, {{13 * s, -26 * s}}, {{7 * s, -66 * s}}, {{-7 * s, -66 * s}}});
  Part(cr, ink, Rgb{0.62, 0.1, 0.2});
  // Scarf streaming behind.
  Polygon(cr, {{{-7 * s, -66 * s}},
               {{7 * s, -66 * s}},
               {{-26 * s, -58 * s + step * 0.5}},
               {{-30 * s, -62 * s + step * 0.5}}});
  Part(cr, ink, Rgb{0.9, 0.72, 0.16});
  // Ponytail, then the head.
  Polygon(cr, {{{-6 * s, -82 * s}}, {{-26 * s, -76 * s - step * 0.4}}, {{-6 * s, -74 * s}}});
  Part(cr, ink, Rgb{0.08, 0.08, 0.12});
  Circle(cr, 0, -77 * s, 9 * s);
  Part(cr, ink, Rgb{0.95, 0.8, 0.68});
  cairo_restore(cr);
}

// The mountain wolf; phase moves its legs, turn lifts its head.
void Wolf(cairo_t* cr, const Ink& ink, double x, double y, double s, double phase,
          double turn = 0.0) {
  const double step = std::sin(phase) * 6 * s;
  for (int i = 0; i < 4; ++i) {
    const double lx = x + (i < 2 ? -22 : 16) * s + (i % 2 ? 4 : -2) * s;
    const double lift = (i % 2 ? step : -step);
    cairo_move_to(cr, lx, y - 20 * s);
    cairo_line_to(cr, lx + lift, y);
  }
  SetColour(cr, ink.line);
  cairo_set_line_width(cr, ink.width * 2.2);
  cairo_stroke(cr);
  // Tail, body, head with ears.
  Polygon(cr, {{{x - 28 * s, y - 30 * s}},
               {{x - 52 * s, y - 20 * s + step * 0.3}},
               {{x - 30 * s, y - 22 * s}}});
  Part(cr, ink, Rgb{0.5, 0.55, 0.66});
  Polygon(cr, {{{x - 30 * s, y - 34 * s}},
               {{x + 22 * s, y - 38 * s}},
               {{x + 26 * s, y - 18 * s}},
               {{x - 26 * s, y - 18 * s}}});
  Part(cr, ink, Rgb{0.5, 0.55, 0.66});
  const double hy = y - 44 * s - turn * 8 * s;
  Polygon(cr, {{{x + 16 * s, hy + 8 * s}},
               {{x + 22 * s, hy - 8 * s}},
               {{x + 27 * s, hy - 2 * s}},
               {{x + 32 * s, hy - 10 * s}},
               {{x + 34 * s, hy}},
               {{x + 46 * s, hy + 6 * s}},
               {{x + 30 * s, hy + 14 * s}}});
  Part(cr, ink, Rgb{0.44, 0.48, 0.6});
  Circle(cr, x + 30 * s, hy + 3 * s, 1.8 * s);
  Part(cr, ink, Rgb{1.0, 0.85, 0.2});
}

void Windmill(cairo_t* cr, const Ink& ink, double x, double y, double s, double angle) {
  Polygon(
      cr,
      {{{x - 10 * s, y}}, {{x + 10 * s, y}}, {{x + 6 * s, y - 40 * s}}, {{x - 6 * s, y - 40 * s}}});
  Part(cr, ink, Rgb{0.97, 0.95, 0.9});
  Polygon(cr, {{{x - 8 * s, y - 40 * s}}, {{x + 8 * s, y - 40 * s}}, {{x, y - 50 * s}}});
  Part(cr, ink, Rgb{0.85, 0.22, 0.15});
  Sails(cr, ink, x, y - 42 * s, 26 * s, angle, Rgb{0.98, 0.96, 0.88});
}

void Fill(cairo_t* cr, Rgb colour) {
  SetColour(cr, colour);
  cairo_paint(cr);
}

// Animation paper under the line-test camera: off-white, flickering a little,
// with the peg bar at the bottom.
void Paper(cairo_t* cr, int frame, double whiteness) {
  const double flicker = (Hash(frame, 11) - 0.5) * 0.03;
  Fill(cr, Rgb{whiteness + flicker, whiteness - 0.01 + flicker, whiteness - 0.03 + flicker});
  SetColour(cr, Rgb{0.2, 0.2, 0.2});
  cairo_rectangle(cr, 100, 228, 18, 8);
  cairo_rectangle(cr, 151, 227, 18, 10);
  cairo_rectangle(cr, 202, 228, 18, 8);
  cairo_fill(cr);
}

void FieldGuide(cairo_t* cr) {
  SetColour(cr, Rgb{0.55, 0.55, 0.58}, 0.6);
  cairo_set_line_width(cr, 0.8);
  cairo_rectangle(cr, 20, 14, 280, 200);
  cairo_stroke(cr);
  cairo_move_to(cr, 154, 114);
  cairo_line_to(cr, 166, 114);
  cairo_move_to(cr, 160, 108);
  cairo_line_to(cr, 160, 120);
  cairo_stroke(cr);
}

// The studio's hand-lettered slate at the head of a cut.
void Slate(cairo_t* cr, const std::string& kind, const std::string& title, const std::string& cut,
           int frame) {
  const Rgb pencil{0.22, 0.22, 0.24};
  cairo_set_line_width(cr, 2.0);
  SetColour(cr, pencil);
  cairo_rectangle(cr, 50, 40, 220, 150);
  cairo_move_to(cr, 50, 90);
  cairo_line_to(cr, 270, 90);
  cairo_move_to(cr, 160, 90);
  cairo_line_to(cr, 160, 190);
  cairo_stroke(cr);
  // The clapper closes at frame 9.
  const double open = frame < 9 ? 0.35 * (9 - frame) / 9.0 : 0.0;
  cairo_save(cr);
  cairo_translate(cr, 50, 40);
  cairo_rotate(cr, -open);
  SetColour(cr, pencil);
  cairo_rectangle(cr, 0, -16, 220, 14);
  cairo_fill(cr);
  cairo_restore(cr);
  Text(cr, kind, 160, 78, 26, true, pencil);
  Text(cr, title, 105, 150, 24, true, pencil);
  Text(cr, cut, 215, 150, 20, false, pencil);
}

double Jitter(int drawing, int salt) {
  return (Hash(drawing, salt) - 0.5);
}

void LineTest(cairo_t* cr, int frame) {
  Paper(cr, frame, 0.9);
  cairo_translate(cr, Jitter(frame, 1) * 1.6, Jitter(frame, 2) * 1.6);
  if (frame < 18) {
    Slate(cr, "線撮", "ガガ/ロウ", "C-1", frame);
    return;
  }
  FieldGuide(cr);
  Ink pencil;
  if (frame < 57) {
    const int drawing = (frame - 18) / 3;  // on threes
    cairo_translate(cr, Jitter(drawing, 3) * 2, Jitter(drawing, 4) * 2);
    Giant(cr, pencil, 70 + drawing * 14, 212, 1.0, drawing * 0.9, drawing * 0.3);
    Text(cr, std::to_string(drawing + 1), 290, 30, 12, false, Rgb{0.3, 0.3, 0.3});
  } else {
    const int drawing = (frame - 57) / 3;
    cairo_translate(cr, Jitter(drawing, 5) * 2, Jitter(drawing, 6) * 2);
    Wolf(cr, pencil, 120 + drawing * 12, 205, 1.1, drawing * 1.1);
    Girl(cr, pencil, 45 + drawing * 12, 205, 1.3, drawing * 1.1);
    Text(cr, std::to_string(drawing + 1), 290, 30, 12, false, Rgb{0.3, 0.3, 0.3});
  }
}

// A timing sheet scrolling past: frame numbers, a column of exposure marks.
void TimingSheet(cairo_t* cr, int local, int film) {
  const Rgb pencil{0.25, 0.25, 0.28};
  const double scroll = local * 4.0;
  Text(cr, film == 0 ? "タイムシート ガガ C-34" : "タイムシート ロウ C-12", 12, 20, 12, true,
       pencil, false);
  cairo_set_line_width(cr, 0.6);
  for (int row = 0; row < 40; ++row) {
    const double y = 30 + row * 12 - scroll;
    if (y < 26 || y > 236) continue;
    SetColour(cr, Rgb{0.55, 0.6, 0.7});
    cairo_move_to(cr, 10, y);
    cairo_line_to(cr, 310, y);
    cairo_stroke(cr);
    Text(cr, std::to_string(row + 1), 30, y + 10, 9, false, pencil);
    // Which key is exposed on this frame; a held key is a vertical line.
    if (row % 6 == 0) {
      Text(cr, std::string("A") + std::to_string(row / 6 * 2 + 1), 110, y + 10, 10, false, pencil);
    } else {
      SetColour(cr, pencil);
      cairo_set_line_width(cr, 1.2);
      cairo_move_to(cr, 110, y);
      cairo_line_to(cr, 110, y + 12);
      cairo_stroke(cr);
      cairo_set_line_width(cr, 0.6);
    }
    if (row % 12 == 3) Text(cr, "(3)", 200, y + 10, 9, false, pencil);
  }
  for (int col = 0; col < 5; ++col) {
    SetColour(cr, Rgb{0.55, 0.6, 0.7});
    cairo_move_to(cr, 60 + col * 50, 26);
    cairo_line_to(cr, 60 + col * 50, 240);
    cairo_stroke(cr);
  }
}

// A storyboard page standing in for a cut that has no key drawings yet.
void Storyboard(cairo_t* cr, int local, int film) {
  const Rgb pencil{0.28, 0.28, 0.3};
  Ink rough;
  rough.width = 1.0;
  Text(cr, "絵コンテ", 12, 20, 12, true, pencil, false);
  for (int panel = 0; panel < 2; ++panel) {
    const double top = 30 + panel * 104;
    cairo_set_line_width(cr, 1.4);
    SetColour(cr, pencil);
    cairo_rectangle(cr, 20, top, 170, 96);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_rectangle(cr, 20, top, 170, 96);
    cairo_clip(cr);
    if (film == 0) {
      Windmill(cr, rough, 50, top + 92, 1.2, local * 0.1 + panel);
      Giant(cr, rough, 130, top + 94, 0.5, panel * 2.0, local * 0.1);
    } else {
      Wolf(cr, rough, 80, top + 88, 0.8, panel * 2.0);
      Girl(cr, rough, 140, top + 90, 0.9, panel * 2.0);
    }
    cairo_restore(cr);
    // Dialogue and action notes, written as lines of scribble.
    for (int line = 0; line < 4; ++line) {
      SetColour(cr, pencil);
      cairo_set_line_width(cr, 1.0);
      const double y = top + 16 + line * 18;
      cairo_move_to(cr, 200, y);
      cairo_line_to(cr, 200 + 40 + Hash(panel, line, film) * 60, y);
      cairo_stroke(cr);
    }
  }
  // The director's pencil moves across the page.
  Circle(cr, 200 + local * 3.0, 200 - local * 2.0, 3);
  Part(cr, rough, pencil);
}

void KeyAnimation(cairo_t* cr, int frame, int film) {
  Paper(cr, frame, 0.96);
  cairo_translate(cr, Jitter(frame, 7) * 1.2, Jitter(frame, 8) * 1.2);
  if (frame < 18) {
    Slate(cr, "原撮", film == 0 ? "ガガ" : "ロウ", film == 0 ? "C-34" : "C-12", frame);
    return;
  }
  if (frame < 72) {
    const int key = (frame - 18) / 9;  // six keys, each held for nine frames
    FieldGuide(cr);
    Ink pencil;
    pencil.width = 1.6;
    if (film == 0) {
      // The giant wakes: head up, arms lifting, vanes starting to turn.
      Giant(cr, pencil, 160, 214, 1.05, key * 0.4, key * 0.5, key * 0.22);
    } else {
      // The girl crouches, leaps and lands beside the wolf.
      const double leap = std::sin(key * kPi / 5.0);
      Wolf(cr, pencil, 90, 210, 1.1, key * 0.8, key * 0.2);
      Girl(cr, pencil, 150 + key * 22, 210 - leap * 60, 1.3, key * 1.3, -0.3 + key * 0.12);
    }
    // Blue pencil for shadow lines, and the circled key number.
    SetColour(cr, Rgb{0.3, 0.45, 0.85});
    cairo_set_line_width(cr, 1.0);
    for (int i = 0; i < 5; ++i) {
      cairo_move_to(cr, 140 + i * 5, 120 + i * 3);
      cairo_line_to(cr, 150 + i * 5, 112 + i * 3);
    }
    cairo_stroke(cr);
    SetColour(cr, Rgb{0.25, 0.25, 0.28});
    cairo_set_line_width(cr, 1.2);
    Circle(cr, 280, 32, 14);
    cairo_stroke(cr);
    Text(cr, "A" + std::to_string(key * 2 + 1), 280, 37, 12, false, Rgb{0.25, 0.25, 0.28});
    return;
  }
  if (frame < 96) {
    TimingSheet(cr, frame - 72, film);
    return;
  }
  Storyboard(cr, frame - 96, film);
}

void DaySky(cairo_t* cr, int frame, bool flat) {
  if (flat) {
    Fill(cr, Rgb{0.45, 0.72, 0.95});
  } else {
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, 160);
    cairo_pattern_add_color_stop_rgb(sky, 0, 0.2, 0.55, 0.95);
    cairo_pattern_add_color_stop_rgb(sky, 1, 0.7, 0.88, 1.0);
    cairo_set_source(cr, sky);
    cairo_paint(cr);
    cairo_pattern_destroy(sky);
    // Clouds drifting.
    for (int i = 0; i < 3; ++i) {
      const double cx = std::fmod(40 + i * 120 + frame * 0.8, 400.0) - 40;
      SetColour(cr, Rgb{1, 1, 1}, 0.9);
      Circle(cr, cx, 40 + i * 18, 14);
      Circle(cr, cx + 16, 36 + i * 18, 18);
      Circle(cr, cx + 34, 42 + i * 18, 12);
      cairo_fill(cr);
    }
  }
  SetColour(cr, Rgb{0.08, 0.42, 0.75});
  cairo_rectangle(cr, 0, 150, 320, 40);
  cairo_fill(cr);
  SetColour(cr, Rgb{0.95, 0.82, 0.5});
  cairo_rectangle(cr, 0, 190, 320, 50);
  cairo_fill(cr);
  if (!flat) {
    // Glints on the water.
    SetColour(cr, Rgb{1, 1, 1}, 0.7);
    for (int i = 0; i < 12; ++i) {
      const double gx = std::fmod(i * 29 + frame * (1 + i % 3), 320.0);
      cairo_rectangle(cr, gx, 156 + (i % 5) * 6, 8, 1.5);
    }
    cairo_fill(cr);
  }
}

void NightSky(cairo_t* cr, int frame, bool flat) {
  if (flat) {
    Fill(cr, Rgb{0.08, 0.1, 0.3});
  } else {
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, 240);
    cairo_pattern_add_color_stop_rgb(sky, 0, 0.02, 0.03, 0.16);
    cairo_pattern_add_color_stop_rgb(sky, 1, 0.14, 0.2, 0.45);
    cairo_set_source(cr, sky);
    cairo_paint(cr);
    cairo_pattern_destroy(sky);
    cairo_pattern_t* glow = cairo_pattern_create_radial(240, 55, 10, 240, 55, 60);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1.0, 0.95, 0.7, 0.5);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1.0, 0.95, 0.7, 0.0);
    cairo_set_source(cr, glow);
    cairo_paint(cr);
    cairo_pattern_destroy(glow);
    for (int i = 0; i < 30; ++i) {
      const double twinkle = Hash(i, frame / 3, 9) > 0.2 ? 0.9 : 0.3;
      SetColour(cr, Rgb{1, 1, 0.9}, twinkle);
      cairo_rectangle(cr, Hash(i, 1) * 320, Hash(i, 2) * 110, 1.2, 1.2);
      cairo_fill(cr);
    }
  }
  SetColour(cr, Rgb{1.0, 0.95, 0.75});
  Circle(cr, 240, 55, 16);
  cairo_fill(cr);
  // Two ridges of the pass.
  SetColour(cr, Rgb{0.1, 0.14, 0.32});
  Polygon(
      cr,
      {{{0, 160}}, {{60, 110}}, {{120, 140}}, {{200, 95}}, {{320, 150}}, {{320, 240}}, {{0, 240}}});
  cairo_fill(cr);
  SetColour(cr, Rgb{0.05, 0.07, 0.18});
  Polygon(cr, {{{0, 200}},
               {{90, 170}},
               {{180, 195}},
               {{260, 165}},
               {{320, 185}},
               {{320, 240}},
               {{0, 240}}});
  cairo_fill(cr);
}

void Mist(cairo_t* cr, int frame) {
  for (int band = 0; band < 4; ++band) {
    const double y = 130 + band * 24;
    const double dx = std::fmod(frame * (0.6 + band * 0.3), 160.0);
    for (int i = -1; i < 3; ++i) {
      cairo_save(cr);
      cairo_translate(cr, i * 160 + dx, y);
      cairo_scale(cr, 90, 10);
      Circle(cr, 0, 0, 1);
      cairo_restore(cr);
      SetColour(cr, Rgb{0.75, 0.8, 0.92}, 0.22);
      cairo_fill(cr);
    }
  }
}

// Damage on a print that has not been cleaned: scratches, dust, flicker.
void Damage(cairo_t* cr, int frame) {
  const int scratches = 1 + static_cast<int>(Hash(frame, 21) * 3);
  for (int i = 0; i < scratches; ++i) {
    const double x = Hash(frame / 4, 22, i) * 320 + Jitter(frame, 23 + i) * 3;
    SetColour(cr, i % 2 ? Rgb{0.95, 0.95, 0.9} : Rgb{0.1, 0.1, 0.1}, 0.7);
    cairo_set_line_width(cr, 0.8 + Hash(frame, 24, i));
    cairo_move_to(cr, x, 0);
    cairo_line_to(cr, x + Jitter(frame, 25 + i) * 6, 240);
    cairo_stroke(cr);
  }
  for (int i = 0; i < 10; ++i) {
    SetColour(cr, Hash(frame, 30, i) > 0.5 ? Rgb{0.05, 0.05, 0.05} : Rgb{1, 1, 1});
    Circle(cr, Hash(frame, 31, i) * 320, Hash(frame, 32, i) * 240, 0.6 + Hash(frame, 33, i) * 1.6);
    cairo_fill(cr);
  }
  SetColour(cr, Rgb{0, 0, 0}, Hash(frame, 34) * 0.12);
  cairo_paint(cr);
}

void Timecode(cairo_t* cr, int frame, int fps) {
  char text[32];
  std::snprintf(text, sizeof text, "01:00:%02d:%02d", frame / fps, frame % fps);
  SetColour(cr, Rgb{0, 0, 0});
  cairo_rectangle(cr, 96, 218, 128, 18);
  cairo_fill(cr);
  Text(cr, text, 160, 232, 13, false, Rgb{1, 1, 1});
  Text(cr, "R1", 20, 20, 11, false, Rgb{1, 1, 1}, false);
}

void Rush(cairo_t* cr, int frame, int film, int fps) {
  cairo_save(cr);
  cairo_translate(cr, 0, Jitter(frame, 40) * 2.5);  // gate weave
  Ink colour;
  colour.fill = true;
  colour.line = Rgb{0.1, 0.08, 0.1};
  Ink uncoloured;
  uncoloured.fill = true;
  uncoloured.line = Rgb{0.3, 0.3, 0.3};
  uncoloured.blank = true;
  if (frame < 60) {
    // No background yet: a grey card with the layout's pencil lines.
    Fill(cr, Rgb{0.62, 0.62, 0.6});
    SetColour(cr, Rgb{0.4, 0.4, 0.4});
    cairo_set_line_width(cr, 1.0);
    cairo_move_to(cr, 0, 150);
    cairo_line_to(cr, 320, 150);
    cairo_stroke(cr);
    Text(cr, "BG未", 270, 60, 16, true, Rgb{0.4, 0.4, 0.4});
    if (film == 0) {
      Giant(cr, colour, 40 + frame * 2.2, 214, 1.0, frame * 0.35, frame * 0.12);
    } else {
      Wolf(cr, colour, 100 + frame * 1.6, 212, 1.1, frame * 0.45);
      Girl(cr, colour, 20 + frame * 1.6, 212, 1.3, frame * 0.45);
    }
  } else {
    const int local = frame - 60;
    if (film == 0) {
      DaySky(cr, local, true);
      Windmill(cr, colour, 60, 190, 1.0, local * 0.1);
      Windmill(cr, colour, 250, 190, 0.8, local * 0.12 + 1);
      Child(cr, uncoloured, 150, 215, 1.0, Rgb{1, 1, 1}, std::sin(local * 0.5));
      Child(cr, uncoloured, 175, 215, 1.15, Rgb{1, 1, 1}, 0.0);
    } else {
      NightSky(cr, local, true);
      Wolf(cr, uncoloured, 150 + local * 0.8, 210, 1.1, local * 0.4);
      Girl(cr, colour, 70 + local * 0.8, 210, 1.3, local * 0.4);
    }
  }
  Damage(cr, frame);
  cairo_restore(cr);
  Timecode(cr, frame, fps);
}

void TitleCard(cairo_t* cr, int frame, int film) {
  if (film == 0) {
    DaySky(cr, frame, false);
    Windmill(cr, Ink{true, Rgb{0.2, 0.15, 0.1}, 1.2}, 270, 200, 1.2, frame * 0.12);
    Text(cr, "ガガラン", 160, 92, 44, true, Rgb{0.85, 0.25, 0.1});
    Text(cr, "風車町のからくり巨人", 160, 126, 18, true, Rgb{0.1, 0.2, 0.45});
  } else {
    NightSky(cr, frame, false);
    Mist(cr, frame);
    Text(cr, "狼忍", 160, 100, 52, true, Rgb{0.95, 0.9, 0.75});
    Text(cr, "霧峠十三夜", 160, 136, 20, true, Rgb{0.75, 0.82, 1.0});
  }
}

void Print(cairo_t* cr, int frame, int film, int frames) {
  Ink colour;
  colour.fill = true;
  colour.line = Rgb{0.12, 0.08, 0.08};
  if (frame < 36) {
    TitleCard(cr, frame, film);
  } else {
    const int local = frame - 36;
    if (film == 0) {
      DaySky(cr, frame, false);
      Windmill(cr, colour, 40, 175, 0.9, local * 0.15);
      Windmill(cr, colour, 110, 168, 0.7, local * 0.18 + 0.5);
      Windmill(cr, colour, 290, 172, 0.8, local * 0.13 + 1.0);
      Giant(cr, colour, -30 + local * 1.9, 222, 1.05, local * 0.3, local * 0.2, 0.1);
      Child(cr, colour, 250, 224, 1.0, Rgb{0.15, 0.35, 0.8}, std::fabs(std::sin(local * 0.4)));
      Child(cr, colour, 272, 224, 1.2, Rgb{0.98, 0.8, 0.15}, std::fabs(std::sin(local * 0.4 + 1)));
    } else {
      NightSky(cr, frame, false);
      Mist(cr, frame);
      Wolf(cr, colour, 50 + local * 1.5, 214, 1.05, local * 0.35, std::sin(local * 0.1));
      Girl(cr, colour, -30 + local * 1.5, 214, 1.25, local * 0.35);
      // Fireflies along the path.
      for (int i = 0; i < 6; ++i) {
        const double glow = 0.4 + 0.6 * std::fabs(std::sin(local * 0.2 + i));
        SetColour(cr, Rgb{0.8, 1.0, 0.4}, glow);
        Circle(cr, 30 + i * 50 + std::sin(local * 0.1 + i) * 10,
               180 + std::cos(local * 0.13 + i) * 12, 1.8);
        cairo_fill(cr);
      }
    }
  }
  // Fade in from black at the head, out at the tail.
  const double fadeIn = std::clamp(1.0 - frame / 8.0, 0.0, 1.0);
  const double fadeOut = std::clamp(1.0 - (frames - 1 - frame) / 10.0, 0.0, 1.0);
  const double dark = std::max(fadeIn, fadeOut);
  if (dark > 0) {
    SetColour(cr, Rgb{0, 0, 0}, dark);
    cairo_paint(cr);
  }
}

}  // namespace

std::span<const Reel> AllReels() {
  return kReels;
}

const Reel* FindReel(std::string_view key) {
  for (const Reel& reel : kReels) {
    if (reel.key == key) return &reel;
  }
  return nullptr;
}

double Seconds(const Reel& reel) {
  return static_cast<double>(reel.frames) / reel.fps;
}

std::vector<std::uint8_t> DrawFrame(const Reel& reel, int frame) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_paint(cr);
  switch (reel.stage) {
    case Stage::kLineTest:
      LineTest(cr, frame);
      break;
    case Stage::kKey:
      KeyAnimation(cr, frame, reel.film);
      break;
    case Stage::kRush:
      Rush(cr, frame, reel.film, reel.fps);
      break;
    case Stage::kPrint:
      Print(cr, frame, reel.film, reel.frames);
      break;
  }
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  std::vector<std::uint8_t> rgb(kFrameBytes);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const auto stride = static_cast<std::size_t>(cairo_image_surface_get_stride(surface));
  std::size_t out = 0;
  for (std::size_t y = 0; y < static_cast<std::size_t>(kHeight); ++y) {
    for (std::size_t x = 0; x < static_cast<std::size_t>(kWidth); ++x) {
      std::uint32_t pixel = 0;
      std::memcpy(&pixel, data + y * stride + x * 4, 4);
      rgb[out++] = static_cast<std::uint8_t>(pixel >> 16);
      rgb[out++] = static_cast<std::uint8_t>(pixel >> 8);
      rgb[out++] = static_cast<std::uint8_t>(pixel);
    }
  }
  cairo_surface_destroy(surface);
  return rgb;
}

}  // namespace databuild::movie
