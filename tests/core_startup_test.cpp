#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "platform/control.h"
#include "core/globals.h"
#include "core/profiles.h"
#include "core/settings.h"
#include "app/startup.h"
#include "testutil.h"

namespace {

// Runs makepath and loadall with XDG_DATA_HOME pointing at the given folder.
void startwith(const std::string& datahome) {
    headlessgame();
    setenv("XDG_DATA_HOME", datahome.c_str(), 1);
    makepath();
    loadall();
}

}  // namespace

TEST(Startup, UserPathFollowsXdgAndIsLogged) {
    TempDir d;
    pf::ctl::clearlog();
    startwith(d.path.string());
    EXPECT_EQ(core.userpath, d.str() + "quillbarrow/Tidewrack-Solitaire-v-0-0-24/");
    EXPECT_EQ(core.firststart, 1);
    EXPECT_EQ(pf::filetype(core.userpath), 2);
    bool logged = false;
    for (const auto& l : pf::ctl::loglines()) logged |= l == "Userpath: " + core.userpath;
    EXPECT_TRUE(logged);
    // A second start finds the folder and is no first start.
    startwith(d.path.string());
    EXPECT_EQ(core.firststart, 0);
}

TEST(Startup, UnusableUserFolderFallsBackAndTheGameGoesOn) {
    // A plain file where the folder should be: nothing can be created below
    // it, whoever runs the test. The saves go to the next place instead
    // (here a scratch home, never the real one).
    TempDir d, home;
    std::ofstream(d.path / "blocker") << "x";
    std::string oldhome = getenv("HOME") ? getenv("HOME") : "";
    setenv("HOME", home.path.c_str(), 1);
    startwith((d.path / "blocker").string());
    EXPECT_EQ(core.userpath, home.str() + ".local/share/quillbarrow/Tidewrack-Solitaire-v-0-0-24/");
    EXPECT_EQ(pf::filetype(core.userpath), 2);
    players.aktplayer = 1;
    EXPECT_TRUE(saveplayer(1));
    if (oldhome.empty()) unsetenv("HOME");
    else setenv("HOME", oldhome.c_str(), 1);
}
