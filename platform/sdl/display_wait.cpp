#include "platform/sdl/display_wait.h"

#include <SDL2/SDL_syswm.h>
#include <poll.h>
#include <sys/eventfd.h>

namespace platform::sdl {

namespace {

int PollTimeout(std::uint32_t ms) {
  return ms > 0x7FFFFFFFu ? -1 : static_cast<int>(ms);
}

void Drain(int wakeFd) {
  eventfd_t count = 0;
  eventfd_read(wakeFd, &count);
}

#if defined(SDL_VIDEO_DRIVER_X11)
class X11Wait final : public DisplayWait {
 public:
  X11Wait(Display* display, int wakeFd) : display_(display), wakeFd_(wakeFd) {}

  bool InputPending() override {
    // Replies read while presenting may have queued events inside Xlib,
    // where watching the socket cannot see them.
    if (XEventsQueued(display_, QueuedAlready) > 0) return true;
    pollfd fd{ConnectionNumber(display_), POLLIN, 0};
    return poll(&fd, 1, 0) > 0;
  }

  bool Wait(std::uint32_t ms) override {
    if (XEventsQueued(display_, QueuedAlready) > 0) return true;
    // Requests still buffered would wait with us; but a flush costs socket
    // reads too, so only when a request was made since the last one.
    if (NextRequest(display_) != flushedBefore_) {
      XFlush(display_);
      flushedBefore_ = NextRequest(display_);
    }
    pollfd fds[2] = {{ConnectionNumber(display_), POLLIN, 0}, {wakeFd_, POLLIN, 0}};
    const int ready = poll(fds, wakeFd_ >= 0 ? 2 : 1, PollTimeout(ms));
    if (ready > 0 && (fds[1].revents & POLLIN) != 0) Drain(wakeFd_);
    return ready != 0;
  }

 private:
  Display* display_;
  int wakeFd_;
  unsigned long flushedBefore_ = 0;
};
#endif

}  // namespace

std::unique_ptr<DisplayWait> DisplayWait::ForWindow(SDL_Window* window, int wakeFd) {
#if defined(SDL_VIDEO_DRIVER_X11)
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (window == nullptr || SDL_GetWindowWMInfo(window, &info) != SDL_TRUE ||
      info.subsystem != SDL_SYSWM_X11 || info.info.x11.display == nullptr) {
    return nullptr;
  }
  return std::make_unique<X11Wait>(info.info.x11.display, wakeFd);
#else
  (void)window;
  (void)wakeFd;
  return nullptr;
#endif
}

void WaitForWake(int wakeFd, std::uint32_t ms) {
  if (wakeFd < 0) {
    SDL_Delay(ms);
    return;
  }
  pollfd fd{wakeFd, POLLIN, 0};
  if (poll(&fd, 1, PollTimeout(ms)) > 0) Drain(wakeFd);
}

}  // namespace platform::sdl
