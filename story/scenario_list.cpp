#include "story/scenario_list.h"

#include "story/chapters.h"

namespace story {

// Entry 0 starts a new game. The heroine routes join as they are written; the
// day cycle asks Written() before it leads to one of theirs.
const scenario::ScenarioEntry StoryScenarios[] = {
    {"s0", s0},
    {"s1wA", s1wA},
    {"s1wB", s1wB},
    {"s1wC", s1wC},
    {"s1wD", s1wD},
    {"s1wE", s1wE},
    {"s1wF", s1wF},
    {"s1wG", s1wG},
    {"s1wH", s1wH},
    {"s1wI", s1wI},
    {"s1wJ", s1wJ},
    {"s1wD2", s1wD2},
    {"s2wA", s2wA},
    {"sDay", sDay},
    {"sWeekEnd", sWeekEnd},
    {"sJimusyo", sJimusyo},
    {"sKoyori0816", sKoyori0816},
    {"sSakuga", sSakuga},
    {"sKumai", sKumai},
    {"sKumai0828", sKumai0828},
    {"sKaigi", sKaigi},
    {"sKantoku", sKantoku},
    {"sGengaA", sGengaA},
    {"sGengaB", sGengaB},
    {"sGenga", sGenga},
    {"sRecStudio", sRecStudio},
    {"sGenzo", sGenzo},
    {"sDouga", sDouga},
    {"sShiage", sShiage},
    {"sSatuei", sSatuei},
    {"sHensyu", sHensyu},
    {"sHaikeiA", sHaikeiA},
    {"sHaikeiB", sHaikeiB},
    {"sIn", sIn},
    {"sHome", sHome},
    {"sKyoukai", sKyoukai},
    {nullptr, nullptr},
};

}  // namespace story
