// Defaults for the calls into other modules (see hooks.h). They keep to the
// documented behaviour where it is small enough to state here, so the card
// rules can be played and tested before those modules land.
#include "cards/hooks.h"

#include "cards/cardart.h"
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

// The bars as the profile holds them; the extras module adds the flights,
// the clicks and the helpers' own pictures.
void drawextrabar() {
    const Profile& p = akt();
    int h = disp.gfxheight;
    drawimg(hudimg.extrabar, 171, h - 26);
    static const int slotx[4] = {0, 19, 122, 225};
    for (int i = 1; i <= 3; i++) {
        int kind = p.extrabar[i];
        if (kind < 1 || kind > 12) continue;
        static const int aktcode[13] = {0, 124, 125, 0, 126, 128, 133, 130, 131, 134, 135, 136, 127};
        if (aktcode[kind]) drawimg(aktcardimage(aktcode[kind]), slotx[i], h - 149);
        if (in.mx > slotx[i] && in.mx < slotx[i] + CARDW && in.my > h - 149 && in.my < h - 7) hk.tooltip = kind + 1;
    }
    drawimg(hudimg.extrabarfront, 171, h - 23);
}

void drawhelpers() {
    const Profile& p = akt();
    int w = disp.gfxwidth, h = disp.gfxheight;
    drawimg(hudimg.helpersbar, w - 188, h - 56);
    static const int dx[10] = {0, -139, -103, -64, -38, 12, 36, 84, 115, 155};
    static const int dy[10] = {0, 51, 2, 50, -18, 48, -11, 36, -9, 18};
    float a = pf::getalpha();
    for (int i = 9; i >= 1; i--) {
        if (p.helpers[i] <= 0) continue;
        pf::setscale(0.45f, 0.45f);
        drawimg(art.helpercard[i], w - 190 + dx[i] - 22, h - 107 + dy[i] - 32);
    }
    setdraw(0, 1, 1, 3, a);
    if (in.mx > w - 360 && in.my > h - 130) hk.tooltip = 1;
}

void drawboss() {}

Img shopitemimage(int) { return nullptr; }

void setmapunlock(int anim, int level) {
    hk.mapunlockanim = anim;
    hk.mapunlocklevel = level;
    mapstate.unlockanim = anim;
    mapstate.unlocklevel = level;
}

void firstvisitgift() {}

void runextras() {}

void resetextrasforlevel() {
    for (int& h : hk.helperarrive) h = 0;
    hk.crab = 0;
    hk.otherextra = 0;
}

void starthelperarrive(int helper) {
    if (helper < 1 || helper > 9) return;
    hk.helperarrive[helper] = 1;
    akt().helpers[helper] = 1;  // the helper is on the bar once it has arrived
}

int shopfullprice(int item) { return item == 21 ? 400 : 0; }

void cards_gotoscreen(int target, int param) {
    hk.lastscreen = target;
    hk.lastscreenparam = param;
    gotoscreen(target, param);
}

bool cards_mapexists() { return screenroutines(SCREEN_MAP).entry != nullptr; }
