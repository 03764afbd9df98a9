#include "platform/headless/headless_system.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <deque>
#include <filesystem>
#include <limits>
#include <mutex>
#include <system_error>
#include <utility>

#include "platform/audio/audio_engine.h"
#include "platform/encoding.h"
#include "platform/headless/json_line.h"
#include "platform/headless/png_writer.h"
#include "platform/headless/wav_capture.h"
#include "platform/posix/folders.h"
#include "platform/posix/instance_lock.h"

namespace platform::headless {

namespace {

constexpr std::uint64_t kFrameMs = 32;
constexpr std::uint32_t kWaitForever = 0xFFFFFFFF;
constexpr std::uint64_t kNever = std::numeric_limits<std::uint64_t>::max();
constexpr int kExitMaxFrames = 3;
constexpr std::uint64_t kMixBlock = 4096;
constexpr std::size_t kKeyCount = static_cast<std::size_t>(Key::Control) + 1;  // the last key

// Hands the engine the real lock while the backend keeps a weak view of it to
// poll for raise requests; the lock still goes away when the engine drops it.
class SharedLock : public InstanceLock {
 public:
  explicit SharedLock(std::shared_ptr<InstanceLock> real) : real_(std::move(real)) {}
  bool AlreadyRunning() const override { return real_->AlreadyRunning(); }
  void BringRunningCopyForward() override { real_->BringRunningCopyForward(); }
  bool TakeRaiseRequest() override { return real_->TakeRaiseRequest(); }

 private:
  std::shared_ptr<InstanceLock> real_;
};

const char* ButtonsName(BoxButtons buttons) {
  switch (buttons) {
    case BoxButtons::Ok:
      return "ok";
    case BoxButtons::YesNo:
      return "yesno";
    case BoxButtons::AbortRetryIgnore:
      return "abortretryignore";
  }
  return "ok";
}

const char* IconName(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::None:
      return "none";
    case BoxIcon::Information:
      return "information";
    case BoxIcon::Warning:
      return "warning";
    case BoxIcon::Error:
      return "error";
    case BoxIcon::Question:
      return "question";
  }
  return "none";
}

const char* AnswerName(BoxAnswer answer) {
  switch (answer) {
    case BoxAnswer::Ok:
      return "ok";
    case BoxAnswer::Abort:
      return "abort";
    case BoxAnswer::Retry:
      return "retry";
    case BoxAnswer::Ignore:
      return "ignore";
    case BoxAnswer::Yes:
      return "yes";
    case BoxAnswer::No:
      return "no";
  }
  return "ok";
}

std::vector<BoxAnswer> ButtonAnswers(BoxButtons buttons) {
  switch (buttons) {
    case BoxButtons::Ok:
      return {BoxAnswer::Ok};
    case BoxButtons::YesNo:
      return {BoxAnswer::Yes, BoxAnswer::No};
    case BoxButtons::AbortRetryIgnore:
      return {BoxAnswer::Abort, BoxAnswer::Retry, BoxAnswer::Ignore};
  }
  return {BoxAnswer::Ok};
}

std::uint64_t RoundUpToFrame(std::uint64_t ms) {
  return (ms + kFrameMs - 1) / kFrameMs * kFrameMs;
}

std::string FolderOption(const std::string& folder) {
  return folder.empty() ? folder : posix::WithSlash(folder);
}

// Where the pointer goes before a choice is clicked: above the message window,
// so the click's move always changes the pointer's row as the game sees it.
constexpr int kChoiceX = 320;
constexpr int kChoiceAwayY = 300;
constexpr int kChoiceTop = 404;
constexpr int kChoiceRowHeight = 19;
constexpr int kChoiceRowMiddle = 9;

enum class Prompt : std::uint8_t { None, Page, Choice, Screen };

// A screen of the game as its log announced it: its name and top-left corner.
struct OpenScreen {
  std::string name;
  int x = 0;
  int y = 0;
};

// One scheduled piece of a command: a click is a press step and a release step.
struct Step {
  Command command;
  int phase = 0;                   // which piece of its command this is
  std::uint64_t delayAfter = 0;    // ms until the next step is due
  Prompt waitsFor = Prompt::None;  // runs only once the game is at this prompt
};

std::vector<Step> Steps(Script script) {
  std::vector<Step> steps;
  for (Command& command : script) {
    switch (command.kind) {
      case CommandKind::Frames: {
        const auto ms = static_cast<std::uint64_t>(command.a) * kFrameMs;
        steps.push_back({std::move(command), false, ms});
        break;
      }
      case CommandKind::Click:
      case CommandKind::ClickRel:
      case CommandKind::RightClick:
      case CommandKind::KeyPress:
        // Down for one frame, up for one frame before the next command, so two
        // presses in a row stay two presses to a 32 ms sampler.
        steps.push_back({command, 0, kFrameMs});
        steps.push_back({std::move(command), 1, kFrameMs});
        break;
      case CommandKind::Page:
        steps.push_back({command, 0, kFrameMs, Prompt::Page});
        steps.push_back({std::move(command), 1, kFrameMs});
        break;
      case CommandKind::Choose:
        // Away from the lines, one frame for the game to see it, then the click.
        steps.push_back({command, 0, kFrameMs, Prompt::Choice});
        steps.push_back({command, 1, kFrameMs});
        steps.push_back({std::move(command), 2, kFrameMs});
        break;
      case CommandKind::UntilPage:
        steps.push_back({std::move(command), 0, 0, Prompt::Page});
        break;
      case CommandKind::UntilChoice:
        steps.push_back({std::move(command), 0, 0, Prompt::Choice});
        break;
      case CommandKind::UntilScreen:
        steps.push_back({std::move(command), 0, 0, Prompt::Screen});
        break;
      default:
        steps.push_back({std::move(command), 0, 0});
    }
  }
  return steps;
}

}  // namespace

struct HeadlessSystem::State {
  HeadlessOptions options;
  std::atomic<std::uint64_t> elapsedMs{0};

  mutable std::mutex queueMutex;
  std::deque<Message> queue;

  std::array<std::atomic<bool>, kKeyCount> keys{};
  std::deque<BoxAnswer> answers;
  std::vector<BoxRecord> boxes;
  std::vector<std::uint32_t> screen =
      std::vector<std::uint32_t>(static_cast<std::size_t>(kScreenWidth * kScreenHeight), 0);
  int raiseCount = 0;
  int presentCount = 0;
  bool hasWindow = false;
  std::weak_ptr<InstanceLock> lock;

  std::vector<Step> steps;
  std::size_t nextStep = 0;
  std::uint64_t nextDueMs = 0;
  // The instant at which the game is known to have sampled its frame already:
  // input given then is first seen on the next frame.
  std::uint64_t sampledAtMs = kNever;

  // The prompt the game is at, as its log says. Events may be logged from any
  // of the game's threads, the script runs on the one that takes messages.
  mutable std::mutex promptMutex;
  Prompt prompt = Prompt::None;
  std::size_t choiceLines = 0;
  std::uint64_t promptSinceMs = 0;
  std::vector<OpenScreen> screens;  // the innermost last
  std::uint64_t screenSinceMs = 0;

  std::mutex logMutex;

  std::unique_ptr<audio::AudioEngine> audio;
  std::uint64_t mixedFrames = 0;
  std::vector<std::int16_t> mix;
  WavCapture capture;
  std::string captureError;
};

HeadlessSystem::HeadlessSystem(HeadlessOptions options) : state_(std::make_unique<State>()) {
  options.installFolder = options.installFolder.empty() ? posix::CurrentFolder()
                                                        : posix::WithSlash(options.installFolder);
  options.saveFolder = FolderOption(options.saveFolder);
  options.tempFolder = FolderOption(options.tempFolder);
  options.instanceFolder = FolderOption(options.instanceFolder);
  options.shotFolder = FolderOption(options.shotFolder);
  for (std::string& mount : options.discMounts) mount = FolderOption(mount);
  state_->options = std::move(options);
  state_->audio =
      std::make_unique<audio::AudioEngine>([this](int status) { PostMusicNotify(status); });
  if (!state_->options.audioCapture.empty()) {
    state_->capture.Open(state_->options.audioCapture, &state_->captureError);
  }
}

bool HeadlessSystem::CaptureReady(std::string* error) const {
  if (state_->options.audioCapture.empty() || state_->capture.IsOpen()) return true;
  if (error != nullptr) *error = state_->captureError;
  return false;
}

HeadlessSystem::~HeadlessSystem() = default;

// --- driving it ----------------------------------------------------------------

void HeadlessSystem::SetScript(Script script) {
  state_->steps = Steps(std::move(script));
  state_->nextStep = 0;
  state_->sampledAtMs = kNever;
  // The frame of the current time may already have been sampled: start on the
  // next one, so even a first command is seen.
  state_->nextDueMs = (ElapsedMs() / kFrameMs + 1) * kFrameMs;
}

void HeadlessSystem::PushMessage(const Message& message) {
  const std::lock_guard guard(state_->queueMutex);
  state_->queue.push_back(message);
}

void HeadlessSystem::SetKey(Key key, bool down) {
  state_->keys[static_cast<std::size_t>(key)] = down;
}

void HeadlessSystem::QueueBoxAnswer(BoxAnswer answer) {
  state_->answers.push_back(answer);
}

void HeadlessSystem::SetActive(bool active) {
  Message message;
  message.kind = MessageKind::Activate;
  message.active = active ? 1 : 0;
  PushMessage(message);
}

void HeadlessSystem::AdvanceClock(std::uint32_t ms) {
  Advance(ms);
}

std::uint64_t HeadlessSystem::ElapsedMs() const {
  return state_->elapsedMs.load();
}

std::uint64_t HeadlessSystem::Frame() const {
  return ElapsedMs() / kFrameMs;
}

bool HeadlessSystem::ScriptFinished() const {
  return state_->nextStep >= state_->steps.size();
}

const std::vector<HeadlessSystem::BoxRecord>& HeadlessSystem::Boxes() const {
  return state_->boxes;
}

bool HeadlessSystem::WriteScreenPng(const std::string& path) const {
  return WritePng(path, state_->screen.data(), kScreenWidth, kScreenHeight);
}

int HeadlessSystem::RaiseCount() const {
  return state_->raiseCount;
}

int HeadlessSystem::PresentCount() const {
  return state_->presentCount;
}

// --- internals -------------------------------------------------------------------

void HeadlessSystem::Advance(std::uint64_t ms) {
  const std::uint64_t elapsed = state_->elapsedMs.fetch_add(ms) + ms;
  // The mix keeps pace with the clock, a block at a time; while nothing plays
  // and nothing records, time passes without mixing (a test may jump days).
  const std::uint64_t due = elapsed * kMixRate / 1000;
  while (state_->mixedFrames < due) {
    if (!state_->capture.IsOpen() && state_->audio->Silent()) {
      state_->mixedFrames = due;
      break;
    }
    const auto frames =
        static_cast<std::size_t>(std::min<std::uint64_t>(due - state_->mixedFrames, kMixBlock));
    state_->mix.resize(frames * kMixChannels);
    state_->audio->Pull(state_->mix.data(), frames);
    state_->capture.Append(state_->mix.data(), frames);
    state_->mixedFrames += frames;
  }
  const std::uint64_t maxFrames = state_->options.maxFrames;
  if (maxFrames != 0 && elapsed / kFrameMs > maxFrames) {
    WriteLog(JsonLine(elapsed / kFrameMs, "exit").Number("code", kExitMaxFrames).Finish());
    if (state_->options.beforeForcedExit) state_->options.beforeForcedExit();
    // Other threads may still run: no destructors, no atexit handlers.
    _exit(kExitMaxFrames);
  }
}

void HeadlessSystem::WriteLog(const std::string& line) {
  if (state_->options.log == nullptr) return;
  const std::lock_guard guard(state_->logMutex);
  *state_->options.log << line;
  state_->options.log->flush();
}

void HeadlessSystem::RunDueCommands() {
  State& s = *state_;
  while (s.nextStep < s.steps.size() && ElapsedMs() >= s.nextDueMs) {
    const Step& step = s.steps[s.nextStep];
    const std::uint64_t now = ElapsedMs();
    if (step.waitsFor == Prompt::Screen) {
      const std::lock_guard guard(s.promptMutex);
      if (s.screens.empty() || s.screens.back().name != step.command.name) return;
      if (s.screenSinceMs == now) s.sampledAtMs = now;  // as for a prompt, below
    } else if (step.waitsFor != Prompt::None) {
      std::size_t lines = 0;
      {
        const std::lock_guard guard(s.promptMutex);
        if (s.prompt != step.waitsFor) return;
        lines = s.choiceLines;
        // The game logs its prompt while running a frame whose input it has
        // already taken: a press given in that same instant counts from the next
        // frame on, and must last into it.
        if (s.promptSinceMs == now) s.sampledAtMs = now;
        const CommandKind kind = step.command.kind;
        if (kind == CommandKind::Page || kind == CommandKind::Choose) s.prompt = Prompt::None;
      }
      if (step.command.kind == CommandKind::Choose &&
          static_cast<std::size_t>(step.command.a) > lines) {
        // Clicking past the lines would pick nothing or the wrong one, and every
        // later command would then act on a game state the script did not expect.
        const std::string message = "choose " + std::to_string(step.command.a) + ": only " +
                                    std::to_string(lines) + (lines == 1 ? " line" : " lines");
        WriteLog(JsonLine(Frame(), "script_error")
                     .Number("line", step.command.line)
                     .Text("message", message)
                     .Finish());
        s.nextStep = s.steps.size();
        return;
      }
    }
    ++s.nextStep;
    RunStep(step.command, step.phase);
    // Delays end on frame boundaries: a command then runs inside the wait that
    // reaches the boundary, before the engine samples that frame's input.
    const std::uint64_t from = now == s.sampledAtMs ? now + 1 : now;
    s.nextDueMs = step.delayAfter == 0 ? now : RoundUpToFrame(from + step.delayAfter);
  }
}

bool HeadlessSystem::NextStepWaitsForGame() const {
  const State& s = *state_;
  if (s.nextStep >= s.steps.size()) return false;
  const Step& step = s.steps[s.nextStep];
  if (step.waitsFor == Prompt::None) return false;
  const std::lock_guard guard(s.promptMutex);
  if (step.waitsFor == Prompt::Screen) {
    return s.screens.empty() || s.screens.back().name != step.command.name;
  }
  return s.prompt != step.waitsFor;
}

void HeadlessSystem::TrackPrompt(const std::string& kind, const std::vector<LogField>& fields) {
  if (kind == "screen") {
    OpenScreen screen;
    bool entered = false;
    for (const LogField& field : fields) {
      if (field.key == "name") screen.name = field.text;
      if (field.key == "state") entered = field.text == "enter";
      if (field.key == "x") screen.x = static_cast<int>(field.number);
      if (field.key == "y") screen.y = static_cast<int>(field.number);
    }
    const std::lock_guard guard(state_->promptMutex);
    std::vector<OpenScreen>& screens = state_->screens;
    if (entered) {
      screens.push_back(std::move(screen));
      state_->screenSinceMs = ElapsedMs();
    } else {
      // The innermost screen of that name closes (a quit may skip the others' exits).
      const auto open = std::find_if(screens.rbegin(), screens.rend(),
                                     [&](const OpenScreen& s) { return s.name == screen.name; });
      if (open != screens.rend()) screens.erase(std::next(open).base(), screens.end());
    }
    return;
  }
  const bool page = kind == "page";
  const bool choice = kind == "choice";
  // Any of these means the game has moved past whatever prompt it was at.
  if (!page && !choice && kind != "text" && kind != "picked" && kind != "layer" &&
      kind != "scenario") {
    return;
  }
  std::size_t lines = 0;
  if (choice) {
    for (const LogField& field : fields) {
      if (field.key == "texts" && field.kind == LogField::Kind::TextList) {
        lines = field.texts.size();
      }
    }
  }
  const std::lock_guard guard(state_->promptMutex);
  state_->prompt = page ? Prompt::Page : choice ? Prompt::Choice : Prompt::None;
  state_->choiceLines = lines;
  state_->promptSinceMs = ElapsedMs();
}

void HeadlessSystem::RunStep(const Command& command, int phase) {
  const bool release = phase == 1;
  int originX = 0;
  int originY = 0;
  if (command.kind == CommandKind::ClickRel) {
    const std::lock_guard guard(state_->promptMutex);
    if (!state_->screens.empty()) {
      originX = state_->screens.back().x;
      originY = state_->screens.back().y;
    }
  }
  const auto at = [&](MessageKind kind) {
    Message message;
    message.kind = kind;
    message.x = std::clamp(originX + static_cast<int>(command.a), 0, kScreenWidth - 1);
    message.y = std::clamp(originY + static_cast<int>(command.b), 0, kScreenHeight - 1);
    return message;
  };
  switch (command.kind) {
    case CommandKind::Frames:
      break;
    case CommandKind::Move:
      PushMessage(at(MessageKind::MouseMove));
      break;
    case CommandKind::ClickRel:
    case CommandKind::Click:
    case CommandKind::RightClick: {
      const bool left = command.kind != CommandKind::RightClick;
      if (release) {
        PushMessage(at(left ? MessageKind::LButtonUp : MessageKind::RButtonUp));
      } else {
        PushMessage(at(MessageKind::MouseMove));
        PushMessage(at(left ? MessageKind::LButtonDown : MessageKind::RButtonDown));
      }
      break;
    }
    case CommandKind::KeyPress:
      SetKey(static_cast<Key>(command.a), !release);
      break;
    case CommandKind::Hold:
      SetKey(static_cast<Key>(command.a), true);
      break;
    case CommandKind::Release:
      SetKey(static_cast<Key>(command.a), false);
      break;
    case CommandKind::Close:
      PushMessage(at(MessageKind::Close));
      break;
    case CommandKind::Answer:
      QueueBoxAnswer(static_cast<BoxAnswer>(command.a));
      break;
    case CommandKind::Shot: {
      const std::string path = state_->options.shotFolder + command.name + ".png";
      std::string error;
      const bool ok = WritePng(path, state_->screen.data(), kScreenWidth, kScreenHeight, &error);
      JsonLine line(Frame(), "shot");
      line.Text("path", path).Bool("ok", ok);
      if (!ok) line.Text("error", error);
      WriteLog(line.Finish());
      break;
    }
    case CommandKind::Deactivate:
      SetActive(false);
      break;
    case CommandKind::Activate:
      SetActive(true);
      break;
    case CommandKind::Page:
      SetKey(Key::Enter, !release);
      break;
    case CommandKind::Choose: {
      Message message;
      message.x = kChoiceX;
      message.y =
          kChoiceTop + kChoiceRowHeight * static_cast<int>(command.a - 1) + kChoiceRowMiddle;
      if (phase == 0) {
        message.kind = MessageKind::MouseMove;
        message.y = kChoiceAwayY;
        PushMessage(message);
      } else if (phase == 1) {
        message.kind = MessageKind::MouseMove;
        PushMessage(message);
        message.kind = MessageKind::LButtonDown;
        PushMessage(message);
      } else {
        message.kind = MessageKind::LButtonUp;
        PushMessage(message);
      }
      break;
    }
    case CommandKind::UntilPage:
    case CommandKind::UntilChoice:
    case CommandKind::UntilScreen:
      break;
  }
}

void HeadlessSystem::PollRaiseRequest() {
  const std::shared_ptr<InstanceLock> lock = state_->lock.lock();
  if (lock && !lock->AlreadyRunning() && lock->TakeRaiseRequest()) RaiseMainWindow();
}

bool HeadlessSystem::QueueEmpty() const {
  const std::lock_guard guard(state_->queueMutex);
  return state_->queue.empty();
}

// --- System ------------------------------------------------------------------------

std::uint32_t HeadlessSystem::TickCount() {
  return state_->options.clockStart + static_cast<std::uint32_t>(ElapsedMs());
}

void HeadlessSystem::Sleep(std::uint32_t ms) {
  Advance(ms);
}

std::unique_ptr<InstanceLock> HeadlessSystem::AcquireInstance(const std::string& name) {
  const std::string& folder = state_->options.instanceFolder;
  std::shared_ptr<InstanceLock> real =
      posix::AcquireInstanceLock(folder.empty() ? posix::RuntimeFolder() : folder, name);
  if (!real) return nullptr;
  state_->lock = real;
  return std::make_unique<SharedLock>(std::move(real));
}

bool HeadlessSystem::CreateMainWindow(const std::string& title) {
  state_->hasWindow = true;
  WriteLog(JsonLine(Frame(), "window").Text("title", Cp932ToUtf8Lossy(title)).Finish());
  return true;
}

void HeadlessSystem::DestroyMainWindow() {
  if (!state_->hasWindow) return;
  state_->hasWindow = false;
  WriteLog(JsonLine(Frame(), "window_destroyed").Finish());
}

bool HeadlessSystem::HasMainWindow() const {
  return state_->hasWindow;
}

void HeadlessSystem::RaiseMainWindow() {
  ++state_->raiseCount;
  WriteLog(JsonLine(Frame(), "raised").Finish());
}

bool HeadlessSystem::PeekMessage(Message& out) {
  RunDueCommands();
  PollRaiseRequest();
  const std::lock_guard guard(state_->queueMutex);
  if (state_->queue.empty()) return false;
  out = state_->queue.front();
  state_->queue.pop_front();
  return true;
}

void HeadlessSystem::WaitMessage(std::uint32_t timeoutMs) {
  RunDueCommands();
  PollRaiseRequest();
  if (state_->options.onIdle && QueueEmpty()) {
    state_->options.onIdle(*this);
    RunDueCommands();
  }
  if (!QueueEmpty()) return;
  const std::uint64_t now = ElapsedMs();
  std::uint64_t until = now + (timeoutMs == kWaitForever ? kFrameMs : timeoutMs);
  // A command waiting for a prompt cannot run before the game logs one, which
  // it does only after this wait: the wait lasts its whole timeout.
  const std::uint64_t due = state_->nextStep < state_->steps.size() && !NextStepWaitsForGame()
                                ? state_->nextDueMs
                                : kNever;
  if (due < until) until = due > now ? due : now;
  Advance(until - now);
  RunDueCommands();
}

void HeadlessSystem::PostQuitMessage() {
  Message message;
  message.kind = MessageKind::Quit;
  PushMessage(message);
}

void HeadlessSystem::PostMusicNotify(int status) {
  Message message;
  message.kind = MessageKind::MusicNotify;
  message.status = status;
  PushMessage(message);
}

Audio& HeadlessSystem::GetAudio() {
  return *state_->audio;
}

bool HeadlessSystem::KeyDown(Key key) {
  return state_->keys[static_cast<std::size_t>(key)];
}

BoxAnswer HeadlessSystem::ShowMessageBox(const MessageBoxRequest& request) {
  const std::vector<BoxAnswer> choices = ButtonAnswers(request.buttons);
  const std::size_t defaultIndex =
      request.defaultButton >= 0 && static_cast<std::size_t>(request.defaultButton) < choices.size()
          ? static_cast<std::size_t>(request.defaultButton)
          : 0;
  BoxAnswer answer = choices[defaultIndex];
  bool scripted = false;
  bool invalid = false;
  if (!state_->answers.empty()) {
    const BoxAnswer queued = state_->answers.front();
    state_->answers.pop_front();
    bool fits = false;
    for (const BoxAnswer choice : choices) fits = fits || choice == queued;
    if (fits) {
      answer = queued;
      scripted = true;
    } else {
      invalid = true;
    }
  }
  state_->boxes.push_back({request, answer});

  JsonLine line(Frame(), "msgbox");
  line.Text("text", Cp932ToUtf8Lossy(request.text))
      .Text("caption", Cp932ToUtf8Lossy(request.caption))
      .Text("buttons", ButtonsName(request.buttons))
      .Text("icon", IconName(request.icon))
      .Text("answer", AnswerName(answer))
      .Bool("scripted", scripted);
  if (invalid) line.Bool("answer_invalid", true);
  WriteLog(line.Finish());
  return answer;
}

std::uint32_t* HeadlessSystem::ScreenPixels() {
  return state_->screen.data();
}

void HeadlessSystem::Present() {
  ++state_->presentCount;
}

std::string HeadlessSystem::CurrentFolder() {
  return state_->options.installFolder;
}

std::string HeadlessSystem::PrivateTempFolder() {
  return state_->options.tempFolder;
}

std::string HeadlessSystem::PrivateDataFolder() {
  return state_->options.saveFolder;
}

std::vector<std::string> HeadlessSystem::DiscMountPoints() {
  return state_->options.discMounts;
}

bool HeadlessSystem::IsWritableFolder(const std::string& folder) {
  const std::string& install = state_->options.installFolder;
  if (posix::WithSlash(folder) == install) return false;
  std::error_code ec;
  if (std::filesystem::equivalent(folder, install, ec) && !ec) return false;
  return posix::IsWritableFolder(folder);
}

bool HeadlessSystem::IsLogging() const {
  return state_->options.log != nullptr || !state_->steps.empty() ||
         static_cast<bool>(state_->options.onEvent);
}

void HeadlessSystem::LogEvent(const std::string& kind, const std::vector<LogField>& fields) {
  JsonLine line(Frame(), kind);
  for (const LogField& field : fields) {
    switch (field.kind) {
      case LogField::Kind::Text:
        line.Text(field.key, field.text);
        break;
      case LogField::Kind::Number:
        line.Number(field.key, field.number);
        break;
      case LogField::Kind::TextList:
        line.TextList(field.key, field.texts);
        break;
      case LogField::Kind::NumberList:
        line.NumberList(field.key, field.numbers);
        break;
    }
  }
  WriteLog(line.Finish());
  TrackPrompt(kind, fields);
  if (state_->options.onEvent) state_->options.onEvent(kind, fields);
}

}  // namespace platform::headless
