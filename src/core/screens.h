// The screen table: ids and their entry, per-frame and release routines.
// The app fills it at start-up; core only looks routines up.
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
using ScreenRelease = void (*)();  // frees the screen's own (non-resident) pictures and sounds

struct ScreenRoutines {
    ScreenEntry entry = nullptr;
    ScreenFrame frame = nullptr;
    ScreenRelease release = nullptr;
};

// Looks up the routines of a screen id; an id without routines yields nulls.
ScreenRoutines screenroutines(int id);
bool screenexists(int id);  // the id has an entry routine
// Installs the routines of one screen id (tests use it for a test screen).
void setscreenroutines(int id, ScreenEntry entry, ScreenFrame frame, ScreenRelease release = nullptr);
void clearscreens();  // empties the table
// Every entry routine calls this first: the pictures of every other screen
// go (through their release routines) before the entering screen loads its own.
void releaseotherscreens(int keep);
