// The screen table: ids and their entry and per-frame routines.
#pragma once

enum ScreenId {
    SCREEN_NONE = -3,
    SCREEN_SPLASH = -2,
    SCREEN_LOADING = -1,
    SCREEN_MENU = 0,
    SCREEN_GAME = 12,
    SCREEN_MAP = 13,
    SCREEN_TROPHIES = 16,
    SCREEN_STORY = 18,
    SCREEN_SURVEY = 22,
    SCREEN_CASINO = 23,
    SCREEN_QUIT = -999,
};

using ScreenEntry = void (*)(int param);
using ScreenFrame = void (*)();

struct ScreenRoutines {
    ScreenEntry entry = nullptr;
    ScreenFrame frame = nullptr;
};

// Looks up the routines of a screen id; an id without routines yields nulls.
ScreenRoutines screenroutines(int id);
// Installs the routines of one screen id (tests use it for a test screen).
void setscreenroutines(int id, ScreenEntry entry, ScreenFrame frame);
// Fills the table with every screen the game has.
void registerscreens();
