// effectsheet [out.png]: renders one frame with a sample of every effect kind
// part-way through its life and a school of fish over the menu background,
// with the real renderer in an offscreen window, and saves it.
//
// Rows, top to bottom: glow particles 1..9 and the big bubble; coloured
// bubbles 1..9 and the plain bubble; coloured stars 1..8 (and their glow
// twins on even slots) and the stars of 993; sparkle, blue sparkle, glow
// star, points star, question mark, sleep mark, oil splat, shell, card and
// plant fragments; lamp light, glow at a point, bursts of stars, an
// explosion and a glow; the glow rings, the glower and the big star (drawn
// by other screens, shown here for a look). The stable glow sits at the
// stable's place at the bottom.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/control.h"
#include "core/globals.h"
#include "app/startup.h"
#include "present/effects.h"
#include "present/resources.h"
#include "present/swimfish.h"

namespace {

void put(int slot, int kind, float x, float y, int age, float vx = 0, float vy = 0) {
    Effect& e = effects.eff[slot];
    e.kind = kind;
    e.x = x;
    e.y = y;
    e.vx = vx;
    e.vy = vy;
    e.age = age;
    e.angle = 90;
}

float cellx(int col) { return 60.0f + 70.0f * col; }
float celly(int row) { return 60.0f + 90.0f * row; }

}  // namespace

int main(int argc, char** argv) {
    std::string out = argc > 1 ? argv[1] : "effectsheet.png";
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (!pf::init(pf::Backend::sdl)) {
        std::fprintf(stderr, "effectsheet: no renderer\n");
        return 1;
    }
    resetgame();
    pf::setdataroot(TW_BINARY_DIR);
    pf::ctl::fixedseed(true, 5);
    disp.gfxwidth = 1024;
    disp.gfxheight = 768;
    disp.midx = 512;
    disp.midy = 384;
    if (!pf::opengraphics(1024, 768, 0, 60, 0)) {
        std::fprintf(stderr, "effectsheet: cannot open the window\n");
        return 1;
    }
    pf::setvirtualres(1024, 768);
    pf::automidhandle(true);
    loadeffects();
    loadfishset();
    Img bg = loadimg("data\\bg\\bg1.jpg");
    core.fps = 50;
    core.framecount = 40;
    fade.fadelevel = 255;  // the frame at full brightness, as after a fade-in
    pf::setcolour(255, 255, 255);

    // The bursts first, run for a few ticks so they have spread out.
    effstars(cellx(3), celly(4), 2);
    effexplode(cellx(5), celly(4));
    effglow(cellx(7), celly(4));
    effburst(cellx(9), celly(4) + 40, 8, 0);
    for (int t = 0; t < 12; t++) {
        pf::clearscreen();
        core.framecount++;
        draweff();
    }
    // Then one of everything else, placed in high slots where parity and
    // slot numbers are under control.
    int s = 501;
    for (int n = 1; n <= 9; n++) put(s++, n, cellx(n - 1), celly(0), 25);
    put(s++, 21200, cellx(9), celly(0), 0);
    for (int n = 1; n <= 9; n++) put(s++, 21000 + n, cellx(n - 1), celly(1), 0);
    put(s++, 21000, cellx(9), celly(1), 0);
    s = 601;  // odd slots draw the coloured star, even ones its glow
    for (int n = 1; n <= 8; n++) {
        put(s, 840 + n, cellx(n - 1) - 12, celly(2), 0);
        put(s + 1, 840 + n, cellx(n - 1) + 14, celly(2), 0);
        s += 2;
    }
    put(s, 993, cellx(8) + 20, celly(2), 0);
    put(s + 1, 993, cellx(9), celly(2), 0);
    s = 701;
    put(s++, 996, cellx(0), celly(3), 30);
    put(s++, 997, cellx(1), celly(3), 20);
    put(s++, 4000, cellx(2), celly(3), 14);
    put(s++, 828, cellx(3), celly(3), 20);
    put(s++, 896, cellx(4), celly(3), 20);
    put(s++, 579, cellx(5), celly(3), 30);
    put(s++, 599, cellx(6), celly(3), 10);
    put(s++, 880, cellx(7), celly(3), 120, 0.5f, 0);
    s = 720;  // slot mod 3 picks the card fragment
    for (int i = 0; i < 3; i++) put(s + i, 898, cellx(8) - 20 + 20 * i, celly(3) - 10 + 12 * i, 20);
    s = 732;  // slot mod 6 picks the plant fragment
    for (int i = 0; i < 3; i++) put(s + i, 826, cellx(9) - 15 + 15 * i, celly(3) + 10 * i, 40);
    put(800, 894, cellx(0), celly(4) - 40, 50);
    put(801, 578, cellx(1), celly(4), 10);
    put(802, 897, cellx(1), 0, 10);

    pf::clearscreen();
    if (bg) {
        drawimg(bg, disp.midx, disp.midy);
    } else {  // no background made yet: a deep-blue wash
        pf::setcolour(20, 70, 120);
        pf::setscale(60, 60);
        drawimg(effimg.glb[1], disp.midx, disp.midy);
        resetdraw();
        pf::setcolour(255, 255, 255);
    }
    // A school of one kind and one of every single kind, the school deeper.
    int kinds[] = {7, 8, 13, 14, 15, 16, 1, 2, 3, 4};
    for (int i = 0; i < 6; i++) addswimfish(800 + (i % 2) * 110, 80 + i * 95, 10, kinds[i], 0);
    for (int i = 0; i < 12; i++) addswimfish(760 + (i * 37) % 120, 520 + (i * 53) % 200, 8 + i % 2, kinds[6 + i % 4], 0);
    drawswimfish(0);
    draweff();
    // The pictures other screens draw from the effect set.
    for (int n = 1; n <= 9; n++) {
        pf::setscale(0.5f, 0.5f);
        pf::setblend(4);
        drawimg(effimg.glo[n], cellx(n - 1), celly(6));
    }
    pf::setscale(0.3f, 0.3f);
    drawimg(effimg.glower, cellx(9), celly(6));
    pf::setblend(3);
    pf::setscale(0.4f, 0.4f);
    drawimg(effimg.bigstar, cellx(9), celly(5));
    resetdraw();
    if (!pf::ctl::screenshot(out)) {
        std::fprintf(stderr, "effectsheet: cannot write %s\n", out.c_str());
        return 1;
    }
    std::printf("effectsheet: %s\n", out.c_str());
    pf::shutdown();
    return 0;
}
