#include "platform/control.h"
#include "testutil.h"

#include <random>

#include "core/globals.h"
#include "app/startup.h"
#include "core/loop.h"
#include "core/settings.h"

void headlessgame(int seed) {
    pf::init(pf::Backend::headless);
    resetgame();
    // The folder that holds the generated "data" folder.
    pf::setdataroot(std::filesystem::path(TW_DATA_DIR).parent_path().string());
    pf::ctl::virtualclock(true, 1000);
    pf::ctl::fixedseed(true, seed);
    // Saves made by a test land in a scratch folder, never in the checkout.
    static TempDir userdir;
    core.userpath = userdir.str();
    settings.fullscreen = 0;
    checkvideo();
    instgraphic();
    core.maintimer = pf::createtimer(50);
    core.sectimer = pf::createtimer(1);
}

TempDir::TempDir() {
    std::random_device rd;
    path = std::filesystem::temp_directory_path() / ("twtest-" + std::to_string(rd()));
    std::filesystem::create_directories(path);
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
}

void looppointer(float x, float y) { pf::ctl::pointer(int(x / 1.28f + 0.5f), int(y / 1.28f + 0.5f)); }

void loopticks(int n) {
    for (int i = 0; i < n; i++) maintick();
}

void loopclick(float x, float y) {
    looppointer(x, y);
    maintick();
    pf::ctl::click(1);
    maintick();
}
