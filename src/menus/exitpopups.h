// The exit confirmation (99), continue or new game (107) and the new game
// confirmation (432).
#pragma once

void popupexit();      // 99
void popupcontinue();  // 107
void popupnewgame();   // 432
