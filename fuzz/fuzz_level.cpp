// The level loader on arbitrary bytes: any file must load or be refused
// without reading or writing outside the tables, and a loaded level must
// then play its deal and a few hundred ticks.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "cards/gamescreen.h"
#include "core/globals.h"
#include "cards/cardgame.h"
#include "core/profiles.h"
#include "platform/control.h"
#include "platform/platform.h"

namespace {
std::filesystem::path root() {
    static std::filesystem::path r = [] {
        auto p = std::filesystem::temp_directory_path() / ("twlevelfuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(p / "data" / "levelz");
        return p;
    }();
    return r;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool ready = [] {
        pf::init(pf::Backend::headless);
        pf::ctl::virtualclock(true, 1000);
        pf::ctl::fixedseed(true, 1);
        pf::setdataroot(root().string());
        return true;
    }();
    (void)ready;
    // the first byte picks the level (its rules differ), the rest is the file
    int level = size ? data[0] % 40 + 1 : 1;
    {
        std::ofstream out(root() / "data" / "levelz" / "001.lvl", std::ios::binary | std::ios::trunc);
        if (size > 1) out.write((const char*)data + 1, (std::streamsize)(size - 1));
    }
    char name[16];
    std::snprintf(name, sizeof name, "%03d.lvl", level);
    if (level != 1) std::filesystem::copy_file(root() / "data" / "levelz" / "001.lvl", root() / "data" / "levelz" / name,
                                               std::filesystem::copy_options::overwrite_existing);
    resetcardgame();
    resetplaystate();
    players.aktplayer = 1;
    akt() = Profile{};
    core.aktlevel = core.playlevel = level;
    if (loadlevel())
        for (int t = 0; t < 260; t++) playdispatch();
    return 0;
}
