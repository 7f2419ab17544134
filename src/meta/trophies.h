// Trophies: the one award rule, the trophy waiting to be presented, the
// presentation panel shared by the card game and the casino, and the
// trophy pictures (resident from start-up).
//
// The profile's `trophywon` is the only record of what a player owns:
// 0 not won, 1 won and not yet celebrated in the trophy room, 2..20 the
// room's celebration running, 20 settled.
#pragma once

#include "present/resources.h"

constexpr int TROPHYSLOTS = 30;     // trophywon[1..30] in the profile
constexpr int TROPHYPICTURES = 20;  // "data\trophies\t1.png" .. "t20.png"
constexpr int ROOMTROPHIES = 18;    // the room shows 1..18
constexpr int TROPHYSETTLED = 20;   // celebration finished

// The trophies by what earns them.
enum TrophyId {
    TROPHY_STREAK5 = 1,         // more than 4 three-star wins in a row
    TROPHY_STREAK10 = 2,        // more than 9 three-star wins in a row
    TROPHY_ZOMBIEKILLER = 3,    // extras used more than 9 times each ...
    TROPHY_ZOMBIEBLASTER = 4,
    TROPHY_OCTOPUS = 5,
    TROPHY_CRAB = 6,
    TROPHY_EXTRAS = 7,          // extras used more than 74 times
    TROPHY_CASINOPEARLS = 8,    // more than 999 pearls won in the casino
    TROPHY_CASINOGAMES = 9,     // more than 34 casino games
    TROPHY_COMBO10 = 10,        // best combo 10..14
    TROPHY_COMBO15 = 11,        // 15..17
    TROPHY_COMBO18 = 12,        // 18 or more
    TROPHY_KINGS = 13,          // three long combos ending on a king
    TROPHY_OBSTACLES = 14,      // more than 49 obstacles cleared
    TROPHY_FULLSTABLE = 15,     // a win with more than 7 cards in the stable
    TROPHY_STARS60 = 16,        // stars of the reached levels 60..119
    TROPHY_STARS120 = 17,       // 120..199
    TROPHY_STARS200 = 18,       // 200 or more
    TROPHY_REEF = 19,           // pictures without an award
    TROPHY_EGGS = 20,
    TROPHY_STARS300 = 21,       // requested by the level end; has no picture, name or place
};

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
    Img t[TROPHYPICTURES + 1] = {};
};

extern TrophyState troph;
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
