// Display modes, the window and full screen.
//
// A full-screen mode is shown as a borderless window over the whole desktop
// with the mode's canvas scaled and letterboxed into it: the monitor's own
// mode is never switched. So a mode is usable when it fits the desktop and
// the desktop's shape suits it.
#pragma once

#include "platform/codes.h"

constexpr int MODECOUNT = 6;
constexpr int MODE_WIDE = 1;      // 1366 x 768
constexpr int MODE_WIDE1280 = 2;  // 1280 x 768
constexpr int MODE_43 = 3;        // 1024 x 768
constexpr int MODE_NETBOOK = 4;   // 1024 x 600 showing the 1366 canvas
constexpr int MODE_SMALL = 5;     // 800 x 600 showing the 1024 canvas
constexpr int MODE_TINY = 6;      // 640 x 480

// The key that toggles full screen (F11; the platform reports Alt+Enter as it too).
constexpr int KEY_FULLSCREEN = KEY_F11;

struct DisplayModes {
    int modewidth[MODECOUNT + 1] = {};
    int modeheight[MODECOUNT + 1] = {};
    int modeexists[MODECOUNT + 1] = {};
    int bestmode = MODE_TINY;
    int desktopwidth = 0, desktopheight = 0;
    int windowhandle = 0;  // 1 once a window or full screen is open
};
extern DisplayModes modes;

// The logical canvas a full-screen mode shows.
int modecanvaswidth(int mode);
int modecanvasheight(int mode);

void checkvideo();
void instgraphic();
void togglescreensize(int mode, int fullsc);
// F11 and Alt+Enter: the window from full screen, full screen (in the mode
// chosen last) from the window.
void togglefullscreenkey();

// Run after every display change made while the game runs (the options
// popup's screen wires its background reload here). Null until wired.
extern void (*displaychanged)();

void resetdisplay();
