// Compiles every level source in assets/levels into data/levelz/NNN.lvl.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "assetlib.h"
#include "levelsrc.h"

namespace fs = std::filesystem;

AL_GENERATOR(levels) {
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator("assets/levels"))
        if (e.path().extension() == ".txt") files.push_back(e.path());
    std::sort(files.begin(), files.end());
    bool seen[1000] = {};
    for (const fs::path& f : files) {
        std::ifstream in(f);
        std::stringstream ss;
        ss << in.rdbuf();
        levelsrc::Result r = levelsrc::compile(ss.str());
        if (!r.ok()) {
            for (const std::string& e : r.errors) al::fail(f.string() + ": " + e);
            continue;
        }
        if (seen[r.level]) {
            al::fail(f.string() + ": level " + std::to_string(r.level) + " is defined twice");
            continue;
        }
        seen[r.level] = true;
        char name[32];
        std::snprintf(name, sizeof name, "levelz/%03d.lvl", r.level);
        if (!al::savetext(name, levelsrc::tobytes(r.ints))) al::fail(std::string("cannot write ") + name);
    }
}

int main(int argc, char** argv) { return al::runall(argc, argv); }
