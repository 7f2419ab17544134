// Fish orders: see fishorders.h.
#include "cards/fishorders.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "cards/cardgame.h"
#include "cards/gamescreen.h"
#include "core/globals.h"
#include "core/profiles.h"
#include "platform/platform.h"
#include "present/effects.h"
#include "present/fonts.h"
#include "present/sound.h"
#include "present/swimfish.h"

FishOrders fo;
FishOrderImages foimg;

void resetfishorders() { fo = FishOrders{}; }

void freefishorderimages() {
    for (int t = 1; t <= 3; t++) freeimg(foimg.orderbubble[t]);
    freeimg(foimg.pofbubble);
    foimg.loaded = false;
}

int ordertokensinuse() {
    int n = 0;
    for (int t = 1; t <= MAXORDERTOKENS; t++)
        if (fo.token[t].img != 0) n++;
    return n;
}

namespace {

constexpr int TOKENPICTURE = 5;

void bubblering(float x, float y) {
    for (int k = 0; k < 10; k++)
        spawnbubble((int)(x + 30 * pf::cosdeg(36.0 * k)), (int)(y + 30 * pf::sindeg(36.0 * k)), 0);
}

bool validfish(int f) {
    if (f < 1 || f > MAXFISH) return false;
    int t = akt().fish[f].fishtype;
    return t >= 1 && t <= 3;
}

void servefish(FishRec& fr, float x, float y) {
    PlayS(SND_FREEFISH, (int)x);
    effburst(x, y, 10, 2);
    PlayS(SND_FREEFISH, (int)x);
    bubblering(x, y);
    akt().fishserved++;
    addpearls(25 * fr.fishtype, (int)x, (int)y);
    addpoints(5 * fr.fishtype, (int)x, (int)y);
    if (fr.fishkind >= 1 && fr.fishkind <= FISHKINDS) addswimfish((int)x, (int)y, 10, fr.fishkind, 0);
    fr.fishtype = 0;
}

void drawonefish(int i, float alpha) {
    FishRec& fr = akt().fish[i];
    fr.fishbob++;
    float a = std::min(1.0f, 0.05f * fr.fishbob);
    if (sc.endseq >= 1) a = std::max(0.0f, 1.0f - 0.05f * sc.endseq);
    int fc = core.framecount;
    float x = (float)(fr.fishx + disp.uixoff);
    float y = (float)(fr.fishy + 2 * pf::sindeg(2.0 * fc + 30.0 * i));
    float sx = a * (float)(0.97 + 0.03 * pf::cosdeg(30.0 * i + 5.0 * fc));
    float sy = a * (float)(0.97 + 0.03 * pf::sindeg(30.0 * i + 5.0 * fc));
    if (x > disp.midx) sx = -sx;
    setdraw(0, sx, sy, BLEND_ALPHA, alpha);
    drawimg(fishimg(fr.fishkind, 1), x, y);
    drawimg(foimg.orderbubble[fr.fishtype], x, y);
    setdraw(0, 1, 1, BLEND_ALPHA, alpha);

    int k = 0;
    for (int o = 1; o <= 3; o++)
        if (fr.fishorder[o] > 0) k++;
    if (k == 0) {
        servefish(fr, x, y);
        return;
    }
    static const float radius[4] = {0, 60, 82, 104};
    static const float spread[4][3] = {{0, 0, 0}, {0, 0, 0}, {-14, 14, 0}, {-28, 0, 28}};
    int nth = 0;
    for (int o = 1; o <= 3; o++) {
        int v = fr.fishorder[o];
        if (v <= 0) continue;
        double angle = 30 * pf::sindeg(30.0 * i + fc) + 90 + spread[k][nth++];
        float bx = x + radius[fr.fishtype] * (float)pf::cosdeg(angle);
        float by = y + radius[fr.fishtype] * (float)pf::sindeg(angle);
        fo.bubblex[i][o] = bx;
        fo.bubbley[i][o] = by;
        drawimg(foimg.pofbubble, bx, by);
        drawtext(std::to_string(v), bx - 3, by - 21, 3, 9);
    }
}

void movetokens(float alpha) {
    for (int t = 1; t <= MAXORDERTOKENS; t++) {
        OrderToken& tk = fo.token[t];
        if (tk.img == 0) continue;
        if (tk.fish < 1 || tk.fish > MAXFISH || tk.order < 1 || tk.order > 3) {
            tk = OrderToken{};
            continue;
        }
        float tx = fo.bubblex[tk.fish][tk.order], ty = fo.bubbley[tk.fish][tk.order];
        tk.x += std::trunc(std::clamp((tx - tk.x) * 0.06f, -6.0f, 6.0f));
        tk.y += std::trunc(std::clamp((ty - tk.y) * 0.06f, -6.0f, 6.0f));
        float s = 0.8f + 0.01f * pf::rand(0, 30);
        setdraw(20.0f * core.framecount, s, s, BLEND_ALPHA, alpha);
        drawimg(effimg.star[TOKENPICTURE], tk.x, tk.y);
        setdraw(0, 1, 1, BLEND_ALPHA, alpha);
        if (pf::rand(1, 5) == 1) addeff(tk.x, tk.y, EFF_FALLGLOW + 1, 0, 0);
        if (std::fabs(tk.x - tx) < 20 && std::fabs(tk.y - ty) < 20) {
            float x = tk.x, y = tk.y;
            int f = tk.fish, o = tk.order;
            tk = OrderToken{};
            effburst(x, y, 3, 1);
            akt().fish[f].fishorder[o] = 0;
            PlayS(SND_FISHTASK, (int)x);
            bubblering(x, y);
        }
    }
}

}  // namespace

// The bubbles are small and shared by every level with fish, so they load on
// first use and stay.
void loadorderimages() {
    if (foimg.loaded) return;
    foimg.loaded = true;
    for (int t = 1; t <= 3; t++)
        foimg.orderbubble[t] = loadimg("data\\fishes/orderbubble" + std::to_string(t) + ".png");
    foimg.pofbubble = loadimg("data\\fishes/pofbubble.png");
}

void drawfish() {
    loadorderimages();
    float alpha = pf::getalpha();
    // a record read from a damaged file may carry any type; only 1..3 are fish
    for (int i = 1; i <= MAXFISH; i++)
        if (validfish(i)) drawonefish(i, alpha);
    movetokens(alpha);
}

void serveorder(int n, int x, int y) {
    int cf = 0, co = 0;
    // first an order of exactly n, else the first smaller one
    for (int pass = 1; pass <= 2 && cf == 0; pass++)
        for (int f = 1; f <= MAXFISH && cf == 0; f++) {
            if (!validfish(f)) continue;
            for (int o = 1; o <= 3; o++) {
                int v = akt().fish[f].fishorder[o];
                if (fo.inflight[f][o] != 0 || v <= 0) continue;
                if (pass == 1 ? v == n : v < n) {
                    cf = f;
                    co = o;
                    break;
                }
            }
        }
    if (cf == 0) return;
    for (int t = 1; t <= MAXORDERTOKENS - 1; t++) {
        OrderToken& tk = fo.token[t];
        if (tk.img != 0) continue;
        fo.inflight[cf][co] = 1;
        tk = OrderToken{TOKENPICTURE, (float)x, (float)y, cf, co};
        effburst((float)x, (float)y, 10, 2);
        return;
    }
}
