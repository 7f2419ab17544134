// Fish orders over the card table: which order a combo serves, the token's
// flight, the reward and the served fish swimming off.
#include <array>

#include "platform/control.h"
#include "cards/fishorders.h"
#include "cards_fixture.h"
#include "core/screens.h"
#include "present/effects.h"
#include "present/swimfish.h"

namespace {

struct FishOrdersTest : CardsTest {
    void SetUp() override {
        CardsTest::SetUp();
        resetfishorders();
        freefishorderimages();
        loadfishset();
        resetswimfish();
        core.screen = SCREEN_GAME;
    }

    static FishRec& fish(int i) { return akt().fish[i]; }

    static void putfish(int i, int type, std::array<int, 3> orders, int kind = 7, int x = 300, int y = 200) {
        FishRec& f = fish(i);
        f = FishRec{};
        f.fishtype = type;
        f.fishkind = kind;
        f.fishx = x;
        f.fishy = y;
        for (int o = 1; o <= 3; o++) f.fishorder[o] = orders[o - 1];
    }

    static void run(int n) {
        for (int k = 0; k < n; k++) {
            pf::clearscreen();
            core.framecount++;
            drawfish();
        }
    }

    // Ticks until every token has reached its bubble.
    static void land() {
        for (int k = 0; k < 400 && ordertokensinuse() > 0; k++) run(1);
        ASSERT_EQ(ordertokensinuse(), 0);
    }

    static int swimming(int kind) {
        int n = 0;
        for (int k = 1; k <= MAXSWIMFISH; k++)
            if (swimfish.fish[k].swimkind == kind) n++;
        return n;
    }
};

TEST_F(FishOrdersTest, ComboServesExactLengthElseFirstShorterElseNothing) {
    struct Case {
        int combo, fish;
    } cases[] = {{7, 2}, {6, 1}, {5, 1}, {10, 1}, {9, 3}, {4, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.combo);
        resetfishorders();
        putfish(1, 1, {5, 0, 0}, 7, 200);
        putfish(2, 1, {7, 0, 0}, 8, 400);
        putfish(3, 1, {9, 0, 0}, 13, 600);
        run(1);
        serveorder(c.combo, 500, 651);
        for (int f = 1; f <= 3; f++) EXPECT_EQ(fo.inflight[f][1], f == c.fish ? 1 : 0) << f;
        EXPECT_EQ(ordertokensinuse(), c.fish ? 1 : 0);
        land();
        for (int f = 1; f <= 3; f++) EXPECT_EQ(fish(f).fishorder[1] == 0, f == c.fish) << f;
    }
}

TEST_F(FishOrdersTest, LongComboFromTheStableServesAndShortOneDoesNot) {
    putfish(1, 1, {6, 0, 0});
    run(1);
    cg.combo = 5;
    drawfromstable();
    EXPECT_EQ(ordertokensinuse(), 0);
    cg.combo = 6;
    drawfromstable();
    EXPECT_EQ(ordertokensinuse(), 1);
    EXPECT_EQ(fo.inflight[1][1], 1);
}

TEST_F(FishOrdersTest, SameLengthOrdersOnOneFishNeedSeparateCombosAndFishPaysOnce) {
    putfish(1, 2, {6, 6, 0}, 4);
    run(1);
    serveorder(6, 500, 651);
    EXPECT_EQ(ordertokensinuse(), 1);
    land();
    EXPECT_EQ(fish(1).fishorder[1], 0);
    EXPECT_EQ(fish(1).fishorder[2], 6);
    EXPECT_EQ(fish(1).fishtype, 2);  // one order still waits
    EXPECT_EQ(akt().fishserved, 0);

    serveorder(6, 500, 651);
    EXPECT_EQ(fo.inflight[1][2], 1);
    serveorder(6, 500, 651);  // nothing left that is not already on its way
    EXPECT_EQ(ordertokensinuse(), 1);
    land();
    run(1);
    EXPECT_EQ(fish(1).fishtype, 0);
    EXPECT_EQ(akt().fishserved, 1);
    EXPECT_EQ(pearlsearned(), 50);
    EXPECT_EQ(sc.points, 10);
    EXPECT_EQ(swimming(4), 1);
    run(5);
    EXPECT_EQ(akt().fishserved, 1);
    EXPECT_EQ(pearlsearned(), 50);
}

TEST_F(FishOrdersTest, ServedFishPaysByTypeAndSwimsOff) {
    struct Case {
        int type, kind, pearls, points;
    } cases[] = {{1, 7, 25, 5}, {2, 2, 50, 10}, {3, 15, 75, 15}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        SetUp();
        putfish(5, c.type, {0, 0, 0}, c.kind);
        run(1);
        EXPECT_EQ(fish(5).fishtype, 0);
        EXPECT_EQ(pearlsearned(), c.pearls);
        EXPECT_EQ(sc.points, c.points);
        EXPECT_EQ(swimming(c.kind), 1);
    }
}

TEST_F(FishOrdersTest, FishDrawsOneBubblePerWaitingOrderMirroredRightOfMiddleAndShrinksAtLevelEnd) {
    putfish(1, 3, {5, 0, 8}, 1, 200);
    putfish(2, 2, {7, 9, 0}, 2, 800);
    run(30);
    EXPECT_EQ(drawn("pofbubble"), 4);
    EXPECT_EQ(drawn("orderbubble3"), 1);
    EXPECT_EQ(drawn("orderbubble2"), 1);
    EXPECT_EQ(drawn("fishes/f11"), 1);
    EXPECT_EQ(drawn("fishes/f21"), 1);
    for (const auto& d : pf::ctl::drawcalls()) {
        if (d.path.find("fishes/f11") != std::string::npos) EXPECT_GT(d.sx, 0.9f);
        if (d.path.find("fishes/f21") != std::string::npos) EXPECT_LT(d.sx, -0.9f);
    }
    // the bubble of an order sits below its fish, the two of one fish apart
    EXPECT_GT(fo.bubbley[1][1], 200 + 50);
    EXPECT_NE(fo.bubblex[1][1], fo.bubblex[1][3]);

    serveorder(7, 500, 651);
    sc.endseq = 20;
    run(1);
    for (const auto& d : pf::ctl::drawcalls())
        if (d.path.find("fishes/f11") != std::string::npos) EXPECT_FLOAT_EQ(d.sx, 0.0f);
    land();  // an order in flight still arrives after the level has ended
    EXPECT_EQ(fish(2).fishorder[1], 0);
}

TEST_F(FishOrdersTest, DamagedRecordsNeverIndexATable) {
    putfish(1, 9, {5, 5, 5}, 7);
    putfish(2, -4, {5, 0, 0}, 7);
    putfish(3, 1, {99, -3, 0}, 99, -5000, 90000);
    putfish(4, 1, {0, 0, 0}, -7);
    run(3);
    EXPECT_EQ(fish(1).fishtype, 9);  // not a fish: neither drawn nor paid
    EXPECT_EQ(fish(2).fishtype, -4);
    EXPECT_EQ(fish(4).fishtype, 0);  // a fish without orders is still served
    serveorder(5, 500, 651);
    EXPECT_EQ(ordertokensinuse(), 0);
    serveorder(100, 500, 651);  // the 99 is the only order waiting
    EXPECT_EQ(fo.inflight[3][1], 1);
    fo.token[2] = OrderToken{5, 10, 10, 77, 9};  // a token aimed at no order
    run(1);
    EXPECT_EQ(fo.token[2].img, 0);
}

}  // namespace
