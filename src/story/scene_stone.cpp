// The stone gate (stories 8, 9 and 10): before each of the three stone
// levels one of the friends runs in from the right, strikes the stone guard
// and the stone cracks a step further; in story 10 it breaks apart.
// The background is laid out from the left edge, so are the places here.
#include <cmath>

#include "core/globals.h"
#include "platform/platform.h"
#include "present/effects.h"
#include "present/sound.h"
#include "story/scenekit.h"
#include "story/story.h"

namespace {

struct StoneAct {
    int figure, sound;    // who strikes, and the strike's sound
    int stagebefore, stageafter;
    int breaksound;       // the stone's own sound as it cracks or breaks
};

StoneAct stoneact(int n) {
    switch (n) {
        case 9: return {CHAR_SWORDFISH, SND_SCHWERTIFIGHT, 3, 4, SND_STONECRACK};
        case 10: return {CHAR_SHARKY, SND_SHARKYFIGHT, 5, 6, SND_STONEBREAK};
        default: return {CHAR_CLOWNY, SND_CLOWNYFIGHT, 1, 2, SND_STONECRACK};
    }
}

// The stone stands where the stone levels draw it.
constexpr float STONEX = 240, STONEY = 430;
// The run: in from beyond the right edge from RUNFROM, the strike at
// STRIKE next to the stone, then back to where the friend stays.
constexpr int RUNFROM = 20, STRIKE = 90, BACK = 150;
constexpr float STRIKEX = 420, STANDX = 600, FIGY = 500, FIGSCALE = 0.55f;

float figurex() {
    const float W = float(disp.gfxwidth);
    int t = story.texttick;
    if (t <= RUNFROM) return W + 150;
    if (t < STRIKE) {
        float u = float(t - RUNFROM) / float(STRIKE - RUNFROM);
        return W + 150 - (W + 150 - STRIKEX) * u * u;  // accelerating
    }
    if (t < BACK) {
        float u = float(t - STRIKE) / float(BACK - STRIKE);
        return STRIKEX + (STANDX - STRIKEX) * u * (2 - u);
    }
    return STANDX;
}

}  // namespace

void storyscenestone(int n) {
    const StoneAct act = stoneact(n);
    storybg(float(disp.bgxoff), 1);

    if (scenecue(1, STRIKE)) {
        PlayS(act.sound, int(STRIKEX));
        PlayS(act.breaksound, int(STONEX));
        effburst(STONEX + 90, STONEY - 20, 8, 1);
        if (act.stageafter == 6) effcolourburst(STONEX, STONEY, 12, 4);
    }
    int stage = story.texttick >= STRIKE ? act.stageafter : act.stagebefore;
    float shake = 0;
    int t = story.texttick - STRIKE;
    if (t >= 0 && t < 40) shake = float(7 * pf::sindeg(90.0 * story.texttick) * (1 - t / 40.0));
    drawprop(propstone::STONE1 + stage - 1, STONEX + shake, STONEY, 1, 1);

    // The friend faces the stone (left); it fights while it runs and strikes.
    float x = figurex();
    bool running = story.texttick > RUNFROM && story.texttick < BACK;
    if (running && sceneclocks() && pf::rand(1, 3) == 1)
        addeff(x + 60, FIGY + float(pf::rand(-30, 30)), EFF_BUBBLE, 0, 0);
    int pose = story.texttick < BACK + 30 ? POSE_FIGHT : (n == 10 ? POSE_HAPPY : POSE_ANGRY);
    drawcast(act.figure, pose, x, FIGY + float(4 * pf::sindeg(2.0 * core.framecount)), -FIGSCALE);
    // Story 10: the clownfish has come along to see the gate open.
    if (n == 10)
        drawcast(CHAR_CLOWNY, POSE_HAPPY, 840, 540 + float(4 * pf::sindeg(2.0 * core.framecount + 90)), -0.5f,
                 std::min(1.0f, 0.05f * float(story.texttick)));
    draweff();
    scenelines(n);
}
