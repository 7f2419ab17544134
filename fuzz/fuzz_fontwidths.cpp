// The font width table is generated with the fonts but read like any file;
// a damaged one must still give widths that text layout can use.
#include <cstdlib>

#include "fuzzroot.h"
#include "present/fonts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzstart();
    fuzzfile("texts/fontwidths.txt", data, size);
    buildfonttables();
    const std::string sample = "Ahoy, diver! 0123456789 \xC4\xD6\xDC\xE4\xF6\xFC\xDF";
    for (int f = 1; f <= 9; f++) {
        int w = textwidth(sample, f);
        if (w < 0 || w > 100000) std::abort();
    }
    return 0;
}
