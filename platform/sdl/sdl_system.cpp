#include "platform/sdl/sdl_system.h"

#include <SDL2/SDL.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <string_view>

#include "platform/audio/audio_engine.h"
#include "platform/encoding.h"
#include "platform/posix/folders.h"
#include "platform/posix/instance_lock.h"
#include "platform/sdl/audio_output.h"
#include "platform/sdl/display_wait.h"
#include "platform/sdl/input_filter.h"
#include "platform/sdl/message_box_plan.h"
#include "platform/sdl/raise_watch.h"
#include "platform/sdl/scaling.h"
#include "platform/sdl/surface_paint.h"

namespace platform::sdl {

namespace {

constexpr std::size_t kPixels = static_cast<std::size_t>(kScreenWidth) * kScreenHeight;
// A blocked wait wakes at least this often to hear a second copy's raise request.
constexpr std::uint32_t kLongestWaitMs = 250;
constexpr std::uint32_t kRaisePollMs = 100;
constexpr std::uint32_t kPumpAtLeastMs = 100;
constexpr int kWindowedScale = 2;

int CenteredOn(int display) {
  return static_cast<int>(SDL_WINDOWPOS_CENTERED_MASK | static_cast<unsigned>(display));
}

// The display under the mouse pointer, so the game opens where the player is looking.
int PointerDisplay() {
  int x = 0;
  int y = 0;
  SDL_GetGlobalMouseState(&x, &y);
  const SDL_Point pointer{x, y};
  const int count = SDL_GetNumVideoDisplays();
  for (int i = 0; i < count; ++i) {
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(i, &bounds) == 0 && SDL_PointInRect(&pointer, &bounds)) return i;
  }
  return 0;
}

SDL_Rect DisplayBounds(int display) {
  SDL_Rect bounds{0, 0, kScreenWidth, kScreenHeight};
  SDL_GetDisplayBounds(display, &bounds);
  return bounds;
}

// 2x when the desktop has room for it, else 1x.
void WindowedSize(int display, int& w, int& h) {
  SDL_Rect usable;
  int scale = kWindowedScale;
  if (SDL_GetDisplayUsableBounds(display, &usable) == 0) {
    while (scale > 1 && (usable.w < kScreenWidth * scale || usable.h < kScreenHeight * scale)) {
      --scale;
    }
  }
  w = kScreenWidth * scale;
  h = kScreenHeight * scale;
}

std::uint32_t BoxFlags(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::Error:
      return SDL_MESSAGEBOX_ERROR;
    case BoxIcon::Warning:
    case BoxIcon::Question:
      return SDL_MESSAGEBOX_WARNING;
    case BoxIcon::Information:
      return SDL_MESSAGEBOX_INFORMATION;
    case BoxIcon::None:
      break;
  }
  return 0;
}

class SdlSystem final : public System {
 public:
  SdlSystem() : screen_(kPixels, 0), shown_(kPixels, 0) {
    // Registering needs no SDL_Init, so the music thread can post from the start.
    const Uint32 type = SDL_RegisterEvents(1);
    if (type != static_cast<Uint32>(-1)) musicEvent_ = type;
    wakeFd_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  }

  ~SdlSystem() override {
    output_.reset();  // no more mixing before the players go
    audio_.reset();
    DestroyMainWindow();
    if (videoUp_) SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    if (wakeFd_ >= 0) close(wakeFd_);
  }

  SdlSystem(const SdlSystem&) = delete;
  SdlSystem& operator=(const SdlSystem&) = delete;

  std::uint32_t TickCount() override { return static_cast<std::uint32_t>(SDL_GetTicks64()); }
  void Sleep(std::uint32_t ms) override { SDL_Delay(ms); }

  std::unique_ptr<InstanceLock> AcquireInstance(const std::string& name) override {
    return WatchedLock(posix::AcquireInstanceLock(posix::RuntimeFolder(), name), raiseWatch_);
  }

  bool CreateMainWindow(const std::string& title) override {
    if (window_ != nullptr) return true;
    // Let SIGINT and SIGTERM end the process as for any other program.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The software window surface: an OpenGL context on a machine without a
    // GPU costs a software rasteriser, ~90 MB and steady CPU, for a 2D picture.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // Closing the window is a Close the game confirms, not a second quit.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    if (!videoUp_) {
      if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) return CannotOpen();
      videoUp_ = true;
      const char* driver = SDL_GetCurrentVideoDriver();
      const std::string_view name = driver != nullptr ? driver : "";
      // With no X server and no Wayland, SDL falls back to drivers that draw
      // nowhere; a player would face a game nobody can see. Only an explicit
      // SDL_VIDEODRIVER (tests, benchmarks) may ask for them.
      if ((name == "offscreen" || name == "dummy") && std::getenv("SDL_VIDEODRIVER") == nullptr) {
        SDL_SetError("no display found (neither an X server nor Wayland)");
        return CannotOpen();
      }
      // SDL blocks on these connections (we do it ourselves on X11 when we can);
      // with the rest it would poll every millisecond, which is no idle.
      driverCanBlock_ = name == "wayland" || name == "x11";
    }
    // Already covering the display: fullscreen is a window manager's favour,
    // and an X server without one would leave a fullscreen window at its size.
    const SDL_Rect bounds = DisplayBounds(PointerDisplay());
    const std::string utf8 = platform::IsValidUtf8(title) ? title : Cp932ToUtf8Lossy(title);
    window_ = SDL_CreateWindow(utf8.c_str(), bounds.x, bounds.y, bounds.w, bounds.h,
                               SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_RESIZABLE);
    if (window_ == nullptr) return CannotOpen();
    windowId_ = SDL_GetWindowID(window_);
    displayWait_ = DisplayWait::ForWindow(window_, wakeFd_);
    needsRepaint_ = true;
    return true;
  }

  void DestroyMainWindow() override {
    if (window_ == nullptr) return;
    displayWait_.reset();
    SDL_DestroyWindow(window_);
    window_ = nullptr;
    windowId_ = 0;
    needsRepaint_ = false;
    enterGate_.Reset();
  }

  bool HasMainWindow() const override { return window_ != nullptr; }

  void RaiseMainWindow() override {
    if (window_ == nullptr) return;
    SDL_RestoreWindow(window_);
    SDL_RaiseWindow(window_);
  }

  bool PeekMessage(Message& out) override {
    PollRaise();
    if (TakePending(out)) return true;
    if (videoUp_) {
      const bool pump = PumpDue();
      SDL_Event event;
      while (pump ? SDL_PollEvent(&event) != 0
                  : SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) {
        Translate(event);
        if (TakePending(out)) return true;
      }
    }
    RepaintIfNeeded();
    if (TakeUnqueuedMusic(out)) return true;
    if (quitPosted_) {
      quitPosted_ = false;
      out = Message{MessageKind::Quit};
      return true;
    }
    return false;
  }

  void WaitMessage(std::uint32_t timeoutMs) override {
    PollRaise();
    RepaintIfNeeded();
    if (!pending_.empty() || quitPosted_) return;
    const std::uint32_t wait = std::min(timeoutMs, kLongestWaitMs);
    if (videoUp_ && SDL_PeepEvents(nullptr, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) {
      return;
    }
    if (displayWait_ != nullptr) {
      quietSinceWait_ = !displayWait_->Wait(wait);
    } else if (driverCanBlock_ && window_ != nullptr) {
      // SDL blocks only with a window to wake; without one it polls each millisecond.
      SDL_WaitEventTimeout(nullptr, static_cast<int>(wait));
    } else {
      if (videoUp_) SDL_PumpEvents();
      if (!videoUp_ ||
          SDL_PeepEvents(nullptr, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 0) {
        WaitForWake(wakeFd_, wait);
      }
    }
    PollRaise();
  }

  void PostQuitMessage() override { quitPosted_ = true; }

  void PostMusicNotify(int status) override {
    bool pushed = false;
    if (musicEvent_ != 0) {
      SDL_Event event{};
      event.type = musicEvent_;
      event.user.code = status;
      pushed = SDL_PushEvent(&event) == 1;
    }
    if (!pushed) {
      // Before SDL_Init (or after it failed) SDL's queue takes nothing.
      std::lock_guard<std::mutex> hold(musicMutex_);
      unqueuedMusic_.push_back(status);
    }
    if (wakeFd_ >= 0) eventfd_write(wakeFd_, 1);
  }

  bool KeyDown(Key key) override {
    if (!videoUp_) return false;
    const Uint8* state = SDL_GetKeyboardState(nullptr);
    switch (key) {
      case Key::Up:
        return state[SDL_SCANCODE_UP] != 0;
      case Key::Down:
        return state[SDL_SCANCODE_DOWN] != 0;
      case Key::Left:
        return state[SDL_SCANCODE_LEFT] != 0;
      case Key::Right:
        return state[SDL_SCANCODE_RIGHT] != 0;
      case Key::Enter:
        return (state[SDL_SCANCODE_RETURN] != 0 && !enterGate_.Hidden(EnterKey::Main)) ||
               (state[SDL_SCANCODE_KP_ENTER] != 0 && !enterGate_.Hidden(EnterKey::Keypad));
      case Key::Escape:
        return state[SDL_SCANCODE_ESCAPE] != 0;
      case Key::Control:
        return state[SDL_SCANCODE_LCTRL] != 0 || state[SDL_SCANCODE_RCTRL] != 0;
    }
    return false;
  }

  BoxAnswer ShowMessageBox(const MessageBoxRequest& request) override {
    const BoxPlan plan = PlanMessageBox(
        request.buttons, request.defaultButton,
        PrefersJapanese(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG")));
    const std::string text = Cp932ToUtf8Lossy(request.text);
    const std::string caption = Cp932ToUtf8Lossy(request.caption);

    std::vector<SDL_MessageBoxButtonData> buttons;
    for (std::size_t i = 0; i < plan.buttons.size(); ++i) {
      const int index = static_cast<int>(i);
      Uint32 flags = 0;
      if (index == plan.returnIndex) flags |= SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
      if (index == plan.escapeIndex) flags |= SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
      buttons.push_back({flags, index, plan.buttons[i].label.c_str()});
    }
    SDL_MessageBoxData data{};
    data.flags = BoxFlags(request.icon) | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT;
    data.window = window_;
    data.title = caption.c_str();
    data.message = text.c_str();
    data.numbuttons = static_cast<int>(buttons.size());
    data.buttons = buttons.data();
    int pressed = -1;
    if (SDL_ShowMessageBox(&data, &pressed) != 0) {
      std::fprintf(stderr, "cellwright: %s: %s\n", caption.c_str(), text.c_str());
      return plan.buttons[static_cast<std::size_t>(plan.returnIndex)].answer;
    }
    return AnswerFor(plan, pressed);
  }

  std::uint32_t* ScreenPixels() override { return screen_.data(); }

  // The device opens with the first sound; a game that never plays one needs none.
  Audio& GetAudio() override {
    if (!audio_) {
      audio_ = std::make_unique<audio::AudioEngine>([this](int status) { PostMusicNotify(status); });
      output_ = std::make_unique<AudioOutput>(*audio_);
    }
    return *audio_;
  }

  void Present() override {
    std::memcpy(shown_.data(), screen_.data(), kPixels * sizeof(std::uint32_t));
    Repaint();
  }

  std::string CurrentFolder() override { return posix::CurrentFolder(); }
  std::string PrivateTempFolder() override { return posix::PrivateTempFolder(); }
  std::string PrivateDataFolder() override { return posix::PrivateDataFolder(); }
  std::vector<std::string> DiscMountPoints() override { return posix::DiscMountPoints(); }
  bool IsWritableFolder(const std::string& folder) override {
    return posix::IsWritableFolder(folder);
  }

 private:
  static bool CannotOpen() {
    std::fprintf(stderr, "cellwright: cannot open a window: %s\n", SDL_GetError());
    return false;
  }

  bool TakePending(Message& out) {
    if (pending_.empty()) return false;
    out = pending_.front();
    pending_.pop_front();
    return true;
  }

  bool TakeUnqueuedMusic(Message& out) {
    std::lock_guard<std::mutex> hold(musicMutex_);
    if (unqueuedMusic_.empty()) return false;
    out = Message{MessageKind::MusicNotify};
    out.status = unqueuedMusic_.front();
    unqueuedMusic_.pop_front();
    return true;
  }

  // With nothing from the display, SDL's queue alone is read: events other
  // threads pushed are there without a pump. SDL still gets a pump now and then
  // for its own timed work (delayed focus changes, keeping the screensaver off).
  bool PumpDue() {
    const bool quiet = quietSinceWait_;
    quietSinceWait_ = false;
    const std::uint32_t now = TickCount();
    if (displayWait_ != nullptr && now - lastPump_ < kPumpAtLeastMs &&
        (quiet || !displayWait_->InputPending())) {
      return false;
    }
    lastPump_ = now;
    return true;
  }

  void PollRaise() {
    if (raiseWatch_->Poll(TickCount())) RaiseMainWindow();
  }

  void Send(MessageKind kind) { pending_.push_back(Message{kind}); }

  void SendActivate(bool active) {
    if (!activation_.Change(active)) return;
    Message message{MessageKind::Activate};
    message.active = active ? 1 : 0;
    pending_.push_back(message);
  }

  void SendPointer(int wx, int wy) {
    if (!pointer_.Moved(MapToPicture(wx, wy))) return;
    Message message{MessageKind::MouseMove};
    message.x = pointer_.Last().x;
    message.y = pointer_.Last().y;
    pending_.push_back(message);
  }

  void SendButton(MessageKind kind, int wx, int wy) {
    SendPointer(wx, wy);
    Message message{kind};
    message.x = pointer_.Last().x;
    message.y = pointer_.Last().y;
    pending_.push_back(message);
  }

  PicturePoint MapToPicture(int wx, int wy) const {
    int w = 0;
    int h = 0;
    if (window_ != nullptr) SDL_GetWindowSize(window_, &w, &h);
    const Viewport view = FitPicture(kScreenWidth, kScreenHeight, w, h);
    return WindowToPicture(view, kScreenWidth, kScreenHeight, wx, wy);
  }

  void Translate(const SDL_Event& event) {
    switch (event.type) {
      case SDL_QUIT:
        Send(MessageKind::Close);
        return;
      case SDL_WINDOWEVENT:
        if (event.window.windowID == windowId_) TranslateWindow(event.window);
        return;
      case SDL_MOUSEMOTION:
        if (event.motion.windowID == windowId_) SendPointer(event.motion.x, event.motion.y);
        return;
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP:
        if (event.button.windowID == windowId_) TranslateButton(event.button);
        return;
      case SDL_KEYDOWN:
        TranslateKeyDown(event.key);
        return;
      case SDL_KEYUP:
        if (event.key.keysym.scancode == SDL_SCANCODE_RETURN) enterGate_.Release(EnterKey::Main);
        if (event.key.keysym.scancode == SDL_SCANCODE_KP_ENTER) {
          enterGate_.Release(EnterKey::Keypad);
        }
        return;
      default:
        break;
    }
    if (musicEvent_ != 0 && event.type == musicEvent_) {
      Message message{MessageKind::MusicNotify};
      message.status = event.user.code;
      pending_.push_back(message);
    }
  }

  void TranslateWindow(const SDL_WindowEvent& event) {
    switch (event.event) {
      case SDL_WINDOWEVENT_CLOSE:
        Send(MessageKind::Close);
        break;
      case SDL_WINDOWEVENT_FOCUS_GAINED:
      case SDL_WINDOWEVENT_RESTORED:
        SendActivate(true);
        break;
      case SDL_WINDOWEVENT_FOCUS_LOST:
        enterGate_.Reset();
        SendActivate(false);
        break;
      case SDL_WINDOWEVENT_MINIMIZED:
        SendActivate(false);
        break;
      case SDL_WINDOWEVENT_SIZE_CHANGED:
      case SDL_WINDOWEVENT_EXPOSED:
        needsRepaint_ = true;
        break;
      default:
        break;
    }
  }

  void TranslateButton(const SDL_MouseButtonEvent& event) {
    const bool down = event.type == SDL_MOUSEBUTTONDOWN;
    if (event.button == SDL_BUTTON_LEFT) {
      SendButton(down ? MessageKind::LButtonDown : MessageKind::LButtonUp, event.x, event.y);
    } else if (event.button == SDL_BUTTON_RIGHT) {
      SendButton(down ? MessageKind::RButtonDown : MessageKind::RButtonUp, event.x, event.y);
    }
  }

  void TranslateKeyDown(const SDL_KeyboardEvent& event) {
    const bool alt = (event.keysym.mod & KMOD_ALT) != 0;
    const bool repeat = event.repeat != 0;
    switch (event.keysym.scancode) {
      case SDL_SCANCODE_F11:
        if (!repeat) ToggleFullscreen();
        break;
      case SDL_SCANCODE_RETURN:
        if (enterGate_.Press(EnterKey::Main, alt, repeat)) ToggleFullscreen();
        break;
      case SDL_SCANCODE_KP_ENTER:
        if (enterGate_.Press(EnterKey::Keypad, alt, repeat)) ToggleFullscreen();
        break;
      default:
        break;
    }
  }

  void ToggleFullscreen() {
    if (window_ == nullptr) return;
    const int display = std::max(0, SDL_GetWindowDisplayIndex(window_));
    if ((SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) != 0) {
      if (SDL_SetWindowFullscreen(window_, 0) != 0) return;
      int w = 0;
      int h = 0;
      WindowedSize(display, w, h);
      SDL_SetWindowSize(window_, w, h);
      SDL_SetWindowPosition(window_, CenteredOn(display), CenteredOn(display));
    } else {
      const SDL_Rect bounds = DisplayBounds(display);
      SDL_SetWindowSize(window_, bounds.w, bounds.h);
      SDL_SetWindowPosition(window_, bounds.x, bounds.y);
      SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
    }
    needsRepaint_ = true;
  }

  void RepaintIfNeeded() {
    if (needsRepaint_) Repaint();
  }

  void Repaint() {
    needsRepaint_ = false;
    if (window_ == nullptr) return;
    // Valid until the next resize; SDL re-creates it after one.
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    if (surface == nullptr) return;
    PaintPicture(shown_.data(), surface);
    SDL_UpdateWindowSurface(window_);
  }

  std::vector<std::uint32_t> screen_;
  std::vector<std::uint32_t> shown_;  // what Present last showed, for repaints
  SDL_Window* window_ = nullptr;
  Uint32 windowId_ = 0;
  bool videoUp_ = false;
  bool driverCanBlock_ = false;
  bool needsRepaint_ = false;
  bool quitPosted_ = false;
  std::uint32_t lastPump_ = 0;
  bool quietSinceWait_ = false;  // the last wait timed out: no need to ask the socket again
  Uint32 musicEvent_ = 0;
  std::deque<Message> pending_;
  AltEnterGate enterGate_;
  ActivationFilter activation_;
  PointerFilter pointer_;
  std::shared_ptr<RaiseWatch> raiseWatch_ = std::make_shared<RaiseWatch>(kRaisePollMs);

  std::unique_ptr<DisplayWait> displayWait_;
  int wakeFd_ = -1;  // written by PostMusicNotify from any thread
  std::unique_ptr<audio::AudioEngine> audio_;
  std::unique_ptr<AudioOutput> output_;  // after audio_: stops mixing before it goes
  std::mutex musicMutex_;
  std::deque<int> unqueuedMusic_;
};

}  // namespace

std::unique_ptr<System> CreateSdlSystem() {
  return std::make_unique<SdlSystem>();
}

}  // namespace platform::sdl
