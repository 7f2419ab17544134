// Image loading, cells, handles and the pixel-accurate overlap test. Both
// backends share this: an image is its decoded pixels plus cell geometry,
// the SDL backend adds a texture on top.
#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/internal.h"

namespace pf {
namespace detail {

SDL_Surface* loadpicturefile(const std::string& resolved, bool icon) {
    SDL_RWops* rw = SDL_RWFromFile(resolved.c_str(), "rb");
    if (!rw) return nullptr;
    // The image library would guess any of its formats from the bytes; only
    // the decoders of the formats we ship may see a file, whatever it holds.
    const char* type = IMG_isPNG(rw) ? "PNG" : IMG_isJPG(rw) ? "JPG" : icon && IMG_isICO(rw) ? "ICO" : nullptr;
    if (!type) {
        SDL_RWclose(rw);
        return nullptr;
    }
    return IMG_LoadTyped_RW(rw, 1, type);
}

bool decodeimage(const std::string& resolved, int& w, int& h, std::vector<std::uint8_t>& rgba) {
    SDL_Surface* raw = loadpicturefile(resolved, false);
    if (!raw) return false;
    SDL_Surface* conv = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_RGBA32, 0);
    SDL_FreeSurface(raw);
    if (!conv) return false;
    w = conv->w;
    h = conv->h;
    rgba.resize(size_t(w) * size_t(h) * 4);
    SDL_LockSurface(conv);
    for (int y = 0; y < h; y++)
        std::memcpy(rgba.data() + size_t(y) * size_t(w) * 4, static_cast<std::uint8_t*>(conv->pixels) + size_t(y) * size_t(conv->pitch),
                    size_t(w) * 4);
    SDL_UnlockSurface(conv);
    SDL_FreeSurface(conv);
    return w > 0 && h > 0;
}

bool redecode(Image* img) {
    if (!img->rgba.empty()) return true;
    if (img->made) return false;
    int w = 0, h = 0;
    std::vector<std::uint8_t> px;
    if (!decodeimage(resolvepath(img->path), w, h, px) || w != img->sheetw || h != img->sheeth) return false;
    img->rgba.swap(px);
    return true;
}

void dropdecoded(Image* img) {
    if (img->made || img->rgba.empty()) return;
    std::vector<std::uint8_t>().swap(img->rgba);
}

// Most pictures are only ever drawn: the mask of one that is hit-tested is
// taken from its file the first time a test needs it, and kept.
void needmask(Image* img) {
    if (!img->rgba.empty() || img->opaque || !img->mask.empty() || img->masktried) return;
    img->masktried = true;  // a file gone since is not looked for on every click
    if (!redecode(img)) return;
    size_t n = size_t(img->sheetw) * size_t(img->sheeth);
    img->mask.resize(n);
    for (size_t i = 0; i < n; i++) img->mask[i] = img->rgba[i * 4 + 3];
    dropdecoded(img);
}

std::uint8_t alphaat(const Image* img, int sx, int sy) {
    size_t px = size_t(sy) * size_t(img->sheetw) + size_t(sx);
    if (!img->rgba.empty()) return img->rgba[px * 4 + 3];
    // Without a mask (its file gone since) the cell counts as solid, so a
    // button still takes its click.
    if (img->opaque || img->mask.empty()) return 255;
    return px < img->mask.size() ? img->mask[px] : 0;
}

namespace {
bool allopaque(const std::vector<std::uint8_t>& rgba) {
    for (size_t i = 3; i < rgba.size(); i += 4)
        if (rgba[i] != 255) return false;
    return true;
}

// How far in from every edge the picture is solid: each pixel that is not
// pushes the inset past its own distance from the nearest edge. -1 when no
// solid middle is left.
int solidinset(const std::vector<std::uint8_t>& rgba, int w, int h) {
    int k = 0;
    for (int y = 0; y < h; y++) {
        const std::uint8_t* row = rgba.data() + size_t(y) * size_t(w) * 4;
        int dy = std::min(y, h - 1 - y);
        for (int x = 0; x < w; x++)
            if (row[size_t(x) * 4 + 3] != 255) k = std::max(k, std::min({x, w - 1 - x, dy}) + 1);
    }
    return 2 * k < std::min(w, h) ? k : -1;
}
}  // namespace

}  // namespace detail

using namespace detail;

namespace {

void placehandle(Image* img) {
    if (g.draw.automid) {
        img->hx = img->w / 2;
        img->hy = img->h / 2;
    } else {
        img->hx = img->hy = 0;
    }
}

// Cuts the sheet into whole cells, left to right then top to bottom; a sheet
// with fewer cells than asked for keeps only those that exist, and one with
// none of the asked-for cells gives no image.
Image* cutcells(Image* img, int cellw, int cellh, int first, int count) {
    if (cellw <= 0 || cellh <= 0 || first < 0 || count <= 0) {
        delete img;
        return nullptr;
    }
    int cols = img->sheetw / cellw, rows = img->sheeth / cellh;
    long long total = (long long)cols * rows;
    long long last = std::min<long long>(total, (long long)first + count);
    if (last <= first) {
        delete img;
        return nullptr;
    }
    img->w = cellw;
    img->h = cellh;
    for (long long i = first; i < last; i++) {
        img->cellx.push_back(int(i % cols) * cellw);
        img->celly.push_back(int(i / cols) * cellh);
    }
    placehandle(img);
    return img;
}

Image* wholeimage(Image* img) {
    img->w = img->sheetw;
    img->h = img->sheeth;
    img->cellx.assign(1, 0);
    img->celly.assign(1, 0);
    placehandle(img);
    return img;
}

Image* decodefile(const std::string& path) {
    auto* img = new Image;
    img->path = path;
    if (!decodeimage(resolvepath(path), img->sheetw, img->sheeth, img->rgba)) {
        delete img;
        return nullptr;
    }
    img->inset = solidinset(img->rgba, img->sheetw, img->sheeth);
    img->opaque = img->inset == 0;
    return img;
}

bool opaque(const Image* img, int frame, int u, int v) {
    if (u < 0 || v < 0 || u >= img->w || v >= img->h) return false;
    return alphaat(img, img->cellx[frame] + u, img->celly[frame] + v) > 0;
}

// One image placed as drawimage would place it: handle at (x, y), scaled and
// rotated about the handle.
struct Placement {
    const Image* img;
    int frame;
    double x, y, sx, sy, c, s;

    // Screen point -> cell pixel; false when outside the cell.
    bool cell(double px, double py, int& u, int& v) const {
        double dx = px - x, dy = py - y;
        double ru = dx * c + dy * s, rv = -dx * s + dy * c;
        double fu = ru / sx + img->hx, fv = rv / sy + img->hy;
        if (!(fu >= 0 && fv >= 0 && fu < img->w && fv < img->h)) return false;
        u = int(std::floor(fu));
        v = int(std::floor(fv));
        return true;
    }

    void bounds(double& x0, double& y0, double& x1, double& y1) const {
        x0 = y0 = 1e300;
        x1 = y1 = -1e300;
        for (int corner = 0; corner < 4; corner++) {
            double u = (corner & 1) ? img->w : 0, v = (corner & 2) ? img->h : 0;
            double lx = (u - img->hx) * sx, ly = (v - img->hy) * sy;
            double px = x + lx * c - ly * s, py = y + lx * s + ly * c;
            x0 = std::min(x0, px);
            y0 = std::min(y0, py);
            x1 = std::max(x1, px);
            y1 = std::max(y1, py);
        }
    }
};

}  // namespace

Image* loadimage(const std::string& path, int flags) {
    Image* img = decodefile(path);
    if (img) img = wholeimage(img);
    if (img) img->inuse = g.useperiod;
    if (img) ops().adoptimage(img);
    return img;
}

Image* loadanimimage(const std::string& path, int cellw, int cellh, int first, int count, int flags) {
    if (cellw <= 0 || cellh <= 0 || first < 0 || count <= 0) return nullptr;
    Image* img = decodefile(path);
    if (img) img = cutcells(img, cellw, cellh, first, count);
    if (img) img->inuse = g.useperiod;
    if (img) ops().adoptimage(img);
    return img;
}

void freeimage(Image* img) {
    if (!img) return;
    ops().releaseimage(img);
    delete img;
}

void automidhandle(bool on) { g.draw.automid = on; }

void midhandleimage(Image* img) {
    if (!img) return;
    img->hx = img->w / 2;
    img->hy = img->h / 2;
}

void setimagehandle(Image* img, int x, int y) {
    if (!img) return;
    img->hx = x;
    img->hy = y;
}

void imagehandle(const Image* img, int& x, int& y) {
    x = img ? img->hx : 0;
    y = img ? img->hy : 0;
}

int imagewidth(const Image* img) { return img ? img->w : 0; }
int imageheight(const Image* img) { return img ? img->h : 0; }
int imageframes(const Image* img) { return img ? int(img->cellx.size()) : 0; }
int imagesolidinset(const Image* img) {
    return img && img->cellx.size() == 1 && img->w == img->sheetw && img->h == img->sheeth ? img->inset : -1;
}

bool imagescollide(Image* img1, int x1, int y1, int frame1, Image* img2, int x2, int y2, int frame2) {
    if (!img1 || !img2) return false;
    if (frame1 < 0 || frame1 >= imageframes(img1) || frame2 < 0 || frame2 >= imageframes(img2)) return false;
    needmask(img1);
    needmask(img2);
    double sx = g.draw.sx, sy = g.draw.sy;
    if (sx == 0 || sy == 0) return false;  // drawn at scale 0 nothing shows
    double rad = double(g.draw.rotation) * M_PI / 180.0;
    double c = std::cos(rad), s = std::sin(rad);
    Placement a{img1, frame1, double(x1), double(y1), sx, sy, c, s};
    Placement b{img2, frame2, double(x2), double(y2), sx, sy, c, s};
    double ax0, ay0, ax1, ay1, bx0, by0, bx1, by1;
    a.bounds(ax0, ay0, ax1, ay1);
    b.bounds(bx0, by0, bx1, by1);
    // Sample every screen pixel centre both images could cover, as the
    // renderer would when drawing them.
    int px0 = int(std::floor(std::max(ax0, bx0))), py0 = int(std::floor(std::max(ay0, by0)));
    int px1 = int(std::ceil(std::min(ax1, bx1))), py1 = int(std::ceil(std::min(ay1, by1)));
    for (int py = py0; py < py1; py++) {
        for (int px = px0; px < px1; px++) {
            int u, v;
            if (!a.cell(px + 0.5, py + 0.5, u, v) || !opaque(img1, frame1, u, v)) continue;
            if (b.cell(px + 0.5, py + 0.5, u, v) && opaque(img2, frame2, u, v)) return true;
        }
    }
    return false;
}

namespace ctl {

std::uint32_t pixel(const Image* img, int frame, int x, int y) {
    if (!img || frame < 0 || frame >= imageframes(img) || x < 0 || y < 0 || x >= img->w || y >= img->h) return 0;
    // An uploaded picture reads its file again (tests only).
    Image copy;
    if (img->rgba.empty()) {
        copy = *img;
        if (!redecode(&copy)) return 0;
        img = &copy;
    }
    const std::uint8_t* p =
        &img->rgba[(size_t(img->celly[size_t(frame)] + y) * size_t(img->sheetw) + size_t(img->cellx[size_t(frame)] + x)) * 4];
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}

Image* makeimage(int w, int h, const std::vector<std::uint8_t>& rgba, int cellw, int cellh) {
    if (w <= 0 || h <= 0 || rgba.size() < size_t(w) * size_t(h) * 4) return nullptr;
    auto* img = new Image;
    img->path = "<made>";
    img->made = true;
    img->sheetw = w;
    img->sheeth = h;
    img->rgba.assign(rgba.begin(), rgba.begin() + std::ptrdiff_t(size_t(w) * size_t(h) * 4));
    img->opaque = allopaque(img->rgba);
    if (cellw > 0 && cellh > 0) return cutcells(img, cellw, cellh, 0, (w / cellw) * (h / cellh));
    return wholeimage(img);
}

}  // namespace ctl
}  // namespace pf
