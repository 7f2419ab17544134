// The shop and the fish helpers: the nine helpers on the bar with their
// blink pictures and shadow, the octopus's tentacle, the helpers' buy sign,
// the shop's signs and panels, the pictures of the new stable and the
// refill, and the seven booster pictures.
#include <cairo.h>

#include <cmath>
#include <string>

#include "art.h"
#include "assetlib.h"
#include "creatures.h"

using namespace art;

namespace {

constexpr double PI = 3.14159265358979323846;

void pearlball(cairo_t* cr, double x, double y, double r) {
    cairo_pattern_t* g = cairo_pattern_create_radial(x - r / 3, y - r / 3, r / 8, x, y, r);
    addstop(g, 0, pal::white);
    addstop(g, 0.6, pal::pearl);
    addstop(g, 1, pal::pearlrim);
    cairo_set_source(cr, g);
    cairo_arc(cr, x, y, r, 0, 2 * PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_arc(cr, x, y, r, 0, 2 * PI);
    setrgb(cr, shade(pal::pearlrim, 0.7));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

// The dark glassy field the white numbers sit on (as on the HUD).
void numberfield(cairo_t* cr, double x, double y, double w, double h, double r) {
    roundrect(cr, x, y, w, h, r);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
    addstop(p, 0, hex(0x06263D), 0.92);
    addstop(p, 1, hex(0x0B4F7A), 0.92);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setrgb(cr, pal::brass);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
}

void woodsign(cairo_t* cr, double x, double y, double w, double h, double r, uint64_t seed, int planks = 1) {
    Rng rng(seed);
    dropshadow(cr, x, y, w, h, r);
    woodpanel(cr, x, y, w, h, r, rng, planks);
}

void starshape(cairo_t* cr, double cx, double cy, double r, double inner) {
    cairo_new_path(cr);
    for (int i = 0; i < 10; i++) {
        double a = -PI / 2 + i * PI / 5, rr = i % 2 ? r * inner : r;
        if (i == 0) cairo_move_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
        else cairo_line_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
    }
    cairo_close_path(cr);
}

void minicard(cairo_t* cr, double x, double y, double w, double h, RGB face) {
    roundrect(cr, x, y, w, h, w * 0.12);
    setrgb(cr, face);
    cairo_fill_preserve(cr);
    setrgb(cr, pal::cardborder);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

// ---- the helpers ------------------------------------------------------------------

void helpers() {
    for (int i = 1; i <= 9; i++)
        for (int blink = 0; blink <= 1; blink++) {
            Canvas c = canvas(64, 64);
            helpercreature(c.cr, i, 32, 32, 60, blink != 0);
            save(c, "game/plant" + std::to_string(i + 1) + (blink ? "-2" : "") + ".png");
        }
    Canvas s = canvas(52, 14);
    cairo_save(s.cr);
    cairo_translate(s.cr, 26, 7);
    cairo_scale(s.cr, 24, 6);
    cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.04, 0.2, 0.3, 0.45);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.04, 0.2, 0.3, 0);
    cairo_set_source(s.cr, p);
    cairo_arc(s.cr, 0, 0, 1, 0, 2 * PI);
    cairo_fill(s.cr);
    cairo_pattern_destroy(p);
    cairo_restore(s.cr);
    save(s, "game/plantshadow.png");
}

// 110 strips of 138 x 4, tip at the top: the game stacks the strips and sways
// each one a little later than the one above, so the arm waves.
void tentacle() {
    Canvas c = canvas(138, 440);
    RGB body = pal::anemone, under = hex(0xF2B8F0);
    for (int s = 0; s < 110; s++) {
        double t = s / 109.0;
        double half = 5 + 50 * std::pow(t, 0.8);
        double y = s * 4.0;
        cairo_rectangle(c.cr, 69 - half, y, 2 * half, 4);
        cairo_pattern_t* g = cairo_pattern_create_linear(69 - half, 0, 69 + half, 0);
        addstop(g, 0, shade(body, 0.6));
        addstop(g, 0.18, body);
        addstop(g, 0.6, shade(body, 1.12));
        addstop(g, 0.82, body);
        addstop(g, 1, shade(body, 0.6));
        cairo_set_source(c.cr, g);
        cairo_fill(c.cr);
        cairo_pattern_destroy(g);
    }
    // the tip rounded off, suckers along the inner side
    cairo_set_operator(c.cr, CAIRO_OPERATOR_CLEAR);
    cairo_rectangle(c.cr, 0, 0, 138, 4);
    cairo_fill(c.cr);
    cairo_set_operator(c.cr, CAIRO_OPERATOR_OVER);
    for (int k = 0; k < 16; k++) {
        double y = 14 + k * 26.0, t = y / 440.0;
        double r = 2.5 + 7 * t;
        cairo_arc(c.cr, 69, y, r, 0, 2 * PI);
        setrgb(c.cr, under);
        cairo_fill_preserve(c.cr);
        setrgb(c.cr, shade(body, 0.7));
        cairo_set_line_width(c.cr, 1.5);
        cairo_stroke(c.cr);
        cairo_arc(c.cr, 69, y, r * 0.4, 0, 2 * PI);
        setrgb(c.cr, shade(under, 0.8));
        cairo_fill(c.cr);
    }
    save(c, "game/tentacle.png");
}

void helpersbuysign() {
    Canvas c = canvas(200, 84);
    woodsign(c.cr, 6, 8, 188, 66, 16, 5201);
    numberfield(c.cr, 64, 16, 120, 40, 12);
    helpercreature(c.cr, 1, 36, 40, 46);
    save(c, "game/fishhelpersbuysign.png");
}

// The sponge and the swordfish that swim to a card and clean it (tool cards
// and the tool extras): frame 1 swimming, 2 and 3 at work.
void toolhelpers() {
    const int sponge[3] = {0, 1, 6}, sword[4] = {0, 0, 8, 5};
    for (int f = 1; f <= 2; f++) {
        Canvas c = canvas(120, 120);
        storycharacter(c.cr, 3, sponge[f], 60, 60, 0.4);
        save(c, "game/spongehelper" + std::to_string(f) + ".png");
    }
    for (int f = 1; f <= 3; f++) {
        Canvas c = canvas(120, 120);
        storycharacter(c.cr, 4, sword[f], 60, 60, 0.4);
        save(c, "game/swordhelper" + std::to_string(f) + ".png");
    }
}

// ---- the shop's signs and panels -------------------------------------------------

void pricesign() {
    Canvas c = canvas(124, 48);
    woodsign(c.cr, 4, 4, 116, 38, 12, 5202);
    numberfield(c.cr, 34, 8, 80, 30, 10);
    pearlball(c.cr, 20, 23, 10);
    save(c, "shop/sign.png");
}

void pearlfield() {
    Canvas c = canvas(200, 60);
    woodsign(c.cr, 4, 4, 192, 50, 16, 5203);
    numberfield(c.cr, 46, 10, 140, 38, 12);
    pearlball(c.cr, 26, 29, 15);
    pearlball(c.cr, 15, 40, 7);
    save(c, "shop/pearlfield.png");
}

void hook() {
    Canvas c = canvas(52, 52);
    glow(c.cr, 26, 26, 26, pal::gold, 0.45);
    cairo_set_line_cap(c.cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(c.cr, CAIRO_LINE_JOIN_ROUND);
    for (int pass = 0; pass < 2; pass++) {
        cairo_move_to(c.cr, 12, 27);
        cairo_line_to(c.cr, 22, 37);
        cairo_line_to(c.cr, 40, 14);
        setrgb(c.cr, pass ? pal::gold : pal::goldoutline);
        cairo_set_line_width(c.cr, pass ? 6 : 10);
        cairo_stroke(c.cr);
    }
    save(c, "shop/hook.png");
}

void morepearlssign() {
    Canvas c = canvas(272, 70);
    woodsign(c.cr, 6, 6, 260, 54, 16, 5204);
    roundrect(c.cr, 16, 14, 240, 38, 12);
    setrgb(c.cr, hex(0x8C2A1E), 0.9);
    cairo_fill_preserve(c.cr);
    setrgb(c.cr, pal::brass);
    cairo_set_line_width(c.cr, 2.5);
    cairo_stroke(c.cr);
    save(c, "shop/morepearlssign.png");
}

void fishhelpersign() {
    Canvas c = canvas(220, 160);
    rope(c.cr, 40, 0, 50, 20, 5);
    rope(c.cr, 180, 0, 170, 20, 5);
    woodsign(c.cr, 10, 2, 200, 110, 18, 5205, 3);
    numberfield(c.cr, 56, 6, 130, 38, 12);
    pearlball(c.cr, 36, 25, 13);
    for (int k = 0; k < 3; k++) helpercreature(c.cr, 3 + 2 * k, 60 + 50 * k, 76, 42);
    save(c, "shop/fishhelpersign.png");
}

void brandnewstable() {
    Canvas c = canvas(140, 150);
    glow(c.cr, 70, 76, 70, pal::haze, 0.5);
    for (int k = 5; k >= 0; k--) minicard(c.cr, 34 + 4 * k, 28 + 3 * k, 64, 92, k ? hex(0x1E8DB4) : pal::paper);
    // the ribbon round the new pile
    cairo_rectangle(c.cr, 30, 80, 90, 14);
    setrgb(c.cr, pal::coral);
    cairo_fill(c.cr);
    starshape(c.cr, 66, 60, 18, 0.48);
    setrgb(c.cr, pal::gold);
    cairo_fill_preserve(c.cr);
    setrgb(c.cr, pal::goldoutline);
    cairo_set_line_width(c.cr, 2);
    cairo_stroke(c.cr);
    save(c, "shop/brandnewstable.png");
}

void refillhelpers() {
    Canvas c = canvas(150, 130);
    glow(c.cr, 75, 70, 70, pal::haze, 0.5);
    const double pos[9][2] = {{30, 92}, {58, 98}, {88, 96}, {118, 90}, {40, 62}, {75, 66}, {110, 60}, {56, 34}, {94, 32}};
    for (int i = 1; i <= 9; i++) helpercreature(c.cr, i, pos[i - 1][0], pos[i - 1][1], 38);
    save(c, "shop/refillhelpers.png");
}

// ---- boosters (items 23..29): one round badge each ---------------------------------------

Canvas badge(RGB rim) {
    Canvas c = canvas(96, 96);
    glow(c.cr, 48, 48, 48, rim, 0.35);
    cairo_arc(c.cr, 48, 48, 38, 0, 2 * PI);
    cairo_pattern_t* g = cairo_pattern_create_radial(40, 36, 4, 48, 48, 40);
    addstop(g, 0, hex(0x7FD6E8));
    addstop(g, 1, hex(0x0B4F7A));
    cairo_set_source(c.cr, g);
    cairo_fill_preserve(c.cr);
    cairo_pattern_destroy(g);
    setrgb(c.cr, rim);
    cairo_set_line_width(c.cr, 5);
    cairo_stroke(c.cr);
    return c;
}

void boosters() {
    {  // 23 loyal helpers: a helper inside a returning arrow
        Canvas c = badge(pal::kelp);
        cairo_arc(c.cr, 48, 48, 27, 0.3 * PI, 1.8 * PI);
        setrgb(c.cr, pal::white);
        cairo_set_line_width(c.cr, 5);
        cairo_set_line_cap(c.cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(c.cr);
        cairo_move_to(c.cr, 70, 22);
        cairo_line_to(c.cr, 78, 36);
        cairo_line_to(c.cr, 62, 34);
        cairo_close_path(c.cr);
        cairo_fill(c.cr);
        helpercreature(c.cr, 1, 48, 50, 40);
        save(c, "game/booster1.png");
    }
    {  // 24 pearl magnet
        Canvas c = badge(pal::coral);
        cairo_new_path(c.cr);
        cairo_arc_negative(c.cr, 48, 44, 20, PI, 0);
        cairo_set_line_width(c.cr, 12);
        setrgb(c.cr, pal::suitred);
        cairo_stroke(c.cr);
        for (double x : {22.0, 62.0}) {
            cairo_rectangle(c.cr, x, 44, 12, 12);
            setrgb(c.cr, pal::rocklight);
            cairo_fill(c.cr);
        }
        pearlball(c.cr, 34, 72, 7);
        pearlball(c.cr, 50, 76, 8);
        pearlball(c.cr, 64, 70, 6);
        save(c, "game/booster2.png");
    }
    {  // 25 lucky star
        Canvas c = badge(pal::gold);
        starshape(c.cr, 48, 50, 28, 0.48);
        setrgb(c.cr, pal::gold);
        cairo_fill_preserve(c.cr);
        setrgb(c.cr, pal::goldoutline);
        cairo_set_line_width(c.cr, 2.5);
        cairo_stroke(c.cr);
        cairo_arc(c.cr, 42, 44, 4, 0, 2 * PI);
        cairo_arc(c.cr, 55, 44, 4, 0, 2 * PI);
        setrgb(c.cr, pal::suitblack);
        cairo_fill(c.cr);
        save(c, "game/booster3.png");
    }
    {  // 26 casino charm: a shell with a pearl
        Canvas c = badge(pal::anemone);
        shell(c.cr, 48, 60, 30, 0, pal::coralorange);
        pearlball(c.cr, 48, 40, 10);
        save(c, "game/booster4.png");
    }
    {  // 27 tidy deck: cards fanned in order
        Canvas c = badge(pal::rocklight);
        for (int k = 0; k < 3; k++) {
            cairo_save(c.cr);
            cairo_translate(c.cr, 48, 66);
            cairo_rotate(c.cr, (k - 1) * 0.3);
            minicard(c.cr, -12, -44, 24, 36, pal::paper);
            outlinedtext(c.cr, std::to_string(k + 1), 0, -20, 16, pal::suitred, pal::white, 0, 3);
            cairo_restore(c.cr);
        }
        save(c, "game/booster5.png");
    }
    {  // 28 hint glow: a card with a soft halo
        Canvas c = badge(pal::haze);
        glow(c.cr, 48, 48, 34, pal::gold, 0.8);
        minicard(c.cr, 34, 28, 28, 40, pal::paper);
        outlinedtext(c.cr, "7", 48, 56, 20, pal::suitblack, pal::white, 0, 3);
        save(c, "game/booster6.png");
    }
    {  // 29 bargain shell: a half-price tag
        Canvas c = badge(pal::brass);
        shell(c.cr, 40, 64, 24, -0.2, pal::coral);
        roundrect(c.cr, 48, 20, 34, 28, 8);
        setrgb(c.cr, pal::paper);
        cairo_fill_preserve(c.cr);
        setrgb(c.cr, pal::grain);
        cairo_set_line_width(c.cr, 2);
        cairo_stroke(c.cr);
        outlinedtext(c.cr, "1/2", 65, 40, 15, pal::suitred, pal::white, 0, 3);
        save(c, "game/booster7.png");
    }
}

}  // namespace

AL_GENERATOR(gen_shop) {
    helpers();
    tentacle();
    toolhelpers();
    helpersbuysign();
    pricesign();
    pearlfield();
    hook();
    morepearlssign();
    fishhelpersign();
    brandnewstable();
    refillhelpers();
    boosters();
}
