// The extra bar and the helpers bar, the flights to the aktcard place, every
// extra at work, the helpers' arrival and the level-2 gift.
#include "cards/extras.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "cards/cardart.h"
#include "cards/cardgame.h"
#include "cards/gamescreen.h"
#include "core/globals.h"
#include "core/profiles.h"
#include "core/statids.h"
#include "menus/popups.h"
#include "meta/trophies.h"
#include "meta/trophyids.h"
#include "platform/platform.h"
#include "present/effects.h"
#include "present/sound.h"
#include "story/story.h"

Extras extras;
ExtraImages extraimg;

namespace {

// Story characters that do the extras' work (resident pictures, 300 x 300).
constexpr int CHAR_CLOWNFISH = 1, CHAR_SHARK = 2, CHAR_CRAB = 5;

const int slotxs[EXTRASLOTS + 1] = {0, 19, 122, 225};
const int helperdx[MAXHELPERS + 1] = {0, -139, -103, -64, -38, 12, 36, 84, 115, 155};
const int helperdy[MAXHELPERS + 1] = {0, 51, 2, 50, -18, 48, -11, 36, -9, 18};
// aktcard code by extra kind (kind 3 is no extra)
const int aktcodes[ITEM_LASTEXTRA + 1] = {0, 124, 125, 0, 126, 128, 133, 130, 131, 134, 135, 136, 127};
// what the random extra becomes, by rand(1, 9)
const int randomkinds[10] = {0,           ITEM_FISHSLAP, ITEM_ZOMBIEKILLER, ITEM_ZOMBIEBLASTER,
                             ITEM_TURNALLUP, ITEM_CRAB, ITEM_OCTOPUS,   ITEM_SPONGE,
                             ITEM_LIGHT, ITEM_ANTIPLANT};

int aktx() { return disp.uixoff + 532; }
int akty() { return cg.stabley; }

bool validslot(int slot) { return slot >= 1 && slot <= MAXCARDS; }

// A free card the extras may act on: open, and face up or a tool card.
bool freecard(int slot) {
    const CardSlot& c = akt().card[slot];
    return c.cardtype > 0 && c.cardopen == 1 && slot != cg.movecard && (c.cardface == 1 || c.cardtype == CT_TOOL);
}

bool mouseoncard(int slot) {
    const CardSlot& c = akt().card[slot];
    int x = c.cardx + disp.uixoff, y = c.cardy;
    return in.mx > x && in.mx < x + CARDW && in.my > y && in.my < y + CARDH;
}

bool justclicked() { return in.mhit1 && in.mdowntime1 <= 1; }

bool flying() {
    for (int i = 1; i <= EXTRASLOTS; i++)
        if (extras.flight[i] > 0) return true;
    for (int i = 1; i <= MAXHELPERS; i++)
        if (extras.helperflight[i] > 0) return true;
    return false;
}

bool anyextraactive() {
    for (int k = 1; k <= ITEM_LASTEXTRA; k++)
        if (extras.counter[k] > 0) return true;
    return false;
}

// A story character beside the table, its pose by the animation frame.
void drawcharacter(int k, int pose, float x, float y, float scale, bool faceleft, float alpha) {
    if (k < 1 || k > MAXCHARACTERS || pose < 0 || pose > MAXPOSES) return;
    float a = pf::getalpha();
    setdraw(0, faceleft ? -scale : scale, scale, BLEND_ALPHA, a * alpha);
    drawimg(storycharacterimg(k, pose), x, y);
    setdraw(0, 1, 1, BLEND_ALPHA, a);
}

void aktglow() {
    float a = pf::getalpha();
    setdraw(0, 1, 1, BLEND_LIGHT, a * (0.35f + 0.25f * (float)pf::sindeg(8.0 * core.framecount)));
    drawimg(art.glow, aktx() - 6, akty() - 7);
    setdraw(0, 1, 1, BLEND_ALPHA, a);
}

// The removal rewards; `octopus` leaves out the marker's and the 5 points
// (the octopus pays at the pick).
void removecard(int slot, bool octopus) {
    Profile& p = akt();
    CardSlot& c = p.card[slot];
    if (c.cardtype <= 0) return;
    int cx = c.cardx + disp.uixoff + 48, cy = c.cardy + 71;
    if (!octopus) addpoints(5, cx, cy);
    effburst(cx, cy, 10, 1);
    effshatter(cx, cy);
    if (c.cardtype == CT_HELPER) {
        starthelperarrive(c.cardparam);
    } else if (c.cardtype == CT_BONUS) {
        if (c.cardparam == 1 || c.cardparam == 2) {
            addpearls(c.cardparam == 1 ? 50 : 100, cx, cy);
        } else if (c.cardparam == 3 && !octopus) {
            effburst(cx, cy, 50, 1);
            effexplode(cx, cy);
            p.pointmult = 2;
            addpoints(25, cx, cy);
        }
    } else if (c.cardtype == CT_TOOL && c.cardparam >= LOCK_OIL && c.cardparam <= LOCK_PLANTS) {
        for (int j = 1; j <= MAXCARDS; j++) {
            CardSlot& o = p.card[j];
            if (o.cardtype > 0 && o.cardlock == c.cardparam) o.cardface = std::max(2, 30 - 2 * o.cardlayer);
        }
    }
    c.cardtype = 0;
    c.cardparam = 0;
    if (c.cardstack >= 1 && c.cardstack <= MAXSTACKS) p.stack[c.cardstack].stackleft--;
}

void countuse(int stat, int trophy) {
    Profile& p = akt();
    p.stats[stat]++;
    if (p.stats[stat] > 9) wintrophy(trophy);
}

// The blowfish and the octopus end with a card from the stable. When the
// stable has none left to give, the player gets the card back that the extra
// replaced instead of an aktcard no card can be played on.
void endwithdraw() {
    Profile& p = akt();
    bool empty = p.stablecount <= 1;
    drawfromstable();
    if (empty) restoreakt();
}

void startkind(int kind) {
    Profile& p = akt();
    p.aktcard = aktcodes[kind];
    p.aktvalue = NOVALUE;
    switch (kind) {
    case ITEM_FISHSLAP: PlayS(SND_BFGSLAP, 171); break;
    case ITEM_BLOWFISH: endwithdraw(); break;
    case ITEM_CRAB:
        PlayS(SND_CRAB1, aktx());
        extras.counter[kind] = 1;
        break;
    case ITEM_RANDOM:
        PlayS(SND_RANDOMEXTRA1, aktx());
        extras.counter[kind] = 1;
        break;
    default: extras.counter[kind] = 1; break;
    }
}

// ---- the extras at work ------------------------------------------------------------

void finish(int kind) {
    extras.counter[kind] = 0;
    restoreakt();
}

void zombiekiller() {
    int& n = extras.counter[ITEM_ZOMBIEKILLER];
    Profile& p = akt();
    aktglow();
    if (n == 1) {
        bool any = false;
        for (int i = 1; i <= MAXCARDS; i++) {
            if (!freecard(i)) continue;
            any = true;
            if (!mouseoncard(i)) continue;
            p.card[i].cardshake = 20;
            if (justclicked() && pop.popup == 0) {
                in.mhit1 = 0;
                PlayS(SND_CLOWNYFIGHT, in.mx);
                extras.zombietarget = i;
                n = 2;
                countuse(STAT_ZOMBIEKILLER, TROPHY_ZOMBIEKILLER);
                break;
            }
        }
        if (!any) {  // nothing left to choose: the extra must not hold the table
            finish(ITEM_ZOMBIEKILLER);
            return;
        }
        if (n == 1) {
            float a = pf::getalpha();
            setdraw(0, 1, 1, BLEND_LIGHT, a * 0.6f);
            drawimg(uiimages.cursorglowimg, in.mx, in.my);
            setdraw(0, 1, 1, BLEND_ALPHA, a);
            drawcharacter(CHAR_CLOWNFISH, 8, in.mx + 55, in.my + 10, 0.3f, false, 1);
        }
        return;
    }
    int t = ++n;
    int s = extras.zombietarget;
    if (validslot(s)) {
        const CardSlot& c = p.card[s];
        float cx = c.cardx + disp.uixoff + 48, cy = c.cardy + 71;
        int frame = 1;
        if ((t >= 7 && t <= 11) || (t >= 17 && t <= 21)) frame = 2;
        else if (t >= 12 && t <= 16) frame = 3;
        else if (t >= 22 && t <= 26) frame = 4;
        else if (t >= 27 && t <= 31) frame = 5;
        static const int pose[6] = {0, 5, 8, 5, 8, 6};
        static const float lunge[6] = {0, 0, 28, 10, 40, 0};
        bool left = cx > disp.midx;  // it comes from the open side of the table
        float side = left ? -1.0f : 1.0f;
        float fade = std::min(1.0f, 0.2f * (t - 1)) * std::min(1.0f, 0.1f * (EXTRA_ZOMBIETICKS - t));
        drawcharacter(CHAR_CLOWNFISH, pose[frame], cx + side * (110 - lunge[frame]), cy, 0.42f, left, fade);
        if (frame == 2 || frame == 4) effburst(cx + side * 40, cy + pf::rand(-40, 40), 1, 1);
        if (t == 23) removecard(s, false);
    }
    if (t >= EXTRA_ZOMBIETICKS) {
        extras.zombietarget = 0;
        finish(ITEM_ZOMBIEKILLER);
    }
}

void zombieblaster() {
    int& n = extras.counter[ITEM_ZOMBIEBLASTER];
    Profile& p = akt();
    aktglow();
    if (n == 1) {
        bool any = false;
        int hover = 0;
        for (int i = 1; i <= MAXCARDS; i++) {
            if (!freecard(i)) continue;
            any = true;
            if (mouseoncard(i)) hover = i;
        }
        if (!any) {
            finish(ITEM_ZOMBIEBLASTER);
            return;
        }
        if (hover) {
            int st = p.card[hover].cardstack;
            for (int j = 1; j <= MAXCARDS; j++)
                if (p.card[j].cardtype > 0 && (j == hover || (st > 0 && p.card[j].cardstack == st)))
                    p.card[j].cardshake = 20;
            if (justclicked() && pop.popup == 0) {
                in.mhit1 = 0;
                extras.blasterstack = st;
                extras.zombietarget = hover;  // where the shark aims
                n = 2;
                countuse(STAT_ZOMBIEBLASTER, TROPHY_ZOMBIEBLASTER);
            }
        }
        if (n == 1) {
            float a = pf::getalpha();
            setdraw(0, 1, 1, BLEND_LIGHT, a * 0.6f);
            drawimg(uiimages.cursorglowimg, in.mx, in.my);
            setdraw(0, 1, 1, BLEND_ALPHA, a);
            drawcharacter(CHAR_SHARK, 8, in.mx + 60, in.my + 10, 0.3f, false, 1);
            return;
        }
    }
    int t = n;
    if (t == 2) {
        PlayS(SND_SHARKYFIGHT, in.mx);
        extras.blasterleft = in.mx < disp.midx ? 1 : 0;
    }
    n++;
    int s = extras.zombietarget;
    if (validslot(s)) {
        const CardSlot& c = p.card[s];
        float tx = c.cardx + disp.uixoff + 48, ty = c.cardy + 71;
        float from = extras.blasterleft ? -160.0f : disp.gfxwidth + 160.0f;
        float x;
        if (t <= 22) x = from + (tx - from) * (t - 2) / 20.0f;
        else x = tx + (tx - from) * (t - 22) / 20.0f;  // and on through, out the other side
        int pose = t < 18 ? 8 : t < 30 ? 5 : 6;
        drawcharacter(CHAR_SHARK, pose, x, ty, 0.5f, !extras.blasterleft, 1);
        if (t % 2 == 0) spawnbubble((int)x + (extras.blasterleft ? -60 : 60), (int)ty + pf::rand(-30, 30), 0);
        if (t == 22) {
            for (int j = 1; j <= MAXCARDS; j++) {
                const CardSlot& o = p.card[j];
                bool instack = extras.blasterstack > 0 ? o.cardstack == extras.blasterstack : j == s;
                if (o.cardtype > 0 && instack) removecard(j, false);
            }
        }
    }
    if (n >= EXTRA_ZOMBIETICKS) {
        extras.zombietarget = 0;
        extras.blasterstack = 0;
        finish(ITEM_ZOMBIEBLASTER);
    }
}

bool octopuseligible(int slot) {
    if (!freecard(slot)) return false;
    int t = akt().card[slot].cardtype;
    if (!((t >= 1 && t <= 13) || t == CT_HELPER || t == CT_TOOL || t == CT_FISHSLAP || t == CT_BONUS)) return false;
    for (int k = 1; k <= 3; k++)
        if (extras.pick[k].slot == slot) return false;
    return true;
}

void octopuspicks() {
    Profile& p = akt();
    int r = p.stablecount <= 3 ? 1 : p.stablecount <= 9 ? 10 : 30;
    for (int k = 1; k <= 3; k++) extras.pick[k] = OctopusPick{};
    extras.octopicks = 0;
    for (int pass = 1; pass <= 1200 && extras.octopicks < 3; pass++) {
        for (int i = 1; i <= MAXCARDS && extras.octopicks < 3; i++) {
            if (!octopuseligible(i) || pf::rand(1, r) != 1) continue;
            OctopusPick& pk = extras.pick[++extras.octopicks];
            pk.slot = i;
            const CardSlot& c = p.card[i];
            pk.x = (float)(c.cardx + disp.uixoff);
            pk.y = (float)c.cardy;
            pk.face = c.cardtype == CT_TOOL && c.cardparam >= 1 && c.cardparam <= 3 ? art.tool[c.cardparam] : faceimage(i);
            addpoints(5, (int)pk.x + 48, (int)pk.y + 71);
        }
    }
    countuse(STAT_OCTOPUS, TROPHY_OCTOPUS);
    pf::logline("octopus picks: " + std::to_string(extras.octopicks));
}

// One tentacle: the strips of the picture stacked from its tip (top) down to
// the bottom of the screen, each swaying a little later than the one above.
void drawtentacle(float tipx, float tipy, int t, int k) {
    if (!extraimg.tentacle) return;
    float bottom = disp.gfxheight + 10.0f;
    float len = bottom - tipy;
    if (len <= 0) return;
    float step = len / 110.0f;
    for (int s = 0; s < 110; s++) {
        float y = tipy + s * step;
        float amp = 6 + 0.25f * s;
        float x = tipx + amp * (float)pf::sindeg(8.0 * t - 6.0 * s + 120 * k) * (1 - s / 220.0f);
        drawimgframe(extraimg.tentacle, x, y, s, 110);
    }
}

void octopus() {
    int& n = extras.counter[ITEM_OCTOPUS];
    if (n == 1) {
        octopuspicks();
        if (extras.octopicks == 0) {
            n = 0;
            endwithdraw();
            return;
        }
        PlayS(SND_OCTOPUS1, aktx());
    }
    aktglow();
    int t = n++;
    bool firsttaken = false;
    for (int k = 1; k <= extras.octopicks; k++) firsttaken |= extras.pick[k].carried > 0;
    for (int k = 1; k <= extras.octopicks; k++) {
        OctopusPick& pk = extras.pick[k];
        int start = 5 + 20 * (k - 1);
        if (t < start) continue;
        float cx = pk.x + 48, cy = pk.y + 71;
        if (pk.reach < 100) {
            pk.reach = std::min(100, pk.reach + 3);
            if (pk.reach == 100 && validslot(pk.slot)) {
                if (!firsttaken) PlayS(SND_OCTOPUS2, (int)cx);
                firsttaken = true;
                removecard(pk.slot, true);
                pk.carried = 1;
            }
        } else {
            pk.carried++;
        }
        float tip = disp.gfxheight + 40 - (disp.gfxheight + 40 - cy) * pk.reach / 100.0f;
        tip += pk.carried * pk.carried * 0.05f;  // sinking with the card it holds
        if (pk.carried > 0) {
            float a = pf::getalpha();
            setdraw(4 * (float)pf::sindeg(6.0 * t), 1, 1, BLEND_ALPHA, a * std::max(0.0f, 1 - pk.carried / 90.0f));
            drawimg(pk.face, cx - 48, tip - 71);
            setdraw(0, 1, 1, BLEND_ALPHA, a);
        }
        drawtentacle(cx - 69, tip + 20, t, k);
    }
    if (n >= EXTRA_LONGTICKS) {
        n = 0;
        for (int k = 1; k <= 3; k++) extras.pick[k] = OctopusPick{};
        extras.octopicks = 0;
        endwithdraw();
    }
}

void crab() {
    int& n = extras.counter[ITEM_CRAB];
    Profile& p = akt();
    int t = n++;
    if (t == 2) countuse(STAT_CRAB, TROPHY_CRAB);
    for (int i = 1; i <= MAXCARDS; i++)
        if (freecard(i)) p.card[i].cardshake = std::max(p.card[i].cardshake, 6);
    if (in.mdown1 && in.mdowntime1 == 1) PlayS(SND_CRAB2, in.mx);
    float fade = std::min(1.0f, 0.1f * t) * std::min(1.0f, 0.1f * (EXTRA_LONGTICKS - t));
    drawcharacter(CHAR_CRAB, 1, in.mx + 40, in.my + 50, 0.32f, false, std::max(0.0f, fade));
    if (t % 2 == 0) spawnbubble(pf::rand(0, disp.gfxwidth), disp.gfxheight - pf::rand(0, 20), 0);
    if (n >= EXTRA_LONGTICKS) finish(ITEM_CRAB);
}

void randomextra() {
    int& n = extras.counter[ITEM_RANDOM];
    int t = n++;
    if (t % 2 == 0) spawnbubble(aktx() + pf::rand(10, 86), akty() + pf::rand(10, 132), 0);
    if (n < EXTRA_RANDOMTICKS) return;
    Profile& p = akt();
    extras.randompick = pf::rand(1, 9);
    int kind = randomkinds[extras.randompick];
    n = 0;
    p.aktcard = aktcodes[kind];
    if (kind == ITEM_FISHSLAP) PlayS(SND_BFGSLAP, aktx());
    else extras.counter[kind] = 1;
    if (kind == ITEM_CRAB) PlayS(SND_CRAB1, aktx());
    effburst(aktx() + 48, akty() + 71, 20, kind == ITEM_FISHSLAP ? 0 : 1);  // the slap is its own sound
}

// Sponge, light, antiplant (one lock each) and turnallup (all three).
void cleaner(int kind) {
    int& n = extras.counter[kind];
    Profile& p = akt();
    int t = n++;
    if (t == 1) {
        int ax = aktx() + 48, ay = akty() + 71;
        if (kind == ITEM_TURNALLUP) PlayS(SND_TURNALLUP, aktx());
        addpoints(5, ax, ay);
        int lock = kind == ITEM_TURNALLUP ? 0 : kind - ITEM_SPONGE + 1;
        for (int l = LOCK_OIL; l <= LOCK_PLANTS; l++)
            if (lock == 0 || lock == l) startunlock(l, ax, ay);
        for (int i = 1; i <= MAXCARDS; i++) {
            CardSlot& c = p.card[i];
            if (c.cardtype != CT_TOOL || c.cardlock != LOCK_NONE) continue;
            if (lock != 0 && c.cardparam != lock) continue;
            c.cardtype = CT_FISHSLAP;
            c.cardparam = 0;
            c.cardface = 20;
            effburst(c.cardx + disp.uixoff + 48, c.cardy + 71, 10, 1);
        }
    }
    if (n >= EXTRA_LONGTICKS) finish(kind);
}

// ---- the two bars -------------------------------------------------------------------

bool overmask(Img mask, Img img, float x, float y) {
    if (!mask || !img) return false;
    return pf::imagescollide(mask, in.mx, in.my, 0, img, (int)x, (int)y, 0);
}

void flystep(int counter, float& x, float& y) {
    float f = 0.0666667f * counter;
    x = (float)(int)(x + (aktx() - x) * f);
    y = (float)(int)(y + (akty() - y) * f);
}

void landextra(int slot) {
    Profile& p = akt();
    int kind = extras.flykind;
    extras.flight[slot] = 0;
    extras.flyslot = extras.flykind = 0;
    p.extrabar[slot] = 0;
    if (kind < 1 || kind > ITEM_LASTEXTRA || !aktcodes[kind]) return;
    p.aktsave = p.aktcard;
    p.aktsavevalue = p.aktvalue;
    startkind(kind);
    effburst(aktx() + 48, akty() + 71, 20, kind == ITEM_FISHSLAP ? 0 : 1);
}

}  // namespace

void helperoffset(int i, int& dx, int& dy) {
    bool ok = i >= 1 && i <= MAXHELPERS;
    dx = ok ? helperdx[i] : 0;
    dy = ok ? helperdy[i] : 0;
}

int extraslotx(int slot) { return slot >= 1 && slot <= EXTRASLOTS ? slotxs[slot] : 0; }

int extraaktcode(int kind) { return kind >= 1 && kind <= ITEM_LASTEXTRA ? aktcodes[kind] : 0; }

Img extraimage(int kind) {
    int code = extraaktcode(kind);
    return code ? aktcardimage(code) : nullptr;
}

bool crabactive() { return extras.counter[ITEM_CRAB] > 0; }

bool otherextraactive() {
    for (int k = 1; k <= ITEM_LASTEXTRA; k++)
        if (k != ITEM_CRAB && extras.counter[k] > 0) return true;
    return false;
}

void restoreakt() {
    Profile& p = akt();
    pf::logline("awake old aktcard");
    p.aktcard = p.aktsave;
    p.aktvalue = p.aktsavevalue;
    effburst(aktx() + 48, akty() + 71, 20, 1);
    effglow(aktx() + 48, akty() + 71);
}

void runextras() {
    if (extras.counter[ITEM_ZOMBIEKILLER] > 0) zombiekiller();
    if (extras.counter[ITEM_ZOMBIEBLASTER] > 0) zombieblaster();
    if (extras.counter[ITEM_TURNALLUP] > 0) cleaner(ITEM_TURNALLUP);
    if (extras.counter[ITEM_RANDOM] > 0) randomextra();
    if (extras.counter[ITEM_OCTOPUS] > 0) octopus();
    if (extras.counter[ITEM_CRAB] > 0) crab();
    for (int k : {ITEM_SPONGE, ITEM_LIGHT, ITEM_ANTIPLANT})
        if (extras.counter[k] > 0) cleaner(k);
    if (anyextraactive()) cg.extrabusy = 1;
}

void drawextrabar() {
    Profile& p = akt();
    int h = disp.gfxheight;
    drawimg(hudimg.extrabar, 171, h - 26);
    float a = pf::getalpha();
    for (int i = 1; i <= EXTRASLOTS; i++) {
        int kind = p.extrabar[i];
        if (extras.flight[i] > 0) {
            extras.flight[i]++;
            flystep(extras.flight[i], extras.flyx, extras.flyy);
            drawimg(extraimage(extras.flykind), extras.flyx, extras.flyy);
            if (extras.flight[i] % 2 == 0) spawnbubble((int)extras.flyx + pf::rand(0, CARDW), (int)extras.flyy + pf::rand(0, CARDH), 0);
            if (extras.flight[i] >= EXTRA_FLIGHTTICKS) landextra(i);
            continue;
        }
        Img img = extraimage(kind);
        if (!img) continue;
        int x = slotxs[i], y = h - 149;
        bool over = overmask(popimg.collimg, img, x, y) && cg.inputok;
        drawimg(img, x, y);
        if (!over || pop.popup != 0 || cg.gamestat != 2) continue;
        setdraw(0, 1, 1, BLEND_LIGHT, a * 0.3f);
        drawimg(art.glow, x - 6, h - 155);
        setdraw(0, 1, 1, BLEND_ALPHA, a);
        hud.tooltip = kind + 1;
        if (!justclicked()) continue;
        in.mhit1 = 0;
        // one flight at a time, onto a settled aktcard, never over a working extra
        if (flying() || anyextraactive() || p.movestep != 0 || p.aktflip < 20) continue;
        extras.flight[i] = 1;
        extras.flyslot = i;
        extras.flykind = kind;
        extras.flyx = (float)x;
        extras.flyy = (float)y;
        cg.combo++;
        addpoints(5, x + 48, h - 78);
        PlayS(SND_EXTRACARDSELECTION, x);
        p.levelcount1++;
        effburst(x + 48, y + 71, 12, 1);
        effframe(x + 48, y + 71);
        p.stats[STAT_EXTRASUSED]++;
        if (p.stats[STAT_EXTRASUSED] > 74) wintrophy(TROPHY_EXTRAS);
    }
    drawimg(hudimg.extrabarfront, 171, h - 23);
}

void drawhelpers() {
    Profile& p = akt();
    int w = disp.gfxwidth, h = disp.gfxheight;
    float a = pf::getalpha();
    drawimg(hudimg.helpersbar, w - 188, h - 56);
    extras.hovered = 0;
    bool found = false;
    for (int i = MAXHELPERS; i >= 1; i--) {
        float x = (float)(w - 190 + helperdx[i]), y = (float)(h - 107 + helperdy[i]);
        Img img = extraimg.helper[i];
        if (p.helpers[i] > 0 && extras.helperflight[i] == 0) {
            int hh = img ? pf::imageheight(img) : 0;
            drawimg(extraimg.helpershadow, x, y + hh / 2.0f - 2);
            if (!found && overmask(popimg.coll3img, img, x, y)) {
                found = true;
                if (cg.inputok) extras.hovered = i;
            }
            int& b = extras.helperblink[i];
            if (b == 0 && pf::rand(1, 400) == 1) b = 1;
            else if (b > 0 && ++b > 14) b = 0;
            drawimg(b > 0 ? extraimg.helperblink[i] : img, x, y);
            if (extras.hovered == i && cg.gamestat == 2) {
                setdraw(0, 1, 1, BLEND_LIGHT, a * 0.65f);
                drawimg(img, x, y);
                setdraw(0, 1, 1, BLEND_ALPHA, a);
                if (justclicked() && pop.popup == 0) {
                    in.mhit1 = 0;
                    if (!flying() && p.movestep == 0 && p.aktflip >= 20) {
                        PlayS(SND_TURNUP, in.mx);
                        extras.helperflight[i] = 1;
                        extras.flyx = x - CARDW / 2.0f;
                        extras.flyy = y - CARDH / 2.0f;
                        cg.combo++;
                        addpoints(5, (int)x, (int)y);
                        p.levelcount2++;
                    }
                }
            }
        }
        if (extras.helperflight[i] > 0) {
            int& f = extras.helperflight[i];
            f++;
            flystep(f, extras.flyx, extras.flyy);
            drawimg(art.helpercard[i], extras.flyx, extras.flyy);
            if (f >= EXTRA_FLIGHTTICKS) {
                f = 0;
                p.aktcard = AKT_HELPER + i;
                p.aktvalue = i;
                p.helpers[i] = 0;
                effburst(aktx() + 48, akty() + 71, 15, 1);
                if (p.items[ITEM_HELPERRETURN] > 0) extras.helperarrive[i] = 1;
            }
        }
        int& n = extras.helperarrive[i];
        if (n > 0) {
            if (n == 1) {
                PlayS(SND_GLITTER, (int)x);
                PlayS(SND_EARNPLANT, (int)x);
            }
            n++;
            spawnbubble((int)x + pf::rand(-15, 15), (int)y + pf::rand(-35, 35), 0);
            float s = std::max(1.0f, 2 - 0.04f * n);
            float al = n <= 25 ? 0.04f * n : 1 - 0.04f * (n - 25);
            setdraw(0, s, s, BLEND_LIGHT, a * std::clamp(al, 0.0f, 1.0f));
            drawimg(img, x, y);
            setdraw(0, 1, 1, BLEND_ALPHA, a);
            if (n == 25) p.helpers[i] = 1;
            if (n >= HELPER_ARRIVETICKS) n = 0;
        }
    }
    if (in.mx > w - 360 && in.my > h - 130) hud.tooltip = 1;
}

void starthelperarrive(int helper) {
    if (helper < 1 || helper > MAXHELPERS) return;
    extras.helperarrive[helper] = 1;
}

void allhelpersarrive() {
    for (int i = 1; i <= MAXHELPERS; i++)
        if (extras.helperarrive[i] == 0) starthelperarrive(i);
}

void firstvisitgift() {
    if (!haveplayer() || core.aktlevel != 2 || akt().maxlevel != 2 || gs.leveltick != FIRSTVISIT_TICK) return;
    if (extras.giftgiven) return;
    extras.giftgiven = 1;
    for (int i : {3, 5, 7})
        if (akt().helpers[i] == 0) starthelperarrive(i);
}

void resetextrasforlevel() {
    Extras fresh;
    extras = fresh;
}

void loadextrastuff() {
    freeextrastuff();
    pf::automidhandle(true);
    for (int i = 1; i <= MAXHELPERS; i++) {
        std::string n = std::to_string(i + 1);
        extraimg.helper[i] = loadimg("data\\game/plant" + n + ".png");
        extraimg.helperblink[i] = loadimg("data\\game/plant" + n + "-2.png");
    }
    extraimg.helpershadow = loadimg("data\\game/plantshadow.png");
    pf::automidhandle(false);
    extraimg.tentacle = loadanimimg("data\\game/tentacle.png", 138, 4, 110);
    if (extraimg.tentacle) pf::setimagehandle(extraimg.tentacle, 0, 0);
    pf::automidhandle(true);
    for (int f = 1; f <= 2; f++) extraimg.sponge[f] = loadimg("data\\game/spongehelper" + std::to_string(f) + ".png");
    for (int f = 1; f <= 3; f++) extraimg.swordfish[f] = loadimg("data\\game/swordhelper" + std::to_string(f) + ".png");
}

Img toolhelperframe(int helper, int frame) {
    if (helper == 1 && frame >= 1 && frame <= 2) return extraimg.sponge[frame];
    if (helper == 2 && frame >= 1 && frame <= 3) return extraimg.swordfish[frame];
    return nullptr;
}

void freeextrastuff() {
    for (int i = 1; i <= MAXHELPERS; i++) {
        freeimg(extraimg.helper[i]);
        freeimg(extraimg.helperblink[i]);
    }
    freeimg(extraimg.helpershadow);
    freeimg(extraimg.tentacle);
    for (Img& i : extraimg.sponge) freeimg(i);
    for (Img& i : extraimg.swordfish) freeimg(i);
    extraimg = ExtraImages{};
}

void resetextras() {
    freeextrastuff();
    extras = Extras{};
}
