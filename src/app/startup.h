// The composition root: start-up in its fixed order, the tables of screens
// and popups, the hooks, then the main loop until quitgame.
#pragma once

#include "core/display.h"
#include "platform/platform.h"

// Everything before the main loop. False when another instance runs (the
// caller then ends at once, having opened nothing and touched no file) or
// when the game's own pictures are missing (core.startfailed, after a message
// the player can read).
bool startgame(pf::Backend backend);
int runtidewrack();
void makepath();
// Deletes the temporary files of saves that were killed before their rename.
void removestaletemps();
void loadall();
void instmain();
void loadmaingraphics();
// True (after telling the player) when the pictures without which nothing can
// be clicked are missing from the data folder.
bool gamepicturesmissing();
// Every module back to its start-up state (tests and the harness).
void resetgame();
// Fills the screen table (entry, per-frame and release routines of every
// screen), the popup table and the hooks.
void registerscreens();
void registerpopups();
void wirehooks();
