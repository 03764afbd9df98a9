// Route 6's own bytes, beside the ones the day cycle fixes in story/flags.h.
#pragma once

#include <cstddef>

namespace story::hinako {

inline constexpr std::size_t kVisits = 650;         // real scenes at the store (count)
inline constexpr std::size_t kNights = 653;         // night shifts kept her company (count)
inline constexpr std::size_t kPlush = 655;          // 1: he kept the director plush on his desk
inline constexpr std::size_t kPortfolio = 656;      // 1 he met it, 2 he flinched, 3 she kept it
inline constexpr std::size_t kSeaDeclined = 658;    // he said no to the sea on 8 August
inline constexpr std::size_t kSeaDays = 659;        // days at the sea (0-2)
inline constexpr std::size_t kLayoutPaper = 660;    // the spare layout paper brought at dawn
inline constexpr std::size_t kShownHerNight = 661;  // the store at night shown once (HISS01)
inline constexpr std::size_t kDaySeen = 662;   // bits: periods 0-3, forms, two nights, sea talk
inline constexpr std::size_t kMoreSeen = 663;  // bits: the walk night, second scenes 1-3

}  // namespace story::hinako
