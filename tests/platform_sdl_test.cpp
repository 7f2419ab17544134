// The SDL backend on the offscreen video driver and the dummy audio driver
// (set by ctest): drawing through the real renderer, and channel handles on
// the real mixer.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <fstream>
#include <thread>

#include "platform/control.h"
#include "platform/platform.h"
#include "testutil.h"

namespace {

std::vector<std::uint8_t> solid(int w, int h, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    std::vector<std::uint8_t> px;
    for (int i = 0; i < w * h; i++) px.insert(px.end(), {r, g, b, 255});
    return px;
}

// A mono 16-bit PCM WAV of the given length, a quiet square wave.
void writewav(const std::string& path, int ms) {
    int rate = 22050, samples = rate * ms / 1000;
    auto le = [](std::string& s, std::uint32_t v, int n) {
        for (int i = 0; i < n; i++) s += char((v >> (8 * i)) & 255);
    };
    std::string w = "RIFF";
    le(w, std::uint32_t(36 + samples * 2), 4);
    w += "WAVEfmt ";
    le(w, 16, 4);
    le(w, 1, 2);
    le(w, 1, 2);
    le(w, std::uint32_t(rate), 4);
    le(w, std::uint32_t(rate * 2), 4);
    le(w, 2, 2);
    le(w, 16, 2);
    w += "data";
    le(w, std::uint32_t(samples * 2), 4);
    for (int i = 0; i < samples; i++) le(w, (i / 50) % 2 ? 2000u : std::uint32_t(-2000) & 0xFFFF, 2);
    std::ofstream(path, std::ios::binary) << w;
}

// The frame as drawn, read back for its pixels (null when it cannot be).
pf::Image* frameshot(const TempDir& dir) {
    std::string shot = dir.str() + "frame.png";
    return pf::ctl::screenshot(shot) ? pf::loadimage(shot, -1) : nullptr;
}

struct SdlBackend : testing::Test {
    void SetUp() override {
        ASSERT_TRUE(pf::init(pf::Backend::sdl));
        pf::ctl::reset();
    }
    void TearDown() override {
        pf::shutdown();
        pf::init(pf::Backend::headless);
    }
    // The game's window: 800 x 600 showing the 1024 x 768 canvas, pictures
    // with top-left handles.
    static bool opencanvas() {
        if (!pf::opengraphics(800, 600, 0, 60, 0)) return false;
        pf::setvirtualres(1024, 768);
        pf::automidhandle(false);
        return true;
    }
};

}  // namespace

TEST_F(SdlBackend, DrawsThroughTheLetterboxAndSurvivesANewDisplay) {
    TempDir dir;
    ASSERT_TRUE(opencanvas());
    pf::Image* red = pf::ctl::makeimage(100, 100, solid(100, 100, 255, 0, 0));
    pf::Image* green = pf::ctl::makeimage(10, 10, solid(10, 10, 0, 255, 0));
    pf::setimagehandle(green, 5, 5);

    for (int round = 0; round < 2; round++) {
        pf::clearscreen();
        pf::setviewport(0, 0, 1024, 768);
        pf::drawimage(red, 0, 0, 0);                // logical 0..99
        pf::setscale(4, 1);
        pf::drawimage(green, 512, 384, 0);          // 40 x 10 about its centre
        pf::setscale(1, 1);
        pf::setviewport(0, 0, 1024, 500);
        pf::drawimage(red, 0, 600, 0);              // clipped away entirely
        std::string shot = dir.str() + "shot" + std::to_string(round) + ".png";
        // The frame is written at the canvas size, whatever the window.
        ASSERT_TRUE(pf::ctl::screenshot(shot));
        ASSERT_TRUE(pf::flipscreen(1));
        pf::Image* got = pf::loadimage(shot, -1);
        ASSERT_NE(got, nullptr);
        EXPECT_EQ(pf::imagewidth(got), 1024);
        EXPECT_EQ(pf::imageheight(got), 768);
        EXPECT_EQ(pf::ctl::pixel(got, 0, 10, 10), 0xFF0000FFu) << round;
        EXPECT_EQ(pf::ctl::pixel(got, 0, 99, 99), 0xFF0000FFu) << round;
        EXPECT_EQ(pf::ctl::pixel(got, 0, 100, 10), 0x000000FFu) << round;
        EXPECT_EQ(pf::ctl::pixel(got, 0, 512 + 16, 384), 0x00FF00FFu) << "scaled sideways, round " << round;
        EXPECT_EQ(pf::ctl::pixel(got, 0, 512, 384 + 6), 0x000000FFu) << round;
        EXPECT_EQ(pf::ctl::pixel(got, 0, 10, 650), 0x000000FFu) << "outside the viewport, round " << round;
        pf::freeimage(got);
        // A new display: the images must stay usable.
        ASSERT_TRUE(pf::opengraphics(800, 600, 0, 60, 0));
    }
    int lx, ly;
    pf::windowtological(400, 300, lx, ly);
    EXPECT_EQ(lx, 512);
    EXPECT_EQ(ly, 384);
    pf::ctl::key(27, true);
    EXPECT_TRUE(pf::keydown(27)) << "scripted input reaches the SDL backend too";
    EXPECT_EQ(pf::keyhit(27), 1);
    pf::freeimage(red);
    pf::freeimage(green);
}

TEST_F(SdlBackend, StaleChannelHandlesControlNothing) {
    if (!pf::audioavailable()) GTEST_SKIP() << "no audio device";
    TempDir dir;
    writewav(dir.str() + "long.wav", 2000);
    writewav(dir.str() + "short.wav", 20);
    pf::Sound* longsnd = pf::loadsound(dir.str() + "long.wav", 0);
    pf::Sound* shortsnd = pf::loadsound(dir.str() + "short.wav", 0);
    ASSERT_NE(longsnd, nullptr);
    ASSERT_NE(shortsnd, nullptr);
    EXPECT_EQ(pf::loadsound(dir.str() + "none.wav", 0), nullptr);

    // Stopped: its mixer channel is reused, the old handle reaches nothing.
    pf::Channel a = pf::playsound(longsnd);
    EXPECT_TRUE(pf::channelplaying(a));
    pf::stopchannel(a);
    EXPECT_FALSE(pf::channelplaying(a));
    pf::Channel b = pf::playsound(longsnd);
    EXPECT_NE(a, b);
    EXPECT_EQ(a & 0xFFFF, b & 0xFFFF) << "the same mixer channel came back";
    pf::pausechannel(a);
    pf::stopchannel(a);
    EXPECT_TRUE(pf::channelplaying(b));

    // Finished on its own: likewise.
    pf::stopchannel(b);
    pf::Channel c = pf::playsound(shortsnd);
    for (int i = 0; i < 100 && pf::channelplaying(c); i++) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_FALSE(pf::channelplaying(c));
    pf::Channel d = pf::playsound(longsnd);
    EXPECT_EQ(c & 0xFFFF, d & 0xFFFF);
    pf::stopchannel(c);
    EXPECT_TRUE(pf::channelplaying(d));

    // Cued: silent until resumed; pause and resume.
    pf::Channel e = pf::cuesound(longsnd);
    EXPECT_FALSE(pf::channelplaying(e));
    pf::resumechannel(e);
    EXPECT_TRUE(pf::channelplaying(e));
    pf::pausechannel(e);
    EXPECT_FALSE(pf::channelplaying(e));
    pf::setchannelvolume(e, 0.5f);
    pf::setchannelpan(e, -1);

    // More sounds than mixer channels: more are made.
    std::vector<pf::Channel> many;
    for (int i = 0; i < 80; i++) many.push_back(pf::playsound(longsnd));
    for (pf::Channel ch : many) EXPECT_TRUE(pf::channelplaying(ch));
    pf::Channel idle = pf::allocchannel();
    EXPECT_FALSE(pf::channelplaying(idle));
    pf::stopchannel(idle);
    pf::freesound(longsnd);
    EXPECT_FALSE(pf::channelplaying(d)) << "freeing a sound ends its channels";
    pf::freesound(shortsnd);
}

// Turned and mirrored pictures on the software renderer come from textures
// made once per angle step: they must land about the handle as a direct turn
// would, the first time and every time after.
TEST_F(SdlBackend, TurnedAndMirroredPicturesTurnAboutTheirHandle) {
    TempDir dir;
    ASSERT_TRUE(opencanvas());
    // 40 x 20, its handle 5 in from the left end, half way down.
    pf::Image* bar = pf::ctl::makeimage(40, 20, solid(40, 20, 0, 0, 255));
    pf::setimagehandle(bar, 5, 10);
    struct Case {
        float angle, sx;
        int inx, iny, outx, outy;  // a pixel it must cover and one it must not
        const char* what;
    };
    const Case cases[] = {
        {90, 1, 200, 230, 230, 200, "a quarter turn clockwise points down"},
        {180, 1, 170, 200, 230, 200, "a half turn points left"},
        {0, -1, 170, 200, 230, 200, "mirrored points left"},
        {271, 1, 200, 170, 200, 230, "three quarters (a step off) points up"},
    };
    for (const Case& c : cases)
        for (int round = 0; round < 2; round++) {
            pf::clearscreen();
            pf::setviewport(0, 0, 1024, 768);
            pf::setrotation(c.angle);
            pf::setscale(c.sx, 1);
            pf::drawimage(bar, 200, 200, 0);
            pf::setrotation(0);
            pf::setscale(1, 1);
            pf::Image* got = frameshot(dir);
            ASSERT_NE(got, nullptr);
            EXPECT_EQ(pf::ctl::pixel(got, 0, c.inx, c.iny), 0x0000FFFFu) << c.what << ", round " << round;
            EXPECT_EQ(pf::ctl::pixel(got, 0, c.outx, c.outy), 0x000000FFu) << c.what << ", round " << round;
            EXPECT_EQ(pf::ctl::pixel(got, 0, 200, 200), 0x0000FFFFu) << c.what << ": the handle stays put";
            pf::freeimage(got);
        }
    pf::freeimage(bar);
}

// An uploaded picture keeps no pixels of its own; the hit test of a button
// must still follow its shape, also after the display is replaced, and a
// button whose file has gone since still takes its click.
TEST_F(SdlBackend, UploadedPicturesAreHitTestedByTheirShape) {
    TempDir dir;
    ASSERT_TRUE(opencanvas());
    // 20 x 10: the left half solid, the right half clear.
    std::vector<std::uint8_t> px;
    for (int y = 0; y < 10; y++)
        for (int x = 0; x < 20; x++) px.insert(px.end(), {200, 100, 50, std::uint8_t(x < 10 ? 255 : 0)});
    writepng(dir.str() + "button.png", 20, 10, px);
    pf::Image* button = pf::loadimage(dir.str() + "button.png", -1);
    pf::Image* dot = pf::ctl::makeimage(1, 1, solid(1, 1, 255, 255, 255));
    ASSERT_NE(button, nullptr);
    for (int round = 0; round < 2; round++) {
        EXPECT_TRUE(pf::imagescollide(button, 100, 100, 0, dot, 104, 105, 0)) << "solid half, round " << round;
        EXPECT_FALSE(pf::imagescollide(button, 100, 100, 0, dot, 115, 105, 0)) << "clear half, round " << round;
        ASSERT_TRUE(pf::opengraphics(800, 600, 0, 60, 0));
    }
    pf::Image* orphan = pf::loadimage(dir.str() + "button.png", -1);
    ASSERT_NE(orphan, nullptr);
    std::filesystem::remove(dir.path / "button.png");
    EXPECT_TRUE(pf::imagescollide(orphan, 100, 100, 0, dot, 115, 105, 0)) << "without its file the whole cell counts";
    EXPECT_FALSE(pf::imagescollide(orphan, 100, 100, 0, dot, 125, 105, 0)) << "but nothing outside it";
    pf::freeimage(orphan);
    pf::freeimage(button);
    pf::freeimage(dot);
}

// A screen keeps only the textures of the pictures it shows: one neither
// drawn nor loaded since the screen began, and not kept, is given back and
// decoded from its file again when next drawn; the others keep what they were
// made from.
TEST_F(SdlBackend, PicturesUnusedSinceTheScreenBeganAreDecodedAgain) {
    TempDir dir;
    ASSERT_TRUE(opencanvas());
    for (const char* n : {"drawn", "idle", "fresh", "kept"}) writepng(dir.str() + n + ".png", 8, 8, solid(8, 8, 255, 0, 0));
    pf::Image* drawn = pf::loadimage(dir.str() + "drawn.png", -1);
    pf::Image* idle = pf::loadimage(dir.str() + "idle.png", -1);
    pf::Image* kept = pf::loadimage(dir.str() + "kept.png", -1);
    ASSERT_TRUE(drawn && idle && kept);
    pf::keepimage(kept);
    pf::drawimage(idle, 0, 0, 0);  // in use before the screen began only
    pf::markpicturesinuse();
    pf::Image* fresh = pf::loadimage(dir.str() + "fresh.png", -1);
    ASSERT_NE(fresh, nullptr);
    pf::drawimage(drawn, 100, 100, 0);
    pf::releaseunusedpictures();
    for (const char* n : {"drawn", "idle", "fresh", "kept"}) writepng(dir.str() + n + ".png", 8, 8, solid(8, 8, 0, 255, 0));
    pf::clearscreen();
    pf::setviewport(0, 0, 1024, 768);
    pf::drawimage(drawn, 100, 100, 0);
    pf::drawimage(idle, 300, 100, 0);
    pf::drawimage(fresh, 500, 100, 0);
    pf::drawimage(kept, 700, 100, 0);
    pf::Image* got = frameshot(dir);
    ASSERT_NE(got, nullptr);
    EXPECT_EQ(pf::ctl::pixel(got, 0, 104, 104), 0xFF0000FFu) << "drawn on the screen: kept";
    EXPECT_EQ(pf::ctl::pixel(got, 0, 304, 104), 0x00FF00FFu) << "unused on the screen: decoded again";
    EXPECT_EQ(pf::ctl::pixel(got, 0, 504, 104), 0xFF0000FFu) << "loaded for the screen: kept";
    EXPECT_EQ(pf::ctl::pixel(got, 0, 704, 104), 0xFF0000FFu) << "a kept picture: kept";
    for (pf::Image* i : {got, drawn, idle, fresh, kept}) pf::freeimage(i);
}
