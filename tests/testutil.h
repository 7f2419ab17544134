// Shared set-up for tests that run game code on the headless backend.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/platform.h"

// Every module reset, headless backend up, virtual clock and fixed seed,
// the generated data folder as data root, the 1024 x 768 canvas in an
// 800 x 600 window.
void headlessgame(int seed = 1);

// The real main loop driven like a player: the pointer at a logical point of
// the 1024 x 768 canvas in headlessgame's 800 x 600 window, n ticks, and a
// left click there (one tick to move, one to click).
void looppointer(float x, float y);
void loopticks(int n);
void loopclick(float x, float y);

// An RGBA PNG file of w x h pixels (stored deflate blocks), enough to feed
// the decoder.
void writepng(const std::string& path, int w, int h, const std::vector<std::uint8_t>& rgba);

// A fresh temporary folder, removed when the object goes away.
struct TempDir {
    std::filesystem::path path;
    TempDir();
    ~TempDir();
    std::string str() const { return path.string() + "/"; }
};
