// The options popup (100) and its information page (101).
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "cards/cardart.h"
#include "core/display.h"
#include "core/globals.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "core/settings.h"
#include "app/startup.h"
#include "menus/options.h"
#include "menus/popups.h"
#include "present/resources.h"
#include "platform/control.h"
#include "testutil.h"

namespace {

struct Options : ::testing::Test {
    int midx = 0;
    void SetUp() override {
        headlessgame();
        pf::ctl::desktop(1920, 1080);
        checkvideo();
        loadmaingraphics();
        registerscreens();
        fade.fadestate = 1;
        fade.fadelevel = 256;
        core.gamepause = -1;
        core.screen = SCREEN_MENU;
        openpopup(POPUP_OPTIONS);
        // fully open, the panel at the top
        pop.popupfade = 16;
        pop.popupy = 0;
        pop.buttonlayer = 2;
        midx = disp.midx;
    }
    void TearDown() override { pf::ctl::desktop(1920, 1080); }

    // One tick of the open popup with the pointer at (x, y).
    void tick(float x, float y, bool down = false, bool click = false, bool esc = false) {
        pf::clearscreen();
        in.mx = int(x);
        in.my = int(y);
        in.mdown1 = down ? 1 : 0;
        in.mhit1 = click ? 1 : 0;
        in.keyesc = esc ? 1 : 0;
        dopopups();
    }
    static std::vector<const pf::ctl::DrawCall*> draws(pf::Image* img) {
        std::vector<const pf::ctl::DrawCall*> v;
        for (const auto& d : pf::ctl::drawcalls())
            if (img && d.img == img) v.push_back(&d);
        return v;
    }
    void clickat(float x, float y) {
        tick(x, y, true, true);
        tick(x, y);
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
    void withplayer() {
        players.aktplayer = 1;
        akt() = Profile{};
        akt().cardback = 1;
    }
};

}  // namespace

TEST_F(Options, MusicKnobDraggedPastTheEndIsClampedNextTick) {
    ASSERT_NE(popimg.buttonimg[5], nullptr);
    settings.musicvolume = 200;
    float knob = midx - 364 + 200, y = 155;
    tick(knob, y, true, true);
    EXPECT_EQ(opts.musicdrag, 1);
    EXPECT_EQ(settings.musicvolume, 200);
    tick(midx + 100, y, true);
    EXPECT_EQ(settings.musicvolume, 464) << "past the end for the rest of the tick";
    tick(midx + 100, y, true);
    auto knobs = draws(popimg.buttonimg[5]);
    ASSERT_FALSE(knobs.empty());
    EXPECT_EQ(knobs[0]->x, float(midx - 364 + 280)) << "drawn at the clamped value";
    tick(midx - 600, y, false);
    EXPECT_EQ(opts.musicdrag, 0) << "released";
    tick(midx - 600, y, false);
    EXPECT_EQ(settings.musicvolume, 0) << "dragged below the start, clamped";
}

TEST_F(Options, SecondKnobDoesNotStartADragWhileOneIsDragged) {
    settings.musicvolume = 100;
    settings.soundvolume = 150;
    tick(midx - 364 + 100, 155, true, true);
    ASSERT_EQ(opts.musicdrag, 1);
    // the pointer travels onto the effects knob with the button still down
    tick(midx - 364 + 150, 235, true);
    EXPECT_EQ(opts.sounddrag, 0);
    EXPECT_EQ(settings.soundvolume, 150);
    EXPECT_EQ(settings.musicvolume, 150) << "the music knob follows the pointer";
    // a fresh press on the effects knob drags it
    tick(midx - 364 + 150, 235);
    tick(midx - 364 + 150, 235, true, true);
    EXPECT_EQ(opts.sounddrag, 1);
    EXPECT_EQ(opts.musicdrag, 0);
}

TEST_F(Options, SevenBacksScrollByOneStep) {
    withplayer();
    ASSERT_EQ(cardbackcount(), 7);
    tick(0, 0);
    EXPECT_EQ(draws(art.back[7]).size(), 0u) << "the seventh back starts beyond the row";
    EXPECT_EQ(draws(art.back[1]).size(), 1u);
    clickat(midx - 405, 460);
    EXPECT_EQ(opts.backscrolltarget, -110);
    clickat(midx - 405, 460);
    EXPECT_EQ(opts.backscrolltarget, -110) << "660 is not more than 700";
    for (int i = 0; i < 80; i++) tick(0, 0);
    EXPECT_NEAR(opts.backscroll, -110, 0.01);
    EXPECT_EQ(draws(art.back[7]).size(), 1u);
    clickat(midx + 405, 460);
    EXPECT_EQ(opts.backscrolltarget, 0);
    clickat(midx + 405, 460);
    EXPECT_EQ(opts.backscrolltarget, 0);
    // a new opening starts the row from the left
    openpopup(POPUP_OPTIONS);
    EXPECT_EQ(opts.backscroll, 0);
}

TEST_F(Options, ClickingABackChoosesItAndNoBacksWithoutAPlayer) {
    players.aktplayer = -1;
    tick(0, 0);
    for (int k = 1; k <= 7; k++) EXPECT_TRUE(draws(art.back[k]).empty()) << k;
    EXPECT_TRUE(draws(art.glow).empty());

    withplayer();
    // back 3: top-left at (midx - 431 + 330, 390), 96 x 142
    clickat(midx - 431 + 330 + 48, 390 + 70);
    EXPECT_EQ(akt().cardback, 3);
    auto glow = draws(art.glow);
    ASSERT_FALSE(glow.empty());
    EXPECT_EQ(glow[0]->x, float(midx - 431 + 330 - 6)) << "the chosen back carries the highlight";
}

TEST_F(Options, CheckBoxesActAtOnce) {
    settings.wavebg = 1;
    settings.cardsway = -1;
    settings.cursormode = 1;
    clickat(midx + 100, 190);
    EXPECT_EQ(settings.wavebg, -1);
    clickat(midx + 100, 260);
    EXPECT_EQ(settings.cardsway, 1);
    clickat(midx + 100, 225);
    EXPECT_EQ(settings.cursormode, -1);
    // 20 pixels off is outside the box
    clickat(midx + 120, 190);
    EXPECT_EQ(settings.wavebg, -1);
    tick(0, 0);
    // ticks: the box of the window (item 3), since the test opened a window
    auto ticks = draws(popimg.h);
    ASSERT_EQ(ticks.size(), 2u) << "window and card sway";
    EXPECT_EQ(ticks[0]->x, float(midx + 300));
    EXPECT_EQ(ticks[1]->y, 260.0f);
}

TEST_F(Options, DisplayBoxesSwitchAndPause) {
    ASSERT_EQ(settings.fullscreen, 0);
    clickat(midx + 100, 155);  // wide full screen
    EXPECT_EQ(settings.fullscreen, 1);
    EXPECT_EQ(settings.screenmode, MODE_WIDE);
    EXPECT_EQ(disp.gfxwidth, 1366);
    EXPECT_EQ(core.gamepause, 1);
    // while the pause waits for its click, the boxes do not answer it
    midx = disp.midx;
    clickat(midx + 300, 155);
    EXPECT_EQ(settings.fullscreen, 1);
    core.gamepause = -1;
    clickat(midx + 200, 155);  // 4:3 full screen
    EXPECT_EQ(settings.screenmode, MODE_43);
    EXPECT_EQ(disp.gfxwidth, 1024);
    core.gamepause = -1;
    midx = disp.midx;
    clickat(midx + 200, 155);
    EXPECT_EQ(core.gamepause, -1) << "already there: no change, no pause";
    clickat(midx + 300, 155);
    EXPECT_EQ(settings.fullscreen, 0);
}

TEST_F(Options, WideBoxHiddenWithoutAWideMode) {
    pf::ctl::desktop(1280, 1024);
    checkvideo();
    ASSERT_FALSE(widescreenoffered());
    tick(0, 0);
    EXPECT_EQ(draws(popimg.cb).size(), 5u);
    // the 4:3 box takes the first place
    settings.fullscreen = 0;
    core.gamepause = -1;
    clickat(midx + 100, 155);
    EXPECT_EQ(settings.fullscreen, 1);
    EXPECT_EQ(settings.screenmode, MODE_43);
}

TEST_F(Options, EscapeClosesAndWritesTheSettings) {
    clickat(midx + 100, 190);  // wave off
    tick(0, 0, false, false, true);
    EXPECT_EQ(pop.popupdir, 2);
    auto lines = settingslines();
    ASSERT_EQ(lines.size(), size_t(SETTINGSLINES));
    EXPECT_EQ(lines[9], "-1");
}

TEST_F(Options, AboutPageOpensAndCloses) {
    float yb = disp.gfxheight - 100;
    // the button bobs by up to five pixels; aim at its middle
    clickat(midx, yb + 40);
    EXPECT_EQ(pop.popup, POPUP_INFO);
    EXPECT_EQ(pop.popupdir, 1);
    tick(0, 0, false, false, true);
    EXPECT_EQ(pop.popupdir, 2);
}

TEST_F(Options, ReachedFromTheInLevelMenu) {
    pop.popup = 298;
    // the small panel's top is popupy; options sits at (midx - 82, t + 380)
    clickat(midx - 82, 380);
    EXPECT_EQ(pop.popup, POPUP_OPTIONS);
}
