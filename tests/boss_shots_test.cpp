// Pictures of every boss at rest and in the middle of its reaction to a
// hit, for a person to look at. Runs only when TW_BOSS_SHOTS names an output
// folder:
//   TW_BOSS_SHOTS=/tmp/shots build/tests/twtests --gtest_filter='BossShots.*'
// It plays the real card-game screen through the SDL renderer on the
// offscreen driver, at 1024 and 1366 pixels.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "cards/boss.h"
#include "cards/cardgame.h"
#include "cards/gamescreen.h"
#include "core/globals.h"
#include "core/loop.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "app/startup.h"
#include "platform/control.h"
#include "platform/platform.h"
#include "present/resources.h"
#include "testutil.h"

namespace {

std::string shotpath;
void takeshot() {
    if (shotpath.empty()) return;
    EXPECT_TRUE(pf::ctl::screenshot(shotpath)) << shotpath;
    shotpath.clear();
}

void shot(const std::string& out, const std::string& name, int width) {
    shotpath = out + "/" + name + "-" + std::to_string(width) + ".png";
    maintick();
    EXPECT_TRUE(std::filesystem::exists(out + "/" + name + "-" + std::to_string(width) + ".png")) << name;
}

void ticks(int n) {
    for (int k = 0; k < n; k++) maintick();
}
void ticksuntil(const std::function<bool()>& done, int most) {
    for (int k = 0; k < most && !done(); k++) maintick();
}

// Into the level, past the deal and the play sign.
void enterlevel(int level, int damage) {
    Profile& p = akt();
    p = Profile{};
    p.playername = "Shots";
    p.maxlevel = p.sellevel = level;
    core.playlevel = level;
    // entered from the map, as a player does
    core.screen = SCREEN_MAP;
    instgame();
    ticksuntil([] { return core.screen == SCREEN_GAME && gs.leveltick > 260; }, 400);
    if (damage > 0) {
        // hits taken before this moment, shown at once as on a resumed level
        p.bossdamage = damage;
        startboss(level, 1, damage);
        ticks(3);
    }
}

}  // namespace

TEST(BossShots, EveryBossAtRestAndMidReaction) {
    const char* outenv = std::getenv("TW_BOSS_SHOTS");
    if (!outenv || !*outenv) GTEST_SKIP() << "set TW_BOSS_SHOTS to an output folder";
    std::string out = outenv;
    std::filesystem::create_directories(out);
    ASSERT_TRUE(pf::init(pf::Backend::sdl));
    resetgame();
    pf::setdataroot(std::filesystem::path(TW_DATA_DIR).parent_path().string());
    pf::ctl::virtualclock(true, 1000);
    pf::ctl::fixedseed(true, 1);
    TempDir userdir;
    for (int width : {1024, 1366}) {
        disp.gfxwidth = width;
        disp.windowwidth = width;
        disp.windowheight = 768;
        pf::opengraphics(width, 768, 0, 60, 0);
        pf::setvirtualres(width, 768);
        core.maintimer = pf::createtimer(50);
        core.sectimer = pf::createtimer(1);
        core.userpath = userdir.str();
        loadmaingraphics();
        players.aktplayer = 1;
        frameobserver = takeshot;
        struct Moment {
            int level, damage;  // hits already taken
            int react;          // ticks after the next hit
            const char* name;
        } moments[] = {
            {16, 0, 6, "b16"},  {16, 2, 8, "b16-hit3"}, {17, 0, 20, "b17"}, {17, 2, 60, "b17-hit3"},
            {32, 0, 0, "b32"},  {33, 0, 0, "b33"},      {34, 3, 0, "b34"},  {52, 0, 0, "b52"},
            {53, 0, 0, "b53"},  {54, 2, 0, "b54"},      {72, 0, 12, "b72"}, {73, 0, 12, "b73"},
            {74, 4, 25, "b74"},
        };
        for (const Moment& m : moments) {
            enterlevel(m.level, m.damage);
            shot(out, std::string(m.name) + "-rest", width);
            akt().bossdamage = m.damage + 1;
            int group = bossgroup(m.level);
            if (group == BOSS_STONE || group == BOSS_ANGLER) {
                // the moment the friend's blow lands
                ticksuntil([] { return boss.phase == 2; }, 200);
                ticks(2);
            } else {
                ticks(m.react);
            }
            shot(out, std::string(m.name) + "-mid", width);
            if (group == BOSS_STONE) {
                ticks(14);
                shot(out, std::string(m.name) + "-thrown", width);
            }
        }
        frameobserver = nullptr;
    }
    pf::shutdown();
    pf::init(pf::Backend::headless);
}
