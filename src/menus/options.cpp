#include "menus/options.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "cards/cardart.h"
#include "core/display.h"
#include "core/globals.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "core/settings.h"
#include "menus/popups.h"
#include "platform/platform.h"
#include "present/fonts.h"
#include "present/resources.h"
#include "present/texts.h"
#include "story/story.h"

OptionsState opts;

namespace {

constexpr int TEXTS = 7;  // menutexts section of popup 100
constexpr int ABOUTTEXTS = 23;
constexpr int MAXVOLUME = 280;
constexpr int BACKSTEP = 110;  // one card back and its gap

// The positions of the six check boxes, relative to (midx, t).
const int itemdx[OPTIONITEMS + 1] = {0, 100, 200, 300, 100, 100, 100};
const int itemdy[OPTIONITEMS + 1] = {0, 155, 155, 155, 190, 225, 260};

bool fullin(std::initializer_list<int> ms) {
    if (settings.fullscreen != 1) return false;
    return std::find(ms.begin(), ms.end(), settings.screenmode) != ms.end();
}

bool itemticked(int i) {
    switch (i) {
        case 1: return fullin({MODE_WIDE, MODE_WIDE1280, MODE_NETBOOK});
        case 2: return fullin({MODE_43, MODE_SMALL});
        case 3: return settings.fullscreen == 0;
        case 4: return settings.wavebg == 1;
        case 5: return settings.cursormode == 1;
        default: return settings.cardsway == 1;
    }
}

void itemclicked(int i) {
    switch (i) {
        case 1:
            if (!itemticked(1)) togglescreensize(modes.bestmode, 1);
            break;
        case 2:
            if (!itemticked(2)) togglescreensize(MODE_43, 1);
            break;
        case 3:
            if (!itemticked(3)) togglescreensize(0, 0);
            break;
        case 4: settings.wavebg = -settings.wavebg; break;
        case 5:
            settings.cursormode = -settings.cursormode;
            if (settings.cursormode == -1) pf::showmouse();
            else pf::hidemouse();
            break;
        default: settings.cardsway = -settings.cardsway; break;
    }
}

bool dragging() { return opts.musicdrag == 1 || opts.sounddrag == 1; }

// One volume row: track, symbol and knob. The knob follows the pointer for
// the rest of the tick once dragged; the clamp comes at the next tick.
void volumerow(float y, Img symbol, int& volume, int& drag, int otherdrag) {
    int midx = disp.midx;
    drawimg(popimg.optionstrack, midx - 235, y);
    drawimg(symbol, midx - 405, y);
    volume = std::clamp(volume, 0, MAXVOLUME);
    if (button(midx - 364 + volume, y, 5, 2, "") == 4 && otherdrag == 0) drag = 1;
    if (drag == 1) volume = int(in.mx - midx + 364);
}

void checkboxes(float t) {
    drawtext(uppertitle(menutext(TEXTS, 2)), disp.midx + 250, t + 53, 3, 9);
    for (int i = 1; i <= OPTIONITEMS; i++) {
        float x, y;
        if (!optionitempos(i, t, x, y)) continue;
        drawimg(popimg.cb, x, y);
        drawtext(menutext(TEXTS, 2 + i), x + 18, y - 16, 1, 8);
        // A click meant for the pause overlay after a display change must
        // not change a setting on its way.
        if (!dragging() && std::abs(in.mx - x) < 20 && std::abs(in.my - y) < 20) {
            pf::setblend(4);
            drawimg(popimg.cb, x, y);
            pf::setblend(3);
            if (in.mhit1 == 1 && core.gamepause == -1 && fade.fadestate == 1) {
                in.mhit1 = 0;
                itemclicked(i);
                // a display change moves the middle of the screen
                t = pop.popupy;
            }
        }
        if (itemticked(i)) drawimg(popimg.h, x, y);
    }
}

void cardbacks(float t, float a) {
    int midx = disp.midx;
    drawtext(uppertitle(menutext(TEXTS, 10)), midx, t + 327, 3, 9);
    drawimg(popimg.popupfield, midx, t + 460);
    if (players.aktplayer > -1) {
        Profile& p = akt();
        for (int i = 1; i <= cardbackcount(); i++) {
            float x = midx - 431 + opts.backscroll + BACKSTEP * i, y = t + 390;
            if (!(x > midx - 435 && x < midx + 339)) continue;
            float al = a;
            if (x < midx - 400) al = std::max(0.0f, a * (x - (midx - 420)) * 0.05f);
            if (x > midx + 304) al = std::max(0.0f, a * ((midx + 324) - x) * 0.05f);
            pf::setalpha(al);
            if (i == p.cardback) drawimg(art.glow, x - 6, y - 6);
            drawimg(art.back[i], x, y);
            if (in.mx > midx - 335 && in.mx < midx + 335 &&
                pf::imagescollide(art.back[i], int(x), int(y), 0, popimg.coll2img, in.mx, in.my, 0)) {
                pf::setalpha(al * 0.3f);
                drawimg(art.glow, x - 6, y - 6);
                if (in.mhit1 == 1 && core.gamepause == -1 && fade.fadestate == 1) {
                    in.mhit1 = 0;
                    p.cardback = i;
                }
            }
        }
        pf::setalpha(a);
    }
    drawimg(popimg.selectorleft, midx - 389, t + 462);
    drawimg(popimg.selectorright, midx + 388, t + 462);
    if (button(midx - 405, t + 460, 6, 2, "") == 3 && BACKSTEP * cardbackcount() + opts.backscrolltarget > 700)
        opts.backscrolltarget -= BACKSTEP;
    if (button(midx + 405, t + 460, 7, 2, "") == 3 && opts.backscrolltarget <= -103) opts.backscrolltarget += BACKSTEP;
    opts.backscroll = opts.backscroll - (opts.backscroll - opts.backscrolltarget) * 0.1f;
    if (opts.backscroll < opts.backscrolltarget - 1) opts.backscroll += 1;
    if (opts.backscroll > opts.backscrolltarget + 1) opts.backscroll -= 1;
}

// The first four characters, bobbing out of step, rise from below while the
// panel comes down.
float characters() {
    float yb = disp.gfxheight - 100 - pop.popupy * 0.5f;
    const int dx[5] = {0, -350, -150, 150, 350};
    for (int k = 1; k <= 4; k++)
        drawimg(storycharacterimg(k, 1), disp.midx + dx[k],
                yb + 5 * float(pf::sindeg(2.0 * core.framecount + 90.0 * (k - 1))));
    return yb;
}

}  // namespace

bool widescreenoffered() {
    return modes.modeexists[MODE_WIDE] == 1 || modes.modeexists[MODE_WIDE1280] == 1 ||
           modes.modeexists[MODE_NETBOOK] == 1;
}

bool optionitempos(int i, float t, float& x, float& y) {
    if (i < 1 || i > OPTIONITEMS) return false;
    int at = i;
    if (!widescreenoffered()) {
        if (i == 1) return false;
        if (i == 2) at = 1;
    }
    x = float(disp.midx + itemdx[at]);
    y = t + itemdy[at];
    return true;
}

int cardbackcount() {
    int n = 0;
    while (n + 1 <= 7 && art.back[n + 1]) n++;
    return n;
}

void popupoptions() {
    int midx = disp.midx;
    float t = pop.popupy;
    float a = pf::getalpha();
    drawimg(popimg.popuppart1, midx - 250, t);
    drawimg(popimg.popuppart1, midx + 250, t);
    drawimg(popimg.popuppart2, midx, t + 322);
    drawimg(popimg.rope1, midx - 405, t + 330);
    drawimg(popimg.rope1, midx + 405, t + 330);
    drawtext(uppertitle(menutext(TEXTS, 1)), midx - 250, t + 53, 3, 9);
    volumerow(t + 155, popimg.musicsymbol, settings.musicvolume, opts.musicdrag, opts.sounddrag);
    volumerow(t + 235, popimg.effectsymbol, settings.soundvolume, opts.sounddrag, opts.musicdrag);
    checkboxes(t);
    // A display change inside the check boxes moves the middle.
    midx = disp.midx;
    t = pop.popupy;
    cardbacks(t, a);
    float yb = characters();
    if (button(midx, yb + 40 + 5 * float(pf::sindeg(2.0 * core.framecount)), 3, 2, menutext(TEXTS, 12)) == 3)
        switchpopup(POPUP_INFO);
    if (in.mdown1 == 0) opts.musicdrag = opts.sounddrag = 0;
    if ((button(midx + 450, t + 90, 18, 2, "") == 3 || in.keyesc == 1) && pop.popupdir == 1) {
        savesettings(0);
        closepopup();
    }
}

void popupabout() {
    int midx = disp.midx;
    float t = popupmedium(midx, menutext(ABOUTTEXTS, 1));
    static const int lines[] = {2, 3, 4, 5, 6, 7, 9, 10, 11, 12};
    static const int ys[] = {210, 240, 276, 306, 342, 372, 408, 438, 474, 504};
    for (int k = 0; k < 10; k++) drawtext(menutext(ABOUTTEXTS, lines[k]), midx, t + ys[k], 3, 7);
    if (button(midx, t + 590, 3, 2, menutext(ABOUTTEXTS, 13)) == 3 || in.keyesc == 1) closepopup();
}

void resetoptiondrag() {
    opts.musicdrag = opts.sounddrag = 0;
    opts.backscroll = opts.backscrolltarget = 0;
}

void reloadscreenbackground() {
    // Each screen's background as its entry loaded it.
    if (core.screen == SCREEN_MENU) loadgamebg_dynamic(SCREEN_MENU, 0, 0);
    else if (core.screen == SCREEN_GAME) loadgamebg_dynamic(SCREEN_GAME, 0, 1);
}

void resetoptions() { opts = OptionsState{}; }
