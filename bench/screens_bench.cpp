// One whole main-loop tick (clear, input, doall, present) of each screen on
// SDL's software renderer, offscreen. The CPU column counts every thread of
// the process, the renderer's and the mixer's included.
#include <benchmark/benchmark.h>

#include "benchgame.h"

#include <cstdlib>
#include <filesystem>

#include "platform/control.h"
#include "core/globals.h"
#include "core/loop.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "core/settings.h"
#include "menus/splash.h"
#include "app/startup.h"
#include "menus/loading.h"
#include "menus/menu.h"
#include "meta/map.h"
#include "story/story.h"

namespace {

bool opengame() { return opensoftwaregame(10); }

void ticks(benchmark::State& state, int warmup) {
    for (int k = 0; k < warmup; k++) maintick();
    for (auto _ : state) maintick();
    pf::shutdown();
}

void BM_TickSplash(benchmark::State& state) {
    if (!opengame()) return state.SkipWithError("no offscreen renderer");
    instintro(1);
    ticks(state, 20);
}
BENCHMARK(BM_TickSplash)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_TickLoading(benchmark::State& state) {
    if (!opengame()) return state.SkipWithError("no offscreen renderer");
    instload();
    ticks(state, 60);
}
BENCHMARK(BM_TickLoading)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_TickMenu(benchmark::State& state) {
    if (!opengame()) return state.SkipWithError("no offscreen renderer");
    core.screen = SCREEN_LOADING;
    entermenu();
    ticks(state, 60);
}
BENCHMARK(BM_TickMenu)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_TickMap(benchmark::State& state) {
    if (!opengame()) return state.SkipWithError("no offscreen renderer");
    core.screen = SCREEN_MENU;
    instadventuremap(0);
    ticks(state, 60);
}
BENCHMARK(BM_TickMap)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_TickStory(benchmark::State& state) {
    if (!opengame()) return state.SkipWithError("no offscreen renderer");
    core.screen = SCREEN_MAP;
    inststory(1);
    ticks(state, 60);
}
BENCHMARK(BM_TickStory)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

}  // namespace
