// The casino (screen 23): a shell game behind a stage curtain. The player
// bets a chip, watches the cookie go under a shell, follows eleven swaps
// and picks a shell; a right pick pays ten times the bet. Each entrance on
// the map allows five games per player, counted in the profile.
#pragma once

#include "core/statids.h"
#include "meta/itemids.h"
#include "present/resources.h"

constexpr int CASINOSHELLS = 5;
constexpr int CASINOBULBS = 37;
constexpr int CASINOCHIPS = 3;
constexpr int CASINOCHIPCOST[CASINOCHIPS + 1] = {0, 10, 25, 50};
constexpr int CASINOPRIZEFACTOR = 10;
constexpr int CASINOSWAPS = 12;      // swaps started; the last one never moves
constexpr int CASINOSHELLY = 550;    // the shells' row at rest; the cookie lies 3 pixels lower

struct CasinoShell {
    float x = 0, target = 0;
    float lift = 0;  // 0 at rest, negative while raised
};

struct CasinoState {
    CasinoShell shell[CASINOSHELLS + 1];
    int cookieshell = 1;
    int casinotick = 0;
    int reveal = 0, shuffle = 0;
    int swapcount = 0, swapend = 0, swapa = 0, swapb = 0, swapframes = 20;
    int pick = 0, pickedshell = 0, pickwait = 0;
    int wintime = 0, losetime = 0, gamedone = 0;
    int bet = 0, lastbet = 0;
    int casinogames = 0;  // games started on this visit
    int leaving = 0;      // the closing clock
    int lightmode = 1;    // marquee: 1 chase, 2 run, 3 all on, 4 flash, 5 all off
    int blink = 0;
    float curtainx = 0;
    float dealerx = 0, dealery = 0;
    int message = 0, messageclock = 0;  // the line shown and how long it has been
    int bulbx[CASINOBULBS + 1] = {}, bulby[CASINOBULBS + 1] = {};
};

struct CasinoImages {
    Img bg = nullptr, curtain = nullptr, fish = nullptr, fish2 = nullptr, table = nullptr;
    Img shell = nullptr, shadow = nullptr, cookie = nullptr, light = nullptr;
    Img play = nullptr, lose = nullptr, win = nullptr;
};

extern CasinoState casino;
extern CasinoImages casinoimg;

void instcasino(int param);
void showcasino();
void loadcasinostuff_dynamic();
void deletecasinostuff_dynamic();

// Shells home; start 0 hides the cookie under a random shell, start 1
// reveals it where the last game left it.
void casinosetup(int start);
void buildmarquee();
bool bulblit(int k, int mode, int framecount);
// Whether chip i (1..3) can be pressed now.
bool chipactive(int i);
// Games left at the entrance being visited (0 when the entrance is not a level).
int casinogamesleft();

void resetcasino();
