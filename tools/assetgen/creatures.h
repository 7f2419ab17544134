// The nine fish helpers, one routine that draws each of them, so that the
// helper cards, the helpers bar, the shop's helper panel and the refill
// picture all show the same creature.
#pragma once

#include <cairo.h>

namespace art {

// Helper i (1..9): clownfish, seahorse, turtle, starfish, jellyfish, blue
// tang, sea snail, manta ray, little whale. Centred on (x, y), `size` is the
// height of the box it fills; facing right; `blink` closes the eyes.
void helpercreature(cairo_t* cr, int i, double x, double y, double size, bool blink = false);

// Story character k (1 clownfish, 2 shark, 3 sponge, 4 swordfish, 5 crab,
// 6 octopus) in pose 0..10, its 300 x 300 box centred on (x, y) at scale s.
void storycharacter(cairo_t* cr, int k, int pose, double x, double y, double s, bool flip = false);

}  // namespace art
