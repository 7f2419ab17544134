// The adventure map: the layout file "map/mappoints.txt", the node and path
// pictures, the casino entrances, the top bar, the casino tooltip and the
// four map pages (foreground and backdrop, three 1024-wide panels each).
//
// The layout below is the one place where node positions live; the page art
// reads it too, so the sand trail under the dotted path always follows the
// nodes.
//
// Node styles: 1 an ordinary level, 3 a boss level (16, 17, 32..34, 52..54,
// 72..74), 5 the level that opens a chapter (the first of each page).
// Pages hold 17, 17, 20 and 20 levels, starting at 1, 18, 35 and 55. Every
// node stands between y 214 and 582, clear of the top bar and of the buttons
// at the bottom (stars fan out 45 pixels below a node); casino levels stand
// at y 340 or lower down so their tooltip (150 pixels above) stays under the
// bar, and their entrance (up and right of the node) has room.
#include "art.h"
#include "assetlib.h"

#include <cairo.h>

#include <cmath>
#include <string>
#include <vector>

using namespace art;

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int PAGEW = 3072, PAGEH = 768;  // three panels; the map shows 2732

struct Node {
    int x, y;
};

const std::vector<Node> LAYOUT[5] = {
    {},
    // page 1: the sunny reef, levels 1..17
    {{180, 470}, {342, 548}, {515, 535}, {673, 448}, {793, 317}, {939, 221}, {1115, 218}, {1249, 336},
     {1379, 459}, {1529, 553}, {1704, 532}, {1851, 431}, {1966, 296}, {2150, 340}, {2304, 272}, {2445, 382},
     {2560, 520}},
    // page 2: the kelp forest, levels 18..34
    {{180, 520}, {331, 427}, {470, 340}, {608, 222}, {783, 245}, {918, 355}, {1040, 483}, {1192, 569},
     {1367, 540}, {1510, 441}, {1630, 340}, {1789, 241}, {1954, 294}, {2095, 401}, {2218, 528}, {2390, 524},
     {2560, 470}},
    // page 3: the wreck and the cliffs, levels 35..54
    {{180, 300}, {320, 237}, {462, 270}, {574, 376}, {658, 504}, {792, 575}, {943, 582}, {1060, 515},
     {1200, 390}, {1286, 282}, {1427, 226}, {1579, 237}, {1696, 333}, {1799, 448}, {1900, 560}, {2051, 580},
     {2195, 533}, {2301, 424}, {2425, 332}, {2560, 260}},
    // page 4: the glowing deep, levels 55..74
    {{180, 560}, {336, 571}, {464, 488}, {600, 360}, {673, 255}, {823, 214}, {973, 249}, {1073, 369},
     {1174, 489}, {1302, 573}, {1457, 574}, {1581, 485}, {1660, 380}, {1790, 340}, {1936, 214}, {2085, 255},
     {2183, 377}, {2292, 489}, {2427, 561}, {2570, 500}},
};
const int FIRSTLEVEL[5] = {0, 1, 18, 35, 55};

bool bosslevel(int l) {
    return l == 16 || l == 17 || (l >= 32 && l <= 34) || (l >= 52 && l <= 54) || (l >= 72 && l <= 74);
}

int nodestyle(int page, int j) {
    int level = FIRSTLEVEL[page] + j - 1;
    if (bosslevel(level)) return 3;
    if (j == 1) return 5;
    return 1;
}

void writelayout() {
    std::string out;
    for (int p = 1; p <= 5; p++)
        for (int j = 1; j <= 100; j++) {
            int x = 0, y = 0, t = 0;
            if (p <= 4 && j <= int(LAYOUT[p].size())) {
                x = LAYOUT[p][j - 1].x;
                y = LAYOUT[p][j - 1].y;
                t = nodestyle(p, j);
            }
            out += std::to_string(x) + "\r\n" + std::to_string(y) + "\r\n" + std::to_string(t) + "\r\n";
        }
    if (!al::savetext("map/mappoints.txt", out)) al::fail("map/mappoints.txt");
}

// ---- small pictures -------------------------------------------------------

// A round node plate: rim colour, face colour; boss plates wear spikes and
// chapter plates a ring of pearls.
void nodeplate(int kind, bool reached) {
    Canvas c = canvas(100, 100);
    cairo_t* cr = c.cr;
    const double cx = 50, cy = 50, r = 38;
    RGB rim, face, light;
    if (!reached) {
        rim = shade(pal::rock, 0.8);
        face = pal::rock;
        light = pal::rocklight;
    } else if (kind == 1) {
        rim = hex(0xE0703A);
        face = pal::coralorange;
        light = hex(0xFFD39A);
    } else if (kind == 3) {
        rim = hex(0x7A2A6E);
        face = hex(0xC2407A);
        light = hex(0xF08FB8);
    } else {
        rim = pal::goldoutline;
        face = pal::gold;
        light = hex(0xFFF1B0);
    }
    // soft drop shadow
    cairo_save(cr);
    glow(cr, cx, cy + 6, r + 10, hex(0x062A40), 0.45);
    cairo_restore(cr);
    if (kind == 3) {
        // urchin spikes
        setrgb(cr, shade(rim, 0.9));
        for (int i = 0; i < 14; i++) {
            double a = i * 2 * kPi / 14;
            cairo_move_to(cr, cx + (r - 2) * std::cos(a - 0.16), cy + (r - 2) * std::sin(a - 0.16));
            cairo_line_to(cr, cx + (r + 9) * std::cos(a), cy + (r + 9) * std::sin(a));
            cairo_line_to(cr, cx + (r - 2) * std::cos(a + 0.16), cy + (r - 2) * std::sin(a + 0.16));
            cairo_close_path(cr);
        }
        cairo_fill(cr);
    }
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    setrgb(cr, rim);
    cairo_fill(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(cx - 10, cy - 14, 4, cx, cy, r - 5);
    addstop(g, 0, light);
    addstop(g, 1, face);
    cairo_arc(cr, cx, cy, r - 5, 0, 2 * kPi);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // inner ring where the number sits
    cairo_arc(cr, cx, cy, r - 11, 0, 2 * kPi);
    setrgb(cr, shade(face, 0.78), 0.55);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // top light
    cairo_save(cr);
    cairo_arc(cr, cx, cy, r - 6, kPi * 1.1, kPi * 1.9);
    setrgb(cr, pal::white, reached ? 0.55 : 0.3);
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_restore(cr);
    if (kind == 5) {
        for (int i = 0; i < 12; i++) {
            double a = i * 2 * kPi / 12 + kPi / 12;
            double px = cx + (r - 2.5) * std::cos(a), py = cy + (r - 2.5) * std::sin(a);
            cairo_arc(cr, px, py, 4.2, 0, 2 * kPi);
            setrgb(cr, reached ? pal::pearl : pal::rocklight);
            cairo_fill_preserve(cr);
            setrgb(cr, reached ? pal::pearlrim : shade(pal::rock, 0.7));
            cairo_set_line_width(cr, 1.2);
            cairo_stroke(cr);
        }
    }
    save(c, "map/m" + std::to_string(reached ? kind + 1 : kind) + ".png");
}

void starpath(cairo_t* cr, double cx, double cy, double ro, double ri) {
    for (int i = 0; i < 10; i++) {
        double a = -kPi / 2 + i * kPi / 5;
        double rr = i % 2 ? ri : ro;
        if (i == 0) cairo_move_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
        else cairo_line_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
    }
    cairo_close_path(cr);
}

void smallpictures() {
    nodeplate(1, false);
    nodeplate(1, true);
    nodeplate(3, false);
    nodeplate(3, true);
    nodeplate(5, false);
    nodeplate(5, true);

    {  // the bubble a locked node sits in
        Canvas c = canvas(112, 112);
        bubble(c.cr, 56, 56, 52, 0.9);
        save(c, "map/bubble.png");
    }
    {  // the shadow under a story level: a dark pool with a faint violet rim
        Canvas c = canvas(150, 150);
        cairo_t* cr = c.cr;
        cairo_save(cr);
        cairo_translate(cr, 75, 84);
        cairo_scale(cr, 1.0, 0.82);
        cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 10, 0, 0, 70);
        addstop(g, 0, hex(0x1A0F3A), 0.7);
        addstop(g, 0.62, hex(0x2A1A5A), 0.45);
        addstop(g, 0.8, hex(0xB08AF0), 0.25);
        addstop(g, 1, hex(0xB08AF0), 0);
        cairo_arc(cr, 0, 0, 70, 0, 2 * kPi);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        cairo_restore(cr);
        save(c, "map/storyshadow.png");
    }
    {  // path dots
        Canvas c = canvas(22, 22);
        cairo_arc(c.cr, 11, 11, 8, 0, 2 * kPi);
        setrgb(c.cr, pal::gold);
        cairo_fill_preserve(c.cr);
        setrgb(c.cr, pal::goldoutline);
        cairo_set_line_width(c.cr, 2);
        cairo_stroke(c.cr);
        cairo_arc(c.cr, 9, 8.5, 2.6, 0, 2 * kPi);
        setrgb(c.cr, pal::white, 0.8);
        cairo_fill(c.cr);
        save(c, "map/mapdot.png");
        Canvas e = canvas(22, 22);
        cairo_arc(e.cr, 11, 11, 7.5, 0, 2 * kPi);
        setrgb(e.cr, hex(0x0B3550), 0.45);
        cairo_fill_preserve(e.cr);
        setrgb(e.cr, pal::white, 0.7);
        cairo_set_line_width(e.cr, 1.6);
        cairo_stroke(e.cr);
        save(e, "map/mapdotempty.png");
    }
    {  // star under a completed node, drawn at half size
        Canvas c = canvas(56, 56);
        starpath(c.cr, 28, 29, 25, 11);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, 4, 0, 54);
        addstop(g, 0, hex(0xFFF1A0));
        addstop(g, 1, hex(0xFFB020));
        cairo_set_source(c.cr, g);
        cairo_fill_preserve(c.cr);
        cairo_pattern_destroy(g);
        setrgb(c.cr, pal::goldoutline);
        cairo_set_line_width(c.cr, 3);
        cairo_set_line_join(c.cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(c.cr);
        save(c, "map/mapstar.png");
    }
    // casino entrances: a clam with a pearl and a plaque for the games left
    // (the number is drawn 16 pixels above the picture's centre)
    for (int open = 0; open <= 1; open++) {
        Canvas c = canvas(88, 88);
        cairo_t* cr = c.cr;
        glow(cr, 44, 60, 40, hex(0x062A40), 0.35);
        RGB shellc = open ? hex(0xFF8FA8) : hex(0x8A98A4);
        RGB shelld = shade(shellc, 0.7);
        // lower shell
        cairo_move_to(cr, 8, 58);
        cairo_curve_to(cr, 14, 84, 74, 84, 80, 58);
        cairo_close_path(cr);
        setrgb(cr, shellc);
        cairo_fill_preserve(cr);
        setrgb(cr, shelld);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
        if (open) {
            // pearl in the open clam, and the upper shell raised behind the plaque
            cairo_arc(cr, 44, 56, 10, 0, 2 * kPi);
            cairo_pattern_t* g = cairo_pattern_create_radial(40, 52, 1, 44, 56, 10);
            addstop(g, 0, pal::white);
            addstop(g, 1, pal::pearlrim);
            cairo_set_source(cr, g);
            cairo_fill(cr);
            cairo_pattern_destroy(g);
        }
        // upper shell: a fan, raised when open, shut over the pearl when closed
        double top = open ? 8 : 34;
        cairo_move_to(cr, 8, 56);
        cairo_curve_to(cr, 10, top, 78, top, 80, 56);
        if (!open) cairo_close_path(cr);
        else {
            cairo_curve_to(cr, 62, 44, 26, 44, 8, 56);
            cairo_close_path(cr);
        }
        setrgb(cr, open ? shade(shellc, 1.1) : shellc);
        cairo_fill_preserve(cr);
        setrgb(cr, shelld);
        cairo_stroke(cr);
        for (int i = -3; i <= 3; i++) {  // ribs
            cairo_move_to(cr, 44 + i * 3, open ? 46 : 56);
            cairo_line_to(cr, 44 + i * 11, open ? top + 8 : top + 6);
        }
        setrgb(cr, shelld, 0.5);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        if (open) {
            // the plaque
            roundrect(cr, 30, 15, 28, 26, 8);
            setrgb(cr, pal::plank);
            cairo_fill_preserve(cr);
            setrgb(cr, pal::grain);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
            roundrect(cr, 33, 18, 22, 20, 6);
            setrgb(cr, pal::planklight);
            cairo_fill(cr);
        } else {
            // a little padlock
            roundrect(cr, 36, 50, 16, 13, 3);
            setrgb(cr, pal::brass);
            cairo_fill(cr);
            cairo_arc(cr, 44, 50, 5, kPi, 2 * kPi);
            setrgb(cr, shade(pal::brass, 0.7));
            cairo_set_line_width(cr, 2.5);
            cairo_stroke(cr);
        }
        save(c, open ? "map/casino.png" : "map/casinoout.png");
    }
    {  // casino tooltip panel
        Canvas c = canvas(290, 160);
        Rng rng(501);
        dropshadow(c.cr, 8, 6, 274, 144, 16);
        woodpanel(c.cr, 8, 6, 274, 144, 16, rng, 4);
        insetpaper(c.cr, 18, 16, 254, 124, 12);
        save(c, "map/mappreview.png");
    }
}

// ---- top bar -----------------------------------------------------------------

// A bar part hanging from the top edge: wood with a rope along its lower rim.
void barpanel(cairo_t* cr, double x, double w, double h, Rng& rng) {
    dropshadow(cr, x, -20, w, h + 20, 18);
    woodpanel(cr, x, -20, w, h + 20, 18, rng, 3);
    rope(cr, x + 14, h - 6, x + w - 14, h - 6, 7);
}

// Counter field: a dark inset pill the white numbers stand out on.
void counterfield(cairo_t* cr, double cx, double cy, double w) {
    pill(cr, cx - w / 2, cy - 19, w, 38);
    setrgb(cr, hex(0x0B3550), 0.55);
    cairo_fill_preserve(cr);
    setrgb(cr, pal::planklight, 0.8);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void pearlicon(cairo_t* cr, double x, double y, double r) {
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    cairo_pattern_t* g = cairo_pattern_create_radial(x - r * 0.35, y - r * 0.35, 1, x, y, r);
    addstop(g, 0, pal::white);
    addstop(g, 1, pal::pearlrim);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setrgb(cr, shade(pal::pearlrim, 0.7));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void topbar() {
    {  // left: the shop (0..200) and the pearl balance (centred at 202, 17)
        Canvas c = canvas(300, 80);
        cairo_t* cr = c.cr;
        Rng rng(511);
        barpanel(cr, 0, 296, 64, rng);
        // shop: a treasure chest
        double sx = 76;
        roundrect(cr, sx - 28, 20, 56, 30, 5);
        setrgb(cr, pal::grain);
        cairo_fill(cr);
        cairo_move_to(cr, sx - 28, 26);
        cairo_curve_to(cr, sx - 28, 6, sx + 28, 6, sx + 28, 26);
        cairo_close_path(cr);
        setrgb(cr, pal::plank);
        cairo_fill(cr);
        cairo_rectangle(cr, sx - 28, 24, 56, 4);
        setrgb(cr, pal::brass);
        cairo_fill(cr);
        rivet(cr, sx, 34, 4);
        pearlicon(cr, sx - 8, 14, 5);
        pearlicon(cr, sx + 6, 12, 6);
        // the balance: a pearl, then the field the number is centred in
        counterfield(cr, 206, 31, 110);
        pearlicon(cr, 140, 31, 12);
        save(c, "map/mapuileft.png");
    }
    {  // right: the level counter (centred 298 from the right), trophies, exit
        Canvas c = canvas(420, 80);
        cairo_t* cr = c.cr;
        Rng rng(512);
        barpanel(cr, 4, 416, 64, rng);
        counterfield(cr, 122, 31, 120);
        // trophies: a cup (the hot spot spans 108..258 from the right)
        double tx = 420 - 180;
        cairo_move_to(cr, tx - 16, 12);
        cairo_line_to(cr, tx + 16, 12);
        cairo_curve_to(cr, tx + 16, 36, tx + 6, 40, tx, 40);
        cairo_curve_to(cr, tx - 6, 40, tx - 16, 36, tx - 16, 12);
        cairo_close_path(cr);
        setrgb(cr, pal::gold);
        cairo_fill_preserve(cr);
        setrgb(cr, pal::goldoutline);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        roundrect(cr, tx - 11, 42, 22, 8, 3);
        setrgb(cr, pal::goldoutline);
        cairo_fill(cr);
        for (int s = -1; s <= 1; s += 2) {
            cairo_arc(cr, tx + s * 17, 20, 6, 0, 2 * kPi);
            setrgb(cr, pal::goldoutline);
            cairo_set_line_width(cr, 2.5);
            cairo_stroke(cr);
        }
        // exit: a door with an arrow (the hot spot is the last 150 pixels)
        double ex = 420 - 52;
        roundrect(cr, ex - 14, 10, 28, 40, 6);
        setrgb(cr, pal::grain);
        cairo_fill_preserve(cr);
        setrgb(cr, shade(pal::grain, 0.7));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        cairo_move_to(cr, ex - 24, 30);
        cairo_line_to(cr, ex + 4, 30);
        setrgb(cr, pal::white);
        cairo_set_line_width(cr, 5);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
        cairo_move_to(cr, ex - 30, 30);
        cairo_line_to(cr, ex - 20, 21);
        cairo_line_to(cr, ex - 20, 39);
        cairo_close_path(cr);
        cairo_fill(cr);
        save(c, "map/mapuiright.png");
    }
}

// ---- the pages ---------------------------------------------------------------

struct Region {
    RGB top, mid, deep;    // water
    RGB far1, far2;        // far silhouettes (backdrop)
    RGB sandl, sandm, sandd;
    RGB accent, accent2;   // reef life of the place
    double rays;
    int seed;
};

const Region REGIONS[5] = {
    {},
    // 1 sunny reef
    {pal::watertop, pal::watermid, hex(0x17739E), hex(0x5FB4CF), hex(0x3E98BC), pal::sandlight, pal::sand,
     pal::sanddark, pal::coral, pal::coralorange, 0.22, 601},
    // 2 kelp forest: greener water
    {hex(0x4FD0C4), hex(0x1F9A9A), hex(0x0E5E6E), hex(0x5FBFA8), hex(0x3A9A88), hex(0xE8DCA0), hex(0xC8B070),
     hex(0x96804C), pal::kelp, hex(0xE0C040), 0.18, 602},
    // 3 wreck and cliffs: deeper blue
    {hex(0x39B0DA), hex(0x1A78A8), hex(0x0A4470), hex(0x4E8FB4), hex(0x2F6E96), hex(0xDCCB9C), hex(0xB49E72),
     hex(0x84704C), hex(0xFF9E57), pal::anemone, 0.14, 603},
    // 4 glowing deep: violet dusk, friendly lights
    {hex(0x3A8FD0), hex(0x22559E), hex(0x1A2E6A), hex(0x4A5FA8), hex(0x33468A), hex(0xC8BCD8), hex(0xA096B8),
     hex(0x6E6690), hex(0x6FF0E0), pal::anemone, 0.08, 604},
};

// Height of the foreground floor at x (its top edge).
double floory(int page, double x) {
    double ph = page * 1.7;
    return 600 + 26 * std::sin(x * 0.0042 + ph) + 14 * std::sin(x * 0.011 + ph * 2);
}

void paintbackdrop(int page) {
    const Region& r = REGIONS[page];
    Canvas c = canvas(PAGEW, PAGEH);
    cairo_t* cr = c.cr;
    Rng rng(r.seed);
    water(cr, PAGEW, PAGEH, r.top, r.mid, r.deep);
    godrays(cr, PAGEW, PAGEH, 14, r.rays, rng);
    // Two far ranges, filled down to the bottom so no gap can open under the
    // foreground at any scroll position.
    for (int layer = 0; layer < 2; layer++) {
        RGB col = layer == 0 ? r.far1 : r.far2;
        double base = layer == 0 ? 430 : 500;
        cairo_move_to(cr, 0, PAGEH);
        for (int x = 0; x <= PAGEW; x += 8) {
            double y = base - 60 * std::sin(x * 0.003 + page + layer * 2.1) - 28 * std::sin(x * 0.0093 + layer);
            if (page == 3 && layer == 0) y -= 90 * std::max(0.0, std::sin(x * 0.0021 + 1.3));  // cliffs
            cairo_line_to(cr, x, y);
        }
        cairo_line_to(cr, PAGEW, PAGEH);
        cairo_close_path(cr);
        setrgb(cr, col, layer == 0 ? 0.75 : 0.9);
        cairo_fill(cr);
        // silhouettes standing on the range
        for (int i = 0; i < 16; i++) {
            double x = rng.range(0, PAGEW);
            double y = base + 30 - 60 * std::sin(x * 0.003 + page + layer * 2.1);
            RGB s = shade(col, 0.92);
            if (page == 2) kelp(cr, x, y + 40, rng.range(160, 300), 18, s, rng, 0.6);
            else if (page == 4) anemone(cr, x, y + 20, rng.range(30, 60), s, rng);
            else branchcoral(cr, x, y + 20, rng.range(40, 80), s, rng);
        }
    }
    if (page == 3) {
        // the wreck's hull far away, between the ranges
        cairo_save(cr);
        cairo_translate(cr, 1500, 430);
        cairo_rotate(cr, -0.12);
        cairo_move_to(cr, -260, 0);
        cairo_curve_to(cr, -200, 90, 200, 90, 260, 0);
        cairo_line_to(cr, 240, -40);
        cairo_line_to(cr, -240, -30);
        cairo_close_path(cr);
        setrgb(cr, mix(r.far2, hex(0x3A3040), 0.4));
        cairo_fill(cr);
        cairo_rectangle(cr, -40, -190, 14, 160);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    // haze over everything far
    cairo_rectangle(cr, 0, 0, PAGEW, PAGEH);
    setrgb(cr, pal::haze, 0.1);
    cairo_fill(cr);
    for (int i = 0; i < 40; i++) bubble(cr, rng.range(0, PAGEW), rng.range(80, 560), rng.range(2, 6), 0.35);
    for (int p = 1; p <= 3; p++) {
        cairo_surface_t* s = al::newsurface(1024, PAGEH);
        cairo_t* pc = cairo_create(s);
        cairo_set_source_surface(pc, c.surface, -1024.0 * (p - 1), 0);
        cairo_paint(pc);
        cairo_destroy(pc);
        std::string rel = "map/mapbg" + std::to_string(page) + std::to_string(p) + ".jpg";
        if (!al::savejpg(s, rel, 88)) al::fail(rel);
        cairo_surface_destroy(s);
    }
    done(c);
}

// Kept clear of props so nodes, their stars and casinos read cleanly.
bool nearnode(int page, double x, double y, double d) {
    for (const Node& n : LAYOUT[page])
        if (std::abs(n.x - x) < d && std::abs(n.y - y) < d * 1.2) return true;
    return false;
}

void paintforeground(int page) {
    const Region& r = REGIONS[page];
    Canvas c = canvas(PAGEW, PAGEH);
    cairo_t* cr = c.cr;
    Rng rng(r.seed + 50);
    // the floor
    cairo_move_to(cr, 0, PAGEH);
    for (int x = 0; x <= PAGEW; x += 6) cairo_line_to(cr, x, floory(page, x));
    cairo_line_to(cr, PAGEW, PAGEH);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 560, 0, PAGEH);
    addstop(g, 0, r.sandl);
    addstop(g, 0.45, r.sandm);
    addstop(g, 1, r.sandd);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    caustics(cr, 0, 590, PAGEW, 178, 60, 0.18, rng);
    // ripples and pebbles
    for (int i = 0; i < 160; i++) {
        double x = rng.range(0, PAGEW), y = rng.range(floory(page, x) + 12, PAGEH - 4);
        cairo_arc(cr, x, y, rng.range(1.5, 4), 0, 2 * kPi);
        setrgb(cr, shade(r.sandd, 0.9), 0.5);
        cairo_fill(cr);
    }
    // a trail of lighter sand under the dotted path, where the path runs low
    const auto& nodes = LAYOUT[page];
    for (std::size_t i = 0; i + 1 < nodes.size(); i++) {
        double x0 = nodes[i].x, y0 = nodes[i].y, x1 = nodes[i + 1].x, y1 = nodes[i + 1].y;
        for (int k = 0; k <= 10; k++) {
            double x = x0 + (x1 - x0) * k / 10.0, y = y0 + (y1 - y0) * k / 10.0;
            if (y < floory(page, x) - 40) continue;
            glow(cr, x, y + 22, 46, r.sandl, 0.35);
        }
    }
    // near reef life, away from the nodes
    for (int i = 0; i < 70; i++) {
        double x = rng.range(0, PAGEW);
        double y = floory(page, x) + rng.range(4, 30);
        if (nearnode(page, x, y - 40, 70)) continue;
        int what = rng.irange(0, 5);
        double size = rng.range(40, 90);
        switch (page) {
            case 2:
                if (what < 3) kelp(cr, x, y + 10, rng.range(200, 420), 22, i % 2 ? pal::kelp : pal::kelpdark, rng);
                else if (what < 5) seaweed(cr, x, y, size * 0.8, pal::kelpdark, rng);
                else rock(cr, x, y + 10, size * 1.2, size * 0.6, pal::rock, rng);
                break;
            case 3:
                if (what < 2) rock(cr, x, y + 10, size * 1.5, size * 0.8, pal::rock, rng);
                else if (what < 4) fancoral(cr, x, y, size, i % 2 ? r.accent : r.accent2, rng);
                else if (what < 5) anemone(cr, x, y, size * 0.6, r.accent2, rng);
                else shell(cr, x, y + 8, 14, rng.range(-0.5, 0.5), pal::coral);
                break;
            case 4:
                if (what < 2) anemone(cr, x, y, size * 0.7, i % 2 ? r.accent : r.accent2, rng);
                else if (what < 4) domecoral(cr, x, y, size * 0.7, hex(0x8A7AD0), rng);
                else rock(cr, x, y + 10, size * 1.2, size * 0.6, shade(pal::rock, 0.8), rng);
                break;
            default:
                if (what < 2) branchcoral(cr, x, y, size, i % 2 ? r.accent : r.accent2, rng);
                else if (what < 4) domecoral(cr, x, y, size * 0.7, pal::coralorange, rng);
                else if (what < 5) seaweed(cr, x, y, size * 0.7, pal::kelp, rng);
                else starfish(cr, x, y + 10, 12, rng.range(0, 1), pal::coral);
                break;
        }
    }
    if (page == 4) {
        // friendly lights of the deep: glowing spots along the floor
        for (int i = 0; i < 40; i++) {
            double x = rng.range(0, PAGEW);
            glow(cr, x, floory(page, x) + rng.range(10, 80), rng.range(12, 30), r.accent, 0.35);
        }
    }
    if (page == 3) {
        // a mast of the wreck leaning into the page's middle, behind no node
        cairo_save(cr);
        cairo_translate(cr, 1620, 650);
        cairo_rotate(cr, 0.35);
        roundrect(cr, -10, -230, 20, 240, 6);
        setrgb(cr, pal::grain);
        cairo_fill(cr);
        rope(cr, 0, -220, 120, 0, 5);
        cairo_restore(cr);
    }
    // light from above on the near layer
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
    vignette(cr, PAGEW, PAGEH, 0.25);
    cairo_restore(cr);
    for (int p = 1; p <= 3; p++) {
        cairo_surface_t* s = al::newsurface(1024, PAGEH);
        cairo_t* pc = cairo_create(s);
        cairo_set_source_surface(pc, c.surface, -1024.0 * (p - 1), 0);
        cairo_paint(pc);
        cairo_destroy(pc);
        std::string rel = "map/map" + std::to_string(page) + std::to_string(p) + ".png";
        save(s, rel);
    }
    done(c);
}

}  // namespace

AL_GENERATOR(gen_map) {
    writelayout();
    smallpictures();
    topbar();
    for (int page = 1; page <= 4; page++) {
        paintbackdrop(page);
        paintforeground(page);
    }
}
