// Display modes by desktop, opening the display from the settings, and
// switching between the window and full screen while the game runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "core/display.h"
#include "core/globals.h"
#include "core/loop.h"
#include "core/settings.h"
#include "platform/control.h"
#include "testutil.h"

namespace {

struct Display : ::testing::Test {
    void SetUp() override { headlessgame(); }
    void TearDown() override { pf::ctl::desktop(1920, 1080); }

    // A desktop of this size, the modes probed, the display opened.
    void start(int dw, int dh, int fullscreen, int screenmode) {
        pf::ctl::desktop(dw, dh);
        settings.fullscreen = fullscreen;
        settings.screenmode = screenmode;
        checkvideo();
        pf::ctl::clearlog();
        instgraphic();
    }
    static std::vector<std::string> settingslines() {
        std::ifstream f(settingsfile());
        std::vector<std::string> lines;
        for (std::string l; std::getline(f, l);) {
            if (!l.empty() && l.back() == '\r') l.pop_back();
            lines.push_back(l);
        }
        return lines;
    }
    static bool logged(const std::string& line) {
        const auto& l = pf::ctl::loglines();
        return std::find(l.begin(), l.end(), line) != l.end();
    }
    // The pointer at window pixel (wx, wy), as the next tick samples it.
    static void pointerat(int wx, int wy) {
        in.mouseon = 1;
        pf::ctl::pointer(wx, wy);
        getinput();
    }
};

}  // namespace

TEST_F(Display, UsableModesFollowTheDesktop) {
    struct Case {
        int w, h;
        int exists[7];
        int best;
    } cases[] = {
        {1280, 1024, {0, 0, 0, 1, 0, 1, 1}, 3},  // 4:3 and taller: no wide canvas
        {1366, 768, {0, 1, 1, 1, 1, 1, 1}, 1},
        {1280, 768, {0, 0, 1, 1, 1, 1, 1}, 2},
        {1024, 600, {0, 0, 0, 0, 1, 1, 1}, 4},
        {1920, 1080, {0, 1, 1, 1, 1, 1, 1}, 1},
        {800, 600, {0, 0, 0, 0, 0, 1, 1}, 5},
        {0, 0, {0, 0, 0, 0, 0, 0, 0}, 6},  // no desktop reported: the last fallback
    };
    for (const Case& c : cases) {
        pf::ctl::desktop(c.w, c.h);
        checkvideo();
        for (int m = 1; m <= MODECOUNT; m++) EXPECT_EQ(modes.modeexists[m], c.exists[m]) << c.w << "x" << c.h << " mode " << m;
        EXPECT_EQ(modes.bestmode, c.best) << c.w << "x" << c.h;
        EXPECT_EQ(modes.desktopwidth, c.w);
    }
}

TEST_F(Display, StoredModeBetterThanTheBestOpensTheBest) {
    start(1280, 1024, 1, MODE_WIDE);
    EXPECT_EQ(settings.screenmode, MODE_43);
    EXPECT_EQ(disp.gfxwidth, 1024);
    EXPECT_EQ(disp.gfxheight, 768);
    int ww, wh;
    pf::windowsize(ww, wh);
    EXPECT_EQ(ww, 1280) << "full screen covers the desktop";
    EXPECT_EQ(wh, 1024);
    // 1024 x 768 scaled to 1280 x 960 with 32-pixel bars above and below.
    pointerat(640, 32 + 480);
    EXPECT_EQ(in.mx, 512);
    EXPECT_EQ(in.my, 384);
    pointerat(0, 32);
    EXPECT_EQ(in.mx, 0);
    EXPECT_EQ(in.my, 0);

    start(1366, 768, 1, 0);  // an edited file's mode 0
    EXPECT_EQ(settings.screenmode, MODE_WIDE);
    EXPECT_EQ(disp.gfxwidth, 1366);
}

TEST_F(Display, NetbookDesktopShowsTheWideCanvas) {
    start(1024, 600, 1, MODE_WIDE);
    EXPECT_EQ(settings.screenmode, MODE_NETBOOK);
    EXPECT_EQ(disp.gfxwidth, 1366);
    EXPECT_EQ(disp.gfxheight, 768);
    EXPECT_EQ(disp.windowwidth, 1024);
    EXPECT_EQ(disp.windowheight, 600);
    pointerat(1024, 600);
    EXPECT_EQ(in.mx, 1365) << "1024 x 1.33398";
    EXPECT_EQ(in.my, 768);
}

TEST_F(Display, WindowShrinksWhenItWouldNotFitTheDesktop) {
    start(1280, 1024, 0, MODE_43);
    EXPECT_TRUE(logged("Window Size ok"));
    EXPECT_EQ(disp.windowwidth, 800);
    EXPECT_EQ(disp.gfxwidth, 1024);

    // 600 pixels of client area and a 30-pixel frame do not fit 600.
    start(1024, 600, 0, MODE_NETBOOK);
    EXPECT_TRUE(logged("Reset Window size to 600x450"));
    EXPECT_FALSE(logged("Window Size ok"));
    EXPECT_EQ(disp.windowwidth, 600);
    EXPECT_EQ(disp.windowheight, 450);
    EXPECT_EQ(disp.gfxwidth, 1024) << "the window always shows the 1024 canvas";
    pointerat(600, 450);
    EXPECT_EQ(in.mx, 1023) << "scaled by 1.706666, truncated";
    EXPECT_EQ(in.my, 767);
}

TEST_F(Display, SwitchingPausesAndWritesTheSettings) {
    start(1920, 1080, 1, MODE_WIDE);
    core.gamepause = -1;
    togglescreensize(0, 0);
    EXPECT_EQ(core.gamepause, 1);
    EXPECT_EQ(settings.fullscreen, 0);
    EXPECT_EQ(disp.gfxwidth, 1024);
    EXPECT_EQ(disp.windowwidth, 800);
    auto lines = settingslines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "0");

    core.gamepause = -1;
    togglescreensize(MODE_43, 1);
    EXPECT_EQ(core.gamepause, 1);
    EXPECT_EQ(settings.fullscreen, 1);
    EXPECT_EQ(settings.screenmode, MODE_43);
    EXPECT_EQ(disp.gfxwidth, 1024);
    lines = settingslines();
    EXPECT_EQ(lines[0], "1");
    EXPECT_EQ(lines[1], "3");

    togglescreensize(modes.bestmode, 1);
    EXPECT_EQ(disp.gfxwidth, 1366);
    EXPECT_EQ(disp.midx, 683);
    EXPECT_EQ(settingslines()[1], "1");

    // Asking for the window while in the window changes nothing but the pause.
    togglescreensize(0, 0);
    settings.screenmode = MODE_WIDE;
    core.gamepause = -1;
    togglescreensize(0, 0);
    EXPECT_EQ(settings.fullscreen, 0);
    EXPECT_EQ(disp.gfxwidth, 1024);
    EXPECT_EQ(core.gamepause, 1);
}

TEST_F(Display, AskingForTheCurrentModeOnlyPausesAndSaves) {
    // On an 800 x 600 desktop the best mode is 5: widescreen full screen is
    // the mode already shown.
    start(800, 600, 1, MODE_SMALL);
    ASSERT_EQ(modes.bestmode, MODE_SMALL);
    std::remove(settingsfile().c_str());
    int w = disp.gfxwidth, ww = disp.windowwidth;
    core.gamepause = -1;
    pf::ctl::clearlog();
    togglescreensize(modes.bestmode, 1);
    EXPECT_EQ(core.gamepause, 1);
    EXPECT_EQ(disp.gfxwidth, w);
    EXPECT_EQ(disp.windowwidth, ww);
    EXPECT_EQ(settings.screenmode, MODE_SMALL);
    EXPECT_EQ(settingslines().size(), size_t(SETTINGSLINES)) << "the file is written all the same";
}

TEST_F(Display, FullScreenKeyTogglesBothWays) {
    start(1366, 768, 0, MODE_WIDE);
    ASSERT_EQ(disp.gfxwidth, 1024);
    pf::ctl::presskey(KEY_FULLSCREEN);
    getinput();
    EXPECT_EQ(settings.fullscreen, 1);
    EXPECT_EQ(disp.gfxwidth, 1366);
    EXPECT_EQ(core.gamepause, 1);
    pf::ctl::presskey(KEY_FULLSCREEN);
    getinput();
    EXPECT_EQ(settings.fullscreen, 0);
    EXPECT_EQ(disp.gfxwidth, 1024);
}

TEST_F(Display, ResizedWindowKeepsThePointerOnTheCanvas) {
    start(1920, 1080, 0, MODE_WIDE);
    // The player drags the window to 1000 x 700: 1024 x 768 scaled by
    // 700 / 768 with bars left and right.
    pf::opengraphics(1000, 700, 0, 60, 0);
    float s = 700.0f / 768.0f;
    int bar = (1000 - int(1024 * s)) / 2;
    pointerat(bar + int(512 * s), int(384 * s));
    EXPECT_NEAR(in.mx, 512, 1);
    EXPECT_NEAR(in.my, 384, 1);
    pointerat(bar + int(1000 * s), int(700 * s));
    EXPECT_NEAR(in.mx, 1000, 2);
    EXPECT_NEAR(in.my, 700, 2);
}
