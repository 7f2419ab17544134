#include <fstream>
#include <vector>

#include "core/globals.h"
#include "cards_fixture.h"
#include "core/screens.h"

namespace {

std::vector<int> emptylevel() { return std::vector<int>(LEVELINTS, 0); }

void setrec(std::vector<int>& v, int slot, std::initializer_list<int> rec) {
    int k = 0;
    for (int x : rec) v[1 + (slot - 1) * 9 + k++] = x;
}

void writelevel(const TempDir& d, int level, const std::vector<int>& v, size_t bytes = SIZE_MAX) {
    std::filesystem::create_directories(d.path / "data" / "levelz");
    char name[16];
    std::snprintf(name, sizeof name, "%03d.lvl", level);
    std::string b;
    for (int x : v)
        for (int k = 0; k < 4; k++) b.push_back((char)(((unsigned)x >> (8 * k)) & 0xff));
    if (bytes < b.size()) b.resize(bytes);
    std::ofstream(d.path / "data" / "levelz" / name, std::ios::binary) << b;
}

struct LevelFiles : CardsTest {
    TempDir dir;
    void SetUp() override {
        CardsTest::SetUp();
        pf::setdataroot(dir.path.string());
    }
    bool load(int level) {
        core.aktlevel = level;
        core.playlevel = level;
        return loadlevel();
    }
};

}  // namespace

TEST(LevelFileName, ByLevelNumber) {
    struct Case { int n; const char* name; };
    for (Case c : {Case{0, "data\\levelz/001.lvl"}, Case{-4, "data\\levelz/001.lvl"}, Case{5, "data\\levelz/005.lvl"},
                   Case{10, "data\\levelz/010.lvl"}, Case{42, "data\\levelz/042.lvl"}, Case{100, "data\\levelz/100.lvl"}})
        EXPECT_EQ(levelfilename(c.n), c.name) << c.n;
}

TEST_F(LevelFiles, RecordsAndFishAtTheirOffsets) {
    std::vector<int> v = emptylevel();
    setrec(v, 1, {99, 0, 40, 24, 1, 1, 1, 0, 77});
    setrec(v, 2, {7, 0, 40, 40, 1, 1, 2, 0, 0});
    setrec(v, 51, {23, 2, 200, 100, 0, 3, 1, 0, 0});
    for (int i = 460; i < 1405; i++) v[i] = 7;  // the unused block may hold anything
    v[1405] = 100, v[1406] = 50, v[1407] = 3;    // fish 1 begins at byte 5620
    v[1465] = v[1466] = v[1467] = -1;
    writelevel(dir, 1, v);
    ASSERT_TRUE(load(1));  // level 1: no random helper or special cards
    EXPECT_EQ(slot(51).cardtype, 23);
    EXPECT_EQ(slot(51).cardx, 400);
    EXPECT_EQ(slot(51).cardy, 200);
    EXPECT_EQ(slot(2).cardtype, 7);
    EXPECT_EQ(slot(52).cardtype, 0);
    const FishRec& f = akt().fish[1];
    EXPECT_EQ(f.fishx, 232);
    EXPECT_EQ(f.fishy, 100);
    EXPECT_EQ(f.fishtype, 3);
    EXPECT_TRUE(f.fishkind == 1 || f.fishkind == 3);
    for (int o = 1; o <= 3; o++) EXPECT_TRUE(f.fishorder[o] >= 5 && f.fishorder[o] <= 8) << o;
    EXPECT_EQ(akt().fish[2].fishtype, 0);
    EXPECT_EQ(cg.gamestat, 1);
    EXPECT_EQ(akt().stablecount, 50);  // two deck cards; the first aktcard is only requested so far
}

TEST_F(LevelFiles, HelperCardPasses) {
    // slots of type 99 without a lock are the candidates
    struct Case { int level; int candidates; int minpasses, maxpasses; int minhelpers; };
    for (Case c : {Case{1, 40, 0, 0, 0}, Case{2, 40, 1, 1, 0}, Case{3, 0, 100, 100, 0}, Case{3, 40, 1, 100, 2},
                   Case{12, 40, 1, 100, 2}}) {
        std::vector<int> v = emptylevel();
        for (int i = 1; i <= c.candidates; i++) setrec(v, i, {99, 0, 8 * (i % 8) + 16, 16, 1, i % 8 + 1, i / 8 + 1, 0, 0});
        setrec(v, 45, {99, 0, 300, 150, 0, 9, 1, 1, 0});  // locked: never a helper card
        writelevel(dir, c.level, v);
        akt() = Profile{};
        ASSERT_TRUE(load(c.level));
        int helpers = 0;
        for (int i = 1; i <= 51; i++)
            if (slot(i).cardtype == CT_HELPER) {
                helpers++;
                EXPECT_TRUE(slot(i).cardparam >= 1 && slot(i).cardparam <= 9);
            }
        EXPECT_NE(slot(45).cardtype, CT_HELPER);
        EXPECT_GE(helperpasses(), c.minpasses) << c.level;
        EXPECT_LE(helperpasses(), c.maxpasses) << c.level;
        EXPECT_GE(helpers, c.minhelpers) << c.level;
        if (c.level == 1) {
            EXPECT_EQ(helpers, 0);
        }
    }
}

TEST_F(LevelFiles, BrokenFilesSendThePlayerBack) {
    std::vector<int> v = emptylevel();
    setrec(v, 1, {99, 0, 40, 24, 1, 1, 1, 0, 0});
    writelevel(dir, 8, v, 5871);       // one byte short
    writelevel(dir, 9, v, 17);         // a stub
    writelevel(dir, 11, v, 0);         // empty
    for (int level : {7, 8, 9, 11}) {  // 7 does not exist
        resetcardgame();
        fade.fadeto = -3;
        EXPECT_FALSE(load(level)) << level;
        EXPECT_EQ(cg.gamestat, 0);
        EXPECT_EQ(fade.fadeto, screenroutines(SCREEN_MAP).entry ? SCREEN_MAP : SCREEN_MENU);
        EXPECT_EQ(slot(1).cardtype, 0);
        for (int t = 0; t < 5; t++) playdispatch();  // nothing runs on the empty table
    }
}

TEST_F(LevelFiles, HostileRecordsAreIgnored) {
    std::vector<int> v = emptylevel();
    setrec(v, 1, {5, 0, 40, 24, 1, 1, 1, 0, 0});  // the one good card
    setrec(v, 2, {5, 0, 40, 24, 1, 21, 1, 0, 0});  // stack above 20
    setrec(v, 3, {21, 12, 40, 24, 1, 1, 2, 0, 0});  // helper outside 1..9
    setrec(v, 4, {5, 0, -8, 24, 1, 1, 3, 0, 0});  // negative x
    setrec(v, 5, {5, 0, 2000000000, 24, 1, 1, 3, 0, 0});  // doubling would overflow
    setrec(v, 6, {5, 0, 40, 24, 1, -2, 3, 0, 0});  // negative stack
    setrec(v, 7, {5, 0, 40, 24, 1, 1, -5, 0, 0});  // negative layer
    setrec(v, 8, {5, 0, 40, 24, 1, 1, 9999, 0, 0});  // absurd layer
    setrec(v, 9, {5, 0, 40, 24, 1, 1, 3, 7, 0});  // unknown obstacle
    setrec(v, 10, {57, 0, 40, 24, 1, 1, 3, 0, 0});  // unknown type
    setrec(v, 11, {5, 0, 40, 700, 1, 1, 3, 0, 0});  // below the field
    v[1405] = -5000, v[1406] = 10, v[1407] = 2;  // fish off the field
    v[1408] = 10, v[1409] = 10, v[1410] = 9;     // unknown fish type
    writelevel(dir, 1, v, LEVELBYTES + 4000);     // trailing bytes are ignored
    ASSERT_TRUE(load(1));
    EXPECT_EQ(slot(1).cardtype, 5);
    for (int i = 2; i <= 11; i++) EXPECT_EQ(slot(i).cardtype, 0) << i;
    EXPECT_EQ(akt().fish[1].fishtype, 0);
    EXPECT_EQ(akt().fish[2].fishtype, 0);
    EXPECT_EQ(akt().stack[1].stackleft, 1);
    EXPECT_EQ(akt().stablecount, 51);
}

TEST_F(LevelFiles, ResumeKeepsEverything) {
    std::vector<int> v = emptylevel();
    for (int i = 1; i <= 30; i++) setrec(v, i, {99, 0, 16 * (i % 6) + 16, 16, 1, i % 6 + 1, i / 6 + 1, 0, 0});
    v[1405] = 100, v[1406] = 50, v[1407] = 3;
    writelevel(dir, 14, v);
    ASSERT_TRUE(load(14));
    for (int t = 0; t < 200; t++) playdispatch();
    ASSERT_EQ(cg.gamestat, 2);
    Profile saved = akt();
    saved.ingame = 1;
    std::filesystem::remove(dir.path / "data" / "levelz" / "014.lvl");  // not read again
    akt() = saved;
    resetcardgame();
    ASSERT_TRUE(load(14));
    EXPECT_EQ(cg.gamestat, 2);
    EXPECT_EQ(cg.dealtick, 190);
    EXPECT_EQ(akt().ingame, 0);
    for (int i = 1; i <= MAXCARDS; i++) {
        EXPECT_EQ(slot(i).cardtype, saved.card[i].cardtype) << i;
        EXPECT_EQ(slot(i).cardsuit, saved.card[i].cardsuit) << i;
        EXPECT_EQ(slot(i).deckused, saved.card[i].deckused) << i;
    }
    for (int o = 1; o <= 3; o++) EXPECT_EQ(akt().fish[1].fishorder[o], saved.fish[1].fishorder[o]);
    EXPECT_EQ(akt().stablecount, saved.stablecount);
    EXPECT_EQ(akt().aktcard, saved.aktcard);
}
