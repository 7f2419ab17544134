// The casino: the stage background with the marquee arch, the curtain, the
// dealer fish and its blink, the table, the shell with its shadow, the
// cookie, a marquee bulb, the three chips and the three signs.
//
// Positions follow the screen's layout: the background is 1366 wide and the
// game places the 37 bulbs on the arch's outline in its coordinates; the
// dealer's centre sits 300 pixels above the bottom with its eyes 193 above
// that (where the blink overlay goes); the table's centre is 143 above the
// bottom, the shells stand on its felt at y 550 and the chips on its front.
#include "art.h"
#include "assetlib.h"

#include <cairo.h>

#include <cmath>
#include <string>

using namespace art;

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int W = 1366, H = 768;

// The arch's outline as the game's bulbs trace it (1366-wide coordinates).
constexpr double ARCH[37][2] = {
    {688, 20},   {736, 25},   {780, 31},   {818, 44},   {861, 57},   {898, 78},   {933, 104},  {964, 135},
    {993, 166},  {1017, 201}, {1034, 243}, {1042, 282}, {1002, 282}, {962, 282},  {922, 267},  {872, 238},
    {832, 216},  {792, 202},  {740, 190},  {688, 188},  {642, 192},  {592, 204},  {549, 222},  {507, 240},
    {468, 261},  {422, 282},  {372, 282},  {322, 282},  {338, 234},  {360, 190},  {390, 152},  {422, 116},
    {460, 87},   {501, 63},   {543, 44},   {594, 28},   {642, 22},
};

const RGB VELVET = hex(0xB8353F), VELVETDARK = hex(0x7A1E2C), VELVETLIGHT = hex(0xFF7A6B);
const RGB FELT = hex(0x1F7F6A), FELTDARK = hex(0x145646);
const RGB SHELLC = hex(0xFF9E8A);

void archpath(cairo_t* cr) {
    cairo_move_to(cr, ARCH[0][0], ARCH[0][1]);
    for (int k = 1; k < 37; k++) cairo_line_to(cr, ARCH[k][0], ARCH[k][1]);
    cairo_close_path(cr);
}

// ---- background -------------------------------------------------------------

void background() {
    Canvas c = canvas(W, H);
    cairo_t* cr = c.cr;
    Rng rng(2323);
    water(cr, W, H, pal::watertop, pal::watermid, pal::waterdeep);
    godrays(cr, W, H, 7, 0.12, rng);
    // far reef in haze
    for (int i = 0; i < 9; i++) {
        double x = rng.range(0, W);
        rock(cr, x, 470, rng.range(160, 300), rng.range(80, 160), mix(pal::rock, pal::haze, 0.55), rng);
    }
    // the stage: a deep velvet backdrop inside a rounded shell-shaped frame
    cairo_move_to(cr, 300, 620);
    cairo_line_to(cr, 300, 300);
    cairo_curve_to(cr, 300, -60, 1066, -60, 1066, 300);
    cairo_line_to(cr, 1066, 620);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 40, 0, 620);
    addstop(g, 0, hex(0x3A1030));
    addstop(g, 1, hex(0x6A2248));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // folds of the backdrop
    for (double x = 320; x < 1050; x += 36) {
        cairo_rectangle(cr, x, 120, 18, 520);
        setrgb(cr, pal::white, 0.035);
        cairo_fill(cr);
    }
    // a spotlight on the dealer's place
    glow(cr, 683, 330, 260, hex(0xFFE3A8), 0.42);
    glow(cr, 683, 300, 120, pal::white, 0.18);
    // stage floor
    cairo_rectangle(cr, 240, 560, 886, 80);
    cairo_pattern_t* f = cairo_pattern_create_linear(0, 560, 0, 640);
    addstop(f, 0, pal::planklight);
    addstop(f, 1, pal::grain);
    cairo_set_source(cr, f);
    cairo_fill(cr);
    // the proscenium: coral pillars on both sides
    for (double px : {270.0, 1096.0}) {
        roundrect(cr, px - 42, 200, 84, 460, 30);
        cairo_pattern_t* p = cairo_pattern_create_linear(px - 42, 0, px + 42, 0);
        addstop(p, 0, shade(pal::coral, 0.6));
        addstop(p, 0.45, pal::coralorange);
        addstop(p, 1, shade(pal::coral, 0.55));
        cairo_set_source(cr, p);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(p);
        setrgb(cr, shade(pal::coral, 0.45));
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        for (int k = 0; k < 7; k++) {
            cairo_arc(cr, px + rng.range(-20, 20), 240 + k * 60, rng.range(5, 9), 0, 2 * kPi);
            setrgb(cr, shade(pal::coral, 0.5), 0.6);
            cairo_fill(cr);
        }
    }
    // the marquee arch the bulbs sit on
    archpath(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setrgb(cr, shade(pal::brass, 0.45));
    cairo_set_line_width(cr, 44);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* a = cairo_pattern_create_linear(0, 0, 0, 290);
    addstop(a, 0, hex(0xFFE38A));
    addstop(a, 0.5, pal::brass);
    addstop(a, 1, hex(0xB07A28));
    cairo_set_source(cr, a);
    cairo_set_line_width(cr, 36);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
    cairo_pattern_destroy(a);
    archpath(cr);
    setrgb(cr, hex(0x8A5A00), 0.5);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // shell ribs across the arch
    cairo_save(cr);
    archpath(cr);
    cairo_clip(cr);
    for (int i = -6; i <= 6; i++) {
        cairo_move_to(cr, 683, 420);
        cairo_line_to(cr, 683 + i * 110, -40);
        setrgb(cr, hex(0xB07A28), 0.35);
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    // sand and plants at the sides
    sandbed(cr, W, H, 650, 10, rng);
    for (double x : {60.0, 150.0, 1216.0, 1306.0}) kelp(cr, x, H, rng.range(420, 560), 18, pal::kelp, rng, 0.8);
    anemone(cr, 200, 690, 60, pal::anemone, rng);
    anemone(cr, 1170, 700, 50, pal::anemone, rng);
    branchcoral(cr, 40, 720, 90, pal::coral, rng);
    fancoral(cr, 1330, 720, 100, pal::coralorange, rng);
    for (int i = 0; i < 6; i++) bubbletrail(cr, rng.range(20, 230), rng.range(300, 600), 5, 7, rng, 0.6);
    for (int i = 0; i < 6; i++) bubbletrail(cr, rng.range(1136, 1346), rng.range(300, 600), 5, 7, rng, 0.6);
    caustics(cr, 0, 0, W, 300, 70, 0.08, rng);
    vignette(cr, W, H, 0.45);
    if (!al::savejpg(c.surface, "casino/casinobg.jpg", 90)) al::fail("casino/casinobg.jpg");
    done(c);
}

// ---- curtain ------------------------------------------------------------------

// The left curtain; the game hangs it by its right edge and mirrors it for
// the right one. Wide enough to cover half of the widest screen.
void curtain() {
    const int CW = 720;
    Canvas c = canvas(CW, H);
    cairo_t* cr = c.cr;
    // the inner edge sways a little
    auto edge = [&](double y) { return CW - 10 - 14 * std::sin(y / H * kPi); };
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, edge(0), 0);
    for (int y = 0; y <= H; y += 16) cairo_line_to(cr, edge(y), y);
    cairo_line_to(cr, 0, H);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, CW, 0);
    for (int i = 0; i <= 18; i++) {  // folds
        double t = i / 18.0;
        addstop(g, t, i % 2 ? VELVET : VELVETDARK);
    }
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_save(cr);
    cairo_clip(cr);
    cairo_pattern_t* v = cairo_pattern_create_linear(0, 0, 0, H);
    addstop(v, 0, VELVETLIGHT, 0.25);
    addstop(v, 0.5, VELVETLIGHT, 0.0);
    addstop(v, 1, hex(0x2A0810), 0.35);
    cairo_set_source(cr, v);
    cairo_paint(cr);
    cairo_pattern_destroy(v);
    for (int i = 0; i < 18; i++) {  // fold highlights
        double x = (i + 0.5) * CW / 18.0;
        cairo_rectangle(cr, x - 3, 0, 6, H);
        setrgb(cr, VELVETLIGHT, 0.18);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    // gold trim along the inner edge and a fringe at the bottom
    cairo_move_to(cr, edge(0), 0);
    for (int y = 0; y <= H; y += 16) cairo_line_to(cr, edge(y), y);
    setrgb(cr, pal::brass);
    cairo_set_line_width(cr, 12);
    cairo_stroke(cr);
    cairo_rectangle(cr, 0, H - 40, CW, 14);
    setrgb(cr, pal::brass);
    cairo_fill(cr);
    for (int x = 4; x < CW - 10; x += 10) {
        cairo_move_to(cr, x, H - 26);
        cairo_line_to(cr, x + 2, H - 4);
        setrgb(cr, hex(0xC9962F));
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
    }
    save(c, "casino/curtain.png");
}

// ---- the dealer -------------------------------------------------------------

constexpr int DW = 320, DH = 480;
const RGB DEALER = hex(0x4FB3C8), DEALERDARK = hex(0x2A7388);
constexpr double EYEY = 47, EYEL = 136, EYER = 192, EYER_ = 22;  // eyes 193 above the centre

void dealerhead(cairo_t* cr) {
    cairo_move_to(cr, 160, 8);
    cairo_curve_to(cr, 268, 8, 300, 110, 280, 190);
    cairo_curve_to(cr, 270, 260, 240, 300, 240, 480);
    cairo_line_to(cr, 80, 480);
    cairo_curve_to(cr, 80, 300, 50, 260, 40, 190);
    cairo_curve_to(cr, 20, 110, 52, 8, 160, 8);
    cairo_close_path(cr);
}

void dealer() {
    Canvas c = canvas(DW, DH);
    cairo_t* cr = c.cr;
    // the dorsal fin peeks over the head
    cairo_move_to(cr, 120, 30);
    cairo_curve_to(cr, 130, -4, 190, -4, 200, 30);
    setrgb(cr, DEALERDARK);
    cairo_fill(cr);
    // side fins as hands, resting forward on the table
    for (int s : {-1, 1}) {
        cairo_move_to(cr, 160 + s * 110, 200);
        cairo_curve_to(cr, 160 + s * 160, 210, 160 + s * 150, 270, 160 + s * 95, 262);
        cairo_close_path(cr);
        setrgb(cr, shade(DEALER, 0.85));
        cairo_fill_preserve(cr);
        setrgb(cr, DEALERDARK);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
    dealerhead(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(40, 0, 280, 0);
    addstop(g, 0, shade(DEALER, 0.8));
    addstop(g, 0.4, shade(DEALER, 1.12));
    addstop(g, 1, shade(DEALER, 0.78));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setrgb(cr, DEALERDARK);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // pale belly
    cairo_save(cr);
    cairo_translate(cr, 160, 150);
    cairo_scale(cr, 0.75, 1);
    cairo_arc(cr, 0, 0, 80, 0.15 * kPi, 0.85 * kPi);
    cairo_restore(cr);
    setrgb(cr, mix(DEALER, pal::white, 0.55), 0.7);
    cairo_fill(cr);
    // waistcoat and shirt
    cairo_move_to(cr, 82, 232);
    cairo_curve_to(cr, 100, 212, 220, 212, 238, 232);
    cairo_line_to(cr, 240, 480);
    cairo_line_to(cr, 80, 480);
    cairo_close_path(cr);
    setrgb(cr, pal::textoutline);
    cairo_fill_preserve(cr);
    setrgb(cr, pal::brass);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_move_to(cr, 130, 220);
    cairo_line_to(cr, 190, 220);
    cairo_line_to(cr, 160, 330);
    cairo_close_path(cr);
    setrgb(cr, pal::paper);
    cairo_fill(cr);
    for (int k = 0; k < 3; k++) rivet(cr, 160, 250 + k * 26, 4);
    // bow tie
    for (int s : {-1, 1}) {
        cairo_move_to(cr, 160, 214);
        cairo_line_to(cr, 160 + s * 34, 198);
        cairo_line_to(cr, 160 + s * 34, 230);
        cairo_close_path(cr);
        setrgb(cr, pal::suitred);
        cairo_fill_preserve(cr);
        setrgb(cr, shade(pal::suitred, 0.6));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    cairo_arc(cr, 160, 214, 8, 0, 2 * kPi);
    setrgb(cr, shade(pal::suitred, 0.8));
    cairo_fill(cr);
    // eyes with a glint
    for (double ex : {EYEL, EYER}) {
        cairo_arc(cr, ex, EYEY, EYER_, 0, 2 * kPi);
        setrgb(cr, pal::white);
        cairo_fill_preserve(cr);
        setrgb(cr, DEALERDARK);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
        cairo_arc(cr, ex + 3, EYEY + 4, 11, 0, 2 * kPi);
        setrgb(cr, pal::suitblack);
        cairo_fill(cr);
        cairo_arc(cr, ex + 7, EYEY - 1, 4, 0, 2 * kPi);
        setrgb(cr, pal::white);
        cairo_fill(cr);
    }
    // eyebrows and a friendly smile
    for (double ex : {EYEL, EYER}) {
        cairo_move_to(cr, ex - 16, EYEY - 30);
        cairo_curve_to(cr, ex - 6, EYEY - 38, ex + 6, EYEY - 38, ex + 16, EYEY - 30);
    }
    setrgb(cr, DEALERDARK);
    cairo_set_line_width(cr, 4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_move_to(cr, 126, 120);
    cairo_curve_to(cr, 140, 146, 184, 146, 198, 120);
    cairo_stroke(cr);
    save(c, "casino/fish.png");

    // the blink: lids over both eyes, centred between them
    Canvas b = canvas(120, 50);
    cairo_t* br = b.cr;
    double ox = 60 - (EYEL + EYER) / 2, oy = 25 - EYEY;
    for (double ex : {EYEL, EYER}) {
        cairo_arc(br, ex + ox, EYEY + oy, EYER_ + 2, 0, 2 * kPi);
        setrgb(br, shade(DEALER, 1.05));
        cairo_fill_preserve(br);
        setrgb(br, DEALERDARK);
        cairo_set_line_width(br, 2.5);
        cairo_stroke(br);
        cairo_move_to(br, ex + ox - 16, EYEY + oy + 2);
        cairo_curve_to(br, ex + ox - 6, EYEY + oy + 10, ex + ox + 6, EYEY + oy + 10, ex + ox + 16, EYEY + oy + 2);
        cairo_set_line_width(br, 3);
        cairo_set_line_cap(br, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(br);
    }
    save(b, "casino/fish2.png");
}

// ---- table, shells, cookie ----------------------------------------------------

// 960 x 300, centred 143 above the bottom: the felt from the top to y 150
// (the shells stand at 75), the wooden front below with the chips at 203.
void table() {
    Canvas c = canvas(960, 300);
    cairo_t* cr = c.cr;
    Rng rng(23);
    dropshadow(cr, 10, 20, 940, 270, 40, 0, 6, 10, 0.4);
    // front apron
    woodpanel(cr, 30, 140, 900, 156, 24, rng, 3);
    cairo_rectangle(cr, 30, 146, 900, 6);
    setrgb(cr, pal::brass);
    cairo_fill(cr);
    // felt top in perspective
    cairo_move_to(cr, 110, 10);
    cairo_line_to(cr, 850, 10);
    cairo_curve_to(cr, 900, 10, 950, 120, 940, 150);
    cairo_line_to(cr, 20, 150);
    cairo_curve_to(cr, 10, 120, 60, 10, 110, 10);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 10, 0, 150);
    addstop(g, 0, FELTDARK);
    addstop(g, 1, FELT);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setrgb(cr, pal::brass);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    // a pale ring printed on the felt round the shells' row
    cairo_save(cr);
    cairo_translate(cr, 480, 82);
    cairo_scale(cr, 410, 46);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    setrgb(cr, pal::white, 0.18);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    save(c, "casino/table.png");
}

// The shell: an upturned scallop, 140 x 110, its rim 33 pixels below the
// centre so that the cookie (3 below the centre) hides under it.
void shellpic() {
    Canvas c = canvas(140, 110);
    cairo_t* cr = c.cr;
    auto dome = [](cairo_t* cr) {
        cairo_move_to(cr, 8, 88);
        cairo_curve_to(cr, 4, 30, 40, 8, 70, 8);
        cairo_curve_to(cr, 100, 8, 136, 30, 132, 88);
        cairo_curve_to(cr, 100, 98, 40, 98, 8, 88);
        cairo_close_path(cr);
    };
    dome(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 8, 0, 96);
    addstop(g, 0, mix(SHELLC, pal::white, 0.4));
    addstop(g, 0.6, SHELLC);
    addstop(g, 1, shade(SHELLC, 0.7));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setrgb(cr, shade(SHELLC, 0.5));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_save(cr);
    dome(cr);
    cairo_clip(cr);
    for (int i = -4; i <= 4; i++) {  // ribs fanning from the hinge
        cairo_move_to(cr, 70 + i * 4, 4);
        cairo_curve_to(cr, 70 + i * 10, 30, 70 + i * 15, 60, 70 + i * 16, 100);
        setrgb(cr, shade(SHELLC, 0.62), 0.55);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    cairo_move_to(cr, 40, 30);
    cairo_curve_to(cr, 48, 20, 60, 16, 70, 16);
    setrgb(cr, pal::white, 0.7);
    cairo_set_line_width(cr, 4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    save(c, "casino/shell.png");

    Canvas s = canvas(160, 40);
    cairo_save(s.cr);
    cairo_translate(s.cr, 80, 20);
    cairo_scale(s.cr, 62, 11);
    cairo_arc(s.cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(s.cr);
    cairo_set_source_rgba(s.cr, 0.02, 0.12, 0.1, 0.55);
    cairo_fill(s.cr);
    blur(s.surface, 6);
    save(s, "casino/shadow.png");
}

void cookie() {
    Canvas c = canvas(60, 40);
    cairo_t* cr = c.cr;
    cairo_save(cr);
    cairo_translate(cr, 30, 20);
    cairo_scale(cr, 26, 15);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(24, 14, 2, 30, 20, 26);
    addstop(g, 0, hex(0xF6CF86));
    addstop(g, 1, hex(0xC98A3E));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setrgb(cr, hex(0x8C5A2B));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    const double cx[6] = {18, 30, 42, 24, 37, 30};
    const double cy[6] = {16, 12, 17, 25, 24, 19};
    for (int i = 0; i < 6; i++) {
        cairo_arc(cr, cx[i], cy[i], 2.6, 0, 2 * kPi);
        setrgb(cr, hex(0x4A2A12));
        cairo_fill(cr);
    }
    save(c, "casino/cookie.png");
}

// A marquee bulb: white-hot middle, warm glass, a soft halo (the game dims
// unlit bulbs to half).
void bulb() {
    Canvas c = canvas(30, 30);
    glow(c.cr, 15, 15, 15, hex(0xFFD24A), 0.55);
    cairo_arc(c.cr, 15, 15, 7, 0, 2 * kPi);
    cairo_pattern_t* g = cairo_pattern_create_radial(13, 13, 1, 15, 15, 7);
    addstop(g, 0, pal::white);
    addstop(g, 1, hex(0xFFC23A));
    cairo_set_source(c.cr, g);
    cairo_fill(c.cr);
    cairo_pattern_destroy(g);
    save(c, "casino/light.png");
}

// ---- chips and signs ----------------------------------------------------------

void chip(int n, RGB colour, const std::string& value) {
    Canvas c = canvas(96, 96);
    cairo_t* cr = c.cr;
    dropshadowpath(cr, [](cairo_t* cr, void*) { cairo_arc(cr, 48, 48, 42, 0, 2 * kPi); }, nullptr, 0, 3, 4, 0.4);
    cairo_arc(cr, 48, 48, 42, 0, 2 * kPi);
    setrgb(cr, colour);
    cairo_fill_preserve(cr);
    setrgb(cr, shade(colour, 0.55));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    for (int i = 0; i < 8; i++) {  // edge inserts
        double a = i * kPi / 4;
        cairo_save(cr);
        cairo_translate(cr, 48 + 36 * std::cos(a), 48 + 36 * std::sin(a));
        cairo_rotate(cr, a);
        cairo_rectangle(cr, -4, -7, 8, 14);
        cairo_restore(cr);
        setrgb(cr, pal::pearl);
        cairo_fill(cr);
    }
    cairo_arc(cr, 48, 48, 27, 0, 2 * kPi);
    setrgb(cr, mix(colour, pal::white, 0.25));
    cairo_fill_preserve(cr);
    setrgb(cr, pal::pearl);
    cairo_set_line_width(cr, 2);
    const double dash[2] = {5, 3};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    outlinedtext(cr, value, 48, 57, 24, pal::white, shade(colour, 0.45), 3);
    cairo_arc(cr, 40, 30, 14, kPi, 1.5 * kPi);
    setrgb(cr, pal::white, 0.45);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    save(c, "casino/chip" + std::to_string(n) + ".png");
}

// A headline on a rounded board that sits on the marquee arch.
void sign(const std::string& file, const std::string& words, RGB board, RGB fill, RGB outline) {
    const int SW = 360, SH = 120;
    Canvas c = canvas(SW, SH);
    cairo_t* cr = c.cr;
    Rng rng(words.size());
    dropshadow(cr, 10, 12, SW - 20, SH - 26, 36);
    roundrect(cr, 10, 12, SW - 20, SH - 26, 36);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 12, 0, SH - 14);
    addstop(g, 0, shade(board, 1.25));
    addstop(g, 1, shade(board, 0.8));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setrgb(cr, pal::brass);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    roundrect(cr, 20, 21, SW - 40, SH - 44, 28);
    setrgb(cr, pal::white, 0.25);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    double size = 46;
    while (textwidth(cr, words, size) > SW - 70 && size > 20) size -= 2;
    outlinedtext(cr, words, SW / 2.0, SH / 2.0 + size * 0.36, size, fill, outline, 5);
    for (int i = 0; i < 4; i++) glow(cr, rng.range(30, SW - 30), rng.range(20, SH - 20), 10, pal::white, 0.5);
    save(c, file);
}

}  // namespace

AL_GENERATOR(gen_casino) {
    background();
    curtain();
    dealer();
    table();
    shellpic();
    cookie();
    bulb();
    chip(1, pal::coral, "10");
    chip(2, pal::watermid, "25");
    chip(3, pal::anemone, "50");
    sign("texts/casino-play.png", "SHELL GAME", hex(0x7A1E2C), pal::gold, pal::goldoutline);
    sign("texts/casino-win.png", "YOU WIN!", hex(0x1F7F6A), pal::gold, pal::goldoutline);
    sign("texts/casino-lose.png", "SO CLOSE!", hex(0x0B4F7A), pal::white, pal::textoutline);
}
