// Effects and music on the headless backend, which records every sound start
// with its current volume and pan, and every log line.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/control.h"
#include "cards/cardgame.h"
#include "cards/gamescreen.h"
#include "core/globals.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "core/settings.h"
#include "present/sound.h"
#include "testutil.h"

namespace {

bool endswith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

std::vector<pf::ctl::SoundEvent> startsof(const std::string& file) {
    std::vector<pf::ctl::SoundEvent> r;
    for (auto& e : pf::ctl::soundevents())
        if (endswith(e.path, file)) r.push_back(e);
    return r;
}

const pf::ctl::SoundEvent* eventon(pf::Channel c) {
    const auto& ev = pf::ctl::soundevents();
    for (auto it = ev.rbegin(); it != ev.rend(); ++it)
        if (it->ch == c) return &*it;
    return nullptr;
}

float musicvol() {
    const pf::ctl::SoundEvent* e = eventon(snd.musicchannel);
    return e ? e->volume : -1.0f;
}

std::string musicfile() {
    const pf::ctl::SoundEvent* e = eventon(snd.musicchannel);
    if (!e) return "";
    return e->path.substr(e->path.find_last_of("/\\") + 1);
}

bool logged(const std::string& line) {
    const auto& l = pf::ctl::loglines();
    return std::find(l.begin(), l.end(), line) != l.end();
}

// One tick of the main loop as far as sound is concerned: the screen's own
// routine (the card game's nexttrack), then the music update.
void tick(bool ingame = false) {
    core.framecount++;
    if (ingame) nexttrack();
    updatemusic();
}

// Enters the card game for a level the way the fade does, at black: the
// screen's entry routine starts the level's music. The picture is then
// shown at full brightness.
void entergame(int level) {
    players.aktplayer = 1;
    akt() = Profile{};
    akt().playername = "Tester";
    akt().maxlevel = akt().sellevel = 74;  // a replay: no tutorial
    core.playlevel = level;
    instgame();
    fade.fadelevel = 256;
}

class Sound : public ::testing::Test {
protected:
    void SetUp() override {
        headlessgame();
        initsound();
        core.screen = SCREEN_MENU;
        core.gamepause = -1;
        core.framecount = 100;
        fade.fadelevel = 256;
        fade.fadeto = 0;
        pf::ctl::clearsoundevents();
        pf::ctl::clearlog();
    }
    void TearDown() override { resetsound(); }
};

TEST_F(Sound, EveryEffectAndStorySoundOfTheTablesLoads) {
    EXPECT_EQ(snd.soundok, 1);
    for (int id = 1; id <= EFFECTCOUNT; id++) EXPECT_NE(snd.sounds[id], nullptr) << "effect " << id;
    for (int id = EFFECTCOUNT + 1; id <= SOUNDSLOTS; id++) EXPECT_EQ(snd.sounds[id], nullptr) << id;
    loadstorysounds();
    int loaded = 0;
    for (int id = 1; id <= STORYSOUNDSLOTS; id++) loaded += snd.storysounds[id] != nullptr;
    EXPECT_EQ(loaded, 19);
    for (int id : {1, 6, 19, 28, 46, 50, 56, 57}) EXPECT_NE(snd.storysounds[id], nullptr) << id;
    for (int id : {7, 16, 26, 45, 58, 60}) EXPECT_EQ(snd.storysounds[id], nullptr) << id;
    freestorysounds();
    for (int id = 1; id <= STORYSOUNDSLOTS; id++) EXPECT_EQ(snd.storysounds[id], nullptr);
}

TEST_F(Sound, WithoutTheProbeNoEffectLoadsButMusicIsTried) {
    TempDir empty;
    resetsound();
    pf::setdataroot(empty.str());
    initsound();
    EXPECT_EQ(snd.soundok, 0);
    for (int id = 1; id <= EFFECTCOUNT; id++) ASSERT_EQ(snd.sounds[id], nullptr);
    PlayS(13, 100);
    EXPECT_TRUE(pf::ctl::soundevents().empty());
    playmusic("/music/title.ogg", 1);
    EXPECT_TRUE(logged("Musikfehler: /music/title.ogg"));
}

TEST_F(Sound, EffectVolumeThreshold) {
    struct Case { int volume; bool plays; };
    for (Case c : {Case{0, false}, Case{10, false}, Case{11, true}, Case{280, true}}) {
        settings.soundvolume = c.volume;
        pf::ctl::clearsoundevents();
        tick();
        PlayS(13, disp.midx);
        loadstorysounds();
        PlayS_story(1, disp.midx);
        auto clicks = startsof("click.ogg");
        auto story = startsof("introstory_mmh.ogg");
        ASSERT_EQ(clicks.size(), c.plays ? 1u : 0u) << c.volume;
        ASSERT_EQ(story.size(), c.plays ? 1u : 0u) << c.volume;
        if (c.plays) {
            EXPECT_FLOAT_EQ(clicks[0].volume, c.volume / 280.0f);
            EXPECT_FLOAT_EQ(story[0].volume, c.volume / 280.0f);
        }
    }
}

TEST_F(Sound, OneStartPerEffectAndTick) {
    PlayS(13, 10);
    PlayS(13, 900);
    PlayS(50, 10);  // another id is not held back
    EXPECT_EQ(startsof("click.ogg").size(), 1u);
    EXPECT_EQ(startsof("select.ogg").size(), 1u);
    tick();
    PlayS(13, 10);
    EXPECT_EQ(startsof("click.ogg").size(), 2u);
}

TEST_F(Sound, NothingStartsWhilePaused) {
    core.gamepause = 1;
    PlayS(13, 10);
    PlaySvol(4, 10, 1.0f);
    loadstorysounds();
    PlayS_story(1, 10);
    PlayS_storyendless(16, 10);
    EXPECT_TRUE(pf::ctl::soundevents().empty());

    playmusic("/music/title.ogg", 1);
    ASSERT_EQ(startsof("title.ogg").size(), 1u);
    EXPECT_TRUE(startsof("title.ogg")[0].cued);
    for (int i = 0; i < 5; i++) tick();
    EXPECT_FALSE(pf::channelplaying(snd.musicchannel));
    core.gamepause = -1;
    tick();
    EXPECT_TRUE(pf::channelplaying(snd.musicchannel));
}

TEST_F(Sound, PlaySvolClampsTheFactor) {
    struct Case { float factor, volume; };
    settings.soundvolume = 280;
    for (Case c : {Case{1.5f, 1.0f}, Case{-0.2f, 0.0f}, Case{0.5f, 0.5f}}) {
        tick();
        pf::ctl::clearsoundevents();
        PlaySvol(4, 300, c.factor);
        auto e = startsof("shells2.ogg");
        ASSERT_EQ(e.size(), 1u) << c.factor;
        EXPECT_FLOAT_EQ(e[0].volume, c.volume) << c.factor;
    }
}

TEST_F(Sound, PanFollowsTheX) {
    struct Case { int width, x; float pan; };
    for (Case c : {Case{1366, 0, -0.58055f}, Case{1366, 683, 0.0f}, Case{1024, 1024, 0.4352f},
                   Case{1366, 100000, 1.0f}, Case{1366, -100000, -1.0f}}) {
        disp.gfxwidth = c.width;
        disp.midx = c.width / 2;
        tick();
        pf::ctl::clearsoundevents();
        PlayS(13, c.x);
        auto e = startsof("click.ogg");
        ASSERT_EQ(e.size(), 1u);
        EXPECT_NEAR(e[0].pan, c.pan, 1e-4) << c.width << " " << c.x;
    }
}

TEST_F(Sound, BadIdsDoNothing) {
    for (int id : {0, -1, 82, 90, 91, 100000, -100000}) PlayS(id, 10);
    PlaySvol(91, 10, 1.0f);
    EXPECT_TRUE(pf::ctl::soundevents().empty());
    for (int id : {0, 7, 61, -3}) {
        PlayS_story(id, 10);
        EXPECT_TRUE(logged("Error PlayS_story() :" + std::to_string(id))) << id;
    }
    PlayS_storyendless(95, 10);
    EXPECT_TRUE(logged("Error PlayS_story() :95"));
    for (int n : {0, 4, -1}) {
        playtrack(n);
        EXPECT_TRUE(logged("Musikfehler: " + std::to_string(n)));
    }
}

TEST_F(Sound, MusicVolumeRamp) {
    playmusic("/music/title.ogg", 1);
    snd.curmusicvol = 200;
    settings.musicvolume = 100;
    for (int i = 0; i < 19; i++) tick();
    EXPECT_EQ(snd.curmusicvol, 105);
    tick();
    EXPECT_EQ(snd.curmusicvol, 100);
    EXPECT_FLOAT_EQ(musicvol(), 100 / 280.0f * 0.8f);
    tick();
    EXPECT_EQ(snd.curmusicvol, 100);

    settings.musicvolume = 9;
    tick();
    EXPECT_EQ(snd.curmusicvol, 0);
    EXPECT_FLOAT_EQ(musicvol(), 0.0f);
}

TEST_F(Sound, MusicVolumeFollowsTheFadeWithinRange) {
    playmusic("/music/casino.ogg", 1);
    core.screen = SCREEN_CASINO;
    snd.curmusicvol = settings.musicvolume = 280;
    struct Case { int fadelevel; float volume; };
    for (Case c : {Case{256, 0.8f}, Case{128, 0.4f}, Case{0, 0.0f}, Case{300, 0.8f}, Case{-32, 0.0f}}) {
        fade.fadelevel = c.fadelevel;
        tick();
        EXPECT_FLOAT_EQ(musicvol(), c.volume) << c.fadelevel;
    }
}

TEST_F(Sound, TitleMusicRunsOnBetweenMenuAndMap) {
    musicformenu(SCREEN_LOADING);
    EXPECT_EQ(snd.curmusicvol, 0);
    for (int i = 0; i < 40; i++) tick();
    ASSERT_EQ(musicfile(), "title.ogg");
    float full = 200 / 280.0f * 0.8f;
    EXPECT_FLOAT_EQ(musicvol(), full);
    pf::Channel ch = snd.musicchannel;
    size_t starts = pf::ctl::soundevents().size();

    // the menu darkens towards the map, the map's entry runs, the map brightens
    fade.fadeto = SCREEN_MAP;
    fade.fadestate = 2;
    for (int level = 256; level >= 0; level -= 32) {
        fade.fadelevel = level;
        tick();
        EXPECT_FLOAT_EQ(musicvol(), full) << level;
    }
    core.prevscreen = SCREEN_MENU;
    core.screen = SCREEN_MAP;
    musicformap(SCREEN_MENU);
    fade.fadestate = 1;
    for (int level = 0; level <= 256; level += 32) {
        fade.fadelevel = level;
        tick();
        EXPECT_FLOAT_EQ(musicvol(), full) << level;
    }
    EXPECT_EQ(snd.musicchannel, ch);
    EXPECT_TRUE(pf::channelplaying(ch));
    EXPECT_EQ(pf::ctl::soundevents().size(), starts) << "nothing restarted";

    // and back: the menu keeps it too
    core.prevscreen = SCREEN_MAP;
    core.screen = SCREEN_MENU;
    musicformenu(SCREEN_MAP);
    tick();
    EXPECT_EQ(snd.musicchannel, ch);
    EXPECT_FLOAT_EQ(musicvol(), full);
}

TEST_F(Sound, MapToLevelFadesOutAndTheTrackFadesInFromZero) {
    core.screen = SCREEN_MAP;
    core.prevscreen = SCREEN_MENU;
    musicformap(SCREEN_LOADING);
    snd.curmusicvol = 200;
    tick();
    // the map was entered from the menu; it still darkens into the level with the music
    fade.fadeto = SCREEN_GAME;
    fade.fadestate = 2;
    fade.fadelevel = 128;
    tick();
    EXPECT_FLOAT_EQ(musicvol(), 200 / 280.0f * 0.8f * 0.5f);
    fade.fadestate = 1;

    entergame(12);
    EXPECT_EQ(musicfile(), "ingame1.ogg");
    EXPECT_FLOAT_EQ(musicvol(), 0.0f);
    EXPECT_EQ(snd.curmusicvol, 0);
    tick(true);
    EXPECT_EQ(snd.curmusicvol, 5);
    EXPECT_FLOAT_EQ(musicvol(), 5 / 280.0f * 0.8f);
    EXPECT_TRUE(pf::channelplaying(snd.musicchannel));
    for (int i = 0; i < 39; i++) tick(true);
    EXPECT_EQ(snd.curmusicvol, 200);
}

TEST_F(Sound, TrackRotationByLevel) {
    struct Case { int level; const char* first; const char* second; const char* third; };
    core.screen = SCREEN_GAME;
    for (Case c : {Case{12, "ingame1.ogg", "ingame2.ogg", "ingame3.ogg"},
                   Case{13, "ingame4.ogg", "ingame3.ogg", "ingame3.ogg"},
                   Case{14, "ingame3.ogg", "ingame5.ogg", "ingame1.ogg"},
                   Case{1, "ingame4.ogg", "ingame3.ogg", "ingame3.ogg"}}) {
        entergame(c.level);
        tick(true);
        EXPECT_EQ(musicfile(), c.first) << c.level;
        // each track that ends is followed by the next within 50 ticks; 3 wraps to 1
        std::vector<std::string> seen;
        for (int k = 0; k < 3; k++) {
            pf::ctl::endchannel(snd.musicchannel);
            pf::Channel old = snd.musicchannel;
            int waited = 0;
            while (snd.musicchannel == old && waited < 60) {
                tick(true);
                waited++;
            }
            EXPECT_LE(waited, 50) << c.level;
            seen.push_back(musicfile());
        }
        int start = ((c.level % 3) + 3) % 3 + 1;
        EXPECT_EQ(seen[0], c.second) << c.level;
        EXPECT_EQ(seen[1], c.third) << c.level;
        EXPECT_EQ(seen[2], c.first) << c.level;  // three ends bring it back round
        EXPECT_EQ(snd.curtrack, start);
        EXPECT_TRUE(logged("Neuer Track: " + std::to_string(start))) << c.level;
    }
}

TEST_F(Sound, TheSetOfEachRemainder) {
    struct Case { int level; const char* t1; const char* t2; const char* t3; };
    for (Case c : {Case{3, "ingame1.ogg", "ingame2.ogg", "ingame3.ogg"}, Case{4, "ingame3.ogg", "ingame4.ogg", "ingame3.ogg"},
                   Case{5, "ingame5.ogg", "ingame1.ogg", "ingame3.ogg"}}) {
        entergame(c.level);
        const char* want[] = {nullptr, c.t1, c.t2, c.t3};
        for (int n = 1; n <= 3; n++) {
            playtrack(n);
            EXPECT_EQ(musicfile(), want[n]) << c.level << " track " << n;
        }
    }
}

TEST_F(Sound, NoNewTrackDuringTheEndOrTheClearingExtraOrPause) {
    core.screen = SCREEN_GAME;
    entergame(12);
    tick(true);
    struct Case { int endseq, clearing, pause; };
    for (Case c : {Case{1, 0, -1}, Case{0, 1, -1}, Case{0, 0, 1}}) {
        pf::ctl::endchannel(snd.musicchannel);
        pf::Channel old = snd.musicchannel;
        snd.soundendseq = c.endseq;
        snd.soundclearing = c.clearing;
        core.gamepause = c.pause;
        for (int i = 0; i < 120; i++) tick(true);
        EXPECT_EQ(snd.musicchannel, old) << c.endseq << c.clearing << c.pause;
    }
}

TEST_F(Sound, TheLevelEndJingleIsTheLastMusicOfTheLevel) {
    struct Case { int result; const char* jingle; };
    for (Case c : {Case{1, "win.wav"}, Case{2, "fail.wav"}}) {
        entergame(13);
        // the level has ended; its presentation starts
        cg.gamestat = 3;
        cg.gameresult = c.result;
        cg.endtick = 30;
        sc.endseq = 1;
        auto frame = [] {
            core.framecount++;
            pf::clearscreen();
            showgame();
            updatemusic();
        };
        for (int k = 0; k < 3; k++) frame();
        EXPECT_EQ(musicfile(), c.jingle);
        pf::ctl::endchannel(snd.musicchannel);  // the jingle has played out
        pf::ctl::clearlog();
        for (int k = 0; k < 400; k++) frame();
        for (const std::string& l : pf::ctl::loglines())
            EXPECT_EQ(l.rfind("Neuer Track", 0), std::string::npos) << c.jingle << ": " << l;
        EXPECT_EQ(musicfile(), c.jingle);
        EXPECT_FALSE(pf::channelplaying(snd.musicchannel));
    }
}

TEST_F(Sound, ACuedOrSuspendedTrackIsNotSkipped) {
    core.screen = SCREEN_GAME;
    // the entry routine cues the track in a tick whose framecount is a multiple of 50
    core.framecount = 149;
    entergame(12);
    tick(true);
    EXPECT_EQ(musicfile(), "ingame1.ogg");
    EXPECT_FALSE(logged("Neuer Track: 2"));

    // suspended: both channels pause; the tick the game runs again, nexttrack
    // comes before updatemusic resumes the music
    core.framecount = 199;
    pausesoundchannels();
    EXPECT_FALSE(pf::channelplaying(snd.musicchannel));
    tick(true);
    EXPECT_EQ(musicfile(), "ingame1.ogg");
    EXPECT_TRUE(pf::channelplaying(snd.musicchannel));
}

TEST_F(Sound, MissingMusicLogsAndStaysStopped) {
    playmusic("/music/title.ogg", 1);
    tick();
    pf::Channel old = snd.musicchannel;
    playmusic("/music/nothing.ogg", 1);
    EXPECT_TRUE(logged("Musikfehler: /music/nothing.ogg"));
    EXPECT_FALSE(pf::channelplaying(old));
    tick();
    EXPECT_FALSE(pf::channelplaying(snd.musicchannel));
}

TEST_F(Sound, JinglesAndStoryMusic) {
    musicforlevelend(1);
    EXPECT_EQ(musicfile(), "win.wav");
    musicforlevelend(0);
    EXPECT_EQ(musicfile(), "fail.wav");
    struct Case { int story; const char* file; };
    for (Case c : {Case{1, "story2.ogg"}, Case{2, "story1.ogg"}, Case{3, "storyreggae.ogg"}, Case{16, "storybazaar.ogg"},
                   Case{17, "storybazaar.ogg"}, Case{20, "story1.ogg"}}) {
        snd.curmusicvol = 150;
        musicforstory(c.story);
        EXPECT_EQ(musicfile(), c.file) << c.story;
        EXPECT_EQ(snd.curmusicvol, 0);
    }
    pf::Channel before = snd.musicchannel;
    musicforstory(21);
    EXPECT_EQ(snd.musicchannel, before);
}

TEST_F(Sound, StoryLoopIsOneChannelAndStops) {
    PlayS_storyendless(16, 100);
    pf::Channel first = snd.endlesschannel;
    EXPECT_TRUE(pf::channelplaying(first));
    PlayS_storyendless(16, 100);
    EXPECT_FALSE(pf::channelplaying(first)) << "a second loop replaces the first";
    EXPECT_TRUE(pf::channelplaying(snd.endlesschannel));
    stopendlesschannel_story();
    EXPECT_FALSE(pf::channelplaying(snd.endlesschannel));
    EXPECT_TRUE(logged("stopendlesschannel_story()"));
}

TEST_F(Sound, LeavingTheGameReleasesTheTracksSafely) {
    core.screen = SCREEN_GAME;
    entergame(13);
    tick(true);
    EXPECT_TRUE(pf::channelplaying(snd.musicchannel));
    musicformap(SCREEN_GAME);
    for (int n = 1; n <= 3; n++) EXPECT_EQ(snd.gametracks[n], nullptr);
    EXPECT_EQ(musicfile(), "title.ogg");
}

}  // namespace
