// The per-player statistics (Profile::stats[1..30]): who counts what.
#pragma once

enum StatId {
    STAT_THREESTARRUN = 1,     // three-star wins in a row (trophy at more than 4)
    STAT_THREESTARRUN2 = 2,    // the same run, for the trophy at more than 9
    STAT_ZOMBIEKILLER = 3,     // extras used, by kind
    STAT_ZOMBIEBLASTER = 4,
    STAT_OCTOPUS = 5,
    STAT_CRAB = 6,
    STAT_EXTRASUSED = 7,       // every extra used
    STAT_CASINOPEARLS = 8,     // pearls won in the casino in total
    STAT_CASINOGAMES = 9,      // casino games played in total
    STAT_KINGCOMBOS = 13,      // combos of six or more ending on a king, since the last paid combo
    STAT_OBSTACLES = 14,       // obstacles removed
    STAT_STARSWON = 21,        // stars won in total
};
