// The 50 Hz main loop, input sampling, the screen manager and its fades.
#pragma once

// What the loop asks of the layers above it; the app wires them at start-up
// (a hook left null is skipped).
struct LoopHooks {
    void (*closerequest)() = nullptr;  // the window's close button: the exit popup
    void (*reloadtexts)() = nullptr;   // F7 reads the text files again
    void (*suspendsound)() = nullptr;  // the game lost the foreground: hold the music
    void (*music)() = nullptr;         // the music's per-tick update
    void (*overlay)() = nullptr;       // drawn over the screen: pause overlay, pointer
    // What start-up left for later: one more part (all of it when all is
    // true, before any screen but the splash is entered).
    void (*loadlater)(bool all) = nullptr;
};
extern LoopHooks loophooks;

void gotoscreen(int target, int param);
void startfadein();
void dofade();
void getinput();
void doall();
void stattime();
// One pass of the main loop: clear, sample, tick, present, wait.
// Returns false once the game should end.
bool maintick();
void mainloop();
// Window pixels -> logical pixels: the fixed factors for the classic window
// sizes, the real window transform for every other size.
void scalepointer(int wx, int wy, int& lx, int& ly);
// Called after a tick has drawn and before it is presented (the harness
// takes its screenshots here). Null in the game.
extern void (*frameobserver)();
// Drawing colour for the current fade level.
void setfadecolour();
// What leaving the foreground saves: the settings, and the profile (with the
// level in progress suspended) on the screens that keep one.
void savesuspended();
// Saves as above and ends the game after this tick (a termination signal, or
// a close request where no exit popup can be shown).
void quitnow();
