// The card-game screen: points and stars, click flooding, pearl tokens, the
// level end and its resets, the level clock, the tutorial, the active-items
// panel and the in-level menu.
#include <gtest/gtest.h>

#include <csignal>

#include "app/startup.h"
#include "meta/map.h"
#include "meta/trophies.h"
#include "platform/control.h"
#include "cards/cardgame.h"
#include "cards/gamescreen.h"
#include "core/globals.h"
#include "core/loop.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "menus/popups.h"
#include "present/sound.h"
#include "gamescreen_fixture.h"
#include "testutil.h"

namespace {

struct Screen : GameScreenFixture {

    // Enters a level the way the fade does, from the map.
    static void enter(int level) {
        core.playlevel = level;
        core.screen = SCREEN_MAP;
        instgame();
        fade.fadestate = 1;
        fade.fadelevel = 255;
    }

    // One tick of the screen alone (no input sampling).
    static void frame(int n = 1) {
        for (int k = 0; k < n; k++) {
            pf::clearscreen();
            core.framecount++;
            showgame();
        }
    }

    static void shownpointsreach() {
        for (int k = 0; k < 400 && hud.shownpoints != sc.points; k++) {
            pf::clearscreen();
            drawpointsbar();
        }
    }

    static int stars() {
        int n = 0;
        for (int k = 1; k <= 3; k++) n += akt().starstate[k] > 0;
        return n;
    }

    static int drawn(const std::string& part) {
        int n = 0;
        for (const auto& d : pf::ctl::drawcalls())
            if (d.path.find(part) != std::string::npos) n++;
        return n;
    }
};

// ---- points and stars ----------------------------------------------------

TEST_F(Screen, StarsFollowThePointsReachedWithTheMultiplier) {
    struct Case {
        int award, mult, stars;
    } cases[] = {{324, 1, 0}, {325, 1, 1}, {400, 1, 2}, {500, 1, 3}, {162, 2, 0}, {163, 2, 1}, {250, 2, 3}};
    for (const Case& c : cases) {
        akt() = Profile{};
        sc.points = 0;
        hud.shownpoints = 0;
        sc.starlock = 0;
        akt().pointmult = c.mult;
        addpoints(c.award, disp.midx, disp.midy);
        shownpointsreach();
        EXPECT_EQ(stars(), c.stars) << c.award << " x" << c.mult;
    }
}

TEST_F(Screen, EarnedStarsStayWhenPointsFallAndTheLockHoldsThemBack) {
    addpoints(410, 100, 100);
    shownpointsreach();
    EXPECT_EQ(stars(), 2);
    sc.points = 0;
    shownpointsreach();
    EXPECT_EQ(stars(), 2);

    akt() = Profile{};
    sc.starlock = 1;
    sc.points = 600;
    shownpointsreach();
    EXPECT_EQ(stars(), 0);
    EXPECT_EQ(drawn("starempty"), 0) << "locked empty stars are not shown";
}

TEST_F(Screen, AwardsOffTheScreenDoNotCount) {
    struct Case {
        int x, y;
        bool counts;
    } cases[] = {{0, 300, false}, {1024, 300, false}, {500, 0, false}, {500, 768, false}, {-40, 300, false}, {500, 900, false}, {1, 1, true}, {1023, 767, true}};
    for (const Case& c : cases) {
        sc.points = 0;
        addpoints(25, c.x, c.y);
        EXPECT_EQ(sc.points, c.counts ? 25 : 0) << c.x << "," << c.y;
    }
}

// ---- click flooding ---------------------------------------------------------

TEST_F(Screen, SixthClickWithinSixtyFiveTicksCostsFiftyPoints) {
    struct Case {
        int points, gap, after;
    } cases[] = {{200, 5, 150}, {30, 5, 0}, {50, 5, 0}, {200, 14, 200}};
    for (const Case& c : cases) {
        resetscoring();
        core.framecount = 1000;
        sc.clickstart = core.framecount;
        sc.points = c.points;
        for (int k = 1; k <= 6; k++) {
            core.framecount += c.gap;
            in.mhit1 = 1;
            clickcheck();
            in.mhit1 = 0;
        }
        EXPECT_EQ(sc.points, c.after) << c.points << " gap " << c.gap;
        EXPECT_EQ(sc.clickcount, 0);
    }
}

TEST_F(Screen, ClicksIntoAPopupAreNotCounted) {
    pop.popup = 298;
    sc.points = 100;
    for (int k = 0; k < 10; k++) {
        in.mhit2 = 1;
        clickcheck();
    }
    EXPECT_EQ(sc.clickcount, 0);
    EXPECT_EQ(sc.points, 100);
}

// ---- pearls -----------------------------------------------------------------

TEST_F(Screen, PearlsArrivePaidByTheirTokensAndTheFiftiethIsLost) {
    for (int k = 1; k <= 49; k++) pearltoken(500, 400, 1);
    pearltoken(500, 400, 100);
    EXPECT_EQ(sc.token[MAXPEARLTOKENS].amount, 0);
    EXPECT_EQ(akt().pearls, 0) << "nothing is paid before the tokens arrive";
    for (int k = 0; k < 300; k++) movepearls();
    EXPECT_EQ(akt().pearls, 49);
    for (int k = 1; k <= MAXPEARLTOKENS; k++) EXPECT_EQ(sc.token[k].amount, 0);
}

TEST_F(Screen, ItemTwentyFourDoublesPearlAwards) {
    akt().items[24] = 2;
    addpearls(12, 300, 300);
    for (int k = 0; k < 300; k++) movepearls();
    EXPECT_EQ(akt().pearls, 24);
}

// ---- level end ------------------------------------------------------------------

struct LevelEnd : Screen {
    void SetUp() override {
        Screen::SetUp();
        core.screen = SCREEN_GAME;
        core.aktlevel = core.playlevel = 3;
        cg.gamestat = 3;
        cg.gameresult = 1;
        sc.endseq = 1;
        fade.fadestate = 1;
        pop.buttonlayer = 1;
        akt().stablecount = 1;
    }
    static void run(int ticks) {
        for (int k = 0; k < ticks; k++) {
            pf::clearscreen();
            core.framecount++;
            makewin();
            movepearls();
        }
    }
    // Waits until the presentation reaches tick `at`, then clicks continue.
    static void clickcontinue(int at = 330) {
        run(at - sc.endseq);
        in.mx = disp.midx;
        in.my = (int)sc.resultbuttony;
        in.mhit1 = 1;
        run(1);
        in.mhit1 = 0;
    }
};

TEST_F(LevelEnd, WinWithEightCardsLeftAwardsTrophyFifteen) {
    for (int left : {7, 8}) {
        akt().trophywon[15] = 0;
        newtrophyvisit();
        sc.endseq = 1;
        akt().stablecount = left;
        run(5);
        EXPECT_EQ(akt().trophywon[15], left > 7 ? 1 : 0) << left;
    }
}

TEST_F(LevelEnd, StarsAreCountedPaidAndStoredAtContinue) {
    Profile& p = akt();
    p.maxlevel = p.sellevel = 3;
    p.items[25] = 2;
    p.items[23] = 0;
    p.starstate[1] = p.starstate[2] = 1;
    sc.points = 420;
    clickcontinue();
    EXPECT_EQ(sc.wonstars, 2);
    EXPECT_EQ(p.levelstars[3], 2);
    EXPECT_EQ(p.maxlevel, 4);
    EXPECT_EQ(p.sellevel, 4);
    EXPECT_EQ(p.totalpoints, 420);
    EXPECT_EQ(p.items[25], 1) << "active items last a number of won levels";
    EXPECT_EQ(p.items[23], 0);
    EXPECT_EQ(mapstate.unlocklevel, 4);
    EXPECT_EQ(p.stats[21], 2);
    EXPECT_EQ(p.stats[1], 0);
    // 2 x 50 pearls, paid though their tokens were still flying to the bar
    EXPECT_EQ(p.pearls, 100);
    EXPECT_EQ(pearlsunderway(), 0);
    EXPECT_EQ(sc.starlock, 1);
}

TEST_F(LevelEnd, StarPearlsArePaidOnceHoweverSoonThePlayerContinues) {
    // 200: no star has sent its pearls yet; 300: all three tokens are in
    // flight; 700: all of them have arrived
    for (int at : {200, 300, 700}) {
        SetUp();
        Profile& p = akt();
        p.maxlevel = p.sellevel = 3;
        p.pearls = 7;
        p.starstate[1] = p.starstate[2] = p.starstate[3] = 1;
        sc.points = 520;
        clickcontinue(at);
        ASSERT_EQ(fade.fadeto, SCREEN_MAP) << at;
        EXPECT_EQ(p.pearls, 7 + 150) << at;
        EXPECT_EQ(pearlsunderway(), 0) << at;
        run(200);  // nothing left to arrive a second time
        EXPECT_EQ(p.pearls, 7 + 150) << at;
        loadplayers(0);
        EXPECT_EQ(akt().pearls, 7 + 150) << "the file, continued at " << at;
    }
}

TEST_F(LevelEnd, ReplayWithFewerStarsLowersTheStoredStars) {
    Profile& p = akt();
    p.maxlevel = 6;
    p.sellevel = 3;
    p.levelstars[3] = 3;
    p.starstate[1] = 1;
    clickcontinue();
    EXPECT_EQ(p.levelstars[3], 1);
    EXPECT_EQ(p.maxlevel, 6) << "a replay opens nothing";
    EXPECT_EQ(mapstate.unlocklevel, 0);
}

TEST_F(LevelEnd, LostLevelRestartsFreshWithTheSecondButton) {
    Profile& p = akt();
    cg.gameresult = 2;
    p.maxlevel = p.sellevel = 3;
    p.pointmult = 2;
    p.starstate[1] = 1;
    sc.points = 330;
    run(260);
    pearltoken(700, 300, 12);  // the last stack's pearls, still on their way
    in.mx = disp.midx + 150;
    in.my = (int)sc.resultbuttony;
    in.mhit1 = 1;
    run(1);
    EXPECT_EQ(p.pearls, 12);
    EXPECT_EQ(pearlsunderway(), 0);
    EXPECT_EQ(gs.retry, 1);
    EXPECT_EQ(fade.fadeto, SCREEN_GAME);
    EXPECT_EQ(p.maxlevel, 3);
    EXPECT_EQ(sc.points, 0);
    EXPECT_EQ(p.pointmult, 1);
    EXPECT_EQ(p.starstate[1], 0);
    EXPECT_EQ(p.totalpoints, 0);
}

// ---- the running screen -----------------------------------------------------------

TEST_F(Screen, LevelTickAndTutorialStandStillWhileAPopupIsOpen) {
    enter(1);
    ASSERT_EQ(cg.gamestat, 1);
    EXPECT_EQ(tut.tutorialon, 1);
    frame(100);
    int t = gs.leveltick;
    EXPECT_EQ(t, 100);
    pop.popup = 298;
    pop.popupfade = 16;
    pop.popupdir = 1;
    frame(200);
    EXPECT_EQ(gs.leveltick, t);
    EXPECT_EQ(tut.tutorialpage, 0);
    EXPECT_EQ(gs.levelclock, 0);
    pop.popup = 0;
    pop.popupfade = 0;
    frame(101);
    EXPECT_EQ(gs.leveltick, 201);
    EXPECT_EQ(tut.tutorialpage, 1) << "a new player's first level starts the tutorial at tick 200";
}

TEST_F(Screen, SecondsPlayedCountOnlyPlay) {
    akt().maxlevel = akt().sellevel = 2;
    enter(2);
    frame(200);
    ASSERT_EQ(gs.levelclock, 1);
    int start = akt().leveltime;
    // 10 s of play, 10 s paused, 10 s of play, 10 s in a popup, 10 s of play
    frame(500);
    EXPECT_EQ(akt().leveltime - start, 10);
    core.gamepause = 1;
    frame(500);
    EXPECT_EQ(akt().leveltime - start, 10) << "paused";
    in.mhit1 = 1;  // a click resumes
    frame();
    in.mhit1 = 0;
    ASSERT_EQ(core.gamepause, -1);
    frame(499);
    EXPECT_EQ(akt().leveltime - start, 20) << "the pause is not added when play goes on";
    pop.popup = 298;
    pop.popupfade = 16;
    pop.popupdir = 1;
    frame(500);
    EXPECT_EQ(akt().leveltime - start, 20) << "in a popup";
    pop.popup = 0;
    pop.popupfade = 0;
    frame(500);
    EXPECT_EQ(akt().leveltime - start, 30);
}

TEST_F(Screen, TutorialIsOffForAReplayOfLevelOneSoTheStableIsNotHeld) {
    akt().maxlevel = akt().sellevel = 4;
    enter(1);
    frame(210);
    EXPECT_EQ(tut.tutorialon, 0);
    EXPECT_EQ(tut.tutorialpage, 0);
}

TEST_F(Screen, ResumedLevelAcceptsNoDrawInItsFirst150Ticks) {
    akt().maxlevel = akt().sellevel = 2;
    enter(2);
    frame(200);
    ASSERT_EQ(cg.gamestat, 2);
    ASSERT_TRUE(saveplayer(1));
    ASSERT_EQ(akt().ingame, 1);
    Profile before = akt();
    enter(2);
    EXPECT_EQ(gs.resumed, 1);
    EXPECT_EQ(cg.gamestat, 2) << "a resumed level is not dealt again";
    EXPECT_EQ(tut.tutorialon, 0);
    int left = akt().stablecount;
    EXPECT_EQ(left, before.stablecount);
    auto clickstable = [] {
        in.mx = stabletopx() + 48;
        in.my = cg.stabley + 71;
        in.mhit1 = 1;
        frame();
        in.mhit1 = 0;
    };
    for (int t = 0; t < 140; t += 20) {
        frame(19);
        clickstable();
    }
    EXPECT_EQ(akt().stablecount, left);
    frame(20);
    clickstable();
    frame(30);
    EXPECT_EQ(akt().stablecount, left - 1);
}

// A level left (saved suspended) and entered again, as the in-level menu and
// the map do it.
struct Suspend : Screen {
    void SetUp() override {
        Screen::SetUp();
        akt().maxlevel = akt().sellevel = 3;  // a replay: no tutorial in the way
        enter(2);
        frame(200);
    }
    static void leaveandresume() {
        ASSERT_TRUE(saveplayer(1));
        loadplayers(0);
        ASSERT_EQ(akt().ingame, 1);
        enter(2);
        ASSERT_EQ(gs.resumed, 1);
    }
};

TEST_F(Suspend, ACardInFlightLandsAndIsNotPaidTwice) {
    ASSERT_EQ(cg.gamestat, 2);
    Profile& p = akt();
    int s = 0;
    for (int i = 1; i <= MAXCARDS && !s; i++) {
        const CardSlot& c = p.card[i];
        if (c.cardtype >= 1 && c.cardtype <= 13 && c.cardopen == 1 && c.cardface == 1) s = i;
    }
    ASSERT_GT(s, 0);
    int value = p.card[s].cardtype, stack = p.card[s].cardstack;
    int card = cardnumber(value, p.card[s].cardsuit);
    p.aktvalue = value == 1 ? 2 : value - 1;
    for (int k = 0; k < 30 && p.aktflip != 20; k++) frame();
    in.mx = p.card[s].cardx + disp.uixoff + 48;
    in.my = p.card[s].cardy + 20;
    in.mhit1 = 1;
    frame();
    in.mhit1 = 0;
    ASSERT_EQ(cg.movecard, s);
    ASSERT_GT(p.movestep, 0);
    int points = sc.points, left = p.stack[stack].stackleft;
    leaveandresume();
    EXPECT_EQ(sc.points, points);
    EXPECT_EQ(akt().card[s].cardtype, 0) << "the card landed: it cannot be played and paid again";
    EXPECT_EQ(akt().aktcard, card);
    EXPECT_EQ(akt().stack[stack].stackleft, left);
}

TEST_F(Suspend, AStableBoughtButNotRefilledIsKept) {
    ASSERT_EQ(cg.gamestat, 2);
    Profile& p = akt();
    int start = p.stablestart, round = p.stockround;
    p.stablecount = 1;
    p.items[21] = 1;  // bought for pearls in the shop
    frame();
    ASSERT_GT(cg.refill, 0);
    ASSERT_EQ(p.items[21], 0);
    frame(30);
    ASSERT_LT(cg.refill, 100);
    ASSERT_TRUE(saveplayer(1));
    // the level on the screen goes on: its refill ends with nothing extra held
    EXPECT_EQ(p.items[21], 0);
    frame(130);
    EXPECT_EQ(p.stablecount, start - 1) << "refilled, and the first card dealt from it";
    EXPECT_EQ(p.items[21], 0);
    EXPECT_EQ(p.stockround, round + 1);

    // the file holds the level as it was when it was saved: resumed, the
    // stable it had bought is refilled
    loadplayers(0);
    ASSERT_EQ(akt().ingame, 1);
    EXPECT_EQ(akt().items[21], 1);
    EXPECT_EQ(akt().stablecount, 1);
    enter(2);
    frame(160);
    EXPECT_EQ(akt().items[21], 0);
    EXPECT_EQ(akt().stablecount, start - 1);
    EXPECT_EQ(akt().stockround, round + 1) << "refilled once";
}

TEST_F(Screen, ActiveItemsPanelOnlyForItemsTwentyThreeToTwentyNine) {
    struct Case {
        int item;
        bool shown;
    } cases[] = {{22, false}, {30, false}, {23, true}, {29, true}};
    for (const Case& c : cases) {
        akt().items[22] = akt().items[23] = akt().items[29] = akt().items[30] = 0;
        akt().items[c.item] = 1;
        gs.leveltick = 120;
        pf::clearscreen();
        drawactiveitems();
        EXPECT_EQ(drawn("black.png") > 0, c.shown) << c.item;
    }
}

TEST_F(Screen, CardometerRisesFromUnderTheStable) {
    enter(2);
    EXPECT_FLOAT_EQ(hud.meterx, disp.midx + 40.0f);
    EXPECT_FLOAT_EQ(hud.metery, disp.gfxheight + 100.0f);
    while (cg.gamestat != 2 && gs.leveltick < 400) frame();
    ASSERT_EQ(cg.gamestat, 2);
    // on its way up it never comes in from the left edge: every place it is
    // drawn lies between its start and the stable (give or take the first
    // tick's step, taken before the stable has told it where to go)
    int target = stabletopx() + 48;
    float lo = std::min(disp.midx + 40.0f, (float)target) - 10, hi = std::max(disp.midx + 40.0f, (float)target) + 10;
    int shown = 0;
    for (int t = 0; t < 60; t++) {
        frame();
        for (const auto& d : pf::ctl::drawcalls())
            if (d.img == hudimg.cardometer) {
                shown++;
                EXPECT_GE(d.x, lo) << "tick " << t;
                EXPECT_LE(d.x, hi) << "tick " << t;
            }
    }
    EXPECT_GT(shown, 40);
    EXPECT_NEAR(hud.metery, disp.gfxheight - 23.0f, 1.0f);
}

TEST_F(Screen, ShopHotspotPulsesFromTheFirstTickOfTheEndOffer) {
    initsound();
    enter(2);
    frame(200);
    ASSERT_EQ(cg.gamestat, 2);
    // stuck: the last card of the stable and nothing that fits
    Profile& p = akt();
    for (int i = 1; i <= MAXCARDS; i++)
        if (p.card[i].cardtype > 13) p.card[i].cardtype = 0;
    p.stablecount = 1;
    p.aktvalue = NOVALUE;
    in.mx = disp.midx;
    in.my = disp.midy;  // away from the hot spot, which lights when hovered
    int pulses = 0;
    for (int t = 0; t < 60 && cg.offercount < 45; t++) {
        pf::ctl::clearsoundevents();
        frame();
        bool lit = false;
        for (const auto& d : pf::ctl::drawcalls())
            if (d.img == popimg.buttonover[1] && d.blend == BLEND_LIGHT) lit = true;
        int sounds = 0;
        for (const auto& e : pf::ctl::soundevents())
            if (e.path.find("lightupshopbutton") != std::string::npos) sounds++;
        EXPECT_EQ(lit, cg.offercount > 0) << "offer tick " << cg.offercount;
        EXPECT_EQ(sounds, cg.offercount == 1 ? 1 : 0) << "offer tick " << cg.offercount;
        pulses += lit;
    }
    EXPECT_EQ(cg.offercount, 45);
    EXPECT_EQ(pulses, 45);
    resetsound();
}

// ---- the in-level menu --------------------------------------------------------

struct Menu : Screen {
    void SetUp() override {
        Screen::SetUp();
        registerscreens();
        akt().maxlevel = akt().sellevel = 2;
        enter(2);
        core.screen = SCREEN_GAME;
        for (int k = 0; k < 200; k++) maintick();
    }
};

TEST_F(Menu, EscapeOpensItAndTheSamePressDoesNotCloseIt) {
    pf::ctl::key(27, true);
    maintick();
    ASSERT_EQ(pop.popup, 298);
    int closedat = -1;
    for (int k = 1; k <= 40 && closedat < 0; k++) {
        maintick();
        if (pop.popupdir == 2) closedat = k;
    }
    pf::ctl::key(27, false);
    EXPECT_EQ(closedat, 30) << "held, it closes only when the key repeats after 30 ticks";
    for (int k = 0; k < 40; k++) maintick();
    EXPECT_EQ(pop.popup, 0);

    auto press = [] {
        pf::ctl::key(27, true);
        maintick();
        pf::ctl::key(27, false);
    };
    press();
    ASSERT_EQ(pop.popup, 298);
    for (int k = 0; k < 35; k++) maintick();
    EXPECT_EQ(pop.popupdir, 1);
    press();
    EXPECT_EQ(pop.popupdir, 2) << "a fresh press closes it at once";
}

TEST_F(Menu, LeavingToTheMenuSavesTheLevelSuspended) {
    int points = sc.points = 77;
    openpopup(298);
    for (int k = 0; k < 30; k++) maintick();
    float t = pop.popupy;
    in.mouseon = 1;
    // the main-menu button at (midx - 82, t + 520)
    pf::ctl::pointer((disp.midx - 82) * 800 / 1024, (int)((t + 520) * 600 / 768));
    pf::ctl::click(1);
    maintick();
    EXPECT_EQ(fade.fadeto, SCREEN_MENU);
    loadplayers(0);
    EXPECT_EQ(akt().ingame, 1);
    EXPECT_EQ(akt().savedpoints, points);
}

TEST_F(Menu, TerminationSignalSavesTheLevelSuspendedAndQuits) {
    ASSERT_EQ(cg.gamestat, 2);
    int points = sc.points = 55;
    std::raise(SIGTERM);  // the handler the platform layer installed
    EXPECT_FALSE(maintick()) << "the loop ends in the tick that sees the signal";
    EXPECT_EQ(pop.popup, 0) << "no exit popup to answer";
    loadplayers(0);
    EXPECT_EQ(akt().ingame, 1);
    EXPECT_EQ(akt().savedpoints, points);
    pf::ctl::quitsignal(false);
}

}  // namespace

namespace {

TEST_F(Menu, RestartDealsAFreshLevelAndLeavesNothingSuspended) {
    ASSERT_EQ(cg.gamestat, 2);
    openpopup(399);
    for (int k = 0; k < 30; k++) maintick();
    float t = pop.popupy;
    // the restart button at (midx + 82, t + 520)
    pf::ctl::pointer((disp.midx + 82) * 800 / 1024, (int)((t + 520) * 600 / 768));
    pf::ctl::click(1);
    maintick();
    EXPECT_EQ(fade.fadeto, SCREEN_GAME);
    EXPECT_EQ(gs.retry, 1);
    loadplayers(0);
    EXPECT_EQ(akt().ingame, 0) << "the file holds no suspended level after a restart";
    for (int k = 0; k < 12; k++) maintick();
    EXPECT_EQ(core.screen, SCREEN_GAME);
    EXPECT_EQ(cg.gamestat, 1) << "dealt again";
    EXPECT_EQ(gs.resumed, 0);
}

}  // namespace
