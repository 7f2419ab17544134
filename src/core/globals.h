// State shared by every screen. Each struct belongs to one Part of the game;
// its reset routine restores the start-up values so tests begin clean.
#pragma once

#include <string>

// Start-up and the main loop.
struct CoreState {
    int screen = 0;      // current screen id
    int prevscreen = 0;  // screen before the last entry routine ran
    int quitgame = 0;
    int firststart = 0;
    int startfailed = 0;  // the game cannot run (its pictures are missing)
    int surveyversion = 0;  // build switch (set from TW_SURVEY at start): 1 = survey edition
    std::string userpath;
    int gamepause = -1;  // -1 running, 1 paused (overlay)
    int framecount = 0;
    int fps = 0;
    int debugmode = 0;
    int appsuspended = 0;  // 0 active, 1 lost the foreground, 2 handled
    int mouseoverbutton = 0;
    int menutick = 0;  // ticks since the main menu was entered (drives the pointer fade-in)
    // Level choice shared by the map, the story and the card game.
    int playlevel = 0;   // level chosen on the map
    int aktlevel = 0;    // level being played
    int casinoentry = 0;  // level whose casino entrance was taken
    int maintimer = 0;
    int sectimer = 0;
    int playtimer = 0;
};

// The fade between screens.
struct FadeState {
    int fadeto = 0;
    int fadeparam = 0;
    int fadestate = 1;  // 2 darkening, 1 brightening or idle
    int fadelevel = 0;  // grey level the frame draws at
    int picturesweep = 0;  // ticks until the new screen's unused pictures are given back
};

// Input sampled once per tick by getinput.
struct InputState {
    int mx = 0, my = 0;
    int oldmx = 0, oldmy = 0;
    int mmoved = 0;
    int mhit1 = 0, mhit2 = 0;
    int mdown1 = 0;
    int mdowntime1 = 0;
    int keyenter = 0, keyesc = 0, keyspace = 0;
    int keyf2 = 0, keyf3 = 0, keyf4 = 0, keyf5 = 0, keyf7 = 0;
    int escdelay = 0;
    int mouseon = 0;
};

// Logical screen size and the offsets derived from it every tick.
struct DisplayState {
    int gfxwidth = 1024;
    int gfxheight = 768;
    int midx = 512;
    int midy = 384;
    int uixoff = 0;
    int bgxoff = -171;
    int windowwidth = 800;  // window opened by instgraphic
    int windowheight = 600;
    int depth = 0;          // 0 window, 32 full screen
};

extern CoreState core;
extern FadeState fade;
extern InputState in;
extern DisplayState disp;

void resetcore();  // all four structs back to their start-up values
