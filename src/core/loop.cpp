#include "core/loop.h"

#include "core/display.h"
#include "core/globals.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "core/settings.h"
#include "platform/platform.h"

LoopHooks loophooks;

namespace {
constexpr int PICTURESWEEPTICKS = 150;  // three seconds: the fade, the deal, the first moves
int statframes = 0;
int statlastsec = 0;
}  // namespace

void setfadecolour() { pf::setcolour(fade.fadelevel, fade.fadelevel, fade.fadelevel); }

void gotoscreen(int target, int param) {
    fade.fadeto = target;
    fade.fadeparam = param;
    fade.fadestate = 2;
    fade.fadelevel = 256;
    in.mhit1 = 0;
    pf::flushkeys();
}

void startfadein() {
    fade.fadelevel = 0;
    fade.fadestate = 1;
}

void dofade() {
    if (fade.fadestate == 2) {
        if (fade.fadelevel > -32) fade.fadelevel -= 32;
        if (fade.fadelevel == -32) {
            if (fade.fadeto == SCREEN_QUIT) {
                core.quitgame = 1;
            } else {
                ScreenRoutines r = screenroutines(fade.fadeto);
                if (r.entry) r.entry(fade.fadeparam);
                pf::trimheap();  // the last screen's pictures are gone, the new ones loaded
                // After the entry: what it loads only for later (a level's end,
                // its menus) waits as a file like the rest, 7 MB of a level.
                pf::markpicturesinuse();
                fade.picturesweep = PICTURESWEEPTICKS;
            }
        }
    } else if (fade.fadelevel < 255) {
        fade.fadelevel += 32;
    }
    // What the new screen has not drawn by then (the last screen's resident
    // pictures, menus it does not show) is decoded again should it ever be
    // drawn: a popup opened later costs one slow frame, a level keeps tens of
    // megabytes less.
    if (fade.picturesweep > 0 && --fade.picturesweep == 0) {
        pf::releaseunusedpictures();
        pf::trimheap();
    }
    setfadecolour();
}

void scalepointer(int wx, int wy, int& lx, int& ly) {
    struct Row { int ww, wh, lw, lh; double fx, fy; };
    static const Row table[] = {
        {600, 450, 1024, 768, 1.706666, 1.706666},
        {800, 600, 1024, 768, 1.28, 1.28},
        {1024, 600, 1366, 768, 1.33398, 1.28},
    };
    int ww = 0, wh = 0;
    pf::windowsize(ww, wh);
    for (const Row& r : table) {
        if (ww == r.ww && wh == r.wh && disp.gfxwidth == r.lw && disp.gfxheight == r.lh) {
            lx = int(wx * r.fx);
            ly = int(wy * r.fy);
            return;
        }
    }
    // Any other window or desktop size: the backend knows the real
    // (letterboxed) transform, so the pointer lands where it is drawn.
    pf::windowtological(wx, wy, lx, ly);
}

void getinput() {
    in.mhit1 = in.mhit2 = in.mdown1 = 0;
    in.keyenter = in.keyesc = in.keyspace = 0;
    in.keyf2 = in.keyf3 = in.keyf4 = in.keyf5 = in.keyf7 = 0;
    in.mmoved = (in.oldmx != in.mx || in.oldmy != in.my) ? 1 : 0;
    if (in.mouseon == 1) {
        in.oldmx = in.mx;
        in.oldmy = in.my;
        scalepointer(pf::mousex(), pf::mousey(), in.mx, in.my);
        in.mhit1 = pf::mousehit(1);
        in.mhit2 = pf::mousehit(2);
        in.mdown1 = pf::mousedown(1) ? 1 : 0;
        in.mdowntime1 = in.mdown1 ? in.mdowntime1 + 1 : 0;
    } else {
        // Clicks made while sampling is off must not surface later.
        pf::mousehit(1);
        pf::mousehit(2);
    }
    // Held during this tick, or pressed and let go since the last sample: a
    // tap shorter than a tick must not be lost.
    auto held = [](int vk) { return (pf::keyhit(vk) > 0 || pf::keydown(vk)) ? 1 : 0; };
    in.keyenter = held(KEY_ENTER);
    in.keyesc = held(KEY_ESCAPE);
    in.keyspace = held(KEY_SPACE);
    in.keyf2 = held(KEY_F2);
    in.keyf3 = held(KEY_F3);
    in.keyf4 = held(KEY_F4);
    in.keyf7 = held(KEY_F7);
    in.keyf5 = pf::keyhit(KEY_F5) > 0 ? 1 : 0;
    if (in.escdelay > 0) in.escdelay--;
    if (in.keyesc == 1 && in.escdelay == 0) in.escdelay = 30;
    if (in.keyf7 == 1 && loophooks.reloadtexts) loophooks.reloadtexts();
    if (pf::keyhit(KEY_FULLSCREEN) > 0) togglefullscreenkey();
    // The splash and loading screens draw no popups: a close request there
    // ends the game at once instead of opening an exit popup nobody sees.
    if (pf::appterminate()) {
        if (core.screen == SCREEN_SPLASH || core.screen == SCREEN_LOADING || core.screen == SCREEN_NONE) quitnow();
        else if (loophooks.closerequest) loophooks.closerequest();
    }
    // The desktop logging out or shutting down, or Ctrl+C in a terminal.
    if (pf::quitsignalled()) quitnow();
    for (int ev : pf::appevents()) {
        if (ev == 1) core.appsuspended = 1;
        if (ev == 2) core.appsuspended = 0;
    }
    if (core.appsuspended == 1 && core.gamepause == -1) {
        core.appsuspended = 2;
        core.gamepause = 1;
        savesuspended();
        pf::minimisewindow();
        if (loophooks.suspendsound) loophooks.suspendsound();
    }
}

void savesuspended() {
    if (players.aktplayer > -1 && (core.screen <= SCREEN_MENU || core.screen == SCREEN_GAME)) saveplayer(players.aktplayer);
    savesettings(0);
}

void quitnow() {
    if (core.quitgame == 1) return;
    pf::logline("quit");
    savesuspended();
    core.quitgame = 1;
}

void stattime() {
    statframes++;
    int t = pf::timerticks(core.sectimer);
    if (t != statlastsec) {
        statlastsec = t;
        core.fps = statframes;
        statframes = 0;
    }
}

void doall() {
    core.mouseoverbutton = 0;
    disp.midx = disp.gfxwidth / 2;
    disp.midy = disp.gfxheight / 2;
    disp.bgxoff = disp.gfxwidth == 1280 ? -43 : disp.gfxwidth == 1024 ? -171 : 0;
    disp.uixoff = disp.gfxwidth == 1280 ? 128 : disp.gfxwidth == 1366 ? 171 : 0;
    pf::setviewport(0, 0, disp.gfxwidth, disp.gfxheight);
    stattime();
    core.framecount++;
    // The splash pages show while the rest loads behind them; any other
    // screen finds everything loaded, its entry included (the entry runs in
    // the fade step that reaches black).
    if (loophooks.loadlater) {
        bool entering = fade.fadestate == 2 && fade.fadelevel <= 0 && fade.fadeto != SCREEN_SPLASH;
        loophooks.loadlater(core.screen != SCREEN_SPLASH || entering);
    }
    dofade();
    ScreenRoutines r = screenroutines(core.screen);
    if (r.frame) r.frame();
    if (core.framecount > 30 && loophooks.music) loophooks.music();
    if (loophooks.overlay) loophooks.overlay();
}

void (*frameobserver)() = nullptr;

bool maintick() {
    pf::clearscreen();
    getinput();
    doall();
    if (frameobserver) frameobserver();
    if (!pf::flipscreen(1)) core.quitgame = 1;
    pf::waittimer(core.maintimer);
    return core.quitgame != 1;
}

void mainloop() {
    while (maintick()) {
    }
}
