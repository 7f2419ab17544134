#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/control.h"
#include "core/globals.h"
#include "core/profiles.h"
#include "core/settings.h"
#include "testutil.h"

namespace {

struct SettingsFile : ::testing::Test {
    TempDir dir;
    void SetUp() override {
        headlessgame();
        core.userpath = dir.str();
    }
    std::vector<int> filevalues() {
        std::ifstream f(dir.path / "settings.txt", std::ios::binary);
        std::vector<int> v;
        std::string line;
        while (std::getline(f, line)) v.push_back(settingsint(line));
        return v;
    }
    void writefile(const std::string& bytes) {
        std::ofstream f(dir.path / "settings.txt", std::ios::binary);
        f << bytes;
    }
};

TEST_F(SettingsFile, FirstStartWritesTheDefaults) {
    static int heard = -1;
    curmusicvolhook = [](int v) { heard = v; };
    settings.musicvolume = 17;
    players.aktplayer = 4;
    loadsettings();
    curmusicvolhook = nullptr;
    EXPECT_EQ(filevalues(), (std::vector<int>{1, 1, 200, 280, -1, 0, 1, 1, 1, 1, 1, -1}));
    EXPECT_EQ(settings.musicvolume, 200);
    EXPECT_EQ(players.aktplayer, -1);
    EXPECT_EQ(heard, 200);
}

TEST_F(SettingsFile, ValuesAreReadAsWritten) {
    settings.fullscreen = 0;
    settings.screenmode = 0;  // the display code raises it to the best usable mode
    settings.musicvolume = 999;
    settings.cardsway = 1;
    players.aktplayer = 7;
    savesettings(0);
    resetsettings();
    players.aktplayer = -1;
    loadsettings();
    EXPECT_EQ(settings.fullscreen, 0);
    EXPECT_EQ(settings.screenmode, 0);
    EXPECT_EQ(settings.musicvolume, 999);  // the options popup clamps, not the reader
    EXPECT_EQ(settings.cardsway, 1);
    EXPECT_EQ(players.aktplayer, 7);
}

TEST_F(SettingsFile, DamagedFilesReadAsZeroes) {
    struct Case {
        std::string bytes;
        int screenmode, soundvolume, aktplayer, cardsway;
    };
    const Case cases[] = {
        {"1\n3\n", 3, 0, -1, 0},                                // missing lines read as 0
        {"1\nabc\n12x\n\n", 0, 0, -1, 0},                       // not a number
        {"1\n2\n3\n4\n99\n6\n7\n8\n9\n10\n11\n12\n13\n", 2, 4, -1, 12},  // no profile 99
        {"1\n2\n3\n4\n-99999999999999\n", 2, 4, -1, 0},          // overflow saturates, not a slot
        {std::string(5000, '9'), 0, 0, -1, 0},
        {"", 0, 0, -1, 0},
    };
    for (const Case& c : cases) {
        writefile(c.bytes);
        loadsettings();
        EXPECT_EQ(settings.screenmode, c.screenmode) << c.bytes.substr(0, 40);
        EXPECT_EQ(settings.soundvolume, c.soundvolume) << c.bytes.substr(0, 40);
        EXPECT_EQ(players.aktplayer, c.aktplayer) << c.bytes.substr(0, 40);
        EXPECT_EQ(settings.cardsway, c.cardsway) << c.bytes.substr(0, 40);
    }
    EXPECT_EQ(settingsint(" -42\r"), -42);
    EXPECT_EQ(settingsint("+7"), 7);
}

TEST_F(SettingsFile, AFailedWriteKeepsThePreviousFile) {
    settings.musicvolume = 123;
    savesettings(0);
    settings.musicvolume = 45;
    pf::ctl::failwritesafter(6);
    savesettings(0);
    pf::ctl::failwritesafter(-1);
    auto v = filevalues();
    ASSERT_EQ(v.size(), 12u);
    EXPECT_EQ(v[2], 123);
}

}  // namespace
