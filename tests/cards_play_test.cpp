#include "cards_fixture.h"

using Play = CardsTest;

TEST(FitRule, NeighboursWithTheWrap) {
    struct Case { int value, akt; bool fits; };
    for (Case c : {Case{12, 13, true}, Case{1, 13, true}, Case{13, 1, true}, Case{2, 1, true}, Case{7, 8, true},
                   Case{7, 6, true}, Case{7, 7, false}, Case{5, 13, false}, Case{13, 13, false}, Case{1, 1, false},
                   Case{12, 1, false}, Case{2, 13, false}})
        EXPECT_EQ(fitsvalue(c.value, c.akt), c.fits) << c.value << " on " << c.akt;
    for (int v = 1; v <= 13; v++) EXPECT_FALSE(fitsvalue(v, NOVALUE)) << v;
}

TEST_F(Play, FishslapTakesAnythingAndCoveredCardsNever) {
    lay(1, 5, 64, 32, 1, 1);
    lay(2, 9, 64, 64, 1, 2);
    lay(3, 13, 200, 32, 2, 1);
    startplay(2, 3);
    akt().aktcard = AKT_FISHSLAP;
    settle();
    EXPECT_EQ(cg.cardplayable[2], 1);
    EXPECT_EQ(cg.cardplayable[3], 1);
    EXPECT_EQ(cg.cardplayable[1], 0) << "covered, though face up";
    akt().aktcard = 4;
    akt().aktvalue = 4;
    tick();
    EXPECT_EQ(cg.cardplayable[1], 0);
    EXPECT_EQ(cg.cardplayable[2], 0);
    akt().aktvalue = NOVALUE;
    tick();
    EXPECT_EQ(cg.anyplayable, 0);
    // once the card above starts flying, the one below is free the next tick
    akt().aktvalue = 10;
    clickslot(2);
    EXPECT_EQ(cg.movecard, 2);
    tick();
    akt().aktvalue = 4;
    tick();
    EXPECT_EQ(cg.cardplayable[1], 1);
}

TEST_F(Play, ClickOnAFreeCardThatDoesNotFit) {
    lay(1, 5, 64, 32, 1, 1);
    lay(2, 9, 200, 32, 2, 1);
    startplay(2, 3);
    settle();
    Profile before = akt();
    int points = sc.points;
    clickslot(2);
    EXPECT_EQ(cg.sign[1].kind, 1);
    EXPECT_EQ(cg.sign[1].x, 200 + 48);
    EXPECT_EQ(cg.sign[1].y, 32 + 71);
    EXPECT_EQ(cg.movecard, 0);
    EXPECT_EQ(cg.combo, 0);
    EXPECT_EQ(sc.points, points);
    for (int i = 1; i <= MAXCARDS; i++) EXPECT_EQ(slot(i).cardtype, before.card[i].cardtype);
    EXPECT_EQ(akt().stack[2].stackleft, 1);
    EXPECT_EQ(akt().aktcard, 3);
    EXPECT_EQ(akt().stablecount, before.stablecount);
}

TEST_F(Play, PlayingACardFliesItOntoTheAktcard) {
    lay(1, 4, 64, 32, 1, 1);
    lay(2, 9, 200, 32, 2, 1);
    startplay(2, 3);
    settle();
    int suit = slot(1).cardsuit;
    clickslot(1);
    EXPECT_EQ(cg.combo, 1);
    EXPECT_EQ(sc.points, 5);
    EXPECT_EQ(akt().stack[1].stackleft, 0);
    tick(17);
    EXPECT_EQ(akt().aktcard, 3) << "still flying";
    tick();
    EXPECT_EQ(akt().aktcard, cardnumber(4, suit));
    EXPECT_EQ(akt().aktvalue, 4);
    EXPECT_EQ(slot(1).cardtype, 0);
    EXPECT_EQ(akt().movestep, 0);
}

// Plays n cards in a run of neighbours, then draws: the combo pays from 5 on.
TEST_F(Play, ComboPaysFromFive) {
    for (int n : {4, 5}) {
        SetUp();
        for (int i = 1; i <= n; i++) lay(i, i + 1, 64 + 128 * (i - 1), 32, i, 1);
        lay(20, 13, 64, 300, n + 1, 1);  // keeps the level going
        startplay(2, 1);
        settle();
        for (int i = 1; i <= n; i++) {
            clickslot(i);
            waitidle();
        }
        ASSERT_EQ(cg.combo, n);
        int played = sc.points;
        EXPECT_EQ(played, 5 * n + 25 * n);  // 5 a card; each one-card stack cleared pays 25
        clickstable();
        EXPECT_EQ(cg.combo, 0);
        tick();
        EXPECT_EQ(sc.points - played, n >= 5 ? 5 * n : 0) << n;
        EXPECT_EQ(akt().bestcombo, n >= 5 ? n : 0);
    }
}

TEST_F(Play, StableCountsDownToOneAndKeepsItsLastCard) {
    for (int i = 1; i <= 45; i++) lay(i, CT_RANDOM, 16 + 64 * ((i - 1) / 3), 16 + 32 * ((i - 1) % 3), (i - 1) / 3 + 1, (i - 1) % 3 + 1);
    startplay(2, 1);
    akt().aktvalue = NOVALUE;
    ASSERT_EQ(akt().stablecount, 7);
    settle();
    int draws = 0;
    while (akt().stablecount > 1 && draws < 20) {
        akt().aktvalue = NOVALUE;  // nothing fits: the stable is the only move
        clickstable();
        waitidle();
        draws++;
    }
    EXPECT_EQ(draws, 6) << "one card a draw, the last one stays";
    int aktcard = akt().aktcard, dealt = 0;
    for (int n = 1; n <= 52; n++) dealt += akt().card[n].deckused == 2;
    for (int k = 0; k < 3; k++) {
        clickstable();
        waitidle();
    }
    EXPECT_EQ(akt().stablecount, 1);
    EXPECT_EQ(akt().aktcard, aktcard);
    int after = 0;
    for (int n = 1; n <= 52; n++) after += akt().card[n].deckused == 2;
    EXPECT_EQ(after, dealt);
}

TEST_F(Play, LevelOneDealsTheFishslapAtTenAndThree) {
    for (int i = 1; i <= 30; i++) lay(i, CT_RANDOM, 16 + 64 * ((i - 1) / 3), 16 + 32 * ((i - 1) % 3), (i - 1) / 3 + 1, (i - 1) % 3 + 1);
    startplay(1, 1);
    settle();
    while (akt().stablecount > 2) {
        akt().aktvalue = NOVALUE;
        clickstable();
        waitidle();
        int left = akt().stablecount;
        if (left == 10 || left == 3) EXPECT_EQ(akt().aktcard, AKT_FISHSLAP) << left;
        else EXPECT_NE(akt().aktcard, AKT_FISHSLAP) << left;
    }
}

TEST_F(Play, SkippedStackCountsAsClearedAtOnce) {
    lay(1, 5, 64, 32, 1, 1);
    lay(2, 9, 300, 32, 3, 1);
    startplay(2, 3);
    akt().stack[2].stackx = 400;
    akt().stack[2].stacky = 50;
    tick();
    EXPECT_EQ(akt().bossdamage, 1);
    EXPECT_EQ(akt().stack[2].stackleft, -1);
    EXPECT_EQ(akt().stack[2].stacktop, -11);
    EXPECT_EQ(sc.points, 25);
    EXPECT_EQ(pearlsearned(), 12);
    EXPECT_EQ(cg.sign[1].kind, 2);
    EXPECT_EQ(cg.gamestat, 2);
    tick();
    EXPECT_EQ(akt().bossdamage, 1) << "counted once";
}

TEST_F(Play, LastStackEndsTheLevelWhileItsCardFlies) {
    lay(1, 4, 64, 32, 1, 1);
    startplay(2, 3);
    settle();
    int suit = slot(1).cardsuit;
    clickslot(1);
    tick();
    EXPECT_EQ(cg.gamestat, 3);
    EXPECT_EQ(cg.movecard, 1);
    tick(20);
    EXPECT_EQ(cg.gameresult, 1);
    EXPECT_EQ(akt().aktcard, cardnumber(4, suit)) << "the card still landed";
    EXPECT_EQ(cg.movecard, 0);
    tick(10);
    EXPECT_EQ(sc.endseq, 1);
}

TEST_F(Play, EndOfferAfterFortyOneTicks) {
    lay(1, 9, 64, 32, 1, 1);
    startplay(2, 3);
    akt().stablecount = 1;
    settle();
    cg.offercount = 0;
    cg.offerpanel = 0;
    int t = 0;
    while (cg.offerpanel == 0 && t < 100) {
        tick();
        t++;
    }
    EXPECT_EQ(t, 41);
    // a card that fits takes the offer away at once
    akt().aktvalue = 8;
    tick();
    EXPECT_EQ(cg.offercount, 0);
    EXPECT_EQ(cg.offerpanel, 0);
}

TEST_F(Play, BuyingANewStableRefillsIt) {
    for (int i = 1; i <= 40; i++) lay(i, CT_RANDOM, 16 + 64 * ((i - 1) / 3), 16 + 32 * ((i - 1) % 3), (i - 1) / 3 + 1, (i - 1) % 3 + 1);
    startplay(2, 1);
    akt().pearls = 1000;
    settle();
    while (akt().stablecount > 1) {
        akt().aktvalue = NOVALUE;
        clickstable();
        waitidle();
    }
    clickat(disp.midx - 70, cg.stabley + 70);  // the offer
    EXPECT_EQ(akt().items[21], 1);
    EXPECT_EQ(akt().pearls, 1000 - stableprice());
    tick();
    EXPECT_GT(cg.refill, 0);
    EXPECT_EQ(akt().items[21], 0);
    tick(150);
    EXPECT_EQ(akt().stablecount, akt().stablestart - 1);
    EXPECT_EQ(akt().stockround, 2);
}
