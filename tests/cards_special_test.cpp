#include "cards_fixture.h"
#include "cards/extras.h"

using Special = CardsTest;

namespace {
// ticks until the card's face state comes down to 10 (its turn begins)
int ticksto10(int i) {
    int t = 0;
    while (akt().card[i].cardface != 10 && t < 400) {
        CardsTest::tick();
        t++;
    }
    return t;
}
}  // namespace

TEST_F(Special, UnlockCountdownsByLayer) {
    struct Case { int lock, tool, start; };
    for (Case c : {Case{LOCK_SHELL, 2, 100}, Case{LOCK_OIL, 1, 164}, Case{LOCK_PLANTS, 3, 164}}) {
        SetUp();
        lay(5, 7, 64, 160, 1, 5, c.lock, 0, 0);  // free, layer 5
        lay(9, CT_TOOL, 300, 32, 2, 1, 0, c.tool);
        lay(10, 12, 500, 32, 3, 1);
        startplay(2, 3);
        settle();
        EXPECT_EQ(slot(5).cardface, 0);
        clickslot(9);
        EXPECT_EQ(slot(9).cardtype, 0);
        EXPECT_EQ(cg.combo, 1);
        EXPECT_EQ(sc.points, 10);
        EXPECT_EQ(slot(5).cardface, c.start - 1) << "counted once in the click tick";
        EXPECT_EQ(ticksto10(5) + 1, c.start - 10) << c.lock;
        int removed = akt().stats[14];
        EXPECT_EQ(removed, 1);
        tick(9);
        EXPECT_EQ(slot(5).cardface, 1);
        EXPECT_EQ(slot(5).cardlock, 0);
        EXPECT_EQ(slot(5).cardshown, 1);
        akt().aktvalue = 8;
        tick();
        EXPECT_EQ(cg.cardplayable[5], 1);
    }
}

TEST_F(Special, SpongeWithNothingToClean) {
    lay(1, CT_TOOL, 64, 32, 1, 1, 0, 1);
    lay(2, 9, 64, 64, 2, 1);
    startplay(2, 3);
    settle();
    clickslot(1);
    EXPECT_EQ(sc.points, 10);
    EXPECT_EQ(cg.combo, 1);
    EXPECT_EQ(akt().stack[1].stackleft, 0);
    EXPECT_EQ(akt().aktcard, 3);
}

TEST_F(Special, SecondSpongeRestartsTheCountdown) {
    lay(1, 7, 64, 160, 1, 5, LOCK_OIL, 0, 0);
    lay(2, CT_TOOL, 300, 32, 2, 1, 0, 1);
    lay(3, CT_TOOL, 500, 32, 3, 1, 0, 1);
    startplay(2, 3);
    settle();
    clickslot(2);
    tick(50);
    int mid = slot(1).cardface;
    EXPECT_LT(mid, 120);
    clickslot(3);
    EXPECT_EQ(slot(1).cardface, 163);
}

TEST_F(Special, CoveredOiledCardStaysOiled) {
    lay(1, 7, 64, 32, 1, 1, LOCK_OIL, 0, 0);
    lay(2, 9, 64, 64, 1, 2);
    lay(3, CT_TOOL, 300, 32, 2, 1, 0, 1);
    startplay(2, 3);
    settle();
    clickslot(3);
    tick(200);
    EXPECT_EQ(slot(1).cardlock, LOCK_OIL);
    EXPECT_EQ(slot(1).cardface, 0);
    EXPECT_EQ(akt().stats[14], 0);
}

TEST_F(Special, LockedToolCardGoesInvisibly) {
    lay(1, CT_TOOL, 64, 32, 1, 1, LOCK_PLANTS, 1, 0);  // a sponge under plants
    lay(2, CT_TOOL, 300, 32, 2, 1, 0, 3);              // the antiplant
    lay(3, 9, 500, 32, 3, 1);
    startplay(2, 3);
    loadcardstuff();
    settle();
    clickslot(2);
    ASSERT_EQ(slot(1).cardface, 174 - 2 - 1);  // layer 1, counted once in the click tick
    for (int t = 0; t < 200 && slot(1).cardtype != 0; t++) {
        tick();
        EXPECT_EQ(drawn("spongecard"), 0) << "the tool itself never shows";
    }
    EXPECT_EQ(slot(1).cardtype, 0);
    EXPECT_EQ(akt().stack[1].stackleft, 0);
    freecardstuff();
}

TEST_F(Special, MarkerDoublesLaterAwards) {
    lay(1, CT_BONUS, 64, 32, 1, 1, 0, 3);
    lay(2, 4, 200, 32, 2, 1);
    lay(3, CT_BONUS, 336, 32, 3, 1, 0, 3);
    lay(4, CT_BONUS, 472, 32, 4, 1, 0, 2);
    lay(5, 12, 600, 32, 5, 1);
    startplay(2, 3);
    settle();
    clickslot(1);
    EXPECT_EQ(sc.points, 25);
    EXPECT_EQ(akt().pointmult, 2);
    EXPECT_EQ(slot(1).cardtype, 0);
    EXPECT_EQ(slot(1).cardparam, 0);
    tick();  // stack 1 cleared: 25 doubled
    EXPECT_EQ(sc.points, 75);
    clickslot(2);
    EXPECT_EQ(sc.points, 85);
    waitidle();
    clickslot(3);  // a second marker pays, the multiplier stays 2
    EXPECT_EQ(akt().pointmult, 2);
    tick();  // stack 3 cleared, with its pearls
    int pearls = pearlsearned();
    clickslot(4);
    EXPECT_EQ(pearlsearned() - pearls, 100);
    EXPECT_EQ(cg.combo, 4) << "bonus cards count in the combo";
}

TEST_F(Special, HelperCardBringsItsHelper) {
    lay(1, CT_HELPER, 64, 32, 1, 1, 0, 6);
    lay(2, 9, 300, 32, 2, 1);
    startplay(2, 3);
    slot(1).cardface = 10;
    settle();
    clickslot(1);
    EXPECT_EQ(slot(1).cardtype, 0);
    EXPECT_EQ(extras.helperarrive[6], 1);
    EXPECT_EQ(sc.points, 10);
    EXPECT_EQ(cg.combo, 1);
    EXPECT_EQ(akt().stack[1].stackleft, 0);
}
