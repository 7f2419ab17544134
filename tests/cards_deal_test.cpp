#include <set>

#include "core/globals.h"
#include "cards_fixture.h"

namespace {
// n cards of the given type in stacks of three, on the grid
void layout(int n, int type = CT_RANDOM) {
    for (int i = 1; i <= n; i++) {
        int s = (i - 1) / 3 + 1;
        CardsTest::lay(i, type, 16 + 48 * ((s - 1) % 18), 16 + 32 * ((i - 1) % 3) + 160 * ((s - 1) / 18), s % 20 + 1,
                       (i - 1) % 3 + 1);
    }
}
int cardno(int i) { return cardnumber(akt().card[i].cardtype, akt().card[i].cardsuit); }
}  // namespace

using Deal = CardsTest;

TEST_F(Deal, LevelOneFollowsTheSlots) {
    layout(20);
    core.aktlevel = core.playlevel = 1;
    preparecards();
    struct Case { int slot, value, suit; };
    for (Case c : {Case{1, 2, 2}, Case{2, 3, 3}, Case{12, 13, 1}, Case{13, 1, 2}}) {
        EXPECT_EQ(slot(c.slot).cardtype, c.value) << c.slot;
        EXPECT_EQ(slot(c.slot).cardsuit, c.suit) << c.slot;
    }
}

TEST_F(Deal, SlotCardTakenByAFixedCardFallsBackToRandom) {
    // slot 1's card is the 2 of suit 2; fixed twos elsewhere take it first
    layout(17);
    for (int i = 2; i <= 17; i++) slot(i).cardtype = 2;
    core.aktlevel = core.playlevel = 1;
    preparecards();  // must end
    bool taken = false;
    for (int i = 2; i <= 17; i++) taken |= slot(i).cardsuit == 2;
    ASSERT_TRUE(taken) << "this seed must let a fixed two take the 2 of suit 2";
    ASSERT_GE(slot(1).cardtype, 1);
    ASSERT_LE(slot(1).cardtype, 13);
    EXPECT_NE(cardno(1), cardnumber(2, 2));
    EXPECT_EQ(akt().card[cardno(1)].deckused, 1);
}

TEST_F(Deal, FullLayoutHoldsNoCardTwiceAndLeavesOneForTheStable) {
    layout(51);
    core.aktlevel = core.playlevel = 7;
    preparecards();
    std::set<int> seen;
    int deck = 0;
    for (int i = 1; i <= 51; i++) {
        int t = slot(i).cardtype;
        if (t == CT_FISHSLAP || t == CT_BONUS) continue;  // random specials stay deck cards
        ASSERT_TRUE(t >= 1 && t <= 13) << i;
        EXPECT_TRUE(seen.insert(cardno(i)).second) << "slot " << i << " repeats a card";
        deck++;
    }
    EXPECT_EQ(akt().stablecount, 1);
    EXPECT_EQ(akt().stablestart, 1);
    EXPECT_EQ(akt().boardleft, 51);
}

TEST_F(Deal, LockedRandomCardsNeverBecomeSpecial) {
    layout(51);
    for (int i = 1; i <= 51; i++) slot(i).cardlock = LOCK_SHELL;
    for (int round = 0; round < 5; round++) {
        core.aktlevel = core.playlevel = 30;
        preparecards();
        for (int i = 1; i <= 51; i++) {
            ASSERT_TRUE(slot(i).cardtype >= 1 && slot(i).cardtype <= 13) << i;
            EXPECT_EQ(slot(i).cardface, 0) << "locked cards stay face down";
            slot(i).cardtype = CT_RANDOM;
        }
    }
}

TEST_F(Deal, TimingsOfTheDeal) {
    layout(28);
    core.aktlevel = core.playlevel = 6;
    preparecards();
    // columns from the right, each from the top
    int first = 0;
    for (int i = 1; i <= 28; i++)
        if (slot(i).carddealorder == 1) first = i;
    ASSERT_GT(first, 0);
    for (int i = 1; i <= 28; i++) {
        EXPECT_LE(slot(i).cardx, slot(first).cardx);
        if (slot(i).cardx == slot(first).cardx) {
            EXPECT_GE(slot(i).cardy, slot(first).cardy);
        }
    }
    cg.gamestat = 1;
    cg.dealtick = 0;
    int lastleaves = 0;
    for (int t = 1; t <= 190; t++) {
        EXPECT_EQ(cg.gamestat, 1) << t;
        int before = akt().boardleft;
        dealcards();
        if (akt().boardleft < before) lastleaves = t;
    }
    EXPECT_EQ(lastleaves, 106);
    EXPECT_EQ(akt().boardleft, 0);
    EXPECT_EQ(cg.gamestat, 2);
    EXPECT_EQ(cg.dealtick, 190);
    EXPECT_EQ(cg.stablecury, 580);
    for (int i = 1; i <= 28; i++) {  // every flight has ended on its place
        EXPECT_EQ(slot(i).cardposx, slot(i).cardx) << i;
        EXPECT_EQ(slot(i).cardposy, slot(i).cardy) << i;
    }
}

TEST_F(Deal, FreeRuleAndFaceStates) {
    lay(1, 5, 64, 32, 1, 1);                 // covered, face up while covered
    lay(2, 6, 64, 64, 1, 2);                 // free
    lay(3, 7, 200, 32, 2, 1, 0, 0, 0);       // covered, face down while covered
    lay(4, 8, 200, 64, 2, 2, 0, 0, 0);       // free, flip 0 but no lock: turns up
    lay(5, 9, 336, 32, 3, 1, LOCK_OIL, 0, 0);  // free, locked: stays down
    startplay(2);
    settle();
    EXPECT_EQ(slot(1).cardopen, 0);
    EXPECT_EQ(slot(1).cardface, 1);
    EXPECT_EQ(slot(3).cardface, 0);
    EXPECT_EQ(slot(2).cardopen, 1);
    EXPECT_EQ(slot(4).cardopen, 1);
    EXPECT_EQ(slot(4).cardface, 1);
    EXPECT_EQ(slot(4).cardshown, 1);
    EXPECT_EQ(slot(5).cardopen, 1);
    EXPECT_EQ(slot(5).cardface, 0);
    EXPECT_EQ(slot(5).cardlock, LOCK_OIL);
}
