// The casino driven through the real main loop on the headless backend:
// chips by balance, a whole game with its reveal, swaps, pick and prize,
// the charm, the five games of an entrance and the closing, the two casino
// trophies and their presentation, the cookie's place from game to game.
#include <gtest/gtest.h>

#include "app/startup.h"
#include "platform/control.h"

#include <set>
#include <string>

#include "core/globals.h"
#include "core/loop.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "menus/popups.h"
#include "meta/casino.h"
#include "meta/map.h"
#include "meta/trophies.h"
#include "platform/platform.h"
#include "present/effects.h"
#include "present/fonts.h"
#include "present/sound.h"
#include "present/texts.h"
#include "testutil.h"

namespace {

constexpr int ENTRANCE = 8;

struct Casino : ::testing::Test {
    TempDir user;
    void SetUp() override { start(1); }
    void start(int seed) {
        headlessgame(seed);
        core.userpath = user.str();
        loadpopupgraphics();
        loadfonts();
        loadalltexts();
        loadeffects();
        loadtrophyimages();
        registerscreens();
        players.aktplayer = 1;
        akt() = Profile{};
        akt().playername = "Tester";
        akt().maxlevel = 10;
        akt().pearls = 500;
        in.mouseon = 1;
        enter();
    }
    // In through the map's entrance, the way a click on it goes.
    void enter() {
        core.screen = SCREEN_MAP;
        core.casinoentry = ENTRANCE;
        gotoscreen(SCREEN_CASINO, 0);
        while (core.screen != SCREEN_CASINO) maintick();
    }
    void open() {  // until chips and exit answer
        while (casino.casinotick <= 200) maintick();
    }
    float chipx(int i) { return disp.midx + 220.0f * (i - 2); }
    void chip(int i) { loopclick(chipx(i), disp.gfxheight - 90.0f); }
    // Runs the reveal and the shuffle up to the moment a shell can be picked.
    void untilpick() {
        for (int k = 0; k < 2000 && casino.pickwait == 0; k++) maintick();
        ASSERT_GT(casino.pickwait, 0);
    }
    float shellx(int i) { return casino.shell[i].x + disp.uixoff; }
    void pickshell(int i) { loopclick(shellx(i), 550); }
    // Until the picked shell is down again and the next bet may start.
    void untilsettled() {
        for (int k = 0; k < 1000 && (casino.pick != 0 || casino.wintime || casino.losetime); k++) maintick();
    }
    int othershell() { return casino.cookieshell % CASINOSHELLS + 1; }
    // One whole game with chip i, picking the cookie's shell or another.
    void play(int i, bool right) {
        chip(i);
        ASSERT_EQ(casino.bet, i);
        untilpick();
        pickshell(right ? casino.cookieshell : othershell());
        ASSERT_GT(casino.pick, 0);
        untilsettled();
    }
};

TEST_F(Casino, ChipsAnswerByBalance) {
    struct Case {
        int pearls;
        bool one, two, three;
    } cases[] = {{9, false, false, false}, {24, true, false, false}, {25, true, true, false}, {49, true, true, false},
                 {50, true, true, true}};
    EXPECT_FALSE(chipactive(1));  // the curtain is still opening
    open();
    for (const Case& c : cases) {
        akt().pearls = c.pearls;
        EXPECT_EQ(chipactive(1), c.one) << c.pearls;
        EXPECT_EQ(chipactive(2), c.two) << c.pearls;
        EXPECT_EQ(chipactive(3), c.three) << c.pearls;
    }
    // a click on a chip that is out of reach starts nothing
    akt().pearls = 24;
    chip(2);
    EXPECT_EQ(casino.bet, 0);
    EXPECT_EQ(akt().pearls, 24);
    chip(1);
    EXPECT_EQ(casino.bet, 1);
    EXPECT_EQ(akt().pearls, 14);
    EXPECT_EQ(akt().casinoplays[ENTRANCE], 1);
    EXPECT_FALSE(chipactive(1));  // one game at a time
}

TEST_F(Casino, AGameRevealsSwapsElevenTimesAndPaysTenTimesTheBet) {
    initsound();
    open();
    pf::ctl::clearsoundevents();
    chip(2);
    int cookie = casino.cookieshell;
    loopticks(20);
    EXPECT_LT(casino.shell[cookie].lift, 0);  // the reveal shows the cookie
    untilpick();
    int swaps = 0;
    for (auto& e : pf::ctl::soundevents()) swaps += e.path.find("casino-swapshell") != std::string::npos;
    EXPECT_EQ(swaps, 11);
    EXPECT_EQ(casino.cookieshell, cookie);  // the cookie moved with its shell
    std::set<float> places;
    for (int i = 1; i <= CASINOSHELLS; i++) places.insert(casino.shell[i].x);
    EXPECT_EQ(places.size(), 5u);  // every shell ends on a place of its own
    pickshell(cookie);
    untilsettled();
    EXPECT_EQ(akt().pearls, 500 - 25 + 250);
    EXPECT_EQ(akt().stats[STAT_CASINOPEARLS], 250);
    EXPECT_EQ(akt().stats[STAT_CASINOGAMES], 1);
    // a wrong pick loses the bet
    play(1, false);
    EXPECT_EQ(akt().pearls, 725 - 10);
    EXPECT_EQ(akt().stats[STAT_CASINOPEARLS], 250);
}

TEST_F(Casino, NoPickDuringTheRevealOrTheShuffle) {
    open();
    chip(1);
    loopticks(10);
    pickshell(othershell());
    EXPECT_EQ(casino.pick, 0);
    loopticks(400);
    ASSERT_GT(casino.shuffle, 0);
    pickshell(1);
    EXPECT_EQ(casino.pick, 0);
}

TEST_F(Casino, CharmMakesAnyPickWinAndIsUsed) {
    akt().items[ITEM_CASINOCHARM] = 1;
    open();
    play(1, false);
    EXPECT_EQ(akt().pearls, 500 - 10 + 100);
    EXPECT_EQ(akt().items[ITEM_CASINOCHARM], 0);
    // with none left a wrong pick loses
    play(1, false);
    EXPECT_EQ(akt().pearls, 590 - 10);
    EXPECT_EQ(akt().items[ITEM_CASINOCHARM], 0);
}

TEST_F(Casino, EntranceWithFourGamesUsedAllowsOneAndClosesByItself) {
    akt().casinoplays[ENTRANCE] = 4;
    enter();
    open();
    EXPECT_EQ(casinogamesleft(), 1);
    play(1, true);
    EXPECT_EQ(akt().casinoplays[ENTRANCE], 5);
    EXPECT_EQ(casinogamesleft(), 0);
    EXPECT_FALSE(chipactive(1));
    loopticks(5);
    EXPECT_GT(casino.leaving, 0);
    for (int k = 0; k < 400 && core.screen == SCREEN_CASINO; k++) maintick();
    EXPECT_EQ(core.screen, SCREEN_MAP);
    loopticks(10);
    EXPECT_EQ(fade.fadestate, 1);
    // the spent entrance was saved with the visit
    Profile saved;
    std::string bytes;
    ASSERT_TRUE(readfilebytes(playerfile(1), bytes, 1 << 20));
    ASSERT_TRUE(decodeprofile(bytes, saved));
    EXPECT_EQ(saved.casinoplays[ENTRANCE], 5);
    EXPECT_EQ(saved.pearls, 500 - 10 + 100);
}

TEST_F(Casino, ThirtyFifthGameAwardsTrophyNineAndTheClosingPresentsIt) {
    akt().stats[STAT_CASINOGAMES] = 33;
    akt().casinoplays[ENTRANCE] = 3;
    enter();
    open();
    play(1, false);
    EXPECT_EQ(akt().trophywon[TROPHY_CASINOGAMES], 0);
    play(1, false);
    EXPECT_EQ(akt().stats[STAT_CASINOGAMES], 35);
    EXPECT_EQ(akt().trophywon[TROPHY_CASINOGAMES], 1);
    EXPECT_EQ(trophies.pendingtrophy, TROPHY_CASINOGAMES);
    // the closing waits at 250 for the panel and its button
    for (int k = 0; k < 600 && casino.leaving < 250; k++) maintick();
    ASSERT_EQ(casino.leaving, 250);
    loopticks(100);
    EXPECT_EQ(casino.leaving, 250);
    EXPECT_EQ(core.screen, SCREEN_CASINO);
    loopclick(disp.midx, trophyshowstate.y + 520);
    EXPECT_GE(trophyshowstate.clock, 450);
    for (int k = 0; k < 200 && core.screen == SCREEN_CASINO; k++) maintick();
    EXPECT_EQ(trophies.trophyshown, 1);
    EXPECT_EQ(core.screen, SCREEN_MAP);
}

TEST_F(Casino, ThousandthPearlWonAwardsTrophyEight) {
    akt().stats[STAT_CASINOPEARLS] = 899;
    open();
    play(1, true);
    EXPECT_EQ(akt().stats[STAT_CASINOPEARLS], 999);
    EXPECT_EQ(akt().trophywon[TROPHY_CASINOPEARLS], 0);
    play(1, true);
    EXPECT_EQ(akt().trophywon[TROPHY_CASINOPEARLS], 1);
}

TEST_F(Casino, TrophyLeftOverFromACardGameDoesNotBlockTheCasinos) {
    // a card game awarded and presented trophy 10 just before
    trophies.pendingtrophy = TROPHY_COMBO10;
    trophies.trophyshown = 1;
    akt().trophywon[TROPHY_COMBO10] = 1;
    akt().stats[STAT_CASINOGAMES] = 34;
    enter();
    EXPECT_FALSE(trophywaiting());
    open();
    chip(1);
    EXPECT_EQ(trophies.pendingtrophy, TROPHY_CASINOGAMES);
}

TEST_F(Casino, ExitWithAWonTrophyPresentsItBeforeTheMap) {
    akt().stats[STAT_CASINOGAMES] = 34;
    open();
    play(1, false);
    ASSERT_TRUE(trophywaiting());
    loopclick(80, 40);
    EXPECT_EQ(core.screen, SCREEN_CASINO);
    EXPECT_GT(casino.leaving, 150);
    for (int k = 0; k < 1000 && core.screen == SCREEN_CASINO; k++) maintick();
    EXPECT_EQ(trophies.trophyshown, 1);
    EXPECT_EQ(core.screen, SCREEN_MAP);
}

TEST_F(Casino, ExitLeavesForTheMapAndSaves) {
    loopticks(50);
    loopclick(80, 40);  // not while the curtain opens
    loopticks(20);
    EXPECT_EQ(core.screen, SCREEN_CASINO);
    open();
    play(1, true);
    loopclick(80, 40);
    loopticks(20);
    EXPECT_EQ(core.screen, SCREEN_MAP);
    Profile saved;
    std::string bytes;
    ASSERT_TRUE(readfilebytes(playerfile(1), bytes, 1 << 20));
    ASSERT_TRUE(decodeprofile(bytes, saved));
    EXPECT_EQ(saved.casinoplays[ENTRANCE], 1);
    EXPECT_EQ(saved.pearls, 590);
}

TEST_F(Casino, FirstCookieIsRandomAndLaterGamesStartWhereTheLastLeftIt) {
    std::set<int> first;
    for (int seed = 1; seed <= 12; seed++) {
        start(seed);
        first.insert(casino.cookieshell);
    }
    EXPECT_GT(first.size(), 2u);
    open();
    play(1, false);
    int left = casino.cookieshell;
    chip(1);
    EXPECT_EQ(casino.cookieshell, left);
    loopticks(20);
    EXPECT_LT(casino.shell[left].lift, 0);
    EXPECT_FLOAT_EQ(casino.shell[left].x, 170.0f * left + 10);  // back home for the new game
}

TEST_F(Casino, MarqueeModes) {
    struct Case {
        int mode, k, frame;
        bool lit;
    } cases[] = {{1, 1, 0, true},   {1, 1, 9, false}, {1, 1, 33, true},  {1, 4, 0, false}, {2, 1, 3, true},
                 {2, 1, 4, false},  {3, 9, 123, true}, {4, 3, 1, true},  {4, 3, 2, false}, {5, 2, 0, false}};
    for (const Case& c : cases) EXPECT_EQ(bulblit(c.k, c.mode, c.frame), c.lit) << c.mode << " " << c.k;
}

}  // namespace
