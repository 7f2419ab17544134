// The game on a damaged data folder: each subfolder missing in turn, and
// truncated pictures, music and sounds. It must start, show the menu, the map
// and a level, and end normally; a missing level goes back to the map; a
// folder without which nothing can be clicked ends the game with a message.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/globals.h"
#include "platform/control.h"
#include "core/loop.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "app/startup.h"
#include "meta/map.h"
#include "testutil.h"

namespace fs = std::filesystem;

namespace {

const fs::path shipped = fs::path(TW_DATA_DIR);

struct Case {
    const char* removed;   // subfolder left out, or ""
    const char* truncate;  // file (below data) cut to half, or ""
};

void PrintTo(const Case& c, std::ostream* os) { *os << (*c.removed ? c.removed : c.truncate); }

// A data folder made of links to the shipped one, less what the case breaks.
void builddata(const fs::path& root, const Case& c) {
    fs::path data = root / "data";
    fs::create_directories(data);
    for (const auto& e : fs::directory_iterator(shipped)) {
        std::string name = e.path().filename().string();
        if (name == c.removed) continue;
        std::string t = c.truncate;
        if (!t.empty() && t.rfind(name + "/", 0) == 0) {
            fs::copy(e.path(), data / name, fs::copy_options::recursive);
            fs::path f = data / t;
            auto size = fs::file_size(f);
            fs::resize_file(f, size / 2);
        } else {
            fs::create_directory_symlink(e.path(), data / name);
        }
    }
}

void ticks(int n) {
    for (int k = 0; k < n; k++)
        if (!maintick()) return;
}

struct HostileData : ::testing::TestWithParam<Case> {
    TempDir root, user;
    void SetUp() override {
        builddata(root.path, GetParam());
        pf::init(pf::Backend::headless);
        resetgame();
        pf::setdataroot(root.path.string());
        pf::ctl::virtualclock(true, 1000);
        pf::ctl::fixedseed(true, 1);
        setenv("XDG_DATA_HOME", user.path.c_str(), 1);
    }
    void TearDown() override { unsetenv("XDG_DATA_HOME"); }
};

TEST_P(HostileData, StartsPlaysAndEnds) {
    const Case& c = GetParam();
    bool started = startgame(pf::Backend::headless);
    if (std::string(c.removed) == "ui") {
        // Nothing could be clicked: the player reads why, and the game ends.
        EXPECT_FALSE(started);
        EXPECT_EQ(core.startfailed, 1);
        ASSERT_FALSE(pf::ctl::messages().empty());
        EXPECT_NE(pf::ctl::messages().back().find("coll2.png"), std::string::npos);
        return;
    }
    ASSERT_TRUE(started);
    // Splash pages and the loading screen end by themselves.
    for (int k = 0; k < 3000 && core.screen != SCREEN_MENU; k++) ticks(1);
    ASSERT_EQ(core.screen, SCREEN_MENU);
    players.aktplayer = 1;
    akt().playername = "Robin";
    akt().maxlevel = akt().sellevel = 3;
    gotoscreen(SCREEN_MAP, 0);
    ticks(120);
    ASSERT_EQ(core.screen, SCREEN_MAP);
    startlevel(3);
    ticks(400);
    if (std::string(c.removed) == "levelz") {
        EXPECT_EQ(core.screen, SCREEN_MAP) << "a missing level goes back to the map";
    } else {
        EXPECT_EQ(core.screen, SCREEN_GAME);
    }
    gotoscreen(SCREEN_QUIT, 0);
    bool ended = false;
    for (int k = 0; k < 100 && !ended; k++) ended = !maintick();
    EXPECT_TRUE(ended) << "the game ends normally";
    pf::shutdown();
}

std::vector<Case> cases() {
    std::vector<Case> out;
    static std::vector<std::string> names;
    names.clear();
    for (const auto& e : fs::directory_iterator(shipped))
        if (e.is_directory()) names.push_back(e.path().filename().string());
    for (const auto& n : names) out.push_back({n.c_str(), ""});
    out.push_back({"", "ui/button1.png"});
    out.push_back({"", "bg/bg1.jpg"});
    out.push_back({"", "music/title.ogg"});
    out.push_back({"", "sound/blubber.ogg"});
    return out;
}

std::string casename(const ::testing::TestParamInfo<Case>& i) {
    std::string s = std::string(i.param.removed).empty() ? std::string("cut_") + i.param.truncate
                                                        : std::string("without_") + i.param.removed;
    for (char& ch : s)
        if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return s;
}

INSTANTIATE_TEST_SUITE_P(EachFolder, HostileData, ::testing::ValuesIn(cases()), casename);

}  // namespace
