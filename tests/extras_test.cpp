// Extras and fish helpers: used from their bars as the player does, then run
// tick by tick with the rules.
#include "cards/extras.h"

#include "cards/cardart.h"
#include "cards_fixture.h"
#include "menus/popups.h"
#include "meta/shop.h"

namespace {

struct Extras : CardsTest {
    void SetUp() override {
        CardsTest::SetUp();
        pf::automidhandle(true);
        loadpopupgraphics();
        loadcardstuff();
        loadextrastuff();
    }
    void TearDown() override {
        freeextrastuff();
        freecardstuff();
    }

    // One tick of the table with the two bars, as the HUD draws them.
    static void frame(int n = 1) {
        for (int k = 0; k < n; k++) {
            pf::clearscreen();
            core.framecount++;
            playdispatch();
            drawextrabar();
            drawhelpers();
        }
    }
    static void press(int x, int y) {
        in.mx = x;
        in.my = y;
        in.mhit1 = 1;
        in.mdown1 = 1;
        in.mdowntime1 = 1;
        frame();
        in.mhit1 = 0;
        in.mdown1 = 0;
        in.mdowntime1 = 0;
    }
    static void useextra(int slotnr) { press(extraslotx(slotnr) + 48, disp.gfxheight - 149 + 71); }
    // Puts the extra into slot 1, clicks it and lets it fly onto the aktcard.
    // It lands at the end of the last of these ticks.
    static void landextra(int kind) {
        akt().extrabar[1] = kind;
        useextra(1);
        frame(EXTRA_FLIGHTTICKS - 1);
    }
    static void helperpos(int i, int& x, int& y) {
        helperoffset(i, x, y);
        x += disp.gfxwidth - 190;
        y += disp.gfxheight - 107;
    }
    static void usehelper(int i) {
        int x, y;
        helperpos(i, x, y);
        press(x, y);
        frame(EXTRA_FLIGHTTICKS);
    }
    // A row of single free cards of the given values, one stack each.
    static void row(std::initializer_list<int> values) {
        int i = 0;
        for (int v : values) {
            i++;
            lay(i, v, 16 + 100 * (i - 1), 200, i, 1);
        }
    }
};

TEST_F(Extras, UsingAnExtraCountsInTheComboAndLeavesItsSlot) {
    row({9, 9});
    startplay(2, 5);
    settle();
    akt().extrabar[2] = ITEM_FISHSLAP;
    useextra(2);
    EXPECT_EQ(cg.combo, 1);
    EXPECT_EQ(akt().stats[7], 1);
    EXPECT_EQ(akt().levelcount1, 1);
    frame(EXTRA_FLIGHTTICKS);
    EXPECT_EQ(akt().extrabar[2], 0);
    EXPECT_EQ(akt().aktcard, AKT_FISHSLAP);
    EXPECT_EQ(akt().aktsave, 5);
    EXPECT_TRUE(cardfits(1));  // a 9 on the fishslap
}

TEST_F(Extras, BlowfishEndsTheComboAndPaysIt) {
    row({9});
    startplay(2, 5);
    settle();
    cg.combo = 4;
    int stable = akt().stablecount;
    landextra(ITEM_BLOWFISH);
    EXPECT_EQ(cg.combo, 0);
    EXPECT_EQ(cg.combolast, 5);
    EXPECT_EQ(cg.combosign, 1);
    frame();
    EXPECT_EQ(akt().stablecount, stable - 1);  // a card came from the stable
}

TEST_F(Extras, BlowfishOnAnEmptyStableGivesTheOldCardBack) {
    row({9});
    startplay(2, 5);
    settle();
    akt().stablecount = 1;
    landextra(ITEM_BLOWFISH);
    frame();
    EXPECT_EQ(akt().aktcard, 5);
    EXPECT_EQ(akt().aktvalue, 5);
}

TEST_F(Extras, CrabLetsEveryCardFitThenRestoresTheAktcard) {
    row({9, 11, 2});
    startplay(2, 5);
    settle();
    landextra(ITEM_CRAB);
    EXPECT_TRUE(crabactive());
    EXPECT_EQ(clickcode(1), 1);
    clickslot(2);  // the jack flies onto the crab while it works
    for (int k = 0; k < 30 && akt().movestep; k++) frame();
    EXPECT_EQ(akt().aktvalue, 11);
    frame(EXTRA_LONGTICKS);
    EXPECT_FALSE(crabactive());
    EXPECT_EQ(akt().aktcard, 5);
    EXPECT_EQ(akt().aktvalue, 5);
}

TEST_F(Extras, ClicksWaitWhileAnExtraOtherThanTheCrabWorks) {
    row({4, 6});
    startplay(2, 5);
    akt().helpers[1] = 1;
    akt().extrabar[2] = ITEM_FISHSLAP;
    settle();
    landextra(ITEM_ZOMBIEKILLER);  // waits for a card to be chosen
    ASSERT_TRUE(otherextraactive());
    int stable = akt().stablecount;
    useextra(2);
    EXPECT_EQ(akt().extrabar[2], ITEM_FISHSLAP);
    usehelper(1);
    EXPECT_EQ(akt().helpers[1], 1);
    clickstable();
    frame();
    EXPECT_EQ(akt().stablecount, stable);
    EXPECT_EQ(akt().movestep, 0);
}

TEST_F(Extras, ZombieKillerRemovesTheChosenCardAndGivesTheAktcardBack) {
    row({9, 4});
    startplay(2, 5);
    settle();
    landextra(ITEM_ZOMBIEKILLER);
    press(slot(1).cardx + 48, slot(1).cardy + 70);
    EXPECT_EQ(extras.zombietarget, 1);
    EXPECT_EQ(akt().stats[3], 1);
    frame(20);
    EXPECT_EQ(slot(1).cardtype, 9);
    frame();  // its 23rd tick
    EXPECT_EQ(slot(1).cardtype, 0);
    EXPECT_EQ(akt().stack[1].stackleft, 0);
    EXPECT_EQ(slot(2).cardtype, 4);
    frame(30);
    EXPECT_FALSE(otherextraactive());
    EXPECT_EQ(akt().aktcard, 5);
}

TEST_F(Extras, BlasterClearsAStackWithItsCoveredCards) {
    lay(1, 9, 100, 100, 1, 1, LOCK_OIL, 0, 0);  // covered and locked
    lay(2, 3, 100, 130, 1, 2, 0, 0, 0);   // face down
    lay(3, 7, 100, 160, 1, 3);            // on top, free
    lay(4, 8, 400, 100, 2, 1);
    startplay(2, 5);
    settle();
    ASSERT_EQ(slot(3).cardopen, 1);
    ASSERT_EQ(akt().stack[1].stackleft, 3);
    landextra(ITEM_ZOMBIEBLASTER);
    press(slot(3).cardx + 48, slot(3).cardy + 100);
    frame(EXTRA_ZOMBIETICKS);
    for (int i = 1; i <= 3; i++) EXPECT_EQ(slot(i).cardtype, 0) << i;
    EXPECT_EQ(akt().stack[1].stackleft, -1);  // counted as cleared
    EXPECT_EQ(slot(4).cardtype, 8);
    EXPECT_EQ(akt().aktcard, 5);
}

TEST_F(Extras, OctopusOnAShortStableTakesTheFirstThreeEligibleCards) {
    lay(1, 9, 16, 100, 1, 1, LOCK_OIL, 0, 0);  // face down under oil: not eligible
    for (int i = 2; i <= 6; i++) lay(i, i + 1, 16 + 100 * i, 300, i, 1);
    startplay(2, 5);
    settle();
    akt().stablecount = 3;
    landextra(ITEM_OCTOPUS);
    frame();
    EXPECT_EQ(extras.octopicks, 3);
    EXPECT_EQ(extras.pick[1].slot, 2);
    EXPECT_EQ(extras.pick[2].slot, 3);
    EXPECT_EQ(extras.pick[3].slot, 4);
    frame(EXTRA_LONGTICKS);
    for (int i : {2, 3, 4}) EXPECT_EQ(slot(i).cardtype, 0) << i;
    EXPECT_NE(slot(5).cardtype, 0);
    EXPECT_EQ(extras.counter[ITEM_OCTOPUS], 0);
}

TEST_F(Extras, SpongeExtraTurnsAFreeSpongeToolIntoAFishslap) {
    lay(1, CT_TOOL, 16, 100, 1, 1, 0, LOCK_OIL);
    lay(2, CT_TOOL, 216, 100, 2, 1, 0, LOCK_SHELL);
    lay(3, 8, 416, 100, 3, 1, LOCK_OIL, 0, 0);
    startplay(2, 5);
    settle();
    landextra(ITEM_SPONGE);
    frame();
    EXPECT_EQ(slot(1).cardtype, CT_FISHSLAP);
    EXPECT_EQ(slot(2).cardtype, CT_TOOL);  // the lamp stays a lamp
    EXPECT_GT(slot(3).cardface, 10);       // the oil starts coming off
    frame(EXTRA_LONGTICKS);
    EXPECT_EQ(slot(1).cardface, 1);
    EXPECT_EQ(clickcode(1), 1);
    EXPECT_EQ(akt().aktcard, 5);
}

TEST_F(Extras, RandomBecomesOneOfNineAndKeepsTheCardFromBefore) {
    row({9});
    startplay(2, 5);
    settle();
    landextra(ITEM_RANDOM);
    frame(EXTRA_RANDOMTICKS);
    EXPECT_EQ(extras.counter[ITEM_RANDOM], 0);
    ASSERT_GE(extras.randompick, 1);
    ASSERT_LE(extras.randompick, 9);
    EXPECT_EQ(akt().aktsave, 5);
}

TEST_F(Extras, HelperOneAcceptsKingsAndTwos) {
    row({13, 2, 5});
    startplay(2, 7);
    akt().helpers[1] = 1;
    settle();
    usehelper(1);
    EXPECT_EQ(akt().aktcard, AKT_HELPER + 1);
    EXPECT_EQ(akt().aktvalue, 1);
    EXPECT_EQ(akt().helpers[1], 0);
    EXPECT_EQ(cg.combo, 1);
    EXPECT_TRUE(cardfits(1));
    EXPECT_TRUE(cardfits(2));
    EXPECT_FALSE(cardfits(3));
}

TEST_F(Extras, LoyalHelpersComeBackAfterUse) {
    row({9});
    startplay(2, 7);
    akt().helpers[4] = 1;
    akt().items[ITEM_HELPERRETURN] = 1;
    settle();
    usehelper(4);
    EXPECT_EQ(akt().helpers[4], 0);
    frame(25);
    EXPECT_EQ(akt().helpers[4], 1);
}

TEST_F(Extras, FirstVisitGiftOnLevelTwoComesOnce) {
    row({9});
    startplay(2, 7);
    akt().maxlevel = 2;
    akt().helpers[5] = 1;
    settle();
    gs.leveltick = FIRSTVISIT_TICK;
    frame();
    EXPECT_GT(extras.helperarrive[3], 0);
    EXPECT_EQ(extras.helperarrive[5], 0);  // already there
    EXPECT_GT(extras.helperarrive[7], 0);
    frame(HELPER_ARRIVETICKS);
    EXPECT_EQ(akt().helpers[3], 1);
    EXPECT_EQ(akt().helpers[7], 1);
    akt().helpers[3] = 0;
    gs.leveltick = FIRSTVISIT_TICK;
    frame();
    EXPECT_EQ(extras.helperarrive[3], 0);
}

}  // namespace
