// The trophies: twenty pictures "trophies/t1.png" .. "t20.png", the lock that
// covers a trophy not yet won and the field each trophy stands on in the
// trophy room.
//
// Every trophy stands on the same dark plinth with a brass plate, so the
// collection reads as one set; what stands on the plinth says what it is
// for (cups and stars for three-star streaks and star totals, the extras'
// emblems on shields, fanned cards for combos, chips and pearls for the
// casino). Bronze, silver and gold tell the grades of one achievement
// apart. Pictures are 128 x 128 and stay inside 4..124 vertically: the
// room writes the name 53 pixels below their centre.
#include "art.h"
#include "assetlib.h"

#include <cairo.h>

#include <cmath>
#include <string>

using namespace art;

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int S = 128;

struct Metal {
    RGB base, light, dark;
};
const Metal GOLD{pal::gold, hex(0xFFF3B8), hex(0xA86F08)};
const Metal SILVER{hex(0xCBD6E0), hex(0xFFFFFF), hex(0x6F7F8E)};
const Metal BRONZE{hex(0xD08A4E), hex(0xF6C48E), hex(0x7A4A22)};

// Fills the current path with a metal gradient lit from the upper left and
// strokes it in the metal's dark shade.
void metalfill(cairo_t* cr, const Metal& m, double x0, double y0, double x1, double y1, double line = 2.5) {
    cairo_pattern_t* g = cairo_pattern_create_linear(x0, y0, x1, y1);
    addstop(g, 0, m.light);
    addstop(g, 0.45, m.base);
    addstop(g, 1, shade(m.base, 0.72));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setrgb(cr, m.dark);
    cairo_set_line_width(cr, line);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

// A white glint: a short curved stroke.
void glint(cairo_t* cr, double x, double y, double len) {
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 3);
    setrgb(cr, pal::white, 0.8);
    cairo_move_to(cr, x, y + len);
    cairo_curve_to(cr, x, y + len * 0.3, x + len * 0.2, y, x + len * 0.5, y - len * 0.1);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// The plinth every trophy stands on, with its label on the brass plate.
void plinth(cairo_t* cr, const std::string& label, const Metal& m) {
    Rng rng(label.size() + 7);
    dropshadow(cr, 26, 98, 76, 24, 6, 0, 3, 4, 0.35);
    woodpanel(cr, 26, 98, 76, 24, 6, rng, 1);
    roundrect(cr, 38, 102, 52, 16, 4);
    metalfill(cr, m, 38, 102, 38, 118, 1.5);
    if (!label.empty()) {
        double size = label.size() > 3 ? 11 : 13;
        cairo_set_font_face(cr, font("Bold"));
        cairo_set_font_size(cr, size);
        cairo_text_extents_t e;
        cairo_text_extents(cr, label.c_str(), &e);
        cairo_move_to(cr, 64 - e.width / 2 - e.x_bearing, 115);
        setrgb(cr, pal::textbrown);
        cairo_show_text(cr, label.c_str());
    }
}

// A short stem and foot between a figure and the plinth.
void stem(cairo_t* cr, const Metal& m, double top) {
    cairo_move_to(cr, 58, top);
    cairo_line_to(cr, 70, top);
    cairo_line_to(cr, 72, 90);
    cairo_curve_to(cr, 84, 92, 86, 98, 86, 99);
    cairo_line_to(cr, 42, 99);
    cairo_curve_to(cr, 42, 98, 44, 92, 56, 90);
    cairo_close_path(cr);
    metalfill(cr, m, 42, top, 86, 99);
}

// A two-handled cup whose bowl spans top..bottom, w wide.
void cup(cairo_t* cr, const Metal& m, double top, double bottom, double w) {
    double l = 64 - w / 2, r = 64 + w / 2;
    cairo_set_line_width(cr, 6);
    for (int side : {-1, 1}) {  // handles
        double x = side < 0 ? l + 4 : r - 4;
        cairo_new_path(cr);
        cairo_move_to(cr, x, top + 8);
        cairo_curve_to(cr, x + side * 24, top + 4, x + side * 24, top + (bottom - top) * 0.75, x - side * 4,
                       top + (bottom - top) * 0.8);
        setrgb(cr, m.dark);
        cairo_set_line_width(cr, 8);
        cairo_stroke_preserve(cr);
        setrgb(cr, m.base);
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
    }
    stem(cr, m, bottom - 2);
    cairo_move_to(cr, l, top);
    cairo_line_to(cr, r, top);
    cairo_curve_to(cr, r, bottom - 10, 64 + w * 0.2, bottom, 64, bottom);
    cairo_curve_to(cr, 64 - w * 0.2, bottom, l, bottom - 10, l, top);
    cairo_close_path(cr);
    metalfill(cr, m, l, top, r, bottom);
    // rim
    cairo_save(cr);
    cairo_translate(cr, 64, top);
    cairo_scale(cr, w / 2, 4);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    metalfill(cr, m, l, top - 4, l, top + 4, 1.5);
    glint(cr, l + 8, top + 10, 14);
}

void starpath(cairo_t* cr, double x, double y, double r, double inner = 0.45, double turn = -90) {
    for (int i = 0; i < 10; i++) {
        double a = (turn + 36.0 * i) * kPi / 180;
        double rr = i % 2 == 0 ? r : r * inner;
        if (i == 0) cairo_move_to(cr, x + rr * std::cos(a), y + rr * std::sin(a));
        else cairo_line_to(cr, x + rr * std::cos(a), y + rr * std::sin(a));
    }
    cairo_close_path(cr);
}

void star(cairo_t* cr, double x, double y, double r, const Metal& m) {
    starpath(cr, x, y, r);
    metalfill(cr, m, x - r, y - r, x + r, y + r, r > 14 ? 2.5 : 1.5);
}

// A heraldic shield for the extras' emblems.
void shieldpath(cairo_t* cr, double top, double bottom, double w) {
    double l = 64 - w / 2, r = 64 + w / 2;
    cairo_move_to(cr, l, top);
    cairo_curve_to(cr, 54, top - 6, 74, top - 6, r, top);
    cairo_curve_to(cr, r, top + (bottom - top) * 0.6, 76, bottom - 8, 64, bottom);
    cairo_curve_to(cr, 52, bottom - 8, l, top + (bottom - top) * 0.6, l, top);
    cairo_close_path(cr);
}

void shield(cairo_t* cr, const Metal& m, RGB field) {
    stem(cr, m, 84);
    shieldpath(cr, 10, 92, 84);
    metalfill(cr, m, 22, 8, 106, 92, 3);
    shieldpath(cr, 18, 82, 68);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 18, 0, 84);
    addstop(g, 0, shade(field, 1.2));
    addstop(g, 1, shade(field, 0.75));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

// The zombie fish of the two zombie extras: grey-green, a stitched cross
// for an eye.
void zombiefish(cairo_t* cr, double x, double y, double len) {
    cairo_save(cr);
    fish(cr, x, y, len, hex(0x9DB59A), hex(0x6E8A6C));
    double ex = x + len * 0.22, ey = y - len * 0.08, e = len * 0.09;
    setrgb(cr, pal::suitblack);
    cairo_set_line_width(cr, 2.5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, ex - e, ey - e);
    cairo_line_to(cr, ex + e, ey + e);
    cairo_move_to(cr, ex + e, ey - e);
    cairo_line_to(cr, ex - e, ey + e);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// A small playing card, centred at (x, y), turned by angle degrees.
void minicard(cairo_t* cr, double x, double y, double angle, const std::string& index, bool red, double w = 30,
              double h = 44) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle * kPi / 180);
    roundrect(cr, -w / 2, -h / 2, w, h, 4);
    setrgb(cr, pal::paper);
    cairo_fill_preserve(cr);
    setrgb(cr, pal::cardborder);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    cairo_set_font_face(cr, font("Bold"));
    cairo_set_font_size(cr, w * 0.42);
    setrgb(cr, red ? pal::suitred : pal::suitblack);
    cairo_move_to(cr, -w / 2 + 3, -h / 2 + w * 0.45);
    cairo_show_text(cr, index.c_str());
    // a heart or spade pip in the middle
    double py = h * 0.08, pr = w * 0.2;
    if (red) {
        cairo_move_to(cr, 0, py + pr * 1.2);
        cairo_curve_to(cr, -pr * 2, py - pr * 0.2, -pr, py - pr * 1.6, 0, py - pr * 0.6);
        cairo_curve_to(cr, pr, py - pr * 1.6, pr * 2, py - pr * 0.2, 0, py + pr * 1.2);
    } else {
        cairo_move_to(cr, 0, py - pr * 1.3);
        cairo_curve_to(cr, -pr * 2, py + pr * 0.2, -pr, py + pr * 1.4, 0, py + pr * 0.5);
        cairo_curve_to(cr, pr, py + pr * 1.4, pr * 2, py + pr * 0.2, 0, py - pr * 1.3);
    }
    cairo_fill(cr);
    cairo_restore(cr);
}

void cardback(cairo_t* cr, double x, double y, double w, double h) {
    roundrect(cr, x - w / 2, y - h / 2, w, h, 4);
    setrgb(cr, pal::watermid);
    cairo_fill_preserve(cr);
    setrgb(cr, pal::paper);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    roundrect(cr, x - w / 2 + 4, y - h / 2 + 4, w - 8, h - 8, 3);
    setrgb(cr, pal::watertop, 0.8);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

void crown(cairo_t* cr, double cx, double base, double w, double h, const Metal& m) {
    double l = cx - w / 2, r = cx + w / 2;
    cairo_move_to(cr, l, base);
    cairo_line_to(cr, l - 2, base - h);
    cairo_line_to(cr, l + w * 0.25, base - h * 0.45);
    cairo_line_to(cr, cx, base - h * 1.1);
    cairo_line_to(cr, r - w * 0.25, base - h * 0.45);
    cairo_line_to(cr, r + 2, base - h);
    cairo_line_to(cr, r, base);
    cairo_close_path(cr);
    metalfill(cr, m, l, base - h, r, base);
    for (double px : {l - 2, cx, r + 2}) {
        cairo_arc(cr, px, base - (px == cx ? h * 1.1 : h) - 3, 4, 0, 2 * kPi);
        setrgb(cr, pal::pearl);
        cairo_fill_preserve(cr);
        setrgb(cr, pal::pearlrim);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
    cairo_arc(cr, cx, base - h * 0.35, 4.5, 0, 2 * kPi);
    setrgb(cr, pal::suitred);
    cairo_fill(cr);
}

void pearlball(cairo_t* cr, double x, double y, double r) {
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    cairo_pattern_t* g = cairo_pattern_create_radial(x - r * 0.35, y - r * 0.35, r * 0.1, x, y, r);
    addstop(g, 0, pal::white);
    addstop(g, 0.7, pal::pearl);
    addstop(g, 1, pal::pearlrim);
    cairo_set_source(cr, g);
    cairo_fill(cr);
}

void chipdisc(cairo_t* cr, double x, double y, double rx, double ry, RGB c) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    setrgb(cr, c);
    cairo_fill_preserve(cr);
    setrgb(cr, shade(c, 0.6));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    for (int i = 0; i < 6; i++) {  // edge stripes
        double a = i * kPi / 3;
        cairo_save(cr);
        cairo_translate(cr, x + rx * 0.8 * std::cos(a), y + ry * 0.8 * std::sin(a));
        cairo_scale(cr, 1, ry / rx);
        cairo_arc(cr, 0, 0, rx * 0.12, 0, 2 * kPi);
        cairo_restore(cr);
        setrgb(cr, pal::white, 0.9);
        cairo_fill(cr);
    }
}

// The round body of the octopus and the crab with its two eyes.
void critter(cairo_t* cr, double x, double y, double r, double wide, RGB c, double eyey, double eyedx,
             double eyer) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, wide, 1);
    cairo_arc(cr, 0, 0, r, 0, 2 * kPi);
    cairo_restore(cr);
    setrgb(cr, c);
    cairo_fill_preserve(cr);
    setrgb(cr, shade(c, 0.62));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (int s : {-1, 1}) {
        cairo_arc(cr, x + s * eyedx, eyey, eyer, 0, 2 * kPi);
        setrgb(cr, pal::white);
        cairo_fill(cr);
        cairo_arc(cr, x + s * eyedx + eyer * 0.2, eyey + eyer * 0.2, eyer * 0.5, 0, 2 * kPi);
        setrgb(cr, pal::suitblack);
        cairo_fill(cr);
    }
}

// ---- the twenty trophies ----------------------------------------------------

void threestars(cairo_t* cr, double y, double r, const Metal& m) {
    star(cr, 44, y + 6, r * 0.8, m);
    star(cr, 84, y + 6, r * 0.8, m);
    star(cr, 64, y, r, m);
}

void trophy(int n) {
    Canvas c = canvas(S, S);
    cairo_t* cr = c.cr;
    // Drawn on a 128 grid and set 10 % smaller from the top, so the plinth
    // ends 18 pixels above the bottom edge where the room writes the name.
    cairo_translate(cr, 6.4, 0.4);
    cairo_scale(cr, 0.9, 0.9);
    glow(cr, 64, 58, 62, pal::gold, 0.18);
    switch (n) {
    case 1:  // five three-star wins in a row
        plinth(cr, "5", SILVER);
        cup(cr, SILVER, 44, 86, 46);
        threestars(cr, 24, 12, GOLD);
        break;
    case 2:  // ten in a row: the grand cup under a crown of stars
        plinth(cr, "10", GOLD);
        cup(cr, GOLD, 40, 88, 60);
        threestars(cr, 18, 15, GOLD);
        star(cr, 24, 30, 6, GOLD);
        star(cr, 104, 30, 6, GOLD);
        break;
    case 3:  // the zombie killer
        plinth(cr, "10", GOLD);
        shield(cr, GOLD, pal::waterdeep);
        zombiefish(cr, 64, 50, 42);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        setrgb(cr, pal::kelp);
        cairo_set_line_width(cr, 6);
        cairo_move_to(cr, 38, 26);
        cairo_line_to(cr, 90, 74);
        cairo_stroke(cr);
        break;
    case 4: {  // the zombie blaster: a burst behind the fish
        plinth(cr, "10", GOLD);
        shield(cr, GOLD, pal::waterdeep);
        starpath(cr, 64, 48, 30, 0.55, -72);
        setrgb(cr, pal::coralorange, 0.9);
        cairo_fill(cr);
        zombiefish(cr, 64, 50, 40);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        setrgb(cr, pal::gold);
        cairo_set_line_width(cr, 6);
        cairo_move_to(cr, 38, 26);
        cairo_line_to(cr, 90, 74);
        cairo_stroke(cr);
        break;
    }
    case 5:  // the octopus
        plinth(cr, "10", GOLD);
        shield(cr, GOLD, pal::watermid);
        cairo_save(cr);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        setrgb(cr, pal::anemone);
        cairo_set_line_width(cr, 5);
        for (int i = -2; i <= 2; i++) {
            cairo_move_to(cr, 64 + i * 6, 52);
            cairo_curve_to(cr, 64 + i * 10, 66, 64 + i * 5, 72, 64 + i * 11, 78);
        }
        cairo_stroke(cr);
        cairo_restore(cr);
        critter(cr, 64, 42, 16, 1.15, pal::anemone, 42, 7, 4.5);
        break;
    case 6:  // the crab
        plinth(cr, "10", GOLD);
        shield(cr, GOLD, pal::watertop);
        cairo_save(cr);
        setrgb(cr, pal::coral);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_width(cr, 4);
        for (int s : {-1, 1}) {
            for (int k = 0; k < 3; k++) {  // legs
                cairo_move_to(cr, 64 + s * 12, 56 + k * 5);
                cairo_line_to(cr, 64 + s * 26, 62 + k * 6);
            }
            cairo_stroke(cr);
            cairo_move_to(cr, 64 + s * 14, 48);
            cairo_line_to(cr, 64 + s * 24, 36);
            cairo_stroke(cr);
            cairo_arc(cr, 64 + s * 25, 31, 7, 0, 2 * kPi);  // claws
            setrgb(cr, pal::coral);
            cairo_fill(cr);
            cairo_move_to(cr, 64 + s * 25, 31);
            cairo_line_to(cr, 64 + s * 31, 24);
            setrgb(cr, pal::watertop);
            cairo_set_line_width(cr, 3);
            cairo_stroke(cr);
            setrgb(cr, pal::coral);
            cairo_set_line_width(cr, 4);
        }
        cairo_restore(cr);
        critter(cr, 64, 55, 13, 1.4, pal::coral, 48, 6, 3.5);
        break;
    case 7: {  // seventy-five extras: a fan of extra cards behind a medal
        plinth(cr, "75", GOLD);
        const RGB backs[5] = {pal::waterdeep, pal::anemone, pal::watertop, pal::watermid, pal::coral};
        for (int i = 0; i < 5; i++) {
            cairo_save(cr);
            cairo_translate(cr, 64, 78);
            cairo_rotate(cr, (-40 + 20 * i) * kPi / 180);
            roundrect(cr, -13, -62, 26, 38, 4);
            setrgb(cr, backs[i]);
            cairo_fill_preserve(cr);
            setrgb(cr, pal::paper);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
            cairo_restore(cr);
        }
        stem(cr, GOLD, 80);
        cairo_arc(cr, 64, 62, 20, 0, 2 * kPi);
        metalfill(cr, GOLD, 44, 42, 84, 82, 3);
        star(cr, 64, 62, 12, Metal{pal::coral, pal::coralorange, shade(pal::coral, 0.55)});
        break;
    }
    case 8: {  // a thousand pearls from the casino: a clam brimming with pearls
        plinth(cr, "1000", GOLD);
        stem(cr, GOLD, 84);
        cairo_move_to(cr, 22, 58);
        cairo_curve_to(cr, 22, 6, 106, 6, 106, 58);
        cairo_close_path(cr);
        metalfill(cr, GOLD, 22, 10, 106, 58);
        setrgb(cr, GOLD.dark, 0.6);
        cairo_set_line_width(cr, 1.5);
        for (int i = -3; i <= 3; i++) {
            cairo_move_to(cr, 64 + i * 3, 56);
            cairo_line_to(cr, 64 + i * 12, 18);
        }
        cairo_stroke(cr);
        const double px[9] = {40, 54, 68, 82, 92, 47, 61, 75, 88};
        const double py[9] = {62, 60, 60, 62, 66, 54, 52, 53, 57};
        for (int i = 0; i < 9; i++) pearlball(cr, px[i], py[i], 8);
        cairo_move_to(cr, 20, 60);
        cairo_curve_to(cr, 26, 92, 102, 92, 108, 60);
        cairo_curve_to(cr, 90, 68, 38, 68, 20, 60);
        cairo_close_path(cr);
        metalfill(cr, GOLD, 20, 60, 108, 90);
        break;
    }
    case 9: {  // thirty-five casino games: a stack of chips under a shell
        plinth(cr, "35", GOLD);
        const RGB chipc[4] = {pal::coral, pal::watermid, pal::kelp, pal::anemone};
        for (int i = 0; i < 4; i++) chipdisc(cr, 64 + (i % 2 ? 3 : -3), 80 - i * 9, 30, 10, chipc[i]);
        cairo_move_to(cr, 36, 48);
        cairo_curve_to(cr, 36, 12, 92, 12, 92, 48);
        cairo_curve_to(cr, 80, 44, 48, 44, 36, 48);
        cairo_close_path(cr);
        metalfill(cr, GOLD, 36, 24, 92, 58);
        setrgb(cr, GOLD.dark, 0.6);
        cairo_set_line_width(cr, 1.5);
        for (int i = -2; i <= 2; i++) {
            cairo_move_to(cr, 64 + i * 4, 44);
            cairo_line_to(cr, 64 + i * 10, 18);
        }
        cairo_stroke(cr);
        break;
    }
    case 10:
    case 11:
    case 12: {  // long combos: a fan of cards, longer and richer with the grade
        const Metal& m = n == 10 ? BRONZE : n == 11 ? SILVER : GOLD;
        plinth(cr, n == 10 ? "10" : n == 11 ? "15" : "18", m);
        int cards = n == 10 ? 3 : n == 11 ? 5 : 7;
        const char* idx[7] = {"9", "10", "J", "Q", "K", "A", "2"};
        stem(cr, m, 84);
        for (int i = 0; i < cards; i++) {
            double a = (i - (cards - 1) / 2.0) * (n == 12 ? 14 : 18);
            double rad = a * kPi / 180;
            minicard(cr, 64 + 40 * std::sin(rad), 84 - 40 * std::cos(rad), a, idx[i], i % 2 == 0);
        }
        cairo_arc(cr, 64, 82, 9, 0, 2 * kPi);
        metalfill(cr, m, 55, 73, 73, 91, 2);
        break;
    }
    case 13:  // three long combos ending on a king
        plinth(cr, "K", GOLD);
        stem(cr, GOLD, 86);
        minicard(cr, 44, 62, -16, "K", false, 34, 50);
        minicard(cr, 84, 62, 16, "K", true, 34, 50);
        minicard(cr, 64, 58, 0, "K", true, 36, 52);
        crown(cr, 64, 32, 46, 20, GOLD);
        break;
    case 14: {  // fifty obstacles: oil, shell and plant on the cup
        plinth(cr, "50", SILVER);
        cup(cr, SILVER, 24, 84, 62);
        cairo_move_to(cr, 46, 40);  // oil drop
        cairo_curve_to(cr, 40, 52, 38, 58, 46, 60);
        cairo_curve_to(cr, 54, 58, 52, 52, 46, 40);
        setrgb(cr, pal::suitblack);
        cairo_fill(cr);
        shell(cr, 64, 56, 18, 0, pal::coralorange);
        cairo_save(cr);  // a cut leaf
        cairo_translate(cr, 82, 50);
        cairo_rotate(cr, 0.5);
        cairo_scale(cr, 0.5, 1);
        cairo_arc(cr, 0, 0, 10, 0, 2 * kPi);
        cairo_restore(cr);
        setrgb(cr, pal::kelp);
        cairo_fill(cr);
        cairo_set_line_width(cr, 2);
        setrgb(cr, pal::white);
        cairo_move_to(cr, 76, 56);
        cairo_line_to(cr, 90, 44);
        cairo_stroke(cr);
        break;
    }
    case 15:  // a win with eight cards left in the draw pile
        plinth(cr, "8", GOLD);
        // the draw pile, eight cards fanned a little up and to the right
        for (int i = 0; i < 8; i++) cardback(cr, 50 + i * 4, 66 - i * 3, 40, 56);
        star(cr, 78, 45, 13, GOLD);
        break;
    case 16:
    case 17:
    case 18: {  // star totals: one star for 60, more and brighter ones above
        const Metal& m = n == 16 ? BRONZE : n == 17 ? SILVER : GOLD;
        plinth(cr, n == 16 ? "60" : n == 17 ? "120" : "200", m);
        stem(cr, m, 80);
        if (n == 18)
            for (int i = 0; i < 12; i++) {  // rays
                double a = i * kPi / 6;
                cairo_move_to(cr, 64 + 36 * std::cos(a), 48 + 36 * std::sin(a));
                cairo_line_to(cr, 64 + 50 * std::cos(a + 0.08), 48 + 50 * std::sin(a + 0.08));
                cairo_line_to(cr, 64 + 50 * std::cos(a - 0.08), 48 + 50 * std::sin(a - 0.08));
                cairo_close_path(cr);
                setrgb(cr, pal::gold, 0.7);
                cairo_fill(cr);
            }
        star(cr, 64, 48, n == 16 ? 30 : 34, m);
        if (n >= 17) {
            star(cr, 26, 30, 9, m);
            star(cr, 102, 30, 9, m);
        }
        if (n == 18) {
            star(cr, 20, 66, 7, m);
            star(cr, 108, 66, 7, m);
        }
        glint(cr, 52, 40, 10);
        break;
    }
    case 19: {  // friend of the reef: a coral heart with two fish
        plinth(cr, "", GOLD);
        stem(cr, GOLD, 84);
        cairo_move_to(cr, 64, 88);
        cairo_curve_to(cr, 10, 56, 22, 10, 64, 34);
        cairo_curve_to(cr, 106, 10, 118, 56, 64, 88);
        cairo_close_path(cr);
        metalfill(cr, Metal{pal::coral, hex(0xFFC0B0), hex(0xB04A3E)}, 20, 14, 108, 88, 3);
        pearlball(cr, 64, 62, 9);
        fish(cr, 44, 46, 22, pal::coralorange, pal::white);
        fish(cr, 86, 54, 20, pal::watertop, pal::white, true);
        break;
    }
    default: {  // keeper of the eggs: a golden nest of fish eggs
        plinth(cr, "", GOLD);
        for (int i = 0; i < 7; i++) {
            double x = 40 + (i % 4) * 16 + (i >= 4 ? 8 : 0), y = i >= 4 ? 50 : 62;
            cairo_arc(cr, x, y, 10, 0, 2 * kPi);
            cairo_pattern_t* g = cairo_pattern_create_radial(x - 3, y - 3, 1, x, y, 10);
            addstop(g, 0, hex(0xFFE9C2), 0.95);
            addstop(g, 1, pal::coralorange, 0.85);
            cairo_set_source(cr, g);
            cairo_fill(cr);
            cairo_arc(cr, x + 2, y + 1, 2.5, 0, 2 * kPi);  // the little one inside
            setrgb(cr, pal::suitblack, 0.8);
            cairo_fill(cr);
        }
        cairo_move_to(cr, 22, 62);
        cairo_curve_to(cr, 28, 96, 100, 96, 106, 62);
        cairo_curve_to(cr, 90, 72, 38, 72, 22, 62);
        cairo_close_path(cr);
        metalfill(cr, GOLD, 22, 62, 106, 94);
        setrgb(cr, GOLD.dark, 0.5);
        cairo_set_line_width(cr, 1.2);
        for (int i = 0; i < 6; i++) {  // woven twigs
            cairo_move_to(cr, 30 + i * 12, 72);
            cairo_curve_to(cr, 36 + i * 12, 80, 40 + i * 12, 84, 46 + i * 10, 88);
        }
        cairo_stroke(cr);
        break;
    }
    }
    save(c, "trophies/t" + std::to_string(n) + ".png");
}

// The lock: a dark, frosted bubble that hides the trophy's colours with a
// brass padlock and a chain across it.
void lock() {
    Canvas c = canvas(S, S);
    cairo_t* cr = c.cr;
    cairo_arc(cr, 64, 64, 60, 0, 2 * kPi);
    cairo_pattern_t* g = cairo_pattern_create_radial(50, 44, 6, 64, 64, 60);
    addstop(g, 0, hex(0x3A6E8E), 0.86);
    addstop(g, 1, hex(0x0B2E48), 0.94);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setrgb(cr, pal::haze, 0.7);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    glint(cr, 30, 30, 18);
    // chain: oval links from corner to corner
    for (int i = -4; i <= 4; i++) {
        double x = 64 + i * 12, y = 64 + i * 8;
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, 0.59 + (i % 2 ? kPi / 2 : 0));
        cairo_scale(cr, 1, i % 2 ? 0.35 : 0.55);
        cairo_arc(cr, 0, 0, 8, 0, 2 * kPi);
        cairo_restore(cr);
        setrgb(cr, shade(pal::rocklight, 0.8));
        cairo_set_line_width(cr, 3.5);
        cairo_stroke(cr);
    }
    // padlock
    cairo_arc(cr, 64, 58, 14, kPi, 2 * kPi);
    cairo_line_to(cr, 78, 66);
    cairo_move_to(cr, 50, 66);
    cairo_line_to(cr, 50, 58);
    setrgb(cr, shade(pal::rocklight, 0.75));
    cairo_set_line_width(cr, 7);
    cairo_stroke(cr);
    cairo_arc(cr, 64, 58, 14, kPi, 2 * kPi);
    setrgb(cr, pal::rocklight);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    roundrect(cr, 42, 64, 44, 36, 8);
    metalfill(cr, GOLD, 42, 64, 86, 100, 2.5);
    cairo_arc(cr, 64, 78, 5, 0, 2 * kPi);
    setrgb(cr, pal::goldoutline);
    cairo_fill(cr);
    cairo_move_to(cr, 61, 80);
    cairo_line_to(cr, 67, 80);
    cairo_line_to(cr, 66, 92);
    cairo_line_to(cr, 62, 92);
    cairo_close_path(cr);
    cairo_fill(cr);
    save(c, "trophies/lock.png");
}

// The field a trophy stands on: a wooden frame with a velvet niche for the
// trophy (its centre 70 pixels above the field's) and a paper label below
// for the name (three lines of 23 pixels from 17 pixels above the centre).
void trophyfield() {
    const int W = 250, H = 250;
    Canvas c = canvas(W, H);
    cairo_t* cr = c.cr;
    Rng rng(1616);
    dropshadow(cr, 8, 6, W - 16, H - 14, 16);
    woodpanel(cr, 8, 6, W - 16, H - 14, 16, rng, 4);
    // the niche, an arch of deep water-blue velvet
    cairo_move_to(cr, 26, 100);
    cairo_line_to(cr, 26, 50);
    cairo_curve_to(cr, 26, 10, 224, 10, 224, 50);
    cairo_line_to(cr, 224, 100);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 16, 0, 100);
    addstop(g, 0, hex(0x0E3E5E));
    addstop(g, 1, hex(0x1E6A8E));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setrgb(cr, pal::brass);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    glow(cr, 125, 40, 80, pal::haze, 0.25);
    // the shelf the trophy stands on
    roundrect(cr, 22, 96, 206, 8, 3);
    setrgb(cr, pal::planklight);
    cairo_fill(cr);
    insetpaper(cr, 14, 104, 222, 128, 10);
    for (double x : {24.0, 226.0}) rivet(cr, x, 16, 4);
    save(c, "trophies/trophyfield.png");
}

}  // namespace

AL_GENERATOR(gen_trophies) {
    for (int n = 1; n <= 20; n++) trophy(n);
    lock();
    trophyfield();
}
