// The text files can be edited and reloaded while the game runs (F7).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "present/texts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    parsetextfile(bytes, MENULINES, MENUSECTIONS, texts.menutext, texts.menusection);
    parsetextfile(bytes, STORYLINES, STORYSECTIONS, texts.storytext, texts.storysection);
    parsetextfile(bytes, GAMELINES, GAMESECTIONS, texts.gametext, texts.gamesection);
    for (int s = 0; s <= 31; s++)
        for (int k = -1; k <= 21; k++) (void)(menutext(s, k).size() + gametext(s, k).size());
    for (int s = 1; s <= STORYSECTIONS; s++)
        if (storysectionlines(s) < 0) std::abort();
    return 0;
}
