// The map layout is read at start-up and written by the debug editor; a
// hand-edited file must load into the tables and leave counts the map can use.
#include <cstdlib>

#include "fuzzroot.h"
#include "meta/map.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzstart();
    fuzzfile("map/mappoints.txt", data, size);
    loadmappoints();
    for (int p = 1; p <= MAPFILEPAGES; p++)
        if (maplayout.mappointcount[p] < 0 || maplayout.mappointcount[p] > MAPPOINTS) std::abort();
    for (int l = 1; l <= 80; l++) (void)iscasinolevel(l);
    return 0;
}
