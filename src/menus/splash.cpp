#include "menus/splash.h"

#include "core/globals.h"
#include "core/loop.h"
#include "core/screens.h"
#include "platform/platform.h"

SplashState splash;

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
    int page = 1, lastpage = 1;
    for (int lines = 0; !pf::endoffile(f) && lines < 29; lines++) {
        std::string line = pf::readline(f);
        std::string key = line.substr(0, 4);
        std::string value = line.size() > 5 ? line.substr(5) : "";
        // Pages beyond the sixth have no storage; their lines are skipped.
        bool stored = page >= 1 && page <= MAXSPLASH;
        if (key == "file" && stored) splash.splashfile[page] = value;
        else if (key == "time" && stored) splash.splashtime[page] = std::atoi(value.c_str());
        else if (key == "skip" && stored) splash.splashskip[page] = value == "true" ? 1 : 0;
        else if (key == ";---") page++;
        if (page <= MAXSPLASH) lastpage = page;
    }
    pf::closefile(f);
    // Pages count up to the first one marked "none".
    for (int p = 1; p <= lastpage; p++) {
        if (splash.splashfile[p] == "none") break;
        splash.splashpages = p;
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
        if (splash.splashtick == splash.splashtime[p]) ends = true;
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
