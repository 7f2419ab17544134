#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/control.h"
#include "core/globals.h"
#include "core/profiles.h"
#include "testutil.h"

namespace {

struct ProfileFiles : ::testing::Test {
    TempDir dir;
    void SetUp() override {
        headlessgame();
        core.userpath = dir.str();
        suspendlink = SuspendLink{};
    }
    void TearDown() override {
        suspendlink = SuspendLink{};
        pf::ctl::failwritesafter(-1);
    }
    std::string bytesof(int p) {
        std::ifstream f(playerfile(p), std::ios::binary);
        std::ostringstream o;
        o << f.rdbuf();
        return o.str();
    }
    void writebytes(int p, const std::string& b) {
        std::ofstream f(playerfile(p), std::ios::binary);
        f << b;
    }
    static int intat(const std::string& b, int offset) {
        std::int32_t v = 0;
        std::memcpy(&v, b.data() + offset * 4, 4);
        return v;
    }
    static void setint(std::string& b, int offset, int v) { std::memcpy(&b[offset * 4], &v, 4); }
};

TEST_F(ProfileFiles, FirstStartWritesFifteenDefaultProfiles) {
    loadplayers(9999);
    for (int p = 1; p <= MAXPLAYERS; p++) {
        std::string b = bytesof(p);
        ASSERT_EQ(b.size(), 9568u) << p;
        EXPECT_EQ(intat(b, 4), 1);        // pointmult
        EXPECT_EQ(intat(b, 9), -9999);    // playerid
        EXPECT_EQ(intat(b, 16), 1);       // cardback
        EXPECT_EQ(intat(b, 1044), 52);    // stablecount
        for (int k = 0; k < MAXLEVELS; k++) ASSERT_EQ(intat(b, 1084 + 3 * k), 99) << k;
        EXPECT_EQ(intat(b, 2391), 0);     // empty name
    }
    EXPECT_EQ(players.p[1].playername, "");
}

TEST_F(ProfileFiles, EveryFieldSurvivesASaveAndALoad) {
    loadplayers(9999);
    Profile& p = players.p[6];
    p.pearls = 1234;
    p.maxlevel = 74;
    p.card[52].deckused = 2;
    p.card[1].cardstack = 20;
    p.stack[20].stacktop = -11;
    p.aktsavevalue = 13;
    p.extrabar[3] = 12;
    p.levelflags[10] = 5;
    p.casinoplays[300] = 5;
    p.starstate[4] = 111;
    p.reserved10[30] = 77;
    p.fish[20].fishkind = 3;
    p.fish[20].fishorder[3] = 9;
    p.items[100] = 3;
    p.playername = "Nemo";
    ASSERT_TRUE(saveplayer(6));
    std::string b = bytesof(6);
    EXPECT_EQ(intat(b, 13), 1234);
    EXPECT_EQ(intat(b, 26 + 18 * 51 + 17), 2);   // deckused of card 52
    EXPECT_EQ(intat(b, 1052), 13);               // aktsavevalue, last of block 4
    EXPECT_EQ(intat(b, 2290), 3);                // fishkind of fish 20, last of block 9
    EXPECT_EQ(intat(b, 2390), 3);                // items 100
    resetplayers();
    loadplayers(0);
    EXPECT_EQ(encodeprofile(players.p[6]), b);
    EXPECT_EQ(players.p[6].playername, "Nemo");
    EXPECT_EQ(players.p[6].fish[20].fishorder[3], 9);
}

TEST_F(ProfileFiles, NameIsWrittenTrimmedOneBytePerCharacter) {
    loadplayers(9999);
    players.p[3].playername = " Bob ";
    saveplayer(3);
    std::string b = bytesof(3);
    ASSERT_EQ(b.size(), 9568u + 3);
    EXPECT_EQ(intat(b, 2391), 3);
    EXPECT_EQ(b.substr(9568), "Bob");
    writebytes(4, b.substr(0, 9564) + std::string("\x04\0\0\0 \xC4x\t", 8));
    loadplayers(0);
    EXPECT_EQ(players.p[4].playername, "\xC4x");
}

TEST_F(ProfileFiles, RestartKeepsIdentityAndWallet) {
    Profile& p = players.p[2];
    p.playername = "Ann";
    p.playerid = 4711;
    p.pearls = 750;
    p.maxlevel = 40;
    p.sellevel = 40;
    p.totalpoints = 99999;
    p.levelstars[3] = 3;
    p.trophywon[5] = 20;
    p.items[24] = 1;
    p.shopgift = 1;
    p.reserved2 = 8;
    restartplayer(2);
    EXPECT_EQ(p.pearls, 750);
    EXPECT_EQ(p.playername, "Ann");
    EXPECT_EQ(p.playerid, 4711);
    EXPECT_EQ(p.reserved2, 8);
    EXPECT_EQ(p.maxlevel, 0);
    EXPECT_EQ(p.sellevel, 0);
    EXPECT_EQ(p.totalpoints, 0);
    EXPECT_EQ(p.levelstars[3], 0);
    EXPECT_EQ(p.trophywon[5], 0);
    EXPECT_EQ(p.items[24], 0);
    EXPECT_EQ(p.shopgift, 0);
    EXPECT_EQ(p.reserved11[7], 99);
}

TEST_F(ProfileFiles, ASaveDuringPlaySuspendsTheLevel) {
    loadplayers(9999);
    players.aktplayer = 2;
    static int stat = 2;
    suspendlink.gamestat = [] { return stat; };
    suspendlink.points = [] { return 345; };
    suspendlink.taskvalue = [] { return 0; };
    struct Case {
        int screen, gamestat, player, ingame;
    };
    for (Case c : {Case{13, 2, 2, 0}, Case{12, 1, 2, 0}, Case{12, 2, 3, 0}, Case{12, 2, 2, 1}}) {
        players.p[c.player].ingame = 0;
        core.screen = c.screen;
        stat = c.gamestat;
        pf::ctl::clearlog();
        saveplayer(c.player);
        std::string b = bytesof(c.player);
        EXPECT_EQ(intat(b, 7), c.ingame) << c.screen << " " << c.gamestat << " " << c.player;
        if (c.ingame) {
            EXPECT_EQ(intat(b, 21), 345);
            ASSERT_FALSE(pf::ctl::loglines().empty());
            EXPECT_EQ(pf::ctl::loglines().back(), "save");
        }
    }
}

TEST_F(ProfileFiles, DamagedFilesAreRecreatedOrRepaired) {
    loadplayers(9999);
    players.p[5].pearls = 50;
    players.p[5].playername = "Kai";
    saveplayer(5);
    std::string good = bytesof(5);
    std::string longer = good + "junk";
    std::string badname = good;
    setint(badname, 2391, -5);
    std::string hugename = good;
    setint(hugename, 2391, 100000000);
    struct Case {
        const char* what;
        std::string bytes;
        bool write;
        int pearls;  // what survives: the record is whole in the last three
        const char* name;
    };
    const Case cases[] = {
        {"missing", "", false, 0, ""},
        {"empty", "", true, 0, ""},
        {"short", good.substr(0, 100), true, 0, ""},
        {"long", longer, true, 50, "Kai"},
        {"bad name length", badname, true, 50, "Kai"},
        {"huge name length", hugename, true, 50, "Kai"},
    };
    for (const Case& c : cases) {
        pf::deletefile(playerfile(5));
        if (c.write) writebytes(5, c.bytes);
        players.p[5].pearls = 777;
        loadplayers(0);
        EXPECT_EQ(players.p[5].pearls, c.pearls) << c.what;
        EXPECT_EQ(players.p[5].playername, c.name) << c.what;
        EXPECT_EQ(bytesof(5).size(), 9568u + std::string(c.name).size()) << c.what;
    }
}

TEST_F(ProfileFiles, ValuesThatIndexTablesAreKeptInRange) {
    loadplayers(9999);
    std::string b = bytesof(8);
    setint(b, 5, 5000);                   // sellevel
    setint(b, 14, -3);                    // maxlevel
    setint(b, 16, 0);                     // cardback
    setint(b, 26 + 9, 999);               // cardstack of card 1
    setint(b, 1042, 77);                  // stacks
    setint(b, 1053 + 1, 40);              // extrabar 1
    setint(b, 1083 + 3 * 299 + 2, 9);     // casinoplays of level 300
    setint(b, 1991 + 4 * 29, -1);         // trophywon 30
    writebytes(8, b);
    loadplayers(0);
    const Profile& p = players.p[8];
    EXPECT_EQ(p.sellevel, 0);
    EXPECT_EQ(p.maxlevel, 0);
    EXPECT_EQ(p.cardback, 1);
    EXPECT_EQ(p.card[1].cardstack, 0);
    EXPECT_EQ(p.stacks, 0);
    EXPECT_EQ(p.extrabar[1], 0);
    EXPECT_EQ(p.casinoplays[300], 5);
    EXPECT_EQ(p.trophywon[30], 0);
}

TEST_F(ProfileFiles, AnInterruptedWriteKeepsThePreviousProfile) {
    loadplayers(9999);
    players.p[9].pearls = 100;
    players.p[9].playername = "Kai";
    ASSERT_TRUE(saveplayer(9));
    std::string before = bytesof(9);
    players.p[9].pearls = 200;
    pf::ctl::failwritesafter(4000);  // dies half way through the new file
    EXPECT_FALSE(saveplayer(9));
    pf::ctl::failwritesafter(-1);
    EXPECT_EQ(bytesof(9), before);
    resetplayers();
    loadplayers(0);
    EXPECT_EQ(players.p[9].pearls, 100);
    EXPECT_EQ(players.p[9].playername, "Kai");
    EXPECT_FALSE(saveplayer(0));
    EXPECT_FALSE(saveplayer(16));
}

}  // namespace
