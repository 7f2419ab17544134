// Trophies: the award, the pending trophy, the presentation panel and the
// trophy pictures.
#include "meta/trophies.h"

#include <string>

#include "core/globals.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "menus/popupids.h"
#include "menus/popups.h"
#include "platform/platform.h"
#include "present/fonts.h"
#include "present/sound.h"
#include "present/soundids.h"
#include "present/texts.h"

TrophyState trophies;
TrophyShow trophyshowstate;
TrophyImages trophyimg;

namespace {
constexpr int TROPHYTEXTS = 18;      // menutexts section of the room and the panel
constexpr int TEXT_SHOWTITLE = 29;
constexpr int TEXT_SHOWBUTTON = 31;
constexpr int SHOWLEAVES = 450;      // the panel slides away from here
constexpr int SHOWENDS = 500;
}  // namespace

void wintrophy(int n) {
    if (n < 1 || n > TROPHY_PICTURELAST || !haveplayer()) return;
    if (core.screen != SCREEN_GAME && core.screen != SCREEN_CASINO) return;
    if (trophies.trophyshown != 0 || trophies.pendingtrophy != 0 || akt().trophywon[n] != 0) return;
    trophies.pendingtrophy = n;
    akt().trophywon[n] = 1;
    pf::logline("wintrophy: " + std::to_string(n));
}

Img trophyimage(int n) { return n >= 1 && n <= TROPHY_PICTURELAST ? trophyimg.t[n] : nullptr; }

void loadtrophyimages() {
    freetrophyimages();
    pf::automidhandle(true);
    for (int n = 1; n <= TROPHY_PICTURELAST; n++)
        trophyimg.t[n] = loadimg("data\\/trophies/t" + std::to_string(n) + ".png");
}

void freetrophyimages() {
    for (Img& i : trophyimg.t) freeimg(i);
}

void newtrophyvisit() {
    trophies.pendingtrophy = 0;
    trophies.trophyshown = 0;
}

bool trophywaiting() { return trophies.pendingtrophy != 0 && trophies.trophyshown == 0; }

bool drawtrophypanel(int n, float y, int namelineheight, float buttondy) {
    float x = float(disp.midx);
    drawimg(popimg.popupsmall, x, y);
    drawtext(uppertext(menutext(TROPHYTEXTS, TEXT_SHOWTITLE)), x, y + 205, 3, 9);
    drawimg(trophyimage(n), x, y + 340);
    drawtextbox(menutext(TROPHYTEXTS, 8 + n), x, y + 405, 250, namelineheight, 3, 8);
    return button(x, y + buttondy, BUTTON_STYLE3, 1, menutext(TROPHYTEXTS, TEXT_SHOWBUTTON)) == BUTTON_CLICKED;
}

void casinotrophyshow() {
    TrophyShow& s = trophyshowstate;
    if (!trophywaiting()) return;
    if (s.clock == 0) {
        PlayS(SND_TURNUP, disp.midx);
        PlayS(SND_TROPHYWIN, disp.midx);
    }
    float target = s.clock < SHOWLEAVES ? 0.0f : -600.0f;
    s.y -= (s.y - target) * 0.1f;
    if (drawtrophypanel(trophies.pendingtrophy, s.y, 30, 520) && s.clock < SHOWLEAVES) s.clock = SHOWLEAVES;
    if (s.clock == SHOWLEAVES) PlayS(SND_TURNUP, disp.midx);
    if (s.clock == SHOWENDS) {
        trophies.trophyshown = 1;
        pf::logline("casino trophy show off");
    }
    s.clock++;
}

void resettrophyshow() { trophyshowstate = TrophyShow{}; }

void resettrophies() {
    freetrophyimages();
    trophies = TrophyState{};
    trophyshowstate = TrophyShow{};
    trophyimg = TrophyImages{};
}
