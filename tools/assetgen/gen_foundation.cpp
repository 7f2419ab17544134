// The pictures the game needs before anything else: the pointer and its hit
// masks, the pause panel, the two layers of the title wordmark, the window
// icon and the splash pages with their configuration.
#include "art.h"
#include "assetlib.h"
#include "backgrounds.h"

#include <cmath>
#include <string>

using namespace art;

namespace {

constexpr double kPi = 3.14159265358979323846;
const char* const kTitle1 = "Tidewrack";
const char* const kTitle2 = "Solitaire";

// ---- pointer ------------------------------------------------------------------

// The arrow's outline, tip at (0, 0): the game places the image's top-left
// corner on the pointer position, so the tip must be that very pixel.
void arrowpath(cairo_t* cr) {
    cairo_move_to(cr, 1, 1);
    cairo_line_to(cr, 1, 22);
    cairo_curve_to(cr, 1, 24, 3, 24.5, 4.5, 23);
    cairo_line_to(cr, 8.5, 18.5);
    cairo_line_to(cr, 12.5, 26.5);
    cairo_curve_to(cr, 13.3, 28, 15, 28.4, 16.4, 27.6);
    cairo_line_to(cr, 17.6, 26.9);
    cairo_curve_to(cr, 19, 26.1, 19.4, 24.5, 18.6, 23.1);
    cairo_line_to(cr, 14.8, 15.6);
    cairo_line_to(cr, 20.6, 15.2);
    cairo_curve_to(cr, 22.4, 15.1, 23.2, 13, 21.9, 11.8);
    cairo_line_to(cr, 3.2, 0.4);
    cairo_curve_to(cr, 2.2, -0.2, 1, 0.2, 1, 1);
    cairo_close_path(cr);
}

void arrowshape(cairo_t* cr, void*) { arrowpath(cr); }

void cursor() {
    Canvas c = canvas(32, 32);
    cairo_t* cr = c.cr;
    dropshadowpath(cr, arrowshape, nullptr, 1.5, 2, 2, 0.45);
    arrowpath(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 14, 26);
    addstop(p, 0, shade(pal::gold, 1.15));
    addstop(p, 0.55, pal::gold);
    addstop(p, 1, pal::coralorange);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setrgb(cr, pal::goldoutline);
    cairo_set_line_width(cr, 1.6);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    // light inner edge along the upper side
    cairo_move_to(cr, 3, 4);
    cairo_line_to(cr, 3, 18);
    setrgb(cr, pal::white, 0.75);
    cairo_set_line_width(cr, 1.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    // a tiny bubble glint so it belongs under the sea
    bubble(cr, 8.5, 11, 2.4, 0.9);
    cairo_surface_flush(c.surface);
    // the tip pixel must be opaque: the hot spot is exactly there
    uint32_t* px = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(c.surface));
    if ((px[0] >> 24) < 40) {
        cairo_rectangle(cr, 0, 0, 2, 2);
        setrgb(cr, pal::goldoutline);
        cairo_fill(cr);
    }
    save(c, "ui/cursor.png");
}

void cursorglow() {
    // handle (15, 15): an odd-free 30 x 30 so the centre falls on that pixel
    Canvas c = canvas(30, 30);
    glow(c.cr, 15, 15, 15, hex(0x9FF3FF), 0.85);
    glow(c.cr, 15, 15, 7, pal::white, 0.6);
    save(c, "ui/cursor-glow.png");
}

// Pointer masks for the pixel hit tests: fully opaque squares whose top-left
// pixel sits on the pointer's tip. Sizes: coll 3 x 3 (cards and shop items,
// small enough not to touch two neighbouring cards), coll2 6 x 6 (map nodes,
// option widgets, casino shells and hot spots: forgiving), coll3 2 x 2
// (helpers and the map editor: precise).
void mask(const char* rel, int size) {
    Canvas c = canvas(size, size);
    cairo_set_source_rgb(c.cr, 1, 1, 1);
    cairo_paint(c.cr);
    save(c, rel);
}

// ---- pause panel --------------------------------------------------------------

constexpr int kPanelW = 576, kPanelH = 336;  // 560 x 320 of panel plus shadow room

void pausepanel() {
    Canvas c = canvas(kPanelW, kPanelH);
    cairo_t* cr = c.cr;
    Rng rng(4242);
    double x = 8, y = 4, w = 560, h = 320;
    dropshadow(cr, x, y, w, h, 18, 0, 4, 6, 0.35);
    woodpanel(cr, x, y, w, h, 18, rng, 6);
    // The headline is drawn centred 127 px above the image centre in a 38 px
    // font, the body line 5 px above it: a darker band holds the one and a
    // paper inset the other.
    double cy = kPanelH / 2.0;
    double hy = cy - 127;
    roundrect(cr, x + 40, hy - 30, w - 80, 56, 14);
    setrgb(cr, shade(pal::grain, 0.65), 0.55);
    cairo_fill_preserve(cr);
    setrgb(cr, pal::planklight, 0.5);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    insetpaper(cr, x + 36, cy - 62, w - 72, 118, 14);
    // ropes tie the panel, brass nails hold the corners
    rope(cr, x + 24, y + h - 34, x + w - 24, y + h - 34, 9);
    for (double rx : {x + 20, x + w - 20})
        for (double ry : {y + 20, y + h - 20}) rivet(cr, rx, ry, 7);
    // a pause sign between two bubbles, under the paper
    double py = y + h - 70;
    for (double bx : {-14.0, 6.0}) {
        roundrect(cr, kPanelW / 2.0 + bx, py - 16, 10, 32, 4);
        setrgb(cr, pal::white, 0.9);
        cairo_fill_preserve(cr);
        setrgb(cr, pal::textoutline, 0.8);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    bubble(cr, kPanelW / 2.0 - 60, py, 9, 0.9);
    bubble(cr, kPanelW / 2.0 + 58, py - 4, 6, 0.9);
    save(c, "ui/tooltip.png");
}

// ---- title wordmark -----------------------------------------------------------

constexpr int kLogoW = 780, kLogoH = 250;    // front layer, words
constexpr int kEmblemW = 560, kEmblemH = 300;  // back layer, emblem

// Gold lettering with a warm gradient, brown outline and a deep-blue outer
// edge that reads over any water.
void goldword(cairo_t* cr, const char* s, double x, double y, double size) {
    cairo_save(cr);
    cairo_set_font_face(cr, font("Bold"));
    cairo_set_font_size(cr, size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, s, &e);
    double tx = x - e.x_advance / 2;
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // soft shadow
    cairo_move_to(cr, tx, y + 6);
    cairo_text_path(cr, s);
    setrgb(cr, hex(0x06283F), 0.45);
    cairo_set_line_width(cr, size * 0.2);
    cairo_stroke(cr);
    cairo_move_to(cr, tx, y);
    cairo_text_path(cr, s);
    setrgb(cr, pal::textoutline);
    cairo_set_line_width(cr, size * 0.2);
    cairo_stroke_preserve(cr);
    setrgb(cr, pal::goldoutline);
    cairo_set_line_width(cr, size * 0.1);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y - size * 0.75, 0, y);
    addstop(p, 0, hex(0xFFF3B0));
    addstop(p, 0.45, pal::gold);
    addstop(p, 1, pal::coralorange);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // a wet shine across the upper half of the letters
    cairo_move_to(cr, tx, y);
    cairo_text_path(cr, s);
    cairo_clip(cr);
    cairo_rectangle(cr, tx - 10, y - size * 0.75, e.x_advance + 20, size * 0.22);
    setrgb(cr, pal::white, 0.35);
    cairo_fill(cr);
    cairo_restore(cr);
}

void drawlogofront(cairo_t* cr, double cx, double cy) {
    // "Tidewrack" big and gold, "Solitaire" on a rope-tied plank below
    goldword(cr, kTitle1, cx, cy + 10, 118);
    Rng rng(77);
    double pw = 330, ph = 62, px = cx - pw / 2 + 40, py = cy + 34;
    dropshadow(cr, px, py, pw, ph, 16);
    woodpanel(cr, px, py, pw, ph, 16, rng, 1);
    rivet(cr, px + 16, py + ph / 2, 6);
    rivet(cr, px + pw - 16, py + ph / 2, 6);
    outlinedtext(cr, kTitle2, px + pw / 2, py + ph / 2 + 15, 42, pal::white, pal::textoutline, 4);
    // bubbles escaping from the words
    bubble(cr, cx + 330, cy - 50, 14);
    bubble(cr, cx + 352, cy - 82, 9);
    bubble(cr, cx + 338, cy - 104, 6);
    bubble(cr, cx - 344, cy - 40, 8);
}

void drawlogoback(cairo_t* cr, double cx, double cy) {
    // a big scallop shell with rays of light and a pearl: the emblem behind
    // the words, peeking out above them
    // everything fades out well inside the image: a clipped glow would show
    // the picture's edge when drawn over the water
    glow(cr, cx, cy + 10, 140, hex(0xBFF6FF), 0.5);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    for (int i = 0; i < 14; ++i) {
        double a = -kPi + kPi * (i + 0.5) / 14;
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, std::cos(a - 0.08) * 270, std::sin(a - 0.08) * 145);
        cairo_line_to(cr, std::cos(a + 0.08) * 270, std::sin(a + 0.08) * 145);
        cairo_close_path(cr);
    }
    cairo_pattern_t* rays = cairo_pattern_create_radial(0, 0, 40, 0, 0, 145);
    addstop(rays, 0, pal::white, 0.5);
    addstop(rays, 1, pal::white, 0);
    cairo_matrix_t rm;
    cairo_matrix_init_scale(&rm, 145.0 / 270.0, 1.0);  // an elliptic fade, wide and low
    cairo_pattern_set_matrix(rays, &rm);
    cairo_set_source(cr, rays);
    cairo_fill(cr);
    cairo_pattern_destroy(rays);
    cairo_restore(cr);
    // shell
    double s = 170;
    cairo_save(cr);
    cairo_translate(cr, cx, cy + 95);
    auto shellpath = [&] {
        cairo_move_to(cr, 0, 0);
        // scalloped rim: one bump per rib
        int ribs = 9;
        cairo_line_to(cr, -s * 0.78, -s * 0.35);
        for (int i = 0; i < ribs; ++i) {
            double a0 = kPi + 0.42 + (kPi - 0.84) * i / ribs, a1 = kPi + 0.42 + (kPi - 0.84) * (i + 1) / ribs;
            double am = (a0 + a1) / 2;
            cairo_curve_to(cr, std::cos(a0) * s * 1.02, std::sin(a0) * s * 1.02 * 0.95,
                           std::cos(am) * s * 1.1, std::sin(am) * s * 1.1 * 0.95, std::cos(a1) * s,
                           std::sin(a1) * s * 0.95);
        }
        cairo_line_to(cr, s * 0.78, -s * 0.35);
        cairo_close_path(cr);
    };
    shellpath();
    cairo_pattern_t* g = cairo_pattern_create_radial(-s * 0.2, -s * 0.8, s * 0.1, 0, -s * 0.3, s * 1.1);
    addstop(g, 0, hex(0xFFE9D6));
    addstop(g, 0.5, mix(pal::coral, pal::pearl, 0.45));
    addstop(g, 1, pal::coral);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setrgb(cr, shade(pal::coral, 0.5));
    cairo_set_line_width(cr, 5);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    shellpath();
    cairo_clip(cr);
    for (int i = 0; i < 10; ++i) {
        double a = kPi + 0.42 + (kPi - 0.84) * i / 9;
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, std::cos(a) * s * 1.1, std::sin(a) * s * 1.05);
        setrgb(cr, shade(pal::coral, 0.75), 0.55);
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
    }
    cairo_reset_clip(cr);
    // hinge
    cairo_move_to(cr, -42, 6);
    cairo_line_to(cr, 42, 6);
    cairo_line_to(cr, 26, -26);
    cairo_line_to(cr, -26, -26);
    cairo_close_path(cr);
    setrgb(cr, mix(pal::coral, pal::pearl, 0.3));
    cairo_fill_preserve(cr);
    setrgb(cr, shade(pal::coral, 0.5));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_restore(cr);
    // the pearl, glowing
    glow(cr, cx, cy - 2, 70, pal::white, 0.6);
    cairo_arc(cr, cx, cy - 2, 30, 0, 2 * kPi);
    cairo_pattern_t* pg = cairo_pattern_create_radial(cx - 10, cy - 14, 3, cx, cy - 2, 30);
    addstop(pg, 0, pal::white);
    addstop(pg, 0.7, pal::pearl);
    addstop(pg, 1, pal::pearlrim);
    cairo_set_source(cr, pg);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(pg);
    setrgb(cr, shade(pal::pearlrim, 0.7));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    // two friendly fish circling it and a starfish on the rim
    fish(cr, cx - 205, cy - 30, 56, pal::coralorange, pal::white, false);
    fish(cr, cx + 210, cy - 60, 46, pal::gold, pal::white, true);
    starfish(cr, cx + 150, cy + 70, 26, 0.3, pal::coralorange);
    bubble(cr, cx - 120, cy - 110, 10);
    bubble(cr, cx - 100, cy - 132, 6);
    bubble(cr, cx + 90, cy - 118, 8);
}

void logos() {
    Canvas front = canvas(kLogoW, kLogoH);
    drawlogofront(front.cr, kLogoW / 2.0, kLogoH / 2.0);
    save(front, "ui/logo.png");
    Canvas back = canvas(kEmblemW, kEmblemH);
    drawlogoback(back.cr, kEmblemW / 2.0, kEmblemH / 2.0);
    save(back, "ui/logo2.png");
}

// ---- window icon ------------------------------------------------------------

void icon() {
    Canvas c = canvas(32, 32);
    windowicon(c.cr);
    al::saveico(c.surface, "icon32.ico");
    done(c);
}

// ---- splash pages -------------------------------------------------------------

constexpr int kSplashW = 1366, kSplashH = 768;

void studiocard() {
    // The studio card: a quill whose vane is a fish fin, dipped in an ink
    // bubble, over the studio's name. Full width so no black bars at 1366.
    Canvas c = canvas(kSplashW, kSplashH);
    cairo_t* cr = c.cr;
    cairo_pattern_t* bg = cairo_pattern_create_radial(683, 330, 60, 683, 384, 820);
    addstop(bg, 0, hex(0x1E6E98));
    addstop(bg, 1, hex(0x061E33));
    cairo_set_source(cr, bg);
    cairo_paint(cr);
    cairo_pattern_destroy(bg);
    Rng rng(99);
    for (int i = 0; i < 30; ++i)
        bubble(cr, rng.range(200, 1166), rng.range(60, 700), rng.range(2, 6), rng.range(0.15, 0.4));
    double cx = 683, cy = 320;
    glow(cr, cx, cy, 220, hex(0x4FD3F0), 0.35);
    // ink bubble
    cairo_arc(cr, cx, cy + 60, 70, 0, 2 * kPi);
    cairo_pattern_t* ink = cairo_pattern_create_radial(cx - 20, cy + 35, 5, cx, cy + 60, 70);
    addstop(ink, 0, hex(0x3A7DC4));
    addstop(ink, 1, hex(0x15325E));
    cairo_set_source(cr, ink);
    cairo_fill(cr);
    cairo_pattern_destroy(ink);
    bubble(cr, cx, cy + 60, 70, 0.9);
    // quill
    cairo_save(cr);
    cairo_translate(cr, cx + 10, cy + 70);
    cairo_rotate(cr, 0.5);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, -40, -60, -46, -150, -8, -230);
    cairo_curve_to(cr, 30, -160, 24, -70, 0, 0);
    cairo_close_path(cr);
    cairo_pattern_t* q = cairo_pattern_create_linear(-40, 0, 30, 0);
    addstop(q, 0, pal::coral);
    addstop(q, 0.5, pal::coralorange);
    addstop(q, 1, pal::gold);
    cairo_set_source(cr, q);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(q);
    setrgb(cr, shade(pal::coral, 0.5));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    for (int i = 1; i < 9; ++i) {  // fin rays
        double t = i / 9.0;
        cairo_move_to(cr, -3 * t, -230 * t * 0.95);
        cairo_line_to(cr, -30 * std::sin(t * kPi), -230 * t * 0.95 + 30);
        setrgb(cr, shade(pal::coral, 0.6), 0.6);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, 0, 20);
    cairo_line_to(cr, -6, -200);
    setrgb(cr, pal::pearl);
    cairo_set_line_width(cr, 4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_restore(cr);
    outlinedtext(cr, "quillbarrow", cx, 540, 84, pal::white, pal::textoutline, 5);
    outlinedtext(cr, "games from under the sea", cx, 592, 26, hex(0x9FE3F2), pal::textoutline, 0, 3, "Regular");
    save(c, "branding/studio.png");
}

void titlecard() {
    Canvas c = canvas(kSplashW, kSplashH);
    cairo_t* cr = c.cr;
    paintbackground(cr, 1, false);
    // The logo layers at the places the loading screen will show them, so
    // the change from the title card to the loading screen is seamless.
    cairo_rectangle(cr, 0, 0, kSplashW, kSplashH);
    setrgb(cr, hex(0x06283F), 0.15);
    cairo_fill(cr);
    drawlogoback(cr, kSplashW / 2.0, 160);
    drawlogofront(cr, kSplashW / 2.0, 260);
    save(c, "branding/title.png");
}

void splashconfig() {
    // key in columns 1-4, a blank, the value from column 6
    al::savetext("branding/splashconfig.txt",
                 "page 1\n"
                 "file studio.png\n"
                 "time 150\n"
                 "skip true\n"
                 ";---\n"
                 "page 2\n"
                 "file title.png\n"
                 "time 200\n"
                 "skip true\n");
}

}  // namespace

AL_GENERATOR(gen_foundation_pointer) {
    cursor();
    cursorglow();
    mask("ui/coll.png", 3);
    mask("ui/coll2.png", 6);
    mask("ui/coll3.png", 2);
}

AL_GENERATOR(gen_foundation_panels) { pausepanel(); }

AL_GENERATOR(gen_foundation_logo) {
    logos();
    icon();
}

AL_GENERATOR(gen_foundation_splash) {
    studiocard();
    titlecard();
    splashconfig();
}
