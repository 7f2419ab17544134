// Level sources: a readable text form of a level, compiled into the binary
// level file the game reads (1468 little-endian integers).
#pragma once

#include <string>
#include <vector>

#include "../../src/cards/levelformat.h"

namespace levelsrc {

constexpr int INTS = levelformat::INTS;

struct Result {
    int level = 0;               // from the "level" line
    std::vector<int> ints;       // INTS values when ok
    std::vector<std::string> errors;  // "line N: what"
    bool ok() const { return errors.empty() && level > 0; }
};

Result compile(const std::string& text);
inline std::string tobytes(const std::vector<int>& ints) { return levelformat::tobytes(ints); }

}  // namespace levelsrc
