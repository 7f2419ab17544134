// Trophies: the one award rule, the trophy waiting to be presented, the
// presentation panel shared by the card game and the casino, and the
// trophy pictures (resident from start-up).
//
// The profile's `trophywon` is the only record of what a player owns:
// 0 not won, 1 won and not yet celebrated in the trophy room, 2..20 the
// room's celebration running, 20 settled.
#pragma once

#include "meta/trophyids.h"
#include "present/resources.h"

constexpr int TROPHYSETTLED = 20;   // celebration finished


struct TrophyState {
    int pendingtrophy = 0;  // awarded and not yet presented, 0 none
    int trophyshown = 0;    // the pending trophy has been presented on this screen visit
};

// The casino's presentation while its curtain closes.
struct TrophyShow {
    int clock = 0;
    float y = -600;
};

struct TrophyImages {
    Img t[TROPHY_PICTURELAST + 1] = {};
};

extern TrophyState trophies;
extern TrophyShow trophyshowstate;
extern TrophyImages trophyimg;

// The award: on the card game and the casino only, at most one trophy per
// presentation, never one the player owns, only trophies that have a
// picture and a name (1..20).
void wintrophy(int n);
// Picture of trophy n; null when there is none.
Img trophyimage(int n);
void loadtrophyimages();
void freetrophyimages();
// The card game and the casino start a new visit: whatever was pending has
// been presented or stays recorded in the profile for the room.
void newtrophyvisit();
// True while a trophy waits for its presentation on this visit.
bool trophywaiting();

// The presentation panel at panel y: title, picture, name and button.
// True when its button was clicked this tick.
bool drawtrophypanel(int n, float y, int namelineheight, float buttondy);
// The casino's presentation, one tick: it runs while trophywaiting() and
// sets trophyshown when it has slid away.
void casinotrophyshow();
void resettrophyshow();

void resettrophies();
