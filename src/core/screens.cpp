#include "core/screens.h"

namespace {
// Ids run from -3 to 23; -999 (quit) never runs routines.
constexpr int FIRSTID = -3, LASTID = 23;
ScreenRoutines table[LASTID - FIRSTID + 1];
}  // namespace

ScreenRoutines screenroutines(int id) {
    if (id < FIRSTID || id > LASTID) return {};
    return table[id - FIRSTID];
}

bool screenexists(int id) { return screenroutines(id).entry != nullptr; }

void setscreenroutines(int id, ScreenEntry entry, ScreenFrame frame, ScreenRelease release) {
    if (id < FIRSTID || id > LASTID) return;
    table[id - FIRSTID] = {entry, frame, release};
}

void clearscreens() {
    for (auto& r : table) r = {};
}

void releaseotherscreens(int keep) {
    for (int id = FIRSTID; id <= LASTID; id++)
        if (id != keep && table[id - FIRSTID].release) table[id - FIRSTID].release();
}
