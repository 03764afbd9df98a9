// The backend on a real X server (a private Xvfb, skipped when Xvfb is not
// installed): the path players take, where waiting is done on the X socket.
#include <SDL2/SDL.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "platform/sdl/scaling.h"
#include "platform/sdl/sdl_system.h"

// After our headers: Xlib's macros (None, Status...) would clash with them.
#include <SDL2/SDL_syswm.h>

// SDL opens a D-Bus connection on X11 and, by design, leaves libdbus's global
// state for the application to free; LeakSanitizer would blame the test for it.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libdbus-1.so\n";
}

namespace platform::sdl {
namespace {

bool OnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::string rest = path != nullptr ? path : "";
  while (!rest.empty()) {
    const std::size_t colon = rest.find(':');
    const std::string folder = rest.substr(0, colon);
    if (!folder.empty() && access((folder + "/" + program).c_str(), X_OK) == 0) return true;
    rest = colon == std::string::npos ? "" : rest.substr(colon + 1);
  }
  return false;
}

class X11Backend : public testing::Test {
 protected:
  void SetUp() override {
    if (!OnPath("Xvfb")) GTEST_SKIP() << "Xvfb is not installed";
    int fds[2];
    ASSERT_EQ(pipe2(fds, O_CLOEXEC), 0);
    server_ = fork();
    ASSERT_GE(server_, 0);
    if (server_ == 0) {
      dup2(fds[1], 3);  // -displayfd names a free display number on fd 3
      const int devnull = open("/dev/null", O_WRONLY);
      dup2(devnull, 2);
      execlp("Xvfb", "Xvfb", "-displayfd", "3", "-screen", "0", "1920x1080x24", "-nolisten", "tcp",
             static_cast<char*>(nullptr));
      _exit(127);
    }
    close(fds[1]);
    std::string number;
    pollfd ready{fds[0], POLLIN, 0};
    while (poll(&ready, 1, 20000) > 0) {
      char c = 0;
      if (read(fds[0], &c, 1) != 1 || c == '\n') break;
      number += c;
    }
    close(fds[0]);
    ASSERT_FALSE(number.empty()) << "Xvfb did not start";
    setenv("DISPLAY", (":" + number).c_str(), 1);
    setenv("SDL_VIDEODRIVER", "x11", 1);
    system_ = CreateSdlSystem();
    ASSERT_TRUE(system_->CreateMainWindow("Cellwright"));
    window_ = SDL_GetWindowFromID(1);
    for (Uint32 id = 2; window_ == nullptr && id < 256; ++id) window_ = SDL_GetWindowFromID(id);
    ASSERT_NE(window_, nullptr);
  }

  void TearDown() override {
    system_.reset();
    if (server_ > 0) {
      kill(server_, SIGTERM);
      waitpid(server_, nullptr, 0);
    }
  }

  std::vector<Message> WaitForMessages(std::size_t count) {
    std::vector<Message> got;
    for (int round = 0; round < 40 && got.size() < count; ++round) {
      system_->WaitMessage(250);
      Message message;
      while (system_->PeekMessage(message)) got.push_back(message);
    }
    return got;
  }

  // Lets the server's replies to window changes come in.
  std::vector<Message> Settle() {
    std::vector<Message> got;
    for (int round = 0; round < 6; ++round) {
      system_->WaitMessage(50);
      Message message;
      while (system_->PeekMessage(message)) got.push_back(message);
    }
    return got;
  }

  // Where the X server really put the window; SDL reports what it asked for.
  SDL_Rect ServerGeometry() const {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window_, &info) != SDL_TRUE) return {};
    Display* display = info.info.x11.display;
    XWindowAttributes attributes;
    XGetWindowAttributes(display, info.info.x11.window, &attributes);
    int x = 0;
    int y = 0;
    Window child;
    XTranslateCoordinates(display, info.info.x11.window, DefaultRootWindow(display), 0, 0, &x, &y,
                          &child);
    return {x, y, attributes.width, attributes.height};
  }

  static std::vector<Message> Only(const std::vector<Message>& messages, MessageKind kind) {
    std::vector<Message> kept;
    for (const Message& m : messages) {
      if (m.kind == kind) kept.push_back(m);
    }
    return kept;
  }

  pid_t server_ = -1;
  std::unique_ptr<System> system_;
  SDL_Window* window_ = nullptr;
};

TEST_F(X11Backend, FullscreenWindowCoversTheDisplayEvenWithoutAWindowManager) {
  Settle();
  const SDL_Rect real = ServerGeometry();
  EXPECT_EQ(real.x, 0);
  EXPECT_EQ(real.y, 0);
  EXPECT_EQ(real.w, 1920);
  EXPECT_EQ(real.h, 1080);
  SDL_Surface* surface = SDL_GetWindowSurface(window_);
  ASSERT_NE(surface, nullptr);
  EXPECT_EQ(surface->w, 1920);
  EXPECT_EQ(surface->h, 1080);
}

TEST_F(X11Backend, PresentedPictureReachesTheScreenDoubledBetweenBars) {
  std::uint32_t* screen = system_->ScreenPixels();
  for (int y = 0; y < kScreenHeight; ++y) {
    for (int x = 0; x < kScreenWidth; ++x) {
      screen[y * kScreenWidth + x] =
          static_cast<std::uint32_t>(((x & 0xFF) << 16) | ((y & 0xFF) << 8) | 0x80);
    }
  }
  system_->Present();
  Settle();
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  ASSERT_EQ(SDL_GetWindowWMInfo(window_, &info), SDL_TRUE);
  Display* display = info.info.x11.display;
  XImage* image =
      XGetImage(display, DefaultRootWindow(display), 0, 0, 1920, 1080, AllPlanes, ZPixmap);
  ASSERT_NE(image, nullptr);
  auto at = [&](int x, int y) {
    return static_cast<std::uint32_t>(image->f.get_pixel(image, x, y)) & 0xFFFFFFu;
  };
  auto picture = [](int x, int y) {
    return static_cast<std::uint32_t>(((x & 0xFF) << 16) | ((y & 0xFF) << 8) | 0x80);
  };
  int wrong = 0;
  for (int y = 0; y < 1080; y += 7) {
    for (int x = 0; x < 1920; x += 5) {
      const bool inside = x >= 320 && x < 1600 && y >= 60 && y < 1020;
      const std::uint32_t want = inside ? picture((x - 320) / 2, (y - 60) / 2) : 0u;
      if (at(x, y) != want && ++wrong <= 3) {
        ADD_FAILURE() << x << "," << y << ": " << std::hex << at(x, y) << " want " << want;
      }
    }
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(at(320, 60), picture(0, 0));
  EXPECT_EQ(at(1599, 1019), picture(639, 479));
  EXPECT_EQ(at(319, 60), 0u);
  EXPECT_EQ(at(1600, 1019), 0u);
  image->f.destroy_image(image);
}

TEST_F(X11Backend, F11GivesACentredDoubleSizeWindowAndBack) {
  Settle();
  SDL_Event key{};
  key.type = SDL_KEYDOWN;
  key.key.windowID = SDL_GetWindowID(window_);
  key.key.keysym.scancode = SDL_SCANCODE_F11;
  ASSERT_EQ(SDL_PushEvent(&key), 1);
  Settle();
  SDL_Rect real = ServerGeometry();
  EXPECT_EQ(real.x, 320);
  EXPECT_EQ(real.y, 60);
  EXPECT_EQ(real.w, 1280);
  EXPECT_EQ(real.h, 960);
  EXPECT_EQ(SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN, 0u);

  ASSERT_EQ(SDL_PushEvent(&key), 1);
  Settle();
  real = ServerGeometry();
  EXPECT_EQ(real.x, 0);
  EXPECT_EQ(real.y, 0);
  EXPECT_EQ(real.w, 1920);
  EXPECT_EQ(real.h, 1080);
  EXPECT_NE(SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN, 0u);
}

TEST_F(X11Backend, PointerMovedByTheServerArrivesInPicturePixels) {
  Settle();
  // 2x at (320, 60) on 1920x1080: picture pixel (100, 200) starts at (520, 460).
  SDL_WarpMouseInWindow(window_, 520, 460);
  std::vector<Message> moves = Only(WaitForMessages(1), MessageKind::MouseMove);
  ASSERT_FALSE(moves.empty());
  EXPECT_EQ(moves.back().x, 100);
  EXPECT_EQ(moves.back().y, 200);

  SDL_WarpMouseInWindow(window_, 5, 1079);  // bottom-left bar
  moves = Only(WaitForMessages(1), MessageKind::MouseMove);
  ASSERT_FALSE(moves.empty());
  EXPECT_EQ(moves.back().x, 0);
  EXPECT_EQ(moves.back().y, 479);
}

TEST_F(X11Backend, MusicNotifyFromAnotherThreadArrives) {
  Settle();
  std::thread player([this] { system_->PostMusicNotify(1); });
  player.join();
  const std::vector<Message> music = Only(WaitForMessages(1), MessageKind::MusicNotify);
  ASSERT_EQ(music.size(), 1u);
  EXPECT_EQ(music[0].status, 1);
}

TEST_F(X11Backend, QuitFollowsWhatWasQueued) {
  Settle();
  system_->PostMusicNotify(0);
  system_->PostQuitMessage();
  const std::vector<Message> got = WaitForMessages(2);
  ASSERT_GE(got.size(), 2u);
  EXPECT_EQ(got[got.size() - 2].kind, MessageKind::MusicNotify);
  EXPECT_EQ(got.back().kind, MessageKind::Quit);
}

}  // namespace
}  // namespace platform::sdl
