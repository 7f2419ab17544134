// Trophies: the award rule, and the trophy room driven through the real main
// loop on the headless backend (opening page, locks, the celebration, the
// way back, the debug rule, the saved state).
#include <gtest/gtest.h>

#include "app/startup.h"
#include "platform/control.h"

#include <cmath>
#include <string>
#include <vector>

#include "core/globals.h"
#include "core/loop.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "menus/popups.h"
#include "meta/trophies.h"
#include "meta/trophyroom.h"
#include "platform/platform.h"
#include "present/effects.h"
#include "present/fonts.h"
#include "present/sound.h"
#include "present/texts.h"
#include "testutil.h"

namespace {

bool endswith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

int soundstarts(const std::string& file) {
    int n = 0;
    for (auto& e : pf::ctl::soundevents())
        if (endswith(e.path, file)) n++;
    return n;
}

// ---- the award rule ---------------------------------------------------------

struct Award : ::testing::Test {
    void SetUp() override {
        headlessgame();
        players.aktplayer = 1;
        akt() = Profile{};
        core.screen = SCREEN_GAME;
    }
};

TEST_F(Award, OnlyOnTheGameAndTheCasinoAndOnlyTrophiesWithAPicture) {
    struct Case {
        int screen, trophy;
        bool awarded;
    } cases[] = {
        {SCREEN_GAME, 3, true},   {SCREEN_CASINO, 9, true},     {SCREEN_MAP, 3, false},
        {SCREEN_TROPHIES, 3, false}, {SCREEN_GAME, 0, false},   {SCREEN_GAME, 20, true},
        {SCREEN_GAME, 21, false}, {SCREEN_GAME, 31, false},     {SCREEN_GAME, -4, false},
    };
    for (const Case& c : cases) {
        akt() = Profile{};
        newtrophyvisit();
        core.screen = c.screen;
        wintrophy(c.trophy);
        EXPECT_EQ(trophies.pendingtrophy, c.awarded ? c.trophy : 0) << c.screen << " " << c.trophy;
        if (c.trophy >= 1 && c.trophy <= TROPHY_LAST) {
            EXPECT_EQ(akt().trophywon[c.trophy], c.awarded ? 1 : 0);
        }
    }
}

TEST_F(Award, SecondAwardBeforeThePresentationIsIgnoredAndEarnableLater) {
    wintrophy(TROPHY_ZOMBIEKILLER);
    wintrophy(TROPHY_OCTOPUS);
    EXPECT_EQ(trophies.pendingtrophy, TROPHY_ZOMBIEKILLER);
    EXPECT_EQ(akt().trophywon[TROPHY_OCTOPUS], 0);
    // presented: nothing more on this visit
    trophies.trophyshown = 1;
    wintrophy(TROPHY_OCTOPUS);
    EXPECT_EQ(akt().trophywon[TROPHY_OCTOPUS], 0);
    // the next card game: the octopus trophy can be earned
    newtrophyvisit();
    wintrophy(TROPHY_OCTOPUS);
    EXPECT_EQ(trophies.pendingtrophy, TROPHY_OCTOPUS);
    EXPECT_EQ(akt().trophywon[TROPHY_OCTOPUS], 1);
    EXPECT_EQ(akt().trophywon[TROPHY_ZOMBIEKILLER], 1);
}

TEST_F(Award, OwnedTrophyChangesNothingAndBlocksNothing) {
    akt().trophywon[TROPHY_CRAB] = TROPHYSETTLED;
    wintrophy(TROPHY_CRAB);
    EXPECT_EQ(trophies.pendingtrophy, 0);
    EXPECT_EQ(akt().trophywon[TROPHY_CRAB], TROPHYSETTLED);
    wintrophy(TROPHY_KINGCOMBOS);
    EXPECT_EQ(trophies.pendingtrophy, TROPHY_KINGCOMBOS);
}

TEST_F(Award, NoPlayerNoAward) {
    players.aktplayer = -1;
    wintrophy(TROPHY_KINGCOMBOS);
    EXPECT_EQ(trophies.pendingtrophy, 0);
}

// ---- the trophy room ---------------------------------------------------------

struct Room : ::testing::Test {
    TempDir user;
    void SetUp() override {
        headlessgame();
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
        akt().maxlevel = 5;
        in.mouseon = 1;
    }
    // Opens the room from a screen the way a click does: a fade to 16.
    void open(int from) {
        core.screen = from;
        gotoscreen(SCREEN_TROPHIES, 0);
        while (core.screen != SCREEN_TROPHIES) maintick();
        pf::clearscreen();
    }
    // Lock draws of the last frame, by alpha.
    std::vector<float> locks() {
        std::vector<float> a;
        for (const auto& d : pf::ctl::drawcalls())
            if (endswith(d.path, "lock.png")) a.push_back(d.alpha);
        return a;
    }
    void frame() {
        pf::clearscreen();
        maintick();
    }
};

TEST_F(Room, OpensOnThePageOfTheHighestTrophyWonAndSlidesThere) {
    struct Case {
        std::vector<int> won;
        int page;
    } cases[] = {{{}, 1}, {{3, 12}, 2}, {{13}, 3}, {{18, 2}, 3}};
    for (const Case& c : cases) {
        for (int& t : akt().trophywon) t = 0;
        for (int t : c.won) akt().trophywon[t] = TROPHYSETTLED;
        open(SCREEN_MAP);
        EXPECT_EQ(room.page, c.page);
        loopticks(200);
        EXPECT_NEAR(room.scroll, -1300.0f * (c.page - 1), 1.0f) << c.page;
        // the page title follows the page
        frame();
        EXPECT_EQ(room.page, c.page);
    }
}

TEST_F(Room, WithNothingWonEveryTrophyIsFullyLocked) {
    open(SCREEN_MENU);
    frame();
    std::vector<float> a = locks();
    ASSERT_EQ(a.size(), 18u);
    for (float x : a) EXPECT_FLOAT_EQ(x, 1.0f);
    loopticks(300);
    EXPECT_EQ(locks().size(), 18u);
}

TEST_F(Room, NewTrophyIsLockedAtEightyPercentThenCelebratedOnce) {
    initsound();
    akt().trophywon[TROPHY_COMBO15] = 1;
    open(SCREEN_MAP);
    pf::ctl::clearsoundevents();
    // the room's first frame ran with its entry
    while (room.clock < ROOMCELEBRATEAFTER) {
        frame();
        std::vector<float> a = locks();
        ASSERT_EQ(a.size(), 18u) << room.clock;
        int part = 0;
        for (float x : a) part += std::fabs(x - 0.8f) < 1e-4f;
        EXPECT_EQ(part, 1) << room.clock;
        EXPECT_EQ(akt().trophywon[TROPHY_COMBO15], 1);
    }
    frame();
    EXPECT_EQ(akt().trophywon[TROPHY_COMBO15], 2);
    EXPECT_EQ(soundstarts("chain.ogg"), 1);
    EXPECT_EQ(soundstarts("trophywin.ogg"), 1);
    EXPECT_GT(effectsinuse(), 20);
    loopticks(100);
    EXPECT_EQ(akt().trophywon[TROPHY_COMBO15], TROPHYSETTLED);
    EXPECT_EQ(locks().size(), 17u);
    EXPECT_EQ(soundstarts("chain.ogg"), 1);
    EXPECT_EQ(soundstarts("trophywin.ogg"), 1);

    // back to the map: the settled state is in the saved profile
    loopclick(disp.midx, disp.gfxheight - 23);
    loopticks(20);
    EXPECT_EQ(core.screen, SCREEN_MAP);
    Profile saved;
    std::string bytes;
    ASSERT_TRUE(readfilebytes(playerfile(1), bytes, 1 << 20));
    ASSERT_TRUE(decodeprofile(bytes, saved));
    EXPECT_EQ(saved.trophywon[TROPHY_COMBO15], TROPHYSETTLED);

    // the next visit shows it without lock and without celebration
    pf::ctl::clearsoundevents();
    open(SCREEN_MAP);
    loopticks(150);
    EXPECT_EQ(locks().size(), 17u);
    EXPECT_EQ(soundstarts("chain.ogg"), 0);
}

TEST_F(Room, BackButtonsFollowWhereTheRoomWasOpenedFrom) {
    struct Case {
        int from;
        float x;  // offset of the button from the centre
        int to;
    } cases[] = {
        {SCREEN_MAP, 0, SCREEN_MAP},        {SCREEN_MENU, 0, SCREEN_MENU},
        {SCREEN_GAME, -78, SCREEN_MENU},    {SCREEN_GAME, 78, SCREEN_MAP},
    };
    for (const Case& c : cases) {
        open(c.from);
        float x = disp.midx + c.x, y = disp.gfxheight - 23.0f;
        // not yet: the way out answers after 100 frames
        loopclick(x, y);
        loopticks(20);
        ASSERT_EQ(core.screen, SCREEN_TROPHIES) << c.from;
        loopticks(80);
        loopclick(x, y);
        loopticks(20);
        EXPECT_EQ(core.screen, c.to) << c.from << " " << c.x;
        EXPECT_EQ(fade.fadestate, 1);
    }
}

TEST_F(Room, PageButtonsTurnWithinThreePages) {
    open(SCREEN_MAP);
    loopticks(100);
    float y = disp.gfxheight - 21.0f;
    loopclick(disp.midx - 235.0f, y);  // no page before the first
    EXPECT_EQ(room.page, 1);
    for (int p : {2, 3, 3}) {
        loopclick(disp.midx + 235.0f, y);
        EXPECT_EQ(room.page, p);
    }
    loopclick(disp.midx - 235.0f, y);
    EXPECT_EQ(room.page, 2);
}

TEST_F(Room, HoldingEnterHandsOutTrophiesOnlyInDebugMode) {
    open(SCREEN_MAP);
    pf::ctl::key(13, true);
    loopticks(400);
    for (int n = 1; n <= TROPHY_LAST; n++) EXPECT_EQ(akt().trophywon[n], 0) << n;
    core.debugmode = 1;
    loopticks(400);
    int won = 0;
    for (int n = 1; n <= TROPHY_ROOMLAST; n++) won += akt().trophywon[n] > 0;
    EXPECT_GT(won, 10);
    for (int n = TROPHY_ROOMLAST + 1; n <= TROPHY_LAST; n++) EXPECT_EQ(akt().trophywon[n], 0) << n;
    pf::ctl::key(13, false);
}

}  // namespace
