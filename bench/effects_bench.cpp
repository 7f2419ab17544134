// Per-tick cost of the effect pass with every slot busy and of the fish with
// the list full, on the headless backend and on the real renderer offscreen.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "platform/control.h"
#include "core/globals.h"
#include "app/startup.h"
#include "present/effects.h"
#include "present/swimfish.h"

namespace {

// Each backend is brought up once: the headless runs come first, then the
// real renderer, so the window is opened a single time.
bool setup(pf::Backend b) {
    static int current = -1;
    if (current == static_cast<int>(b)) {
        resetgame();
        pf::setdataroot(std::filesystem::path(TW_DATA_DIR).parent_path().string());
        loadeffects();
        loadfishset();
        core.fps = 50;
        return true;
    }
    current = static_cast<int>(b);
    pf::shutdown();
    if (b == pf::Backend::sdl) {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
    }
    if (!pf::init(b)) return false;
    resetgame();
    pf::setdataroot(std::filesystem::path(TW_DATA_DIR).parent_path().string());
    pf::ctl::fixedseed(true, 3);
    if (!pf::opengraphics(1024, 768, 0, 60, 0)) return false;
    pf::setvirtualres(1024, 768);
    pf::automidhandle(true);
    loadeffects();
    loadfishset();
    core.fps = 50;
    return true;
}

// A mix like a busy card-game tick: mostly particles and bubbles, a few of
// everything else, all mid-life.
void fillall() {
    static const int kinds[] = {3,   7,   104, 109, 152, 21000, 21000, 21003, 21200, 842, 993, 996,
                                997, 4001, 898, 826, 599, 896, 828, 880,   894,   579, 578, 21000};
    constexpr int nk = sizeof(kinds) / sizeof(kinds[0]);
    for (int i = 1; i <= MAXEFFECTS; i++) {
        Effect& e = effects.eff[i];
        e.kind = kinds[i % nk];
        e.x = static_cast<float>(50 + (i * 37) % 900);
        e.y = static_cast<float>(100 + (i * 53) % 600);
        e.vx = 0.5f;
        e.vy = -0.5f;
        e.age = e.kind == 880 ? 120 : 10 + i % 20;
        e.angle = 90;
    }
}

void effectpass(benchmark::State& st, pf::Backend b) {
    if (!setup(b)) {
        st.SkipWithError("backend not available");
        return;
    }
    fillall();
    const EffectList full = effects;
    for (auto _ : st) {
        st.PauseTiming();
        effects = full;
        pf::clearscreen();
        st.ResumeTiming();
        core.framecount++;
        draweff();
    }
    st.counters["busy"] = MAXEFFECTS;
}

void fishpass(benchmark::State& st, pf::Backend b) {
    if (!setup(b)) {
        st.SkipWithError("backend not available");
        return;
    }
    const int kinds[] = {1, 2, 3, 4, 7, 8, 13, 14, 15, 16};
    for (int i = 0; i < MAXSWIMFISH; i++) addswimfish(100 + (i * 7) % 800, 150 + (i * 13) % 500, 8 + i % 3, kinds[i % 10], 0);
    const SwimFishList full = swimfish;
    for (auto _ : st) {
        st.PauseTiming();
        swimfish = full;
        pf::clearscreen();
        st.ResumeTiming();
        core.framecount++;
        drawswimfish(0);
    }
}

}  // namespace

BENCHMARK_CAPTURE(effectpass, headless, pf::Backend::headless)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(fishpass, headless, pf::Backend::headless)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(effectpass, sdl_offscreen, pf::Backend::sdl)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(fishpass, sdl_offscreen, pf::Backend::sdl)->Unit(benchmark::kMicrosecond);
