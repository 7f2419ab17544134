#include <gtest/gtest.h>

#include <fstream>

#include "platform/control.h"
#include "core/globals.h"
#include "core/loop.h"
#include "core/screens.h"
#include "menus/splash.h"
#include "testutil.h"

namespace {

int loadentries = 0;
void loadentry(int) {
    loadentries++;
    core.screen = -1;
    startfadein();
}

// A data root holding only the given splash configuration.
struct SplashFixture : ::testing::Test {
    TempDir dir;
    void config(const std::string& text) {
        std::filesystem::create_directories(dir.path / "data" / "branding");
        std::ofstream(dir.path / "data" / "branding" / "splashconfig.txt") << text;
        headlessgame();
        pf::setdataroot(dir.path.string());
        loadentries = 0;
        setscreenroutines(-1, loadentry, nullptr);
    }
};

}  // namespace

TEST_F(SplashFixture, SkipOnFirstPageThenTimedSecondPage) {
    config("page\nfile studio.png\ntime 150\nskip true\n;---\npage\nfile title.png\ntime 200\nskip false\n");
    EXPECT_EQ(splash.splashpages, 0);
    instintro(1);
    EXPECT_EQ(splash.splashpages, 2);
    EXPECT_EQ(splash.splashtime[1], 150);
    EXPECT_EQ(splash.splashskip[1], 1);
    EXPECT_EQ(splash.splashskip[2], 0);
    for (int i = 0; i < 10; i++) maintick();
    pf::ctl::key(32, true);
    maintick();
    pf::ctl::key(32, false);
    EXPECT_EQ(fade.fadestate, 2) << "Space on a skippable page starts the fade at once";
    EXPECT_EQ(fade.fadeto, -2);
    EXPECT_EQ(fade.fadeparam, 2);
    for (int i = 0; i < 9; i++) maintick();  // the request came after this tick's fade step
    EXPECT_EQ(splash.splashpage, 2);
    EXPECT_EQ(splash.splashtick, 1);
    // Space does nothing on page 2; it ends on its own after 200 ticks.
    pf::ctl::key(32, true);
    for (int i = 0; i < 198; i++) maintick();
    EXPECT_NE(fade.fadestate, 2);
    maintick();
    EXPECT_EQ(fade.fadestate, 2);
    EXPECT_EQ(fade.fadeto, -1);
    pf::ctl::key(32, false);
    for (int i = 0; i < 9; i++) maintick();
    EXPECT_EQ(loadentries, 1);
}

TEST_F(SplashFixture, NonePageCutsTheCount) {
    config("file a.png\ntime 5\n;---\nfile none\ntime 5\n;---\nfile c.png\ntime 5\n");
    readintrosettings();
    EXPECT_EQ(splash.splashpages, 1);
}

TEST_F(SplashFixture, TrailingSeparatorCountsAnEmptyPage) {
    config("file a.png\ntime 5\n;---\n");
    readintrosettings();
    EXPECT_EQ(splash.splashpages, 2);
}

TEST_F(SplashFixture, HostileConfigurations) {
    // Too many pages, absurd lines, no time: nothing indexes past six pages.
    std::string text;
    for (int p = 0; p < 12; p++) text += "file p.png\ntime 3\n;---\n";
    config(text + std::string(5000, 'x') + "\n");
    readintrosettings();
    EXPECT_LE(splash.splashpages, MAXSPLASH);
    config("");
    readintrosettings();
    EXPECT_EQ(splash.splashpages, 1);
    std::filesystem::remove(dir.path / "data" / "branding" / "splashconfig.txt");
    readintrosettings();
    EXPECT_EQ(splash.splashpages, 0);
    instintro(1);
    for (int i = 0; i < 12; i++) maintick();
    EXPECT_EQ(loadentries, 1) << "without a configuration the loading screen follows";
}

TEST_F(SplashFixture, F3SetsDebugMode) {
    config("file a.png\ntime 500\n");
    instintro(1);
    maintick();
    EXPECT_EQ(core.debugmode, 0);
    pf::ctl::key(114, true);
    maintick();
    pf::ctl::key(114, false);
    maintick();
    EXPECT_EQ(core.debugmode, 1);
}
