// The fish set: "fishes/f" + kind + frame, kinds 1..4, 7, 8, 13..16, frames
// 1..4 of a swim cycle (the tail swings out, back, out the other way, back,
// while the side fin paddles). Every fish faces right; the game mirrors the
// ones swimming left.
#include <cmath>
#include <string>

#include "art.h"
#include "assetlib.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kW = 144, kH = 120;

using art::hex;
using art::RGB;
using art::setrgb;

enum Tail { fork, fan, crescent };
enum Pattern { plain, sidestripe, tailband, spots, clownbands, puffspots, angelstripes, eyeband, lightspots, none };
enum Dorsal { small, sail, spiny, lure };

struct Design {
    double rx, ry;  // body half length and half height
    RGB body, belly, line, fin, mark;
    Tail tail;
    double taillen, tailh;
    Pattern pattern;
    Dorsal dorsal;
    double eye;     // eye radius
    bool bigmouth;
};

// Each kind its own silhouette: slender, oval, round, tall, long.
Design design(int kind) {
    switch (kind) {
        case 1:  // slender silver-blue schooling fish
            return {46, 15, hex(0x5AA9E6), hex(0xE4F5FF), hex(0x245A8A), hex(0x9AD2F7), hex(0x2E7BC4), fork, 24, 17, sidestripe, small, 6.5, false};
        case 2:  // bright yellow oval school fish
            return {36, 27, hex(0xFFD24A), hex(0xFFF1A6), hex(0xA87A08), hex(0xFFB81E), hex(0xFFB81E), crescent, 20, 22, plain, sail, 7.5, false};
        case 3:  // coral-red school fish with a dark tail band
            return {40, 20, hex(0xFF7A6B), hex(0xFFC8B8), hex(0xA8392F), hex(0xFF9E57), hex(0x8C2A3A), fork, 22, 18, tailband, small, 7, false};
        case 4:  // green spotted school fish
            return {40, 22, hex(0x5CC07A), hex(0xD6F4CC), hex(0x226B40), hex(0x3FAF6A), hex(0xE8FFD8), fan, 20, 18, spots, spiny, 7, false};
        case 7:  // orange clownfish with white bands
            return {42, 25, hex(0xFF8A2A), hex(0xFFB870), hex(0x9C400C), hex(0xFF9E57), hex(0xFFFFFF), fan, 20, 19, clownbands, small, 8, false};
        case 8:  // round puffer
            return {34, 31, hex(0xF2DDA4), hex(0xFFFBEA), hex(0x8C6A30), hex(0xD9B878), hex(0xA88654), fan, 15, 13, puffspots, small, 9, false};
        case 13:  // tall violet angelfish with a sail fin
            return {33, 28, hex(0xC86FD6), hex(0xEEC8F4), hex(0x6C2E80), hex(0x9A62E0), hex(0x6A4FC4), crescent, 20, 24, angelstripes, sail, 7.5, false};
        case 14:  // white and yellow butterflyfish with a dark band
            return {36, 29, hex(0xFFE36A), hex(0xFFFFF0), hex(0x9C7A10), hex(0xFFC83A), hex(0x2B3A4A), fan, 17, 18, eyeband, spiny, 7.5, false};
        case 15:  // big red grouper with light spots
            return {50, 26, hex(0xE0483E), hex(0xFFB0A0), hex(0x8A2420), hex(0xC8382E), hex(0xFFD6C8), fan, 20, 20, lightspots, spiny, 8, true};
        case 16:  // friendly teal anglerfish with a glowing lure
        default:
            return {38, 28, hex(0x2F7F9F), hex(0x8FDCEC), hex(0x164058), hex(0x256A86), hex(0xFFE9A0), fan, 17, 17, plain, lure, 10, true};
    }
}

RGB darker(RGB c, double f) { return {c.r * f, c.g * f, c.b * f}; }

void bodypath(cairo_t* cr, const Design& d) {
    // nose at +rx, tail joint at -rx; the back rounder than the belly
    double rx = d.rx, ry = d.ry;
    cairo_move_to(cr, rx, 2);
    cairo_curve_to(cr, rx, -ry * 0.75, rx * 0.35, -ry, 0, -ry);
    cairo_curve_to(cr, -rx * 0.55, -ry, -rx * 0.85, -ry * 0.45, -rx, -ry * 0.22);
    cairo_line_to(cr, -rx, ry * 0.22);
    cairo_curve_to(cr, -rx * 0.85, ry * 0.45, -rx * 0.5, ry * 0.95, 0, ry * 0.95);
    cairo_curve_to(cr, rx * 0.4, ry * 0.95, rx, ry * 0.7, rx, 2);
    cairo_close_path(cr);
}

void finfill(cairo_t* cr, const Design& d, RGB fill) {
    setrgb(cr, d.line);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke_preserve(cr);
    setrgb(cr, fill);
    cairo_fill(cr);
}

void drawtail(cairo_t* cr, const Design& d, double swing) {
    cairo_save(cr);
    cairo_translate(cr, -d.rx + 3, 0);
    cairo_rotate(cr, swing * kPi / 180);
    double l = d.taillen, h = d.tailh;
    cairo_move_to(cr, 2, -d.ry * 0.2);
    switch (d.tail) {
        case fork:
            cairo_curve_to(cr, -l * 0.4, -h * 0.4, -l * 0.8, -h * 0.9, -l, -h);
            cairo_curve_to(cr, -l * 0.8, -h * 0.35, -l * 0.55, 0, -l * 0.55, 0);
            cairo_curve_to(cr, -l * 0.55, 0, -l * 0.8, h * 0.35, -l, h);
            cairo_curve_to(cr, -l * 0.8, h * 0.9, -l * 0.4, h * 0.4, 2, d.ry * 0.2);
            break;
        case crescent:
            cairo_curve_to(cr, -l * 0.5, -h * 0.5, -l * 0.8, -h, -l, -h);
            cairo_curve_to(cr, -l * 0.7, -h * 0.4, -l * 0.7, h * 0.4, -l, h);
            cairo_curve_to(cr, -l * 0.8, h, -l * 0.5, h * 0.5, 2, d.ry * 0.2);
            break;
        case fan:
            cairo_curve_to(cr, -l * 0.5, -h * 0.5, -l * 0.9, -h, -l, -h * 0.8);
            cairo_curve_to(cr, -l * 1.15, -h * 0.3, -l * 1.15, h * 0.3, -l, h * 0.8);
            cairo_curve_to(cr, -l * 0.9, h, -l * 0.5, h * 0.5, 2, d.ry * 0.2);
            break;
    }
    cairo_close_path(cr);
    finfill(cr, d, d.fin);
    // fin rays, a shade darker
    setrgb(cr, darker(d.fin, 0.8));
    cairo_set_line_width(cr, 1.2);
    for (int i = -2; i <= 2; i++) {
        cairo_move_to(cr, -l * 0.2, i * h * 0.08);
        cairo_line_to(cr, -l * 0.8, i * h * 0.3);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void drawbackfins(cairo_t* cr, const Design& d, double sway) {
    double rx = d.rx, ry = d.ry;
    // dorsal fin
    switch (d.dorsal) {
        case small:
        case lure:
            cairo_move_to(cr, rx * 0.25, -ry * 0.9);
            cairo_curve_to(cr, 0, -ry * 1.45, -rx * 0.4 + sway, -ry * 1.35, -rx * 0.6 + sway, -ry * 0.8);
            break;
        case sail:
            cairo_move_to(cr, rx * 0.3, -ry * 0.9);
            cairo_curve_to(cr, 0, -ry * 1.9, -rx * 0.7 + sway, -ry * 2.0, -rx * 0.9 + sway, -ry * 1.7);
            cairo_curve_to(cr, -rx * 0.7, -ry * 1.0, -rx * 0.6, -ry * 0.8, -rx * 0.6, -ry * 0.7);
            break;
        case spiny:
            cairo_move_to(cr, rx * 0.35, -ry * 0.85);
            for (int i = 0; i < 5; i++) {
                double x0 = rx * 0.35 - i * rx * 0.2;
                cairo_line_to(cr, x0 - rx * 0.08 + sway * 0.3, -ry * 1.35);
                cairo_line_to(cr, x0 - rx * 0.2, -ry * 1.1);
            }
            cairo_line_to(cr, -rx * 0.7, -ry * 0.6);
            break;
    }
    cairo_close_path(cr);
    finfill(cr, d, d.fin);
    // belly fin
    double deep = d.dorsal == sail ? 1.7 : 1.25;
    cairo_move_to(cr, -rx * 0.05, ry * 0.85);
    cairo_curve_to(cr, -rx * 0.3, ry * deep, -rx * 0.6 - sway, ry * deep, -rx * 0.75 - sway, ry * (deep - 0.1));
    cairo_curve_to(cr, -rx * 0.7, ry * 0.8, -rx * 0.6, ry * 0.6, -rx * 0.5, ry * 0.5);
    cairo_close_path(cr);
    finfill(cr, d, d.fin);
}

void drawpattern(cairo_t* cr, const Design& d) {
    double rx = d.rx, ry = d.ry;
    switch (d.pattern) {
        case sidestripe:
            setrgb(cr, d.mark);
            cairo_set_line_width(cr, 4);
            cairo_move_to(cr, rx * 0.7, -ry * 0.1);
            cairo_curve_to(cr, 0, -ry * 0.2, -rx * 0.5, -ry * 0.1, -rx, 0);
            cairo_stroke(cr);
            break;
        case tailband:
            setrgb(cr, d.mark);
            cairo_rectangle(cr, -rx * 0.95, -ry, rx * 0.25, ry * 2);
            cairo_fill(cr);
            break;
        case spots:
        case puffspots:
        case lightspots: {
            setrgb(cr, d.mark, d.pattern == spots ? 0.8 : 1);
            const double pts[9][2] = {{0.1, -0.5}, {-0.3, -0.35}, {-0.6, -0.1}, {0.35, -0.25}, {-0.05, -0.1},
                                      {-0.45, 0.2}, {0.2, 0.15}, {-0.2, 0.4}, {0.5, 0.05}};
            double r = d.pattern == lightspots ? 3 : d.pattern == puffspots ? 3.5 : 2.5;
            for (auto& p : pts) {
                cairo_arc(cr, rx * p[0], ry * p[1], r, 0, 2 * kPi);
                cairo_fill(cr);
            }
            break;
        }
        case clownbands: {
            const double xs[3] = {0.45, -0.05, -0.7};
            const double ws[3] = {0.18, 0.22, 0.12};
            for (int i = 0; i < 3; i++) {
                double x = rx * xs[i], w = rx * ws[i];
                cairo_move_to(cr, x - w, -ry * 1.1);
                cairo_curve_to(cr, x - w * 1.6, -ry * 0.3, x - w * 1.6, ry * 0.3, x - w, ry * 1.1);
                cairo_line_to(cr, x + w, ry * 1.1);
                cairo_curve_to(cr, x + w * 0.4, ry * 0.3, x + w * 0.4, -ry * 0.3, x + w, -ry * 1.1);
                cairo_close_path(cr);
                setrgb(cr, hex(0x1E2530));
                cairo_set_line_width(cr, 3);
                cairo_stroke_preserve(cr);
                setrgb(cr, d.mark);
                cairo_fill(cr);
            }
            break;
        }
        case angelstripes:
            setrgb(cr, d.mark);
            cairo_set_line_width(cr, 4);
            for (int i = 0; i < 3; i++) {
                double x = rx * (0.3 - i * 0.4);
                cairo_move_to(cr, x, -ry * 1.1);
                cairo_curve_to(cr, x - 6, -ry * 0.3, x - 6, ry * 0.3, x, ry * 1.1);
            }
            cairo_stroke(cr);
            break;
        case eyeband:
            setrgb(cr, d.mark);
            cairo_rectangle(cr, rx * 0.32, -ry, rx * 0.16, ry * 2);
            cairo_fill(cr);
            setrgb(cr, d.mark, 0.9);
            cairo_arc(cr, -rx * 0.55, -ry * 0.25, ry * 0.2, 0, 2 * kPi);  // the false eye spot
            cairo_fill(cr);
            break;
        default:
            break;
    }
}

void drawfish(int kind, int frame) {
    const Design d = design(kind);
    cairo_surface_t* s = al::newsurface(kW, kH);
    cairo_t* cr = cairo_create(s);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    // the picture's centre is the body's centre, nudged forward so the tail fits
    cairo_translate(cr, kW / 2.0 + (d.taillen - d.rx * 0.1) * 0.35, kH / 2.0 + (d.dorsal == sail ? d.ry * 0.15 : 0));
    // The cycle: out, through the middle, out the other way, back.
    const double phase = frame * 90.0;
    const double swing = 22 * std::sin(phase * kPi / 180);
    const double flap = std::cos(phase * kPi / 180);
    const double sway = -2.5 * std::sin(phase * kPi / 180);

    drawtail(cr, d, swing);
    drawbackfins(cr, d, sway);

    // body: the flat base colour, a lighter belly, the pattern, the outline
    bodypath(cr, d);
    setrgb(cr, d.line);
    cairo_set_line_width(cr, 5);
    cairo_stroke_preserve(cr);
    setrgb(cr, d.body);
    cairo_fill(cr);
    cairo_save(cr);
    bodypath(cr, d);
    cairo_clip(cr);
    setrgb(cr, d.belly);
    cairo_arc(cr, d.rx * 0.1, d.ry * 1.45, d.ry * 1.05 + d.rx * 0.35, 0, 2 * kPi);
    cairo_fill(cr);
    drawpattern(cr, d);
    // light from above along the back
    setrgb(cr, hex(0xFFFFFF), 0.22);
    cairo_arc(cr, d.rx * 0.1, -d.ry * 1.55, d.ry * 1.0 + d.rx * 0.2, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_restore(cr);
    if (kind == 8) {  // the puffer's little spines poke out of the outline
        setrgb(cr, d.line);
        cairo_set_line_width(cr, 2);
        for (int i = 0; i < 12; i++) {
            double a = (i * 30 + 15) * kPi / 180;
            if (std::cos(a) > 0.85) continue;  // none on the face
            double x = d.rx * 0.97 * std::cos(a), y = d.ry * 0.95 * std::sin(a);
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x * 1.14, y * 1.14);
        }
        cairo_stroke(cr);
    }

    // side fin, paddling
    cairo_save(cr);
    cairo_translate(cr, d.rx * 0.1, d.ry * 0.25);
    cairo_rotate(cr, (20 + 25 * flap) * kPi / 180);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, -d.ry * 0.3, -d.ry * 0.35, -d.ry * 0.85, -d.ry * 0.1, -d.ry * 0.8, d.ry * 0.15);
    cairo_curve_to(cr, -d.ry * 0.6, d.ry * 0.3, -d.ry * 0.2, d.ry * 0.2, 0, 0);
    cairo_close_path(cr);
    finfill(cr, d, d.fin);
    cairo_restore(cr);

    // eye: white, a dark pupil looking ahead, a white glint
    double ex = d.rx * 0.55, ey = -d.ry * 0.22;
    cairo_arc(cr, ex, ey, d.eye, 0, 2 * kPi);
    setrgb(cr, d.line);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke_preserve(cr);
    setrgb(cr, hex(0xFFFFFF));
    cairo_fill(cr);
    setrgb(cr, hex(0x1E2530));
    cairo_arc(cr, ex + d.eye * 0.25, ey + d.eye * 0.05, d.eye * 0.62, 0, 2 * kPi);
    cairo_fill(cr);
    setrgb(cr, hex(0xFFFFFF));
    cairo_arc(cr, ex + d.eye * 0.05, ey - d.eye * 0.25, d.eye * 0.24, 0, 2 * kPi);
    cairo_fill(cr);

    // mouth: a small smile, or a wide friendly grin
    setrgb(cr, d.line);
    cairo_set_line_width(cr, 2);
    if (d.bigmouth) {
        cairo_arc(cr, d.rx * 0.8, d.ry * 0.15, d.ry * 0.3, 60 * kPi / 180, 150 * kPi / 180);
    } else {
        cairo_arc(cr, d.rx * 0.86, d.ry * 0.08, d.ry * 0.14, 40 * kPi / 180, 140 * kPi / 180);
    }
    cairo_stroke(cr);

    if (d.dorsal == lure) {  // the stalk bobs with the swim
        double tipx = d.rx * 1.25, tipy = -d.ry * 1.25 + 2 * flap;
        cairo_move_to(cr, d.rx * 0.3, -d.ry * 0.9);
        cairo_curve_to(cr, d.rx * 0.5, -d.ry * 1.7, d.rx * 1.1, -d.ry * 1.6, tipx, tipy);
        setrgb(cr, d.line);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
        cairo_pattern_t* p = cairo_pattern_create_radial(tipx, tipy, 0, tipx, tipy, 11);
        cairo_pattern_add_color_stop_rgba(p, 0, 1, 0.96, 0.75, 1);
        cairo_pattern_add_color_stop_rgba(p, 0.45, 1, 0.85, 0.4, 0.7);
        cairo_pattern_add_color_stop_rgba(p, 1, 1, 0.85, 0.4, 0);
        cairo_set_source(cr, p);
        cairo_arc(cr, tipx, tipy, 11, 0, 2 * kPi);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    }
    cairo_destroy(cr);
    art::save(s, "fishes/f" + std::to_string(kind) + std::to_string(frame) + ".png");
}

}  // namespace

AL_GENERATOR(gen_fish) {
    for (int kind : {1, 2, 3, 4, 7, 8, 13, 14, 15, 16})
        for (int frame = 1; frame <= 4; frame++) drawfish(kind, frame);
}
