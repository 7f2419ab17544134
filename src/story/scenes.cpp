// The scenes of the stories: each draws its background, props and
// characters, the particles and its speech bubbles, and ends on its last line.
#include <algorithm>
#include <cmath>

#include "core/globals.h"
#include "core/settings.h"
#include "menus/popups.h"
#include "platform/platform.h"
#include "present/effects.h"
#include "present/sound.h"
#include "story/scenekit.h"
#include "story/story.h"

namespace {

bool clocksrun() { return sceneclocks(); }
void drawlines(int n) { scenelines(n); }

}  // namespace

// ---- what the scene files share ----------------------------------------------

bool sceneclocks() { return pop.popup == 0 && core.gamepause == -1; }

void scenelines(int n) {
    int last = storylines(n);
    for (int i = 1; i <= last; i++) {
        float x = 0, y = 0;
        storylinepos(n, i, x, y);
        story.bubbleside = storylineside(n, i);
        storybubble(i, x, y);
    }
    story.bubbleside = 0;
    pf::setalpha(1);
    storysceneend(last);
}

bool scenecue(int k, int t) {
    if (k < 1 || k > MAXSCENECUES || scene.cue[k] || story.texttick < t) return false;
    scene.cue[k] = 1;
    return true;
}

void drawprop(int k, float x, float y, float sx, float sy, float alpha, float rot) {
    if (k < 1 || k > MAXSTORYPROPS || alpha <= 0) return;
    pf::setalpha(std::min(1.0f, alpha));
    pf::setscale(sx, sy);
    pf::setrotation(rot);
    drawimg(storyimg.prop[k], x, y);
    pf::setrotation(0);
    pf::setscale(1, 1);
    pf::setalpha(1);
}

void drawcast(int k, int pose, float x, float y, float sx, float alpha) {
    if (k < 1 || k > MAXCHARACTERS || pose < 0 || pose > MAXPOSES || alpha <= 0) return;
    pf::setalpha(std::min(1.0f, alpha));
    pf::setscale(sx, std::fabs(sx));
    drawimg(storycharacterimg(k, pose), x, y);
    pf::setscale(1, 1);
    pf::setalpha(1);
}

float sceneramp(int t0, int len) {
    if (story.texttick <= t0) return 0;
    if (len <= 0 || story.texttick >= t0 + len) return 1;
    float t = float(story.texttick - t0) / float(len);
    return t * t * (3 - 2 * t);
}

int since(int t) { return story.texttick > t ? story.texttick - t : 0; }

// ---- the pictures of each story --------------------------------------------------

namespace {

struct PropList {
    const char* folder;
    const char* const* names;
    int count;
};

PropList proplist(int n) {
    static const char* const s3[] = {"eyesharky", "eyeclowny", "eyebobby", "note1", "note2", "redpearl"};
    static const char* const s45[] = {"sharky", "sharky2", "clowny", "clowny2", "question1",
                                      "shadow", "blowfish", "blowfisheye1", "blowfisheye2", "plaster"};
    static const char* const s6[] = {"clowny", "sharky", "shell", "crab", "octopus", "sword1", "sword2"};
    static const char* const stone[] = {"stone1", "stone2", "stone3", "stone4", "stone5", "stone6"};
    static const char* const angler[] = {"fish", "fishlight1", "fishlight2"};
    static const char* const s15[] = {"courier1", "courier2", "clowny", "sharky", "farmy"};
    static const char* const crab[] = {"crabink", "robber", "pir1", "pir2", "chain1", "chain2", "chain3"};
    static const char* const s21[] = {"crabink", "robber", "clowny", "sharky", "eggs"};
#define P(f, a) PropList{f, a, int(sizeof(a) / sizeof(a[0]))}
    switch (n) {
        case 3: return P("3", s3);
        case 4:
        case 5: return P("4and5", s45);
        case 6: return P("6", s6);
        case 8:
        case 9:
        case 10: return P("8and9and10", stone);
        case 12:
        case 13:
        case 14: return P("12and13and14", angler);
        case 15: return P("15", s15);
        case 18:
        case 19:
        case 20: return P("18and19and20", crab);
        case 21: return P("21", s21);
        default: return PropList{"", nullptr, 0};
    }
#undef P
}

}  // namespace

int storypropcount(int n) { return proplist(n).count; }

std::string storypropfile(int n, int k) {
    PropList l = proplist(n);
    if (k < 1 || k > l.count) return std::string();
    return std::string("data\\story\\") + l.folder + "\\" + l.names[k - 1] + ".png";
}

// ---- dispatch ----------------------------------------------------------------------

void storyscene(int n) {
    switch (n) {
        case 1: storyscene1(); break;
        case 2: storyscene2(); break;
        case 3: storyscene3(); break;
        case 4: storyscene4(); break;
        case 5: storyscene5(); break;
        case 6: storyscene6(); break;
        case 7: storyscene7(); break;
        case 8:
        case 9:
        case 10: storyscenestone(n); break;
        case 11: storyscene11(); break;
        case 12:
        case 13:
        case 14: storysceneangler(n); break;
        case 15: storyscene15(); break;
        case 16: storyscene16(); break;
        case 17: storyscene17(); break;
        case 18:
        case 19:
        case 20: storyscenecrab(n); break;
        case 21: storyscene21(); break;
        default: break;
    }
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
