// The nine fish helpers. Each is drawn in a 100 x 100 box centred on the
// origin, two or three flat shades, a darker outline and big eyes with a
// glint, so that they still read at the 60 pixels of the helpers bar.
#include "creatures.h"

#include <cmath>

#include "art.h"

namespace art {

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr double LINE = 4.0;

void fillout(cairo_t* cr, RGB body) {
    setrgb(cr, body);
    cairo_fill_preserve(cr);
    setrgb(cr, shade(body, 0.58));
    cairo_set_line_width(cr, LINE);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void ellipse(cairo_t* cr, double x, double y, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * PI);
    cairo_restore(cr);
}

void eye(cairo_t* cr, double x, double y, double r, bool blink) {
    if (blink) {
        cairo_new_path(cr);
        cairo_arc(cr, x, y - r * 0.2, r * 0.85, 0.15 * PI, 0.85 * PI);
        setrgb(cr, pal::suitblack);
        cairo_set_line_width(cr, LINE * 0.9);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
        return;
    }
    cairo_new_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * PI);
    setrgb(cr, pal::white);
    cairo_fill_preserve(cr);
    setrgb(cr, pal::suitblack, 0.8);
    cairo_set_line_width(cr, LINE * 0.6);
    cairo_stroke(cr);
    cairo_arc(cr, x + r * 0.28, y + r * 0.05, r * 0.58, 0, 2 * PI);
    setrgb(cr, pal::suitblack);
    cairo_fill(cr);
    cairo_arc(cr, x + r * 0.45, y - r * 0.28, r * 0.22, 0, 2 * PI);
    setrgb(cr, pal::white);
    cairo_fill(cr);
}

void smile(cairo_t* cr, double x, double y, double r) {
    cairo_new_path(cr);
    cairo_arc(cr, x, y, r, 0.15 * PI, 0.8 * PI);
    setrgb(cr, pal::suitblack, 0.85);
    cairo_set_line_width(cr, LINE * 0.7);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void clownfish(cairo_t* cr, bool b) {
    RGB body = hex(0xFF9E57);
    cairo_move_to(cr, -28, 0);
    cairo_curve_to(cr, -44, -18, -50, -22, -46, 0);
    cairo_curve_to(cr, -50, 22, -44, 18, -28, 0);
    fillout(cr, shade(body, 0.9));
    cairo_new_path(cr);
    ellipse(cr, 2, 0, 36, 25);
    fillout(cr, body);
    // white bands with dark edges
    cairo_save(cr);
    ellipse(cr, 2, 0, 34, 23);
    cairo_clip(cr);
    for (double bx : {-18.0, 14.0}) {
        cairo_rectangle(cr, bx - 5, -30, 10, 60);
        setrgb(cr, pal::white);
        cairo_fill_preserve(cr);
        setrgb(cr, pal::suitblack, 0.7);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    cairo_move_to(cr, -6, -22);
    cairo_curve_to(cr, 0, -38, 14, -34, 16, -22);
    fillout(cr, shade(body, 0.95));
    eye(cr, 24, -6, 9, b);
    smile(cr, 30, 6, 5);
}

void seahorse(cairo_t* cr, bool b) {
    RGB body = pal::gold;
    // curled tail, belly, head with snout
    cairo_move_to(cr, 4, -30);
    cairo_curve_to(cr, 22, -30, 22, -6, 10, 4);
    cairo_curve_to(cr, 2, 12, 12, 26, 4, 36);
    cairo_curve_to(cr, -6, 46, -22, 40, -16, 30);
    cairo_curve_to(cr, -12, 24, -4, 30, -8, 34);
    cairo_curve_to(cr, -14, 26, -10, 16, -12, 8);
    cairo_curve_to(cr, -18, -6, -14, -28, 4, -30);
    cairo_close_path(cr);
    fillout(cr, body);
    // snout
    cairo_move_to(cr, 14, -30);
    cairo_curve_to(cr, 26, -30, 36, -26, 40, -22);
    cairo_curve_to(cr, 38, -16, 26, -16, 16, -18);
    cairo_close_path(cr);
    fillout(cr, body);
    // crest and belly rings
    cairo_move_to(cr, -4, -36);
    cairo_line_to(cr, 2, -46);
    cairo_line_to(cr, 8, -36);
    fillout(cr, pal::coralorange);
    for (int k = 0; k < 4; k++) {
        cairo_new_path(cr);
        cairo_arc(cr, -2, -6 + 9 * k, 9 - k, 0.1 * PI, 0.9 * PI);
        setrgb(cr, shade(body, 0.75));
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, -14, -10);
    cairo_curve_to(cr, -28, -14, -28, 4, -14, 4);
    fillout(cr, pal::coralorange);
    eye(cr, 6, -26, 8, b);
}

void turtle(cairo_t* cr, bool b) {
    RGB skin = hex(0x7BC47F), shell = pal::kelpdark;
    for (double fx : {-24.0, 18.0}) {  // flippers
        cairo_new_path(cr);
        ellipse(cr, fx, 20, 12, 6);
        fillout(cr, skin);
    }
    cairo_new_path(cr);
    ellipse(cr, 36, -4, 14, 12);  // head
    fillout(cr, skin);
    cairo_new_path(cr);
    cairo_arc(cr, -2, 8, 36, PI, 2 * PI);
    cairo_close_path(cr);
    fillout(cr, shell);
    // shell plates
    setrgb(cr, pal::kelp);
    for (int k = -1; k <= 1; k++) {
        cairo_new_path(cr);
        ellipse(cr, -2 + 20 * k, -8 - (k == 0 ? 6 : 0), 9, 8);
        cairo_fill(cr);
    }
    cairo_move_to(cr, -38, 8);
    cairo_line_to(cr, 34, 8);
    setrgb(cr, shade(shell, 0.6));
    cairo_set_line_width(cr, LINE);
    cairo_stroke(cr);
    eye(cr, 40, -8, 7, b);
    smile(cr, 42, 0, 4);
}

void starfishhelper(cairo_t* cr, bool b) {
    RGB body = pal::coral;
    cairo_new_path(cr);
    for (int k = 0; k < 10; k++) {
        double a = -PI / 2 + k * PI / 5;
        double r = k % 2 ? 20 : 44;
        double x = r * std::cos(a), y = r * std::sin(a) + 4;
        if (k == 0) cairo_move_to(cr, x, y);
        else cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setrgb(cr, body);
    cairo_fill_preserve(cr);
    setrgb(cr, shade(body, 0.58));
    cairo_set_line_width(cr, LINE * 1.4);
    cairo_stroke(cr);
    setrgb(cr, pal::sandlight);
    for (int k = 0; k < 5; k++) {
        double a = -PI / 2 + k * 2 * PI / 5;
        cairo_arc(cr, 28 * std::cos(a), 28 * std::sin(a) + 4, 3, 0, 2 * PI);
        cairo_fill(cr);
    }
    eye(cr, -8, -2, 8, b);
    eye(cr, 10, -2, 8, b);
    smile(cr, 1, 8, 6);
}

void jellyfish(cairo_t* cr, bool b) {
    RGB body = pal::anemone;
    for (int k = -2; k <= 2; k++) {  // tentacles
        cairo_move_to(cr, 9 * k, 6);
        cairo_curve_to(cr, 9 * k + 8, 20, 9 * k - 8, 30, 9 * k + 2, 44);
        setrgb(cr, shade(body, 0.8));
        cairo_set_line_width(cr, 4);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
    cairo_new_path(cr);
    cairo_arc(cr, 0, 4, 34, PI, 2 * PI);
    cairo_curve_to(cr, 30, 14, 20, 8, 12, 12);
    cairo_curve_to(cr, 4, 8, -4, 8, -12, 12);
    cairo_curve_to(cr, -20, 8, -30, 14, -34, 4);
    cairo_close_path(cr);
    fillout(cr, body);
    cairo_new_path(cr);
    ellipse(cr, -12, -18, 8, 5);
    setrgb(cr, pal::white, 0.5);
    cairo_fill(cr);
    eye(cr, -10, -6, 7, b);
    eye(cr, 10, -6, 7, b);
    smile(cr, 0, 0, 5);
}

void tang(cairo_t* cr, bool b) {
    RGB body = hex(0x2F6FD6);
    cairo_move_to(cr, -26, 0);
    cairo_curve_to(cr, -40, -20, -48, -20, -44, 0);
    cairo_curve_to(cr, -48, 20, -40, 20, -26, 0);
    fillout(cr, pal::gold);
    cairo_move_to(cr, 38, 2);
    cairo_curve_to(cr, 30, -30, -10, -40, -28, -4);
    cairo_curve_to(cr, -10, 36, 30, 30, 38, 2);
    cairo_close_path(cr);
    fillout(cr, body);
    // the dark sweep along its side
    cairo_move_to(cr, -20, -6);
    cairo_curve_to(cr, -4, -20, 14, -18, 22, -10);
    cairo_curve_to(cr, 8, -10, 0, 4, -20, 6);
    cairo_close_path(cr);
    setrgb(cr, hex(0x10306A));
    cairo_fill(cr);
    eye(cr, 22, -4, 8, b);
    smile(cr, 30, 8, 4);
}

void snail(cairo_t* cr, bool b) {
    RGB skin = pal::sandlight, shell = pal::coralorange;
    cairo_move_to(cr, -40, 30);
    cairo_curve_to(cr, -20, 22, 20, 22, 30, 14);
    cairo_curve_to(cr, 40, 6, 44, 22, 42, 30);
    cairo_close_path(cr);
    fillout(cr, skin);
    for (double sx : {30.0, 40.0}) {  // eye stalks
        cairo_move_to(cr, sx - 4, 14);
        cairo_line_to(cr, sx, -6);
        setrgb(cr, shade(skin, 0.6));
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
    }
    cairo_new_path(cr);
    cairo_arc(cr, -6, 4, 28, 0, 2 * PI);
    fillout(cr, shell);
    cairo_new_path(cr);  // the spiral
    for (int k = 0; k <= 60; k++) {
        double a = k * 0.22, r = 24 - k * 0.38;
        double x = -6 + r * std::cos(a), y = 4 + r * std::sin(a);
        if (k == 0) cairo_move_to(cr, x, y);
        else cairo_line_to(cr, x, y);
    }
    setrgb(cr, shade(shell, 0.6));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    eye(cr, 30, -8, 6, b);
    eye(cr, 41, -8, 6, b);
}

void manta(cairo_t* cr, bool b) {
    RGB body = pal::rocklight;
    cairo_move_to(cr, 30, 0);
    cairo_curve_to(cr, 20, -28, -4, -40, -14, -42);
    cairo_curve_to(cr, -10, -20, -24, -6, -34, 2);
    cairo_curve_to(cr, -24, 10, -10, 22, -14, 42);
    cairo_curve_to(cr, -4, 40, 20, 28, 30, 0);
    cairo_close_path(cr);
    fillout(cr, body);
    cairo_move_to(cr, -30, 2);
    cairo_curve_to(cr, -40, 4, -46, 10, -50, 16);
    setrgb(cr, shade(body, 0.58));
    cairo_set_line_width(cr, LINE);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    for (double hy : {-8.0, 8.0}) {  // the head fins
        cairo_new_path(cr);
        ellipse(cr, 32, hy, 6, 4);
        fillout(cr, shade(body, 0.85));
    }
    cairo_new_path(cr);
    ellipse(cr, -2, 0, 14, 24);
    setrgb(cr, pal::white, 0.35);
    cairo_fill(cr);
    eye(cr, 16, -12, 7, b);
    eye(cr, 16, 12, 7, b);
}

void whale(cairo_t* cr, bool b) {
    RGB body = hex(0x4C9BD6), belly = hex(0xCFEAF6);
    cairo_move_to(cr, -30, 0);
    cairo_curve_to(cr, -40, -8, -46, -24, -38, -26);
    cairo_curve_to(cr, -36, -16, -30, -10, -26, -8);
    cairo_close_path(cr);
    fillout(cr, body);
    cairo_new_path(cr);
    cairo_move_to(cr, 40, 6);
    cairo_curve_to(cr, 40, -30, -20, -30, -32, 0);
    cairo_curve_to(cr, -20, 26, 40, 30, 40, 6);
    cairo_close_path(cr);
    fillout(cr, body);
    cairo_move_to(cr, 38, 10);
    cairo_curve_to(cr, 20, 24, -10, 22, -22, 10);
    cairo_curve_to(cr, 0, 14, 20, 14, 38, 10);
    cairo_close_path(cr);
    setrgb(cr, belly);
    cairo_fill(cr);
    // spout
    for (int k = -1; k <= 1; k++) {
        cairo_move_to(cr, 8, -22);
        cairo_curve_to(cr, 8 + 4 * k, -32, 8 + 10 * k, -38, 8 + 12 * k, -40);
        setrgb(cr, pal::haze);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
    eye(cr, 22, -4, 7, b);
    smile(cr, 28, 6, 5);
}

using Painter = void (*)(cairo_t*, bool);
const Painter painters[10] = {nullptr, clownfish, seahorse, turtle, starfishhelper, jellyfish, tang, snail, manta, whale};

}  // namespace

void helpercreature(cairo_t* cr, int i, double x, double y, double size, bool blink) {
    if (i < 1 || i > 9) return;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, size / 100.0, size / 100.0);
    cairo_new_path(cr);
    painters[i](cr, blink);
    cairo_restore(cr);
}

}  // namespace art
