// The binary level file ("levelz/NNN.lvl"): 1468 little-endian 32-bit
// integers. The level compiler writes it, the game and the solver read it;
// this header is the one place that says where each value sits. It depends on
// nothing else in the game so that tools can include it on its own.
//
//   int 0              the level number
//   ints 1..459        51 card slot records of 9 integers (SlotField)
//   ints 1405..1464    20 fish records of 3 integers (FishField)
//   everything else    zero
//
// Card and fish positions are stored halved; a fish's x is stored without
// the 32 pixels it is drawn to the right of its place.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace levelformat {

constexpr int INTS = 1468;
constexpr int BYTES = INTS * 4;
constexpr int SLOTS = 51;
constexpr int SLOTINTS = 9;
constexpr int FISH = 20;
constexpr int FISHINTS = 3;
constexpr int FISHFIRST = 1405;
constexpr int FISHXOFFSET = 32;

enum SlotField { TYPE = 0, PARAM = 1, X = 2, Y = 3, FLIP = 4, STACK = 5, LAYER = 6, LOCK = 7 };
enum FishField { FISHX = 0, FISHY = 1, FISHORDERS = 2 };

// First integer of card slot i (1..51) and of fish f (1..20).
constexpr int slotrecord(int i) { return 1 + (i - 1) * SLOTINTS; }
constexpr int fishrecord(int f) { return FISHFIRST + (f - 1) * FISHINTS; }

inline std::string tobytes(const std::vector<int>& ints) {
    std::string b;
    b.reserve(ints.size() * 4);
    for (int v : ints) {
        unsigned u = (unsigned)v;
        for (int k = 0; k < 4; k++) b.push_back((char)((u >> (8 * k)) & 0xff));
    }
    return b;
}

// Integer i of a file's bytes (the caller has checked the size).
inline int intat(const std::vector<char>& b, int i) {
    std::uint32_t u = 0;
    for (int k = 0; k < 4; k++) u |= (std::uint32_t)(unsigned char)b[4 * i + k] << (8 * k);
    return (int)u;
}

}  // namespace levelformat
