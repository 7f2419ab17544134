// Calls from the card rules into parts of the game that other modules own
// (points and pearls, fish orders, extras and helpers, the HUD and tutorial,
// trophies, the shop, the screen manager). Each has a minimal default in
// hooks.cpp that keeps the rules playable on their own; the owning module
// replaces the default with its own definition and removes it from there.
#pragma once

#include <string>

#include "meta/trophies.h"
#include "present/resources.h"

struct CardHooks {
    int points = 0;      // points of the level (owner: scoring)
    int endseq = 0;      // level-end presentation counter (owner: scoring)
    int tutorialon = 0;  // owner: card-game screen
    int tutorialpage = 0;
    int levelclock = 1;  // 1 while the level clock runs (owner: card-game screen)
    int crab = 0;        // crab extra at work (owner: extras)
    int otherextra = 0;  // an extra other than the crab at work (owner: extras)
    int tooltip = 0;     // tooltip value the bars set (owner: card-game screen)
    int taskvalue = 0;   // level counter kept with a suspended game (owner: bosses)
    int bossdamageshown = 0;  // owner: bosses
    int helperarrive[11] = {};
    int lastscreen = -3, lastscreenparam = 0;  // last screen change asked for
    int mapunlockanim = 0, mapunlocklevel = 0;  // last request to the map (tests read it)
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
// extras and helpers: the two bars, drawn by the HUD every tick (they take
// their own clicks)
void drawextrabar();
void drawhelpers();
// bosses: drawn behind the table every tick
void drawboss();
// shop: the picture of an item
Img shopitemimage(int item);
// map: the new-level animation the map plays on its next entry (0, 0 = none)
void setmapunlock(int anim, int level);
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
