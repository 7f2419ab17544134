// Every screen and story background: one layered scene painter (water, far
// silhouettes in haze, mid reef, near sand with plants at the sides, light,
// bubbles, vignette) fed with a description of each place, so that the whole
// set reads as one sea. The files are 1366 x 768; what matters lives in the
// middle 1024 columns (171..1195), which is all a 1024-wide screen shows.
#include "art.h"
#include "assetlib.h"
#include "backgrounds.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

using namespace art;

namespace {

constexpr int W = 1366, H = 768;
constexpr double kPi = 3.14159265358979323846;
constexpr double kLeft = 171, kRight = 1195;  // the middle 1024 columns

enum class Far { hills, kelp, wreck, cliffs, towers, domes, ruins, vents, fields, nests, cave, hall };

struct Place {
    int id;
    RGB top, mid, deep;
    RGB sandl, sandm, sandd;
    double sandy;       // where the floor starts (middle of the screen)
    double rays;        // god ray strength
    double caustic;     // caustic strength on the floor
    double sun;         // the bright patch where the surface is
    Far far;
    RGB accent;         // the place's own colour for props
    bool snow;          // drifting marine snow (deep places)
    bool busy;          // more reef life in the story picture
};

RGB farcolour(const Place& p, double depth) {
    // further away = closer to the water colour at that height
    return mix(shade(p.deep, 0.9), mix(p.mid, pal::haze, 0.35), depth);
}

// ---- far silhouettes ---------------------------------------------------------

void farhills(cairo_t* cr, const Place& p, Rng& rng, double base) {
    for (int layer = 0; layer < 2; ++layer) {
        setrgb(cr, farcolour(p, layer == 0 ? 0.75 : 0.45));
        cairo_move_to(cr, 0, H);
        double y0 = base - 40 + layer * 40;
        for (int x = 0; x <= W; x += 10)
            cairo_line_to(cr, x, y0 - 40 * std::sin(x * 0.006 + layer * 2 + rng.range(0, 0.05)) -
                                     22 * std::sin(x * 0.017 + layer));
        cairo_line_to(cr, W, H);
        cairo_close_path(cr);
        cairo_fill(cr);
        // coral heads standing on the ridge, as silhouettes
        int n = 10 + layer * 6;
        for (int i = 0; i < n; ++i) {
            double x = rng.range(0, W);
            double y = y0 - 40 * std::sin(x * 0.006 + layer * 2) - 22 * std::sin(x * 0.017 + layer) + 6;
            double s = rng.range(40, 110) * (layer ? 1.0 : 0.7);
            if (rng.chance(0.5)) branchcoral(cr, x, y, s, farcolour(p, layer == 0 ? 0.75 : 0.45), rng);
            else fancoral(cr, x, y, s * 0.8, farcolour(p, layer == 0 ? 0.75 : 0.45), rng);
        }
    }
}

void farkelp(cairo_t* cr, const Place& p, Rng& rng) {
    for (int layer = 0; layer < 2; ++layer) {
        RGB c = farcolour(p, layer == 0 ? 0.8 : 0.55);
        int n = layer == 0 ? 26 : 16;
        for (int i = 0; i < n; ++i) {
            double x = rng.range(-20, W + 20);
            kelp(cr, x, H, rng.range(420, 760), rng.range(10, 20), c, rng, 0.8);
        }
        setrgb(cr, c);
        cairo_rectangle(cr, 0, p.sandy + 20 - layer * 10, W, H);
        cairo_fill(cr);
    }
}

void farwreck(cairo_t* cr, const Place& p, Rng& rng) {
    farhills(cr, p, rng, p.sandy - 40);
    RGB c = farcolour(p, 0.55);
    setrgb(cr, c);
    // a big ship lying on its side at the right, bow up
    cairo_save(cr);
    cairo_translate(cr, 1000, p.sandy - 60);
    cairo_rotate(cr, -0.12);
    cairo_move_to(cr, -300, -40);
    cairo_line_to(cr, 260, -70);
    cairo_curve_to(cr, 330, -80, 360, -110, 380, -160);
    cairo_curve_to(cr, 330, 20, 200, 60, 0, 70);
    cairo_curve_to(cr, -200, 70, -290, 40, -300, -40);
    cairo_fill(cr);
    // masts with broken yards
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (auto [mx, mh, tilt] : {std::tuple{-150.0, 300.0, -0.25}, std::tuple{80.0, 360.0, 0.15}}) {
        cairo_save(cr);
        cairo_translate(cr, mx, -50);
        cairo_rotate(cr, tilt);
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, 0, -mh);
        cairo_set_line_width(cr, 14);
        cairo_stroke(cr);
        cairo_move_to(cr, -70, -mh * 0.7);
        cairo_line_to(cr, 80, -mh * 0.75);
        cairo_set_line_width(cr, 8);
        cairo_stroke(cr);
        // a torn sail
        cairo_move_to(cr, -60, -mh * 0.68);
        cairo_line_to(cr, 70, -mh * 0.73);
        cairo_curve_to(cr, 60, -mh * 0.5, 20, -mh * 0.45, 10, -mh * 0.35);
        cairo_line_to(cr, -20, -mh * 0.42);
        cairo_line_to(cr, -50, -mh * 0.38);
        cairo_close_path(cr);
        setrgb(cr, mix(c, pal::haze, 0.15), 0.8);
        cairo_fill(cr);
        setrgb(cr, c);
        cairo_restore(cr);
    }
    cairo_restore(cr);
}

void farcliffs(cairo_t* cr, const Place& p, Rng& rng) {
    for (int layer = 0; layer < 3; ++layer) {
        RGB c = farcolour(p, 0.85 - layer * 0.22);
        setrgb(cr, c);
        double inner = 330 + layer * 90;  // the gap narrows towards the viewer
        for (int side = 0; side < 2; ++side) {
            double edge = side == 0 ? W / 2.0 - inner : W / 2.0 + inner;
            double outer = side == 0 ? -10 : W + 10;
            cairo_move_to(cr, outer, -10);
            for (int y = -10; y <= H + 10; y += 24) {
                double jag = rng.range(-30, 30) + 40 * std::sin(y * 0.01 + layer * 1.3 + side);
                cairo_line_to(cr, edge + (side == 0 ? jag : -jag), y);
            }
            cairo_line_to(cr, outer, H + 10);
            cairo_close_path(cr);
            cairo_fill(cr);
            // ledges catch a little light from above
            for (int k = 0; k < 6; ++k) {
                double ly = rng.range(60, H - 100);
                double lx = edge + (side == 0 ? -rng.range(10, 120) : rng.range(10, 120));
                cairo_move_to(cr, lx - 50, ly);
                cairo_line_to(cr, lx + 50, ly - 4);
                setrgb(cr, mix(c, pal::haze, 0.35), 0.6);
                cairo_set_line_width(cr, 3);
                cairo_stroke(cr);
                setrgb(cr, c);
            }
        }
    }
}

void fartowers(cairo_t* cr, const Place& p, Rng& rng) {
    farhills(cr, p, rng, p.sandy - 20);
    for (int layer = 0; layer < 2; ++layer) {
        RGB c = farcolour(p, layer == 0 ? 0.7 : 0.45);
        setrgb(cr, c);
        double base = p.sandy - 30 + layer * 30;
        std::vector<double> xs = layer == 0 ? std::vector<double>{380, 560, 800, 990}
                                            : std::vector<double>{250, 683, 1110};
        // walls between the towers
        cairo_rectangle(cr, xs.front(), base - 140 - layer * 30, xs.back() - xs.front(), 160);
        cairo_fill(cr);
        for (double x = xs.front(); x < xs.back(); x += 36) {
            cairo_rectangle(cr, x, base - 165 - layer * 30, 22, 30);
            cairo_fill(cr);
        }
        for (double x : xs) {
            double tw = layer == 0 ? 70 : 110, th = rng.range(260, 360) + layer * 60;
            cairo_rectangle(cr, x - tw / 2, base - th, tw, th + 20);
            cairo_fill(cr);
            // a conch-like spire
            cairo_move_to(cr, x - tw / 2 - 12, base - th);
            cairo_curve_to(cr, x - tw / 3, base - th - 60, x - 5, base - th - 100, x, base - th - 140);
            cairo_curve_to(cr, x + 5, base - th - 100, x + tw / 3, base - th - 60, x + tw / 2 + 12, base - th);
            cairo_close_path(cr);
            cairo_fill(cr);
            // a lit window and a banner
            cairo_rectangle(cr, x - 8, base - th * 0.7, 16, 26);
            setrgb(cr, mix(pal::gold, c, 0.55), 0.8);
            cairo_fill(cr);
            setrgb(cr, c);
            cairo_move_to(cr, x, base - th - 140);
            cairo_line_to(cr, x, base - th - 185);
            cairo_set_line_width(cr, 4);
            cairo_stroke(cr);
            cairo_move_to(cr, x, base - th - 185);
            cairo_curve_to(cr, x + 30, base - th - 190, x + 40, base - th - 170, x + 60, base - th - 176);
            cairo_line_to(cr, x + 50, base - th - 160);
            cairo_curve_to(cr, x + 35, base - th - 156, x + 20, base - th - 168, x, base - th - 162);
            cairo_fill(cr);
        }
    }
}

void fardomes(cairo_t* cr, const Place& p, Rng& rng) {
    farhills(cr, p, rng, p.sandy - 10);
    for (int layer = 0; layer < 2; ++layer) {
        RGB c = farcolour(p, layer == 0 ? 0.7 : 0.45);
        double base = p.sandy - 10 + layer * 25;
        int n = layer == 0 ? 7 : 5;
        for (int i = 0; i < n; ++i) {
            double x = 120 + i * (W - 240) / (n - 1.0) + rng.range(-40, 40);
            double r = rng.range(60, 110) * (layer ? 1.2 : 0.9);
            setrgb(cr, c);
            cairo_rectangle(cr, x - r, base - r * 0.9, 2 * r, r * 0.9 + 30);
            cairo_fill(cr);
            // onion dome like a shell
            cairo_move_to(cr, x - r * 1.05, base - r * 0.9);
            cairo_curve_to(cr, x - r * 1.2, base - r * 1.8, x - r * 0.1, base - r * 1.9, x, base - r * 2.3);
            cairo_curve_to(cr, x + r * 0.1, base - r * 1.9, x + r * 1.2, base - r * 1.8, x + r * 1.05, base - r * 0.9);
            cairo_close_path(cr);
            cairo_fill(cr);
            // arched doors
            cairo_move_to(cr, x - r * 0.25, base + 30);
            cairo_line_to(cr, x - r * 0.25, base - r * 0.35);
            cairo_arc(cr, x, base - r * 0.35, r * 0.25, kPi, 2 * kPi);
            cairo_line_to(cr, x + r * 0.25, base + 30);
            setrgb(cr, shade(c, 0.75));
            cairo_fill(cr);
        }
    }
}

void farruins(cairo_t* cr, const Place& p, Rng& rng) {
    farhills(cr, p, rng, p.sandy - 30);
    for (int layer = 0; layer < 2; ++layer) {
        RGB c = farcolour(p, layer == 0 ? 0.72 : 0.45);
        setrgb(cr, c);
        double base = p.sandy - 10 + layer * 25;
        int n = layer == 0 ? 9 : 6;
        for (int i = 0; i < n; ++i) {
            double x = 80 + i * (W - 160) / (n - 1.0) + rng.range(-30, 30);
            double cw = layer == 0 ? 34 : 48;
            double ch = rng.chance(0.3) ? rng.range(80, 160) : rng.range(220, 330);  // some are broken
            cairo_rectangle(cr, x - cw / 2, base - ch, cw, ch + 20);
            cairo_fill(cr);
            cairo_rectangle(cr, x - cw * 0.8, base - ch - 14, cw * 1.6, 16);
            cairo_fill(cr);
            cairo_rectangle(cr, x - cw * 0.8, base - 4, cw * 1.6, 16);
            cairo_fill(cr);
            // flutes
            for (int f = -1; f <= 1; ++f) {
                cairo_move_to(cr, x + f * cw * 0.28, base - ch + 6);
                cairo_line_to(cr, x + f * cw * 0.28, base - 6);
                setrgb(cr, shade(c, 0.85), 0.8);
                cairo_set_line_width(cr, 2);
                cairo_stroke(cr);
                setrgb(cr, c);
            }
        }
        if (layer == 0) {  // one arch still standing in the middle
            cairo_set_line_width(cr, 30);
            cairo_arc(cr, W / 2.0, base - 300, 150, kPi, 2 * kPi);
            cairo_stroke(cr);
            cairo_rectangle(cr, W / 2.0 - 165, base - 300, 30, 320);
            cairo_rectangle(cr, W / 2.0 + 135, base - 300, 30, 320);
            cairo_fill(cr);
        }
    }
}

void farvents(cairo_t* cr, const Place& p, Rng& rng) {
    farhills(cr, p, rng, p.sandy - 20);
    for (int layer = 0; layer < 2; ++layer) {
        RGB c = farcolour(p, layer == 0 ? 0.72 : 0.45);
        double base = p.sandy - 10 + layer * 30;
        int n = layer == 0 ? 6 : 4;
        for (int i = 0; i < n; ++i) {
            double x = 150 + i * (W - 300) / (n - 1.0) + rng.range(-60, 60);
            double hgt = rng.range(150, 300), bw = rng.range(50, 90);
            setrgb(cr, c);
            cairo_move_to(cr, x - bw, base + 20);
            cairo_curve_to(cr, x - bw * 0.4, base - hgt * 0.4, x - bw * 0.35, base - hgt * 0.8, x - bw * 0.25, base - hgt);
            cairo_line_to(cr, x + bw * 0.25, base - hgt);
            cairo_curve_to(cr, x + bw * 0.35, base - hgt * 0.8, x + bw * 0.4, base - hgt * 0.4, x + bw, base + 20);
            cairo_close_path(cr);
            cairo_fill(cr);
            // warm glow at the mouth and a soft plume
            glow(cr, x, base - hgt, bw * 0.9, mix(pal::coralorange, c, 0.3), 0.45);
            for (int k = 0; k < 7; ++k) {
                double py = base - hgt - 30 - k * 45, px = x + 12 * std::sin(k * 1.3) + k * 4;
                glow(cr, px, py, 30 + k * 9, mix(pal::haze, c, 0.4), 0.22 - k * 0.02);
            }
        }
    }
}

void farfields(cairo_t* cr, const Place& p, Rng& rng) {
    farhills(cr, p, rng, p.sandy - 60);
    // terraces of farmed kelp with little fences
    for (int row = 0; row < 3; ++row) {
        RGB c = farcolour(p, 0.7 - row * 0.18);
        double y = p.sandy - 40 + row * 30;
        setrgb(cr, c);
        cairo_rectangle(cr, 0, y, W, H);
        cairo_fill(cr);
        for (double x = -20 + row * 17; x < W + 20; x += 46 - row * 4) {
            seaweed(cr, x, y + 2, 60 + row * 12, c, rng, 3);
        }
        for (double x = 10 + row * 30; x < W; x += 90) {
            setrgb(cr, shade(c, 0.85));
            cairo_rectangle(cr, x, y - 22, 6, 26);
            cairo_fill(cr);
            cairo_rectangle(cr, x, y - 16, 90, 4);
            cairo_fill(cr);
        }
    }
    // a farmhouse made of a big shell
    RGB c = farcolour(p, 0.55);
    setrgb(cr, c);
    double hx = 1040, hy = p.sandy - 40;
    cairo_move_to(cr, hx - 120, hy);
    cairo_curve_to(cr, hx - 130, hy - 150, hx + 130, hy - 150, hx + 120, hy);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_arc(cr, hx, hy - 40, 22, kPi, 2 * kPi);
    cairo_rectangle(cr, hx - 22, hy - 40, 44, 40);
    setrgb(cr, mix(pal::gold, c, 0.5), 0.7);
    cairo_fill(cr);
}

void farnests(cairo_t* cr, const Place& p, Rng& rng) {
    farhills(cr, p, rng, p.sandy - 40);
    for (int layer = 0; layer < 2; ++layer) {
        RGB c = farcolour(p, layer == 0 ? 0.65 : 0.42);
        double base = p.sandy - 10 + layer * 20;
        int n = layer == 0 ? 7 : 5;
        for (int i = 0; i < n; ++i) {
            double x = 100 + i * (W - 200) / (n - 1.0) + rng.range(-40, 40);
            double r = rng.range(50, 90);
            // a clutch of softly glowing eggs in a nest of weed
            for (int e = 0; e < 5; ++e) {
                double ex = x + (e - 2) * r * 0.35, ey = base - r * 0.35 - (e % 2) * r * 0.2;
                glow(cr, ex, ey, r * 0.5, mix(pal::pearl, pal::coral, 0.3), 0.18);
                cairo_save(cr);
                cairo_translate(cr, ex, ey);
                cairo_scale(cr, 0.8, 1);
                cairo_arc(cr, 0, 0, r * 0.25, 0, 2 * kPi);
                cairo_restore(cr);
                setrgb(cr, mix(c, pal::pearl, 0.35));
                cairo_fill(cr);
            }
            setrgb(cr, c);
            cairo_move_to(cr, x - r * 1.1, base);
            cairo_curve_to(cr, x - r, base - r * 0.45, x + r, base - r * 0.45, x + r * 1.1, base);
            cairo_line_to(cr, x + r * 1.1, base + 30);
            cairo_line_to(cr, x - r * 1.1, base + 30);
            cairo_close_path(cr);
            cairo_fill(cr);
        }
    }
}

// ---- frames that sit in front (caves, halls) --------------------------------

void cavewalls(cairo_t* cr, const Place& p, Rng& rng, bool game) {
    RGB c = shade(mix(p.deep, pal::rock, 0.35), 0.7);
    // ceiling with rounded stalactites and two side walls: the opening shows the water
    cairo_move_to(cr, -10, -10);
    cairo_line_to(cr, W + 10, -10);
    cairo_line_to(cr, W + 10, H + 10);
    double inner = game ? 150 : 200;
    for (int y = H; y >= 0; y -= 32) {
        double x = W - inner + 40 * std::sin(y * 0.012) + rng.range(-12, 12) - (H - y) * 0.08;
        cairo_line_to(cr, x, y);
    }
    for (int x = W; x >= 0; x -= 40) {
        double y = 90 + 30 * std::sin(x * 0.009) + rng.range(-8, 8);
        if (rng.chance(0.25)) {  // stalactite
            double len = rng.range(40, 110);
            cairo_line_to(cr, x + 14, y);
            cairo_curve_to(cr, x + 8, y + len * 0.7, x + 2, y + len, x, y + len);
            cairo_curve_to(cr, x - 2, y + len, x - 8, y + len * 0.7, x - 14, y);
        }
        cairo_line_to(cr, x, y);
    }
    for (int y = 0; y <= H; y += 32) {
        double x = inner - 40 * std::sin(y * 0.011) + rng.range(-12, 12) + (H - y) * 0.08;
        cairo_line_to(cr, x, y);
    }
    cairo_line_to(cr, -10, H + 10);
    cairo_close_path(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, H);
    addstop(g, 0, shade(c, 0.8));
    addstop(g, 1, c);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setrgb(cr, mix(c, pal::haze, 0.4), 0.8);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
}

void hallshelves(cairo_t* cr, const Place& p, Rng& rng) {
    // The trophy room: a carved hall whose niches hold the trophies drawn by
    // the game; the back wall stays plain so the trophies read.
    RGB stone = mix(pal::sanddark, pal::rock, 0.45);
    cairo_rectangle(cr, 0, 0, W, H);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, H);
    addstop(g, 0, shade(stone, 0.75));
    addstop(g, 1, shade(stone, 0.55));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // big masonry blocks
    for (int row = 0; row < 12; ++row) {
        double y = row * 64;
        double off = (row % 2) * 60;
        for (double x = -off; x < W; x += 120) {
            roundrect(cr, x + 3, y + 3, 114, 58, 10);
            setrgb(cr, shade(stone, rng.range(0.68, 0.8)));
            cairo_fill_preserve(cr);
            setrgb(cr, shade(stone, 0.45), 0.6);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
            cairo_move_to(cr, x + 12, y + 6);
            cairo_line_to(cr, x + 106, y + 6);
            setrgb(cr, pal::white, 0.08);
            cairo_stroke(cr);
        }
    }
    // a round window to the sea at the top middle, framed in brass
    double wx = W / 2.0, wy = 90, wr = 120;
    cairo_arc(cr, wx, wy, wr, 0, 2 * kPi);
    cairo_pattern_t* w = cairo_pattern_create_linear(0, wy - wr, 0, wy + wr);
    addstop(w, 0, p.top);
    addstop(w, 1, p.mid);
    cairo_set_source(cr, w);
    cairo_fill(cr);
    cairo_pattern_destroy(w);
    glow(cr, wx - 30, wy - 50, 110, pal::white, 0.35);
    for (int i = 0; i < 4; ++i) fish(cr, wx - 60 + i * 38, wy + 10 + 25 * std::sin(i * 1.7), 26, pal::coralorange, pal::white, i % 2);
    cairo_arc(cr, wx, wy, wr, 0, 2 * kPi);
    setrgb(cr, shade(pal::brass, 0.55));
    cairo_set_line_width(cr, 22);
    cairo_stroke(cr);
    cairo_arc(cr, wx, wy, wr, 0, 2 * kPi);
    setrgb(cr, pal::brass);
    cairo_set_line_width(cr, 16);
    cairo_stroke(cr);
    for (int i = 0; i < 12; ++i) rivet(cr, wx + wr * std::cos(i * kPi / 6), wy + wr * std::sin(i * kPi / 6), 5);
    // side pillars with kelp garlands
    for (double px : {60.0, W - 60.0}) {
        cairo_rectangle(cr, px - 60, 0, 120, H);
        cairo_pattern_t* c = cairo_pattern_create_linear(px - 60, 0, px + 60, 0);
        addstop(c, 0, shade(stone, 0.5));
        addstop(c, 0.4, shade(stone, 0.95));
        addstop(c, 1, shade(stone, 0.55));
        cairo_set_source(cr, c);
        cairo_fill(cr);
        cairo_pattern_destroy(c);
        kelp(cr, px + (px < W / 2 ? 70 : -70), H, 700, 16, pal::kelp, rng, 0.6);
    }
    // warm torchlight in the corners, pearls gleam
    glow(cr, 200, 300, 260, pal::coralorange, 0.18);
    glow(cr, W - 200, 300, 260, pal::coralorange, 0.18);
}

// ---- the near layer ---------------------------------------------------------

void sideplants(cairo_t* cr, const Place& p, Rng& rng, bool game, double floor) {
    // Tall plants hug the sides; the middle stays open for cards and people.
    struct Side {
        double from, to;
    };
    Side sides[2] = {{-30.0, game ? 230.0 : 330.0}, {game ? 1136.0 : 1036.0, W + 30.0}};
    RGB kc = mix(pal::kelp, p.accent, 0.12);
    for (auto& s : sides) {
        int nk = game ? 3 : 4;
        for (int i = 0; i < nk; ++i) {
            double x = rng.range(s.from, s.to);
            kelp(cr, x, H + 20, rng.range(300, game ? 520 : 620), rng.range(16, 26), rng.chance(0.5) ? kc : pal::kelpdark, rng);
        }
        for (int i = 0; i < 3; ++i) {
            double x = rng.range(s.from, s.to);
            rock(cr, x, floor + rng.range(70, 150), rng.range(110, 200), rng.range(60, 120), pal::rock, rng);
        }
        for (int i = 0; i < 3; ++i) {
            double x = rng.range(s.from + 20, s.to - 20), y = floor + rng.range(60, 140);
            switch (rng.irange(0, 3)) {
                case 0: branchcoral(cr, x, y, rng.range(90, 150), rng.chance(0.5) ? pal::coral : pal::coralorange, rng); break;
                case 1: fancoral(cr, x, y, rng.range(80, 130), mix(pal::anemone, p.accent, 0.3), rng); break;
                case 2: anemone(cr, x, y, rng.range(60, 90), pal::anemone, rng); break;
                default: domecoral(cr, x, y, rng.range(80, 120), pal::coralorange, rng); break;
            }
        }
        for (int i = 0; i < 4; ++i)
            seaweed(cr, rng.range(s.from, s.to), H - rng.range(0, 40), rng.range(60, 120), pal::kelp, rng, 5);
    }
}

void floorbits(cairo_t* cr, const Place& p, Rng& rng, bool game, double floor) {
    // Small life scattered on the floor; in the card game only at the edges
    // of the field, so that nothing competes with the cards.
    int n = game ? 4 : 9;
    for (int i = 0; i < n; ++i) {
        double x = game ? (rng.chance(0.5) ? rng.range(180, 320) : rng.range(1050, 1190)) : rng.range(200, 1166);
        double y = rng.range(floor + 40, H - 20);
        switch (rng.irange(0, 3)) {
            case 0: starfish(cr, x, y, rng.range(14, 24), rng.range(0, 6), rng.chance(0.5) ? pal::coralorange : pal::coral); break;
            case 1: shell(cr, x, y, rng.range(16, 26), rng.range(-0.5, 0.5), mix(pal::pearl, pal::coral, 0.35)); break;
            case 2: seaweed(cr, x, y + 6, rng.range(40, 70), pal::kelp, rng, 4); break;
            default: rock(cr, x, y + 8, rng.range(40, 80), rng.range(20, 40), pal::rocklight, rng); break;
        }
    }
}

void midreef(cairo_t* cr, const Place& p, Rng& rng, bool game, double floor) {
    // coral mounds a little behind the floor line, partly hazed
    int n = game ? 6 : 12;
    for (int i = 0; i < n; ++i) {
        double x = rng.range(0, W);
        if (game && x > 340 && x < 1026) x = x < 683 ? x - 250 : x + 250;
        double y = floor + rng.range(-6, 18);
        switch (rng.irange(0, 4)) {
            case 0: rock(cr, x, y + 10, rng.range(120, 220), rng.range(50, 100), mix(pal::rock, p.mid, 0.3), rng); break;
            case 1: branchcoral(cr, x, y, rng.range(70, 120), mix(pal::coral, p.mid, 0.25), rng); break;
            case 2: fancoral(cr, x, y, rng.range(70, 120), mix(pal::anemone, p.mid, 0.25), rng); break;
            case 3: domecoral(cr, x, y + 6, rng.range(70, 110), mix(pal::coralorange, p.mid, 0.25), rng); break;
            default: seaweed(cr, x, y + 6, rng.range(60, 110), mix(pal::kelp, p.mid, 0.25), rng, 6); break;
        }
    }
}

void placeprops(cairo_t* cr, const Place& p, Rng& rng, bool game, double floor) {
    // one or two things that make each place itself, in full colour
    if (p.far == Far::wreck && !game) {
        // a treasure chest half buried on the left
        double x = 300, y = floor + 110;
        roundrect(cr, x - 60, y - 50, 120, 60, 8);
        setrgb(cr, pal::plank);
        cairo_fill_preserve(cr);
        setrgb(cr, pal::grain);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        cairo_save(cr);
        cairo_translate(cr, x, y - 50);
        cairo_rotate(cr, -0.35);
        roundrect(cr, -60, -30, 120, 32, 10);
        setrgb(cr, shade(pal::plank, 1.1));
        cairo_fill_preserve(cr);
        setrgb(cr, pal::grain);
        cairo_stroke(cr);
        cairo_restore(cr);
        glow(cr, x + 5, y - 60, 70, pal::gold, 0.5);
        for (int i = 0; i < 5; ++i) {
            cairo_arc(cr, x - 30 + i * 15, y - 52 - (i % 2) * 6, 8, 0, 2 * kPi);
            setrgb(cr, pal::gold);
            cairo_fill_preserve(cr);
            setrgb(cr, pal::goldoutline);
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
        }
        for (double bx : {x - 45, x + 45}) {
            cairo_rectangle(cr, bx - 4, y - 50, 8, 60);
            setrgb(cr, pal::brass);
            cairo_fill(cr);
        }
        // a drift of sand half buries it
        cairo_move_to(cr, x - 110, y + 14);
        cairo_curve_to(cr, x - 60, y - 22, x + 60, y - 22, x + 110, y + 14);
        cairo_close_path(cr);
        cairo_pattern_t* sg = cairo_pattern_create_linear(0, y - 20, 0, y + 14);
        addstop(sg, 0, p.sandl);
        addstop(sg, 1, p.sandm);
        cairo_set_source(cr, sg);
        cairo_fill(cr);
        cairo_pattern_destroy(sg);
    }
    if (p.far == Far::domes) {
        // bazaar: strings of lantern-jellies across the top
        for (int s = 0; s < 2; ++s) {
            double y0 = 120 + s * 70, sag = 60;
            double x0 = s ? 300 : 60, x1 = s ? W - 60 : W - 300;
            cairo_move_to(cr, x0, y0);
            cairo_curve_to(cr, x0 + (x1 - x0) / 3, y0 + sag, x0 + 2 * (x1 - x0) / 3, y0 + sag, x1, y0);
            setrgb(cr, pal::ropedark, 0.8);
            cairo_set_line_width(cr, 3);
            cairo_stroke(cr);
            for (int i = 1; i < 12; ++i) {
                double t = i / 12.0;
                double x = x0 + (x1 - x0) * t, y = y0 + sag * 4 * t * (1 - t) * 0.75;
                RGB lc = i % 3 == 0 ? pal::gold : (i % 3 == 1 ? pal::coral : pal::anemone);
                glow(cr, x, y + 16, 34, lc, game ? 0.25 : 0.45);
                cairo_arc(cr, x, y + 14, 9, kPi, 2 * kPi);
                cairo_line_to(cr, x + 9, y + 20);
                cairo_line_to(cr, x - 9, y + 20);
                setrgb(cr, mix(lc, pal::white, 0.35));
                cairo_fill(cr);
            }
        }
    }
    if (p.far == Far::nests && !game) {
        // the eggs of the ending, close and glowing
        for (int i = 0; i < 3; ++i) {
            double x = 420 + i * 260, y = floor + 120;
            glow(cr, x, y - 30, 120, mix(pal::pearl, pal::coral, 0.3), 0.35);
            for (int e = 0; e < 4; ++e) {
                double ex = x - 40 + e * 27, ey = y - 30 - (e % 2) * 14;
                cairo_save(cr);
                cairo_translate(cr, ex, ey);
                cairo_scale(cr, 0.82, 1);
                cairo_arc(cr, 0, 0, 18, 0, 2 * kPi);
                cairo_restore(cr);
                cairo_pattern_t* g = cairo_pattern_create_radial(ex - 5, ey - 8, 2, ex, ey, 20);
                addstop(g, 0, pal::white);
                addstop(g, 1, mix(pal::pearl, pal::coral, 0.35));
                cairo_set_source(cr, g);
                cairo_fill(cr);
                cairo_pattern_destroy(g);
            }
            seaweed(cr, x, y, 40, pal::kelp, rng, 9);
        }
    }
    if (p.far == Far::towers) {
        // chains hanging from the fortress walls
        for (double cx : {game ? 120.0 : 260.0, game ? 1246.0 : 1106.0}) {
            for (int k = 0; k < 14; ++k) {
                double y = 40 + k * 22;
                cairo_save(cr);
                cairo_translate(cr, cx + 6 * std::sin(k * 0.5), y);
                cairo_scale(cr, k % 2 ? 0.45 : 1, 1);
                cairo_arc(cr, 0, 0, 11, 0, 2 * kPi);
                cairo_restore(cr);
                setrgb(cr, shade(pal::rock, 0.55));
                cairo_set_line_width(cr, 5);
                cairo_stroke(cr);
            }
        }
    }
}

void marinesnow(cairo_t* cr, Rng& rng, int n) {
    for (int i = 0; i < n; ++i) {
        double x = rng.range(0, W), y = rng.range(0, H);
        glow(cr, x, y, rng.range(2, 5), pal::white, rng.range(0.25, 0.6));
    }
}

void fishschool(cairo_t* cr, Rng& rng, bool game) {
    int schools = game ? 1 : 2;
    for (int s = 0; s < schools; ++s) {
        double cx = game ? (s == 0 ? 250 : 1110) : rng.range(300, 1066);
        double cy = game ? rng.range(90, 150) : rng.range(140, 300);
        bool left = rng.chance(0.5);
        RGB body = rng.chance(0.5) ? pal::coralorange : hex(0xFFD24A);
        int n = game ? 3 : rng.irange(4, 7);
        for (int i = 0; i < n; ++i)
            fish(cr, cx + rng.range(-90, 90), cy + rng.range(-40, 40), rng.range(22, 34), body, pal::white, left, 0.9);
    }
}

// ---- the painter ------------------------------------------------------------

void paintplace(cairo_t* cr, const Place& p, bool game) {
    Rng rng(uint64_t(p.id) * 7919 + (game ? 17 : 3));
    const double floor = p.sandy;

    if (p.far == Far::hall) {
        hallshelves(cr, p, rng);
        Rng fl(p.id * 31ull);
        sandbed(cr, W, H, H - 90, 6, fl, p.sandl, p.sandm, p.sandd);
        caustics(cr, 0, H - 110, W, 110, 60, 0.25, fl);
        floorbits(cr, p, fl, false, H - 100);
        vignette(cr, W, H, 0.8);
        return;
    }

    water(cr, W, H, p.top, p.mid, p.deep);
    // where the sun stands on the surface
    glow(cr, W * 0.42, -120, 760, mix(pal::white, p.top, 0.3), 0.55 * p.sun);
    // faint shimmer of the surface, fading out downwards
    {
        Canvas sc = canvas(W, 120);
        Rng sr(p.id * 13ull + 1);
        caustics(sc.cr, 0, 0, W, 120, 46, 0.3 * p.sun, sr, RGB{0.9, 1, 1});
        cairo_save(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
        cairo_set_source_surface(cr, sc.surface, 0, 0);
        cairo_pattern_t* m = cairo_pattern_create_linear(0, 0, 0, 120);
        cairo_pattern_add_color_stop_rgba(m, 0, 0, 0, 0, 1);
        cairo_pattern_add_color_stop_rgba(m, 0.4, 0, 0, 0, 0.6);
        cairo_pattern_add_color_stop_rgba(m, 1, 0, 0, 0, 0);
        cairo_mask(cr, m);
        cairo_pattern_destroy(m);
        cairo_restore(cr);
        done(sc);
    }
    godrays(cr, W, H, game ? 9 : 12, 0.22 * p.rays, rng);

    // far silhouettes, softened and hazed as one layer
    {
        Canvas far = canvas(W, H);
        switch (p.far) {
            case Far::hills: farhills(far.cr, p, rng, floor - 30); break;
            case Far::kelp: farkelp(far.cr, p, rng); break;
            case Far::wreck: farwreck(far.cr, p, rng); break;
            case Far::cliffs: farcliffs(far.cr, p, rng); break;
            case Far::towers: fartowers(far.cr, p, rng); break;
            case Far::domes: fardomes(far.cr, p, rng); break;
            case Far::ruins: farruins(far.cr, p, rng); break;
            case Far::vents: farvents(far.cr, p, rng); break;
            case Far::fields: farfields(far.cr, p, rng); break;
            case Far::nests: farnests(far.cr, p, rng); break;
            case Far::cave: farhills(far.cr, p, rng, floor - 10); break;
            case Far::hall: break;
        }
        blur(far.surface, 3);
        cairo_set_source_surface(cr, far.surface, 0, 0);
        cairo_paint_with_alpha(cr, 0.85);
        done(far);
    }
    // depth haze over the far layer
    {
        cairo_pattern_t* hz = cairo_pattern_create_linear(0, floor - 300, 0, floor + 40);
        addstop(hz, 0, pal::haze, 0);
        addstop(hz, 1, mix(pal::haze, p.mid, 0.5), 0.3);
        cairo_set_source(cr, hz);
        cairo_paint(cr);
        cairo_pattern_destroy(hz);
    }
    if (p.snow) marinesnow(cr, rng, game ? 40 : 90);
    fishschool(cr, rng, game);

    midreef(cr, p, rng, game, floor);
    Rng fr(p.id * 101ull + 7);
    sandbed(cr, W, H, floor + 40, 14, fr, p.sandl, p.sandm, p.sandd);
    // light net on the floor, strongest at the front
    {
        Canvas cl = canvas(W, H);
        Rng cr2(p.id * 977ull);
        cairo_set_source_rgb(cl.cr, 0, 0, 0);
        cairo_paint(cl.cr);
        caustics(cl.cr, 0, int(floor), W, H - int(floor), 70, 0.5 * p.caustic, cr2);
        cairo_save(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
        cairo_set_source_surface(cr, cl.surface, 0, 0);
        cairo_pattern_t* m = cairo_pattern_create_linear(0, floor + 20, 0, H);
        cairo_pattern_add_color_stop_rgba(m, 0, 0, 0, 0, 0);
        cairo_pattern_add_color_stop_rgba(m, 0.4, 0, 0, 0, 1);
        cairo_pattern_add_color_stop_rgba(m, 1, 0, 0, 0, 0.7);
        cairo_mask(cr, m);
        cairo_pattern_destroy(m);
        cairo_restore(cr);
        done(cl);
    }
    placeprops(cr, p, rng, game, floor);
    floorbits(cr, p, rng, game, floor);
    if (p.far == Far::cave) cavewalls(cr, p, rng, game);
    sideplants(cr, p, rng, game, floor);

    // bubbles rising at the sides
    for (int i = 0; i < (game ? 3 : 6); ++i) {
        double x = rng.chance(0.5) ? rng.range(40, 300) : rng.range(1066, 1326);
        bubbletrail(cr, x, rng.range(400, 700), rng.irange(4, 8), rng.range(5, 11), rng, 0.8);
    }
    if (game) {
        // calm, slightly darker middle so that cards and numbers read
        cairo_save(cr);
        cairo_matrix_t m;
        cairo_matrix_init_scale(&m, 1.0, 1.55);
        cairo_pattern_t* r = cairo_pattern_create_radial(W / 2.0, H * 0.55 / 1.0, 40, W / 2.0, H * 0.55, 620);
        cairo_matrix_t pm;
        cairo_matrix_init_translate(&pm, W / 2.0, H * 0.55);
        cairo_matrix_scale(&pm, 1.0, 1.55);
        cairo_matrix_translate(&pm, -W / 2.0, -H * 0.55);
        cairo_pattern_set_matrix(r, &pm);
        cairo_pattern_add_color_stop_rgba(r, 0, 0.03, 0.16, 0.26, 0.30);
        cairo_pattern_add_color_stop_rgba(r, 0.6, 0.03, 0.16, 0.26, 0.18);
        cairo_pattern_add_color_stop_rgba(r, 1, 0.03, 0.16, 0.26, 0.0);
        cairo_set_source(cr, r);
        cairo_paint(cr);
        cairo_pattern_destroy(r);
        (void)m;
        cairo_restore(cr);
    }
    vignette(cr, W, H, game ? 0.9 : 0.7);
}

// The places. Colours stay in the palette's water family; deeper places
// move towards the deep blue, never to black.
std::vector<Place> places() {
    RGB sl = pal::sandlight, sm = pal::sand, sd = pal::sanddark;
    std::vector<Place> v;
    // id, top, mid, deep, sand x3, floor, rays, caustic, sun, far, accent, snow, busy
    v.push_back({1, pal::watertop, pal::watermid, pal::waterdeep, sl, sm, sd, 560, 1.0, 1.0, 1.0, Far::hills, pal::coral, false, true});
    v.push_back({3, hex(0x52D2E4), hex(0x26A0BE), hex(0x0E5E86), sl, sm, sd, 580, 1.1, 1.1, 1.1, Far::fields, pal::kelp, false, true});
    v.push_back({4, hex(0x49C9B8), hex(0x1F8E8E), hex(0x0B4F66), mix(sl, pal::kelp, 0.15), sm, sd, 590, 0.9, 0.8, 0.8, Far::kelp, pal::kelp, false, true});
    v.push_back({5, hex(0x38B8D6), hex(0x1A7FA6), hex(0x0A4670), sl, sm, sd, 570, 0.9, 0.9, 0.8, Far::wreck, pal::plank, false, true});
    v.push_back({6, hex(0x2FA6C9), hex(0x176F9A), hex(0x0A3D64), mix(sl, pal::rock, 0.2), sm, sd, 580, 0.6, 0.6, 0.5, Far::cave, pal::anemone, false, true});
    v.push_back({8, hex(0x47CDE0), hex(0x2294B8), hex(0x0C527D), sl, sm, sd, 560, 1.0, 1.0, 1.0, Far::hills, pal::anemone, false, true});
    v.push_back({10, hex(0x45C6DE), hex(0x218BB2), hex(0x0C4E78), sl, sm, sd, 570, 1.0, 0.9, 1.0, Far::domes, pal::coralorange, false, true});
    v.push_back({12, hex(0x3BBCD8), hex(0x1C84AE), hex(0x0B4A74), mix(sl, pal::rocklight, 0.2), sm, sd, 575, 0.9, 0.9, 0.9, Far::ruins, pal::rocklight, false, true});
    v.push_back({13, hex(0x34AFD2), hex(0x1A78A6), hex(0x0A3F68), sl, sm, sd, 600, 1.3, 0.8, 0.8, Far::cliffs, pal::haze, false, false});
    v.push_back({14, hex(0x36B2D4), hex(0x1A7CA8), hex(0x0A426C), mix(sl, pal::rock, 0.15), sm, sd, 585, 1.0, 0.8, 0.8, Far::cliffs, pal::coral, false, true});
    v.push_back({15, hex(0x2587B0), hex(0x125C8A), hex(0x08355C), mix(sl, pal::rock, 0.35), mix(sm, pal::rock, 0.3), sd, 590, 0.7, 0.4, 0.4, Far::cliffs, pal::anemone, true, true});
    v.push_back({16, hex(0x5AD0DE), hex(0x2B9CBC), hex(0x105C84), sl, sm, sd, 560, 1.1, 1.0, 1.1, Far::nests, pal::coral, false, true});
    v.push_back({17, hex(0x50D0DA), hex(0x239AB4), hex(0x0D5A80), sl, sm, sd, 575, 1.1, 1.1, 1.1, Far::fields, pal::coralorange, false, true});
    v.push_back({18, hex(0x4ACBDD), hex(0x2592B6), hex(0x0E547E), sl, sm, sd, 580, 1.2, 1.0, 1.0, Far::kelp, pal::gold, false, false});
    v.push_back({19, hex(0x3AAFD0), hex(0x1C76A4), hex(0x0B4068), sl, sm, sd, 580, 0.8, 0.7, 0.7, Far::cave, pal::haze, true, false});
    v.push_back({20, hex(0x33A9CC), hex(0x19739E), hex(0x0B3F66), mix(sl, pal::rock, 0.3), mix(sm, pal::rock, 0.25), sd, 580, 0.8, 0.7, 0.7, Far::vents, pal::coralorange, false, true});
    v.push_back({21, hex(0x36A8CA), hex(0x1B729C), hex(0x0B3E64), mix(sl, pal::rock, 0.2), sm, sd, 585, 0.9, 0.8, 0.8, Far::towers, pal::coral, false, true});
    v.push_back({99, pal::watertop, pal::watermid, pal::waterdeep, sl, sm, sd, 600, 1, 1, 1, Far::hall, pal::gold, false, false});
    return v;
}

const Place& place(int id) {
    static std::vector<Place> v = places();
    for (auto& p : v)
        if (p.id == id) return p;
    al::fail("no place " + std::to_string(id));
    return v.front();
}

void paint(const Place& p, bool game, const std::string& rel) {
    Canvas c = canvas(W, H);
    paintplace(c.cr, p, game);
    al::savejpg(c.surface, rel, 90);
    done(c);
}

// Game variants: the backgrounds the card game picks by level. Story and
// screen pictures: the plain ones the stories, menu and trophy room load.
const int kGameBgs[] = {1, 4, 5, 8, 12, 14, 15, 17, 20, 21};
const int kStoryBgs[] = {1, 3, 5, 6, 8, 10, 12, 13, 15, 16, 18, 19, 21, 99};

}  // namespace

void paintbackground(cairo_t* cr, int id, bool game) { paintplace(cr, place(id), game); }

AL_GENERATOR(gen_backgrounds_menu) {
    paint(place(1), false, "bg/bg1.jpg");
    paint(place(1), true, "bg/bg1g.jpg");
}

AL_GENERATOR(gen_backgrounds_game) {
    for (int n : kGameBgs)
        if (n != 1) paint(place(n), true, "bg/bg" + std::to_string(n) + "g.jpg");
}

AL_GENERATOR(gen_backgrounds_story) {
    for (int n : kStoryBgs)
        if (n != 1) paint(place(n), false, "bg/bg" + std::to_string(n) + ".jpg");
}
