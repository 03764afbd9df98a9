// A backend that does nothing: no window, no input, no time, boxes answered by
// their default button. Harnesses (fuzzers) derive from it and override only
// the few calls they care about.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/system.h"

namespace platform {

class NullAudio final : public Audio {
 public:
  std::unique_ptr<SoundFile> OpenSound(const std::string&) override { return nullptr; }
  std::unique_ptr<MidiMusic> OpenMusic(const std::string&) override { return nullptr; }
  std::unique_ptr<MovieFile> OpenMovie(const std::string&) override { return nullptr; }
};

class NullSystem : public System {
 public:
  std::uint32_t TickCount() override { return 0; }
  void Sleep(std::uint32_t) override {}
  std::unique_ptr<InstanceLock> AcquireInstance(const std::string&) override { return nullptr; }
  bool CreateMainWindow(const std::string&) override { return false; }
  void DestroyMainWindow() override {}
  bool HasMainWindow() const override { return false; }
  void RaiseMainWindow() override {}
  bool PeekMessage(Message&) override { return false; }
  void WaitMessage(std::uint32_t) override {}
  void PostQuitMessage() override {}
  void PostMusicNotify(int) override {}
  Audio& GetAudio() override { return audio_; }
  bool KeyDown(Key) override { return false; }
  BoxAnswer ShowMessageBox(const MessageBoxRequest& request) override {
    return DefaultAnswer(request);
  }
  std::uint32_t* ScreenPixels() override { return nullptr; }
  void Present() override {}
  std::string CurrentFolder() override { return "/nonexistent/"; }
  std::string PrivateTempFolder() override { return "/nonexistent/"; }
  std::string PrivateDataFolder() override { return "/nonexistent/"; }
  std::vector<std::string> DiscMountPoints() override { return {}; }
  bool IsWritableFolder(const std::string&) override { return false; }

  static BoxAnswer DefaultAnswer(const MessageBoxRequest& request) {
    switch (request.buttons) {
      case BoxButtons::YesNo:
        return request.defaultButton == 0 ? BoxAnswer::Yes : BoxAnswer::No;
      case BoxButtons::AbortRetryIgnore:
        return request.defaultButton == 0   ? BoxAnswer::Abort
               : request.defaultButton == 1 ? BoxAnswer::Retry
                                            : BoxAnswer::Ignore;
      case BoxButtons::Ok:
        break;
    }
    return BoxAnswer::Ok;
  }

 private:
  NullAudio audio_;
};

}  // namespace platform
