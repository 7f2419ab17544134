// The game's own image and drawing routines over the platform services, and
// the screen, story and map backgrounds.
#pragma once

#include <string>

#include "platform/platform.h"

using Img = pf::Image*;

Img loadimg(const std::string& path);
Img loadanimimg(const std::string& path, int cellwidth, int cellheight, int count);
void freeimg(Img& img);  // releases and sets to null
void drawimg(Img img, float x, float y);
void drawimgframe(Img img, float x, float y, int frame, int maxframe);
void drawimgclip(Img img, float x, float y);
void setdraw(float rotation, float sx, float sy, int blend, float alpha);
void resetdraw();
float limit1(float x);
float limit0(float x);
void debuglog(const std::string& kind, const std::string& text);

struct Backgrounds {
    // One picture each, cut in 192 strips of four rows: waving, or laid still.
    Img bgstrips = nullptr;
    Img storybgstrips = nullptr;
    Img mapfg[4] = {}, mapbg[4] = {};  // panels 1..3
    int storynumber = 0;  // story being shown (read by drawgamebg's x offset)
};
extern Backgrounds backgrounds;

// Images that stay loaded for the whole run and that several screens draw.
struct UiImages {
    Img cursorimg = nullptr;
    Img cursorglowimg = nullptr;
    Img logoimg[3] = {};  // 1 front layer, 2 back layer
    Img pauseimg = nullptr;
};
extern UiImages uiimages;
// Drawn by the main loop over every screen, in this order.
void drawpauseoverlay();  // while paused (not on the splash or loading screen); a click resumes
void drawpointer();

int backgroundnumber(int screen, int bgnumber);  // the level-to-background rule
void loadgamebg_dynamic(int screen, int bgnumber, int variant);
void deletegamebg_dynamic();
void drawgamebg(float shift);
void loadstorybg_dynamic(int number);
void deletestorybg_dynamic();
void drawstorybg(float shift, int allowwave);
void loadmapbg_dynamic(int page);
void deletemapbg_dynamic();
void resetresources();
