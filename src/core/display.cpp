#include "core/display.h"

#include "core/globals.h"
#include "core/settings.h"
#include "platform/platform.h"

DisplayModes modes;
void (*displaychanged)() = nullptr;

namespace {

constexpr int WINDOWW = 800, WINDOWH = 600;        // the window's client size
constexpr int SMALLWINDOWW = 600, SMALLWINDOWH = 450;  // when that does not fit the desktop

struct ModeRow {
    int w, h, canvasw, canvash;
};
const ModeRow moderows[MODECOUNT + 1] = {
    {0, 0, 0, 0},
    {1366, 768, 1366, 768},
    {1280, 768, 1280, 768},
    {1024, 768, 1024, 768},
    {1024, 600, 1366, 768},
    {800, 600, 1024, 768},
    {640, 480, 640, 480},
};

bool validmode(int mode) { return mode >= 1 && mode <= MODECOUNT; }

void applyicon() {
    pf::setwindowicon(pf::filetype("icon32.ico") == 1 ? "icon32.ico" : "data/icon32.ico");
    modes.windowhandle = 1;
}

// The window always shows the 1024 x 768 canvas; when the 800 x 600 window
// with its frame is taller than the desktop it opens at 600 x 450.
void openwindow() {
    pf::opengraphics(WINDOWW, WINDOWH, 0, 60, 0);
    pf::setvirtualres(1024, 768);
    int w = WINDOWW, h = WINDOWH;
    if (h + pf::windowframeheight() > modes.desktopheight) {
        pf::logline("Reset Window size to 600x450");
        w = SMALLWINDOWW;
        h = SMALLWINDOWH;
        pf::opengraphics(w, h, 0, 60, 0);
        pf::setvirtualres(1024, 768);
    } else {
        pf::logline("Window Size ok");
    }
    disp.gfxwidth = 1024;
    disp.gfxheight = 768;
    disp.windowwidth = w;
    disp.windowheight = h;
    disp.depth = 0;
}

void openfullscreen(int mode) {
    const ModeRow& m = moderows[mode];
    pf::opengraphics(m.w, m.h, 32, 60, 0);
    pf::setvirtualres(m.canvasw, m.canvash);
    disp.gfxwidth = m.canvasw;
    disp.gfxheight = m.canvash;
    disp.windowwidth = m.w;
    disp.windowheight = m.h;
    disp.depth = 32;
}

void settle() {
    disp.midx = disp.gfxwidth / 2;
    disp.midy = disp.gfxheight / 2;
}

}  // namespace

int modecanvaswidth(int mode) { return validmode(mode) ? moderows[mode].canvasw : 0; }
int modecanvasheight(int mode) { return validmode(mode) ? moderows[mode].canvash : 0; }

void checkvideo() {
    pf::desktopsize(modes.desktopwidth, modes.desktopheight);
    int aspect = modes.desktopwidth < 1 ? 1 : modes.desktopheight * 1000 / modes.desktopwidth;
    for (int i = 1; i <= MODECOUNT; i++) {
        modes.modewidth[i] = moderows[i].w;
        modes.modeheight[i] = moderows[i].h;
        modes.modeexists[i] = pf::gfxmodeexists(moderows[i].w, moderows[i].h, 32, 0) ? 1 : 0;
    }
    // A 4:3 desktop (or taller) would squeeze the wide canvases into a band;
    // that holds for the 1366 canvas of mode 4 as much as for modes 1 and 2.
    if (aspect > 749) modes.modeexists[1] = modes.modeexists[2] = modes.modeexists[4] = 0;
    if (modes.desktopwidth == 1280 && modes.desktopheight == 768) modes.modeexists[1] = 0;
    if (modes.desktopwidth == 1024 && modes.desktopheight == 600)
        modes.modeexists[1] = modes.modeexists[2] = modes.modeexists[3] = 0;
    modes.bestmode = MODE_TINY;
    for (int i = MODECOUNT; i >= 1; i--)
        if (modes.modeexists[i]) modes.bestmode = i;
}

void instgraphic() {
    // A stored mode better than the best usable one (or none at all) is
    // never opened.
    if (settings.screenmode < modes.bestmode || !validmode(settings.screenmode)) settings.screenmode = modes.bestmode;
    pf::setwindowtitle("Tidewrack-Solitaire");
    if (settings.fullscreen == 1) openfullscreen(settings.screenmode);
    else openwindow();
    applyicon();
    settle();
}

void togglescreensize(int mode, int fullsc) {
    core.gamepause = 1;
    if (fullsc == 0 && settings.fullscreen == 1) {
        openwindow();
        settings.fullscreen = 0;
    } else if (fullsc == 1 && (settings.fullscreen == 0 || mode != settings.screenmode)) {
        // Only a request for full screen opens it: asking for the window
        // while in the window changes nothing.
        if (mode < modes.bestmode || !validmode(mode)) mode = modes.bestmode;
        openfullscreen(mode);
        settings.screenmode = mode;
        settings.fullscreen = 1;
    }
    applyicon();
    settle();
    savesettings(0);
    if (displaychanged) displaychanged();
}

void togglefullscreenkey() {
    if (settings.fullscreen == 1) togglescreensize(0, 0);
    else togglescreensize(settings.screenmode, 1);
}

void resetdisplay() {
    modes = DisplayModes{};
    displaychanged = nullptr;
}
