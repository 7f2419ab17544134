#include "core/profiles.h"

#include <cstdint>

#include "core/filebytes.h"
#include "core/globals.h"
#include "core/screens.h"
#include "platform/platform.h"

Players players;
SuspendLink suspendlink;

namespace {

constexpr int MAXNAMEBYTES = 255;  // names are typed with at most 8 characters

// Visits every integer of blocks 1..10 in file order, so reading and writing
// cannot drift apart.
template <class P, class F>
void eachfield(P& p, F&& f) {
    // block 1
    f(p.casinohint); f(p.shopgift); f(p.bossdamage); f(p.reserved1); f(p.pointmult);
    f(p.sellevel); f(p.reserved2); f(p.ingame); f(p.reserved3); f(p.playerid);
    f(p.leveltime); f(p.reserved4); f(p.totalpoints); f(p.pearls); f(p.maxlevel);
    f(p.bestcombo); f(p.cardback); f(p.stockround); f(p.levelcount1); f(p.levelcount2);
    f(p.reserved5); f(p.savedpoints); f(p.savedtaskvalue); f(p.reserved6); f(p.fishserved);
    f(p.reserved7);
    // block 2
    for (int j = 1; j <= MAXCARDS; j++) {
        auto& c = p.card[j];
        f(c.carddealorder); f(c.cardopen); f(c.cardsuit); f(c.cardtype); f(c.cardposx); f(c.cardposy);
        f(c.cardx); f(c.cardy); f(c.cardparam); f(c.cardstack); f(c.cardshown); f(c.cardflip);
        f(c.cardlayer); f(c.cardface); f(c.carddealtime); f(c.cardlock); f(c.cardshake); f(c.deckused);
    }
    // block 3
    for (int j = 1; j <= MAXSTACKS; j++) {
        auto& s = p.stack[j];
        f(s.stackx); f(s.stacky); f(s.stackleft); f(s.stacktop);
    }
    // block 4
    f(p.stacks); f(p.boardleft); f(p.stablecount); f(p.stablestart); f(p.aktcard); f(p.aktsave);
    f(p.aktprev); f(p.movestep); f(p.aktflip); f(p.aktvalue); f(p.aktsavevalue);
    // block 5
    for (int j = 1; j <= 10; j++) { f(p.helpers[j]); f(p.extrabar[j]); f(p.levelflags[j]); }
    // block 6
    for (int j = 1; j <= MAXLEVELS; j++) { f(p.levelstars[j]); f(p.reserved11[j]); f(p.casinoplays[j]); }
    // block 7
    for (int j = 1; j <= 4; j++) { f(p.reserved8[j]); f(p.starstate[j]); }
    // block 8
    for (int j = 1; j <= 30; j++) { f(p.trophywon[j]); f(p.stats[j]); f(p.reserved9[j]); f(p.reserved10[j]); }
    // block 9
    for (int j = 1; j <= MAXFISH; j++) {
        auto& h = p.fish[j];
        f(h.fishx); f(h.fishy); f(h.fishbob); f(h.fishtype); f(h.fishreserve);
        f(h.fishorder[1]); f(h.fishorder[2]); f(h.fishorder[3]); f(h.fishkind);
    }
    // block 10
    for (int j = 1; j <= 100; j++) f(p.items[j]);
}

void putint(std::string& out, int v) {
    auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; i++) out.push_back(static_cast<char>((u >> (8 * i)) & 255));
}

int getint(const std::string& in, std::size_t at) {
    std::uint32_t u = 0;
    for (int i = 0; i < 4; i++) u |= static_cast<std::uint32_t>(static_cast<unsigned char>(in[at + i])) << (8 * i);
    return static_cast<int>(u);
}

bool validp(int p) { return p >= 1 && p <= MAXPLAYERS; }

// One clamp that counts its corrections.
struct Clamp {
    int changes = 0;
    void operator()(int& v, int lo, int hi, int fallback) {
        if (v < lo || v > hi) {
            v = fallback;
            changes++;
        }
    }
};

bool writeprofile(int p) {
    std::string path = playerfile(p);
    // Temporary file beside the old one, renamed over it on success: a crash,
    // a full disk or a power loss mid-write keeps the previous profile whole.
    pf::Stream* f = pf::writefilesafe(path);
    if (!f) {
        pf::logline("cannot write " + path);
        return false;
    }
    pf::writestring(f, encodeprofile(players.p[p]));
    if (!pf::closefile(f)) {
        pf::logline("writing " + path + " failed, previous file kept");
        return false;
    }
    return true;
}

}  // namespace

std::string playerfile(int p) { return core.userpath + "players" + std::to_string(p) + ".ppp"; }

std::string trimname(const std::string& name) {
    std::size_t a = 0, b = name.size();
    while (a < b && static_cast<unsigned char>(name[a]) <= 32) a++;
    while (b > a && static_cast<unsigned char>(name[b - 1]) <= 32) b--;
    return name.substr(a, b - a);
}

std::string encodeprofile(const Profile& p) {
    std::string out;
    out.reserve(PROFILE_BYTES + 16);
    eachfield(p, [&](const int& v) { putint(out, v); });
    std::string name = trimname(p.playername);
    if (name.size() > MAXNAMEBYTES) name.resize(MAXNAMEBYTES);
    putint(out, static_cast<int>(name.size()));  // offset 2391
    out += name;  // std::string holds bytes: the code modulo 256
    return out;
}

bool decodeprofile(const std::string& bytes, Profile& p) {
    if (bytes.size() < static_cast<std::size_t>(PROFILE_BYTES)) return false;
    int n = getint(bytes, (PROFILE_INTS - 1) * 4);
    if (n < 0 || n > MAXNAMEBYTES || bytes.size() != static_cast<std::size_t>(PROFILE_BYTES) + n) return false;
    Profile q;
    std::size_t at = 0;
    eachfield(q, [&](int& v) {
        v = getint(bytes, at);
        at += 4;
    });
    q.playername = trimname(bytes.substr(PROFILE_BYTES, n));
    checkprofile(q);
    p = q;
    return true;
}

int checkprofile(Profile& p) {
    Clamp c;
    c(p.sellevel, 0, MAXLEVELS, 0);
    c(p.maxlevel, 0, MAXLEVELS, 0);
    c(p.cardback, 1, 20, 1);
    c(p.ingame, 0, 1, 0);
    c(p.stacks, 0, MAXSTACKS, 0);
    c(p.stablecount, 0, MAXCARDS, 0);
    c(p.stablestart, 0, MAXCARDS, 0);
    for (int j = 1; j <= MAXCARDS; j++) {
        c(p.card[j].cardstack, 0, MAXSTACKS, 0);
        c(p.card[j].carddealorder, 0, MAXCARDS, 0);
        c(p.card[j].cardsuit, 0, 4, 0);
    }
    for (int j = 1; j <= 10; j++) {
        c(p.helpers[j], 0, 1, 0);
        c(p.extrabar[j], 0, 12, 0);
    }
    for (int j = 1; j <= MAXLEVELS; j++) {
        c(p.levelstars[j], 0, 3, 0);
        c(p.casinoplays[j], 0, 5, 5);
    }
    for (int j = 1; j <= 30; j++) c(p.trophywon[j], 0, 20, 0);
    for (int j = 1; j <= 100; j++) c(p.items[j], 0, 1000000, 0);
    c(p.pearls, 0, 1000000000, 0);
    c(p.pointmult, 1, 100, 1);
    return c.changes;
}

void resetplayer(int p) {
    if (!validp(p)) return;
    players.p[p] = Profile{};
}

void resetplayers() {
    players.aktplayer = -1;
    for (auto& p : players.p) p = Profile{};
}

void loadplayers(int mode) {
    if (mode == 9999) {
        for (int p = 1; p <= MAXPLAYERS; p++) {
            resetplayer(p);
            writeprofile(p);
        }
    }
    for (int p = 1; p <= MAXPLAYERS; p++) {
        std::string bytes;
        bool opened = readfilebytes(playerfile(p), bytes, PROFILE_BYTES + MAXNAMEBYTES + 1);
        Profile q;
        if (opened && decodeprofile(bytes, q)) {
            players.p[p] = q;
            continue;
        }
        // Missing or damaged: keep a copy of what was there for a human to
        // look at, then give the slot a fresh default profile.
        pf::logline("profile " + std::to_string(p) + (opened ? " damaged" : " missing") + ", recreated with defaults");
        if (opened && !bytes.empty()) {
            if (pf::Stream* b = pf::writefilesafe(playerfile(p) + ".bad")) {
                pf::writestring(b, bytes);
                pf::closefile(b);
            }
        }
        resetplayer(p);
        writeprofile(p);
    }
}

bool saveplayer(int p) {
    if (!validp(p)) return false;
    Profile& pr = players.p[p];
    if (core.screen == SCREEN_GAME && p == players.aktplayer && suspendlink.gamestat && suspendlink.gamestat() == 2) {
        pr.ingame = 1;
        pr.savedpoints = suspendlink.points ? suspendlink.points() : 0;
        pr.savedtaskvalue = suspendlink.taskvalue ? suspendlink.taskvalue() : 0;
        pf::logline("save");
    }
    return writeprofile(p);
}

void restartplayer(int p) {
    if (!validp(p)) return;
    Profile& old = players.p[p];
    Profile fresh;
    // totalpoints is not among the kept fields, so it starts from 0 whatever
    // level the player had reached.
    fresh.playername = old.playername;
    fresh.playerid = old.playerid;
    fresh.pearls = old.pearls;
    fresh.reserved2 = old.reserved2;
    fresh.reserved3 = old.reserved3;
    fresh.reserved4 = old.reserved4;
    fresh.reserved6 = old.reserved6;
    old = fresh;
}
