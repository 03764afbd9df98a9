#include "display/choices.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "core/frame_pump.h"
#include "core/game_state.h"
#include "core/shell_state.h"
#include "display/message_window.h"
#include "display/surface.h"
#include "display/window_geometry.h"
#include "platform/encoding.h"
#include "platform/system.h"

namespace display {

PendingChoices PendingChoiceList;
VisibleChoices VisibleChoiceList;
int ChoicesShown = 0;
int ChoiceHighlight = 0;

namespace {

constexpr int kDigitBytes = 2;  // the full-width number in front of every text
constexpr int kBarRight = kTextLeft + kCellSize * kTextColumns;  // 577
constexpr int kAdjustMin = -10;
constexpr int kAdjustMax = 5;

Rect BarRect(int line) {
  return {kTextLeft, CellY(line), kBarRight, CellY(line) + kCellSize};
}

// The shown part of a text; empty for one too short to have it.
const char* ShownPart(const char* text) {
  if (text == nullptr || strnlen(text, kDigitBytes) < kDigitBytes) return "";
  return text + kDigitBytes;
}

void BuildVisibleList() {
  VisibleChoiceList = {};
  for (int entry = 0; entry < PendingChoiceList.count; ++entry) {
    if (VisibleChoiceList.count == kMaxVisibleChoices) break;
    const char* text = PendingChoiceList.texts[entry];
    if (text == nullptr) continue;
    VisibleChoiceList.texts[VisibleChoiceList.count] = text;
    VisibleChoiceList.entries[VisibleChoiceList.count] = entry;
    ++VisibleChoiceList.count;
  }
}

void LogChoice() {
  if (!platform::Sys().IsLogging()) return;
  std::vector<std::string> texts;
  std::vector<std::int64_t> entries;
  for (int line = 0; line < VisibleChoiceList.count; ++line) {
    texts.push_back(platform::Cp932ToUtf8Lossy(ShownPart(VisibleChoiceList.texts[line])));
    entries.push_back(VisibleChoiceList.entries[line] + 1);
  }
  platform::Sys().LogEvent("choice",
                           {platform::LogField::TextList("texts", std::move(texts)),
                            platform::LogField::NumberList("entries", std::move(entries))});
}

// The line the pointer is on; above the window counts as the first line.
int PointerLine(int mouseY) {
  return std::max(0, (mouseY - kTextTop) / kCellSize);
}

}  // namespace

scenario::ScriptResult AddChoice(const char* text) {
  // The list has room for 20; the original wrote past it after that.
  if (PendingChoiceList.count < kMaxPendingChoices) {
    PendingChoiceList.texts[PendingChoiceList.count++] = text;
  }
  return scenario::kGoOn;
}

void DrawChoiceLine(bool highlighted, int line, const char* text) {
  const Rect bar = BarRect(line);
  std::uint32_t colour = kWhite;
  if (highlighted) {
    if (const std::optional<DrawingContext> context = Screen.BeginDrawing()) {
      context->FillRect(bar, kWhite);
      Screen.EndDrawing(*context);
    }
    colour = kBlack;
  } else {
    ComposeBuffer.DrawTo(0, Screen, bar.left, bar.top, bar);  // the dimmed backdrop again
  }
  if (text == nullptr) return;
  // One line each; a text longer than the bar is cut at its edge.
  const auto* at = reinterpret_cast<const std::uint8_t*>(ShownPart(text));
  for (int column = 0; column < kTextColumns && *at != 0; ++column) {
    std::uint16_t code = *at++;
    if (platform::IsLeadByte(static_cast<std::uint8_t>(code))) {
      if (*at == 0) break;
      code = static_cast<std::uint16_t>(code << 8 | *at++);
    }
    DrawGlyph(code, CellX(column), bar.top, colour);
  }
}

void DrawChoices(int highlight) {
  for (int line = 0; line < VisibleChoiceList.count; ++line) {
    DrawChoiceLine(line == highlight, line, VisibleChoiceList.texts[line]);
  }
}

void RedrawChoices() {
  DrawChoices(ChoiceHighlight);
}

scenario::ScriptResult RunChoice() {
  RestoreWindowBackdrop();
  BuildVisibleList();
  DrawChoices(0);
  int pointerY = core::MouseY;
  ChoicesShown = 1;
  ChoiceHighlight = 0;
  LogChoice();

  const int count = VisibleChoiceList.count;
  int& highlight = ChoiceHighlight;
  scenario::ScriptResult result = scenario::kGoOn;
  for (;;) {
    if (core::WaitFrame() == 0) return scenario::kQuit;
    if (core::MouseY != pointerY) {
      pointerY = core::MouseY;
      const int line = PointerLine(pointerY);
      if (line < count && line != highlight) {
        highlight = line;
        DrawChoices(highlight);
      }
    }
    const int pressed = core::InputPressed;
    if ((pressed & core::KeyUp) != 0 && highlight > 0) DrawChoices(--highlight);
    if ((pressed & core::KeyDown) != 0 && highlight < count - 1) DrawChoices(++highlight);
    if ((pressed & core::KeyOk) != 0 && highlight >= 0 && highlight < count) {
      core::GameState.choice = static_cast<std::uint8_t>(VisibleChoiceList.entries[highlight] + 1);
      if (platform::Sys().IsLogging()) {
        platform::Sys().LogEvent("picked",
                                 {platform::LogField::Number("choice", core::GameState.choice)});
      }
      break;
    }
    if ((pressed & core::KeyCancel) != 0 && SystemMenu != nullptr) {
      const int menu = SystemMenu();
      if (menu == 0) return scenario::kQuit;
      if (menu == 1) {
        result = scenario::kJump;
        break;
      }
    }
  }
  ChoicesShown = 0;
  PendingChoiceList = {};
  return result;
}

scenario::ScriptResult AdjustScore(std::int8_t delta) {
  std::int8_t& counter = core::GameState.adjustCounter();
  counter = static_cast<std::int8_t>(std::clamp(counter + delta, kAdjustMin, kAdjustMax));
  return scenario::kGoOn;
}

void ResetChoices() {
  PendingChoiceList = {};
  VisibleChoiceList = {};
  ChoicesShown = 0;
  ChoiceHighlight = 0;
}

}  // namespace display
