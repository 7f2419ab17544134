// The props of the story scenes 3..21 that are not boss pictures: the
// friends peeking over the rocks and the clam's notes and red pearl (3), the
// speakers at the blowfish pass (4, 5), the sword in the shell (6), the
// courier and the farmer (15), the eggs of the ending (21), and the resident
// characters as each story shows them; story 21's robber and ink come from
// the boss cast. The friends come from the routines
// of the character set, so they look the same everywhere.
#include <cmath>
#include <string>

#include "art.h"
#include "assetlib.h"
#include "cast.h"
#include "storycast.h"

namespace {

using art::RGB;
using art::setrgb;
using art::shade;
namespace pal = art::pal;

constexpr double PI = 3.14159265358979323846;
const RGB PUPIL = art::hex(0x1A1A2A);


// The cast's shapes and its big friendly eye (white, glint, no lid here).
using cast::ellipse;
using cast::fillout;
void eye(cairo_t* cr, double x, double y, double r, double lookx, RGB skin) { cast::eye(cr, x, y, r, lookx, 0, 0, skin); }

void smile(cairo_t* cr, double x, double y, double w, RGB skin, bool open) {
    cairo_new_path(cr);
    if (open) {
        cairo_move_to(cr, x - w * 0.5, y - w * 0.1);
        cairo_curve_to(cr, x - w * 0.3, y + w * 0.45, x + w * 0.3, y + w * 0.45, x + w * 0.5, y - w * 0.1);
        cairo_close_path(cr);
        setrgb(cr, art::hex(0x7A1E2A));
        cairo_fill_preserve(cr);
    } else {
        cairo_arc(cr, x, y - w * 0.5, w * 0.6, 35 * PI / 180, 145 * PI / 180);
    }
    setrgb(cr, shade(skin, 0.35));
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void blush(cairo_t* cr, double x, double y, double r) { art::glow(cr, x, y, r, art::hex(0xFF6F8A), 0.45); }

// One of the six characters on its own canvas of size px, as a story shows it.
void castpicture(int k, int pose, int px, const std::string& rel, bool flip = false) {
    art::Canvas c = art::canvas(px, px);
    storycastmember(c.cr, k, pose, px / 2.0, px / 2.0, px / 300.0, flip);
    save(c, rel);
}

// ---- story 3 -------------------------------------------------------------------------

// A friend peeking over a boulder, 160 x 140: head and eyes above the rock,
// the rest hidden behind it. Drawn with the character routine, so the eyes
// are the friend's own.
void peeker(int k, bool flip, double dy, double rockw, uint64_t seed, const std::string& rel) {
    art::Canvas c = art::canvas(160, 140);
    cairo_t* cr = c.cr;
    storycastmember(cr, k, POSE_SURPRISED, 80, 86 + dy, 0.56, flip);
    art::Rng rng(seed);
    // the boulder in front, wide and low
    art::rock(cr, 80, 146, rockw, 44, pal::rock, rng);
    art::seaweed(cr, 20, 140, 30, pal::kelp, rng, 4);
    save(c, rel);
}

void note(cairo_t* cr, double x, double y, bool pair, RGB fill) {
    art::glow(cr, x, y, 30, pal::white, 0.3);
    cairo_new_path(cr);
    auto head = [&](double hx, double hy) {
        cairo_save(cr);
        cairo_translate(cr, hx, hy);
        cairo_rotate(cr, -0.4);
        cairo_scale(cr, 9, 6.5);
        cairo_new_sub_path(cr);
        cairo_arc(cr, 0, 0, 1, 0, 2 * PI);
        cairo_restore(cr);
    };
    double x0 = x - (pair ? 10 : 4), y0 = y + 14;
    for (int pass = 0; pass < 2; pass++) {
        cairo_new_path(cr);
        head(x0, y0);
        if (pair) head(x0 + 22, y0 - 5);
        setrgb(cr, pass == 0 ? pal::textoutline : fill);
        if (pass == 0) {
            cairo_set_line_width(cr, 5);
            cairo_stroke_preserve(cr);
        }
        cairo_fill(cr);
        cairo_new_path(cr);
        cairo_move_to(cr, x0 + 8, y0 - 2);
        cairo_line_to(cr, x0 + 8, y0 - 34);
        if (pair) {
            cairo_line_to(cr, x0 + 30, y0 - 39);
            cairo_line_to(cr, x0 + 30, y0 - 7);
        } else {
            cairo_curve_to(cr, x0 + 12, y0 - 22, x0 + 24, y0 - 24, x0 + 20, y0 - 10);
        }
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        setrgb(cr, pass == 0 ? pal::textoutline : fill);
        cairo_set_line_width(cr, pass == 0 ? 8 : 3.5);
        cairo_stroke(cr);
    }
}

}  // namespace

AL_GENERATOR(gen_scenes_3) {
    peeker(CAST_SHARK, false, 4, 156, 31, "story/3/eyesharky.png");
    peeker(CAST_CLOWNFISH, false, 2, 150, 32, "story/3/eyeclowny.png");
    peeker(CAST_SPONGE, true, 10, 156, 33, "story/3/eyebobby.png");
    // The clam's notes, 48 x 64: white and gold, outlined like the
    // question marks so they read over any water.
    {
        art::Canvas c = art::canvas(48, 64);
        note(c.cr, 24, 34, false, pal::white);
        save(c, "story/3/note1.png");
    }
    {
        art::Canvas c = art::canvas(56, 64);
        note(c.cr, 28, 34, true, pal::gold);
        save(c, "story/3/note2.png");
    }
    // The red pearl, 64 x 64: a glowing red bead with the pearl's rim light.
    {
        art::Canvas c = art::canvas(64, 64);
        cairo_t* cr = c.cr;
        art::glow(cr, 32, 32, 32, art::hex(0xFF4A5A), 0.55);
        cairo_pattern_t* p = cairo_pattern_create_radial(26, 25, 2, 32, 32, 17);
        art::addstop(p, 0, art::hex(0xFFB0B0));
        art::addstop(p, 0.45, art::hex(0xE0303E));
        art::addstop(p, 1, art::hex(0x8A1020));
        cairo_arc(cr, 32, 32, 16, 0, 2 * PI);
        cairo_set_source(cr, p);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(p);
        setrgb(cr, art::hex(0x6A0A18));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        ellipse(cr, 26, 25, 5, 3.5);
        setrgb(cr, pal::white, 0.9);
        cairo_fill(cr);
        save(c, "story/3/redpearl.png");
    }
}

// ---- stories 4 and 5 -------------------------------------------------------------------

AL_GENERATOR(gen_scenes_4and5) {
    // 200 x 200: the speakers talking, and frightened for their second picture.
    castpicture(CAST_SHARK, POSE_TALK, 200, "story/4and5/sharky.png");
    castpicture(CAST_SHARK, POSE_SCARED, 200, "story/4and5/sharky2.png");
    castpicture(CAST_CLOWNFISH, POSE_TALK, 200, "story/4and5/clowny.png");
    castpicture(CAST_CLOWNFISH, POSE_SCARED, 200, "story/4and5/clowny2.png");
    // The question mark, 56 x 76, like the intro's but larger.
    art::Canvas c = art::canvas(56, 76);
    cairo_t* cr = c.cr;
    art::glow(cr, 28, 38, 28, pal::white, 0.35);
    cairo_new_path(cr);
    cairo_move_to(cr, 14, 24);
    cairo_curve_to(cr, 14, 7, 42, 5, 42, 24);
    cairo_curve_to(cr, 42, 36, 28, 36, 28, 50);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    setrgb(cr, pal::textoutline);
    cairo_set_line_width(cr, 13);
    cairo_stroke_preserve(cr);
    setrgb(cr, pal::white);
    cairo_set_line_width(cr, 7);
    cairo_stroke(cr);
    ellipse(cr, 28, 64, 6.5, 6.5);
    setrgb(cr, pal::white);
    cairo_fill_preserve(cr);
    setrgb(cr, pal::textoutline);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    save(c, "story/4and5/question1.png");
}

// ---- story 6 ---------------------------------------------------------------------------

namespace {

// The sword, 240 x 60, pointing right, its middle on the guard's right:
// a silver blade with a fuller, a brass guard, a wrapped grip, a pearl pommel.
void sword(cairo_t* cr) {
    // blade
    cairo_new_path(cr);
    cairo_move_to(cr, 84, 22);
    cairo_line_to(cr, 214, 24);
    cairo_line_to(cr, 234, 30);
    cairo_line_to(cr, 214, 36);
    cairo_line_to(cr, 84, 38);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 22, 0, 38);
    art::addstop(g, 0, art::hex(0xFFFFFF));
    art::addstop(g, 0.45, art::hex(0xD8E0EA));
    art::addstop(g, 1, art::hex(0x9AA6B8));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setrgb(cr, art::hex(0x5A6478));
    cairo_set_line_width(cr, 2.2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    cairo_move_to(cr, 90, 30);
    cairo_line_to(cr, 200, 30);
    setrgb(cr, art::hex(0x8A96AA), 0.8);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // guard
    art::roundrect(cr, 74, 8, 12, 44, 5);
    fillout(cr, pal::brass, 2, 0.5);
    // grip, wrapped
    art::roundrect(cr, 36, 24, 40, 12, 4);
    fillout(cr, pal::grain, 2, 0.6);
    for (int k = 0; k < 5; k++) {
        cairo_move_to(cr, 40 + k * 8, 24);
        cairo_line_to(cr, 46 + k * 8, 36);
    }
    setrgb(cr, pal::planklight, 0.8);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    // pommel
    cairo_arc(cr, 28, 30, 9, 0, 2 * PI);
    cairo_pattern_t* p = cairo_pattern_create_radial(25, 27, 1, 28, 30, 9);
    art::addstop(p, 0, pal::white);
    art::addstop(p, 1, pal::pearlrim);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setrgb(cr, pal::goldoutline);
    cairo_set_line_width(cr, 1.8);
    cairo_stroke(cr);
}

}  // namespace

AL_GENERATOR(gen_scenes_6) {
    // The four friends who stand at the sword's shell, 180 x 180.
    castpicture(CAST_CLOWNFISH, POSE_NEUTRAL, 180, "story/6/clowny.png");
    castpicture(CAST_SHARK, POSE_SURPRISED, 180, "story/6/sharky.png");
    castpicture(CAST_CRAB, POSE_SAD, 180, "story/6/crab.png");
    castpicture(CAST_OCTOPUS, POSE_TALK, 180, "story/6/octopus.png");
    // The shell, 200 x 110: a big scallop half buried in a sand mound.
    {
        art::Canvas c = art::canvas(200, 110);
        cairo_t* cr = c.cr;
        art::glow(cr, 100, 60, 70, pal::white, 0.25);
        art::shell(cr, 100, 96, 88, 0.12, art::hex(0xF2C9A8));
        cairo_new_path(cr);
        cairo_move_to(cr, 0, 110);
        cairo_curve_to(cr, 30, 84, 70, 82, 100, 86);
        cairo_curve_to(cr, 130, 82, 170, 84, 200, 110);
        cairo_close_path(cr);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, 82, 0, 110);
        art::addstop(g, 0, pal::sandlight);
        art::addstop(g, 1, pal::sand);
        cairo_set_source(cr, g);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(g);
        setrgb(cr, shade(pal::sand, 0.7));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        save(c, "story/6/shell.png");
    }
    {
        art::Canvas c = art::canvas(240, 60);
        sword(c.cr);
        save(c, "story/6/sword1.png");
    }
    // Its shine, drawn added over it: a soft cold glow along the blade and a
    // star at the tip (the same 240 x 60 frame).
    {
        art::Canvas c = art::canvas(240, 60);
        cairo_t* cr = c.cr;
        cairo_save(cr);
        cairo_translate(cr, 150, 30);
        cairo_scale(cr, 1, 0.22);
        art::glow(cr, 0, 0, 95, art::hex(0x7FD6FF), 0.8);
        cairo_restore(cr);
        art::glow(cr, 228, 30, 26, art::hex(0xBFF0FF), 0.9);
        cairo_move_to(cr, 228, 8);
        cairo_line_to(cr, 228, 52);
        cairo_move_to(cr, 206, 30);
        cairo_line_to(cr, 240, 30);
        setrgb(cr, pal::white, 0.9);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        save(c, "story/6/sword2.png");
    }
}

// ---- story 15 -----------------------------------------------------------------------

namespace {

const RGB SEAHORSE = art::hex(0xF5B041), SEAHORSELIGHT = art::hex(0xFFD98A), CAP = art::hex(0x3A6FD0);

// The courier seahorse in a 300 x 300 box facing right: a curled tail, a
// round belly with rings, a crest, a long snout, a postman's cap and bag.
// `dash` leans it forward with speed lines behind.
void courier(cairo_t* cr, bool dash) {
    cairo_save(cr);
    if (dash) {
        cairo_translate(cr, 150, 160);
        cairo_rotate(cr, 28 * PI / 180);
        cairo_translate(cr, -150, -160);
    }
    // the curled tail
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const double tail[][2] = {{140, 210}, {132, 238}, {138, 262}, {158, 272}, {176, 262}, {174, 244}, {160, 242}};
    for (int k = 0; k < 6; k++) {
        double w = 30 - k * 4;
        cairo_move_to(cr, tail[k][0], tail[k][1]);
        cairo_line_to(cr, tail[k + 1][0], tail[k + 1][1]);
        setrgb(cr, shade(SEAHORSE, 0.55));
        cairo_set_line_width(cr, w + 5);
        cairo_stroke(cr);
    }
    for (int k = 0; k < 6; k++) {
        double w = 30 - k * 4;
        cairo_move_to(cr, tail[k][0], tail[k][1]);
        cairo_line_to(cr, tail[k + 1][0], tail[k + 1][1]);
        setrgb(cr, SEAHORSE);
        cairo_set_line_width(cr, w);
        cairo_stroke(cr);
    }
    // the back fin, a little fan
    cairo_new_path(cr);
    cairo_move_to(cr, 108, 150);
    cairo_curve_to(cr, 70, 130, 66, 175, 104, 190);
    cairo_close_path(cr);
    fillout(cr, SEAHORSELIGHT, 2.2);
    // body
    cairo_new_path(cr);
    cairo_move_to(cr, 150, 86);
    cairo_curve_to(cr, 110, 100, 100, 150, 112, 190);
    cairo_curve_to(cr, 120, 220, 160, 225, 172, 196);
    cairo_curve_to(cr, 188, 160, 178, 120, 168, 100);
    cairo_close_path(cr);
    setrgb(cr, SEAHORSE);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    ellipse(cr, 160, 160, 22, 52);  // the lighter belly with its rings
    setrgb(cr, SEAHORSELIGHT);
    cairo_fill(cr);
    for (int k = 0; k < 5; k++) {
        cairo_move_to(cr, 140, 122 + k * 17);
        cairo_curve_to(cr, 155, 128 + k * 17, 170, 128 + k * 17, 186, 120 + k * 17);
    }
    setrgb(cr, shade(SEAHORSE, 0.75), 0.8);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_restore(cr);
    setrgb(cr, shade(SEAHORSE, 0.55));
    cairo_set_line_width(cr, 2.6);
    cairo_stroke(cr);
    // the bag on its strap
    cairo_move_to(cr, 158, 92);
    cairo_line_to(cr, 122, 176);
    setrgb(cr, pal::grain);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    art::roundrect(cr, 98, 168, 40, 30, 6);
    fillout(cr, pal::plank, 2.2);
    art::roundrect(cr, 98, 168, 40, 11, 5);
    fillout(cr, pal::planklight, 1.6, 0.6);
    // head with the long snout
    ellipse(cr, 168, 74, 38, 32);
    setrgb(cr, SEAHORSE);
    cairo_fill(cr);
    art::roundrect(cr, 188, 70, 58, 20, 10);
    fillout(cr, SEAHORSE, 2.4);
    ellipse(cr, 168, 74, 38, 32);
    setrgb(cr, shade(SEAHORSE, 0.55));
    cairo_set_line_width(cr, 2.6);
    cairo_stroke(cr);
    // the snout's mouth
    cairo_move_to(cr, 244, 76);
    cairo_line_to(cr, 244, 84);
    setrgb(cr, shade(SEAHORSE, 0.35));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    blush(cr, 192, 92, 10);
    eye(cr, 178, 68, 15, 0.5, SEAHORSE);
    // the cap, its peak to the front
    cairo_new_path(cr);
    cairo_move_to(cr, 136, 58);
    cairo_curve_to(cr, 138, 26, 192, 22, 200, 50);
    cairo_close_path(cr);
    fillout(cr, CAP, 2.4);
    cairo_new_path(cr);
    cairo_move_to(cr, 184, 46);
    cairo_curve_to(cr, 204, 42, 222, 46, 228, 54);
    cairo_curve_to(cr, 212, 56, 196, 54, 186, 54);
    cairo_close_path(cr);
    fillout(cr, shade(CAP, 0.8), 2);
    art::glow(cr, 160, 40, 8, pal::brass, 0.9);
    cairo_restore(cr);
    if (dash) {
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        for (int k = 0; k < 4; k++) {
            cairo_move_to(cr, 20 + k * 6, 110 + k * 34);
            cairo_line_to(cr, 70 - k * 4, 110 + k * 34);
        }
        setrgb(cr, pal::white, 0.85);
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
    }
}

// The farmer, in a 300 x 300 box facing right: a plump green grouper in a
// straw hat with a stalk of sea grass in the corner of its mouth.
void farmer(cairo_t* cr) {
    const RGB BODY = art::hex(0x6FAF5A), BELLY = art::hex(0xDCEFB0), STRAW = art::hex(0xF2D27A);
    // tail
    cairo_new_path(cr);
    cairo_move_to(cr, 80, 175);
    cairo_curve_to(cr, 50, 140, 30, 130, 26, 140);
    cairo_curve_to(cr, 34, 165, 34, 190, 26, 214);
    cairo_curve_to(cr, 34, 222, 56, 210, 80, 180);
    cairo_close_path(cr);
    fillout(cr, BODY);
    // back fin with soft spines
    cairo_new_path(cr);
    cairo_move_to(cr, 100, 122);
    for (int k = 0; k < 6; k++) cairo_line_to(cr, 110 + k * 16, (k % 2) ? 92 : 100);
    cairo_line_to(cr, 200, 116);
    cairo_close_path(cr);
    fillout(cr, shade(BODY, 0.9));
    // body
    ellipse(cr, 155, 180, 88, 66);
    setrgb(cr, BODY);
    cairo_fill(cr);
    cairo_save(cr);
    ellipse(cr, 155, 180, 88, 66);
    cairo_clip(cr);
    ellipse(cr, 168, 230, 84, 40);
    setrgb(cr, BELLY);
    cairo_fill(cr);
    const double spots[][3] = {{110, 160, 6}, {128, 140, 4}, {140, 196, 5}, {96, 196, 4}};
    for (auto& s : spots) {
        ellipse(cr, s[0], s[1], s[2], s[2]);
        setrgb(cr, shade(BODY, 0.8));
        cairo_fill(cr);
    }
    cairo_restore(cr);
    ellipse(cr, 155, 180, 88, 66);
    setrgb(cr, shade(BODY, 0.5));
    cairo_set_line_width(cr, 2.8);
    cairo_stroke(cr);
    // big lips and the sea-grass stalk
    blush(cr, 214, 194, 12);
    cairo_move_to(cr, 226, 204);
    cairo_curve_to(cr, 250, 196, 270, 182, 286, 160);
    setrgb(cr, pal::kelpdark);
    cairo_set_line_width(cr, 4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    ellipse(cr, 282, 164, 8, 4);
    setrgb(cr, pal::kelp);
    cairo_fill(cr);
    smile(cr, 222, 206, 30, BODY, false);
    eye(cr, 200, 160, 18, 0.4, BODY);
    eye(cr, 230, 162, 14, 0.4, BODY);
    // pectoral fin
    cairo_new_path(cr);
    cairo_move_to(cr, 150, 196);
    cairo_curve_to(cr, 130, 220, 112, 226, 110, 214);
    cairo_curve_to(cr, 116, 204, 130, 196, 150, 190);
    cairo_close_path(cr);
    fillout(cr, shade(BODY, 1.1), 2.2);
    // the straw hat, brim tilted back
    cairo_save(cr);
    cairo_translate(cr, 196, 120);
    cairo_rotate(cr, -0.18);
    ellipse(cr, 0, 8, 70, 14);
    fillout(cr, STRAW, 2.4, 0.6);
    cairo_new_path(cr);
    cairo_move_to(cr, -38, 6);
    cairo_curve_to(cr, -36, -36, 36, -36, 38, 6);
    cairo_close_path(cr);
    fillout(cr, STRAW, 2.4, 0.6);
    cairo_rectangle(cr, -37, -6, 74, 9);
    fillout(cr, pal::coral, 1.8);
    for (int k = -2; k <= 2; k++) {
        cairo_move_to(cr, k * 13, -26 + std::abs(k) * 4);
        cairo_line_to(cr, k * 15, 4);
    }
    setrgb(cr, shade(STRAW, 0.75), 0.7);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void boxpicture(void (*paint)(cairo_t*, bool), bool flag, int px, const std::string& rel) {
    art::Canvas c = art::canvas(px, px);
    cairo_scale(c.cr, px / 300.0, px / 300.0);
    paint(c.cr, flag);
    save(c, rel);
}

}  // namespace

AL_GENERATOR(gen_scenes_15) {
    boxpicture(courier, true, 220, "story/15/courier1.png");
    boxpicture(courier, false, 220, "story/15/courier2.png");
    boxpicture([](cairo_t* cr, bool) { farmer(cr); }, false, 180, "story/15/farmy.png");
    castpicture(CAST_CLOWNFISH, POSE_TALK, 180, "story/15/clowny.png");
    castpicture(CAST_SHARK, POSE_HAPPY, 180, "story/15/sharky.png");
}

// ---- story 21 ---------------------------------------------------------------------------

AL_GENERATOR(gen_scenes_21) {
    // The robber and its ink, as the crab levels show them.
    {
        art::Canvas c = art::canvas(320, 260);
        cast::robbercrab(c.cr, 160, 130, 1);
        save(c, "story/21/robber.png");
    }
    {
        art::Canvas c = art::canvas(520, 240);
        cast::crabink(c.cr, 260, 120, 1);
        save(c, "story/21/crabink.png");
    }
    castpicture(CAST_CLOWNFISH, POSE_LAUGH, 180, "story/21/clowny.png");
    castpicture(CAST_SHARK, POSE_HAPPY, 180, "story/21/sharky.png");
    // The eggs, 280 x 160: a nest of sea grass holding eight softly glowing
    // eggs, each with a little one's shadow inside.
    art::Canvas c = art::canvas(280, 160);
    cairo_t* cr = c.cr;
    art::Rng rng(2121);
    art::glow(cr, 140, 96, 130, art::hex(0xFFE6A0), 0.35);
    const double eggs[][3] = {{70, 100, 0}, {110, 88, 1}, {152, 84, 2}, {194, 92, 3},
                              {228, 106, 4}, {92, 118, 5}, {138, 112, 6}, {184, 116, 7}};
    const RGB tints[] = {art::hex(0xFFD6C8), art::hex(0xFFF0C0), art::hex(0xD8F4FF), art::hex(0xFFE0F0)};
    for (auto& e : eggs) {
        RGB t = tints[int(e[2]) % 4];
        ellipse(cr, e[0], e[1], 20, 25);
        cairo_pattern_t* p = cairo_pattern_create_radial(e[0] - 6, e[1] - 10, 2, e[0], e[1], 26);
        art::addstop(p, 0, pal::white, 0.95);
        art::addstop(p, 0.6, t, 0.9);
        art::addstop(p, 1, shade(t, 0.8), 0.95);
        cairo_set_source(cr, p);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(p);
        setrgb(cr, shade(t, 0.55));
        cairo_set_line_width(cr, 2.2);
        cairo_stroke(cr);
        // the little one inside: a shadow with one eye
        ellipse(cr, e[0] + 2, e[1] + 4, 9, 7);
        setrgb(cr, shade(t, 0.6), 0.35);
        cairo_fill(cr);
        ellipse(cr, e[0] + 6, e[1] + 1, 2.4, 2.4);
        setrgb(cr, PUPIL, 0.6);
        cairo_fill(cr);
        ellipse(cr, e[0] - 7, e[1] - 11, 4, 6);
        setrgb(cr, pal::white, 0.8);
        cairo_fill(cr);
    }
    // the nest in front
    cairo_new_path(cr);
    cairo_move_to(cr, 24, 112);
    cairo_curve_to(cr, 60, 160, 220, 160, 256, 112);
    cairo_curve_to(cr, 250, 150, 30, 150, 24, 112);
    cairo_close_path(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 20, 114);
    cairo_curve_to(cr, 70, 132, 210, 132, 260, 114);
    cairo_curve_to(cr, 250, 150, 200, 158, 140, 158);
    cairo_curve_to(cr, 80, 158, 30, 150, 20, 114);
    cairo_close_path(cr);
    fillout(cr, pal::kelpdark, 2.4, 0.6);
    for (int k = 0; k < 14; k++) {
        double x = 30 + k * 16 + rng.range(-4, 4);
        cairo_move_to(cr, x, 122 + rng.range(0, 6));
        cairo_curve_to(cr, x + 8, 132, x + 14, 142, x + 22, 146 + rng.range(-4, 4));
    }
    setrgb(cr, pal::kelp);
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    art::seaweed(cr, 26, 120, 30, pal::kelp, rng, 3);
    art::seaweed(cr, 254, 120, 30, pal::kelp, rng, 3);
    save(c, "story/21/eggs.png");
}
