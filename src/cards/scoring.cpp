// Points and pearls: the awards, the pearl tokens flying to the pearl bar,
// the click-flood check, the star thresholds and the per-player resets after
// a level.
#include <algorithm>
#include <cmath>

#include "cards/cardgame.h"
#include "cards/gamescreen.h"
#include "core/globals.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "menus/popups.h"
#include "meta/itemids.h"
#include "platform/platform.h"
#include "present/effects.h"
#include "present/sound.h"
#include "present/texts.h"

Scoring sc;

void resetscoring() {
    int lock = sc.starlock;
    sc = Scoring{};
    sc.starlock = lock;
}

// An award counts only where it can be seen: effects that fly off the screen
// must not score.
void addpoints(int amount, int x, int y) {
    if (x > 0 && x < disp.gfxwidth && y > 0 && y < disp.gfxheight) sc.points += amount * akt().pointmult;
}

void addpearls(int amount, int x, int y) {
    int d = amount;
    if (akt().items[ITEM_DOUBLEPEARLS] > 0) d *= 2;
    addtext(x, y + 80, std::to_string(d));
    pearltoken((float)x, (float)y, d);
    // the bubbles are for the screen; a level played without one (the
    // solver) keeps its random stream to the rules
    if (core.screen == SCREEN_GAME) effburst((float)x, (float)y, 10, 0);
    PlaySvol(SND_CASH2_1, x, 0.7f);
}

// Slot 50 is never used: 49 tokens in flight is already far more than the
// bar can show, so a further award is dropped rather than overwriting one.
void pearltoken(float x, float y, int amount) {
    for (int i = 1; i <= MAXPEARLTOKENS - 1; i++) {
        PearlToken& t = sc.token[i];
        if (t.amount != 0) continue;
        t.amount = amount;
        t.x = x;
        t.y = y;
        t.age = 0;
        return;
    }
}

void movepearls() {
    const float tx = 128, ty = 20;
    float a = pf::getalpha();
    for (int i = 1; i <= MAXPEARLTOKENS; i++) {
        PearlToken& t = sc.token[i];
        if (t.amount == 0) continue;
        t.age++;
        t.x += std::trunc(std::clamp((tx - t.x) * 0.06f, -6.0f, 6.0f));
        t.y += std::trunc(std::clamp((ty - t.y) * 0.06f, -6.0f, 6.0f));
        float s = 0.35f + 0.08f * (float)pf::sindeg(12.0 * t.age);
        setdraw(20.0f * core.framecount, s, s, BLEND_LIGHT, a);
        drawimg(effimg.glowstar, t.x, t.y);
        setdraw(0, s * 0.6f, s * 0.6f, BLEND_ALPHA, a);
        drawimg(effimg.bubble, t.x, t.y);
        setdraw(0, 1, 1, BLEND_ALPHA, a);
        if (core.framecount % 3 == 0) spawnbubble((int)t.x, (int)t.y, 0);
        if (core.framecount % 5 == 0) addeff(t.x, t.y, EFF_FALLGLOW + 1, 0, 0);
        if (std::fabs(t.x - tx) < 20 && std::fabs(t.y - ty) < 20) {
            effstars(t.x, t.y, 1);
            PlayS(SND_BLUBBER3, (int)t.x);
            effburst(t.x, t.y, 10, 0);
            if (haveplayer()) akt().pearls += t.amount;
            t = PearlToken{};
        }
    }
}

int pearlsunderway() {
    int n = 0;
    for (int i = 1; i <= MAXPEARLTOKENS; i++) n += sc.token[i].amount;
    for (int j = 1; j <= std::min(sc.wonstars, 3); j++)
        if (!sc.star[j].paid) n += STARPEARLS;
    return n;
}

void payunderway() {
    if (!haveplayer()) return;
    akt().pearls += pearlsunderway();
    for (int i = 1; i <= MAXPEARLTOKENS; i++) sc.token[i] = PearlToken{};
    for (int j = 1; j <= std::min(sc.wonstars, 3); j++) sc.star[j].paid = 1;
}

void clickcheck() {
    if (pop.popup != 0) return;
    if (!in.mhit1 && !in.mhit2) return;
    sc.clickcount++;
    if (sc.clickcount <= 5) return;
    if (core.framecount - sc.clickstart < 65) {
        addtext(in.mx, in.my - 35, gametext(5, 1));
        addtext(in.mx, in.my + 15, gametext(5, 2));
        sc.points = sc.points <= 50 ? 0 : sc.points - 50;
        PlayS(SND_FAILURE, in.mx);
    }
    sc.clickcount = 0;
    sc.clickstart = core.framecount;
}

int starsreached(int shown) {
    int n = 0;
    for (int k = 1; k <= 3; k++)
        if (shown >= STARTHRESHOLD[k]) n = k;
    return n;
}

void endtints() {
    if (sc.endseq <= 0) return;
    int f = fade.fadelevel;
    float e = (float)sc.endseq;
    if (cg.gameresult == 2) {
        float k = (200 - e) * 0.005f * (0.5f + 0.5f * (float)pf::cosdeg(10.0 * e));
        pf::setcolour(f, (int)(f * k), (int)(f * k));
    } else {
        float k = std::min(1.0f, 0.5f + std::max(0.0f, (50 - e) * 0.02f));
        pf::setcolour((int)(f * k), (int)(f * k), (int)(f * k));
    }
}

namespace {
void clearfish(Profile& p) {
    for (int f = 1; f <= MAXFISH; f++) p.fish[f] = FishRec{};
    p.fishserved = 0;
}
}  // namespace

void winreset() {
    if (!haveplayer()) return;
    Profile& p = akt();
    sc.starlock = 1;
    p.leveltime = 0;
    p.bestcombo = 0;
    p.pointmult = 1;
    p.stockround = 1;
    p.ingame = 0;
    p.levelcount1 = p.levelcount2 = 0;
    p.savedpoints = 0;
    p.totalpoints += sc.points;
    for (int k = 1; k <= 3; k++) p.starstate[k] = 0;
    clearfish(p);
    if (p.maxlevel == p.sellevel) {
        core.playlevel++;
        p.sellevel++;
        p.maxlevel++;
        pf::logline("kleiner hopser");
    }
    for (int i = ITEM_FIRSTBOOSTER; i <= ITEM_LASTBOOSTER; i++)
        if (p.items[i] > 0) p.items[i]--;
    saveplayer(players.aktplayer);
}

void losereset() {
    if (!haveplayer()) return;
    Profile& p = akt();
    sc.starlock = 1;
    p.leveltime = 0;
    p.bestcombo = 0;
    p.ingame = 0;
    sc.points = 0;
    p.savedpoints = 0;
    p.stockround = 1;
    p.pointmult = 1;
    p.levelcount1 = p.levelcount2 = 0;
    for (int k = 1; k <= 3; k++) p.starstate[k] = 0;
    clearfish(p);
    saveplayer(players.aktplayer);
}
