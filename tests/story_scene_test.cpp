// The scenes: every story's bubbles fit the screen and end the story on the
// last line; the intro's ship and question marks; story 2's characters.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/globals.h"
#include "core/loop.h"
#include "core/settings.h"
#include "platform/platform.h"
#include "story/story.h"
#include "story_fixture.h"
#include "testutil.h"

namespace {

struct StoryScene : StoryFixture {
    // One frame with the text clock at t.
    static void frameat(int t) {
        story.texttick = t - 1;
        maintick();
    }
};

// The bubble image is 440 x 172 with its tail's tip at (77, 165), mirrored on
// side 2. Every line of every story must show whole on each canvas, above the
// two buttons, and never in the same place as the line before it.
TEST_F(StoryScene, EveryBubbleFitsTheScreenOnEveryWidth) {
    for (int w : {1024, 1280, 1366}) {
        disp.gfxwidth = w;
        for (int n = 1; n <= MAXSTORIES; n++) {
            float px = -1, py = -1;
            ASSERT_GT(storylines(n), 0);
            for (int i = 1; i <= storylines(n); i++) {
                float x = 0, y = 0;
                storylinepos(n, i, x, y);
                story.bubbleside = storylineside(n, i);
                int side = bubbleside(x);
                story.bubbleside = 0;
                float left = side == 1 ? x - 77 : x - 363, right = side == 1 ? x + 363 : x + 77;
                EXPECT_GE(left, 0) << "width " << w << " story " << n << " line " << i;
                EXPECT_LE(right, w) << "width " << w << " story " << n << " line " << i;
                EXPECT_GE(y - 165, 0) << "story " << n << " line " << i;
                EXPECT_LE(y + 7, disp.gfxheight - 60) << "story " << n << " line " << i;
                EXPECT_FALSE(x == px && y == py) << "story " << n << " line " << i << " repeats its place";
                px = x;
                py = y;
            }
        }
    }
}

TEST_F(StoryScene, EveryStoryEndsOnItsLastLine) {
    for (int n = 1; n <= MAXSTORIES; n++) {
        enter(n);
        int last = storylines(n);
        frameat(story.texttime[last] - 1);
        EXPECT_EQ(story.storyend, 0) << "story " << n;
        EXPECT_EQ(calls("bubble.png").size(), 1u) << "story " << n << ": the last line shows";
        frameat(story.texttime[last]);
        EXPECT_GE(story.storyend, 1) << "story " << n;
        EXPECT_EQ(calls("bubble.png").size(), 0u);
    }
}

TEST_F(StoryScene, HurryingShortensTheScene) {
    enter(16);
    int end = story.texttime[storylines(16)];
    story.texttick = story.texttime[0] + 40;
    in.mhit1 = 1;
    storybubble(1, 300, 400);
    in.mhit1 = 0;
    int saved = story.texttime[1] - story.texttick;
    int frames = 0;
    while (story.storyend == 0 && frames < 5000) {
        maintick();
        frames++;
    }
    EXPECT_EQ(frames, end - story.texttime[1] + saved);
}

TEST_F(StoryScene, IntroShipSinksWhenLine4EndsAndHidesAfter280Pixels) {
    enter(1);
    for (int i = 5; i <= MAXSTORYLINES; i++) story.texttime[i] = story.texttime[4] + 2000 * (i - 4);
    int t4 = story.texttime[4];
    frameat(t4 - 1);
    auto ship = calls("1\\ship.png");
    ASSERT_EQ(ship.size(), 1u);
    EXPECT_EQ(ship[0].y, 30);
    EXPECT_EQ(ship[0].x, disp.gfxwidth - 120);
    EXPECT_EQ(scene.sink, 0);
    frameat(t4);
    ship = calls("1\\ship.png");
    ASSERT_EQ(ship.size(), 1u);
    EXPECT_NEAR(ship[0].y, 30.3f, 1e-3);
    // 933 frames of sinking: y 309.9, still drawn; the next frame it is gone.
    for (int f = 1; f < 933; f++) maintick();
    EXPECT_EQ(scene.sink, 933);
    ship = calls("1\\ship.png");
    ASSERT_EQ(ship.size(), 1u);
    EXPECT_LT(ship[0].y, 310);
    maintick();
    EXPECT_TRUE(calls("1\\ship.png").empty());
    EXPECT_EQ(pf::getrotation(), 0);
}

TEST_F(StoryScene, IntroShipStandsRightOfTheRockOnWideScreens) {
    disp.gfxwidth = 1366;
    enter(1);
    auto ship = calls("1\\ship.png");
    ASSERT_EQ(ship.size(), 1u);
    EXPECT_EQ(ship[0].x, 1366 - 200);
}

TEST_F(StoryScene, IntroRockSwaysInStripsOrStandsStill) {
    enter(1);
    auto strips = calls("1\\bgpart.png");
    ASSERT_EQ(strips.size(), 90u);
    EXPECT_EQ(strips[0].frame, 0);
    EXPECT_EQ(strips[89].frame, 89);
    EXPECT_EQ(strips[89].y, 356);
    EXPECT_FLOAT_EQ(strips[0].sx, 1.004f);
    settings.wavebg = 0;
    maintick();
    auto plain = calls("1\\bgpart.png");
    ASSERT_EQ(plain.size(), 1u);
    EXPECT_EQ(plain[0].x, disp.gfxwidth - disp.bgxoff - 400);
    EXPECT_EQ(plain[0].y, 0);
}

TEST_F(StoryScene, IntroQuestionMarksRiseSixFramesApartAndVanishWithLine7) {
    enter(1);
    int t6 = story.texttime[6], t7 = story.texttime[7];
    story.texttick = t6 - 1;
    std::vector<int> counts;
    for (int t = t6; t < t7 + 2; t++) {
        maintick();
        counts.push_back(int(calls("1\\question.png").size()));
    }
    // Mark q starts on the first frame with texttick - 6q > t6.
    for (int t = t6; t < t7 + 2; t++) {
        int expect = 0;
        if (t > t6 && t < t7)
            for (int q = 1; q <= 5; q++) expect += (t - 6 * q > t6);
        EXPECT_EQ(counts[t - t6], expect) << "text tick " << t;
    }
}

TEST_F(StoryScene, IntroQuestionMarkFadesAfterAge150) {
    enter(1);
    for (int i = 7; i <= MAXSTORYLINES; i++) story.texttime[i] = story.texttime[6] + 1000 * (i - 6);
    story.texttick = story.texttime[6] + 6;  // mark 1 starts next frame
    maintick();
    ASSERT_EQ(scene.qage[1], 1);
    auto q = calls("1\\question.png");
    ASSERT_EQ(q.size(), 1u);
    EXPECT_NEAR(q[0].alpha, 0.05f, 1e-4);
    EXPECT_EQ(q[0].x, 135);
    EXPECT_NEAR(q[0].y, 430 + 40 * pf::sindeg(50), 1e-3);
    for (int f = 0; f < 151; f++) maintick();
    EXPECT_EQ(scene.qage[1], 152);
    q = calls("1\\question.png");
    ASSERT_FALSE(q.empty());
    EXPECT_NEAR(q[0].alpha, 0.6f, 1e-4);  // 0.2 x (155 - 152)
    for (int f = 0; f < 3; f++) maintick();
    EXPECT_NEAR(calls("1\\question.png")[0].alpha, 0.0f, 1e-4);
}

TEST_F(StoryScene, StoryTwoCharactersFadeInAndFaceTheMiddle) {
    enter(2);
    int late = story.texttime[3] + 50;
    frameat(50);
    EXPECT_TRUE(calls("character\\11.png").empty()) << "drawn only once the clock passes 50";
    frameat(60);
    auto c1 = calls("character\\11.png");
    ASSERT_EQ(c1.size(), 1u);
    EXPECT_NEAR(c1[0].alpha, 0.5f, 1e-4);
    EXPECT_FLOAT_EQ(c1[0].sx, 0.56f);
    EXPECT_FLOAT_EQ(c1[0].sy, 0.56f);
    EXPECT_EQ(c1[0].x, disp.gfxwidth / 2 - 350);
    EXPECT_TRUE(calls("character\\31.png").empty());
    frameat(late + 40);
    auto c3 = calls("character\\31.png"), c4 = calls("character\\41.png"), c2 = calls("character\\21.png");
    ASSERT_EQ(c3.size(), 1u);
    ASSERT_EQ(c4.size(), 1u);
    ASSERT_EQ(c2.size(), 1u);
    EXPECT_FLOAT_EQ(c3[0].sx, -0.64f) << "right of the middle: turned to face it";
    EXPECT_FLOAT_EQ(c4[0].sx, -0.64f);
    EXPECT_FLOAT_EQ(c2[0].sx, 0.64f);
    EXPECT_FLOAT_EQ(c3[0].alpha, 1.0f);
    auto fg = calls("2\\fg.png");
    ASSERT_EQ(fg.size(), 1u);
    EXPECT_EQ(fg[0].y, disp.gfxheight - 90);
    EXPECT_EQ(pf::getalpha(), 1.0f);
}

TEST_F(StoryScene, StorySevenShowsTheGroupPicture) {
    enter(7);
    auto g = calls("7\\chars.png");
    ASSERT_EQ(g.size(), 1u);
    EXPECT_EQ(g[0].x, disp.gfxwidth / 2 - 21);
    EXPECT_EQ(g[0].y, 480);
}

TEST_F(StoryScene, ImagesOfTheLastStoryAreReleasedOnTheNext) {
    enter(1);
    EXPECT_NE(storyimg.ship1, nullptr);
    enter(2);
    EXPECT_EQ(storyimg.ship1, nullptr);
    EXPECT_EQ(storyimg.bgstrips1, nullptr);
    EXPECT_NE(storyimg.fg2, nullptr);
    deletestorystuff_dynamic();
    EXPECT_EQ(storyimg.fg2, nullptr);
    EXPECT_EQ(backgrounds.storybgstrips, nullptr);
    EXPECT_NE(storyimg.bubble, nullptr) << "the bubble stays";
}

// The characters are the largest pictures of the game: decoded when a scene
// first shows them, gone with the story's pictures.
TEST_F(StoryScene, CharactersComeWithTheStoryAndGoWithIt) {
    auto decoded = [] {
        int n = 0;
        for (const auto& row : storyimg.character)
            for (Img i : row) n += i != nullptr;
        return n;
    };
    EXPECT_EQ(decoded(), 0) << "none at start";
    enter(2);
    frameat(story.texttime[3]);
    bool drawn = false;
    for (const auto& c : pf::ctl::drawcalls()) drawn = drawn || c.path.find("character") != std::string::npos;
    EXPECT_TRUE(drawn);
    EXPECT_GT(decoded(), 0);
    EXPECT_LT(decoded(), 6 * (MAXPOSES + 1)) << "only the poses shown";
    deletestorystuff_dynamic();
    EXPECT_EQ(decoded(), 0);
}

}  // namespace
