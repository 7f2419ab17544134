// The adventure map (screen 13): the hub between card levels. Four wide map
// pages of numbered level nodes joined by dotted paths, the top bar with the
// pearl balance and the progress counter, casino entrances, page buttons,
// the play button and, in debug mode, an in-place layout editor.
#pragma once

#include <string>

#include "present/resources.h"

constexpr int MAPPAGES = 10;      // table pages 1..10
constexpr int MAPFILEPAGES = 5;   // pages the layout file holds
constexpr int MAPSHOWNPAGES = 4;  // pages the player can reach
constexpr int MAPPOINTS = 100;    // points per page
constexpr int MAPFILELINES = MAPFILEPAGES * MAPPOINTS * 3;  // 1500
constexpr int MAPWIDTH = 2732;    // width of one page's map in pixels
constexpr int MAPLASTLEVEL = 74;  // the last card level
constexpr int CASINOLEVELS = 200;
constexpr int CASINOGAMES = 5;    // casino games per entrance
constexpr int MAPTOPBAR = 100;    // pointer y below which edge scrolling works
constexpr const char* MAPFILE = "data\\map/mappoints.txt";

// The layout as read from the layout file, and the tables derived from it.
struct MapLayout {
    int mappointx[MAPPAGES + 1][MAPPOINTS + 1] = {};
    int mappointy[MAPPAGES + 1][MAPPOINTS + 1] = {};
    int mappointtype[MAPPAGES + 1][MAPPOINTS + 1] = {};  // 0 none; 1, 3, 5 node styles
    int mappointglow[MAPPAGES + 1][MAPPOINTS + 1] = {};  // hover glow, runtime only
    int mappointcount[MAPPAGES + 1] = {};
    int mappagestart[MAPFILEPAGES + 1] = {};  // levels before page p + 1
    int casinolevel[CASINOLEVELS + 1] = {};
};

struct MapState {
    int aktmap = 1;     // page shown, 1..4
    int mapswitch = 0;  // page-change counter, 0 idle
    int maptarget = 0;  // page being switched to
    float mapscroll = 0, mapscrolltarget = 0;
    // New-level animation; the card game sets both on a win that opens a level.
    int unlockanim = 0, unlocklevel = 0;
    int mapeditor = -1;  // -1 off, 1 on
    int mapentrytick = 0;
    int casinoglow = 0, casinotip = 0;
    int casinohover = 0;  // level of the hovered casino, 0 none
    float casinotipx = 0, casinotipy = 0;
    // The node under the pointer this frame (0 none).
    int hoverlevel = 0, hoverpoint = 0;
    float hoverx = 0, hovery = 0;
    int dragpoint = 0;    // editor: node being dragged
    bool clicked = false;  // a node was clicked this frame
    int f3was = 0;         // F3 was down last frame (the editor toggles on the press)
};

struct MapImages {
    Img m[7] = {};  // node images 1..6: locked = style, reached = style + 1
    Img mapdot = nullptr, mapdotempty = nullptr, mapstar = nullptr, bubble = nullptr;
    Img casino = nullptr, casinoout = nullptr;
    Img mapuileft = nullptr, mapuiright = nullptr, mappreview = nullptr, storyshadow = nullptr;
    // The map's own copies of the top-bar highlights and pointer masks, so
    // their handles can be set for the map alone.
    Img buttonover[4] = {};
    Img coll2 = nullptr, coll3 = nullptr;
};

// What the map needs from screens that are built elsewhere. Null: nothing
// happens.
struct MapHooks {
    void (*clearretry)() = nullptr;  // the card game's retry flag back to 0
    // Sees every sound the map starts (tests); the sound still plays.
    void (*soundspy)(int id, int x) = nullptr;
};

extern MapLayout maplayout;
extern MapState mapstate;
extern MapImages mapimg;
extern MapHooks maphooks;

void instadventuremap(int param);
void showadventuremap();
void loadmapstuff_dynamic();
void deletemapstuff_dynamic();

// The layout file: read fills pages 1..5 and rebuilds the counts; write
// stores pages 1..5 as they are in memory. Write returns false when the
// file could not be written (the old one is then kept).
void loadmappoints();
bool savemappoints();
void countmappoints();      // mappointcount and mappagestart from the types
void setcasinolevels();     // casinolevel from the fixed list

// Level number of point j on page p, or 0 when p or j is out of range.
int maplevel(int page, int point);
// Page and scroll target the map opens with for a given maxlevel.
void mapopening(int maxlevel, int& page, float& scrolltarget);
// The node style a type is drawn with (1, 3 or 5; 0 for no node).
int mapnodestyle(int type);
bool iscasinolevel(int level);
// Story shown before a level, 0 when none.
int storyforlevel(int level);
// Whether ">>>" can be pressed on a page for a given maxlevel.
bool mapforwardopen(int page, int maxlevel);

void mapsound(int id, int x);  // PlayS through the spy
void startlevel(int level);
// The new-level animation the map plays on its next entry (0, 0 = none).
void setmapunlock(int anim, int level);
void discardsuspended();

// Editor operations on page p, in map coordinates (also used by the tests).
int mapeditorhit(int page, int x, int y);  // last node under (x, y), 0 none
void mapeditorcompact(int page);

// Shop and trophy room hot spots.
void openshop();
void opentrophyroom();

void resetmap();
