// The per-tick costs the platform adds: pointer hit tests against button
// pictures and recording the 192 background strips on the headless backend.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "platform/control.h"
#include "platform/platform.h"

namespace {

pf::Image* filled(int w, int h) {
    std::vector<std::uint8_t> px(size_t(w) * size_t(h) * 4, 255);
    return pf::ctl::makeimage(w, h, px);
}

void BM_PointerCollide(benchmark::State& state) {
    pf::init(pf::Backend::headless);
    pf::automidhandle(true);
    pf::Image* button = filled(300, 80);
    pf::Image* mask = filled(4, 4);
    pf::setrotation(float(state.range(0)));
    bool hit = false;
    for (auto _ : state) {
        hit ^= pf::imagescollide(button, 500, 400, 0, mask, 520, 410, 0);
        hit ^= pf::imagescollide(button, 500, 400, 0, mask, 900, 410, 0);
        benchmark::DoNotOptimize(hit);
    }
    pf::setrotation(0);
    pf::freeimage(button);
    pf::freeimage(mask);
}
BENCHMARK(BM_PointerCollide)->Arg(0)->Arg(30);

void BM_HeadlessWaveBackground(benchmark::State& state) {
    pf::init(pf::Backend::headless);
    std::vector<std::uint8_t> px(size_t(1366) * 768 * 4, 200);
    pf::Image* strips = pf::ctl::makeimage(1366, 768, px, 1366, 4);
    for (auto _ : state) {
        pf::clearscreen();
        for (int i = 0; i < 192; i++) pf::drawimage(strips, 512.0f, float(4 * i + 2), i);
        benchmark::DoNotOptimize(pf::ctl::drawcalls().size());
    }
    pf::freeimage(strips);
}
BENCHMARK(BM_HeadlessWaveBackground);

}  // namespace
