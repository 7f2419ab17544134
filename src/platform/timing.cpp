// Milliseconds, periodic timers (real or virtual clock), the random
// generator and the degree trigonometry.
#include <chrono>
#include <cmath>
#include <thread>

#include "platform/internal.h"

namespace pf {
namespace detail {

namespace {

struct Timer {
    std::int64_t periodus = 0;
    std::int64_t created = 0;   // clock at creation
    std::int64_t base = 0;      // deadlines are base + n * period
    std::int64_t n = 0;         // deadlines passed by waittimer since base
};

struct ClockState {
    bool virtualon = false;
    std::int64_t virtualus = 0;
    std::chrono::steady_clock::time_point origin = std::chrono::steady_clock::now();
    std::vector<Timer> timers{Timer{}};  // index 0 unused: timer ids start at 1
};
ClockState clk;

// xoshiro256** with a splitmix64 seeder: fast, small state, good statistics.
struct RandomState {
    std::uint64_t s[4] = {};
    bool fixed = false;
    int fixedseed = 0;
};
RandomState rng;

std::uint64_t splitmix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

void seedgen(int seed) {
    std::uint64_t x = std::uint64_t(std::int64_t(seed));
    for (auto& v : rng.s) v = splitmix(x);
}

std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

std::uint64_t next() {
    std::uint64_t* s = rng.s;
    std::uint64_t result = rotl(s[1] * 5, 7) * 9;
    std::uint64_t t = s[1] << 17;
    s[2] ^= s[0];
    s[3] ^= s[1];
    s[1] ^= s[2];
    s[0] ^= s[3];
    s[2] ^= t;
    s[3] = rotl(s[3], 45);
    return result;
}

struct SeedAtStart {
    SeedAtStart() { seedgen(0x5EED); }
} seedatstart;

}  // namespace

bool virtualclockon() { return clk.virtualon; }

std::int64_t nowus() {
    if (clk.virtualon) return clk.virtualus;
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - clk.origin).count();
}

void resettimers() {
    clk.virtualon = false;
    clk.virtualus = 0;
    clk.origin = std::chrono::steady_clock::now();
    clk.timers.assign(1, Timer{});
    rng.fixed = false;
    seedgen(0x5EED);
}

}  // namespace detail

using namespace detail;

int createtimer(int hertz) {
    if (hertz <= 0) hertz = 1;
    if (hertz > 1000000) hertz = 1000000;
    Timer t;
    t.periodus = 1000000 / hertz;
    t.created = t.base = nowus();
    clk.timers.push_back(t);
    return int(clk.timers.size()) - 1;
}

void waittimer(int timer) {
    if (timer <= 0 || timer >= int(clk.timers.size())) return;
    Timer& t = clk.timers[timer];
    if (clk.virtualon) {
        clk.virtualus += t.periodus;
        return;
    }
    std::int64_t now = nowus();
    std::int64_t deadline = t.base + (t.n + 1) * t.periodus;
    // Far behind (a long load, the machine was asleep): start counting again
    // from now instead of racing through the missed ticks.
    if (now - deadline > 4 * t.periodus) {
        t.base = now;
        t.n = 0;
        return;
    }
    t.n++;
    if (deadline > now) std::this_thread::sleep_for(std::chrono::microseconds(deadline - now));
}

int timerticks(int timer) {
    if (timer <= 0 || timer >= int(clk.timers.size())) return 0;
    const Timer& t = clk.timers[timer];
    std::int64_t elapsed = nowus() - t.created;
    if (elapsed < 0) return 0;
    return int(elapsed / t.periodus);
}

int millisecs() { return int(nowus() / 1000); }

int rand(int a, int b) {
    std::int64_t lo = a < b ? a : b;
    std::int64_t hi = a < b ? b : a;
    std::uint64_t range = std::uint64_t(hi - lo) + 1;  // at most 2^32
    // Rejection keeps every value equally likely.
    std::uint64_t limit = UINT64_MAX - (UINT64_MAX % range);
    std::uint64_t v;
    do v = next();
    while (v >= limit);
    return int(lo + std::int64_t(v % range));
}

void seedrnd(int seed) { seedgen(rng.fixed ? rng.fixedseed : seed); }

double sindeg(double deg) { return std::sin(deg * (M_PI / 180.0)); }
double cosdeg(double deg) { return std::cos(deg * (M_PI / 180.0)); }

namespace ctl {

void virtualclock(bool on, int startms) {
    if (on) clk.virtualus = std::int64_t(startms) * 1000;
    else clk.origin = std::chrono::steady_clock::now() - std::chrono::microseconds(clk.virtualus);
    clk.virtualon = on;
}

void advanceclock(int ms) {
    if (clk.virtualon && ms > 0) clk.virtualus += std::int64_t(ms) * 1000;
}

void fixedseed(bool on, int seed) {
    rng.fixed = on;
    rng.fixedseed = seed;
    if (on) seedgen(seed);
}

}  // namespace ctl
}  // namespace pf
