// A strong automatic player for the solver and the benchmark: plays one level
// with the engine's own deal, fit rule, free rule and stable, without the
// animations' waiting (moves take their ticks on a virtual clock).
#pragma once

struct AutoResult {
    bool won = false;
    int points = 0;
    int stars = 0;   // by the thresholds 325, 400, 500
    int draws = 0;   // cards taken from the stable
    bool loaded = false;
};

// The caller has started a backend (headless), set the data root and fixed
// the random seed (pf::ctl::fixedseed) to `seed`, so a game can be replayed.
// newstable: the player starts holding a bought new stable (item 21).
AutoResult autoplay(int level, int seed, bool newstable);
