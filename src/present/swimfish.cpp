// The list of swimming fish: adding, the per-screen spawner and the per-tick
// move and draw.
#include "present/swimfish.h"

#include <string>

#include "core/globals.h"
#include "core/screens.h"

SwimFishList swimfish;
FishSet fishset;

void loadfishset() {
    for (int k = 1; k <= FISHKINDS; k++) {
        bool have = (k >= 1 && k <= 4) || k == 7 || k == 8 || (k >= 13 && k <= 16);
        for (int f = 1; f <= 4; f++) {
            // Loading again replaces the set instead of leaking the old one.
            freeimg(fishset.img[k][f]);
            fishset.img[k][f] = have ? loadimg("data\\fishes/f" + std::to_string(k) + std::to_string(f) + ".png") : nullptr;
        }
    }
}

Img fishimg(int kind, int frame) {
    if (kind < 1 || kind > FISHKINDS || frame < 1 || frame > 4) return nullptr;
    return fishset.img[kind][frame];
}

void addswimfish(int x, int y, int depth, int kind, int layer) {
    int slot = MAXSWIMFISH;  // a full list overwrites the last slot
    for (int i = 1; i < MAXSWIMFISH; i++) {
        if (swimfish.fish[i].swimkind == 0) {
            slot = i;
            break;
        }
    }
    SwimFish& f = swimfish.fish[slot];
    f.swimkind = kind;
    f.swimx = static_cast<float>(x);
    f.swimy = static_cast<float>(y);
    f.swimframe = pf::rand(1, 4);
    f.swimangle = 0;
    f.swimangletarget = 0;
    f.swimdepth = depth;
    f.swimspeed = 0;
    f.swimvy = 0;
    f.swimlayer = layer;
    // A fish swims away from the side it starts on; one starting exactly in
    // the middle picks a side at random rather than inheriting the direction
    // of the slot's previous fish.
    if (x > disp.midx) f.swimdir = -1;
    else if (x < disp.midx) f.swimdir = 1;
    else f.swimdir = pf::rand(1, 2) == 1 ? 1 : -1;
    f.swimtarget = f.swimdir * pf::rand(20, 50) * 0.1f;
}

static void singlefish(int chance) {
    auto one = [](int x) {
        int y = pf::rand(100, disp.gfxheight);
        int depth = 7 + pf::rand(1, 3);
        int kind = pf::rand(7, 16);
        addswimfish(x, y, depth, kind, 0);
    };
    if (pf::rand(1, chance) == 1) one(-50);
    if (pf::rand(1, chance) == 1) one(disp.gfxwidth + 50);
}

void spawnswimfish() {
    if (core.screen == SCREEN_MENU) {
        singlefish(90);
        if (pf::rand(1, 1000) == 1) {
            int n = pf::rand(10, 20);
            int x0 = pf::rand(1, 2) == 1 ? disp.gfxwidth + 150 : -150;
            int y0 = pf::rand(200, 400);
            int kind = pf::rand(1, 4);
            for (int i = 0; i < n; i++) {
                int x = x0 + pf::rand(-100, 100);
                int y = y0 + pf::rand(-100, 100);
                addswimfish(x, y, 7 + pf::rand(1, 3), kind, 0);
            }
        }
    } else if (core.screen == SCREEN_TROPHIES) {
        singlefish(190);
    }
}

// A burst pushes the fish forward; the speed then decays by 2 % a tick until
// it falls under the threshold and the next burst follows with a new tilt.
static void swimstyle(SwimFish& f, int slot) {
    const int k = f.swimkind;
    float threshold, speed, tilt;
    if (k >= 1 && k <= 4) {
        threshold = 1.5f;
        speed = 0.35f;
        tilt = 0;
    } else if (k == 7 || k == 8 || (k >= 11 && k <= 16)) {
        threshold = 0.5f;
        speed = 0.15f;
        tilt = 1;
    } else if (k == 9 || k == 10) {
        f.swimvy = 0;
        f.swimspeed = static_cast<float>(slot % 4 + 1);
        f.swimangle = 0;
        return;
    } else {
        return;  // kinds outside the table keep their values
    }
    int dir = f.swimdir != 0 ? f.swimdir : 1;
    if (f.swimspeed / dir < threshold) {
        f.swimangletarget = tilt == 0 ? 2 * static_cast<float>(pf::sindeg(pf::rand(345, 375)))
                                      : 5 * static_cast<float>(pf::sindeg(pf::rand(315, 405)));
        f.swimtarget = dir * pf::rand(20, 50) * speed;
    }
    f.swimtarget -= 0.02f * f.swimtarget;
    f.swimspeed -= 0.02f * (f.swimspeed - f.swimtarget);
    f.swimangle -= 0.02f * (f.swimangle - f.swimangletarget);
    f.swimvy = f.swimangle;
}

void drawswimfish(int layer) {
    const float alpha = pf::getalpha();
    for (int d = 7; d <= 10; d++) {  // deeper fish first, nearer ones over them
        for (int i = 1; i <= MAXSWIMFISH; i++) {
            SwimFish& f = swimfish.fish[i];
            if (f.swimkind <= 0 || f.swimdepth != d || f.swimlayer != layer) continue;
            swimstyle(f, i);
            f.swimx += f.swimspeed * f.swimdepth * 0.1f;
            f.swimy += f.swimvy * f.swimdepth * 0.1f;
            if (core.framecount % 4 == 0) {
                f.swimframe += 1;
                if (f.swimframe >= 5) f.swimframe = 1;
            }
            if (f.swimframe < 1 || f.swimframe > 4) f.swimframe = 1;
            pf::setrotation(f.swimangle * 5 * f.swimdir);
            pf::setscale(f.swimdepth * 0.1f * f.swimdir, f.swimdepth * 0.1f);
            drawimg(fishimg(f.swimkind, f.swimframe), f.swimx, f.swimy);
            if (f.swimx > disp.gfxwidth + 300 || f.swimx < -300 || f.swimy > disp.gfxheight + 100 || f.swimy < -100)
                f.swimkind = 0;
        }
    }
    pf::setrotation(0);
    pf::setscale(1, 1);
    pf::setalpha(alpha);
}

int swimfishinuse() {
    int n = 0;
    for (int i = 1; i <= MAXSWIMFISH; i++) n += swimfish.fish[i].swimkind != 0;
    return n;
}

void resetswimfish() { swimfish = SwimFishList{}; }
