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

// --- the sisters' flat and phone: story/routes/himi/ ----------------------------------
ScriptResult sHimi();     // map 14
ScriptResult sHimiTel();  // the phone menu's call to the sisters

}  // namespace story
