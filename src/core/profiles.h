// The 15 player profiles and their files "players<n>.ppp".
// Tables are indexed from 1; index 0 is never used.
#pragma once

#include <string>

#include "core/statids.h"

constexpr int MAXPLAYERS = 15;
constexpr int MAXCARDS = 52;
constexpr int MAXSTACKS = 20;
constexpr int MAXLEVELS = 300;
constexpr int MAXFISH = 20;
constexpr int PROFILE_INTS = 2392;           // integers before the name bytes
constexpr int PROFILE_BYTES = PROFILE_INTS * 4;  // 9568

// Card slot record of block 2, in file order.
struct CardSlot {
    int carddealorder = 0, cardopen = 0, cardsuit = 0, cardtype = 0;
    int cardposx = 0, cardposy = 0, cardx = 0, cardy = 0, cardparam = 0;
    int cardstack = 0, cardshown = 0, cardflip = 0, cardlayer = 0, cardface = 0;
    int carddealtime = 0, cardlock = 0, cardshake = 0, deckused = 0;
};

struct StackRec {
    int stackx = 0, stacky = 0, stackleft = 0, stacktop = 0;
};

struct FishRec {
    int fishx = 0, fishy = 0, fishbob = 0, fishtype = 0, fishreserve = 0;
    int fishorder[4] = {0, 0, 0, 0};  // 1..3 used
    int fishkind = 0;
};

struct Profile {
    // block 1
    int casinohint = 0, shopgift = 0, bossdamage = 0, reserved1 = 0, pointmult = 1;
    int sellevel = 0, reserved2 = 3, ingame = 0, reserved3 = 1, playerid = -9999;
    int leveltime = 0, reserved4 = 1, totalpoints = 0, pearls = 0, maxlevel = 0;
    int bestcombo = 0, cardback = 1, stockround = 1, levelcount1 = 0, levelcount2 = 0;
    int reserved5 = 0, savedpoints = 0, savedtaskvalue = 0, reserved6 = 0, fishserved = 0;
    int reserved7 = 0;
    // block 2
    CardSlot card[MAXCARDS + 1];
    // block 3
    StackRec stack[MAXSTACKS + 1];
    // block 4
    int stacks = 0, boardleft = 0, stablecount = 52, stablestart = 0, aktcard = 0;
    int aktsave = 0, aktprev = 0, movestep = 0, aktflip = 0, aktvalue = 0, aktsavevalue = 0;
    // block 5
    int helpers[11] = {}, extrabar[11] = {}, levelflags[11] = {};
    // block 6
    int levelstars[MAXLEVELS + 1] = {}, reserved11[MAXLEVELS + 1] = {}, casinoplays[MAXLEVELS + 1] = {};
    // block 7
    int reserved8[5] = {}, starstate[5] = {};
    // block 8
    int trophywon[31] = {}, stats[31] = {}, reserved9[31] = {}, reserved10[31] = {};
    // block 9
    FishRec fish[MAXFISH + 1];
    // block 10
    int items[101] = {};
    // block 11
    std::string playername;

    Profile() {
        for (int j = 1; j <= MAXLEVELS; j++) reserved11[j] = 99;
    }
};

struct Players {
    int aktplayer = -1;            // mirrors settings.aktplayer; -1 none
    Profile p[MAXPLAYERS + 2];     // 0..16, 1..15 used
};

extern Players players;

// The current player's profile; only valid while players.aktplayer is 1..15.
inline Profile& akt() { return players.p[players.aktplayer >= 1 && players.aktplayer <= MAXPLAYERS ? players.aktplayer : 16]; }
inline bool haveplayer() { return players.aktplayer >= 1 && players.aktplayer <= MAXPLAYERS; }

// Full path of profile p's file: userpath + "players" + p + ".ppp".
std::string playerfile(int p);
void loadplayers(int mode);
bool saveplayer(int p);
void resetplayer(int p);
void restartplayer(int p);
void resetplayers();  // every profile to defaults in memory, aktplayer -1

// The card game's running state that a save during play must store. The card
// game installs these; while they are null no level counts as running.
struct SuspendLink {
    int (*gamestat)() = nullptr;   // 2 while a level is being played
    int (*points)() = nullptr;     // points of the running level
    int (*taskvalue)() = nullptr;  // the level counter `taskvalue`
    // Settles, in the copy that is written while a level is on the screen,
    // what is under way at that moment (a card in flight, a refill, pearls
    // flying to the bar), so the file never holds it half done. The level in
    // memory goes on untouched.
    void (*mend)(Profile& written) = nullptr;
};
extern SuspendLink suspendlink;

// The file format on bytes, for the loader, the tests and the fuzz targets.
std::string encodeprofile(const Profile& p);
// False when the bytes cannot hold a profile (shorter than its integers): the
// caller then recreates the file. A complete record whose name is cut short,
// followed by junk or out of range is read as far as it goes and *repaired
// says so. On success every value is in its working range (checkprofile).
bool decodeprofile(const std::string& bytes, Profile& p, bool* repaired = nullptr);
// Brings every value into the range the game can work with (table indices
// into their tables, counters and positions into bounds that cannot
// overflow); returns how many values had to be changed.
int checkprofile(Profile& p);
// Trims blanks and control characters (codes <= 32) from both ends.
std::string trimname(const std::string& name);
