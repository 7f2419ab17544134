// Random but plausible input across every screen, as fast as the machine
// allows, on the headless backend: clicks aimed at what is drawn (buttons,
// cards, map nodes) and anywhere, drags, keys, typed names, window close,
// suspend and resume. Fails on a fade that never finishes, a screen without
// routines, or a crash (the sanitizer build turns memory and arithmetic
// faults into crashes). Every input is also written as a harness script, so
// a failure can be replayed frame by frame with the harness.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <algorithm>
#include <string>
#include <vector>

#include "core/globals.h"
#include "core/loop.h"
#include "core/screens.h"
#include "app/startup.h"
#include "platform/control.h"
#include "platform/platform.h"

namespace fs = std::filesystem;

namespace {

constexpr int FADELIMIT = 1000;  // ticks a fade may take before it counts as stuck

struct Target {
    int x, y;
};

// Pictures a player would click: everything drawn but backgrounds, text
// glyphs, bubbles and light effects.
bool clickable(const std::string& path) {
    static const char* skip[] = {"/bg", "\\bg", "texts/font", "texts\\font", "effects", "bubble", "cursor", "black.png"};
    for (const char* s : skip)
        if (path.find(s) != std::string::npos) return false;
    return !path.empty();
}

struct Soak {
    std::mt19937 rng;
    std::ostringstream script;  // the input since the last start, as a harness script
    int lasttick = 0;
    int held = 0;              // ticks left of a held left button
    int suspended = 0;         // ticks left until resume
    explicit Soak(int seed) : rng(unsigned(seed) * 2654435761u + 1u) {}

    int pick(int n) { return n <= 0 ? 0 : int(rng() % unsigned(n)); }
    bool chance(int permille) { return pick(1000) < permille; }

    void note(const std::string& line) {
        if (core.framecount != lasttick) script << "tick " << core.framecount << "\n";
        lasttick = core.framecount;
        script << line << "\n";
    }
    void pointer(int x, int y) {
        pf::ctl::pointer(x, y);
        note("move " + std::to_string(x) + " " + std::to_string(y));
    }

    // One tick's worth of input, before the tick runs.
    void act() {
        if (suspended > 0) {
            if (--suspended == 0) {
                pf::ctl::suspend(false);
                note("resume");
            }
            return;
        }
        if (held > 0) {
            pointer(std::clamp(in.mx + pick(31) - 15, 0, disp.gfxwidth - 1), std::clamp(in.my + pick(11) - 5, 0, 767));
            if (--held == 0) {
                pf::ctl::button(1, false);
                note("release");
            }
            return;
        }
        std::vector<Target> targets;
        for (const auto& d : pf::ctl::drawcalls())
            if (clickable(d.path)) targets.push_back({int(d.x), int(d.y)});
        int r = pick(1000);
        if (r < 60 && !targets.empty()) {  // aim at something drawn
            const Target& t = targets[size_t(pick(int(targets.size())))];
            pointer(std::clamp(t.x + pick(21) - 10, 0, disp.gfxwidth - 1), std::clamp(t.y + pick(21) - 10, 0, 767));
            pf::ctl::click(chance(950) ? 1 : 2);
            note(chance(950) ? "click" : "rclick");
        } else if (r < 90) {  // anywhere
            pointer(pick(disp.gfxwidth), pick(768));
            pf::ctl::click(1);
            note("click");
        } else if (r < 100) {  // a drag (sliders, the card backs)
            pointer(pick(disp.gfxwidth), pick(768));
            pf::ctl::button(1, true);
            note("press");
            held = 5 + pick(40);
        } else if (r < 112) {
            // F3 is left out: debug mode opens the map editor, which writes
            // into the data folder.
            static const int keys[] = {27, 27, 27, 13, 13, 32, 8, 112, 113, 115, 116, 117, 118, 119, 37, 39};
            int k = keys[pick(int(sizeof keys / sizeof keys[0]))];
            pf::ctl::presskey(k);
            note("key " + std::to_string(k));
        } else if (r < 122) {
            int c = 'a' + pick(26);
            pf::ctl::text(c);
            note(std::string("type ") + char(c));
        } else if (r < 123 && chance(200)) {
            pf::ctl::closerequest();
            note("close");
        } else if (r < 124 && chance(200)) {
            pf::ctl::suspend(true);
            note("suspend");
            suspended = 20 + pick(200);
        } else if (r < 400) {
            pointer(std::clamp(in.mx + pick(41) - 20, 0, disp.gfxwidth - 1), std::clamp(in.my + pick(41) - 20, 0, 767));
        }
    }
};

bool start(const std::string& datadir) {
    pf::setdataroot(datadir);
    if (!startgame(pf::Backend::headless)) return false;
    disp.gfxwidth = 1024;
    disp.windowwidth = 1024;
    disp.windowheight = 768;
    pf::opengraphics(1024, 768, 0, 60, 0);
    pf::setvirtualres(disp.gfxwidth, disp.gfxheight);
    return true;
}

// The saves as the game found them when it (last) started: a replay must
// begin from the same files.
std::string snapshotdir(const std::string& userdir) { return userdir + "-atstart"; }
void snapshot(const std::string& userdir) {
    std::error_code ec;
    fs::remove_all(snapshotdir(userdir), ec);
    fs::create_directories(userdir, ec);
    fs::copy(userdir, snapshotdir(userdir), fs::copy_options::recursive, ec);
}

int usage() {
    std::cerr << "usage: twsoak [--ticks N] [--seed N] [--data DIR] [--userdir DIR] [--replay FILE]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    long ticks = 200000;
    int seed = 1;
    std::string datadir = TW_BINARY_DIR, userdir, replay;
    for (int i = 1; i < argc; i++) {
        std::string a = argv[i];
        auto next = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        if (a == "--ticks") ticks = std::atol(next().c_str());
        else if (a == "--seed") seed = std::atoi(next().c_str());
        else if (a == "--data") datadir = next();
        else if (a == "--userdir") userdir = next();
        else if (a == "--replay") replay = next();
        else return usage();
    }
    bool owndir = userdir.empty();
    if (owndir) userdir = (fs::temp_directory_path() / ("twsoak-" + std::to_string(getpid()))).string();
    userdir = fs::absolute(userdir).string();
    if (replay.empty()) replay = userdir + "-replay.txt";
    setenv("XDG_DATA_HOME", userdir.c_str(), 1);
    pf::ctl::virtualclock(true, 1000);
    pf::ctl::fixedseed(true, seed);
    snapshot(userdir);
    if (!start(datadir)) {
        std::cerr << "soak: the game did not start\n";
        return 1;
    }
    // The game's own log would drown the summary: it goes, the summary is
    // written to standard error.
    if (!std::freopen("/dev/null", "w", stdout)) return 1;
    Soak s(seed);
    long done = 0;
    int restarts = 0, fadeticks = 0, screens[32] = {};
    std::string failure;
    while (done < ticks) {
        s.act();
        bool running = maintick();
        done++;
        if (core.screen >= -3 && core.screen <= 28) screens[core.screen + 3] = 1;
        bool fading = fade.fadestate == 2 || fade.fadelevel < 255;
        fadeticks = fading ? fadeticks + 1 : 0;
        if (fadeticks > FADELIMIT) {
            failure = "the fade to screen " + std::to_string(fade.fadeto) + " has not finished after " +
                      std::to_string(FADELIMIT) + " ticks (screen " + std::to_string(core.screen) + ")";
            break;
        }
        if (core.screen != SCREEN_NONE && !screenroutines(core.screen).frame) {
            failure = "screen " + std::to_string(core.screen) + " has no routines";
            break;
        }
        if (!running) {
            // The player left through the exit popup: start again on the same
            // saves, as the next launch would.
            restarts++;
            pf::shutdown();
            resetgame();
            if (!start(datadir)) {
                failure = "the game did not start again";
                break;
            }
            s.script.str("");
            s.lasttick = 0;
            snapshot(userdir);
        }
    }
    int seen = 0;
    for (int v : screens) seen += v;
    if (!failure.empty()) {
        std::ofstream f(replay);
        f << "# twsoak --seed " << seed << ": " << failure << "\n" << s.script.str();
        std::fprintf(stderr, "soak: FAILED seed=%d tick=%d after %ld ticks: %s\n", seed, core.framecount, done, failure.c_str());
        // The script covers the run since the game last started, on the saves
        // it found then (kept beside the user folder).
        std::fprintf(stderr, "soak: replay with: cp -r %s /tmp/replay && twharness --backend headless --seed %d --userdir /tmp/replay %s\n",
                     snapshotdir(userdir).c_str(), seed, replay.c_str());
        return 1;
    }
    std::fprintf(stderr, "soak: seed=%d ticks=%ld restarts=%d screens seen=%d, no failure\n", seed, done, restarts, seen);
    pf::shutdown();
    if (owndir) {
        fs::remove_all(userdir);
        fs::remove_all(snapshotdir(userdir));
    }
    return 0;
}
