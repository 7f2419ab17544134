// The interface pictures: popup panels, the dimming tile, every button of the
// button widget, arrows, the sign, the trophy room's frame, the map's top-bar
// highlights, the loading bar and the main menu's own pictures.
//
// Wood, rope and brass follow the interface palette; buttons are pills or
// discs with a brass rim, a top light and a soft shadow, so that the 15 %
// additive highlight of the button widget reads clearly on them.
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "art.h"
#include "assetlib.h"

namespace {

using art::addstop;
using art::blur;
using art::Canvas;
using art::canvas;
using art::hex;
using art::RGB;
using art::Rng;
using art::roundrect;
using art::save;
using art::setrgb;
using art::shade;
namespace pal = art::pal;

const RGB plank = pal::plank, grain = pal::grain, planklight = pal::planklight;
const RGB rope = pal::rope, ropedark = pal::ropedark, brass = pal::brass;
const RGB paper = hex(0xF6E6C4), paperedge = pal::sand;  // popup paper: warmer than the cards'
const RGB watertop = pal::watertop, watermid = pal::watermid, waterdeep = pal::waterdeep;
const RGB kelp = pal::kelp, kelpdark = pal::kelpdark, coral = pal::coral, coraldark = hex(0xC8483E);
const RGB white = pal::white, outline = pal::textoutline, gold = pal::gold, goldoutline = pal::goldoutline;

// The interface shadow: offset (0, 4), blur 6, 35 % black, of whatever path
// `shape` builds.
template <class F>
void dropshadow(Canvas& c, F shape, double dy = 4, int blurpx = 6, double alpha = 0.35) {
    cairo_surface_t* sh = al::newsurface(c.w, c.h);
    cairo_t* cr = cairo_create(sh);
    cairo_translate(cr, 0, dy);
    shape(cr);
    cairo_set_source_rgba(cr, 0, 0, 0, alpha);
    cairo_fill(cr);
    cairo_destroy(cr);
    blur(sh, blurpx / 2);
    cairo_set_source_surface(c.cr, sh, 0, 0);
    cairo_paint(c.cr);
    cairo_surface_destroy(sh);
}

// Horizontal planks with grain, a top light, a dark rim and a 1-px light
// inner edge.
void boardpanel(cairo_t* cr, double x, double y, double w, double h, double r, Rng& rng, int planks = 0) {
    if (planks <= 0) planks = std::max(1, int(h / 44));
    cairo_save(cr);
    roundrect(cr, x, y, w, h, r);
    cairo_clip(cr);
    double ph = h / planks;
    for (int i = 0; i < planks; i++) {
        double py = y + i * ph;
        double tone = 0.92 + 0.12 * rng.uni();
        cairo_pattern_t* p = cairo_pattern_create_linear(0, py, 0, py + ph);
        addstop(p, 0, shade(planklight, tone * 0.98));
        addstop(p, 0.18, shade(plank, tone * 1.04));
        addstop(p, 1, shade(plank, tone * 0.9));
        cairo_set_source(cr, p);
        cairo_rectangle(cr, x, py, w, ph);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
        // grain: long soft wavy lines
        for (int g = 0; g < 5; g++) {
            double gy = py + rng.range(5, ph - 5);
            double amp = rng.range(0.5, 2.5), ph0 = rng.range(0, 6.28), len = rng.range(60, 160);
            cairo_move_to(cr, x, gy);
            for (double gx = x; gx <= x + w; gx += 8) cairo_line_to(cr, gx, gy + amp * std::sin(ph0 + gx / len * 6.28));
            setrgb(cr, grain, rng.range(0.18, 0.35));
            cairo_set_line_width(cr, rng.range(0.8, 1.8));
            cairo_stroke(cr);
        }
        // knot now and then
        if (rng.uni() < 0.5) {
            double kx = rng.range(x + 30, x + w - 30), ky = py + ph / 2;
            cairo_save(cr);
            cairo_translate(cr, kx, ky);
            cairo_scale(cr, 2.2, 1);
            cairo_arc(cr, 0, 0, ph * 0.12, 0, 2 * M_PI);
            cairo_restore(cr);
            setrgb(cr, grain, 0.35);
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
        }
        // seam between planks
        if (i > 0) {
            cairo_rectangle(cr, x, py - 1, w, 2);
            setrgb(cr, grain, 0.75);
            cairo_fill(cr);
            cairo_rectangle(cr, x, py + 1, w, 1);
            setrgb(cr, planklight, 0.5);
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
    // rim and inner light edge
    roundrect(cr, x + 1.5, y + 1.5, w - 3, h - 3, r);
    setrgb(cr, shade(grain, 0.7));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    roundrect(cr, x + 3.5, y + 3.5, w - 7, h - 7, r - 2);
    setrgb(cr, planklight, 0.8);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

// A lighter inset for brown body text.
void insetpaper(cairo_t* cr, double x, double y, double w, double h, double r) {
    roundrect(cr, x, y, w, h, r);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
    addstop(p, 0, shade(paper, 0.96));
    addstop(p, 0.1, paper);
    addstop(p, 1, shade(paper, 0.97));
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setrgb(cr, paperedge);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // inner shadow along the top: the paper sits below the wood
    cairo_save(cr);
    roundrect(cr, x, y, w, h, r);
    cairo_clip(cr);
    cairo_pattern_t* s = cairo_pattern_create_linear(0, y, 0, y + 10);
    addstop(s, 0, hex(0x5A3414), 0.3);
    addstop(s, 1, hex(0x5A3414), 0);
    cairo_set_source(cr, s);
    cairo_paint(cr);
    cairo_pattern_destroy(s);
    cairo_restore(cr);
}

void rivet(cairo_t* cr, double x, double y, double r) {
    cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.35, y - r * 0.35, r * 0.1, x, y, r);
    addstop(p, 0, hex(0xFFF2C0));
    addstop(p, 0.5, brass);
    addstop(p, 1, shade(brass, 0.55));
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

// A twisted rope between two points.
void ropeline(cairo_t* cr, double x0, double y0, double x1, double y1, double thick) {
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    setrgb(cr, ropedark);
    cairo_set_line_width(cr, thick);
    cairo_stroke(cr);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    setrgb(cr, rope);
    cairo_set_line_width(cr, thick - 2);
    cairo_stroke(cr);
    double len = std::hypot(x1 - x0, y1 - y0), ux = (x1 - x0) / len, uy = (y1 - y0) / len;
    double nx = -uy, ny = ux, step = thick * 0.8;
    for (double t = 0; t < len; t += step) {
        double cx = x0 + ux * t, cy = y0 + uy * t;
        cairo_move_to(cr, cx + nx * thick * 0.45, cy + ny * thick * 0.45);
        cairo_line_to(cr, cx - nx * thick * 0.45 + ux * step * 0.8, cy - ny * thick * 0.45 + uy * step * 0.8);
        setrgb(cr, ropedark, 0.8);
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

// ---- popup panels -------------------------------------------------------------

// A board hanging on two ropes from the top edge of the picture; `paper`
// marks the band of brown body text.
void hangingpanel(const std::string& rel, int w, int h, double boardtop, double papertop, double paperbottom,
                  uint64_t seed) {
    Canvas c = canvas(w, h);
    Rng rng(seed);
    double bx = 10, bw = w - 20, bh = h - boardtop - 12;
    if (boardtop > 0) {
        for (double rx : {w * 0.25, w * 0.75}) ropeline(c.cr, rx, -4, rx, boardtop + 26, 10);
    }
    dropshadow(c, [&](cairo_t* cr) { roundrect(cr, bx, boardtop, bw, bh, 16); });
    boardpanel(c.cr, bx, boardtop, bw, bh, 16, rng);
    insetpaper(c.cr, 36, papertop, w - 72, paperbottom - papertop, 12);
    if (boardtop > 0) {
        for (double rx : {w * 0.25, w * 0.75}) {
            rivet(c.cr, rx, boardtop + 22, 8);
        }
    }
    for (double rx : {26.0, w - 26.0})
        for (double ry : {boardtop + 22, boardtop + bh - 20}) rivet(c.cr, rx, ry, 5);
    save(c, rel);
}

// ---- buttons ----------------------------------------------------------------------

// A pill or disc with a brass rim, a body gradient and a top gloss.
void buttonbody(Canvas& c, double x, double y, double w, double h, RGB top, RGB bottom) {
    double r = h / 2;
    dropshadow(c, [&](cairo_t* cr) { roundrect(cr, x, y, w, h, r); }, 3, 4, 0.4);
    roundrect(c.cr, x, y, w, h, r);
    cairo_pattern_t* rim = cairo_pattern_create_linear(0, y, 0, y + h);
    addstop(rim, 0, hex(0xFFF0B0));
    addstop(rim, 0.5, brass);
    addstop(rim, 1, shade(brass, 0.6));
    cairo_set_source(c.cr, rim);
    cairo_fill(c.cr);
    cairo_pattern_destroy(rim);
    double in = std::max(3.0, h * 0.07);
    roundrect(c.cr, x + in, y + in, w - 2 * in, h - 2 * in, r - in);
    cairo_pattern_t* body = cairo_pattern_create_linear(0, y + in, 0, y + h - in);
    addstop(body, 0, top);
    addstop(body, 1, bottom);
    cairo_set_source(c.cr, body);
    cairo_fill(c.cr);
    cairo_pattern_destroy(body);
    // gloss on the upper half
    roundrect(c.cr, x + in + h * 0.12, y + in + 2, w - 2 * in - h * 0.24, (h - 2 * in) * 0.42, (h - 2 * in) * 0.21);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y + in, 0, y + h * 0.5);
    addstop(g, 0, white, 0.55);
    addstop(g, 1, white, 0.05);
    cairo_set_source(c.cr, g);
    cairo_fill(c.cr);
    cairo_pattern_destroy(g);
}

void pillbutton(const std::string& rel, int w, int h, RGB top, RGB bottom) {
    Canvas c = canvas(w, h);
    buttonbody(c, 3, 2, w - 6, h - 8, top, bottom);
    save(c, rel);
}

// White icon with a dark outline: the shape is built by `path`.
template <class F>
void icon(cairo_t* cr, F path, double lw = 4) {
    path(cr);
    setrgb(cr, outline, 0.85);
    cairo_set_line_width(cr, lw);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    setrgb(cr, white);
    cairo_fill(cr);
}

template <class F>
void discbutton(const std::string& rel, int size, RGB top, RGB bottom, F drawicon) {
    Canvas c = canvas(size, size);
    double d = size - 8;
    buttonbody(c, 4, 2, d, d, top, bottom);
    cairo_save(c.cr);
    cairo_translate(c.cr, 4 + d / 2, 2 + d / 2);
    drawicon(c.cr, d / 2);
    cairo_restore(c.cr);
    save(c, rel);
}

void gearpath(cairo_t* cr, double r) {
    int teeth = 8;
    for (int i = 0; i < teeth * 2; i++) {
        double a0 = i * M_PI / teeth, a1 = (i + 1) * M_PI / teeth;
        double rr = i % 2 == 0 ? r : r * 0.78;
        if (i == 0) cairo_move_to(cr, rr * std::cos(a0), rr * std::sin(a0));
        else cairo_line_to(cr, rr * std::cos(a0), rr * std::sin(a0));
        cairo_line_to(cr, rr * std::cos(a1), rr * std::sin(a1));
    }
    cairo_close_path(cr);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, 0, 0, r * 0.36, 2 * M_PI, 0);
    cairo_close_path(cr);
}

void cuppath(cairo_t* cr, double r) {
    double s = r / 40;
    cairo_move_to(cr, -22 * s, -26 * s);
    cairo_line_to(cr, 22 * s, -26 * s);
    cairo_curve_to(cr, 22 * s, 0, 14 * s, 10 * s, 5 * s, 12 * s);
    cairo_line_to(cr, 5 * s, 20 * s);
    cairo_line_to(cr, 15 * s, 22 * s);
    cairo_line_to(cr, 15 * s, 28 * s);
    cairo_line_to(cr, -15 * s, 28 * s);
    cairo_line_to(cr, -15 * s, 22 * s);
    cairo_line_to(cr, -5 * s, 20 * s);
    cairo_line_to(cr, -5 * s, 12 * s);
    cairo_curve_to(cr, -14 * s, 10 * s, -22 * s, 0, -22 * s, -26 * s);
    cairo_close_path(cr);
    // handles
    for (int side : {-1, 1}) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, side * 24 * s, -14 * s, 9 * s, 0, 2 * M_PI);
        cairo_new_sub_path(cr);
        cairo_arc_negative(cr, side * 24 * s, -14 * s, 4 * s, 2 * M_PI, 0);
    }
}

void personpath(cairo_t* cr, double r) {
    double s = r / 40;
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, -12 * s, 13 * s, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_move_to(cr, -24 * s, 26 * s);
    cairo_curve_to(cr, -24 * s, 6 * s, -12 * s, 2 * s, 0, 2 * s);
    cairo_curve_to(cr, 12 * s, 2 * s, 24 * s, 6 * s, 24 * s, 26 * s);
    cairo_close_path(cr);
}

void doorpath(cairo_t* cr, double r) {
    double s = r / 40;
    // door frame with an arrow leaving to the right
    cairo_rectangle(cr, -26 * s, -26 * s, 30 * s, 52 * s);
    cairo_new_sub_path(cr);
    cairo_rectangle(cr, -20 * s, -20 * s, 18 * s, 40 * s);  // opening, cut out by the even-odd rule
    cairo_new_sub_path(cr);
    cairo_move_to(cr, -4 * s, -6 * s);
    cairo_line_to(cr, 12 * s, -6 * s);
    cairo_line_to(cr, 12 * s, -16 * s);
    cairo_line_to(cr, 30 * s, 0);
    cairo_line_to(cr, 12 * s, 16 * s);
    cairo_line_to(cr, 12 * s, 6 * s);
    cairo_line_to(cr, -4 * s, 6 * s);
    cairo_close_path(cr);
}

void triangle(cairo_t* cr, double r, int dir) {
    // dir 1 right, -1 left
    cairo_move_to(cr, dir * r * 0.55, 0);
    cairo_line_to(cr, -dir * r * 0.35, -r * 0.5);
    cairo_line_to(cr, -dir * r * 0.35, r * 0.5);
    cairo_close_path(cr);
}

void crosspath(cairo_t* cr, double r) {
    double a = r * 0.42, t = r * 0.13;
    for (int k = 0; k < 2; k++) {
        cairo_save(cr);
        cairo_rotate(cr, M_PI / 4 + k * M_PI / 2);
        cairo_new_sub_path(cr);
        roundrect(cr, -a, -t, 2 * a, 2 * t, t);
        cairo_restore(cr);
    }
}

void pluspath(cairo_t* cr, double r) {
    double a = r * 0.5, t = r * 0.16;
    roundrect(cr, -a, -t, 2 * a, 2 * t, t);
    cairo_new_sub_path(cr);
    roundrect(cr, -t, -a, 2 * t, 2 * a, t);
}

void makebuttons() {
    RGB blue1 = watertop, blue2 = watermid;
    pillbutton("ui/button1.png", 260, 66, kelp, kelpdark);
    pillbutton("ui/button2.png", 200, 56, blue1, blue2);
    pillbutton("ui/button3.png", 158, 54, blue1, blue2);
    pillbutton("ui/button4.png", 180, 52, blue1, blue2);
    pillbutton("ui/button20.png", 200, 56, coral, coraldark);
    pillbutton("ui/button21.png", 200, 56, gold, hex(0xD69A2A));
    // Two of these stand 160 pixels apart (the tutorial's OK and Next).
    pillbutton("ui/button-tutorial.png", 150, 52, kelp, kelpdark);
    // slider knob: a plain brass disc with a pearl centre
    {
        Canvas c = canvas(40, 40);
        dropshadow(c, [](cairo_t* cr) { cairo_arc(cr, 20, 19, 16, 0, 2 * M_PI); }, 2, 4, 0.4);
        rivet(c.cr, 20, 19, 16);
        cairo_arc(c.cr, 20, 19, 7, 0, 2 * M_PI);
        setrgb(c.cr, hex(0xFFF6E0));
        cairo_fill_preserve(c.cr);
        setrgb(c.cr, hex(0xF5D37A));
        cairo_set_line_width(c.cr, 1.5);
        cairo_stroke(c.cr);
        save(c, "ui/button5.png");
    }
    discbutton("ui/button6.png", 56, blue1, blue2, [](cairo_t* cr, double r) { icon(cr, [&](cairo_t* c2) { triangle(c2, r, -1); }, 3); });
    discbutton("ui/button7.png", 56, blue1, blue2, [](cairo_t* cr, double r) { icon(cr, [&](cairo_t* c2) { triangle(c2, r, 1); }, 3); });
    discbutton("ui/button-plus.png", 44, kelp, kelpdark, [](cairo_t* cr, double r) { icon(cr, [&](cairo_t* c2) { pluspath(c2, r); }, 3); });
    discbutton("ui/button-exit2.png", 56, coral, coraldark, [](cairo_t* cr, double r) { icon(cr, [&](cairo_t* c2) { crosspath(c2, r); }, 3); });
    discbutton("ui/button-settings.png", 112, blue1, blue2, [](cairo_t* cr, double r) {
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        icon(cr, [&](cairo_t* c2) { gearpath(c2, r * 0.62); });
    });
    discbutton("ui/button-trophies.png", 112, gold, hex(0xD69A2A), [](cairo_t* cr, double r) {
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        icon(cr, [&](cairo_t* c2) { cuppath(c2, r); });
    });
    discbutton("ui/button-player.png", 112, blue1, blue2, [](cairo_t* cr, double r) { icon(cr, [&](cairo_t* c2) { personpath(c2, r); }); });
    discbutton("ui/button-exit.png", 112, coral, coraldark, [](cairo_t* cr, double r) {
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        icon(cr, [&](cairo_t* c2) { doorpath(c2, r); });
    });
    // play: the big green pill with a white triangle
    {
        Canvas c = canvas(270, 116);
        buttonbody(c, 4, 2, 262, 106, kelp, kelpdark);
        cairo_translate(c.cr, 135, 55);
        icon(c.cr, [](cairo_t* cr) { triangle(cr, 62, 1); }, 5);
        save(c, "ui/button-play.png");
    }
}

// ---- the rest of the interface ---------------------------------------------------------

void makedimtile() {
    Canvas c = canvas(200, 200);
    cairo_set_source_rgba(c.cr, 0.0, 0.05, 0.1, 0.55);
    cairo_paint(c.cr);
    save(c, "ui/black.png");
}

// Points to the left; callers rotate it.
void makearrow() {
    Canvas c = canvas(124, 76);
    auto shape = [](cairo_t* cr) {
        cairo_move_to(cr, 8, 36);
        cairo_line_to(cr, 50, 6);
        cairo_line_to(cr, 50, 24);
        cairo_line_to(cr, 112, 24);
        cairo_line_to(cr, 112, 48);
        cairo_line_to(cr, 50, 48);
        cairo_line_to(cr, 50, 66);
        cairo_close_path(cr);
    };
    dropshadow(c, shape, 3, 4, 0.4);
    shape(c.cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 6, 0, 66);
    addstop(p, 0, hex(0xFFE58A));
    addstop(p, 1, hex(0xF0A830));
    cairo_set_source(c.cr, p);
    cairo_fill_preserve(c.cr);
    cairo_pattern_destroy(p);
    setrgb(c.cr, goldoutline);
    cairo_set_line_width(c.cr, 3);
    cairo_set_line_join(c.cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(c.cr);
    save(c, "ui/tutorialarrow.png");
}

void makesign() {
    Canvas c = canvas(480, 160);
    Rng rng(77);
    dropshadow(c, [](cairo_t* cr) { roundrect(cr, 8, 8, 464, 140, 18); });
    boardpanel(c.cr, 8, 8, 464, 140, 18, rng, 3);
    for (double x : {28.0, 452.0})
        for (double y : {28.0, 128.0}) rivet(c.cr, x, y, 6);
    save(c, "ui/sign.png");
}

// The trophy room's frame: a wooden beam over the top with its lower edge at
// y 80, and one along the bottom. Symmetric, as the room draws each strip
// once more mirrored.
void makeframes() {
    for (int w : {1024, 1280, 1366}) {
        Rng rng(w);
        Canvas up = canvas(w, 96);
        dropshadow(up, [&](cairo_t* cr) { cairo_rectangle(cr, -20, -20, w + 40, 100); }, 4, 8, 0.4);
        boardpanel(up.cr, -20, -20, w + 40, 100, 14, rng, 2);
        ropeline(up.cr, 0, 74, w, 74, 8);
        for (int k = 0; k <= w / 240; k++) rivet(up.cr, 60 + k * (w - 120.0) / (w / 240), 30, 7);
        save(up, "ui/ui-up-" + std::to_string(w) + ".png");
        Canvas down = canvas(w, 110);
        dropshadow(down, [&](cairo_t* cr) { cairo_rectangle(cr, -20, 14, w + 40, 120); }, -4, 8, 0.4);
        boardpanel(down.cr, -20, 14, w + 40, 120, 14, rng, 2);
        ropeline(down.cr, 0, 20, w, 20, 8);
        for (int k = 0; k <= w / 240; k++) rivet(down.cr, 60 + k * (w - 120.0) / (w / 240), 70, 7);
        save(down, "ui/ui-down-" + std::to_string(w) + ".png");
    }
}

// Soft light patches for the map's top bar hot spots (drawn additively).
void makehighlights() {
    for (int n = 1; n <= 3; n++) {
        int w = n == 1 ? 200 : 150, h = 80;
        Canvas c = canvas(w, h);
        roundrect(c.cr, 6, 6, w - 12, h - 12, 24);
        cairo_pattern_t* p = cairo_pattern_create_radial(w / 2.0, h / 2.0, 4, w / 2.0, h / 2.0, w / 2.0);
        addstop(p, 0, hex(0xFFF2C0), 0.75);
        addstop(p, 0.7, hex(0xFFD24A), 0.35);
        addstop(p, 1, hex(0xFFD24A), 0.0);
        cairo_set_source(c.cr, p);
        cairo_fill(c.cr);
        cairo_pattern_destroy(p);
        save(c, "ui/button" + std::to_string(n) + "over.png");
    }
}

// The loading bar: a brass-framed trough 330 x 80 and a fill strip of 164
// two-pixel columns that together form one rounded glowing bar.
void makeloadbar() {
    Canvas c = canvas(368, 108);
    Rng rng(11);
    dropshadow(c, [](cairo_t* cr) { roundrect(cr, 4, 4, 360, 96, 48); });
    boardpanel(c.cr, 4, 4, 360, 96, 48, rng, 1);
    roundrect(c.cr, 17, 12, 334, 84, 42);
    setrgb(c.cr, brass);
    cairo_set_line_width(c.cr, 3);
    cairo_stroke(c.cr);
    roundrect(c.cr, 18, 13, 332, 82, 41);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 13, 0, 95);
    addstop(p, 0, hex(0x06283F));
    addstop(p, 1, waterdeep);
    cairo_set_source(c.cr, p);
    cairo_fill(c.cr);
    cairo_pattern_destroy(p);
    save(c, "ui/loadbar.png");

    Canvas f = canvas(328, 78);
    roundrect(f.cr, 0, 0, 328, 78, 39);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 78);
    addstop(g, 0, hex(0xB8F4FF));
    addstop(g, 0.35, watertop);
    addstop(g, 1, watermid);
    cairo_set_source(f.cr, g);
    cairo_fill(f.cr);
    cairo_pattern_destroy(g);
    roundrect(f.cr, 14, 6, 300, 22, 11);
    setrgb(f.cr, white, 0.35);
    cairo_fill(f.cr);
    save(f, "ui/loadfill.png");
}

// Dark water-blue fields for the white text of font 1.
void darkfield(cairo_t* cr, double x, double y, double w, double h, double r) {
    roundrect(cr, x, y, w, h, r);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
    addstop(p, 0, hex(0x0A3E60));
    addstop(p, 1, hex(0x0E5A85));
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setrgb(cr, brass);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
}

void makemenupictures() {
    // The player list: twelve rows of 26 pixels.
    {
        // Centred at 410: rows from 255 to 563 lie within 254..566.
        Canvas c = canvas(490, 312);
        darkfield(c.cr, 3, 2, 484, 308, 14);
        for (int n = 1; n <= 12; n++) {
            double y = 255 - 254 + 26 * (n - 1);
            if (n % 2 == 0) {
                cairo_rectangle(c.cr, 12, y, 466, 24);
                setrgb(c.cr, white, 0.05);
                cairo_fill(c.cr);
            }
        }
        save(c, "ui/playermenu.png");
    }
    {
        Canvas c = canvas(472, 26);
        roundrect(c.cr, 1, 1, 470, 24, 12);
        cairo_pattern_t* p = cairo_pattern_create_linear(0, 1, 0, 25);
        addstop(p, 0, gold, 0.75);
        addstop(p, 1, hex(0xF0A830), 0.55);
        cairo_set_source(c.cr, p);
        cairo_fill_preserve(c.cr);
        cairo_pattern_destroy(p);
        setrgb(c.cr, hex(0xFFF2C0), 0.9);
        cairo_set_line_width(c.cr, 1.5);
        cairo_stroke(c.cr);
        save(c, "ui/bar.png");
    }
    {
        Canvas c = canvas(330, 60);
        darkfield(c.cr, 3, 3, 324, 54, 14);
        save(c, "ui/createplayer.png");
    }
    {
        Canvas c = canvas(420, 300);
        Rng rng(5);
        dropshadow(c, [](cairo_t* cr) { roundrect(cr, 6, 6, 408, 284, 16); });
        boardpanel(c.cr, 6, 6, 408, 284, 16, rng);
        darkfield(c.cr, 26, 60, 368, 210, 12);
        save(c, "ui/scores.png");
    }
    {
        Canvas c = canvas(360, 30);
        roundrect(c.cr, 1, 2, 358, 26, 13);
        setrgb(c.cr, watertop, 0.45);
        cairo_fill(c.cr);
        save(c, "ui/scoresbar.png");
    }
}

AL_GENERATOR(gen_ui) {
    // Small panel: board from 150, title at 205, body text 306..482,
    // buttons around 520.
    hangingpanel("ui/popupsmall.png", 560, 600, 150, 258, 488, 1);
    // Medium panel: board from 100, title at 155, list 245..575, buttons at 595.
    hangingpanel("ui/popupmedium.png", 640, 660, 100, 192, 572, 2);
    // Big panels start at the top edge; title at 50.
    hangingpanel("ui/popupbig.png", 860, 700, 0, 96, 610, 3);
    hangingpanel("ui/popupbig2.png", 920, 720, 0, 96, 622, 4);
    makedimtile();
    makebuttons();
    makearrow();
    makesign();
    makeframes();
    makehighlights();
    makeloadbar();
    makemenupictures();
}

}  // namespace
