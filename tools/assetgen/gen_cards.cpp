// Card art: the 52 faces, seven backs, the highlight, the special cards and
// obstacles, the stable's offer and ribbon, and the three table signs.
//
// Suits by file letter (card number = value + 13 x (suit - 1)):
//   a = suit 1 hearts (red), b = suit 2 spades (black),
//   c = suit 3 diamonds (red), d = suit 4 clubs (black)
// so neighbouring suits alternate in colour.
#include <algorithm>
#include <cmath>
#include <vector>
#include <string>

#include "art.h"
#include "assetlib.h"

namespace {

constexpr int W = 96, H = 142;
constexpr double R = 10;  // corner radius

using art::hex;
using art::RGB;
using art::roundrect;
void set(cairo_t* c, unsigned v, double a = 1) { art::setrgb(c, hex(v), a); }

const unsigned PAPER = 0xFFFDF6, BORDER = 0x2B3A4A, RED = 0xD0312D, BLACK = 0x1E2530;

// The card blank: paper, border, a faint top light.
cairo_t* blank(cairo_surface_t*& s, unsigned paper = PAPER) {
    s = al::newsurface(W, H);
    cairo_t* c = cairo_create(s);
    roundrect(c, 1, 1, W - 2, H - 2, R);
    set(c, paper);
    cairo_fill_preserve(c);
    set(c, BORDER);
    cairo_set_line_width(c, 2);
    cairo_stroke(c);
    return c;
}

void save(cairo_t* c, cairo_surface_t* s, const std::string& name) {
    cairo_destroy(c);
    art::save(s, "solitaire/" + name + ".png");
}

// ---- suit symbols, centred on (x, y), size = height ----
void heart(cairo_t* c, double x, double y, double s) {
    double k = s / 2;
    cairo_move_to(c, x, y + k);
    cairo_curve_to(c, x - k * 1.6, y - k * 0.2, x - k * 0.7, y - k * 1.3, x, y - k * 0.45);
    cairo_curve_to(c, x + k * 0.7, y - k * 1.3, x + k * 1.6, y - k * 0.2, x, y + k);
    cairo_close_path(c);
    cairo_fill(c);
}
void diamond(cairo_t* c, double x, double y, double s) {
    double k = s / 2;
    cairo_move_to(c, x, y - k);
    cairo_curve_to(c, x + k * 0.35, y - k * 0.4, x + k * 0.5, y - k * 0.2, x + k * 0.72, y);
    cairo_curve_to(c, x + k * 0.5, y + k * 0.2, x + k * 0.35, y + k * 0.4, x, y + k);
    cairo_curve_to(c, x - k * 0.35, y + k * 0.4, x - k * 0.5, y + k * 0.2, x - k * 0.72, y);
    cairo_curve_to(c, x - k * 0.5, y - k * 0.2, x - k * 0.35, y - k * 0.4, x, y - k);
    cairo_fill(c);
}
void spade(cairo_t* c, double x, double y, double s) {
    double k = s / 2;
    cairo_move_to(c, x, y - k);
    cairo_curve_to(c, x + k * 1.5, y + k * 0.1, x + k * 0.8, y + k * 1.0, x + k * 0.05, y + k * 0.4);
    cairo_line_to(c, x + k * 0.35, y + k);
    cairo_line_to(c, x - k * 0.35, y + k);
    cairo_line_to(c, x - k * 0.05, y + k * 0.4);
    cairo_curve_to(c, x - k * 0.8, y + k * 1.0, x - k * 1.5, y + k * 0.1, x, y - k);
    cairo_fill(c);
}
void club(cairo_t* c, double x, double y, double s) {
    double k = s / 2, r = k * 0.42;
    cairo_arc(c, x, y - k * 0.45, r, 0, 2 * M_PI);
    cairo_fill(c);
    cairo_arc(c, x - k * 0.48, y + k * 0.12, r, 0, 2 * M_PI);
    cairo_fill(c);
    cairo_arc(c, x + k * 0.48, y + k * 0.12, r, 0, 2 * M_PI);
    cairo_fill(c);
    cairo_move_to(c, x - k * 0.1, y);
    cairo_line_to(c, x - k * 0.35, y + k);
    cairo_line_to(c, x + k * 0.35, y + k);
    cairo_line_to(c, x + k * 0.1, y);
    cairo_fill(c);
}
void suitsym(cairo_t* c, int suit, double x, double y, double s, bool flip = false) {
    set(c, suit % 2 ? RED : BLACK);
    cairo_save(c);
    if (flip) {
        cairo_translate(c, x, y);
        cairo_rotate(c, M_PI);
        x = y = 0;
    }
    switch (suit) {
    case 1: heart(c, x, y, s); break;
    case 2: spade(c, x, y, s); break;
    case 3: diamond(c, x, y, s); break;
    default: club(c, x, y, s); break;
    }
    cairo_restore(c);
}

void text(cairo_t* c, const std::string& t, double x, double y, double size, unsigned colour, bool bold = true,
          double rot = 0) {
    cairo_save(c);
    cairo_select_font_face(c, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(c, size);
    cairo_text_extents_t e;
    cairo_text_extents(c, t.c_str(), &e);
    cairo_translate(c, x, y);
    cairo_rotate(c, rot);
    cairo_move_to(c, -e.width / 2 - e.x_bearing, -e.height / 2 - e.y_bearing);
    set(c, colour);
    cairo_show_text(c, t.c_str());
    cairo_restore(c);
}

// outlined headline text for the signs
void headline(cairo_t* c, const std::string& t, double x, double y, double size, unsigned fill, unsigned outline) {
    cairo_save(c);
    cairo_select_font_face(c, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(c, size);
    cairo_text_extents_t e;
    cairo_text_extents(c, t.c_str(), &e);
    cairo_move_to(c, x - e.width / 2 - e.x_bearing, y - e.height / 2 - e.y_bearing);
    cairo_text_path(c, t.c_str());
    set(c, outline);
    cairo_set_line_width(c, 5);
    cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(c);
    set(c, fill);
    cairo_fill(c);
    cairo_restore(c);
}

const char* valuetext(int v) {
    static const char* t[] = {"", "A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    return t[v];
}

// the classic pip layouts, in the pip area 20..76 x 22..120
void pips(cairo_t* c, int suit, int v) {
    double L = 30, M = 48, Rt = 66;
    double rows[] = {34, 52, 71, 90, 108};
    struct P { double x, y; };
    std::vector<P> p;
    auto add = [&](double x, double y) { p.push_back({x, y}); };
    switch (v) {
    case 2: add(M, 34); add(M, 108); break;
    case 3: add(M, 34); add(M, 71); add(M, 108); break;
    case 4: add(L, 34); add(Rt, 34); add(L, 108); add(Rt, 108); break;
    case 5: add(L, 34); add(Rt, 34); add(M, 71); add(L, 108); add(Rt, 108); break;
    case 6: for (double y : {34.0, 71.0, 108.0}) { add(L, y); add(Rt, y); } break;
    case 7: for (double y : {34.0, 71.0, 108.0}) { add(L, y); add(Rt, y); } add(M, 52); break;
    case 8: for (double y : {34.0, 71.0, 108.0}) { add(L, y); add(Rt, y); } add(M, 52); add(M, 90); break;
    case 9: for (double y : {34.0, 58.0, 84.0, 108.0}) { add(L, y); add(Rt, y); } add(M, 71); break;
    case 10: for (double y : {34.0, 58.0, 84.0, 108.0}) { add(L, y); add(Rt, y); } add(M, 46); add(M, 96); break;
    }
    (void)rows;
    for (const P& q : p) suitsym(c, suit, q.x, q.y, 17, q.y > 72);
}

// a round sea creature for the court cards: king, queen, jack of the sea
void courtfigure(cairo_t* c, int suit, int v) {
    unsigned body = v == 13 ? 0xFF9E57 : v == 12 ? 0xC86FD6 : 0x3FAF6A;
    unsigned dark = v == 13 ? 0xB8662A : v == 12 ? 0x8A3F96 : 0x2E8A52;
    // portrait frame
    roundrect(c, 17, 24, 62, 94, 8);
    cairo_pattern_t* water = cairo_pattern_create_linear(0, 24, 0, 118);
    RGB a = hex(0x7FD6E8), b = hex(0x1E8DB4);
    cairo_pattern_add_color_stop_rgb(water, 0, a.r, a.g, a.b);
    cairo_pattern_add_color_stop_rgb(water, 1, b.r, b.g, b.b);
    cairo_set_source(c, water);
    cairo_fill_preserve(c);
    cairo_pattern_destroy(water);
    set(c, 0xE8C25A);
    cairo_set_line_width(c, 3);
    cairo_stroke(c);
    cairo_save(c);
    roundrect(c, 18.5, 25.5, 59, 91, 7);
    cairo_clip(c);
    // sand and a kelp strand
    set(c, 0xF2DDA4);
    cairo_rectangle(c, 17, 106, 62, 14);
    cairo_fill(c);
    set(c, 0x2E8A52, 0.8);
    cairo_set_line_width(c, 3);
    cairo_move_to(c, 26, 110);
    cairo_curve_to(c, 20, 90, 32, 80, 24, 60);
    cairo_stroke(c);
    // body (a plump fish standing upright), fins and tail
    set(c, dark);
    cairo_move_to(c, 48, 100);
    cairo_line_to(c, 38, 114);
    cairo_line_to(c, 58, 114);
    cairo_close_path(c);
    cairo_fill(c);
    cairo_save(c);
    cairo_translate(c, 48, 78);
    cairo_scale(c, 1, 1.25);
    cairo_arc(c, 0, 0, 20, 0, 2 * M_PI);
    cairo_restore(c);
    set(c, body);
    cairo_fill_preserve(c);
    set(c, dark);
    cairo_set_line_width(c, 2.5);
    cairo_stroke(c);
    // belly and stripes
    set(c, 0xFFF6E0, 0.8);
    cairo_save(c);
    cairo_translate(c, 48, 88);
    cairo_scale(c, 1, 0.8);
    cairo_arc(c, 0, 0, 11, 0, 2 * M_PI);
    cairo_restore(c);
    cairo_fill(c);
    // eyes with glints
    for (double ex : {41.0, 55.0}) {
        set(c, 0xFFFFFF);
        cairo_arc(c, ex, 72, 5.5, 0, 2 * M_PI);
        cairo_fill(c);
        set(c, 0x1E2530);
        cairo_arc(c, ex + 1, 73, 3, 0, 2 * M_PI);
        cairo_fill(c);
        set(c, 0xFFFFFF);
        cairo_arc(c, ex + 2, 71.5, 1, 0, 2 * M_PI);
        cairo_fill(c);
    }
    // smile
    set(c, dark);
    cairo_set_line_width(c, 1.8);
    cairo_arc(c, 48, 80, 5, 0.2 * M_PI, 0.8 * M_PI);
    cairo_stroke(c);
    // side fins
    set(c, dark);
    cairo_move_to(c, 29, 82);
    cairo_curve_to(c, 22, 86, 22, 94, 30, 92);
    cairo_fill(c);
    cairo_move_to(c, 67, 82);
    cairo_curve_to(c, 74, 86, 74, 94, 66, 92);
    cairo_fill(c);
    // headwear: crown, tiara with a pearl, or a bandana
    if (v == 13) {
        set(c, 0xFFD24A);
        cairo_move_to(c, 34, 56);
        cairo_line_to(c, 34, 40);
        cairo_line_to(c, 41, 48);
        cairo_line_to(c, 48, 36);
        cairo_line_to(c, 55, 48);
        cairo_line_to(c, 62, 40);
        cairo_line_to(c, 62, 56);
        cairo_close_path(c);
        cairo_fill_preserve(c);
        set(c, 0x8A5A00);
        cairo_set_line_width(c, 1.5);
        cairo_stroke(c);
        set(c, 0xFF7A6B);
        cairo_arc(c, 48, 50, 2.5, 0, 2 * M_PI);
        cairo_fill(c);
    } else if (v == 12) {
        set(c, 0xFFD24A);
        cairo_set_line_width(c, 3);
        cairo_arc(c, 48, 64, 16, 1.15 * M_PI, 1.85 * M_PI);
        cairo_stroke(c);
        set(c, 0xFFF6E0);
        cairo_arc(c, 48, 47, 4, 0, 2 * M_PI);
        cairo_fill_preserve(c);
        set(c, 0xF5D37A);
        cairo_set_line_width(c, 1.2);
        cairo_stroke(c);
    } else {
        set(c, suit % 2 ? RED : 0x1E8DB4);
        cairo_move_to(c, 30, 62);
        cairo_curve_to(c, 36, 50, 60, 50, 66, 62);
        cairo_line_to(c, 66, 58);
        cairo_curve_to(c, 60, 46, 36, 46, 30, 58);
        cairo_close_path(c);
        cairo_fill(c);
        cairo_move_to(c, 66, 58);
        cairo_line_to(c, 74, 54);
        cairo_line_to(c, 72, 62);
        cairo_close_path(c);
        cairo_fill(c);
    }
    cairo_restore(c);
    // the suit in the portrait's corner
    set(c, PAPER);
    cairo_arc(c, 70, 33, 7.5, 0, 2 * M_PI);
    cairo_fill(c);
    suitsym(c, suit, 70, 33, 10);
}

void face(int suit, int v) {
    cairo_surface_t* s;
    cairo_t* c = blank(s);
    unsigned col = suit % 2 ? RED : BLACK;
    // corner indices, large enough to read over an overlapping card
    text(c, valuetext(v), 13, 14, v == 10 ? 14 : 17, col);
    suitsym(c, suit, 13, 30, 11);
    text(c, valuetext(v), W - 13, H - 14, v == 10 ? 14 : 17, col, true, M_PI);
    suitsym(c, suit, W - 13, H - 30, 11, true);
    if (v == 1) {
        suitsym(c, suit, 48, 71, 44);
        set(c, 0xFFFFFF, 0.35);
        cairo_arc(c, 41, 62, 4, 0, 2 * M_PI);
        cairo_fill(c);
    } else if (v <= 10) {
        pips(c, suit, v);
    } else {
        courtfigure(c, suit, v);
    }
    const char* letters = "abcd";
    save(c, s, std::string(1, letters[suit - 1]) + std::to_string(v));
}

// ---- backs: seven patterns in the water and wood palette ----
void back(int k) {
    cairo_surface_t* s = al::newsurface(W, H);
    cairo_t* c = cairo_create(s);
    unsigned base[8] = {0, 0x1E8DB4, 0x0B4F7A, 0xB9834A, 0x3FAF6A, 0x1E8DB4, 0x8C5A2B, 0x0B4F7A};
    unsigned line[8] = {0, 0x3FC7E0, 0x7FD6E8, 0xE3B57A, 0x2E8A52, 0xFFF6E0, 0xE8C25A, 0xFF9E57};
    roundrect(c, 1, 1, W - 2, H - 2, R);
    set(c, PAPER);
    cairo_fill_preserve(c);
    set(c, BORDER);
    cairo_set_line_width(c, 2);
    cairo_stroke(c);
    roundrect(c, 7, 7, W - 14, H - 14, 6);
    set(c, base[k]);
    cairo_fill_preserve(c);
    cairo_save(c);
    cairo_clip(c);
    set(c, line[k]);
    cairo_set_line_width(c, 2.5);
    switch (k) {
    case 1:  // waves
        for (int y = 10; y < H; y += 12) {
            cairo_move_to(c, 0, y);
            for (int x = 0; x < W; x += 16) cairo_curve_to(c, x + 4, y - 5, x + 12, y + 5, x + 16, y);
            cairo_stroke(c);
        }
        break;
    case 2:  // bubbles
        for (int i = 0; i < 40; i++) {
            double x = std::fmod(i * 37.3, 84) + 6, y = std::fmod(i * 53.7, 130) + 6, r = 2 + std::fmod(i * 7.1, 6);
            cairo_arc(c, x, y, r, 0, 2 * M_PI);
            cairo_stroke(c);
        }
        break;
    case 3:  // planks with grain
        for (int x = 7; x < W; x += 20) {
            cairo_move_to(c, x, 0);
            cairo_line_to(c, x, H);
            cairo_stroke(c);
        }
        set(c, 0x8C5A2B, 0.6);
        cairo_set_line_width(c, 1);
        for (int i = 0; i < 12; i++) {
            double x = 12 + (i % 4) * 20, y = 15 + i * 11;
            cairo_move_to(c, x, y);
            cairo_curve_to(c, x + 3, y + 6, x - 3, y + 12, x, y + 18);
            cairo_stroke(c);
        }
        break;
    case 4:  // kelp stripes
        for (int x = 4; x < W; x += 14) {
            cairo_move_to(c, x, H);
            cairo_curve_to(c, x - 8, 100, x + 8, 50, x, 0);
            cairo_stroke(c);
        }
        break;
    case 5:  // fish scales
        for (int y = 0; y < H + 10; y += 10)
            for (int x = (y / 10) % 2 ? 0 : 8; x < W + 10; x += 16) {
                cairo_arc(c, x, y, 8, 0, M_PI);
                cairo_stroke(c);
            }
        break;
    case 6:  // rope diamonds on wood
        for (int d = -H; d < W + H; d += 16) {
            cairo_move_to(c, d, 0);
            cairo_line_to(c, d + H, H);
            cairo_move_to(c, d, H);
            cairo_line_to(c, d + H, 0);
        }
        cairo_stroke(c);
        break;
    default:  // coral rings
        for (int r = 6; r < 90; r += 9) {
            cairo_arc(c, W / 2.0, H / 2.0, r, 0, 2 * M_PI);
            cairo_stroke(c);
        }
        break;
    }
    cairo_restore(c);
    // a small shell emblem in the middle
    set(c, PAPER);
    cairo_arc(c, W / 2.0, H / 2.0, 13, 0, 2 * M_PI);
    cairo_fill_preserve(c);
    set(c, BORDER);
    cairo_set_line_width(c, 1.5);
    cairo_stroke(c);
    set(c, 0xFF7A6B);
    for (int i = -2; i <= 2; i++) {
        cairo_move_to(c, W / 2.0, H / 2.0 + 7);
        cairo_line_to(c, W / 2.0 + i * 4.2, H / 2.0 - 6);
    }
    cairo_set_line_width(c, 2);
    cairo_stroke(c);
    save(c, s, "card_back" + std::to_string(k));
}

// ---- special cards: the card frame with one large icon ----
cairo_t* special(cairo_surface_t*& s, unsigned panel) {
    cairo_t* c = blank(s);
    roundrect(c, 7, 7, W - 14, H - 14, 6);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 7, 0, H - 7);
    RGB a = hex(panel);
    cairo_pattern_add_color_stop_rgb(g, 0, std::min(1.0, a.r + 0.25), std::min(1.0, a.g + 0.25), std::min(1.0, a.b + 0.25));
    cairo_pattern_add_color_stop_rgb(g, 1, a.r, a.g, a.b);
    cairo_set_source(c, g);
    cairo_fill(c);
    cairo_pattern_destroy(g);
    return c;
}

void fishicon(cairo_t* c, double x, double y, double s, unsigned body, unsigned dark) {
    cairo_save(c);
    cairo_translate(c, x, y);
    cairo_scale(c, s, s);
    set(c, dark);
    cairo_move_to(c, 14, 0);
    cairo_line_to(c, 26, -10);
    cairo_line_to(c, 26, 10);
    cairo_close_path(c);
    cairo_fill(c);
    cairo_save(c);
    cairo_scale(c, 1.4, 1);
    cairo_arc(c, -2, 0, 12, 0, 2 * M_PI);
    cairo_restore(c);
    set(c, body);
    cairo_fill_preserve(c);
    set(c, dark);
    cairo_set_line_width(c, 2);
    cairo_stroke(c);
    set(c, 0xFFFFFF);
    cairo_arc(c, -12, -3, 4, 0, 2 * M_PI);
    cairo_fill(c);
    set(c, 0x1E2530);
    cairo_arc(c, -13, -3, 2, 0, 2 * M_PI);
    cairo_fill(c);
    cairo_restore(c);
}

void pearl(cairo_t* c, double x, double y, double r) {
    cairo_pattern_t* g = cairo_pattern_create_radial(x - r / 3, y - r / 3, r / 8, x, y, r);
    cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 1);
    RGB a = hex(0xFFF6E0), b = hex(0xF5D37A);
    cairo_pattern_add_color_stop_rgb(g, 0.6, a.r, a.g, a.b);
    cairo_pattern_add_color_stop_rgb(g, 1, b.r, b.g, b.b);
    cairo_set_source(c, g);
    cairo_arc(c, x, y, r, 0, 2 * M_PI);
    cairo_fill(c);
    cairo_pattern_destroy(g);
}

void fishslap() {
    cairo_surface_t* s;
    cairo_t* c = special(s, 0x1E8DB4);
    fishicon(c, 48, 66, 1.5, 0xFF9E57, 0xB8662A);
    text(c, "ANY", 48, 112, 16, 0xFFFFFF);
    save(c, s, "fishslap");
}

void cash(const std::string& name, int pearls, unsigned panel) {
    cairo_surface_t* s;
    cairo_t* c = special(s, panel);
    for (int i = 0; i < pearls; i++) pearl(c, 30 + (i % 3) * 18, 50 + (i / 3) * 18 - (i % 3 == 1 ? 6 : 0), 10);
    text(c, pearls > 3 ? "100" : "50", 48, 114, 18, 0xFFD24A);
    save(c, s, name);
}

void marker() {
    cairo_surface_t* s;
    cairo_t* c = special(s, 0xC86FD6);
    // a starfish badge with "x2"
    set(c, 0xFFD24A);
    for (int i = 0; i < 5; i++) {
        double a = -M_PI / 2 + i * 2 * M_PI / 5, b = a + M_PI / 5;
        if (i == 0) cairo_move_to(c, 48 + 32 * cos(a), 62 + 32 * sin(a));
        else cairo_line_to(c, 48 + 32 * cos(a), 62 + 32 * sin(a));
        cairo_line_to(c, 48 + 14 * cos(b), 62 + 14 * sin(b));
    }
    cairo_close_path(c);
    cairo_fill_preserve(c);
    set(c, 0x8A5A00);
    cairo_set_line_width(c, 2);
    cairo_stroke(c);
    text(c, "x2", 48, 114, 22, 0xFFFFFF);
    save(c, s, "marker");
}

// helper cards: nine creatures, told apart by colour and shape
void helpercard(int i) {
    static const unsigned body[10] = {0, 0xFF7A6B, 0xFF9E57, 0x3FC7E0, 0xC86FD6, 0x3FAF6A, 0xFFD24A, 0x8FA3B0, 0xF2DDA4, 0x1E8DB4};
    cairo_surface_t* s;
    cairo_t* c = special(s, 0x7FD6E8);
    RGB b = hex(body[i]);
    unsigned dark = ((unsigned)(b.r * 150) << 16) | ((unsigned)(b.g * 150) << 8) | (unsigned)(b.b * 150);
    fishicon(c, 50, 62, 1.2 + 0.04 * (i % 3), body[i], dark);
    text(c, std::to_string(i), 48, 112, 22, 0x0B3550);
    save(c, s, "plant" + std::to_string(i + 1));
}

void spongeicon(cairo_t* c, double x, double y, bool happy) {
    roundrect(c, x - 24, y - 28, 48, 56, 8);
    set(c, 0xFFD24A);
    cairo_fill_preserve(c);
    set(c, 0xA88654);
    cairo_set_line_width(c, 2.5);
    cairo_stroke(c);
    set(c, 0xD9B878);
    for (int k = 0; k < 7; k++) {
        cairo_arc(c, x - 14 + (k * 13) % 30, y - 18 + (k * 17) % 40, 3, 0, 2 * M_PI);
        cairo_fill(c);
    }
    for (double ex : {x - 9, x + 9}) {
        set(c, 0xFFFFFF);
        cairo_arc(c, ex, y - 4, 6, 0, 2 * M_PI);
        cairo_fill(c);
        set(c, 0x1E2530);
        cairo_arc(c, ex, y - 3, 3, 0, 2 * M_PI);
        cairo_fill(c);
    }
    set(c, 0x8C5A2B);
    cairo_set_line_width(c, 2);
    cairo_arc(c, x, y + 8, happy ? 9 : 6, 0.15 * M_PI, 0.85 * M_PI);
    cairo_stroke(c);
}

void lampicon(cairo_t* c, double x, double y) {
    cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 2, x, y, 40);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.95, 0.6, 0.9);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.95, 0.6, 0);
    cairo_set_source(c, g);
    cairo_arc(c, x, y, 40, 0, 2 * M_PI);
    cairo_fill(c);
    cairo_pattern_destroy(g);
    set(c, 0xFFF6E0);
    cairo_arc(c, x, y, 14, 0, 2 * M_PI);
    cairo_fill(c);
    set(c, 0xE8C25A);
    cairo_rectangle(c, x - 8, y + 12, 16, 12);
    cairo_fill(c);
    set(c, 0x8C5A2B);
    cairo_set_line_width(c, 1.5);
    for (int k = 0; k < 3; k++) {
        cairo_move_to(c, x - 8, y + 15 + 4 * k);
        cairo_line_to(c, x + 8, y + 15 + 4 * k);
    }
    cairo_stroke(c);
}

void swordfishicon(cairo_t* c, double x, double y, unsigned body) {
    fishicon(c, x + 6, y, 1.1, body, 0x0B4F7A);
    set(c, 0x0B4F7A);
    cairo_move_to(c, x - 28, y - 2);
    cairo_line_to(c, x - 44, y - 1);
    cairo_line_to(c, x - 28, y + 2);
    cairo_close_path(c);
    cairo_fill(c);
}

void toolcards() {
    for (int v = 0; v < 2; v++) {
        cairo_surface_t* s;
        cairo_t* c = special(s, v ? 0x3FC7E0 : 0x1E8DB4);
        spongeicon(c, 48, 62, v == 1);
        text(c, "SPONGE", 48, 114, 13, 0xFFFFFF);
        save(c, s, v ? "spongecard2" : "spongecard");
    }
    {
        cairo_surface_t* s;
        cairo_t* c = special(s, 0x0B4F7A);
        lampicon(c, 48, 60);
        text(c, "LIGHT", 48, 114, 14, 0xFFFFFF);
        save(c, s, "lightcard");
    }
    for (int v = 0; v < 2; v++) {
        cairo_surface_t* s;
        cairo_t* c = special(s, v ? 0x3FAF6A : 0x2E8A52);
        swordfishicon(c, 52, 62, v ? 0xFFFFFF : 0x7FD6E8);
        text(c, "CUT", 48, 114, 16, 0xFFFFFF);
        save(c, s, v ? "antiplantcard2" : "antiplantcard");
    }
}

// ---- obstacles: drawn over a card back ----
void oilblob(cairo_t* c, double cx, double cy, double r, double a) {
    cairo_set_source_rgba(c, 0.08, 0.07, 0.1, a);
    cairo_move_to(c, cx + r, cy);
    for (int i = 1; i <= 12; i++) {
        double t = i * M_PI / 6, rr = r * (0.75 + 0.25 * sin(i * 2.3));
        cairo_line_to(c, cx + rr * cos(t), cy + rr * sin(t));
    }
    cairo_close_path(c);
    cairo_fill(c);
}

void obstacles() {
    {
        cairo_surface_t* s;
        cairo_t* c = blank(s, 0x6E7F8C);
        oilblob(c, 48, 71, 46, 0.95);
        set(c, 0x8FA3B0, 0.5);
        cairo_arc(c, 36, 52, 8, 0, 2 * M_PI);
        cairo_fill(c);
        save(c, s, "oilcard");
    }
    {
        cairo_surface_t* s;
        cairo_t* c = blank(s, 0x6E7F8C);
        oilblob(c, 48, 71, 30, 0.6);
        save(c, s, "oilcard2");
    }
    {
        cairo_surface_t* s = al::newsurface(W, H);
        cairo_t* c = cairo_create(s);
        oilblob(c, 48, 71, 44, 0.9);
        for (int i = 0; i < 8; i++) oilblob(c, 48 + 40 * cos(i), 71 + 60 * sin(i * 1.3), 7, 0.9);
        save(c, s, "oilcardsplat");
    }
    for (int k = 1; k <= 5; k++) {
        cairo_surface_t* s;
        cairo_t* c = blank(s, 0xF2DDA4);
        double open = (k - 1) * 0.22;  // the upper half swings up
        set(c, 0xFF9E57);
        cairo_save(c);
        cairo_translate(c, 48, 80);
        cairo_arc(c, 0, 0, 36, 0, M_PI);
        cairo_close_path(c);
        cairo_fill(c);
        if (k > 1) pearl(c, 0, -4, 10);
        cairo_rotate(c, -open);
        set(c, 0xFF7A6B);
        cairo_arc(c, 0, 0, 38, M_PI, 2 * M_PI);
        cairo_close_path(c);
        cairo_fill_preserve(c);
        set(c, 0xB8662A);
        cairo_set_line_width(c, 2);
        cairo_stroke(c);
        for (int i = -3; i <= 3; i++) {
            cairo_move_to(c, 0, 0);
            cairo_line_to(c, 34 * sin(i * 0.4), -34 * cos(i * 0.4));
        }
        cairo_stroke(c);
        cairo_restore(c);
        save(c, s, "shellcard" + std::to_string(k));
    }
    {
        cairo_surface_t* s;
        cairo_t* c = blank(s, 0x1E8DB4);
        cairo_set_line_width(c, 6);
        cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
        for (int i = 0; i < 7; i++) {
            set(c, i % 2 ? 0x3FAF6A : 0x2E8A52);
            double x = 10 + i * 13;
            cairo_move_to(c, x, H - 6);
            cairo_curve_to(c, x - 14, 100, x + 14, 50, x - 4 + (i % 3) * 4, 8);
            cairo_stroke(c);
        }
        save(c, s, "plantscard");
    }
}

// ---- the stable's offer, price sign, ribbon; the highlight; extras ----
void stablepieces() {
    {
        cairo_surface_t* s;
        cairo_t* c = blank(s, 0xE3B57A);
        set(c, 0x8C5A2B, 0.35);
        for (int i = 0; i < 5; i++) {
            roundrect(c, 14 + 3 * i, 60 - 2 * i, 50, 60, 5);
            cairo_fill(c);
        }
        set(c, 0xB9834A);
        cairo_set_line_width(c, 3);
        cairo_arc(c, 48, 96, 14, 0, 2 * M_PI);
        cairo_stroke(c);
        text(c, "+", 48, 96, 22, 0x8C5A2B);
        save(c, s, "losecard");
    }
    {
        cairo_surface_t* s = al::newsurface(70, 34);
        cairo_t* c = cairo_create(s);
        roundrect(c, 2, 2, 66, 30, 14);
        set(c, 0xB9834A);
        cairo_fill_preserve(c);
        set(c, 0x8C5A2B);
        cairo_set_line_width(c, 2);
        cairo_stroke(c);
        pearl(c, 16, 17, 8);
        save(c, s, "pricesign");
    }
    {
        // four 2 x 94 cells: the left end, the band, the right end's two slices
        cairo_surface_t* s = al::newsurface(8, 94);
        cairo_t* c = cairo_create(s);
        for (int k = 0; k < 4; k++) {
            set(c, k == 0 ? 0x9C7F4A : k == 1 ? 0xD8C08A : 0x9C7F4A, k == 3 ? 0.7 : 1);
            cairo_rectangle(c, 2 * k, 0, 2, 94);
            cairo_fill(c);
            set(c, 0xE8C25A);
            cairo_rectangle(c, 2 * k, 44, 2, 6);
            cairo_fill(c);
        }
        cairo_destroy(c);
        art::save(s, "game/banderole.png");
    }
    {
        cairo_surface_t* s = al::newsurface(108, 156);
        cairo_t* c = cairo_create(s);
        for (int k = 6; k >= 1; k--) {
            roundrect(c, 6 - k, 7 - k, W + 2 * k, H + 2 * k, R + k);
            cairo_set_source_rgba(c, 1.0, 0.95, 0.55, 0.12);
            cairo_set_line_width(c, 2);
            cairo_stroke(c);
        }
        roundrect(c, 6, 7, W, H, R);
        cairo_set_source_rgba(c, 1.0, 0.98, 0.7, 0.9);
        cairo_set_line_width(c, 3);
        cairo_stroke(c);
        save(c, s, "glow2");
    }
    struct Extra { const char* name; unsigned panel, body; };
    for (Extra e : {Extra{"zombiekiller", 0x0B4F7A, 0x8FA3B0}, Extra{"zombieblaster", 0x0B4F7A, 0xFF7A6B},
                    Extra{"turnallup", 0x1E8DB4, 0xFFD24A}, Extra{"blowfishextra", 0x1E8DB4, 0xF2DDA4},
                    Extra{"crabextra", 0x3FC7E0, 0xFF7A6B}, Extra{"randomextra", 0xC86FD6, 0xFFFFFF},
                    Extra{"octopusextra", 0x0B4F7A, 0xC86FD6}}) {
        cairo_surface_t* s;
        cairo_t* c = special(s, e.panel);
        std::string n = e.name;
        if (n == "randomextra") {
            text(c, "?", 48, 66, 60, 0xFFD24A);
        } else if (n == "turnallup") {
            spongeicon(c, 34, 52, true);
            lampicon(c, 64, 92);
        } else if (n == "blowfishextra") {
            set(c, e.body);
            cairo_arc(c, 48, 66, 28, 0, 2 * M_PI);
            cairo_fill(c);
            set(c, 0xA88654);
            cairo_set_line_width(c, 2);
            for (int i = 0; i < 12; i++) {
                double a = i * M_PI / 6;
                cairo_move_to(c, 48 + 28 * cos(a), 66 + 28 * sin(a));
                cairo_line_to(c, 48 + 36 * cos(a), 66 + 36 * sin(a));
            }
            cairo_stroke(c);
        } else if (n == "crabextra" || n == "octopusextra") {
            set(c, e.body);
            cairo_save(c);
            cairo_translate(c, 48, 66);
            cairo_scale(c, 1.3, 1);
            cairo_arc(c, 0, 0, 22, 0, 2 * M_PI);
            cairo_restore(c);
            cairo_fill(c);
            cairo_set_line_width(c, 5);
            cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
            for (int i = -2; i <= 2; i++) {
                cairo_move_to(c, 48 + i * 10, 80);
                cairo_curve_to(c, 48 + i * 14, 96, 48 + i * 8, 104, 48 + i * 16, 110);
            }
            cairo_stroke(c);
        } else {
            fishicon(c, 48, 64, 1.4, e.body, 0x1E2530);
            set(c, n == "zombieblaster" ? 0xFFD24A : 0x3FAF6A, 0.9);
            cairo_set_line_width(c, 4);
            cairo_move_to(c, 20, 30);
            cairo_line_to(c, 76, 100);
            cairo_stroke(c);
        }
        save(c, s, e.name);
    }
}

// ---- the three table signs ----
void signs() {
    {
        cairo_surface_t* s = al::newsurface(90, 90);
        cairo_t* c = cairo_create(s);
        set(c, 0xFFFFFF);
        cairo_arc(c, 45, 45, 40, 0, 2 * M_PI);
        cairo_fill_preserve(c);
        set(c, RED);
        cairo_set_line_width(c, 8);
        cairo_stroke(c);
        cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
        cairo_move_to(c, 30, 30);
        cairo_line_to(c, 60, 60);
        cairo_move_to(c, 60, 30);
        cairo_line_to(c, 30, 60);
        cairo_stroke(c);
        cairo_destroy(c);
        art::save(s, "texts/invalid-sign.png");
    }
    struct Sign { const char* file; const char* words; int w, h; double size; };
    for (Sign g : {Sign{"texts/cleared-sign.png", "CLEARED!", 220, 70, 34}, Sign{"texts/longdrive-sign.png", "LONG DRIVE!", 420, 110, 54}}) {
        cairo_surface_t* s = al::newsurface(g.w, g.h);
        cairo_t* c = cairo_create(s);
        headline(c, g.words, g.w / 2.0, g.h / 2.0, g.size, 0xFFD24A, 0x8A5A00);
        cairo_destroy(c);
        art::save(s, g.file);
    }
}

}  // namespace

AL_GENERATOR(cards) {
    for (int suit = 1; suit <= 4; suit++)
        for (int v = 1; v <= 13; v++) face(suit, v);
    for (int k = 1; k <= 7; k++) back(k);
    fishslap();
    cash("cash", 3, 0x3FAF6A);
    cash("cash2", 6, 0x2E8A52);
    marker();
    for (int i = 1; i <= 9; i++) helpercard(i);
    toolcards();
    obstacles();
    stablepieces();
    signs();
}
