// Effect pictures: glows, sparkles, stars, bubbles, fragments and marks.
//
// Most of them are drawn additively in the game, so every glow fades to full
// transparency well inside its canvas: no box may ever show around a particle.
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "art.h"
#include "assetlib.h"

namespace {

using art::hex;
using art::mix;
using art::RGB;
using art::save;
using art::setrgb;

// One hue per number 1..9, shared by the glow particles, the coloured stars,
// the coloured bubbles and the glow rings, so colour n means the same
// everywhere (the card game picks 2 for gold and 4 for coral).
const RGB kTints[10] = {hex(0xFFFFFF), hex(0xFFF2C8), hex(0xFFD24A), hex(0xFF9E57), hex(0xFF7A6B), hex(0xFF8FC8),
                        hex(0xC86FD6), hex(0x5AB4FF), hex(0x3FC7E0), hex(0x6FE08A)};

constexpr double kPi = 3.14159265358979323846;

double clamp01(double v) { return v < 0 ? 0 : v > 1 ? 1 : v; }
double smooth(double e0, double e1, double x) {
    double t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

struct Px {
    RGB c;
    double a;
};

// Fills a canvas pixel by pixel (straight colour and alpha in, premultiplied
// out), with 4 x 4 supersampling so thin rays stay smooth.
cairo_surface_t* pixels(int w, int h, const std::function<Px(double, double)>& fn) {
    cairo_surface_t* s = al::newsurface(w, h);
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < h; y++) {
        auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
        for (int x = 0; x < w; x++) {
            double r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < 4; sy++)
                for (int sx = 0; sx < 4; sx++) {
                    Px p = fn(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4);
                    double pa = clamp01(p.a);
                    r += clamp01(p.c.r) * pa;
                    g += clamp01(p.c.g) * pa;
                    b += clamp01(p.c.b) * pa;
                    a += pa;
                }
            auto ch = [](double v) { return static_cast<uint32_t>(std::lround(clamp01(v / 16) * 255)); };
            row[x] = (ch(a) << 24) | (ch(r) << 16) | (ch(g) << 8) | ch(b);
        }
    }
    cairo_surface_mark_dirty(s);
    return s;
}


// A soft halo under a shape: a radial gradient to full transparency.
void halo(cairo_t* cr, double cx, double cy, double r, RGB c, double a) {
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
    cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, a);
    cairo_pattern_add_color_stop_rgba(p, 0.45, c.r, c.g, c.b, a * 0.35);
    cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void starpath(cairo_t* cr, double cx, double cy, double ro, double ri, int points, double rot = -90) {
    for (int i = 0; i < points * 2; i++) {
        double r = (i % 2 == 0) ? ro : ri;
        double a = (rot + i * 180.0 / points) * kPi / 180;
        double x = cx + r * std::cos(a), y = cy + r * std::sin(a);
        if (i == 0) cairo_move_to(cr, x, y);
        else cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
}

// A friendly rounded star: light fill, a lighter upper half, darker outline.
void roundstar(cairo_t* cr, double cx, double cy, double ro, RGB fill, RGB light, RGB line, double lw) {
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    starpath(cr, cx, cy, ro, ro * 0.48, 5);
    setrgb(cr, line);
    cairo_set_line_width(cr, lw * 2);
    cairo_stroke_preserve(cr);
    setrgb(cr, fill);
    cairo_fill(cr);
    // the light from above on the upper arms
    cairo_save(cr);
    starpath(cr, cx, cy, ro, ro * 0.48, 5);
    cairo_clip(cr);
    starpath(cr, cx, cy - ro * 0.08, ro * 0.62, ro * 0.3, 5);
    setrgb(cr, light);
    cairo_fill(cr);
    cairo_restore(cr);
    // a glint
    setrgb(cr, hex(0xFFFFFF), 0.85);
    cairo_arc(cr, cx - ro * 0.18, cy - ro * 0.3, ro * 0.09, 0, 2 * kPi);
    cairo_fill(cr);
}

// ---- glows ------------------------------------------------------------------

Px glowdot(double x, double y, double cx, double cy, double r, RGB c) {
    double d = std::hypot(x - cx, y - cy) / r;
    if (d >= 1) return {c, 0};
    double core = std::exp(-d * d * 14);  // bright white-ish heart
    double body = std::pow(1 - d, 1.7);   // long soft tail to zero
    RGB col = mix(c, hex(0xFFFFFF), core * 0.7);
    return {col, std::min(1.0, body * 0.9 + core * 0.6)};
}

void glowparticles() {
    for (int n = 1; n <= 9; n++) {
        RGB c = kTints[n];
        save(pixels(64, 64, [&](double x, double y) { return glowdot(x, y, 32, 32, 31, c); }),
             "effects/glb" + std::to_string(n) + ".png");
    }
}

void glowrings() {
    for (int n = 1; n <= 9; n++) {
        RGB c = kTints[n];
        save(pixels(128, 128,
                    [&](double x, double y) {
                        double d = std::hypot(x - 64, y - 64) / 63;
                        if (d >= 1) return Px{c, 0};
                        double ring = std::exp(-std::pow((d - 0.68) / 0.13, 2));
                        double inner = 0.18 * std::pow(1 - d, 1.5);
                        double edge = smooth(1.0, 0.85, d);
                        return Px{mix(c, hex(0xFFFFFF), ring * 0.35), (ring * 0.85 + inner) * edge};
                    }),
             "effects/glo" + std::to_string(n) + ".png");
    }
}

void colouredstars() {
    for (int n = 1; n <= 9; n++) {
        RGB c = kTints[n];
        cairo_surface_t* s = al::newsurface(64, 64);
        cairo_t* cr = cairo_create(s);
        halo(cr, 32, 33, 31, c, 0.55);
        roundstar(cr, 32, 34, 21, c, mix(c, hex(0xFFFFFF), 0.45), mix(c, hex(0x000000), 0.4), 1.3);
        cairo_destroy(cr);
        save(s, "effects/star" + std::to_string(n) + ".png");
    }
}

// A bubble: nearly clear inside, a bright rim and a glint from above.
void bubbleimage(cairo_t* cr, double cx, double cy, double r, RGB tint, double tintstrength) {
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.25, cy - r * 0.3, r * 0.1, cx, cy, r);
    RGB inner = mix(hex(0xFFFFFF), tint, tintstrength);
    cairo_pattern_add_color_stop_rgba(p, 0, inner.r, inner.g, inner.b, 0.10);
    cairo_pattern_add_color_stop_rgba(p, 0.75, tint.r, tint.g, tint.b, 0.18 + 0.2 * tintstrength);
    cairo_pattern_add_color_stop_rgba(p, 0.93, inner.r, inner.g, inner.b, 0.75);
    cairo_pattern_add_color_stop_rgba(p, 1, inner.r, inner.g, inner.b, 0.0);
    cairo_set_source(cr, p);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // the glint: a curved highlight on the upper left and a small dot
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    setrgb(cr, hex(0xFFFFFF), 0.9);
    cairo_set_line_width(cr, r * 0.13);
    cairo_arc(cr, cx, cy, r * 0.68, 200 * kPi / 180, 255 * kPi / 180);
    cairo_stroke(cr);
    cairo_arc(cr, cx + r * 0.38, cy + r * 0.42, r * 0.07, 0, 2 * kPi);
    setrgb(cr, hex(0xFFFFFF), 0.55);
    cairo_fill(cr);
}

void bubbles() {
    {
        cairo_surface_t* s = al::newsurface(128, 128);
        cairo_t* cr = cairo_create(s);
        bubbleimage(cr, 64, 64, 62, hex(0x7FD6E8), 0.35);
        cairo_destroy(cr);
        save(s, "effects/bubble.png");
    }
    for (int n = 1; n <= 9; n++) {
        cairo_surface_t* s = al::newsurface(64, 64);
        cairo_t* cr = cairo_create(s);
        bubbleimage(cr, 32, 32, 31, kTints[n], n == 1 ? 0.2 : 0.8);
        cairo_destroy(cr);
        save(s, "effects/bubblecolor" + std::to_string(n) + ".png");
    }
}

// Light with rays: a heart and n rays whose strength falls off outwards.
Px rays(double x, double y, double cx, double cy, double r, RGB c, int n, double sharp, double rot, double raylen) {
    double dx = x - cx, dy = y - cy;
    double d = std::hypot(dx, dy) / r;
    if (d >= 1) return {c, 0};
    double a = std::atan2(dy, dx) + rot;
    double ray = std::pow(std::fabs(std::cos(a * n / 2)), sharp) * std::pow(clamp01(1 - d / raylen), 1.6);
    double heart = std::exp(-d * d * 30);
    double soft = 0.35 * std::pow(1 - d, 3);
    double alpha = std::min(1.0, ray * 0.95 + heart + soft) * smooth(1.0, 0.9, d);
    return {mix(c, hex(0xFFFFFF), std::min(1.0, heart + ray * 0.3)), alpha};
}

void sparkles() {
    auto sparkle = [](RGB c) {
        return pixels(64, 64, [c](double x, double y) {
            Px a = rays(x, y, 32, 32, 31, c, 4, 60, 0, 1.0);
            Px b = rays(x, y, 32, 32, 31, c, 4, 60, kPi / 4, 0.55);
            return Px{a.a >= b.a ? a.c : b.c, std::max(a.a, b.a)};
        });
    };
    save(sparkle(hex(0xFFF2C8)), "effects/sparkle.png");
    save(sparkle(hex(0x5AB4FF)), "effects/sparkle-blue.png");
    save(pixels(64, 64, [](double x, double y) { return rays(x, y, 32, 32, 31, hex(0xFFE27A), 4, 24, 0, 1.0); }),
         "effects/glowstar.png");
    save(pixels(256, 256,
                [](double x, double y) {
                    Px p = rays(x, y, 128, 128, 127, hex(0xFFD24A), 12, 6, 0, 1.1);
                    p.a *= 0.85;
                    return p;
                }),
         "effects/glower.png");
    save(pixels(32, 32, [](double x, double y) { return glowdot(x, y, 16, 16, 15.5, hex(0xCFF6FF)); }),
         "effects/deepsealight.png");
}

void stars() {
    const RGB gold = hex(0xFFD24A), light = hex(0xFFF2A8), line = hex(0x8A5A00);
    {
        cairo_surface_t* s = al::newsurface(48, 48);
        cairo_t* cr = cairo_create(s);
        roundstar(cr, 24, 25, 20, gold, light, line, 1.2);
        cairo_destroy(cr);
        save(s, "effects/star.png");
    }
    {
        cairo_surface_t* s = al::newsurface(96, 96);
        cairo_t* cr = cairo_create(s);
        halo(cr, 48, 49, 47, hex(0xFFE27A), 0.7);
        roundstar(cr, 48, 51, 32, gold, light, line, 1.8);
        cairo_destroy(cr);
        save(s, "effects/pointsstar.png");
    }
    {
        cairo_surface_t* s = al::newsurface(192, 192);
        cairo_t* cr = cairo_create(s);
        halo(cr, 96, 98, 95, hex(0xFFE27A), 0.55);
        roundstar(cr, 96, 102, 76, gold, light, line, 3);
        cairo_destroy(cr);
        save(s, "effects/bigstar.png");
    }
}

// ---- fragments and props --------------------------------------------------

void cardparts() {
    // Torn corners and edges of a card: paper, a piece of the border, a pip.
    const double shapes[3][6][2] = {
        {{6, 6}, {40, 4}, {46, 24}, {30, 30}, {22, 52}, {4, 44}},
        {{8, 10}, {44, 6}, {40, 30}, {48, 52}, {18, 56}, {12, 30}},
        {{4, 16}, {28, 4}, {50, 12}, {44, 40}, {20, 48}, {8, 36}},
    };
    for (int n = 1; n <= 3; n++) {
        cairo_surface_t* s = al::newsurface(56, 60);
        cairo_t* cr = cairo_create(s);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        auto path = [&] {
            for (int i = 0; i < 6; i++) {
                if (i == 0) cairo_move_to(cr, shapes[n - 1][i][0], shapes[n - 1][i][1]);
                else cairo_line_to(cr, shapes[n - 1][i][0], shapes[n - 1][i][1]);
            }
            cairo_close_path(cr);
        };
        path();
        setrgb(cr, hex(0xFFFDF6));
        cairo_fill_preserve(cr);
        cairo_save(cr);
        cairo_clip(cr);
        // a strip of the card's border along one edge
        setrgb(cr, hex(0x2B3A4A));
        cairo_set_line_width(cr, 3);
        if (n == 1) {
            cairo_move_to(cr, 9, 60);
            cairo_line_to(cr, 9, 9);
            cairo_line_to(cr, 56, 9);
        } else if (n == 2) {
            cairo_move_to(cr, 0, 52);
            cairo_line_to(cr, 56, 52);
        } else {
            cairo_move_to(cr, 46, 0);
            cairo_line_to(cr, 46, 60);
        }
        cairo_stroke(cr);
        // part of a red pip
        setrgb(cr, hex(0xD0312D));
        cairo_arc(cr, n == 3 ? 22 : 28, n == 2 ? 30 : 26, 8, 0, 2 * kPi);
        cairo_fill(cr);
        cairo_restore(cr);
        path();
        setrgb(cr, hex(0xB8B2A0));
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        cairo_destroy(cr);
        save(s, "effects/cardpart" + std::to_string(n) + ".png");
    }
}

void plantparts() {
    const RGB fills[3] = {hex(0x3FAF6A), hex(0x5CC07A), hex(0x2E8A52)};
    for (int n = 1; n <= 3; n++) {
        cairo_surface_t* s = al::newsurface(48, 48);
        cairo_t* cr = cairo_create(s);
        cairo_translate(cr, 24, 24);
        cairo_rotate(cr, (n * 37 - 20) * kPi / 180);
        double len = 18 + 2 * n, wid = 7 + n;
        // a cut piece of kelp leaf: pointed at one end, cut straight at the other
        cairo_move_to(cr, -len, -wid * 0.7);
        cairo_curve_to(cr, -len * 0.2, -wid * 1.3, len * 0.5, -wid, len, 0);
        cairo_curve_to(cr, len * 0.5, wid, -len * 0.2, wid * 1.2, -len, wid * 0.6);
        cairo_line_to(cr, -len + 3, 0);
        cairo_close_path(cr);
        setrgb(cr, mix(fills[n - 1], hex(0x000000), 0.35));
        cairo_set_line_width(cr, 2.5);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
        setrgb(cr, fills[n - 1]);
        cairo_fill(cr);
        setrgb(cr, mix(fills[n - 1], hex(0xFFFFFF), 0.35));
        cairo_set_line_width(cr, 1.5);
        cairo_move_to(cr, -len + 4, 0);
        cairo_curve_to(cr, -len * 0.2, -wid * 0.2, len * 0.4, -wid * 0.2, len - 3, 0);
        cairo_stroke(cr);
        cairo_destroy(cr);
        save(s, "effects/plantpart" + std::to_string(n) + ".png");
    }
}

// A scallop shell; shell 1 leans left, shell 2 (swimming right) leans right.
void shells() {
    for (int n = 1; n <= 2; n++) {
        cairo_surface_t* s = al::newsurface(64, 60);
        cairo_t* cr = cairo_create(s);
        if (n == 2) {
            cairo_translate(cr, 64, 0);
            cairo_scale(cr, -1, 1);
        }
        const RGB fill = hex(0xFFB48A), rib = hex(0xFF7A6B), line = hex(0xB8533A);
        auto fan = [&] {
            cairo_move_to(cr, 32, 50);
            cairo_curve_to(cr, 8, 44, 2, 22, 14, 10);
            cairo_curve_to(cr, 22, 2, 42, 2, 50, 10);
            cairo_curve_to(cr, 62, 22, 56, 44, 32, 50);
            cairo_close_path(cr);
        };
        fan();
        setrgb(cr, line);
        cairo_set_line_width(cr, 5);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
        setrgb(cr, fill);
        cairo_fill(cr);
        cairo_save(cr);
        fan();
        cairo_clip(cr);
        setrgb(cr, rib);
        cairo_set_line_width(cr, 2.5);
        for (int i = -3; i <= 3; i++) {
            cairo_move_to(cr, 32, 50);
            cairo_line_to(cr, 32 + i * 9, 0);
        }
        cairo_stroke(cr);
        setrgb(cr, hex(0xFFE2C8), 0.8);
        cairo_arc(cr, 24, 14, 5, 0, 2 * kPi);
        cairo_fill(cr);
        cairo_restore(cr);
        // the hinge
        cairo_move_to(cr, 22, 47);
        cairo_line_to(cr, 42, 47);
        cairo_line_to(cr, 38, 57);
        cairo_line_to(cr, 26, 57);
        cairo_close_path(cr);
        setrgb(cr, line);
        cairo_stroke_preserve(cr);
        setrgb(cr, fill);
        cairo_fill(cr);
        cairo_destroy(cr);
        save(s, "effects/shell" + std::to_string(n) + ".png");
    }
}

// White marks with a dark outline read over any water.
void outlined(cairo_t* cr, const std::function<void()>& path, double width) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    path();
    setrgb(cr, hex(0x0B3550));
    cairo_set_line_width(cr, width + 6);
    cairo_stroke(cr);
    path();
    setrgb(cr, hex(0xFFFFFF));
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void marks() {
    {
        cairo_surface_t* s = al::newsurface(64, 64);
        cairo_t* cr = cairo_create(s);
        halo(cr, 32, 32, 31, hex(0x7FD6E8), 0.35);
        outlined(cr,
                 [&] {
                     cairo_new_path(cr);
                     cairo_arc(cr, 32, 22, 11, 200 * kPi / 180, 430 * kPi / 180);
                     cairo_curve_to(cr, 34, 36, 32, 36, 32, 41);
                 },
                 7);
        outlined(cr,
                 [&] {
                     cairo_new_path(cr);
                     cairo_move_to(cr, 32, 52);
                     cairo_line_to(cr, 32, 52.1);
                 },
                 8);
        cairo_destroy(cr);
        save(s, "effects/question.png");
    }
    {
        cairo_surface_t* s = al::newsurface(48, 48);
        cairo_t* cr = cairo_create(s);
        outlined(cr,
                 [&] {
                     cairo_new_path(cr);
                     cairo_move_to(cr, 12, 12);
                     cairo_line_to(cr, 36, 12);
                     cairo_line_to(cr, 12, 36);
                     cairo_line_to(cr, 36, 36);
                 },
                 5);
        cairo_destroy(cr);
        save(s, "effects/z.png");
    }
    {
        // A dark, glossy drop of oil with two flung droplets.
        cairo_surface_t* s = al::newsurface(48, 48);
        cairo_t* cr = cairo_create(s);
        const RGB oil = hex(0x2A2238), line = hex(0x140F1C);
        auto blob = [&](double cx, double cy, double r) {
            cairo_new_path(cr);
            for (int i = 0; i <= 12; i++) {
                double a = i * 2 * kPi / 12;
                double rr = r * (1 + 0.12 * std::sin(i * 2.7));
                double x = cx + rr * std::cos(a), y = cy + rr * std::sin(a);
                if (i == 0) cairo_move_to(cr, x, y);
                else cairo_line_to(cr, x, y);
            }
            cairo_close_path(cr);
            setrgb(cr, line);
            cairo_set_line_width(cr, 2.5);
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
            cairo_stroke_preserve(cr);
            setrgb(cr, oil);
            cairo_fill(cr);
            setrgb(cr, hex(0x8E7FB0), 0.8);
            cairo_arc(cr, cx - r * 0.3, cy - r * 0.35, r * 0.22, 0, 2 * kPi);
            cairo_fill(cr);
        };
        blob(22, 26, 14);
        blob(40, 12, 4.5);
        blob(8, 8, 3.5);
        cairo_destroy(cr);
        save(s, "effects/oilsplat.png");
    }
}

// The glow around a card (96 x 142) on the stable, and the lamp's light.
void solitairelights() {
    save(pixels(160, 206,
                [](double x, double y) {
                    // distance outside a rounded card rectangle centred in the canvas
                    double qx = std::fabs(x - 80) - 48 + 12, qy = std::fabs(y - 103) - 71 + 12;
                    double out = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) - 12;
                    double a = out < 0 ? 0.3 + 0.7 * smooth(-24, 0, out) : std::pow(clamp01(1 - out / 30), 2);
                    return Px{mix(hex(0xFFE27A), hex(0xFFFFFF), out < 0 ? 0.4 : 0), a};
                }),
         "solitaire/extracardglow.png");
    save(pixels(256, 256,
                [](double x, double y) {
                    double d = std::hypot(x - 128, (y - 128) * 1.15) / 127;
                    if (d >= 1) return Px{hex(0xFFE9A0), 0};
                    double a = std::pow(1 - d, 1.8) * 0.8 + std::exp(-d * d * 25) * 0.3;
                    return Px{mix(hex(0xFFD24A), hex(0xFFF6E0), std::exp(-d * d * 8)), a};
                }),
         "solitaire/lamplight.png");
}

}  // namespace

AL_GENERATOR(gen_effects) {
    glowparticles();
    glowrings();
    colouredstars();
    bubbles();
    sparkles();
    stars();
    cardparts();
    plantparts();
    shells();
    marks();
    solitairelights();
}
