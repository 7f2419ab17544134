// What a compiled level file holds, read straight from its integers (no game
// state involved), and the difficulty curve the 74 levels are tuned to. Shared
// by the solver's report and the level tests.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "cards/levelformat.h"

struct LevelCard {
    int type, param, x, y, flip, stack, layer, lock;  // x, y in layout pixels
};

struct LevelInfo {
    std::vector<LevelCard> slots;  // slot records with a card (type > 0)
    std::vector<int> fishorders;   // orders of each fish present
    std::vector<std::pair<int, int>> fishpos;  // layout position of each fish
    int cards = 0, stacks = 0;

    int count(int type, int param = -1) const {
        int n = 0;
        for (const LevelCard& c : slots) n += c.type == type && (param < 0 || c.param == param);
        return n;
    }
    int locks(int lock) const {
        int n = 0;
        for (const LevelCard& c : slots) n += c.lock == lock;
        return n;
    }
    int hidden() const {
        int n = 0;
        for (const LevelCard& c : slots) n += c.flip == 0 && c.lock == 0;
        return n;
    }
    // Deck cards (fixed or random playing cards) decide the stable's size.
    int deckcards() const {
        int n = 0;
        for (const LevelCard& c : slots) n += (c.type >= 1 && c.type <= 13) || c.type == 99;
        return n;
    }

    std::string features() const {
        std::string f;
        auto add = [&](const std::string& s) { f += (f.empty() ? "" : ", ") + s; };
        if (locks(1)) add("oil " + std::to_string(locks(1)));
        if (locks(2)) add("shell " + std::to_string(locks(2)));
        if (locks(3)) add("plants " + std::to_string(locks(3)));
        if (count(23)) add("tools " + std::to_string(count(23)));
        if (hidden()) add("hidden " + std::to_string(hidden()));
        if (count(24)) add("fishslap " + std::to_string(count(24)));
        if (count(26, 1) + count(26, 2)) add("pearls " + std::to_string(count(26, 1) + count(26, 2)));
        if (count(26, 3)) add("marker");
        if (count(21)) add("helper card");
        int fixed = 0;
        for (const LevelCard& c : slots) fixed += c.type >= 1 && c.type <= 13;
        if (fixed) add("fixed values " + std::to_string(fixed));
        if (!fishorders.empty()) {
            std::string o;
            for (int k : fishorders) o += (o.empty() ? "" : "+") + std::to_string(k);
            add("fish " + o);
        }
        return f.empty() ? "-" : f;
    }
};

inline std::string levelnumber3(int n) {
    std::string s = std::to_string(n);
    while (s.size() < 3) s = "0" + s;
    return s;
}

// Reads a compiled level file; false when it is missing or not the size of one.
inline bool readlevelinfo(const std::string& path, LevelInfo& info) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::vector<char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (b.size() != levelformat::BYTES) return false;
    using namespace levelformat;
    auto at = [&](int i) { return intat(b, i); };
    info = LevelInfo{};
    bool stackseen[21] = {};
    for (int s = 1; s <= SLOTS; s++) {
        int r = slotrecord(s);
        LevelCard c{at(r + TYPE), at(r + PARAM), 2 * at(r + X), 2 * at(r + Y),
                    at(r + FLIP), at(r + STACK), at(r + LAYER), at(r + LOCK)};
        if (c.type <= 0) continue;
        info.slots.push_back(c);
        info.cards++;
        if (c.stack >= 1 && c.stack <= 20 && !stackseen[c.stack]) {
            stackseen[c.stack] = true;
            info.stacks++;
        }
    }
    for (int f = 1; f <= FISH; f++) {
        int r = fishrecord(f);
        if (at(r + FISHORDERS) > 0) {
            info.fishorders.push_back(at(r + FISHORDERS));
            info.fishpos.push_back({2 * at(r + FISHX) + FISHXOFFSET, 2 * at(r + FISHY)});
        }
    }
    return true;
}

inline bool isbosslevel(int n) {
    return n == 16 || n == 17 || (n >= 32 && n <= 34) || (n >= 52 && n <= 54) || (n >= 72 && n <= 74);
}

// The share of games (in percent) a strong player without boosters should
// win at each place of the adventure: the tutorial levels nearly always, then
// slowly harder page by page, each boss a step harder than its page, and the
// level after a boss a breather.
inline int wantedwinrate(int n) {
    if (n <= 5) return 90;
    if (isbosslevel(n)) return n <= 17 ? 45 : n <= 34 ? 35 : n <= 54 ? 30 : 25;
    if (n <= 15) return 75;
    if (n == 18 || n == 35 || n == 55) return 65;
    if (n <= 31) return 55;
    if (n <= 51) return 45;
    return 40;
}
