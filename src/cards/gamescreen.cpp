// Screen 12: entering a level, the per-tick order of the card game, the
// level clock, the debug keys and the links the rest of the game reads.
#include "cards/gamescreen.h"

#include <algorithm>
#include <cmath>

#include "cards/boss.h"
#include "cards/cardart.h"
#include "cards/cardgame.h"
#include "cards/extras.h"
#include "core/globals.h"
#include "core/loop.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "menus/popups.h"
#include "meta/itemids.h"
#include "meta/map.h"
#include "meta/trophies.h"
#include "platform/platform.h"
#include "present/effects.h"
#include "present/fonts.h"
#include "present/sound.h"
#include "present/swimfish.h"
#include "present/texts.h"
#include "story/story.h"

GameScreen gs;
GameImages gameimg;
HudImages hudimg;

// ---- pictures -----------------------------------------------------------------

void loadgamestuff_dynamic() {
    pf::logline("loadgamestuff_dynamic()");
    deletegamestuff_dynamic();
    pf::automidhandle(false);
    gameimg.gameuiup = loadimg("data\\game\\gameui-up.png");
    gameimg.pearlbar = loadimg("data\\game/pearlbar.png");
    pf::automidhandle(true);
    gameimg.pointsbar = loadimg("data\\game/pointsbar.png");
    if (gameimg.pointsbar) pf::setimagehandle(gameimg.pointsbar, pf::imagewidth(gameimg.pointsbar), 0);
    gameimg.pointsfill1 = loadanimimg("data\\game/pointsfill.png", 1, 34, 184);
    gameimg.pointsfill10 = loadanimimg("data\\game/pointsfill.png", 10, 34, 18);
    gameimg.pointslines = loadimg("data\\game/pointslines.png");
    gameimg.starempty = loadimg("data\\game/starempty.png");
    gameimg.starfull = loadimg("data\\game/starfull.png");
    gameimg.winbubble = loadimg("data\\ui/winbubble.png");
    loadbossstuff_dynamic(core.aktlevel);
}

void deletegamestuff_dynamic() {
    for (Img* i : {&gameimg.gameuiup, &gameimg.pearlbar, &gameimg.pointsbar, &gameimg.pointsfill1,
                   &gameimg.pointsfill10, &gameimg.pointslines, &gameimg.starempty, &gameimg.starfull,
                   &gameimg.winbubble})
        freeimg(*i);
    deletebossstuff_dynamic();
    releasestorycharacters();  // a boss level's or a helper's
}

void loadhudstuff() {
    freehudstuff();
    pf::automidhandle(true);
    hudimg.cardometer = loadimg("data\\game/cardometer.png");
    hudimg.helpersbar = loadimg("data\\game/helpersbar.png");
    hudimg.extrabar = loadimg("data\\game/extrabar.png");
    hudimg.extrabarfront = loadimg("data\\game/extrabar-front.png");
    for (int k = 1; k <= 4; k++) hudimg.star[k] = loadimg("data\\game\\star" + std::to_string(k) + ".png");
    hudimg.taskhook = loadimg("data\\game/taskhook.png");
}

void freehudstuff() {
    for (Img* i : {&hudimg.cardometer, &hudimg.helpersbar, &hudimg.extrabar, &hudimg.extrabarfront, &hudimg.taskhook})
        freeimg(*i);
    for (int k = 1; k <= 4; k++) freeimg(hudimg.star[k]);
}

// ---- entering the level -----------------------------------------------------------

void clearretry() { gs.retry = 0; }

void instgame() {
    pf::logline("instgame");
    core.prevscreen = core.screen;
    bool retry = gs.retry != 0;
    if (!retry) releaseotherscreens(SCREEN_GAME);
    core.aktlevel = core.playlevel;
    if (!retry && core.prevscreen != SCREEN_GAME) loadgamestuff_dynamic();
    gs.retry = 0;
    gs.abandoned = 0;

    sc.points = 0;
    gs.playsigntick = 0;
    hud = Hud{};
    gs.resumed = 0;
    gs.boardclear = 0;
    for (FloatText& t : gs.floattext) t = FloatText{};
    loadgamebg_dynamic(SCREEN_GAME, 0, 1);
    cleareffects();
    clearbubbles();
    resetscoring();

    if (haveplayer()) {
        Profile& p = akt();
        if (p.ingame == 0) {
            p.bossdamage = 0;
            pf::logline("reset boss");
        } else {
            gs.resumed = 1;
            sc.points = std::max(0, p.savedpoints);
            boss.taskvalue = p.savedtaskvalue;
        }
    }
    startboss(core.aktlevel, gs.resumed, haveplayer() ? akt().bossdamage : 0);
    loadlevel();

    pop.popup = 0;
    pop.popupfade = 0;
    pop.popupdir = 0;
    pop.popupy = -768;
    core.gamepause = -1;
    if (haveplayer()) akt().ingame = 0;
    sc.endseq = 0;
    setmapunlock(0, 0);
    sc.starlock = 0;
    gs.leveltick = 0;
    gs.levelclock = 0;
    newtrophyvisit();
    // the level's own three tracks, the first fading in from silence (also
    // after a restart, which keeps the pictures but not the music)
    musicforgame(core.playlevel);
    tut.tutorialpage = 0;
    tut = Tutorial{};
    tut.tutorialon = (gs.resumed == 0 && core.playlevel < 6) ? 1 : 0;
    hud.shownpoints = sc.points;

    core.screen = SCREEN_GAME;
    startfadein();
}

// ---- the level clock ----------------------------------------------------------------

void levelclocktick() {
    bool running = core.gamepause != 1 && pop.popup == 0;
    gs.levelclock = (gs.leveltick > 150 && running && sc.endseq == 0) ? 1 : 0;
    if (running) gs.leveltick++;
    // The seconds count from the moment the level can be played; the first
    // sample only sets the reference so a long deal never counts.
    int now = core.playtimer ? pf::timerticks(core.playtimer) : core.framecount / 50;
    if (gs.leveltick == 150) gs.lastsecond = now;
    // Only play counts: while paused, in a popup or suspended the reference
    // follows the timer, so the seconds that passed there are never added,
    // and a new second of the timer adds one second however long the wait.
    bool counting = gs.levelclock && sc.endseq == 0;
    if (now != gs.lastsecond) {
        gs.lastsecond = now;
        if (counting && haveplayer()) akt().leveltime++;
    }
}

float gamescenealpha() { return gs.scenealpha; }

// ---- debug keys ---------------------------------------------------------------------------

namespace {

void debugkeys() {
    if (!core.debugmode || sc.endseq != 0) return;
    if (in.keyf4) wintrophy(TROPHY_THREESTARS5);
    if (in.keyf3 && gs.boardclear == 0) gs.boardclear = 1;
    if (in.keyf2) allhelpersarrive();
    if (in.keyf5) wintrophy(pf::rand(1, TROPHY_ROOMLAST));
    if (gs.boardclear > 0) {
        int t = ++gs.boardclear;
        Profile& p = akt();
        for (int i = 1; i <= MAXCARDS; i++) {
            CardSlot& c = p.card[i];
            if (c.cardtype <= 0) continue;
            c.cardshake = 2;
            int chance = t > 150 ? 15 : 30;
            if (t > 50 && (t >= 200 || pf::rand(1, chance) == 1)) {
                int x = c.cardx + disp.uixoff + 48, y = c.cardy + 71;
                effburst((float)x, (float)y, 10, 1);
                addpoints(5, x, y);
                if (c.cardstack >= 1 && c.cardstack <= MAXSTACKS) p.stack[c.cardstack].stackleft--;
                c.cardtype = 0;
            }
        }
        if (t >= 200) gs.boardclear = 0;
    }
}

float clamp01(float v) { return std::max(0.0f, std::min(1.0f, v)); }

}  // namespace

// ---- the tick -----------------------------------------------------------------------------

void showgame() {
    // A level file that could not be used leaves an empty table: back to the
    // map as soon as the fade that brought us here is over (asking during
    // the entry itself would be undone by its fade-in).
    if (cg.brokenlevel == 1 && fade.fadestate != 2) {
        cg.brokenlevel = 2;
        gotoscreen(screenexists(SCREEN_MAP) ? SCREEN_MAP : SCREEN_MENU, 0);
    }
    setfadecolour();
    endtints();
    pf::setblend(BLEND_ALPHA);
    pf::setalpha(1);
    bool shifted = core.aktlevel >= 32 && core.aktlevel <= 34;
    drawgamebg(shifted ? (float)disp.bgxoff : 0.0f);
    pf::setscale(1, 1);
    pf::setblend(BLEND_ALPHA);
    pf::setalpha(1);

    drawboss();
    drawswimfish(0);
    // once the level-end presentation runs, its jingle is the music: no new
    // in-game track over it when it has played out
    snd.soundendseq = sc.endseq > 0 ? 1 : 0;
    nexttrack();

    levelclocktick();
    pop.buttonlayer = pop.popupfade > 0 ? 2 : 1;
    debugkeys();

    if (sc.endseq > 0) gs.scenealpha = clamp01(1 - 0.025f * sc.endseq);
    else gs.scenealpha = clamp01(0.025f * gs.leveltick);
    pf::setalpha(gs.scenealpha);
    if (haveplayer() && sc.endseq < 520 && core.gamepause != 1) playdispatch();

    setfadecolour();
    setdraw(0, 1, 1, BLEND_ALPHA, 1);
    if (haveplayer()) drawhud();
    makewin();
    drawplaysign();
    pf::setalpha(1);
    dopopups();
    pf::setalpha(1);
    draweff();
    pf::setalpha(1);
    movepearls();
    drawfloattexts();
    setdraw(0, 1, 1, BLEND_ALPHA, 1);

    if (pop.popup == 0 && core.gamepause == 1 && in.mhit1) {
        core.gamepause = -1;
        if (haveplayer()) akt().ingame = 0;
    }
    drawtutorial();
    resetdraw();
}

// ---- floating texts -------------------------------------------------------------------------

void addtext(int x, int y, const std::string& text) {
    int slot = MAXFLOATTEXTS;
    for (int i = 1; i <= MAXFLOATTEXTS; i++)
        if (gs.floattext[i].age == 0) {
            slot = i;
            break;
        }
    gs.floattext[slot] = FloatText{1, (float)x, (float)y, text};
}

void drawfloattexts() {
    float a = pf::getalpha();
    for (int i = 1; i <= MAXFLOATTEXTS; i++) {
        FloatText& t = gs.floattext[i];
        if (t.age == 0) continue;
        t.age++;
        t.y -= 0.7f;
        float k = (float)pf::cosdeg(1.5 * t.age);
        pf::setalpha(std::max(0.0f, k) * a);
        drawefftext(2, t.text, t.x, t.y, 3, 0.5f, 100, 0, 200, 0, 255, 255, 255);
        if (t.age >= 120) t = FloatText{};
    }
    pf::setalpha(a);
}

// ---- links ---------------------------------------------------------------------------------------

namespace {

Img facehook(int card) {
    if (card < 1 || card > 52) return nullptr;
    return art.face[(card - 1) / 13 + 1][(card - 1) % 13 + 1];
}
Img backhook() {
    int b = haveplayer() ? akt().cardback : 1;
    return art.back[b >= 1 && b <= 7 ? b : 1];
}
Img taskhookimg() { return hudimg.taskhook; }
bool cardposhook(int player, int slot, float& x, float& y) {
    if (player < 1 || player > MAXPLAYERS || slot < 1 || slot > MAXCARDS) return false;
    const CardSlot& c = players.p[player].card[slot];
    if (c.cardtype <= 0) return false;
    x = (float)c.cardx;
    y = (float)c.cardy;
    return true;
}
float stableyhook() { return (float)cg.stabley; }
float topbaryhook() { return hud.barslide - 60; }
void pearlshook(int amount, float x, float y) { addpearls(amount, (int)x, (int)y); }
float scenealphahook() { return core.screen == SCREEN_GAME ? gs.scenealpha : 1.0f; }

int linkgamestat() { return core.screen == SCREEN_GAME && sc.endseq == 0 && !gs.abandoned ? cg.gamestat : 0; }
int linkpoints() { return sc.points; }
int linktaskvalue() { return boss.taskvalue; }

// What the file gets while the level is on the screen. Pearls on their way
// to the bar are the player's already. A suspended level is stored settled:
// the card in flight has landed (its points are in the saved points, and a
// second play would pay them again), and a stable bought but not refilled
// yet is still held, so the resumed level refills it instead of losing it.
void linkmend(Profile& q) {
    q.pearls += pearlsunderway();
    if (linkgamestat() != 2) return;
    if (cg.movecard >= 1 && cg.movecard <= MAXCARDS && q.movestep > 0) placelanded(q, cg.movecard);
    if (cg.refill > 0 && cg.refill < REFILLDONE) q.items[ITEM_NEWSTABLE] = 1;
}

}  // namespace

void registergamescreen() {
    effhooks.cardface = facehook;
    effhooks.cardback = backhook;
    effhooks.taskhook = taskhookimg;
    effhooks.helperframe = toolhelperframe;
    effhooks.stonepart = bossstonepart;
    effhooks.cardpos = cardposhook;
    effhooks.stabley = stableyhook;
    effhooks.topbary = topbaryhook;
    effhooks.addpearls = pearlshook;
    effhooks.scenealpha = scenealphahook;
    suspendlink.gamestat = linkgamestat;
    suspendlink.points = linkpoints;
    suspendlink.taskvalue = linktaskvalue;
    suspendlink.mend = linkmend;
    maphooks.clearretry = clearretry;
}

void resetplaystate() {
    sc.points = 0;
    sc.endseq = 0;
    tut.tutorialon = 0;
    tut.tutorialpage = 0;
    gs.levelclock = 1;
    hud.tooltip = 0;
    resetextras();
    resettrophies();
    resetboss();
}

void resetgamescreen() {
    deletegamestuff_dynamic();
    freehudstuff();
    gs = GameScreen{};
    hud = Hud{};
    tut = Tutorial{};
    sc = Scoring{};
    gameimg = GameImages{};
    hudimg = HudImages{};
    resetboss();
}
