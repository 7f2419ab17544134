// Games per second of the automatic player (the solver's inner loop).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "cards/autoplay.h"
#include "platform/control.h"
#include "platform/platform.h"

static void BM_SolverGames(benchmark::State& state) {
    pf::init(pf::Backend::headless);
    pf::setdataroot(std::filesystem::path(TW_DATA_DIR).parent_path().string());
    pf::ctl::virtualclock(true, 1000);
    int level = (int)state.range(0), seed = 1, won = 0;
    for (auto _ : state) {
        pf::ctl::fixedseed(true, seed);
        AutoResult r = autoplay(level, seed++, false);
        if (!r.loaded) {
            state.SkipWithError("level file missing: run the build's data step first");
            break;
        }
        won += r.won;
    }
    state.counters["games/s"] = benchmark::Counter((double)state.iterations(), benchmark::Counter::kIsRate);
    state.counters["won"] = won;
}
BENCHMARK(BM_SolverGames)->Arg(2)->Arg(10)->Arg(24)->Unit(benchmark::kMillisecond);
