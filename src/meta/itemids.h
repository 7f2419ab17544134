// Shop item numbers (Profile::items[1..100]). Items 1..12 are the card
// game's extras, 21 and 22 bought things, 23..29 boosters that last a number
// of won levels.
#pragma once

enum ItemId {
    ITEM_FISHSLAP = 1,
    ITEM_ZOMBIEKILLER = 2,
    ITEM_ZOMBIEBLASTER = 4,
    ITEM_BLOWFISH = 5,
    ITEM_OCTOPUS = 6,
    ITEM_CRAB = 7,
    ITEM_RANDOM = 8,
    ITEM_SPONGE = 9,
    ITEM_LIGHT = 10,
    ITEM_ANTIPLANT = 11,
    ITEM_TURNALLUP = 12,
    ITEM_LASTEXTRA = 12,
    ITEM_NEWSTABLE = 21,       // the brand-new stable, sold in the card game
    ITEM_HELPERREFILL = 22,    // the fish helpers back on the bar
    ITEM_HELPERRETURN = 23,    // a used helper comes back
    ITEM_DOUBLEPEARLS = 24,    // pearls credited twice
    ITEM_BOOSTER25 = 25,
    ITEM_CASINOCHARM = 26,     // the next casino pick wins
    ITEM_ORDEREDDECK = 27,     // values and suits follow the slot numbers
    ITEM_HINTGLOW = 28,        // playable cards glow
    ITEM_HALFPRICE = 29,       // shop prices halved
    ITEM_FIRSTBOOSTER = 23,
    ITEM_LASTBOOSTER = 29,
};
