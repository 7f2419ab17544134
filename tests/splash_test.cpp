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

// Runs the splash from its first page; the number of ticks until the
// loading screen is entered, or -1 when it never comes.
int ticksuntilloading(int limit) {
    instintro(1);
    for (int i = 1; i <= limit; i++) {
        maintick();
        if (loadentries > 0) return i;
    }
    return -1;
}

TEST_F(SplashFixture, NonePagesAreLeftOutAndThePagesAfterThemShown) {
    config("file a.png\ntime 5\n;---\nfile none\ntime 5\n;---\nfile c.png\ntime 7\n");
    readintrosettings();
    EXPECT_EQ(splash.splashpages, 2);
    EXPECT_EQ(splash.splashfile[2], "c.png");
    EXPECT_EQ(splash.splashtime[2], 7);
}

TEST_F(SplashFixture, EverySplashEnds) {
    struct Case {
        const char* name;
        std::string text;
        int pages;
    } cases[] = {
        {"closing separator", "file a.png\ntime 5\n;---\n", 1},
        {"no time line", "file a.png\nskip false\n", 1},
        {"negative time, no skip", "file a.png\ntime -40\nskip false\n", 1},
        {"absurd time", "file a.png\ntime 2000000000\n", 1},
        {"empty file", "", 0},
        {"random bytes", std::string("\x8f\x01\xfe\xff;--\x00\x13\ntim\x7f\x02\n\xc3\x28" "fi", 20), 0},
    };
    for (const Case& c : cases) {
        config(c.text);
        readintrosettings();
        EXPECT_EQ(splash.splashpages, c.pages) << c.name;
        int t = ticksuntilloading(1200);
        EXPECT_GT(t, 0) << c.name << ": the splash never ends";
        EXPECT_LE(t, 1100) << c.name;
    }
}

TEST_F(SplashFixture, HostileConfigurations) {
    // Too many pages, absurd lines: nothing indexes past six pages.
    std::string text;
    for (int p = 0; p < 12; p++) text += "file p.png\ntime 3\n;---\n";
    config(text + std::string(5000, 'x') + "\n");
    readintrosettings();
    EXPECT_LE(splash.splashpages, MAXSPLASH);
    std::filesystem::remove(dir.path / "data" / "branding" / "splashconfig.txt");
    readintrosettings();
    EXPECT_EQ(splash.splashpages, 0);
    instintro(1);
    for (int i = 0; i < 12; i++) maintick();
    EXPECT_EQ(loadentries, 1) << "without a configuration the loading screen follows";
}

TEST_F(SplashFixture, ClosingTheWindowOnTheSplashOrLoadingScreenQuits) {
    for (int screen : {-2, -1}) {
        config("file a.png\ntime 500\n");
        instintro(1);
        maintick();
        core.screen = screen;
        pf::ctl::closerequest();
        EXPECT_FALSE(maintick()) << "screen " << screen;
        EXPECT_EQ(core.quitgame, 1);
    }
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
