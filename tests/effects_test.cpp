#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/control.h"
#include "core/globals.h"
#include "present/effects.h"
#include "testutil.h"

namespace {

std::vector<int> sounds;
void spy(int id, int, float) { sounds.push_back(id); }

class Effects : public ::testing::Test {
protected:
    void SetUp() override {
        headlessgame(7);
        loadeffects();
        effhooks.soundspy = spy;
        sounds.clear();
        core.fps = 50;
        pf::clearscreen();
    }
    // One tick of the pass, with a fresh draw-call record.
    void pass() {
        pf::clearscreen();
        core.framecount++;
        draweff();
    }
    static int count(int kind) {
        int n = 0;
        for (int i = 1; i <= MAXEFFECTS; i++) n += effects.eff[i].kind == kind;
        return n;
    }
    static int drawnfrom(const std::string& file) {
        int n = 0;
        for (auto& c : pf::ctl::drawcalls()) n += c.path.find(file) != std::string::npos;
        return n;
    }
};

TEST_F(Effects, PicturesOfEveryKindAreThere) {
    for (int i = 1; i <= 9; i++) {
        EXPECT_NE(effimg.glb[i], nullptr) << i;
        EXPECT_NE(effimg.star[i], nullptr) << i;
        EXPECT_NE(effimg.bubblecolor[i], nullptr) << i;
        EXPECT_NE(effimg.glo[i], nullptr) << i;
    }
    for (Img i : {effimg.cardpart[1], effimg.cardpart[3], effimg.plantpart[1], effimg.plantpart[3], effimg.shell[1],
                  effimg.shell[2], effimg.question, effimg.extracardglow, effimg.lamplight, effimg.oilsplat,
                  effimg.sleepmark, effimg.glower, effimg.deepsealight, effimg.glowstar, effimg.sparkle,
                  effimg.sparkleblue, effimg.starimg, effimg.bubble, effimg.pointsstar, effimg.bigstar})
        EXPECT_NE(i, nullptr);
}

TEST_F(Effects, AddTakesFirstFreeSlotAndOverwritesTheLastWhenFull) {
    for (int i = 1; i <= MAXEFFECTS; i++) EXPECT_EQ(addeff(0, 0, 2000, 0, 0), i);
    // Full: every further spawn lands in slot 1000, the list never grows.
    for (int i = 0; i < 50; i++) EXPECT_EQ(addeff(1, 2, 2000 + i, 0, 0), MAXEFFECTS);
    EXPECT_EQ(effectsinuse(), MAXEFFECTS);
    EXPECT_EQ(effects.eff[MAXEFFECTS].kind, 2049);
    effects.eff[17].kind = 0;
    EXPECT_EQ(addeff(0, 0, 21000, 3, 4), 17);
    EXPECT_EQ(effects.eff[17].vx, 3);
    EXPECT_EQ(effects.eff[17].vy, 4);
    cleareffects();
    EXPECT_EQ(effectsinuse(), 0);
}

TEST_F(Effects, SmallParticlesStartPartWayThroughTheirLife) {
    bool somestartedlate = false;
    for (int i = 0; i < 200; i++) {
        int small = addeff(0, 0, 1 + i % 199, 0, 0);
        int big = addeff(0, 0, 21000, 0, 0);
        EXPECT_GE(effects.eff[small].age, 0);
        EXPECT_LE(effects.eff[small].age, 50);
        somestartedlate |= effects.eff[small].age > 0;
        EXPECT_EQ(effects.eff[big].age, 0);
        EXPECT_GE(effects.eff[big].angle, 1);
        EXPECT_LE(effects.eff[big].angle, 360);
    }
    EXPECT_TRUE(somestartedlate);
}

TEST_F(Effects, BubbleNearTheTopRisesAndRetiresWithinThreeTicks) {
    int s = addeff(200, 5, 21000, 0, 0);
    float y = effects.eff[s].y;
    int ticks = 0;
    while (effects.eff[s].kind != 0 && ticks < 10) {
        pass();
        ticks++;
        if (effects.eff[s].kind != 0) {
            EXPECT_LE(effects.eff[s].y, y - 2);
            y = effects.eff[s].y;
        }
        EXPECT_EQ(drawnfrom("bubble.png"), 1);
    }
    EXPECT_LE(ticks, 3);
}

TEST_F(Effects, PointsStarLives51TicksThenBurstsIntoBubblesAndStars) {
    effpoint(300, 300);
    EXPECT_EQ(sounds, std::vector<int>{66});
    for (int t = 1; t <= 50; t++) {
        pass();
        ASSERT_EQ(count(828), 1) << "tick " << t;
    }
    EXPECT_EQ(count(21000), 0);
    pass();
    EXPECT_EQ(count(828), 0);
    EXPECT_EQ(count(21000), 5);
    EXPECT_EQ(count(844), 5);   // coloured stars of colour 4
    EXPECT_EQ(count(104), 20);  // falling glows of colour 4
    EXPECT_EQ(sounds, (std::vector<int>{66, 63}));
}

TEST_F(Effects, TaskHookPaysItsPearlsWhenItBursts) {
    static int paid = 0;
    static float px = 0, py = 0;
    paid = 0;
    effhooks.addpearls = [](int amount, float x, float y) {
        paid += amount;
        px = x;
        py = y;
    };
    efftask(400, 200);
    for (int t = 1; t <= 51; t++) pass();
    EXPECT_EQ(count(827), 0);
    EXPECT_EQ(paid, 500);
    EXPECT_FLOAT_EQ(px, 400);
    EXPECT_FLOAT_EQ(py, 180);
    EXPECT_EQ(count(21000), 5);
    EXPECT_EQ(count(842), 5);
    EXPECT_EQ(sounds, (std::vector<int>{66, 61}));
}

float helperx = 300, helpery = 200;
bool helperpos(int, int slot, float& x, float& y) {
    x = helperx;
    y = helpery;
    return slot == 5 || slot == 6;
}

TEST_F(Effects, OnlyOneHelperOfEachGroupPerPass) {
    effhooks.cardpos = helperpos;
    int a = addeff(100, 100, 605, 0, 0);
    int b = addeff(100, 100, 606, 0, 0);
    int c = addeff(100, 100, 705, 0, 0);
    int d = addeff(100, 100, 706, 0, 0);
    pass();
    EXPECT_EQ(effects.eff[a].kind, 605);
    EXPECT_EQ(effects.eff[b].kind, 0);
    EXPECT_EQ(effects.eff[c].kind, 705);
    EXPECT_EQ(effects.eff[d].kind, 0);
}

TEST_F(Effects, SpongeSwimsToItsCardWorksThereAndLeaves) {
    effhooks.cardpos = helperpos;
    static std::vector<std::string> frames;
    frames.clear();
    effhooks.helperframe = [](int helper, int frame) -> Img {
        frames.push_back(std::to_string(helper) + ":" + std::to_string(frame));
        return effimg.starimg;  // any picture, so the draw is recorded
    };
    const float tx = helperx + disp.uixoff + 48, ty = helpery + 71;
    int s = addeff(tx + 400, ty + 300, 605, 0, 0);
    // Swimming there: the age stands still and the helper is drawn mirrored
    // only when it moves right.
    pass();
    EXPECT_EQ(effects.eff[s].age, 0);
    EXPECT_LT(effects.eff[s].x, tx + 400);
    EXPECT_EQ(frames.back(), "1:1");
    bool drawn = false;
    for (auto& c : pf::ctl::drawcalls()) {
        if (c.img != effimg.starimg) continue;
        drawn = true;
        EXPECT_GT(c.sx, 0) << "swimming left: not mirrored";
    }
    EXPECT_TRUE(drawn);
    int ticks = 1;
    while (effects.eff[s].age == 0 && ticks < 500) {
        pass();
        ticks++;
    }
    ASSERT_LT(ticks, 500) << "never arrived";
    EXPECT_NEAR(effects.eff[s].x, tx, 40);
    EXPECT_NEAR(effects.eff[s].y, ty, 30);
    EXPECT_EQ(frames.back(), "1:2");
    pass();
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), 24), 1) << "arrival sound on the second tick at the card";
    while (effects.eff[s].kind == 605 && ticks < 1000) {
        pass();
        ticks++;
    }
    EXPECT_EQ(effects.eff[s].kind, 0);
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), 24), 1);
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), 25), 1);
    EXPECT_GT(count(599) + count(21000), 0) << "it splashed oil and bubbles while working";
}

TEST_F(Effects, HelperWithoutACardIsDropped) {
    effhooks.cardpos = helperpos;
    int a = addeff(100, 100, 650, 0, 0);  // slot 50 holds no card here
    int b = addeff(100, 100, 799, 0, 0);  // not a card slot at all
    pass();
    EXPECT_EQ(effects.eff[a].kind, 0);
    EXPECT_EQ(effects.eff[b].kind, 0);
}

TEST_F(Effects, Kind150DrawsWithTheCurrentAlpha) {
    for (int kind : {150, 151, 159}) {
        cleareffects();
        addeff(300, 300, kind, 0, 0);
        pf::clearscreen();
        pf::setalpha(0.37f);
        draweff();
        ASSERT_EQ(pf::ctl::drawcalls().size(), 1u) << kind;
        EXPECT_FLOAT_EQ(pf::ctl::drawcalls()[0].alpha, 0.37f) << kind;
    }
}

TEST_F(Effects, PassEndsInTheSceneAlphaWithPlainState) {
    effhooks.scenealpha = [] { return 0.4f; };
    addeff(300, 300, 599, 0, 0);    // rotates and scales
    addeff(300, 300, 21000, 0, 0);  // light blend
    pf::setalpha(0.8f);
    draweff();
    EXPECT_FLOAT_EQ(pf::getalpha(), 0.4f);
    EXPECT_EQ(pf::getblend(), 3);
    float sx, sy;
    pf::getscale(sx, sy);
    EXPECT_FLOAT_EQ(sx, 1);
    EXPECT_FLOAT_EQ(sy, 1);
    EXPECT_FLOAT_EQ(pf::getrotation(), 0);
    // The bubble is drawn at the alpha the pass found, not the scene alpha.
    EXPECT_FLOAT_EQ(pf::ctl::drawcalls().back().alpha, 0.8f);
    EXPECT_EQ(pf::ctl::drawcalls().back().blend, 4);
}

TEST_F(Effects, SlowMachinesDropDecorationsAfterOneDrawnTick) {
    struct Case {
        int kind;
        bool cut;
    };
    const Case cases[] = {{1, true},    {105, true},  {155, true},   {599, true},   {826, true},
                          {896, true},  {898, true},  {842, true},   {993, true},   {996, true},
                          {997, true},  {4000, true}, {21000, false}, {21003, false}, {828, false},
                          {897, false}, {894, false}, {579, false},  {8060, false}, {880, false}};
    for (Case c : cases) {
        cleareffects();
        core.fps = 9;
        int s = addeff(300, 300, c.kind, 0.5f, 0.5f);
        effects.eff[s].age = 5;  // well inside every kind's life
        pass();
        EXPECT_EQ(effects.eff[s].kind == 0, c.cut) << c.kind;
        core.fps = 10;
        s = addeff(300, 300, c.kind, 0.5f, 0.5f);
        effects.eff[s].age = 5;
        pass();
        EXPECT_EQ(effects.eff[s].kind, c.kind) << c.kind << " at 10 fps";
    }
}

TEST_F(Effects, KindsWithoutARuleHoldTheirSlotUndrawn) {
    int s = addeff(300, 300, 1008, 1, 1);
    for (int t = 0; t < 20; t++) pass();
    EXPECT_EQ(effects.eff[s].kind, 1008);
    EXPECT_EQ(effects.eff[s].age, 0);
    EXPECT_FLOAT_EQ(effects.eff[s].x, 300);
    EXPECT_TRUE(pf::ctl::drawcalls().empty());
}

TEST_F(Effects, EveryKindRetiresWithinItsLife) {
    effhooks.cardpos = helperpos;
    const int kinds[] = {1, 9, 55, 100, 109, 150, 199, 578, 579, 581, 588, 598, 599, 605, 705,
                         826, 827, 828, 840, 848, 880, 894, 896, 897, 898, 993, 996, 997, 4000, 8000, 8060,
                         21000, 21009, 21200};
    for (int kind : kinds) {
        cleareffects();
        int s = addeff(500, 400, kind, 1, -1);
        int t = 0;
        while (effects.eff[s].kind == kind && t < 1200) {
            pass();
            t++;
        }
        EXPECT_LT(t, 1200) << kind << " never retired";
    }
}

TEST_F(Effects, SpawnersMakeTheirCountsAndSounds) {
    struct Case {
        const char* name;
        void (*spawn)();
        int kind, n;
        std::vector<int> snd;
    };
    const Case cases[] = {
        {"burst", [] { effburst(100, 100, 7, 2); }, 21000, 7, {62}},
        {"burst silent", [] { effburst(100, 100, 3, 4); }, 21000, 3, {}},
        {"colour", [] { effcolourburst(100, 100, 6, 3); }, 21003, 6, {}},
        {"frame", [] { effframe(100, 100); }, 21000, 3 + 12 + 8, {62}},
        {"explode", [] { effexplode(100, 100); }, 109, 60, {1}},
        {"shatter", [] { effshatter(100, 100); }, 898, 10, {}},
        {"stars", [] { effstars(100, 100, 3); }, 843, 5, {}},
        {"glow", [] { effglow(100, 100); }, 993, 25, {}},
    };
    for (const Case& c : cases) {
        cleareffects();
        sounds.clear();
        c.spawn();
        EXPECT_EQ(count(c.kind), c.n) << c.name;
        EXPECT_EQ(effectsinuse(), c.n + (c.kind == 843 ? 20 : 0) + (c.kind == 993 ? 1 : 0)) << c.name;
        EXPECT_EQ(sounds, c.snd) << c.name;
    }
    cleareffects();
    effglow(10, 10);
    EXPECT_EQ(count(897), 1);
    effglowat(10, 10);
    EXPECT_EQ(count(578), 1);
}

TEST_F(Effects, SpawnsDuringThePassRunInItWhenBehindTheCurrentSlot) {
    // A points star in slot 3 bursts: the bubbles land in slots 1.. (slot 3
    // is free again) and behind it; those behind move in the same pass.
    addeff(0, 0, 2000, 0, 0);
    addeff(0, 0, 2000, 0, 0);
    int s = addeff(300, 300, 828, 0, 0);
    effects.eff[s].age = 50;
    pass();
    int moved = 0, still = 0;
    for (int i = 1; i <= 10; i++) {
        if (effects.eff[i].kind != 21000) continue;
        (effects.eff[i].y < 300 ? moved : still)++;
    }
    EXPECT_EQ(moved + still, 5);
    EXPECT_EQ(still, 1);  // the one that took slot 3 itself
}

class Layers : public Effects {};

TEST_F(Layers, FullBubbleLayerDropsNewSpawns) {
    for (int i = 0; i < 99; i++) spawnbubble(100 + i, 700, 5);
    BubbleLayers before = bubblelayers;
    spawnbubble(5, 5, 5);
    for (int i = 1; i <= 99; i++) {
        EXPECT_EQ(bubblelayers.bubble[i].x, before.bubble[i].x);
        EXPECT_EQ(bubblelayers.bubble[i].active, 1);
        EXPECT_GE(bubblelayers.bubble[i].size, 2);
        EXPECT_LE(bubblelayers.bubble[i].size, 30);
    }
    EXPECT_EQ(bubblelayers.bubble[100].active, 0);
    clearbubbles();
    spawnbubble(5, 5, 5);
    EXPECT_EQ(bubblelayers.bubble[1].active, 1);
    EXPECT_EQ(bubblelayers.bubble[2].active, 0);
}

TEST_F(Layers, FarBubblesFirstNearOnesLargerFasterAndMoreOpaque) {
    for (int i = 0; i < 60; i++) spawnbubble(300, 500, 4);
    pf::setalpha(0.9f);
    std::vector<float> y0(100);
    for (int i = 1; i <= 99; i++) y0[i] = bubblelayers.bubble[i].y;
    pf::clearscreen();
    drawbubbles(10);
    const auto& calls = pf::ctl::drawcalls();
    ASSERT_EQ(calls.size(), 60u);
    for (size_t i = 1; i < calls.size(); i++) {
        EXPECT_GE(calls[i].alpha, calls[i - 1].alpha);
        EXPECT_FLOAT_EQ(calls[i].x, 310) << "drawn at x + xoffset before it drifts";
    }
    int nearest = 0;
    for (int i = 1; i <= 60; i++) nearest = std::max(nearest, bubblelayers.bubble[i].size);
    EXPECT_NEAR(calls.back().alpha, 0.9f * 0.033f * nearest, 1e-5);
    for (int i = 1; i <= 60; i++) {
        const LayerBubble& b = bubblelayers.bubble[i];
        EXPECT_NEAR(y0[i] - b.y, 0.05f * b.size, 1e-4);
        EXPECT_EQ(b.active, 2);
    }
    EXPECT_FLOAT_EQ(pf::getalpha(), 0.9f);
}

TEST_F(Layers, BubblesLeaveAtTheTopAndMotesAtTheBottom) {
    spawnbubble(300, -39, 0);
    bubblelayers.bubble[1].size = 30;
    drawbubbles(0);
    EXPECT_EQ(bubblelayers.bubble[1].active, 0);
    spawnfall(300, disp.gfxheight + 39);
    EXPECT_EQ(bubblelayers.fall[1].tint, 20);
    bubblelayers.fall[1].size = 30;
    pf::clearscreen();
    drawfall();
    EXPECT_EQ(bubblelayers.fall[1].active, 0);
    ASSERT_EQ(pf::ctl::drawcalls().size(), 1u);
    EXPECT_EQ(pf::ctl::drawcalls()[0].blend, 4);
    EXPECT_NE(pf::ctl::drawcalls()[0].path.find("deepsealight"), std::string::npos);
    EXPECT_EQ(pf::getblend(), 3);
    clearfall();
}

}  // namespace
