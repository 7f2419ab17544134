#include "menus/loading.h"

#include <algorithm>
#include <cmath>

#include "core/globals.h"
#include "core/loop.h"
#include "core/screens.h"
#include "menus/menu.h"
#include "menus/popups.h"
#include "platform/platform.h"
#include "present/effects.h"
#include "present/fonts.h"
#include "present/sound.h"
#include "present/texts.h"

LoadState load;

namespace {
// The bar stands still for a moment now and then, as if something big
// were being read.
bool loadpause(int t) { return (t >= 0 && t < 30) || (t > 60 && t < 70) || (t > 110 && t < 140) || (t > 170 && t < 180); }
}  // namespace

void deleteloadstuff_dynamic() {
    freeimg(load.loadbarimg);
    freeimg(load.loadfillimg);
}

void instload() {
    pf::hidemouse();
    core.prevscreen = core.screen;
    load.loadbary = disp.gfxheight + 100;
    load.loadprogress = 0;
    load.loadtick = 0;
    releaseotherscreens(SCREEN_LOADING);
    loadgamebg_dynamic(SCREEN_LOADING, 0, 0);
    deleteloadstuff_dynamic();
    load.loadbarimg = loadimg("data\\ui\\loadbar.png");
    load.loadfillimg = loadanimimg("data\\ui\\loadfill.png", 2, 78, LOADFILLCELLS);
    clearbubbles();
    PlayS(SND_LOADING, disp.midx);
    core.gamepause = -1;
    pop.popupfade = 0;
    core.screen = SCREEN_LOADING;
    startfadein();
}

void drawlogo() {
    struct Layer {
        Img img;
        int t;
        float y;
    };
    const Layer layers[2] = {{uiimages.logoimg[2], load.loadtick - 30, 160}, {uiimages.logoimg[1], load.loadtick, 260}};
    for (const Layer& l : layers) {
        if (l.t <= 0) continue;
        if (l.t == 1) PlayS(SND_LOGOAPPEAR, disp.midx);
        float g = l.t > 45 ? 1.0f : float(pf::sindeg(2.0 * l.t));
        float w = l.t > 90 ? 0.05f : float(1.05 - pf::sindeg(l.t));
        float sx = g + 0.2f * w * float(pf::sindeg(2.0 * core.framecount));
        float sy = g + 0.2f * w * float(pf::cosdeg(2.0 * core.framecount));
        pf::setalpha(std::min(1.0f, 0.02f * l.t));
        pf::setscale(sx, sy);
        drawimg(l.img, disp.midx, l.y);
    }
    resetdraw();
}

void showload() {
    pf::setblend(BLEND_ALPHA);
    drawgamebg(0);
    if (pf::rand(1, 8) == 1) spawnbubble(pf::rand(1, 400), disp.gfxheight, pf::rand(1, 10));
    if (pf::rand(1, 8) == 1) spawnbubble(disp.gfxwidth - pf::rand(1, 400), disp.gfxheight, pf::rand(1, 10));
    drawbubbles(0);
    load.loadtick++;
    if (!loadpause(load.loadtick)) load.loadprogress++;
    drawlogo();
    load.loadbary = load.loadbary - (load.loadbary - 720) * 0.1f;
    if (load.loadprogress > 250) load.loadbary = load.loadbary - (load.loadbary - 870) * 0.17f;
    float y = load.loadbary + 4 * float(pf::sindeg(2.0 * core.framecount));
    int midx = disp.midx;
    drawimg(load.loadbarimg, midx, y);
    for (int i = 1; i <= LOADFILLCELLS; i++)
        if (load.loadprogress > i) drawimgframe(load.loadfillimg, midx - 164 + 2 * i, y, i - 1, LOADFILLCELLS - 1);
    int j = std::clamp(load.loadprogress, 0, LOADFILLCELLS);
    pf::setblend(BLEND_LIGHT);
    if (j >= 1) drawimgframe(load.loadfillimg, midx - 164 + 2 * j, y, j - 1, LOADFILLCELLS - 1);
    pf::setblend(BLEND_ALPHA);
    pf::setrotation(0);
    pf::setscale(1, 1);
    drawtext(menutext(11, 1), midx, y - 18, 3, 1);
    pf::setalpha(1);
    if (load.loadprogress == 300) entermenu();
    draweff();
    if (in.keyf3) core.debugmode = 1;
}

void resetload() {
    deleteloadstuff_dynamic();
    load = LoadState{};
}
