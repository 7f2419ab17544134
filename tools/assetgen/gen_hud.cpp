// The card game's head-up display: the top and bottom strips, the pearl bar
// with the shop chest, the points bar with its fill, marks and stars, the
// cardometer, the two aid bars, the win bubble, the tutorial sign, the task
// hook and the new-stable sign.
//
// Everything sits on dark water-blue or wood backings with light text fields,
// so the white outlined numbers read over every game background, bright reef
// or dark trench alike.
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "art.h"
#include "assetlib.h"

using namespace art;

namespace {

constexpr double PI = 3.14159265358979323846;

// A dark glassy field for white numbers: the one backing every number of the
// HUD has, whatever lies behind the bar.
void numberfield(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_save(cr);
    roundrect(cr, x, y, w, h, r);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
    addstop(p, 0, hex(0x06263D), 0.92);
    addstop(p, 1, hex(0x0B4F7A), 0.92);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setrgb(cr, pal::brass, 1);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    roundrect(cr, x + 3, y + 3, w - 6, h * 0.4, r * 0.7);
    setrgb(cr, pal::white, 0.08);
    cairo_fill(cr);
    cairo_restore(cr);
}

void starpath(cairo_t* cr, double cx, double cy, double r, double inner) {
    cairo_new_path(cr);
    for (int i = 0; i < 10; i++) {
        double a = -PI / 2 + i * PI / 5;
        double rr = i % 2 == 0 ? r : r * inner;
        double x = cx + rr * std::cos(a), y = cy + rr * std::sin(a);
        if (i == 0) cairo_move_to(cr, x, y);
        else cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
}

void goldstar(cairo_t* cr, double cx, double cy, double r, double outline) {
    starpath(cr, cx, cy + r * 0.06, r, 0.48);
    setrgb(cr, hex(0x000000), 0.3);
    cairo_fill(cr);
    starpath(cr, cx, cy, r, 0.48);
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.2, cy - r * 0.3, r * 0.1, cx, cy, r);
    addstop(p, 0, hex(0xFFF6C0));
    addstop(p, 0.45, pal::gold);
    addstop(p, 1, hex(0xF0A020));
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setrgb(cr, pal::goldoutline);
    cairo_set_line_width(cr, outline);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    // glint
    cairo_save(cr);
    cairo_translate(cr, cx - r * 0.22, cy - r * 0.28);
    cairo_scale(cr, 1, 0.6);
    cairo_arc(cr, 0, 0, r * 0.16, 0, 2 * PI);
    cairo_restore(cr);
    setrgb(cr, pal::white, 0.85);
    cairo_fill(cr);
}

void pearl(cairo_t* cr, double x, double y, double r) {
    cairo_arc(cr, x, y + 1.5, r, 0, 2 * PI);
    setrgb(cr, hex(0x000000), 0.3);
    cairo_fill(cr);
    cairo_arc(cr, x, y, r, 0, 2 * PI);
    cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.35, y - r * 0.4, r * 0.1, x, y, r);
    addstop(p, 0, pal::white);
    addstop(p, 0.6, pal::pearl);
    addstop(p, 1, pal::pearlrim);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

// ---- strips --------------------------------------------------------------

// A tile of 256 columns: dark water at the edge fading into the scene, with a
// rope whose twist period divides the tile so the tiles join unseen.
void makestrip() {
    Canvas c = canvas(256, 64);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 64);
    addstop(p, 0, hex(0x05233A), 0.78);
    addstop(p, 0.55, hex(0x0B3550), 0.42);
    addstop(p, 1, hex(0x0B3550), 0.0);
    cairo_rectangle(c.cr, 0, 0, 256, 64);
    cairo_set_source(c.cr, p);
    cairo_fill(c.cr);
    cairo_pattern_destroy(p);
    // rope along the strip
    cairo_rectangle(c.cr, 0, 6, 256, 7);
    setrgb(c.cr, pal::ropedark);
    cairo_fill(c.cr);
    for (int x = -16; x < 272; x += 16) {
        cairo_move_to(c.cr, x, 13);
        cairo_line_to(c.cr, x + 10, 6);
        cairo_line_to(c.cr, x + 16, 6);
        cairo_line_to(c.cr, x + 6, 13);
        cairo_close_path(c.cr);
    }
    setrgb(c.cr, pal::rope);
    cairo_fill(c.cr);
    cairo_rectangle(c.cr, 0, 13, 256, 1.5);
    setrgb(c.cr, hex(0x000000), 0.25);
    cairo_fill(c.cr);
    save(c, "game/gameui-up.png");
}

// ---- pearl bar -------------------------------------------------------------

void chest(cairo_t* cr, double x, double y) {
    // lid
    roundrect(cr, x, y, 62, 22, 10);
    setrgb(cr, hex(0x8C5A2B));
    cairo_fill_preserve(cr);
    setrgb(cr, hex(0x5A3414));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // body
    roundrect(cr, x + 2, y + 20, 58, 24, 4);
    setrgb(cr, pal::plank);
    cairo_fill_preserve(cr);
    setrgb(cr, hex(0x5A3414));
    cairo_stroke(cr);
    for (double bx : {x + 12, x + 46}) {
        cairo_rectangle(cr, bx, y + 1, 6, 42);
        setrgb(cr, pal::brass);
        cairo_fill(cr);
    }
    roundrect(cr, x + 25, y + 16, 12, 12, 3);
    setrgb(cr, pal::brass);
    cairo_fill_preserve(cr);
    setrgb(cr, pal::goldoutline);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // pearls spilling over the rim
    pearl(cr, x + 20, y + 2, 5);
    pearl(cr, x + 31, y - 1, 6);
    pearl(cr, x + 42, y + 3, 4.5);
}

void makepearlbar() {
    Canvas c = canvas(290, 72);
    Rng rng(4101);
    dropshadow(c.cr, -10, -20, 290, 84, 18);
    woodpanel(c.cr, -10, -20, 290, 84, 18, rng, 2);
    for (double x : {16.0, 262.0}) rivet(c.cr, x, 50, 4.5);
    chest(c.cr, 22, 12);
    numberfield(c.cr, 108, 8, 162, 46, 20);
    pearl(c.cr, 128, 31, 12);
    save(c, "game/pearlbar.png");
}

// ---- points bar ----------------------------------------------------------------

// Picture 330 wide, drawn with its right edge at the screen's: the fill trough
// starts 303 pixels in from that edge (x 27) and holds 184 columns; the star
// marks hang below it; the menu button takes the right end.
void makepointsbar() {
    Canvas c = canvas(330, 72);
    Rng rng(4102);
    dropshadow(c.cr, 10, -20, 340, 84, 18);
    woodpanel(c.cr, 10, -20, 340, 84, 18, rng, 2);
    numberfield(c.cr, 22, 7, 194, 42, 12);
    // menu button: a brass disc with three lines
    double mx = 272, my = 31;
    cairo_arc(c.cr, mx, my + 2, 23, 0, 2 * PI);
    setrgb(c.cr, hex(0x000000), 0.3);
    cairo_fill(c.cr);
    cairo_arc(c.cr, mx, my, 23, 0, 2 * PI);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, my - 23, 0, my + 23);
    addstop(p, 0, hex(0x3FC7E0));
    addstop(p, 1, hex(0x0B4F7A));
    cairo_set_source(c.cr, p);
    cairo_fill_preserve(c.cr);
    cairo_pattern_destroy(p);
    setrgb(c.cr, pal::brass);
    cairo_set_line_width(c.cr, 3);
    cairo_stroke(c.cr);
    for (int k = -1; k <= 1; k++) {
        roundrect(c.cr, mx - 11, my + 8 * k - 2, 22, 4.5, 2);
        setrgb(c.cr, pal::white);
        cairo_fill(c.cr);
    }
    save(c, "game/pointsbar.png");
}

// 184 columns of one continuous bar: the water blue warms to gold towards the
// third star, so a full bar looks like treasure.
void makepointsfill() {
    Canvas c = canvas(184, 34);
    for (int x = 0; x < 184; x++) {
        double t = x / 183.0;
        RGB top = mix(hex(0x9FF3FF), hex(0xFFF0A0), t * t);
        RGB mid = mix(hex(0x3FC7E0), pal::gold, t * t);
        RGB bot = mix(hex(0x1E8DB4), hex(0xE09020), t * t);
        cairo_pattern_t* p = cairo_pattern_create_linear(0, 4, 0, 30);
        addstop(p, 0, top);
        addstop(p, 0.35, mid);
        addstop(p, 1, bot);
        cairo_rectangle(c.cr, x, 4, 1, 26);
        cairo_set_source(c.cr, p);
        cairo_fill(c.cr);
        cairo_pattern_destroy(p);
    }
    cairo_rectangle(c.cr, 0, 7, 184, 3);
    setrgb(c.cr, pal::white, 0.45);
    cairo_fill(c.cr);
    save(c, "game/pointsfill.png");
}

void makemarks() {
    Canvas l = canvas(6, 34);
    cairo_rectangle(l.cr, 1.5, 2, 3, 30);
    setrgb(l.cr, pal::white, 0.85);
    cairo_fill(l.cr);
    cairo_rectangle(l.cr, 0.5, 2, 1, 30);
    setrgb(l.cr, pal::textoutline, 0.7);
    cairo_fill(l.cr);
    save(l, "game/pointslines.png");

    Canvas e = canvas(40, 40);
    starpath(e.cr, 20, 21, 17, 0.48);
    setrgb(e.cr, hex(0x06263D), 0.7);
    cairo_fill_preserve(e.cr);
    setrgb(e.cr, pal::white, 0.75);
    cairo_set_line_width(e.cr, 2);
    cairo_set_line_join(e.cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(e.cr);
    save(e, "game/starempty.png");

    Canvas f = canvas(40, 40);
    glow(f.cr, 20, 20, 20, pal::gold, 0.5);
    goldstar(f.cr, 20, 20, 17, 2);
    save(f, "game/starfull.png");

    // 1: the big flying star of the win; 2: the same with a halo; 3, 4: small
    // gold and unearned stars.
    Canvas s1 = canvas(72, 72);
    goldstar(s1.cr, 36, 36, 32, 3);
    save(s1, "game/star1.png");
    Canvas s2 = canvas(96, 96);
    glow(s2.cr, 48, 48, 48, pal::gold, 0.6);
    goldstar(s2.cr, 48, 48, 32, 3);
    save(s2, "game/star2.png");
    Canvas s3 = canvas(32, 32);
    goldstar(s3.cr, 16, 16, 14, 1.5);
    save(s3, "game/star3.png");
    Canvas s4 = canvas(32, 32);
    starpath(s4.cr, 16, 17, 14, 0.48);
    setrgb(s4.cr, hex(0x06263D), 0.6);
    cairo_fill_preserve(s4.cr);
    setrgb(s4.cr, pal::white, 0.6);
    cairo_set_line_width(s4.cr, 1.5);
    cairo_stroke(s4.cr);
    save(s4, "game/star4.png");
}

// ---- bottom of the table ------------------------------------------------------

void makecardometer() {
    Canvas c = canvas(84, 52);
    Rng rng(4103);
    dropshadow(c.cr, 4, 4, 76, 60, 16);
    woodpanel(c.cr, 4, 4, 76, 60, 16, rng, 1);
    numberfield(c.cr, 16, 11, 52, 32, 12);
    save(c, "game/cardometer.png");
}

void makeextrabar() {
    Canvas b = canvas(330, 52);
    Rng rng(4104);
    dropshadow(b.cr, 4, 8, 322, 60, 14);
    woodpanel(b.cr, 4, 8, 322, 60, 14, rng, 1);
    for (double x : {12.0, 115.0, 218.0}) {
        roundrect(b.cr, x + 2, 14, 102, 40, 8);
        setrgb(b.cr, hex(0x3A2410), 0.55);
        cairo_fill(b.cr);
    }
    save(b, "game/extrabar.png");

    Canvas f = canvas(330, 46);
    Rng rng2(4105);
    dropshadow(f.cr, 0, 22, 330, 40, 10, 0, -3, 6, 0.35);
    woodpanel(f.cr, 0, 22, 330, 40, 10, rng2, 1);
    rope(f.cr, 4, 26, 326, 26, 6);
    for (double x : {14.0, 171.0, 316.0}) rivet(f.cr, x, 38, 4);
    save(f, "game/extrabar-front.png");
}

void makehelpersbar() {
    Canvas c = canvas(380, 112);
    Rng rng(4106);
    // a reef ledge: sand on rocks, the helpers stand on it
    rock(c.cr, 70, 116, 150, 70, pal::rock, rng);
    rock(c.cr, 200, 118, 200, 80, pal::rocklight, rng);
    rock(c.cr, 320, 116, 140, 66, pal::rock, rng);
    cairo_move_to(c.cr, 0, 112);
    for (int x = 0; x <= 380; x += 10) cairo_line_to(c.cr, x, 62 + 6 * std::sin(x * 0.045) + 4 * std::sin(x * 0.13));
    cairo_line_to(c.cr, 380, 112);
    cairo_close_path(c.cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 55, 0, 112);
    addstop(p, 0, pal::sandlight);
    addstop(p, 1, pal::sanddark);
    cairo_set_source(c.cr, p);
    cairo_fill(c.cr);
    cairo_pattern_destroy(p);
    seaweed(c.cr, 16, 80, 40, pal::kelp, rng, 5);
    seaweed(c.cr, 364, 80, 46, pal::kelpdark, rng, 5);
    shell(c.cr, 190, 98, 14, -0.3, pal::coral);
    starfish(c.cr, 300, 100, 10, 0.4, pal::coralorange);
    save(c, "game/helpersbar.png");
}

// ---- panels and signs -------------------------------------------------------------

void makewinbubble() {
    Canvas c = canvas(360, 360);
    glow(c.cr, 180, 180, 175, hex(0x7FD6E8), 0.35);
    bubble(c.cr, 180, 180, 165, 1.0);
    save(c, "ui/winbubble.png");
}

void maketutorialsign() {
    Canvas c = canvas(460, 270);
    Rng rng(4107);
    dropshadow(c.cr, 6, 6, 448, 254, 18);
    woodpanel(c.cr, 6, 6, 448, 254, 18, rng, 5);
    insetpaper(c.cr, 20, 20, 420, 226, 12);
    for (double x : {14.0, 446.0})
        for (double y : {14.0, 252.0}) rivet(c.cr, x, y, 4.5);
    save(c, "ui/tutorialsign.png");
}

void maketaskhook() {
    Canvas c = canvas(48, 48);
    glow(c.cr, 24, 24, 24, pal::gold, 0.45);
    cairo_set_line_cap(c.cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(c.cr, CAIRO_LINE_JOIN_ROUND);
    auto tick = [](cairo_t* cr) {
        cairo_move_to(cr, 11, 25);
        cairo_line_to(cr, 20, 34);
        cairo_line_to(cr, 37, 13);
    };
    tick(c.cr);
    setrgb(c.cr, pal::goldoutline);
    cairo_set_line_width(c.cr, 10);
    cairo_stroke(c.cr);
    tick(c.cr);
    setrgb(c.cr, pal::gold);
    cairo_set_line_width(c.cr, 6);
    cairo_stroke(c.cr);
    save(c, "game/taskhook.png");
}

// Button style 19: the label sits 35 above the centre; the lower 40 pixels
// (the hanging card pile) are not part of the hit area.
void makenewstablesign() {
    Canvas c = canvas(200, 140);
    Rng rng(4108);
    rope(c.cr, 40, 0, 56, 30, 5);
    rope(c.cr, 160, 0, 144, 30, 5);
    dropshadow(c.cr, 14, 20, 172, 66, 14);
    woodpanel(c.cr, 14, 20, 172, 66, 14, rng, 2);
    numberfield(c.cr, 26, 28, 148, 36, 14);
    for (int k = 2; k >= 0; k--) {
        double x = 76 + 6 * k, y = 86 + 3 * k;
        roundrect(c.cr, x, y, 40, 50, 5);
        setrgb(c.cr, k == 0 ? pal::paper : hex(0x1E8DB4));
        cairo_fill_preserve(c.cr);
        setrgb(c.cr, pal::cardborder);
        cairo_set_line_width(c.cr, 1.5);
        cairo_stroke(c.cr);
    }
    goldstar(c.cr, 96, 111, 11, 1.5);
    save(c, "game/brandnewstable-sign.png");
}

}  // namespace

AL_GENERATOR(gen_hud) {
    makestrip();
    makepearlbar();
    makepointsbar();
    makepointsfill();
    makemarks();
    makecardometer();
    makeextrabar();
    makehelpersbar();
    makewinbubble();
    maketutorialsign();
    maketaskhook();
    makenewstablesign();
}
