#include "display/message_window.h"

#include <cstring>
#include <string>
#include <string_view>

#include "core/frame_pump.h"
#include "display/surface.h"
#include "display/window_geometry.h"
#include "media/sound_channel.h"
#include "platform/encoding.h"
#include "platform/system.h"
#include "platform/text_face.h"

namespace display {

MessageWindowState MessageWindow;
SystemMenuRoutine SystemMenu = nullptr;

namespace {

constexpr int kLastColumn = kTextColumns - 1;  // only closing marks may go here
constexpr int kBlinkHalfPeriod = 8;            // frames per prompt frame
constexpr std::uint16_t kLineFeed = 0x0A;

// 、 。 ） ］ 》 」 』 】: may stand in the last column instead of wrapping.
constexpr std::uint16_t kClosingMarks[] = {0x8141, 0x8142, 0x816A, 0x816E,
                                           0x8174, 0x8176, 0x8178, 0x817A};
// （ ［ 《 「 『 【: never pushed in by the hanging indent.
constexpr std::uint16_t kOpeningBrackets[] = {0x8169, 0x816D, 0x8173, 0x8175, 0x8177, 0x8179};
// （ 「: open a hanging indent.
constexpr std::uint16_t kIndentOpeners[] = {0x8169, 0x8175};

template <std::size_t N>
constexpr bool IsOneOf(std::uint16_t code, const std::uint16_t (&set)[N]) {
  for (const std::uint16_t member : set) {
    if (member == code) return true;
  }
  return false;
}

// The original read up to 256 source bytes into a 256-byte buffer and then
// appended a line feed one past its end. Content stops at 255 bytes, never
// splitting a two-byte character, so the line feed always fits.
struct LineBuffer {
  std::uint8_t bytes[kLineBufferSize] = {};
  int length = 0;
};

LineBuffer CopyLine(const char* text) {
  LineBuffer line;
  constexpr int kContentLimit = kLineBufferSize - 1;
  const auto* source = reinterpret_cast<const std::uint8_t*>(text);
  for (int read = 0; read < kLineBufferSize && source[read] != 0;) {
    const std::uint8_t byte = source[read];
    if (byte == kLineFeed) {
      ++read;
      continue;
    }
    if (platform::IsLeadByte(byte)) {
      if (source[read + 1] == 0 || line.length + 2 > kContentLimit) break;
      line.bytes[line.length++] = byte;
      line.bytes[line.length++] = source[read + 1];
      read += 2;
    } else {
      if (line.length + 1 > kContentLimit) break;
      line.bytes[line.length++] = byte;
      ++read;
    }
  }
  line.bytes[line.length++] = kLineFeed;
  return line;
}

void LogLine(const LineBuffer& line) {
  if (!platform::Sys().IsLogging()) return;
  const std::string_view content(reinterpret_cast<const char*>(line.bytes),
                                 static_cast<std::size_t>(line.length - 1));
  platform::Sys().LogEvent("text",
                           {platform::LogField::Text("text", platform::Cp932ToUtf8Lossy(content))});
}

void ClearGrid() {
  std::memset(MessageWindow.grid, 0, sizeof MessageWindow.grid);
}

void DrawOnScreen(std::string_view sjis, int x, int y, std::uint32_t colour) {
  const std::optional<DrawingContext> context = Screen.BeginDrawing();
  if (!context) return;  // the text is still remembered in the grid
  platform::DrawSjisText({context->pixels, context->pitch, context->width, context->height}, x, y,
                         sjis, colour);
  Screen.EndDrawing(*context);
}

const std::string& PromptPictureName() {
  static const std::string name = platform::Sjis("プロンプト.bmp");
  return name;
}

}  // namespace

void DrawGlyph(std::uint16_t code, int x, int y, std::uint32_t colour) {
  char bytes[2];
  std::size_t length = 0;
  if (code >= 0x100) bytes[length++] = static_cast<char>(code >> 8);
  bytes[length++] = static_cast<char>(code & 0xFF);
  DrawOnScreen(std::string_view(bytes, length), x, y, colour);
}

void DrawTextAt(const char* text, int x, int y, std::uint32_t colour) {
  if (text == nullptr) return;
  DrawOnScreen(text, x, y, colour);
}

void RestoreWindowBackdrop() {
  ComposeBuffer.DrawTo(0, Screen, kWindowRect.left, kWindowRect.top, kWindowRect);
}

void RedrawText() {
  for (int row = 0; row < kTextRows; ++row) {
    for (int column = 0; column < kTextColumns; ++column) {
      const std::uint16_t code = MessageWindow.grid[row][column];
      if (code != 0) DrawGlyph(code, CellX(column), CellY(row), kWhite);
    }
  }
}

scenario::ScriptResult AddTextLine(const char* text) {
  MessageWindowState& w = MessageWindow;
  if (w.shown == 0) {
    RestoreWindowBackdrop();
    w.shown = 1;
  }
  const LineBuffer line = CopyLine(text != nullptr ? text : "");
  LogLine(line);

  bool wrapped = false;
  for (int at = 0; at < line.length;) {
    std::uint16_t code = line.bytes[at++];
    if (platform::IsLeadByte(static_cast<std::uint8_t>(code))) {
      if (at >= line.length) break;
      code = static_cast<std::uint16_t>(code << 8 | line.bytes[at++]);
    }
    if (code == kLineFeed) {
      w.column = w.indentColumn;
      ++w.row;
      continue;
    }
    const bool closingInLastColumn = w.column == kLastColumn && IsOneOf(code, kClosingMarks);
    if (!closingInLastColumn && w.column >= kLastColumn) {
      w.column = w.indentColumn;
      ++w.row;
      // A line the window had to break is a layout fault of the story text:
      // the break falls wherever the column ran out, not where the writer chose.
      if (!wrapped && platform::Sys().IsLogging()) platform::Sys().LogEvent("wrap", {});
      wrapped = true;
    }
    if (w.row >= kTextRows) {
      const scenario::ScriptResult result = WaitPrompt(PromptCause::FullWindow);
      if (result != scenario::kGoOn) return result;
      w.row = 0;  // the column stays: the line goes on where it was
    }
    if (!IsOneOf(code, kOpeningBrackets) && w.indentActive != 0 && w.column == w.indentColumn) {
      ++w.column;
    }
    if (w.column >= kTextColumns) {  // unreachable by the rules above; never write past the grid
      w.column = w.indentColumn;
      continue;
    }
    DrawGlyph(code, CellX(w.column), CellY(w.row), kWhite);
    w.grid[w.row][w.column] = code;
    if (IsOneOf(code, kIndentOpeners)) {
      w.indentColumn = w.column;
      w.indentActive = 1;
    }
    ++w.column;
  }
  return scenario::kGoOn;
}

scenario::ScriptResult WaitPrompt(PromptCause cause) {
  if (platform::Sys().IsLogging()) {
    // A page that fills up before its end is a layout fault of the story text.
    if (cause == PromptCause::FullWindow) {
      platform::Sys().LogEvent("page", {platform::LogField::Number("overflow", 1)});
    } else {
      platform::Sys().LogEvent("page", {});
    }
  }
  Surface& prompt = LayerSlots[kPromptSlot];
  prompt.Load(PromptPictureName().c_str());  // missing: the wait works without it
  prompt.SetPosition(kPromptX, kPromptY);
  prompt.cellHeight = prompt.height / 2;  // two frames stacked

  scenario::ScriptResult result = scenario::kGoOn;
  for (int blink = 0;; blink = (blink + 1) % (2 * kBlinkHalfPeriod)) {
    if (core::WaitFrame() == 0) return scenario::kQuit;
    if (core::ControlHeld()) break;
    if ((core::InputPressed & core::KeyOk) != 0) break;
    if ((core::InputPressed & core::KeyCancel) != 0 && SystemMenu != nullptr) {
      const int menu = SystemMenu();
      if (menu == 0) return scenario::kQuit;
      if (menu == 1) {
        result = scenario::kJump;
        break;
      }
    }
    if (blink == 0) prompt.Show(0);
    if (blink == kBlinkHalfPeriod) prompt.Show(1);
  }
  prompt.Release();
  if (MessageWindow.shown != 0) {
    RestoreWindowBackdrop();  // also wipes the prompt, which lies inside the window
    ClearGrid();
  }
  return result;
}

scenario::ScriptResult WaitPage() {
  const scenario::ScriptResult result = WaitPrompt();
  if (result == scenario::kQuit) return result;
  MessageWindowState& w = MessageWindow;
  w.shown = 0;
  w.indentActive = 0;
  w.indentColumn = 0;
  w.row = 0;
  w.column = 0;
  media::SoundChannels[1].StopChannel();  // a voice never runs on into the next page
  return result == scenario::kJump ? scenario::kJump : scenario::kGoOn;
}

void WaitVoice(int channel) {
  if (channel < 0 || channel > 1 || core::ControlHeld()) return;
  while (core::WaitFrame() != 0) {
    if (media::SoundChannels[channel].IsChannelPlaying() == 0) return;
  }
}

void ResetMessageWindow() {
  MessageWindow = {};
  SystemMenu = nullptr;
}

}  // namespace display
