// Profile files are read from the user's folder, where anything may lie.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/profiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    Profile p;
    if (!decodeprofile(bytes, p)) return 0;
    // What was accepted is in range and writes back to an equally valid file.
    if (p.sellevel < 0 || p.sellevel > MAXLEVELS || p.cardback < 1 || p.cardback > 20) std::abort();
    for (int j = 1; j <= MAXCARDS; j++)
        if (p.card[j].cardstack < 0 || p.card[j].cardstack > MAXSTACKS) std::abort();
    Profile q;
    if (!decodeprofile(encodeprofile(p), q)) std::abort();
    if (encodeprofile(q) != encodeprofile(p)) std::abort();
    return 0;
}
