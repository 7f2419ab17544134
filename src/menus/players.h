// The player popups: list (103), name entry (105), delete (106) and the
// name-taken notice (398).
#pragma once

#include <string>

#include "core/profiles.h"

// Profiles the list can create; 13..15 are never handed out.
constexpr int LISTPLAYERS = 12;
constexpr int MAXNAMELENGTH = 8;
constexpr int MAXNAMEWIDTH = 140;  // pixels in font 1

struct PlayerMenuState {
    int playerorder[MAXPLAYERS + 1] = {};  // profile numbers, most points first
    int prevplayer = -1;
    int newplayerflag = 0;
    int namelength = 0;
    int nametaken = 0;
};
extern PlayerMenuState pm;

void sortplayers();
int checkname();
// Whether a typed character may go into a name: drawable and storable.
bool namechar(int code);
bool noplayers();     // every one of the 15 names is empty
int lowestnamed();    // lowest profile 1..15 with a name, -1 none
int lowestfree();     // lowest profile 1..12 without a name, -1 none
// Starts a new profile from the main menu's play button.
void newplayerfrommenu();

void popupplayerlist();   // 103
void popupnameentry();    // 105
void popupdeleteplayer(); // 106
void popupnametaken();    // 398

void resetplayermenu();
