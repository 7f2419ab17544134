// settings.txt is a plain text file anyone can edit.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/profiles.h"
#include "core/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    parsesettings(std::string(reinterpret_cast<const char*>(data), size));
    if (players.aktplayer != -1 && (players.aktplayer < 1 || players.aktplayer > MAXPLAYERS)) std::abort();
    return 0;
}
