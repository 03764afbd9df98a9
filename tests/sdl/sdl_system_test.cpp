// The SDL backend with a real window and event queue: on SDL's dummy video
// driver, input injected with SDL_PushEvent; and on a private Xvfb (skipped
// when Xvfb is not installed), the path players take.
#include "platform/sdl/sdl_system.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "platform/sdl/scaling.h"

// After our headers: Xlib's macros (None, Status...) would clash with them.
#include <SDL2/SDL_syswm.h>

// SDL opens a D-Bus connection on X11 and, by design, leaves libdbus's global
// state for the application to free; LeakSanitizer would blame the test for it.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libdbus-1.so\n";
}

namespace platform::sdl {
namespace {

class SdlBackend : public testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    // A developer's real display must not receive test message boxes.
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    system_ = CreateSdlSystem();
  }

  bool Open() {
    const bool opened = system_->CreateMainWindow("Cellwright");
    Seen();
    return opened;
  }

  static SDL_Window* Window() {
    for (Uint32 id = 1; id < 256; ++id) {
      if (SDL_Window* window = SDL_GetWindowFromID(id)) return window;
    }
    return nullptr;
  }

  // Pushes the events named, as in "lost move:100,50 ldown:10,20 alt+enter*":
  // positions in picture pixels (outside the picture: on the bars), other:X,Y
  // a motion in another window, '*' a key's auto-repeat.
  static void Push(const std::string& events) {
    static const std::map<std::string, int> kWindow = {
        {"close", SDL_WINDOWEVENT_CLOSE},         {"lost", SDL_WINDOWEVENT_FOCUS_LOST},
        {"minimised", SDL_WINDOWEVENT_MINIMIZED}, {"restored", SDL_WINDOWEVENT_RESTORED},
        {"gained", SDL_WINDOWEVENT_FOCUS_GAINED}, {"exposed", SDL_WINDOWEVENT_EXPOSED}};
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(Window(), &w, &h);
    const Viewport view = FitPicture(kScreenWidth, kScreenHeight, w, h);
    std::istringstream words(events);
    for (std::string word; words >> word;) {
      int x = 0;
      int y = 0;
      std::sscanf(word.c_str(), "%*[a-z]:%d,%d", &x, &y);
      x = view.x + x * view.w / kScreenWidth;
      y = view.y + y * view.h / kScreenHeight;
      const std::string name = word.substr(0, word.find_first_of(":*"));
      const Uint32 id = SDL_GetWindowID(Window()) + (name == "other" ? 100 : 0);
      SDL_Event event{};
      if (kWindow.contains(name)) {
        event.type = SDL_WINDOWEVENT;
        event.window.windowID = id;
        event.window.event = static_cast<Uint8>(kWindow.at(name));
      } else if (name == "move" || name == "other") {
        event.type = SDL_MOUSEMOTION;
        event.motion.windowID = id;
        event.motion.x = x;
        event.motion.y = y;
      } else if (name.ends_with("down") || name.ends_with("up")) {  // l, r, m: the button
        event.type = name.ends_with("up") ? SDL_MOUSEBUTTONUP : SDL_MOUSEBUTTONDOWN;
        event.button.windowID = id;
        event.button.button = name[0] == 'l'   ? SDL_BUTTON_LEFT
                              : name[0] == 'r' ? SDL_BUTTON_RIGHT
                                               : SDL_BUTTON_MIDDLE;
        event.button.x = x;
        event.button.y = y;
      } else if (name == "quit") {
        event.type = SDL_QUIT;
      } else {  // f11, enter, alt+enter, ralt+kpenter
        event.type = SDL_KEYDOWN;
        event.key.keysym.scancode = name == "f11"               ? SDL_SCANCODE_F11
                                    : name.ends_with("kpenter") ? SDL_SCANCODE_KP_ENTER
                                                                : SDL_SCANCODE_RETURN;
        event.key.keysym.mod = name.starts_with("ralt")  ? KMOD_RALT
                               : name.starts_with("alt") ? KMOD_LALT
                                                         : KMOD_NONE;
        event.key.repeat = word.ends_with('*') ? 1 : 0;
      }
      ASSERT_EQ(SDL_PushEvent(&event), 1) << word;
    }
  }

  // The messages now waiting, as "move(1,2) ldown(1,2) active0 music1".
  std::string Seen() {
    static const char* const kNames[] = {"close", "destroy", "active", "move",  "ldown",
                                         "lup",   "rdown",   "rup",    "music", "quit"};
    std::string seen;
    for (Message m; system_->PeekMessage(m);) {
      const bool at = m.kind >= MessageKind::MouseMove && m.kind <= MessageKind::RButtonUp;
      seen += (seen.empty() ? "" : " ") + std::string(kNames[static_cast<int>(m.kind)]) +
              (m.kind == MessageKind::Activate ? std::to_string(m.active) : "") +
              (m.kind == MessageKind::MusicNotify ? std::to_string(m.status) : "") +
              (at ? "(" + std::to_string(m.x) + "," + std::to_string(m.y) + ")" : "");
    }
    return seen;
  }

  std::unique_ptr<System> system_;
};

// One Activate per change, one MouseMove per picture pixel and before a button
// only when the pointer moved; an exposure is a repaint, no message.
TEST_F(SdlBackend, EachSdlEventBecomesItsMessage) {
  const struct {
    const char* events;
    const char* seen;
  } rows[] = {{"close", "close"},
              {"quit", "close"},
              {"lost", "active0"},
              {"minimised", "active0"},
              {"gained", "active1"},
              {"restored", "active1"},
              {"lost minimised restored gained", "active0 active1"},
              {"exposed", ""},
              {"move:100,50", "move(100,50)"},
              {"move:100,50 move:100,50", "move(100,50)"},
              {"move:-1,-1 move:645,485", "move(0,0) move(639,479)"},
              {"other:1,1", ""},
              {"ldown:10,20 lup:639,479", "move(10,20) ldown(10,20) move(639,479) lup(639,479)"},
              {"move:10,20 ldown:10,20 lup:10,20", "move(10,20) ldown(10,20) lup(10,20)"},
              {"rdown:1,2 rup:1,2", "move(1,2) rdown(1,2) rup(1,2)"},
              {"mdown:1,2", ""}};
  for (const auto& row : rows) {
    system_ = CreateSdlSystem();
    ASSERT_TRUE(Open());
    Push(row.events);
    EXPECT_EQ(Seen(), row.seen) << row.events;
  }
}

TEST_F(SdlBackend, MusicAndQuitFollowWhatIsQueuedWithOneQuitAPost) {
  system_->PostMusicNotify(0);  // before SDL's queue is up
  system_->PostMusicNotify(1);
  system_->PostQuitMessage();
  EXPECT_EQ(Seen(), "music0 music1 quit");
  ASSERT_TRUE(Open());
  Push("move:1,2");
  system_->PostMusicNotify(1);
  system_->PostQuitMessage();
  Push("move:3,4");  // as on Windows, the quit waits for an empty queue
  EXPECT_EQ(Seen(), "move(1,2) music1 move(3,4) quit");
  EXPECT_EQ(Seen(), "");
}

TEST_F(SdlBackend, WithoutADisplayABoxIsPrintedAndItsDefaultAnswers) {
  testing::internal::CaptureStderr();  // gtest's own, on descriptor 2
  EXPECT_EQ(
      system_->ShowMessageBox({"\x83\x65\x83\x58\x83\x67", "Cellwright", BoxButtons::YesNo, 1}),
      BoxAnswer::No);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "cellwright: Cellwright: テスト\n");
}

// On a private X server with no window manager.
class X11Backend : public SdlBackend {
 protected:
  void SetUp() override {
    if (std::system("command -v Xvfb >/dev/null") != 0) GTEST_SKIP() << "no Xvfb";
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    if ((server_ = fork()) == 0) {
      dup2(fds[1], 3);  // where -displayfd writes the number of a free display
      execlp("Xvfb", "Xvfb", "-displayfd", "3", "-screen", "0", "1920x1080x24", "-nolisten", "tcp",
             static_cast<char*>(nullptr));
      _exit(127);
    }
    close(fds[1]);
    char number[16] = {};
    const auto got = read(fds[0], number, sizeof number - 1);  // once Xvfb is up
    close(fds[0]);
    ASSERT_GT(got, 0) << "Xvfb did not start";
    setenv("DISPLAY", (":" + std::to_string(std::atoi(number))).c_str(), 1);
    setenv("SDL_VIDEODRIVER", "x11", 1);
    system_ = CreateSdlSystem();
    ASSERT_TRUE(Open());
    SDL_VERSION(&info_.version);
    ASSERT_EQ(SDL_GetWindowWMInfo(Window(), &info_), SDL_TRUE);
  }

  void TearDown() override {
    system_.reset();
    if (server_ > 0) kill(server_, SIGTERM);
    if (server_ > 0) waitpid(server_, nullptr, 0);
  }

  void Settle() {  // lets the server's replies come in
    for (int round = 0; round < 6; ++round) {
      system_->WaitMessage(50);
      Seen();
    }
  }

  // Where the X server really put the window (no window manager: the root is
  // its parent); SDL reports what it asked for.
  std::vector<int> ServerGeometry() const {
    XWindowAttributes a;
    XGetWindowAttributes(info_.info.x11.display, info_.info.x11.window, &a);
    return {a.x, a.y, a.width, a.height};
  }

  pid_t server_ = -1;
  SDL_SysWMinfo info_{};
};

TEST_F(X11Backend, F11AndAFreshAltEnterSwitchBetweenTheWholeDisplayAndA2xWindow) {
  const std::vector<int> whole{0, 0, 1920, 1080};
  const std::vector<int> windowed{320, 60, 1280, 960};  // centred
  EXPECT_EQ(ServerGeometry(), whole) << "without a window manager too";
  const std::pair<const char*, bool> steps[] = {{"f11", false},          {"f11*", false},
                                                {"alt+enter", true},     {"enter", true},
                                                {"ralt+kpenter", false}, {"alt+enter*", false}};
  for (const auto& [key, fullscreen] : steps) {
    Push(key);
    Settle();
    EXPECT_EQ(ServerGeometry(), fullscreen ? whole : windowed) << key;
    EXPECT_EQ((SDL_GetWindowFlags(Window()) & SDL_WINDOW_FULLSCREEN) != 0, fullscreen) << key;
  }
}

// Repainted after an exposure from the picture last presented, never from one
// half drawn since.
TEST_F(X11Backend, ThePresentedPictureReachesTheScreenDoubledBetweenBarsAndIsRepainted) {
  const auto picture = [](int x, int y) {
    return static_cast<std::uint32_t>(((x & 0xFF) << 16) | ((y & 0xFF) << 8) | 0x80);
  };
  std::uint32_t* screen = system_->ScreenPixels();
  for (int i = 0; i < kScreenWidth * kScreenHeight; ++i) {
    screen[i] = picture(i % kScreenWidth, i / kScreenWidth);
  }
  system_->Present();
  Settle();
  Display* display = info_.info.x11.display;
  const int kPoints[][2] = {{320, 60}, {321, 61}, {322, 62},    {1000, 500}, {1599, 1019},
                            {319, 60}, {320, 59}, {1600, 1019}, {1599, 1020}};
  for (const bool exposed : {false, true}) {
    if (exposed) {
      std::fill_n(screen, kScreenWidth * kScreenHeight, 0x00FF00u);
      XSetWindowBackground(display, info_.info.x11.window, 0xFFFFFFu);
      XClearArea(display, info_.info.x11.window, 0, 0, 0, 0, True);
      Settle();
    }
    XImage* image =
        XGetImage(display, DefaultRootWindow(display), 0, 0, 1920, 1080, AllPlanes, ZPixmap);
    ASSERT_NE(image, nullptr);
    const auto at = [&](int x, int y) { return image->f.get_pixel(image, x, y) & 0xFFFFFFu; };
    for (const auto& [x, y] : kPoints) {
      const bool bar = x < 320 || x >= 1600 || y < 60 || y >= 1020;
      EXPECT_EQ(at(x, y), bar ? 0u : picture((x - 320) / 2, (y - 60) / 2))
          << x << "," << y << exposed;
    }
    image->f.destroy_image(image);
  }
}

}  // namespace
}  // namespace platform::sdl
