// The fish over the card table that order combos of a given length: drawing
// them with their order bubbles, serving an order when a combo ends, the
// tokens flying to the bubbles, and the reward when a fish is fully served.
// The fish records themselves live in the player's profile.
#pragma once

#include "core/profiles.h"
#include "present/resources.h"

constexpr int MAXORDERTOKENS = 20;  // slots 1..19 are given out

struct OrderToken {
    int img = 0;  // 0 = free slot
    float x = 0, y = 0;
    int fish = 0, order = 0;
};

// Not kept with the player: a resumed level starts with nothing in flight.
struct FishOrders {
    int inflight[MAXFISH + 1][4] = {};
    float bubblex[MAXFISH + 1][4] = {}, bubbley[MAXFISH + 1][4] = {};
    OrderToken token[MAXORDERTOKENS + 1];
};

struct FishOrderImages {
    Img orderbubble[4] = {};  // by fish type 1..3
    Img pofbubble = nullptr;
    bool loaded = false;
};

extern FishOrders fo;
extern FishOrderImages foimg;
void serveorder(int n, int x, int y);  // a combo of n cards ended at (x, y)
void drawfish();
void freefishorderimages();  // the bubbles load again on next use
// Loads the order bubbles once (the card game on first use, the help page too).
void loadorderimages();

void resetfishorders();  // flags and tokens; the pictures stay
int ordertokensinuse();
