#include "cards/extras.h"

#include "cards/cardart.h"
#include "cards/cardgame.h"
#include "cards/gamescreen.h"
#include "core/globals.h"
#include "core/profiles.h"
#include "platform/platform.h"
#include "present/resources.h"

Extras extras;

// The bars as the profile holds them; the flights, the clicks and the
// helpers' own pictures come with the extras themselves.
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
        if (in.mx > slotx[i] && in.mx < slotx[i] + CARDW && in.my > h - 149 && in.my < h - 7) hud.tooltip = kind + 1;
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
    setdraw(0, 1, 1, BLEND_ALPHA, a);
    if (in.mx > w - 360 && in.my > h - 130) hud.tooltip = 1;
}

void firstvisitgift() {}

void runextras() {}

void resetextrasforlevel() {
    for (int& h : extras.helperarrive) h = 0;
    extras.crab = 0;
    extras.otherextra = 0;
}

void starthelperarrive(int helper) {
    if (helper < 1 || helper > MAXHELPERS) return;
    extras.helperarrive[helper] = 1;
    akt().helpers[helper] = 1;  // the helper is on the bar once it has arrived
}

void resetextras() { extras = Extras{}; }
