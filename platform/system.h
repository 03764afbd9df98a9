// The one narrow interface between the engine and the operating system.
//
// The engine was designed around a Windows window procedure, a polled key state
// and a millisecond tick counter; this interface keeps that vocabulary so the
// engine code reads like its design, while the backends (SDL for players,
// headless for tests and autoplay) decide how each call is really served.
// Nothing outside platform/ includes an OS library header.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/audio.h"

namespace platform {

// The messages of the window procedure. Payloads follow the Windows meaning of
// wParam / lParam so the procedure can be written straight from its table.
enum class MessageKind : std::uint8_t {
  Close,      // the user asked to close the window
  Destroy,    // sent by DestroyMainWindow, never queued
  Activate,   // active: 1 when the window became active, 0 when it lost focus
  MouseMove,  // x, y in 640x480 client pixels
  LButtonDown,
  LButtonUp,
  RButtonDown,
  RButtonUp,
  MusicNotify,  // status: 1 when the music reached its end normally
  Quit,         // posted by PostQuitMessage; the frame pump stops on it
};

struct Message {
  MessageKind kind = MessageKind::Quit;
  int active = 0;
  int x = 0;
  int y = 0;
  int status = 0;
};

enum class Key : std::uint8_t { Up, Down, Left, Right, Enter, Escape, Control };

enum class BoxButtons : std::uint8_t { Ok, YesNo, AbortRetryIgnore };
enum class BoxIcon : std::uint8_t { None, Information, Warning, Error, Question };
// Values match the Windows IDOK... codes so callers can compare with them.
enum class BoxAnswer : int { Ok = 1, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

struct MessageBoxRequest {
  std::string text;     // Shift-JIS (CP932)
  std::string caption;  // Shift-JIS (CP932)
  BoxButtons buttons = BoxButtons::Ok;
  int defaultButton = 0;  // 0-based index into the buttons
  BoxIcon icon = BoxIcon::None;
};

// One field of a logged event: text (UTF-8), a number, or a list of either.
struct LogField {
  enum class Kind : std::uint8_t { Text, Number, TextList, NumberList };

  std::string key;
  Kind kind = Kind::Text;
  std::string text;
  std::int64_t number = 0;
  std::vector<std::string> texts;
  std::vector<std::int64_t> numbers;

  static LogField Text(std::string k, std::string v) {
    LogField field;
    field.key = std::move(k);
    field.text = std::move(v);
    return field;
  }
  static LogField Number(std::string k, std::int64_t v) {
    LogField field;
    field.key = std::move(k);
    field.kind = Kind::Number;
    field.number = v;
    return field;
  }
  static LogField TextList(std::string k, std::vector<std::string> v) {
    LogField field;
    field.key = std::move(k);
    field.kind = Kind::TextList;
    field.texts = std::move(v);
    return field;
  }
  static LogField NumberList(std::string k, std::vector<std::int64_t> v) {
    LogField field;
    field.key = std::move(k);
    field.kind = Kind::NumberList;
    field.numbers = std::move(v);
    return field;
  }
};

// The product's name: the window's title and the caption of every message box.
inline constexpr const char* kProductName = "Cellwright";

inline constexpr int kScreenWidth = 640;
inline constexpr int kScreenHeight = 480;

// Held for the life of the process; releasing it lets another copy start.
class InstanceLock {
 public:
  virtual ~InstanceLock() = default;
  virtual bool AlreadyRunning() const = 0;
  // Asks the running copy to bring its window forward (second copy only).
  virtual void BringRunningCopyForward() = 0;
  // First copy: true once for every request to come forward since the last call.
  virtual bool TakeRaiseRequest() = 0;
};

class System {
 public:
  virtual ~System() = default;

  // --- time -----------------------------------------------------------------
  // Milliseconds since an arbitrary start; wraps at 2^32 like GetTickCount.
  virtual std::uint32_t TickCount() = 0;
  virtual void Sleep(std::uint32_t ms) = 0;

  // --- single instance --------------------------------------------------------
  virtual std::unique_ptr<InstanceLock> AcquireInstance(const std::string& name) = 0;

  // --- the window -------------------------------------------------------------
  // Creates the one 640x480 window; false (with a reason on stderr) when there
  // is no display to open it on.
  virtual bool CreateMainWindow(const std::string& title) = 0;
  virtual void DestroyMainWindow() = 0;
  virtual bool HasMainWindow() const = 0;
  virtual void RaiseMainWindow() = 0;

  // Takes the next message off the queue; false when the queue is empty.
  virtual bool PeekMessage(Message& out) = 0;
  // Blocks until a message may be waiting or timeoutMs passed. Returns early
  // is always allowed; the caller re-checks the queue and the clock.
  virtual void WaitMessage(std::uint32_t timeoutMs) = 0;
  virtual void PostQuitMessage() = 0;
  // Queued from any thread (the music player's end of playback).
  virtual void PostMusicNotify(int status) = 0;

  // --- sound --------------------------------------------------------------------
  // The players and their mix; sound plays at real-time pace (virtual time
  // under test) whether or not a sound device could be opened.
  virtual Audio& GetAudio() = 0;

  // Polled key state, as GetAsyncKeyState: true while the key is down now.
  virtual bool KeyDown(Key key) = 0;

  // Modal; Shift-JIS in. With no window the box has no owner.
  virtual BoxAnswer ShowMessageBox(const MessageBoxRequest& request) = 0;

  // The 640x480 0x00RRGGBB picture the player sees; Present shows its content.
  virtual std::uint32_t* ScreenPixels() = 0;
  virtual void Present() = 0;

  // --- folders (each ends in '/') ---------------------------------------------
  // The folder the program was started in: the install folder.
  virtual std::string CurrentFolder() = 0;
  // A folder private to this user for short-lived files (mode 0700).
  virtual std::string PrivateTempFolder() = 0;
  // Where saves go when the install folder cannot take them.
  virtual std::string PrivateDataFolder() = 0;
  // Mount points of inserted optical discs, in mount order.
  virtual std::vector<std::string> DiscMountPoints() = 0;
  virtual bool IsWritableFolder(const std::string& folder) = 0;

  // --- observation ------------------------------------------------------------
  // True when something reads the events: callers skip building the fields
  // (text converted to UTF-8) when nobody does, as in the player's game.
  virtual bool IsLogging() const { return false; }
  // What happened, for drivers that record a run (the headless backend writes
  // JSON Lines); a player's backend ignores it.
  virtual void LogEvent(const std::string& kind, const std::vector<LogField>& fields) {
    (void)kind;
    (void)fields;
  }
};

// The backend chosen at start-up; every engine call goes through it.
System& Sys();
void SetSystem(System* system);

// A box owned by the window with the product's caption, as the game shows them.
// Both texts are Shift-JIS.
BoxAnswer ShowGameBox(std::string text, BoxButtons buttons = BoxButtons::Ok, int defaultButton = 0);

}  // namespace platform
