#include "cards_fixture.h"

#include <algorithm>
#include <cmath>

#include "cards/extras.h"
#include "core/screens.h"
#include "core/settings.h"
#include "present/sound.h"

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

TEST_F(Special, TheSpongeRocksOnlyOnTheLevelThatTeachesIt) {
    struct Case { int level, tutorial; bool rocks; };
    for (Case c : {Case{3, 1, true}, Case{3, 0, false}, Case{4, 1, false}}) {
        SetUp();
        settings.cardsway = 0;
        lay(1, CT_TOOL, 64, 32, 1, 1, 0, 1);
        lay(2, 9, 300, 32, 2, 1);
        startplay(c.level, 3);
        loadcardstuff();
        tut.tutorialon = c.tutorial;
        settle();
        // by 5 sin(framecount) degrees
        float most = 0, worst = 0;
        for (int t = 0; t < 120; t++) {
            tick();
            bool seen = false;
            for (const auto& d : pf::ctl::drawcalls()) {
                if (d.path.find("spongecard.png") == std::string::npos) continue;
                seen = true;
                float want = c.rocks ? 5 * (float)std::sin(core.framecount * M_PI / 180) : 0.0f;
                worst = std::max(worst, std::fabs(d.rotation - want));
                most = std::max(most, std::fabs(d.rotation));
            }
            ASSERT_TRUE(seen);
        }
        EXPECT_LT(worst, 0.01f) << "level " << c.level << " tutorial " << c.tutorial;
        EXPECT_EQ(most > 4.9f, c.rocks) << "level " << c.level << " tutorial " << c.tutorial;
        freecardstuff();
    }
}

namespace {
int startsof(const std::string& file) {
    int n = 0;
    for (const auto& e : pf::ctl::soundevents())
        if (e.path.size() >= file.size() && e.path.compare(e.path.size() - file.size(), file.size(), file) == 0) n++;
    return n;
}
// Ticks as the main loop runs them for sound: the card game, then the music
// update, which clears the once-per-tick guard of the effects.
void soundtick(int n = 1) {
    for (int k = 0; k < n; k++) {
        CardsTest::tick();
        updatemusic();
    }
}
}  // namespace

// A burst named with its own sound (the slap, the sparkle of 62) must not
// also pop the first bubble sound over it.
TEST_F(Special, BurstsBesideTheSlapOrTheSparkleAddNoBubbleSound) {
    initsound();
    core.screen = SCREEN_GAME;
    core.gamepause = -1;
    settings.soundvolume = 280;
    ASSERT_NE(snd.sounds[SND_BLUBBER], nullptr);

    // a fishslap card played onto the aktcard
    lay(1, CT_FISHSLAP, 64, 32, 1, 1);
    lay(2, 9, 300, 32, 2, 1);
    lay(3, 7, 500, 160, 3, 1, LOCK_OIL, 0, 0);
    lay(4, CT_TOOL, 700, 32, 4, 1, 0, 1);
    startplay(2, 3);
    slot(1).cardface = 10;
    soundtick(12);
    pf::ctl::clearsoundevents();
    clickslot(1);
    updatemusic();
    for (int k = 0; k < 30 && akt().movestep != 0; k++) soundtick();
    ASSERT_EQ(akt().aktcard, AKT_FISHSLAP);
    EXPECT_EQ(startsof("BFGSlap.ogg"), 1);
    EXPECT_EQ(startsof("blubber.ogg"), 0) << "the slap's landing";

    // a fishslap turned up from the stable
    pf::ctl::clearsoundevents();
    akt().aktflip = 0;
    soundtick(20);
    EXPECT_EQ(startsof("BFGSlap.ogg"), 1);
    EXPECT_EQ(startsof("blubber.ogg"), 0) << "the slap from the stable";

    // the sponge: its sparkle at the tool, and the sparkle when the oil is off
    pf::ctl::clearsoundevents();
    clickslot(4);
    updatemusic();
    EXPECT_EQ(startsof("blubber2.ogg"), 1);
    EXPECT_EQ(startsof("blubber.ogg"), 0) << "the sponge played";
    pf::ctl::clearsoundevents();
    for (int k = 0; k < 200 && slot(3).cardface != 10; k++) soundtick();
    ASSERT_EQ(slot(3).cardface, 10);
    EXPECT_EQ(startsof("blubber2.ogg"), 1);
    EXPECT_EQ(startsof("blubber.ogg"), 0) << "the oil cleaned off";
    resetsound();
}
