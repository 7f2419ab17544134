// Plays the real game from a script of timed input, as fast as the machine
// allows, on either backend. Prints the game's log, dumps state on request
// and writes chosen frames to PNG (SDL backend, offscreen driver, software
// renderer).
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "cards/cardgame.h"
#include "cards/gamescreen.h"
#include "core/globals.h"
#include "core/loop.h"
#include "core/profiles.h"
#include "core/settings.h"
#include "app/startup.h"
#include "menus/popups.h"
#include "meta/map.h"
#include "platform/control.h"
#include "platform/platform.h"
#include "gamestate.h"
#include "script.h"

namespace fs = std::filesystem;

namespace {

std::string pendingshot;
bool shotfailed = false;

void takeshot() {
    if (pendingshot.empty()) return;
    if (!pf::ctl::screenshot(pendingshot)) {
        std::cerr << "harness: could not write " << pendingshot << "\n";
        shotfailed = true;
    }
    pendingshot.clear();
}

int usage() {
    std::cerr << "usage: twharness [--backend sdl|headless] [--seed N] [--userdir DIR] [--data DIR]\n"
                 "                 [--width 1024|1280|1366] [--window WxH] [--realtime] SCRIPT\n"
                 "See the README for the script commands.\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string backendname = "sdl", scriptpath, userdir, datadir = TW_BINARY_DIR;
    int seed = 1, width = 1024;
    bool realtime = false;
    std::string window;
    for (int i = 1; i < argc; i++) {
        std::string a = argv[i];
        auto next = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        if (a == "--backend") backendname = next();
        else if (a == "--seed") seed = std::atoi(next().c_str());
        else if (a == "--userdir") userdir = next();
        else if (a == "--data") datadir = next();
        else if (a == "--width") width = std::atoi(next().c_str());
        else if (a == "--window") window = next();
        else if (a == "--realtime") realtime = true;
        else if (a[0] == '-') return usage();
        else scriptpath = a;
    }
    if (scriptpath.empty() || (backendname != "sdl" && backendname != "headless")) return usage();
    if (width != 1024 && width != 1280 && width != 1366) return usage();
    std::ifstream sf(scriptpath);
    if (!sf) {
        std::cerr << "harness: cannot read " << scriptpath << "\n";
        return 2;
    }
    std::stringstream ss;
    ss << sf.rdbuf();
    std::string error;
    auto script = parsescript(ss.str(), error);
    if (!error.empty()) {
        std::cerr << "harness: " << scriptpath << ": " << error << "\n";
        return 2;
    }

    // A fresh per-user folder unless one is given: runs never touch the
    // player's own saves.
    if (userdir.empty()) userdir = (fs::temp_directory_path() / ("twharness-" + std::to_string(getpid()))).string();
    // The game takes only an absolute XDG_DATA_HOME: a relative one would
    // send it to the player's real folder.
    userdir = fs::absolute(userdir).lexically_normal().string();
    setenv("XDG_DATA_HOME", userdir.c_str(), 1);
    if (backendname == "sdl") {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        setenv("SDL_RENDER_DRIVER", "software", 0);
    }
    pf::setdataroot(datadir);
    // Real time keeps the 50 Hz pace, so audio recorded by SDL's disk driver
    // lines up with the script; otherwise the run goes as fast as it can.
    pf::ctl::virtualclock(!realtime, 1000);
    pf::ctl::fixedseed(true, seed);
    frameobserver = takeshot;
    if (!startgame(backendname == "sdl" ? pf::Backend::sdl : pf::Backend::headless)) {
        std::cerr << "harness: the game did not start (another instance running?)\n";
        return 1;
    }

    // Frames are written at the canvas size unless another window is asked
    // for (the game itself opens 800 x 600).
    int ww = width, wh = 768;
    if (!window.empty() && std::sscanf(window.c_str(), "%dx%d", &ww, &wh) != 2) return usage();
    disp.gfxwidth = width;
    disp.gfxheight = 768;
    disp.windowwidth = ww;
    disp.windowheight = wh;
    pf::opengraphics(ww, wh, 0, 60, 0);
    pf::setvirtualres(disp.gfxwidth, disp.gfxheight);

    auto tick = [&]() { return maintick(); };
    bool running = true;
    for (const auto& c : script) {
        if (!running) break;
        const auto& a = c.args;
        if (c.op == "wait") {
            for (int n = std::atoi(a[0].c_str()); n > 0 && running; n--) running = tick();
        } else if (c.op == "tick") {
            int target = std::atoi(a[0].c_str());
            while (running && core.framecount < target) running = tick();
        } else if (c.op == "move") {
            pointerto(std::atoi(a[0].c_str()), std::atoi(a[1].c_str()));
        } else if (c.op == "uimove" || c.op == "uiclick") {
            // Layouts made for 1024 pixels sit uixoff further right on wider screens.
            pointerto(std::atoi(a[0].c_str()) + disp.uixoff, std::atoi(a[1].c_str()));
            if (c.op == "uiclick") pf::ctl::click(1);
        } else if (c.op == "edgemove" || c.op == "edgeclick") {
            // Buttons anchored to the right edge: X counts from that edge.
            pointerto(disp.gfxwidth - std::atoi(a[0].c_str()), std::atoi(a[1].c_str()));
            if (c.op == "edgeclick") pf::ctl::click(1);
        } else if (c.op == "click" || c.op == "rclick") {
            if (a.size() == 2) pointerto(std::atoi(a[0].c_str()), std::atoi(a[1].c_str()));
            pf::ctl::click(c.op == "click" ? 1 : 2);
        } else if (c.op == "press" || c.op == "release") {
            pf::ctl::button(1, c.op == "press");
        } else if (c.op == "key" || c.op == "hold" || c.op == "unhold") {
            int k = keycode(a[0]);
            if (k < 0) {
                std::cerr << "harness: line " << c.line << ": unknown key " << a[0] << "\n";
                return 2;
            }
            if (c.op == "key") pf::ctl::presskey(k);
            else pf::ctl::key(k, c.op == "hold");
        } else if (c.op == "type") {
            for (unsigned char ch : a[0]) pf::ctl::text(ch);
        } else if (c.op == "close") {
            pf::ctl::closerequest();
        } else if (c.op == "suspend" || c.op == "resume") {
            pf::ctl::suspend(c.op == "suspend");
        } else if (c.op == "shot") {
            // The frame of the next tick, as drawn, before it is presented.
            // "%w" in the name becomes the width, so one script can serve every width.
            pendingshot = a[0];
            for (size_t at; (at = pendingshot.find("%w")) != std::string::npos;)
                pendingshot.replace(at, 2, std::to_string(width));
            running = tick();
        } else if (c.op == "dump") {
            pf::logline(dumpline(a));
        } else if (c.op == "log") {
            pf::logline("harness: " + a[0]);
        } else if (c.op == "quit") {
            break;
        }
    }
    if (!running) pf::logline("harness: the game ended at tick " + std::to_string(core.framecount));
    pf::shutdown();
    return shotfailed ? 1 : 0;
}
