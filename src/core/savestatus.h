// Whether the game's saves reach the disk, and what the player must be told
// about it. The save routines report here; the notice on screen reads it.
#pragma once

#include <string>

// What the player is told in the notice (menutexts section 9).
enum SaveNotice {
    NOTICE_NONE = 0,
    NOTICE_CANNOTSAVE = 1,  // lines 1, 2: progress cannot be saved
    NOTICE_RECREATED = 2,   // lines 3, 4: a damaged profile was replaced or repaired
};

struct SaveStatus {
    int failing = 0;   // the last save failed; cleared by the next one that works
    int told = 0;      // the player has seen the cannot-save notice while failing
    int notice = 0;    // SaveNotice waiting to be shown or showing
    int noticetick = 0;  // ticks the notice has been on screen
    int damaged = 0;   // profiles replaced or repaired at start-up
};
extern SaveStatus savestatus;

// A save failed: logs the line and asks for the notice once per failing run.
void reportsavefailure(const std::string& logtext);
// A save worked: the next failure is told again.
void reportsavesuccess();
// A profile had to be recreated or repaired at start-up.
void reportprofiledamage();
void resetsavestatus();
