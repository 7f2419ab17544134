// The boss cast (see cast.h). Every routine draws in local coordinates with
// the picture's centre at (0, 0) and its size at s = 1; place() moves, scales
// and mirrors the context around that.
#include "cast.h"

#include <cmath>

namespace cast {

namespace {

constexpr double PI = 3.14159265358979323846;
double rad(double deg) { return deg * PI / 180.0; }

using art::mix;
using art::RGB;
using art::setrgb;
using art::shade;
namespace pal = art::pal;

const RGB PUPIL = art::hex(0x1A1A2A);
const RGB LINE = art::hex(0x1A2A3A);
const RGB BROWC = art::hex(0x3A2414);
const RGB LIPS = art::hex(0xE8606A);
const RGB MOUTHDARK = art::hex(0x7A1E2A);
const RGB BRUISE = art::hex(0x8A6FD0);

// Opens a drawing in local coordinates: centre (x, y), scale s, mirrored
// when flip is set. Always paired with cairo_restore.
void place(cairo_t* cr, double x, double y, double s, bool flip) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, flip ? -s : s, s);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
}

// Paints inside the current path, then gives the path back for its outline.
template <class F>
void inside(cairo_t* cr, F paint) {
    cairo_path_t* path = cairo_copy_path(cr);
    cairo_save(cr);
    cairo_clip(cr);
    paint();
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_append_path(cr, path);
    cairo_path_destroy(path);
}

// A closed path through the points with smooth corners (a rounded polygon).
void blob(cairo_t* cr, const double (*pt)[2], int n, double round = 0.5) {
    cairo_new_path(cr);
    auto mid = [&](int i, double t, double& mx, double& my) {
        const double* a = pt[i % n];
        const double* b = pt[(i + 1) % n];
        mx = a[0] + (b[0] - a[0]) * t;
        my = a[1] + (b[1] - a[1]) * t;
    };
    double sx, sy;
    mid(0, 0.5, sx, sy);
    cairo_move_to(cr, sx, sy);
    for (int i = 1; i <= n; i++) {
        double ax, ay, bx, by;
        mid(i - 1, 1 - round * 0.5, ax, ay);
        mid(i, round * 0.5, bx, by);
        const double* c = pt[i % n];
        cairo_line_to(cr, ax, ay);
        cairo_curve_to(cr, c[0], c[1], c[0], c[1], bx, by);
        double ex, ey;
        mid(i, 0.5, ex, ey);
        cairo_line_to(cr, ex, ey);
    }
    cairo_close_path(cr);
}

// Strokes the current path as a tube: a dark rim of width `outer` round a
// core of colour `c` and width `inner` (legs, stalks, chain links).
void tube(cairo_t* cr, RGB rim, RGB c, double outer, double inner) {
    setrgb(cr, rim);
    cairo_set_line_width(cr, outer);
    cairo_stroke_preserve(cr);
    setrgb(cr, c);
    cairo_set_line_width(cr, inner);
    cairo_stroke(cr);
}

void sparkle(cairo_t* cr, double x, double y, double r) {
    cairo_new_path(cr);
    for (int k = 0; k < 8; k++) {
        double a = k * PI / 4, rr = (k % 2 == 0) ? r : r * 0.32;
        double px = x + rr * std::cos(a), py = y + rr * std::sin(a);
        if (k == 0) cairo_move_to(cr, px, py);
        else cairo_line_to(cr, px, py);
    }
    cairo_close_path(cr);
    fillout(cr, art::hex(0xFFF2A0), 1.2, 0.7);
}

}  // namespace

// ---- the shared vocabulary ------------------------------------------------

void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * PI);
    cairo_restore(cr);
}

void fillout(cairo_t* cr, RGB fill, double width, double dark) {
    setrgb(cr, fill);
    cairo_fill_preserve(cr);
    setrgb(cr, shade(fill, dark));
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void toplight(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha) {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* p = cairo_pattern_create_radial(0, -0.2, 0, 0, -0.2, 1);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, alpha);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, 0, 0, 1, 0, 2 * PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

void eye(cairo_t* cr, double x, double y, double r, double lookx, double looky, double lid, RGB skin) {
    cairo_save(cr);
    double ry = r * 1.06;
    ellipse(cr, x, y, r, ry);
    setrgb(cr, pal::white);
    cairo_fill(cr);
    double pr = r * 0.52;
    double px = x + lookx * (r - pr) * 0.8, py = y + looky * (r - pr) * 0.8;
    ellipse(cr, px, py, pr, pr * 1.08);
    setrgb(cr, PUPIL);
    cairo_fill(cr);
    ellipse(cr, px + pr * 0.36, py - pr * 0.4, pr * 0.38, pr * 0.38);
    setrgb(cr, pal::white);
    cairo_fill(cr);
    ellipse(cr, px - pr * 0.36, py + pr * 0.36, pr * 0.15, pr * 0.15);
    cairo_fill(cr);
    if (lid > 0) {
        cairo_save(cr);
        ellipse(cr, x, y, r, ry);
        cairo_clip(cr);
        double edge = y - ry + 2 * ry * lid;
        cairo_rectangle(cr, x - r - 2, y - ry - 2, 2 * r + 4, edge - (y - ry) + 2);
        setrgb(cr, shade(skin, 0.92));
        cairo_fill(cr);
        cairo_move_to(cr, x - r, edge);
        cairo_line_to(cr, x + r, edge);
        setrgb(cr, LINE);
        cairo_set_line_width(cr, std::max(1.8, r * 0.12));
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    ellipse(cr, x, y, r, ry);
    setrgb(cr, LINE, 0.9);
    cairo_set_line_width(cr, std::max(1.6, r * 0.1));
    cairo_stroke(cr);
    cairo_restore(cr);
}

void shuteye(cairo_t* cr, double x, double y, double r, RGB skin) {
    cairo_save(cr);
    // the closed lid covers the whole eye, a little proud of the skin
    ellipse(cr, x, y, r + 1.5, r * 1.06 + 1.5);
    setrgb(cr, shade(skin, 0.95));
    cairo_fill_preserve(cr);
    setrgb(cr, shade(skin, 0.55));
    cairo_set_line_width(cr, std::max(1.6, r * 0.1));
    cairo_stroke(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_new_path(cr);
    cairo_arc_negative(cr, x, y - r * 0.25, r * 0.85, rad(160), rad(20));
    setrgb(cr, LINE);
    cairo_set_line_width(cr, std::max(2.0, r * 0.16));
    cairo_stroke(cr);
    for (int k = -1; k <= 1; k += 2) {
        double a = rad(90 + k * 35);
        double bx = x + std::cos(a) * r * 0.85, by = y - r * 0.25 + std::sin(a) * r * 0.85;
        cairo_move_to(cr, bx, by);
        cairo_line_to(cr, bx + k * r * 0.18, by + r * 0.3);
    }
    cairo_set_line_width(cr, std::max(1.6, r * 0.1));
    cairo_stroke(cr);
    cairo_restore(cr);
}

void brow(cairo_t* cr, double x0, double y0, double x1, double y1, double width) {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, x0 + (x1 - x0) * 0.4, y0 - width * 0.5, x0 + (x1 - x0) * 0.7, y1 - width * 0.3, x1, y1);
    setrgb(cr, BROWC);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// ---- the blowfish ----------------------------------------------------------

namespace {

const RGB BLOWSKIN = art::hex(0xF4C95D);
const RGB BLOWSPOT = art::hex(0xC98B3A);
const RGB BLOWBELLY = art::hex(0xFFF1C8);
const RGB BLOWFIN = art::hex(0xF0A040);

struct BlowShape {
    double cx, cy, rx, ry, spike;
};
BlowShape blowshape(double puff) {
    return BlowShape{8, 4, 84 + 16 * puff, 58 + 38 * puff, 5 + 13 * puff};
}

// Eye places follow the body, so the deflated fish keeps its face.
void blowfisheyespos(double puff, double& fx, double& fy, double& bx, double& by) {
    BlowShape b = blowshape(puff);
    fx = b.cx + 0.36 * b.rx;
    fy = b.cy - 0.355 * b.ry;
    bx = b.cx + 0.74 * b.rx;
    by = b.cy - 0.395 * b.ry;
}

void blowfisheyesat(cairo_t* cr, double fx, double fy, double bx, double by, int eyes) {
    const double rf = 22, rb = 17;
    if (eyes == BLOWEYE_SHUT) {
        shuteye(cr, bx, by, rb, BLOWSKIN);
        shuteye(cr, fx, fy, rf, BLOWSKIN);
        return;
    }
    if (eyes == BLOWEYE_HURT) {
        // a shiner round the front eye, the other one squeezed shut
        ellipse(cr, fx, fy + 2, rf + 9, rf * 1.06 + 8);
        setrgb(cr, BRUISE, 0.85);
        cairo_fill(cr);
        ellipse(cr, fx, fy + 2, rf + 5, rf * 1.06 + 4);
        setrgb(cr, shade(BRUISE, 0.8), 0.9);
        cairo_fill(cr);
        eye(cr, fx, fy, rf, 0.2, 0.1, 0.5, BLOWSKIN);
        ellipse(cr, bx, by, rb + 1.5, rb * 1.06 + 1.5);
        setrgb(cr, BLOWSKIN);
        cairo_fill(cr);
        cairo_new_path(cr);
        cairo_move_to(cr, bx - rb * 0.8, by - rb * 0.55);
        cairo_line_to(cr, bx + rb * 0.5, by);
        cairo_line_to(cr, bx - rb * 0.8, by + rb * 0.55);
        setrgb(cr, LINE);
        cairo_set_line_width(cr, 3.2);
        cairo_stroke(cr);
        return;
    }
    eye(cr, bx, by, rb, 0.35, 0.1, 0.34, BLOWSKIN);
    eye(cr, fx, fy, rf, 0.35, 0.1, 0.34, BLOWSKIN);
}

void blowspikes(cairo_t* cr, const BlowShape& b, double puff) {
    // Spines round the body, laid back along it when it is flat.
    for (int k = 0; k < 26; k++) {
        double a = rad(k * 360.0 / 26 + 5);
        double ca = std::cos(a), sa = std::sin(a);
        if (ca > 0.55 && sa > -0.35 && sa < 0.75) continue;  // keep the face clear
        double px = b.cx + b.rx * ca * 0.96, py = b.cy + b.ry * sa * 0.96;
        // outward normal of the ellipse, bent backwards (to -x) when flat
        double nx = ca / b.rx, ny = sa / b.ry, nl = std::sqrt(nx * nx + ny * ny);
        nx /= nl;
        ny /= nl;
        double lay = 1 - puff;
        double dx = nx * (1 - 0.7 * lay) - 0.8 * lay, dy = ny * (1 - 0.5 * lay);
        double dl = std::sqrt(dx * dx + dy * dy);
        dx /= dl;
        dy /= dl;
        double len = b.spike + 8, w = 5 + 2 * puff;
        cairo_new_path(cr);
        cairo_move_to(cr, px - dy * w, py + dx * w);
        cairo_line_to(cr, px + dx * len, py + dy * len);
        cairo_line_to(cr, px + dy * w, py - dx * w);
        cairo_close_path(cr);
        fillout(cr, mix(BLOWBELLY, BLOWSKIN, 0.3), 2.0, 0.6);
    }
}

}  // namespace

void blowfish(cairo_t* cr, double x, double y, double s, double puff, int eyes, int plasters, bool flip) {
    place(cr, x, y, s, flip);
    BlowShape b = blowshape(puff);
    // tail
    double tx = b.cx - b.rx + 6;
    cairo_new_path(cr);
    cairo_move_to(cr, tx + 8, b.cy);
    cairo_curve_to(cr, tx - 20, b.cy - 18, tx - 38, b.cy - 44, tx - 50, b.cy - 40);
    cairo_curve_to(cr, tx - 40, b.cy - 14, tx - 40, b.cy + 14, tx - 50, b.cy + 40);
    cairo_curve_to(cr, tx - 38, b.cy + 44, tx - 20, b.cy + 18, tx + 8, b.cy);
    cairo_close_path(cr);
    fillout(cr, BLOWFIN);
    // dorsal and belly fins peek out at the back
    for (int side = -1; side <= 1; side += 2) {
        double fx = b.cx - b.rx * 0.45, fy = b.cy + side * b.ry * 0.9;
        cairo_new_path(cr);
        cairo_move_to(cr, fx + 22, fy - side * 4);
        cairo_curve_to(cr, fx + 6, fy + side * 30, fx - 26, fy + side * 30, fx - 26, fy + side * 10);
        cairo_line_to(cr, fx - 18, fy - side * 6);
        cairo_close_path(cr);
        fillout(cr, BLOWFIN);
    }
    blowspikes(cr, b, puff);
    // body with its belly and spots
    ellipse(cr, b.cx, b.cy, b.rx, b.ry);
    setrgb(cr, BLOWSKIN);
    cairo_fill_preserve(cr);
    inside(cr, [&] {
        ellipse(cr, b.cx + 10, b.cy + b.ry * 0.72, b.rx * 0.92, b.ry * 0.5);
        setrgb(cr, BLOWBELLY);
        cairo_fill(cr);
        const double spots[][3] = {{-0.55, -0.35, 7}, {-0.25, -0.62, 6}, {-0.7, 0.05, 5}, {-0.35, -0.1, 6},
                                   {0.05, -0.78, 5}, {-0.1, -0.4, 4}, {-0.58, 0.3, 4}};
        for (auto& q : spots) {
            ellipse(cr, b.cx + q[0] * b.rx, b.cy + q[1] * b.ry, q[2], q[2] * 0.9);
            setrgb(cr, BLOWSPOT, 0.8);
            cairo_fill(cr);
        }
        toplight(cr, b.cx - 10, b.cy - b.ry * 0.35, b.rx * 0.85, b.ry * 0.55, 0.4);
    });
    setrgb(cr, shade(BLOWSKIN, 0.55));
    cairo_set_line_width(cr, 2.8);
    cairo_stroke(cr);
    // side fin
    cairo_new_path(cr);
    cairo_move_to(cr, b.cx + 4, b.cy + b.ry * 0.18);
    cairo_curve_to(cr, b.cx - 14, b.cy + b.ry * 0.1 - 14, b.cx - 36, b.cy + b.ry * 0.18, b.cx - 34, b.cy + b.ry * 0.35);
    cairo_curve_to(cr, b.cx - 24, b.cy + b.ry * 0.42, b.cx - 6, b.cy + b.ry * 0.4, b.cx + 4, b.cy + b.ry * 0.18);
    cairo_close_path(cr);
    fillout(cr, BLOWFIN, 2.2);
    // a pouting mouth at the front
    double mx = b.cx + b.rx * 0.93, my = b.cy + b.ry * 0.16;
    ellipse(cr, mx, my, 12, 10);
    fillout(cr, LIPS, 2.4, 0.55);
    ellipse(cr, mx + 3, my + 1, 5, 3.5);
    setrgb(cr, MOUTHDARK);
    cairo_fill(cr);
    // a cross little blush under the eye
    art::glow(cr, b.cx + b.rx * 0.5, b.cy + b.ry * 0.05, 14, art::hex(0xFF6F6F), 0.45);
    double fx, fy, bx, by;
    blowfisheyespos(puff, fx, fy, bx, by);
    blowfisheyesat(cr, fx, fy, bx, by, eyes);
    // brows pulled down towards the middle: grumpy
    brow(cr, fx - 22, fy - 30, fx + 12, fy - 22, 6.5);
    brow(cr, bx + 16, by - 26, bx - 6, by - 20, 5.5);
    for (int k = 1; k <= plasters && k <= 3; k++) {
        const Mark& m = BLOWFISH_PLASTER[k];
        // the places are given on the full fish; the flat one keeps them on its body
        plaster(cr, b.cx + (m.dx - 8) * b.rx / 100, b.cy + (m.dy - 4) * b.ry / 96, 1, m.angle);
    }
    cairo_restore(cr);
}

void blowfisheyes(cairo_t* cr, double x, double y, double s, int eyes, bool flip) {
    place(cr, x, y, s, flip);
    double fx, fy, bx, by;
    blowfisheyespos(1, fx, fy, bx, by);
    double mx = BLOWFISH_EYES.dx, my = BLOWFISH_EYES.dy;
    blowfisheyesat(cr, fx - mx, fy - my, bx - mx, by - my, eyes);
    cairo_restore(cr);
}

void plaster(cairo_t* cr, double x, double y, double s, double angle) {
    place(cr, x, y, s, false);
    cairo_rotate(cr, rad(angle));
    const RGB STRIP = art::hex(0xF2C9A0), PAD = art::hex(0xFFF1E0);
    art::roundrect(cr, -34, -12, 68, 24, 11);
    fillout(cr, STRIP, 2.0, 0.6);
    art::roundrect(cr, -11, -10, 22, 20, 5);
    fillout(cr, PAD, 1.4, 0.75);
    for (int d = 0; d < 6; d++) {  // air holes
        ellipse(cr, -26 + (d % 3) * 5 + (d >= 3 ? 41 : 0), -4 + (d % 2) * 8, 1.3, 1.3);
        setrgb(cr, shade(STRIP, 0.7));
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void blowfishshadow(cairo_t* cr, double x, double y, double s) {
    place(cr, x, y, s, false);
    // a dark soft silhouette, a little larger than the fish
    for (int k = 0; k < 12; k++) {
        double f = 1 - k / 12.0;
        ellipse(cr, 8, 10, 126 * f, 116 * f);
        setrgb(cr, pal::waterdeep, 0.055);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

// ---- the stone ---------------------------------------------------------------

namespace {

const RGB STONE = pal::rock;
const RGB STONELIGHT = pal::rocklight;
const RGB MOSS = pal::kelp;

// The standing stone's outline, its foot on y = 176 (the picture's bottom
// edge at s = 1 is y = 180).
const double STONEPTS[][2] = {{-108, 176}, {-118, 90}, {-104, -40}, {-86, -120}, {-40, -168},
                              {24, -172},  {78, -140}, {108, -60},  {118, 40},   {112, 176}};
constexpr int NSTONEPTS = sizeof(STONEPTS) / sizeof(STONEPTS[0]);

void crack(cairo_t* cr, const double (*pt)[2], int n, double width) {
    cairo_new_path(cr);
    cairo_move_to(cr, pt[0][0], pt[0][1]);
    for (int i = 1; i < n; i++) cairo_line_to(cr, pt[i][0], pt[i][1]);
    setrgb(cr, shade(STONE, 0.45));
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, pt[0][0] + 2, pt[0][1] + 2);
    for (int i = 1; i < n; i++) cairo_line_to(cr, pt[i][0] + 2, pt[i][1] + 2);
    setrgb(cr, STONELIGHT, 0.7);
    cairo_set_line_width(cr, width * 0.4);
    cairo_stroke(cr);
}

void stonecracks(cairo_t* cr, int stage) {
    if (stage >= 2) {
        const double c1[][2] = {{40, -150}, {30, -110}, {44, -80}, {28, -40}, {36, -10}};
        crack(cr, c1, 5, 4);
    }
    if (stage >= 3) {
        const double c2[][2] = {{-96, 20}, {-66, 30}, {-50, 60}, {-20, 66}, {-6, 100}};
        crack(cr, c2, 5, 4);
        const double c3[][2] = {{28, -40}, {60, -20}, {74, 10}};
        crack(cr, c3, 3, 3);
    }
    if (stage >= 4) {
        const double c4[][2] = {{-6, 100}, {10, 130}, {-4, 176}};
        crack(cr, c4, 3, 4);
        const double c5[][2] = {{90, 60}, {60, 80}, {54, 120}};
        crack(cr, c5, 3, 3);
    }
}

// The stone's body, with the bites that earlier blows took out of it.
void stonebody(cairo_t* cr, int stage) {
    cairo_push_group(cr);
    blob(cr, STONEPTS, NSTONEPTS, 0.7);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, -170, 0, 176);
    art::addstop(g, 0, STONELIGHT);
    art::addstop(g, 0.45, STONE);
    art::addstop(g, 1, shade(STONE, 0.7));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    inside(cr, [&] {
        // flat facets catch the light
        const double facets[][4] = {{-70, -110, 40, 26}, {50, -90, 30, 40}, {-80, 40, 26, 50}, {70, 90, 30, 40}};
        for (auto& f : facets) {
            ellipse(cr, f[0], f[1], f[2], f[3]);
            setrgb(cr, STONELIGHT, 0.35);
            cairo_fill(cr);
        }
        toplight(cr, -10, -120, 100, 70, 0.3);
        // moss on the crown
        cairo_new_path(cr);
        cairo_move_to(cr, -100, -90);
        cairo_curve_to(cr, -60, -200, 60, -200, 110, -80);
        cairo_curve_to(cr, 80, -104, 60, -96, 40, -118);
        cairo_curve_to(cr, 20, -100, 0, -110, -20, -124);
        cairo_curve_to(cr, -40, -100, -70, -110, -100, -90);
        cairo_close_path(cr);
        fillout(cr, MOSS, 2, 0.7);
        // pebbly spots
        const double spots[][3] = {{-60, 120, 5}, {40, 140, 4}, {80, 20, 4}, {-90, -10, 3}, {10, 100, 3}};
        for (auto& q : spots) {
            ellipse(cr, q[0], q[1], q[2], q[2] * 0.8);
            setrgb(cr, shade(STONE, 0.75));
            cairo_fill(cr);
        }
    });
    setrgb(cr, shade(STONE, 0.5));
    cairo_set_line_width(cr, 3.2);
    cairo_stroke(cr);
    // the cracks belong to the rock, so the bites take them away too
    stonecracks(cr, stage);
    // the bites: cut out, then their broken faces shaded
    struct Bite {
        int from, to, n;
        double pts[8][2];
    };
    static const Bite bites[] = {
        {3, 4, 6, {{64, -160}, {130, -160}, {130, -40}, {102, -52}, {86, -90}, {58, -122}}},        // shoulder
        {4, 4, 6, {{-130, -200}, {6, -200}, {-4, -150}, {-34, -126}, {-74, -104}, {-130, -84}}},   // crown
        {4, 4, 5, {{-130, -10}, {-100, -14}, {-84, 24}, {-100, 52}, {-130, 60}}},                  // flank
        // split down the middle: only the right half still stands
        {5, 5, 8, {{-130, -200}, {4, -200}, {-10, -120}, {12, -50}, {-12, 30}, {8, 110}, {-16, 190}, {-130, 190}}},
        {5, 5, 5, {{70, -200}, {130, -200}, {130, -110}, {100, -126}, {84, -160}}},                // its top corner
    };
    for (const Bite& b : bites) {
        if (stage < b.from || stage > b.to) continue;
        cairo_new_path(cr);
        cairo_move_to(cr, b.pts[0][0], b.pts[0][1]);
        for (int i = 1; i < b.n; i++) cairo_line_to(cr, b.pts[i][0], b.pts[i][1]);
        cairo_close_path(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
        setrgb(cr, pal::white);
        cairo_fill_preserve(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
        tube(cr, shade(STONE, 0.5), shade(STONE, 0.8), 7, 2.5);
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    }
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
}

// The face. Grumpy while whole; more and more rattled as it breaks.
void stoneface(cairo_t* cr, int stage) {
    // on the last half (stage 5) the face squeezes onto what still stands
    double fy = stage >= 5 ? -40 : -30;
    double lid = stage <= 2 ? 0.4 : stage == 3 ? 0.3 : 0.15;
    double lx = stage >= 5 ? 38 : -34, rx = stage >= 5 ? 84 : 34;
    if (stage == 2) {
        eye(cr, lx, fy, 20, 0.1, 0.1, lid, STONE);
        shuteye(cr, rx, fy, 18, STONE);
    } else {
        double r = stage >= 5 ? 17 : 20;
        eye(cr, lx, fy, r, stage >= 4 ? -0.2 : 0.2, 0.1, lid, STONE);
        eye(cr, rx, fy, r, stage >= 4 ? -0.2 : 0.2, 0.1, lid, STONE);
    }
    // heavy stone brows: pulled down to the middle, lifted in worry later
    double tilt = stage >= 4 ? -10 : 12;
    brow(cr, lx - 24, fy - 34 - tilt * 0.5, lx + 18, fy - 34 + tilt * 0.5, 9);
    brow(cr, rx + 24, fy - 34 - tilt * 0.5, rx - 18, fy - 34 + tilt * 0.5, 9);
    // mouth: a sulky frown, wobbling once it is badly hurt
    cairo_new_path(cr);
    double my = fy + 52, mx = (lx + rx) / 2;
    if (stage >= 4) {
        cairo_move_to(cr, mx - 26, my);
        for (int k = 1; k <= 4; k++) cairo_line_to(cr, mx - 26 + k * 13, my + ((k % 2) ? -5 : 3));
    } else {
        cairo_move_to(cr, mx - 24, my + 6);
        cairo_curve_to(cr, mx - 12, my - 8, mx + 12, my - 8, mx + 24, my + 6);
    }
    setrgb(cr, shade(STONE, 0.35));
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
}

void rubble(cairo_t* cr) {
    // a heap of the broken pieces, the little face on the top one
    const double heap[][4] = {{-80, 150, 52, 32}, {70, 152, 56, 30}, {-10, 160, 64, 24},
                              {-40, 118, 44, 30}, {40, 120, 40, 28}, {2, 84, 46, 36}};
    for (auto& h : heap) {
        const double pts[][2] = {{h[0] - h[2], h[1] + h[3] * 0.8}, {h[0] - h[2] * 0.8, h[1] - h[3] * 0.5},
                                 {h[0] - h[2] * 0.1, h[1] - h[3]},   {h[0] + h[2] * 0.8, h[1] - h[3] * 0.6},
                                 {h[0] + h[2], h[1] + h[3] * 0.8}};
        blob(cr, pts, 5, 0.6);
        setrgb(cr, STONE);
        cairo_fill_preserve(cr);
        inside(cr, [&] { toplight(cr, h[0] - h[2] * 0.2, h[1] - h[3] * 0.6, h[2], h[3], 0.35); });
        setrgb(cr, shade(STONE, 0.5));
        cairo_set_line_width(cr, 2.8);
        cairo_stroke(cr);
    }
    // a tuft of the old moss still on the top stone
    cairo_new_path(cr);
    cairo_move_to(cr, -30, 60);
    cairo_curve_to(cr, -10, 40, 20, 40, 36, 58);
    cairo_curve_to(cr, 10, 54, -10, 56, -30, 60);
    fillout(cr, MOSS, 2, 0.7);
    shuteye(cr, -14, 82, 9, STONE);
    shuteye(cr, 16, 82, 9, STONE);
    cairo_new_path(cr);
    cairo_arc(cr, 1, 112, 9, rad(215), rad(325));
    setrgb(cr, shade(STONE, 0.35));
    cairo_set_line_width(cr, 3.5);
    cairo_stroke(cr);
}

}  // namespace

void stone(cairo_t* cr, double x, double y, double s, int stage, bool flip) {
    if (stage < 1) return;
    place(cr, x, y, s, flip);
    // a soft contact shadow on the sea floor
    cairo_save(cr);
    cairo_translate(cr, 0, 171);
    cairo_scale(cr, 126, 8);
    cairo_pattern_t* sh = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    art::addstop(sh, 0, pal::waterdeep, 0.45);
    art::addstop(sh, 1, pal::waterdeep, 0);
    cairo_set_source(cr, sh);
    cairo_arc(cr, 0, 0, 1, 0, 2 * PI);
    cairo_fill(cr);
    cairo_pattern_destroy(sh);
    cairo_restore(cr);
    if (stage >= 6) {
        rubble(cr);
    } else {
        stonebody(cr, stage);
        stoneface(cr, stage);
        if (stage >= 3) {  // a little dust of grit still falling off
            for (int k = 0; k < 3; k++) {
                ellipse(cr, 96 - k * 9, -30 + k * 22, 3 - k * 0.6, 3 - k * 0.6);
                setrgb(cr, shade(STONE, 0.8));
                cairo_fill(cr);
            }
        }
    }
    cairo_restore(cr);
}

void stonefragment(cairo_t* cr, double x, double y, double s, int n) {
    if (n < 1 || n > 8) return;
    // eight chips, each its own shape and size, all of the stone's rock
    static const double shapes[8][6][2] = {
        {{-24, -10}, {-6, -24}, {20, -18}, {26, 6}, {6, 22}, {-20, 16}},
        {{-18, -16}, {10, -22}, {24, -2}, {14, 18}, {-10, 20}, {-24, 2}},
        {{-26, 0}, {-12, -20}, {14, -22}, {28, -4}, {16, 16}, {-14, 18}},
        {{-14, -20}, {12, -14}, {20, 8}, {4, 20}, {-16, 14}, {-20, -4}},
        {{-22, -8}, {0, -18}, {22, -12}, {18, 12}, {-2, 18}, {-22, 10}},
        {{-16, -22}, {8, -24}, {22, -6}, {18, 16}, {-6, 24}, {-22, 6}},
        {{-28, -6}, {-8, -16}, {16, -20}, {26, 2}, {10, 14}, {-18, 14}},
        {{-12, -14}, {10, -16}, {16, 0}, {8, 14}, {-10, 14}, {-16, 0}},
    };
    place(cr, x, y, s, false);
    blob(cr, shapes[n - 1], 6, 0.45);
    setrgb(cr, STONE);
    cairo_fill_preserve(cr);
    inside(cr, [&] {
        toplight(cr, -4, -12, 24, 16, 0.45);
        cairo_move_to(cr, -20, 6);
        cairo_line_to(cr, 18, -8);
        setrgb(cr, shade(STONE, 0.7), 0.6);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        if (n % 3 == 0) {  // some still carry a little of the moss
            ellipse(cr, -6, -22, 16, 8);
            setrgb(cr, MOSS);
            cairo_fill(cr);
        }
    });
    setrgb(cr, shade(STONE, 0.5));
    cairo_set_line_width(cr, 2.6);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// ---- the anglerfish ------------------------------------------------------------

namespace {
const RGB ANGLER = art::hex(0x6F5FA8);
const RGB ANGLERBELLY = art::hex(0xB9A8E0);
const RGB ANGLERFIN = art::hex(0x8A76C4);
const RGB BULB = art::hex(0xFFE68A);
}  // namespace

void anglerfish(cairo_t* cr, double x, double y, double s, bool flip) {
    place(cr, x, y, s, flip);
    const double cx = -10, cy = 20, rx = 112, ry = 88;
    // tail
    cairo_new_path(cr);
    cairo_move_to(cr, cx - rx + 14, cy);
    cairo_curve_to(cr, cx - rx - 14, cy - 20, cx - rx - 40, cy - 56, cx - rx - 54, cy - 50);
    cairo_curve_to(cr, cx - rx - 40, cy - 16, cx - rx - 40, cy + 16, cx - rx - 54, cy + 50);
    cairo_curve_to(cr, cx - rx - 40, cy + 56, cx - rx - 14, cy + 20, cx - rx + 14, cy);
    cairo_close_path(cr);
    fillout(cr, ANGLERFIN);
    // dorsal fin with soft rays
    cairo_new_path(cr);
    cairo_move_to(cr, cx - 70, cy - 60);
    cairo_curve_to(cr, cx - 74, cy - 104, cx - 20, cy - 112, cx + 0, cy - 84);
    cairo_close_path(cr);
    fillout(cr, ANGLERFIN);
    // the lure: a stalk arching forward from the forehead to the bulb
    double bx = ANGLER_BULB.dx, by = ANGLER_BULB.dy;
    cairo_new_path(cr);
    cairo_move_to(cr, cx + 40, cy - 78);
    cairo_curve_to(cr, cx + 50, cy - 150, bx - 30, by - 40, bx - 4, by - 8);
    tube(cr, shade(ANGLER, 0.55), ANGLERFIN, 8, 4.5);
    ellipse(cr, bx, by, 13, 13);
    fillout(cr, BULB, 2.4, 0.6);
    ellipse(cr, bx - 4, by - 5, 4, 4);
    setrgb(cr, pal::white, 0.9);
    cairo_fill(cr);
    // body
    ellipse(cr, cx, cy, rx, ry);
    setrgb(cr, ANGLER);
    cairo_fill_preserve(cr);
    inside(cr, [&] {
        ellipse(cr, cx + 14, cy + ry * 0.78, rx * 0.9, ry * 0.45);
        setrgb(cr, ANGLERBELLY);
        cairo_fill(cr);
        const double spots[][3] = {{-70, -30, 6}, {-50, -56, 5}, {-84, 4, 4}, {-30, -40, 4}, {-60, 30, 4}};
        for (auto& q : spots) {
            ellipse(cr, cx + q[0] + 10, cy + q[1], q[2], q[2]);
            setrgb(cr, ANGLERBELLY, 0.55);
            cairo_fill(cr);
        }
        toplight(cr, cx - 10, cy - 40, rx * 0.8, ry * 0.5, 0.3);
    });
    setrgb(cr, shade(ANGLER, 0.5));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // the big sulky underbite: a wide mouth with four blunt teeth
    double mx = cx + 62, my = cy + 34;
    cairo_new_path(cr);
    cairo_move_to(cr, mx - 40, my - 4);
    cairo_curve_to(cr, mx - 10, my + 4, mx + 30, my - 2, mx + 50, my - 16);
    cairo_curve_to(cr, mx + 52, my + 18, mx + 20, my + 36, mx - 10, my + 30);
    cairo_curve_to(cr, mx - 30, my + 26, mx - 40, my + 10, mx - 40, my - 4);
    cairo_close_path(cr);
    fillout(cr, MOUTHDARK, 2.6, 0.6);
    const double teeth[][2] = {{mx - 24, my - 1}, {mx - 2, my + 1}, {mx + 20, my - 4}, {mx + 40, my - 11}};
    for (auto& t : teeth) {
        cairo_new_path(cr);
        cairo_move_to(cr, t[0] - 6, t[1] + 1);
        cairo_curve_to(cr, t[0] - 4, t[1] - 9, t[0] + 4, t[1] - 9, t[0] + 6, t[1] + 1);
        cairo_close_path(cr);
        fillout(cr, pal::white, 1.6, 0.7);
    }
    // pectoral fin
    cairo_new_path(cr);
    cairo_move_to(cr, cx + 0, cy + 20);
    cairo_curve_to(cr, cx - 20, cy + 4, cx - 46, cy + 16, cx - 44, cy + 40);
    cairo_curve_to(cr, cx - 30, cy + 50, cx - 10, cy + 44, cx + 0, cy + 20);
    cairo_close_path(cr);
    fillout(cr, ANGLERFIN, 2.2);
    // one big eye under a heavy lid, the far one peeking over the head
    eye(cr, cx + 74, cy - 42, 14, 0.4, 0, 0.45, ANGLER);
    eye(cr, cx + 44, cy - 34, 24, 0.4, 0.1, 0.42, ANGLER);
    brow(cr, cx + 22, cy - 68, cx + 60, cy - 58, 7);
    brow(cr, cx + 88, cy - 64, cx + 70, cy - 58, 5.5);
    art::glow(cr, cx + 78, cy - 6, 13, art::hex(0xFF7FB0), 0.4);
    cairo_restore(cr);
}

void anglerlight(cairo_t* cr, double x, double y, double s, int which) {
    place(cr, x, y, s, false);
    bool full = which != 2;
    RGB c = full ? art::hex(0xFFE27A) : art::hex(0xD8F070);
    double r = full ? 78 : 58;
    art::glow(cr, 0, 0, r, c, full ? 0.75 : 0.55);
    art::glow(cr, 0, 0, r * 0.45, art::hex(0xFFF8D8), full ? 0.9 : 0.6);
    // soft rays, fewer on the flicker
    int rays = full ? 8 : 5;
    for (int k = 0; k < rays; k++) {
        cairo_save(cr);
        cairo_rotate(cr, rad(k * 360.0 / rays + (full ? 10 : 30)));
        cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, r, 0);
        art::addstop(p, 0, c, 0.5);
        art::addstop(p, 1, c, 0);
        cairo_set_source(cr, p);
        cairo_new_path(cr);
        cairo_move_to(cr, 0, -4);
        cairo_line_to(cr, r, 0);
        cairo_line_to(cr, 0, 4);
        cairo_close_path(cr);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
        cairo_restore(cr);
    }
    cairo_restore(cr);
}

// ---- the robber crab, its prisoners, chains and ink -----------------------------

namespace {
const RGB ROBBER = art::hex(0x7A5AB8);
const RGB ROBBERLIGHT = art::hex(0xA58AD8);
const RGB MASK = art::hex(0x2A2238);

void claw(cairo_t* cr, double rx, double ry, double angle, double size, RGB c) {
    cairo_save(cr);
    cairo_translate(cr, rx, ry);
    cairo_rotate(cr, rad(angle));
    // the arm
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, size * 0.9, 0);
    tube(cr, shade(c, 0.5), c, size * 0.34, size * 0.24);
    // the pincer: a fat lower half and a thinner upper one, a gap between
    double px = size * 0.85;
    cairo_new_path(cr);
    cairo_move_to(cr, px, size * 0.1);
    cairo_curve_to(cr, px + size * 0.1, size * 0.75, px + size * 1.2, size * 0.7, px + size * 1.25, size * 0.05);
    cairo_line_to(cr, px + size * 0.6, size * 0.02);
    cairo_close_path(cr);
    fillout(cr, c, 2.6);
    cairo_new_path(cr);
    cairo_move_to(cr, px, -size * 0.1);
    cairo_curve_to(cr, px + size * 0.15, -size * 0.6, px + size * 1.0, -size * 0.62, px + size * 1.2, -size * 0.14);
    cairo_line_to(cr, px + size * 0.6, -size * 0.08);
    cairo_close_path(cr);
    fillout(cr, c, 2.6);
    cairo_restore(cr);
}
}  // namespace

void robbercrab(cairo_t* cr, double x, double y, double s, bool flip) {
    place(cr, x, y, s, flip);
    // legs, three a side
    for (int side = -1; side <= 1; side += 2)
        for (int k = 0; k < 3; k++) {
            double lx = side * (58 + k * 20), ly = 50 + k * 8;
            cairo_new_path(cr);
            cairo_move_to(cr, lx, ly);
            cairo_curve_to(cr, lx + side * 34, ly + 2, lx + side * 46, ly + 36, lx + side * 42, ly + 62);
            tube(cr, shade(ROBBER, 0.5), ROBBER, 13, 8);
        }
    // claws raised on both sides, the front one bigger
    claw(cr, -92, 20, -130, 44, ROBBER);
    claw(cr, 92, 20, -50, 50, ROBBER);
    // eye stalks
    for (int k = -1; k <= 1; k += 2) {
        cairo_new_path(cr);
        cairo_move_to(cr, k * 26, -10);
        cairo_line_to(cr, k * 30, -40);
        tube(cr, shade(ROBBER, 0.5), ROBBER, 12, 7);
    }
    // shell
    auto shell = [&] {
        cairo_new_path(cr);
        cairo_move_to(cr, -104, 30);
        cairo_curve_to(cr, -104, -52, 104, -52, 104, 30);
        cairo_curve_to(cr, 104, 80, -104, 82, -104, 30);
        cairo_close_path(cr);
    };
    shell();
    setrgb(cr, ROBBER);
    cairo_fill_preserve(cr);
    inside(cr, [&] {
        toplight(cr, -10, -10, 90, 36, 0.35);
        const double spots[][3] = {{-60, 4, 8}, {54, 0, 7}, {-20, -12, 5}, {30, -18, 4}, {80, 30, 5}, {-84, 36, 5}};
        for (auto& q : spots) {
            ellipse(cr, q[0], q[1], q[2], q[2] * 0.8);
            setrgb(cr, ROBBERLIGHT, 0.8);
            cairo_fill(cr);
        }
    });
    setrgb(cr, shade(ROBBER, 0.5));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // the bandit's mask: a dark band across both eyes, its ends tied behind
    cairo_new_path(cr);
    cairo_move_to(cr, -62, -64);
    cairo_curve_to(cr, -30, -76, 30, -76, 62, -64);
    cairo_curve_to(cr, 66, -48, 62, -26, 52, -22);
    cairo_curve_to(cr, 30, -28, 10, -38, 0, -34);
    cairo_curve_to(cr, -10, -38, -30, -28, -52, -22);
    cairo_curve_to(cr, -62, -26, -66, -48, -62, -64);
    cairo_close_path(cr);
    fillout(cr, MASK, 2.4, 1.6);
    for (int k = -1; k <= 1; k += 2) {  // the knot's ribbons
        cairo_new_path(cr);
        cairo_move_to(cr, k * 60, -52);
        cairo_curve_to(cr, k * 78, -56, k * 84, -42, k * 90, -34);
        cairo_move_to(cr, k * 60, -46);
        cairo_curve_to(cr, k * 74, -42, k * 80, -28, k * 80, -20);
        setrgb(cr, MASK);
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
    }
    eye(cr, -30, -46, 17, 0.35, 0.1, 0.38, MASK);
    eye(cr, 30, -46, 17, 0.35, 0.1, 0.38, MASK);
    brow(cr, -50, -78, -14, -68, 7);
    brow(cr, 50, -78, 14, -68, 7);
    // a sulky mouth
    cairo_new_path(cr);
    cairo_move_to(cr, -20, 34);
    cairo_curve_to(cr, -8, 24, 8, 24, 20, 34);
    setrgb(cr, shade(ROBBER, 0.3));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    art::glow(cr, -52, 24, 12, art::hex(0xFF7FB0), 0.35);
    art::glow(cr, 52, 24, 12, art::hex(0xFF7FB0), 0.35);
    cairo_restore(cr);
}

void prisoner(cairo_t* cr, int which, double x, double y, double s, bool happy, bool flip) {
    place(cr, x, y, s, flip);
    if (which == 2) {
        // the starfish
        const RGB STAR = art::hex(0xFF8FB0);
        art::starfish(cr, 0, 4, 62, -90, STAR);
        double lid = happy ? 0 : 0.3;
        eye(cr, -12, -6, 11, happy ? 0 : -0.2, happy ? 0 : 0.5, lid, STAR);
        eye(cr, 12, -6, 11, happy ? 0 : -0.2, happy ? 0 : 0.5, lid, STAR);
        cairo_new_path(cr);
        if (happy) cairo_arc(cr, 0, 10, 9, rad(20), rad(160));
        else cairo_arc(cr, 0, 20, 8, rad(210), rad(330));
        setrgb(cr, shade(STAR, 0.35));
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        if (happy) {
            sparkle(cr, 40, -40, 9);
            sparkle(cr, -44, -30, 7);
        } else {
            brow(cr, -20, -24, -6, -28, 3.5);
            brow(cr, 20, -24, 6, -28, 3.5);
        }
    } else {
        // the little yellow fish
        const RGB FISH = art::hex(0xFFD84A), FIN = art::hex(0xFFA63A);
        cairo_new_path(cr);
        cairo_move_to(cr, -40, 4);
        cairo_curve_to(cr, -56, -10, -66, -30, -72, -28);
        cairo_curve_to(cr, -66, -10, -66, 14, -72, 34);
        cairo_curve_to(cr, -64, 36, -54, 20, -40, 4);
        cairo_close_path(cr);
        fillout(cr, FIN);
        cairo_new_path(cr);
        cairo_move_to(cr, -24, -34);
        cairo_curve_to(cr, -18, -56, 18, -58, 24, -36);
        cairo_close_path(cr);
        fillout(cr, FIN);
        ellipse(cr, 2, 4, 50, 40);
        setrgb(cr, FISH);
        cairo_fill_preserve(cr);
        inside(cr, [&] {
            for (int k = 0; k < 2; k++) {
                cairo_rectangle(cr, -22 + k * 22, -40, 9, 90);
                setrgb(cr, art::hex(0x5AB0F0), 0.85);
                cairo_fill(cr);
            }
            toplight(cr, 0, -14, 44, 24, 0.35);
        });
        setrgb(cr, shade(FISH, 0.55));
        cairo_set_line_width(cr, 2.6);
        cairo_stroke(cr);
        double lid = happy ? 0 : 0.28;
        eye(cr, 28, -6, 13, happy ? 0.3 : -0.1, happy ? 0 : 0.5, lid, FISH);
        cairo_new_path(cr);
        if (happy) cairo_arc(cr, 38, 16, 8, rad(20), rad(160));
        else cairo_arc(cr, 38, 26, 7, rad(210), rad(330));
        setrgb(cr, shade(FISH, 0.35));
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        if (happy) {
            sparkle(cr, 44, -40, 9);
        } else {
            brow(cr, 16, -26, 36, -24, 3.5);
            // a tear
            cairo_new_path(cr);
            cairo_move_to(cr, 24, 8);
            cairo_curve_to(cr, 28, 14, 30, 18, 27, 21);
            cairo_curve_to(cr, 23, 23, 20, 19, 24, 8);
            fillout(cr, art::hex(0x9FE6FF), 1.4, 0.6);
        }
    }
    cairo_restore(cr);
}

namespace {
const RGB IRON = art::hex(0x7D8794);

void link(cairo_t* cr, double x, double y, double angle, double len) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, rad(angle));
    art::roundrect(cr, -len / 2, -6, len, 12, 6);
    tube(cr, shade(IRON, 0.5), IRON, 6.5, 3.5);
    cairo_move_to(cr, -len / 2 + 5, -5);
    cairo_line_to(cr, len / 2 - 5, -5);
    setrgb(cr, art::hex(0xC8D0DA), 0.8);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    cairo_restore(cr);
}
}  // namespace

void chain(cairo_t* cr, int which, double x, double y, double s) {
    place(cr, x, y, s, false);
    if (which == 3) {
        // a broken chain lying open on the ground
        const double links[][3] = {{-62, 14, 10}, {-42, 8, -20}, {-22, 10, 30}, {2, 16, 0}, {30, 12, -15}};
        for (auto& l : links) link(cr, l[0], l[1], l[2], 24);
        cairo_new_path(cr);  // the burst link, bent open
        cairo_arc(cr, 58, 10, 10, rad(40), rad(300));
        tube(cr, shade(IRON, 0.5), IRON, 6.5, 3.5);
        sparkle(cr, 70, -14, 8);
        cairo_restore(cr);
        return;
    }
    // the cuff (an iron ring round the prisoner), the chain hanging down to a
    // round weight on the floor
    double side = which == 1 ? -1 : 1;
    double cy = -60;
    ellipse(cr, 0, cy, 26, 9);
    tube(cr, shade(IRON, 0.5), IRON, 9, 5);
    for (int k = 0; k < 6; k++) {
        double t = k / 5.0;
        double lx = side * 6 * std::sin(t * PI), ly = cy + 18 + t * 96;
        link(cr, lx, ly, 90, k % 2 ? 18 : 22);
    }
    ellipse(cr, 0, 62, 24, 20);
    setrgb(cr, art::hex(0x4A5260));
    cairo_fill_preserve(cr);
    inside(cr, [&] { toplight(cr, -6, 54, 20, 14, 0.4); });
    setrgb(cr, art::hex(0x2A2E38));
    cairo_set_line_width(cr, 2.6);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void crabink(cairo_t* cr, double x, double y, double s) {
    place(cr, x, y, s, false);
    // overlapping soft puffs of ink: dense in the middle, wispy at the edges
    const double puffs[][3] = {{0, 10, 110}, {-120, 20, 90}, {120, 14, 92}, {-200, 40, 60}, {200, 36, 64},
                               {-60, -30, 80}, {64, -34, 78}, {0, 50, 90}};
    const RGB INK = art::hex(0x2A1E4A);
    for (auto& p : puffs) {
        cairo_pattern_t* g = cairo_pattern_create_radial(p[0], p[1], 0, p[0], p[1], p[2]);
        art::addstop(g, 0, INK, 0.7);
        art::addstop(g, 0.6, INK, 0.45);
        art::addstop(g, 1, INK, 0);
        cairo_set_source(cr, g);
        cairo_arc(cr, p[0], p[1], p[2], 0, 2 * PI);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    }
    // curls of lighter violet inside the cloud
    const double curls[][3] = {{-90, 0, 24}, {60, -10, 20}, {150, 30, 14}, {-170, 40, 12}, {10, 40, 16}};
    for (auto& c : curls) {
        cairo_new_path(cr);
        cairo_arc(cr, c[0], c[1], c[2], rad(200), rad(520));
        cairo_arc_negative(cr, c[0] + c[2] * 0.3, c[1], c[2] * 0.5, rad(160), rad(-60));
        setrgb(cr, art::hex(0x6A58A8), 0.55);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

}  // namespace cast
