// When the X display goes away (the server ends, the session is logged out
// under the game), Xlib calls its IO error handler and then ends the
// process. The game's own handler saves first and says why it ends.
#include <dlfcn.h>
#include <unistd.h>

#include "platform/internal.h"

namespace pf {

namespace {

struct GuardState {
    void (*save)() = nullptr;
    bool installed = false;
};
GuardState guard;

int displaylost(void*) {
    logline("display connection lost: saving and ending");
    if (guard.save) {
        void (*save)() = guard.save;
        guard.save = nullptr;  // once, even if saving touches the display again
        save();
    }
    logline("ended after the display went away");
    ::_exit(0);
}

}  // namespace

void setemergencysave(void (*save)()) { guard.save = save; }

namespace detail {

// Xlib is loaded by SDL's video driver when it uses X11; it is looked up
// rather than linked so the game runs the same on other drivers.
void guarddisplay() {
    if (guard.installed) return;
    using Handler = int (*)(void*);
    using Setter = Handler (*)(Handler);
    auto set = reinterpret_cast<Setter>(::dlsym(RTLD_DEFAULT, "XSetIOErrorHandler"));
    if (!set) return;
    set(displaylost);
    guard.installed = true;
}

}  // namespace detail

}  // namespace pf
