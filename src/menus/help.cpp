#include "menus/help.h"

#include "cards/cardart.h"
#include "cards/fishorders.h"
#include "core/globals.h"
#include "menus/popups.h"
#include "platform/platform.h"
#include "present/effects.h"
#include "present/fonts.h"
#include "present/resources.h"
#include "present/swimfish.h"
#include "present/texts.h"

HelpState help;

namespace {

constexpr int TEXTS = 24;      // menutexts section of the help
constexpr int ITEMNAMES = 10;  // gametexts sections naming and explaining the specials
constexpr int ITEMTEXTS = 11;

void heading(int line, float y) { drawtext(uppertitle(menutext(TEXTS, line)), disp.midx, y, 3, 9); }
void box(int line, float x, float y, int w) { drawtextbox(menutext(TEXTS, line), x, y, w, 24, 3, 7); }

Img card(int n) { return n >= 1 && n <= 52 ? art.face[(n - 1) / 13 + 1][(n - 1) % 13 + 1] : nullptr; }

void page1(float f) {
    int midx = disp.midx;
    heading(4, f - 305);
    box(5, midx, f - 260, 800);
    box(6, midx, f - 212, 800);
    box(7, midx, f - 10, 800);
    heading(8, f + 80);
    box(9, midx, f + 125, 800);
    box(10, midx, f + 173, 800);
    pf::setscale(0.6f, 0.6f);
    float m = float(int(f - 125));
    const int stackx[4] = {-300, -220, -140, -60}, top[4] = {11, 2, 8, 4};
    for (int s = 0; s < 4; s++) {
        for (int k = 0; k < 3; k++) drawimg(art.back[1], midx + stackx[s], m + 6 * k);
        drawimg(card(top[s]), midx + stackx[s], m + 18);
    }
    for (int k = 0; k <= 3; k++) drawimg(art.back[1], midx + 100 + 2 * k, m);
    drawimg(card(3), midx + 180, m);
    pf::setscale(1, 1);
}

void fishexample(int kind, int bubble, float x, float s) {
    drawimg(fishimg(kind, 1), x, s);
    drawimg(foimg.orderbubble[bubble], x, s);
}

void page2(float f) {
    int midx = disp.midx;
    heading(11, f - 305);
    box(12, midx, f - 260, 800);
    pf::setscale(0.65f, 0.65f);
    float m = float(int(f - 195));
    struct Pair { Img obstacle, remedy; int dx, line; };
    const Pair pairs[3] = {{art.plants, art.tool[3], -320, 13}, {art.oil, art.tool[1], -50, 14}, {art.shell[1], art.tool[2], 220, 15}};
    for (const Pair& p : pairs) {
        drawimg(p.obstacle, midx + p.dx, m);
        drawimg(p.remedy, midx + p.dx + 50, m + 42);
    }
    pf::setscale(1, 1);
    for (const Pair& p : pairs) box(p.line, midx + p.dx + 50, m + 145, 250);
    heading(16, f + 50);
    box(17, midx, f + 95, 540);
    loadorderimages();
    float s = float(int(f + 120));
    fishexample(13, 1, midx - 340, s);
    drawimg(foimg.pofbubble, midx - 340, s + 58);
    drawtext("6", midx - 343, s + 37, 3, 9);
    fishexample(1, 2, midx + 340, s);
    drawimg(foimg.pofbubble, midx + 318, s + 77);
    drawimg(foimg.pofbubble, midx + 362, s + 77);
    drawtext("7", midx + 315, s + 56, 3, 9);
    drawtext("8", midx + 359, s + 56, 3, 9);
}

void page3(float f) {
    int midx = disp.midx;
    heading(18, f - 305);
    box(19, midx, f - 260, 800);
    drawimg(popimg.fishhelpershelp, midx, f - 130);
    heading(22, f - 20);
    box(23, midx, f + 25, 800);
    for (int dx : {-100, 0, 100}) drawimg(effimg.bigstar, midx + dx, f + 170);
}

// Special cards and tools, three to a page; the last page shows one.
struct HelpItem {
    Img* picture;
    int line;  // gametexts line of its name and its explanation
};

void specialpage(float f) {
    const HelpItem items[11] = {{nullptr, 0},           {&art.fishslap, 1}, {&art.extra[2], 2},  {&art.extra[3], 4},
                                {&art.extra[10], 6},    {&art.extra[7], 7}, {&art.extra[8], 8},  {&art.tool[1], 9},
                                {&art.tool[2], 10},     {&art.tool[3], 11}, {&art.extra[4], 12}};
    heading(24, f - 300);
    for (int i = 1; i <= 3; i++) {
        int k = i + 3 * (help.helppage - 4);
        if (k < 1 || k > 10) continue;
        float y = float(int(f - 320 + 155 * i - 71));
        float x = float(disp.midx - 268);
        drawimg(*items[k].picture, x, y);
        drawtext(gametext(ITEMNAMES, items[k].line), x + 120, y + 5, 1, 7);
        drawtextbox(gametext(ITEMTEXTS, items[k].line), x + 120, y + 50, 400, 24, 1, 7);
    }
}

}  // namespace

void popuphelp() {
    if (help.helppage < 1 || help.helppage > HELPPAGES) help.helppage = 1;
    float f = popupbig2(disp.midx, "") + 350;
    switch (help.helppage) {
        case 1: page1(f); break;
        case 2: page2(f); break;
        case 3: page3(f); break;
        default: specialpage(f); break;
    }
    int midx = disp.midx;
    // Escape counts as all three: the page stays, the popup closes.
    bool esc = in.keyesc == 1;
    if (button(midx - 200, f + 300, 3, help.helppage == 1 ? -1 : 2, menutext(TEXTS, 1)) == 3 && !esc) help.helppage--;
    if (button(midx + 200, f + 300, 3, help.helppage == HELPPAGES ? -1 : 2, menutext(TEXTS, 2)) == 3 && !esc)
        help.helppage++;
    if (button(midx, f + 300, 3, 2, menutext(TEXTS, 3)) == 3 || esc) closepopup();
}

void openhelpfromlevel() {
    help.helppage = 1;
    switchpopup(POPUP_HELP);
}

void resethelp() { help = HelpState{}; }
