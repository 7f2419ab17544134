// Trophies: the award that the card game and the casino call, the trophy
// waiting to be presented, and the trophy pictures.
#pragma once

#include "meta/trophyids.h"
#include "present/resources.h"

struct TrophyState {
    int pendingtrophy = 0;  // awarded and not yet presented
    int trophyshown = 0;    // the pending trophy has been presented on this screen
};
extern TrophyState trophies;

// Awards trophy n to the current player: at most one per presentation, only
// on the screens that present it, never one the player has already.
void wintrophy(int n);
Img trophyimage(int n);  // picture of trophy n, null when none
void resettrophies();
