// A strong automatic player for the solver and the benchmark: plays one level
// with the engine's own deal, fit rule, free rule and stable, without the
// animations' waiting (moves take their ticks on a virtual clock).
#pragma once

#include <vector>

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

// What a player can see of one card, for looking ahead within a run.
struct SeenCard {
    int slot, value, stack, layer;  // value 0: the fishslap card (fits anything), -1 blocks only
    bool known;                      // face up, or turning up once free
};
// The first card of the best run in sight (length, cards uncovered, stacks
// cleared), 0 when none: the automatic player's choice, also taken by the
// playthrough bot from what the table shows.
int bestrunstart(const std::vector<SeenCard>& cards, int aktvalue, bool wild);
