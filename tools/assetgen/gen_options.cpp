// The options popup's parts, the help's fish-helper picture and the survey
// edition's two closing pictures.
//
// The options popup is built from pieces the game places itself: two wooden
// boards hanging from the top edge, a lower board for the card backs joined
// to them by two ropes, and small controls (track, knob symbols, check box,
// tick, the card-back field and its end posts) that sit on dark water-blue
// insets so the white outlined labels read on them.
#include <cairo.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

#include "art.h"
#include "assetlib.h"
#include "backgrounds.h"

using namespace art;

namespace {

constexpr double PI = 3.14159265358979323846;

// Recessed deep-water field with a brass rim: the backing of every control.
void waterinset(cairo_t* cr, double x, double y, double w, double h, double r, double alpha = 0.9) {
    cairo_save(cr);
    roundrect(cr, x, y, w, h, r);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
    addstop(p, 0, hex(0x06263D), alpha);
    addstop(p, 1, pal::waterdeep, alpha);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setrgb(cr, shade(pal::brass, 0.8), 1);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // inner shadow along the top edge: the field lies below the wood
    roundrect(cr, x + 2, y + 2, w - 4, std::min(14.0, h / 3), r * 0.8);
    setrgb(cr, hex(0x000000), 0.22);
    cairo_fill(cr);
    cairo_restore(cr);
}

// One of the two upper boards: wood, a title plank, the control field.
void makepart1() {
    Canvas c = canvas(500, 320);
    Rng rng(1701);
    dropshadow(c.cr, 8, 0, 484, 308, 16);
    woodpanel(c.cr, 8, 0, 484, 308, 16, rng, 6);
    waterinset(c.cr, 26, 98, 448, 194, 14);
    for (double x : {28.0, 472.0})
        for (double y : {24.0, 80.0}) rivet(c.cr, x, y, 5);
    save(c, "ui/popuppart1.png");
}

// The lower board: a header strip for the title and the card-back field.
void makepart2() {
    Canvas c = canvas(960, 250);
    Rng rng(1702);
    dropshadow(c.cr, 8, 0, 944, 240, 18);
    woodpanel(c.cr, 8, 0, 944, 240, 18, rng, 5);
    // header strip, a shade lighter
    roundrect(c.cr, 20, 4, 920, 48, 12);
    setrgb(c.cr, pal::planklight, 0.25);
    cairo_fill(c.cr);
    for (double x : {30.0, 930.0})
        for (double y : {28.0, 214.0}) rivet(c.cr, x, y, 6);
    save(c, "ui/popuppart2.png");
}

// A short rope with a brass ring at each end, joining the boards.
void makerope() {
    Canvas c = canvas(28, 100);
    rope(c.cr, 14, 10, 14, 90, 9);
    for (double y : {12.0, 88.0}) {
        cairo_arc(c.cr, 14, y, 8, 0, 2 * PI);
        setrgb(c.cr, pal::brass);
        cairo_set_line_width(c.cr, 3.5);
        cairo_stroke(c.cr);
        cairo_arc(c.cr, 14, y, 8, PI * 1.1, PI * 1.6);
        setrgb(c.cr, hex(0xFFF0B0), 0.9);
        cairo_set_line_width(c.cr, 1.5);
        cairo_stroke(c.cr);
    }
    save(c, "ui/rope1.png");
}

// Brass medallion with a white icon, drawn by `icon` around the centre.
template <class F>
void medallion(const std::string& rel, F icon) {
    Canvas c = canvas(48, 48);
    dropshadow(c.cr, 4, 4, 40, 40, 20, 0, 2, 3, 0.35);
    rivet(c.cr, 24, 23, 20);
    cairo_arc(c.cr, 24, 23, 16, 0, 2 * PI);
    setrgb(c.cr, pal::watermid);
    cairo_fill(c.cr);
    cairo_save(c.cr);
    cairo_translate(c.cr, 24, 23);
    icon(c.cr);
    setrgb(c.cr, pal::textoutline, 0.9);
    cairo_set_line_width(c.cr, 2.5);
    cairo_set_line_join(c.cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(c.cr);
    setrgb(c.cr, pal::white);
    cairo_fill(c.cr);
    cairo_restore(c.cr);
    save(c, rel);
}

void notepath(cairo_t* cr) {
    // two beamed eighth notes
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, -6, 6);
    cairo_scale(cr, 1.3, 1);
    cairo_arc(cr, 0, 0, 3.6, 0, 2 * PI);
    cairo_restore(cr);
    cairo_new_sub_path(cr);
    cairo_save(cr);
    cairo_translate(cr, 6, 3);
    cairo_scale(cr, 1.3, 1);
    cairo_arc(cr, 0, 0, 3.6, 0, 2 * PI);
    cairo_restore(cr);
    cairo_new_sub_path(cr);
    cairo_rectangle(cr, -2.4, -9, 2.2, 15);
    cairo_new_sub_path(cr);
    cairo_rectangle(cr, 9.6, -12, 2.2, 15);
    cairo_new_sub_path(cr);
    cairo_move_to(cr, -2.4, -9);
    cairo_line_to(cr, 11.8, -12);
    cairo_line_to(cr, 11.8, -8);
    cairo_line_to(cr, -2.4, -5);
    cairo_close_path(cr);
}

void speakerpath(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, -11, -4);
    cairo_line_to(cr, -6, -4);
    cairo_line_to(cr, 1, -10);
    cairo_line_to(cr, 1, 10);
    cairo_line_to(cr, -6, 4);
    cairo_line_to(cr, -11, 4);
    cairo_close_path(cr);
    for (double r : {6.0, 10.5}) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, 1, 0, r, -PI / 4, PI / 4);
        cairo_arc_negative(cr, 1, 0, r - 2.2, PI / 4, -PI / 4);
        cairo_close_path(cr);
    }
}

// The volume groove: the knob travels 280 pixels from x = 21.
void maketrack() {
    Canvas c = canvas(300, 30);
    roundrect(c.cr, 8, 9, 284, 12, 6);
    cairo_pattern_t* p = cairo_pattern_create_linear(8, 0, 292, 0);
    addstop(p, 0, pal::waterdeep);
    addstop(p, 1, pal::watertop);
    cairo_set_source(c.cr, p);
    cairo_fill_preserve(c.cr);
    cairo_pattern_destroy(p);
    setrgb(c.cr, shade(pal::brass, 0.75));
    cairo_set_line_width(c.cr, 2);
    cairo_stroke(c.cr);
    roundrect(c.cr, 10, 10, 280, 4, 2);
    setrgb(c.cr, hex(0x000000), 0.25);
    cairo_fill(c.cr);
    // scale marks, louder to the right
    for (int i = 0; i <= 7; i++) {
        double x = 21 + 40 * i, h = 3 + i * 0.8;
        cairo_move_to(c.cr, x, 24);
        cairo_line_to(c.cr, x, 24 + h * 0.6);
        setrgb(c.cr, pal::rope, 0.8);
        cairo_set_line_width(c.cr, 1.5);
        cairo_stroke(c.cr);
    }
    save(c, "ui/optionstrack.png");
}

void makecheckbox() {
    Canvas c = canvas(32, 32);
    dropshadow(c.cr, 4, 4, 24, 24, 6, 0, 2, 3, 0.35);
    roundrect(c.cr, 4, 4, 24, 24, 6);
    setrgb(c.cr, pal::brass);
    cairo_fill(c.cr);
    roundrect(c.cr, 7, 7, 18, 18, 4);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 7, 0, 25);
    addstop(p, 0, hex(0xE9DDBF));
    addstop(p, 1, pal::paper);
    cairo_set_source(c.cr, p);
    cairo_fill(c.cr);
    cairo_pattern_destroy(p);
    save(c, "ui/cb.png");
}

// The tick: a kelp-green hook that overshoots the box a little.
void maketick() {
    Canvas c = canvas(40, 40);
    auto path = [](cairo_t* cr) {
        cairo_move_to(cr, 9, 21);
        cairo_line_to(cr, 17, 29);
        cairo_line_to(cr, 33, 7);
    };
    cairo_set_line_cap(c.cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(c.cr, CAIRO_LINE_JOIN_ROUND);
    path(c.cr);
    setrgb(c.cr, pal::textoutline, 0.85);
    cairo_set_line_width(c.cr, 9);
    cairo_stroke(c.cr);
    path(c.cr);
    setrgb(c.cr, pal::kelp);
    cairo_set_line_width(c.cr, 5.5);
    cairo_stroke(c.cr);
    cairo_move_to(c.cr, 10, 20);
    cairo_line_to(c.cr, 16, 26);
    setrgb(c.cr, pal::white, 0.45);
    cairo_set_line_width(c.cr, 1.5);
    cairo_stroke(c.cr);
    save(c, "ui/h.png");
}

// The card-back row: deep water whose ends fade out, as the backs do.
void makefield() {
    Canvas c = canvas(860, 160);
    waterinset(c.cr, 2, 2, 856, 156, 16, 0.85);
    Rng rng(1703);
    caustics(c.cr, 6, 6, 848, 148, 40, 0.06, rng);
    save(c, "ui/popupfield.png");
}

// An end post of the card-back row, behind its arrow button.
void makeselector(bool right) {
    Canvas c = canvas(44, 156);
    Rng rng(right ? 1705 : 1704);
    dropshadow(c.cr, 6, 4, 32, 148, 14);
    woodpanel(c.cr, 6, 4, 32, 148, 14, rng, 1);
    for (double y : {18.0, 138.0}) rivet(c.cr, 22, y, 5);
    save(c, right ? "ui/selectorright.png" : "ui/selectorleft.png");
}

// Help, page 3: the helper bar, a helper leaving it and landing on the open
// card as a card of its number.
void makehelpers() {
    Canvas c = canvas(600, 150);
    cairo_t* cr = c.cr;
    Rng rng(1706);
    dropshadow(cr, 20, 40, 300, 80, 18);
    woodpanel(cr, 20, 40, 300, 80, 18, rng, 2);
    const RGB bodies[4] = {pal::coralorange, hex(0xFFD24A), pal::anemone, pal::coral};
    for (int i = 0; i < 4; i++) {
        double x = 62 + 72 * i;
        glow(cr, x, 80, 30, pal::watertop, 0.35);
        bubble(cr, x, 80, 28, 0.8);
        fish(cr, x, 82, 38, bodies[i], pal::white, false);
        outlinedtext(cr, std::to_string(i + 1), x + 16, 66, 18, pal::white, pal::textoutline, 3);
    }
    // the path of the helper: dotted arc
    cairo_save(cr);
    double dash[] = {2, 9};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, 300, 56);
    cairo_curve_to(cr, 360, 0, 430, 10, 470, 50);
    setrgb(cr, pal::white, 0.85);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_restore(cr);
    // arrow head
    cairo_move_to(cr, 482, 62);
    cairo_line_to(cr, 458, 56);
    cairo_line_to(cr, 474, 38);
    cairo_close_path(cr);
    setrgb(cr, pal::white);
    cairo_fill(cr);
    // the open card, now a two
    double cx = 490, cy = 34, cw = 78, ch = 112;
    dropshadow(cr, cx, cy, cw, ch, 9);
    roundrect(cr, cx, cy, cw, ch, 9);
    setrgb(cr, pal::paper);
    cairo_fill_preserve(cr);
    setrgb(cr, pal::cardborder);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    fish(cr, cx + cw / 2, cy + ch / 2 + 8, 44, bodies[1], pal::white, false);
    outlinedtext(cr, "2", cx + 14, cy + 26, 22, pal::suitred, pal::white, 0, 3);
    save(c, "ui/fishhelpershelp.png");
}

// A wooden sign over a reef, with a headline and a line under it.
void makeoutro(const std::string& rel, int bg, const char* head, const char* line, uint64_t seed) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1366, 768);
    cairo_t* cr = cairo_create(s);
    paintbackground(cr, bg, false);
    Rng rng(seed);
    bubbletrail(cr, 300, 700, 9, 14, rng, 0.7);
    bubbletrail(cr, 1080, 720, 8, 12, rng, 0.6);
    double w = 760, h = 250, x = (1366 - w) / 2, y = 200;
    for (double rx : {x + 140, x + w - 140}) rope(cr, rx, -10, rx, y + 30, 12);
    dropshadow(cr, x, y, w, h, 20);
    woodpanel(cr, x, y, w, h, 20, rng);
    insetpaper(cr, x + 34, y + 110, w - 68, 104, 14);
    for (double rx : {x + 140, x + w - 140}) rivet(cr, rx, y + 26, 9);
    outlinedtext(cr, head, 683, y + 84, 52, pal::white, pal::textoutline, 5);
    outlinedtext(cr, line, 683, y + 174, 30, pal::textbrown, pal::paper, 0, 3, "Bold");
    fish(cr, 250, 520, 120, pal::coralorange, pal::white, false);
    fish(cr, 1120, 560, 90, hex(0xFFD24A), pal::watermid, true);
    cairo_destroy(cr);
    cairo_surface_flush(s);
    if (!al::savejpg(s, rel, 90)) al::fail(rel);
    cairo_surface_destroy(s);
}

}  // namespace

AL_GENERATOR(gen_options) {
    makepart1();
    makepart2();
    makerope();
    medallion("ui/musicsymbol.png", notepath);
    medallion("ui/effectsymbol.png", speakerpath);
    maketrack();
    makecheckbox();
    maketick();
    makefield();
    makeselector(false);
    makeselector(true);
    makehelpers();
    makeoutro("survey/demo-outro1.jpg", 1, "Thank you for playing!", "This was the survey edition of Tidewrack-Solitaire.", 1707);
    makeoutro("survey/demo-outro2.jpg", 3, "Tell us what you think", "Your browser opens our short survey now.", 1708);
    // Copied byte for byte: the first nine characters are the line's label.
    std::ifstream f("assets/survey/survey-texts.txt", std::ios::binary);
    std::ostringstream bytes;
    bytes << f.rdbuf();
    if (!f || !al::savetext("survey/survey-texts.txt", bytes.str())) al::fail("assets/survey/survey-texts.txt");
}
