// The head-up display around the table: the sliding bars, the pearl bar with
// the shop, the points bar with its stars, the two aid bars, the panel of
// active shop items, tooltips, the cardometer, the combo counter, the menu
// hotspot and the play sign.
#include <algorithm>
#include <cmath>

#include "cards/cardart.h"
#include "cards/cardgame.h"
#include "cards/extras.h"
#include "cards/gamescreen.h"
#include "core/globals.h"
#include "core/profiles.h"
#include "menus/popups.h"
#include "meta/shop.h"
#include "platform/platform.h"
#include "present/effects.h"
#include "present/fonts.h"
#include "present/sound.h"
#include "present/texts.h"

Hud hud;

void setcardometershake(int ticks) { hud.metershake = ticks; }

void setcardometer(int targetx, int count) {
    hud.metertarget = targetx;
    hud.metercount = count;
}

void resethudforlevel() {
    // the cardometer rises into place from below the table, under the stable
    hud.meterx = (float)(disp.midx + 40);
    hud.metery = (float)(disp.gfxheight + 100);
    hud.metertarget = 0;
    hud.metercount = 100;
    hud.metershake = 0;
    hud.comboy = -50;
    hud.comboshown = 0;
    hud.tooltip = 0;
    hud.tooltipcount = 0;
}

int helditemcount() {
    if (!haveplayer()) return 0;
    int n = 0;
    for (int i = ITEM_FIRSTBOOSTER; i <= ITEM_LASTBOOSTER; i++)
        if (akt().items[i] > 0) n++;
    return n;
}

namespace {

bool overmask(Img img, float x, float y) {
    if (!img || !popimg.coll2img) return false;
    return pf::imagescollide(popimg.coll2img, in.mx, in.my, 0, img, (int)x, (int)y, 0);
}

void drawbars() {
    hud.barslide -= (hud.barslide - 60) * 0.1f;
    float a = pf::getalpha();
    float k = std::min(1.0f, std::max(0.0f, 1.0f - cg.offerpanel));
    pf::setalpha(a * k);
    for (int i = 0; i <= 6; i++) drawimg(gameimg.gameuiup, 256.0f * i, hud.barslide - 60);
    pf::setscale(1, -1);
    for (int i = 0; i <= 6; i++) drawimg(gameimg.gameuiup, 256.0f * i, disp.gfxheight - hud.barslide + 60);
    pf::setscale(1, 1);
    pf::setalpha(a);
}

// The shop lives behind the pearl bar; while the end offer counts it pulses
// to say that pearls can still save the level.
void drawpearlbar() {
    float a = pf::getalpha();
    float top = 0;
    drawimg(gameimg.pearlbar, 0, top);
    drawtext(std::to_string(akt().pearls), 208, top + 18, 3, 8);
    Img spot = popimg.buttonover[1];
    if (hud.hotspotactive && overmask(spot, 0, 0)) {
        setdraw(0, 1, 1, BLEND_LIGHT, 0.2f * a);
        drawimg(spot, 0, 0);
        setdraw(0, 1, 1, BLEND_ALPHA, a);
        if (in.mhit1) {
            in.mhit1 = 0;
            PlayS(SND_CLICK, in.mx);
            openpopup(POPUP_SHOP);
        }
    }
    // it pulses from the first tick the offer counts, before the panel comes
    if (cg.offercount > 0 && cg.gamestat != 3) {
        int n = cg.offercount;
        if (n == 1) PlayS(SND_LIGHTUPSHOPBUTTON, 100);
        setdraw(0, 1, 1, BLEND_LIGHT, a * (0.1f + 0.1f * (float)pf::sindeg(5.0 * n)));
        drawimg(spot, 0, 0);
        setdraw(0, 1, 1, BLEND_ALPHA, a);
        if (n % 6 == 0) spawnbubble(pf::rand(20, 180), 60, 0);
    }
}

void drawmenuhotspot() {
    float a = pf::getalpha();
    Img spot = popimg.buttonover[3];
    if (!hud.hotspotactive) return;
    bool over = overmask(spot, (float)disp.gfxwidth, 0);
    if (over) {
        setdraw(0, 1, 1, BLEND_LIGHT, 0.2f * a);
        drawimg(spot, (float)disp.gfxwidth, 0);
        setdraw(0, 1, 1, BLEND_ALPHA, a);
    }
    bool esc = in.keyesc == 1 && in.escdelay == 30;
    if ((over && in.mhit1) || esc) {
        in.mhit1 = 0;
        PlayS(SND_CLICK, disp.gfxwidth - 60);
        openpopup(POPUP_INGAMEMENU);
        // the press that opened the menu must not also close it
        in.keyesc = 0;
    }
}

}  // namespace

void drawpointsbar() {
    Profile& p = akt();
    int w = disp.gfxwidth;
    float a = pf::getalpha();
    float top = 0;
    drawimg(gameimg.pointsbar, (float)w, top);
    if (core.debugmode && in.keyspace) sc.points++;
    hud.shownpoints = (int)(hud.shownpoints - (hud.shownpoints - sc.points) * 0.1);
    if (hud.shownpoints < sc.points) hud.shownpoints++;
    int shown = hud.shownpoints;
    int f = std::min(183, (int)(std::max(0, shown) * 0.0019047600 * 183));
    for (int i = 1; i <= f / 10; i++) drawimgframe(gameimg.pointsfill10, (float)(w + 10 * i - 308), top + 28, i - 1, 17);
    int last = -1;
    for (int i = (f / 10) * 10; i <= f; i++) {
        drawimgframe(gameimg.pointsfill1, (float)(w + i - 303), top + 28, i, 183);
        last = i;
    }
    if (f > 0 && last >= 0) {
        setdraw(0, 1, 1, BLEND_LIGHT, a);
        drawimgframe(gameimg.pointsfill1, (float)(w + last - 303), top + 28, last, 183);
        setdraw(0, 1, 1, BLEND_ALPHA, a);
    }
    for (int k = 1; k <= 3; k++) {
        int x = w - 302 + (int)(STARTHRESHOLD[k] * 0.0019047600 * 183);
        drawimg(gameimg.pointslines, (float)x, top + 28);
        if (shown >= STARTHRESHOLD[k] && sc.starlock == 0 && p.starstate[k] == 0) {
            p.starstate[k] = 1;
            effpoint(x, (int)(top + 48));
            PlayS(SND_POINTSSTAR, x);
        }
        int st = p.starstate[k];
        if (st >= 1 && st <= 110) drawimg(gameimg.starfull, (float)x, top + 48);
        else if (st == 0 && sc.starlock == 0) drawimg(gameimg.starempty, (float)x, top + 48);
    }
    drawtext(std::to_string(shown), (float)(w - 213), top + 12, 3, 8);
}

void drawactiveitems() {
    int t = gs.leveltick;
    if (t < 51 || t > 249) return;
    int count = helditemcount();
    if (count == 0) return;
    float base = pf::getalpha();
    float a = std::min(1.0f, 0.02f * (t - 50));
    if (t >= 231) a = std::max(0.0f, 0.05f * (250 - t));
    pf::setalpha(base * a);
    for (int i = 0; i <= 6; i++)
        for (int j = 0; j <= 3; j++) drawimg(popimg.dimimg, 200.0f * i + 100, 200.0f * j + 100);
    setdraw(0, 0.7f, 0.7f, BLEND_ALPHA, base * a);
    drawimg(popimg.sign, (float)disp.midx, disp.midy - 5.0f);
    pf::setscale(1, 1);
    drawtext(gametext(3, 2), (float)disp.midx, disp.midy - 3.0f - 14, 3, 8);
    float y = disp.midy + 100.0f;
    float x = disp.midx - 50.0f * (count - 1);
    int j = 0;
    for (int item = ITEM_FIRSTBOOSTER; item <= ITEM_LASTBOOSTER; item++) {
        int uses = akt().items[item];
        if (uses <= 0) continue;
        j++;
        int rel = t - 100;
        if (rel > 15 * j && rel < 15 * j + 30) {
            float fa = (float)pf::sindeg(6.0 * t - 90 * j - 600);
            setdraw((float)(4 * t), 2, 2, BLEND_LIGHT, base * a * std::max(0.0f, fa));
            drawimg(effimg.glower, x, y);
            setdraw(0, 1, 1, BLEND_ALPHA, base * a);
        }
        Img pic = shopitemimage(item);
        if (pic) drawimg(pic, x, y);
        else {
            setdraw(0, 0.8f, 0.8f, BLEND_ALPHA, base * a);
            drawimg(effimg.bigstar, x, y);
            setdraw(0, 1, 1, BLEND_ALPHA, base * a);
        }
        // remaining uses as dots on an arc above the item
        int n = std::min(uses, 9);
        for (int d = 0; d < n; d++) {
            double ang = 270 + 20 * (d - (n - 1) / 2.0);
            setdraw(0, 0.25f, 0.25f, BLEND_ALPHA, base * a);
            drawimg(effimg.bubble, x + 40 * (float)pf::cosdeg(ang), y - 10 + 40 * (float)pf::sindeg(ang));
        }
        setdraw(0, 1, 1, BLEND_ALPHA, base * a);
        x += 100;
    }
    pf::setalpha(base);
}

void drawtooltips() {
    if (in.mmoved) hud.tooltip = 0;
    bool quiet = pop.popup == 0 && !(tut.tutorialon && tut.tutorialpage > 0) && sc.endseq == 0 && cg.gamestat != 3;
    if (hud.tooltip <= 0 || !quiet) {
        hud.tooltipcount = 0;
        return;
    }
    hud.tooltipcount++;
    if (hud.tooltipcount < 101) return;
    float base = pf::getalpha();
    pf::setalpha(base * std::min(1.0f, 0.05f * (hud.tooltipcount - 100)));
    int h = disp.gfxheight;
    if (hud.tooltip == 1) {
        float x = disp.gfxwidth - 210.0f, y = h - 250.0f;
        drawimg(art.tutorialsign, x, y);
        drawtext(menutext(24, 18), x, y - 95, 3, 7);
        drawtextbox(menutext(24, 19), x, y - 40, 390, 32, 3, 7);
    } else {
        int k = hud.tooltip - 1;
        float x = 210.0f, y = h - 250.0f;
        drawimg(art.tutorialsign, x, y);
        drawtext(gametext(10, k), x, y - 95, 3, 7);
        drawtextbox(gametext(11, k), x, y - 40, 390, 32, 3, 7);
    }
    pf::setalpha(base);
}

void drawcardometer() {
    if (hud.metercount > 0) {
        hud.metery -= (hud.metery - (disp.gfxheight - 23)) * 0.1f;
        hud.meterx -= (hud.meterx - hud.metertarget) * 0.1f;
    } else {
        hud.metery += 4;
    }
    float dx = 0, dy = 0;
    if (hud.metershake > 0) {
        int s = hud.metershake--;
        dx = (float)(pf::cosdeg(60.0 * s) * 0.1 * s);
        dy = (float)(pf::sindeg(60.0 * s) * 0.1 * s);
    }
    if (hud.metery > disp.gfxheight + 60) return;
    float x = hud.meterx + dx, y = hud.metery + dy;
    drawimg(hudimg.cardometer, x, y);
    drawtext(std::to_string(std::max(0, hud.metercount)), x - 2, y - 14, 3, 8);
}

void drawcombocounter() {
    if (cg.combo > 4) {
        hud.comboy -= (hud.comboy - 10) * 0.1f;
        hud.comboshown = cg.combo;
    } else {
        if (hud.comboy > -50) hud.comboy = std::max(-50.0f, hud.comboy - 4);
        if (hud.comboy < -30) hud.comboshown = 0;
    }
    if (hud.comboy <= -50) return;
    drawtext(std::to_string(hud.comboshown) + gametext(3, 14), (float)disp.midx, hud.comboy, 3, 8);
}

void drawplaysign() {
    int t = gs.leveltick;
    if (t < 20 || t > 250) return;
    float a = pf::getalpha();
    drawefftext(1, gametext(3, 13), (float)disp.midx, disp.midy - 60.0f, 3, 1, t, 20, 250, 1, 255, 255, 255);
    pf::setalpha(a);
}

void drawhud() {
    hud.hotspotactive = pop.popup == 0 && pop.buttonlayer == 1 && sc.endseq == 0 && cg.gamestat != 3 &&
                        core.gamepause != 1 && fade.fadestate == 1;
    drawbars();
    drawpearlbar();
    drawpointsbar();
    drawextrabar();
    drawhelpers();
    drawactiveitems();
    drawtooltips();
    if (cg.gamestat == 2) {
        drawcardometer();
        drawcombocounter();
    }
    drawmenuhotspot();
    setdraw(0, 1, 1, BLEND_ALPHA, 1);
}
