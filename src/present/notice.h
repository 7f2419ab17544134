// The small wooden sign that tells the player about their saves: progress
// that cannot be written, a profile that had to be repaired or replaced.
#pragma once

void loadnotice();   // resident picture, loaded once with the main graphics
void drawnotice();   // every tick, above the screen and below the pointer
void resetnotice();

constexpr int NOTICETICKS = 350;  // on screen for seven seconds unless clicked away
