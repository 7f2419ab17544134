// The stable (draw pile): drawing from it, choosing the card it deals, the
// turn of the new aktcard, buying a new stable and the spare pile's refill.
#include <algorithm>
#include <cmath>

#include "cards/cardart.h"
#include "cards/cardgame.h"
#include "cards/fishorders.h"
#include "cards/gamescreen.h"
#include "core/globals.h"
#include "menus/popups.h"
#include "meta/itemids.h"
#include "meta/shop.h"
#include "meta/trophies.h"
#include "present/effects.h"
#include "present/fonts.h"
#include "present/sound.h"
#include "present/texts.h"
#include "platform/platform.h"

int stabletopx() {
    int n = akt().stablecount;
    return n < 2 ? disp.midx - 120 : disp.midx - 120 + 2 * (n - 1);
}

namespace {

// The backs of the pile lie 2 pixels apart, and each hides the one under it
// but for a sliver: the next back's solid middle. So below the top one only
// the slivers are drawn, through the clip, which comes out pixel for pixel
// the same and saves blending up to fifty whole cards a frame. Only at full
// strength and untinted: a fading pile blends through and is drawn whole.
void drawpileback(Img back, int x, int y, bool covered) {
    int k = pf::imagesolidinset(back);
    int r, g, b;
    pf::getcolour(r, g, b);
    float sx, sy;
    pf::getscale(sx, sy);
    bool plain = r == 255 && g == 255 && b == 255 && pf::getalpha() == 1.0f && pf::getblend() == BLEND_ALPHA &&
                 pf::getrotation() == 0.0f && sx == 1.0f && sy == 1.0f;
    if (!covered || k < 0 || !plain) {
        drawimg(back, x, y);
        return;
    }
    int hx, hy;
    pf::imagehandle(back, hx, hy);
    int w = pf::imagewidth(back), h = pf::imageheight(back);
    int l = x - hx, t = y - hy;
    int cl = l + 2 + k, cr = std::min(l + w, l + 2 + w - k);  // the next back's solid columns over this one
    const int part[4][4] = {
        {l, t, cl - l, h},                  // the sliver on the left
        {cr, t, l + w - cr, h},             // and on the right, where the next one's edge is not solid
        {cl, t, cr - cl, k},                // above and below its solid middle
        {cl, t + h - k, cr - cl, k},
    };
    for (const auto& p : part) {
        if (p[2] <= 0 || p[3] <= 0) continue;
        pf::setviewport(p[0], p[1], p[2], p[3]);
        drawimg(back, x, y);
    }
    pf::setviewport(0, 0, disp.gfxwidth, disp.gfxheight);
}

}  // namespace

int stableprice() {
    int price = shophalfprice(ITEM_NEWSTABLE);
    if (akt().items[ITEM_HALFPRICE] > 0) price /= 2;
    return price;
}

void drawfromstable() {
    Profile& p = akt();
    p.aktprev = p.aktcard;
    cg.dealrequest = 1;
    if (cg.combo > 4) {
        serveorder(cg.combo, stabletopx() + 48, cg.stabley + 71);
        cg.combosign = 1;
        cg.combolast = cg.combo;
        newbest(cg.combo);
    }
    PlayS(SND_CARD_STABLE, disp.midx);
    static const int shake[5] = {110, 90, 70, 50, 30};
    if (p.stablecount >= 0 && p.stablecount <= 4) setcardometershake(shake[p.stablecount]);
    cg.combo = 0;
    tutorialnext();
}

void newbest(int n) {
    Profile& p = akt();
    if (n > p.bestcombo) {
        p.bestcombo = n;
        if (n >= 10 && n <= 14) wintrophy(TROPHY_COMBO10);
        if (n >= 15 && n <= 17) wintrophy(TROPHY_COMBO15);
        if (n >= 18) wintrophy(TROPHY_COMBO18);
    }
    cg.combo = 0;
    p.stats[STAT_KINGCOMBOS] = 0;
}

int nextaktcard() {
    Profile& p = akt();
    int unused = 0;
    for (int n = 1; n <= 52; n++)
        if (p.card[n].deckused == 0) unused++;
    if (unused == 0) return AKT_FISHSLAP;  // a damaged deck: deal the card that fits anything
    auto randomunused = [&] {
        int n;
        do n = pf::rand(1, 52);
        while (p.card[n].deckused != 0);
        return n;
    };
    int chosen = randomunused();
    if (core.aktlevel <= 4) {
        int start = 12;
        if (core.aktlevel > 2 && core.framecount % 2 == 0) start = 52;
        int found = 0;
        int laststack = std::clamp(p.stacks, 1, MAXSTACKS);
        for (int n = start; n <= 52 && !found; n++) {
            if (p.card[n].deckused != 0) continue;
            int v = cardvalue(n);
            for (int s = 1; s <= laststack; s++)
                if (v == p.stack[s].stacktop + 1 || v == p.stack[s].stacktop - 1) {
                    found = n;
                    break;
                }
        }
        chosen = found ? found : randomunused();
    }
    if (pf::rand(1, 30) == 1 && core.playlevel > 1) chosen = AKT_FISHSLAP;
    if (core.playlevel == 1 && tut.tutorialon && tut.tutorialpage == 0) chosen = 6;
    if (core.playlevel == 1 && p.stablecount == 3) chosen = AKT_FISHSLAP;
    if (core.playlevel == 1 && p.stablecount == 10) chosen = AKT_FISHSLAP;
    return chosen;
}

void dealstablecard() {
    Profile& p = akt();
    cg.dealrequest = 0;
    if (p.stablecount >= 0) p.stablecount--;
    if (p.stablecount > 0) {
        p.aktcard = nextaktcard();
        if (p.aktcard < 100) {
            p.aktvalue = cardvalue(p.aktcard);
            p.card[p.aktcard].deckused = 2;
        }
        p.aktflip = 0;
    }
}

namespace {

bool mousein(int x0, int y0, int x1, int y1) { return in.mx > x0 && in.mx < x1 && in.my > y0 && in.my < y1; }

void drawaktcard() {
    Profile& p = akt();
    int aktx = disp.uixoff + 532, akty = cg.stabley;
    if (p.aktprev > 0) drawimg(aktcardimage(p.aktprev), aktx, akty);
    if (p.aktflip >= 20) {
        drawimg(aktcardimage(p.aktcard), aktx, akty);
        return;
    }
    // the start stays where the top card was: the pile does not change during the turn
    int start = disp.midx + 2 * p.stablecount - 116;
    int x = (int)(start + (aktx - start) * 0.0535 * p.aktflip);
    p.aktflip++;
    int f = p.aktflip;
    float alpha = pf::getalpha();
    if (f >= 1 && f <= 9) {
        float s = 1.0f - 0.1f * f;
        setdraw(0, s, 1, BLEND_ALPHA, alpha);
        drawimg(art.back[p.cardback >= 1 && p.cardback <= 7 ? p.cardback : 1], x + 48 * (1 - s), akty);
    } else if (f >= 10 && f <= 19) {
        float s = 0.1f * (f - 9);
        setdraw(0, s, 1, BLEND_ALPHA, alpha);
        drawimg(aktcardimage(p.aktcard), x + 48 * (1 - s), akty);
        if (f == 19 && p.aktcard == AKT_FISHSLAP) {
            effburst(aktx + 48, akty + 71, 20, 0);  // the slap is its sound
            PlayS(SND_BFGSLAP, aktx);
        }
    } else {
        drawimg(aktcardimage(p.aktcard), aktx, akty);
    }
    setdraw(0, 1, 1, BLEND_ALPHA, alpha);
}

void buyoffer() {
    Profile& p = akt();
    int price = stableprice();
    int x = disp.midx - 118, y = cg.stabley;
    drawimg(art.losecard, x, y);
    drawtext(gametext(3, 7), disp.midx - 70, y + 15, 3, 8);
    drawtext(gametext(3, 8), disp.midx - 70, y + 43, 3, 8);
    drawimg(art.pricesign, disp.midx - 70, y + 110);
    drawtext(std::to_string(price), disp.midx - 57, y + 95, 3, 8);
    if (!mousein(x, y, disp.midx - 22, y + CARDH)) return;
    float alpha = pf::getalpha();
    setdraw(0, 1, 1, BLEND_LIGHT, 0.3f);
    drawimg(art.losecard, x, y);
    setdraw(0, 1, 1, BLEND_ALPHA, alpha);
    if (!in.mhit1 || cg.gamestat != 2 || pop.popup != 0) return;
    in.mhit1 = 0;
    if (p.pearls >= price) {
        p.pearls -= price;
        p.items[ITEM_NEWSTABLE] = 1;
        PlayS(SND_CASH, in.mx);
    } else {
        addtext(in.mx, in.my, gametext(14, 2));
        PlayS(SND_FAILURE, in.mx);
    }
}

}  // namespace

void drawstable() {
    Profile& p = akt();
    if (cg.dealrequest) dealstablecard();
    Img back = art.back[p.cardback >= 1 && p.cardback <= 7 ? p.cardback : 1];
    for (int i = 1; i <= p.stablecount - 1; i++)
        drawpileback(back, disp.midx - 120 + 2 * i, cg.stabley, i < p.stablecount - 1);
    setcardometer(stabletopx() + 48, p.stablecount - 1);

    int tx = stabletopx();
    bool hold = core.playlevel == 1 && tut.tutorialon && tut.tutorialpage < 5;
    bool over = mousein(tx, cg.stabley, tx + CARDW, cg.stabley + CARDH);
    if (p.stablecount >= 2 && over && cg.gamestat == 2) {
        if (cg.combo <= 4) {
            float alpha = pf::getalpha();
            setdraw(0, 1, 1, BLEND_ALPHA, 0.3f);
            drawimg(art.glow, tx - 6, cg.stabley - 7);
            setdraw(0, 1, 1, BLEND_ALPHA, alpha);
        }
        if (in.mhit1 && p.aktflip == 20 && cg.inputok && pop.popup == 0 && gs.levelclock && !hold) {
            in.mhit1 = 0;
            for (int i = 1; i <= MAXCARDS; i++)
                if (cg.cardplayable[i] && cg.cardwiggle[i] == 0) cg.cardwiggle[i] = 1;
            drawfromstable();
        }
    }
    drawaktcard();
    if (p.stablecount <= 1 && p.items[ITEM_NEWSTABLE] == 0 && cg.refill == 0) buyoffer();
}

void sparepile() {
    Profile& p = akt();
    if (!(p.items[ITEM_NEWSTABLE] > 0 || cg.refill > 0)) return;
    int n = std::clamp(p.stablestart, 0, MAXCARDS);
    float alpha = pf::getalpha();
    setdraw(0, 1, 1, BLEND_ALPHA, alpha * std::min(1.0f, 0.1f * cg.playticks));
    Img back = art.back[p.cardback >= 1 && p.cardback <= 7 ? p.cardback : 1];
    int shift = std::max(-cg.playticks, -40);
    for (int i = 1; i <= n; i++) {
        if (cg.refill == 0) {
            cg.refillx[i] = disp.midx + 2 * i - 2 * n - 84 + shift;
            cg.refilly[i] = cg.stabley;
        }
        drawimg(back, cg.refillx[i], cg.refilly[i]);
    }
    if (p.items[ITEM_NEWSTABLE] > 0 || cg.refill < 20) {
        for (int i = 1; i <= n; i++)
            drawimgframe(art.banderole, cg.refillx[i], cg.stabley + 71 + 10 * cg.refill, i == 1 ? 0 : 1, 4);
        if (n >= 1) {
            float lx = cg.refillx[n];
            drawimgframe(art.banderole, lx + 2, cg.stabley + 71 + 10 * cg.refill, 2, 4);
            drawimgframe(art.banderole, lx + 4, cg.stabley + 71 + 10 * cg.refill, 3, 4);
            drawimgframe(art.banderole, lx + 6, cg.stabley + 71 + 10 * cg.refill, 3, 4);
        }
    }
    setdraw(0, 1, 1, BLEND_ALPHA, alpha);
    if (p.stablecount == 1 && p.items[ITEM_NEWSTABLE] > 0) {
        pf::logline("activate new stable");
        p.items[ITEM_NEWSTABLE] = 0;
        cg.refill = 1;
    }
}

void refillstable() {
    Profile& p = akt();
    if (cg.refill <= 0) return;
    cg.refill++;
    int n = std::clamp(p.stablestart, 0, MAXCARDS);
    int c = cg.refill, tx = stabletopx();
    for (int i = 1; i <= n; i++) {
        bool moving = c < 40 ? i < c : i < c - 40;
        if (!moving) continue;
        float gx = c < 40 ? tx : tx + 2 * i, gy = c < 40 ? cg.stabley - 120 : cg.stabley;
        cg.refillx[i] += (gx - cg.refillx[i]) * 0.1f;
        cg.refilly[i] += (gy - cg.refilly[i]) * 0.1f;
        if (pf::rand(1, 5) == 1) spawnbubble((int)cg.refillx[i] + 48, (int)cg.refilly[i] + 71, 0);
    }
    if (c % 2 == 0 && (c < 30 || (c >= 41 && c <= 69))) PlayS(SND_CARD_TAKEOUT, disp.midx);
    if (core.framecount % 8 == 0 && c < 60) PlayS(SND_GLITTER, disp.midx);
    if (c == REFILLDONE) {
        for (int k = 1; k <= 52; k++)
            if (p.card[k].deckused == 2) p.card[k].deckused = 0;
        p.stablecount = p.stablestart;
        p.stockround++;
    }
    if (c >= REFILLEND) {
        cg.refill = 0;
        drawfromstable();
    }
}
