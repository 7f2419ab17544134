#include "script.h"

#include <cctype>
#include <map>
#include <sstream>

int keycode(const std::string& name) {
    static const std::map<std::string, int> names = {
        {"backspace", 8}, {"enter", 13}, {"return", 13}, {"esc", 27}, {"escape", 27}, {"space", 32},
        {"left", 37}, {"up", 38}, {"right", 39}, {"down", 40}, {"delete", 46},
        {"f1", 112}, {"f2", 113}, {"f3", 114}, {"f4", 115}, {"f5", 116}, {"f6", 117}, {"f7", 118}, {"f8", 119},
    };
    std::string n;
    for (char c : name) n += char(std::tolower(static_cast<unsigned char>(c)));
    auto it = names.find(n);
    if (it != names.end()) return it->second;
    if (n.size() == 1 && std::isalnum(static_cast<unsigned char>(n[0]))) return std::toupper(static_cast<unsigned char>(n[0]));
    if (!n.empty() && n.find_first_not_of("0123456789") == std::string::npos && n.size() < 5) return std::stoi(n);
    return -1;
}

std::vector<ScriptCommand> parsescript(const std::string& text, std::string& error) {
    static const std::map<std::string, std::pair<int, int>> arity = {
        {"wait", {1, 1}},  {"tick", {1, 1}},    {"move", {2, 2}},   {"click", {0, 2}},   {"rclick", {0, 2}},
        {"uimove", {2, 2}}, {"uiclick", {2, 2}}, {"edgemove", {2, 2}}, {"edgeclick", {2, 2}},
        {"press", {0, 0}}, {"release", {0, 0}}, {"key", {1, 1}},    {"hold", {1, 1}},    {"unhold", {1, 1}},
        {"type", {0, 99}}, {"close", {0, 0}},   {"suspend", {0, 0}}, {"resume", {0, 0}}, {"shot", {1, 1}},
        {"dump", {0, 99}}, {"quit", {0, 0}},    {"log", {0, 99}},
    };
    std::vector<ScriptCommand> out;
    std::istringstream in(text);
    std::string raw;
    int n = 0;
    while (std::getline(in, raw)) {
        n++;
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        std::istringstream ls(raw);
        ScriptCommand c;
        c.line = n;
        if (!(ls >> c.op) || c.op[0] == '#') continue;
        if (c.op == "type" || c.op == "log") {
            // The rest of the line, as written, is the text.
            std::string rest;
            std::getline(ls, rest);
            if (!rest.empty() && rest[0] == ' ') rest.erase(0, 1);
            c.args.push_back(rest);
        } else {
            std::string a;
            while (ls >> a) c.args.push_back(a);
        }
        auto it = arity.find(c.op);
        if (it == arity.end()) {
            error = "line " + std::to_string(n) + ": unknown command '" + c.op + "'";
            return out;
        }
        int argc = int(c.args.size());
        if (c.op != "type" && c.op != "log" && (argc < it->second.first || argc > it->second.second)) {
            error = "line " + std::to_string(n) + ": wrong number of arguments for '" + c.op + "'";
            return out;
        }
        out.push_back(c);
    }
    return out;
}
