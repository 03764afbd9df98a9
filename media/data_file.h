// A file of the engine's own: a save, a picture, a sound, an archive. Callers
// keep the Windows vocabulary they were written in (access modes, seek origins,
// 1/0 results, 32-bit sizes); paths are already in the file system's form.
#pragma once

#include <cstdint>
#include <optional>

namespace media {

inline constexpr std::uint32_t ReadMode = 0x80000000u;
inline constexpr std::uint32_t WriteMode = 0x40000000u;

inline constexpr std::uint32_t FILE_BEGIN = 0;
inline constexpr std::uint32_t FILE_CURRENT = 1;
inline constexpr std::uint32_t FILE_END = 2;

// What Seek returns when the position cannot be set.
inline constexpr std::uint32_t SeekFailed = 0xFFFFFFFFu;

// A file opened for writing needs at least this much room on its file system.
inline constexpr std::uint64_t kMinFreeBytes = 250;

// Free bytes for an unprivileged user on the file system holding fd; nullopt
// when that cannot be told.
using FreeSpaceProbe = std::optional<std::uint64_t> (*)(int fd);

// Replaces the probe (tests stand in for a nearly full disk); null restores the
// real one. Returns the probe that was in place.
FreeSpaceProbe SetFreeSpaceProbe(FreeSpaceProbe probe);

// The rule every write of the engine keeps: kMinFreeBytes to spare on the file
// system holding fd, as the probe in place tells.
bool HasRoomToWrite(int fd);

class DataFile {
 public:
  // Callers pass these back to Open; any value but writeMode reads.
  const std::uint32_t readMode = ReadMode;
  const std::uint32_t writeMode = WriteMode;

  DataFile() = default;
  DataFile(const DataFile&) = delete;
  DataFile& operator=(const DataFile&) = delete;
  ~DataFile() { Close(); }

  // 1 when open. Reading takes regular files only; writing opens or creates
  // (mode 0600, never through a symbolic link) without truncating, and only
  // with kMinFreeBytes to spare.
  int Open(const char* path, std::uint32_t mode);
  void Close();
  bool IsOpen() const { return fd_ >= 0; }

  // Bytes transferred: short only at the end of the file or on an error.
  std::uint32_t Read(void* buffer, std::uint32_t size);
  std::uint32_t Write(const void* buffer, std::uint32_t size);
  // The new position from the start, or SeekFailed.
  std::uint32_t Seek(std::int64_t offset, std::uint32_t origin);
  // Cuts the file at the current position, as SetEndOfFile. 1 when done.
  int SetEndOfFile();
  // The low 32 bits of the file's size; 0 when closed.
  std::uint32_t Size() const;
  // The whole size, for callers that guard against rows past the end.
  std::uint64_t FullSize() const;

 private:
  int fd_ = -1;
  bool writing_ = false;
};

}  // namespace media
