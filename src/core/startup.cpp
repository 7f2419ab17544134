#include "core/startup.h"

#include "core/globals.h"
#include "core/loop.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "core/settings.h"
#include "core/splash.h"
#include "cards/cardgame.h"
#include "cards/gamescreen.h"
#include "cards/hooks.h"
#include "menus/menu.h"
#include "menus/popups.h"
#include "story/story.h"
#include "meta/map.h"
#include "present/effects.h"
#include "present/fonts.h"
#include "present/resources.h"
#include "present/sound.h"
#include "present/swimfish.h"
#include "present/texts.h"

namespace {
const char* const apptitle = "Tidewrack-Solitaire";
}

void makepath() {
    std::string base = pf::appdatafolder();
    std::string edition = core.surveyversion == 1 ? " Survey-v-0-0-24/" : "-v-0-0-24/";
    core.userpath = base + "quillbarrow/" + std::string(apptitle) + edition;
    if (pf::filetype(core.userpath) != 2) {
        pf::createdir(core.userpath, true);
        core.firststart = 1;
    }
    pf::logline("Userpath: " + core.userpath);
}

void loadall() {
    if (core.firststart == 1) savesettings(1);
    loadsettings();
    loadplayers(core.firststart == 1 ? 9999 : 0);
    loadmappoints();
}

// The window opens at 800 x 600 and shows the 1024 x 768 canvas scaled.
void instgraphic() {
    disp.gfxwidth = 1024;
    disp.gfxheight = 768;
    disp.windowwidth = 800;
    disp.windowheight = 600;
    disp.depth = 0;
    // The title first: the window is born with it.
    pf::setwindowtitle(apptitle);
    pf::opengraphics(disp.windowwidth, disp.windowheight, 0, 60, 0);
    pf::setvirtualres(disp.gfxwidth, disp.gfxheight);
    pf::setwindowicon(pf::filetype("icon32.ico") == 1 ? "icon32.ico" : "data/icon32.ico");
    disp.midx = disp.gfxwidth / 2;
    disp.midy = disp.gfxheight / 2;
}

void loadmaingraphics() {
    pf::automidhandle(false);
    uiimages.cursorimg = loadimg("data\\UI\\cursor.png");
    pf::automidhandle(true);
    uiimages.cursorglowimg = loadimg("data\\UI\\cursor-glow.png");
    if (uiimages.cursorglowimg) pf::setimagehandle(uiimages.cursorglowimg, 15, 15);
    uiimages.logoimg[1] = loadimg("data\\ui\\logo.png");
    uiimages.logoimg[2] = loadimg("data\\ui\\logo2.png");
    loadpopupgraphics();
    loadfonts();
    loadeffects();
    loadfishset();
    loadcardstuff();
    loadstorycharacters();
    loadalltexts();
    loadhudstuff();
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
    core.screen = -3;
    pf::automidhandle(true);
    loadmaingraphics();
    registerscreens();
    instintro(1);
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
    instgraphic();
    initsound();
    instmain();
    return true;
}

int runtidewrack() {
    if (!startgame(pf::Backend::sdl)) return 0;
    mainloop();
    pf::shutdown();
    return 0;
}

void resetgame() {
    resetcore();
    resetsettings();
    resetplayers();
    resetsplash();
    resetresources();
    for (Img* i : {&uiimages.cursorimg, &uiimages.cursorglowimg, &uiimages.logoimg[1], &uiimages.logoimg[2], &uiimages.pauseimg})
        freeimg(*i);
    resetpopups();
    resetmenu();
    reseteffects();
    resetswimfish();
    resetfonts();
    resettexts();
    resetsound();
    resetmap();
    resetcardgame();
    resethooks();
    resetgamescreen();
    resetstory();
    registerscreens();
}
