#include <gtest/gtest.h>

#include <vector>

#include "platform/control.h"
#include "core/globals.h"
#include "core/screens.h"
#include "present/swimfish.h"
#include "testutil.h"

namespace {

class Swim : public ::testing::Test {
protected:
    void SetUp() override {
        headlessgame(11);
        loadfishset();
    }
    void tick(int layer = 0) {
        pf::clearscreen();
        core.framecount++;
        drawswimfish(layer);
    }
};

TEST_F(Swim, TheFishSetHasItsTenKindsAndNothingElse) {
    for (int k = 0; k <= 17; k++) {
        bool have = (k >= 1 && k <= 4) || k == 7 || k == 8 || (k >= 13 && k <= 16);
        for (int f = 0; f <= 5; f++) EXPECT_EQ(fishimg(k, f) != nullptr, have && f >= 1 && f <= 4) << k << "/" << f;
    }
}

TEST_F(Swim, SchoolInAnAlmostFullListOverwritesOnlyTheLastSlot) {
    for (int i = 0; i < 90; i++) addswimfish(-50, 300, 9, 7, 0);
    for (int i = 0; i < 20; i++) addswimfish(disp.gfxwidth + 150, 200 + i, 8, 3, 0);
    EXPECT_EQ(swimfishinuse(), MAXSWIMFISH);
    for (int i = 91; i <= 99; i++) EXPECT_EQ(swimfish.fish[i].swimkind, 3);
    EXPECT_EQ(swimfish.fish[99].swimy, 208);
    EXPECT_EQ(swimfish.fish[100].swimy, 219) << "the last of the school holds slot 100";
    EXPECT_EQ(swimfish.fish[90].swimkind, 7);
}

TEST_F(Swim, AddSetsTheStartState) {
    addswimfish(-50, 321, 9, 14, 0);
    const SwimFish& f = swimfish.fish[1];
    EXPECT_EQ(f.swimkind, 14);
    EXPECT_EQ(f.swimdir, 1);
    EXPECT_GE(f.swimframe, 1);
    EXPECT_LE(f.swimframe, 4);
    EXPECT_EQ(f.swimspeed, 0);
    EXPECT_GE(f.swimtarget, 2.0f);
    EXPECT_LE(f.swimtarget, 5.0f);
    addswimfish(disp.gfxwidth + 50, 100, 9, 14, 0);
    EXPECT_EQ(swimfish.fish[2].swimdir, -1);
    EXPECT_LE(swimfish.fish[2].swimtarget, -2.0f);
}

TEST_F(Swim, FishFromTheLeftFacesRightAndFromTheRightIsMirrored) {
    struct Case {
        int x, dir;
    };
    for (Case c : {Case{-50, 1}, Case{disp.gfxwidth + 50, -1}}) {
        resetswimfish();
        addswimfish(c.x, 300, 10, 7, 0);
        tick();
        ASSERT_EQ(pf::ctl::drawcalls().size(), 1u) << c.x;
        const auto& call = pf::ctl::drawcalls()[0];
        EXPECT_EQ(swimfish.fish[1].swimdir, c.dir);
        EXPECT_FLOAT_EQ(call.sx, c.dir * 1.0f) << c.x;
        EXPECT_FLOAT_EQ(call.sy, 1.0f);
        EXPECT_EQ(call.img, fishimg(7, swimfish.fish[1].swimframe));
        EXPECT_GT((swimfish.fish[1].swimx - c.x) * c.dir, 0) << "swims away from its side";
    }
}

TEST_F(Swim, FishAddedInTheMiddleChoosesItsOwnDirection) {
    bool left = false, right = false;
    for (int i = 0; i < 40; i++) {
        resetswimfish();
        swimfish.fish[1].swimdir = 7;  // a stale value from an earlier fish
        addswimfish(disp.midx, 300, 10, 7, 0);
        int d = swimfish.fish[1].swimdir;
        ASSERT_TRUE(d == 1 || d == -1);
        EXPECT_EQ(swimfish.fish[1].swimtarget > 0, d == 1);
        (d == 1 ? right : left) = true;
    }
    EXPECT_TRUE(left && right);
}

TEST_F(Swim, DepthScalesSizeAndSpeed) {
    addswimfish(100, 300, 8, 7, 0);
    addswimfish(100, 400, 10, 7, 0);
    for (int i : {1, 2}) {  // same state, above the burst threshold: no random burst
        swimfish.fish[i].swimspeed = 5;
        swimfish.fish[i].swimtarget = 5;
    }
    tick();
    const auto& calls = pf::ctl::drawcalls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_FLOAT_EQ(calls[0].sx, 0.8f) << "the deeper fish is drawn first";
    EXPECT_FLOAT_EQ(calls[1].sx, 1.0f);
    float d8 = swimfish.fish[1].swimx - 100, d10 = swimfish.fish[2].swimx - 100;
    EXPECT_GT(d10, 4.9f);
    EXPECT_NEAR(d8 / d10, 0.8f, 1e-5);
}

TEST_F(Swim, DrawOrderGoesFromDeepToNearAcrossSlots) {
    addswimfish(100, 300, 10, 7, 0);
    addswimfish(100, 300, 8, 8, 0);
    addswimfish(100, 300, 9, 13, 0);
    addswimfish(100, 300, 7, 14, 0);
    addswimfish(100, 300, 6, 15, 0);  // outside 7..10: never drawn nor moved
    addswimfish(100, 300, 9, 16, 1);  // another layer
    tick();
    const auto& calls = pf::ctl::drawcalls();
    const float want[] = {0.7f, 0.8f, 0.9f, 1.0f};
    ASSERT_EQ(calls.size(), 4u);
    for (int i = 0; i < 4; i++) EXPECT_FLOAT_EQ(calls[i].sy, want[i]);
    EXPECT_EQ(swimfish.fish[5].swimx, 100);
    EXPECT_EQ(swimfish.fish[6].swimx, 100);
    EXPECT_FLOAT_EQ(pf::getrotation(), 0);
}

TEST_F(Swim, InvisibleKindsSwimAndRetireUnseen) {
    for (int kind : {9, 10, 11, 12}) {
        resetswimfish();
        addswimfish(-50, 400, 10, kind, 0);
        float x0 = swimfish.fish[1].swimx;
        int t = 0;
        bool moved = false;
        while (swimfish.fish[1].swimkind != 0 && t < 5000) {
            tick();
            t++;
            EXPECT_TRUE(pf::ctl::drawcalls().empty()) << kind;
            if (swimfish.fish[1].swimkind) moved |= swimfish.fish[1].swimx != x0;
        }
        EXPECT_TRUE(moved) << kind;
        EXPECT_LT(t, 5000) << kind << " never retired";
    }
}

TEST_F(Swim, RetirementMarginsAndFrames) {
    struct Case {
        float x, y;
        bool stays;
    };
    const Case cases[] = {{-299, 300, true},  {-301, 300, false}, {1024 + 299, 300, true}, {1024 + 301, 300, false},
                          {500, -99, true},   {500, -101, false}, {500, 768 + 99, true},   {500, 768 + 101, false}};
    for (Case c : cases) {
        resetswimfish();
        addswimfish(0, 0, 10, 9, 0);  // drifting: moves 2 px right, never up or down
        swimfish.fish[1].swimx = c.x - 2;
        swimfish.fish[1].swimy = c.y;
        tick();
        EXPECT_EQ(swimfish.fish[1].swimkind != 0, c.stays) << c.x << "," << c.y;
    }
    resetswimfish();
    addswimfish(-50, 300, 10, 7, 0);
    swimfish.fish[1].swimframe = 4;
    core.framecount = 3;
    tick();  // framecount 4: next frame, 4 wraps to 1
    EXPECT_EQ(swimfish.fish[1].swimframe, 1);
    tick();
    EXPECT_EQ(swimfish.fish[1].swimframe, 1);
}

TEST_F(Swim, BurstsKeepAFishGoingForward) {
    for (int kind : {2, 8}) {  // a school fish and a single fish
        resetswimfish();
        addswimfish(-50, 384, 10, kind, 0);
        float lastx = -50;
        for (int t = 0; t < 300 && swimfish.fish[1].swimkind; t++) {
            tick();
            EXPECT_GE(swimfish.fish[1].swimx, lastx) << kind;
            lastx = swimfish.fish[1].swimx;
        }
        EXPECT_GT(lastx, 50) << kind << " hardly moved";
    }
}

TEST_F(Swim, SpawnerOnlyOnTheMenuAndTheTrophyRoom) {
    struct Case {
        int screen;
        int lo, hi;  // expected fish over 9000 ticks
    };
    for (Case c : {Case{SCREEN_GAME, 0, 0}, Case{SCREEN_TROPHIES, 60, 140}, Case{SCREEN_MENU, 120, 100000}}) {
        core.screen = c.screen;
        int added = 0;
        for (int t = 0; t < 9000; t++) {
            resetswimfish();
            spawnswimfish();
            added += swimfishinuse();
            for (int i = 1; i <= MAXSWIMFISH; i++) {
                const SwimFish& f = swimfish.fish[i];
                if (!f.swimkind) continue;
                EXPECT_TRUE(f.swimdepth >= 8 && f.swimdepth <= 10);
                if (c.screen == SCREEN_TROPHIES) {
                    EXPECT_TRUE(f.swimkind >= 7 && f.swimkind <= 16);
                }
            }
        }
        EXPECT_GE(added, c.lo) << c.screen;
        EXPECT_LE(added, c.hi) << c.screen;
    }
}

}  // namespace
