// Route 3's own bytes, beside the ones the day cycle fixes in story/flags.h.
#pragma once

#include <cstddef>

namespace story::yuzuka {

inline constexpr std::size_t kDeliveryPieces = 351;  // bits: posture, jars, invitation, late order
inline constexpr std::size_t kShopVisits = 352;      // visits to the shop, 9-15 August
inline constexpr std::size_t kHospitalVisits = 353;  // visits to the hospital, 16-21 August
inline constexpr std::size_t kMarketDeclined = 357;  // he said no to the night market
inline constexpr std::size_t kSidedWithHer = 362;    // at the bedside he took her side

}  // namespace story::yuzuka
