// The boss levels: each boss reacts once to every new hit, a resumed level
// shows the old damage without reacting to it again, an empty stack is a hit
// at the first play tick, and the win waits for the boss except on the crab's
// levels.
#include <gtest/gtest.h>

#include <string>

#include "cards/boss.h"
#include "cards/cardgame.h"
#include "cards/gamescreen.h"
#include "core/globals.h"
#include "core/loop.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "gamescreen_fixture.h"
#include "platform/control.h"
#include "present/effects.h"
#include "present/sound.h"
#include "story/story.h"
#include "testutil.h"

namespace {

struct Bosses : GameScreenFixture {
    void SetUp() override {
        GameScreenFixture::SetUp();
        initsound();
        core.fps = 50;  // effects live their whole life
        fade.fadestate = 1;
        fade.fadelevel = 255;
    }

    static void enter(int level) {
        akt().maxlevel = akt().sellevel = level;
        core.playlevel = level;
        core.screen = SCREEN_MAP;
        instgame();
    }
    static void frame(int n = 1) {
        for (int k = 0; k < n; k++) {
            pf::clearscreen();
            core.framecount++;
            showgame();
            updatemusic();  // which also lets every sound play again next tick
        }
    }
    // Into the level and through its deal.
    static void play(int level) {
        enter(level);
        frame(200);
        ASSERT_EQ(cg.gamestat, 2) << level;
    }
    static int played(const std::string& file) {
        int n = 0;
        for (const auto& e : pf::ctl::soundevents())
            if (e.path.size() >= file.size() && e.path.compare(e.path.size() - file.size(), file.size(), file) == 0) n++;
        return n;
    }
    static int drawn(const std::string& part) {
        int n = 0;
        for (const auto& d : pf::ctl::drawcalls())
            if (d.path.find(part) != std::string::npos && d.alpha > 0) n++;
        return n;
    }
    static bool logged(const std::string& line) {
        for (const auto& l : pf::ctl::loglines())
            if (l == line) return true;
        return false;
    }
    static int effectsofkind(int lo, int hi) {
        int n = 0;
        for (int k = 1; k <= MAXEFFECTS; k++) n += effects.eff[k].kind >= lo && effects.eff[k].kind <= hi;
        return n;
    }
};

TEST_F(Bosses, PicturesLoadOnlyOnTheBossLevels) {
    enter(15);
    EXPECT_EQ(bossimg.blowfish, nullptr);
    EXPECT_EQ(bossimg.stone[1], nullptr);
    enter(16);
    EXPECT_NE(bossimg.blowfish, nullptr);
    EXPECT_NE(bossimg.blowfisheye[2], nullptr);
    EXPECT_TRUE(logged("load blowfish stuff for game"));
    deletegamestuff_dynamic();
    EXPECT_EQ(bossimg.blowfish, nullptr) << "leaving the card game frees them";
    core.aktlevel = 33;
    loadgamestuff_dynamic();
    EXPECT_NE(bossimg.stone[5], nullptr);
    EXPECT_NE(bossimg.stonepart[8], nullptr);
    EXPECT_TRUE(logged("load stone stuff for game"));
    EXPECT_EQ(effhooks.stonepart(3), bossimg.stonepart[3]) << "the thrown fragments draw the stone's chips";
}

// Leaves a level with `damage` hits suspended and comes back to it: the boss
// shows the damage at once and plays none of the reactions again.
TEST_F(Bosses, ResumedLevelShowsTheDamageWithoutReplayingIt) {
    struct Case {
        int level, damage;
        const char* replaysound;
    } cases[] = {{16, 3, "bosshit.ogg"},    {17, 4, "killedboss.ogg"}, {33, 3, "stonecrack.ogg"},
                 {54, 3, "killedboss.ogg"}, {74, 5, "killedboss.ogg"}};
    for (const Case& c : cases) {
        akt() = Profile{};
        akt().playername = "Tester";
        play(c.level);
        akt().bossdamage = c.damage;
        frame(400);
        ASSERT_TRUE(saveplayer(1));
        ASSERT_EQ(akt().ingame, 1) << c.level;
        pf::ctl::clearsoundevents();
        enter(c.level);
        ASSERT_EQ(gs.resumed, 1);
        EXPECT_EQ(akt().bossdamage, c.damage);
        frame(300);
        EXPECT_EQ(played(c.replaysound), 0) << c.level;
        EXPECT_EQ(played("bosshit.ogg") + played("hit.ogg"), 0) << c.level;
        EXPECT_EQ(effectsofkind(581, 588), 0) << c.level << ": no fragments thrown again";
        EXPECT_EQ(boss.damageshown, c.damage);
        switch (c.level) {
            case 16:
                EXPECT_EQ(drawn("blowfisheye2.png"), 1);
                EXPECT_EQ(drawn("plaster.png"), 2);
                break;
            case 17: EXPECT_EQ(drawn("blowfish.png"), 0) << "the fish has gone flat"; break;
            case 33: EXPECT_EQ(drawn("stone5.png"), 1); break;
            case 54: EXPECT_LT(boss.lightalpha, 0.5f) << "its light is out"; break;
            case 74: EXPECT_EQ(drawn("robber.png"), 0) << "the crab has gone"; break;
        }
        // the next hit is answered as usual
        pf::ctl::clearsoundevents();
        akt().bossdamage++;
        frame(120);
        int answers = played("bosshit.ogg") + played("hit.ogg") + played("schwertifight.ogg");
        EXPECT_GE(answers, 1) << c.level;
    }
}

TEST_F(Bosses, EmptyStackIsAHitAtTheFirstPlayTickAndTheFishReactsAtOnce) {
    enter(16);
    while (cg.dealtick < 185) frame();
    // stack 1 loses all its cards before play begins, as if the layout skipped it
    Profile& p = akt();
    for (int i = 1; i <= MAXCARDS; i++)
        if (p.card[i].cardstack == 1) p.card[i].cardtype = 0;
    p.stack[1].stackleft = 0;
    pf::ctl::clearsoundevents();
    while (cg.gamestat != 2) frame();
    EXPECT_EQ(played("bosshit.ogg"), 0);
    frame(2);
    EXPECT_EQ(p.bossdamage, 1);
    EXPECT_EQ(played("bosshit.ogg"), 1);
    EXPECT_EQ(drawn("blowfisheye2.png"), 1) << "the first hit's eye";
    EXPECT_GT(effectsofkind(840, 849) + effectsofkind(100, 149), 0) << "a star burst";
}

TEST_F(Bosses, BlowfishMarksEachHitAndTheSecondFishDeflatesToNothing) {
    play(16);
    for (int hit = 1; hit <= 5; hit++) {
        pf::ctl::clearsoundevents();
        akt().bossdamage = hit;
        frame(50);
        EXPECT_EQ(played("bosshit.ogg"), 1) << hit;
        EXPECT_EQ(drawn("blowfisheye2.png"), 1) << hit;
        EXPECT_EQ(drawn("plaster.png"), std::min(hit - 1, 3)) << hit;
    }
    play(17);
    EXPECT_EQ(drawn("plaster.png"), 3) << "the second fish wears all the marks";
    pf::ctl::clearsoundevents();
    for (int hit = 1; hit <= 4; hit++) {
        akt().bossdamage = hit;
        frame(150);
        if (hit < 4) {
            EXPECT_NEAR(boss.size, blowfishsizefor(hit), 50) << hit;
        }
    }
    frame(200);
    EXPECT_EQ(played("blowdown.ogg"), 4);
    EXPECT_EQ(played("killedboss.ogg"), 1);
    EXPECT_EQ(boss.size, 0) << "the last of the air goes too";
    EXPECT_EQ(boss.sizesparkle, 1);
    EXPECT_EQ(drawn("blowfish.png"), 0);
}

TEST_F(Bosses, StoneBreaksInStagesAsTheFriendStrikes) {
    struct Case {
        int level, damage, stage;
        const char* strike;
        const char* crack;
    } cases[] = {{32, 1, 2, "clownyfight.ogg", "stonecrack.ogg"},
                 {32, 3, 3, "clownyfight.ogg", "stonecrack.ogg"},
                 {33, 3, 5, "schwertifight.ogg", "stonecrack.ogg"},
                 {34, 4, 0, "sharkyfight.ogg", "stonebreak.ogg"}};
    for (const Case& c : cases) {
        play(c.level);
        EXPECT_EQ(boss.stage, stonestagefor(c.level, 0));
        pf::ctl::clearsoundevents();
        akt().bossdamage = c.damage;
        frame(10);
        EXPECT_EQ(boss.stage, stonestagefor(c.level, 0)) << "the stone holds until the blow lands";
        frame(80);
        EXPECT_EQ(boss.stage, c.stage) << c.level << " " << c.damage;
        EXPECT_EQ(played(c.strike), 1) << c.level;
        EXPECT_EQ(played(c.crack), 1) << c.level;
        frame(200);
        EXPECT_EQ(boss.phase, 0) << "the friend is back at its place";
    }
}

TEST_F(Bosses, CrabPulsesAtEachHitAndFadesAfterTheFourth) {
    play(72);
    EXPECT_EQ(drawn("chain1.png"), 1);
    EXPECT_EQ(drawn("chain2.png"), 1);
    for (int hit = 1; hit <= 6; hit++) {
        pf::ctl::clearsoundevents();
        akt().bossdamage = hit;
        frame(60);
        EXPECT_EQ(played("hit.ogg"), 1) << hit;
        EXPECT_EQ(played("dog3.ogg"), 1) << hit;
        EXPECT_EQ(played("dog2.ogg"), hit <= 4 ? 1 : 0) << hit;
        EXPECT_EQ(played("killedboss.ogg"), hit == 5 ? 1 : 0) << hit;
    }
    EXPECT_EQ(drawn("robber.png"), 0);
    play(73);
    EXPECT_EQ(drawn("chain1.png"), 0) << "level 72 freed the first prisoner";
    EXPECT_EQ(drawn("chain2.png"), 1);
    play(74);
    EXPECT_EQ(drawn("chain2.png"), 0);
}

TEST_F(Bosses, WinWaitsForTheBossExceptOnTheCrabsLevels) {
    for (int level : {16, 17, 32, 34, 52, 54, 72, 73, 74, 15}) {
        core.screen = SCREEN_GAME;
        core.aktlevel = core.playlevel = level;
        resetscoring();
        cg.gamestat = 3;
        cg.gameresult = 1;
        sc.endseq = 1;
        bool waits = level != 15 && level < 72;
        EXPECT_EQ(bosswinwaits(level), waits) << level;
        for (int k = 0; k < 149; k++) makewin();
        EXPECT_EQ(sc.endseq, waits ? 1 : 150) << level;
        makewin();
        EXPECT_EQ(sc.endseq, waits ? 2 : 151) << level;
    }
}

}  // namespace
