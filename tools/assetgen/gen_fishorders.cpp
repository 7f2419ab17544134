// The order bubbles of the fish over the card table: a glassy bubble around
// a fish, tinted by how many combos the fish wants (1 sea green, 2 gold,
// 3 coral) so that the demanding fish stand out, and the small bubble that
// carries one order's number.
#include <cmath>
#include <string>

#include "art.h"
#include "assetlib.h"

using namespace art;

namespace {

constexpr double PI = 3.14159265358979323846;

// Clear in the middle so the fish shows through, rim-lit at the edge.
void glassbubble(cairo_t* cr, double cx, double cy, double r, RGB tint, double rim) {
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, r * 0.55, cx, cy, r);
    addstop(p, 0, tint, 0.0);
    addstop(p, 0.7, tint, 0.18);
    addstop(p, 1, mix(tint, pal::white, 0.4), 0.55);
    cairo_set_source(cr, p);
    cairo_arc(cr, cx, cy, r, 0, 2 * PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    setrgb(cr, mix(tint, pal::white, 0.6), 0.85);
    cairo_set_line_width(cr, rim);
    cairo_arc(cr, cx, cy, r - rim / 2, 0, 2 * PI);
    cairo_stroke(cr);
    // the glint, upper left
    setrgb(cr, pal::white, 0.8);
    cairo_set_line_width(cr, rim * 1.4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_arc(cr, cx, cy, r * 0.78, 200 * PI / 180, 240 * PI / 180);
    cairo_stroke(cr);
    cairo_arc(cr, cx - r * 0.3, cy - r * 0.62, rim * 0.9, 0, 2 * PI);
    cairo_fill(cr);
}

}  // namespace

AL_GENERATOR(gen_fishorders) {
    const RGB tints[4] = {pal::white, pal::kelp, pal::gold, pal::coral};
    for (int t = 1; t <= 3; t++) {
        Canvas c = canvas(160, 160);
        glow(c.cr, 80, 80, 78, tints[t], 0.25);
        glassbubble(c.cr, 80, 80, 72, tints[t], 3);
        // one small pip per order along the bottom rim
        for (int k = 0; k < t; k++) {
            double a = (90 + (k - (t - 1) / 2.0) * 22) * PI / 180;
            bubble(c.cr, 80 + 72 * std::cos(a), 80 + 72 * std::sin(a), 6, 0.95);
        }
        save(c, "fishes/orderbubble" + std::to_string(t) + ".png");
    }
    Canvas c = canvas(64, 64);
    glow(c.cr, 32, 32, 31, pal::haze, 0.35);
    glassbubble(c.cr, 32, 32, 27, pal::watermid, 2.5);
    save(c, "fishes/pofbubble.png");
}
