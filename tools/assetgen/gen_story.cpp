// The story pictures: the speech bubble, the six resident characters in
// their eleven poses, and the props of the intro (foreground, ship, rock,
// question mark), of story 2 (foreground) and of story 7 (group picture).
//
// One drawing routine per character takes a pose, so the same fish appears
// in every pose and in the story pictures that show it: the proportions
// never drift between files.
#include <cmath>
#include <string>

#include "art.h"
#include "assetlib.h"

namespace {

constexpr double PI = 3.14159265358979323846;
double rad(double deg) { return deg * PI / 180.0; }

using art::hex;
using art::mix;
using art::RGB;
using art::roundrect;
using art::save;
using art::setrgb;
using art::shade;
// Skin of the character being drawn (eyelids take it).
RGB g_skin{1, 1, 1};

// The game's shared palette.
namespace pal = art::pal;
const RGB INK = pal::textoutline;  // outlines of light shapes
const RGB WHITE = pal::white;
const RGB PAPER = pal::paper;
const RGB SAND = pal::sand, SANDLIGHT = pal::sandlight, SANDDARK = pal::sanddark;
const RGB ROCK = pal::rock, ROCKLIGHT = pal::rocklight;
const RGB KELP = pal::kelp, KELPDARK = pal::kelpdark;
const RGB CORAL = pal::coral, CORALORANGE = pal::coralorange, ANEMONE = pal::anemone;
const RGB PLANK = pal::plank, GRAIN = pal::grain, PLANKLIGHT = pal::planklight;
const RGB MOUTH = hex(0x7A1E2A), TONGUE = hex(0xE8606A);

// Fill the current path, then outline it in a darker shade of the fill.
void fillout(cairo_t* cr, RGB fill, double w = 2.6, double dark = 0.55) {
    setrgb(cr, fill);
    cairo_fill_preserve(cr);
    setrgb(cr, shade(fill, dark));
    cairo_set_line_width(cr, w);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

// Clip to the current path, paint inside it, then give the path back for
// the outline that follows.
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

void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * PI);
    cairo_restore(cr);
}

// A soft highlight across the top of a shape (clip to the shape first).
void toplight(cairo_t* cr, double cx, double cy, double rx, double ry, double a = 0.35) {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* p = cairo_pattern_create_radial(0, -0.2, 0, 0, -0.2, 1);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, a);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, 0, 0, 1, 0, 2 * PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

void glowdot(cairo_t* cr, double x, double y, double r, RGB c, double a) {
    cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, r);
    cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, a);
    cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, x, y, r, 0, 2 * PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

// ---- faces -------------------------------------------------------------------

enum Eyes { EOPEN, EHAPPY, EWIDE, ESAD, EUP };
enum Mouth { MSMILE, MBIG, MTALK, MO, MFROWN, MFLAT, MGRIN, MWAVY };
enum Brows { BNONE, BRAISED, BANGRY, BWORRIED };
enum Extra { XNONE = 0, XTEAR = 1, XSWEAT = 2, XSPARKLE = 4, XTHINK = 8, XSPEED = 16 };

struct Pose {
    Eyes eyes;
    Mouth mouth;
    Brows brows;
    double tilt;  // degrees, positive leans forward (to the right)
    double fin;   // 0 resting .. 1 raised high
    int extra;
    double lookx, looky;
};

// Poses 0..10: neutral, happy, talking, surprised, sad, angry, laughing,
// thinking, fighting, waving, scared.
const Pose POSES[11] = {
    {EOPEN, MSMILE, BNONE, 0, 0.1, XNONE, 0.3, 0},
    {EOPEN, MBIG, BRAISED, 0, 0.35, XNONE, 0.3, 0},
    {EOPEN, MTALK, BNONE, 3, 0.25, XNONE, 0.4, 0},
    {EWIDE, MO, BRAISED, -4, 0.6, XNONE, 0.2, -0.1},
    {ESAD, MFROWN, BWORRIED, 4, 0.0, XTEAR, 0.1, 0.4},
    {EOPEN, MGRIN, BANGRY, 6, 0.3, XNONE, 0.5, 0.1},
    {EHAPPY, MBIG, BRAISED, -8, 0.5, XSPARKLE, 0, 0},
    {EUP, MFLAT, BRAISED, 0, 0.45, XTHINK, 0.3, -0.6},
    {EOPEN, MGRIN, BANGRY, 12, 0.15, XSPEED, 0.6, 0},
    {EHAPPY, MBIG, BRAISED, -3, 1.0, XSPARKLE, 0, 0},
    {EWIDE, MWAVY, BWORRIED, -8, 0.7, XSWEAT, -0.4, 0},
};

void eye(cairo_t* cr, double x, double y, double r, const Pose& p) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    if (p.eyes == EHAPPY) {
        cairo_new_path(cr);
        cairo_arc(cr, x, y + r * 0.35, r * 0.75, rad(200), rad(340));
        setrgb(cr, hex(0x1A1A2A));
        cairo_set_line_width(cr, r * 0.28);
        cairo_stroke(cr);
        return;
    }
    double ry = r * (p.eyes == EWIDE ? 1.15 : 1.05);
    ellipse(cr, x, y, r, ry);
    setrgb(cr, WHITE);
    cairo_fill_preserve(cr);
    setrgb(cr, hex(0x1A2A3A), 0.9);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
    double pr = r * (p.eyes == EWIDE ? 0.38 : 0.55);
    double px = x + p.lookx * (r - pr) * 0.8, py = y + p.looky * (r - pr) * 0.8;
    if (p.eyes == EUP) py = y - (r - pr) * 0.7;
    ellipse(cr, px, py, pr, pr * 1.1);
    setrgb(cr, hex(0x1A1A2A));
    cairo_fill(cr);
    // the white glint that makes the eye alive
    ellipse(cr, px + pr * 0.35, py - pr * 0.4, pr * 0.38, pr * 0.38);
    setrgb(cr, WHITE);
    cairo_fill(cr);
    ellipse(cr, px - pr * 0.35, py + pr * 0.35, pr * 0.15, pr * 0.15);
    cairo_fill(cr);
    if (p.eyes == ESAD) {  // heavy upper lid
        cairo_save(cr);
        ellipse(cr, x, y, r, ry);
        cairo_clip(cr);
        cairo_rectangle(cr, x - r - 2, y - ry - 2, 2 * r + 4, ry * 0.95);
        setrgb(cr, shade(g_skin, 0.9));
        cairo_fill(cr);
        cairo_move_to(cr, x - r, y - ry * 0.05);
        cairo_line_to(cr, x + r, y - ry * 0.05);
        setrgb(cr, hex(0x1A2A3A));
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
}

void brow(cairo_t* cr, double x, double y, double r, const Pose& p, bool front) {
    if (p.brows == BNONE) return;
    double dy = -r * 1.45, tilt = 0;
    if (p.brows == BRAISED) dy -= r * 0.25;
    // the inner ends (towards the other eye) go down in anger, up in worry
    if (p.brows == BANGRY) tilt = front ? 0.35 : -0.35;
    if (p.brows == BWORRIED) tilt = front ? -0.3 : 0.3;
    double w = r * 0.8;
    cairo_new_path(cr);
    cairo_move_to(cr, x - w, y + dy + tilt * w);
    cairo_line_to(cr, x + w, y + dy - tilt * w);
    setrgb(cr, hex(0x1A1A2A));
    cairo_set_line_width(cr, r * 0.22);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

// Two eyes in three-quarter view: the far eye (x2) a little smaller.
void eyes(cairo_t* cr, double x1, double y1, double r1, double x2, double y2, double r2, const Pose& p) {
    eye(cr, x1, y1, r1, p);
    eye(cr, x2, y2, r2, p);
    brow(cr, x1, y1, r1, p, false);
    brow(cr, x2, y2, r2, p, true);
}

void mouth(cairo_t* cr, double x, double y, double w, const Pose& p, RGB skin) {
    RGB line = shade(skin, 0.35);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_new_path(cr);
    switch (p.mouth) {
        case MSMILE:
            cairo_arc(cr, x, y - w * 0.5, w * 0.6, rad(35), rad(145));
            setrgb(cr, line);
            cairo_set_line_width(cr, 3);
            cairo_stroke(cr);
            break;
        case MBIG:
        case MTALK: {
            double h = p.mouth == MBIG ? w * 0.55 : w * 0.45;
            cairo_move_to(cr, x - w * 0.55, y - h * 0.25);
            if (p.mouth == MBIG)
                cairo_curve_to(cr, x - w * 0.4, y + h, x + w * 0.4, y + h, x + w * 0.55, y - h * 0.25);
            else
                cairo_curve_to(cr, x - w * 0.3, y + h, x + w * 0.3, y + h, x + w * 0.5, y - h * 0.1);
            cairo_close_path(cr);
            setrgb(cr, MOUTH);
            cairo_fill_preserve(cr);
            inside(cr, [&] {
                ellipse(cr, x, y + h * 0.75, w * 0.3, h * 0.35);
                setrgb(cr, TONGUE);
                cairo_fill(cr);
            });
            setrgb(cr, line);
            cairo_set_line_width(cr, 2.5);
            cairo_stroke(cr);
            break;
        }
        case MO:
            ellipse(cr, x, y + w * 0.1, w * 0.22, w * 0.3);
            setrgb(cr, MOUTH);
            cairo_fill_preserve(cr);
            setrgb(cr, line);
            cairo_set_line_width(cr, 2.5);
            cairo_stroke(cr);
            break;
        case MFROWN:
            cairo_arc(cr, x, y + w * 0.55, w * 0.5, rad(220), rad(320));
            setrgb(cr, line);
            cairo_set_line_width(cr, 3);
            cairo_stroke(cr);
            break;
        case MFLAT:
            cairo_move_to(cr, x - w * 0.35, y + 2);
            cairo_curve_to(cr, x - w * 0.1, y - 2, x + w * 0.1, y + 4, x + w * 0.35, y - 1);
            setrgb(cr, line);
            cairo_set_line_width(cr, 3);
            cairo_stroke(cr);
            break;
        case MGRIN: {
            double h = w * 0.32;
            roundrect(cr, x - w * 0.5, y - h * 0.5, w, h, h * 0.45);
            setrgb(cr, WHITE);
            cairo_fill_preserve(cr);
            setrgb(cr, line);
            cairo_set_line_width(cr, 2.5);
            cairo_stroke(cr);
            cairo_move_to(cr, x - w * 0.45, y);
            cairo_line_to(cr, x + w * 0.45, y);
            for (int k = -1; k <= 1; k++) {
                cairo_move_to(cr, x + k * w * 0.22, y - h * 0.45);
                cairo_line_to(cr, x + k * w * 0.22, y + h * 0.45);
            }
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
            break;
        }
        case MWAVY:
            cairo_move_to(cr, x - w * 0.45, y);
            for (int k = 1; k <= 4; k++)
                cairo_line_to(cr, x - w * 0.45 + k * w * 0.225, y + ((k % 2) ? -w * 0.1 : w * 0.1));
            setrgb(cr, line);
            cairo_set_line_width(cr, 3);
            cairo_stroke(cr);
            break;
    }
}

// Cheek blush under the front eye.
void blush(cairo_t* cr, double x, double y, double r) { glowdot(cr, x, y, r, hex(0xFF6F8A), 0.45); }

void sparkle(cairo_t* cr, double x, double y, double s) {
    cairo_new_path(cr);
    for (int k = 0; k < 8; k++) {
        double a = k * PI / 4, rr = (k % 2 == 0) ? s : s * 0.3;
        double px = x + rr * std::cos(a), py = y + rr * std::sin(a);
        if (k == 0) cairo_move_to(cr, px, py);
        else cairo_line_to(cr, px, py);
    }
    cairo_close_path(cr);
    setrgb(cr, hex(0xFFF2A0));
    cairo_fill_preserve(cr);
    setrgb(cr, hex(0xC89A20));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

void drop(cairo_t* cr, double x, double y, double s, RGB c) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, y - s);
    cairo_curve_to(cr, x + s * 0.2, y - s * 0.4, x + s * 0.6, y, x + s * 0.6, y + s * 0.35);
    cairo_arc(cr, x, y + s * 0.35, s * 0.6, 0, PI);
    cairo_curve_to(cr, x - s * 0.6, y, x - s * 0.2, y - s * 0.4, x, y - s);
    cairo_close_path(cr);
    setrgb(cr, c);
    cairo_fill_preserve(cr);
    setrgb(cr, shade(c, 0.6));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    ellipse(cr, x - s * 0.2, y + s * 0.2, s * 0.15, s * 0.22);
    setrgb(cr, WHITE, 0.8);
    cairo_fill(cr);
}

// Marks around the figure that tell the mood: tear, sweat, sparkles,
// thought dots, speed lines. (hx, hy) is the top of the head, (ex, ey) the
// front eye.
void extras(cairo_t* cr, const Pose& p, double hx, double hy, double ex, double ey, double er) {
    if (p.extra & XTEAR) drop(cr, ex + er * 0.2, ey + er * 1.6, er * 0.45, hex(0x7FD6F8));
    if (p.extra & XSWEAT) drop(cr, hx + 40, hy + 10, 10, hex(0xBFEFFF));
    if (p.extra & XSPARKLE) {
        sparkle(cr, hx + 55, hy - 5, 11);
        sparkle(cr, hx - 45, hy + 5, 8);
    }
    if (p.extra & XTHINK) {
        for (int k = 0; k < 3; k++) {
            ellipse(cr, hx + 30 + k * 14, hy - 6 - k * 12, 4 + k * 2.5, 4 + k * 2.5);
            setrgb(cr, WHITE, 0.95);
            cairo_fill_preserve(cr);
            setrgb(cr, INK, 0.7);
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
        }
    }
    if (p.extra & XSPEED) {
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        for (int k = 0; k < 3; k++) {
            cairo_move_to(cr, 20, 130 + k * 28);
            cairo_line_to(cr, 52 - k * 6, 130 + k * 28);
        }
        setrgb(cr, WHITE, 0.85);
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
    }
}

// ---- the six characters --------------------------------------------------------
// Each draws into a 300 x 300 box, body centre near (150, 165), facing right.

void fishtail(cairo_t* cr, double x, double y, double s, RGB c) {
    cairo_new_path(cr);
    cairo_move_to(cr, x + 12, y);
    cairo_curve_to(cr, x - 10, y - s * 0.5, x - s * 0.6, y - s * 1.1, x - s * 0.8, y - s * 0.9);
    cairo_curve_to(cr, x - s * 0.55, y - s * 0.3, x - s * 0.55, y + s * 0.3, x - s * 0.8, y + s * 0.9);
    cairo_curve_to(cr, x - s * 0.6, y + s * 1.1, x - 10, y + s * 0.5, x + 12, y);
    cairo_close_path(cr);
    fillout(cr, c);
}

// A fin that swings about its root (rx, ry) from down-back to up.
void finat(cairo_t* cr, double rx, double ry, double len, double wid, double fin, RGB c, RGB tip) {
    cairo_save(cr);
    cairo_translate(cr, rx, ry);
    cairo_rotate(cr, rad(150 + 100 * fin));  // back-down at rest, up and back when raised
    auto shape = [&]() {
        cairo_new_path(cr);
        cairo_move_to(cr, 0, -wid * 0.5);
        cairo_curve_to(cr, len * 0.5, -wid * 0.9, len, -wid * 0.4, len, 0);
        cairo_curve_to(cr, len, wid * 0.4, len * 0.5, wid * 0.9, 0, wid * 0.5);
        cairo_close_path(cr);
    };
    shape();
    setrgb(cr, mix(c, WHITE, 0.15));
    cairo_fill(cr);
    cairo_save(cr);
    shape();
    cairo_clip(cr);
    cairo_rectangle(cr, len * 0.75, -wid, len, wid * 2);
    setrgb(cr, tip);
    cairo_fill(cr);
    cairo_restore(cr);
    shape();
    setrgb(cr, shade(c, 0.55));
    cairo_set_line_width(cr, 2.4);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void posetransform(cairo_t* cr, const Pose& p) {
    cairo_translate(cr, 150, 200);
    cairo_rotate(cr, rad(p.tilt));
    cairo_translate(cr, -150, -200);
}

// 1: the clownfish, orange with three white bands.
void drawclownfish(cairo_t* cr, const Pose& p) {
    const RGB OR = hex(0xFF8A2A), BAND = hex(0x2A1A10);
    g_skin = OR;
    cairo_save(cr);
    posetransform(cr, p);
    fishtail(cr, 68, 168, 62, OR);
    // dorsal fin
    cairo_new_path(cr);
    cairo_move_to(cr, 100, 118);
    cairo_curve_to(cr, 115, 70, 175, 62, 200, 108);
    cairo_close_path(cr);
    fillout(cr, OR);
    // body
    ellipse(cr, 150, 168, 98, 70);
    setrgb(cr, OR);
    cairo_fill(cr);
    cairo_save(cr);
    ellipse(cr, 150, 168, 98, 70);
    cairo_clip(cr);
    // bands: white with dark rims
    const double bx[3] = {92, 150, 212}, bw[3] = {16, 20, 14};
    for (int k = 0; k < 3; k++) {
        cairo_new_path(cr);
        cairo_move_to(cr, bx[k] - bw[k], 80);
        cairo_curve_to(cr, bx[k] - bw[k] - 14, 140, bx[k] - bw[k] - 14, 200, bx[k] - bw[k], 250);
        cairo_line_to(cr, bx[k] + bw[k], 250);
        cairo_curve_to(cr, bx[k] + bw[k] - 14, 200, bx[k] + bw[k] - 14, 140, bx[k] + bw[k], 80);
        cairo_close_path(cr);
        setrgb(cr, WHITE);
        cairo_fill_preserve(cr);
        setrgb(cr, BAND);
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
    }
    ellipse(cr, 150, 205, 80, 25);  // warmer belly
    setrgb(cr, hex(0xFFB060), 0.5);
    cairo_fill(cr);
    toplight(cr, 150, 140, 90, 40, 0.3);
    cairo_restore(cr);
    ellipse(cr, 150, 168, 98, 70);
    setrgb(cr, shade(OR, 0.5));
    cairo_set_line_width(cr, 2.8);
    cairo_stroke(cr);
    blush(cr, 222, 178, 12);
    eyes(cr, 200, 140, 21, 238, 142, 17, p);
    mouth(cr, 230, 188, 36, p, OR);
    finat(cr, 150, 185, 42, 26, p.fin, OR, BAND);
    cairo_restore(cr);
    extras(cr, p, 190, 90, 200, 140, 21);
}

// 2: the shark, round and friendly.
void drawshark(cairo_t* cr, const Pose& p) {
    const RGB SK = hex(0x6F9DB8), BELLY = hex(0xE6EEF2);
    g_skin = SK;
    cairo_save(cr);
    posetransform(cr, p);
    fishtail(cr, 52, 170, 64, SK);
    cairo_new_path(cr);  // dorsal fin
    cairo_move_to(cr, 105, 112);
    cairo_curve_to(cr, 120, 80, 130, 45, 150, 40);
    cairo_curve_to(cr, 158, 70, 175, 95, 190, 104);
    cairo_close_path(cr);
    fillout(cr, SK);
    ellipse(cr, 152, 170, 112, 76);
    setrgb(cr, SK);
    cairo_fill(cr);
    cairo_save(cr);
    ellipse(cr, 152, 170, 112, 76);
    cairo_clip(cr);
    ellipse(cr, 170, 230, 110, 52);
    setrgb(cr, BELLY);
    cairo_fill(cr);
    // gill lines
    for (int k = 0; k < 3; k++) {
        cairo_move_to(cr, 150 - k * 11, 148);
        cairo_curve_to(cr, 144 - k * 11, 160, 144 - k * 11, 172, 150 - k * 11, 184);
    }
    setrgb(cr, shade(SK, 0.6));
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
    toplight(cr, 150, 135, 100, 45, 0.3);
    cairo_restore(cr);
    ellipse(cr, 152, 170, 112, 76);
    setrgb(cr, shade(SK, 0.5));
    cairo_set_line_width(cr, 2.8);
    cairo_stroke(cr);
    blush(cr, 232, 180, 12);
    eyes(cr, 208, 136, 20, 245, 140, 16, p);
    Pose q = p;
    if (q.mouth == MSMILE) q.mouth = MGRIN;  // the shark always shows a few friendly teeth
    mouth(cr, 228, 192, q.mouth == MGRIN ? 44 : 34, q, SK);
    finat(cr, 160, 200, 48, 26, p.fin, SK, shade(SK, 0.85));
    cairo_restore(cr);
    extras(cr, p, 200, 80, 208, 136, 20);
}

// 3: the sponge, a yellow block with pores and little arms.
void drawsponge(cairo_t* cr, const Pose& p) {
    const RGB SP = hex(0xF5D547), PORE = hex(0xC9A92E), SHOE = hex(0x5A3414);
    g_skin = SP;
    cairo_save(cr);
    posetransform(cr, p);
    // legs and shoes
    for (int k = 0; k < 2; k++) {
        double lx = 125 + k * 55;
        cairo_rectangle(cr, lx - 5, 235, 10, 30);
        fillout(cr, SP, 2);
        ellipse(cr, lx + 6, 268, 16, 8);
        fillout(cr, SHOE, 2);
    }
    // back arm
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, 88, 170);
    cairo_line_to(cr, 66, 200);
    setrgb(cr, shade(SP, 0.55));
    cairo_set_line_width(cr, 12);
    cairo_stroke_preserve(cr);
    setrgb(cr, SP);
    cairo_set_line_width(cr, 7);
    cairo_stroke(cr);
    // wobbly body
    auto body = [&]() {
        cairo_new_path(cr);
        cairo_move_to(cr, 95, 62);
        for (int k = 0; k <= 8; k++) cairo_line_to(cr, 95 + k * 15, 60 + ((k % 2) ? -4 : 3));
        cairo_curve_to(cr, 222, 100, 218, 190, 225, 240);
        cairo_curve_to(cr, 180, 246, 120, 246, 80, 240);
        cairo_curve_to(cr, 86, 180, 78, 110, 95, 62);
        cairo_close_path(cr);
    };
    body();
    setrgb(cr, SP);
    cairo_fill(cr);
    cairo_save(cr);
    body();
    cairo_clip(cr);
    const double pores[][3] = {{105, 90, 7}, {208, 86, 6}, {100, 210, 9}, {205, 215, 7}, {150, 228, 5},
                               {115, 150, 5}, {210, 168, 5}, {175, 95, 4}, {92, 180, 4}};
    for (auto& q : pores) {
        ellipse(cr, q[0], q[1], q[2], q[2] * 1.2);
        setrgb(cr, PORE);
        cairo_fill(cr);
    }
    toplight(cr, 150, 80, 90, 50, 0.35);
    cairo_restore(cr);
    body();
    setrgb(cr, shade(SP, 0.55));
    cairo_set_line_width(cr, 2.8);
    cairo_stroke(cr);
    // shirt edge and a tie, so the block reads as a character
    cairo_rectangle(cr, 82, 222, 142, 20);
    setrgb(cr, WHITE);
    cairo_fill(cr);
    cairo_rectangle(cr, 82, 232, 142, 12);
    fillout(cr, hex(0x8A5A2B), 2);
    blush(cr, 196, 165, 12);
    eyes(cr, 150, 125, 25, 196, 127, 22, p);
    mouth(cr, 182, 178, 40, p, SP);
    // front arm swings with the pose
    cairo_save(cr);
    cairo_translate(cr, 215, 165);
    cairo_rotate(cr, rad(60 - 140 * p.fin));
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 40, 0);
    setrgb(cr, shade(SP, 0.55));
    cairo_set_line_width(cr, 12);
    cairo_stroke_preserve(cr);
    setrgb(cr, SP);
    cairo_set_line_width(cr, 7);
    cairo_stroke(cr);
    ellipse(cr, 44, 0, 9, 9);
    fillout(cr, SP, 2.2);
    cairo_restore(cr);
    cairo_restore(cr);
    extras(cr, p, 175, 50, 150, 125, 25);
}

// 4: the swordfish, slim, with its sail and its sword.
void drawswordfish(cairo_t* cr, const Pose& p) {
    const RGB SW = hex(0x4A6FD0), BELLY = hex(0xD8E2F0), SWORD = hex(0xC8CCD8), SAIL = hex(0x3A55A8);
    g_skin = SW;
    cairo_save(cr);
    posetransform(cr, p);
    fishtail(cr, 62, 172, 58, SW);
    cairo_new_path(cr);  // the sail
    cairo_move_to(cr, 95, 140);
    cairo_curve_to(cr, 90, 80, 120, 50, 160, 52);
    cairo_curve_to(cr, 175, 80, 190, 115, 200, 135);
    cairo_close_path(cr);
    fillout(cr, SAIL);
    for (int k = 0; k < 4; k++) {
        cairo_move_to(cr, 110 + k * 20, 138);
        cairo_line_to(cr, 118 + k * 14, 70 + k * 10);
    }
    setrgb(cr, shade(SAIL, 0.7));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    // the sword
    cairo_new_path(cr);
    cairo_move_to(cr, 228, 160);
    cairo_line_to(cr, 296, 158);
    cairo_line_to(cr, 228, 172);
    cairo_close_path(cr);
    fillout(cr, SWORD, 2.2);
    ellipse(cr, 145, 172, 95, 52);
    setrgb(cr, SW);
    cairo_fill(cr);
    cairo_save(cr);
    ellipse(cr, 145, 172, 95, 52);
    cairo_clip(cr);
    ellipse(cr, 160, 215, 100, 35);
    setrgb(cr, BELLY);
    cairo_fill(cr);
    toplight(cr, 145, 145, 85, 30, 0.3);
    cairo_restore(cr);
    ellipse(cr, 145, 172, 95, 52);
    setrgb(cr, shade(SW, 0.5));
    cairo_set_line_width(cr, 2.8);
    cairo_stroke(cr);
    blush(cr, 214, 178, 9);
    eyes(cr, 192, 150, 17, 222, 152, 14, p);
    mouth(cr, 214, 190, 24, p, SW);
    finat(cr, 150, 192, 40, 20, p.fin, SW, shade(SW, 0.8));
    cairo_restore(cr);
    extras(cr, p, 190, 100, 192, 150, 17);
}

// 5: the crab, eyes on stalks and two big claws.
void drawcrab(cairo_t* cr, const Pose& p) {
    const RGB CR = hex(0xE8473A), LIGHT = hex(0xFF8A6E);
    g_skin = CR;
    cairo_save(cr);
    posetransform(cr, p);
    // legs
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int side = -1; side <= 1; side += 2)
        for (int k = 0; k < 3; k++) {
            double lx = 150 + side * (45 + k * 14), ly = 205 + k * 6;
            cairo_move_to(cr, lx, ly);
            cairo_curve_to(cr, lx + side * 25, ly + 5, lx + side * 32, ly + 30, lx + side * 30, ly + 45);
        }
    setrgb(cr, shade(CR, 0.5));
    cairo_set_line_width(cr, 10);
    cairo_stroke_preserve(cr);
    setrgb(cr, CR);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    // eye stalks
    for (int k = 0; k < 2; k++) {
        cairo_move_to(cr, 138 + k * 40, 150);
        cairo_line_to(cr, 135 + k * 45, 105);
    }
    setrgb(cr, shade(CR, 0.5));
    cairo_set_line_width(cr, 9);
    cairo_stroke_preserve(cr);
    setrgb(cr, CR);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    // back claw
    cairo_save(cr);
    cairo_translate(cr, 78, 180);
    ellipse(cr, -18, -20, 24, 20);
    fillout(cr, CR);
    cairo_restore(cr);
    // shell
    auto shell = [&]() {
        cairo_new_path(cr);
        cairo_move_to(cr, 70, 185);
        cairo_curve_to(cr, 70, 130, 230, 130, 232, 185);
        cairo_curve_to(cr, 232, 225, 70, 228, 70, 185);
        cairo_close_path(cr);
    };
    shell();
    setrgb(cr, CR);
    cairo_fill(cr);
    cairo_save(cr);
    shell();
    cairo_clip(cr);
    toplight(cr, 150, 150, 80, 30, 0.4);
    ellipse(cr, 110, 170, 6, 4);
    ellipse(cr, 190, 165, 5, 4);
    setrgb(cr, LIGHT, 0.8);
    cairo_fill(cr);
    cairo_restore(cr);
    shell();
    setrgb(cr, shade(CR, 0.5));
    cairo_set_line_width(cr, 2.8);
    cairo_stroke(cr);
    blush(cr, 200, 195, 10);
    Pose e = p;
    eyes(cr, 135, 100, 18, 180, 98, 17, e);
    mouth(cr, 172, 198, 30, p, CR);
    // front claw rises with the pose
    cairo_save(cr);
    cairo_translate(cr, 222, 190);
    cairo_rotate(cr, rad(-20 - 70 * p.fin));
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 28, 0);
    setrgb(cr, shade(CR, 0.5));
    cairo_set_line_width(cr, 12);
    cairo_stroke_preserve(cr);
    setrgb(cr, CR);
    cairo_set_line_width(cr, 7);
    cairo_stroke(cr);
    cairo_new_path(cr);  // pincer: a fat half and a thin half with a gap
    cairo_move_to(cr, 26, 4);
    cairo_curve_to(cr, 30, 30, 70, 28, 72, 4);
    cairo_line_to(cr, 48, 2);
    cairo_close_path(cr);
    fillout(cr, CR);
    cairo_new_path(cr);
    cairo_move_to(cr, 26, -4);
    cairo_curve_to(cr, 32, -24, 62, -26, 70, -8);
    cairo_line_to(cr, 46, -4);
    cairo_close_path(cr);
    fillout(cr, CR);
    cairo_restore(cr);
    cairo_restore(cr);
    extras(cr, p, 160, 70, 135, 100, 18);
}

// 6: the octopus, a round head and curling arms.
void drawoctopus(cairo_t* cr, const Pose& p) {
    const RGB OC = hex(0xA05BD0), SPOT = hex(0xC88BEA);
    g_skin = OC;
    cairo_save(cr);
    posetransform(cr, p);
    // arms, back to front
    for (int k = 0; k < 6; k++) {
        double ax = 95 + k * 22, sway = (k % 2 ? 1 : -1) * 14;
        cairo_new_path(cr);
        cairo_move_to(cr, ax - 12, 180);
        cairo_curve_to(cr, ax - 14, 220, ax + sway - 10, 250, ax + sway + 8, 268);
        cairo_curve_to(cr, ax + sway + 20, 274, ax + sway + 22, 258, ax + sway + 10, 256);
        cairo_curve_to(cr, ax + 4, 240, ax + 10, 215, ax + 12, 180);
        cairo_close_path(cr);
        fillout(cr, k % 2 ? OC : shade(OC, 0.9));
        for (int s = 0; s < 3; s++) {
            ellipse(cr, ax + sway * 0.3 * s + 2, 205 + s * 18, 3, 3);
            setrgb(cr, SPOT);
            cairo_fill(cr);
        }
    }
    // the waving arm
    cairo_save(cr);
    cairo_translate(cr, 225, 185);
    cairo_rotate(cr, rad(40 - 110 * p.fin));
    cairo_new_path(cr);
    cairo_move_to(cr, 0, -10);
    cairo_curve_to(cr, 25, -14, 45, -8, 55, 8);
    cairo_curve_to(cr, 60, 18, 48, 24, 44, 14);
    cairo_curve_to(cr, 36, 6, 20, 8, 0, 10);
    cairo_close_path(cr);
    fillout(cr, OC);
    cairo_restore(cr);
    // head
    ellipse(cr, 158, 128, 82, 78);
    setrgb(cr, OC);
    cairo_fill(cr);
    cairo_save(cr);
    ellipse(cr, 158, 128, 82, 78);
    cairo_clip(cr);
    const double spots[][3] = {{110, 80, 9}, {135, 62, 6}, {98, 120, 6}, {190, 70, 5}};
    for (auto& s : spots) {
        ellipse(cr, s[0], s[1], s[2], s[2]);
        setrgb(cr, SPOT);
        cairo_fill(cr);
    }
    toplight(cr, 150, 90, 70, 45, 0.35);
    cairo_restore(cr);
    ellipse(cr, 158, 128, 82, 78);
    setrgb(cr, shade(OC, 0.5));
    cairo_set_line_width(cr, 2.8);
    cairo_stroke(cr);
    blush(cr, 214, 165, 12);
    eyes(cr, 168, 128, 22, 212, 130, 19, p);
    mouth(cr, 198, 178, 30, p, OC);
    cairo_restore(cr);
    extras(cr, p, 175, 45, 168, 128, 22);
}

using CharFn = void (*)(cairo_t*, const Pose&);
const CharFn CHARACTERS[7] = {nullptr, drawclownfish, drawshark, drawsponge, drawswordfish, drawcrab, drawoctopus};

// One character at (x, y) (the centre of its 300 x 300 box), scale s,
// mirrored when flip is set.
void character(cairo_t* cr, int k, int pose, double x, double y, double s, bool flip) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, flip ? -s : s, s);
    cairo_translate(cr, -150, -150);
    CHARACTERS[k](cr, POSES[pose]);
    cairo_restore(cr);
}

// A soft contact shadow on the ground.
void groundshadow(cairo_t* cr, double x, double y, double rx) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, rx * 0.18);
    cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.05, 0.2, 0.3, 0.35);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.05, 0.2, 0.3, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, 0, 0, 1, 0, 2 * PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

// ---- reef pieces shared by the foregrounds ----------------------------------------

void kelp(cairo_t* cr, double x, double y, double h, double lean, RGB c) {
    cairo_new_path(cr);
    cairo_move_to(cr, x - 6, y);
    cairo_curve_to(cr, x - 20 + lean * 0.3, y - h * 0.35, x + 18 + lean * 0.6, y - h * 0.7, x + lean, y - h);
    cairo_curve_to(cr, x + 8 + lean * 0.6, y - h * 0.68, x - 6 + lean * 0.3, y - h * 0.35, x + 8, y);
    cairo_close_path(cr);
    fillout(cr, c, 2, 0.65);
}

void coralbranch(cairo_t* cr, double x, double y, double s, RGB c) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    auto branch = [&](double x0, double y0, double x1, double y1, double w) {
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, x1, y1);
        setrgb(cr, shade(c, 0.6));
        cairo_set_line_width(cr, w + 4);
        cairo_stroke(cr);
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, x1, y1);
        setrgb(cr, c);
        cairo_set_line_width(cr, w);
        cairo_stroke(cr);
    };
    branch(x, y, x, y - 60 * s, 14 * s);
    branch(x, y - 30 * s, x - 28 * s, y - 70 * s, 11 * s);
    branch(x, y - 40 * s, x + 30 * s, y - 85 * s, 11 * s);
    branch(x - 16 * s, y - 52 * s, x - 30 * s, y - 95 * s, 9 * s);
    branch(x, y - 60 * s, x + 6 * s, y - 100 * s, 9 * s);
}

void anemone(cairo_t* cr, double x, double y, double s) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int k = -4; k <= 4; k++) {
        double a = rad(-90 + k * 16);
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + std::cos(a) * 20 * s, y + std::sin(a) * 20 * s, x + std::cos(a) * 36 * s + k * 2,
                       y + std::sin(a) * 36 * s, x + std::cos(a) * 44 * s + k * 3, y + std::sin(a) * 42 * s);
    }
    setrgb(cr, shade(ANEMONE, 0.6));
    cairo_set_line_width(cr, 9 * s);
    cairo_stroke_preserve(cr);
    setrgb(cr, ANEMONE);
    cairo_set_line_width(cr, 6 * s);
    cairo_stroke(cr);
}

void stone(cairo_t* cr, double x, double y, double rx, double ry) {
    ellipse(cr, x, y, rx, ry);
    setrgb(cr, ROCK);
    cairo_fill_preserve(cr);
    inside(cr, [&] {
        ellipse(cr, x - rx * 0.2, y - ry * 0.5, rx * 0.7, ry * 0.45);
        setrgb(cr, ROCKLIGHT, 0.8);
        cairo_fill(cr);
    });
    setrgb(cr, shade(ROCK, 0.6));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
}

// A sand bank along the bottom: a wavy top edge at about `top`, lighter at
// the crest, and a soft fade above it so the edge sits in the water.
void sandbank(cairo_t* cr, int w, int h, double top, double amp, double phase) {
    cairo_new_path(cr);
    cairo_move_to(cr, 0, h);
    for (int x = 0; x <= w; x += 8)
        cairo_line_to(cr, x, top + amp * std::sin(x * 0.006 + phase) + amp * 0.4 * std::sin(x * 0.021 + phase * 2));
    cairo_line_to(cr, w, h);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, top - amp, 0, h);
    cairo_pattern_add_color_stop_rgb(g, 0, SANDLIGHT.r, SANDLIGHT.g, SANDLIGHT.b);
    cairo_pattern_add_color_stop_rgb(g, 0.45, SAND.r, SAND.g, SAND.b);
    cairo_pattern_add_color_stop_rgb(g, 1, SANDDARK.r, SANDDARK.g, SANDDARK.b);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setrgb(cr, shade(SAND, 0.7));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    // ripples and pebbles
    for (int k = 0; k < w / 60; k++) {
        double x = 30 + k * 60 + 17 * std::sin(k * 2.3), y = top + 40 + 25 * std::fabs(std::sin(k * 1.7));
        if (y > h - 10) continue;
        cairo_move_to(cr, x - 14, y);
        cairo_curve_to(cr, x - 5, y - 4, x + 5, y - 4, x + 14, y);
        setrgb(cr, SANDDARK, 0.5);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
}

}  // namespace

// ---- the speech bubble --------------------------------------------------------------
// 440 x 172, the tail's tip at (77, 165): the game draws it with that point on
// the speaker and mirrors it for speakers on the right. Text room: 390 pixels
// from x 23, five lines of 26 pixels from y 6.
AL_GENERATOR(gen_story_bubble) {
    cairo_surface_t* s = al::newsurface(440, 172);
    cairo_t* cr = cairo_create(s);
    auto shape = [&](double dx, double dy) {
        cairo_new_path(cr);
        double x = 3 + dx, y = 2 + dy, w = 434, h = 142, r = 30;
        cairo_move_to(cr, x + r, y);
        cairo_arc(cr, x + w - r, y + r, r, -PI / 2, 0);
        cairo_arc(cr, x + w - r, y + h - r, r, 0, PI / 2);
        cairo_line_to(cr, 128 + dx, y + h);
        cairo_curve_to(cr, 110 + dx, y + h + 6, 90 + dx, 158 + dy, 77 + dx, 165 + dy);  // the tail's tip
        cairo_curve_to(cr, 84 + dx, 156 + dy, 86 + dx, y + h + 4, 80 + dx, y + h);
        cairo_arc(cr, x + r, y + h - r, r, PI / 2, PI);
        cairo_arc(cr, x + r, y + r, r, PI, 1.5 * PI);
        cairo_close_path(cr);
    };
    // a faint shadow below, inside the canvas
    shape(0, 3);
    setrgb(cr, INK, 0.18);
    cairo_fill(cr);
    shape(0, 0);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 150);
    cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(g, 1, PAPER.r * 0.97, PAPER.g * 0.96, PAPER.b * 0.9);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setrgb(cr, INK);
    cairo_set_line_width(cr, 3);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    // a light rim along the top edge
    cairo_move_to(cr, 40, 7);
    cairo_line_to(cr, 400, 7);
    setrgb(cr, WHITE, 0.9);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_destroy(cr);
    save(s, "story/bubble.png");
}

// ---- the resident characters ----------------------------------------------------------
// "character/" + character + pose: 6 characters x 11 poses, 300 x 300 each,
// centred, facing right.
AL_GENERATOR(gen_story_characters) {
    for (int k = 1; k <= 6; k++)
        for (int p = 0; p <= 10; p++) {
            cairo_surface_t* s = al::newsurface(300, 300);
            cairo_t* cr = cairo_create(s);
            CHARACTERS[k](cr, POSES[p]);
            cairo_destroy(cr);
            save(s, "character/" + std::to_string(k) + std::to_string(p) + ".png");
        }
}

// ---- story 1 -----------------------------------------------------------------------

// The foreground of the intro, 800 x 330, drawn from the bottom-left corner:
// a dune on which the clownfish and the shark peek towards the right, where
// the ship goes down. Their heads sit under the two bubble places (170 and
// 370, 62 pixels from the top).
AL_GENERATOR(gen_story_1_fg) {
    const int W = 800, H = 330;
    cairo_surface_t* s = al::newsurface(W, H);
    cairo_t* cr = cairo_create(s);
    // the friends behind the dune
    character(cr, 1, 3, 175, 132, 0.62, false);
    character(cr, 2, 3, 385, 140, 0.7, false);
    // the dune, highest on the left, falling away to the right
    cairo_new_path(cr);
    cairo_move_to(cr, 0, H);
    cairo_line_to(cr, 0, 160);
    cairo_curve_to(cr, 120, 150, 260, 190, 420, 200);
    cairo_curve_to(cr, 560, 210, 700, 280, W, H - 2);
    cairo_line_to(cr, W, H);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 150, 0, H);
    cairo_pattern_add_color_stop_rgb(g, 0, SANDLIGHT.r, SANDLIGHT.g, SANDLIGHT.b);
    cairo_pattern_add_color_stop_rgb(g, 0.5, SAND.r, SAND.g, SAND.b);
    cairo_pattern_add_color_stop_rgb(g, 1, SANDDARK.r, SANDDARK.g, SANDDARK.b);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setrgb(cr, shade(SAND, 0.65));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // plants on the dune
    kelp(cr, 30, 200, 150, -20, KELP);
    kelp(cr, 52, 205, 110, 15, KELPDARK);
    kelp(cr, 560, 240, 120, 25, KELP);
    coralbranch(cr, 600, 262, 0.8, CORAL);
    anemone(cr, 470, 230, 0.9);
    stone(cr, 640, 285, 40, 22);
    stone(cr, 110, 300, 55, 28);
    coralbranch(cr, 720, 310, 0.6, CORALORANGE);
    cairo_destroy(cr);
    save(s, "story/1/fg.png");
}

// The ship, 200 x 150: a little sailing boat in trouble.
AL_GENERATOR(gen_story_1_ship) {
    cairo_surface_t* s = al::newsurface(200, 150);
    cairo_t* cr = cairo_create(s);
    // mast and sail
    cairo_rectangle(cr, 96, 14, 8, 100);
    fillout(cr, GRAIN, 2);
    cairo_new_path(cr);
    cairo_move_to(cr, 108, 22);
    cairo_curve_to(cr, 150, 40, 158, 70, 150, 96);
    cairo_line_to(cr, 108, 96);
    cairo_close_path(cr);
    fillout(cr, hex(0xF4ECD6), 2.4, 0.6);
    cairo_new_path(cr);
    cairo_move_to(cr, 92, 30);
    cairo_curve_to(cr, 60, 48, 56, 76, 62, 96);
    cairo_line_to(cr, 92, 96);
    cairo_close_path(cr);
    fillout(cr, hex(0xEDE0C0), 2.4, 0.6);
    cairo_rectangle(cr, 120, 60, 14, 12);  // a patch
    fillout(cr, hex(0xD8C08A), 1.5, 0.6);
    cairo_new_path(cr);  // flag
    cairo_move_to(cr, 104, 14);
    cairo_line_to(cr, 128, 19);
    cairo_line_to(cr, 104, 25);
    cairo_close_path(cr);
    fillout(cr, CORAL, 1.8);
    // hull
    cairo_new_path(cr);
    cairo_move_to(cr, 14, 96);
    cairo_line_to(cr, 186, 96);
    cairo_curve_to(cr, 178, 122, 160, 138, 130, 140);
    cairo_line_to(cr, 62, 140);
    cairo_curve_to(cr, 36, 136, 20, 120, 14, 96);
    cairo_close_path(cr);
    setrgb(cr, PLANK);
    cairo_fill_preserve(cr);
    inside(cr, [&] {
        for (int k = 0; k < 3; k++) {
            cairo_move_to(cr, 10, 108 + k * 11);
            cairo_line_to(cr, 190, 108 + k * 11);
        }
        setrgb(cr, GRAIN);
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
        cairo_rectangle(cr, 10, 96, 180, 5);
        setrgb(cr, PLANKLIGHT);
        cairo_fill(cr);
    });
    setrgb(cr, shade(PLANK, 0.5));
    cairo_set_line_width(cr, 2.8);
    cairo_stroke(cr);
    for (int k = 0; k < 3; k++) {  // portholes
        ellipse(cr, 60 + k * 36, 116, 6, 6);
        fillout(cr, hex(0x3FC7E0), 2, 0.4);
    }
    cairo_destroy(cr);
    save(s, "story/1/ship.png");
}

// The rock at the right edge, 400 x 360, cut into 90 strips of 4 rows by the
// game so it can sway with the water. It stands in front of the sinking
// ship: the ship disappears behind it. It juts out of the right edge as an
// overhang with a shaded underside, so it needs no ground below it.
AL_GENERATOR(gen_story_1_bgpart) {
    const int W = 400, H = 360;
    cairo_surface_t* s = al::newsurface(W, H);
    cairo_t* cr = cairo_create(s);
    cairo_new_path(cr);
    cairo_move_to(cr, W, H - 2);
    cairo_line_to(cr, 170, H - 4);
    cairo_curve_to(cr, 90, H - 8, 20, 320, 6, 270);
    cairo_curve_to(cr, -2, 240, 4, 200, 20, 185);
    cairo_curve_to(cr, 40, 165, 60, 158, 80, 150);
    cairo_curve_to(cr, 110, 120, 150, 110, 190, 112);
    cairo_curve_to(cr, 230, 80, 290, 70, 330, 84);
    cairo_curve_to(cr, 370, 70, 395, 80, W, 90);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 80, 0, H);
    cairo_pattern_add_color_stop_rgb(g, 0, ROCKLIGHT.r, ROCKLIGHT.g, ROCKLIGHT.b);
    cairo_pattern_add_color_stop_rgb(g, 0.35, ROCK.r, ROCK.g, ROCK.b);
    cairo_pattern_add_color_stop_rgb(g, 0.8, ROCK.r * 0.75, ROCK.g * 0.75, ROCK.b * 0.8);
    cairo_pattern_add_color_stop_rgb(g, 1, ROCK.r * 0.5, ROCK.g * 0.52, ROCK.b * 0.6);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    inside(cr, [&] {
        // cracks and lit ledges
        const double ledges[][4] = {{60, 200, 160, 190}, {200, 150, 320, 140}, {120, 260, 260, 250}, {280, 220, 390, 215}};
        for (auto& l : ledges) {
            cairo_move_to(cr, l[0], l[1]);
            cairo_curve_to(cr, (l[0] + l[2]) / 2, l[1] - 8, (l[0] + l[2]) / 2, l[3] - 6, l[2], l[3]);
            setrgb(cr, ROCKLIGHT, 0.9);
            cairo_set_line_width(cr, 4);
            cairo_stroke(cr);
            cairo_move_to(cr, l[0], l[1] + 5);
            cairo_curve_to(cr, (l[0] + l[2]) / 2, l[1] - 2, (l[0] + l[2]) / 2, l[3], l[2], l[3] + 5);
            setrgb(cr, shade(ROCK, 0.6), 0.8);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
        }
    });
    setrgb(cr, shade(ROCK, 0.55));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // life on the rock
    kelp(cr, 40, 200, 90, 18, KELP);
    kelp(cr, 250, 110, 70, -10, KELPDARK);
    coralbranch(cr, 150, 135, 0.55, CORALORANGE);
    anemone(cr, 340, 92, 0.6);
    cairo_destroy(cr);
    save(s, "story/1/bgpart.png");
}

// The question mark, 48 x 64: white with the dark water outline.
AL_GENERATOR(gen_story_1_question) {
    cairo_surface_t* s = al::newsurface(48, 64);
    cairo_t* cr = cairo_create(s);
    glowdot(cr, 24, 32, 24, WHITE, 0.35);
    cairo_new_path(cr);
    cairo_move_to(cr, 12, 20);
    cairo_curve_to(cr, 12, 6, 36, 4, 36, 20);
    cairo_curve_to(cr, 36, 30, 24, 30, 24, 42);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    setrgb(cr, INK);
    cairo_set_line_width(cr, 11);
    cairo_stroke_preserve(cr);
    setrgb(cr, WHITE);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    ellipse(cr, 24, 54, 5.5, 5.5);
    setrgb(cr, WHITE);
    cairo_fill_preserve(cr);
    setrgb(cr, INK);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    cairo_destroy(cr);
    save(s, "story/1/question.png");
}

// ---- story 2 -----------------------------------------------------------------------

// The foreground of story 2, 1366 x 180, drawn centred 90 pixels above the
// bottom: a sand bank in front of the four friends' feet, with reef at both
// sides where the wide screens show it.
AL_GENERATOR(gen_story_2_fg) {
    const int W = 1366, H = 180;
    cairo_surface_t* s = al::newsurface(W, H);
    cairo_t* cr = cairo_create(s);
    sandbank(cr, W, H, 95, 14, 0.7);
    const double ks[][3] = {{60, 150, -15}, {95, 110, 20}, {240, 70, 10}, {1120, 80, -12}, {1270, 140, 20}, {1310, 100, -18}};
    for (auto& k : ks) kelp(cr, k[0], 125, k[1], k[2], k[1] > 100 ? KELPDARK : KELP);
    coralbranch(cr, 170, 130, 0.9, CORAL);
    coralbranch(cr, 1210, 128, 0.85, CORALORANGE);
    anemone(cr, 330, 120, 0.8);
    anemone(cr, 1040, 118, 0.7);
    stone(cr, 420, 160, 60, 26);
    stone(cr, 940, 162, 48, 22);
    stone(cr, 683, 172, 36, 16);
    cairo_destroy(cr);
    save(s, "story/2/fg.png");
}

// ---- story 7 -----------------------------------------------------------------------

// The group picture, 900 x 380, drawn at (middle - 21, 480): the whole cast on
// a little sand hill, left to right octopus, shark, clownfish, sponge,
// swordfish, crab. The heads sit under the bubble places of the scene (the
// picture's top is at screen row 290).
AL_GENERATOR(gen_story_7_chars) {
    const int W = 900, H = 380;
    cairo_surface_t* s = al::newsurface(W, H);
    cairo_t* cr = cairo_create(s);
    struct Member {
        int k, pose;
        double x, y, sc;
        bool flip;
    };
    // the back row (shark, swordfish) first, then the front row
    const Member cast[] = {
        {2, 2, 236, 105, 0.76, false}, {4, 0, 667, 120, 0.75, true}, {6, 1, 95, 200, 0.7, false},
        {1, 6, 382, 185, 0.66, false}, {3, 9, 518, 190, 0.62, true}, {5, 1, 812, 188, 0.66, true},
    };
    for (const Member& m : cast) groundshadow(cr, m.x, m.y + 95 * m.sc, 80 * m.sc);
    for (const Member& m : cast) character(cr, m.k, m.pose, m.x, m.y, m.sc, m.flip);
    // the hill they stand on
    cairo_new_path(cr);
    cairo_move_to(cr, 0, H);
    cairo_line_to(cr, 0, 300);
    cairo_curve_to(cr, 150, 260, 300, 250, 450, 250);
    cairo_curve_to(cr, 600, 250, 760, 265, W, 300);
    cairo_line_to(cr, W, H);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 290, 0, H);
    cairo_pattern_add_color_stop_rgb(g, 0, SANDLIGHT.r, SANDLIGHT.g, SANDLIGHT.b);
    cairo_pattern_add_color_stop_rgb(g, 1, SAND.r, SAND.g, SAND.b);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setrgb(cr, shade(SAND, 0.65));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    kelp(cr, 40, 360, 90, 12, KELP);
    coralbranch(cr, 860, 370, 0.6, CORAL);
    anemone(cr, 300, 330, 0.6);
    stone(cr, 600, 345, 30, 14);
    // the hill's foot fades into whatever sand the background has below it
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_IN);
    cairo_pattern_t* f = cairo_pattern_create_linear(0, 310, 0, H);
    cairo_pattern_add_color_stop_rgba(f, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(f, 1, 0, 0, 0, 0);
    cairo_set_source(cr, f);
    cairo_paint(cr);
    cairo_pattern_destroy(f);
    cairo_destroy(cr);
    save(s, "story/7/chars.png");
}
