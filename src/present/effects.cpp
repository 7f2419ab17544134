// The effect list: spawning, the per-tick pass and the spawner routines.
#include "present/effects.h"

#include <cmath>
#include <string>

#include "core/globals.h"
#include "core/profiles.h"
#include "present/sound.h"

EffectList effects;
BubbleLayers bubblelayers;
EffectImages effimg;
EffectHooks effhooks;

namespace {

int rnd(int a, int b) { return pf::rand(a, b); }
float sind(double d) { return static_cast<float>(pf::sindeg(d)); }
float cosd(double d) { return static_cast<float>(pf::cosdeg(d)); }

void sfx(int id, float x) {
    PlayS(id, static_cast<int>(x));
    if (effhooks.soundspy) effhooks.soundspy(id, static_cast<int>(x), 1.0f);
}

void sfxvol(int id, float x, float vol) {
    PlaySvol(id, static_cast<int>(x), vol);
    if (effhooks.soundspy) effhooks.soundspy(id, static_cast<int>(x), vol);
}

// Pictures held in 1-based tables: an index outside the table is no picture.
Img pick(Img const* table, int size, int n) { return (n >= 1 && n < size) ? table[n] : nullptr; }
Img glowparticle(int n) { return pick(effimg.glb, 10, n); }

Img hookimg(Img (*fn)(int), int n) { return fn ? fn(n) : nullptr; }
Img hookimg(Img (*fn)()) { return fn ? fn() : nullptr; }

float stableyvalue() { return effhooks.stabley ? effhooks.stabley() : 580.0f; }

// Step +n: the extra step with a chance of 3 in 10 makes particles spawned
// together drift apart in their lifetimes.
void step(Effect& e, int n) {
    e.age += n;
    if (rnd(1, 10) < 4) e.age += n;
}

void jittermove(Effect& e) {
    e.x += e.vx + 0.05f * rnd(-10, 10);
    e.y += e.vy + 0.05f * rnd(-10, 10);
}

void plainmove(Effect& e) {
    e.x += e.vx;
    e.y += e.vy;
}

// A slow machine drops its decorations after one drawn tick.
void fpscut(Effect& e) {
    if (core.fps < 10) e.kind = 0;
}

// Fade-out from a to b: full before a, nothing at b.
float fadeout(int age, float a, float b) { return age > a ? limit0((b - age) / (b - a)) : 1.0f; }

void state(float rot, float sx, float sy) {
    pf::setrotation(rot);
    pf::setscale(sx, sy);
}

// ---- kinds --------------------------------------------------------------

void glowparticlekind(Effect& e) {
    step(e, 1);
    jittermove(e);
    float base = (1 - 0.01f * e.age) * 0.7f;
    float sx = base * (0.5f + 0.05f * rnd(-10, 10));
    float sy = base * (0.5f + 0.05f * rnd(-10, 10));
    pf::setscale(sx, sy);
    float sa = scenealpha();
    pf::setalpha(e.age < 10 ? sa * 0.1f * e.age : sa * (100 - e.age) * 0.01f);
    drawimg(glowparticle(e.kind <= 9 ? e.kind : 1), e.x, e.y);
    if (e.age >= 100) e.kind = 0;
    fpscut(e);
}

void fallingglow(Effect& e, bool small) {
    step(e, 2);
    e.vy += 0.3f;
    jittermove(e);
    int n = e.kind - (small ? EFF_FALLGLOWSMALL : EFF_FALLGLOW);
    if (n < 1 || n > 9) n = 1;  // kinds 100 and 150 have no colour of their own
    if (small) {
        float s = 1 - 0.01f * e.age;
        pf::setscale(s, s);
    } else {
        float s = (1 - 0.01f * e.age) * 1.2f;
        pf::setscale(s, s);
        pf::setalpha(e.age > 4 ? 1.0f : 0.2f * e.age);
    }
    drawimg(glowparticle(n), e.x, e.y);
    if (e.age > 99) e.kind = 0;
    fpscut(e);
}

void stonefragment(Effect& e, float a0) {
    static const int off[9][2] = {{0, 0},      {-101, -174}, {-22, -109}, {68, -162}, {-120, -68},
                                  {-112, -15}, {-61, 27},    {79, 92},    {-33, 161}};
    int n = e.kind - EFF_STONEPART;  // 1..8 by the dispatch
    if (e.age == 1) {
        float dx = static_cast<float>(off[n][0]), dy = static_cast<float>(off[n][1]);
        e.x += dx;
        e.y += dy;
        e.vx = 0.03f * dx;
        e.vy = 0.03f * dy;
    }
    e.vy += 0.3f;
    plainmove(e);
    e.age += 1;
    // solid rock: not lit by whatever blend the effect before it left behind
    pf::setblend(BLEND_ALPHA);
    pf::setalpha(a0 * (e.age >= 91 ? limit0(0.1f * (100 - e.age)) : 1.0f));
    drawimg(hookimg(effhooks.stonepart, n), e.x, e.y);
    if (e.age > 100) e.kind = 0;
}

void lamplight(Effect& e, float a0) {
    e.age += 1;
    pf::setalpha(a0 * limit1(0.2f * e.age) * fadeout(e.age, 90, 100));
    drawimg(effimg.lamplight, e.x, e.y + 40);
    if (e.age > 100) e.kind = 0;
}

// Music notes and sleep marks wobble up and to the right.
void floatingmark(Effect& e, int s, float a0, Img img) {
    e.vx = 1.5f + 0.9f * sind(4 * e.age + s / 10);
    e.vy = -(2.3f + 1.1f * sind(3 * e.age + s / 5));
    plainmove(e);
    e.age += 1;
    pf::setscale(0.8f + 0.2f * sind(s + 10 * e.age), 0.8f + 0.2f * cosd(s + 10 * e.age));
    pf::setalpha(a0 * limit1(0.1f * e.age) * fadeout(e.age, 90, 100));
    drawimg(img, e.x, e.y);
    pf::setscale(1, 1);
    if (e.age > 100) e.kind = 0;
}

void oilsplat(Effect& e, int s, float a0) {
    if (e.age == 1) e.angle = rnd(-180, 180) + 450;
    // The direction turns towards straight down (450 degrees).
    e.angle = static_cast<int>(e.angle - (e.angle - 450) * 0.05f);
    e.vx = 4 * cosd(e.angle);
    e.vy = 4 * sind(e.angle);
    plainmove(e);
    e.age += 1;
    float sc = 0.4f + 0.25f * sind(0.5 * s);
    state(static_cast<float>(e.angle), sc, sc);
    pf::setalpha(a0 * (e.age < 26 ? 1.0f : limit0(0.04f * (50 - e.age))));
    drawimg(effimg.oilsplat, e.x, e.y);
    state(0, 1, 1);
    if (e.age > 50) e.kind = 0;
    fpscut(e);
}

// 600 + k sponge, 700 + k swordfish: swims to card slot k, works there, leaves.
void helper(Effect& e, float a0) {
    bool sword = e.kind >= EFF_SWORDHELPER;
    int k = e.kind - (sword ? EFF_SWORDHELPER : EFF_SPONGEHELPER);
    int p = (players.aktplayer >= 1 && players.aktplayer <= MAXPLAYERS) ? players.aktplayer : 1;
    float cx = 0, cy = 0;
    bool found = false;
    if (k >= 1 && k <= MAXCARDS) {
        if (effhooks.cardpos) {
            found = effhooks.cardpos(p, k, cx, cy);
        } else {
            cx = static_cast<float>(players.p[p].card[k].cardx);
            cy = static_cast<float>(players.p[p].card[k].cardy);
            found = true;
        }
    }
    if (!found) {  // no card to swim to
        e.kind = 0;
        return;
    }
    float tx = cx + disp.uixoff + 48, ty = cy + 71 + (sword ? 70 : 0);
    float dx = 0.04f * (e.x - tx), dy = 0.04f * (e.y - ty);
    bool arrived = e.x > tx - 40 && e.x < tx + 40 && e.y > ty - 30 && e.y < ty + 30;
    int phase;
    float hstep = 0;
    if (e.age < 111) {
        phase = arrived ? 2 : 1;
    } else {
        if (e.age == 111) {
            sfx(sword ? 18 : 25, e.x);
            if (sword) {
                for (int i = 0; i < 25; i++)
                    addeff(e.x + rnd(-20, 20), e.y + rnd(-30, 30), EFF_PLANTPART, 0.2f * rnd(-50, 50), 0.2f * rnd(-50, 0));
            }
        }
        e.age += 1;
        phase = 3;
        hstep = e.x < disp.midx ? 5.0f : -5.0f;
    }
    bool movingright = phase == 3 ? hstep < 0 : dx < 0;
    e.x -= (phase == 3 ? hstep : dx);
    e.y -= dy;
    int who = sword ? 2 : 1;
    if (phase != 2) {
        pf::setscale(movingright ? -1.0f : 1.0f, 1);
        drawimg(effhooks.helperframe ? effhooks.helperframe(who, 1) : nullptr, e.x, e.y);
        pf::setscale(1, 1);
        if (rnd(1, 15) == 1) addeff(e.x + rnd(-40, 40), e.y + rnd(-80, 80), EFF_BUBBLE, 0, 0);
    } else {
        if (e.age == 1) sfx(sword ? 17 : 24, e.x);
        e.age += 1;
        float bob = 40 * sind(5 * e.age);
        int frame = 2;
        bool mirrored;
        if (sword) {
            int w = (e.age / 4) % 4;
            frame = (w == 1 || w == 3) ? 3 : 2;
            mirrored = w == 2;
        } else {
            mirrored = (e.age / 4) % 2 == 1;
        }
        pf::setscale(mirrored ? -1.0f : 1.0f, 1);
        drawimg(effhooks.helperframe ? effhooks.helperframe(who, frame) : nullptr, e.x, e.y + bob);
        pf::setscale(1, 1);
        if (core.framecount % 5 == 0) addeff(e.x + rnd(-40, 40), e.y + bob + rnd(-40, 40), EFF_BUBBLE, 0, 0);
        if (sword) {
            if (rnd(1, 7) == 1)
                addeff(e.x + rnd(-20, 20), e.y + bob + rnd(-30, 30), EFF_PLANTPART, 0.2f * rnd(-50, 50), 0.2f * rnd(-50, 0));
        } else if (rnd(1, 3) == 1) {
            addeff(e.x + rnd(-20, 20), e.y + bob + rnd(-20, 10), EFF_OILSPLAT, 0, 0);
        }
    }
    (void)a0;
    if (e.age > 300) e.kind = 0;
}

// Points star (828) and task hook (827) share their fade; both burst at the end.
void rewardstar(Effect& e, bool hook) {
    e.age += 1;
    if (hook) {
        float sc = 2 - 0.02f * e.age;
        pf::setscale(sc, sc);
    } else {
        float sc = 1 - 0.0116f * e.age;
        state(2.0f * e.age - 100, sc, sc);
    }
    pf::setalpha(e.age > 45 ? limit0(0.2f * (50 - e.age)) : limit1(0.1f * e.age));
    drawimg(hook ? hookimg(effhooks.taskhook) : effimg.pointsstar, e.x, e.y);
    state(0, 1, 1);
    if (e.age > 50) {
        e.kind = 0;
        float x = e.x, y = e.y;  // the slot may be reused by the burst
        if (hook) {
            effburst(x, y, 5, 1);
            effstars(x, y, 2);
            if (effhooks.addpearls) effhooks.addpearls(500, x, y - 20);
        } else {
            effburst(x, y, 5, 3);
            effstars(x, y, 4);
        }
    }
}

void plantfragment(Effect& e, int s) {
    e.age += 1;
    if (e.age == 1) {
        sfx(SND_PLANTPARTS, e.x);
        if (s % 4 == 0) effburst(e.x, e.y, 4, 1);
    }
    if (rnd(1, 10) < 4) e.age += 1;
    e.vx *= 0.98f;
    e.vy += 0.3f;
    plainmove(e);
    pf::setrotation(static_cast<float>(core.framecount) * (s % 20 + 10));
    pf::setalpha(scenealpha() * (e.age < 151 ? 1.0f : limit0(0.05f * (170 - e.age))));
    // Only three fragment pictures exist: fragments 4..6 repeat them.
    drawimg(pick(effimg.plantpart, 4, (s % 6) % 3 + 1), e.x, e.y);
    pf::setrotation(0);
    if (e.age > 169) e.kind = 0;
    fpscut(e);
}

void shell(Effect& e, int s) {
    e.age += 1;
    if (e.age <= 88) return;  // waits invisibly
    if (rnd(1, 10) < 4) e.age += 1;
    e.x += e.vx * (0.5f + 0.5f * sind(16.0 * e.age + 33.0 * s));
    e.y += e.vy;
    if (e.age % 22 == 0 && s % 10 == 0) sfxvol(SND_SHELLS2, e.x, 1 - 0.005f * e.age);
    if (e.age < 100 && rnd(1, 150) == 1) effburst(e.x, e.y, 1, 2);
    pf::setalpha(scenealpha() * (e.age < 181 ? 1.0f : limit0(0.05f * (200 - e.age))));
    drawimg(effimg.shell[e.vx > 0 ? 2 : 1], e.x, e.y);
    if (e.age > 199) e.kind = 0;
    fpscut(e);
}

void questionmark(Effect& e, int s) {
    e.age += 1;
    plainmove(e);
    pf::setalpha(scenealpha() * (e.age < 41 ? 1.0f : 0.1f * (50 - e.age)));
    float sc = 0.5f + 0.1f * (s % 5);
    pf::setscale(sc, sc);
    drawimg(effimg.question, e.x, e.y);
    pf::setscale(1, 1);
    if (e.age > 49) e.kind = 0;
    fpscut(e);
}

void stableglow(Effect& e, bool atstable) {
    e.age += 1;
    pf::setblend(BLEND_LIGHT);
    pf::setalpha(scenealpha() * (1 - 0.02f * e.age));
    drawimg(effimg.extracardglow, e.x, atstable ? stableyvalue() + 71 : e.y);
    if (e.age >= 50) e.kind = 0;
}

void cardfragment(Effect& e, int s) {
    e.age += 1;
    e.vy += 0.3f;
    jittermove(e);
    int m = s % 3;
    pf::setrotation(static_cast<float>(m == 1 ? 3 * e.age : m == 2 ? -2 * e.age : e.age));
    pf::setalpha(scenealpha() * (e.age < 91 ? 1.0f : 0.1f * (100 - e.age)));
    drawimg(effimg.cardpart[m + 1], e.x, e.y);
    pf::setrotation(0);
    if (e.age > 99) e.kind = 0;
    fpscut(e);
}

// 840..848 coloured stars and 993 stars: tumble down under gravity.
void fallingstar(Effect& e, int s, bool plain) {
    plainmove(e);
    e.vy += 0.3f;
    float sc = 0.5f + 0.4f * sind(55.0 * s);
    state(static_cast<float>(core.framecount) * (s % 20 + 20), sc, sc);
    pf::setalpha(scenealpha());
    Img img;
    if (plain) img = (s % 2 == 1) ? effimg.starimg : glowparticle(7);
    else img = (s % 2 == 1) ? pick(effimg.star, 10, e.kind - EFF_COLOURSTAR) : glowparticle(e.kind - EFF_COLOURSTAR);
    drawimg(img, e.x, e.y);
    state(0, 1, 1);
    if (e.y > disp.gfxheight + 20) e.kind = 0;
    fpscut(e);
}

void sparkle(Effect& e, int s, bool blue) {
    e.age += 1;
    float a;
    if (blue) {
        e.vx *= 0.5f;
        e.vy *= 0.5f;
        plainmove(e);
        a = cosd(1.5 * e.age);
        state(90.0f * s + core.framecount, 0.5f * a, 0.5f * a);
    } else {
        a = sind(3.0 * e.age);
        state(3.0f * core.framecount + 90.0f * s, 0.5f * a, 0.5f * a);
    }
    pf::setalpha(a);
    drawimg(blue ? effimg.sparkleblue : effimg.sparkle, e.x, e.y);
    state(0, 1, 1);
    if (e.age > 59) e.kind = 0;
    fpscut(e);
}

void glowstar(Effect& e, int s) {
    step(e, 1);
    float a = sind(6.0 * e.age);
    state(static_cast<float>(e.age + 11 * s), 0.8f * a, 0.8f * a);
    pf::setalpha(a);
    drawimg(effimg.glowstar, e.x, e.y);
    state(0, 1, 1);
    if (e.age > 29) e.kind = 0;
    fpscut(e);
}

void cardflash(Effect& e) {
    e.age += 1;
    pf::setblend(BLEND_LIGHT);
    pf::setalpha((1 - 0.05f * e.age) * 0.2f);
    pf::setrotation(e.vx);
    Img img = e.kind == EFF_CARDBACKFLASH ? hookimg(effhooks.cardback) : hookimg(effhooks.cardface, e.kind - EFF_CARDFLASH);
    drawimg(img, e.x, e.y);
    pf::setrotation(0);
    if (e.age > 19) e.kind = 0;
}

// 21000 rising bubble, 21001..21099 coloured bubbles, 21200 big bubble.
void risingbubble(Effect& e, int s, float a0) {
    e.x -= sind((1.5 + 0.15 * (s % 40)) * core.framecount) * (1.5f + s % 3);
    e.y -= 2 + 0.1f * (s % 40);
    float sc;
    Img img;
    if (e.kind == EFF_BIGBUBBLE) {
        sc = 0.15f + 0.0015f * (s % 100);
        img = effimg.bubble;
        pf::setblend(BLEND_LIGHT);
    } else {
        sc = 0.05f + 0.05f * (s % 5);
        if (e.kind == EFF_BUBBLE) {
            img = effimg.bubble;
            pf::setblend(BLEND_LIGHT);
        } else {
            img = pick(effimg.bubblecolor, 10, e.kind - EFF_COLOURBUBBLE);
        }
    }
    pf::setscale(sc, sc);
    pf::setalpha(a0);
    drawimg(img, e.x, e.y);
    pf::setscale(1, 1);
    if (e.y < 0) e.kind = 0;
}

}  // namespace

float scenealpha() { return effhooks.scenealpha ? effhooks.scenealpha() : 1.0f; }

namespace {
void freeeffectimages() {
    for (Img* set : {effimg.glb, effimg.star, effimg.bubblecolor, effimg.glo})
        for (int i = 1; i <= 9; i++) freeimg(set[i]);
    for (int i = 1; i <= 3; i++) {
        freeimg(effimg.cardpart[i]);
        freeimg(effimg.plantpart[i]);
    }
    for (int i = 1; i <= 2; i++) freeimg(effimg.shell[i]);
    for (Img* i : {&effimg.question, &effimg.extracardglow, &effimg.lamplight, &effimg.oilsplat, &effimg.sleepmark,
                   &effimg.glower, &effimg.deepsealight, &effimg.glowstar, &effimg.sparkle, &effimg.sparkleblue,
                   &effimg.starimg, &effimg.bubble, &effimg.pointsstar, &effimg.bigstar})
        freeimg(*i);
}
}  // namespace

void loadeffects() {
    // Loading again (a test that starts the game twice) must not leak the
    // pictures of the first load.
    freeeffectimages();
    auto n = [](int i) { return std::to_string(i); };
    for (int i = 1; i <= 9; i++) {
        effimg.glb[i] = loadimg("data\\effects\\glb" + n(i) + ".png");
        effimg.star[i] = loadimg("data\\effects\\star" + n(i) + ".png");
        effimg.bubblecolor[i] = loadimg("data\\effects\\bubblecolor" + n(i) + ".png");
        effimg.glo[i] = loadimg("data\\effects\\glo" + n(i) + ".png");
    }
    for (int i = 1; i <= 3; i++) {
        effimg.cardpart[i] = loadimg("data\\effects\\cardpart" + n(i) + ".png");
        effimg.plantpart[i] = loadimg("data\\effects\\plantpart" + n(i) + ".png");
    }
    for (int i = 1; i <= 2; i++) effimg.shell[i] = loadimg("data\\effects\\shell" + n(i) + ".png");
    effimg.question = loadimg("data\\effects\\question.png");
    effimg.extracardglow = loadimg("data\\solitaire/extracardglow.png");
    effimg.lamplight = loadimg("data\\solitaire/lamplight.png");
    effimg.oilsplat = loadimg("data\\effects\\oilsplat.png");
    effimg.sleepmark = loadimg("data\\effects\\z.png");
    effimg.glower = loadimg("data\\effects\\glower.png");
    effimg.deepsealight = loadimg("data\\effects\\deepsealight.png");
    effimg.glowstar = loadimg("data\\effects\\glowstar.png");
    effimg.sparkle = loadimg("data\\effects\\sparkle.png");
    effimg.sparkleblue = loadimg("data\\effects\\sparkle-blue.png");
    effimg.starimg = loadimg("data\\effects\\star.png");
    effimg.bubble = loadimg("data\\effects\\bubble.png");
    effimg.pointsstar = loadimg("data\\effects\\pointsstar.png");
    effimg.bigstar = loadimg("data\\effects\\bigstar.png");
}

void cleareffects() {
    for (int i = 1; i <= MAXEFFECTS; i++) effects.eff[i].kind = 0;
}

int addeff(float x, float y, int kind, float p4, float p5) {
    int slot = MAXEFFECTS;  // a full list overwrites the last slot
    for (int i = 1; i < MAXEFFECTS; i++) {
        if (effects.eff[i].kind == 0) {
            slot = i;
            break;
        }
    }
    Effect& e = effects.eff[slot];
    e.kind = kind;
    e.x = x;
    e.y = y;
    e.vx = p4;
    e.vy = p5;
    e.age = 0;
    e.angle = rnd(1, 360);
    // Small particles start part-way through their life so a burst thins out.
    if (kind <= EFF_AGEDSTART_LAST) e.age = rnd(0, 50);
    return slot;
}

namespace {
// Which rule moves and draws which kinds (ranges inclusive). A kind found in
// no row holds its slot undrawn until the list is cleared.
using KindRule = void (*)(Effect& e, int slot, float a0);
struct KindRow {
    int first, last;
    KindRule rule;
};
const KindRow kindtable[] = {
    {EFF_GLOW, EFF_GLOW_LAST, [](Effect& e, int, float) { glowparticlekind(e); }},
    {EFF_FALLGLOW, EFF_FALLGLOW_LAST, [](Effect& e, int, float) { fallingglow(e, false); }},
    {EFF_FALLGLOWSMALL, EFF_FALLGLOWSMALL_LAST, [](Effect& e, int, float) { fallingglow(e, true); }},
    {EFF_STONEPART_FIRST, EFF_STONEPART_LAST, [](Effect& e, int, float a0) { stonefragment(e, a0); }},
    {EFF_LAMPLIGHT, EFF_LAMPLIGHT, [](Effect& e, int, float a0) { lamplight(e, a0); }},
    {EFF_MUSICNOTE, EFF_MUSICNOTE,
     [](Effect& e, int s, float a0) { floatingmark(e, s, a0, hookimg(effhooks.musicnote, s % 2 + 1)); }},
    {EFF_SLEEPMARK, EFF_SLEEPMARK, [](Effect& e, int s, float a0) { floatingmark(e, s, a0, effimg.sleepmark); }},
    {EFF_OILSPLAT, EFF_OILSPLAT, [](Effect& e, int s, float a0) { oilsplat(e, s, a0); }},
    {EFF_TASKHOOK, EFF_POINTSSTAR, [](Effect& e, int, float) { rewardstar(e, e.kind == EFF_TASKHOOK); }},
    {EFF_PLANTPART, EFF_PLANTPART, [](Effect& e, int s, float) { plantfragment(e, s); }},
    {EFF_SHELL, EFF_SHELL, [](Effect& e, int s, float) { shell(e, s); }},
    {EFF_QUESTION, EFF_QUESTION, [](Effect& e, int s, float) { questionmark(e, s); }},
    {EFF_STABLEGLOW, EFF_STABLEGLOW, [](Effect& e, int, float) { stableglow(e, true); }},
    {EFF_GLOWAT, EFF_GLOWAT, [](Effect& e, int, float) { stableglow(e, false); }},
    {EFF_CARDPART, EFF_CARDPART, [](Effect& e, int s, float) { cardfragment(e, s); }},
    {EFF_COLOURSTAR, EFF_COLOURSTAR_LAST, [](Effect& e, int s, float) { fallingstar(e, s, false); }},
    {EFF_STAR, EFF_STAR, [](Effect& e, int s, float) { fallingstar(e, s, true); }},
    {EFF_SPARKLE, EFF_SPARKLE, [](Effect& e, int s, float) { sparkle(e, s, false); }},
    {EFF_BLUESPARKLE, EFF_BLUESPARKLE, [](Effect& e, int s, float) { sparkle(e, s, true); }},
    {EFF_GLOWSTAR, EFF_GLOWSTAR_LAST, [](Effect& e, int s, float) { glowstar(e, s); }},
    {EFF_CARDFLASH, EFF_CARDBACKFLASH, [](Effect& e, int, float) { cardflash(e); }},
    {EFF_BUBBLE, EFF_COLOURBUBBLE_LAST, [](Effect& e, int s, float a0) { risingbubble(e, s, a0); }},
    {EFF_BIGBUBBLE, EFF_BIGBUBBLE, [](Effect& e, int s, float a0) { risingbubble(e, s, a0); }},
};
}  // namespace

void draweff() {
    const float a0 = pf::getalpha();
    bool seensponge = false, seensword = false;
    for (int s = 1; s <= MAXEFFECTS; s++) {
        Effect& e = effects.eff[s];
        const int k = e.kind;
        if (k <= 0) continue;
        if (k >= EFF_SPONGEHELPER && k <= EFF_SWORDHELPER_LAST) {
            bool& seen = k <= EFF_SPONGEHELPER_LAST ? seensponge : seensword;
            if (seen) {  // only one helper of each kind works at a time
                e.kind = 0;
                continue;
            }
            seen = true;
            helper(e, a0);
        } else {
            for (const KindRow& row : kindtable) {
                if (k >= row.first && k <= row.last) {
                    row.rule(e, s, a0);
                    break;
                }
            }
        }
        // Any other kind holds its slot undrawn until the list is cleared.
        pf::setrotation(0);
        pf::setscale(1, 1);
    }
    pf::setscale(1, 1);
    pf::setrotation(0);
    pf::setalpha(scenealpha());
    pf::setblend(BLEND_ALPHA);
}

void effpoint(int x, int y) {
    addeff(static_cast<float>(x), static_cast<float>(y), 828, 0, 0);
    sfx(SND_POINTSSTAR, static_cast<float>(x));
}

void efftask(int x, int y) {
    addeff(static_cast<float>(x), static_cast<float>(y), 827, 0, 0);
    sfx(SND_POINTSSTAR, static_cast<float>(x));
}

void effburst(float x, float y, int n, int pop) {
    if (pop >= 1 && pop <= 3) sfx(SND_BLUBBER - 1 + pop, x);  // blubber, blubber2, blubber3
    for (int i = 0; i < n; i++) addeff(x, y, EFF_BUBBLE, 0, 0);
}

void effcolourburst(float x, float y, int n, int colour) {
    for (int i = 0; i < n; i++) addeff(x, y, EFF_COLOURBUBBLE + colour, 0, 0);
}

void effframe(float x, float y) {
    effburst(x + 48, y + 71, 3, 2);
    for (int i = 1; i <= 6; i++) {
        addeff(x, y + 20 * i, EFF_BUBBLE, 0, 0);
        addeff(x + 96, y + 20 * i, EFF_BUBBLE, 0, 0);
    }
    for (int i = 1; i <= 4; i++) {
        addeff(x + 20 * i, y, EFF_BUBBLE, 0, 0);
        addeff(x + 20 * i, y + 142, EFF_BUBBLE, 0, 0);
    }
}

void effexplode(float x, float y) {
    for (int i = 0; i < 50; i++) {
        int a = rnd(-48, 48), b = rnd(-71, 71);
        addeff(x + a, y + b, EFF_FALLGLOW + 9, 0.1f * a, 0.1f * b);
    }
    float bary = effhooks.topbary ? effhooks.topbary() : 0.0f;
    for (int i = 0; i < 10; i++) {
        float vx = 0.1f * rnd(-30, 30);
        float vy = 0.1f * rnd(-30, 30);
        addeff(67, bary - 12, EFF_FALLGLOW + 9, vx, vy);
    }
    sfx(SND_DOUBLESUNS, x);
}

void effshatter(float x, float y) {
    for (int i = 0; i < 10; i++) {
        int a = rnd(-48, 48), b = rnd(-71, 71);
        addeff(x + a + disp.uixoff, y + b, EFF_CARDPART, 0.1f * a, 0.1f * b);
    }
}

void effstars(float x, float y, int colour) {
    for (int i = 1; i <= 25; i++) {
        int a = rnd(-20, 20), b = rnd(-20, 6);
        addeff(x + a, y + b, i <= 5 ? EFF_COLOURSTAR + colour : EFF_FALLGLOW + colour, 0.3f * a, 0.3f * b);
    }
}

static void glowburst(float x, float y, int last) {
    for (int i = 0; i < 25; i++) {
        int a = rnd(-48, 48), b = rnd(-71, 71);
        addeff(x + a, y + b, EFF_STAR, 0.1f * a, 0.1f * b);
    }
    addeff(x, y, last, 0, 0);
}

void effglow(float x, float y) { glowburst(x, y, 897); }

// The glow at a point: the same burst of 25 stars, ending in a glow that
// stays where it was spawned instead of at the stable.
void effglowat(float x, float y) { glowburst(x, y, 578); }

// ---- the bubble and falling layers ----------------------------------------

namespace {

void spawnlayer(LayerBubble* table, int x, int y, int tint) {
    for (int i = 1; i < MAXLAYERBUBBLES; i++) {
        LayerBubble& b = table[i];
        if (b.active == 0) {
            b.x = static_cast<float>(x);
            b.y = static_cast<float>(y);
            b.tint = tint;
            b.size = rnd(2, 30);
            b.active = 1;
            return;
        }
    }
}

// Far to near: bigger bubbles are drawn later, more opaque, larger and faster.
void drawlayer(LayerBubble* table, float xoffset, bool falling) {
    const float a = pf::getalpha();
    if (falling) pf::setblend(BLEND_LIGHT);
    Img img = falling ? effimg.deepsealight : effimg.bubble;
    for (int d = 1; d <= 30; d++) {
        for (int i = 1; i < MAXLAYERBUBBLES; i++) {
            LayerBubble& b = table[i];
            if (b.active == 0 || b.size != d) continue;
            b.active += 1;
            pf::setalpha(a * 0.033f * d);
            float k = 0.033f * d * (0.5f + 0.05f * b.tint);
            float t = core.framecount * (15 - b.tint) * 0.4f;
            pf::setscale(k * (0.9f + 0.1f * cosd(t)) * 0.3f, k * (0.9f + 0.1f * sind(t)) * 0.3f);
            drawimg(img, b.x + xoffset, b.y);
            b.x += 0.02f * d * sind(core.framecount * (10 + (30 % i)) * 0.1 + 33.0 * i);
            if (falling) {
                b.y += 0.05f * d;
                if (b.y > disp.gfxheight + 40) b.active = 0;
            } else {
                b.y -= 0.05f * d;
                if (b.y < -40) b.active = 0;
            }
        }
    }
    pf::setrotation(0);
    pf::setalpha(a);
    pf::setscale(1, 1);
    if (falling) pf::setblend(BLEND_ALPHA);
}

}  // namespace

void spawnbubble(int x, int y, int tint) { spawnlayer(bubblelayers.bubble, x, y, tint); }
void drawbubbles(float xoffset) { drawlayer(bubblelayers.bubble, xoffset, false); }
void clearbubbles() {
    for (auto& b : bubblelayers.bubble) b.active = 0;
}

void spawnfall(int x, int y) { spawnlayer(bubblelayers.fall, x, y, 20); }
void drawfall() { drawlayer(bubblelayers.fall, 0, true); }
void clearfall() {
    for (auto& b : bubblelayers.fall) b.active = 0;
}

int effectsinuse() {
    int n = 0;
    for (int i = 1; i <= MAXEFFECTS; i++) n += effects.eff[i].kind != 0;
    return n;
}

void reseteffects() {
    // The pictures too: a later start that has not loaded them yet must not
    // draw the last start's (the drawing would go on as if they were loaded).
    freeeffectimages();
    effects = EffectList{};
    bubblelayers = BubbleLayers{};
    effhooks = EffectHooks{};
}
