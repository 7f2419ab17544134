// Calls from the card rules into parts of the game that other modules own
// (points and pearls, fish orders, extras and helpers, the HUD and tutorial,
// trophies, the shop, the screen manager). Each has a minimal default in
// hooks.cpp that keeps the rules playable on their own; the owning module
// replaces the default with its own definition and removes it from there.
#pragma once

#include <string>

struct CardHooks {
    int points = 0;      // points of the level (owner: scoring)
    int endseq = 0;      // level-end presentation counter (owner: scoring)
    int tutorialon = 0;  // owner: card-game screen
    int tutorialpage = 0;
    int levelclock = 1;  // 1 while the level clock runs (owner: card-game screen)
    int crab = 0;        // crab extra at work (owner: extras)
    int otherextra = 0;  // an extra other than the crab at work (owner: extras)
    int cardometershake = 0;
    int cardometerx = 0, cardometercount = 0;
    int helperarrive[11] = {};
    int lastscreen = -3, lastscreenparam = 0;  // last screen change asked for
    int trophies[31] = {};                      // trophies awarded, by number
};
extern CardHooks hk;
void resethooks();

// scoring
void addpoints(int amount, int x, int y);
void addpearls(int amount, int x, int y);
void clickcheck();
// fish orders
void serveorder(int n, int x, int y);
void drawfish();
// trophies
void wintrophy(int n);
// card-game screen: tutorial, HUD, floating texts
void tutorialnext();
void addtext(int x, int y, const std::string& text);
void setcardometershake(int ticks);
void setcardometer(int targetx, int count);
void resethudforlevel();
// extras and helpers
void firstvisitgift();
void runextras();  // runs every active extra; true work sets cg.extrabusy
void resetextrasforlevel();
void starthelperarrive(int helper);
// shop
int shopfullprice(int item);
// screen manager (records the request, then asks gotoscreen)
void cards_gotoscreen(int target, int param);
bool cards_mapexists();
