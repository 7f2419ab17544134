// The SDL backend: window, renderer and event queue. Audio lives in
// audio_sdl.cpp.
#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/internal.h"
#include "platform/sdlshared.h"

namespace pf {
namespace detail {

SdlState sdl;

namespace {

void releasecanvas() {
    if (sdl.canvas && sdl.renderer) {
        SDL_SetRenderTarget(sdl.renderer, nullptr);
        SDL_DestroyTexture(sdl.canvas);
    }
    sdl.canvas = nullptr;
    sdl.canvasw = sdl.canvash = 0;
}

// The canvas follows the logical size; draws go into it.
void ensurecanvas() {
    if (!sdl.renderer || g.display.logw <= 0 || g.display.logh <= 0) return;
    if (!sdl.canvas || sdl.canvasw != g.display.logw || sdl.canvash != g.display.logh) {
        releasecanvas();
        // On the software renderer a canvas in the window's own format, copied
        // without blending (it is the whole picture), makes presenting one
        // scaling pass instead of a conversion and a blend on top.
        Uint32 fmt = SDL_PIXELFORMAT_ARGB8888;
        if (sdl.softrender && sdl.window) {
            Uint32 wf = SDL_GetWindowPixelFormat(sdl.window);
            if (wf == SDL_PIXELFORMAT_RGB888) fmt = wf;
        }
        sdl.canvas = SDL_CreateTexture(sdl.renderer, fmt, SDL_TEXTUREACCESS_TARGET,
                                       g.display.logw, g.display.logh);
        if (!sdl.canvas) return;
        SDL_SetTextureBlendMode(sdl.canvas, SDL_BLENDMODE_NONE);
        SDL_SetTextureScaleMode(sdl.canvas, SDL_ScaleModeLinear);
        sdl.canvasnearest = false;
        sdl.canvasw = g.display.logw;
        sdl.canvash = g.display.logh;
    }
    SDL_SetRenderTarget(sdl.renderer, sdl.canvas);
    sdl.clipvalid = false;
}

// Rotated pictures on the software renderer. Each rotated copy there rotates
// the picture anew into a surface made and freed for that one draw (hundreds
// of microseconds for a fish); an angle step of three degrees cannot be seen at
// 50 frames a second, so each step is made once, as a texture of its own, and
// then copied like any unrotated picture.
constexpr float ROTSTEP = 3.0f;
constexpr int ROTSTEPS = 120;
constexpr size_t ROTBUDGET = size_t(24) << 20;  // bytes of rotated textures kept at most

struct RotKey {
    const Image* img;
    int frame, step, flip;
    bool operator==(const RotKey& o) const {
        return img == o.img && frame == o.frame && step == o.step && flip == o.flip;
    }
};
struct RotHash {
    size_t operator()(const RotKey& k) const {
        return std::hash<const void*>()(k.img) ^ (size_t(k.frame) * 0x9E3779B1u) ^ (size_t(k.step) << 20) ^
               (size_t(k.flip) << 30);
    }
};
struct Rotated {
    SDL_Texture* tex = nullptr;
    int w = 0, h = 0;
    float px = 0, py = 0;  // where the picture's handle lies in the texture
};
struct RotCache {
    std::unordered_map<RotKey, Rotated, RotHash> entries;
    size_t bytes = 0;
};
RotCache rot;

void clearrotated() {
    if (sdl.renderer)
        for (auto& [k, r] : rot.entries) SDL_DestroyTexture(r.tex);
    rot.entries.clear();
    rot.bytes = 0;
}

void forgetrotated(const Image* img) {
    for (auto it = rot.entries.begin(); it != rot.entries.end();) {
        if (it->first.img == img) {
            if (sdl.renderer) SDL_DestroyTexture(it->second.tex);
            rot.bytes -= size_t(it->second.w) * size_t(it->second.h) * 4;
            it = rot.entries.erase(it);
        } else {
            ++it;
        }
    }
}

void releasetextures() {
    clearrotated();
    releasecanvas();
    for (Image* img : sdl.textured) {
        if (img->texture && img->texgen == sdl.rendergen && sdl.renderer)
            SDL_DestroyTexture(static_cast<SDL_Texture*>(img->texture));
        img->texture = nullptr;
    }
    sdl.textured.clear();
}

bool videoready() { return SDL_WasInit(SDL_INIT_VIDEO) != 0 || SDL_InitSubSystem(SDL_INIT_VIDEO) == 0; }

bool sstart() {
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "1");
    // Termination signals are the platform layer's own (quitsignalled): a
    // window close asks the player, a signal must not wait for an answer.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_Init(SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) return false;
    startaudio();
    return true;
}

void sstop() {
    stopaudio();
    releasetextures();
    if (sdl.renderer) SDL_DestroyRenderer(sdl.renderer);
    if (sdl.window) SDL_DestroyWindow(sdl.window);
    sdl.renderer = nullptr;
    sdl.window = nullptr;
    sdl.rendergen++;
    IMG_Quit();
    SDL_Quit();
}

bool usesoftware() {
    if (sdl.forcesoftware) return true;
    const char* drv = SDL_GetCurrentVideoDriver();
    return drv && (std::strcmp(drv, "offscreen") == 0 || std::strcmp(drv, "dummy") == 0);
}

// A GL that draws on the CPU (Mesa's llvmpipe and softpipe, the old swrast,
// a virtual machine's software GL) is slower than SDL's own blitters and keeps
// tens of megabytes and a thread per core busy: it counts as no GPU.
bool cpuemulation(const char* glrenderer) {
    if (!glrenderer) return true;
    std::string r(glrenderer);
    for (char& c : r) c = char(std::tolower(static_cast<unsigned char>(c)));
    for (const char* word : {"llvmpipe", "softpipe", "swrast", "software", "lavapipe", "swiftshader"})
        if (r.find(word) != std::string::npos) return true;
    return false;
}

bool realgpu(SDL_Renderer* r) {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(r, &info) != 0 || !info.name) return false;
    if (std::strcmp(info.name, "software") == 0) return false;
    if (std::strncmp(info.name, "opengl", 6) != 0) return true;
    // The renderer's context is current right after its creation.
    using GetString = const unsigned char* (*)(unsigned int);
    auto getstring = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    if (!getstring) return false;
    constexpr unsigned int GL_RENDERER_NAME = 0x1F01;
    const char* name = reinterpret_cast<const char*>(getstring(GL_RENDERER_NAME));
    sdl.glrenderer = name ? name : "";
    return !cpuemulation(name);
}

// A GPU shows itself as a device node: a DRM render node or card (Mesa's and
// most drivers), NVIDIA's own nodes, or the virtual GPU of a Windows host.
// Without any of them GL could only be emulated on the CPU, and finding that
// out would load the emulation (a third of a second and tens of megabytes).
bool gpudevicepresent() {
    std::error_code ec;
    for (const char* dir : {"/dev/dri"})
        for (const auto& e : std::filesystem::directory_iterator(dir, ec)) {
            std::string n = e.path().filename().string();
            if (n.rfind("renderD", 0) == 0 || n.rfind("card", 0) == 0) return true;
        }
    for (const char* node : {"/dev/nvidia0", "/dev/nvidiactl", "/dev/dxg"})
        if (std::filesystem::exists(node, ec)) return true;
    return false;
}

// The accelerated renderer only on a real GPU, found out once per run; else
// SDL's software renderer presenting straight into the window's framebuffer
// (with framebuffer acceleration on it would present through a GL texture,
// CPU emulated again). Vsync is asked for once, at creation.
SDL_Renderer* makerenderer() {
    Uint32 vsync = virtualclockon() ? 0 : SDL_RENDERER_PRESENTVSYNC;
    sdl.vsync = vsync ? 1 : 0;
    if (sdl.gpu < 0 && !gpudevicepresent()) sdl.gpu = 0;
    if (!usesoftware() && sdl.gpu != 0) {
        SDL_Renderer* r = SDL_CreateRenderer(sdl.window, -1, SDL_RENDERER_ACCELERATED | vsync);
        if (r && sdl.gpu < 0) sdl.gpu = realgpu(r) ? 1 : 0;
        if (r && sdl.gpu == 1) {
            sdl.softrender = false;
            return r;
        }
        if (r) SDL_DestroyRenderer(r);
        if (!r) sdl.gpu = 0;
    }
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_Renderer* r = SDL_CreateRenderer(sdl.window, -1, SDL_RENDERER_SOFTWARE | vsync);
    sdl.softrender = r != nullptr;
    return r;
}

void applyicon() {
    if (!sdl.window || sdl.iconpath.empty()) return;
    SDL_Surface* icon = loadpicturefile(resolvepath(sdl.iconpath), true);
    if (!icon) return;
    SDL_SetWindowIcon(sdl.window, icon);
    SDL_FreeSurface(icon);
}

// The window's size, not the renderer's: while the canvas is the target the
// software renderer reports the canvas instead.
void updatesize() {
    if (sdl.window) SDL_GetWindowSize(sdl.window, &g.display.winw, &g.display.winh);
}

// The desktop the window is on (the first one before there is a window).
bool desktopbounds(SDL_Rect& r) {
    int i = sdl.window ? SDL_GetWindowDisplayIndex(sdl.window) : 0;
    return SDL_GetDisplayBounds(i < 0 ? 0 : i, &r) == 0 && r.w > 0 && r.h > 0;
}

// A window the player can resize and maximise, or full screen as a
// borderless window over the desktop; both sharp on HiDPI screens (the
// renderer draws in the screen's own pixels).
bool createdisplay(int w, int h, bool full) {
    Uint32 wflags = SDL_WINDOW_SHOWN | SDL_WINDOW_ALLOW_HIGHDPI | SDL_WINDOW_RESIZABLE;
    int x = SDL_WINDOWPOS_CENTERED, y = SDL_WINDOWPOS_CENTERED;
    SDL_Rect desk;
    if (full && desktopbounds(desk)) {
        // Placed over the desktop already: without a window manager the
        // full-screen request alone would leave the window where it is.
        x = desk.x;
        y = desk.y;
        w = desk.w;
        h = desk.h;
    }
    if (full) wflags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    sdl.window = SDL_CreateWindow(sdl.title.c_str(), x, y, w, h, wflags);
    if (!sdl.window) return false;
    SDL_SetWindowMinimumSize(sdl.window, 320, 240);
    sdl.renderer = makerenderer();
    if (!sdl.renderer) {
        SDL_DestroyWindow(sdl.window);
        sdl.window = nullptr;
        return false;
    }
    sdl.rendergen++;
    return true;
}

// An open window changes in place: the renderer and every texture stay.
void changedisplay(int w, int h, bool full) {
    if (full) {
        SDL_Rect desk;
        if (!(SDL_GetWindowFlags(sdl.window) & SDL_WINDOW_FULLSCREEN) && desktopbounds(desk)) {
            if (SDL_GetWindowFlags(sdl.window) & SDL_WINDOW_MAXIMIZED) SDL_RestoreWindow(sdl.window);
            SDL_SetWindowPosition(sdl.window, desk.x, desk.y);
            SDL_SetWindowSize(sdl.window, desk.w, desk.h);
        }
        SDL_SetWindowFullscreen(sdl.window, SDL_WINDOW_FULLSCREEN_DESKTOP);
        return;
    }
    SDL_SetWindowFullscreen(sdl.window, 0);
    if (SDL_GetWindowFlags(sdl.window) & SDL_WINDOW_MAXIMIZED) SDL_RestoreWindow(sdl.window);
    SDL_SetWindowSize(sdl.window, w, h);
    SDL_SetWindowPosition(sdl.window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

bool sopengraphics(int w, int h, int depth, int hz, int flags) {
    if (!videoready()) return false;
    guarddisplay();
    bool full = depth != 0;
    g.display.open = false;
    if (sdl.window && sdl.renderer) {
        changedisplay(w, h, full);
    } else if (!createdisplay(w, h, full)) {
        return false;
    }
    sdl.clipvalid = false;
    ensurecanvas();
    applyicon();
    SDL_ShowCursor(g.input.pointershown ? SDL_ENABLE : SDL_DISABLE);
    g.display.open = true;
    g.display.depth = depth;
    updatesize();
    if (!g.display.logw) {
        g.draw.vw = g.display.winw;
        g.draw.vh = g.display.winh;
    }
    SDL_SetRenderDrawColor(sdl.renderer, 0, 0, 0, 255);
    SDL_RenderClear(sdl.renderer);
    return true;
}

int displayindex() {
    int i = sdl.window ? SDL_GetWindowDisplayIndex(sdl.window) : 0;
    return i < 0 ? 0 : i;
}

// Full screen never switches the monitor's mode, so every size that fits
// the desktop can be shown.
bool sgfxmodeexists(int w, int h, int depth, int hz) {
    SDL_DisplayMode dm;
    if (!videoready() || SDL_GetDesktopDisplayMode(displayindex(), &dm) != 0) return false;
    return w > 0 && h > 0 && w <= dm.w && h <= dm.h;
}

int swindowframeheight() {
    int top = 0, left = 0, bottom = 0, right = 0;
    if (!sdl.window || SDL_GetWindowBordersSize(sdl.window, &top, &left, &bottom, &right) != 0) return 0;
    return top + bottom;
}

void sdesktopsize(int& w, int& h) {
    SDL_DisplayMode dm;
    if (videoready() && SDL_GetDesktopDisplayMode(displayindex(), &dm) == 0) {
        w = dm.w;
        h = dm.h;
    } else {
        w = h = 0;
    }
}

void swindowsize(int& w, int& h) {
    updatesize();
    w = g.display.winw;
    h = g.display.winh;
}

void ssetvirtualres(int w, int h) {
    ensurecanvas();
    sdl.clipvalid = false;
}

void sclearscreen() {
    if (!sdl.renderer) return;
    ensurecanvas();
    SDL_SetRenderDrawColor(sdl.renderer, 0, 0, 0, 255);
    SDL_RenderClear(sdl.renderer);
}

bool sflipscreen(int sync) {
    if (!sdl.renderer) return false;
    // On the virtual clock frames are made as fast as possible: no waiting
    // for the display's retrace.
    int want = sync && !virtualclockon() ? 1 : 0;
    if (want != sdl.vsync) {
        SDL_RenderSetVSync(sdl.renderer, want);  // not every renderer can; it then presents at once
        sdl.vsync = want;
    }
    SDL_ClearError();
    if (sdl.canvas) {
        SDL_SetRenderTarget(sdl.renderer, nullptr);
        SDL_RenderSetClipRect(sdl.renderer, nullptr);
        // In the renderer's own pixels, which on a HiDPI screen are more
        // than the window's units.
        int ow = 0, oh = 0;
        if (SDL_GetRendererOutputSize(sdl.renderer, &ow, &oh) != 0 || ow <= 0 || oh <= 0) {
            updatesize();
            ow = g.display.winw;
            oh = g.display.winh;
        }
        Letterbox lb = letterbox(ow, oh, sdl.canvasw, sdl.canvash);
        SDL_Rect dst{lb.offx, lb.offy, int(std::lround(sdl.canvasw * lb.scalex)), int(std::lround(sdl.canvash * lb.scaley))};
        // Only the bars beside a letterboxed canvas need clearing; the
        // canvas covers the rest.
        if (dst.x > 0 || dst.y > 0 || dst.w < ow || dst.h < oh) {
            SDL_SetRenderDrawColor(sdl.renderer, 0, 0, 0, 255);
            SDL_RenderClear(sdl.renderer);
        }
        // A whole multiple of the canvas needs no filtering: each pixel
        // becomes a block, as sharp as the canvas and far cheaper.
        bool whole = dst.w % sdl.canvasw == 0 && dst.h % sdl.canvash == 0 && dst.w / sdl.canvasw == dst.h / sdl.canvash;
        if (whole != sdl.canvasnearest) {
            SDL_SetTextureScaleMode(sdl.canvas, whole ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
            sdl.canvasnearest = whole;
        }
        SDL_RenderCopy(sdl.renderer, sdl.canvas, nullptr, &dst);
    }
    SDL_RenderPresent(sdl.renderer);
    pumpsdl();
    ensurecanvas();
    return true;
}

void ssetwindowtitle(const std::string& t) {
    sdl.title = t;
    if (sdl.window) SDL_SetWindowTitle(sdl.window, t.c_str());
}

void ssetwindowicon(const std::string& path) {
    sdl.iconpath = path;
    applyicon();
}

void sminimisewindow() {
    if (sdl.window) SDL_MinimizeWindow(sdl.window);
}

// The window's letterbox now; false while there is no window to map through.
bool currentletterbox(Letterbox& lb) {
    if (!sdl.renderer) return false;
    updatesize();
    lb = letterbox(g.display.winw, g.display.winh, g.display.logw, g.display.logh);
    return lb.scalex > 0 && lb.scaley > 0;
}

void swindowtological(int wx, int wy, int& lx, int& ly) {
    Letterbox lb;
    if (!currentletterbox(lb)) {
        lx = wx;
        ly = wy;
        return;
    }
    lx = int(float(wx - lb.offx) / lb.scalex);
    ly = int(float(wy - lb.offy) / lb.scaley);
}

void slogicaltowindow(int lx, int ly, int& wx, int& wy) {
    Letterbox lb;
    if (!currentletterbox(lb)) {
        wx = lx;
        wy = ly;
        return;
    }
    wx = lb.offx + int(std::lround(float(lx) * lb.scalex));
    wy = lb.offy + int(std::lround(float(ly) * lb.scaley));
}

// Textures are ARGB8888, the canvas's byte order with alpha, so that the
// software renderer's blits need no reordering of channels.
SDL_Texture* textureof(Image* img) {
    if (img->texture && img->texgen == sdl.rendergen) return static_cast<SDL_Texture*>(img->texture);
    if (!redecode(img)) return nullptr;
    SDL_Texture* t = SDL_CreateTexture(sdl.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, img->sheetw,
                                       img->sheeth);
    if (!t) return nullptr;
    std::vector<std::uint8_t> argb(img->rgba.size());
    SDL_ConvertPixels(img->sheetw, img->sheeth, SDL_PIXELFORMAT_RGBA32, img->rgba.data(), img->sheetw * 4,
                      SDL_PIXELFORMAT_ARGB8888, argb.data(), img->sheetw * 4);
    SDL_UpdateTexture(t, nullptr, argb.data(), img->sheetw * 4);
    img->texture = t;
    img->texgen = sdl.rendergen;
    sdl.textured.insert(img);
    dropdecoded(img);
    return t;
}

// A picture loaded while a renderer exists becomes its texture at once and
// gives up its decoded copy.
void sadoptimage(Image* img) {
    if (sdl.renderer) textureof(img);
}

SDL_BlendMode blendof(int mode) {
    switch (mode) {
        case 2: return SDL_BLENDMODE_NONE;
        case 4: return SDL_BLENDMODE_ADD;
        case 5: return SDL_BLENDMODE_MOD;
        default: return SDL_BLENDMODE_BLEND;
    }
}

// The picture's frame turned by the angle's step (mirrored first), made on
// first use; null when it cannot be made.
const Rotated* rotatedof(Image* img, SDL_Texture* tex, int frame, int step, int flip) {
    RotKey key{img, frame, step, flip};
    auto found = rot.entries.find(key);
    if (found != rot.entries.end()) return &found->second;
    float hx = float(flip & SDL_FLIP_HORIZONTAL ? img->w - img->hx : img->hx);
    float hy = float(flip & SDL_FLIP_VERTICAL ? img->h - img->hy : img->hy);
    double a = double(step) * double(ROTSTEP) * M_PI / 180.0;
    float c = float(std::cos(a)), sn = float(std::sin(a));
    float minx = 0, maxx = 0, miny = 0, maxy = 0;
    bool first = true;
    for (float cx : {0.0f, float(img->w)})
        for (float cy : {0.0f, float(img->h)}) {
            float vx = cx - hx, vy = cy - hy;
            float rx = vx * c - vy * sn, ry = vx * sn + vy * c;
            if (first || rx < minx) minx = rx;
            if (first || rx > maxx) maxx = rx;
            if (first || ry < miny) miny = ry;
            if (first || ry > maxy) maxy = ry;
            first = false;
        }
    Rotated r;
    r.w = int(std::ceil(maxx - minx)) + 2;
    r.h = int(std::ceil(maxy - miny)) + 2;
    r.px = 1.0f - minx;
    r.py = 1.0f - miny;
    size_t bytes = size_t(r.w) * size_t(r.h) * 4;
    if (bytes > ROTBUDGET / 8) return nullptr;
    if (rot.bytes + bytes > ROTBUDGET) clearrotated();
    r.tex = SDL_CreateTexture(sdl.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, r.w, r.h);
    if (!r.tex) return nullptr;
    SDL_SetRenderTarget(sdl.renderer, r.tex);
    SDL_SetRenderDrawBlendMode(sdl.renderer, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(sdl.renderer, 0, 0, 0, 0);
    SDL_RenderClear(sdl.renderer);
    SDL_SetTextureBlendMode(tex, SDL_BLENDMODE_NONE);
    SDL_SetTextureColorMod(tex, 255, 255, 255);
    SDL_SetTextureAlphaMod(tex, 255);
    SDL_Rect src{img->cellx[size_t(frame)], img->celly[size_t(frame)], img->w, img->h};
    SDL_FRect dst{r.px - hx, r.py - hy, float(img->w), float(img->h)};
    SDL_FPoint centre{hx, hy};
    SDL_RenderCopyExF(sdl.renderer, tex, &src, &dst, double(step) * double(ROTSTEP), &centre, SDL_RendererFlip(flip));
    SDL_SetRenderTarget(sdl.renderer, sdl.canvas);
    sdl.clipvalid = false;
    rot.bytes += bytes;
    return &rot.entries.emplace(key, r).first->second;
}

void sdrawimage(Image* img, float x, float y, int frame) {
    const DrawState& d = g.draw;
    if (!sdl.renderer || d.sx == 0 || d.sy == 0 || d.vw <= 0 || d.vh <= 0) return;
    SDL_Texture* tex = textureof(img);
    if (!tex) return;
    int flip = SDL_FLIP_NONE;
    if (d.sx < 0) flip |= SDL_FLIP_HORIZONTAL;
    if (d.sy < 0) flip |= SDL_FLIP_VERTICAL;
    float ax = std::fabs(d.sx), ay = std::fabs(d.sy);
    const Rotated* turned = nullptr;
    float angle = d.rotation;
    if (sdl.softrender && (angle != 0.0f || flip != SDL_FLIP_NONE) && d.blend != 2 && ax == ay && sdl.canvas) {
        float deg = std::fmod(angle, 360.0f);
        if (deg < 0) deg += 360.0f;
        int step = int(std::lround(deg / ROTSTEP)) % ROTSTEPS;
        if (step != 0 || flip != SDL_FLIP_NONE) turned = rotatedof(img, tex, frame, step, flip);
        else angle = 0.0f;  // less than a step from upright
    }
    if (!sdl.clipvalid || sdl.clip.x != d.vx || sdl.clip.y != d.vy || sdl.clip.w != d.vw || sdl.clip.h != d.vh) {
        sdl.clip = SDL_Rect{d.vx, d.vy, d.vw, d.vh};
        SDL_RenderSetClipRect(sdl.renderer, &sdl.clip);
        sdl.clipvalid = true;
    }
    float a = std::clamp(d.alpha, 0.0f, 1.0f);
    Uint8 alpha = Uint8(std::lround(a * 255.0f));
    if (turned) {
        SDL_Texture* t = turned->tex;
        SDL_SetTextureBlendMode(t, blendof(d.blend));
        SDL_SetTextureColorMod(t, Uint8(d.r), Uint8(d.g), Uint8(d.b));
        SDL_SetTextureAlphaMod(t, alpha);
        SDL_FRect to{x - turned->px * ax, y - turned->py * ay, float(turned->w) * ax, float(turned->h) * ay};
        SDL_RenderCopyF(sdl.renderer, t, nullptr, &to);
        return;
    }
    // An opaque picture blended at full alpha is a plain copy.
    int blend = d.blend == 3 && img->opaque && alpha == 255 ? 2 : d.blend;
    SDL_SetTextureBlendMode(tex, blendof(blend));
    SDL_SetTextureColorMod(tex, Uint8(d.r), Uint8(d.g), Uint8(d.b));
    SDL_SetTextureAlphaMod(tex, alpha);

    SDL_Rect src{img->cellx[size_t(frame)], img->celly[size_t(frame)], img->w, img->h};
    // A mirrored draw flips the texture inside its rectangle, so the handle
    // sits at the mirrored spot of that rectangle.
    float hx = float(d.sx < 0 ? img->w - img->hx : img->hx) * ax;
    float hy = float(d.sy < 0 ? img->h - img->hy : img->hy) * ay;
    SDL_FRect dst{x - hx, y - hy, float(img->w) * ax, float(img->h) * ay};
    SDL_FPoint centre{hx, hy};
    // The software renderer makes a new surface for every rotated or
    // mirrored copy: a plain one goes the direct way.
    if (angle == 0.0f && flip == SDL_FLIP_NONE) SDL_RenderCopyF(sdl.renderer, tex, &src, &dst);
    else SDL_RenderCopyExF(sdl.renderer, tex, &src, &dst, double(angle), &centre, SDL_RendererFlip(flip));
}

void sreleaseimage(Image* img) {
    forgetrotated(img);
    if (img->texture && img->texgen == sdl.rendergen && sdl.renderer)
        SDL_DestroyTexture(static_cast<SDL_Texture*>(img->texture));
    img->texture = nullptr;
    sdl.textured.erase(img);
}

// Only pictures with a file: a made one could not be decoded again.
void sreleaseunused(unsigned period) {
    std::vector<Image*> idle;
    for (Image* img : sdl.textured)
        if (img->inuse != period && !img->made && !img->kept) idle.push_back(img);
    for (Image* img : idle) sreleaseimage(img);
}

void smovepointer(int wx, int wy) {
    if (sdl.window) SDL_WarpMouseInWindow(sdl.window, wx, wy);
}

void sshowpointer(bool on) {
    if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_ShowCursor(on ? SDL_ENABLE : SDL_DISABLE);
}

bool sscreenshot(const std::string& path) {
    if (!sdl.renderer) return false;
    if (sdl.canvas) {
        // The frame as drawn, at the canvas's own size.
        SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, sdl.canvasw, sdl.canvash, 32, SDL_PIXELFORMAT_RGBA32);
        if (!s) return false;
        SDL_SetRenderTarget(sdl.renderer, sdl.canvas);
        bool ok = SDL_RenderReadPixels(sdl.renderer, nullptr, SDL_PIXELFORMAT_RGBA32, s->pixels, s->pitch) == 0;
        sdl.clipvalid = false;
        if (ok) ok = IMG_SavePNG(s, resolvepath(path).c_str()) == 0;
        SDL_FreeSurface(s);
        return ok;
    }
    int w, h;
    if (SDL_GetRendererOutputSize(sdl.renderer, &w, &h) != 0 || w <= 0 || h <= 0) return false;
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_RGBA32);
    if (!s) return false;
    // Read the whole output, bars included, independent of the logical size.
    int lw = 0, lh = 0;
    SDL_RenderGetLogicalSize(sdl.renderer, &lw, &lh);
    SDL_Rect clip;
    bool clipped = SDL_RenderIsClipEnabled(sdl.renderer);
    SDL_RenderGetClipRect(sdl.renderer, &clip);
    if (lw > 0) SDL_RenderSetLogicalSize(sdl.renderer, 0, 0);
    SDL_RenderSetViewport(sdl.renderer, nullptr);
    bool ok = SDL_RenderReadPixels(sdl.renderer, nullptr, SDL_PIXELFORMAT_RGBA32, s->pixels, s->pitch) == 0;
    if (lw > 0) SDL_RenderSetLogicalSize(sdl.renderer, lw, lh);
    if (clipped) SDL_RenderSetClipRect(sdl.renderer, &clip);
    sdl.clipvalid = false;
    if (ok) ok = IMG_SavePNG(s, resolvepath(path).c_str()) == 0;
    SDL_FreeSurface(s);
    return ok;
}

int vkof(SDL_Keycode k) {
    if (k >= SDLK_a && k <= SDLK_z) return 65 + int(k - SDLK_a);
    if (k >= SDLK_0 && k <= SDLK_9) return 48 + int(k - SDLK_0);
    if (k >= SDLK_KP_1 && k <= SDLK_KP_9) return 49 + int(k - SDLK_KP_1);
    if (k >= SDLK_F1 && k <= SDLK_F12) return 112 + int(k - SDLK_F1);
    switch (k) {
        case SDLK_KP_0: return 48;
        case SDLK_BACKSPACE: return 8;
        case SDLK_TAB: return 9;
        case SDLK_RETURN:
        case SDLK_KP_ENTER: return 13;
        case SDLK_ESCAPE: return 27;
        case SDLK_SPACE: return 32;
        case SDLK_LEFT: return 37;
        case SDLK_UP: return 38;
        case SDLK_RIGHT: return 39;
        case SDLK_DOWN: return 40;
        case SDLK_DELETE: return 46;
        default: return 0;
    }
}

int buttonof(Uint8 b) {
    switch (b) {
        case SDL_BUTTON_LEFT: return 1;
        case SDL_BUTTON_RIGHT: return 2;
        case SDL_BUTTON_MIDDLE: return 3;
        default: return 0;
    }
}

// UTF-8 text from the window system -> code points; malformed bytes are
// skipped rather than guessed at.
void pushutf8(const char* t) {
    const auto* p = reinterpret_cast<const unsigned char*>(t);
    while (*p) {
        unsigned c = *p;
        int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (extra < 0) {
            p++;
            continue;
        }
        unsigned cp = extra == 0 ? c : c & (0x3F >> extra);
        int i = 1;
        for (; i <= extra; i++) {
            if ((p[i] & 0xC0) != 0x80) break;
            cp = (cp << 6) | (p[i] & 0x3F);
        }
        if (i <= extra) {
            p += i;
            continue;
        }
        p += extra + 1;
        if (cp > 0 && cp <= 0x10FFFF) g.input.chars.push_back(int(cp));
    }
}

void rawpointer() {
    int x, y;
    SDL_GetMouseState(&x, &y);
    g.input.mx = x;
    g.input.my = y;
}

}  // namespace

void pumpsdl() {
    if (!SDL_WasInit(SDL_INIT_VIDEO) && !SDL_WasInit(SDL_INIT_EVENTS)) return;
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        switch (e.type) {
            case SDL_QUIT: g.input.closerequests++; break;
            case SDL_WINDOWEVENT:
                switch (e.window.event) {
                    case SDL_WINDOWEVENT_FOCUS_LOST:
                    case SDL_WINDOWEVENT_MINIMIZED: g.input.appevents.push_back(1); break;
                    case SDL_WINDOWEVENT_FOCUS_GAINED:
                    case SDL_WINDOWEVENT_RESTORED: g.input.appevents.push_back(2); break;
                    case SDL_WINDOWEVENT_SIZE_CHANGED: updatesize(); break;
                    default: break;
                }
                break;
            case SDL_KEYDOWN: {
                int vk = vkof(e.key.keysym.sym);
                // Alt+Enter is the desktop's full-screen shortcut, like F11.
                if (vk == 13 && (e.key.keysym.mod & KMOD_ALT)) vk = 122;
                if (vk == 0) break;
                if (!e.key.repeat) g.input.keyhits[vk]++;
                g.input.keydown[vk] = true;
                // Held Backspace repeats in a text field like typed letters do.
                if (vk == KEY_BACKSPACE || (vk == KEY_ENTER && !e.key.repeat)) g.input.chars.push_back(vk);
                break;
            }
            case SDL_KEYUP: {
                int vk = vkof(e.key.keysym.sym);
                if (vk == 13) g.input.keydown[122] = false;
                if (vk) g.input.keydown[vk] = false;
                break;
            }
            case SDL_TEXTINPUT: pushutf8(e.text.text); break;
            case SDL_MOUSEMOTION: rawpointer(); break;
            case SDL_MOUSEBUTTONDOWN: {
                int b = buttonof(e.button.button);
                rawpointer();
                if (b) {
                    g.input.mousehits[b]++;
                    g.input.mousedown[b] = true;
                }
                break;
            }
            case SDL_MOUSEBUTTONUP: {
                int b = buttonof(e.button.button);
                if (b) g.input.mousedown[b] = false;
                break;
            }
            case SDL_RENDER_TARGETS_RESET:
            case SDL_RENDER_DEVICE_RESET:
                // Texture contents are gone; rebuild them from the kept pixels.
                releasetextures();
                sdl.rendergen++;
                sdl.clipvalid = false;
                ensurecanvas();
                break;
            default: break;
        }
    }
}

const BackendOps sdlops = {
    sstart,          sstop,           sopengraphics,   sgfxmodeexists,  sdesktopsize,   swindowsize,
    swindowframeheight,
    ssetvirtualres,  sclearscreen,    sflipscreen,     ssetwindowtitle, ssetwindowicon, sminimisewindow,
    swindowtological, slogicaltowindow, sdrawimage,    sreleaseimage,   pumpsdl,        smovepointer,
    sshowpointer,    sscreenshot,     launchurl,       saudioavailable, sloadsound,     sfreesound,
    sstartsound,     sallocchannel,   sstopchannel,    spausechannel,   sresumechannel, schannelplaying,
    ssetchannelvolume, ssetchannelpan,  sadoptimage,     sreleaseunused,
};

}  // namespace detail

namespace ctl {
void softwarerenderer(bool on) { detail::sdl.forcesoftware = on; }
}  // namespace ctl
}  // namespace pf
