// One whole tick (clear, input, doall, present) over the waving background.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "platform/control.h"
#include "core/globals.h"
#include "core/loop.h"
#include "core/screens.h"
#include "app/startup.h"
#include "core/settings.h"
#include "present/resources.h"

namespace {

void wavescreen() { drawgamebg(0); }

void setupgame(pf::Backend b) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("SDL_RENDER_DRIVER", "software", 0);
    pf::init(b);
    resetgame();
    pf::setdataroot(std::filesystem::path(TW_DATA_DIR).parent_path().string());
    pf::ctl::virtualclock(true, 1000);
    settings.fullscreen = 0;
    checkvideo();
    instgraphic();
    core.maintimer = pf::createtimer(50);
    core.sectimer = pf::createtimer(1);
    loadgamebg_dynamic(0, 0, 0);
    setscreenroutines(5, nullptr, wavescreen);
    core.screen = 5;
    fade.fadelevel = 256;
}

void BM_TickWaveBackgroundSoftware(benchmark::State& state) {
    setupgame(pf::Backend::sdl);
    for (auto _ : state) maintick();
    pf::shutdown();
}
BENCHMARK(BM_TickWaveBackgroundSoftware)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_TickWaveBackgroundHeadless(benchmark::State& state) {
    setupgame(pf::Backend::headless);
    for (auto _ : state) maintick();
    pf::shutdown();
}
BENCHMARK(BM_TickWaveBackgroundHeadless)->Unit(benchmark::kMicrosecond);

}  // namespace
