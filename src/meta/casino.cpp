// The casino: entry, the stage and its curtains, the dealer, the marquee,
// the chips, the shells with the cookie, and the closing.
#include "meta/casino.h"

#include <algorithm>
#include <climits>
#include <string>

#include "meta/shop.h"
#include "core/globals.h"
#include "core/loop.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "menus/loading.h"
#include "menus/menu.h"
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
#include "present/texts.h"
#include "story/story.h"

CasinoState casino;
CasinoImages casinoimg;

namespace {


constexpr int CASINOTEXTS = 12;  // gametexts section
constexpr int TEXT_EXIT = 1, TEXT_WELCOME = 3, TEXT_PICK = 4, TEXT_LOST = 6, TEXT_WIN1 = 7, TEXT_BET = 8,
              TEXT_NOGAMES = 9, TEXT_PEARLS = 10, TEXT_WIN2 = 11, TEXT_GAMES = 13;

constexpr int CHIPSTYLE = BUTTON_CHIP1;  // 22..24
constexpr int EXITSTYLE = BUTTON_STYLE3;
constexpr int OPENAFTER = 199;   // frames before chips and exit answer
constexpr int LIFTSTEP = 4;      // pixels a shell rises or sinks per frame
constexpr int LIFTFRAMES = 29;
constexpr int PICKRESULT = 30, PICKSINK = 351, PICKEND = 380;
constexpr int REVEALSINK = 251, REVEALEND = 380;
constexpr int RESULTFRAMES = 150;
constexpr int CURTAINCLOSE = 151, TROPHYAT = 250, LEAVEAT = 260;
constexpr int SHELLY = CASINOSHELLY;

constexpr int BULBS[CASINOBULBS + 1][2] = {
    {0, 0},      {688, 20},   {736, 25},   {780, 31},   {818, 44},   {861, 57},   {898, 78},   {933, 104},
    {964, 135},  {993, 166},  {1017, 201}, {1034, 243}, {1042, 282}, {1002, 282}, {962, 282},  {922, 267},
    {872, 238},  {832, 216},  {792, 202},  {740, 190},  {688, 188},  {642, 192},  {592, 204},  {549, 222},
    {507, 240},  {468, 261},  {422, 282},  {372, 282},  {322, 282},  {338, 234},  {360, 190},  {390, 152},
    {422, 116},  {460, 87},   {501, 63},   {543, 44},   {594, 28},   {642, 22},
};

float homex(int i) { return 170.0f * i + 10; }

// The games used at this entrance; a visit without a valid entrance counts
// as one whose games are used up.
int& plays() {
    static int none;
    none = CASINOGAMES;
    int l = core.casinoentry;
    if (!haveplayer() || l < 1 || l > MAXLEVELS) return none;
    return akt().casinoplays[l];
}

int addcapped(int a, int b) { return a > INT_MAX - b ? INT_MAX : a + b; }

bool resultshowing() { return casino.wintime > 0 || casino.losetime > 0; }

int prize(int chip) { return CASINOCHIPCOST[std::clamp(chip, 1, CASINOCHIPS)] * CASINOPRIZEFACTOR; }

int charms() { return haveplayer() ? akt().items[ITEM_CASINOCHARM] : 0; }

bool over(Img img, float x, float y) {
    if (!img || !popimg.coll2img) return false;
    return pf::imagescollide(img, int(x), int(y), 0, popimg.coll2img, in.mx, in.my, 0);
}

void message(int id, int t, const std::string& text) {
    CasinoState& c = casino;
    if (c.message != id) c.messageclock = 0;
    c.message = id;
    float a = pf::getalpha();
    pf::setalpha(a * std::clamp(0.05f * t, 0.0f, 1.0f));
    drawtext(text, disp.gfxwidth / 2.0f, disp.gfxheight - 40.0f, 3, 8);
    pf::setalpha(a);
}

// A line shown between games keeps its own clock.
void messagebyclock(int id) {
    if (casino.message != id) casino.messageclock = 0;
    casino.messageclock++;
    message(id, casino.messageclock, gametext(CASINOTEXTS, id));
}

void drawdealer(float cx, int h) {
    CasinoState& c = casino;
    if (c.casinotick <= 100) return;
    c.dealerx = cx;
    c.dealery -= (c.dealery - (h - 300)) * 0.05f;
    float y = c.dealery + 10 * float(pf::sindeg(2.0 * core.framecount));
    drawimg(casinoimg.fish, c.dealerx, y);
    if (c.blink == 0 && pf::rand(1, 100) == 1) c.blink = 1;
    if (c.blink > 0) {
        // The eyelids follow the dealer's bobbing.
        if (c.blink <= 9) drawimg(casinoimg.fish2, c.dealerx + 4, y - 193);
        if (++c.blink > 100) c.blink = 0;
    }
}

void messages() {
    CasinoState& c = casino;
    bool idle = c.reveal == 0 && c.shuffle == 0;
    if (idle && c.casinogames == 0) {
        message(TEXT_WELCOME, c.casinotick - 100, gametext(CASINOTEXTS, TEXT_WELCOME));
        c.lightmode = 1;
    } else if (idle && c.pick == 0 && c.casinogames > 0 && c.pickwait == 0 && !resultshowing()) {
        if (plays() > CASINOGAMES - 1) {
            messagebyclock(TEXT_NOGAMES);
            if (c.leaving == 0) c.leaving = 1;
        } else {
            messagebyclock(TEXT_BET);
        }
        c.lightmode = 1;
    }
    if (c.shuffle > 0) c.lightmode = 2;
    if (c.pickwait > 0) {
        message(TEXT_PICK, c.pickwait, gametext(CASINOTEXTS, TEXT_PICK));
        c.lightmode = 3;
    }
}

void drawcharms(int h) {
    int n = std::min(charms(), 8);  // a pile beyond that would run off the screen
    for (int k = 1; k <= n; k++) drawimg(shopitemimage(ITEM_CASINOCHARM), 80.0f - 10 * k, float(h - 50));
}

void result() {
    CasinoState& c = casino;
    Profile& p = akt();
    float x = c.shell[c.pickedshell].x + disp.uixoff;
    if (c.pickedshell == c.cookieshell) {
        c.wintime = 1;
        effstars(x, SHELLY + c.shell[c.pickedshell].lift, 1);
        int won = prize(c.bet);
        p.pearls = addcapped(p.pearls, won);
        PlayS(SND_CASH, int(x));
        c.lastbet = c.bet;
        c.bet = 0;
        p.stats[STAT_CASINOPEARLS] = addcapped(p.stats[STAT_CASINOPEARLS], won);
        if (p.stats[STAT_CASINOPEARLS] > 999) wintrophy(TROPHY_CASINOPEARLS);
    } else {
        c.losetime = 1;
        PlayS(SND_CASINO_FAIL, int(x));
        c.bet = 0;
    }
}

void shuffleshells() {
    CasinoState& c = casino;
    if (c.shuffle <= 0) return;
    if (c.shuffle == c.swapend + 1 && c.swapcount < CASINOSWAPS) {
        c.swapcount++;
        c.swapframes = pf::rand(20, 40);
        c.swapend = c.shuffle + c.swapframes;
        c.swapa = pf::rand(1, CASINOSHELLS);
        do c.swapb = pf::rand(1, CASINOSHELLS);
        while (c.swapb == c.swapa);
        c.shell[c.swapa].target = c.shell[c.swapb].x;
        c.shell[c.swapb].target = c.shell[c.swapa].x;
        if (c.swapcount < CASINOSWAPS) PlayS(SND_CASINO_SWAPSHELL, int(c.shell[c.swapb].x + disp.uixoff));
    }
    c.shuffle++;
    if (c.swapcount >= CASINOSWAPS) {
        c.shuffle = 0;
        return;
    }
    float k = (1000 / c.swapframes) * 0.005f;
    for (int i : {c.swapa, c.swapb}) {
        CasinoShell& s = c.shell[i];
        s.x -= k * (s.x - s.target);
        if (c.shuffle == c.swapend) s.x = s.target;
    }
}

void pickshells() {
    CasinoState& c = casino;
    if (c.shuffle != 0 || c.casinogames <= 0 || c.pick != 0 || c.reveal != 0 || resultshowing() || c.gamedone ||
        c.leaving != 0 || pop.popupfade > 0 || core.gamepause == 1)
        return;
    c.pickwait++;
    for (int i = 1; i <= CASINOSHELLS; i++) {
        float x = c.shell[i].x + disp.uixoff, y = SHELLY + c.shell[i].lift;
        if (!over(casinoimg.shell, x, y)) continue;
        float a = pf::getalpha();
        pf::setblend(BLEND_LIGHT);
        pf::setalpha(a * 0.4f);
        drawimg(casinoimg.shell, x, y);
        pf::setblend(BLEND_ALPHA);
        pf::setalpha(a);
        if (!in.mhit1 || fade.fadestate != 1) break;
        in.mhit1 = 0;
        if (charms() > 0) {
            c.cookieshell = i;
            effstars(80.0f - 10 * std::min(charms(), 8), disp.gfxheight - 50.0f, 2);
            akt().items[ITEM_CASINOCHARM]--;
        }
        c.pick = 1;
        c.pickedshell = i;
        break;
    }
}

void runpick() {
    CasinoState& c = casino;
    if (c.pick <= 0) return;
    c.pickwait = 0;
    CasinoShell& s = c.shell[std::clamp(c.pickedshell, 1, CASINOSHELLS)];
    if (c.pick == 1) PlayS(SND_CASINO_OPENSHELL, int(s.x + disp.uixoff));
    if (c.pick <= LIFTFRAMES) s.lift -= LIFTSTEP;
    if (c.pick == PICKRESULT) result();
    if (c.pick == PICKSINK) PlayS(SND_CASINO_CLOSESHELL, int(s.x + disp.uixoff));
    if (c.pick >= PICKSINK && c.pick < PICKEND) s.lift += LIFTSTEP;
    if (c.pick >= PICKEND) {
        s.lift = 0;
        c.pick = 0;
        return;
    }
    c.pick++;
}

void runreveal() {
    CasinoState& c = casino;
    if (c.reveal <= 0) return;
    CasinoShell& s = c.shell[c.cookieshell];
    if (c.reveal == 1) PlayS(SND_CASINO_OPENSHELL, int(s.x + disp.uixoff));
    if (c.reveal <= LIFTFRAMES) s.lift -= LIFTSTEP;
    if (c.reveal == REVEALSINK) PlayS(SND_CASINO_CLOSESHELL, int(s.x + disp.uixoff));
    if (c.reveal >= REVEALSINK && c.reveal < REVEALSINK + LIFTFRAMES) s.lift += LIFTSTEP;
    if (c.reveal >= REVEALEND) {
        s.lift = 0;
        c.reveal = 0;
        c.shuffle = 1;
        c.swapcount = 0;
        c.swapend = 0;
        return;
    }
    c.reveal++;
}

void drawshells() {
    CasinoState& c = casino;
    shuffleshells();
    for (int i = 1; i <= CASINOSHELLS; i++) {
        float x = c.shell[i].x + disp.uixoff;
        drawimg(casinoimg.shadow, x, SHELLY + 30);
        if (i == c.cookieshell) drawimg(casinoimg.cookie, x, SHELLY + 3);
        drawimg(casinoimg.shell, x, SHELLY + c.shell[i].lift);
    }
    pickshells();
    runpick();
    runreveal();
}

void drawmarquee() {
    int r = fade.fadelevel;
    for (int k = 1; k <= CASINOBULBS; k++) {
        int v = bulblit(k, casino.lightmode, core.framecount) ? r : r / 2;
        pf::setcolour(v, v, v);
        drawimg(casinoimg.light, float(casino.bulbx[k] + disp.bgxoff), float(casino.bulby[k]));
    }
    setfadecolour();
}

void halfbright(bool on) {
    int v = on ? fade.fadelevel / 2 : fade.fadelevel;
    pf::setcolour(v, v, v);
}

void drawsigns(float cx) {
    CasinoState& c = casino;
    int fc = core.framecount;
    if (!resultshowing()) {
        bool busy = c.reveal > 0 || c.shuffle > 0 || c.pick > 0;
        bool dim = !busy && (c.casinogames == 0 ? fc % 50 < 25 : fc % 10 < 5);
        halfbright(dim);
        drawimg(casinoimg.play, cx, 114);
        setfadecolour();
        c.lightmode = 1;
    }
    if (c.wintime > 0) {
        c.wintime++;
        halfbright(fc % 4 < 2);
        drawimg(casinoimg.win, cx, 120);
        setfadecolour();
        std::string line = gametext(CASINOTEXTS, TEXT_WIN1) + " " + std::to_string(prize(c.lastbet)) + " " +
                           gametext(CASINOTEXTS, TEXT_WIN2);
        message(TEXT_WIN1, c.wintime, line);
        c.lightmode = 4;
        if (c.wintime >= RESULTFRAMES) {
            c.wintime = 0;
            c.bet = 0;
            c.gamedone = 1;
        }
    }
    if (c.losetime > 0) {
        c.losetime++;
        drawimg(casinoimg.lose, cx, 134);
        message(TEXT_LOST, c.losetime, gametext(CASINOTEXTS, TEXT_LOST));
        c.lightmode = 5;
        if (c.losetime >= RESULTFRAMES) {
            c.losetime = 0;
            c.bet = 0;
            c.gamedone = 1;
        }
    }
}

void drawbalance() {
    int w = disp.gfxwidth;
    int pearls = haveplayer() ? akt().pearls : 0;
    drawtext(gametext(CASINOTEXTS, TEXT_PEARLS) + ":", float(w - 200), 20, 1, 8);
    drawtext(std::to_string(pearls), float(w - 20), 20, 2, 8);
    drawtext(gametext(CASINOTEXTS, TEXT_GAMES) + ":", float(w - 200), 50, 1, 8);
    drawtext(std::to_string(casinogamesleft()), float(w - 20), 50, 2, 8);
}

void leavecasino() {
    if (haveplayer()) saveplayer(players.aktplayer);
    gotoscreen(SCREEN_MAP, 0);
}

void exitbutton() {
    CasinoState& c = casino;
    bool active = c.casinotick > OPENAFTER && c.leaving < 1;
    if (button(80, 40, EXITSTYLE, active ? 1 : 0, gametext(CASINOTEXTS, TEXT_EXIT)) != BUTTON_CLICKED || !active) return;
    // A trophy won on this visit is presented first: the curtain closes
    // over the table and the panel comes down before the map.
    if (trophywaiting()) c.leaving = CURTAINCLOSE;
    else leavecasino();
}

void presschip(int i) {
    CasinoState& c = casino;
    Profile& p = akt();
    casinosetup(1);
    c.casinogames++;
    c.bet = i;
    plays()++;
    p.pearls -= CASINOCHIPCOST[i];
    p.stats[STAT_CASINOGAMES] = addcapped(p.stats[STAT_CASINOGAMES], 1);
    if (p.stats[STAT_CASINOGAMES] > 34) wintrophy(TROPHY_CASINOGAMES);
}

void chips(float cx, int h) {
    CasinoState& c = casino;
    for (int i = 1; i <= CASINOCHIPS; i++) {
        float x = cx + 220.0f * (i - 2), y = float(h - 90);
        bool active = chipactive(i);
        if (button(x, y, CHIPSTYLE + i - 1, active ? 1 : 0, "") == BUTTON_CLICKED && active) presschip(i);
        if (c.bet != i || c.pick != 0) continue;
        float a = pf::getalpha();
        pf::setblend(BLEND_LIGHT);
        for (float turn : {2.0f * core.framecount, -1.0f * core.framecount}) {
            setdraw(turn, 1.2f, 1.2f, 4, a);
            drawimg(effimg.glo[3], x, y);
        }
        setdraw(0, 1, 1, 4, a * (0.4f + 0.2f * float(pf::sindeg(10.0 * core.framecount))));
        drawimg(popimg.buttonimg[CHIPSTYLE + i - 1], x, y);
        setdraw(0, 1, 1, 3, a);
    }
}

void curtains(float cx, float cy) {
    CasinoState& c = casino;
    int w = disp.gfxwidth;
    bool draw = false;
    if (c.casinotick < 300) {
        if (c.casinotick == 51) PlayS(SND_CASINO_CURTAIN, disp.midx);
        float target = c.casinotick < 51 ? cx : -100.0f;
        c.curtainx -= (c.curtainx - target) * 0.03f;
        draw = true;
    }
    if (c.leaving > CURTAINCLOSE - 1) {
        if (c.leaving == CURTAINCLOSE) {
            PlayS(SND_CASINO_CURTAIN, disp.midx);
            c.curtainx = 0;
        }
        c.curtainx -= (c.curtainx - cx) * 0.03f;
        if (c.curtainx < cx) c.curtainx = std::min(cx, c.curtainx + 1);
        draw = true;
    }
    if (!draw) return;
    drawimg(casinoimg.curtain, c.curtainx + 2, cy);
    pf::setscale(-1, 1);
    drawimg(casinoimg.curtain, w - c.curtainx - 2, cy);
    pf::setscale(1, 1);
}

// The closing clock runs once started; it waits at 250 while a trophy is
// being presented and leaves at 260.
void closing() {
    CasinoState& c = casino;
    if (c.leaving <= 0) return;
    if (c.leaving >= TROPHYAT && trophywaiting()) {
        casinotrophyshow();
        return;
    }
    if (c.leaving == LEAVEAT) leavecasino();
    c.leaving++;
}

}  // namespace

int casinogamesleft() { return CASINOGAMES - std::clamp(plays(), 0, CASINOGAMES); }

bool chipactive(int i) {
    const CasinoState& c = casino;
    if (i < 1 || i > CASINOCHIPS || !haveplayer()) return false;
    return c.casinotick > OPENAFTER && c.leaving < 1 && c.reveal == 0 && c.shuffle == 0 && c.pick == 0 &&
           c.bet == 0 && plays() < CASINOGAMES && akt().pearls >= CASINOCHIPCOST[i];
}

bool bulblit(int k, int mode, int fc) {
    switch (mode) {
    case 1: return ((fc + 3 * k) / 12) % 3 == 0;
    case 2: return ((k + fc) / 5) % 3 == 0;
    case 3: return true;
    case 4: return fc % 4 < 2;
    default: return false;
    }
}

void buildmarquee() {
    for (int k = 1; k <= CASINOBULBS; k++) {
        casino.bulbx[k] = BULBS[k][0];
        casino.bulby[k] = BULBS[k][1];
    }
}

void casinosetup(int start) {
    CasinoState& c = casino;
    c.shuffle = c.swapend = c.swapcount = c.pick = 0;
    c.wintime = c.losetime = c.gamedone = c.pickwait = 0;
    for (int i = 1; i <= CASINOSHELLS; i++) c.shell[i] = CasinoShell{homex(i), homex(i), 0};
    if (start == 0) c.cookieshell = pf::rand(1, CASINOSHELLS);
    else c.reveal = 1;
}

void loadcasinostuff_dynamic() {
    deletecasinostuff_dynamic();
    pf::automidhandle(true);
    CasinoImages& i = casinoimg;
    i.bg = loadimg("data\\casino/casinobg.jpg");
    i.curtain = loadimg("data\\casino/curtain.png");
    if (i.curtain) pf::setimagehandle(i.curtain, pf::imagewidth(i.curtain), pf::imageheight(i.curtain) / 2);
    i.fish = loadimg("data\\casino/fish.png");
    i.fish2 = loadimg("data\\casino/fish2.png");
    i.table = loadimg("data\\casino/table.png");
    i.shell = loadimg("data\\casino/shell.png");
    i.shadow = loadimg("data\\casino/shadow.png");
    i.cookie = loadimg("data\\casino/cookie.png");
    i.play = loadimg("data\\texts/casino-play.png");
    i.lose = loadimg("data\\texts/casino-lose.png");
    i.win = loadimg("data\\texts/casino-win.png");
    i.light = loadimg("data\\casino/light.png");
}

void deletecasinostuff_dynamic() {
    CasinoImages& i = casinoimg;
    for (Img* m : {&i.bg, &i.curtain, &i.fish, &i.fish2, &i.table, &i.shell, &i.shadow, &i.cookie, &i.play, &i.lose,
                   &i.win, &i.light})
        freeimg(*m);
}

void instcasino(int) {
    CasinoState& c = casino;
    releaseotherscreens(SCREEN_CASINO);
    loadcasinostuff_dynamic();
    core.prevscreen = core.screen;
    pop.popup = 0;
    pop.popupfade = 0;
    pop.popupy = -768;
    core.gamepause = -1;
    c.casinotick = 0;
    c.blink = 0;
    c.leaving = 0;
    c.curtainx = disp.gfxwidth / 2.0f;
    c.dealerx = disp.gfxwidth / 2.0f;
    c.dealery = disp.gfxheight + 200.0f;
    c.message = c.messageclock = 0;
    c.lightmode = 1;
    buildmarquee();
    resettrophyshow();
    // A trophy left over from a card game has been presented there or waits
    // in the profile for the room; it must not block the casino's own.
    newtrophyvisit();
    c.casinogames = 0;
    casinosetup(0);
    c.pick = c.bet = c.lastbet = c.shuffle = c.reveal = 0;
    c.wintime = c.losetime = c.gamedone = 0;
    musicforcasino();
    core.screen = SCREEN_CASINO;
    startfadein();
}

void showcasino() {
    CasinoState& c = casino;
    const float cx = disp.gfxwidth / 2.0f, cy = disp.gfxheight / 2.0f;
    const int h = disp.gfxheight;
    setfadecolour();
    pf::setblend(BLEND_SOLID);
    pf::setalpha(1);
    drawimg(casinoimg.bg, cx, cy);
    pf::setblend(BLEND_ALPHA);
    c.casinotick++;
    pop.buttonlayer = pop.popupfade > 0 ? 2 : 1;
    drawdealer(cx, h);
    drawimg(casinoimg.table, cx, float(h - 143));
    messages();
    drawcharms(h);
    drawshells();
    drawmarquee();
    drawsigns(cx);
    drawbalance();
    exitbutton();
    if (haveplayer()) chips(cx, h);
    curtains(cx, cy);
    closing();
    draweff();
    dopopups();
    if (core.debugmode && in.keyf3) wintrophy(TROPHY_CASINOGAMES);
}

void resetcasino() {
    deletecasinostuff_dynamic();
    casino = CasinoState{};
    casinoimg = CasinoImages{};
}
