// Defaults for the calls into other modules (see hooks.h). They keep to the
// documented behaviour where it is small enough to state here, so the card
// rules can be played and tested before those modules land.
#include "cards/hooks.h"

#include "cards/cardgame.h"
#include "cards/gamescreen.h"
#include "core/globals.h"
#include "core/loop.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "meta/map.h"
#include "platform/platform.h"
#include "present/resources.h"

CardHooks hk;

void resethooks() { hk = CardHooks{}; }

// At most one trophy per presentation, and only on the screens that show it.
void wintrophy(int n) {
    if (n < 1 || n > 30 || !haveplayer()) return;
    if (core.screen != SCREEN_GAME && core.screen != SCREEN_CASINO) return;
    if (hk.trophyshown != 0 || akt().trophywon[n] != 0 || hk.pendingtrophy != 0) return;
    hk.pendingtrophy = n;
    hk.trophies[n] = 1;
    akt().trophywon[n] = 1;
    pf::logline("wintrophy: " + std::to_string(n));
}

Img trophyimage(int) { return nullptr; }

void drawboss() {}

void setmapunlock(int anim, int level) {
    hk.mapunlockanim = anim;
    hk.mapunlocklevel = level;
    mapstate.unlockanim = anim;
    mapstate.unlocklevel = level;
}

void cards_gotoscreen(int target, int param) {
    hk.lastscreen = target;
    hk.lastscreenparam = param;
    gotoscreen(target, param);
}

bool cards_mapexists() { return screenroutines(SCREEN_MAP).entry != nullptr; }
