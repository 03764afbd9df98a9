// Route 1's own flag bytes (the day cycle's are in story/flags.h) and the
// small helpers its scenes share.
#pragma once

#include <cstddef>

#include "story/flags.h"
#include "story/script.h"

namespace story::koyori {

// Real scenes of the main scenario played (0-255); the roof at Obon opens
// up only for someone who has worked beside her in the office.
inline constexpr std::size_t kOfficeScenes = 150;
// 27 July's night played: 1 pushed the van to the top, 2 waited for the tow.
inline constexpr std::size_t kVanNight = 151;
// What he said to her envy at Obon: 1 running is making too, 2 he kept quiet.
inline constexpr std::size_t kEnvyAnswer = 154;
// 28 August, the morning hand-over played.
inline constexpr std::size_t kMorning0828 = 155;
// 28 August, the night in the van outside the camera studio played.
inline constexpr std::size_t kNight0828 = 156;
// 23 August: 1 he searched the line with her to the end, 2 he let her go alone.
inline constexpr std::size_t kSearchedTheLine = 162;
// Bytes 164-166: a bit per main-scenario scene played.
inline constexpr std::size_t kOfficeSeen = 164;
// 28 July: he promised to introduce her to the sisters. The curry night
// itself (byte 163) is made due by the sisters' scenes, after the recording,
// since its trigger fires on the first night it is set.
inline constexpr std::size_t kPromisedSisters = 167;

// She calls him by his name once she has told him, on the roof at Obon,
// what she never told anyone.
inline bool ByName() {
  return Flag(flag::kKoyoriRoofAtObon) == 1;
}

}  // namespace story::koyori
