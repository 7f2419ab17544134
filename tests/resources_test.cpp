#include <gtest/gtest.h>

#include "platform/control.h"
#include "present/resources.h"

#include <cmath>

TEST(Clamps, Limit1AndLimit0) {
    struct Case { float in, one, zero; };
    for (Case c : {Case{1.5f, 1.0f, 1.5f}, Case{0.3f, 0.3f, 0.3f}, Case{-0.2f, -0.2f, 0.0f}, Case{1.0f, 1.0f, 1.0f}}) {
        EXPECT_FLOAT_EQ(limit1(c.in), c.one) << c.in;
        EXPECT_FLOAT_EQ(limit0(c.in), c.zero) << c.in;
    }
}

#include "core/globals.h"
#include "core/profiles.h"
#include "core/settings.h"
#include "testutil.h"

TEST(DrawImgFrame, OnlyFramesInsideTheRange) {
    headlessgame();
    Img strips = loadanimimg("data/bg/bg1.jpg", 1366, 4, 192);
    ASSERT_NE(strips, nullptr);
    struct Case { int frame, max; bool drawn; };
    for (Case c : {Case{-1, 192, false}, Case{0, 192, true}, Case{191, 191, true}, Case{192, 191, false}, Case{5, 4, false}}) {
        pf::clearscreen();
        drawimgframe(strips, 10, 10, c.frame, c.max);
        EXPECT_EQ(pf::ctl::drawcalls().size(), c.drawn ? 1u : 0u) << c.frame << " of " << c.max;
    }
    freeimg(strips);
}

TEST(MissingImages, LoadNullAndDrawNothing) {
    headlessgame();
    Img none = loadimg("data/ui/no-such-picture.png");
    EXPECT_EQ(none, nullptr);
    pf::clearscreen();
    drawimg(none, 1, 1);
    drawimgframe(none, 1, 1, 0, 0);
    drawimgclip(none, 1, 1);
    drawgamebg(0);  // nothing loaded
    EXPECT_TRUE(pf::ctl::drawcalls().empty());
}

TEST(Backgrounds, NumberByLevelAndScreen) {
    struct Case { int player; int sellevel; int screen; int aktlevel; int arg; int bg; };
    const Case cases[] = {
        {-1, 0, 12, 20, 0, 1},   // no player: background 1
        {1, 0, 12, 20, 0, 1},    // sellevel 0
        {1, 5, 12, 5, 0, 1},     {1, 12, 12, 12, 0, 4},   {1, 16, 12, 17, 0, 8},
        {1, 20, 12, 20, 0, 5},   {1, 33, 12, 33, 0, 12},  {1, 40, 12, 40, 0, 14},
        {1, 53, 12, 53, 0, 15},  {1, 60, 12, 60, 0, 17},  {1, 70, 12, 70, 0, 20},
        {1, 74, 12, 74, 0, 21},  {1, 80, 12, 80, 0, 1},   // above 74
        {1, 20, 13, 20, 0, 1},   // the map, menu and loading screen show 1
        {1, 20, 12, 40, 0, 14},  // in the card game aktlevel decides
        {1, 20, 16, 20, 99, 99}, {1, 20, 18, 20, 6, 6},
    };
    for (const Case& c : cases) {
        headlessgame();
        players.aktplayer = c.player;
        if (c.player > 0) players.p[c.player].sellevel = c.sellevel;
        core.screen = c.screen == 16 || c.screen == 18 ? c.screen : 12;
        core.aktlevel = c.aktlevel;
        EXPECT_EQ(backgroundnumber(c.screen, c.arg), c.bg) << "sellevel " << c.sellevel << " screen " << c.screen;
    }
}

TEST(Backgrounds, WaveStripsShiftWithTheFrameCount) {
    headlessgame();
    settings.wavebg = 1;
    loadgamebg_dynamic(0, 0, 0);
    ASSERT_NE(backgrounds.bgstrips, nullptr);
    auto strips = [](int frame) {
        core.framecount = frame;
        pf::clearscreen();
        drawgamebg(0);
        return pf::ctl::drawcalls();
    };
    auto a = strips(0);
    ASSERT_EQ(a.size(), 192u);
    for (int i : {0, 1, 22, 191}) {
        EXPECT_EQ(a[i].frame, i);
        EXPECT_FLOAT_EQ(a[i].y, 4.0f * i + 2);
        EXPECT_NEAR(a[i].x, 512 + 3.0 * std::sin((4.0 * i) * M_PI / 180), 1e-3);
        EXPECT_FLOAT_EQ(a[i].sx, 1.0f) << "strips are copied 1:1";
    }
    auto b = strips(90);
    EXPECT_NEAR(b[0].x, 515, 1e-3) << "a quarter turn later the first strip sits at the crest";
    settings.wavebg = -1;
    auto c = strips(90);
    ASSERT_EQ(c.size(), 192u) << "still: the same strips laid edge to edge";
    for (int i : {0, 95, 191}) {
        EXPECT_EQ(c[i].frame, i);
        EXPECT_FLOAT_EQ(c[i].x, 512);
        EXPECT_FLOAT_EQ(c[i].y, 4.0f * i + 2);
    }
    deletegamebg_dynamic();
}

// At 1366 pixels the background is exactly as wide as the screen: a strip
// pushed sideways gets the same strip unpushed underneath, so no edge column
// ever shows black; at 1024 the background overhangs both edges.
TEST(Backgrounds, WaveStripsCoverTheEdgesOfAFullWidthScreen) {
    headlessgame();
    settings.wavebg = 1;
    loadgamebg_dynamic(0, 0, 0);
    ASSERT_NE(backgrounds.bgstrips, nullptr);
    for (int width : {1024, 1366}) {
        disp.gfxwidth = width;
        disp.midx = width / 2;
        core.framecount = 0;
        pf::clearscreen();
        drawgamebg(0);
        std::vector<pf::ctl::DrawCall> strip22;
        for (const auto& c : pf::ctl::drawcalls())
            if (c.frame == 22) strip22.push_back(c);
        double pushed = width / 2 + 3.0 * std::sin(88 * M_PI / 180);
        if (width == 1024) {
            ASSERT_EQ(strip22.size(), 1u);
            EXPECT_NEAR(strip22[0].x, pushed, 1e-3);
        } else {
            ASSERT_EQ(strip22.size(), 2u) << "the unpushed strip first, the pushed one on top";
            EXPECT_FLOAT_EQ(strip22[0].x, 683);
            EXPECT_NEAR(strip22[1].x, pushed, 1e-3);
        }
    }
    disp.gfxwidth = 1024;
    disp.midx = 512;
    deletegamebg_dynamic();
}

TEST(Backgrounds, BossLevelsNeverWave) {
    headlessgame();
    settings.wavebg = 1;
    loadgamebg_dynamic(0, 0, 0);
    for (int level : {52, 53, 54}) {
        core.aktlevel = level;
        pf::clearscreen();
        drawgamebg(0);
        auto calls = pf::ctl::drawcalls();
        ASSERT_EQ(calls.size(), 192u) << level;
        for (const auto& c : calls) EXPECT_FLOAT_EQ(c.x, 512) << level << ": no strip pushed";
    }
    deletegamebg_dynamic();
}
