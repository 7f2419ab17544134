// Shared state of the platform layer and the table through which the common
// code reaches the chosen backend. Only src/platform includes this.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "platform/control.h"
#include "platform/platform.h"

struct SDL_Surface;

// An image is its decoded pixels until a texture holds them; from then on
// nothing of them stays but, once the picture has been in a pixel-accurate
// overlap test, a one-byte alpha mask (none for an opaque picture). The file
// is decoded again for that mask and should the display (and with it the
// renderer) be replaced. Made pictures have no file and keep theirs.
struct pf::Image {
    std::string path;
    int sheetw = 0, sheeth = 0;       // the whole decoded file
    std::vector<std::uint8_t> rgba;   // sheetw * sheeth * 4, bytes R G B A; empty once uploaded
    std::vector<std::uint8_t> mask;   // sheetw * sheeth alpha bytes, made for the first overlap test
    bool opaque = false;              // every pixel has alpha 255
    int inset = -1;                   // the sheet is solid this far in from its edges (-1: not known or none)
    bool masktried = false;           // the file was read once for the mask
    bool made = false;                // pixels from memory, not from a file
    int w = 0, h = 0;                 // one cell
    std::vector<int> cellx, celly;    // top-left of each frame in the sheet
    int hx = 0, hy = 0;               // handle
    void* texture = nullptr;          // SDL_Texture* of the whole sheet
    unsigned texgen = 0;              // renderer generation the texture belongs to
    unsigned inuse = 0;               // the picture-use period it was last drawn or loaded in
    bool kept = false;                // never given back for being unused
};

struct pf::Sound {
    std::string path;
    int flags = 0;
    void* chunk = nullptr;  // Mix_Chunk* (SDL backend)
    void* music = nullptr;  // Mix_Music* when streamed (SDL backend)
    int lengthms = 0;       // play length (headless backend)
};

namespace pf::detail {

// Draw state shared by both backends.
struct DrawState {
    int r = 255, g = 255, b = 255;
    float alpha = 1.0f;
    int blend = 3;
    float rotation = 0.0f;
    float sx = 1.0f, sy = 1.0f;
    int vx = 0, vy = 0, vw = 0, vh = 0;
    bool automid = false;
};

// Display geometry shared by both backends.
struct DisplayInfo {
    bool open = false;
    int winw = 0, winh = 0;      // window drawable size
    int logw = 0, logh = 0;      // logical resolution (0: same as window)
    int depth = 0;
};

// Input as the game sees it. The SDL backend feeds it from its event queue,
// the test controls write into it directly, so both reach the next sample.
struct InputState {
    int keyhits[256] = {};
    bool keydown[256] = {};
    std::deque<int> chars;
    int mousehits[4] = {};
    bool mousedown[4] = {};
    int mx = 0, my = 0;
    int closerequests = 0;
    std::vector<int> appevents;
    bool pointershown = true;
};

struct PlatformState {
    Backend backend = Backend::headless;
    bool initialised = false;
    unsigned useperiod = 1;  // see markpicturesinuse
    DrawState draw;
    DisplayInfo display;
    InputState input;
};
extern PlatformState g;

// The services whose behaviour depends on the backend.
struct BackendOps {
    bool (*start)();
    void (*stop)();
    bool (*opengraphics)(int w, int h, int depth, int hz, int flags);
    bool (*gfxmodeexists)(int w, int h, int depth, int hz);
    void (*desktopsize)(int& w, int& h);
    void (*windowsize)(int& w, int& h);
    int (*windowframeheight)();
    void (*setvirtualres)(int w, int h);
    void (*clearscreen)();
    bool (*flipscreen)(int sync);
    void (*setwindowtitle)(const std::string& t);
    void (*setwindowicon)(const std::string& path);
    void (*minimisewindow)();
    void (*windowtological)(int wx, int wy, int& lx, int& ly);
    void (*logicaltowindow)(int lx, int ly, int& wx, int& wy);
    void (*drawimage)(Image* img, float x, float y, int frame);
    void (*releaseimage)(Image* img);
    void (*pumpevents)();
    void (*movepointer)(int wx, int wy);
    void (*showpointer)(bool on);
    bool (*screenshot)(const std::string& path);
    void (*openurl)(const std::string& url);
    // audio
    bool (*audioavailable)();
    Sound* (*loadsound)(const std::string& resolved, int flags);
    void (*freesound)(Sound* s);
    Channel (*startsound)(Sound* s, bool cued);
    Channel (*allocchannel)();
    void (*stopchannel)(Channel c);
    void (*pausechannel)(Channel c);
    void (*resumechannel)(Channel c);
    bool (*channelplaying)(Channel c);
    void (*setchannelvolume)(Channel c, float v);
    void (*setchannelpan)(Channel c, float p);
    // hands a freshly loaded image to the renderer (which may drop its pixels)
    void (*adoptimage)(Image* img);
    // gives back the textures of file pictures not in use in the period
    void (*releaseunused)(unsigned period);
};
extern const BackendOps headlessops;
extern const BackendOps sdlops;
const BackendOps& ops();

// A PNG or JPEG file (with icon, also an ICO) as a surface; anything else,
// whatever its name, is refused.
SDL_Surface* loadpicturefile(const std::string& resolved, bool icon);
// Decodes a PNG or JPEG file into RGBA bytes; false when unreadable.
bool decodeimage(const std::string& resolved, int& w, int& h, std::vector<std::uint8_t>& rgba);
// The image's RGBA bytes again after they were dropped; false when the file
// is gone or changed size.
bool redecode(Image* img);
// Lets the RGBA bytes go (a texture holds them now).
void dropdecoded(Image* img);
// Alpha of one sheet pixel, from the bytes or the mask.
std::uint8_t alphaat(const Image* img, int sx, int sy);

// Letterbox transform of a logical canvas inside a window, as SDL computes it.
struct Letterbox {
    float scalex = 1, scaley = 1;
    int offx = 0, offy = 0;
};
Letterbox letterbox(int winw, int winh, int logw, int logh);

void launchurl(const std::string& url);
// Installs the handler for a lost X display once SDL's video is up.
void guarddisplay();
void resetheadless();

// Clock in microseconds: real or virtual.
std::int64_t nowus();
bool virtualclockon();

// Timers and the random generator start over (used by init and ctl::reset).
void resettimers();
void resetinput();
void installquitsignals();  // SIGTERM and SIGINT only raise quitsignalled
void resetdrawstate();

}  // namespace pf::detail
