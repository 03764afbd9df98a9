// The SDL backend on SDL's dummy video driver: a real window object and a real
// event queue, nothing on screen. Input is injected with SDL_PushEvent.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "platform/encoding.h"
#include "platform/posix/folders.h"
#include "platform/sdl/scaling.h"
#include "platform/sdl/sdl_system.h"

namespace platform::sdl {
namespace {

// Redirects file descriptor 2, where the backend reports what it cannot show.
class StderrCapture {
 public:
  StderrCapture() : file_(std::tmpfile()) {
    std::fflush(stderr);
    saved_ = dup(2);
    dup2(fileno(file_), 2);
  }
  ~StderrCapture() { Finish(); }
  StderrCapture(const StderrCapture&) = delete;
  StderrCapture& operator=(const StderrCapture&) = delete;

  std::string Finish() {
    if (saved_ >= 0) {
      std::fflush(stderr);
      dup2(saved_, 2);
      close(saved_);
      saved_ = -1;
      std::rewind(file_);
      char buffer[512];
      std::size_t got = 0;
      while ((got = std::fread(buffer, 1, sizeof buffer, file_)) > 0) text_.append(buffer, got);
      std::fclose(file_);
    }
    return text_;
  }

 private:
  std::FILE* file_;
  int saved_ = -1;
  std::string text_;
};

class SdlBackend : public testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    // A developer's real display must not receive test message boxes.
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    std::string pattern = (std::filesystem::temp_directory_path() / "cw-sdl-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    setenv("XDG_RUNTIME_DIR", root_.c_str(), 1);
    system_ = CreateSdlSystem();
  }

  void TearDown() override {
    system_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

  bool Open() { return system_->CreateMainWindow("Cellwright"); }

  static SDL_Window* Window() {
    for (Uint32 id = 1; id < 256; ++id) {
      if (SDL_Window* window = SDL_GetWindowFromID(id)) return window;
    }
    return nullptr;
  }

  std::vector<Message> TakeAll() {
    std::vector<Message> messages;
    Message message;
    while (system_->PeekMessage(message)) messages.push_back(message);
    return messages;
  }

  static void PushWindowEvent(Uint8 what) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = SDL_GetWindowID(Window());
    event.window.event = what;
    ASSERT_EQ(SDL_PushEvent(&event), 1);
  }

  static void PushMotion(int x, int y, Uint32 windowId = 0) {
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.windowID = windowId != 0 ? windowId : SDL_GetWindowID(Window());
    event.motion.x = x;
    event.motion.y = y;
    ASSERT_EQ(SDL_PushEvent(&event), 1);
  }

  static void PushButton(bool down, Uint8 button, int x, int y) {
    SDL_Event event{};
    event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.windowID = SDL_GetWindowID(Window());
    event.button.button = button;
    event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = x;
    event.button.y = y;
    ASSERT_EQ(SDL_PushEvent(&event), 1);
  }

  static void PushKey(SDL_Scancode code, Uint16 mod, bool repeat = false) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.windowID = SDL_GetWindowID(Window());
    event.key.state = SDL_PRESSED;
    event.key.repeat = repeat ? 1 : 0;
    event.key.keysym.scancode = code;
    event.key.keysym.sym = SDL_GetKeyFromScancode(code);
    event.key.keysym.mod = mod;
    ASSERT_EQ(SDL_PushEvent(&event), 1);
  }

  static Viewport View() {
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(Window(), &w, &h);
    return FitPicture(kScreenWidth, kScreenHeight, w, h);
  }

  // The window pixel at the top left of picture pixel (x, y).
  static SDL_Point WindowPoint(int x, int y) {
    const Viewport view = View();
    return {view.x + x * view.w / kScreenWidth, view.y + y * view.h / kScreenHeight};
  }

  static bool Fullscreen() {
    return (SDL_GetWindowFlags(Window()) & SDL_WINDOW_FULLSCREEN_DESKTOP) ==
           SDL_WINDOW_FULLSCREEN_DESKTOP;
  }

  std::string root_;
  std::unique_ptr<System> system_;
};

bool Is(const Message& m, MessageKind kind, int x, int y) {
  return m.kind == kind && m.x == x && m.y == y;
}

std::uint32_t SurfacePixel(SDL_Surface* surface, int x, int y) {
  const auto* row = reinterpret_cast<const std::uint32_t*>(
      static_cast<const std::uint8_t*>(surface->pixels) + y * surface->pitch);
  return row[x] & 0x00FFFFFFu;
}

TEST_F(SdlBackend, OpensAFullscreenWindowTitledAsAsked) {
  ASSERT_FALSE(system_->HasMainWindow());
  ASSERT_TRUE(Open());
  EXPECT_TRUE(system_->HasMainWindow());
  ASSERT_NE(Window(), nullptr);
  EXPECT_STREQ(SDL_GetWindowTitle(Window()), "Cellwright");
  EXPECT_TRUE(Fullscreen());
  SDL_DisplayMode desktop;
  ASSERT_EQ(SDL_GetDesktopDisplayMode(0, &desktop), 0);
  int w = 0;
  int h = 0;
  SDL_GetWindowSize(Window(), &w, &h);
  EXPECT_EQ(w, desktop.w);
  EXPECT_EQ(h, desktop.h);
  EXPECT_TRUE(Open()) << "a second call keeps the one window";
}

TEST_F(SdlBackend, ShiftJisTitleIsShownAsUtf8) {
  ASSERT_TRUE(system_->CreateMainWindow("\x83\x65\x83\x58\x83\x67"));
  EXPECT_STREQ(SDL_GetWindowTitle(Window()), "テスト");
}

TEST_F(SdlBackend, Utf8TitleIsKeptAsItIs) {
  ASSERT_TRUE(system_->CreateMainWindow("テスト"));
  EXPECT_STREQ(SDL_GetWindowTitle(Window()), "テスト");
}

TEST_F(SdlBackend, TruncatedUtf8TitleIsTakenAsShiftJis) {
  // A UTF-8 katakana cut after two of its three bytes is no UTF-8 at all.
  const std::string cut = "A\xE3\x83";
  ASSERT_TRUE(system_->CreateMainWindow(cut));
  EXPECT_NE(SDL_GetWindowTitle(Window()), cut);
  EXPECT_EQ(SDL_GetWindowTitle(Window()), Cp932ToUtf8Lossy(cut));
}

TEST_F(SdlBackend, MissingDriverFailsWithAReasonAndCanBeRetried) {
  setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
  StderrCapture capture;
  EXPECT_FALSE(Open());
  const std::string said = capture.Finish();
  EXPECT_EQ(said.rfind("cellwright: cannot open a window: ", 0), 0u) << said;
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_FALSE(system_->HasMainWindow());
  Message message;
  EXPECT_FALSE(system_->PeekMessage(message));
  EXPECT_FALSE(system_->KeyDown(Key::Enter));
  system_->Present();  // no window: nothing to do, nothing to break

  setenv("SDL_VIDEODRIVER", "dummy", 1);
  EXPECT_TRUE(Open());
}

TEST_F(SdlBackend, PresentShowsThePictureFittedWithBlackBars) {
  ASSERT_TRUE(Open());
  TakeAll();
  std::uint32_t* screen = system_->ScreenPixels();
  ASSERT_NE(screen, nullptr);
  for (int y = 0; y < kScreenHeight; ++y) {
    for (int x = 0; x < kScreenWidth; ++x) {
      screen[y * kScreenWidth + x] = static_cast<std::uint32_t>((x << 12) | y);
    }
  }
  system_->Present();
  SDL_Surface* surface = SDL_GetWindowSurface(Window());
  ASSERT_NE(surface, nullptr);
  const Viewport view = FitPicture(kScreenWidth, kScreenHeight, surface->w, surface->h);
  ASSERT_FALSE(view.Empty());
  int wrong = 0;
  for (int y = 0; y < surface->h; ++y) {
    for (int x = 0; x < surface->w; ++x) {
      const bool inside = x >= view.x && x < view.x + view.w && y >= view.y && y < view.y + view.h;
      std::uint32_t want = 0;
      if (inside) {
        const PicturePoint p = WindowToPicture(view, kScreenWidth, kScreenHeight, x, y);
        want = static_cast<std::uint32_t>((p.x << 12) | p.y);
      }
      wrong += SurfacePixel(surface, x, y) != want ? 1 : 0;
    }
  }
  EXPECT_EQ(wrong, 0);
}

TEST_F(SdlBackend, RepaintsOnlyWhenExposedAndWithTheLastPresentedPicture) {
  ASSERT_TRUE(Open());
  TakeAll();
  std::uint32_t* screen = system_->ScreenPixels();
  std::fill(screen, screen + kScreenWidth * kScreenHeight, 0x00123456u);
  system_->Present();
  SDL_Surface* surface = SDL_GetWindowSurface(Window());
  const Viewport view = View();
  const int cx = view.x + view.w / 2;
  const int cy = view.y + view.h / 2;
  ASSERT_EQ(SurfacePixel(surface, cx, cy), 0x00123456u);

  // Drawn but not presented: the window must keep the presented picture.
  std::fill(screen, screen + kScreenWidth * kScreenHeight, 0x00ABCDEFu);
  SDL_FillRect(surface, nullptr, 0x00FFFFFFu);
  TakeAll();
  EXPECT_EQ(SurfacePixel(surface, cx, cy), 0x00FFFFFFu) << "repainted with nothing to repaint";

  PushWindowEvent(SDL_WINDOWEVENT_EXPOSED);
  TakeAll();
  surface = SDL_GetWindowSurface(Window());
  EXPECT_EQ(SurfacePixel(surface, cx, cy), 0x00123456u);
  EXPECT_EQ(SurfacePixel(surface, 0, 0), view.x > 0 || view.y > 0 ? 0u : 0x00123456u);
}

TEST_F(SdlBackend, MouseMovesArriveInPicturePixelsOncePerPixel) {
  ASSERT_TRUE(Open());
  TakeAll();
  const SDL_Point at = WindowPoint(100, 50);
  PushMotion(at.x, at.y);
  PushMotion(at.x, at.y);
  const Viewport view = View();
  PushMotion(view.x - 1, view.y - 1);  // on the bar, or off the window's edge
  PushMotion(view.x + view.w + 5, view.y + view.h + 5);
  PushMotion(at.x, at.y, SDL_GetWindowID(Window()) + 100);  // not our window
  const std::vector<Message> got = TakeAll();
  ASSERT_EQ(got.size(), 3u);
  EXPECT_TRUE(Is(got[0], MessageKind::MouseMove, 100, 50));
  EXPECT_TRUE(Is(got[1], MessageKind::MouseMove, 0, 0));
  EXPECT_TRUE(Is(got[2], MessageKind::MouseMove, 639, 479));
}

TEST_F(SdlBackend, ButtonsBringTheirPositionFirstWhenItChanged) {
  ASSERT_TRUE(Open());
  TakeAll();
  const SDL_Point a = WindowPoint(10, 20);
  const SDL_Point b = WindowPoint(639, 479);
  PushMotion(a.x, a.y);
  PushButton(true, SDL_BUTTON_LEFT, a.x, a.y);
  PushButton(true, SDL_BUTTON_MIDDLE, b.x, b.y);  // not a button of the game
  PushButton(false, SDL_BUTTON_LEFT, b.x, b.y);
  PushButton(true, SDL_BUTTON_RIGHT, b.x, b.y);
  PushButton(false, SDL_BUTTON_RIGHT, a.x, a.y);
  const std::vector<Message> got = TakeAll();
  ASSERT_EQ(got.size(), 7u);
  EXPECT_TRUE(Is(got[0], MessageKind::MouseMove, 10, 20));
  EXPECT_TRUE(Is(got[1], MessageKind::LButtonDown, 10, 20));
  EXPECT_TRUE(Is(got[2], MessageKind::MouseMove, 639, 479));
  EXPECT_TRUE(Is(got[3], MessageKind::LButtonUp, 639, 479));
  EXPECT_TRUE(Is(got[4], MessageKind::RButtonDown, 639, 479));
  EXPECT_TRUE(Is(got[5], MessageKind::MouseMove, 10, 20));
  EXPECT_TRUE(Is(got[6], MessageKind::RButtonUp, 10, 20));
}

TEST_F(SdlBackend, CloseRequestsBecomeClose) {
  ASSERT_TRUE(Open());
  TakeAll();
  PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  ASSERT_EQ(SDL_PushEvent(&quit), 1);
  const std::vector<Message> got = TakeAll();
  ASSERT_EQ(got.size(), 2u);
  EXPECT_EQ(got[0].kind, MessageKind::Close);
  EXPECT_EQ(got[1].kind, MessageKind::Close);
}

TEST_F(SdlBackend, ActivateIsSentOncePerChange) {
  ASSERT_TRUE(Open());
  TakeAll();
  PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
  PushWindowEvent(SDL_WINDOWEVENT_MINIMIZED);
  PushWindowEvent(SDL_WINDOWEVENT_RESTORED);
  PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
  PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
  PushWindowEvent(SDL_WINDOWEVENT_MINIMIZED);
  const std::vector<Message> got = TakeAll();
  ASSERT_EQ(got.size(), 3u);
  EXPECT_EQ(got[0].kind, MessageKind::Activate);
  EXPECT_EQ(got[0].active, 0);
  EXPECT_EQ(got[1].kind, MessageKind::Activate);
  EXPECT_EQ(got[1].active, 1);
  EXPECT_EQ(got[2].kind, MessageKind::Activate);
  EXPECT_EQ(got[2].active, 0);
}

TEST_F(SdlBackend, QuitComesAfterEverythingQueued) {
  ASSERT_TRUE(Open());
  TakeAll();
  const SDL_Point a = WindowPoint(1, 2);
  const SDL_Point b = WindowPoint(3, 4);
  PushMotion(a.x, a.y);
  system_->PostMusicNotify(1);
  system_->PostQuitMessage();
  PushMotion(b.x, b.y);  // as on Windows, the quit waits for an empty queue
  const std::vector<Message> got = TakeAll();
  ASSERT_EQ(got.size(), 4u);
  EXPECT_TRUE(Is(got[0], MessageKind::MouseMove, 1, 2));
  EXPECT_EQ(got[1].kind, MessageKind::MusicNotify);
  EXPECT_EQ(got[1].status, 1);
  EXPECT_TRUE(Is(got[2], MessageKind::MouseMove, 3, 4));
  EXPECT_EQ(got[3].kind, MessageKind::Quit);
  EXPECT_TRUE(TakeAll().empty()) << "one quit per PostQuitMessage";
}

TEST_F(SdlBackend, QuitAloneIsDeliveredWithoutAWindow) {
  system_->PostQuitMessage();
  const std::vector<Message> got = TakeAll();
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].kind, MessageKind::Quit);
}

TEST_F(SdlBackend, MusicNotifyFromAnotherThreadWakesTheWait) {
  ASSERT_TRUE(Open());
  TakeAll();
  std::thread player([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    system_->PostMusicNotify(1);
  });
  std::vector<Message> got;
  for (int round = 0; round < 40 && got.empty(); ++round) {
    system_->WaitMessage(250);
    got = TakeAll();
  }
  player.join();
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].kind, MessageKind::MusicNotify);
  EXPECT_EQ(got[0].status, 1);
}

TEST_F(SdlBackend, MusicNotifyBeforeTheWindowIsKept) {
  system_->PostMusicNotify(0);
  system_->PostMusicNotify(1);
  const std::vector<Message> got = TakeAll();
  ASSERT_EQ(got.size(), 2u);
  EXPECT_EQ(got[0].kind, MessageKind::MusicNotify);
  EXPECT_EQ(got[0].status, 0);
  EXPECT_EQ(got[1].status, 1);
}

TEST_F(SdlBackend, F11AndAltEnterToggleFullscreen) {
  ASSERT_TRUE(Open());
  TakeAll();
  ASSERT_TRUE(Fullscreen());

  PushKey(SDL_SCANCODE_F11, KMOD_NONE);
  EXPECT_TRUE(TakeAll().empty());
  EXPECT_FALSE(Fullscreen());
  int w = 0;
  int h = 0;
  SDL_GetWindowSize(Window(), &w, &h);
  EXPECT_GE(w, kScreenWidth);
  EXPECT_EQ(w % kScreenWidth, 0);
  EXPECT_EQ(w / kScreenWidth, h / kScreenHeight);
  EXPECT_EQ(h % kScreenHeight, 0);

  PushKey(SDL_SCANCODE_F11, KMOD_NONE, true);  // auto-repeat of a held F11
  TakeAll();
  EXPECT_FALSE(Fullscreen());

  PushKey(SDL_SCANCODE_RETURN, KMOD_LALT);
  TakeAll();
  EXPECT_TRUE(Fullscreen());

  PushKey(SDL_SCANCODE_RETURN, KMOD_NONE);
  TakeAll();
  EXPECT_TRUE(Fullscreen());

  PushKey(SDL_SCANCODE_KP_ENTER, KMOD_RALT);
  TakeAll();
  EXPECT_FALSE(Fullscreen());
}

TEST_F(SdlBackend, NoKeyIsDownUntilOneIsPressed) {
  EXPECT_FALSE(system_->KeyDown(Key::Escape)) << "before the window";
  ASSERT_TRUE(Open());
  TakeAll();
  for (Key key :
       {Key::Up, Key::Down, Key::Left, Key::Right, Key::Enter, Key::Escape, Key::Control}) {
    EXPECT_FALSE(system_->KeyDown(key));
  }
}

TEST_F(SdlBackend, DestroyedWindowLeavesTheRestWorking) {
  ASSERT_TRUE(Open());
  TakeAll();
  system_->DestroyMainWindow();
  EXPECT_FALSE(system_->HasMainWindow());
  EXPECT_EQ(Window(), nullptr);
  system_->Present();
  system_->RaiseMainWindow();
  system_->DestroyMainWindow();
  system_->PostMusicNotify(1);
  system_->WaitMessage(10);
  const std::vector<Message> got = TakeAll();
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].kind, MessageKind::MusicNotify);
  EXPECT_TRUE(Open()) << "a window can be opened again";
}

TEST_F(SdlBackend, MessageBoxWithoutADisplayPrintsAndGivesTheDefault) {
  MessageBoxRequest request;
  request.text = "\x83\x65\x83\x58\x83\x67";  // テスト in Shift-JIS
  request.caption = "Cellwright";
  request.buttons = BoxButtons::YesNo;
  request.defaultButton = 1;
  request.icon = BoxIcon::Question;
  {
    StderrCapture capture;
    EXPECT_EQ(system_->ShowMessageBox(request), BoxAnswer::No);
    EXPECT_NE(capture.Finish().find("Cellwright: テスト"), std::string::npos);
  }
  request.defaultButton = 0;
  ASSERT_TRUE(Open());
  {
    StderrCapture capture;
    EXPECT_EQ(system_->ShowMessageBox(request), BoxAnswer::Yes);
    EXPECT_NE(capture.Finish().find("テスト"), std::string::npos);
  }
  system_->DestroyMainWindow();
  request.buttons = BoxButtons::AbortRetryIgnore;
  request.defaultButton = 2;
  request.icon = BoxIcon::Error;
  {
    StderrCapture capture;
    EXPECT_EQ(system_->ShowMessageBox(request), BoxAnswer::Ignore);
    capture.Finish();
  }
}

TEST_F(SdlBackend, SecondCopyIsToldAndItsRaiseRequestIsTaken) {
  ASSERT_TRUE(Open());
  TakeAll();
  auto first = system_->AcquireInstance("CellwrightSdlTest");
  ASSERT_FALSE(first->AlreadyRunning());
  auto second = system_->AcquireInstance("CellwrightSdlTest");
  ASSERT_TRUE(second->AlreadyRunning());

  // Unpolled, a request stays waiting on the lock...
  second->BringRunningCopyForward();
  EXPECT_TRUE(first->TakeRaiseRequest());
  // ...while peeking messages takes it (and raises the window).
  second->BringRunningCopyForward();
  TakeAll();
  EXPECT_FALSE(first->TakeRaiseRequest());

  first.reset();
  TakeAll();  // the backend must not touch the released lock
  auto next = system_->AcquireInstance("CellwrightSdlTest");
  EXPECT_FALSE(next->AlreadyRunning());
}

TEST_F(SdlBackend, TicksFollowSleep) {
  const std::uint32_t before = system_->TickCount();
  system_->Sleep(20);
  EXPECT_GE(system_->TickCount() - before, 20u);
}

TEST_F(SdlBackend, FoldersAreThePosixOnes) {
  EXPECT_EQ(system_->CurrentFolder(), posix::CurrentFolder());
  EXPECT_EQ(system_->PrivateTempFolder(), posix::PrivateTempFolder());
  EXPECT_EQ(system_->PrivateDataFolder(), posix::PrivateDataFolder());
  EXPECT_EQ(system_->DiscMountPoints(), posix::DiscMountPoints());
  EXPECT_TRUE(system_->IsWritableFolder(root_ + "/"));
  EXPECT_FALSE(system_->IsWritableFolder(root_ + "/missing/"));
}

}  // namespace
}  // namespace platform::sdl
