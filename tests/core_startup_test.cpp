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

TEST(Startup, UnusableUserFolderDoesNotStopTheGame) {
    // A plain file where the folder should be: nothing can be created or
    // written below it, whoever runs the test.
    TempDir d;
    std::ofstream(d.path / "blocker") << "x";
    startwith((d.path / "blocker").string());
    EXPECT_NE(pf::filetype(core.userpath), 2);
    savesettings(0);
    players.aktplayer = 1;
    EXPECT_FALSE(saveplayer(1));
    EXPECT_EQ(settings.musicvolume, Settings{}.musicvolume);
}
