// The main menu (screen 0).
#pragma once

#include "present/resources.h"

struct MenuState {
    float menubuttony[9] = {};       // 1..8; entries 1..4 move, 1..3 are drawn
    float menubuttontarget[9] = {};
    int menusidey = 0;               // y of the two side buttons
};
extern MenuState menu;

// Loaded on entering the menu, released by the other screens' entries.
struct MenuImages {
    Img scores = nullptr, scoresbar = nullptr, bar = nullptr, createplayer = nullptr, playermenu = nullptr;
};
extern MenuImages menuimg;

void loadmenustuff_dynamic();
void deletemenustuff_dynamic();
void entermenu();
void showmenu();
// Every popup of the menus: ids to routines (screens.cpp calls this).
void resetmenu();
