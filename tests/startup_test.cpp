// Start-up order: the first splash page is on screen before the resident
// pictures and sounds are decoded; they load behind the splash, and the
// loading screen (the first screen after it) finds every one of them.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/startup.h"
#include "core/globals.h"
#include "core/loop.h"
#include "core/screens.h"
#include "menus/splash.h"
#include "platform/control.h"
#include "present/fonts.h"
#include "present/resources.h"
#include "present/sound.h"
#include "testutil.h"

namespace {

struct StartOrder : ::testing::Test {
    TempDir user;
    void SetUp() override {
        pf::init(pf::Backend::headless);
        resetgame();
        pf::setdataroot(std::filesystem::path(TW_DATA_DIR).parent_path().string());
        pf::ctl::virtualclock(true, 1000);
        pf::ctl::fixedseed(true, 1);
        setenv("XDG_DATA_HOME", user.path.c_str(), 1);
    }
    void TearDown() override {
        unsetenv("XDG_DATA_HOME");
        resetgame();
    }
};

bool splashdrawn() {
    for (const auto& c : pf::ctl::drawcalls())
        if (c.path.find("branding") != std::string::npos) return true;
    return false;
}

TEST_F(StartOrder, TheFirstSplashPageComesFirstAndTheRestLoadsBehindIt) {
    ASSERT_TRUE(startgame(pf::Backend::headless));
    ASSERT_EQ(core.screen, SCREEN_SPLASH);
    EXPECT_EQ(uiimages.logoimg[1], nullptr) << "nothing but the pointer before the first frame";
    EXPECT_EQ(fonts.effimage[1], nullptr);
    maintick();
    EXPECT_TRUE(splashdrawn()) << "the first frame shows the first page";
    int k = 0;
    for (; k < 3000 && core.screen == SCREEN_SPLASH; k++) {
        // skipped at once, so that the loading screen comes early
        pf::ctl::key(27, k % 2 == 0);
        maintick();
    }
    ASSERT_EQ(core.screen, SCREEN_LOADING);
    EXPECT_NE(uiimages.logoimg[1], nullptr);
    EXPECT_NE(uiimages.logoimg[2], nullptr);
    EXPECT_NE(fonts.effimage[1], nullptr);
    if (snd.soundok == 1) {
        EXPECT_NE(snd.sounds[SND_LOADING], nullptr) << "the effects are loaded too";
    }
}

}  // namespace
