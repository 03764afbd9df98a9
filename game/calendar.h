// The game's clock as the player sees it: the date line 「　８月１２日（木）午後」
// and the date picture.
#pragma once

#include <cstdint>
#include <string>

#include "scenario/script_result.h"

namespace game {

// 732 is 1 August and 832 is 1 September; the corrected date is stored back.
void NormaliseDate();

// The line for a date code (month * 100 + day) and time slot, Shift-JIS.
std::string ComposeDateLine(std::uint32_t date, std::uint32_t timeSlot);

// The last line composed by ShowDate, for the map to draw.
extern std::string DateLine;

// Normalises the date, then: 0 shows "hidate" + MMDD at (16, 16) and redraws;
// 1 writes the line into the message window and returns WaitPage's result;
// anything else only composes the line. 0 unless mode 1 says otherwise.
scenario::ScriptResult ShowDate(int mode);

}  // namespace game
