// The test backend: a virtual clock, scripted input and message-box answers, a
// captured screen and a JSON Lines event log. Deterministic: the clock moves only
// when the engine waits, jumping straight to the next thing that can happen.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/headless/script.h"
#include "platform/system.h"

namespace platform::headless {

class HeadlessSystem;

struct HeadlessOptions {
  std::string installFolder;   // reported as the current folder
  std::string saveFolder;      // reported as the private data folder
  std::string tempFolder;      // reported as the private temp folder
  std::string instanceFolder;  // lock file and socket of the instance guard
  std::vector<std::string> discMounts;
  std::uint32_t clockStart = 0;  // lets tests start just before the wrap
  std::uint64_t maxFrames = 0;   // 0: no limit; past it the process exits with code 3
  std::ostream* log = nullptr;   // JSON Lines; null: no log
  std::string shotFolder;        // where `shot NAME` writes NAME.png
  std::string audioCapture;      // a WAV file of everything mixed; empty: none
  // Runs just before the max-frames exit, which skips destructors and atexit
  // handlers: the driver removes its temporary folders here.
  std::function<void()> beforeForcedExit;
  // A driver that plays by reacting: it sees every event the game logs (from
  // any thread) and is told whenever the game waits with nothing queued; it
  // answers with SetScript (once ScriptFinished) or PushMessage.
  std::function<void(const std::string& kind, const std::vector<LogField>& fields)> onEvent;
  std::function<void(HeadlessSystem& system)> onIdle;
};

class HeadlessSystem : public System {
 public:
  explicit HeadlessSystem(HeadlessOptions options);
  // False, with the reason, when the audio capture file cannot be made.
  bool CaptureReady(std::string* error) const;
  ~HeadlessSystem() override;

  // --- driving it ------------------------------------------------------------
  void SetScript(Script script);
  void PushMessage(const Message& message);
  void SetKey(Key key, bool down);
  // Answer for the next message box (boxes without one take their default).
  void QueueBoxAnswer(BoxAnswer answer);
  // Queues the Activate message the window system would send.
  void SetActive(bool active);
  void AdvanceClock(std::uint32_t ms);
  // Virtual milliseconds since the backend was made; frames are 32 ms ticks of it.
  std::uint64_t ElapsedMs() const;
  std::uint64_t Frame() const;
  // True once every command of the script has run, or the rest was dropped
  // after a script error.
  bool ScriptFinished() const;

  struct BoxRecord {
    MessageBoxRequest request;
    BoxAnswer answer;
  };
  const std::vector<BoxRecord>& Boxes() const;
  bool WriteScreenPng(const std::string& path) const;
  int RaiseCount() const;
  int PresentCount() const;

  // --- System ----------------------------------------------------------------
  std::uint32_t TickCount() override;
  void Sleep(std::uint32_t ms) override;
  std::unique_ptr<InstanceLock> AcquireInstance(const std::string& name) override;
  bool CreateMainWindow(const std::string& title) override;
  void DestroyMainWindow() override;
  bool HasMainWindow() const override;
  void RaiseMainWindow() override;
  bool PeekMessage(Message& out) override;
  void WaitMessage(std::uint32_t timeoutMs) override;
  void PostQuitMessage() override;
  void PostMusicNotify(int status) override;
  // Mixed as the virtual clock moves: sounds last as long as they would on a
  // device, and always the same way.
  Audio& GetAudio() override;
  bool KeyDown(Key key) override;
  BoxAnswer ShowMessageBox(const MessageBoxRequest& request) override;
  std::uint32_t* ScreenPixels() override;
  void Present() override;
  std::string CurrentFolder() override;
  std::string PrivateTempFolder() override;
  std::string PrivateDataFolder() override;
  std::vector<std::string> DiscMountPoints() override;
  bool IsWritableFolder(const std::string& folder) override;
  // With a log or a script: the script waits for the prompts the events report.
  bool IsLogging() const override;
  void LogEvent(const std::string& kind, const std::vector<LogField>& fields) override;

 private:
  void Advance(std::uint64_t ms);
  void WriteLog(const std::string& line);
  void RunDueCommands();
  // True while the next command waits for a prompt the game has not logged yet.
  bool NextStepWaitsForGame() const;
  void RunStep(const Command& command, int phase);
  void TrackPrompt(const std::string& kind, const std::vector<LogField>& fields);
  void PollRaiseRequest();
  bool QueueEmpty() const;

  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace platform::headless
