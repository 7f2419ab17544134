// A message box for what the player must read even when the game's own
// pictures and fonts are missing.
#include <SDL2/SDL.h>

#include "platform/internal.h"

namespace pf {

namespace {
std::vector<std::string> shown;  // every message, for tests and tools
}

void showmessage(const std::string& title, const std::string& text) {
    logline(title + ": " + text);
    shown.push_back(text);
    if (backend() == Backend::sdl) SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), nullptr);
}

namespace ctl {
const std::vector<std::string>& messages() { return shown; }
}  // namespace ctl

}  // namespace pf
