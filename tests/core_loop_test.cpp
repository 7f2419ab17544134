#include <gtest/gtest.h>

#include <vector>

#include "platform/control.h"
#include "core/globals.h"
#include "core/loop.h"
#include "core/screens.h"
#include "present/resources.h"
#include "testutil.h"

namespace {

// A stand-in screen that records when its routines run.
struct Probe {
    int entries = 0;
    int entryparam = 0;
    int entrytick = -1;
    int frames = 0;
} probe;

void probeentry(int param) {
    probe.entries++;
    probe.entryparam = param;
    probe.entrytick = core.framecount;
    core.screen = 5;
    startfadein();
}
void probeframe() { probe.frames++; }

class Loop : public ::testing::Test {
protected:
    void SetUp() override {
        headlessgame();
        probe = Probe{};
        setscreenroutines(5, probeentry, probeframe);
        core.screen = 7;  // a screen without routines
        fade.fadelevel = 256;
        fade.fadestate = 1;
    }
};

}  // namespace

TEST_F(Loop, FadeDarkensRunsEntryAtBlackThenBrightens) {
    gotoscreen(5, 42);
    std::vector<int> levels;
    std::vector<int> screens;
    for (int i = 0; i < 17; i++) {
        maintick();
        levels.push_back(fade.fadelevel);
        screens.push_back(core.screen);
    }
    const std::vector<int> want = {224, 192, 160, 128, 96, 64, 32, 0, 0, 32, 64, 96, 128, 160, 192, 224, 256};
    EXPECT_EQ(levels, want);
    EXPECT_EQ(probe.entries, 1);
    EXPECT_EQ(probe.entryparam, 42);
    EXPECT_EQ(probe.entrytick, 9) << "the entry routine runs in the ninth tick";
    EXPECT_EQ(screens[7], 7);
    EXPECT_EQ(screens[8], 5);
    // The new screen's routine already runs in the entry tick, drawn black.
    EXPECT_EQ(probe.frames, 9);
}

TEST_F(Loop, ColourFollowsFadeLevelClamped) {
    gotoscreen(5, 0);
    for (int i = 0; i < 9; i++) maintick();
    int r, g, b;
    pf::getcolour(r, g, b);
    EXPECT_EQ(r, 0);  // -32 is drawn black before the entry routine sets 0
    for (int i = 0; i < 8; i++) maintick();
    pf::getcolour(r, g, b);
    EXPECT_EQ(r, 255);
}

TEST_F(Loop, QuitThroughFade) {
    gotoscreen(-999, 0);
    int ticks = 0;
    while (maintick()) ticks++;
    EXPECT_EQ(ticks, 8);  // the ninth tick ends the loop
    EXPECT_EQ(core.quitgame, 1);
}

TEST_F(Loop, RequestDuringFadeRestartsDarkening) {
    gotoscreen(5, 0);
    for (int i = 0; i < 4; i++) maintick();
    gotoscreen(5, 1);
    maintick();
    EXPECT_EQ(fade.fadelevel, 224);
    for (int i = 0; i < 8; i++) maintick();
    EXPECT_EQ(probe.entries, 1);
    EXPECT_EQ(probe.entryparam, 1);
}

TEST_F(Loop, ClickInRequestTickIsDiscardedAndTypingFlushed) {
    in.mouseon = 1;
    pf::ctl::click(1);
    pf::ctl::text('x');
    getinput();
    ASSERT_EQ(in.mhit1, 1);
    gotoscreen(5, 0);
    EXPECT_EQ(in.mhit1, 0);
    EXPECT_EQ(pf::getchar(), 0);
}

TEST_F(Loop, NoClicksWhileSamplingIsOff) {
    in.mouseon = 0;
    pf::ctl::pointer(100, 100);
    pf::ctl::click(1);
    getinput();
    EXPECT_EQ(in.mhit1, 0);
    in.mouseon = 1;
    getinput();
    EXPECT_EQ(in.mhit1, 0) << "a click made while sampling was off must not surface later";
}

TEST_F(Loop, EscDelayCountsWhileEscapeHeld) {
    pf::ctl::key(27, true);
    std::vector<int> seen;
    for (int i = 0; i < 32; i++) {
        getinput();
        EXPECT_EQ(in.keyesc, 1);
        seen.push_back(in.escdelay);
    }
    EXPECT_EQ(seen[0], 30);
    EXPECT_EQ(seen[1], 29);
    EXPECT_EQ(seen[29], 1);
    EXPECT_EQ(seen[30], 30);
    EXPECT_EQ(seen[31], 29);
    pf::ctl::key(27, false);
}

TEST_F(Loop, KeyTappedWithinOneTickIsSeen) {
    pf::ctl::presskey(27);
    getinput();
    EXPECT_EQ(in.keyesc, 1);
    EXPECT_EQ(in.escdelay, 30);
    getinput();
    EXPECT_EQ(in.keyesc, 0) << "one tap counts once";
}

TEST_F(Loop, MmovedLagsOneSample) {
    in.mouseon = 1;
    pf::ctl::pointer(10, 10);
    getinput();
    getinput();
    EXPECT_EQ(in.mmoved, 1);  // the change seen by the previous sample
    getinput();
    EXPECT_EQ(in.mmoved, 0);
}

TEST(PointerScaling, TableSizesAndOthers) {
    struct Case { int ww, wh, gw, gh, px, py, mx, my; };
    const Case cases[] = {
        {600, 450, 1024, 768, 300, 225, 511, 383},  // 1.706666 truncated
        {800, 600, 1024, 768, 400, 300, 512, 384},
        {1024, 600, 1366, 768, 512, 300, 682, 384},  // 682.99776
        // Outside the table: the real transform, letterboxed. 1200 x 768
        // shows 1024 x 768 with 88-pixel bars left and right.
        {1200, 768, 1024, 768, 88 + 512, 384, 512, 384},
        {1024, 768, 1024, 768, 1000, 700, 1000, 700},
    };
    for (const Case& c : cases) {
        headlessgame();
        pf::opengraphics(c.ww, c.wh, 0, 60, 0);
        pf::setvirtualres(c.gw, c.gh);
        disp.gfxwidth = c.gw;
        disp.gfxheight = c.gh;
        int mx = 0, my = 0;
        scalepointer(c.px, c.py, mx, my);
        EXPECT_EQ(mx, c.mx) << c.ww << "x" << c.wh;
        EXPECT_EQ(my, c.my) << c.ww << "x" << c.wh;
    }
}

TEST(Doall, OffsetsByWidth) {
    struct Case { int w, uix, bgx; };
    for (Case c : {Case{1024, 0, -171}, Case{1280, 128, -43}, Case{1366, 171, 0}}) {
        headlessgame();
        disp.gfxwidth = c.w;
        doall();
        EXPECT_EQ(disp.uixoff, c.uix);
        EXPECT_EQ(disp.bgxoff, c.bgx);
        EXPECT_EQ(disp.midx, c.w / 2);
        EXPECT_EQ(disp.midy, 384);
    }
}
