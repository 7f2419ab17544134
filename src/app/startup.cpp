#include "app/startup.h"

#include "core/display.h"
#include "core/globals.h"
#include "core/savestatus.h"
#include "core/loop.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "core/settings.h"
#include "menus/splash.h"
#include "cards/cardgame.h"
#include "cards/extras.h"
#include "cards/gamescreen.h"
#include "menus/menu.h"
#include "menus/popups.h"
#include "story/story.h"
#include "meta/casino.h"
#include "meta/map.h"
#include "meta/shop.h"
#include "meta/trophies.h"
#include "meta/trophyroom.h"
#include "meta/survey.h"
#include "menus/help.h"
#include "menus/options.h"
#include "present/effects.h"
#include "present/fonts.h"
#include "present/notice.h"
#include "present/resources.h"
#include "present/sound.h"
#include "present/swimfish.h"
#include "present/texts.h"

namespace {
const char* const apptitle = "Tidewrack-Solitaire";
}

namespace {

// "settings.txt.tmpXXXXXX", "players3.ppp.tmpXXXXXX", "players3.ppp.bad2.tmpXXXXXX":
// what a save killed between writing and renaming leaves behind.
bool staletemp(const std::string& name) {
    std::size_t at = name.rfind(".tmp");
    if (at == std::string::npos || name.size() != at + 10) return false;
    std::string base = name.substr(0, at);
    if (base == "settings.txt") return true;
    return base.rfind("players", 0) == 0 && base.find(".ppp") != std::string::npos;
}

}  // namespace

void removestaletemps() {
    if (!pf::folderwritable(core.userpath)) return;
    for (const std::string& name : pf::listfolder(core.userpath)) {
        if (!staletemp(name)) continue;
        if (pf::deletefile(core.userpath + name)) pf::logline("removed stale temporary file " + name);
    }
}

void makepath() {
    std::string edition = core.surveyversion == 1 ? " Survey-v-0-0-24/" : "-v-0-0-24/";
    std::string tail = "quillbarrow/" + std::string(apptitle) + edition;
    std::vector<std::string> bases = pf::appdatafolders();
    // The first place that holds the game's folder or can be given one. A
    // folder that exists is taken even when it cannot be written: it holds
    // the player's progress (the saves then fail and say so).
    std::string chosen;
    for (const auto& b : bases) {
        std::string dir = b + tail;
        if (pf::filetype(dir) == 2) {
            chosen = dir;
            break;
        }
        if (pf::createdir(dir, true) && pf::folderwritable(dir)) {
            chosen = dir;
            core.firststart = 1;
            break;
        }
        pf::logline("per-user folder cannot be made: " + dir);
    }
    if (chosen.empty()) {
        chosen = bases.empty() ? tail : bases.front() + tail;
        pf::logline("no usable per-user folder; progress cannot be saved");
    } else if (!bases.empty() && chosen != bases.front() + tail) {
        pf::logline("per-user folder falls back to " + chosen);
    }
    core.userpath = chosen;
    pf::logline("Userpath: " + core.userpath);
    removestaletemps();
}

void loadall() {
    if (core.firststart == 1) savesettings(1);
    loadsettings();
    loadplayers(core.firststart == 1 ? 9999 : 0);
    buildshopitems();
    loadmappoints();
}

namespace {

void loadpointer() {
    pf::automidhandle(false);
    uiimages.cursorimg = loadimg("data\\UI\\cursor.png");
    pf::automidhandle(true);
    uiimages.cursorglowimg = loadimg("data\\UI\\cursor-glow.png");
    if (uiimages.cursorglowimg) pf::setimagehandle(uiimages.cursorglowimg, 15, 15);
}

void loadlogos() {
    uiimages.logoimg[1] = loadimg("data\\ui\\logo.png");
    uiimages.logoimg[2] = loadimg("data\\ui\\logo2.png");
}

// The resident pictures and sounds in parts of a few dozen milliseconds,
// loaded one a tick behind the splash pages.
using LoadPart = void (*)();
const LoadPart loadparts[] = {
    nullptr,      loadlogos,      loadpopupgraphics, loadfonts,      loadeffects,     loadfishset,
    loadcardstuff, loadstorybubble, loadalltexts,    loadhudstuff,   loadextrastuff,  loadshopstuff,
    loadtrophyimages, loadnotice, loadsoundeffects,
};
constexpr int LOADPARTS = int(sizeof(loadparts) / sizeof(loadparts[0])) - 1;

struct StartLoad {
    int next = 0;  // the next part to load, 0 when nothing is left
};
StartLoad startload;

void loadlater(bool all) {
    while (startload.next >= 1 && startload.next <= LOADPARTS) {
        loadparts[startload.next++]();
        if (!all) break;
    }
    if (startload.next > LOADPARTS) startload.next = 0;
}

}  // namespace

void loadmaingraphics() {
    loadpointer();
    for (int k = 1; k <= LOADPARTS; k++)
        if (loadparts[k] != loadsoundeffects) loadparts[k]();
    startload.next = 0;
}

void instmain() {
    core.gamepause = -1;
    core.framecount = 0;
    in.mouseon = 0;
    pf::seedrnd(pf::millisecs());
    clearglyphqueues();
    fade.fadelevel = 0;
    in.escdelay = 0;
    in.mmoved = 0;
    core.screen = SCREEN_NONE;
    pf::automidhandle(true);
    // The first splash page is on screen before anything else is decoded.
    loadpointer();
    registerscreens();
    startload.next = 1;
    loophooks.loadlater = loadlater;
    if (core.surveyversion == 1) loadsurveytexts();
    instintro(1);
}

bool gamepicturesmissing() {
    // Without the pointer mask no click can land anywhere, and without the
    // button pictures there is nothing to click: the game cannot be played.
    const char* needed[] = {"data\\ui\\coll2.png", "data\\ui\\button1.png", "data\\ui\\popupsmall.png"};
    for (const char* n : needed) {
        if (pf::filetype(n) == 1) continue;
        pf::showmessage(apptitle, std::string("The game's pictures are missing (") + pf::resolvepath(n) +
                                      " not found). Please install Tidewrack-Solitaire again.");
        return true;
    }
    return false;
}

bool startgame(pf::Backend backend) {
    // A second copy leaves before anything opens or any file is touched.
    if (!pf::singleinstance("TWS")) return false;
    if (!pf::init(backend)) return false;
    core.maintimer = pf::createtimer(50);
    core.sectimer = pf::createtimer(1);
    core.playtimer = pf::createtimer(1);
    makepath();
    // Reading the settings sets the music volume the sound module ramps from.
    curmusicvolhook = [](int v) { snd.curmusicvol = v; };
    loadall();
    pf::setemergencysave(savesuspended);
    checkvideo();
    instgraphic();
    opensound();  // the effects load behind the splash
    if (gamepicturesmissing()) {
        core.startfailed = 1;
        return false;
    }
    instmain();
    return true;
}

int runtidewrack() {
    if (!startgame(pf::Backend::sdl)) {
        // A second copy ends quietly; a game that cannot run says so in its status.
        int status = core.startfailed ? 1 : 0;
        pf::shutdown();
        return status;
    }
    mainloop();
    if (core.surveyversion == 1) opensurveylink();
    pf::shutdown();
    return 0;
}

void resetgame() {
    startload = StartLoad{};
    loophooks.loadlater = nullptr;
    resetcore();
    resetdisplay();
    resetsettings();
    resetplayers();
    resetsavestatus();
    resetsplash();
    resetresources();
    for (Img* i : {&uiimages.cursorimg, &uiimages.cursorglowimg, &uiimages.logoimg[1], &uiimages.logoimg[2], &uiimages.pauseimg})
        freeimg(*i);
    resetpopups();
    resetmenu();
    reseteffects();
    resetswimfish();
    resetfonts();
    resetnotice();
    resettexts();
    resetsound();
    resetmap();
    resettrophies();
    resettrophyroom();
    resetcasino();
    resetsurvey();
    resetoptions();
    resethelp();
    resetcardgame();
    resetshop();
    resetplaystate();
    resetgamescreen();
    resetstory();
    registerscreens();
}
