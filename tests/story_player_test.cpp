// The story player: line times, the bubble's side and hurry rules, the
// clocks under popups and pause, the closing sequence and where a story
// leaves to.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/globals.h"
#include "core/loop.h"
#include "core/profiles.h"
#include "menus/popups.h"
#include "platform/control.h"
#include "platform/platform.h"
#include "present/texts.h"
#include "present/sound.h"
#include "story/story.h"
#include "story_fixture.h"
#include "testutil.h"

namespace {

struct StoryPlayer : StoryFixture {
    // Runs frames until a fade starts (or the limit), returning the frames run.
    static int framesuntilfade(int limit) {
        for (int f = 1; f <= limit; f++) {
            maintick();
            if (fade.fadestate == 2) return f;
        }
        return -1;
    }
};

TEST(StoryLineTime, LengthAndPauseLines) {
    struct Case {
        std::string line;
        int ticks;
    } cases[] = {
        {std::string(50, 'a'), 350},  // 4 x 50 + 150
        {"", 150},
        {"---", 200},
        {"  ---\t", 200},  // trimmed first
        {"----", 166},     // not a pause line
        {"--- ---", 178},
        {"  Hello  ", 170},
    };
    for (const auto& c : cases) EXPECT_EQ(linetime(c.line), c.ticks) << "'" << c.line << "'";
}

TEST_F(StoryPlayer, PrepareAddsLineTimesFromTheStart) {
    preparestory(5);
    EXPECT_EQ(story.aktstory, 5);
    EXPECT_EQ(story.texttime[0], 100);
    for (int i = 1; i <= MAXSTORYLINES; i++)
        EXPECT_EQ(story.texttime[i], story.texttime[i - 1] + linetime(storytext(5, i))) << "line " << i;
}

TEST_F(StoryPlayer, EntryStartsCleanOnTheStoryScreen) {
    story.storyend = 200;
    story.bubbleside = 2;
    pop.popup = 100;
    core.gamepause = 1;
    core.screen = 13;
    inststory(3);
    EXPECT_EQ(core.screen, 18);
    EXPECT_EQ(core.prevscreen, 13);
    EXPECT_EQ(story.aktstory, 3);
    EXPECT_EQ(story.storyend, 0);
    EXPECT_EQ(story.storytick, 0);
    EXPECT_EQ(story.texttick, 0);
    EXPECT_EQ(story.bubbleside, 0);
    EXPECT_EQ(pop.popup, 0);
    EXPECT_EQ(core.gamepause, -1);
    EXPECT_EQ(scene.scenepos, -150);
    EXPECT_EQ(scene.sceneflag, 1);
    EXPECT_EQ(fade.fadestate, 1);
    EXPECT_EQ(fade.fadelevel, 0);
}

TEST_F(StoryPlayer, StoryNumbersOutsideTheTableDoNotCrash) {
    for (int n : {0, -1, 22, 1000}) {
        inststory(n);
        EXPECT_GE(story.aktstory, 1);
        EXPECT_LE(story.aktstory, MAXSTORIES);
        for (int i = 0; i < 3; i++) maintick();
    }
    preparestory(99);  // lines of an unknown story count as empty
    EXPECT_EQ(story.texttime[1], 250);
    storybubble(0, 100, 400);
    storybubble(21, 100, 400);
    storycharacter(0, 100, 400, 0, 1);
    storycharacter(11, 100, 400, 0, 1);
    storysceneend(0);
    storysceneend(21);
}

TEST_F(StoryPlayer, BubbleSideRuleAndOneShotOverride) {
    enter(11);
    story.storytick = story.texttick = 150;  // inside line 1
    struct Case {
        int width;
        float x;
        int force;
        float sx;
    } cases[] = {
        {1024, 100, 0, 1},  {1024, 512, 0, 1},  {1024, 513, 0, -1}, {1366, 683, 0, 1},
        {1366, 684, 0, -1}, {1024, 100, 2, -1}, {1024, 900, 1, 1},
    };
    for (const auto& c : cases) {
        disp.gfxwidth = c.width;
        pf::clearscreen();
        story.bubbleside = c.force;
        storybubble(1, c.x, 400);
        auto b = calls("bubble.png");
        ASSERT_EQ(b.size(), 1u) << c.x;
        EXPECT_EQ(b[0].sx, c.sx) << "width " << c.width << " x " << c.x << " forced " << c.force;
        EXPECT_EQ(b[0].x, c.x);
        EXPECT_EQ(b[0].y, 400);
        EXPECT_EQ(story.bubbleside, 0) << "the override holds for one bubble";
    }
}

TEST_F(StoryPlayer, BubbleShowsOnlyWhileItsLineRunsAndFades) {
    enter(11);
    story.texttime[0] = 100;
    story.texttime[1] = 400;
    struct Case {
        int tick, end;
        bool drawn;
        float alpha;
    } cases[] = {
        {99, 0, false, 0},  {100, 0, true, 0},   {110, 0, true, 0.5f}, {250, 0, true, 1},
        {390, 0, true, 0.5f}, {399, 0, true, 0.05f}, {400, 0, false, 0}, {250, 1, false, 0},
    };
    for (const auto& c : cases) {
        pf::clearscreen();
        story.texttick = c.tick;
        story.storyend = c.end;
        storybubble(1, 300, 400);
        auto b = calls("bubble.png");
        ASSERT_EQ(b.size(), c.drawn ? 1u : 0u) << "tick " << c.tick;
        if (c.drawn) {
            EXPECT_NEAR(b[0].alpha, c.alpha, 1e-4) << "tick " << c.tick;
        }
        EXPECT_EQ(pf::getalpha(), 1.0f);
    }
}

TEST_F(StoryPlayer, ClickHurriesOnlyBetweenTheFirst30AndTheLast20Ticks) {
    enter(11);
    story.texttime[0] = 100;
    story.texttime[1] = 400;
    story.texttime[2] = 700;
    struct Case {
        int tick, after;
    } cases[] = {
        {100, 100}, {129, 129}, {130, 380}, {300, 380}, {379, 380}, {380, 380}, {395, 395},
    };
    for (const auto& c : cases) {
        story.texttick = c.tick;
        in.mhit1 = 1;
        storybubble(1, 300, 400);
        EXPECT_EQ(story.texttick, c.after) << "click at " << c.tick;
        EXPECT_EQ(story.texttime[1], 400) << "line times never move";
        EXPECT_EQ(story.texttime[2], 700);
    }
    // No click, or a click while a popup is open: nothing.
    story.texttick = 200;
    in.mhit1 = 0;
    storybubble(1, 300, 400);
    EXPECT_EQ(story.texttick, 200);
    pop.popup = 100;
    in.mhit1 = 1;
    storybubble(1, 300, 400);
    EXPECT_EQ(story.texttick, 200);
}

TEST_F(StoryPlayer, ClickThroughTheGameHurriesTheLine) {
    enter(11);
    story.texttick = story.texttime[0] + 40;
    in.mouseon = 1;  // the map has switched pointer input on
    pf::ctl::pointer(400, 300);
    pf::ctl::click(1);
    maintick();
    EXPECT_EQ(story.texttick, story.texttime[1] - 20);
}

TEST_F(StoryPlayer, PopupAndPauseFreezeBothClocks) {
    enter(2);
    openpopup(100);
    int s0 = story.storytick, t0 = story.texttick;
    for (int i = 0; i < 5; i++) maintick();
    EXPECT_EQ(story.storytick, s0);
    EXPECT_EQ(story.texttick, t0);
    pop.popup = 0;
    pop.popupfade = 0;
    core.gamepause = 1;
    maintick();
    EXPECT_EQ(story.storytick, s0);
    EXPECT_EQ(story.texttick, t0);
    core.gamepause = -1;
    maintick();
    EXPECT_EQ(story.storytick, s0 + 1);
    EXPECT_EQ(story.texttick, t0 + 1);
}

TEST_F(StoryPlayer, ClosingCountersForChapterAndPlainStories) {
    struct Case {
        int story, firstfade, target;
    } cases[] = {
        {1, 249, 12},   // chapter: 1 -> 250 one per frame
        {6, 249, 12},
        {11, 249, 12},
        {15, 249, 12},
        {21, 249, 0},   // the ending returns to the main menu
        {2, 125, 12},   // plain: 1, 3, ... 249, then capped at 250
        {20, 125, 12},
    };
    for (const auto& c : cases) {
        enter(c.story);
        int last = storylines(c.story);
        story.texttick = story.texttime[last] - 1;  // the next frame ends the last line
        maintick();
        ASSERT_GE(story.storyend, 1) << "story " << c.story;
        EXPECT_EQ(story.storyend, storychapter(c.story) ? 2 : 3) << "story " << c.story;
        EXPECT_EQ(framesuntilfade(400), c.firstfade - 1) << "story " << c.story;
        EXPECT_EQ(story.storyend, 251);
        EXPECT_EQ(fade.fadeto, c.target) << "story " << c.story;
        EXPECT_EQ(fade.fadeparam, 0);
    }
}

TEST_F(StoryPlayer, ClosingWaitsWhilePaused) {
    enter(1);
    storyskip();
    maintick();
    int e = story.storyend;
    core.gamepause = 1;
    for (int i = 0; i < 300; i++) maintick();
    EXPECT_EQ(story.storyend, e);
    EXPECT_NE(fade.fadestate, 2);
}

TEST_F(StoryPlayer, SkipLeavesPlainStoriesAtOnceAndPlaysTheChapterTitle) {
    enter(2);
    storyskip();
    EXPECT_EQ(story.storyend, 250);
    maintick();
    EXPECT_EQ(fade.fadestate, 2) << "a plain story leaves in the same frame";
    EXPECT_EQ(fade.fadeto, 12);

    enter(11);
    story.texttick = 500;
    storyskip();
    EXPECT_EQ(story.storyend, 1);
    EXPECT_EQ(framesuntilfade(400), 249) << "the chapter title plays its 250 frames";
    EXPECT_EQ(fade.fadeto, 12);
}

// The two buttons through the real widget: the click that may also hurry a
// line still reaches the button under the pointer.
TEST_F(StoryPlayer, ButtonsSkipAndLeave) {
    struct Case {
        int lx, target;
    } cases[] = {{1024 - 80, 12}, {80, 13}};
    loadpopupgraphics();
    for (const auto& c : cases) {
        enter(2);
        story.texttick = story.texttime[0] + 50;
        in.mouseon = 1;
        // canvas 1024 x 768 in the 800 x 600 window
        pf::ctl::pointer(c.lx * 800 / 1024, (768 - 30) * 600 / 768);
        maintick();
        pf::ctl::click(1);
        maintick();
        EXPECT_EQ(fade.fadestate, 2) << "button at " << c.lx;
        EXPECT_EQ(fade.fadeto, c.target);
    }
}

TEST_F(StoryPlayer, SkipDoesNothingOnceTheClosingRuns) {
    enter(2);
    story.storyend = 5;
    storyskip();
    EXPECT_EQ(story.storyend, 5);
    enter(1);
    story.storyend = 100;
    storyskip();
    EXPECT_EQ(story.storyend, 100);
}

TEST_F(StoryPlayer, FirstStoryRuleForANewPlayerByEitherWay) {
    players.aktplayer = 3;
    for (int way = 0; way < 2; way++) {
        akt().sellevel = 0;
        akt().maxlevel = 0;
        core.playlevel = 0;
        enter(1);
        if (way == 0) {
            storytomap();
            EXPECT_EQ(fade.fadeto, 13);
        } else {
            storyskip();
            framesuntilfade(400);
            EXPECT_EQ(fade.fadeto, 12);
        }
        EXPECT_EQ(akt().sellevel, 1) << "way " << way;
        EXPECT_EQ(akt().maxlevel, 1);
        EXPECT_EQ(core.playlevel, 1);
    }
    // A player who has chosen levels before keeps them.
    akt().sellevel = 11;
    akt().maxlevel = 14;
    core.playlevel = 11;
    enter(2);
    storytomap();
    EXPECT_EQ(akt().sellevel, 11);
    EXPECT_EQ(akt().maxlevel, 14);
    EXPECT_EQ(core.playlevel, 11);
}

TEST_F(StoryPlayer, NoPlayerLeavesWithoutTouchingProfiles) {
    players.aktplayer = -1;
    enter(1);
    storytomap();
    EXPECT_EQ(fade.fadeto, 13);
    EXPECT_EQ(players.p[16].sellevel, 0);
}

TEST(StoryTables, MusicChaptersAndBackgrounds) {
    EXPECT_EQ(storymusic(1), "/music/story2.ogg");
    EXPECT_EQ(storymusic(3), "/music/storyreggae.ogg");
    EXPECT_EQ(storymusic(16), "/music/storybazaar.ogg");
    EXPECT_EQ(storymusic(17), "/music/storybazaar.ogg");
    for (int n : {2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 18, 19, 20}) EXPECT_EQ(storymusic(n), "/music/story1.ogg");
    EXPECT_EQ(storymusic(21), "") << "the ending keeps the music that plays";
    EXPECT_EQ(storymusic(0), "");

    int chapters = 0;
    for (int n = 1; n <= MAXSTORIES; n++) chapters += storychapter(n) > 0;
    EXPECT_EQ(chapters, 5);
    EXPECT_EQ(storychapter(15), 4);
    EXPECT_EQ(storychapter(21), 5);
    EXPECT_EQ(storybgnumber(1), 1);
    EXPECT_EQ(storybgnumber(11), 13);
    EXPECT_EQ(storybgnumber(16), 18);
    EXPECT_EQ(storybgnumber(17), 19);
    EXPECT_EQ(storyupper("abc xyz \xe9\xf7\xff"), "ABC XYZ \xc9\xf7\xff");
}

}  // namespace
