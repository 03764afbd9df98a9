// Compiled with Shift-JIS as the execution character set: the labels are the
// engine's own text.
#include "game/town_map.h"

#include <vector>

#include "core/frame_pump.h"
#include "core/game_state.h"
#include "core/shell_state.h"
#include "display/message_window.h"
#include "display/stage.h"
#include "display/window_geometry.h"
#include "game/calendar.h"
#include "game/screen_kit.h"
#include "platform/encoding.h"
#include "platform/system.h"

namespace game {

// Places 1 to 12 are the production's work places, open while they have work
// waiting; 13 to 19 are opened by the day's hub just before the map; the hero's
// room is always open.
const MapPlace MapPlaces[kMapPlaces] = {
    {162, 107, "原画マンＡ", 969},      {504, 136, "原画マンＢ", 970},
    {362, 396, "原画下請け", 971},      {282, 204, "動画下請け", 974},
    {589, 417, "録音スタジオ", 972},    {157, 165, "仕上げ下請け", 975},
    {62, 147, "背景Ａ", 978},           {113, 404, "背景Ｂ", 979},
    {93, 213, "協会便当番会社", 982},   {153, 310, "撮影所", 976},
    {251, 386, "編集所", 977},          {31, 314, "現像所", 973},
    {364, 143, "遠峰かすみの家", 1017}, {360, 348, "玲那と菜乃花のマンション", 1018},
    {102, 347, "画材のちぐさ", 1019},   {202, 342, "宵彩舎（御厨あまね）", 1020},
    {546, 361, "占いの館", 1021},       {188, 236, "コンビニ", 1022},
    {241, 121, "病院", 1023},           {146, 255, "主人公の部屋", 0},
};

namespace {

constexpr int kMapSlot = 10;  // then one marker slot a place
constexpr int kDateX = 0;
constexpr int kLabelY = 461;

bool Open(int place) {
  const std::size_t byte = MapPlaces[place - 1].enabledBy;
  return byte == 0 || core::GameState.Flag(byte) != 0;
}

void ReleaseMap() {
  for (int slot = kMapSlot; slot <= kMapSlot + kMapPlaces; ++slot) Slot(slot).Release();
}

// The map, its markers, the date line and, over an open place, its label.
void Draw(int hovered) {
  Slot(kMapSlot).ShowCurrent();
  for (int place = 1; place <= kMapPlaces; ++place) {
    if (Open(place)) Slot(kMapSlot + place).ShowCurrent();
  }
  ShowDate(2);
  display::DrawTextAt(DateLine.c_str(), kDateX, 0, display::kWhite);
  if (hovered != 0 && Open(hovered)) {
    display::DrawTextAt(MapPlaces[hovered - 1].label, 0, kLabelY, display::kWhite);
  }
}

void LogPick(const std::vector<std::int64_t>& open, int pick) {
  if (!platform::Sys().IsLogging()) return;
  platform::Sys().LogEvent("map", {platform::LogField::NumberList("places", open),
                                   platform::LogField::Number("pick", pick)});
}

}  // namespace

int MapPlaceAt(int x, int y) {
  for (int place = 1; place <= kMapPlaces; ++place) {
    const MapPlace& p = MapPlaces[place - 1];
    if (InsideStrict(p.x, p.y, kMapSpotSize, kMapSpotSize, x, y)) return place;
  }
  return 0;
}

scenario::ScriptResult MapScreen() {
  const int wasRunning = core::GameRunning;
  core::GameRunning = 0;  // no dimmed message window over the map
  ReleaseMap();
  ShowPicture(kMapSlot, "地図.bmp", 0, 0);
  std::vector<std::int64_t> open;
  for (int place = 1; place <= kMapPlaces; ++place) {
    if (!Open(place)) continue;
    ShowPicture(kMapSlot + place, "磁石.bmp", MapPlaces[place - 1].x, MapPlaces[place - 1].y);
    open.push_back(place);
  }
  LogScreen("map", true);
  int hovered = -1;  // nothing drawn yet: the first round draws
  int lastX = -1;
  int lastY = -1;
  int pick = -1;
  while (pick < 0) {
    if (core::WaitFrame() == 0) return scenario::kQuit;
    if (core::MouseX != lastX || core::MouseY != lastY || hovered < 0) {
      lastX = core::MouseX;
      lastY = core::MouseY;
      const int place = MapPlaceAt(lastX, lastY);
      if (place != hovered) {
        hovered = place;
        Draw(hovered);
      }
    }
    if ((core::InputPressed & core::KeyOk) != 0 && hovered > 0 && Open(hovered)) {
      pick = hovered;
    } else if ((core::InputPressed & core::KeyCancel) != 0) {
      pick = 0;
    }
  }
  core::GameState.choice = static_cast<std::uint8_t>(pick);
  LogPick(open, pick);
  ReleaseMap();
  display::ClearStage();
  core::GameRunning = wasRunning;
  LogScreen("map", false);
  return scenario::kGoOn;
}

}  // namespace game
