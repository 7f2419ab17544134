// twsolver [--games N] [--data DIR] [LEVEL...]
//   Plays each level N times (seeds 1..N) on the headless backend, once without
//   boosters and once with a bought new stable, and prints a Markdown report.
// twsolver --all [--games N] [--data DIR] [--svg FILE]
//   Plays every level file without boosters and prints the level table: shape,
//   features, win rate against the rate wanted at that place of the curve,
//   points and stars; --svg also draws the win rate along the levels.
// The game's own progress lines are kept off standard output: only the report
// goes there.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "cards/autoplay.h"
#include "cards/cardgame.h"
#include "levelinfo.h"
#include "platform/control.h"
#include "platform/platform.h"

namespace {

struct Tally {
    int games = 0, wins = 0, stars[4] = {}, threestarwins = 0;
    long points = 0;
};

Tally run(int level, int games, bool newstable) {
    Tally t;
    for (int g = 1; g <= games; g++) {
        pf::ctl::fixedseed(true, g);
        AutoResult r = autoplay(level, g, newstable);
        if (!r.loaded) return t;
        t.games++;
        t.wins += r.won;
        t.points += r.points;
        for (int k = 1; k <= 3; k++) t.stars[k] += r.stars >= k;
        t.threestarwins += r.won && r.stars == 3;
    }
    return t;
}

std::string pct(int n, int of) {
    char b[16];
    std::snprintf(b, sizeof b, "%.0f%%", of ? 100.0 * n / of : 0.0);
    return b;
}

FILE* out = stdout;

void boostertable(const std::vector<int>& levels, int games) {
    std::fprintf(out, "| Level | Boosters | Games | Won | Mean points | 1 star | 2 stars | 3 stars |\n");
    std::fprintf(out, "|---:|---|---:|---:|---:|---:|---:|---:|\n");
    for (int level : levels)
        for (bool ns : {false, true}) {
            Tally t = run(level, games, ns);
            if (!t.games) {
                std::fprintf(out, "| %d | - | level file missing or damaged | | | | | |\n", level);
                break;
            }
            std::fprintf(out, "| %d | %s | %d | %s | %ld | %s | %s | %s |\n", level, ns ? "new stable" : "none",
                         t.games, pct(t.wins, t.games).c_str(), t.points / t.games, pct(t.stars[1], t.games).c_str(),
                         pct(t.stars[2], t.games).c_str(), pct(t.stars[3], t.games).c_str());
        }
}

struct Row {
    int level;
    LevelInfo info;
    Tally t;
};

void writesvg(const std::string& path, const std::vector<Row>& rows) {
    std::ofstream f(path);
    const int w = 900, h = 320, left = 50, top = 20, pw = 820, ph = 240;
    auto px = [&](int level) { return left + (level - 1) * pw / 73.0; };
    auto py = [&](double rate) { return top + ph * (1.0 - rate); };
    f << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << w << "\" height=\"" << h
      << "\" font-family=\"sans-serif\" font-size=\"11\">\n";
    f << "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
    for (int k = 0; k <= 4; k++) {
        double r = k * 0.25;
        f << "<line x1=\"" << left << "\" x2=\"" << left + pw << "\" y1=\"" << py(r) << "\" y2=\"" << py(r)
          << "\" stroke=\"#ddd\"/>\n<text x=\"" << left - 6 << "\" y=\"" << py(r) + 4 << "\" text-anchor=\"end\">"
          << k * 25 << "%</text>\n";
    }
    for (int l = 1; l <= 74; l += (l == 1 ? 9 : 10))
        f << "<text x=\"" << px(l) << "\" y=\"" << top + ph + 16 << "\" text-anchor=\"middle\">" << l << "</text>\n";
    f << "<text x=\"" << left + pw / 2 << "\" y=\"" << h - 4 << "\" text-anchor=\"middle\">level (bars: boss levels; "
      << "grey: the rate wanted there)</text>\n";
    for (const Row& r : rows)
        if (isbosslevel(r.level))
            f << "<rect x=\"" << px(r.level) - 4 << "\" y=\"" << top << "\" width=\"8\" height=\"" << ph
              << "\" fill=\"#fde8e8\"/>\n";
    std::string wanted, line;
    for (const Row& r : rows) {
        wanted += std::to_string(px(r.level)) + "," + std::to_string(py(wantedwinrate(r.level) / 100.0)) + " ";
        line += std::to_string(px(r.level)) + "," + std::to_string(py(r.t.games ? (double)r.t.wins / r.t.games : 0)) +
                " ";
    }
    f << "<polyline fill=\"none\" stroke=\"#aaa\" stroke-dasharray=\"4 3\" points=\"" << wanted << "\"/>\n";
    f << "<polyline fill=\"none\" stroke=\"#1769aa\" stroke-width=\"2\" points=\"" << line << "\"/>\n";
    for (const Row& r : rows)
        f << "<circle cx=\"" << px(r.level) << "\" cy=\"" << py(r.t.games ? (double)r.t.wins / r.t.games : 0)
          << "\" r=\"2.5\" fill=\"#1769aa\"/>\n";
    f << "</svg>\n";
}

int alltable(int games, const std::string& data, const std::string& svg) {
    std::vector<Row> rows;
    for (int n = 1; n <= 300; n++) {
        Row r{n, {}, {}};
        if (!readlevelinfo(data + "/data/levelz/" + levelnumber3(n) + ".lvl", r.info)) continue;
        r.t = run(n, games, false);
        rows.push_back(r);
    }
    std::fprintf(out, "| Level | Stacks | Cards | Features | Won | Wanted | Mean points | 3 stars |\n");
    std::fprintf(out, "|---:|---:|---:|---|---:|---:|---:|---:|\n");
    int below = 0;
    for (const Row& r : rows) {
        int rate = r.t.games ? (100 * r.t.wins + r.t.games / 2) / r.t.games : 0;
        bool low = rate < wantedwinrate(r.level);
        below += low;
        std::fprintf(out, "| %d%s | %d | %d | %s | %d%%%s | %d%% | %ld | %s |\n", r.level,
                     isbosslevel(r.level) ? " (boss)" : "", r.info.stacks, r.info.cards, r.info.features().c_str(),
                     rate, low ? " (low)" : "", wantedwinrate(r.level), r.t.games ? r.t.points / r.t.games : 0,
                     pct(r.t.threestarwins, r.t.games).c_str());
    }
    std::fprintf(out, "\n%zu levels, %d games each, no boosters; %d below the wanted rate.\n", rows.size(), games,
                 below);
    if (!svg.empty()) writesvg(svg, rows);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    int games = 0;
    bool all = false;
    std::string data = "build", svg;
    std::vector<int> levels;
    for (int i = 1; i < argc; i++) {
        std::string a = argv[i];
        if (a == "--games" && i + 1 < argc) games = std::atoi(argv[++i]);
        else if (a == "--data" && i + 1 < argc) data = argv[++i];
        else if (a == "--svg" && i + 1 < argc) svg = argv[++i];
        else if (a == "--all") all = true;
        else if (a == "--help" || a == "-h" || std::atoi(a.c_str()) <= 0) {
            std::fprintf(stderr,
                         "usage: twsolver [--games N] [--data DIR] [LEVEL...]\n"
                         "       twsolver --all [--games N] [--data DIR] [--svg FILE]\n"
                         "DIR holds the generated data folder (default: build)\n");
            return a == "--help" || a == "-h" ? 0 : 2;
        } else levels.push_back(std::atoi(a.c_str()));
    }
    if (games < 1) games = all ? 200 : 300;
#ifndef _WIN32
    // the report goes to the real standard output, the game's log to nowhere
    int fd = dup(1);
    if (fd >= 0 && (out = fdopen(fd, "w")) != nullptr) {
        if (!std::freopen("/dev/null", "w", stdout)) out = stdout;
    } else {
        out = stdout;
    }
#endif
    pf::init(pf::Backend::headless);
    pf::setdataroot(data);
    pf::ctl::virtualclock(true, 1000);
    int rc = 0;
    if (all) {
        rc = alltable(games, data, svg);
    } else {
        if (levels.empty())
            for (int n = 1; n <= 300; n++)
                if (pf::filetype(levelfilename(n)) == 1) levels.push_back(n);
        boostertable(levels, games);
    }
    std::fflush(out);
    pf::shutdown();
    return rc;
}
