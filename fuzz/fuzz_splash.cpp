// The splash configuration is the first file the game reads. Whatever it
// holds, the splash pages must end by themselves and hand over to loading.
#include <cstdlib>

#include "core/globals.h"
#include "core/loop.h"
#include "core/screens.h"
#include "menus/splash.h"
#include "fuzzroot.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzstart();
    fuzzfile("branding/splashconfig.txt", data, size);
    resetsplash();
    resetcore();
    // Only the splash screen itself: the hand-over to loading is the end.
    setscreenroutines(SCREEN_SPLASH, instintro, showintro);
    fade.fadelevel = 255;
    instintro(1);
    // Six pages of at most a few hundred ticks each, and their fades.
    for (int t = 0; t < 20000; t++) {
        if (fade.fadestate == 2 && fade.fadeto == SCREEN_LOADING) return 0;
        dofade();
        showintro();
    }
    std::abort();  // the splash never ended
}
