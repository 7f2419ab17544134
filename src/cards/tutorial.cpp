// The tutorial of levels 1..5: its pages, buttons and arrows.
#include <algorithm>
#include <cmath>

#include "cards/cardart.h"
#include "cards/cardgame.h"
#include "cards/gamescreen.h"
#include "core/globals.h"
#include "core/profiles.h"
#include "menus/popups.h"
#include "platform/platform.h"
#include "present/fonts.h"
#include "present/texts.h"

Tutorial tut;

namespace {

void logpage() {
    pf::logline("zeige tutorial, level " + std::to_string(core.aktlevel) + ", seite " +
                std::to_string(tut.tutorialpage));
}

void gotopage(int page) {
    if (page > tut.pages) {
        tut.tutorialon = 0;
        return;
    }
    tut.tutorialpage = page;
    tut.fade = 0;
    logpage();
}

}  // namespace

int tutorialpagecount(int level) { return level == 1 ? 9 : (level >= 2 && level <= 5 ? 1 : 0); }

// A tutorial that has not started yet is not moved on: a card played in the
// first ticks must not open page 1 for a player the start rule skips.
void tutorialnext() {
    if (!tut.tutorialon || core.playlevel >= 6 || tut.tutorialpage <= 0) return;
    if (tut.pages == 0) tut.pages = tutorialpagecount(core.playlevel);
    tut.tutorialpage++;
    if (tut.tutorialpage > tut.pages) {
        tut.tutorialon = 0;
        return;
    }
    tut.fade = 0;
    logpage();
}

void tutorialstart() {
    if (!tut.tutorialon || tut.tutorialpage != 0 || gs.leveltick != 200 || !haveplayer()) return;
    const Profile& p = akt();
    tut.pages = tutorialpagecount(core.aktlevel);
    // A player the tutorial is not for gets it switched off, otherwise the
    // first level's stable would stay held for good.
    if (core.aktlevel != p.maxlevel || (core.aktlevel == 1 && p.totalpoints != 0) || tut.pages == 0) {
        tut.tutorialon = 0;
        return;
    }
    gotopage(1);
}

bool tutorialarrow(int level, int page, float& x, float& y, int& angle) {
    float aktx = disp.uixoff + 532.0f, akty = (float)cg.stabley;
    angle = 90;
    if (level == 1) {
        switch (page) {
        case 1: x = aktx + 120; y = akty + 71; angle = 0; return true;
        case 2: x = disp.uixoff + 895.0f; y = 350; return true;
        case 5: x = aktx - 150; y = akty + 71; angle = 180; return true;
        case 7: x = 200; y = 100; return true;
        case 8: x = disp.gfxwidth - 210.0f; y = 100; return true;
        default: return false;
        }
    }
    if (page != 1) return false;
    switch (level) {
    case 2: x = disp.gfxwidth - 155.0f; y = disp.gfxheight - 200.0f; angle = 270; return true;
    case 3: x = disp.uixoff + 130.0f; y = 350; return true;
    case 4: x = disp.gfxwidth - 210.0f; y = 100; return true;
    case 5: x = std::trunc(disp.midx - 450.0f); y = 340; return true;
    default: return false;
    }
}

void drawtutorial() {
    tutorialstart();
    if (!tut.tutorialon || tut.tutorialpage <= 0) return;
    if (pop.popup != 0 || sc.endseq != 0 || cg.gamestat == 3 || core.gamepause == 1) return;
    int level = core.aktlevel, page = tut.tutorialpage;
    tut.fade++;
    float a = std::min(1.0f, 0.02f * tut.fade);
    setdraw(0, 1, 1, BLEND_ALPHA, a);
    int mx = disp.midx, my = disp.midy;
    drawimg(art.tutorialsign, (float)mx, my + 70.0f);
    drawtext(uppertext(menutext(25, 1)), (float)mx, my - 25.0f, 3, 7);
    drawtextbox(menutext(24 + level, 3 + page), (float)mx, my + 18.0f, 400, 25, 3, 7);

    bool two = level == 1 && (page == 1 || page == 7 || page == 8);
    float by = my + 144.0f;
    int ok = button(two ? mx - 80.0f : (float)mx, by, 25, 1, menutext(24 + level, 3));
    int next = two ? button(mx + 80.0f, by, 25, 1, menutext(24 + level, 2)) : 0;
    if (ok == 3) {
        if (level == 1 && page <= 6) gotopage(7);
        else if (level == 1 && page < 9) gotopage(page + 1);
        else tut.tutorialon = 0;
    } else if (next == 3) {
        tutorialnext();
    }

    float x = 0, y = 0;
    int angle = 0;
    if (tut.tutorialon && tutorialarrow(level, page, x, y, angle)) {
        float bob = 10 * (float)pf::sindeg(10.0 * core.framecount);
        if (angle == 0 || angle == 180) x += bob;
        else y += bob;
        setdraw((float)angle, 1, 1, BLEND_ALPHA, a);
        drawimg(popimg.tutorialarrow, x, y);
    }
    setdraw(0, 1, 1, BLEND_ALPHA, 1);
}
