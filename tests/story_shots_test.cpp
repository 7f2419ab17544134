// Pictures of one moment of every story, for a person to look at. Runs only
// when TW_STORY_SHOTS names an output folder:
//   TW_STORY_SHOTS=/tmp/shots build/tests/twtests --gtest_filter='StoryShots.*'
// It draws through the real SDL renderer on the offscreen driver.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/globals.h"
#include "core/loop.h"
#include "app/startup.h"
#include "present/resources.h"
#include "platform/control.h"
#include "platform/platform.h"
#include "story/story.h"

namespace {

std::string shotpath;
void takeshot() {
    if (shotpath.empty()) return;
    EXPECT_TRUE(pf::ctl::screenshot(shotpath)) << shotpath;
    shotpath.clear();
}

// The line whose moment each story shows: the intro's question marks, all
// four friends of story 2, the first line elsewhere.
int shotline(int n) { return n == 1 ? 7 : n == 2 ? 5 : 1; }

}  // namespace

TEST(StoryShots, OneMomentOfEveryStory) {
    const char* out = std::getenv("TW_STORY_SHOTS");
    if (!out || !*out) GTEST_SKIP() << "set TW_STORY_SHOTS to an output folder";
    std::filesystem::create_directories(out);
    ASSERT_TRUE(pf::init(pf::Backend::sdl));
    resetgame();
    resetstory();
    pf::setdataroot(std::filesystem::path(TW_DATA_DIR).parent_path().string());
    pf::ctl::virtualclock(true, 1000);
    pf::ctl::fixedseed(true, 1);
    for (int width : {1024, 1366}) {
        // Frames at canvas size, as the harness writes them.
        disp.gfxwidth = width;
        disp.windowwidth = width;
        disp.windowheight = 768;
        pf::opengraphics(width, 768, 0, 60, 0);
        pf::setvirtualres(width, 768);
        core.maintimer = pf::createtimer(50);
        core.sectimer = pf::createtimer(1);
        loadmaingraphics();
        frameobserver = takeshot;
        for (int n = 1; n <= MAXSTORIES; n++) {
            if (width != 1024 && n != 1 && n != 2 && n != 7) continue;
            inststory(n);
            int k = shotline(n);
            int target = story.texttime[k - 1] + 60;
            while (story.texttick < target - 1 && story.storyend == 0) maintick();
            char name[64];
            std::snprintf(name, sizeof name, "/story%02d-%d.png", n, width);
            shotpath = std::string(out) + name;
            maintick();
            EXPECT_TRUE(std::filesystem::exists(std::string(out) + name));
        }
        frameobserver = nullptr;
    }
    resetstory();
    pf::shutdown();
    pf::init(pf::Backend::headless);
}
