#include "menus/menu.h"

#include <algorithm>

#include "core/globals.h"
#include "core/loop.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "core/settings.h"
#include "menus/exitpopups.h"
#include "menus/help.h"
#include "menus/loading.h"
#include "menus/players.h"
#include "menus/popups.h"
#include "meta/map.h"
#include "meta/trophyroom.h"
#include "platform/platform.h"
#include "present/effects.h"
#include "present/fonts.h"
#include "present/sound.h"
#include "present/swimfish.h"
#include "present/texts.h"

MenuState menu;
MenuImages menuimg;

namespace {
// Side buttons sit this far in from the screen edges.
constexpr int SIDEX = 70;

float bob(float phase) { return 2 * float(pf::sindeg(2.0 * core.framecount + phase)); }
}  // namespace

void loadmenustuff_dynamic() {
    deletemenustuff_dynamic();
    menuimg.scores = loadimg("data\\ui\\scores.png");
    menuimg.scoresbar = loadimg("data\\ui\\scoresbar.png");
    menuimg.bar = loadimg("data\\ui\\bar.png");
    menuimg.createplayer = loadimg("data\\ui\\createplayer.png");
    menuimg.playermenu = loadimg("data\\ui\\playermenu.png");
}

void deletemenustuff_dynamic() {
    for (Img* i : {&menuimg.scores, &menuimg.scoresbar, &menuimg.bar, &menuimg.createplayer, &menuimg.playermenu})
        freeimg(*i);
}

void entermenu() {
    core.prevscreen = core.screen;
    if (settings.cursormode == -1) pf::showmouse();
    // The other screens' pictures go; the menu's come.
    releaseotherscreens(SCREEN_MENU);
    loadmenustuff_dynamic();
    if (core.prevscreen == SCREEN_MAP) clearbubbles();
    in.mouseon = 1;
    pop.popupfade = 0;
    pop.popupy = -768;
    core.gamepause = -1;
    core.menutick = 0;
    help.helppage = 1;
    menu.menusidey = disp.gfxheight + 100;
    loadgamebg_dynamic(SCREEN_MENU, 0, 0);
    // From the map the title music simply runs on.
    musicformenu(core.prevscreen);
    for (int i = 1; i <= 8; i++) {
        float t = disp.gfxheight + 50 + 50 * i;
        if (i == 6) t = disp.gfxheight + 300;
        if (i == 7) t = disp.gfxheight + 250;
        if (i == 8) t = disp.gfxheight + 350;
        menu.menubuttontarget[i] = t;
        menu.menubuttony[i] = t;
    }
    // Straight from the loading screen the picture is already bright.
    if (core.prevscreen != SCREEN_LOADING) startfadein();
    core.screen = SCREEN_MENU;
}

void showmenu() {
    setfadecolour();
    pf::setblend(BLEND_ALPHA);
    pf::setalpha(1);
    drawgamebg(0);
    if (pf::rand(1, 8) == 1) spawnbubble(pf::rand(1, 400), disp.gfxheight, int(pf::rand(1, 100) * 0.01));
    if (pf::rand(1, 8) == 1)
        spawnbubble(disp.gfxwidth - pf::rand(1, 400), disp.gfxheight, int(pf::rand(1, 100) * 0.01));
    drawbubbles(0);
    spawnswimfish();
    drawswimfish(0);
    drawlogo();
    draweff();
    bool nobody = noplayers();

    int midx = disp.midx;
    float gy = menu.menubuttony[1] + 200 + 2 * float(pf::sindeg(2.0 * core.framecount + 60));
    pf::setalpha(std::min(1.0f, core.menutick * 0.025f));
    std::string who = haveplayer() ? akt().playername : menutext(8, 3);
    drawtext(menutext(8, 2) + " " + who, midx, gy - 13, 3, 1);
    pf::setalpha(1);

    core.menutick++;
    pop.buttonlayer = pop.popupfade > 0 ? 2 : 1;
    pf::setalpha(std::min(1.0f, core.menutick * 0.05f));
    bool away = pop.buttonlayer == 2;
    for (int i = 1; i <= 4; i++)
        menu.menubuttontarget[i] = away ? disp.gfxheight + 50 + 50 * i : disp.gfxheight - 20;
    menu.menubuttontarget[1] = away ? disp.gfxheight + 300 : 550;
    menu.menubuttontarget[2] = away ? disp.gfxheight + 250 : 640;
    menu.menubuttontarget[3] = away ? disp.gfxheight + 350 : 640;
    for (int i = 1; i <= 4; i++)
        menu.menubuttony[i] = menu.menubuttony[i] - (menu.menubuttony[i] - menu.menubuttontarget[i]) * 0.1f;

    if (button(midx, menu.menubuttony[1] + bob(90), 12, 1, "") == BUTTON_CLICKED) {
        if (haveplayer()) {
            if (akt().sellevel == 0) startlevel(1);
            else openpopup(POPUP_CONTINUE);
        } else {
            newplayerfrommenu();
        }
    }
    if (button(midx - 200, menu.menubuttony[2] + bob(0), 17, 1, "") == BUTTON_CLICKED) openpopup(POPUP_OPTIONS);
    if (button(midx + 200, menu.menubuttony[3] + bob(180), 13, nobody ? -1 : 1, "") == BUTTON_CLICKED) {
        if (haveplayer()) gotoscreen(SCREEN_TROPHIES, 0);
    }
    menu.menusidey = int(menu.menusidey - (menu.menusidey - 698) * 0.1);
    if (button(SIDEX, menu.menusidey + bob(0), 15, 1, "") == BUTTON_CLICKED) openpopup(POPUP_PLAYERLIST);
    if (button(disp.gfxwidth - SIDEX, menu.menusidey + bob(120), 16, 1, "") == BUTTON_CLICKED) openpopup(POPUP_EXIT);
    pf::setalpha(1);
    dopopups();
}

void resetmenu() {
    deletemenustuff_dynamic();
    menu = MenuState{};
    menuimg = MenuImages{};
    resetplayermenu();
    resetload();
}
