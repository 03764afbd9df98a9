#include "game/save_slots.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/shell_state.h"
#include "media/data_file.h"

namespace game {

namespace {

int SystemOpen(const char* path, int flags, mode_t mode) {
  return ::open(path, flags, mode);
}

constexpr SlotFileCalls kSystemCalls{SystemOpen, ::write, ::fsync, ::close, ::rename};
SlotFileCalls Calls = kSystemCalls;

bool WriteAll(int fd, const std::uint8_t* bytes, std::size_t count) {
  while (count > 0) {
    const ssize_t put = Calls.write(fd, bytes, count);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    bytes += put;
    count -= static_cast<std::size_t>(put);
  }
  return true;
}

// The folder's own entry must reach the disk too, or the rename may not survive.
void SyncFolder(const std::string& folder) {
  const int fd =
      Calls.open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
  if (fd < 0) return;
  Calls.fsync(fd);
  Calls.close(fd);
}

}  // namespace

SlotFileCalls SetSlotFileCalls(const SlotFileCalls& calls) {
  const SlotFileCalls previous = Calls;
  Calls = calls.open != nullptr ? calls : kSystemCalls;
  return previous;
}

std::string SaveSlotPath(int slot) {
  char name[16];
  std::snprintf(name, sizeof name, "CELLWRIG.%03d", slot);
  return core::SaveFolder + name;
}

int WriteSlot(int slot, const core::GameStateRecord& record) {
  if (slot < 0 || slot >= kSlotCount) return 0;
  const std::string path = SaveSlotPath(slot);
  const std::string fresh = path + ".new";
  ::unlink(fresh.c_str());  // left by a write that was cut short
  const int fd =
      Calls.open(fresh.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return 0;
  const std::array<std::uint8_t, core::kGameStateSize> bytes = core::ToDiskBytes(record);
  bool written =
      media::HasRoomToWrite(fd) && WriteAll(fd, bytes.data(), bytes.size()) && Calls.fsync(fd) == 0;
  written = Calls.close(fd) == 0 && written;
  if (!written || Calls.rename(fresh.c_str(), path.c_str()) != 0) {
    ::unlink(fresh.c_str());
    return 0;
  }
  SyncFolder(core::SaveFolder);
  return 1;
}

int ReadSlot(int slot, core::GameStateRecord& record) {
  if (slot < 0 || slot >= kSlotCount) return 0;
  media::DataFile file;
  if (file.Open(SaveSlotPath(slot).c_str(), file.readMode) == 0) return 0;
  std::array<std::uint8_t, core::kGameStateSize> bytes{};
  if (file.Read(bytes.data(), core::kGameStateSize) != core::kGameStateSize) return 0;
  record = core::FromDiskBytes(bytes);
  return 1;
}

scenario::ScriptResult SaveSystemRecord() {
  WriteSlot(0, core::GameState);
  return scenario::kGoOn;
}

void EnsureSystemRecord() {
  core::GameStateRecord record{};
  if (ReadSlot(0, record) == 0) WriteSlot(0, core::GameStateRecord{});
}

}  // namespace game
