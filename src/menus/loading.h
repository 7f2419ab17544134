// The loading screen (screen -1) and the two-layer logo it shares with the
// main menu.
#pragma once

#include "present/resources.h"

constexpr int LOADFILLCELLS = 164;

struct LoadState {
    int loadtick = 0;      // keeps its last value afterwards: the menu's logo reads it
    int loadprogress = 0;  // 164 = bar full, 300 = hand over to the menu
    float loadbary = 0;
    Img loadbarimg = nullptr;
    Img loadfillimg = nullptr;  // 164 cells of 2 x 78, one per column of the fill
};
extern LoadState load;

void instload();
void showload();
void drawlogo();
void deleteloadstuff_dynamic();
void resetload();
