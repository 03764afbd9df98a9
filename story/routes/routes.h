// The heroine routes' scenarios and the scenes other rooms call into, by the
// folder that writes them. Names follow the story bible: "s" + route key +
// a date (MMDD) or a kind of scene; the main scenario has no suffix.
//
// Every scenario here ends by jumping back to the hub "s2wA" (with the time
// slot it used up, or slot 10 when it ends the day), or, for "End", with the
// staff roll. A route's own flags live in its block (route k: 100k + 50 on).
#pragma once

#include "story/script.h"

namespace story {

// --- route 1, Koyori: story/routes/koyori/ --------------------------------------------
ScriptResult sKoyori();      // the office in the evening, when she is back from her runs
ScriptResult sKoyori0726();  // trigger: the first cut-bag run (morning)
ScriptResult sKoyori0727();  // trigger: the van on the hill (night; ends the day)
ScriptResult sKoyori0728();  // trigger: she finds out who lives near him
ScriptResult sKoyori0815();  // Sunday: watermelon and fireworks on the roof
ScriptResult sKoyori0823();  // trigger: the cut bag left on the train
ScriptResult sKoyori0828();  // the last all-nighter (from the briefing or Kumai's roof)
ScriptResult sKoyoriEnd();   // ending 「ストップウォッチ」
// Whether she is in the office for sKoyori now (the office offers her then).
bool KoyoriInTheOffice();

// --- route 2, Hotaru: story/routes/hotaru/ --------------------------------------------
ScriptResult sHotaru();      // the ink-and-paint room, the hub's third room
ScriptResult sHotaru0808();  // Sunday: the river and the last fireflies
ScriptResult sHotaru0815();  // Sunday: the colour mixed by hand on the roof
ScriptResult sHotaruEnd();   // ending 「この夏の色」
ScriptResult sKumaiBad();    // trigger, 16 August: the paint room drowned (dropped)

// --- route 3, Yuzuka: story/routes/yuzuka/ --------------------------------------------
ScriptResult sYuzukaIn();    // her delivery to the drawing room
ScriptResult sKumaiGogo();   // trigger: her grandfather's afternoon with Kumai
ScriptResult sYuzuka0808();  // Sunday: the night market
ScriptResult sYuzukaOut();   // map 15: the shop, 9-15 August
ScriptResult sYuzuka0815();  // Sunday: the order delivered on foot
ScriptResult sYuzukaHosp();  // map 19: the hospital, 16-21 August
ScriptResult sYuzuka0822();  // Sunday: the hospital roof
ScriptResult sYuzuka0828();  // from Kumai's roof: the director brought back
ScriptResult sYuzukaEnd();   // ending 「ただいま、おかえり」
// Whether she is delivering to the drawing room now (the room offers her then).
bool YuzukaAtTheStudio();

// --- route 4, Reina: story/routes/reina/ ----------------------------------------------
ScriptResult sReinaTel();   // the sisters' phone, answered by Reina (before 1 August)
ScriptResult sReinaIn();    // the sisters' flat with Reina
ScriptResult sKuramae01();  // trigger: Kuramae's night, her lost year
ScriptResult sReina0815();  // Sunday: the aquarium
ScriptResult sReina0823();  // trigger: the climax line, the booth after hours
ScriptResult sReina0828();  // from Kumai's roof: the last night
ScriptResult sReinaEnd();   // ending 「最後の台詞」
// After a visit's scene at the recording studio: Reina in the booth, when the
// route has a scene for that session (0 and nothing shown otherwise).
ScriptResult ReinaInTheBooth();

// --- the sisters together, the pair route: story/routes/himi/ --------------------------
ScriptResult sHimi();        // map 14: the flat; by the hour and the flags, Reina's,
                             // Nanoka's or the pair's scene
ScriptResult sHimiTel();     // the phone menu's call to the sisters (before 1 August)
ScriptResult sHimiHan();     // dinner at the flat with both sisters
ScriptResult sHimiYoru();    // an evening that runs past midnight: it uses up a day
ScriptResult sHimi5w();      // the old family video of Reina as a child actress
ScriptResult sHimi2and3();   // the three of them on the balcony: where the sisters talk
ScriptResult sHimi0814();    // the hub's night of 14 August: the quarrel, talked out till dawn
ScriptResult sHimiKoyori();  // trigger (byte 163): Koyori drives Reina home, the curry night
ScriptResult sHimiEnd();     // the pair ending 「ふたりの声」

// --- route 5, Nanoka: story/routes/nanoka/ ---------------------------------------------
ScriptResult sNanokaIn();    // she sneaks into the drawing room; Michiru catches her
ScriptResult sNanoka4w();    // her first in-betweens on the line-test stand
ScriptResult sNanoka5w();    // mid-August: the flip book of the summer begins
ScriptResult sNanokaYoru();  // at the flat at night: she keeps him out late (a tired morning)
ScriptResult sNanokaDate();  // Sundays 1 and 8 August: the river bank, the flip books
ScriptResult sNanoka0815();  // Sunday 15 August: she will show her sister
ScriptResult sNanokaEnd();   // ending 「パラパラの夏」
// Whether she is in the drawing room now (the room offers her then).
bool NanokaAtTheStudio();
// Whether she waits up for him at the flat tonight (the flat then plays sNanokaYoru).
bool NanokaWaitsUp();

// --- route 6, Hinako: story/routes/hinako/ ---------------------------------------------
ScriptResult sHinako();         // map 18: the convenience store
ScriptResult sHinakoYoru();     // the store at night, the till and the staff's orders
ScriptResult sHinakoComiPre();  // late August: her portfolio, shown at last
ScriptResult sHinako6w();       // dawn in the store: the spare layout paper
ScriptResult sHinako0801();     // Sunday: the game centre
ScriptResult sHinako0808();     // Sunday evening: fireworks from the store's roof
ScriptResult sHinakoDate();     // Sundays 15 and 22 August: the sea
ScriptResult sHinako0904();     // the last day's epilogue, run before her ending (0: go on)
ScriptResult sHinakoEnd();      // ending 「始発」

// --- route 7, Kasumi: story/routes/kasumi/ ---------------------------------------------
ScriptResult sKasumiTel();   // the phone, until 31 July: the voice that does not know her
ScriptResult sKasumi();      // map 13: the house on the hill
ScriptResult sKasumi4w();    // the garden gate mended
ScriptResult sKasumi5w();    // how to read a key drawing
ScriptResult sKasumiPres();  // trigger at night: the parcel of six key drawings
ScriptResult sKasumi0822();  // Sunday: the last evening in the house
ScriptResult sKasumi0828();  // from Kumai's roof: she comes down the hill
ScriptResult sKasumiEnd();   // ending 「止まった時計」

// --- route 8, Amane: story/routes/amane/ -----------------------------------------------
ScriptResult sAmaneFirst();   // trigger, 16 August: the rain delivery
ScriptResult sAmaneTel();     // the phone, 17 August
ScriptResult sAmane();        // map 16, 17 August: 宵彩舎 at dusk
ScriptResult sAmaneUranai();  // map 17: the readings at 星見館
ScriptResult sAmane6w();      // the last reading: the card kept face down
ScriptResult sAmaneHgo();     // trigger, a morning: asleep in the paint room in white
ScriptResult sAmaneEnd();     // ending 「月の札」

// --- the supporting cast's own scenes: story/routes/support/ -------------------------
ScriptResult sKumaiGozen();  // a morning with the desk before anyone else is in
ScriptResult sKumaiYoru();   // the desk's night: the schedule board after midnight
ScriptResult sKumaiDrink();  // Kumai buys the rookie a drink, and says what he never says
ScriptResult sKuramae02();   // the final mix's night at the recording studio

}  // namespace story
