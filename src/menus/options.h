// The options popup (100) and its information page (101).
#pragma once

#include "menus/popupids.h"

struct OptionsState {
    int musicdrag = 0, sounddrag = 0;  // which volume knob is being dragged
    float backscroll = 0, backscrolltarget = 0;  // the card-back row, shown and aimed at
};
extern OptionsState opts;

// Check box items, 1..6: wide full screen, 4:3 full screen, window, wave,
// pointer, card sway.
constexpr int OPTIONITEMS = 6;
// Whether item 1 is offered: some widescreen mode (1, 2 or 4) is usable.
bool widescreenoffered();
// Where item i sits this tick (t = the panel's top), 0 when not shown.
bool optionitempos(int i, float t, float& x, float& y);
// Card backs the player can choose from (1..n exist).
int cardbackcount();

void popupoptions();  // 100
void popupabout();    // 101
// Every openpopup starts the knobs undragged and the row unscrolled.
void resetoptiondrag();
// The background of the screen shown, loaded again after a display change.
void reloadscreenbackground();
void resetoptions();
