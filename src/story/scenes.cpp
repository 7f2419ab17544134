// The scenes of the stories: each draws its background, props and
// characters, the particles and its speech bubbles, and ends on its last line.
#include <algorithm>

#include "core/globals.h"
#include "core/settings.h"
#include "menus/popups.h"
#include "platform/platform.h"
#include "present/effects.h"
#include "present/sound.h"
#include "story/story.h"

namespace {

bool clocksrun() { return pop.popup == 0 && core.gamepause == -1; }

// Bubbles of lines 1..N at the story's places, then the scene's end.
void drawlines(int n) {
    int last = storylines(n);
    for (int i = 1; i <= last; i++) {
        float x = 0, y = 0;
        storylinepos(n, i, x, y);
        storybubble(i, x, y);
    }
    pf::setalpha(1);
    storysceneend(last);
}

// Stories whose backgrounds are laid out for the widest screen.
float bgoffset(int n) { return (n == 3 || n == 8 || n == 9 || n == 10) ? float(disp.bgxoff) : 0.0f; }

}  // namespace

void storyscene(int n) {
    switch (n) {
        case 1: storyscene1(); break;
        case 2: storyscene2(); break;
        case 7: storyscene7(); break;
        case 11: storyscene11(); break;
        case 16: storyscene16(); break;
        case 17: storyscene17(); break;
        default:
            if (n >= 1 && n <= MAXSTORIES) storyscenelines(n);
            break;
    }
}

void storyscenelines(int n) {
    storybg(bgoffset(n), 1);
    draweff();
    drawlines(n);
}

// The intro: two friends behind the dune watch a ship go down behind the
// rock at the right edge, and wonder.
void storyscene1() {
    const int W = disp.gfxwidth, H = disp.gfxheight;
    storybg(0, 1);
    drawimg(storyimg.fg1, 0, float(H));
    draweff();
    drawlines(1);

    // The ship rocks on the surface until line 4 ends, then sinks, turning
    // over, until it is hidden behind the rock.
    float shipx = float(W <= 1024 ? W - 120 : W - 200);
    float shipy = 30;
    float rot = float(5.0 * pf::sindeg(core.framecount));
    if (story.texttick >= story.texttime[4]) {
        if (clocksrun()) scene.sink++;
        shipy = 30 + 0.3f * float(scene.sink);
        rot = float(5.0 * pf::sindeg(core.framecount) + 180.0 * pf::sindeg(0.15 * scene.sink));
    }
    if (shipy < 310) {
        pf::setrotation(rot);
        drawimg(storyimg.ship1, shipx, shipy);
        pf::setrotation(0);
    }

    // The rock sways with the water like the background behind it.
    if (settings.wavebg == 1) {
        for (int k = 0; k <= 89; k++) {
            pf::setscale(1.004f, 1);
            float x = float(W - 200 + 3.0 * pf::sindeg(core.framecount + 4.0 * k) - disp.bgxoff);
            drawimgframe(storyimg.bgstrips1, x, float(4 * k), k, 89);
        }
        pf::setscale(1, 1);
    } else {
        drawimg(storyimg.bgpart1, float(W - disp.bgxoff - 400), 0);
    }

    // Five question marks rise over the friends while line 7 is said.
    const int t6 = story.texttime[6], t7 = story.texttime[7];
    if (story.texttick > t6 && story.texttick < t7) {
        bool run = clocksrun();
        for (int q = 1; q <= 5; q++) {
            if (!scene.qstarted[q]) {
                if (story.texttick - 6 * q > t6) {
                    scene.qstarted[q] = 1;
                    PlayS(SND_TURNUP, 200);
                    scene.qx[q] = float(65 * q + 70);
                    scene.qy[q] = float(430 + 40 * pf::sindeg(50.0 * q));
                    scene.qvx[q] = float(pf::rand(-100, 100)) * 0.002f;
                    scene.qvy[q] = float(pf::rand(-100, 0)) * 0.01f;
                    scene.qage[q] = 1;
                } else {
                    continue;
                }
            } else if (run) {
                scene.qage[q]++;
                scene.qvx[q] *= 0.99f;
                scene.qvy[q] *= 0.99f;
                scene.qx[q] += scene.qvx[q];
                scene.qy[q] += scene.qvy[q];
                if (scene.qage[q] == 150) effburst(scene.qx[q], scene.qy[q], 1, 3);
            }
            int age = scene.qage[q];
            float a = std::min(1.0f, 0.05f * float(age));
            if (age > 150) a = std::max(0.0f, 0.2f * float(155 - age));
            pf::setalpha(a);
            drawimg(storyimg.question1, scene.qx[q], scene.qy[q]);
        }
        pf::setalpha(1);
    }
}

// Four friends meet: the first two from the start, the other two join once
// line 3 has been said.
void storyscene2() {
    const int cx = disp.gfxwidth / 2, H = disp.gfxheight;
    storybg(0, 1);
    int late = story.texttime[3] + 50;
    storycharacter(1, float(cx - 350), float(H - 200), 50, 0.56f);
    storycharacter(2, float(cx - 150), float(H - 230), 50, 0.64f);
    storycharacter(3, float(cx + 150), float(H - 200), late, 0.64f);
    storycharacter(4, float(cx + 350), float(H - 200), late, 0.64f);
    drawimg(storyimg.fg2, float(cx), float(H - 90));
    draweff();
    drawlines(2);
}

// The whole cast in one group picture, talking over each other's heads.
void storyscene7() {
    storybg(0, 1);
    drawimg(storyimg.chars7, float(disp.gfxwidth / 2 - 21), 480);
    draweff();
    drawlines(7);
}

// Chapter 3 opens with words alone over the deep.
void storyscene11() {
    storybg(0, 1);
    draweff();
    drawlines(11);
}

void storyscene16() {
    storybg(0, 1);
    draweff();
    drawlines(16);
}

void storyscene17() {
    storybg(0, 1);
    draweff();
    drawlines(17);
}
