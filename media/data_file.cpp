#include "media/data_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <limits>

namespace media {

namespace {

std::optional<std::uint64_t> RealFreeSpace(int fd) {
  struct statvfs info {};
  if (fstatvfs(fd, &info) != 0) return std::nullopt;
  std::uint64_t bytes = 0;
  if (__builtin_mul_overflow(static_cast<std::uint64_t>(info.f_bavail),
                             static_cast<std::uint64_t>(info.f_frsize), &bytes)) {
    return std::numeric_limits<std::uint64_t>::max();
  }
  return bytes;
}

FreeSpaceProbe CurrentProbe = &RealFreeSpace;

// A FIFO or a device dropped in place of a data file must not block the open
// (O_NONBLOCK) nor become the controlling terminal (O_NOCTTY).
constexpr int kOpenFlags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;

bool IsRegular(int fd) {
  struct stat info {};
  return fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

FreeSpaceProbe SetFreeSpaceProbe(FreeSpaceProbe probe) {
  const FreeSpaceProbe previous = CurrentProbe;
  CurrentProbe = probe != nullptr ? probe : &RealFreeSpace;
  return previous;
}

bool HasRoomToWrite(int fd) {
  const std::optional<std::uint64_t> room = CurrentProbe(fd);
  return room.has_value() && *room >= kMinFreeBytes;
}

int DataFile::Open(const char* path, std::uint32_t mode) {
  Close();
  if (path == nullptr || *path == '\0') return 0;
  const bool write = mode == writeMode;
  const int fd = write ? ::open(path, O_WRONLY | O_CREAT | O_NOFOLLOW | kOpenFlags, 0600)
                       : ::open(path, O_RDONLY | kOpenFlags);
  if (fd < 0) return 0;
  bool usable = IsRegular(fd) && ::fcntl(fd, F_SETFL, 0) == 0;
  if (usable && write) usable = HasRoomToWrite(fd);
  if (!usable) {
    ::close(fd);
    return 0;
  }
  fd_ = fd;
  writing_ = write;
  return 1;
}

void DataFile::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  writing_ = false;
}

std::uint32_t DataFile::Read(void* buffer, std::uint32_t size) {
  if (fd_ < 0 || writing_ || buffer == nullptr) return 0;
  auto* out = static_cast<unsigned char*>(buffer);
  std::uint32_t done = 0;
  while (done < size) {
    const ssize_t got = ::read(fd_, out + done, size - done);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += static_cast<std::uint32_t>(got);
  }
  return done;
}

std::uint32_t DataFile::Write(const void* buffer, std::uint32_t size) {
  if (fd_ < 0 || !writing_ || buffer == nullptr) return 0;
  const auto* in = static_cast<const unsigned char*>(buffer);
  std::uint32_t done = 0;
  while (done < size) {
    const ssize_t put = ::write(fd_, in + done, size - done);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) break;
    done += static_cast<std::uint32_t>(put);
  }
  return done;
}

std::uint32_t DataFile::Seek(std::int64_t offset, std::uint32_t origin) {
  if (fd_ < 0) return SeekFailed;
  int whence = SEEK_SET;
  if (origin == FILE_CURRENT) {
    whence = SEEK_CUR;
  } else if (origin == FILE_END) {
    whence = SEEK_END;
  } else if (origin != FILE_BEGIN) {
    return SeekFailed;
  }
  const off_t at = ::lseek(fd_, static_cast<off_t>(offset), whence);
  if (at < 0) return SeekFailed;
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(at) & 0xFFFFFFFFu);
}

int DataFile::SetEndOfFile() {
  if (fd_ < 0 || !writing_) return 0;
  const off_t at = ::lseek(fd_, 0, SEEK_CUR);
  return at >= 0 && ::ftruncate(fd_, at) == 0 ? 1 : 0;
}

std::uint64_t DataFile::FullSize() const {
  struct stat info {};
  if (fd_ < 0 || fstat(fd_, &info) != 0 || info.st_size < 0) return 0;
  return static_cast<std::uint64_t>(info.st_size);
}

std::uint32_t DataFile::Size() const {
  return static_cast<std::uint32_t>(FullSize() & 0xFFFFFFFFu);
}

}  // namespace media
