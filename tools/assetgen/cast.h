// The boss cast, drawn the same way wherever it appears: in the boss levels
// of the card game and in the stories around them. Each character is one
// routine that paints into a cairo context at a given place and size, so a
// story picture that shows the blowfish beside other props calls the very
// routine that drew the boss picture, and the two never drift apart.
//
// Conventions (as the story characters): big eyes with a white glint,
// rounded bodies, outlines a darker shade of the fill, facing right unless
// `flip`; the bosses look grumpy, never frightening. Every routine takes the
// centre of its picture (x, y) and a scale s (1 = the size of the boss
// picture that the game loads, given beside each routine), respects the
// context's transform and leaves the context's state as it found it.
#pragma once

#include <cairo.h>

#include "art.h"

namespace cast {

// ---- the shared vocabulary ------------------------------------------------

// Path only: an ellipse.
void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
// Fills the current path, then outlines it in a darker shade of the fill.
void fillout(cairo_t* cr, art::RGB fill, double width = 2.6, double dark = 0.55);
// A soft highlight over the upper part of the current clip.
void toplight(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha = 0.35);
// An eye with its white glint. `look` moves the pupil (-1..1 each way);
// `lid` lowers a flat upper lid in the skin colour (0 open .. 1 shut), which
// is what makes the bosses look grumpy rather than fierce.
void eye(cairo_t* cr, double x, double y, double r, double lookx, double looky, double lid, art::RGB skin);
// A shut eye: a curved lid line with two lashes.
void shuteye(cairo_t* cr, double x, double y, double r, art::RGB skin);
// A thick rounded brow from (x0, y0) to (x1, y1).
void brow(cairo_t* cr, double x0, double y0, double x1, double y1, double width);

// ---- the blowfish (levels 16 and 17, stories 4 and 5) ----------------------
// Picture size 300 x 280 at s = 1, the body centred. `puff` 0 is the
// deflated oval fish with its spines laid flat, 1 the round spiky ball.
enum BlowEye { BLOWEYE_OPEN = 0, BLOWEYE_SHUT = 1, BLOWEYE_HURT = 2 };
void blowfish(cairo_t* cr, double x, double y, double s, double puff, int eyes, int plasters, bool flip = false);
// The eyes alone (what the game lays over the fish for a blink or after the
// first hit), centred on the middle of the two eyes: 110 x 70 at s = 1.
void blowfisheyes(cairo_t* cr, double x, double y, double s, int eyes, bool flip = false);
// A sticking plaster, 72 x 36 at s = 1, turned by `angle` degrees.
void plaster(cairo_t* cr, double x, double y, double s, double angle);
// The soft shadow the fish throws onto the water below it: 300 x 280.
void blowfishshadow(cairo_t* cr, double x, double y, double s);
// Where the marks sit on the fish at puff 1, as offsets from the picture's
// centre at s = 1 (facing right): the eyes' middle and the three plasters.
struct Mark {
    double dx, dy, angle;
};
constexpr Mark BLOWFISH_EYES = {62, -32, 0};
constexpr Mark BLOWFISH_PLASTER[4] = {{0, 0, 0}, {-8, -88, -18}, {78, 30, 28}, {-62, 22, 62}};

// ---- the stone (levels 32..34, stories 8..10) -------------------------------
// Picture size 260 x 360 at s = 1; the stone stands on the middle of the
// bottom edge. Stages 1..5 crack and crumble step by step, 6 is the rubble
// that is left once it has broken apart.
void stone(cairo_t* cr, double x, double y, double s, int stage, bool flip = false);
// Fragments 1..8, each 64 x 64 at s = 1: chips of the same rock.
void stonefragment(cairo_t* cr, double x, double y, double s, int n);

// ---- the anglerfish (levels 52..54, stories 12..14) ---------------------------
// Picture size 340 x 260 at s = 1. The lure's bulb (unlit) sits at
// ANGLER_BULB from the centre; its light is a separate picture laid over it.
void anglerfish(cairo_t* cr, double x, double y, double s, bool flip = false);
constexpr Mark ANGLER_BULB = {118, -96, 0};
// The glow of the lure, 160 x 160 at s = 1, meant for additive drawing:
// 1 the full light, 2 the weaker flicker.
void anglerlight(cairo_t* cr, double x, double y, double s, int which);

// ---- the robber crab and its prisoners (levels 72..74, stories 18..21) ------
// The robber, 320 x 260 at s = 1: a dark violet crab with a bandit's mask,
// claws raised.
void robbercrab(cairo_t* cr, double x, double y, double s, bool flip = false);
// The two prisoners, sad while chained, happy once free: 1 a little yellow
// fish (150 x 120), 2 a pink starfish (140 x 140).
void prisoner(cairo_t* cr, int which, double x, double y, double s, bool happy, bool flip = false);
// Chains 1 and 2 hold prisoners 1 and 2: an iron cuff (at the fish's tail,
// round the starfish's lower arm) with a chain running down to a weight,
// 120 x 170 at s = 1, its centre CHAIN_AT from the prisoner's centre; chain 3
// is a broken chain lying open (160 x 70).
void chain(cairo_t* cr, int which, double x, double y, double s);
constexpr Mark CHAIN_AT[3] = {{0, 0, 0}, {-50, 70, 0}, {30, 104, 0}};
// The robber's ink cloud, 520 x 240 at s = 1.
void crabink(cairo_t* cr, double x, double y, double s);

}  // namespace cast
