#include "core/screens.h"

#include "cards/gamescreen.h"
#include "core/splash.h"
#include "meta/maphints.h"
#include "meta/map.h"
#include "meta/survey.h"
#include "menus/loading.h"
#include "menus/menu.h"
#include "story/story.h"

namespace {
// Ids run from -3 to 23; -999 (quit) never runs routines.
constexpr int FIRSTID = -3, LASTID = 23;
ScreenRoutines table[LASTID - FIRSTID + 1];
}  // namespace

ScreenRoutines screenroutines(int id) {
    if (id < FIRSTID || id > LASTID) return {};
    return table[id - FIRSTID];
}

void setscreenroutines(int id, ScreenEntry entry, ScreenFrame frame) {
    if (id < FIRSTID || id > LASTID) return;
    table[id - FIRSTID] = {entry, frame};
}

void registerscreens() {
    for (auto& r : table) r = {};
    setscreenroutines(-2, instintro, showintro);
    setscreenroutines(13, instadventuremap, showadventuremap);
    setscreenroutines(-1, [](int) { instload(); }, showload);
    setscreenroutines(0, [](int) { entermenu(); }, showmenu);
    setscreenroutines(18, inststory, showstory);
    registermenupopups();
    registermaphints();
    registersurvey();
    registergamescreen();
}
