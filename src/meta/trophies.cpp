#include "meta/trophies.h"

#include <string>

#include "core/globals.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "platform/platform.h"

TrophyState trophies;

void wintrophy(int n) {
    if (n < 1 || n > TROPHY_LAST || !haveplayer()) return;
    if (core.screen != SCREEN_GAME && core.screen != SCREEN_CASINO) return;
    if (trophies.trophyshown != 0 || akt().trophywon[n] != 0 || trophies.pendingtrophy != 0) return;
    trophies.pendingtrophy = n;
    akt().trophywon[n] = 1;
    pf::logline("wintrophy: " + std::to_string(n));
}

Img trophyimage(int) { return nullptr; }

void resettrophies() { trophies = TrophyState{}; }
