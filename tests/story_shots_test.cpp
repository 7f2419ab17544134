// Pictures of one moment of every story, for a person to look at. Runs only
// when TW_STORY_SHOTS names an output folder:
//   TW_STORY_SHOTS=/tmp/shots build/tests/twtests --gtest_filter='StoryShots.*'
// It draws through the real SDL renderer on the offscreen driver.
#include <gtest/gtest.h>

#include <algorithm>
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

// Three moments of every story: its first line, a line from its middle (the
// intro's question marks, all four friends of story 2) and its last line.
int shotline(int n, int moment) {
    int last = storylines(n);
    if (moment == 0) return 1;
    if (moment == 2) return last;
    if (n == 1) return 7;
    if (n == 2) return 5;
    return std::max(1, (last + 1) / 2 + (last > 3 ? 1 : 0));
}

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
            const char* only = std::getenv("TW_STORY_ONLY");  // one story, for a quick look
            if (only && *only && std::atoi(only) != n) continue;
            for (int moment = 0; moment < 3; moment++) {
                inststory(n);
                int k = shotline(n, moment);
                // The middle of the line: its bubble whole, the action of the
                // moment under way.
                int target = (story.texttime[k - 1] + story.texttime[k]) / 2;
                if (moment == 0) target = story.texttime[0] + 60;
                // Jump near the moment and let the last second play, so the
                // effects of the moment are under way.
                if (target - 60 > story.texttick) story.texttick = story.storytick = target - 60;
                while (story.texttick < target - 1 && story.storyend == 0) maintick();
                char name[64];
                std::snprintf(name, sizeof name, "/story%02d-%c-%d.png", n, "abc"[moment], width);
                shotpath = std::string(out) + name;
                maintick();
                EXPECT_TRUE(std::filesystem::exists(std::string(out) + name));
            }
        }
        frameobserver = nullptr;
    }
    resetstory();
    pf::shutdown();
    pf::init(pf::Backend::headless);
}
