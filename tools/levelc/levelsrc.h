// Level sources: a readable text form of a level, compiled into the binary
// level file the game reads (1468 little-endian integers).
#pragma once

#include <string>
#include <vector>

namespace levelsrc {

constexpr int INTS = 1468;

struct Result {
    int level = 0;               // from the "level" line
    std::vector<int> ints;       // INTS values when ok
    std::vector<std::string> errors;  // "line N: what"
    bool ok() const { return errors.empty() && level > 0; }
};

Result compile(const std::string& text);
std::string tobytes(const std::vector<int>& ints);  // little-endian

}  // namespace levelsrc
