// The story's flags: bytes of the game record at fixed offsets (the record is
// the save file, so an offset never moves once a game has used it). The names
// of the route blocks' flags are in docs/story-bible.md, section 11.
#pragma once

#include <cstddef>

namespace story::flag {

// Common scenes (bytes 18 to 99 and the spare bytes of route 1's block).
inline constexpr std::size_t kAffectionWins = 18;      // last-day comparisons won
inline constexpr std::size_t kTiredMorning = 557;      // Nanoka kept him out: a tired morning
inline constexpr std::size_t kSistersBreakfast = 460;  // the sisters bring breakfast

// Route 1 (Koyori) bytes that the day cycle reads.
inline constexpr std::size_t kKoyoriFirstRunSeen = 152;
inline constexpr std::size_t kKoyoriVanAtDawn = 153;
inline constexpr std::size_t kKoyoriRoofAtObon = 158;
inline constexpr std::size_t kKoyori0823Seen = 159;
inline constexpr std::size_t kKoyoriWithSisters = 163;  // the curry night with the pair

// Route 2 (Hotaru).
inline constexpr std::size_t kHotaruFireflies = 251;
inline constexpr std::size_t kHotaruPaintRoomLeft = 253;
inline constexpr std::size_t kHotaru0808 = 257;
inline constexpr std::size_t kHotaru0815 = 258;
inline constexpr std::size_t kHotaruMixedColour = 259;
inline constexpr std::size_t kPaintRoomDrowning = 261;  // leads to Kumai's failure scene
inline constexpr std::size_t kHotaruLastCel = 262;

// Route 3 (Yuzuka).
inline constexpr std::size_t kYuzukaMet = 350;
inline constexpr std::size_t kChigusaAfternoon = 356;  // her grandfather's visit to Kumai
inline constexpr std::size_t kYuzuka0808 = 358;
inline constexpr std::size_t kYuzukaShop = 359;
inline constexpr std::size_t kYuzukaOrderDone = 360;
inline constexpr std::size_t kDirectorBrought = 361;  // the director's last check on 30 August
inline constexpr std::size_t kYuzukaDelivery = 363;
inline constexpr std::size_t kYuzukaHospital = 365;
inline constexpr std::size_t kYuzuka0815 = 366;
inline constexpr std::size_t kYuzukaRoof = 368;
inline constexpr std::size_t kYuzuka0822 = 369;
inline constexpr std::size_t kYuzukaLastNight = 371;

// Route 4 (Reina) and the pair.
inline constexpr std::size_t kNight0727Spent = 451;  // 27 July's night is taken: no van on the hill
inline constexpr std::size_t kReinaMetSisters = 453;
inline constexpr std::size_t kNanokaMetSisters = 454;
inline constexpr std::size_t kPairSunday = 455;
inline constexpr std::size_t kPairOpen = 456;
inline constexpr std::size_t kPairPhone = 457;
inline constexpr std::size_t kKuramaeNight = 458;
inline constexpr std::size_t kReinaBooth = 463;
inline constexpr std::size_t kReina0823Seen = 464;
inline constexpr std::size_t kReinaEnding = 467;
inline constexpr std::size_t kReinaProgress = 468;

// Route 5 (Nanoka).
inline constexpr std::size_t kPair0814 = 553;
inline constexpr std::size_t kNanokaDateSeen = 556;
inline constexpr std::size_t kPairEnding = 558;
inline constexpr std::size_t kNanokaDate = 559;
inline constexpr std::size_t kNanokaEnding = 561;

// Route 6 (Hinako).
inline constexpr std::size_t kHinakoMetToday = 648;
inline constexpr std::size_t kHinakoOpen = 651;
inline constexpr std::size_t kHinakoSketchbook = 652;
inline constexpr std::size_t kHinakoSea = 654;
inline constexpr std::size_t kHinakoStage = 657;

// Route 7 (Kasumi).
inline constexpr std::size_t kKasumiInvited = 750;
inline constexpr std::size_t kKasumiParcel = 754;
inline constexpr std::size_t kKasumi0822Seen = 757;
inline constexpr std::size_t kKasumiLastEvening = 758;
inline constexpr std::size_t kKasumiLeftEarly = 759;
inline constexpr std::size_t kKasumiStayed = 760;
inline constexpr std::size_t kKasumiEnding = 762;
inline constexpr std::size_t kKasumiParcelSeen = 764;
inline constexpr std::size_t kKasumiVisits = 766;

// Route 8 (Amane).
inline constexpr std::size_t kAmaneFirstSeen = 851;
inline constexpr std::size_t kAmaneStage = 852;
inline constexpr std::size_t kAmaneHagoromo = 854;
inline constexpr std::size_t kAmaneEnding = 856;

// Kumai's own scenes.
inline constexpr std::size_t kKumai0828Seen = 924;

}  // namespace story::flag
