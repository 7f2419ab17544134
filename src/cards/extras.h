// Extras and helpers: the extra bar and the helpers bar under the table, the
// extras at work and the helpers arriving on the bar.
#pragma once

constexpr int MAXHELPERS = 9;

struct Extras {
    int crab = 0;        // the crab extra is at work
    int otherextra = 0;  // an extra other than the crab is at work
    int helperarrive[MAXHELPERS + 2] = {};  // 1..9: helper i is on its way to the bar
};
extern Extras extras;

// The two bars, drawn by the HUD every tick (they take their own clicks).
void drawextrabar();
void drawhelpers();
void firstvisitgift();
void runextras();  // runs every active extra; true work sets cg.extrabusy
void resetextrasforlevel();
void starthelperarrive(int helper);
void resetextras();
