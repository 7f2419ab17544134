// The way to the blowfish pass: the singing clam (3), the blowfish who
// blocks the pass (4) and lets the friends through (5), and the sword that
// rises from the sand (6).
#include <cmath>

#include "core/globals.h"
#include "platform/platform.h"
#include "present/effects.h"
#include "present/sound.h"
#include "story/scenekit.h"
#include "story/story.h"

namespace {

float bob(float amp, double speed, double phase) { return float(amp * pf::sindeg(speed * core.framecount + phase)); }

// Is line i of story n on screen now?
bool lineshows(int i) {
    return story.storyend == 0 && story.texttick >= story.texttime[i - 1] && story.texttick < story.texttime[i];
}

// ---- story 3 ------------------------------------------------------------------------

// The three friends peek over the rocks; the hidden clam's notes rise from
// behind them (170, 520), and at line 12 her red pearl comes up to them.
constexpr float PEEKY = 470;
constexpr float PEARLX = 470, PEARLY = 470;

void peekers() {
    // Clowny in the middle stands a little back, Sharky and Bobby in front.
    struct Peek {
        int prop;
        float x, y;
    };
    const Peek peeks[] = {{prop3::EYECLOWNY, 240, PEEKY - 14}, {prop3::EYESHARKY, 150, PEEKY}, {prop3::EYEBOBBY, 350, PEEKY}};
    // The pause after line 7 is the fright of the blowfish: everyone ducks.
    float duck = 18 * sceneramp(story.texttime[7], 15) * (1 - sceneramp(story.texttime[8] - 20, 20));
    int k = 0;
    for (const Peek& p : peeks) {
        // The one who speaks rises a little out of cover.
        float up = 0;
        for (int i = 1; i <= storylines(3); i++) {
            float x = 0, y = 0;
            storylinepos(3, i, x, y);
            if (x == p.x && lineshows(i))
                up = 12 * std::min(1.0f, 0.1f * float(story.texttick - story.texttime[i - 1])) *
                     std::min(1.0f, 0.1f * float(story.texttime[i] - story.texttick));
        }
        drawprop(p.prop, p.x, p.y - up + duck + bob(3, 2, 120.0 * k), 1, 1);
        k++;
    }
}

void redpearl() {
    const int t0 = story.texttime[11];
    if (story.texttick <= t0) return;
    float u = sceneramp(t0, 110);
    float x = 170 + (PEARLX - 170) * u;
    float y = 540 + (PEARLY - 540) * u - float(60 * std::sin(u * 3.14159f));
    y += bob(5, 3, 0) * u;
    if (sceneclocks() && pf::rand(1, 5) == 1)
        addeff(x + float(pf::rand(-24, 24)), y + float(pf::rand(-24, 24)), EFF_GLOWSTAR1, 0, 0);
    float s = 1 + bob(0.06f, 6, 0);
    drawprop(prop3::REDPEARL, x, y, s, s, std::min(1.0f, 0.05f * float(story.texttick - t0)));
}

}  // namespace

void storyscene3() {
    storybg(float(disp.bgxoff), 1);
    if (sceneclocks() && pf::rand(1, 70) == 1) addeff(170, 520, EFF_MUSICNOTE, 0, 0);
    redpearl();
    peekers();
    draweff();
    scenelines(3);
}

// ---- stories 4 and 5 ------------------------------------------------------------------

namespace {

// The blowfish in the middle of the pass, its shadow on the sand below.
constexpr float FISHY = 250, SHADOWY = 610;
// Places on the blowfish picture at full size, from its middle, as the
// cast draws it: the eyes (their own picture lies over the fish's) and the
// plasters, the first three where the boss levels put them, the fourth the
// one the clownfish adds.
constexpr float EYEDX = 62, EYEDY = -32;
struct Spot {
    float dx, dy, rot;
};
constexpr Spot PLASTERS[4] = {{-8, -88, -18}, {78, 30, 28}, {-62, 22, 62}, {-20, 80, -12}};

void blowfish(float scale, float alpha, int eye, int plasters) {
    if (alpha <= 0) return;
    const float cx = float(disp.gfxwidth / 2);
    float y = FISHY + bob(8, 2, 0);
    float ss = 0.4f + 0.6f * scale;
    drawprop(prop45::SHADOW, cx, SHADOWY, ss, ss, 0.7f * alpha);
    drawprop(prop45::BLOWFISH, cx, y, scale, scale, alpha);
    if (eye) drawprop(eye, cx + EYEDX * scale, y + EYEDY * scale, scale, scale, alpha);
    for (int k = 0; k < plasters && k < 4; k++)
        drawprop(prop45::PLASTER, cx + PLASTERS[k].dx * scale, y + PLASTERS[k].dy * scale, scale, scale, alpha,
                 PLASTERS[k].rot);
}

// Clownfish left, shark right, both turned to the middle; `scared` picks
// their second pictures.
void speakers45(bool scared, float alpha) {
    const float cx = float(disp.gfxwidth / 2), H = float(disp.gfxheight);
    drawprop(scared ? prop45::CLOWNY2 : prop45::CLOWNY, cx - 390, H - 180 + bob(4, 2, 90), 1, 1, alpha);
    drawprop(scared ? prop45::SHARKY2 : prop45::SHARKY, cx + 390, H - 180 + bob(4, 2, 180), -1, 1, alpha);
}

}  // namespace

// The pass: the friends call out; after line 3 a small blowfish far off
// comes near, and after line 8 it puffs itself up to its full size.
void storyscene4() {
    const int t3 = story.texttime[3], t8 = story.texttime[8];
    const float cx = float(disp.gfxwidth / 2);
    storybg(0, 1);
    if (scenecue(1, t8)) PlayS_story(STORYSND_BLOWUP, int(cx));
    float scale = 0.25f + 0.75f * sceneramp(t8, 100);
    // It blinks now and then, for 11 frames, with the closed eye.
    if (sceneclocks()) {
        if (scene.blink > 0) scene.blink--;
        else if (pf::rand(1, 250) == 1) scene.blink = 11;
    }
    blowfish(scale, std::min(1.0f, 0.02f * float(since(t3))), scene.blink > 0 ? prop45::EYE1 : 0, 0);
    // Frightened by its shout (line 4) and again while it swells.
    bool scared = (story.texttick >= story.texttime[3] && story.texttick < story.texttime[4]) || story.texttick >= t8;
    speakers45(scared, 1);
    // "Is anybody home?": a question mark over the shark while line 3 is said.
    if (lineshows(3)) {
        float a = std::min(1.0f, 0.05f * float(story.texttick - story.texttime[2]));
        drawprop(prop45::QUESTION, cx + 360, 450 + bob(6, 4, 0), 1, 1, a);
    }
    draweff();
    scenelines(4);
}

// Beaten: the blowfish, with its dizzy eye and three plasters, lets them
// pass; the clownfish adds a fourth plaster while line 2 is said.
void storyscene5() {
    const float cx = float(disp.gfxwidth / 2);
    storybg(0, 1);
    const int tp = story.texttime[1] + 60;
    if (scenecue(1, tp)) effburst(cx + PLASTERS[3].dx, FISHY + PLASTERS[3].dy, 4, 1);
    blowfish(1, std::min(1.0f, 0.02f * float(story.texttick)), prop45::EYE2, story.texttick >= tp ? 4 : 3);
    speakers45(false, 1);
    draweff();
    scenelines(5);
}

// ---- story 6 ---------------------------------------------------------------------------

namespace {

// The sword's flight after line 6, in frames: in from the left edge to the
// right one, back to the middle, then it hovers.
constexpr int SWORDIN = 70, SWORDBACK = 90;
constexpr float SWORDY = 200;

}  // namespace

void storyscene6() {
    const float W = float(disp.gfxwidth), H = float(disp.gfxheight), cx = float(disp.gfxwidth / 2);
    const int t6 = story.texttime[6];
    storybg(0, 1);

    // The shell in the sand trembles while something stirs (lines 5 and 6).
    float shake = 0;
    if (story.texttick >= story.texttime[4] && story.texttick < t6) shake = bob(5, 40, 0);
    drawprop(prop6::SHELL, cx, H - 110, 1, 1, 1, shake);
    drawprop(prop6::CLOWNY, cx - 420, 575 + bob(4, 2, 90), 1, 1);
    drawprop(prop6::SHARKY, cx - 230, 590 + bob(4, 2, 180), 1, 1);
    drawprop(prop6::CRAB, cx + 240, 595 + bob(3, 2, 270), -1, 1);
    drawprop(prop6::OCTOPUS, cx + 420, 575 + bob(4, 2, 0), -1, 1);

    if (story.texttick >= t6) {
        if (scenecue(1, t6)) PlayS_story(STORYSND_SWORDRACE1, 0);
        if (scenecue(2, t6 + SWORDIN)) {
            PlayS(SND_TURNUP, int(W));
            PlayS_story(STORYSND_SWORDRACE2, int(W));
            effburst(W - 40, SWORDY, 6, 1);
        }
        int t = since(t6);
        float x, y, rot = 0;
        int trail = 0;  // which end trails particles: -1 the hilt (flying right), 1 the tip
        if (t < SWORDIN) {
            float u = float(t) / SWORDIN;
            x = -150 + (W - 110 + 150) * u * u;
            y = SWORDY + 40 - float(90 * std::sin(u * 3.14159f));
            trail = -1;
        } else if (t < SWORDIN + SWORDBACK) {
            float u = float(t - SWORDIN) / SWORDBACK;
            u = u * u * (3 - 2 * u);
            x = (W - 110) + (cx - (W - 110)) * u;
            y = SWORDY - float(50 * std::sin(u * 3.14159f));
            rot = 360 * u;
            trail = 1;
        } else {
            x = cx;
            y = SWORDY + bob(6, 2, 0);
        }
        scene.scenepos = x;
        if (trail != 0 && sceneclocks())
            addeff(x + float(trail * 90 * pf::cosdeg(rot)), y + float(pf::rand(-6, 6)), EFF_GLOWSTAR1, 0, 0);
        drawprop(prop6::SWORD1, x, y, 1, 1, 1, rot);
        // Once it has settled it shines.
        if (t >= SWORDIN + SWORDBACK) {
            pf::setblend(BLEND_LIGHT);
            drawprop(prop6::SWORD2, x, y, 1, 1, 0.55f + bob(0.35f, 4, 0));
            pf::setblend(BLEND_ALPHA);
        }
    }
    draweff();
    scenelines(6);
}
