// The real game for the screen benchmarks: SDL's software renderer on the
// offscreen driver, the resident pictures loaded as at start-up, the virtual
// clock, and player 1 (a new profile) on the given level.
#pragma once

bool opensoftwaregame(int level);
