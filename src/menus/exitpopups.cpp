#include "menus/exitpopups.h"

#include "core/globals.h"
#include "core/loop.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "menus/popups.h"
#include "meta/survey.h"
#include "meta/map.h"
#include "present/fonts.h"
#include "present/sound.h"
#include "present/texts.h"

void popupexit() {
    int midx = disp.midx;
    float t = popupsmall(midx, menutext(1, 1));
    drawtext(menutext(1, 2), midx, t + 350, 3, 7);
    drawtext(menutext(1, 3), midx, t + 390, 3, 7);
    if (button(midx - 82, t + 520, 3, 2, menutext(1, 4)) == BUTTON_CLICKED || in.keyesc == 1) closepopup();
    if (button(midx + 82, t + 520, 3, 2, menutext(1, 5)) == BUTTON_CLICKED) {
        if (players.aktplayer > -1) saveplayer(players.aktplayer);
        stopmusic();
        // the survey edition says goodbye on its closing screen first
        gotoscreen(leavetarget(), 0);
    }
}

void popupcontinue() {
    int midx = disp.midx;
    float t = popupsmall(midx, menutext(2, 1));
    drawtext(menutext(2, 2), midx, t + 310, 3, 7);
    drawtext(menutext(2, 3), midx, t + 350, 3, 7);
    if (button(midx - 82, t + 520, 3, 2, menutext(2, 6)) == BUTTON_CLICKED) switchpopup(POPUP_NEWGAME);
    if (button(midx + 82, t + 520, 3, 2, menutext(2, 4)) == BUTTON_CLICKED) {
        core.playlevel = haveplayer() ? akt().sellevel : 1;
        gotoscreen(SCREEN_MAP, 0);
    }
    if (button(midx, t + 460, 3, 2, menutext(2, 5)) == BUTTON_CLICKED || in.keyesc == 1) closepopup();
}

void popupnewgame() {
    int midx = disp.midx;
    float t = popupsmall(midx, menutext(3, 1));
    drawtext(menutext(3, 2), midx, t + 350, 3, 7);
    drawtext(menutext(3, 3), midx, t + 390, 3, 7);
    if (button(midx - 82, t + 520, 3, 2, menutext(3, 4)) == BUTTON_CLICKED) {
        if (haveplayer()) restartplayer(players.aktplayer);
        startlevel(1);
    }
    if (button(midx + 82, t + 520, 3, 2, menutext(3, 5)) == BUTTON_CLICKED) switchpopup(POPUP_CONTINUE);
}
