// Whole levels from the shipped level files, played by clicks alone.
#include "platform/control.h"
#include "core/globals.h"
#include "cards_fixture.h"

namespace {

struct Game : CardsTest {
    void SetUp() override {
        CardsTest::SetUp();
        loadcardstuff();
    }
    void TearDown() override { freecardstuff(); }

    static bool start(int level) {
        core.aktlevel = core.playlevel = level;
        sc.points = 0;
        return loadlevel();
    }

    // One decision of a simple player: the first playable card, else the
    // stable, else the new-stable offer. Returns false when nothing is left.
    static bool move() {
        Profile& p = akt();
        if (p.aktflip != 20 || p.movestep != 0 || cg.dealrequest || cg.refill) {
            tick();
            return true;
        }
        for (int i = 1; i <= MAXCARDS; i++)
            if (cg.cardplayable[i]) {
                clickslot(i);
                return true;
            }
        if (p.stablecount >= 2) {
            clickstable();
            return true;
        }
        if (p.items[21] == 0 && p.pearls >= stableprice() && p.stockround == 1) {
            clickat(disp.midx - 70, cg.stabley + 70);
            tick();
            return true;
        }
        // wait for unlocks still counting down
        for (int i = 1; i <= MAXCARDS; i++)
            if (p.card[i].cardtype > 0 && p.card[i].cardface > 1) {
                tick();
                return true;
            }
        return false;
    }
};

}  // namespace

TEST_F(Game, ShippedLevelPlayedToTheLastStack) {
    ASSERT_TRUE(start(1)) << "the level files are generated into the build's data folder";
    EXPECT_EQ(cg.gamestat, 1);
    tick(190);
    ASSERT_EQ(cg.gamestat, 2);
    akt().pearls = 1000;
    int guard = 0;
    while (cg.gamestat == 2 && guard++ < 20000)
        if (!move()) break;
    EXPECT_EQ(cg.gamestat, 3);
    tick(40);
    EXPECT_EQ(cg.gameresult, 1);
    EXPECT_EQ(cg.goalleft, 0);
    for (int s = 1; s <= akt().stacks; s++) EXPECT_EQ(akt().stack[s].stackleft, -1) << s;
    EXPECT_GE(sc.points, 5 * 18 + 25 * 6);
    EXPECT_EQ(sc.endseq, 1);
}

TEST_F(Game, EveryShippedLevelLoads) {
    for (int level : {1, 2, 3, 4, 5, 10, 16, 24}) {
        akt() = Profile{};
        ASSERT_TRUE(start(level)) << level;
        int cards = 0;
        for (int i = 1; i <= MAXCARDS; i++) cards += islayoutcard(i);
        EXPECT_EQ(akt().boardleft, cards);
        EXPECT_GE(akt().stablecount, 2) << level;
        tick(200);
        EXPECT_EQ(cg.gamestat, 2);
        EXPECT_GT(akt().aktcard, 0) << level;
    }
}

// A game left after a draw and resumed from the saved profile goes on exactly
// as the game that was never left.
TEST_F(Game, ResumedGameContinuesExactly) {
    ASSERT_TRUE(start(3));
    tick(200);
    akt().pearls = 1000;
    for (int k = 0; k < 200; k++) move();
    // leave right after a draw has turned up: no combo, nothing flying
    int guard = 0;
    while (!(cg.combo == 0 && akt().aktflip == 20 && akt().movestep == 0 && !cg.dealrequest && cg.refill == 0) &&
           guard++ < 500)
        move();
    ASSERT_EQ(cg.gamestat, 2) << "the test wants a level still running here";
    Profile saved = akt();
    saved.ingame = 1;
    saved.savedpoints = sc.points;
    int framecount = core.framecount;

    auto play = [&] {
        pf::ctl::fixedseed(true, 77);
        pf::seedrnd(0);
        core.framecount = framecount;
        tick();  // the player looks at the table before deciding
        for (int k = 0; k < 600 && cg.gamestat == 2; k++)
            if (!move()) break;
    };
    play();
    Profile reference = akt();
    int refpoints = sc.points, refstat = cg.gamestat;

    resetcardgame();
    akt() = saved;
    core.aktlevel = core.playlevel = 3;
    sc.points = saved.savedpoints;
    ASSERT_TRUE(loadlevel());
    EXPECT_EQ(cg.gamestat, 2);
    play();
    for (int i = 1; i <= MAXCARDS; i++) {
        EXPECT_EQ(slot(i).cardtype, reference.card[i].cardtype) << i;
        EXPECT_EQ(slot(i).cardsuit, reference.card[i].cardsuit) << i;
        EXPECT_EQ(slot(i).cardlock, reference.card[i].cardlock) << i;
        EXPECT_EQ(slot(i).deckused, reference.card[i].deckused) << i;
    }
    for (int s = 1; s <= MAXSTACKS; s++) EXPECT_EQ(akt().stack[s].stackleft, reference.stack[s].stackleft) << s;
    EXPECT_EQ(akt().stablecount, reference.stablecount);
    EXPECT_EQ(akt().aktcard, reference.aktcard);
    EXPECT_EQ(sc.points, refpoints);
    EXPECT_EQ(cg.gamestat, refstat);
}

TEST_F(Game, ResumeMidFlightPutsTheCardBack) {
    ASSERT_TRUE(start(2));
    tick(200);
    int guard = 0;
    while (cg.movecard == 0 && guard++ < 500) move();
    ASSERT_GT(cg.movecard, 0);
    int flying = cg.movecard, stack = slot(flying).cardstack;
    Profile saved = akt();
    saved.ingame = 1;
    resetcardgame();
    akt() = saved;
    core.aktlevel = core.playlevel = 2;
    ASSERT_TRUE(loadlevel());
    EXPECT_EQ(akt().movestep, 0);
    int left = 0;
    for (int i = 1; i <= MAXCARDS; i++) left += islayoutcard(i) && slot(i).cardstack == stack;
    EXPECT_EQ(akt().stack[stack].stackleft, left);
    tick(2);
    EXPECT_EQ(cg.cardplayable[flying], cardfits(flying) ? 1 : 0);
}
