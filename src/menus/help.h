// The help popup (102): seven illustrated pages on the card game.
#pragma once

#include "menus/popupids.h"

constexpr int HELPPAGES = 7;

struct HelpState {
    int helppage = 1;  // 1..7
};
extern HelpState help;

void popuphelp();  // 102
// The in-level menu's help button: always page 1.
void openhelpfromlevel();
void resethelp();
