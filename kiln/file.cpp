#include "kiln/file.h"

#include <fcntl.h>
#include <locale.h>  // newlocale
#include <string.h>  // strerror_l
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "platform/encoding.h"
#include "platform/system.h"

namespace Kiln {

namespace {

// The error in the C locale's English: ASCII, so already valid Shift-JIS.
std::string ErrorText(int err) {
  // Leaked on purpose, like every process-wide object here that may be used late.
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
  std::string text;
  if (cLocale != locale_t{}) {
    const char* message = strerror_l(err, cLocale);
    if (message != nullptr) text = message;
  }
  bool ascii = !text.empty();
  for (const char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  return ascii ? text : "Error " + std::to_string(err);
}

int OpenFlags(std::uint32_t access, FileDisposition disposition, bool& valid) {
  valid = true;
  int flags = O_CLOEXEC;
  const bool read = (access & kFileRead) != 0;
  const bool write = (access & kFileWrite) != 0;
  flags |= read && write ? O_RDWR : write ? O_WRONLY : O_RDONLY;
  switch (disposition) {
    case FileDisposition::OpenExisting:
      break;
    case FileDisposition::OpenAlways:
      flags |= O_CREAT;
      break;
    case FileDisposition::CreateAlways:
      flags |= O_CREAT | O_TRUNC;
      break;
    default:
      valid = false;
      break;
  }
  return flags;
}

}  // namespace

// --- CFileObj ----------------------------------------------------------------

CFileObj::~CFileObj() {
  Close();
}

void CFileObj::Attach(int handle, int owns) {
  Close();
  handle_ = handle < 0 ? kNoHandle : handle;
  owns_ = handle_ == kNoHandle ? 0 : owns;
}

int CFileObj::Close() {
  if (handle_ == kNoHandle) return 0;
  if (owns_ != 0) ::close(handle_);
  handle_ = kNoHandle;
  owns_ = 0;
  return 1;
}

// --- CFile -------------------------------------------------------------------

CFile::CFile() {
  Init();
}

void CFile::Init() {
  Close();
  std::memset(name_, 0, sizeof name_);
  report_ = 1;
  lastError_ = 0;
}

int CFile::Open(const char* name, std::uint32_t access, std::uint32_t share,
                FileDisposition disposition, std::uint32_t attributes) {
  (void)share;
  (void)attributes;
  Close();
  report_ = 1;  // an earlier Ignore silences only the open it answered
  const std::string_view full = name != nullptr ? std::string_view(name) : std::string_view();
  // The original copied into its buffer unchecked; a long name is cut for
  // display only and the open itself fails.
  std::memset(name_, 0, sizeof name_);
  full.copy(name_, std::min(full.size(), kNameSize - 1));
  for (;;) {
    const int handle = OpenOnce(full, access, disposition);
    if (handle >= 0) {
      handle_ = handle;
      owns_ = 1;
      lastError_ = 0;
      return handle_;
    }
    lastError_ = errno;
    if (ReportOpenError() == 0) break;
  }
  errno = lastError_;
  return kNoHandle;
}

int CFile::OpenOnce(std::string_view name, std::uint32_t access, FileDisposition disposition) {
  if (name.size() >= kNameSize) {
    errno = ENAMETOOLONG;
    return kNoHandle;
  }
  const std::optional<std::string> utf8 = platform::Cp932ToUtf8(name);
  if (!utf8) {
    errno = EILSEQ;
    return kNoHandle;
  }
  bool valid = false;
  const int flags = OpenFlags(access, disposition, valid);
  if (!valid) {
    errno = EINVAL;
    return kNoHandle;
  }
  int handle = kNoHandle;
  do {
    handle = ::open(utf8->c_str(), flags, 0666);
  } while (handle < 0 && errno == EINTR);
  return handle < 0 ? kNoHandle : handle;
}

int CFile::ReportOpenError() {
  if (report_ == 0) return 0;
  const int err = lastError_;
  if (err == 0) return 0;

  platform::System& sys = platform::Sys();
  platform::MessageBoxRequest request;
  request.text = ErrorText(err) + "\n\"" + name_ + "\"";
  request.caption = sys.HasMainWindow() ? platform::Sjis(platform::kProductName) : std::string();
  request.buttons = platform::BoxButtons::AbortRetryIgnore;
  request.defaultButton = 1;  // Retry
  request.icon = platform::BoxIcon::Warning;

  int again = 0;
  switch (sys.ShowMessageBox(request)) {
    case platform::BoxAnswer::Abort:
      if (DebuggerAttached()) {
        BreakIntoDebugger();
        again = 1;
      } else {
        ExitProcess(1);
      }
      break;
    case platform::BoxAnswer::Retry:
      again = 1;
      break;
    case platform::BoxAnswer::Ignore:
      report_ = 0;
      break;
    default:
      break;
  }
  errno = err;
  return again;
}

bool CFile::DebuggerAttached() {
  return DebuggerAttachedToProcess();
}

void CFile::BreakIntoDebugger() {
  std::raise(SIGTRAP);
}

void CFile::ExitProcess(int code) {
  ::_exit(code);
}

long TracerPidFromStatus(std::string_view status) {
  constexpr std::string_view kKey = "TracerPid:";
  std::size_t at = 0;
  while (at < status.size()) {
    const std::size_t end = std::min(status.find('\n', at), status.size());
    const std::string_view line = status.substr(at, end - at);
    if (line.substr(0, kKey.size()) == kKey) {
      long pid = 0;
      std::istringstream in{std::string(line.substr(kKey.size()))};
      return (in >> pid) && pid > 0 ? pid : 0;
    }
    at = end + 1;
  }
  return 0;
}

bool DebuggerAttachedToProcess() {
  std::ifstream file("/proc/self/status");
  if (!file) return false;
  std::ostringstream text;
  text << file.rdbuf();
  return TracerPidFromStatus(text.str()) != 0;
}

}  // namespace Kiln
