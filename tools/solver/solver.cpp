// twsolver [--games N] [--data DIR] [LEVEL...]
// Plays each level N times (seeds 1..N) on the headless backend, once without
// boosters and once with a bought new stable, and prints a Markdown report.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cards/autoplay.h"
#include "cards/cardgame.h"
#include "platform/platform.h"

namespace {

struct Tally {
    int games = 0, wins = 0, stars[4] = {};
    long points = 0;
};

Tally run(int level, int games, bool newstable) {
    Tally t;
    for (int g = 1; g <= games; g++) {
        AutoResult r = autoplay(level, g, newstable);
        if (!r.loaded) return t;
        t.games++;
        t.wins += r.won;
        t.points += r.points;
        for (int k = 1; k <= 3; k++) t.stars[k] += r.stars >= k;
    }
    return t;
}

std::string pct(int n, int of) {
    char b[16];
    std::snprintf(b, sizeof b, "%.0f%%", of ? 100.0 * n / of : 0.0);
    return b;
}

}  // namespace

int main(int argc, char** argv) {
    int games = 300;
    std::string data = "build";
    std::vector<int> levels;
    for (int i = 1; i < argc; i++) {
        std::string a = argv[i];
        if (a == "--games" && i + 1 < argc) games = std::atoi(argv[++i]);
        else if (a == "--data" && i + 1 < argc) data = argv[++i];
        else levels.push_back(std::atoi(a.c_str()));
    }
    if (games < 1) games = 1;
    pf::init(pf::Backend::headless);
    pf::setdataroot(data);
    pf::ctl::virtualclock(true, 1000);
    if (levels.empty())
        for (int n = 1; n <= 300; n++)
            if (pf::filetype(levelfilename(n)) == 1) levels.push_back(n);
    std::printf("| Level | Boosters | Games | Won | Mean points | 1 star | 2 stars | 3 stars |\n");
    std::printf("|---:|---|---:|---:|---:|---:|---:|---:|\n");
    for (int level : levels)
        for (bool ns : {false, true}) {
            Tally t = run(level, games, ns);
            if (!t.games) {
                std::printf("| %d | - | level file missing or damaged | | | | | |\n", level);
                break;
            }
            std::printf("| %d | %s | %d | %s | %ld | %s | %s | %s |\n", level, ns ? "new stable" : "none", t.games,
                        pct(t.wins, t.games).c_str(), t.points / t.games, pct(t.stars[1], t.games).c_str(),
                        pct(t.stars[2], t.games).c_str(), pct(t.stars[3], t.games).c_str());
        }
    pf::shutdown();
    return 0;
}
