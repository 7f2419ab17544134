// Shared drawing vocabulary of the generators: the game's palette and the
// small painting helpers (panels, rope, water, light, reef life) that every
// picture uses, so that art drawn in different files still looks like one game.
//
// Conventions: every helper draws with the cairo context's current transform,
// leaves the context's state as it found it (cairo_save/restore inside), and
// takes its randomness from an explicit Rng so that each build produces the
// same pixels.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>

namespace art {

// ---- colour ---------------------------------------------------------------

struct RGB {
    double r, g, b;
};

constexpr RGB hex(uint32_t v) {
    return RGB{((v >> 16) & 255) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0};
}

// t = 0 gives a, t = 1 gives b.
RGB mix(RGB a, RGB b, double t);
// Multiplies the channels: f < 1 darkens, f > 1 lightens (clamped).
RGB shade(RGB c, double f);
void setrgb(cairo_t* cr, RGB c, double alpha = 1.0);
void addstop(cairo_pattern_t* p, double offset, RGB c, double alpha = 1.0);

namespace pal {
// water
inline constexpr RGB watertop = hex(0x3FC7E0);
inline constexpr RGB watermid = hex(0x1E8DB4);
inline constexpr RGB waterdeep = hex(0x0B4F7A);
inline constexpr RGB haze = hex(0x7FD6E8);
// sand and stone
inline constexpr RGB sandlight = hex(0xF2DDA4);
inline constexpr RGB sand = hex(0xD9B878);
inline constexpr RGB sanddark = hex(0xA88654);
inline constexpr RGB rock = hex(0x6E7F8C);
inline constexpr RGB rocklight = hex(0x8FA3B0);
// coral and plants
inline constexpr RGB coral = hex(0xFF7A6B);
inline constexpr RGB coralorange = hex(0xFF9E57);
inline constexpr RGB kelp = hex(0x3FAF6A);
inline constexpr RGB kelpdark = hex(0x2E8A52);
inline constexpr RGB anemone = hex(0xC86FD6);
// interface wood, rope and brass
inline constexpr RGB plank = hex(0xB9834A);
inline constexpr RGB grain = hex(0x8C5A2B);
inline constexpr RGB planklight = hex(0xE3B57A);
inline constexpr RGB rope = hex(0xD8C08A);
inline constexpr RGB ropedark = hex(0x9C7F4A);
inline constexpr RGB brass = hex(0xE8C25A);
// pearls and gold
inline constexpr RGB pearl = hex(0xFFF6E0);
inline constexpr RGB pearlrim = hex(0xF5D37A);
inline constexpr RGB gold = hex(0xFFD24A);
inline constexpr RGB goldoutline = hex(0x8A5A00);
// text
inline constexpr RGB textbrown = hex(0x5A3414);
inline constexpr RGB white = hex(0xFFFFFF);
inline constexpr RGB textoutline = hex(0x0B3550);
// cards
inline constexpr RGB paper = hex(0xFFFDF6);
inline constexpr RGB cardborder = hex(0x2B3A4A);
inline constexpr RGB suitred = hex(0xD0312D);
inline constexpr RGB suitblack = hex(0x1E2530);
}  // namespace pal

// ---- deterministic randomness ---------------------------------------------

class Rng {
public:
    explicit Rng(uint64_t seed);
    uint64_t next();
    double uni();                            // [0, 1)
    double range(double lo, double hi);      // [lo, hi)
    int irange(int lo, int hi);              // lo..hi inclusive
    bool chance(double p);

private:
    uint64_t s_;
};

// ---- surfaces and paths -------------------------------------------------

// A new transparent ARGB surface with a context on it; free both with done().
struct Canvas {
    cairo_surface_t* surface;
    cairo_t* cr;
    int w, h;
};
Canvas canvas(int w, int h);
void done(Canvas& c);
// Writes a picture into the data folder as PNG (rel: its path there), reports
// a failed write to the generator runner, and frees the canvas or surface.
void save(Canvas& c, const std::string& rel);
void save(cairo_surface_t* s, const std::string& rel);

// Path only (no fill): rounded rectangle and pill.
void roundrect(cairo_t* cr, double x, double y, double w, double h, double r);
void pill(cairo_t* cr, double x, double y, double w, double h);

// Blurs an ARGB surface in place (three box passes, close to a gaussian of
// sigma ~ radius / 1.7). Radius in pixels; 0 does nothing.
void blur(cairo_surface_t* s, int radius);

// A soft shadow of a rounded rectangle, drawn under whatever comes next.
// Defaults are the interface shadow: offset (0, 4), blur 6, 35 % black.
void dropshadow(cairo_t* cr, double x, double y, double w, double h, double r,
                double dx = 0, double dy = 4, int blurpx = 6, double alpha = 0.35);
// The same for any shape: `shape` builds the path (in the context's
// current user space); the shadow is its blurred silhouette.
void dropshadowpath(cairo_t* cr, void (*shape)(cairo_t*, void*), void* user,
                    double dx = 0, double dy = 4, int blurpx = 6, double alpha = 0.35);

// Soft radial glow fading to full transparency, never a hard edge.
void glow(cairo_t* cr, double x, double y, double radius, RGB c, double alpha);

// ---- interface materials ------------------------------------------------

// Horizontal planks with grain, a top light, a dark rim and the 1-px light
// inner edge of interface panels. `planks` = number of boards (0 = by height).
void woodpanel(cairo_t* cr, double x, double y, double w, double h, double r, Rng& rng,
               int planks = 0);
// An inset lighter area for text on a wood panel (parchment-like).
void insetpaper(cairo_t* cr, double x, double y, double w, double h, double r);
// A twisted rope between two points.
void rope(cairo_t* cr, double x0, double y0, double x1, double y1, double thick);
// A round brass rivet / nail head.
void rivet(cairo_t* cr, double x, double y, double r);

// ---- text -----------------------------------------------------------------

// The game's rounded face (Comfortaa) through FreeType; weight "Bold",
// "Regular" or "Light". Falls back to the toy font API when the file is
// missing. The returned face is owned by the cache.
cairo_font_face_t* font(const char* weight = "Bold");
// Text with an outline under it; align 1 left, 2 right, 3 centre (x is the
// anchor); y is the baseline.
void outlinedtext(cairo_t* cr, const std::string& s, double x, double y, double size, RGB fill,
                  RGB outline, double outlinew, int align = 3, const char* weight = "Bold");
double textwidth(cairo_t* cr, const std::string& s, double size, const char* weight = "Bold");

// ---- water and light ------------------------------------------------------

// Vertical water gradient over the rectangle (0,0,w,h).
void water(cairo_t* cr, int w, int h, RGB top, RGB mid, RGB deep);
// Bright network of caustic light painted additively over (x,y,w,h); cell is
// the size of the light cells in pixels. `fadetop`/`fadebottom` fade it out
// towards those edges (0 = no fade).
void caustics(cairo_t* cr, int x, int y, int w, int h, double cell, double alpha, Rng& rng,
              RGB tint = RGB{1, 1, 0.92});
// Slanted soft beams from above the top edge.
void godrays(cairo_t* cr, int w, int h, int count, double alpha, Rng& rng, double slant = 0.18);
// Darkens the bottom and the corners.
void vignette(cairo_t* cr, int w, int h, double strength);
// A bubble with rim and glint; alpha scales the whole bubble.
void bubble(cairo_t* cr, double x, double y, double r, double alpha = 1.0);
// A trail of rising bubbles, smaller towards the top.
void bubbletrail(cairo_t* cr, double x, double y, int n, double rmax, Rng& rng, double alpha = 0.8);

// ---- reef life --------------------------------------------------------------

// A swaying kelp stalk with leaves, growing up from (x, y).
void kelp(cairo_t* cr, double x, double y, double height, double width, RGB c, Rng& rng,
          double sway = 1.0);
// A tuft of short seaweed blades from (x, y).
void seaweed(cairo_t* cr, double x, double y, double height, RGB c, Rng& rng, int blades = 6);
// Branching coral on a base at (x, y).
void branchcoral(cairo_t* cr, double x, double y, double size, RGB c, Rng& rng);
// A fan coral (sea fan) with a lattice.
void fancoral(cairo_t* cr, double x, double y, double size, RGB c, Rng& rng);
// A round brain coral / sponge dome sitting on (x, y).
void domecoral(cairo_t* cr, double x, double y, double size, RGB c, Rng& rng);
// A sea anemone with waving tentacles.
void anemone(cairo_t* cr, double x, double y, double size, RGB c, Rng& rng);
// A rounded rock centred horizontally on x with its base at y.
void rock(cairo_t* cr, double x, double y, double w, double h, RGB c, Rng& rng);
// A starfish.
void starfish(cairo_t* cr, double x, double y, double r, double angle, RGB c);
// A shell (scallop) lying at (x, y).
void shell(cairo_t* cr, double x, double y, double size, double angle, RGB c);
// Sand floor: a dune line from `y` (at the middle) down to the bottom, with
// ripples and pebbles.
void sandbed(cairo_t* cr, int w, int h, double y, double wave, Rng& rng, RGB light = pal::sandlight,
             RGB mid = pal::sand, RGB dark = pal::sanddark);
// A friendly little fish (big eye, glint) centred at (x, y), `len` long,
// facing right unless `left`. `stripe` is drawn as two soft bands.
void fish(cairo_t* cr, double x, double y, double len, RGB body, RGB stripe, bool left = false,
          double alpha = 1.0);

// ---- the application's emblem ------------------------------------------------

// The window icon's drawing on a 32 x 32 grid: the water disc, the sand, the
// coral fish and a bubble (scale the context for other sizes).
void windowicon(cairo_t* cr);

}  // namespace art
