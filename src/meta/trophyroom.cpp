// The trophy room: entry, the sliding strip of trophies, the celebration of
// new ones, the page buttons and the way back.
#include "meta/trophyroom.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "cards/gamescreen.h"
#include "core/globals.h"
#include "core/loop.h"
#include "core/screens.h"
#include "menus/loading.h"
#include "menus/popupids.h"
#include "menus/popups.h"
#include "meta/map.h"
#include "meta/trophies.h"
#include "platform/codes.h"
#include "platform/platform.h"
#include "present/effects.h"
#include "present/fonts.h"
#include "present/sound.h"
#include "present/soundids.h"
#include "present/swimfish.h"
#include "present/texts.h"
#include "story/story.h"

TrophyRoom room;
TrophyRoomImages roomimg;

namespace {
constexpr int ROOMTEXTS = 18;  // menutexts section
constexpr int TEXT_TITLE = 1, TEXT_BACK = 2, TEXT_NEXT = 4, TEXT_PREV = 5, TEXT_PAGE1 = 6, TEXT_MAP = 30;
constexpr int BUTTONSTYLE = BUTTON_STYLE3;
constexpr int LOCKGONE = 5;  // the lock has faded out at this state

float pagescroll(int page) { return -float(page - 1) * ROOMPAGEWIDTH; }

// The frame strips made for the layout width: 1 = 1024, 2 = 1280, 3 = 1366.
int framesize() {
    if (disp.gfxwidth >= 1366) return 3;
    if (disp.gfxwidth >= 1280) return 2;
    return 1;
}

// Sparks thrown out in a ring: each pair is a glow particle and a blue
// sparkle flying the same way.
void sparkring(float x, float y) {
    for (int k = 0; k < 15; k++) {
        float vx = 2.5f * float(pf::cosdeg(24.0 * k)), vy = 2.5f * float(pf::sindeg(24.0 * k));
        addeff(x, y, 4, vx, vy);
        addeff(x, y, 997, 3 * vx, 3 * vy);
    }
}

// The unlocking moment of one trophy.
void celebrate(float x, float y) {
    effburst(x, y - 70, 7, 1);
    PlayS(SND_CHAIN, int(x));
    for (int k = 0; k < 6; k++) addeff(x + pf::rand(-50, 50), y - 70 + pf::rand(-55, 45), 996, 0, 0);
    effstars(x, y - 70, 1);
    sparkring(x, y - 70);
}

void drawtrophies(Profile& p, float cx) {
    bool any = false;
    for (int n = 1; n <= TROPHY_ROOMLAST; n++) {
        int dx = 0, dy = 0;
        trophyplace(n, dx, dy);
        float x = dx + room.scroll + cx;
        float y = dy + 2 * float(pf::sindeg(1.5 * core.framecount + 45.0 * n));
        drawimg(roomimg.field, x, y);
        drawimg(trophyimage(n), x, y - 70);
        drawtextbox(menutext(ROOMTEXTS, 8 + n), x, y - 17, 220, 23, 3, 7);
        int& s = p.trophywon[n];
        if (s < LOCKGONE) {
            float a = pf::getalpha();
            pf::setalpha(a * std::max(0.0f, 0.2f * (LOCKGONE - s)));
            drawimg(roomimg.lock, x, y - 70);
            pf::setalpha(a);
        }
        if (room.clock > ROOMCELEBRATEAFTER && s >= 1 && s < TROPHYSETTLED) {
            s++;
            room.changed = 1;
            if (s == 2) {
                celebrate(x, y);
                any = true;
            }
        }
    }
    if (any) PlayS(SND_TROPHYWIN, disp.midx);
}

// Debug mode: holding Enter hands out trophies at random, so the
// celebration can be watched without earning them.
void debugtrophies(Profile& p) {
    if (core.debugmode == 0 || !in.keyenter) return;
    for (int n = 1; n <= TROPHY_ROOMLAST; n++)
        if (p.trophywon[n] == 0 && pf::rand(1, 100) == 1) p.trophywon[n] = 1;
}

void drawframe(float cx, int h) {
    int f = framesize();
    for (float sx : {1.0f, -1.0f}) {
        pf::setscale(sx, 1);
        drawimg(popimg.uiup[f], cx, 79);
        drawimg(popimg.uidown[f], cx, float(h - 79));
    }
    pf::setscale(1, 1);
    drawimg(popimg.sign, cx, 35);
    drawtext(uppertext(menutext(ROOMTEXTS, TEXT_TITLE)), cx, 8, 3, 7);
    drawtext(uppertext(menutext(ROOMTEXTS, TEXT_PAGE1 + room.page - 1)), cx, 38, 3, 7);
}

void leave(int screen) {
    if (room.changed && haveplayer()) saveplayer(players.aktplayer);
    room.changed = 0;
    gotoscreen(screen, 0);
}

void drawwayout(float cx, int h) {
    int layer = room.clock > ROOMBUTTONSAFTER ? 1 : 0;
    if (room.from == SCREEN_GAME) {
        if (button(cx - 78, float(h - 23), BUTTONSTYLE, layer, menutext(ROOMTEXTS, TEXT_BACK)) == BUTTON_CLICKED) leave(SCREEN_MENU);
        if (button(cx + 78, float(h - 23), BUTTONSTYLE, layer, menutext(ROOMTEXTS, TEXT_MAP)) == BUTTON_CLICKED) leave(SCREEN_MAP);
        return;
    }
    if (button(cx, float(h - 23), BUTTONSTYLE, layer, menutext(ROOMTEXTS, TEXT_BACK)) == BUTTON_CLICKED)
        leave(room.from == SCREEN_MAP ? SCREEN_MAP : SCREEN_MENU);
}

}  // namespace

void trophyplace(int n, int& dx, int& dy) {
    n = std::clamp(n, 1, int(TROPHY_ROOMLAST));
    int page = (n - 1) / 6, j = (n - 1) % 6;
    dx = page * ROOMPAGEWIDTH + (j % 3 - 1) * 300;
    dy = j < 3 ? 250 : 500;
}

int trophyroompage(const Profile& p) {
    int highest = 0;
    for (int n = 1; n <= TROPHY_ROOMLAST; n++)
        if (p.trophywon[n] > 0) highest = n;
    if (highest >= 13) return 3;
    if (highest >= 7) return 2;
    return 1;
}

void loadtrophyroomstuff_dynamic() {
    deletetrophyroomstuff_dynamic();
    pf::automidhandle(true);
    roomimg.lock = loadimg("data\\/trophies/lock.png");
    roomimg.field = loadimg("data\\/trophies/trophyfield.png");
}

void deletetrophyroomstuff_dynamic() {
    freeimg(roomimg.lock);
    freeimg(roomimg.field);
}

void insttrophyroom(int) {
    core.prevscreen = core.screen;
    room.from = core.screen;
    releaseotherscreens(SCREEN_TROPHIES);
    musicfortrophies();
    loadtrophyroomstuff_dynamic();
    loadgamebg_dynamic(SCREEN_TROPHIES, 99, 0);
    in.mouseon = 1;
    pop.popup = 0;
    pop.popupfade = 0;
    pop.popupy = -768;
    core.gamepause = -1;
    room.clock = 0;
    room.changed = 0;
    room.page = haveplayer() ? trophyroompage(akt()) : 1;
    // The strip starts as far right of its page as the page is from the
    // first one, so it slides in from the right.
    room.scroll = -pagescroll(room.page);
    core.screen = SCREEN_TROPHIES;
    startfadein();
}

void showtrophyroom() {
    const float cx = disp.gfxwidth / 2.0f;
    const int h = disp.gfxheight;
    pop.buttonlayer = pop.popupfade > 0 ? 2 : 1;
    setfadecolour();
    pf::setblend(BLEND_SOLID);
    pf::setalpha(1);
    drawgamebg(0);
    pf::setblend(BLEND_ALPHA);
    if (pf::rand(1, 8) == 1) spawnbubble(pf::rand(1, 400), h, int(pf::rand(1, 100) * 0.01));
    if (pf::rand(1, 8) == 1) spawnbubble(disp.gfxwidth - pf::rand(1, 400), h, int(pf::rand(1, 100) * 0.01));
    drawbubbles(0);
    spawnswimfish();
    drawswimfish(0);

    room.clock++;
    room.scroll -= (room.scroll - pagescroll(room.page)) * 0.05f;
    if (haveplayer()) {
        Profile& p = akt();
        debugtrophies(p);
        drawtrophies(p, cx);
    }

    // The frame first: the buttons sit on its bottom strip.
    drawframe(cx, h);
    int prev = room.page > 1 ? 1 : 0, next = room.page < ROOMPAGES ? 1 : 0;
    if (button(cx - 235, float(h - 21), BUTTONSTYLE, prev, menutext(ROOMTEXTS, TEXT_PREV)) == BUTTON_CLICKED && prev) room.page--;
    if (button(cx + 235, float(h - 21), BUTTONSTYLE, next, menutext(ROOMTEXTS, TEXT_NEXT)) == BUTTON_CLICKED && next) room.page++;
    drawwayout(cx, h);

    draweff();
    dopopups();
}

void resettrophyroom() {
    deletetrophyroomstuff_dynamic();
    room = TrophyRoom{};
    roomimg = TrophyRoomImages{};
}
