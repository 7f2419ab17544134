// Shared set-up for tests that run game code on the headless backend.
#pragma once

#include <filesystem>
#include <string>

#include "platform/platform.h"

// Every module reset, headless backend up, virtual clock and fixed seed,
// the generated data folder as data root, the 1024 x 768 canvas in an
// 800 x 600 window.
void headlessgame(int seed = 1);

// A fresh temporary folder, removed when the object goes away.
struct TempDir {
    std::filesystem::path path;
    TempDir();
    ~TempDir();
    std::string str() const { return path.string() + "/"; }
};
