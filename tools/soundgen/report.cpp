#include "report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <mutex>
#include <vector>

#include "assetlib.h"

namespace sg {

namespace {
struct Row {
    std::string file;
    double seconds;
    double peakdb, rmsdb;
    int channels;
};
std::vector<Row> rows;
std::mutex rowlock;

double todb(float v) { return v > 0 ? 20.0 * std::log10(v) : -120.0; }

void note(const std::string& rel, const Buf& b, int ch) {
    std::lock_guard<std::mutex> g(rowlock);
    rows.push_back({rel, double(b.size()) / ch / SR, todb(peakof(b)), todb(activerms(b, ch)), ch});
}
}  // namespace

void saveeffect(Buf b, const std::string& rel) {
    trimtail(b, 1, 0.0005f);
    // short fades: no click where the sound starts or is cut
    fadeedges(b, 1, 2.0, 12.0);
    normalise(b, 1, -20.0, -3.0);
    note(rel, b, 1);
    al::saveogg(b, 1, SR, rel, 0.4f);
}

void saveloopeffect(Buf b, const std::string& rel) {
    fadeedges(b, 1, 1.0, 5.0);
    normalise(b, 1, -20.0, -3.0);
    note(rel, b, 1);
    al::saveogg(b, 1, SR, rel, 0.4f);
}

void savemusic(const Buf& stereo, const std::string& rel) {
    note(rel, stereo, 2);
    if (rel.size() > 4 && rel.substr(rel.size() - 4) == ".wav") al::savewav(stereo, 2, SR, rel);
    else al::saveogg(stereo, 2, SR, rel, 0.3f);
}

void writetable(const std::string& path) {
    std::vector<Row> r;
    {
        std::lock_guard<std::mutex> g(rowlock);
        r = rows;
    }
    std::sort(r.begin(), r.end(), [](const Row& a, const Row& b) { return a.file < b.file; });
    std::string t = "| file | channels | length (s) | peak (dBFS) | loudness, active RMS (dBFS) |\n|---|---|---|---|---|\n";
    char line[256];
    for (auto& x : r) {
        std::snprintf(line, sizeof line, "| %s | %d | %.2f | %.1f | %.1f |\n", x.file.c_str(), x.channels, x.seconds,
                      x.peakdb, x.rmsdb);
        t += line;
    }
    if (path.empty()) {
        std::cout << t;
    } else {
        std::ofstream f(path);
        f << t;
    }
}

}  // namespace sg
