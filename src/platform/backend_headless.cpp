// The headless backend: no window and no sound device. Draw calls are
// recorded with their full state, sounds are timed against the (usually
// virtual) clock, and URLs are only noted, so tests and tools can watch
// what the game does.
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/internal.h"

namespace pf {
namespace detail {

namespace {

struct HeadlessChannel {
    Sound* snd = nullptr;
    bool loops = false;
    bool paused = false;
    bool stopped = false;
    std::int64_t playedus = 0;   // play time before the current run
    std::int64_t runsince = -1;  // clock when the current run began, -1 when not running
    std::int64_t lengthus = 0;
};

struct HeadlessState {
    std::vector<ctl::DrawCall> drawcalls;
    std::vector<ctl::SoundEvent> soundevents;
    std::vector<HeadlessChannel> channels{HeadlessChannel{}};  // index = handle, 0 unused
    std::vector<std::string> urls;
    std::string title;
};
HeadlessState hs;

// The pretend desktop: kept apart from hs so that a test may set it before
// the backend starts.
struct HeadlessDesktop {
    int w = 1920, h = 1080;
    int frame = 30;
};
HeadlessDesktop desk;

bool hstart() {
    hs = HeadlessState{};
    hs.drawcalls.reserve(4096);
    return true;
}

void hstop() {}

bool hopengraphics(int w, int h, int depth, int hz, int flags) {
    // Full screen covers the desktop, as the SDL backend's does.
    if (depth != 0) {
        w = desk.w;
        h = desk.h;
    }
    g.display.open = true;
    g.display.winw = w;
    g.display.winh = h;
    g.display.depth = depth;
    if (!g.display.logw) {
        g.draw.vw = w;
        g.draw.vh = h;
    }
    return true;
}

bool hgfxmodeexists(int w, int h, int, int) { return w > 0 && h > 0 && w <= desk.w && h <= desk.h; }

void hdesktopsize(int& w, int& h) {
    w = desk.w;
    h = desk.h;
}

int hwindowframeheight() { return desk.frame; }

void hwindowsize(int& w, int& h) {
    w = g.display.winw;
    h = g.display.winh;
}

void hsetvirtualres(int, int) {}

void hclearscreen() { hs.drawcalls.clear(); }

bool hflipscreen(int) { return true; }

void hsetwindowtitle(const std::string& t) { hs.title = t; }
void hsetwindowicon(const std::string&) {}
void hminimisewindow() {}

void hwindowtological(int wx, int wy, int& lx, int& ly) {
    int lw, lh;
    virtualres(lw, lh);
    Letterbox lb = letterbox(g.display.winw, g.display.winh, lw, lh);
    lx = int((wx - lb.offx) / lb.scalex);
    ly = int((wy - lb.offy) / lb.scaley);
}

void hlogicaltowindow(int lx, int ly, int& wx, int& wy) {
    int lw, lh;
    virtualres(lw, lh);
    Letterbox lb = letterbox(g.display.winw, g.display.winh, lw, lh);
    wx = int(lx * lb.scalex) + lb.offx;
    wy = int(ly * lb.scaley) + lb.offy;
}

void hdrawimage(Image* img, float x, float y, int frame) {
    const DrawState& d = g.draw;
    hs.drawcalls.push_back(ctl::DrawCall{img, img->path, frame, x, y, d.r, d.g, d.b, d.alpha, d.blend, d.rotation,
                                         d.sx, d.sy, d.vx, d.vy, d.vw, d.vh});
}

void hreleaseimage(Image*) {}
void hpumpevents() {}
void hmovepointer(int, int) {}
void hshowpointer(bool) {}
bool hscreenshot(const std::string&) { return false; }
void hopenurl(const std::string& url) { hs.urls.push_back(url); }

// ---- audio ----

std::uint32_t le32(const unsigned char* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24); }

// Play length of a PCM WAV file from its header, -1 when it is not one.
long wavlength(std::FILE* f) {
    unsigned char hdr[12];
    if (std::fread(hdr, 1, 12, f) != 12 || std::memcmp(hdr, "RIFF", 4) || std::memcmp(hdr + 8, "WAVE", 4)) return -1;
    std::uint32_t byterate = 0;
    for (int guard = 0; guard < 64; guard++) {
        unsigned char ch[8];
        if (std::fread(ch, 1, 8, f) != 8) return -1;
        std::uint32_t len = le32(ch + 4);
        if (!std::memcmp(ch, "fmt ", 4)) {
            unsigned char fmt[16];
            if (len < 16 || std::fread(fmt, 1, 16, f) != 16) return -1;
            byterate = le32(fmt + 8);
            if (std::fseek(f, long(len - 16 + (len & 1)), SEEK_CUR) != 0) return -1;
        } else if (!std::memcmp(ch, "data", 4)) {
            if (byterate == 0) return -1;
            return long((unsigned long long)len * 1000ull / byterate);
        } else if (std::fseek(f, long(len + (len & 1)), SEEK_CUR) != 0) {
            return -1;
        }
    }
    return -1;
}

long ogglength(const std::string& path) {
    OggVorbis_File vf;
    if (ov_fopen(path.c_str(), &vf) != 0) return -1;
    double secs = ov_time_total(&vf, -1);
    ov_clear(&vf);
    if (secs < 0) return -1;
    return long(secs * 1000.0);
}

bool haudioavailable() { return true; }

Sound* hloadsound(const std::string& resolved, int flags) {
    std::FILE* f = std::fopen(resolved.c_str(), "rb");
    if (!f) return nullptr;
    long ms = wavlength(f);
    std::fclose(f);
    if (ms < 0) ms = ogglength(resolved);
    if (ms < 0) return nullptr;
    auto* s = new Sound;
    s->path = resolved;
    s->flags = flags;
    s->lengthms = int(std::min<long>(ms, 1L << 30));
    return s;
}

void hfreesound(Sound* s) {
    for (auto& c : hs.channels)
        if (c.snd == s) c.stopped = true, c.snd = nullptr;
    for (auto& e : hs.soundevents)
        if (e.snd == s) e.snd = nullptr;
    delete s;
}

HeadlessChannel* chan(Channel c) {
    if (c <= 0 || c >= Channel(hs.channels.size())) return nullptr;
    HeadlessChannel& ch = hs.channels[size_t(c)];
    return ch.snd ? &ch : nullptr;
}

std::int64_t played(const HeadlessChannel& ch) {
    return ch.playedus + (ch.runsince >= 0 ? nowus() - ch.runsince : 0);
}

bool finished(const HeadlessChannel& ch) { return ch.stopped || (!ch.loops && played(ch) >= ch.lengthus); }

Channel hstartsound(Sound* s, bool cued) {
    HeadlessChannel ch;
    ch.snd = s;
    ch.loops = (s->flags & 1) != 0;
    ch.lengthus = std::int64_t(s->lengthms) * 1000;
    ch.paused = cued;
    ch.runsince = cued ? -1 : nowus();
    hs.channels.push_back(ch);
    Channel id = Channel(hs.channels.size()) - 1;
    hs.soundevents.push_back(ctl::SoundEvent{s, s->path, id, 1.0f, 0.0f, cued});
    return id;
}

Channel hallocchannel() {
    hs.channels.push_back(HeadlessChannel{});
    return Channel(hs.channels.size()) - 1;
}

void hstopchannel(Channel c) {
    if (HeadlessChannel* ch = chan(c)) {
        ch->playedus = played(*ch);
        ch->runsince = -1;
        ch->stopped = true;
    }
}

void hpausechannel(Channel c) {
    HeadlessChannel* ch = chan(c);
    if (!ch || finished(*ch) || ch->paused) return;
    ch->playedus = played(*ch);
    ch->runsince = -1;
    ch->paused = true;
}

void hresumechannel(Channel c) {
    HeadlessChannel* ch = chan(c);
    if (!ch || finished(*ch) || !ch->paused) return;
    ch->paused = false;
    ch->runsince = nowus();
}

bool hchannelplaying(Channel c) {
    HeadlessChannel* ch = chan(c);
    return ch && !ch->paused && !finished(*ch);
}

ctl::SoundEvent* eventof(Channel c) {
    for (auto it = hs.soundevents.rbegin(); it != hs.soundevents.rend(); ++it)
        if (it->ch == c) return &*it;
    return nullptr;
}

void hsetchannelvolume(Channel c, float v) {
    if (ctl::SoundEvent* e = eventof(c)) e->volume = v;
}

void hsetchannelpan(Channel c, float p) {
    if (ctl::SoundEvent* e = eventof(c)) e->pan = p;
}

}  // namespace

const BackendOps headlessops = {
    hstart,          hstop,          hopengraphics,   hgfxmodeexists, hdesktopsize,    hwindowsize,
    hwindowframeheight,
    hsetvirtualres,  hclearscreen,   hflipscreen,     hsetwindowtitle, hsetwindowicon, hminimisewindow,
    hwindowtological, hlogicaltowindow, hdrawimage,   hreleaseimage,  hpumpevents,     hmovepointer,
    hshowpointer,    hscreenshot,    hopenurl,        haudioavailable, hloadsound,     hfreesound,
    hstartsound,     hallocchannel,  hstopchannel,    hpausechannel,  hresumechannel,  hchannelplaying,
    hsetchannelvolume, hsetchannelpan,  [](Image*) {},    [](unsigned) {},
};

void resetheadless() {
    hs.drawcalls.clear();
    hs.soundevents.clear();
    hs.urls.clear();
    desk = HeadlessDesktop{};
}

}  // namespace detail

namespace ctl {
const std::vector<DrawCall>& drawcalls() { return detail::hs.drawcalls; }
const std::vector<SoundEvent>& soundevents() { return detail::hs.soundevents; }
void clearsoundevents() { detail::hs.soundevents.clear(); }
const std::vector<std::string>& openedurls() { return detail::hs.urls; }
void desktop(int w, int h, int frameheight) {
    detail::desk.w = w;
    detail::desk.h = h;
    detail::desk.frame = frameheight;
}
void endchannel(Channel c) {
    if (detail::HeadlessChannel* ch = detail::chan(c)) {
        ch->playedus = detail::played(*ch);
        ch->runsince = -1;
        ch->stopped = true;
    }
}
}  // namespace ctl
}  // namespace pf
