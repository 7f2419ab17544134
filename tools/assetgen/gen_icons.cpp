// The application icon for the desktop's icon theme, at every size a menu,
// a launcher or a software centre asks for. The small sizes keep the window
// icon's drawing (the water disc, the sand, the coral fish and a bubble) so
// that the menu entry and the running window look alike; from 48 pixels up
// there is room for what the game is about: two cards fanned behind the fish.
// The files go to "desktopicons/" of the data folder; the install rules move
// them into the icon theme rather than into the game's data.
#include "art.h"
#include "assetlib.h"

#include <algorithm>
#include <cmath>
#include <string>

using namespace art;

namespace {

constexpr double kPi = 3.14159265358979323846;

// ---- the large sizes, on a 512-unit grid --------------------------------------

constexpr double kMid = 256, kDisc = 236;
constexpr double kCardW = 150, kCardH = 222, kCardR = 16;  // the game's 96 x 142 card

void heart(cairo_t* cr, double x, double y, double s) {
    cairo_move_to(cr, x, y + 0.42 * s);
    cairo_curve_to(cr, x - 0.62 * s, y - 0.02 * s, x - 0.44 * s, y - 0.58 * s, x, y - 0.26 * s);
    cairo_curve_to(cr, x + 0.44 * s, y - 0.58 * s, x + 0.62 * s, y - 0.02 * s, x, y + 0.42 * s);
    cairo_close_path(cr);
    setrgb(cr, pal::suitred);
    cairo_fill(cr);
}

void cardshape(cairo_t* cr, void*) { roundrect(cr, -kCardW / 2, -kCardH / 2, kCardW, kCardH, kCardR); }

// A card centred at (x, y), turned by `angle`; the face shows the ace of
// hearts, the back the water-and-pearl pattern of the first card back.
void card(cairo_t* cr, double x, double y, double angle, bool face, bool detail) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    dropshadowpath(cr, cardshape, nullptr, 0, 8, detail ? 10 : 4, 0.35);
    cardshape(cr, nullptr);
    setrgb(cr, pal::paper);
    cairo_fill_preserve(cr);
    setrgb(cr, pal::cardborder);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    if (face) {
        heart(cr, 0, 0, 86);
        if (detail) {
            cairo_set_font_face(cr, font("Bold"));
            cairo_set_font_size(cr, 40);
            setrgb(cr, pal::suitred);
            cairo_move_to(cr, -kCardW / 2 + 14, -kCardH / 2 + 46);
            cairo_show_text(cr, "A");
            heart(cr, -kCardW / 2 + 28, -kCardH / 2 + 68, 26);
        }
    } else {
        double in = 13;
        roundrect(cr, -kCardW / 2 + in, -kCardH / 2 + in, kCardW - 2 * in, kCardH - 2 * in, kCardR - 6);
        cairo_pattern_t* p = cairo_pattern_create_linear(0, -kCardH / 2, 0, kCardH / 2);
        addstop(p, 0, pal::watertop);
        addstop(p, 1, pal::waterdeep);
        cairo_set_source(cr, p);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(p);
        cairo_clip(cr);
        // a lattice of pearls
        for (int row = -5; row <= 5; ++row)
            for (int col = -3; col <= 3; ++col) {
                double px = col * 34 + (row % 2 ? 17 : 0), py = row * 26;
                cairo_arc(cr, px, py, 6, 0, 2 * kPi);
                setrgb(cr, pal::pearl, 0.85);
                cairo_fill_preserve(cr);
                setrgb(cr, pal::pearlrim);
                cairo_set_line_width(cr, 2);
                cairo_stroke(cr);
            }
        cairo_reset_clip(cr);
    }
    cairo_restore(cr);
}

void largeicon(cairo_t* cr, int px) {
    Rng rng(0x1C0 + px);
    bool detail = px >= 128;
    // the water disc
    cairo_arc(cr, kMid, kMid, kDisc, 0, 2 * kPi);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, kMid - kDisc, 0, kMid + kDisc);
    addstop(p, 0, pal::watertop);
    addstop(p, 0.55, pal::watermid);
    addstop(p, 1, pal::waterdeep);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);

    cairo_save(cr);
    cairo_arc(cr, kMid, kMid, kDisc - 4, 0, 2 * kPi);
    cairo_clip(cr);
    if (px >= 64) godrays(cr, 512, 512, 4, 0.12, rng);
    if (detail) caustics(cr, 0, 0, 512, 300, 64, 0.10, rng);
    if (px >= 64) kelp(cr, 92, 470, 250, 26, pal::kelp, rng, 0.7);
    if (px >= 64) seaweed(cr, 420, 430, 90, pal::kelpdark, rng, 5);
    // the sand
    cairo_move_to(cr, 0, 400);
    cairo_curve_to(cr, 160, 352, 352, 352, 512, 400);
    cairo_line_to(cr, 512, 512);
    cairo_line_to(cr, 0, 512);
    cairo_close_path(cr);
    cairo_pattern_t* s = cairo_pattern_create_linear(0, 360, 0, 512);
    addstop(s, 0, pal::sandlight);
    addstop(s, 1, pal::sand);
    cairo_set_source(cr, s);
    cairo_fill(cr);
    cairo_pattern_destroy(s);
    if (detail) starfish(cr, 370, 440, 26, 0.3, pal::coral);
    // the cards, fanned, and the fish swimming past them
    card(cr, 205, 218, -0.24, false, detail);
    card(cr, 305, 208, 0.18, true, detail);
    fish(cr, 246, 330, 300, pal::coralorange, pal::white, false);
    bubble(cr, 420, 196, 18);
    bubble(cr, 438, 152, 11);
    if (px >= 64) bubble(cr, 426, 118, 7);
    cairo_restore(cr);

    // light from above on the rim, then the outline
    cairo_save(cr);
    cairo_arc(cr, kMid, kMid, kDisc - 14, 1.15 * kPi, 1.85 * kPi);
    setrgb(cr, pal::white, 0.35);
    cairo_set_line_width(cr, 8);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_arc(cr, kMid, kMid, kDisc, 0, 2 * kPi);
    setrgb(cr, pal::textoutline);
    // never thinner than a pixel and a half at the size drawn
    cairo_set_line_width(cr, std::max(18.0, 1.5 * 512.0 / px));
    cairo_stroke(cr);
}

}  // namespace

AL_GENERATOR(desktopicons) {
    for (int px : {16, 32, 48, 64, 128, 256, 512}) {
        Canvas c = canvas(px, px);
        cairo_t* cr = c.cr;
        if (px <= 32) {
            cairo_scale(cr, px / 32.0, px / 32.0);
            windowicon(cr);
        } else {
            cairo_scale(cr, px / 512.0, px / 512.0);
            largeicon(cr, px);
        }
        std::string n = std::to_string(px);
        al::savepng(c.surface, "desktopicons/" + n + "x" + n + ".png");
        done(c);
    }
}
