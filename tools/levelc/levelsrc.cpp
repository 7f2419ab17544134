#include "levelsrc.h"

#include <map>
#include <sstream>

namespace levelsrc {

namespace {

struct Card {
    int type = 0, param = 0, x = 0, y = 0, flip = 1, stack = 0, layer = 0, lock = 0;
};

std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> w;
    std::istringstream in(line);
    std::string s;
    while (in >> s) w.push_back(s);
    return w;
}

bool toint(const std::string& s, int& v) {
    if (s.empty()) return false;
    size_t i = (s[0] == '-' || s[0] == '+') ? 1 : 0;
    if (i >= s.size()) return false;
    for (size_t k = i; k < s.size(); k++)
        if (s[k] < '0' || s[k] > '9') return false;
    if (s.size() > 7) return false;
    v = std::stoi(s);
    return true;
}

// "?", "A", "2".."10", "J", "Q", "K", "slap", "cash", "cash2", "marker",
// "sponge", "light", "antiplant", "helper1".."helper9"; then "/oil",
// "/shell", "/plants" for an obstacle and "/down" to lie face down while covered.
bool cardtoken(const std::string& tok, Card& c, std::string& err) {
    std::string base = tok, rest;
    size_t slash = tok.find('/');
    if (slash != std::string::npos) {
        base = tok.substr(0, slash);
        rest = tok.substr(slash);
    }
    static const std::map<std::string, std::pair<int, int>> kinds = {
        {"?", {99, 0}},      {"A", {1, 0}},      {"J", {11, 0}},        {"Q", {12, 0}},     {"K", {13, 0}},
        {"slap", {24, 0}},   {"cash", {26, 1}},  {"cash2", {26, 2}},    {"marker", {26, 3}}, {"sponge", {23, 1}},
        {"light", {23, 2}},  {"antiplant", {23, 3}},
    };
    int v;
    auto k = kinds.find(base);
    if (k != kinds.end()) {
        c.type = k->second.first;
        c.param = k->second.second;
    } else if (toint(base, v) && v >= 2 && v <= 10) {
        c.type = v;
    } else if (base.rfind("helper", 0) == 0 && toint(base.substr(6), v) && v >= 1 && v <= 9) {
        c.type = 21;
        c.param = v;
    } else {
        err = "unknown card \"" + base + "\"";
        return false;
    }
    while (!rest.empty()) {
        size_t next = rest.find('/', 1);
        std::string opt = rest.substr(1, next == std::string::npos ? std::string::npos : next - 1);
        rest = next == std::string::npos ? "" : rest.substr(next);
        if (opt == "oil") c.lock = 1;
        else if (opt == "shell") c.lock = 2;
        else if (opt == "plants") c.lock = 3;
        else if (opt == "down") c.flip = 0;
        else {
            err = "unknown option \"/" + opt + "\"";
            return false;
        }
    }
    // an obstacle stays on while the card is covered only with flip 0
    if (c.lock) c.flip = 0;
    if (c.lock && c.type != 99 && !(c.type >= 1 && c.type <= 13) && c.type != 23) {
        err = "only playing cards and tool cards can carry an obstacle";
        return false;
    }
    return true;
}

}  // namespace

Result compile(const std::string& text) {
    Result r;
    std::vector<Card> cards;
    struct Fish { int x, y, type; };
    std::vector<Fish> fish;
    bool stackused[21] = {};
    std::istringstream in(text);
    std::string line;
    int lineno = 0;
    auto error = [&](const std::string& what) { r.errors.push_back("line " + std::to_string(lineno) + ": " + what); };
    while (std::getline(in, line)) {
        lineno++;
        size_t hash = line.find('#');
        if (hash != std::string::npos) line.resize(hash);
        std::vector<std::string> w = words(line);
        if (w.empty()) continue;
        if (w[0] == "level") {
            int n;
            if (w.size() != 2 || !toint(w[1], n) || n < 1 || n > 999) error("expected: level <1..999>");
            else r.level = n;
        } else if (w[0] == "name") {
            // for people reading the source; the file has no room for it
        } else if (w[0] == "stack") {
            // stack <n> at <x> <y> step <dx> <dy> : <cards from the bottom up>
            int n, x, y, dx, dy;
            if (w.size() < 9 || w[2] != "at" || w[5] != "step" || w[8] != ":" || !toint(w[1], n) ||
                !toint(w[3], x) || !toint(w[4], y) || !toint(w[6], dx) || !toint(w[7], dy)) {
                error("expected: stack <n> at <x> <y> step <dx> <dy> : <cards>");
                continue;
            }
            if (n < 1 || n > 20) { error("stack number must be 1..20"); continue; }
            if (stackused[n]) { error("stack " + std::to_string(n) + " is given twice"); continue; }
            stackused[n] = true;
            if (w.size() == 9) { error("a stack needs at least one card"); continue; }
            for (size_t k = 9; k < w.size(); k++) {
                Card c;
                std::string err;
                if (!cardtoken(w[k], c, err)) { error(err); continue; }
                int layer = (int)(k - 8);
                c.x = x + dx * (layer - 1);
                c.y = y + dy * (layer - 1);
                c.stack = n;
                c.layer = layer;
                if (c.x % 16 || c.y % 16) error("card " + w[k] + " is off the 16-pixel grid");
                if (c.x < 16 || c.x > 1024 - 96) error("card " + w[k] + " lies outside the field horizontally");
                if (c.y < 16 || c.y > 560 - 142) error("card " + w[k] + " reaches into the stable's row or off the field");
                cards.push_back(c);
            }
        } else if (w[0] == "fish") {
            // fish at <x> <y> orders <1..3>
            int x, y, t;
            if (w.size() != 6 || w[1] != "at" || w[4] != "orders" || !toint(w[2], x) || !toint(w[3], y) ||
                !toint(w[5], t)) {
                error("expected: fish at <x> <y> orders <1..3>");
                continue;
            }
            if (t < 1 || t > 3) error("a fish has 1..3 orders");
            if ((x - 32) % 2 || y % 2) error("fish positions must be even, x from 32");
            if (x < 32 || x > 1024 || y < 0 || y > 768) error("fish outside the field");
            fish.push_back({x, y, t});
        } else {
            error("unknown line \"" + w[0] + "\"");
        }
    }
    if (r.level == 0) r.errors.push_back("no \"level\" line");
    if (cards.size() > levelformat::SLOTS) r.errors.push_back("more than 51 cards");
    if (cards.empty()) r.errors.push_back("no cards");
    if (fish.size() > levelformat::FISH) r.errors.push_back("more than 20 fish");
    if (!r.errors.empty()) return r;
    r.ints.assign(INTS, 0);
    r.ints[0] = r.level;
    for (size_t i = 0; i < cards.size(); i++) {
        const Card& c = cards[i];
        using namespace levelformat;
        int* rec = &r.ints[slotrecord(int(i) + 1)];
        rec[TYPE] = c.type;
        rec[PARAM] = c.param;
        rec[X] = c.x / 2;
        rec[Y] = c.y / 2;
        rec[FLIP] = c.flip;
        rec[STACK] = c.stack;
        rec[LAYER] = c.layer;
        rec[LOCK] = c.lock;
    }
    for (size_t f = 0; f < fish.size(); f++) {
        using namespace levelformat;
        int* rec = &r.ints[fishrecord(int(f) + 1)];
        rec[FISHX] = (fish[f].x - FISHXOFFSET) / 2;
        rec[FISHY] = fish[f].y / 2;
        rec[FISHORDERS] = fish[f].type;
    }
    return r;
}


}  // namespace levelsrc
