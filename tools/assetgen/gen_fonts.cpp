// The bitmap fonts, the two headline fonts, the level-number digits, the
// glyph-width table the game measures text with, and the three text files.
//
// Every glyph is rendered from a packaged TrueType face with FreeType through
// cairo, at the top-left of its cell: its ink starts at column `left` of the
// cell, and the width recorded for its slot is the rightmost inked column + 1
// + `trail`. The game advances by width minus the font's reduction, so the
// visible gap between two letters is left + trail - reduction.
#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "../../src/present/fontlists.h"
#include "art.h"
#include "assetlib.h"

namespace {

const char* const COMFORTAA = "/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf";
const char* const DEJAVU = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

using art::hex;
using art::RGB;

struct Style {
    const char* file;
    int cellw, cellh, cells;
    double size;      // pixel size of the face
    double baseline;  // from the cell top
    RGB fill;
    RGB outline;
    double outlinew;  // 0: none
    int left, trail, reduction;
};

// Gap between letters: left + trail - reduction pixels of ink-to-ink space.
const Style FONT1 = {"texts/fbuttonsmall.png", 26, 26, 260, 14.5, 20.5, hex(0xFFFFFF), hex(0x0B3550), 1.6, 1, 1, 2};
const Style FONT3 = {"texts/fbuttonbig.png", 28, 28, 260, 16, 22, hex(0xFFFFFF), hex(0x0B3550), 1.8, 1, 0, 1};
// Fonts 7 and 8 share their geometry: font 8's outline adds 2 pixels on each
// side, so its ink starts 2 columns earlier and its trail is 2 smaller, and
// both tables hold the same widths.
const Style FONT7 = {"texts/font_me_28_brown.png", 28, 36, 260, 19.5, 26, hex(0x5A3414), hex(0x5A3414), 0, 3, 1, 2};
const Style FONT8 = {"texts/font_me_28_white.png", 28, 36, 260, 19.5, 26, hex(0xFFFFFF), hex(0x0B3550), 2.0, 1, -1, 2};
// The headline face; font 9 and effect font 2 are this one scaled by 0.25 and
// 0.5, which is how the game derives their advances from the list C widths.
const Style EFF1 = {"texts/efftext3.png", 92, 166, 110, 92, 124, hex(0xFFFFFF), hex(0x0B3550), 7.0, 8, 4, 2};

struct Faces {
    FT_Library lib = nullptr;
    FT_Face main = nullptr, fallback = nullptr;
    cairo_font_face_t* cmain = nullptr;
    cairo_font_face_t* cfallback = nullptr;
    int fallbacks = 0;
    bool ok = false;
} faces;

bool openfaces() {
    if (faces.ok) return true;
    if (FT_Init_FreeType(&faces.lib)) return false;
    if (FT_New_Face(faces.lib, COMFORTAA, 0, &faces.main)) faces.main = nullptr;
    if (FT_New_Face(faces.lib, DEJAVU, 0, &faces.fallback)) faces.fallback = nullptr;
    if (!faces.main && !faces.fallback) return false;
    if (!faces.main) faces.main = faces.fallback;  // wholly DejaVu when Comfortaa is missing
    faces.cmain = cairo_ft_font_face_create_for_ft_face(faces.main, 0);
    faces.cfallback = faces.fallback ? cairo_ft_font_face_create_for_ft_face(faces.fallback, 0) : faces.cmain;
    faces.ok = true;
    return true;
}

// The face that holds the character (Comfortaa first), its glyph index.
bool pickglyph(int code, cairo_font_face_t*& face, unsigned long& index) {
    FT_UInt i = FT_Get_Char_Index(faces.main, code);
    if (i) {
        face = faces.cmain;
        index = i;
        return true;
    }
    if (faces.fallback) {
        i = FT_Get_Char_Index(faces.fallback, code);
        if (i) {
            faces.fallbacks++;
            face = faces.cfallback;
            index = i;
            return true;
        }
    }
    return false;
}

struct Ink {
    int x0 = 0, y0 = 0, x1 = -1, y1 = -1;  // inclusive; x1 < x0 when empty
    bool empty() const { return x1 < x0; }
};

Ink inkof(cairo_surface_t* s) {
    cairo_surface_flush(s);
    int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    int stride = cairo_image_surface_get_stride(s);
    const unsigned char* d = cairo_image_surface_get_data(s);
    Ink k;
    k.x0 = w;
    k.y0 = h;
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            uint32_t px;
            std::memcpy(&px, d + y * stride + x * 4, 4);
            if ((px >> 24) == 0) continue;
            k.x0 = std::min(k.x0, x);
            k.x1 = std::max(k.x1, x);
            k.y0 = std::min(k.y0, y);
            k.y1 = std::max(k.y1, y);
        }
    if (k.x1 < 0) k = Ink{};
    return k;
}

// Renders one character into a scratch surface with its baseline at row
// `base` and its origin at column `orgx`; squeeze < 1 narrows it.
cairo_surface_t* renderglyph(const Style& st, int code, int sw, int sh, double orgx, double base, double squeeze) {
    cairo_surface_t* s = al::newsurface(sw, sh);
    cairo_font_face_t* face;
    unsigned long index;
    if (!pickglyph(code, face, index)) return s;
    cairo_t* cr = cairo_create(s);
    cairo_set_font_face(cr, face);
    cairo_set_font_size(cr, st.size);
    cairo_font_options_t* fo = cairo_font_options_create();
    cairo_font_options_set_hint_style(fo, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_antialias(fo, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr, fo);
    cairo_font_options_destroy(fo);
    cairo_translate(cr, orgx, base);
    cairo_scale(cr, squeeze, 1.0);
    cairo_glyph_t g{index, 0, 0};
    cairo_glyph_path(cr, &g, 1);
    if (st.outlinew > 0) {
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_width(cr, 2 * st.outlinew / squeeze);  // the stroke is scaled too
        cairo_set_source_rgb(cr, st.outline.r, st.outline.g, st.outline.b);
        cairo_stroke_preserve(cr);
    }
    cairo_set_source_rgb(cr, st.fill.r, st.fill.g, st.fill.b);
    cairo_fill(cr);
    cairo_destroy(cr);
    return s;
}

double spaceadvance(const Style& st) {
    cairo_surface_t* s = al::newsurface(4, 4);
    cairo_t* cr = cairo_create(s);
    cairo_set_font_face(cr, faces.cmain);
    cairo_set_font_size(cr, st.size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, " ", &e);
    cairo_destroy(cr);
    cairo_surface_destroy(s);
    return e.x_advance;
}

void blit(cairo_surface_t* dst, cairo_surface_t* src, int sx, int sy, int w, int h, int dx, int dy) {
    cairo_t* cr = cairo_create(dst);
    cairo_rectangle(cr, dx, dy, w, h);
    cairo_clip(cr);
    cairo_set_source_surface(cr, src, dx - sx, dy - sy);
    cairo_paint(cr);
    cairo_destroy(cr);
}

int g_clipped = 0;

// Renders a font image from a character list; returns the width per slot.
std::vector<int> renderfont(const Style& st, int listlen, int (*listat)(int), cairo_surface_t*& atlas) {
    const int rows = (st.cells + 9) / 10;
    atlas = al::newsurface(10 * st.cellw, rows * st.cellh);
    std::vector<int> widths(listlen + 1, 0);
    const int sw = st.cellw * 3, sh = st.cellh * 2;
    const double base = st.baseline + st.cellh * 0.5;  // scratch keeps room above and below
    for (int j = 1; j <= listlen && j <= st.cells; j++) {
        int code = listat(j);
        if (code == 0) continue;
        if (code == ' ') {
            widths[j] = static_cast<int>(std::lround(spaceadvance(st))) + st.reduction;
            continue;
        }
        double squeeze = 1.0;
        cairo_surface_t* g = nullptr;
        Ink k;
        for (int tries = 0; tries < 8; tries++) {
            if (g) cairo_surface_destroy(g);
            g = renderglyph(st, code, sw, sh, st.cellw * 0.5, base, squeeze);
            k = inkof(g);
            int room = st.cellw - st.left - std::max(st.trail, 0) - 1;
            if (k.empty() || k.x1 - k.x0 + 1 <= room) break;
            squeeze *= static_cast<double>(room) / (k.x1 - k.x0 + 1) - 0.01;
        }
        if (k.empty()) {
            al::fail("no glyph for U+" + std::to_string(code) + " in " + st.file);
            cairo_surface_destroy(g);
            continue;
        }
        const int cx = ((j - 1) % 10) * st.cellw, cy = ((j - 1) / 10) * st.cellh;
        const int top = static_cast<int>(base - st.baseline);  // scratch row of the cell top
        if (k.y0 < top || k.y1 >= top + st.cellh) {
            g_clipped++;
            std::printf("gen_fonts: %s slot %d (U+%04X) reaches %s\n", st.file, j, code,
                        k.y0 < top ? "above its cell" : "below its cell");
        }
        blit(atlas, g, k.x0, top, k.x1 - k.x0 + 1, st.cellh, cx + st.left, cy);
        cairo_surface_destroy(g);
        // The ink of the cell as it was actually stored (clipping included).
        cairo_surface_t* cell = al::newsurface(st.cellw, st.cellh);
        blit(cell, atlas, cx, cy, st.cellw, st.cellh, 0, 0);
        Ink c = inkof(cell);
        cairo_surface_destroy(cell);
        widths[j] = c.empty() ? 0 : c.x1 + 1 + st.trail;
    }
    return widths;
}

int atlista(int j) { return fontlists::lista[j]; }
int atlistb(int j) { return fontlists::listb(j); }
int atlistc(int j) { return fontlists::listc[j]; }

// A scaled copy of a font image, cell by cell, each cell's top-left kept.
cairo_surface_t* scaledfont(cairo_surface_t* src, int scellw, int scellh, int cells, double f, int cellw, int cellh) {
    const int rows = (cells + 9) / 10;
    cairo_surface_t* dst = al::newsurface(10 * cellw, rows * cellh);
    for (int i = 0; i < cells; i++) {
        int sx = (i % 10) * scellw, sy = (i / 10) * scellh;
        int dx = (i % 10) * cellw, dy = (i / 10) * cellh;
        cairo_t* cr = cairo_create(dst);
        cairo_rectangle(cr, dx, dy, cellw, cellh);
        cairo_clip(cr);
        cairo_translate(cr, dx, dy);
        cairo_scale(cr, f, f);
        cairo_set_source_surface(cr, src, -sx, -sy);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
        cairo_rectangle(cr, 0, 0, scellw, scellh);
        cairo_fill(cr);
        cairo_destroy(cr);
    }
    return dst;
}

std::string widthline(const char* key, const std::vector<int>& w) {
    std::ostringstream o;
    o << key;
    for (std::size_t j = 1; j < w.size(); j++) o << ' ' << w[j];
    o << '\n';
    return o.str();
}

// Gold level numbers for the map nodes: digit d in cell d, centred.
void makebignumbers() {
    cairo_surface_t* s = al::newsurface(10 * 40, 2 * 60);
    cairo_t* cr = cairo_create(s);
    cairo_set_font_face(cr, faces.cmain);
    cairo_set_font_size(cr, 46);
    for (int d = 0; d <= 9; d++) {
        char txt[2] = {static_cast<char>('0' + d), 0};
        cairo_text_extents_t e;
        cairo_text_extents(cr, txt, &e);
        double x = (d % 10) * 40 + 20 - (e.x_bearing + e.width / 2);
        double y = (d / 10) * 60 + 30 - (e.y_bearing + e.height / 2);
        cairo_new_path(cr);
        cairo_move_to(cr, x, y);
        cairo_text_path(cr, txt);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_width(cr, 6);
        cairo_set_source_rgb(cr, 0x8A / 255.0, 0x5A / 255.0, 0);
        cairo_stroke_preserve(cr);
        cairo_pattern_t* grad = cairo_pattern_create_linear(0, y - 34, 0, y);
        cairo_pattern_add_color_stop_rgb(grad, 0, 1.0, 0.93, 0.62);
        cairo_pattern_add_color_stop_rgb(grad, 1, 1.0, 0xD2 / 255.0, 0x4A / 255.0);
        cairo_set_source(cr, grad);
        cairo_fill(cr);
        cairo_pattern_destroy(grad);
    }
    // Cells 10 and 11 stay empty: the map draws digits only.
    cairo_destroy(cr);
    art::save(s, "texts/bignumbers.png");
}

bool readsource(const std::string& path, std::string& out) {
    std::ifstream f(path, std::ios::binary);
    if (!f) return false;
    std::ostringstream o;
    o << f.rdbuf();
    out = o.str();
    return true;
}

}  // namespace

AL_GENERATOR(gen_fonts) {
    if (!openfaces()) {
        al::fail("no TrueType face for the fonts");
        return;
    }
    std::string table = "# Glyph widths per list slot, measured from the font images as they were rendered.\n"
                        "# Keys: 1, 3, 7, 8 = font ids (lists A, A, B, B); C = list C (efftext3.png).\n";
    struct Job {
        const Style* st;
        const char* key;
        int len;
        int (*at)(int);
    };
    const Job jobs[] = {{&FONT1, "1", fontlists::LISTA, atlista},
                        {&FONT3, "3", fontlists::LISTA, atlista},
                        {&FONT7, "7", fontlists::LISTB, atlistb},
                        {&FONT8, "8", fontlists::LISTB, atlistb},
                        {&EFF1, "C", fontlists::LISTC, atlistc}};
    for (const Job& j : jobs) {
        cairo_surface_t* atlas = nullptr;
        std::vector<int> w = renderfont(*j.st, j.len, j.at, atlas);
        if (!al::savepng(atlas, j.st->file)) al::fail(j.st->file);
        table += widthline(j.key, w);
        if (j.st == &EFF1) {
            cairo_surface_t* half = scaledfont(atlas, 92, 166, 110, 0.5, 46, 83);
            art::save(half, "texts/efftext2.png");
            cairo_surface_t* quarter = scaledfont(atlas, 92, 166, 110, 0.25, 30, 50);
            art::save(quarter, "texts/font_me_38_white.png");
        }
        cairo_surface_destroy(atlas);
    }
    al::savetext("texts/fontwidths.txt", table);
    makebignumbers();
    if (faces.fallbacks) std::printf("gen_fonts: %d glyphs from the fallback face\n", faces.fallbacks);
    if (g_clipped) std::printf("gen_fonts: %d glyphs touch their cell's top or bottom edge\n", g_clipped);
}

// The text files are kept as Latin-1 sources and copied byte for byte.
AL_GENERATOR(gen_texts) {
    for (const char* name : {"menutexts.txt", "gametexts.txt", "storytexts.txt"}) {
        std::string bytes;
        if (!readsource(std::string("assets/texts/") + name, bytes)) {
            al::fail(std::string("missing assets/texts/") + name);
            continue;
        }
        al::savetext(std::string("texts/") + name, bytes);
    }
}
