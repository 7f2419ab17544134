// The scenes of stories 3..21: each ends exactly when its last line has run
// out, hurried or not; the second backgrounds of 15 and 21; story 18's
// endless sound; the props that come on their cues.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/globals.h"
#include "core/loop.h"
#include "core/settings.h"
#include "platform/platform.h"
#include "present/sound.h"
#include "present/texts.h"
#include "story/story.h"
#include "story_fixture.h"
#include "testutil.h"

namespace {

struct StoryScenes : StoryFixture {
    // With the game's sounds and the real story texts (their pause lines too).
    void SetUp() override {
        StoryFixture::SetUp();
        initsound();
        loadalltexts();
    }
    // Runs frames until the text clock reads t (it counts one per frame).
    static void runto(int t) {
        while (story.texttick < t && story.storyend == 0) maintick();
    }
    static int soundstarts(const std::string& file) {
        int n = 0;
        for (const auto& e : pf::ctl::soundevents())
            if (e.path.size() >= file.size() && e.path.compare(e.path.size() - file.size(), file.size(), file) == 0) n++;
        return n;
    }
};

const int ALLSTORIES[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21};

// Every line hurried through the game's own click as soon as it may be:
// each line then lasts its first 30 frames and its 20-frame fade-out, so
// story n closes exactly 100 + 50 N frames after its text clock started, on
// the frame the clock reaches its last line's time, and not a frame earlier.
TEST_F(StoryScenes, EveryStoryEndsOnItsLastLineWhenEveryLineIsHurried) {
    for (int n : ALLSTORIES) {
        enter(n);
        in.mouseon = 1;
        pf::ctl::pointer(disp.gfxwidth / 2, 300);  // clear of both buttons
        const int last = storylines(n);
        int frames = story.texttick, guard = 0;
        while (story.storyend == 0 && guard++ < 3000) {
            for (int i = 1; i <= last; i++)
                if (story.texttick + 1 == story.texttime[i - 1] + 30) pf::ctl::click(1);
            maintick();
            frames++;
        }
        EXPECT_EQ(frames, 100 + 50 * last) << "story " << n;
        EXPECT_EQ(story.texttick, story.texttime[last]) << "story " << n;
        EXPECT_GT(story.storyend, 0) << "story " << n;
    }
}

TEST_F(StoryScenes, UnhurriedStoriesCloseOnTheFrameTheirLastLineEnds) {
    for (int n : ALLSTORIES) {
        enter(n);
        const int end = story.texttime[storylines(n)];
        int frames = story.texttick;
        while (story.storyend == 0 && frames < 10000) {
            maintick();
            frames++;
        }
        EXPECT_EQ(frames, end) << "story " << n;
    }
    // The intro keeps its times: 100 frames of quiet, then 4 a character + 150.
    enter(1);
    EXPECT_EQ(story.texttime[0], 100);
    EXPECT_EQ(story.texttime[1], 100 + 4 * int(std::string("What a lovely calm day on the reef.").size()) + 150);
}

// Stories 15 and 21 end on the home reef: background 16 fades in over the
// first place as one still picture (no wave strips), and once it is whole the
// first place is no longer drawn.
TEST_F(StoryScenes, SecondBackgroundsFadeInStill) {
    struct Case {
        int story, actline;  // the second act starts when this line ends
        const char* first;
    };
    for (const Case c : {Case{15, 10, "bg15.jpg"}, Case{21, 8, "bg21.jpg"}}) {
        settings.wavebg = 1;
        enter(c.story);
        const int t = story.texttime[c.actline];
        runto(t - 1);
        EXPECT_TRUE(calls("bg16.jpg").empty()) << c.story;
        EXPECT_GT(calls(c.first).size(), 100u) << c.story << ": the first place waves in strips";
        runto(t + 50);
        auto second = calls("bg16.jpg");
        ASSERT_EQ(second.size(), 1u) << c.story;
        EXPECT_GT(second[0].alpha, 0.2f);
        EXPECT_LT(second[0].alpha, 0.8f);
        EXPECT_EQ(second[0].x, disp.midx);
        runto(t + 100);
        second = calls("bg16.jpg");
        ASSERT_EQ(second.size(), 1u) << c.story;
        EXPECT_FLOAT_EQ(second[0].alpha, 1.0f);
        EXPECT_TRUE(calls(c.first).empty()) << c.story;
    }
}

// The lair's sound loops from the first frame of story 18 until the story
// closes; stories 19 and 20 have none.
TEST_F(StoryScenes, StoryEighteenLoopsItsSoundUntilItCloses) {
    pf::ctl::clearsoundevents();
    enter(18);
    EXPECT_EQ(soundstarts("dog1.ogg"), 1);
    ASSERT_TRUE(pf::channelplaying(snd.endlesschannel));
    runto(story.texttime[storylines(18)]);
    ASSERT_GT(story.storyend, 0);
    while (story.storyend < 249) maintick();  // a plain story closes 2 a frame
    EXPECT_EQ(story.storyend, 249);
    EXPECT_TRUE(pf::channelplaying(snd.endlesschannel));
    maintick();
    EXPECT_EQ(story.storyend, 251);
    EXPECT_FALSE(pf::channelplaying(snd.endlesschannel));
    for (int f = 0; f < 3; f++) maintick();
    EXPECT_FALSE(pf::channelplaying(snd.endlesschannel)) << "nothing brings the loop back";
    EXPECT_EQ(soundstarts("dog1.ogg"), 1);

    pf::ctl::clearsoundevents();
    enter(19);
    enter(20);
    EXPECT_EQ(soundstarts("dog1.ogg"), 0);
}

TEST_F(StoryScenes, BlowfishComesSmallAndSwellsAfterLineEight) {
    enter(4);
    const int t3 = story.texttime[3], t8 = story.texttime[8];
    runto(t3);
    EXPECT_TRUE(calls("4and5\\blowfish.png").empty());
    pf::ctl::clearsoundevents();
    runto(t8 - 1);
    auto fish = calls("4and5\\blowfish.png");
    ASSERT_EQ(fish.size(), 1u);
    EXPECT_FLOAT_EQ(fish[0].sx, 0.25f);
    EXPECT_FLOAT_EQ(fish[0].alpha, 1.0f);
    EXPECT_EQ(soundstarts("blowup.ogg"), 0);
    runto(t8 + 50);
    EXPECT_EQ(soundstarts("blowup.ogg"), 1);
    EXPECT_GT(calls("4and5\\blowfish.png")[0].sx, 0.5f);
    runto(t8 + 100);
    EXPECT_FLOAT_EQ(calls("4and5\\blowfish.png")[0].sx, 1.0f);
    EXPECT_EQ(soundstarts("blowup.ogg"), 1);
}

// The sword waits off the left edge until line 6 ends, strikes at the right
// edge with its sounds, and settles in the middle.
TEST_F(StoryScenes, SwordFliesInStrikesAndSettles) {
    enter(6);
    const int t6 = story.texttime[6];
    runto(t6 - 1);
    EXPECT_EQ(scene.scenepos, -150);
    EXPECT_TRUE(calls("6\\sword1.png").empty());
    pf::ctl::clearsoundevents();
    runto(t6 + 69);
    EXPECT_EQ(soundstarts("swordrace1.ogg"), 1);
    EXPECT_EQ(soundstarts("swordrace2.ogg"), 0);
    maintick();
    EXPECT_EQ(soundstarts("swordrace2.ogg"), 1);
    EXPECT_EQ(soundstarts("turnup.ogg"), 1);
    EXPECT_NEAR(scene.scenepos, disp.gfxwidth - 110, 1);
    runto(t6 + 200);
    auto sword = calls("6\\sword1.png");
    ASSERT_EQ(sword.size(), 1u);
    EXPECT_EQ(sword[0].x, disp.gfxwidth / 2);
    EXPECT_EQ(calls("6\\sword2.png").size(), 1u) << "it shines once it has settled";
}

// Each stone story shows the stone one stage on once the friend has struck.
TEST_F(StoryScenes, StoneCracksAtTheStrike) {
    struct Case {
        int story;
        const char *before, *after, *strike;
    };
    for (const Case c : {Case{8, "stone1.png", "stone2.png", "clownyfight.ogg"},
                         Case{9, "stone3.png", "stone4.png", "schwertifight.ogg"},
                         Case{10, "stone5.png", "stone6.png", "sharkyfight.ogg"}}) {
        pf::ctl::clearsoundevents();
        enter(c.story);
        runto(89);
        EXPECT_EQ(calls(c.before).size(), 1u) << c.story;
        EXPECT_EQ(soundstarts(c.strike), 0);
        maintick();
        EXPECT_EQ(calls(c.after).size(), 1u) << c.story;
        EXPECT_TRUE(calls(c.before).empty());
        EXPECT_EQ(soundstarts(c.strike), 1) << c.story;
    }
}

TEST_F(StoryScenes, AnglerfishSwimsInGrowlingAfterLineThree) {
    pf::ctl::clearsoundevents();
    enter(12);
    const int t3 = story.texttime[3];
    runto(t3 - 1);
    EXPECT_TRUE(calls("12and13and14\\fish.png").empty());
    EXPECT_EQ(soundstarts("growl.ogg"), 0);
    maintick();
    EXPECT_EQ(soundstarts("growl.ogg"), 1);
    auto fish = calls("12and13and14\\fish.png");
    ASSERT_EQ(fish.size(), 1u);
    EXPECT_GT(fish[0].x, disp.gfxwidth);
    runto(t3 + 160);
    fish = calls("12and13and14\\fish.png");
    ASSERT_EQ(fish.size(), 1u);
    EXPECT_EQ(fish[0].x, disp.gfxwidth / 2 + 280);
    auto lights = calls("fishlight1.png"), more = calls("fishlight2.png");
    lights.insert(lights.end(), more.begin(), more.end());
    EXPECT_FALSE(lights.empty());
    for (const auto& l : lights) EXPECT_EQ(l.blend, 4) << "the lamp glows in light blending";
}

// One prisoner is freed after each of the first two crab levels: both
// chained in 18, the first chain falls in 19, the second in 20.
TEST_F(StoryScenes, PrisonersAreFreedOneStoryAtATime) {
    enter(18);
    EXPECT_EQ(calls("chain1.png").size(), 1u);
    EXPECT_EQ(calls("chain2.png").size(), 1u);
    enter(19);
    runto(story.texttime[1] + 60);
    EXPECT_TRUE(calls("chain1.png").empty());
    EXPECT_EQ(calls("chain2.png").size(), 1u);
    enter(20);
    EXPECT_TRUE(calls("chain1.png").empty());
    EXPECT_EQ(calls("chain2.png").size(), 1u);
    runto(story.texttime[1] + 60);
    EXPECT_TRUE(calls("chain2.png").empty());
}

// Every picture a story lists is there, and goes when the story is left.
TEST_F(StoryScenes, EveryStoryLoadsAllItsPictures) {
    for (int n : ALLSTORIES) {
        enter(n);
        for (int k = 1; k <= storypropcount(n); k++)
            EXPECT_NE(storyimg.prop[k], nullptr) << "story " << n << ": " << storypropfile(n, k);
        EXPECT_EQ(storyimg.bg2 != nullptr, n == 15 || n == 21) << "story " << n;
    }
    deletestorystuff_dynamic();
    for (Img i : storyimg.prop) EXPECT_EQ(i, nullptr);
    EXPECT_EQ(storyimg.bg2, nullptr);
}

}  // namespace
