// Every file soundgen writes passes through here: the encoders, and a line in
// the table of lengths and peak levels that docs/sounds.md is made from.
#pragma once

#include <string>

#include "dsp.h"

namespace sg {

// Mono effect: fades the edges, brings it to the common effect loudness, writes .ogg.
void saveeffect(Buf b, const std::string& rel);
// An effect that the game loops: its length, rest included, is the loop.
void saveloopeffect(Buf b, const std::string& rel);
// Stereo music already mixed; `encode` chooses .ogg or .wav by the name.
void savemusic(const Buf& stereo, const std::string& rel);
// Writes the table (markdown) to the given path, or to standard output when empty.
void writetable(const std::string& path);

}  // namespace sg
