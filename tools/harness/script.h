// Timed input scripts for the harness: one command per line.
#pragma once

#include <string>
#include <vector>

struct ScriptCommand {
    int line = 0;
    std::string op;
    std::vector<std::string> args;
};

// Parses a script; on a malformed line sets error and returns what was read.
std::vector<ScriptCommand> parsescript(const std::string& text, std::string& error);
// Virtual key code for a key name ("esc", "enter", "f3", "a", "13"), -1 if unknown.
int keycode(const std::string& name);
