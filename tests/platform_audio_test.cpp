// Headless audio: sounds are timed against the virtual clock and every start
// is recorded for the sound routines' tests.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>

#include "platform/control.h"
#include "platform/platform.h"
#include "testutil.h"

namespace {

void writewav(const std::string& path, int ms) {
    int rate = 8000, bytes = rate * ms / 1000;  // 8-bit mono
    auto le = [](std::string& s, std::uint32_t v, int n) {
        for (int i = 0; i < n; i++) s += char((v >> (8 * i)) & 255);
    };
    std::string w = "RIFF";
    le(w, std::uint32_t(36 + 8 + 4 + bytes), 4);
    w += "WAVEfmt ";
    le(w, 16, 4);
    le(w, 1, 2);
    le(w, 1, 2);
    le(w, std::uint32_t(rate), 4);
    le(w, std::uint32_t(rate), 4);
    le(w, 1, 2);
    le(w, 8, 2);
    w += "LIST";  // a chunk the reader has to step over
    le(w, 4, 4);
    w += "INFO";
    w += "data";
    le(w, std::uint32_t(bytes), 4);
    w += std::string(size_t(bytes), char(128));
    std::ofstream(path, std::ios::binary) << w;
}

}  // namespace

TEST(PlatformHeadlessAudio, ChannelsEndWhenTheVirtualClockPassesTheirLength) {
    TempDir dir;
    pf::init(pf::Backend::headless);
    pf::ctl::reset();
    pf::ctl::virtualclock(true, 0);
    writewav(dir.str() + "Click.wav", 500);
    pf::Sound* once = pf::loadsound(dir.str() + "click.WAV", 0);
    pf::Sound* loop = pf::loadsound(dir.str() + "click.wav", 1);
    ASSERT_NE(once, nullptr);
    std::ofstream(dir.path / "bad.ogg") << "OggS but not really";
    EXPECT_EQ(pf::loadsound(dir.str() + "bad.ogg", 0), nullptr);
    EXPECT_EQ(pf::loadsound(dir.str() + "none.ogg", 0), nullptr);

    pf::Channel a = pf::playsound(once);
    pf::Channel l = pf::playsound(loop);
    pf::Channel c = pf::cuesound(once);
    pf::ctl::advanceclock(300);
    EXPECT_TRUE(pf::channelplaying(a));
    EXPECT_FALSE(pf::channelplaying(c)) << "cued sounds wait";
    pf::pausechannel(a);
    pf::ctl::advanceclock(1000);
    EXPECT_FALSE(pf::channelplaying(a));
    pf::resumechannel(a);
    EXPECT_TRUE(pf::channelplaying(a)) << "paused time does not count";
    pf::resumechannel(c);
    pf::ctl::advanceclock(250);
    EXPECT_FALSE(pf::channelplaying(a)) << "300 + 250 ms of a 500 ms sound";
    EXPECT_TRUE(pf::channelplaying(c));
    EXPECT_TRUE(pf::channelplaying(l)) << "loops never end";
    pf::ctl::endchannel(l);
    EXPECT_FALSE(pf::channelplaying(l));
    pf::resumechannel(a);
    EXPECT_FALSE(pf::channelplaying(a)) << "a finished channel cannot be resumed";
    pf::stopchannel(c);
    EXPECT_FALSE(pf::channelplaying(c));
    EXPECT_FALSE(pf::channelplaying(pf::allocchannel()));
    EXPECT_EQ(pf::playsound(nullptr), 0);

    pf::setchannelvolume(a, 0.25f);
    pf::setchannelpan(a, 2.0f);
    const auto& ev = pf::ctl::soundevents();
    ASSERT_EQ(ev.size(), 3u);
    EXPECT_EQ(ev[0].ch, a);
    EXPECT_FLOAT_EQ(ev[0].volume, 0.25f);
    EXPECT_FLOAT_EQ(ev[0].pan, 1.0f) << "pan is clamped";
    EXPECT_EQ(ev[0].path, dir.str() + "click.WAV");
    EXPECT_FALSE(ev[1].cued);
    EXPECT_TRUE(ev[2].cued);
    pf::freesound(once);
    pf::freesound(loop);
    pf::ctl::reset();
}
