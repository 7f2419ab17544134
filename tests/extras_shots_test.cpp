// Pictures of every extra at work and of the helpers arriving, for a person
// to look at. Runs only when TW_EXTRA_SHOTS names an output folder:
//   TW_EXTRA_SHOTS=/tmp/shots build/tests/twtests --gtest_filter='ExtraShots.*'
// It plays level 10 through the real SDL renderer on the offscreen driver,
// clicking the extra bar as a player does.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "cards/cardgame.h"
#include "cards/extras.h"
#include "cards/gamescreen.h"
#include "core/globals.h"
#include "core/loop.h"
#include "core/profiles.h"
#include "app/startup.h"
#include "platform/control.h"
#include "platform/platform.h"
#include "testutil.h"

namespace {

std::string shotpath;
void takeshot() {
    if (shotpath.empty()) return;
    EXPECT_TRUE(pf::ctl::screenshot(shotpath)) << shotpath;
    shotpath.clear();
}

void ticks(int n) {
    for (int k = 0; k < n; k++) maintick();
}

void clickat(int x, int y) {
    pf::ctl::pointer(x, y);
    maintick();
    pf::ctl::click(1);
    maintick();
}

void shot(const std::string& folder, const std::string& name) {
    shotpath = folder + "/" + name + ".png";
    maintick();
}

// The first free face-up playing card, for the extras that want a choice.
bool freecardpos(int& x, int& y) {
    for (int i = 1; i <= MAXCARDS; i++) {
        const CardSlot& c = akt().card[i];
        if (c.cardtype >= 1 && c.cardtype <= 13 && c.cardopen == 1 && c.cardface == 1) {
            x = c.cardx + disp.uixoff + 48;
            y = c.cardy + 100;
            return true;
        }
    }
    return false;
}

}  // namespace

TEST(ExtraShots, EveryExtraAtWorkAndTheHelpersArriving) {
    const char* out = std::getenv("TW_EXTRA_SHOTS");
    if (!out || !*out) GTEST_SKIP() << "set TW_EXTRA_SHOTS to an output folder";
    std::string folder = out;
    std::filesystem::create_directories(folder);
    TempDir dir;
    ASSERT_TRUE(pf::init(pf::Backend::sdl));
    resetgame();
    pf::setdataroot(std::filesystem::path(TW_DATA_DIR).parent_path().string());
    pf::ctl::virtualclock(true, 1000);
    pf::ctl::fixedseed(true, 1);
    disp.gfxwidth = 1024;
    disp.windowwidth = 1024;
    disp.windowheight = 768;
    pf::opengraphics(1024, 768, 0, 60, 0);
    pf::setvirtualres(1024, 768);
    core.maintimer = pf::createtimer(50);
    core.sectimer = pf::createtimer(1);
    core.userpath = dir.str();
    core.debugmode = 1;
    in.mouseon = 1;
    loadmaingraphics();
    frameobserver = takeshot;
    players.aktplayer = 1;
    akt() = Profile{};
    akt().playername = "Shots";
    akt().maxlevel = akt().sellevel = 20;
    struct Shot {
        int kind;
        const char* name;
        int after;     // ticks after it landed
        bool choose;   // the extra waits for a card to be clicked
    };
    const Shot shots[] = {{ITEM_FISHSLAP, "fishslap", 3, false},      {ITEM_ZOMBIEKILLER, "zombiekiller", 12, true},
                          {ITEM_ZOMBIEBLASTER, "zombieblaster", 14, true}, {ITEM_BLOWFISH, "blowfish", 2, false},
                          {ITEM_OCTOPUS, "octopus", 45, false},         {ITEM_CRAB, "crab", 40, false},
                          {ITEM_RANDOM, "random", 30, false},           {ITEM_SPONGE, "sponge", 25, false},
                          {ITEM_LIGHT, "light", 25, false},             {ITEM_ANTIPLANT, "antiplant", 25, false},
                          {ITEM_TURNALLUP, "turnallup", 25, false}};
    for (const Shot& s : shots) {
        core.playlevel = 10;
        akt().ingame = 0;
        instgame();
        ticks(280);
        ASSERT_EQ(cg.gamestat, 2) << s.name;
        akt().extrabar[1] = s.kind;
        clickat(extraslotx(1) + 48, disp.gfxheight - 149 + 71);
        ticks(EXTRA_FLIGHTTICKS);
        int x = 0, y = 0;
        if (s.choose && freecardpos(x, y)) {
            pf::ctl::pointer(x, y);
            ticks(3);
            shot(folder, std::string(s.name) + "-choose");
            clickat(x, y);
        }
        if (s.kind == ITEM_CRAB) pf::ctl::pointer(500, 420);
        ticks(s.after);
        shot(folder, s.name);
    }
    pf::ctl::presskey(113);  // F2 in debug mode: all nine arrive
    ticks(12);
    shot(folder, "helpers-arriving");
    frameobserver = nullptr;
    pf::shutdown();
    pf::init(pf::Backend::headless);
}
