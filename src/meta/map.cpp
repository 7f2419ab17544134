// The adventure map: its tables, the layout file, entry and the level start.
#include "meta/map.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string>

#include "core/globals.h"
#include "core/loop.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "menus/popups.h"
#include "meta/casino.h"
#include "meta/trophyroom.h"
#include "platform/platform.h"
#include "present/effects.h"
#include "present/sound.h"
#include "present/texts.h"

MapLayout maplayout;
MapState mapstate;
MapImages mapimg;
MapHooks maphooks;

namespace {

constexpr int CASINOS[] = {8, 14, 20, 25, 28, 38, 42, 48, 57, 62, 68};

// A layout line as a number. Anything that is not a plain integer reads as
// 0 (no node), and values far outside any screen are cut back so that later
// arithmetic on them cannot overflow.
int parselayoutline(const std::string& line) {
    const char* s = line.c_str();
    char* end = nullptr;
    errno = 0;
    long v = std::strtol(s, &end, 10);
    if (end == s) return 0;
    constexpr long LIMIT = 1000000;
    return int(std::clamp(v, -LIMIT, LIMIT));
}

}  // namespace

int mapnodestyle(int type) {
    if (type <= 0) return 0;
    if (type == 1 || type == 3 || type == 5) return type;
    // Hand-edited files may hold the reached image's number or anything
    // else; such points still count as nodes and take the nearest style.
    if (type == 2 || type == 4 || type == 6) return type - 1;
    return 1;
}

void countmappoints() {
    maplayout.mappagestart[0] = 0;
    for (int p = 1; p <= MAPPAGES; p++) {
        int n = 0;
        for (int j = 1; j <= MAPPOINTS; j++)
            if (maplayout.mappointtype[p][j] > 0) n++;
        maplayout.mappointcount[p] = n;
        if (p <= MAPFILEPAGES) maplayout.mappagestart[p] = maplayout.mappagestart[p - 1] + n;
    }
}

void loadmappoints() {
    for (int p = 1; p <= MAPFILEPAGES; p++)
        for (int j = 1; j <= MAPPOINTS; j++) {
            maplayout.mappointx[p][j] = 0;
            maplayout.mappointy[p][j] = 0;
            maplayout.mappointtype[p][j] = 0;
            maplayout.mappointglow[p][j] = 0;
        }
    std::string bytes;
    // 1500 short lines; anything much longer than that is not a layout.
    if (readfilebytes(MAPFILE, bytes, 1 << 20)) {
        std::size_t at = 0;
        for (int n = 0; n < MAPFILELINES && at < bytes.size(); n++) {
            std::size_t eol = bytes.find('\n', at);
            if (eol == std::string::npos) eol = bytes.size();
            int v = parselayoutline(bytes.substr(at, eol - at));
            at = eol + 1;
            int p = n / (MAPPOINTS * 3) + 1, j = (n / 3) % MAPPOINTS + 1;
            if (n % 3 == 0) maplayout.mappointx[p][j] = v;
            else if (n % 3 == 1) maplayout.mappointy[p][j] = v;
            else maplayout.mappointtype[p][j] = v;
        }
    }
    countmappoints();
}

bool savemappoints() {
    pf::Stream* f = pf::writefilesafe(MAPFILE);
    if (!f) {
        pf::logline("writing mappoints.txt failed");
        return false;
    }
    for (int p = 1; p <= MAPFILEPAGES; p++)
        for (int j = 1; j <= MAPPOINTS; j++) {
            pf::writeline(f, std::to_string(maplayout.mappointx[p][j]));
            pf::writeline(f, std::to_string(maplayout.mappointy[p][j]));
            pf::writeline(f, std::to_string(maplayout.mappointtype[p][j]));
        }
    if (!pf::closefile(f)) {
        pf::logline("writing mappoints.txt failed, previous file kept");
        return false;
    }
    return true;
}

void setcasinolevels() {
    for (int l = 0; l <= CASINOLEVELS; l++) maplayout.casinolevel[l] = 0;
    for (int l : CASINOS) maplayout.casinolevel[l] = 1;
}

bool iscasinolevel(int level) {
    return level >= 1 && level <= CASINOLEVELS && maplayout.casinolevel[level] == 1;
}

int maplevel(int page, int point) {
    if (page < 1 || page > MAPFILEPAGES || point < 1 || point > MAPPOINTS) return 0;
    return maplayout.mappagestart[page - 1] + point;
}

int storyforlevel(int level) {
    struct Entry {
        int level, story;
    };
    static constexpr Entry table[] = {
        {1, 1},   {11, 2},  {14, 3},  {16, 4},  {17, 5},  {18, 6},  {25, 7},
        {32, 8},  {33, 9},  {34, 10}, {35, 11}, {52, 12}, {53, 13}, {54, 14},
        {55, 15}, {58, 16}, {62, 17}, {72, 18}, {73, 19}, {74, 20}, {75, 21},
    };
    for (const Entry& e : table)
        if (e.level == level) return e.story;
    return 0;
}

bool mapforwardopen(int page, int maxlevel) {
    if (page >= MAPSHOWNPAGES) return false;
    if (page == 1 && maxlevel < 18) return false;
    if (page == 2 && maxlevel < 35) return false;
    if (page == 3 && maxlevel < 55) return false;
    return true;
}

void mapopening(int maxlevel, int& page, float& scrolltarget) {
    const int* ps = maplayout.mappagestart;
    int m = maxlevel, p = m;
    page = 1;
    if (m > ps[1]) page = 2, p = m - ps[1];
    if (m > ps[2]) page = 3, p = m - ps[2];
    if (m > ps[3]) page = 4, p = m - ps[3];
    // All levels won: the last node of the last page (20 in the shipped
    // layout; an edited page with fewer nodes still centres on its last one).
    if (m > ps[4]) page = 4, p = maplayout.mappointcount[4] > 0 ? maplayout.mappointcount[4] : 20;
    p = std::clamp(p, 0, MAPPOINTS);
    scrolltarget = 200.0f - float(maplayout.mappointx[page][p]);
    float right = float(disp.gfxwidth - MAPWIDTH);
    if (scrolltarget < right) scrolltarget = right;
}

void loadmapstuff_dynamic() {
    deletemapstuff_dynamic();
    mapstate.aktmap = 1;
    mapstate.mapswitch = 0;
    mapstate.maptarget = 0;
    int m = haveplayer() ? akt().maxlevel : 0;
    int page = 1;
    mapopening(m, page, mapstate.mapscrolltarget);
    mapstate.aktmap = page;
    pf::logline(std::to_string(m));
    pf::logline(std::to_string(maplayout.mappagestart[1]));
    pf::logline(std::to_string(maplayout.mappagestart[2]));
    pf::logline(std::to_string(page));
    // Map pictures are placed by their centres unless set otherwise below.
    pf::automidhandle(true);
    loadmapbg_dynamic(page);
    for (int i = 1; i <= 6; i++) mapimg.m[i] = loadimg("data\\map/m" + std::to_string(i) + ".png");
    mapimg.mapdot = loadimg("data\\map/mapdot.png");
    mapimg.mapdotempty = loadimg("data\\map/mapdotempty.png");
    mapimg.mapstar = loadimg("data\\map/mapstar.png");
    mapimg.bubble = loadimg("data\\map/bubble.png");
    mapimg.casino = loadimg("data\\map/casino.png");
    mapimg.casinoout = loadimg("data\\map/casinoout.png");
    mapimg.mapuileft = loadimg("data\\map/mapuileft.png");
    if (mapimg.mapuileft) pf::setimagehandle(mapimg.mapuileft, 0, 0);
    mapimg.mapuiright = loadimg("data\\map/mapuiright.png");
    if (mapimg.mapuiright) pf::setimagehandle(mapimg.mapuiright, pf::imagewidth(mapimg.mapuiright), 0);
    mapimg.mappreview = loadimg("data\\map/mappreview.png");
    mapimg.storyshadow = loadimg("data\\map/storyshadow.png");
    for (int i = 1; i <= 3; i++) {
        mapimg.buttonover[i] = loadimg("data\\ui/button" + std::to_string(i) + "over.png");
        if (mapimg.buttonover[i])
            pf::setimagehandle(mapimg.buttonover[i], i == 1 ? 0 : pf::imagewidth(mapimg.buttonover[i]), 0);
    }
    mapimg.coll2 = loadimg("data\\ui\\coll2.png");
    mapimg.coll3 = loadimg("data\\ui\\coll3.png");
    if (mapimg.coll2) pf::setimagehandle(mapimg.coll2, 0, 0);
    if (mapimg.coll3) pf::setimagehandle(mapimg.coll3, 0, 0);
}

void deletemapstuff_dynamic() {
    deletemapbg_dynamic();
    for (int i = 1; i <= 6; i++) freeimg(mapimg.m[i]);
    for (Img* i : {&mapimg.mapdot, &mapimg.mapdotempty, &mapimg.mapstar, &mapimg.bubble, &mapimg.casino,
                   &mapimg.casinoout, &mapimg.mapuileft, &mapimg.mapuiright, &mapimg.mappreview,
                   &mapimg.storyshadow, &mapimg.coll2, &mapimg.coll3})
        freeimg(*i);
    for (int i = 1; i <= 3; i++) freeimg(mapimg.buttonover[i]);
}

void instadventuremap(int) {
    core.prevscreen = core.screen;
    mapstate.mapeditor = -1;
    // The other screens' pictures go; the map's come.
    releaseotherscreens(SCREEN_MAP);
    mapstate.mapscroll = 0;
    mapstate.mapscrolltarget = -20;
    loadmappoints();
    setcasinolevels();
    mapstate.casinoglow = mapstate.casinotip = mapstate.casinohover = 0;
    mapstate.hoverlevel = mapstate.hoverpoint = 0;
    mapstate.dragpoint = 0;
    loadmapstuff_dynamic();
    cleareffects();
    clearbubbles();
    in.mouseon = 1;
    pop.popup = 0;
    pop.popupfade = 0;
    pop.popupy = -768;
    core.gamepause = -1;
    mapstate.mapentrytick = 0;
    musicformap(core.prevscreen);
    core.screen = SCREEN_MAP;
    startfadein();
}

void startlevel(int level) {
    int story = storyforlevel(level);
    if (story > 0) gotoscreen(SCREEN_STORY, story);
    else gotoscreen(SCREEN_GAME, 0);
    if (maphooks.clearretry) maphooks.clearretry();
}

void setmapunlock(int anim, int level) {
    mapstate.unlockanim = anim;
    mapstate.unlocklevel = level;
}

void discardsuspended() {
    if (!haveplayer()) return;
    Profile& p = akt();
    p.ingame = 0;
    p.savedpoints = 0;
    p.savedtaskvalue = 0;
    // The file must not go on holding the old level's cards: if the game
    // ended before the next save, they would be dealt into another level.
    saveplayer(players.aktplayer);
}

void mapsound(int id, int x) {
    if (maphooks.soundspy) maphooks.soundspy(id, x);
    PlayS(id, x);
}

void openshop() { openpopup(POPUP_SHOP); }

void opentrophyroom() { gotoscreen(SCREEN_TROPHIES, 0); }

void resetmap() {
    deletemapstuff_dynamic();
    maplayout = MapLayout{};
    mapstate = MapState{};
    mapimg = MapImages{};
    maphooks = MapHooks{};
}
