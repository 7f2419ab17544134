// The popup system and the button widget.
#pragma once

#include <string>

struct PopupState {
    int popup = 0;       // open popup id, 0 none
    int popupfade = 0;   // slide counter
    int popupdir = 0;    // 1 opening, 2 closing
    float popupy = 0;
    int buttonlayer = 0;
};
extern PopupState pop;

void openpopup(int id);
void dopopups();
int button(float x, float y, int style, int layer, const std::string& label);
void resetpopups();
