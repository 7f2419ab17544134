// Trophy numbers (Profile::trophywon[1..30]) and what awards them.
#pragma once

enum TrophyId {
    TROPHY_THREESTARS5 = 1,      // more than 4 three-star wins in a row
    TROPHY_THREESTARS10 = 2,     // more than 9
    TROPHY_ZOMBIEKILLER = 3,     // each extra used more than 9 times
    TROPHY_ZOMBIEBLASTER = 4,
    TROPHY_OCTOPUS = 5,
    TROPHY_CRAB = 6,
    TROPHY_EXTRAS = 7,           // more than 74 extras used
    TROPHY_CASINOPEARLS = 8,     // more than 999 pearls won in the casino
    TROPHY_CASINOGAMES = 9,      // more than 34 casino games
    TROPHY_COMBO10 = 10,         // a best combo of 10..14
    TROPHY_COMBO15 = 11,         // 15..17
    TROPHY_COMBO18 = 12,         // 18 or more
    TROPHY_KINGCOMBOS = 13,      // three combos of six or more ending on a king
    TROPHY_OBSTACLES = 14,       // more than 49 obstacles removed
    TROPHY_FULLSTABLE = 15,      // a win with more than 7 cards left in the stable
    TROPHY_STARS60 = 16,         // the stars of the levels played add up to 60..119
    TROPHY_STARS120 = 17,        // 120..199
    TROPHY_STARS200 = 18,        // 200 or more
    TROPHY_ROOMLAST = 18,        // the room shows 1..18
    TROPHY_PICTURELAST = 20,     // 19 and 20 have pictures but are awarded nowhere
    TROPHY_STARS300 = 21,        // more than 299 stars won in total: no picture, no place
    TROPHY_LAST = 30,
};
