#include "benchgame.h"

#include <cstdlib>
#include <filesystem>

#include "app/startup.h"
#include "core/globals.h"
#include "core/profiles.h"
#include "core/settings.h"
#include "platform/control.h"
#include "platform/platform.h"

bool opensoftwaregame(int level) {
    pf::shutdown();
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    setenv("SDL_RENDER_DRIVER", "software", 1);
    if (!pf::init(pf::Backend::sdl)) return false;
    resetgame();
    pf::setdataroot(std::filesystem::path(TW_DATA_DIR).parent_path().string());
    pf::ctl::fixedseed(true, 5);
    pf::ctl::virtualclock(true, 1000);
    pf::ctl::softwarerenderer(true);
    settings.fullscreen = 0;
    checkvideo();
    instgraphic();
    core.maintimer = pf::createtimer(50);
    core.sectimer = pf::createtimer(1);
    pf::automidhandle(true);
    loadmaingraphics();
    registerscreens();
    settings.wavebg = 1;
    players.aktplayer = 1;
    akt() = Profile{};
    akt().maxlevel = akt().sellevel = level;
    core.playlevel = level;
    return true;
}
