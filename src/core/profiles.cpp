#include "core/profiles.h"

#include <cstdint>

#include "core/filebytes.h"
#include "core/globals.h"
#include "core/savestatus.h"
#include "core/screens.h"
#include "platform/platform.h"

Players players;
SuspendLink suspendlink;

namespace {

constexpr int MAXNAMEBYTES = 255;  // names are typed with at most 8 characters
constexpr int MAXBADCOPIES = 20;

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

bool writeprofile(int p, const Profile& data) {
    std::string path = playerfile(p);
    // Temporary file beside the old one, renamed over it on success: a crash,
    // a full disk or a power loss mid-write keeps the previous profile whole.
    pf::Stream* f = pf::writefilesafe(path);
    if (!f) {
        reportsavefailure("cannot write " + path);
        return false;
    }
    pf::writestring(f, encodeprofile(data));
    if (!pf::closefile(f)) {
        reportsavefailure("writing " + path + " failed, previous file kept");
        return false;
    }
    reportsavesuccess();
    return true;
}

bool writeprofile(int p) { return writeprofile(p, players.p[p]); }

// Keeps a damaged file for a human to look at: "playersN.ppp.bad", then
// ".bad2", ".bad3" ... so a second damage never overwrites the first copy.
void keepdamagedcopy(int p, const std::string& bytes) {
    std::string base = playerfile(p) + ".bad";
    std::string name = base;
    for (int k = 2; k <= MAXBADCOPIES && pf::filetype(name) != 0; k++) name = base + std::to_string(k);
    if (pf::filetype(name) != 0) return;  // enough copies kept already
    if (pf::Stream* b = pf::writefilesafe(name)) {
        pf::writestring(b, bytes);
        pf::closefile(b);
    }
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

bool decodeprofile(const std::string& bytes, Profile& p, bool* repaired) {
    if (repaired) *repaired = false;
    if (bytes.size() < static_cast<std::size_t>(PROFILE_BYTES)) return false;
    // The integers are all there: what follows them can still be read as far
    // as it goes. A name cut short or followed by junk is repaired rather than
    // the player's whole progress thrown away.
    int n = getint(bytes, (PROFILE_INTS - 1) * 4);
    std::size_t after = bytes.size() - PROFILE_BYTES;
    // A length out of range says nothing: then whatever follows is the name.
    bool lengthok = n >= 0 && n <= MAXNAMEBYTES;
    std::size_t take = std::min<std::size_t>(lengthok ? std::size_t(n) : std::size_t(MAXNAMEBYTES), after);
    bool whole = lengthok && after == std::size_t(n);
    Profile q;
    std::size_t at = 0;
    eachfield(q, [&](int& v) {
        v = getint(bytes, at);
        at += 4;
    });
    std::string name = bytes.substr(PROFILE_BYTES, take);
    if (!whole) {
        // Junk after a name, or a name of nonsense: keep its printable start.
        std::size_t k = 0;
        while (k < name.size() && static_cast<unsigned char>(name[k]) >= 32 && name[k] != 127) k++;
        name.resize(k);
    }
    q.playername = trimname(name);
    int clamped = checkprofile(q);
    if (clamped > 0) pf::logline("profile values out of range: " + std::to_string(clamped) + " brought back");
    p = q;
    if (repaired) *repaired = !whole;
    return true;
}

int checkprofile(Profile& p) {
    Clamp c;
    // Every value read is brought into the range the game can work with:
    // values that index tables into their table, counters and positions into
    // bounds whose sums and products cannot overflow.
    constexpr int BIG = 1000000000;   // currencies and point totals
    constexpr int COUNT = 1000000;    // counters: seconds, refills, combos...
    constexpr int POS = 4096;         // layout positions and offsets
    c(p.casinohint, 0, 1, 0);
    c(p.shopgift, 0, 1, 0);
    c(p.bossdamage, 0, 100, 0);
    c(p.reserved1, -COUNT, COUNT, 0);
    c(p.pointmult, 1, 100, 1);
    c(p.sellevel, 0, MAXLEVELS, 0);
    c(p.ingame, 0, 1, 0);
    c(p.leveltime, 0, COUNT, 0);
    c(p.totalpoints, 0, BIG, 0);
    c(p.pearls, 0, BIG, 0);
    c(p.maxlevel, 0, MAXLEVELS, 0);
    c(p.bestcombo, 0, 1000, 0);
    c(p.cardback, 1, 20, 1);
    c(p.stockround, 0, COUNT, 1);
    c(p.levelcount1, 0, COUNT, 0);
    c(p.levelcount2, 0, COUNT, 0);
    c(p.savedpoints, -BIG, BIG, 0);
    c(p.savedtaskvalue, 0, COUNT, 0);
    c(p.fishserved, 0, COUNT, 0);
    for (int j = 1; j <= MAXCARDS; j++) {
        CardSlot& k = p.card[j];
        c(k.carddealorder, 0, MAXCARDS, 0);
        c(k.cardopen, 0, 1, 0);
        c(k.cardsuit, 0, 4, 0);
        c(k.cardtype, 0, 200, 0);
        c(k.cardposx, -POS, POS, 0);
        c(k.cardposy, -POS, POS, 0);
        c(k.cardx, -POS, POS, 0);
        c(k.cardy, -POS, POS, 0);
        c(k.cardparam, -COUNT, COUNT, 0);
        c(k.cardstack, 0, MAXSTACKS, 0);
        c(k.cardshown, 0, COUNT, 0);
        c(k.cardflip, -COUNT, COUNT, 0);
        c(k.cardlayer, 0, 100, 0);
        c(k.cardface, 0, 200, 0);
        c(k.carddealtime, 0, COUNT, 0);
        c(k.cardlock, 0, 3, 0);
        c(k.cardshake, 0, COUNT, 0);
        c(k.deckused, 0, 2, 0);
    }
    for (int j = 1; j <= MAXSTACKS; j++) {
        StackRec& s = p.stack[j];
        c(s.stackx, -POS, POS, 0);
        c(s.stacky, -POS, POS, 0);
        c(s.stackleft, -1, MAXCARDS, 0);
        c(s.stacktop, -100, 100, 0);
    }
    c(p.stacks, 0, MAXSTACKS, 0);
    c(p.boardleft, 0, MAXCARDS, 0);
    c(p.stablecount, 0, MAXCARDS, 0);
    c(p.stablestart, 0, MAXCARDS, 0);
    c(p.aktcard, 0, 2000, 0);
    c(p.aktsave, 0, 2000, 0);
    c(p.aktprev, 0, 2000, 0);
    c(p.movestep, -COUNT, COUNT, 0);
    c(p.aktflip, -COUNT, COUNT, 0);
    c(p.aktvalue, 0, 200, 0);
    c(p.aktsavevalue, 0, 200, 0);
    for (int j = 1; j <= 10; j++) {
        c(p.helpers[j], 0, 1, 0);
        c(p.extrabar[j], 0, 12, 0);
        c(p.levelflags[j], -COUNT, COUNT, 0);
    }
    for (int j = 1; j <= MAXLEVELS; j++) {
        c(p.levelstars[j], 0, 3, 0);
        c(p.casinoplays[j], 0, 5, 5);
    }
    for (int j = 1; j <= 4; j++) {
        c(p.reserved8[j], -COUNT, COUNT, 0);
        c(p.starstate[j], -COUNT, COUNT, 0);
    }
    for (int j = 1; j <= 30; j++) {
        c(p.trophywon[j], 0, 20, 0);
        c(p.stats[j], 0, BIG, 0);
    }
    for (int j = 1; j <= MAXFISH; j++) {
        FishRec& h = p.fish[j];
        c(h.fishx, -POS, POS, 0);
        c(h.fishy, -POS, POS, 0);
        c(h.fishbob, -COUNT, COUNT, 0);
        c(h.fishtype, 0, 3, 0);
        c(h.fishreserve, -COUNT, COUNT, 0);
        for (int o = 1; o <= 3; o++) c(h.fishorder[o], 0, 100, 0);
        c(h.fishkind, 0, 100, 0);
    }
    for (int j = 1; j <= 100; j++) c(p.items[j], 0, COUNT, 0);
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
        bool opened = readfilebytes(playerfile(p), bytes, PROFILE_BYTES + MAXNAMEBYTES + 4096);
        Profile q;
        bool repaired = false;
        if (opened && decodeprofile(bytes, q, &repaired)) {
            players.p[p] = q;
            if (repaired) {
                // Readable but not as written: keep what was there, then put
                // the repaired profile on disk so the damage does not linger.
                pf::logline("profile " + std::to_string(p) + " damaged, repaired");
                // Progress without a name would read as a free slot and be
                // lost from the player list.
                Profile& r = players.p[p];
                if (r.playername.empty() && (r.maxlevel > 0 || r.pearls > 0 || r.totalpoints > 0))
                    r.playername = "Player" + std::to_string(p);
                keepdamagedcopy(p, bytes);
                reportprofiledamage();
                writeprofile(p);
            }
            continue;
        }
        // Missing or beyond repair: keep a copy of what was there for a human
        // to look at, then give the slot a fresh default profile.
        pf::logline("profile " + std::to_string(p) + (opened ? " damaged" : " missing") + ", recreated with defaults");
        if (opened) {
            if (!bytes.empty()) keepdamagedcopy(p, bytes);
            reportprofiledamage();
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
    if (core.screen == SCREEN_GAME && p == players.aktplayer && suspendlink.mend) {
        Profile written = pr;
        suspendlink.mend(written);
        return writeprofile(p, written);
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
