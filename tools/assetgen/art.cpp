#include "art.h"

#include "assetlib.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace art {

namespace {
constexpr double kPi = 3.14159265358979323846;

double clamp01(double v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }
double smoothstep(double a, double b, double x) {
    double t = clamp01((x - a) / (b - a));
    return t * t * (3 - 2 * t);
}
}  // namespace

// ---- colour ---------------------------------------------------------------

RGB mix(RGB a, RGB b, double t) {
    return RGB{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

RGB shade(RGB c, double f) { return RGB{clamp01(c.r * f), clamp01(c.g * f), clamp01(c.b * f)}; }

void setrgb(cairo_t* cr, RGB c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

void addstop(cairo_pattern_t* p, double offset, RGB c, double alpha) {
    cairo_pattern_add_color_stop_rgba(p, offset, c.r, c.g, c.b, alpha);
}

// ---- randomness -------------------------------------------------------------

Rng::Rng(uint64_t seed) : s_(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}

uint64_t Rng::next() {
    // splitmix64: tiny, good enough for placing seaweed
    uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
double Rng::uni() { return (next() >> 11) * (1.0 / 9007199254740992.0); }
double Rng::range(double lo, double hi) { return lo + (hi - lo) * uni(); }
int Rng::irange(int lo, int hi) { return lo + int(next() % uint64_t(hi - lo + 1)); }
bool Rng::chance(double p) { return uni() < p; }

// ---- surfaces and paths -------------------------------------------------

Canvas canvas(int w, int h) {
    Canvas c;
    c.surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    c.cr = cairo_create(c.surface);
    c.w = w;
    c.h = h;
    return c;
}

void done(Canvas& c) {
    if (c.cr) cairo_destroy(c.cr);
    if (c.surface) cairo_surface_destroy(c.surface);
    c.cr = nullptr;
    c.surface = nullptr;
}

void save(cairo_surface_t* s, const std::string& rel) {
    cairo_surface_flush(s);
    if (!al::savepng(s, rel)) al::fail("cannot write " + rel);
    cairo_surface_destroy(s);
}

void save(Canvas& c, const std::string& rel) {
    if (c.cr) cairo_destroy(c.cr);
    c.cr = nullptr;
    save(c.surface, rel);
    c.surface = nullptr;
}

void roundrect(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::min(r, std::min(w, h) / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

void pill(cairo_t* cr, double x, double y, double w, double h) { roundrect(cr, x, y, w, h, h / 2); }

namespace {
// One box pass over one axis of premultiplied ARGB, all four channels.
void boxpass(uint8_t* data, int w, int h, int stride, int r, bool horizontal) {
    int len = horizontal ? w : h, lines = horizontal ? h : w;
    std::vector<uint32_t> acc(4);
    std::vector<uint8_t> line(size_t(len) * 4);
    int win = 2 * r + 1;
    for (int l = 0; l < lines; ++l) {
        auto px = [&](int i) -> uint8_t* {
            return horizontal ? data + size_t(l) * stride + size_t(i) * 4
                              : data + size_t(i) * stride + size_t(l) * 4;
        };
        for (int i = 0; i < len; ++i) std::copy(px(i), px(i) + 4, &line[size_t(i) * 4]);
        uint32_t s[4] = {0, 0, 0, 0};
        // Edges count as transparent, so shapes fade out at the border too.
        for (int i = 0; i <= r && i < len; ++i)
            for (int c = 0; c < 4; ++c) s[c] += line[size_t(i) * 4 + c];
        for (int i = 0; i < len; ++i) {
            uint8_t* d = px(i);
            for (int c = 0; c < 4; ++c) d[c] = uint8_t(s[c] / win);
            int add = i + r + 1, sub = i - r;
            if (add < len)
                for (int c = 0; c < 4; ++c) s[c] += line[size_t(add) * 4 + c];
            if (sub >= 0)
                for (int c = 0; c < 4; ++c) s[c] -= line[size_t(sub) * 4 + c];
        }
    }
}
}  // namespace

void blur(cairo_surface_t* s, int radius) {
    if (radius <= 0) return;
    cairo_surface_flush(s);
    uint8_t* data = cairo_image_surface_get_data(s);
    int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    int stride = cairo_image_surface_get_stride(s);
    int r = std::max(1, radius / 2);
    for (int pass = 0; pass < 3; ++pass) {
        boxpass(data, w, h, stride, r, true);
        boxpass(data, w, h, stride, r, false);
    }
    cairo_surface_mark_dirty(s);
}

namespace {
struct RectShape {
    double x, y, w, h, r;
};
void rectshape(cairo_t* cr, void* u) {
    auto* s = static_cast<RectShape*>(u);
    roundrect(cr, s->x, s->y, s->w, s->h, s->r);
}
}  // namespace

void dropshadowpath(cairo_t* cr, void (*shape)(cairo_t*, void*), void* user, double dx, double dy,
                    int blurpx, double alpha) {
    cairo_save(cr);
    cairo_new_path(cr);
    shape(cr, user);
    double x1, y1, x2, y2;
    cairo_path_extents(cr, &x1, &y1, &x2, &y2);
    cairo_new_path(cr);
    // Bounding box in device space, grown by the blur reach.
    double xs[4] = {x1, x2, x1, x2}, ys[4] = {y1, y1, y2, y2};
    double bx0 = 1e9, by0 = 1e9, bx1 = -1e9, by1 = -1e9;
    for (int i = 0; i < 4; ++i) {
        double px = xs[i], py = ys[i];
        cairo_user_to_device(cr, &px, &py);
        bx0 = std::min(bx0, px);
        by0 = std::min(by0, py);
        bx1 = std::max(bx1, px);
        by1 = std::max(by1, py);
    }
    int m = blurpx * 2 + 2;
    int ox = int(std::floor(bx0)) - m, oy = int(std::floor(by0)) - m;
    int w = int(std::ceil(bx1)) + m - ox, h = int(std::ceil(by1)) + m - oy;
    if (w > 0 && h > 0) {
        Canvas c = canvas(w, h);
        cairo_matrix_t mtx;
        cairo_get_matrix(cr, &mtx);
        cairo_translate(c.cr, -ox, -oy);
        cairo_transform(c.cr, &mtx);
        shape(c.cr, user);
        cairo_set_source_rgba(c.cr, 0, 0, 0, 1);
        cairo_fill(c.cr);
        blur(c.surface, blurpx);
        cairo_identity_matrix(cr);
        cairo_set_source_surface(cr, c.surface, ox + dx, oy + dy);
        cairo_paint_with_alpha(cr, alpha);
        done(c);
    }
    cairo_restore(cr);
}

void dropshadow(cairo_t* cr, double x, double y, double w, double h, double r, double dx, double dy,
                int blurpx, double alpha) {
    RectShape s{x, y, w, h, r};
    dropshadowpath(cr, rectshape, &s, dx, dy, blurpx, alpha);
}

void glow(cairo_t* cr, double x, double y, double radius, RGB c, double alpha) {
    cairo_save(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, radius);
    addstop(p, 0, c, alpha);
    addstop(p, 0.35, c, alpha * 0.55);
    addstop(p, 0.7, c, alpha * 0.15);
    addstop(p, 1, c, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, x, y, radius, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

// ---- interface materials ------------------------------------------------

void woodpanel(cairo_t* cr, double x, double y, double w, double h, double r, Rng& rng, int planks) {
    cairo_save(cr);
    if (planks <= 0) planks = std::max(1, int(std::lround(h / 56)));
    roundrect(cr, x, y, w, h, r);
    cairo_clip(cr);
    setrgb(cr, pal::plank);
    cairo_paint(cr);
    double ph = h / planks;
    for (int i = 0; i < planks; ++i) {
        double py = y + i * ph;
        // each board its own tone, so the panel does not look like one slab
        RGB tone = shade(pal::plank, rng.range(0.92, 1.06));
        setrgb(cr, tone);
        cairo_rectangle(cr, x, py, w, ph);
        cairo_fill(cr);
        // grain: long wavy lines that follow the board
        int lines = int(ph / 5);
        for (int g = 0; g < lines; ++g) {
            double gy = py + ph * (g + 0.5) / lines + rng.range(-1.5, 1.5);
            double amp = rng.range(0.5, 2.2), freq = rng.range(0.008, 0.02), ph0 = rng.range(0, 6.28);
            cairo_move_to(cr, x, gy);
            for (double gx = x; gx <= x + w; gx += 6)
                cairo_line_to(cr, gx, gy + amp * std::sin(gx * freq + ph0));
            setrgb(cr, pal::grain, rng.range(0.12, 0.3));
            cairo_set_line_width(cr, rng.range(0.8, 1.6));
            cairo_stroke(cr);
        }
        // an occasional knot
        if (w > 120 && rng.chance(0.6)) {
            double kx = x + rng.range(0.15, 0.85) * w, ky = py + ph * rng.range(0.35, 0.65);
            double kr = std::min(ph * 0.22, 9.0);
            for (int k = 3; k >= 1; --k) {
                cairo_save(cr);
                cairo_translate(cr, kx, ky);
                cairo_scale(cr, 2.2, 1);
                cairo_arc(cr, 0, 0, kr * k / 3, 0, 2 * kPi);
                cairo_restore(cr);
                setrgb(cr, pal::grain, 0.18 + 0.12 * (3 - k));
                cairo_set_line_width(cr, 1.2);
                cairo_stroke(cr);
            }
        }
        // board shading: lit top edge, darker bottom
        cairo_pattern_t* p = cairo_pattern_create_linear(0, py, 0, py + ph);
        addstop(p, 0, pal::planklight, 0.35);
        addstop(p, 0.25, pal::planklight, 0.0);
        addstop(p, 0.8, pal::grain, 0.0);
        addstop(p, 1, pal::grain, 0.3);
        cairo_set_source(cr, p);
        cairo_rectangle(cr, x, py, w, ph);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
        if (i > 0) {  // seam
            setrgb(cr, shade(pal::grain, 0.7), 0.7);
            cairo_rectangle(cr, x, py - 1, w, 2);
            cairo_fill(cr);
            setrgb(cr, pal::planklight, 0.45);
            cairo_rectangle(cr, x, py + 1, w, 1);
            cairo_fill(cr);
        }
    }
    // overall light from above
    cairo_pattern_t* top = cairo_pattern_create_linear(0, y, 0, y + h);
    addstop(top, 0, pal::white, 0.18);
    addstop(top, 0.4, pal::white, 0.0);
    addstop(top, 1, shade(pal::grain, 0.5), 0.18);
    cairo_set_source(cr, top);
    cairo_paint(cr);
    cairo_pattern_destroy(top);
    cairo_reset_clip(cr);
    // rim: dark outer edge and the 1-px light inner edge, strongest on top
    roundrect(cr, x + 1.5, y + 1.5, w - 3, h - 3, std::max(0.0, r - 1.5));
    setrgb(cr, shade(pal::grain, 0.75));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_pattern_t* edge = cairo_pattern_create_linear(0, y, 0, y + h);
    addstop(edge, 0, pal::planklight, 1.0);
    addstop(edge, 0.5, pal::planklight, 0.35);
    addstop(edge, 1, pal::planklight, 0.1);
    roundrect(cr, x + 3.5, y + 3.5, w - 7, h - 7, std::max(0.0, r - 3.5));
    cairo_set_source(cr, edge);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_pattern_destroy(edge);
    cairo_restore(cr);
}

void insetpaper(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_save(cr);
    roundrect(cr, x, y, w, h, r);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
    addstop(p, 0, mix(pal::pearl, pal::sandlight, 0.5));
    addstop(p, 1, pal::sandlight);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setrgb(cr, pal::grain, 0.8);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // inner shadow on the upper edge: the paper sits below the wood
    roundrect(cr, x, y, w, h, r);
    cairo_clip(cr);
    cairo_pattern_t* s = cairo_pattern_create_linear(0, y, 0, y + 10);
    cairo_pattern_add_color_stop_rgba(s, 0, 0, 0, 0, 0.22);
    cairo_pattern_add_color_stop_rgba(s, 1, 0, 0, 0, 0);
    cairo_set_source(cr, s);
    cairo_paint(cr);
    cairo_pattern_destroy(s);
    cairo_restore(cr);
}

void rope(cairo_t* cr, double x0, double y0, double x1, double y1, double thick) {
    cairo_save(cr);
    double len = std::hypot(x1 - x0, y1 - y0);
    cairo_translate(cr, x0, y0);
    cairo_rotate(cr, std::atan2(y1 - y0, x1 - x0));
    double hw = thick / 2;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, len, 0);
    setrgb(cr, shade(pal::ropedark, 0.75));
    cairo_set_line_width(cr, thick + 2);
    cairo_stroke(cr);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, len, 0);
    setrgb(cr, pal::rope);
    cairo_set_line_width(cr, thick);
    cairo_stroke(cr);
    // twists: slanted strands with a lit upper half
    cairo_rectangle(cr, -hw, -hw, len + thick, thick);
    cairo_clip(cr);
    double step = thick * 0.75;
    for (double t = -thick; t < len + thick; t += step) {
        cairo_move_to(cr, t - hw * 0.6, hw);
        cairo_curve_to(cr, t - hw * 0.2, hw * 0.2, t + hw * 0.2, -hw * 0.2, t + hw * 0.6, -hw);
        setrgb(cr, pal::ropedark, 0.85);
        cairo_set_line_width(cr, std::max(1.0, thick * 0.14));
        cairo_stroke(cr);
    }
    cairo_pattern_t* p = cairo_pattern_create_linear(0, -hw, 0, hw);
    addstop(p, 0, pal::white, 0.0);
    addstop(p, 0.3, pal::white, 0.35);
    addstop(p, 0.55, pal::white, 0.0);
    addstop(p, 1, shade(pal::ropedark, 0.5), 0.35);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

void rivet(cairo_t* cr, double x, double y, double r) {
    cairo_save(cr);
    cairo_arc(cr, x, y + r * 0.2, r * 1.05, 0, 2 * kPi);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
    cairo_fill(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.35, y - r * 0.35, r * 0.1, x, y, r);
    addstop(p, 0, shade(pal::brass, 1.35));
    addstop(p, 0.6, pal::brass);
    addstop(p, 1, shade(pal::brass, 0.6));
    cairo_set_source(cr, p);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setrgb(cr, shade(pal::brass, 0.45));
    cairo_set_line_width(cr, std::max(0.8, r * 0.15));
    cairo_stroke(cr);
    cairo_restore(cr);
}

// ---- text -----------------------------------------------------------------

cairo_font_face_t* font(const char* weight) {
    static std::map<std::string, cairo_font_face_t*> cache;
    static FT_Library lib = nullptr;
    std::string key = weight ? weight : "Bold";
    auto it = cache.find(key);
    if (it != cache.end()) return it->second;
    cairo_font_face_t* face = nullptr;
    if (!lib) FT_Init_FreeType(&lib);
    std::string path = "/usr/share/fonts/truetype/comfortaa/Comfortaa-" + key + ".ttf";
    FT_Face ft = nullptr;
    if (lib && FT_New_Face(lib, path.c_str(), 0, &ft) == 0) {
        // the FT_Face lives as long as the process: the cache never drops faces
        face = cairo_ft_font_face_create_for_ft_face(ft, 0);
    } else {
        face = cairo_toy_font_face_create("Comfortaa", CAIRO_FONT_SLANT_NORMAL,
                                          key == "Bold" ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    }
    cache[key] = face;
    return face;
}

double textwidth(cairo_t* cr, const std::string& s, double size, const char* weight) {
    cairo_save(cr);
    cairo_set_font_face(cr, font(weight));
    cairo_set_font_size(cr, size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, s.c_str(), &e);
    cairo_restore(cr);
    return e.x_advance;
}

void outlinedtext(cairo_t* cr, const std::string& s, double x, double y, double size, RGB fill,
                  RGB outline, double outlinew, int align, const char* weight) {
    cairo_save(cr);
    cairo_set_font_face(cr, font(weight));
    cairo_set_font_size(cr, size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, s.c_str(), &e);
    double tx = x;
    if (align == 2) tx = x - e.x_advance;
    if (align == 3) tx = x - e.x_advance / 2;
    cairo_move_to(cr, tx, y);
    cairo_text_path(cr, s.c_str());
    if (outlinew > 0) {
        setrgb(cr, outline);
        cairo_set_line_width(cr, outlinew * 2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    }
    setrgb(cr, fill);
    cairo_fill(cr);
    cairo_restore(cr);
}

// ---- water and light ------------------------------------------------------

void water(cairo_t* cr, int w, int h, RGB top, RGB mid, RGB deep) {
    cairo_save(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, h);
    addstop(p, 0, top);
    addstop(p, 0.45, mid);
    addstop(p, 1, deep);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

void caustics(cairo_t* cr, int x, int y, int w, int h, double cell, double alpha, Rng& rng, RGB tint) {
    if (w <= 0 || h <= 0) return;
    // Worley cells: light gathers where two cells meet (F2 - F1 small),
    // which gives the familiar bright net on the floor of shallow water.
    int gx = int(w / cell) + 3, gy = int(h / cell) + 3;
    std::vector<double> px(size_t(gx) * gy), py(size_t(gx) * gy);
    for (size_t i = 0; i < px.size(); ++i) {
        px[i] = rng.range(0.1, 0.9);
        py[i] = rng.range(0.1, 0.9);
    }
    double ph1 = rng.range(0, 6.28), ph2 = rng.range(0, 6.28);
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    uint8_t* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    double edge = cell * 0.10;
    for (int j = 0; j < h; ++j) {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + size_t(j) * stride);
        for (int i = 0; i < w; ++i) {
            // a gentle warp keeps the cells from looking like a grid
            double fx = (i + cell * 0.22 * std::sin(j * 0.031 + ph1)) / cell + 1;
            double fy = (j + cell * 0.22 * std::sin(i * 0.027 + ph2)) / cell + 1;
            int cx = int(fx), cy = int(fy);
            double f1 = 1e9, f2 = 1e9;
            for (int oy = -1; oy <= 1; ++oy)
                for (int ox = -1; ox <= 1; ++ox) {
                    int qx = cx + ox, qy = cy + oy;
                    if (qx < 0 || qy < 0 || qx >= gx || qy >= gy) continue;
                    size_t k = size_t(qy) * gx + qx;
                    double dx = qx + px[k] - fx, dy = qy + py[k] - fy;
                    double d = std::sqrt(dx * dx + dy * dy);
                    if (d < f1) {
                        f2 = f1;
                        f1 = d;
                    } else if (d < f2) {
                        f2 = d;
                    }
                }
            double v = 1 - smoothstep(0, edge / cell * 1.3, f2 - f1);
            // light comes and goes across the net, never one even grid
            double mod = 0.55 + 0.45 * std::sin(i * 0.011 + ph2) * std::sin(j * 0.017 + ph1);
            v = v * v * alpha * mod;
            auto ch = [&](double c) { return uint32_t(std::lround(clamp01(c * v) * 255)); };
            row[i] = (ch(1) << 24) | (ch(tint.r) << 16) | (ch(tint.g) << 8) | ch(tint.b);
        }
    }
    cairo_surface_mark_dirty(s);
    blur(s, 2);
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    cairo_set_source_surface(cr, s, x, y);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_surface_destroy(s);
}

void godrays(cairo_t* cr, int w, int h, int count, double alpha, Rng& rng, double slant) {
    Canvas c = canvas(w, h);
    for (int i = 0; i < count; ++i) {
        double x0 = rng.range(-0.1, 1.0) * w;
        double w0 = rng.range(18, 60), w1 = w0 * rng.range(2.0, 3.5);
        double len = h * rng.range(0.55, 1.0);
        double x1 = x0 + slant * len;
        cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, len);
        double a = alpha * rng.range(0.5, 1.0);
        addstop(p, 0, RGB{1, 1, 0.95}, a);
        addstop(p, 0.5, RGB{1, 1, 0.95}, a * 0.4);
        addstop(p, 1, RGB{1, 1, 0.95}, 0);
        cairo_move_to(c.cr, x0 - w0 / 2, 0);
        cairo_line_to(c.cr, x0 + w0 / 2, 0);
        cairo_line_to(c.cr, x1 + w1 / 2, len);
        cairo_line_to(c.cr, x1 - w1 / 2, len);
        cairo_close_path(c.cr);
        cairo_set_source(c.cr, p);
        cairo_fill(c.cr);
        cairo_pattern_destroy(p);
    }
    blur(c.surface, 14);
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    cairo_set_source_surface(cr, c.surface, 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
    done(c);
}

void vignette(cairo_t* cr, int w, int h, double strength) {
    cairo_save(cr);
    cairo_pattern_t* b = cairo_pattern_create_linear(0, h * 0.6, 0, h);
    cairo_pattern_add_color_stop_rgba(b, 0, 0.02, 0.12, 0.2, 0);
    cairo_pattern_add_color_stop_rgba(b, 1, 0.02, 0.12, 0.2, 0.55 * strength);
    cairo_set_source(cr, b);
    cairo_paint(cr);
    cairo_pattern_destroy(b);
    cairo_matrix_t m;
    cairo_matrix_init_scale(&m, 1.0, double(w) / h);
    cairo_pattern_t* r = cairo_pattern_create_radial(w / 2.0, w / 2.0, w * 0.3, w / 2.0, w / 2.0, w * 0.75);
    cairo_matrix_t inv;
    cairo_matrix_init_scale(&inv, 1.0, double(w) / h);
    cairo_pattern_set_matrix(r, &inv);
    cairo_pattern_add_color_stop_rgba(r, 0, 0.02, 0.12, 0.2, 0);
    cairo_pattern_add_color_stop_rgba(r, 1, 0.02, 0.12, 0.2, 0.5 * strength);
    cairo_set_source(cr, r);
    cairo_paint(cr);
    cairo_pattern_destroy(r);
    (void)m;
    cairo_restore(cr);
}

void bubble(cairo_t* cr, double x, double y, double r, double alpha) {
    cairo_save(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.3, y - r * 0.3, 0, x, y, r);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.12 * alpha);
    cairo_pattern_add_color_stop_rgba(p, 0.75, 0.85, 0.97, 1, 0.18 * alpha);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.9, 1, 1, 0.55 * alpha);
    cairo_set_source(cr, p);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_arc(cr, x, y, r - std::max(0.5, r * 0.06), 0, 2 * kPi);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.6 * alpha);
    cairo_set_line_width(cr, std::max(0.8, r * 0.1));
    cairo_stroke(cr);
    // glint
    cairo_translate(cr, x - r * 0.38, y - r * 0.4);
    cairo_rotate(cr, -0.7);
    cairo_scale(cr, 1, 0.55);
    cairo_arc(cr, 0, 0, r * 0.28, 0, 2 * kPi);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.9 * alpha);
    cairo_fill(cr);
    cairo_restore(cr);
}

void bubbletrail(cairo_t* cr, double x, double y, int n, double rmax, Rng& rng, double alpha) {
    double cy = y;
    for (int i = 0; i < n; ++i) {
        double r = rmax * (1.0 - 0.6 * i / std::max(1, n)) * rng.range(0.6, 1.0);
        bubble(cr, x + rng.range(-rmax, rmax), cy, r, alpha);
        cy -= r * 2 + rng.range(4, 16);
    }
}

// ---- reef life --------------------------------------------------------------

void kelp(cairo_t* cr, double x, double y, double height, double width, RGB c, Rng& rng, double sway) {
    cairo_save(cr);
    int n = 40;
    double ph = rng.range(0, 6.28), freq = rng.range(1.5, 2.6), amp = width * 1.2 * sway;
    std::vector<double> cx(n + 1), cy(n + 1), hw(n + 1);
    for (int i = 0; i <= n; ++i) {
        double t = double(i) / n;
        cx[i] = x + amp * std::sin(t * freq * kPi + ph) * t;
        cy[i] = y - height * t;
        hw[i] = width * 0.5 * (1 - 0.75 * t) + 1;
    }
    RGB dark = shade(c, 0.62);
    // leaves first so that the stalk sits on top of their roots
    int leaves = int(height / (width * 2.2)) + 2;
    for (int k = 1; k < leaves; ++k) {
        double t = double(k) / leaves;
        int i = int(t * n);
        double side = (k % 2) ? 1 : -1;
        double len = width * rng.range(2.2, 3.2) * (1 - 0.4 * t);
        double lw = width * rng.range(0.55, 0.8) * (1 - 0.3 * t);
        double ang = side * rng.range(0.6, 1.0) - kPi / 2;
        cairo_save(cr);
        cairo_translate(cr, cx[i], cy[i]);
        cairo_rotate(cr, ang + kPi / 2);
        cairo_move_to(cr, 0, 0);
        cairo_curve_to(cr, side * lw, -len * 0.3, side * lw * 0.9, -len * 0.8, side * lw * 0.2, -len);
        cairo_curve_to(cr, -side * lw * 0.2, -len * 0.7, -side * lw * 0.1, -len * 0.3, 0, 0);
        cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, -len);
        addstop(p, 0, dark);
        addstop(p, 1, shade(c, 1.15));
        cairo_set_source(cr, p);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(p);
        setrgb(cr, shade(c, 0.5), 0.8);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        // midrib
        cairo_move_to(cr, 0, 0);
        cairo_curve_to(cr, side * lw * 0.4, -len * 0.4, side * lw * 0.4, -len * 0.7, side * lw * 0.2, -len * 0.95);
        setrgb(cr, shade(c, 1.3), 0.5);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    // stalk ribbon
    cairo_move_to(cr, cx[0] - hw[0], cy[0]);
    for (int i = 1; i <= n; ++i) cairo_line_to(cr, cx[i] - hw[i], cy[i]);
    for (int i = n; i >= 0; --i) cairo_line_to(cr, cx[i] + hw[i], cy[i]);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(x - width, 0, x + width, 0);
    addstop(p, 0, dark);
    addstop(p, 0.45, c);
    addstop(p, 1, shade(c, 0.8));
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setrgb(cr, shade(c, 0.48), 0.9);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // a few floats (pneumatocysts) for charm
    for (int k = 0; k < 3; ++k) {
        int i = int(n * rng.range(0.3, 0.9));
        double r = width * 0.3;
        cairo_arc(cr, cx[i] + hw[i] * 0.6, cy[i], r, 0, 2 * kPi);
        setrgb(cr, shade(c, 1.25));
        cairo_fill_preserve(cr);
        setrgb(cr, shade(c, 0.5), 0.8);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void seaweed(cairo_t* cr, double x, double y, double height, RGB c, Rng& rng, int blades) {
    cairo_save(cr);
    for (int b = 0; b < blades; ++b) {
        double bx = x + rng.range(-height * 0.15, height * 0.15);
        double h = height * rng.range(0.55, 1.0);
        double lean = rng.range(-0.45, 0.45) * h;
        double w = std::max(3.0, h * rng.range(0.07, 0.12));
        RGB col = shade(c, rng.range(0.8, 1.15));
        cairo_move_to(cr, bx - w, y);
        cairo_curve_to(cr, bx - w, y - h * 0.4, bx + lean * 0.3 - w * 0.5, y - h * 0.75, bx + lean, y - h);
        cairo_curve_to(cr, bx + lean * 0.3 + w * 0.5, y - h * 0.7, bx + w, y - h * 0.4, bx + w, y);
        cairo_close_path(cr);
        cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y - h);
        addstop(p, 0, shade(col, 0.6));
        addstop(p, 1, shade(col, 1.2));
        cairo_set_source(cr, p);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(p);
        setrgb(cr, shade(col, 0.45), 0.7);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

namespace {
struct Seg {
    double x0, y0, x1, y1, w;
};
void branches(std::vector<Seg>& out, double x, double y, double ang, double len, double w, int depth, Rng& rng) {
    double x1 = x + std::cos(ang) * len, y1 = y + std::sin(ang) * len;
    out.push_back({x, y, x1, y1, w});
    if (depth <= 0) return;
    int kids = rng.chance(0.35) ? 3 : 2;
    for (int k = 0; k < kids; ++k) {
        double spread = (k - (kids - 1) / 2.0) * rng.range(0.35, 0.6);
        double na = ang + spread + rng.range(-0.15, 0.15);
        // pull branches upward so the coral grows towards the light
        na = na * 0.8 + (-kPi / 2) * 0.2;
        branches(out, x1, y1, na, len * rng.range(0.62, 0.8), w * 0.72, depth - 1, rng);
    }
}
}  // namespace

void branchcoral(cairo_t* cr, double x, double y, double size, RGB c, Rng& rng) {
    std::vector<Seg> segs;
    int trunks = rng.irange(2, 3);
    for (int t = 0; t < trunks; ++t)
        branches(segs, x + (t - (trunks - 1) / 2.0) * size * 0.12, y, -kPi / 2 + (t - (trunks - 1) / 2.0) * 0.45,
                 size * 0.3, size * 0.11, 3, rng);
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    auto pass = [&](RGB col, double alpha, double mul, double grow, double ox, double oy) {
        setrgb(cr, col, alpha);
        for (auto& s : segs) {
            cairo_move_to(cr, s.x0 + ox, s.y0 + oy);
            cairo_line_to(cr, s.x1 + ox, s.y1 + oy);
            cairo_set_line_width(cr, std::max(1.0, s.w * mul + grow));
            cairo_stroke(cr);
        }
    };
    pass(shade(c, 0.55), 1, 1, 3, 0, 0);
    pass(c, 1, 1, 0, 0, 0);
    // a thin lit line on the upper-left side of every branch
    pass(shade(c, 1.25), 0.6, 0.35, 0, -size * 0.012, -size * 0.012);
    // polyp dots on the tips
    for (auto& s : segs)
        if (s.w < size * 0.05) {
            cairo_arc(cr, s.x1, s.y1, std::max(1.2, s.w * 0.55), 0, 2 * kPi);
            setrgb(cr, shade(c, 1.35), 0.9);
            cairo_fill(cr);
        }
    cairo_restore(cr);
}

void fancoral(cairo_t* cr, double x, double y, double size, RGB c, Rng& rng) {
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    // soft web between the ribs
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x - size * 0.7, y - size * 0.2, x - size * 0.6, y - size * 1.0, x, y - size * 0.95);
    cairo_curve_to(cr, x + size * 0.6, y - size * 1.0, x + size * 0.7, y - size * 0.2, x, y);
    setrgb(cr, c, 0.18);
    cairo_fill(cr);
    int ribs = 9;
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < ribs; ++i) {
            double a = -kPi / 2 + (i - (ribs - 1) / 2.0) * 0.17 + rng.range(-0.03, 0.03);
            double len = size * rng.range(0.8, 0.95) * (1 - std::abs(i - (ribs - 1) / 2.0) * 0.05);
            double ex = x + std::cos(a) * len * 0.75, ey = y + std::sin(a) * len;
            cairo_move_to(cr, x, y);
            cairo_curve_to(cr, x + (ex - x) * 0.3, y + (ey - y) * 0.5, ex, ey + size * 0.15, ex, ey);
            setrgb(cr, pass == 0 ? shade(c, 0.55) : c);
            cairo_set_line_width(cr, pass == 0 ? size * 0.045 + 2 : size * 0.045);
            cairo_stroke(cr);
        }
    }
    // lattice
    for (int k = 1; k < 6; ++k) {
        double t = k / 6.0;
        cairo_move_to(cr, x - size * 0.55 * t * 1.1, y - size * t * 0.9);
        cairo_curve_to(cr, x - size * 0.2 * t, y - size * t * 1.05, x + size * 0.2 * t, y - size * t * 1.05,
                       x + size * 0.55 * t * 1.1, y - size * t * 0.9);
        setrgb(cr, shade(c, 1.15), 0.55);
        cairo_set_line_width(cr, std::max(1.0, size * 0.015));
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void domecoral(cairo_t* cr, double x, double y, double size, RGB c, Rng& rng) {
    cairo_save(cr);
    double w = size, h = size * 0.62;
    cairo_move_to(cr, x - w / 2, y);
    cairo_curve_to(cr, x - w / 2, y - h * 1.2, x + w / 2, y - h * 1.2, x + w / 2, y);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(x - w * 0.15, y - h * 0.8, w * 0.05, x, y - h * 0.3, w * 0.7);
    addstop(p, 0, shade(c, 1.3));
    addstop(p, 0.6, c);
    addstop(p, 1, shade(c, 0.65));
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setrgb(cr, shade(c, 0.5));
    cairo_set_line_width(cr, 2);
    cairo_stroke_preserve(cr);
    cairo_clip(cr);
    // maze grooves of a brain coral
    for (int i = 0; i < 7; ++i) {
        double gy = y - h * (0.12 + i * 0.13);
        cairo_move_to(cr, x - w / 2, gy);
        for (double gx = x - w / 2; gx <= x + w / 2; gx += 4)
            cairo_line_to(cr, gx, gy + 3 * std::sin(gx * 0.25 + i * 1.7 + rng.range(0, 0.4)));
        setrgb(cr, shade(c, 0.6), 0.55);
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void anemone(cairo_t* cr, double x, double y, double size, RGB c, Rng& rng) {
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    // column
    cairo_move_to(cr, x - size * 0.22, y);
    cairo_curve_to(cr, x - size * 0.2, y - size * 0.3, x - size * 0.28, y - size * 0.4, x - size * 0.3, y - size * 0.45);
    cairo_line_to(cr, x + size * 0.3, y - size * 0.45);
    cairo_curve_to(cr, x + size * 0.28, y - size * 0.4, x + size * 0.2, y - size * 0.3, x + size * 0.22, y);
    cairo_close_path(cr);
    setrgb(cr, shade(c, 0.7));
    cairo_fill_preserve(cr);
    setrgb(cr, shade(c, 0.45));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    int n = 15;
    for (int pass = 0; pass < 3; ++pass)
        for (int i = 0; i < n; ++i) {
            double a = -kPi + kPi * (i + 0.5) / n;
            double len = size * rng.range(0.45, 0.6);
            double bx = x + std::cos(a) * size * 0.25, by = y - size * 0.45;
            double ex = bx + std::cos(a) * len * 0.8, ey = by + std::sin(a) * len;
            double curl = (i % 2 ? 1 : -1) * size * 0.08;
            cairo_move_to(cr, bx, by);
            cairo_curve_to(cr, bx + curl, by - len * 0.4, ex - curl, ey + len * 0.2, ex, ey);
            if (pass == 0) {
                setrgb(cr, shade(c, 0.5));
                cairo_set_line_width(cr, size * 0.08 + 2);
                cairo_stroke(cr);
            } else if (pass == 1) {
                setrgb(cr, c);
                cairo_set_line_width(cr, size * 0.08);
                cairo_stroke(cr);
            } else {
                cairo_new_path(cr);
                cairo_arc(cr, ex, ey, size * 0.045, 0, 2 * kPi);
                setrgb(cr, shade(c, 1.4));
                cairo_fill(cr);
            }
        }
    cairo_restore(cr);
}

void rock(cairo_t* cr, double x, double y, double w, double h, RGB c, Rng& rng) {
    cairo_save(cr);
    int n = 9;
    std::vector<double> px(n), py(n);
    for (int i = 0; i < n; ++i) {
        double a = kPi + kPi * i / (n - 1);  // upper half, left to right
        double rr = rng.range(0.85, 1.08);
        px[i] = x + std::cos(a) * w / 2 * rr;
        py[i] = y + std::sin(a) * h * rr;
    }
    px[0] = x - w / 2;
    py[0] = y;
    px[n - 1] = x + w / 2;
    py[n - 1] = y;
    cairo_move_to(cr, px[0], py[0]);
    for (int i = 1; i < n; ++i) {
        double mx = (px[i - 1] + px[i]) / 2, my = (py[i - 1] + py[i]) / 2;
        cairo_curve_to(cr, px[i - 1], py[i - 1], px[i - 1], py[i - 1], mx, my);
    }
    cairo_line_to(cr, px[n - 1], py[n - 1]);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y - h, 0, y);
    addstop(p, 0, mix(c, pal::rocklight, 0.7));
    addstop(p, 0.5, c);
    addstop(p, 1, shade(c, 0.6));
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setrgb(cr, shade(c, 0.5));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // lit top rim
    cairo_move_to(cr, x - w * 0.3, y - h * 0.8);
    cairo_curve_to(cr, x - w * 0.15, y - h * 0.97, x + w * 0.1, y - h * 0.98, x + w * 0.25, y - h * 0.85);
    setrgb(cr, pal::white, 0.25);
    cairo_set_line_width(cr, std::max(2.0, h * 0.06));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void starfish(cairo_t* cr, double x, double y, double r, double angle, RGB c) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    for (int i = 0; i < 5; ++i) {
        double a = -kPi / 2 + i * 2 * kPi / 5, b = a + kPi / 5;
        double ox = std::cos(a) * r, oy = std::sin(a) * r;
        double ix = std::cos(b) * r * 0.42, iy = std::sin(b) * r * 0.42;
        if (i == 0) cairo_move_to(cr, ox, oy);
        else cairo_line_to(cr, ox, oy);
        cairo_line_to(cr, ix, iy);
    }
    cairo_close_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setrgb(cr, shade(c, 0.55));
    cairo_set_line_width(cr, r * 0.22);
    cairo_stroke_preserve(cr);
    setrgb(cr, c);
    cairo_set_line_width(cr, r * 0.14);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
    for (int i = 0; i < 5; ++i) {
        double a = -kPi / 2 + i * 2 * kPi / 5;
        for (int k = 1; k <= 2; ++k) {
            cairo_arc(cr, std::cos(a) * r * 0.3 * k, std::sin(a) * r * 0.3 * k, r * 0.06, 0, 2 * kPi);
            setrgb(cr, shade(c, 1.4));
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
}

void shell(cairo_t* cr, double x, double y, double size, double angle, RGB c) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    double s = size;
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, -s * 0.7, -s * 0.2, -s * 0.6, -s * 0.9, 0, -s * 0.9);
    cairo_curve_to(cr, s * 0.6, -s * 0.9, s * 0.7, -s * 0.2, 0, 0);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, -s, 0, 0);
    addstop(p, 0, shade(c, 1.2));
    addstop(p, 1, shade(c, 0.8));
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setrgb(cr, shade(c, 0.5));
    cairo_set_line_width(cr, std::max(1.0, s * 0.06));
    cairo_stroke(cr);
    for (int i = -3; i <= 3; ++i) {
        cairo_move_to(cr, 0, -s * 0.05);
        cairo_line_to(cr, i * s * 0.16, -s * 0.85 + std::abs(i) * s * 0.07);
        setrgb(cr, shade(c, 0.6), 0.7);
        cairo_set_line_width(cr, std::max(0.8, s * 0.04));
        cairo_stroke(cr);
    }
    // hinge
    cairo_move_to(cr, -s * 0.2, s * 0.02);
    cairo_line_to(cr, s * 0.2, s * 0.02);
    cairo_line_to(cr, s * 0.1, -s * 0.12);
    cairo_line_to(cr, -s * 0.1, -s * 0.12);
    cairo_close_path(cr);
    setrgb(cr, shade(c, 0.85));
    cairo_fill(cr);
    cairo_restore(cr);
}

void sandbed(cairo_t* cr, int w, int h, double y, double wave, Rng& rng, RGB light, RGB mid, RGB dark) {
    cairo_save(cr);
    double ph = rng.range(0, 6.28), ph2 = rng.range(0, 6.28);
    auto top = [&](double x) {
        return y + wave * std::sin(x * 0.0047 + ph) + wave * 0.45 * std::sin(x * 0.013 + ph2);
    };
    cairo_move_to(cr, 0, h);
    for (int x = 0; x <= w; x += 8) cairo_line_to(cr, x, top(x));
    cairo_line_to(cr, w, h);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y - wave, 0, h);
    addstop(p, 0, light);
    addstop(p, 0.35, mid);
    addstop(p, 1, dark);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_clip(cr);
    // lit crest line
    cairo_move_to(cr, 0, top(0));
    for (int x = 0; x <= w; x += 8) cairo_line_to(cr, x, top(x));
    setrgb(cr, pal::white, 0.35);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    // ripples
    int n = int(w * (h - y) / 2600);
    for (int i = 0; i < n; ++i) {
        double rx = rng.range(0, w), ry = rng.range(y, h);
        double rw = rng.range(18, 50) * (0.6 + (ry - y) / (h - y + 1));
        cairo_move_to(cr, rx - rw / 2, ry);
        cairo_curve_to(cr, rx - rw / 4, ry - 4, rx + rw / 4, ry - 4, rx + rw / 2, ry);
        setrgb(cr, shade(dark, 0.9), 0.25);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        cairo_move_to(cr, rx - rw / 2, ry - 2);
        cairo_curve_to(cr, rx - rw / 4, ry - 6, rx + rw / 4, ry - 6, rx + rw / 2, ry - 2);
        setrgb(cr, pal::white, 0.18);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    // pebbles
    for (int i = 0; i < n / 3; ++i) {
        double rx = rng.range(0, w), ry = rng.range(y + 10, h);
        double r = rng.range(1.5, 4.5);
        cairo_save(cr);
        cairo_translate(cr, rx, ry);
        cairo_scale(cr, 1.5, 1);
        cairo_arc(cr, 0, 0, r, 0, 2 * kPi);
        cairo_restore(cr);
        setrgb(cr, mix(pal::rock, dark, rng.uni()), 0.6);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void fish(cairo_t* cr, double x, double y, double len, RGB body, RGB stripe, bool left, double alpha) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    if (left) cairo_scale(cr, -1, 1);
    cairo_push_group(cr);
    double L = len, H = len * 0.62;
    RGB dark = shade(body, 0.55);
    // tail
    cairo_move_to(cr, -L * 0.32, 0);
    cairo_curve_to(cr, -L * 0.45, -H * 0.1, -L * 0.55, -H * 0.45, -L * 0.52, -H * 0.42);
    cairo_curve_to(cr, -L * 0.46, -H * 0.1, -L * 0.46, H * 0.1, -L * 0.52, H * 0.42);
    cairo_curve_to(cr, -L * 0.55, H * 0.45, -L * 0.45, H * 0.1, -L * 0.32, 0);
    cairo_close_path(cr);
    setrgb(cr, shade(body, 0.85));
    cairo_fill_preserve(cr);
    setrgb(cr, dark);
    cairo_set_line_width(cr, std::max(1.0, L * 0.03));
    cairo_stroke(cr);
    // dorsal fin
    cairo_move_to(cr, -L * 0.15, -H * 0.38);
    cairo_curve_to(cr, -L * 0.05, -H * 0.75, L * 0.12, -H * 0.62, L * 0.12, -H * 0.42);
    cairo_close_path(cr);
    setrgb(cr, shade(body, 0.85));
    cairo_fill_preserve(cr);
    setrgb(cr, dark);
    cairo_stroke(cr);
    // body
    auto bodypath = [&] {
        cairo_move_to(cr, L * 0.45, H * 0.02);
        cairo_curve_to(cr, L * 0.42, -H * 0.5, -L * 0.2, -H * 0.55, -L * 0.36, 0);
        cairo_curve_to(cr, -L * 0.2, H * 0.52, L * 0.42, H * 0.5, L * 0.45, H * 0.02);
        cairo_close_path(cr);
    };
    bodypath();
    cairo_pattern_t* p = cairo_pattern_create_linear(0, -H * 0.5, 0, H * 0.5);
    addstop(p, 0, shade(body, 1.15));
    addstop(p, 0.6, body);
    addstop(p, 1, mix(body, pal::white, 0.45));
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_save(cr);
    bodypath();
    cairo_clip(cr);
    for (double sx : {L * 0.12, -L * 0.14}) {
        cairo_rectangle(cr, sx - L * 0.05, -H, L * 0.09, 2 * H);
        setrgb(cr, stripe, 0.95);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    bodypath();
    setrgb(cr, dark);
    cairo_set_line_width(cr, std::max(1.0, L * 0.035));
    cairo_stroke(cr);
    // side fin
    cairo_move_to(cr, L * 0.02, H * 0.08);
    cairo_curve_to(cr, -L * 0.1, H * 0.05, -L * 0.14, H * 0.28, -L * 0.06, H * 0.3);
    cairo_close_path(cr);
    setrgb(cr, shade(body, 0.8));
    cairo_fill_preserve(cr);
    setrgb(cr, dark);
    cairo_set_line_width(cr, std::max(0.8, L * 0.02));
    cairo_stroke(cr);
    // big friendly eye with a glint
    double er = L * 0.11;
    cairo_arc(cr, L * 0.24, -H * 0.1, er, 0, 2 * kPi);
    setrgb(cr, pal::white);
    cairo_fill_preserve(cr);
    setrgb(cr, dark);
    cairo_set_line_width(cr, std::max(0.8, L * 0.02));
    cairo_stroke(cr);
    cairo_arc(cr, L * 0.26, -H * 0.08, er * 0.6, 0, 2 * kPi);
    setrgb(cr, hex(0x1B2A3A));
    cairo_fill(cr);
    cairo_arc(cr, L * 0.235, -H * 0.14, er * 0.25, 0, 2 * kPi);
    setrgb(cr, pal::white);
    cairo_fill(cr);
    // smile
    cairo_arc(cr, L * 0.36, H * 0.1, L * 0.05, 0.3, 1.9);
    setrgb(cr, dark);
    cairo_set_line_width(cr, std::max(0.8, L * 0.02));
    cairo_stroke(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, alpha);
    cairo_restore(cr);
}

void windowicon(cairo_t* cr) {
    cairo_arc(cr, 16, 16, 15, 0, 2 * kPi);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 1, 0, 31);
    addstop(p, 0, pal::watertop);
    addstop(p, 1, pal::waterdeep);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setrgb(cr, pal::textoutline);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_arc(cr, 16, 16, 14.2, 0, 2 * kPi);
    cairo_clip(cr);
    cairo_move_to(cr, 0, 25);
    cairo_curve_to(cr, 10, 21, 22, 21, 32, 25);
    cairo_line_to(cr, 32, 32);
    cairo_line_to(cr, 0, 32);
    cairo_close_path(cr);
    setrgb(cr, pal::sand);
    cairo_fill(cr);
    cairo_restore(cr);
    fish(cr, 16, 14, 22, pal::coralorange, pal::white, false);
    bubble(cr, 26, 7, 2.2);
}

}  // namespace art
