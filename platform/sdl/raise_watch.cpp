#include "platform/sdl/raise_watch.h"

#include <utility>

namespace platform::sdl {

bool RaiseWatch::Poll(std::uint32_t now) {
  if (lock_ == nullptr) return false;
  if (asked_ && now - lastAsked_ < intervalMs_) return false;
  asked_ = true;
  lastAsked_ = now;
  return lock_->TakeRaiseRequest();
}

namespace {

class Watched final : public InstanceLock {
 public:
  Watched(std::unique_ptr<InstanceLock> inner, std::shared_ptr<RaiseWatch> watch)
      : inner_(std::move(inner)), watch_(std::move(watch)) {
    if (!inner_->AlreadyRunning()) watch_->Watch(inner_.get());
  }
  ~Watched() override { watch_->Forget(inner_.get()); }
  Watched(const Watched&) = delete;
  Watched& operator=(const Watched&) = delete;

  bool AlreadyRunning() const override { return inner_->AlreadyRunning(); }
  void BringRunningCopyForward() override { inner_->BringRunningCopyForward(); }
  bool TakeRaiseRequest() override { return inner_->TakeRaiseRequest(); }

 private:
  std::unique_ptr<InstanceLock> inner_;
  std::shared_ptr<RaiseWatch> watch_;
};

}  // namespace

std::unique_ptr<InstanceLock> WatchedLock(std::unique_ptr<InstanceLock> lock,
                                          std::shared_ptr<RaiseWatch> watch) {
  if (!lock || !watch) return lock;
  return std::make_unique<Watched>(std::move(lock), std::move(watch));
}

}  // namespace platform::sdl
