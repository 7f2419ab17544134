// The main menu, the loading screen and the player popups, driven through
// the real main loop with scripted input.
#include <gtest/gtest.h>

#include "app/startup.h"
#include "platform/control.h"
#include "core/globals.h"
#include "core/loop.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "menus/loading.h"
#include "menus/menu.h"
#include "menus/players.h"
#include "menus/popups.h"
#include "present/fonts.h"
#include "present/texts.h"
#include "testutil.h"

namespace {

// Logical point -> window pixel of the 800 x 600 window (factor 1.28).
void pointat(int x, int y) { pf::ctl::pointer(int(x / 1.28 + 0.5), int(y / 1.28 + 0.5)); }

void ticks(int n) {
    for (int i = 0; i < n; i++) maintick();
}

void clickat(int x, int y) {
    pointat(x, y);
    maintick();
    pf::ctl::click(1);
    maintick();
}

void escape() {
    pf::ctl::key(27, true);
    maintick();
    pf::ctl::key(27, false);
}

void typetext(const std::string& s) {
    for (unsigned char c : s) {
        pf::ctl::text(c);
        maintick();
    }
}

struct MenuFixture : ::testing::Test {
    void SetUp() override {
        headlessgame();
        loadpopupgraphics();
        loadfonts();
        loadalltexts();
        registerscreens();
        core.screen = -1;
        entermenu();
        in.mouseon = 1;
        ticks(60);  // buttons glide in, side buttons settle
    }
    void name(int p, const std::string& n, int points = 0) {
        players.p[p].playername = n;
        players.p[p].totalpoints = points;
    }
    // The open popup's panel top once it has slid into place.
    void settle() { ticks(60); }
    int t() const { return int(pop.popupy); }
};

}  // namespace

TEST_F(MenuFixture, FirstStartPlayOpensNameEntryForProfileOne) {
    EXPECT_EQ(players.aktplayer, -1);
    clickat(disp.midx + 200, 640);  // trophies: dimmed and inert without players
    EXPECT_EQ(fade.fadestate, 1);
    EXPECT_EQ(pop.popup, 0);
    clickat(disp.midx, 550);
    EXPECT_EQ(pop.popup, 105);
    EXPECT_EQ(players.aktplayer, 1);
    EXPECT_EQ(pm.newplayerflag, 1);
    settle();
    typetext("Ann");
    pf::ctl::text(13);
    maintick();
    EXPECT_EQ(players.p[1].playername, "Ann");
    EXPECT_EQ(pm.newplayerflag, 0);
    EXPECT_EQ(pop.popupdir, 2);
    // Typing while the panel slides away changes nothing.
    typetext("zz");
    EXPECT_EQ(players.p[1].playername, "Ann");
}

TEST_F(MenuFixture, CancellingTheFirstNameLeavesNoPlayer) {
    clickat(disp.midx, 550);
    settle();
    typetext("Bo");
    escape();
    EXPECT_EQ(players.aktplayer, -1);
    EXPECT_EQ(players.p[1].playername, "");
    EXPECT_EQ(pop.popupdir, 2);
}

TEST_F(MenuFixture, PlayNeverOverwritesAProfileWhenNoneIsCurrent) {
    name(1, "Ann");
    clickat(disp.midx, 550);
    EXPECT_EQ(pop.popup, 105);
    EXPECT_EQ(players.aktplayer, 2);
    EXPECT_EQ(players.p[1].playername, "Ann");
}

TEST_F(MenuFixture, PlayWithAPlayerStartsOrAsks) {
    name(1, "Ann");
    players.aktplayer = 1;
    players.p[1].sellevel = 4;
    clickat(disp.midx, 550);
    EXPECT_EQ(pop.popup, 107);
    pop = PopupState{};
    ticks(60);
    players.p[1].sellevel = 0;
    clickat(disp.midx, 550);
    EXPECT_EQ(fade.fadestate, 2);
    // level 1 opens with its story
    EXPECT_EQ(fade.fadeto, 18);
    EXPECT_EQ(fade.fadeparam, 1);
}

TEST_F(MenuFixture, ButtonsSlideAwayWhilePopupIsOpenAndIgnoreClicks) {
    const int h = disp.gfxheight;
    EXPECT_FLOAT_EQ(menu.menubuttontarget[1], 550);
    EXPECT_FLOAT_EQ(menu.menubuttontarget[2], 640);
    EXPECT_FLOAT_EQ(menu.menubuttontarget[3], 640);
    EXPECT_FLOAT_EQ(menu.menubuttontarget[4], h - 20);
    EXPECT_EQ(menu.menusidey, 698);
    clickat(disp.gfxwidth - 70, 698);  // exit
    EXPECT_EQ(pop.popup, 99);
    maintick();
    EXPECT_FLOAT_EQ(menu.menubuttontarget[1], h + 300);
    EXPECT_FLOAT_EQ(menu.menubuttontarget[2], h + 250);
    EXPECT_FLOAT_EQ(menu.menubuttontarget[3], h + 350);
    EXPECT_FLOAT_EQ(menu.menubuttontarget[4], h + 250);
    // The players button stays where it is but answers no more.
    clickat(70, 698);
    EXPECT_EQ(pop.popup, 99);
    // Escape cancels; the buttons return.
    escape();
    ticks(40);
    EXPECT_EQ(pop.popup, 0);
    EXPECT_FLOAT_EQ(menu.menubuttontarget[1], 550);
}

TEST_F(MenuFixture, ExitConfirmQuitsThroughTheFade) {
    clickat(disp.gfxwidth - 70, 698);
    settle();
    clickat(disp.midx + 82, t() + 520);
    EXPECT_EQ(fade.fadestate, 2);
    EXPECT_EQ(fade.fadeto, -999);
    ticks(12);
    EXPECT_EQ(core.quitgame, 1);
}

TEST(PlayerSort, EqualPointsKeepTheLowerProfileFirst) {
    headlessgame();
    int points[MAXPLAYERS + 1] = {0, 50, 100, 50, 0, 100, 7, 0, 0, 0, 0, 0, 0, 0, 0, 3};
    for (int i = 1; i <= MAXPLAYERS; i++) players.p[i].totalpoints = points[i];
    sortplayers();
    const int expect[] = {2, 5, 1, 3, 6, 15, 4, 7, 8, 9, 10, 11, 12, 13, 14};
    for (int i = 1; i <= MAXPLAYERS; i++) EXPECT_EQ(pm.playerorder[i], expect[i - 1]) << "place " << i;
}

TEST_F(MenuFixture, ListNeverShowsOrCreatesProfilesThirteenToFifteen) {
    name(13, "Top", 999999);
    for (int i = 1; i <= 11; i++) name(i, "P" + std::to_string(i), 100 - i);
    players.aktplayer = 1;
    clickat(70, 698);
    EXPECT_EQ(pop.popup, 103);
    settle();
    // The first row is the best of profiles 1..12, not profile 13.
    clickat(disp.midx, t() + 228 + 26 + 12);
    EXPECT_EQ(players.aktplayer, 1);
    clickat(disp.midx, t() + 228 + 26 * 2 + 12);
    EXPECT_EQ(players.aktplayer, 2);
    // One free slot below 13: new takes profile 12 ...
    clickat(disp.midx - 170, t() + 595);
    EXPECT_EQ(pop.popup, 105);
    EXPECT_EQ(players.aktplayer, 12);
    EXPECT_EQ(pm.prevplayer, 2);
    typetext("Zed");
    pf::ctl::text(13);
    maintick();
    EXPECT_EQ(players.p[12].playername, "Zed");
    ticks(30);
    // ... and with twelve shown the new button is inactive.
    clickat(70, 698);
    settle();
    clickat(disp.midx - 170, t() + 595);
    EXPECT_EQ(pop.popup, 103);
    EXPECT_EQ(players.p[13].playername, "Top");
    EXPECT_EQ(players.aktplayer, 12);
}

TEST_F(MenuFixture, NameLimitsAndBackspace) {
    clickat(disp.midx, 550);
    settle();
    typetext("abcdefghij");
    std::string n = players.p[1].playername;
    if (textwidth("abcdefgh", 1) < MAXNAMEWIDTH) {
        EXPECT_EQ(n, "abcdefgh") << "nine characters keep the first eight";
    } else {
        EXPECT_LT(textwidth(n.substr(0, n.size() - 1), 1), MAXNAMEWIDTH) << "stops once 140 pixels are reached";
        EXPECT_GE(textwidth(n, 1), MAXNAMEWIDTH);
    }
    EXPECT_EQ(pm.namelength, int(n.size()));
    pf::ctl::text(8);
    maintick();
    EXPECT_EQ(players.p[1].playername, n.substr(0, n.size() - 1));
    EXPECT_EQ(pm.namelength, int(n.size()) - 1);
    // Characters no font can draw or the profile cannot store are ignored.
    for (int code : {7, 27, 0x20AC, 0x410, 300}) pf::ctl::text(code);
    ticks(6);
    EXPECT_EQ(players.p[1].playername, n.substr(0, n.size() - 1));
}

TEST_F(MenuFixture, WideNamesStopAtOneHundredFortyPixels) {
    if (textwidth("W", 1) == 0) GTEST_SKIP() << "needs the bitmap fonts";
    clickat(disp.midx, 550);
    settle();
    typetext("WWWWWWWW");
    const std::string& n = players.p[1].playername;
    EXPECT_GE(textwidth(n, 1), MAXNAMEWIDTH);
    EXPECT_LT(textwidth(n.substr(0, n.size() - 1), 1), MAXNAMEWIDTH);
}

TEST_F(MenuFixture, EmptyNameBecomesTheDefaultWithoutDuplicateCheck) {
    clickat(disp.midx, 550);
    settle();
    pf::ctl::text(13);
    maintick();
    std::string def = players.p[1].playername;
    EXPECT_FALSE(def.empty());
    ticks(30);
    // A second profile accepted empty gets the same default name.
    clickat(70, 698);
    settle();
    clickat(disp.midx - 170, t() + 595);
    ASSERT_EQ(players.aktplayer, 2);
    typetext("   ");
    clickat(disp.midx + 82, t() + 520);
    EXPECT_EQ(players.p[2].playername, def) << "blanks only count as empty";
    EXPECT_NE(pop.popup, 398);
}

TEST_F(MenuFixture, TakenNameIsRefusedAndTheNoticeDiscardsTheProfile) {
    name(1, "Ann");
    players.aktplayer = 1;
    clickat(70, 698);
    settle();
    clickat(disp.midx - 170, t() + 595);
    ASSERT_EQ(players.aktplayer, 2);
    typetext(" Ann ");
    pf::ctl::text(13);
    maintick();
    EXPECT_EQ(pm.nametaken, 1);
    EXPECT_EQ(pop.popup, 398);
    settle();
    clickat(disp.midx, t() + 520);
    EXPECT_EQ(players.p[2].playername, "");
    EXPECT_EQ(players.aktplayer, 1);
    EXPECT_EQ(pop.popup, 103);
}

TEST_F(MenuFixture, CancelFromTheListRestoresThePreviousPlayer) {
    name(1, "Ann");
    name(2, "Bob");
    players.aktplayer = 2;
    clickat(70, 698);
    settle();
    clickat(disp.midx - 170, t() + 595);
    ASSERT_EQ(players.aktplayer, 3);
    typetext("Cy");
    clickat(disp.midx - 82, t() + 520);
    EXPECT_EQ(players.aktplayer, 2);
    EXPECT_EQ(players.p[3].playername, "");
    EXPECT_EQ(pop.popup, 103);
    EXPECT_EQ(pop.popupfade, 16);
}

TEST_F(MenuFixture, DeletingTheOnlyPlayerClosesTheList) {
    name(1, "Ann");
    players.aktplayer = 1;
    clickat(70, 698);
    settle();
    clickat(disp.midx + 170, t() + 595);
    EXPECT_EQ(pop.popup, 106);
    clickat(disp.midx + 82, t() + 520);
    EXPECT_EQ(players.aktplayer, -1);
    EXPECT_EQ(players.p[1].playername, "");
    EXPECT_EQ(pop.popupdir, 2);
}

TEST(LoadingScreen, BarTimingAndHandOverToTheMenu) {
    headlessgame();
    registerscreens();
    core.screen = -2;
    instload();
    EXPECT_EQ(core.screen, -1);
    struct Mark {
        int tick, progress;
    } marks[] = {{29, 0}, {30, 1}, {60, 31}, {69, 31}, {240, 164}, {326, 250}};
    int tick = 0;
    for (const Mark& m : marks) {
        while (tick < m.tick) {
            maintick();
            tick++;
        }
        EXPECT_EQ(load.loadtick, m.tick);
        EXPECT_EQ(load.loadprogress, m.progress) << "tick " << m.tick;
    }
    pf::ctl::key(114, true);  // F3 held
    while (tick < 375) {
        maintick();
        tick++;
    }
    pf::ctl::key(114, false);
    EXPECT_EQ(core.debugmode, 1);
    EXPECT_EQ(core.screen, -1);
    maintick();
    EXPECT_EQ(core.screen, 0) << "progress 300 enters the menu directly";
    EXPECT_EQ(core.prevscreen, -1);
    EXPECT_EQ(fade.fadestate, 1);
    EXPECT_GE(fade.fadelevel, 255) << "no new fade-in from the loading screen";
    EXPECT_EQ(load.loadtick, 376);
}
