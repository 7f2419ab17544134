// One full tick of the card-game screen: every card on the table, the wave
// background, the HUD and the effects (none, the busiest real moment, or the
// whole table of 1000), drawn by the real renderer offscreen (software
// renderer).
#include <benchmark/benchmark.h>

#include "benchgame.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "platform/control.h"
#include "cards/cardgame.h"
#include "cards/gamescreen.h"
#include "core/globals.h"
#include "core/loop.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "core/settings.h"
#include "app/startup.h"
#include "menus/popups.h"
#include "present/effects.h"
#include "present/fonts.h"
#include "present/swimfish.h"
#include "present/texts.h"

namespace {

bool busylevel() {
    if (!opensoftwaregame(10)) return false;
    for (int h = 1; h <= 9; h++) akt().helpers[h] = 1;
    core.screen = SCREEN_MAP;
    instgame();
    fade.fadelevel = 255;
    for (int k = 0; k < 200; k++) maintick();  // the deal is over
    return core.screen == SCREEN_GAME;
}

void filleffects() {
    static const int kinds[] = {3, 7, 104, 109, 152, 21000, 21000, 21003, 21200, 842, 993, 4001, 828};
    constexpr int nk = sizeof(kinds) / sizeof(kinds[0]);
    for (int i = 1; i <= MAXEFFECTS; i++) {
        Effect& e = effects.eff[i];
        if (e.kind != 0) continue;
        e.kind = kinds[i % nk];
        e.x = static_cast<float>(50 + (i * 37) % 900);
        e.y = static_cast<float>(100 + (i * 53) % 600);
        e.vx = 0.5f;
        e.vy = -0.5f;
        e.age = 10 + i % 20;
    }
}

void BM_ShowgameBusyLevel(benchmark::State& state) {
    if (!busylevel()) {
        state.SkipWithError("the offscreen renderer or the level is not available");
        return;
    }
    for (auto _ : state) {
        filleffects();
        maintick();
    }
    state.counters["effects"] = effectsinuse();
    pf::shutdown();
}
BENCHMARK(BM_ShowgameBusyLevel)->Unit(benchmark::kMillisecond)->MinTime(3)->MeasureProcessCPUTime();

// The busiest moment of a whole playthrough (263 effects, in level 57): the
// level's shell lamps played two seconds apart, each springing every
// shell-locked card open (shells, bubbles, the lamp's light). The tick with
// the most effects alive is found and then drawn again and again from them.
void BM_ShowgamePeakLevel(benchmark::State& state) {
    if (!opensoftwaregame(57)) {
        state.SkipWithError("the offscreen renderer is not available");
        return;
    }
    core.screen = SCREEN_MAP;
    instgame();
    fade.fadelevel = 255;
    for (int k = 0; k < 200; k++) maintick();  // the deal is over
    std::vector<int> lamps;
    for (int i = 1; i <= MAXCARDS; i++) {
        const CardSlot& c = akt().card[i];
        if (c.cardtype == CT_TOOL && c.cardparam == LOCK_SHELL) lamps.push_back(i);
    }
    if (core.screen != SCREEN_GAME || lamps.empty()) {
        state.SkipWithError("level 57 or its lamps are not there");
        return;
    }
    EffectList peak = effects;
    int most = 0;
    for (int lamp : lamps) {
        playtoolcard(lamp);
        for (int k = 0; k < 100; k++) {
            maintick();
            if (effectsinuse() > most) {
                most = effectsinuse();
                peak = effects;
            }
        }
    }
    for (auto _ : state) {
        effects = peak;
        maintick();
    }
    state.counters["effects"] = most;
    pf::shutdown();
}
BENCHMARK(BM_ShowgamePeakLevel)->Unit(benchmark::kMillisecond)->MinTime(3)->MeasureProcessCPUTime();

// The same level as a player mostly sees it: the deal over, only the effects
// the game itself makes.
void BM_ShowgamePlainLevel(benchmark::State& state) {
    if (!busylevel()) {
        state.SkipWithError("the offscreen renderer or the level is not available");
        return;
    }
    for (auto _ : state) maintick();
    state.counters["effects"] = effectsinuse();
    pf::shutdown();
}
BENCHMARK(BM_ShowgamePlainLevel)->Unit(benchmark::kMillisecond)->MinTime(3)->MeasureProcessCPUTime();

}  // namespace
