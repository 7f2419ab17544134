// Lifetime, the backend switch, the draw state and the display services that
// only forward to the backend.
#include <csignal>
#include <algorithm>
#include <cmath>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "platform/internal.h"

namespace pf {
namespace detail {

PlatformState g;

const BackendOps& ops() { return g.backend == Backend::sdl ? sdlops : headlessops; }

void resetdrawstate() {
    bool automid = g.draw.automid;
    g.draw = DrawState{};
    g.draw.automid = automid;
    int w = g.display.logw ? g.display.logw : g.display.winw;
    int h = g.display.logh ? g.display.logh : g.display.winh;
    g.draw.vw = w;
    g.draw.vh = h;
}

Letterbox letterbox(int winw, int winh, int logw, int logh) {
    Letterbox lb;
    if (winw <= 0 || winh <= 0 || logw <= 0 || logh <= 0) return lb;
    // Same rule as the renderer's logical size: fit the whole canvas, keep
    // the aspect, centre the bars.
    float want = float(logw) / float(logh);
    float real = float(winw) / float(winh);
    float scale;
    int vw, vh;
    if (std::fabs(want - real) < 0.0001f) {
        scale = float(winw) / float(logw);
        vw = winw;
        vh = winh;
    } else if (want > real) {
        scale = float(winw) / float(logw);
        vw = winw;
        vh = int(std::floor(float(logh) * scale));
    } else {
        scale = float(winh) / float(logh);
        vh = winh;
        vw = int(std::floor(float(logw) * scale));
    }
    lb.scalex = lb.scaley = scale;
    lb.offx = (winw - vw) / 2;
    lb.offy = (winh - vh) / 2;
    return lb;
}

}  // namespace detail

using namespace detail;

// Decoding leaves the heap full of holes of a few megabytes each, which the
// C library keeps unless asked; a screen change is a quiet moment to give
// them back.
void trimheap() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

bool init(Backend b) {
    if (g.initialised) shutdown();
    // Past a file-size limit a write should fail and be reported, not end
    // the process in the middle of a save.
    std::signal(SIGXFSZ, SIG_IGN);
    g.backend = b;
    // The clock, the seed and the data root survive: a harness sets them
    // before the game starts its backend.
    resetinput();
    resetdrawstate();
    if (!ops().start()) {
        g.backend = Backend::headless;
        return false;
    }
    g.initialised = true;
    installquitsignals();
    return true;
}

void shutdown() {
    if (g.initialised) ops().stop();
    g.initialised = false;
    g.display = DisplayInfo{};
}

Backend backend() { return g.backend; }

bool opengraphics(int width, int height, int depth, int hertz, int flags) {
    if (width <= 0 || height <= 0) return false;
    return ops().opengraphics(width, height, depth, hertz, flags);
}
bool gfxmodeexists(int width, int height, int depth, int hertz) { return ops().gfxmodeexists(width, height, depth, hertz); }
void desktopsize(int& w, int& h) { ops().desktopsize(w, h); }
void windowsize(int& w, int& h) { ops().windowsize(w, h); }
int windowframeheight() { return ops().windowframeheight(); }
void setvirtualres(int width, int height) {
    if (width <= 0 || height <= 0) return;
    g.display.logw = width;
    g.display.logh = height;
    g.draw.vx = g.draw.vy = 0;
    g.draw.vw = width;
    g.draw.vh = height;
    ops().setvirtualres(width, height);
}
void virtualres(int& w, int& h) {
    w = g.display.logw ? g.display.logw : g.display.winw;
    h = g.display.logh ? g.display.logh : g.display.winh;
}
void clearscreen() { ops().clearscreen(); }
bool flipscreen(int sync) { return ops().flipscreen(sync); }
void setwindowtitle(const std::string& title) { ops().setwindowtitle(title); }
void setwindowicon(const std::string& path) { ops().setwindowicon(path); }
void minimisewindow() { ops().minimisewindow(); }
void windowtological(int wx, int wy, int& lx, int& ly) { ops().windowtological(wx, wy, lx, ly); }

// ---- draw state ----
void setcolour(int r, int g_, int b) {
    g.draw.r = std::clamp(r, 0, 255);
    g.draw.g = std::clamp(g_, 0, 255);
    g.draw.b = std::clamp(b, 0, 255);
}
void getcolour(int& r, int& g_, int& b) {
    r = g.draw.r;
    g_ = g.draw.g;
    b = g.draw.b;
}
void setalpha(float a) { g.draw.alpha = std::isnan(a) ? 0.0f : a; }
float getalpha() { return g.draw.alpha; }
void setblend(int mode) { g.draw.blend = mode; }
int getblend() { return g.draw.blend; }
void setrotation(float degrees) { g.draw.rotation = std::isfinite(degrees) ? degrees : 0.0f; }
float getrotation() { return g.draw.rotation; }
void setscale(float sx, float sy) {
    g.draw.sx = std::isfinite(sx) ? sx : 0.0f;
    g.draw.sy = std::isfinite(sy) ? sy : 0.0f;
}
void getscale(float& sx, float& sy) {
    sx = g.draw.sx;
    sy = g.draw.sy;
}
void setviewport(int x, int y, int w, int h) {
    g.draw.vx = x;
    g.draw.vy = y;
    g.draw.vw = std::max(0, w);
    g.draw.vh = std::max(0, h);
}

void drawimage(Image* img, float x, float y, int frame) {
    if (!img || frame < 0 || frame >= int(img->cellx.size())) return;
    img->inuse = g.useperiod;
    ops().drawimage(img, x, y, frame);
}

void markpicturesinuse() { g.useperiod++; }
void keepimage(Image* img) {
    if (img) img->kept = true;
}
void releaseunusedpictures() { ops().releaseunused(g.useperiod); }

// ---- pointer ----
void movemouse(int x, int y) {
    int wx, wy;
    ops().logicaltowindow(x, y, wx, wy);
    g.input.mx = wx;
    g.input.my = wy;
    ops().movepointer(wx, wy);
}
void showmouse() {
    g.input.pointershown = true;
    ops().showpointer(true);
}
void hidemouse() {
    g.input.pointershown = false;
    ops().showpointer(false);
}
void openurl(const std::string& url) { ops().openurl(url); }

// ---- audio ----
bool audioavailable() { return ops().audioavailable(); }
Sound* loadsound(const std::string& path, int flags) {
    Sound* s = ops().loadsound(resolvepath(path), flags);
    if (s) s->path = path;
    return s;
}
void freesound(Sound* s) {
    if (s) ops().freesound(s);
}
Channel playsound(Sound* s) { return s ? ops().startsound(s, false) : 0; }
Channel cuesound(Sound* s) { return s ? ops().startsound(s, true) : 0; }
Channel allocchannel() { return ops().allocchannel(); }
void stopchannel(Channel c) {
    if (c) ops().stopchannel(c);
}
void pausechannel(Channel c) {
    if (c) ops().pausechannel(c);
}
void resumechannel(Channel c) {
    if (c) ops().resumechannel(c);
}
bool channelplaying(Channel c) { return c && ops().channelplaying(c); }
void setchannelvolume(Channel c, float v) {
    if (c) ops().setchannelvolume(c, std::isfinite(v) ? std::clamp(v, 0.0f, 1.0f) : 0.0f);
}
void setchannelpan(Channel c, float p) {
    if (c) ops().setchannelpan(c, std::isfinite(p) ? std::clamp(p, -1.0f, 1.0f) : 0.0f);
}

namespace ctl {
void reset() {
    resetinput();
    resetdrawstate();
    virtualclock(false, 0);
    fixedseed(false, 0);
    failwritesafter(-1);
    clearlog();
    resetheadless();
}

bool screenshot(const std::string& pngpath) { return ops().screenshot(pngpath); }
}  // namespace ctl

}  // namespace pf
