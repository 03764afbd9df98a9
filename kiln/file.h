// A file handle that owns its descriptor, and a named file whose failed opens
// can be reported to the player with Abort / Retry / Ignore.
//
// Handles are POSIX descriptors. The original told "never opened" (handle 0)
// from "open failed" (INVALID_HANDLE_VALUE); both mean "no file" and are -1
// here, since 0 is a real descriptor (standard input).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace Kiln {

inline constexpr int kNoHandle = -1;

// Access bits, as GENERIC_READ / GENERIC_WRITE: read only, write only or both.
// Neither opens for reading.
inline constexpr std::uint32_t kFileRead = 0x1u;
inline constexpr std::uint32_t kFileWrite = 0x2u;
// Sharing and attribute words are accepted for the original's signature and
// ignored: POSIX has no share modes, and new files get 0666 less the umask.
inline constexpr std::uint32_t kShareRead = 0x1u;
inline constexpr std::uint32_t kShareWrite = 0x2u;
inline constexpr std::uint32_t kAttributeNormal = 0x80u;

enum class FileDisposition : std::uint8_t {
  OpenExisting,  // fails when missing
  OpenAlways,    // creates when missing, keeps the content
  CreateAlways,  // creates when missing, empties it otherwise
};

class CFileObj {
 public:
  CFileObj() = default;
  virtual ~CFileObj();
  CFileObj(const CFileObj&) = delete;
  CFileObj& operator=(const CFileObj&) = delete;

  // Takes a descriptor; with owns 0 Close only forgets it.
  void Attach(int handle, int owns);
  // Closes an owned descriptor and forgets it. 1 when one was held.
  int Close();
  int Handle() const { return handle_; }
  bool IsOpen() const { return handle_ != kNoHandle; }
  int Owns() const { return owns_; }

 protected:
  int owns_ = 0;
  int handle_ = kNoHandle;
};

class CFile : public CFileObj {
 public:
  static constexpr std::size_t kNameSize = 512;

  CFile();
  ~CFile() override = default;

  // Closes any file and clears the name; reporting is back on.
  void Init();
  // Opens the Shift-JIS name (closing any file held); while ReportOpenError
  // answers 1 the open is tried again. Returns the handle: kNoHandle on failure,
  // with errno set. A name that does not fit the name buffer fails with
  // ENAMETOOLONG, one with no UTF-8 form with EILSEQ.
  int Open(const char* name, std::uint32_t access, std::uint32_t share, FileDisposition disposition,
           std::uint32_t attributes);

  // Shows the failed open's error and the name: Abort ends the process (or, under
  // a debugger, stops in it and answers 1), Retry answers 1, Ignore turns
  // reporting off and answers 0. 0 as well when reporting is off or there was no
  // error. errno is the open's error afterwards.
  virtual int ReportOpenError();

  const char* Name() const { return name_; }
  int Report() const { return report_; }
  void SetReport(int report) { report_ = report; }
  // errno of the last failed open; 0 after a successful one.
  int LastError() const { return lastError_; }

 protected:
  // Seams for tests; the defaults act on the real process.
  virtual bool DebuggerAttached();
  virtual void BreakIntoDebugger();
  virtual void ExitProcess(int code);

  char name_[kNameSize] = {};
  int report_ = 1;
  int lastError_ = 0;

 private:
  static int OpenOnce(std::string_view name, std::uint32_t access, FileDisposition disposition);
};

// The TracerPid of a /proc/<pid>/status text; 0 when absent or unreadable.
long TracerPidFromStatus(std::string_view status);
// True when a debugger traces this process.
bool DebuggerAttachedToProcess();

}  // namespace Kiln
