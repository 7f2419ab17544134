// The one door between the game and the machine. Every window, drawing,
// audio, input, timer, file and log service the game uses is declared here;
// nothing outside src/platform includes an SDL header.
//
// Two backends implement it: the SDL2 one (window, renderer, mixer) and a
// headless one that records draw calls and plays scripted input, for tests
// and tools. The game picks one with pf::init before anything else.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pf {

struct Image;   // opaque; null means "no image" and every service accepts it
struct Sound;   // opaque; null means "no sound"
struct Stream;  // opaque file stream; null means "not open"

// A channel handle carries a generation, so a handle to a stopped or
// finished sound never controls a sound started later on the same mixer
// channel. 0 is "no channel".
using Channel = std::int64_t;

enum class Backend { sdl, headless };

// ---- lifetime --------------------------------------------------------------
bool init(Backend b);  // video stays closed until opengraphics
void shutdown();
Backend backend();

// ---- display and frame -----------------------------------------------------
bool opengraphics(int width, int height, int depth, int hertz, int flags);
bool gfxmodeexists(int width, int height, int depth, int hertz);
void desktopsize(int& w, int& h);
void windowsize(int& w, int& h);  // size of the window's drawable area now
void setvirtualres(int width, int height);
void virtualres(int& w, int& h);
void clearscreen();
bool flipscreen(int sync);  // false: presenting failed (the loop quits)
void setwindowtitle(const std::string& title);
void setwindowicon(const std::string& path);
void minimisewindow();
// Window pixel -> logical pixel through the real letterboxed transform.
void windowtological(int wx, int wy, int& lx, int& ly);

// ---- draw state and drawing -----------------------------------------------
void setcolour(int r, int g, int b);  // clamped to 0..255
void getcolour(int& r, int& g, int& b);
void setalpha(float a);
float getalpha();
void setblend(int mode);  // 1 mask, 2 solid, 3 alpha, 4 light (additive), 5 shade
int getblend();
void setrotation(float degrees);
float getrotation();
void setscale(float sx, float sy);
void getscale(float& sx, float& sy);
void setviewport(int x, int y, int w, int h);

Image* loadimage(const std::string& path, int flags);
Image* loadanimimage(const std::string& path, int cellw, int cellh, int first, int count, int flags);
void freeimage(Image* img);
void automidhandle(bool on);
void midhandleimage(Image* img);
void setimagehandle(Image* img, int x, int y);
void imagehandle(const Image* img, int& x, int& y);
int imagewidth(const Image* img);   // one cell
int imageheight(const Image* img);
int imageframes(const Image* img);
void drawimage(Image* img, float x, float y, int frame);
bool imagescollide(Image* img1, int x1, int y1, int frame1, Image* img2, int x2, int y2, int frame2);

// ---- time, random, maths ---------------------------------------------------
int createtimer(int hertz);
void waittimer(int timer);
int timerticks(int timer);
int millisecs();
int rand(int a, int b);  // inclusive, either order
void seedrnd(int seed);
double sindeg(double deg);
double cosdeg(double deg);

// ---- input -----------------------------------------------------------------
// Virtual key codes: 8 Backspace, 13 Enter, 27 Escape, 32 Space, 112..119 F1..F8,
// 37..40 arrows, 46 Delete, 48..57 digits, 65..90 letters.
int keyhit(int vk);
bool keydown(int vk);
int getchar();  // next typed character (code point), 0 if none
void flushkeys();
int mousex();  // window pixels
int mousey();
int mousehit(int button);  // 1 left, 2 right
bool mousedown(int button);
void movemouse(int x, int y);  // logical pixels; the backend maps to the window
void showmouse();
void hidemouse();
bool appterminate();  // close request since the last call (and resets)
// Drains the event queue; returns the application events seen, in order:
// 1 = lost the foreground (suspended), 2 = regained it (resumed).
std::vector<int> appevents();
void logline(const std::string& text);
void openurl(const std::string& url);

// ---- audio -----------------------------------------------------------------
bool audioavailable();
// flags 1 = loops; SOUND_STREAM = played from its file as it goes (music:
// one such sound plays at a time, and starting another ends the first)
constexpr int SOUND_STREAM = 2;
Sound* loadsound(const std::string& path, int flags);
void freesound(Sound* s);
Channel playsound(Sound* s);
Channel cuesound(Sound* s);
Channel allocchannel();
void stopchannel(Channel c);
void pausechannel(Channel c);
void resumechannel(Channel c);
bool channelplaying(Channel c);
void setchannelvolume(Channel c, float v);  // 0..1
void setchannelpan(Channel c, float p);     // -1 left .. 1 right

// ---- files -----------------------------------------------------------------
// Game paths use "\" and "/" freely; runs of separators count as one and names
// resolve case-insensitively. Relative paths starting with "data" resolve
// against the data root; other relative paths against the working folder.
std::string resolvepath(const std::string& path);
void setdataroot(const std::string& dir);  // folder that holds "data"
std::string dataroot();
Stream* readfile(const std::string& path);
Stream* writefile(const std::string& path);
// Crash-safe write: bytes go to a temporary file beside the target; closefile
// flushes it to disk and renames it over the target. Any failure leaves the
// old file untouched, and closefile returns false.
Stream* writefilesafe(const std::string& path);
bool closefile(Stream* s);
std::string readline(Stream* s);
void writeline(Stream* s, const std::string& text);
int readint(Stream* s);
void writeint(Stream* s, int v);
std::string readstring(Stream* s, int n);
void writestring(Stream* s, const std::string& text);
bool endoffile(Stream* s);
int filetype(const std::string& path);  // 0 missing, 1 file, 2 directory
bool createdir(const std::string& path, bool recurse);
bool deletefile(const std::string& path);
long filesize(const std::string& path);  // -1 when missing

// ---- system ----------------------------------------------------------------
// The roaming application-data folder with a trailing "/", or "" when it
// cannot be resolved ($XDG_DATA_HOME, else ~/.local/share).
std::string appdatafolder();
// Holds a system-wide named lock for the life of the process; false when
// another process holds it already.
bool singleinstance(const std::string& name);

// ---- control for tests, tools and the harness ------------------------------
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
// Headless backend: URLs handed to openurl (nothing is launched).
const std::vector<std::string>& openedurls();
}  // namespace ctl

}  // namespace pf
