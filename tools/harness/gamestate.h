// What the harness and the playthrough bot read of the running game: the
// dump line (the state as a player sees it, one "key=value" line) and the
// pointer placed on a logical position. Both tools link this one copy, so
// the bot decides from exactly what a harness script can dump.
#pragma once

#include <string>
#include <vector>

// The dump line: "dump tick=... screen=..." followed by `what`.
std::string dumpline(const std::vector<std::string>& what);
// Logical pointer position -> the window pixel that the game maps back to it.
void pointerto(int lx, int ly);
