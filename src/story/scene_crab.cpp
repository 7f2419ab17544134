// The robber crab's lair (stories 18, 19 and 20): the crab with its pulsing
// ink and two chained prisoners, one freed after each of the first two crab
// levels; and the ending (21), from the lair home to the hatchery, where the
// eggs hatch.
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

// The crab stands where the crab levels draw it; its ink lies at the bottom
// middle and pulses on a 40-frame cycle.
constexpr float ROBBERDX = 240, ROBBERY = 340;
constexpr float PIR1DX = 0, PIR1Y = 215, PIR2DX = 440, PIR2Y = 380;

void ink(int k, float alpha) {
    const float cx = float(disp.gfxwidth / 2), H = float(disp.gfxheight);
    float s = 1 + bob(0.06f, 9, 0);
    drawprop(k, cx, H - 110, s, s, alpha * (0.8f + bob(0.15f, 9, 90)));
}

// Where the cast hangs each prisoner's chain, from the prisoner's middle.
constexpr float CHAINDX[3] = {0, -22, 0}, CHAINDY[3] = {0, 48, 52};
constexpr float FLOORY = 560;

// Prisoner k's chain: hanging while it is held, then (from t on, t > 0)
// fading as it opens, the broken chain left lying on the sand below.
void chain(int k, float x, float y, int t, bool open, float rattle) {
    int prop = k == 1 ? propcrab::CHAIN1 : propcrab::CHAIN2;
    float gone = open ? 1 : (t > 0 ? sceneramp(t, 20) : 0);
    drawprop(prop, x + CHAINDX[k], y + CHAINDY[k], 1, 1, 1 - gone, rattle);
    if (gone > 0) drawprop(propcrab::CHAIN3, x, FLOORY, 1, 1, gone);
}
}  // namespace

void storyscenecrab(int n) {
    const float cx = float(disp.gfxwidth / 2);
    storybg(0, 1);
    // The lair's endless sound, from the first frame of story 18 until it closes.
    if (n == 18 && scene.sceneflag == 1) {
        scene.sceneflag = 0;
        PlayS_storyendless(SND_DOG1, int(cx));
    }
    ink(propcrab::INK, 1);

    // Which prisoner is chained, and when its chain falls (0: it never does).
    // Level 72 frees the first, 73 the second.
    int fall1 = 0, fall2 = 0;
    if (n == 19) fall1 = story.texttime[1];
    if (n == 20) fall2 = story.texttime[1];
    bool free1 = n == 20, free2 = false;
    // In story 18 the chains rattle while line 3 points them out.
    float rattle = 0;
    if (n == 18 && story.texttick >= story.texttime[2] && story.texttick < story.texttime[2] + 60)
        rattle = bob(6, 36, 0);
    if (n == 18 && scenecue(1, story.texttime[2])) PlayS(SND_DOG2, int(cx));
    if (fall1 && scenecue(2, fall1)) PlayS(SND_DOG2, int(cx + PIR1DX));
    if (fall2 && scenecue(2, fall2)) PlayS(SND_DOG2, int(cx + PIR2DX));

    // A freed prisoner rises a little and bobs happily.
    auto lift = [](int t, bool already) { return already ? 1.0f : (t > 0 ? sceneramp(t, 60) : 0.0f); };
    float l1 = lift(fall1, free1), l2 = lift(fall2, free2);
    float p1y = PIR1Y - 25 * l1 + bob(3 + 5 * l1, 3, 0), p2y = PIR2Y - 40 * l2 + bob(3 + 5 * l2, 3, 120);
    drawprop(propcrab::PIR1, cx + PIR1DX, p1y, 1, 1);
    drawprop(propcrab::PIR2, cx + PIR2DX, p2y, -1, 1);
    chain(1, cx + PIR1DX, PIR1Y, fall1, free1, rattle);
    chain(2, cx + PIR2DX, PIR2Y, fall2, free2, -rattle);

    drawprop(propcrab::ROBBER, cx + ROBBERDX, ROBBERY + bob(6, 9, 0), -1, 1);

    int pose = n == 18 ? POSE_ANGRY : n == 19 ? POSE_FIGHT : POSE_HAPPY;
    drawcast(CHAR_CLOWNY, pose, cx - 400, 600 + bob(4, 2, 90), 0.5f);
    drawcast(CHAR_SHARKY, pose, cx - 250, 620 + bob(4, 2, 180), 0.5f);
    draweff();
    scenelines(n);
}

// ---- story 21 ----------------------------------------------------------------------

namespace {

// The second act, the hatchery on the home reef, fades in over the pause
// line 9 without wave.
constexpr int ACTFADE = 100;

}  // namespace

void storyscene21() {
    const float cx = float(disp.gfxwidth / 2), H = float(disp.gfxheight);
    const int act2 = story.texttime[8];
    float fade = sceneramp(act2, ACTFADE);
    if (fade < 1) storybg(0, 1);
    if (fade > 0) {
        pf::setalpha(fade);
        drawimg(storyimg.bg2, float(disp.midx), float(disp.midy));
        pf::setalpha(1);
    }
    // The beaten crab's ink thins away while the first lines are said.
    if (fade < 1) ink(prop21::INK, (1 - sceneramp(story.texttime[0], 300)) * (1 - fade));

    // The eggs wait in their nest at home; they wobble from line 11 and
    // hatch with a glitter at line 12.
    if (fade > 0) {
        const int t11 = story.texttime[10], t12 = story.texttime[11];
        if (scenecue(1, t11)) PlayS(SND_GLITTER, int(cx));
        if (scenecue(2, t12)) {
            PlayS(SND_GLITTER, int(cx));
            effstars(cx, H - 200, 3);
            effburst(cx, H - 180, 10, 2);
        }
        float wob = story.texttick >= t11 ? bob(5, 25, 0) : 0;
        if (story.texttick >= t12 && sceneclocks() && pf::rand(1, 8) == 1)
            addeff(cx + float(pf::rand(-90, 90)), H - 170 + float(pf::rand(-40, 30)), EFF_GLOWSTAR1, 0, 0);
        drawprop(prop21::EGGS, cx + 20, H - 160, 1, 1, fade, wob);
    }
    drawprop(prop21::ROBBER, cx + ROBBERDX, 370 + bob(5, 3, 0), -1, 1);
    drawprop(prop21::CLOWNY, cx - 420, 590 + bob(4, 2, 90), 1, 1);
    drawprop(prop21::SHARKY, cx - 260, 600 + bob(4, 2, 180), 1, 1);
    draweff();
    scenelines(21);
}
