// The popup system and the button widget, and the interface pictures that
// stay loaded for the whole run.
#pragma once

#include <string>

#include "menus/popupids.h"
#include "present/resources.h"

struct PopupState {
    int popup = 0;        // open popup id, 0 none
    int popupfade = 0;    // 0 closed .. 16 fully open
    int popupdir = 0;     // 1 opening (or open), 2 closing
    float popupy = -768;  // top edge of the panel
    int buttonlayer = 1;  // the layer buttons answer on this tick
};
extern PopupState pop;

// The buttons drawn in the last frame that drew any (where a player could
// click): read by the tools that play the game from outside.
constexpr int MAXDRAWNBUTTONS = 40;
struct DrawnButton {
    float x = 0, y = 0;
    int layer = 0, state = 0;
};
struct DrawnButtons {
    int tick = -1;  // frame they were drawn in
    int count = 0;
    DrawnButton b[MAXDRAWNBUTTONS + 1] = {};
};
extern DrawnButtons drawnbuttons;

constexpr int MAXBUTTONSTYLE = 26;
constexpr int MAXPOPUPID = 700;

// Resident interface pictures (loaded once by loadpopupgraphics).
struct PopupImages {
    Img collimg = nullptr, coll2img = nullptr, coll3img = nullptr;  // pointer masks, top-left handle
    Img dimimg = nullptr;
    Img popupsmall = nullptr, popupmedium = nullptr, popupbig = nullptr, popupbig2 = nullptr;
    // parts of the options popup
    Img popuppart1 = nullptr, popuppart2 = nullptr, rope1 = nullptr, musicsymbol = nullptr, effectsymbol = nullptr;
    Img popupfield = nullptr, selectorright = nullptr, selectorleft = nullptr, optionstrack = nullptr;
    Img cb = nullptr, h = nullptr;
    Img fishhelpershelp = nullptr;
    Img tutorialarrow = nullptr;
    Img sign = nullptr;
    Img uidown[4] = {}, uiup[4] = {};  // 1 = 1024, 2 = 1280, 3 = 1366 wide
    Img buttonover[4] = {};            // 1..3, the map's top bar highlights
    Img buttonimg[MAXBUTTONSTYLE + 1] = {};
};
extern PopupImages popimg;

// Label placement of a button style: vertical offset and font.
struct ButtonLabel {
    int dy = -15;
    int font = 1;
};
ButtonLabel buttonlabel(int style);

// A popup's per-tick routine and its optional preparation when it opens.
using PopupRoutine = void (*)();
void setpopuproutine(int id, PopupRoutine routine, PopupRoutine prepare = nullptr);
PopupRoutine popuproutine(int id);
// Called by every openpopup, whatever the id (the options popup resets its
// drag state here).
extern PopupRoutine popupopenhook;

void loadpopupgraphics();
void freepopupgraphics();

void openpopup(int id);
void dopopups();
// The four panels: each draws its picture at (x, popupy) and its title, and
// returns the panel's top y for the popup's own layout.
float popupsmall(int x, const std::string& title);
float popupmedium(int x, const std::string& title);
float popupbig(int x, const std::string& title);
float popupbig2(int x, const std::string& title);
// Closes the open popup (it slides away and is forgotten a tick after).
void closepopup();
// Switches the open popup to another id without a new slide or sound.
void switchpopup(int id);

int button(float x, float y, int style, int layer, const std::string& label);

// Latin-1 aware upper-casing and trimming of panel titles.
std::string uppertitle(const std::string& s);
std::string trimtext(const std::string& s);

void resetpopups();
