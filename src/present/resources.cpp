#include "present/resources.h"

#include "core/globals.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "core/settings.h"
#include "present/fonts.h"
#include "present/texts.h"

Backgrounds backgrounds;
UiImages uiimages;

Img loadimg(const std::string& path) {
    Img img = pf::loadimage(path, -1);
    if (!img) debuglog("i", path);
    return img;
}

Img loadanimimg(const std::string& path, int cellwidth, int cellheight, int count) {
    Img img = pf::loadanimimage(path, cellwidth, cellheight, 0, count, -1);
    if (!img) debuglog("i", path);
    return img;
}

void freeimg(Img& img) {
    Img old = img;
    img = nullptr;
    pf::freeimage(old);
}

void drawimg(Img img, float x, float y) {
    if (!img) {
        debuglog("drawimage", "error");
        return;
    }
    pf::drawimage(img, x, y, 0);
}

void drawimgframe(Img img, float x, float y, int frame, int maxframe) {
    if (!img) {
        debuglog("drawimage", "error");
        return;
    }
    if (frame < 0 || frame > maxframe) return;
    pf::drawimage(img, x, y, frame);
}

void drawimgclip(Img img, float x, float y) {
    if (!img) return;
    float sx = 1, sy = 1;
    pf::getscale(sx, sy);
    int hw = pf::imagewidth(img) / 2, hh = pf::imageheight(img) / 2;
    int ex = int(hw * sx), ey = int(hh * sy);
    if (x + ex > 0 && x - ex < disp.gfxwidth && y + ey > 0 && y - ey < disp.gfxheight) pf::drawimage(img, x, y, 0);
}

void setdraw(float rotation, float sx, float sy, int blend, float alpha) {
    pf::setblend(blend);
    pf::setalpha(alpha);
    pf::setscale(sx, sy);
    pf::setrotation(rotation);
}

void resetdraw() {
    pf::setblend(BLEND_ALPHA);
    pf::setscale(1, 1);
    pf::setalpha(1);
    pf::setviewport(0, 0, disp.gfxwidth, disp.gfxheight);
    pf::setrotation(0);
    pf::setcolour(fade.fadelevel, fade.fadelevel, fade.fadelevel);
}

float limit1(float x) { return x <= 1 ? x : 1.0f; }
float limit0(float x) { return x >= 0 ? x : 0.0f; }

// Missing resources are not worth a word on screen: the game simply draws
// without them. The hook stays the one place that would report them.
void debuglog(const std::string&, const std::string&) {}

// ---- backgrounds -------------------------------------------------------------

int backgroundnumber(int screen, int bgnumber) {
    struct Range { int from, to, n; };
    static const Range table[] = {
        {1, 9, 1},     {10, 15, 4},   {16, 17, 8},   {18, 31, 5},   {32, 34, 12},
        {35, 51, 14},  {52, 54, 15},  {55, 62, 17},  {63, 71, 20},  {72, 74, 21},
    };
    int n = 0;
    if (haveplayer() && akt().sellevel > 0) {
        int level = akt().sellevel;
        if (core.screen == SCREEN_GAME) level = core.aktlevel;
        for (const Range& r : table)
            if (level >= r.from && level <= r.to) n = r.n;
    } else {
        n = 1;
    }
    if (screen == SCREEN_MAP || screen == SCREEN_MENU || screen == SCREEN_LOADING) n = 0;
    if (screen == SCREEN_STORY || screen == SCREEN_TROPHIES) n = bgnumber;
    if (n < 2) n = 1;
    if (players.aktplayer == -1) n = 1;
    return n;
}

void loadgamebg_dynamic(int screen, int bgnumber, int variant) {
    int n = backgroundnumber(screen, bgnumber);
    deletegamebg_dynamic();
    pf::logline("loadbg");
    std::string path = "data\\bg\\bg" + std::to_string(n) + (variant == 1 ? "g.jpg" : ".jpg");
    pf::logline(path);
    backgrounds.bgstrips = loadanimimg(path, 1366, 4, 192);
}

void deletegamebg_dynamic() { freeimg(backgrounds.bgstrips); }

static bool wavenow() { return settings.wavebg != -1 && core.aktlevel != 52 && core.aktlevel != 53 && core.aktlevel != 54; }

// 192 strips of four rows, each pushed sideways on a sine that advances one
// degree per tick and four degrees per strip: the water seems to ripple.
// The strips are copied 1:1 (a stretched copy costs twenty times as much);
// where a strip pushed sideways would uncover the screen's edge, the same
// strip unpushed goes underneath, so the edge never shows black.
static void drawwave(Img strips, float x, float yoff) {
    int half = pf::imagewidth(strips) / 2;
    bool edges = x - half > -3.5f || x + half < disp.gfxwidth + 3.5f;
    for (int i = 0; i < 192; i++) {
        float d = float(3.0 * pf::sindeg(core.framecount + 4.0 * i));
        float y = float(4 * i) + yoff;
        if (edges && (x + d - half > 0 || x + d + half < disp.gfxwidth)) drawimgframe(strips, x, y, i, 192);
        drawimgframe(strips, x + d, y, i, 192);
    }
}

// The still background from the same strips, so that one decoded copy of the
// picture serves both: laid edge to edge they are the whole picture, as
// cheap to copy as one.
static void drawstill(Img strips, float x) {
    for (int i = 0; i < 192; i++) drawimgframe(strips, x, float(4 * i + 2), i, 192);
}

void drawgamebg(float shift) {
    float alpha = pf::getalpha();
    float xoff = 0;
    if (core.screen == SCREEN_STORY && backgrounds.storynumber == 3 && disp.gfxwidth == 1024) xoff = 150;
    if (wavenow()) {
        if (backgrounds.bgstrips) drawwave(backgrounds.bgstrips, disp.midx + xoff - shift, 2);
    } else if (backgrounds.bgstrips) {
        drawstill(backgrounds.bgstrips, disp.midx - shift);
    }
    pf::setalpha(alpha);
}

void loadstorybg_dynamic(int number) {
    deletestorybg_dynamic();
    std::string path = "data\\bg\\bg" + std::to_string(number) + ".jpg";
    backgrounds.storybgstrips = loadanimimg(path, 1366, 4, 192);
}

void deletestorybg_dynamic() { freeimg(backgrounds.storybgstrips); }

void drawstorybg(float shift, int allowwave) {
    float alpha = pf::getalpha();
    if (settings.wavebg == 1 && allowwave == 1) {
        if (backgrounds.storybgstrips) drawwave(backgrounds.storybgstrips, disp.midx - shift, 0);
    } else if (backgrounds.storybgstrips) {
        drawstill(backgrounds.storybgstrips, disp.midx - shift);
    }
    pf::setalpha(alpha);
}

void loadmapbg_dynamic(int page) {
    deletemapbg_dynamic();
    for (int i = 1; i <= 3; i++) {
        std::string n = std::to_string(page) + std::to_string(i);
        backgrounds.mapfg[i] = loadimg("data\\map\\map" + n + ".png");
        backgrounds.mapbg[i] = loadimg("data\\map\\mapbg" + n + ".jpg");
        if (backgrounds.mapfg[i]) pf::setimagehandle(backgrounds.mapfg[i], 0, 0);
        if (backgrounds.mapbg[i]) pf::setimagehandle(backgrounds.mapbg[i], 0, 0);
    }
}

void deletemapbg_dynamic() {
    for (int i = 1; i <= 3; i++) {
        freeimg(backgrounds.mapfg[i]);
        freeimg(backgrounds.mapbg[i]);
    }
}

void resetresources() {
    deletegamebg_dynamic();
    deletestorybg_dynamic();
    deletemapbg_dynamic();
    backgrounds = Backgrounds{};
}

// ---- over every screen ---------------------------------------------------------

void drawpauseoverlay() {
    if (core.appsuspended != 0 || core.gamepause != 1) return;
    if (core.screen == SCREEN_LOADING || core.screen == SCREEN_SPLASH) return;
    pf::setscale(1, 1);
    drawimg(uiimages.pauseimg, disp.midx, disp.midy);
    drawtext(menutext(10, 1), disp.midx, disp.midy - 127, 3, 9);
    drawtext(menutext(10, 2), disp.midx, disp.midy - 5, 3, 7);
    if (in.mhit1 == 1) core.gamepause = -1;
}

void drawpointer() {
    if (!uiimages.cursorimg) return;
    pf::setalpha(1);
    if (core.prevscreen == SCREEN_LOADING && core.screen == SCREEN_MENU && core.menutick < 20) {
        pf::setalpha(core.menutick * 0.05f);
        in.mx = disp.midx;
        in.my = disp.gfxheight - 100;
        pf::movemouse(in.mx, in.my);
    }
    if (core.screen != SCREEN_LOADING && core.screen != SCREEN_SPLASH && settings.cursormode == 1)
        pf::drawimage(uiimages.cursorimg, float(in.mx), float(in.my), 0);
    pf::setalpha(1);
}
