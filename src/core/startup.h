// Start-up in its fixed order, then the main loop until quitgame.
#pragma once

int runtidewrack();
void makepath();
void loadall();
void instmain();
void loadmaingraphics();
