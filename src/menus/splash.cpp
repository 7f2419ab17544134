#include "menus/splash.h"

#include <algorithm>
#include <cstdlib>

#include "core/globals.h"
#include "core/loop.h"
#include "core/screens.h"
#include "platform/platform.h"

SplashState splash;

namespace {
// A page that names no time still has to end, and one with an absurd time
// must not hold the player for minutes: 5 seconds by default, 20 at most.
constexpr int DEFAULTSPLASHTIME = 250;
constexpr int MAXSPLASHTIME = 1000;
}  // namespace

void readintrosettings() {
    for (int p = 1; p <= MAXSPLASH; p++) {
        splash.splashfile[p].clear();
        splash.splashtime[p] = 0;
        splash.splashskip[p] = 0;
    }
    splash.splashpages = 0;
    pf::Stream* f = pf::readfile("data\\/branding/splashconfig.txt");
    // Without a configuration there is nothing to show: the loading screen
    // follows at once.
    if (!f) return;
    std::string file[MAXSPLASH + 1];
    int time[MAXSPLASH + 1] = {}, skip[MAXSPLASH + 1] = {};
    int page = 1;
    for (int lines = 0; !pf::endoffile(f) && lines < 29; lines++) {
        std::string line = pf::readline(f);
        std::string key = line.substr(0, 4);
        std::string value = line.size() > 5 ? line.substr(5) : "";
        // Pages beyond the sixth have no storage; their lines are skipped.
        bool stored = page >= 1 && page <= MAXSPLASH;
        if (key == "file" && stored) file[page] = value;
        else if (key == "time" && stored) time[page] = std::atoi(value.c_str());
        else if (key == "skip" && stored) skip[page] = value == "true" ? 1 : 0;
        else if (key == ";---") page++;
    }
    pf::closefile(f);
    // Only pages with a picture are shown, in their order: a page marked
    // "none" or one that names no file (the one after a closing ";---", or
    // a damaged file) is left out instead of cutting off the pages after it
    // or standing black for ever.
    for (int p = 1; p <= MAXSPLASH; p++) {
        if (file[p].empty() || file[p] == "none") continue;
        int n = ++splash.splashpages;
        splash.splashfile[n] = file[p];
        splash.splashtime[n] = time[p] > 0 ? std::min(time[p], MAXSPLASHTIME) : DEFAULTSPLASHTIME;
        splash.splashskip[n] = skip[p];
    }
}

void releasesplashimages() {
    for (int p = 1; p <= MAXSPLASH; p++) freeimg(splash.splashimage[p]);
}

void instintro(int page) {
    releaseotherscreens(SCREEN_SPLASH);
    readintrosettings();
    pf::hidemouse();
    if (page == 1) {
        for (int p = 1; p <= splash.splashpages; p++) {
            freeimg(splash.splashimage[p]);
            if (!splash.splashfile[p].empty()) splash.splashimage[p] = loadimg("data\\branding\\" + splash.splashfile[p]);
        }
    }
    core.screen = SCREEN_SPLASH;
    splash.splashpage = page;
    splash.splashtick = 0;
    startfadein();
}

void showintro() {
    splash.splashtick++;
    int p = splash.splashpage;
    bool valid = p >= 1 && p <= MAXSPLASH;
    bool ends = false;
    if (valid && fade.fadestate != 2) {
        if (splash.splashskip[p] == 1 && (in.keyesc || in.keyenter || in.keyspace || in.mhit1)) ends = true;
        if (splash.splashtick >= splash.splashtime[p]) ends = true;
    }
    // No page to show at all: go straight on to the loading screen.
    if (splash.splashpages == 0 && fade.fadestate != 2) ends = true;
    if (ends) {
        if (p < splash.splashpages) gotoscreen(SCREEN_SPLASH, p + 1);
        else gotoscreen(SCREEN_LOADING, 0);
    }
    if (in.keyf3) core.debugmode = 1;
    if (valid) drawimg(splash.splashimage[p], disp.midx, disp.midy);
}

void resetsplash() {
    releasesplashimages();
    splash = SplashState{};
}
