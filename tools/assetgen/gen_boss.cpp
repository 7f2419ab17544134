// The boss pictures of the card game's boss levels, which the stories around
// those levels load from the same folders: the blowfish (levels 16 and 17),
// the stone (32..34), the anglerfish (52..54) and the robber crab with its
// prisoners (72..74). The drawing itself is the cast's (cast.h); this file
// only sets the canvases.
#include <string>

#include "assetlib.h"
#include "cast.h"

namespace {

// Renders one picture of w x h with `paint` drawing centred at (w/2, h/2).
template <class F>
void picture(const std::string& rel, int w, int h, F paint) {
    art::Canvas c = art::canvas(w, h);
    paint(c.cr, w / 2.0, h / 2.0);
    art::save(c, rel);
}

}  // namespace

// The blowfish, its two eye pictures (a blink, and the eyes after the first
// hit), the plaster and the shadow below it.
AL_GENERATOR(gen_boss_blowfish) {
    const std::string dir = "story/4and5/";
    picture(dir + "blowfish.png", 300, 280,
            [](cairo_t* cr, double x, double y) { cast::blowfish(cr, x, y, 1, 1, cast::BLOWEYE_OPEN, 0); });
    picture(dir + "blowfisheye1.png", 110, 70,
            [](cairo_t* cr, double x, double y) { cast::blowfisheyes(cr, x, y, 1, cast::BLOWEYE_SHUT); });
    picture(dir + "blowfisheye2.png", 110, 70,
            [](cairo_t* cr, double x, double y) { cast::blowfisheyes(cr, x, y, 1, cast::BLOWEYE_HURT); });
    picture(dir + "plaster.png", 72, 36, [](cairo_t* cr, double x, double y) { cast::plaster(cr, x, y, 1, 0); });
    picture(dir + "shadow.png", 300, 280, [](cairo_t* cr, double x, double y) { cast::blowfishshadow(cr, x, y, 1); });
}

// The stone in its six stages and the eight fragments it throws.
AL_GENERATOR(gen_boss_stone) {
    const std::string dir = "story/8and9and10/";
    for (int n = 1; n <= 6; n++)
        picture(dir + "stone" + std::to_string(n) + ".png", 260, 360,
                [n](cairo_t* cr, double x, double y) { cast::stone(cr, x, y, 1, n); });
    for (int n = 1; n <= 8; n++)
        picture(dir + "stonepart" + std::to_string(n) + ".png", 64, 64,
                [n](cairo_t* cr, double x, double y) { cast::stonefragment(cr, x, y, 1, n); });
}

// The anglerfish and the two lights of its lure.
AL_GENERATOR(gen_boss_anglerfish) {
    const std::string dir = "story/12and13and14/";
    picture(dir + "fish.png", 340, 260, [](cairo_t* cr, double x, double y) { cast::anglerfish(cr, x, y, 1); });
    for (int n = 1; n <= 2; n++)
        picture(dir + "fishlight" + std::to_string(n) + ".png", 160, 160,
                [n](cairo_t* cr, double x, double y) { cast::anglerlight(cr, x, y, 1, n); });
}

// The robber crab, its ink, the two prisoners and the chains.
AL_GENERATOR(gen_boss_robber) {
    const std::string dir = "story/18and19and20/";
    picture(dir + "robber.png", 320, 260, [](cairo_t* cr, double x, double y) { cast::robbercrab(cr, x, y, 1); });
    picture(dir + "crabink.png", 520, 240, [](cairo_t* cr, double x, double y) { cast::crabink(cr, x, y, 1); });
    picture(dir + "pir1.png", 150, 120, [](cairo_t* cr, double x, double y) { cast::prisoner(cr, 1, x, y, 1, false); });
    picture(dir + "pir2.png", 140, 140, [](cairo_t* cr, double x, double y) { cast::prisoner(cr, 2, x, y, 1, false); });
    for (int n = 1; n <= 2; n++)
        picture(dir + "chain" + std::to_string(n) + ".png", 120, 170,
                [n](cairo_t* cr, double x, double y) { cast::chain(cr, n, x, y, 1); });
    picture(dir + "chain3.png", 160, 70, [](cairo_t* cr, double x, double y) { cast::chain(cr, 3, x, y, 1); });
}
