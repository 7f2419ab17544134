// The deep (stories 12, 13 and 14): light motes drift down in the dark, the
// anglerfish swims in with its lamp and gives its light away; and the climb
// out to the sea-grass farm and the courier (story 15).
#include <algorithm>
#include <cmath>

#include "core/globals.h"
#include "platform/platform.h"
#include "present/effects.h"
#include "present/sound.h"
#include "story/scenekit.h"
#include "story/story.h"

namespace {

float bob(float amp, double speed, double phase) { return float(amp * pf::sindeg(speed * core.framecount + phase)); }

// Motes sink through the dark water.
void motes() {
    if (sceneclocks() && pf::rand(1, 6) == 1) spawnfall(pf::rand(0, disp.gfxwidth), -20);
    drawfall();
}

// The anglerfish right of the middle, turned to the friends; its lamp in
// front of its head. The lamp's place on the picture, from its middle, for a
// fish facing right.
constexpr float LAMPDX = 118, LAMPDY = -96;
constexpr float ANGLERDX = 280, ANGLERY = 360;

void angler(float x, float alpha) {
    if (alpha <= 0) return;
    float y = ANGLERY + bob(10, 1.5, 0);
    drawprop(propangler::FISH, x, y, -1, 1, alpha);
    // The lamp glows; now and then it flickers (with a crackle).
    if (sceneclocks()) {
        if (scene.flicker > 0) scene.flicker--;
        else if (pf::rand(1, 100) == 1) {
            scene.flicker = 12;
            PlayS(SND_ELECTRIC, int(x));
        }
    }
    float lx = x - LAMPDX, ly = y + LAMPDY;
    float glow = 0.8f + bob(0.2f, 5, 0);
    pf::setblend(BLEND_LIGHT);
    if (scene.flicker > 0) {
        bool on = (core.framecount / 2) % 2 == 0;
        drawprop(on ? propangler::LIGHT2 : propangler::LIGHT1, lx, ly, -1, 1, alpha * (on ? 0.9f : 0.35f));
    } else {
        drawprop(propangler::LIGHT2, lx, ly, -1, 1, alpha * glow * 0.8f);
        drawprop(propangler::LIGHT1, lx, ly, -1, 1, alpha * glow);
    }
    pf::setblend(BLEND_ALPHA);
}

}  // namespace

void storysceneangler(int n) {
    const float W = float(disp.gfxwidth), cx = float(disp.gfxwidth / 2), H = float(disp.gfxheight);
    storybg(0, 1);
    motes();
    float home = cx + ANGLERDX;
    if (n == 12) {
        // After line 3 it swims in from the right, growling.
        const int t3 = story.texttime[3];
        if (scenecue(1, t3)) PlayS(SND_GROWL, int(W));
        float u = sceneramp(t3, 150);
        if (story.texttick >= t3) angler(W + 300 + (home - W - 300) * u, 1);
    } else {
        angler(home, std::min(1.0f, 0.03f * float(story.texttick)));
    }
    // The friends: low and frightened in the dark of story 12, higher and
    // bolder once they have met the fish.
    bool frightened = n == 12 && story.texttick >= story.texttime[3] && story.texttick < story.texttime[6];
    int pose = n == 12 ? (frightened ? POSE_SCARED : POSE_NEUTRAL) : POSE_HAPPY;
    float y1 = n == 12 ? H - 208 : 440, y2 = n == 12 ? H - 183 : 480;
    float x1 = cx - 400, x2 = n == 12 ? cx - 240 : cx - 290;
    drawcast(CHAR_CLOWNY, pose, x1, y1 + bob(4, 2, 90), 0.5f);
    drawcast(CHAR_SHARKY, pose, x2, y2 + bob(4, 2, 180), 0.5f);
    draweff();
    scenelines(n);
}

// ---- story 15 ---------------------------------------------------------------------

namespace {

// The second act begins when line 10 has run out: the home reef's light
// fades in over the deep.
constexpr int ACTFADE = 100;
constexpr float COURIERDX = 250, COURIERY = 470;

}  // namespace

void storyscene15() {
    const float W = float(disp.gfxwidth), cx = float(disp.gfxwidth / 2), H = float(disp.gfxheight);
    const int act2 = story.texttime[10];
    float fade = sceneramp(act2, ACTFADE);
    if (fade < 1) {
        storybg(0, 1);
        motes();
    }
    if (fade > 0) {
        pf::setalpha(fade);
        drawimg(storyimg.bg2, float(disp.midx), float(disp.midy));
        pf::setalpha(1);
    }

    // After the last line the courier dashes off to the bazaar, the friends
    // holding on.
    int away = since(story.texttime[20]);
    float off = 0.02f * float(away) * float(away);

    // The courier comes in fast while line 3 is said and stops by the
    // friends; it dashes again from "Hop on" (line 18).
    const int tin = story.texttime[2] + 60;
    float u = sceneramp(tin, 90);
    if (story.texttick > tin) {
        float x = W + 200 + (cx + COURIERDX - W - 200) * u + off;
        bool dash = u < 1 || story.texttick >= story.texttime[17];
        if ((u < 1 || away > 0) && sceneclocks() && pf::rand(1, 2) == 1)
            addeff(x + (away > 0 ? -90.0f : 90.0f), COURIERY + float(pf::rand(-40, 40)), EFF_BUBBLE, 0, 0);
        // It faces left while it comes in and talks, right when it leaves.
        drawprop(dash ? prop15::COURIER1 : prop15::COURIER2, x, COURIERY + bob(8, 3, 0), away > 0 ? 1.0f : -1.0f, 1);
    }
    // The farmer pops up from his grass at line 9.
    const int tf = story.texttime[8];
    if (story.texttick > tf) {
        float y = H + 120 + (H - 170 - H - 120) * sceneramp(tf, 40);
        drawprop(prop15::FARMY, cx + 430, y + bob(3, 2, 45), -1, 1);
    }
    drawprop(prop15::CLOWNY, cx - 420 + off, H - 208 + bob(4, 2, 90), 1, 1);
    drawprop(prop15::SHARKY, cx - 260 + off, H - 183 + bob(4, 2, 180), 1, 1);
    draweff();
    scenelines(15);
}
