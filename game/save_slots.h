// Save slots: CELLWRIG.000 to CELLWRIG.010 in the save folder, each the whole
// 1108-byte game record. Slot 0 is the system record: every save rewrites it,
// and new and loaded games take their movie and gallery progress from it.
#pragma once

#include <sys/types.h>

#include <string>

#include "core/game_state.h"
#include "scenario/script_result.h"

namespace game {

inline constexpr int kSlotCount = 11;  // 0 and the player's 1 to 10

std::string SaveSlotPath(int slot);

// 1 when all 1108 bytes are in the slot's file. The write goes to a new file
// that replaces the slot only once it is complete and on disk, so a crash, a
// full disk or a failed write leaves the slot exactly as it was (and 0).
int WriteSlot(int slot, const core::GameStateRecord& record);
// 1 when 1108 bytes were read; only then is *record replaced. A longer file
// gives its first 1108 bytes; a shorter one is no save.
int ReadSlot(int slot, core::GameStateRecord& record);

// WriteSlot(0, GameState). Always 0.
scenario::ScriptResult SaveSystemRecord();
// At start-up: when slot 0 cannot be read, a zeroed record is written there.
void EnsureSystemRecord();

// The file calls of a slot write; tests replace them to fail each step in turn.
struct SlotFileCalls {
  int (*open)(const char* path, int flags, mode_t mode);
  ssize_t (*write)(int fd, const void* bytes, size_t count);
  int (*fsync)(int fd);
  int (*close)(int fd);
  int (*rename)(const char* from, const char* to);
};
// Returns the calls that were in place; {} restores the system's.
SlotFileCalls SetSlotFileCalls(const SlotFileCalls& calls);

}  // namespace game
