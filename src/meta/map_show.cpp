// The map's per-frame routine: scrolling, page changes, the nodes and their
// paths, the top bar, the buttons and the tutorial popups.
#include <algorithm>
#include <cmath>
#include <string>

#include "core/globals.h"
#include "core/loop.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "menus/popups.h"
#include "meta/map.h"
#include "platform/platform.h"
#include "present/effects.h"
#include "present/fonts.h"
#include "present/sound.h"
#include "present/texts.h"

void mapeditorframe();  // map_editor.cpp

namespace {

bool popupopen() { return pop.popup != 0; }
bool paused() { return core.gamepause == 1; }

// Pixel overlap of a picture with the pointer mask placed at the pointer.
bool pointerover(Img img, float x, float y) {
    if (!img || !mapimg.coll2) return false;
    return pf::imagescollide(img, int(x), int(y), 0, mapimg.coll2, in.mx, in.my, 0);
}

// A picture added over what is there, then back to plain blending at the
// page alpha.
void lightdraw(Img img, float x, float y, float alpha, float pagealpha) {
    if (alpha <= 0) return;
    pf::setblend(BLEND_LIGHT);
    pf::setalpha(alpha);
    drawimg(img, x, y);
    pf::setblend(BLEND_ALPHA);
    pf::setalpha(pagealpha);
}

bool levelvalid(int level) { return level >= 1 && level <= MAXLEVELS; }

void mapscrolling() {
    MapState& s = mapstate;
    if (!popupopen() && !paused() && in.my > MAPTOPBAR) {
        if (in.mx < 200) s.mapscrolltarget += (200 - in.mx) * 0.08f;
        int right = disp.gfxwidth - 200;
        if (in.mx > right) s.mapscrolltarget -= (in.mx - right) * 0.08f;
    }
    s.mapscrolltarget = std::min(s.mapscrolltarget, 0.0f);
    s.mapscrolltarget = std::max(s.mapscrolltarget, float(disp.gfxwidth - MAPWIDTH));
    s.mapscroll -= (s.mapscroll - s.mapscrolltarget) * 0.05f;
}

void mapdebugkeys() {
    int& f3was = mapstate.f3was;
    if (core.debugmode == 0 || !haveplayer()) {
        f3was = in.keyf3;
        return;
    }
    Profile& p = akt();
    if (in.keyf4) {
        for (int l = 1; l <= 72; l++) p.levelstars[l] = 1;
        p.maxlevel = 73;
    }
    if (in.keyf2) p.pearls += 100;
    // On the press only: flipping every frame the key is down would leave
    // the editor in whatever state the key's last frame happened to give.
    if (in.keyf3 && !f3was) mapstate.mapeditor = -mapstate.mapeditor;
    f3was = in.keyf3;
}

void mappagechange() {
    MapState& s = mapstate;
    if (s.mapswitch <= 0) return;
    s.mapswitch++;
    if (s.mapswitch == 21) {
        if (s.maptarget < 1 || s.maptarget > MAPSHOWNPAGES) s.maptarget = s.aktmap;
        if (s.aktmap < s.maptarget) {
            s.mapscroll = 0;
            s.mapscrolltarget = -20;
        } else {
            s.mapscroll = float(disp.gfxwidth - MAPWIDTH);
            s.mapscrolltarget = float(disp.gfxwidth - MAPWIDTH + 20);
        }
        loadmapbg_dynamic(s.maptarget);
        s.aktmap = s.maptarget;
    }
    if (s.mapswitch >= 40) s.mapswitch = 0;
}

float mappagealpha() {
    int w = mapstate.mapswitch;
    if (w <= 0) return 1.0f;
    if (w <= 20) return 1.0f - 0.05f * w;
    return 0.05f * (w - 20);
}

void drawmapbackground() {
    float s = mapstate.mapscroll;
    for (int i = 1; i <= 3; i++) drawimg(backgrounds.mapbg[i], 0.8f * s + 1024 * (i - 1), 0);
    for (int i = 1; i <= 3; i++) drawimg(backgrounds.mapfg[i], s + 1024 * (i - 1), 0);
}

void drawstars(float x, float y, int stars, int j) {
    float ang[4] = {0, -999, -999, -999};
    if (stars == 1) ang[1] = 0;
    if (stars == 2) ang[1] = 14, ang[2] = -14;
    if (stars >= 3) ang[1] = 28, ang[2] = 0, ang[3] = -28;
    double w = 30 * pf::sindeg(core.framecount + 30.0 * j);
    pf::setscale(0.5f, 0.5f);
    for (int i = 1; i <= 3; i++) {
        if (ang[i] <= -900) continue;
        double a = ang[i] + 90 + w;
        drawimg(mapimg.mapstar, float(x + 45 * pf::cosdeg(a)), float(y + 45 * pf::sindeg(a)));
    }
    pf::setscale(1, 1);
}

void drawnumber(int level, float x, float y) {
    Img n = fonts.bignumbersimage;
    drawimgframe(n, x - 13, y - 2, (level / 10) % 10, 9);
    drawimgframe(n, x + 11, y - 2, level % 10, 9);
}

void casinoentrance(int level, float x, float y, float a) {
    MapState& s = mapstate;
    Profile& p = akt();
    if (popupopen() || s.mapeditor == 1 || level > p.maxlevel) return;
    if (pointerover(mapimg.casino, x + 50, y - 50)) {
        if (s.casinoglow < 10) s.casinoglow += 2;
        s.casinohover = level;
        if (s.casinotip < 10) s.casinotip++;
        s.casinotipx = x;
        s.casinotipy = y;
        if (in.mhit1) {
            in.mhit1 = 0;
            if (p.casinoplays[level] < CASINOGAMES) {
                mapsound(SND_LEVELSELECTION, in.mx);
                core.casinoentry = level;
                gotoscreen(SCREEN_CASINO, 0);
            } else {
                mapsound(SND_FAILURE, in.mx);
            }
        }
    }
    if (s.casinoglow > 0 && s.casinohover == level) lightdraw(mapimg.casino, x + 50, y - 50, a * s.casinoglow * 0.05f, a);
}

void drawpath(int page, int j, int level, float a) {
    MapState& s = mapstate;
    const MapLayout& m = maplayout;
    float dx = (m.mappointx[page][j] - m.mappointx[page][j - 1]) * 0.08333f;
    float dy = (m.mappointy[page][j] - m.mappointy[page][j - 1]) * 0.08333f;
    float px = m.mappointx[page][j - 1] + s.mapscroll, py = float(m.mappointy[page][j - 1]);
    bool reached = level <= akt().maxlevel;
    for (int k = 1; k <= 3; k++) {
        float x = px + (2 + 2 * k) * dx, y = py + (2 + 2 * k) * dy;
        drawimg(mapimg.mapdotempty, x, y);
        if (!reached) continue;
        if (level != s.unlocklevel) {
            drawimg(mapimg.mapdot, x, y);
            continue;
        }
        float f = std::min(1.0f, (s.unlockanim - 100 - 10 * k) * 0.1f);
        if (s.unlockanim == 100 + 10 * k) effburst(x, y, 1, 3);
        if (f <= 0) continue;
        pf::setscale(2 - f, 2 - f);
        pf::setalpha(a * f);
        drawimg(mapimg.mapdot, x, y);
        pf::setscale(1, 1);
        pf::setalpha(a);
    }
}

void drawmapnodes(float a) {
    MapState& s = mapstate;
    MapLayout& m = maplayout;
    Profile& p = akt();
    const int page = std::clamp(s.aktmap, 1, MAPSHOWNPAGES);
    s.clicked = false;
    s.hoverlevel = s.hoverpoint = 0;
    for (int j = 1; j <= MAPPOINTS; j++) {
        if (m.mappointtype[page][j] <= 0) continue;
        const int style = mapnodestyle(m.mappointtype[page][j]);
        const int level = maplevel(page, j);
        const float x = m.mappointx[page][j] + s.mapscroll, y = float(m.mappointy[page][j]);
        if (storyforlevel(level) > 0) drawimg(mapimg.storyshadow, x, y);
        if (level <= p.maxlevel) {
            drawimg(mapimg.m[style + 1], x, y);
            if (level == s.unlocklevel) {
                if (s.unlockanim <= 140) drawimg(mapimg.bubble, x, y);
                if (s.unlockanim == 140) {
                    effburst(x, y, 30, 2);
                    mapsound(SND_NEWLEVEL, int(x));
                }
            }
            if (iscasinolevel(level)) {
                drawimg(mapimg.casino, x + 50, y - 50);
                int left = CASINOGAMES - std::clamp(p.casinoplays[level], 0, CASINOGAMES);
                drawtext(std::to_string(left), x + 48, y - 66, 3, 7);
            }
        } else {
            drawimg(mapimg.m[style], x, y);
            drawimg(mapimg.bubble, x, y);
            if (iscasinolevel(level)) drawimg(mapimg.casinoout, x + 50, y - 50);
        }
        drawnumber(level, x, y);
        if (level < p.maxlevel && levelvalid(level)) drawstars(x, y, p.levelstars[level], j);

        if (!popupopen() && s.mapeditor != 1 && !s.clicked && pointerover(mapimg.m[style], x, y)) {
            if (m.mappointglow[page][j] < 21) m.mappointglow[page][j] += 2;
            s.hoverlevel = level;
            s.hoverpoint = j;
            s.hoverx = x;
            s.hovery = y;
            if (in.mhit1 && level <= p.maxlevel) {
                in.mhit1 = 0;
                if (p.ingame == 1 && level != p.sellevel) discardsuspended();
                core.playlevel = level;
                p.sellevel = level;
                mapsound(SND_LEVELSELECTION, in.mx);
                startlevel(level);
                s.clicked = true;
            }
        }
        if (iscasinolevel(level)) casinoentrance(level, x, y, a);
        if (!s.clicked && m.mappointglow[page][j] > 0) {
            lightdraw(mapimg.m[style], x, y, a * m.mappointglow[page][j] * 0.05f, a);
            m.mappointglow[page][j]--;
        }
        if (!s.clicked && level == p.maxlevel)
            lightdraw(mapimg.m[style], x, y, a * float(0.5 + 0.3 * pf::sindeg(5.0 * core.framecount)), a);
        if (s.mapeditor == 1) drawtext(std::to_string(j), x, y + 5, 3, 1);
        if (j > 1) drawpath(page, j, level, a);
    }
    if (s.unlockanim > 0 && s.unlockanim < 100000) s.unlockanim++;
    if (s.casinoglow > 0) {
        s.casinoglow--;
        if (s.casinoglow == 0) s.casinohover = 0;
    }
    if (s.casinotip > 0 && s.casinoglow == 0) s.casinotip--;
}

void drawcasinotip(float a) {
    MapState& s = mapstate;
    if (s.casinotip <= 0) return;
    float cx = s.casinotipx, cy = s.casinotipy;
    pf::setalpha(a * std::min(1.0f, 0.1f * s.casinotip));
    drawimg(mapimg.mappreview, cx, cy - 150);
    drawtext(uppertext(gametext(6, 1)), cx, cy - 210, 3, 7);
    drawtextbox(gametext(6, 2), cx, cy - 180, 240, 25, 3, 7);
    if (s.casinohover > 0 && levelvalid(s.casinohover)) {
        int left = CASINOGAMES - std::clamp(akt().casinoplays[s.casinohover], 0, CASINOGAMES);
        drawtext(gametext(6, 3) + ": " + std::to_string(left), cx, cy - 120, 3, 7);
    }
    pf::setalpha(a);
}

void ambientbubbles() {
    if (pf::rand(1, 2) == 1) spawnbubble(pf::rand(-500, 3000), disp.gfxheight, int(pf::rand(1, 100) * 0.02));
    drawbubbles(1.02f * mapstate.mapscroll);
}

// A top-bar hot spot: the highlight glows under the pointer; true on a click.
bool hotspot(Img img, float x, float y, bool active) {
    if (!active || !pointerover(img, x, y)) return false;
    lightdraw(img, x, y, 0.2f, 1);
    if (!in.mhit1) return false;
    in.mhit1 = 0;
    mapsound(SND_CLICK, in.mx);
    return true;
}

void drawtopbar() {
    MapState& s = mapstate;
    Profile& p = akt();
    const int w = disp.gfxwidth, h = disp.gfxheight;
    drawimg(mapimg.mapuileft, 0, 0);
    drawimg(mapimg.mapuiright, float(w), 0);
    drawtext(std::to_string(p.pearls), 202, 17, 3, 8);
    std::string counter = p.maxlevel > MAPLASTLEVEL ? "74/74" : std::to_string(p.maxlevel) + "/74";
    drawtext(counter, float(w - 298), 16, 3, 8);

    bool calm = !paused();
    if (hotspot(mapimg.buttonover[1], 0, 0, (pop.popup == 0 || pop.popup == POPUP_MAPHINT) && calm)) openshop();
    bool barfree = pop.popup == 0 && pop.buttonlayer == 1 && calm;
    if (hotspot(mapimg.buttonover[2], float(w - 108), 0, barfree)) {
        opentrophyroom();
    } else if (hotspot(mapimg.buttonover[3], float(w), 0, barfree)) {
        if (s.mapeditor == 1) savemappoints();
        gotoscreen(SCREEN_MENU, 0);
    }

    if (button(w / 2.0f - 235, float(h - 21), 3, s.aktmap > 1 ? 1 : 0, "<<<") == BUTTON_CLICKED && s.mapswitch == 0 &&
        s.aktmap > 1) {
        s.mapswitch = 1;
        s.maptarget = s.aktmap - 1;
    }
    bool fwd = mapforwardopen(s.aktmap, p.maxlevel);
    if (button(w / 2.0f + 235, float(h - 21), 3, fwd ? 1 : 0, ">>>") == BUTTON_CLICKED && s.mapswitch == 0 && fwd) {
        s.mapswitch = 1;
        s.maptarget = s.aktmap + 1;
    }
    const std::string& label = menutext(14, p.maxlevel > MAPLASTLEVEL ? 2 : 1);
    if (button(w / 2.0f, float(h - 30), 1, 1, label) == BUTTON_CLICKED) {
        // A player who has not yet won anything starts at the first level.
        int level = std::max(1, p.maxlevel);
        if (p.ingame == 1 && p.sellevel < level) discardsuspended();
        p.sellevel = level;
        core.playlevel = level;
        mapsound(SND_LEVELSELECTION, in.mx);
        startlevel(level);
    }
}

void maptutorials() {
    if (mapstate.mapentrytick != 50 || popupopen() || paused()) return;
    Profile& p = akt();
    if (p.maxlevel == 3) openpopup(POPUP_MAPHINT);
    if (p.casinohint == 0 && p.maxlevel == 8) openpopup(POPUP_CASINOHINT);
}

}  // namespace

void showadventuremap() {
    setfadecolour();
    mapstate.mapentrytick++;
    mapscrolling();
    mapdebugkeys();
    mappagechange();
    const float a = mappagealpha();
    pf::setalpha(a);
    drawmapbackground();
    if (mapstate.mapeditor == 1) mapeditorframe();
    pf::setalpha(a);
    drawmapnodes(a);
    drawcasinotip(a);
    ambientbubbles();
    pf::setalpha(1);
    drawtopbar();
    maptutorials();
    pop.buttonlayer = (paused() || popupopen()) ? 2 : 1;
    pf::setalpha(1);
    draweff();
    dopopups();
}
