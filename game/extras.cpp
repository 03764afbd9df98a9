// Compiled with Shift-JIS as the execution character set: the picture names
// are the engine's own text.
#include "game/extras.h"

#include <cstdio>

#include "core/frame_pump.h"
#include "core/game_state.h"
#include "core/shell_state.h"
#include "display/stage.h"
#include "game/save_slots.h"
#include "game/screen_kit.h"
#include "media/movie.h"
#include "media/music.h"
#include "media/sound_channel.h"

namespace game {

namespace {

// --- content -----------------------------------------------------------------------

// Each route's gallery: event pictures <code>I001 on, then the two scene
// pictures and, but for route 8, the ending picture; sizes as the story has them.
struct RouteGallery {
  const char* code;
  const char* button;
  int size;
  bool ending;
};
constexpr RouteGallery kGalleries[kRoutes] = {
    {"KO", "glkoy.bmp", 19, true}, {"HO", "glhot.bmp", 26, true}, {"YU", "glyuz.bmp", 12, true},
    {"RE", "glrei.bmp", 12, true}, {"NA", "glnan.bmp", 9, true},  {"HI", "glhin.bmp", 8, true},
    {"KA", "glkas.bmp", 14, true}, {"AM", "glama.bmp", 8, false},
};

struct Button {
  int x;  // from the base picture's corner
  int y;
};
constexpr Button kGalleryButtons[kRoutes] = {{54, 94},  {258, 215}, {258, 94}, {360, 94},
                                             {54, 215}, {360, 215}, {156, 94}, {156, 215}};

constexpr Button kBonusButtons[2] = {{29, 57}, {29, 86}};  // the gallery, the movies

// The middles of the buttons, as their pictures are drawn.
constexpr Point kBonusButtonMiddle{78, 13};
constexpr Point kGalleryButtonMiddle{48, 56};
constexpr Point kMovieButtonMiddle{45, 42};

struct MovieButton {
  Button at;
  const char* picture;
  const char* movie;
};
constexpr MovieButton kMovieButtonTable[kMovieButtons] = {
    {{153, 108}, "gagashiro.bmp", "zsensatu"}, {{250, 108}, "gagagen.bmp", "zgagagen"},
    {{348, 108}, "gagarashu.bmp", "zgagaras"}, {{445, 108}, "gagashogo.bmp", "zgagasyo"},
    {{153, 207}, "roushiro.bmp", "zsensatu"},  {{250, 207}, "rougen.bmp", "zronigen"},
    {{348, 207}, "rourashu.bmp", "zroniras"},  {{445, 207}, "roushogo.bmp", "zronisyo"},
};

struct Stage {
  int left;
  int top;
  int width;
  int height;
  const char* picture;
};
constexpr Stage kStages[] = {
    {59, 229, 23, 115, "anikikaku.bmp"},   {95, 226, 23, 115, "anishina.bmp"},
    {138, 146, 23, 122, "aniekon.bmp"},    {138, 299, 23, 122, "anikyara.bmp"},
    {181, 226, 23, 115, "anisaku.bmp"},    {225, 146, 22, 122, "aniiroshi.bmp"},
    {225, 299, 22, 122, "anihaikei.bmp"},  {261, 226, 22, 115, "anigenga.bmp"},
    {294, 226, 22, 116, "anidouga.bmp"},   {339, 226, 23, 115, "anishiage.bmp"},
    {383, 226, 22, 115, "anisatsuda.bmp"}, {416, 226, 23, 115, "anisatsuei.bmp"},
    {452, 226, 23, 115, "anikatt.bmp"},    {487, 226, 23, 115, "aniahure.bmp"},
    {521, 226, 22, 115, "anidabi.bmp"},    {556, 196, 23, 173, "anishogo.bmp"},
};
// The guide is Koyori's: her introduction, then one line a stage.
constexpr const char* kGuideSpeaker = "ko";
constexpr int kGuideIntroVoice = 235;

// --- slots -------------------------------------------------------------------------

// The title keeps 0 to 5 while the bonus screens run over it.
constexpr int kBonusBase = 6;
constexpr int kBonusCursor = 7;
constexpr int kShelfBase = 8;  // the gallery's or the movies' base, then 8 buttons, then the cursor
constexpr int kShelfButtons = 9;
constexpr int kShelfCursor = 17;
constexpr int kViewerSlot = 18;
// The guide opens over a scene, whose stage is 0 to 2.
constexpr int kGuideChart = 10;
constexpr int kGuideStage = 11;

constexpr int kRollPages = 6;
constexpr int kRollPause = 1753;
constexpr int kRollEnd = 1960;
constexpr int kPageRows = 480;

bool LeftClick() {
  return (core::InputPressed & core::KeyOk) != 0;
}
bool RightClick() {
  return (core::InputPressed & core::KeyCancel) != 0;
}

void Release(int first, int last) {
  for (int slot = first; slot <= last; ++slot) Slot(slot).Release();
}

// Both the gallery and the movies: buttons on a centred base, a cursor over the
// hovered one; boxes the cursor's size, edges not included.
class Shelf {
 public:
  Shelf(const char* base, const char* cursor, const char* screen, int cursorRise)
      : screen_(screen), cursorRise_(cursorRise) {
    display::Surface& plate = Slot(kShelfBase);
    plate.Load(base);
    x_ = CentredX(plate.width);
    y_ = CentredY(plate.height);
    plate.SetPosition(x_, y_);
    plate.ShowCurrent();
    Slot(kShelfCursor).Load(cursor);
    LogScreen(screen_, true, x_, y_);
  }

  void Enable(int button, const char* picture, const Button& at) {
    enabled_[button] = true;
    ShowPicture(kShelfButtons + button, picture, x_ + at.x, y_ + at.y);
  }

  // The hovered button (enabled or not), or -1; redraws when it changed.
  int Track(const Button* places, int count) {
    const display::Surface& cursor = Slot(kShelfCursor);
    int hovered = -1;
    for (int i = 0; i < count && hovered < 0; ++i) {
      if (InsideStrict(x_ + places[i].x, y_ + places[i].y, cursor.width, cursor.height,
                       core::MouseX, core::MouseY)) {
        hovered = i;
      }
    }
    if (hovered != hovered_) {
      hovered_ = hovered;
      Slot(kShelfBase).ShowCurrent();
      for (int i = 0; i < count; ++i) {
        if (enabled_[i]) Slot(kShelfButtons + i).ShowCurrent();
      }
      display::Surface& shown = Slot(kShelfCursor);
      if (hovered < 0) {
        shown.Show(-1);
      } else {
        shown.SetPosition(x_ + places[hovered].x, y_ + places[hovered].y - cursorRise_);
        shown.Show(0);
      }
    }
    return hovered;
  }

  bool Enabled(int button) const { return button >= 0 && enabled_[button]; }

  void Close() {
    Release(kShelfBase, kShelfCursor);
    display::Refresh();
    LogScreen(screen_, false, x_, y_);
  }

 private:
  const char* screen_;
  int cursorRise_;
  int x_ = 0;
  int y_ = 0;
  int hovered_ = -1;
  bool enabled_[kRoutes] = {};
};

bool ReadUnlocks(core::GameStateRecord& record) {
  return ReadSlot(0, record) == 1;
}

// The first unlocked gallery byte of route k at or after `from`; -1 for none.
int NextUnlocked(const core::GameStateRecord& record, int route, int from) {
  const int size = GallerySize(route);
  for (int i = from; i < size; ++i) {
    if (record.route[route - 1].galleryUnlocked[i] != 0) return i;
  }
  return -1;
}

void StopGuideVoice() {
  media::SoundChannels[1].StopChannel();
  media::SoundChannels[1].ReleasePlayer();
}

void GuideVoice(int number) {
  if (core::GameState.guideVoice != 1) return;
  char name[16];
  std::snprintf(name, sizeof name, "%s%04d", kGuideSpeaker, number);
  media::PlaySound(1, name, 0);
}

}  // namespace

std::string GalleryPicture(int route, int index) {
  if (route < 1 || route > kRoutes || index < 0 || index >= GallerySize(route)) return {};
  const RouteGallery& g = kGalleries[route - 1];
  const int events = g.size - 2 - (g.ending ? 1 : 0);
  char name[32];
  if (index < events) {
    std::snprintf(name, sizeof name, "%sI%03d.bmp", g.code, index + 1);
  } else if (index < events + 2) {
    std::snprintf(name, sizeof name, "%sSS%02d.bmp", g.code, index - events + 1);
  } else {
    std::snprintf(name, sizeof name, "%sE001.bmp", g.code);
  }
  return name;
}

int GallerySize(int route) {
  return route >= 1 && route <= kRoutes ? kGalleries[route - 1].size : 0;
}

Point BonusButtonPoint(int button) {
  const Button& at = kBonusButtons[button == 0 ? 0 : 1];
  return {at.x + kBonusButtonMiddle.x, at.y + kBonusButtonMiddle.y};
}

Point GalleryButtonPoint(int route) {
  const Button& at = kGalleryButtons[(route >= 1 && route <= kRoutes ? route : 1) - 1];
  return {at.x + kGalleryButtonMiddle.x, at.y + kGalleryButtonMiddle.y};
}

Point MovieButtonPoint(int button) {
  const Button& at =
      kMovieButtonTable[(button >= 1 && button <= kMovieButtons ? button : 1) - 1].at;
  return {at.x + kMovieButtonMiddle.x, at.y + kMovieButtonMiddle.y};
}

Point GuideStagePoint(int stage) {
  const Stage& s =
      kStages[(stage >= 1 && stage <= static_cast<int>(std::size(kStages)) ? stage : 1) - 1];
  return {s.left + s.width / 2, s.top + s.height / 2};
}

int BonusMenu() {
  constexpr int kX = 213;
  constexpr int kY = 170;
  const Button* kButtons = kBonusButtons;
  ShowPicture(kBonusBase, "om_base.bmp", kX, kY);
  display::Surface& cursor = Slot(kBonusCursor);
  cursor.Load("omcars.bmp");
  LogScreen("bonus", true, kX, kY);
  int hovered = -1;
  for (;;) {
    if (core::WaitFrame() == 0) return 0;
    int now = -1;
    for (int i = 0; i < 2 && now < 0; ++i) {
      if (InsideInclusive(kX + kButtons[i].x, kY + kButtons[i].y, cursor.width, cursor.height,
                          core::MouseX, core::MouseY)) {
        now = i;
      }
    }
    if (now != hovered) {
      hovered = now;
      Slot(kBonusBase).ShowCurrent();
      if (hovered < 0) {
        cursor.Show(-1);
      } else {
        cursor.SetPosition(kX + kButtons[hovered].x, kY + kButtons[hovered].y);
        cursor.Show(0);
      }
    }
    if (LeftClick() && hovered >= 0) {
      if ((hovered == 0 ? Gallery() : ProductionViewer()) == 0) return 0;
    } else if (RightClick()) {
      Release(kBonusBase, kBonusCursor);
      display::Refresh();
      LogScreen("bonus", false, kX, kY);
      return 1;
    }
  }
}

int Gallery() {
  Shelf shelf("gl_base.bmp", "glcars.bmp", "gallery", 0);
  core::GameStateRecord unlocks{};
  if (ReadUnlocks(unlocks)) {
    for (int route = 1; route <= kRoutes; ++route) {
      if (NextUnlocked(unlocks, route, 0) >= 0) {
        shelf.Enable(route - 1, kGalleries[route - 1].button, kGalleryButtons[route - 1]);
      }
    }
  }
  Slot(kShelfCursor).Show(-1);
  for (;;) {
    if (core::WaitFrame() == 0) return 0;
    const int hovered = shelf.Track(kGalleryButtons, kRoutes);
    if (LeftClick() && shelf.Enabled(hovered)) {
      if (GalleryViewer(hovered) == 0) return 0;
    } else if (RightClick()) {
      shelf.Close();
      return 1;
    }
  }
}

int GalleryViewer(int route) {
  core::GameStateRecord unlocks{};
  if (route < 0 || route >= kRoutes || !ReadUnlocks(unlocks)) return 1;
  LogScreen("viewer", true);
  for (int index = NextUnlocked(unlocks, route + 1, 0); index >= 0;
       index = NextUnlocked(unlocks, route + 1, index + 1)) {
    ShowPicture(kViewerSlot, GalleryPicture(route + 1, index).c_str(), 0, 0);
    bool back = false;
    for (;;) {
      if (core::WaitFrame() == 0) return 0;
      if (LeftClick()) break;
      if (RightClick()) {
        back = true;
        break;
      }
    }
    if (back) break;
  }
  Slot(kViewerSlot).Release();
  display::Refresh();
  LogScreen("viewer", false);
  return 1;
}

int ProductionViewer() {
  // The cursor is drawn 8 rows above its button: a tab over a frame.
  Shelf shelf("ka_base.bmp", "kacars.bmp", "movies", 8);
  Button places[kMovieButtons];
  for (int i = 0; i < kMovieButtons; ++i) places[i] = kMovieButtonTable[i].at;
  core::GameStateRecord unlocks{};
  if (ReadUnlocks(unlocks)) {
    for (int i = 0; i < kMovieButtons; ++i) {
      if (unlocks.movieSeen[i] != 0) shelf.Enable(i, kMovieButtonTable[i].picture, places[i]);
    }
  }
  Slot(kShelfCursor).Show(-1);
  for (;;) {
    if (core::WaitFrame() == 0) return 0;
    const int hovered = shelf.Track(places, kMovieButtons);
    if (LeftClick() && shelf.Enabled(hovered)) {
      media::PlayMovie(kMovieButtonTable[hovered].movie);
      display::Refresh();
    } else if (RightClick()) {
      shelf.Close();
      return 1;
    }
  }
}

scenario::ScriptResult ProductionGuide() {
  ShowPicture(kGuideChart, "アニメのできるまで.bmp", 0, 0);
  LogScreen("guide", true);
  GuideVoice(kGuideIntroVoice);
  for (;;) {
    if (core::WaitFrame() == 0) return scenario::kQuit;
    if (RightClick()) break;
    if (!LeftClick()) continue;
    int stage = -1;
    for (int i = 0; i < static_cast<int>(std::size(kStages)) && stage < 0; ++i) {
      const Stage& s = kStages[i];
      if (InsideInclusive(s.left, s.top, s.width, s.height, core::MouseX, core::MouseY)) stage = i;
    }
    if (stage < 0) continue;
    GuideVoice(kGuideIntroVoice + 1 + stage);
    display::Surface& card = Slot(kGuideStage);
    card.Load(kStages[stage].picture);
    card.SetPosition(CentredX(card.width), CentredY(card.height));
    card.ShowCurrent();
    if (WaitForEitherButton() == 0) return scenario::kQuit;
    card.Release();
    Slot(kGuideChart).ShowCurrent();
    StopGuideVoice();
  }
  StopGuideVoice();
  Release(kGuideChart, kGuideStage);
  display::Refresh();
  LogScreen("guide", false);
  return scenario::kGoOn;
}

scenario::ScriptResult ShowUnfinishedEnd() {
  media::PlayMusic(nullptr);
  Release(0, 29);
  ShowPicture(0, "未完.bmp", 0, 0);
  core::GameRunning = 0;
  display::Refresh();
  LogScreen("unfinished", true);
  if (WaitForEitherButton() == 0) return scenario::kQuit;
  LogScreen("unfinished", false);
  return scenario::kGameOver;
}

RollStep StaffRollStep(int step) {
  RollStep shown;
  const int page = step / kPageRows + 1;
  const int row = step % kPageRows;
  shown.page[0] = page;
  if (row == 0) return shown;  // one page, whole
  shown.y[0] = -row;
  if (page < kRollPages) {
    shown.page[1] = page + 1;
    shown.y[1] = kPageRows - row;
  }
  return shown;
}

scenario::ScriptResult StaffRoll() {
  Release(0, display::kLayerSlotCount - 1);
  for (int page = 1; page <= kRollPages; ++page) {
    char name[16];
    std::snprintf(name, sizeof name, "staff%d.bmp", page);
    Slot(page - 1).Load(name);
  }
  media::PlayMusic("bgm13");
  LogScreen("staff", true);
  // It cannot be cut short: a click counts only at the two pauses.
  for (const auto& [first, last] :
       {std::pair{0, kRollPause}, std::pair{kRollPause + 1, kRollEnd}}) {
    for (int step = first; step <= last; ++step) {
      if (core::WaitFrame() == 0) return scenario::kQuit;
      const RollStep shown = StaffRollStep(step);
      for (int i = 0; i < 2; ++i) {
        if (shown.page[i] != 0) Slot(shown.page[i] - 1).ShowSlice(0, shown.y[i]);
      }
    }
    if (WaitForEitherButton() == 0) return scenario::kQuit;
  }
  media::PlayMusic(nullptr);
  Release(0, kRollPages - 1);
  LogScreen("staff", false);
  return scenario::kGameOver;
}

}  // namespace game
