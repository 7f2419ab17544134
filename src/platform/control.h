// Controls of the platform layer that only tests, tools and the harness use:
// the virtual clock, the fixed seed, scripted input, screenshots and the
// headless backend's records. Game code never includes this header.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace pf {

namespace ctl {
// Virtual clock: millisecs starts at startms, waittimer returns at once and
// advances the clock by one tick of that timer.
void virtualclock(bool on, int startms);
void advanceclock(int ms);
// Fixed seed: seedrnd is ignored, the generator restarts from this seed.
void fixedseed(bool on, int seed);
// Scripted input, seen by the next input sample.
void pointer(int wx, int wy);  // window pixels
void button(int b, bool down);
void click(int b);             // press and release
void key(int vk, bool down);
void presskey(int vk);         // one press, released at once
void text(int codepoint);
void closerequest();
void quitsignal(bool on);  // as if SIGTERM had arrived (false: forget it)
void suspend(bool suspended);
// Writes the back buffer as drawn so far to a PNG (SDL backend only).
bool screenshot(const std::string& pngpath);

// Headless backend: every draw call since the last clearscreen.
struct DrawCall {
    const Image* img;
    std::string path;  // file the image came from
    int frame;
    float x, y;
    int r, g, b;
    float alpha;
    int blend;
    float rotation;
    float sx, sy;
    int vx, vy, vw, vh;  // viewport
};
const std::vector<DrawCall>& drawcalls();
// Headless audio: every sound start, for tests of the sound routines.
struct SoundEvent {
    const Sound* snd;
    std::string path;
    Channel ch;
    float volume, pan;
    bool cued;
};
const std::vector<SoundEvent>& soundevents();
void clearsoundevents();
// Headless audio: the sound on this channel ends now (as if it ran out).
void endchannel(Channel c);

// Puts the input, draw state, clock, seed, log, write-failure injector and
// recorded events back to their start values; images and window stay.
void reset();
// SDL backend: use the software renderer (chosen by itself on the offscreen
// and dummy video drivers). Takes effect at the next opengraphics.
void softwarerenderer(bool on);
// Simulates a full disk or a crash: after this many more bytes every write
// fails. -1 switches it off.
void failwritesafter(int bytes);
// Every logline since the last clearlog (the newest few thousand).
const std::vector<std::string>& loglines();
void clearlog();
// Builds an image from RGBA bytes (4 per pixel, rows top to bottom), cut into
// cells when cellw and cellh are given; the handle follows automidhandle.
Image* makeimage(int w, int h, const std::vector<std::uint8_t>& rgba, int cellw = 0, int cellh = 0);
// One pixel of a frame as 0xRRGGBBAA; 0 outside the cell or for null.
std::uint32_t pixel(const Image* img, int frame, int x, int y);
// Every text handed to showmessage.
const std::vector<std::string>& messages();
// Headless backend: URLs handed to openurl (nothing is launched).
const std::vector<std::string>& openedurls();
// Headless backend: the desktop's size (1920 x 1080 until set; reset puts it
// back) and the window frame's height (30).
void desktop(int w, int h, int frameheight = 30);
}  // namespace ctl

}  // namespace pf
