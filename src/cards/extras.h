// Extras and fish helpers: the extra bar (bottom left) with the three slots
// the shop fills, the helpers bar (bottom right) with the nine helpers, the
// flight of either to the aktcard place, each extra at work, the helpers'
// arrival and the first-visit gift.
#pragma once

#include "meta/itemids.h"
#include "present/resources.h"

// The kinds stored in the profile's extrabar are the shop's item numbers
// ITEM_FISHSLAP .. ITEM_TURNALLUP (3 is no extra).
constexpr int EXTRASLOTS = 3;
constexpr int MAXHELPERS = 9;

// Ticks of the timed extras.
constexpr int EXTRA_LONGTICKS = 200;  // crab, octopus, sponge, light, antiplant, turnallup
constexpr int EXTRA_ZOMBIETICKS = 50;
constexpr int EXTRA_RANDOMTICKS = 50;
constexpr int EXTRA_FLIGHTTICKS = 15;
constexpr int HELPER_ARRIVETICKS = 50;
constexpr int FIRSTVISIT_TICK = 100;  // leveltick of the level-2 gift

struct OctopusPick {
    int slot = 0;     // 0 none
    int reach = 0;    // how far the tentacle has risen (0..100), 100 = at the card
    int carried = 0;  // ticks since the card was taken (it sinks with the tentacle)
    float x = 0, y = 0;  // where the card was (screen, top-left)
    Img face = nullptr;  // its picture, carried down after it is taken
};

struct Extras {
    // the extra bar
    int flight[EXTRASLOTS + 1] = {};  // 0 idle, 1..15
    float flyx = 0, flyy = 0;         // shared by the extras' and the helpers' flights
    int flyslot = 0;                  // slot whose extra flies (its kind is kept until it lands)
    int flykind = 0;
    // each extra's activity counter, by kind (0 inactive)
    int counter[ITEM_LASTEXTRA + 1] = {};
    int zombietarget = 0;  // slot chosen by the zombie killer
    int blasterstack = 0;  // stack chosen by the zombie blaster
    int blasterleft = 0;   // 1 when the blaster comes from the left of the screen
    OctopusPick pick[4];   // 1..3
    int octopicks = 0;
    int randompick = 0;    // 1..9, what the random extra became (tests read it)
    // the helpers bar
    int helperflight[MAXHELPERS + 1] = {};
    int helperblink[MAXHELPERS + 1] = {};
    int helperarrive[MAXHELPERS + 1] = {};  // 0 idle, 1..49
    int hovered = 0;                     // helper under the pointer this tick
    int giftgiven = 0;                   // the level-2 gift has been started in this level
};
extern Extras extras;

// Resident pictures of the bars and the extras at work.
struct ExtraImages {
    Img helper[MAXHELPERS + 1] = {};       // "data\game/plant" + (i + 1) + ".png"
    Img helperblink[MAXHELPERS + 1] = {};  // the "-2" pictures
    Img helpershadow = nullptr;
    Img tentacle = nullptr;  // 110 strips of 138 x 4
    Img sponge[3] = {};      // the cleaning sponge: 1 swimming, 2 at work
    Img swordfish[4] = {};   // the plant-cutting swordfish: 1 swimming, 2 and 3 at work
};
extern ExtraImages extraimg;

void loadextrastuff();
// Frames of the two tool helpers for the effects (1 sponge, 2 swordfish).
Img toolhelperframe(int helper, int frame);
void freeextrastuff();
void resetextras();  // state and pictures (tests start clean)

// The two bars: drawn every tick by the HUD, they take their own clicks.
void drawextrabar();
void drawhelpers();
// Every extra at work, once per tick from playdispatch.
void runextras();
// The level-2 gift of helpers 3, 5 and 7, from playdispatch.
void firstvisitgift();
void resetextrasforlevel();
void starthelperarrive(int helper);
// Debug F2: all nine start arriving (one already on its way keeps going).
void allhelpersarrive();
// Back to the aktcard that the extra replaced ("awake old aktcard").
void restoreakt();

bool crabactive();
bool otherextraactive();  // an extra other than the crab is at work: input waits
int extraaktcode(int kind);  // the aktcard value an extra shows while working, 0 none
Img extraimage(int kind);    // its picture (the card-shaped bar picture), null none
// Slot positions of the bar (top-left of the card-sized area).
int extraslotx(int slot);
// Helper i's place on the helpers bar, relative to (gfxwidth - 190, gfxheight - 107).
void helperoffset(int i, int& dx, int& dy);
