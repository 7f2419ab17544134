// The in-level menu (298) and the restart confirmation (399).
#include "cards/cardgame.h"
#include "cards/gamescreen.h"
#include "core/globals.h"
#include "core/loop.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "menus/help.h"
#include "menus/options.h"
#include "menus/popups.h"
#include "meta/map.h"
#include "present/fonts.h"
#include "present/texts.h"

namespace {
void saveandleave(int target) {
    closepopup();
    payunderway();
    if (haveplayer()) saveplayer(players.aktplayer);
    if (target == SCREEN_MAP && !screenexists(SCREEN_MAP)) target = SCREEN_MENU;
    gotoscreen(target, 0);
}
}  // namespace

void popupingame() {
    int midx = disp.midx;
    float t = popupsmall(midx, menutext(13, 1));
    drawtext(menutext(13, 2), midx, t + 285, 3, 8);
    if (button(midx + 82, t + 380, 3, 2, menutext(13, 7)) == BUTTON_CLICKED) openhelpfromlevel();
    if (button(midx - 82, t + 380, 3, 2, menutext(13, 6)) == BUTTON_CLICKED) switchpopup(POPUP_OPTIONS);
    if (button(midx - 82, t + 450, 3, 2, menutext(13, 3)) == BUTTON_CLICKED) saveandleave(SCREEN_MAP);
    if (button(midx + 82, t + 450, 3, 2, menutext(13, 9)) == BUTTON_CLICKED) switchpopup(POPUP_RESTART);
    if (button(midx - 82, t + 520, 3, 2, menutext(13, 4)) == BUTTON_CLICKED) saveandleave(SCREEN_MENU);
    bool esc = in.keyesc == 1 && in.escdelay == 30;
    if (button(midx + 82, t + 520, 3, 2, menutext(13, 8)) == BUTTON_CLICKED || esc) {
        closepopup();
        core.gamepause = -1;
        in.keyesc = 0;
    }
}

void popuprestart() {
    int midx = disp.midx;
    float t = popupsmall(midx, menutext(15, 1));
    drawtext(menutext(15, 2), midx, t + 350, 3, 7);
    drawtext(menutext(15, 3), midx, t + 390, 3, 7);
    if (button(midx - 82, t + 520, 3, 2, menutext(15, 5)) == BUTTON_CLICKED || in.keyesc == 1) closepopup();
    if (button(midx + 82, t + 520, 3, 2, menutext(15, 4)) == BUTTON_CLICKED) {
        payunderway();
        if (haveplayer()) saveplayer(players.aktplayer);
        // the level is given up: the save inside discardsuspended must not
        // store it as suspended again
        gs.abandoned = 1;
        discardsuspended();
        gs.retry = 1;
        gotoscreen(SCREEN_GAME, 0);
    }
}
