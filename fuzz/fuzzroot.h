// A scratch data folder for the fuzz targets whose readers take a file name:
// each input is written where the game looks for that file, then read by the
// game's own loader, exactly as at start-up.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/control.h"
#include "platform/platform.h"

inline std::filesystem::path fuzzroot() {
    static std::filesystem::path r = [] {
        std::filesystem::path base = std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
        auto p = base / ("twfuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(p / "data");
        return p;
    }();
    return r;
}

// The headless backend on the scratch folder, once per process.
inline void fuzzstart() {
    static bool ready = [] {
        pf::init(pf::Backend::headless);
        pf::ctl::virtualclock(true, 1000);
        pf::ctl::fixedseed(true, 1);
        pf::setdataroot(fuzzroot().string());
        return true;
    }();
    (void)ready;
}

// Puts the input where the game reads "data/<rel>".
inline void fuzzfile(const std::string& rel, const std::uint8_t* data, std::size_t size) {
    std::filesystem::path f = fuzzroot() / "data" / rel;
    std::filesystem::create_directories(f.parent_path());
    std::ofstream out(f, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}
