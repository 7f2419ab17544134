// The adventure map on the headless backend: the shipped layout, the opening
// page, scrolling, page changes, nodes and casinos, the level start, the
// layout reader against bad files, and the editor's round trip.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/globals.h"
#include "core/profiles.h"
#include "menus/popups.h"
#include "meta/map.h"
#include "present/fonts.h"
#include "platform/control.h"
#include "platform/platform.h"
#include "testutil.h"

namespace fs = std::filesystem;

namespace {

std::vector<int> sounds;

class MapTest : public ::testing::Test {
protected:
    TempDir user;
    void SetUp() override {
        headlessgame();
        core.userpath = user.str();
        players.aktplayer = 1;
        akt().playername = "Tester";
        sounds.clear();
        maphooks.soundspy = [](int id, int) { sounds.push_back(id); };
    }
    void TearDown() override { resetmap(); }

    // Enters the map for a player at maxlevel m and runs one frame.
    void enter(int m) {
        akt().maxlevel = m;
        core.screen = 0;
        instadventuremap(0);
        fade.fadeto = 13;
        frame();
    }
    void frame() {
        pf::clearscreen();
        showadventuremap();
        in.mhit1 = in.mhit2 = 0;
    }
    // Puts the page so that map x sits at screen x 500.
    void lookat(int mapx) {
        mapstate.mapscroll = mapstate.mapscrolltarget = float(500 - mapx);
    }
    int count(const std::string& file) {
        int n = 0;
        for (const auto& d : pf::ctl::drawcalls())
            if (d.path.size() >= file.size() && d.path.compare(d.path.size() - file.size(), file.size(), file) == 0) n++;
        return n;
    }
    void pointer(float x, float y) {
        in.mx = int(x);
        in.my = int(y);
    }
    int nodex(int page, int j) { return maplayout.mappointx[page][j]; }
    int nodey(int page, int j) { return maplayout.mappointy[page][j]; }
};

// A data folder of our own, holding the map and pointer pictures of the
// generated one and whatever layout file the test writes.
struct DataCopy {
    TempDir dir;
    DataCopy() {
        fs::path from = fs::path(TW_DATA_DIR);
        fs::create_directories(dir.path / "data");
        fs::copy(from / "map", dir.path / "data" / "map", fs::copy_options::recursive);
        fs::copy(from / "ui", dir.path / "data" / "ui", fs::copy_options::recursive);
        fs::remove(dir.path / "data" / "map" / "mappoints.txt");
        pf::setdataroot(dir.path.string());
    }
    fs::path layout() const { return dir.path / "data" / "map" / "mappoints.txt"; }
    void write(const std::string& bytes) const {
        std::ofstream(layout(), std::ios::binary) << bytes;
    }
};

}  // namespace

TEST_F(MapTest, ShippedLayoutHoldsTheFourPages) {
    loadmappoints();
    const int counts[] = {0, 17, 17, 20, 20, 0};
    const int starts[] = {0, 17, 34, 54, 74, 74};
    for (int p = 1; p <= 5; p++) {
        EXPECT_EQ(maplayout.mappointcount[p], counts[p]) << "page " << p;
        EXPECT_EQ(maplayout.mappagestart[p], starts[p]) << "page " << p;
    }
    EXPECT_EQ(maplayout.mappagestart[0], 0);
    EXPECT_EQ(maplevel(2, 1), 18);
    EXPECT_EQ(maplevel(3, 1), 35);
    EXPECT_EQ(maplevel(4, 1), 55);
    EXPECT_EQ(maplevel(4, 20), 74);
    // Every node inside the page, clear of the top bar and the buttons, and
    // drawn with one of the three styles.
    for (int p = 1; p <= 4; p++)
        for (int j = 1; j <= counts[p]; j++) {
            int t = maplayout.mappointtype[p][j];
            EXPECT_TRUE(t == 1 || t == 3 || t == 5) << p << "/" << j;
            EXPECT_GE(nodex(p, j), 150);
            EXPECT_LE(nodex(p, j), MAPWIDTH - 150);
            EXPECT_GE(nodey(p, j), 200) << p << "/" << j;
            EXPECT_LE(nodey(p, j), 600) << p << "/" << j;
            int level = maplevel(p, j);
            // casinos keep their tooltip below the bar
            if (iscasinolevel(level)) {
                EXPECT_GE(nodey(p, j), 330) << "level " << level;
            }
            bool boss = level == 16 || level == 17 || (level >= 32 && level <= 34) || (level >= 52 && level <= 54) ||
                        level >= 72;
            if (boss) {
                EXPECT_EQ(t, 3) << "level " << level;
            }
        }
}

TEST_F(MapTest, OpensOnThePageOfTheFrontier) {
    struct Case {
        int maxlevel, page, point;
    };
    const Case cases[] = {{1, 1, 1},  {17, 1, 17}, {18, 2, 1},  {34, 2, 17}, {35, 3, 1},
                          {54, 3, 20}, {55, 4, 1}, {74, 4, 20}, {75, 4, 20}};
    for (int width : {1024, 1366}) {
        disp.gfxwidth = width;
        for (const Case& c : cases) {
            enter(c.maxlevel);
            EXPECT_EQ(mapstate.aktmap, c.page) << "maxlevel " << c.maxlevel;
            float want = std::max(200.0f - nodex(c.page, c.point), float(width - MAPWIDTH));
            EXPECT_FLOAT_EQ(mapstate.mapscrolltarget, std::min(want, 0.0f)) << "maxlevel " << c.maxlevel;
            // Once the scroll settles the frontier node is on screen.
            for (int i = 0; i < 300; i++) frame();
            float x = nodex(c.page, c.point) + mapstate.mapscroll;
            EXPECT_GE(x, 0);
            EXPECT_LE(x, width);
        }
    }
}

TEST_F(MapTest, EdgeScrollingStaysInsideTheClamps) {
    for (int width : {1024, 1366}) {
        disp.gfxwidth = width;
        enter(1);
        pointer(float(width - 1), 400);
        for (int i = 0; i < 1500; i++) {
            frame();
            ASSERT_GE(mapstate.mapscroll, float(width - MAPWIDTH) - 0.01f);
            ASSERT_LE(mapstate.mapscroll, 0.01f);
        }
        EXPECT_NEAR(mapstate.mapscroll, width - MAPWIDTH, 1.0f);
        // In the top 100 pixels the map does not move.
        pointer(0, 60);
        float held = mapstate.mapscrolltarget;
        for (int i = 0; i < 100; i++) frame();
        EXPECT_FLOAT_EQ(mapstate.mapscrolltarget, held);
        pointer(0, 400);
        for (int i = 0; i < 1500; i++) frame();
        EXPECT_NEAR(mapstate.mapscroll, 0, 1.0f);
        EXPECT_LE(mapstate.mapscroll, 0.01f);
        // An open popup stops it too.
        pop.popup = 601;
        pointer(float(width - 1), 400);
        frame();
        EXPECT_FLOAT_EQ(mapstate.mapscrolltarget, 0);
        pop.popup = 0;
    }
}

TEST_F(MapTest, PageChangeFadesOutFlipsAndFadesIn) {
    enter(40);
    ASSERT_EQ(mapstate.aktmap, 3);
    mapstate.mapswitch = 1;
    mapstate.maptarget = 2;
    int flippedat = 0;
    for (int i = 0; i < 45 && mapstate.mapswitch > 0; i++) {
        frame();
        if (mapstate.aktmap == 2 && !flippedat) flippedat = mapstate.mapswitch;
        // page pictures fade with the switch, the top bar does not
        for (const auto& d : pf::ctl::drawcalls()) {
            if (d.path.find("mapuileft") != std::string::npos) {
                EXPECT_FLOAT_EQ(d.alpha, 1.0f);
            }
            if (d.path.find("mapbg") != std::string::npos && mapstate.mapswitch == 10) {
                EXPECT_NEAR(d.alpha, 0.5f, 1e-4);
            }
        }
    }
    EXPECT_EQ(flippedat, 21);
    EXPECT_EQ(mapstate.mapswitch, 0);
    // going back lands at the right end of the earlier page
    EXPECT_FLOAT_EQ(mapstate.mapscrolltarget, float(disp.gfxwidth - MAPWIDTH + 20));
    EXPECT_TRUE(mapforwardopen(2, 40));
}

TEST_F(MapTest, ForwardButtonFollowsTheFirstLevelsOfThePages) {
    struct Case {
        int page, maxlevel;
        bool open;
    };
    const Case cases[] = {{1, 17, false}, {1, 18, true},  {2, 34, false}, {2, 35, true},
                          {3, 54, false}, {3, 55, true},  {4, 75, false}, {1, 1, false}};
    for (const Case& c : cases) EXPECT_EQ(mapforwardopen(c.page, c.maxlevel), c.open) << c.page << "/" << c.maxlevel;
}

TEST_F(MapTest, StarsOnlyOnCompletedLevels) {
    for (int l = 1; l <= 74; l++) akt().levelstars[l] = 1 + l % 3;
    enter(10);
    int want = 0;
    for (int l = 1; l < 10; l++) want += 1 + l % 3;
    EXPECT_EQ(count("mapstar.png"), want);
    // the frontier pulses, locked nodes sit in bubbles
    EXPECT_EQ(count("map/bubble.png"), 17 - 10);
    enter(75);
    for (int l = 1; l <= 74; l++) akt().levelstars[l] = 3;
    frame();
    EXPECT_EQ(count("mapstar.png"), 20 * 3);
    EXPECT_EQ(count("map/bubble.png"), 0);
    enter(1);
    EXPECT_EQ(count("mapstar.png"), 0);
}

TEST_F(MapTest, CasinoEntranceCountsGamesAndRefusesWhenSpent) {
    enter(20);
    ASSERT_EQ(mapstate.aktmap, 2);
    mapstate.aktmap = 1;  // level 8 lives on page 1
    lookat(nodex(1, 8));
    float cx = nodex(1, 8) + mapstate.mapscroll + 50, cy = float(nodey(1, 8) - 50);
    pointer(cx, cy);
    akt().casinoplays[8] = 5;
    in.mhit1 = 1;
    frame();
    EXPECT_EQ(sounds, std::vector<int>{10});
    EXPECT_EQ(fade.fadeto, 13);
    EXPECT_EQ(mapstate.casinohover, 8);
    // a casino with games left opens on a click
    akt().casinoplays[8] = 4;
    in.mhit1 = 1;
    frame();
    EXPECT_EQ(fade.fadeto, 23);
    EXPECT_EQ(core.casinoentry, 8);
    EXPECT_EQ(sounds.back(), 32);
}

TEST_F(MapTest, CasinoBesideLockedLevelIsClosed) {
    enter(5);
    lookat(nodex(1, 8));
    pointer(nodex(1, 8) + mapstate.mapscroll + 50, float(nodey(1, 8) - 50));
    in.mhit1 = 1;
    frame();
    EXPECT_EQ(count("casinoout.png"), 2);  // levels 8 and 14
    EXPECT_EQ(count("map/casino.png"), 0);
    EXPECT_EQ(mapstate.casinohover, 0);
    EXPECT_EQ(fade.fadeto, 13);
}

TEST_F(MapTest, ClickOnNodeStartsItsLevel) {
    struct Case {
        int page, point, maxlevel, screen, param;
    };
    // level 2: card game; level 11: its story first; a locked node: nothing
    const Case cases[] = {{1, 2, 5, 12, 0}, {1, 11, 12, 18, 2}, {1, 6, 5, 13, 0}};
    for (const Case& c : cases) {
        enter(c.maxlevel);
        fade.fadeto = 13;
        fade.fadeparam = 0;
        mapstate.aktmap = c.page;
        lookat(nodex(c.page, c.point));
        pointer(nodex(c.page, c.point) + mapstate.mapscroll, float(nodey(c.page, c.point)));
        in.mhit1 = 1;
        frame();
        EXPECT_EQ(fade.fadeto, c.screen) << "point " << c.point;
        EXPECT_EQ(fade.fadeparam, c.param) << "point " << c.point;
        if (c.screen != 13) {
            EXPECT_EQ(core.playlevel, c.point);
            EXPECT_EQ(akt().sellevel, c.point);
        }
    }
}

TEST_F(MapTest, ClickOnOtherLevelDiscardsTheSuspendedGame) {
    for (int same : {0, 1}) {
        enter(10);
        akt().ingame = 1;
        akt().sellevel = same ? 3 : 7;
        akt().savedpoints = 500;
        lookat(nodex(1, 3));
        pointer(nodex(1, 3) + mapstate.mapscroll, float(nodey(1, 3)));
        in.mhit1 = 1;
        frame();
        EXPECT_EQ(fade.fadeto, 12);
        EXPECT_EQ(akt().ingame, same ? 1 : 0);
        EXPECT_EQ(akt().savedpoints, same ? 500 : 0);
        if (!same) {
            // the discard reached the file too
            Profile back;
            std::ifstream f(playerfile(1), std::ios::binary);
            std::string bytes((std::istreambuf_iterator<char>(f)), {});
            ASSERT_TRUE(decodeprofile(bytes, back));
            EXPECT_EQ(back.ingame, 0);
        }
    }
}

TEST_F(MapTest, StartLevelGoesToItsStory) {
    struct Case {
        int level, screen, param;
    };
    const Case cases[] = {{1, 18, 1},  {2, 12, 0},  {11, 18, 2},  {17, 18, 5},  {25, 18, 7}, {36, 12, 0},
                          {55, 18, 15}, {62, 18, 17}, {74, 18, 20}, {75, 18, 21}, {73, 18, 19}};
    int cleared = 0;
    static int* counter = nullptr;
    counter = &cleared;
    maphooks.clearretry = [] { (*counter)++; };
    for (const Case& c : cases) {
        startlevel(c.level);
        EXPECT_EQ(fade.fadeto, c.screen) << "level " << c.level;
        EXPECT_EQ(fade.fadeparam, c.param) << "level " << c.level;
    }
    EXPECT_EQ(cleared, int(std::size(cases)));
}

TEST_F(MapTest, TutorialPopupsAtTick50) {
    struct Case {
        int maxlevel, casinohint, popup;
    };
    const Case cases[] = {{3, 0, 601}, {8, 0, 603}, {8, 1, 0}, {4, 0, 0}};
    for (const Case& c : cases) {
        akt().casinohint = c.casinohint;
        enter(c.maxlevel);
        for (int i = 0; i < 48; i++) frame();
        EXPECT_EQ(pop.popup, 0);
        frame();
        EXPECT_EQ(pop.popup, c.popup) << "maxlevel " << c.maxlevel;
        pop.popup = 0;
    }
}

TEST_F(MapTest, TopBarShowsPearlsAndProgress) {
    // The counter stops at 74/74 once everything is won.
    loadfonts();
    akt().pearls = 1234;
    enter(75);
    EXPECT_EQ(mapstate.aktmap, 4);
    for (int m : {1, 40, 75}) {
        akt().maxlevel = m;
        frame();
        // drawn texts are glyph calls: compare their count with the text's
        int glyphs = 0;
        for (const auto& d : pf::ctl::drawcalls())
            if (d.path.find("font_ME_28_white") != std::string::npos) glyphs++;
        std::string counter = m > 74 ? "74/74" : std::to_string(m) + "/74";
        EXPECT_EQ(glyphs, int(std::string("1234").size() + counter.size())) << m;
    }
}

TEST(MapLayoutFile, MissingShortAndHostileFilesLeaveNoBadNodes) {
    headlessgame();
    DataCopy data;
    players.aktplayer = 1;
    struct Case {
        const char* name;
        std::string bytes;
        bool exists;
        int page1, total;
    };
    std::string full;
    for (int i = 0; i < 1500; i++) full += (i % 3 == 2 ? "1" : "300") + std::string("\n");
    std::string hostile = "abc\n-99999999999999\n7\n\n\n\n99999999999\n-5\n2\n" + std::string(5000, 'x') +
                          std::string("\n\0\n6\n", 5);
    const Case cases[] = {
        {"missing", "", false, 0, 0},
        {"empty", "", true, 0, 0},
        {"short", "100\n300\n1\n250\n320\n3\n400\n", true, 2, 2},
        {"crlf", "100\r\n300\r\n5\r\n", true, 1, 1},
        {"full of nodes", full + "more\nlines\nafter\n", true, 100, 500},
        {"hostile", hostile, true, 3, 3},
    };
    for (const Case& c : cases) {
        if (c.exists) data.write(c.bytes);
        else fs::remove(data.layout());
        loadmappoints();
        EXPECT_EQ(maplayout.mappointcount[1], c.page1) << c.name;
        EXPECT_EQ(maplayout.mappagestart[5], c.total) << c.name;
        // The screen runs on any of them, on every page, at any progress.
        for (int m : {0, 1, 74, 300}) {
            akt().maxlevel = m;
            for (int l = 1; l <= 300; l++) akt().levelstars[l] = l % 4;
            core.screen = 0;
            instadventuremap(0);
            for (int page = 1; page <= 4; page++) {
                mapstate.aktmap = page;
                in.mx = 500, in.my = 300, in.mhit1 = 1;
                pf::clearscreen();
                showadventuremap();
            }
        }
    }
    resetmap();
}

TEST(MapLayoutFile, EditorAddsDragsRestylesDeletesAndWritesBack) {
    headlessgame();
    DataCopy data;
    std::string shipped;
    {
        std::ifstream f(fs::path(TW_DATA_DIR) / "map" / "mappoints.txt", std::ios::binary);
        shipped.assign(std::istreambuf_iterator<char>(f), {});
    }
    data.write(shipped);
    players.aktplayer = 1;
    akt().maxlevel = 5;
    core.debugmode = 1;
    core.screen = 0;
    instadventuremap(0);
    auto run = [] {
        pf::clearscreen();
        showadventuremap();
        in.mhit1 = in.mhit2 = 0;
        in.keyesc = in.keyf3 = 0;
    };
    // F3 switches the editor on its press, however long it is held.
    in.mx = 500, in.my = 400;
    for (int i = 0; i < 4; i++) {
        in.keyf3 = 1;
        pf::clearscreen();
        showadventuremap();
    }
    in.keyf3 = 0;
    run();
    ASSERT_EQ(mapstate.mapeditor, 1);
    mapstate.aktmap = 1;
    mapstate.mapscroll = mapstate.mapscrolltarget = -100;

    // add: a click on open water appends node 18 at the pointer's map position
    ASSERT_EQ(maplayout.mappointcount[1], 17);
    in.mx = 520, in.my = 660;
    in.mdown1 = 1, in.mhit1 = 1;
    run();
    in.mdown1 = 0;
    run();
    EXPECT_EQ(maplayout.mappointcount[1], 18);
    EXPECT_EQ(maplayout.mappointx[1][18], 620);
    EXPECT_EQ(maplayout.mappointy[1][18], 660);
    EXPECT_EQ(maplayout.mappointtype[1][18], 1);
    EXPECT_EQ(maplayout.mappagestart[2], 35);  // the next pages' levels move on
    std::string written;
    {
        std::ifstream f(data.layout(), std::ios::binary);
        written.assign(std::istreambuf_iterator<char>(f), {});
    }
    EXPECT_NE(written, shipped);

    // drag: node 2 follows the held button, even past its own picture
    int x2 = maplayout.mappointx[1][2], y2 = maplayout.mappointy[1][2];
    in.mx = x2 - 100, in.my = y2;
    in.mdown1 = 1;
    run();
    for (int step = 1; step <= 5; step++) {
        in.mx += 30, in.my -= 8;
        run();
    }
    in.mdown1 = 0;
    run();
    EXPECT_EQ(maplayout.mappointx[1][2], x2 + 150);
    EXPECT_EQ(maplayout.mappointy[1][2], y2 - 40);

    // restyle: right clicks cycle 1 -> 3 -> 5 -> 1
    int x3 = maplayout.mappointx[1][3] - 100, y3 = maplayout.mappointy[1][3];
    ASSERT_EQ(maplayout.mappointtype[1][3], 1);
    for (int want : {3, 5, 1, 3}) {
        in.mx = x3, in.my = y3, in.mhit2 = 1;
        run();
        EXPECT_EQ(maplayout.mappointtype[1][3], want);
    }

    // delete: Esc over node 4; the rest close up
    int x5 = maplayout.mappointx[1][5];
    in.mx = maplayout.mappointx[1][4] - 100, in.my = maplayout.mappointy[1][4];
    in.keyesc = 1;
    pf::clearscreen();
    showadventuremap();
    in.keyesc = 0;
    EXPECT_EQ(maplayout.mappointcount[1], 17);
    EXPECT_EQ(maplayout.mappointx[1][4], x5);
    EXPECT_EQ(maplayout.mappointtype[1][18], 0);

    // the write-back reads the same
    MapLayout before = maplayout;
    ASSERT_TRUE(savemappoints());
    loadmappoints();
    for (int p = 1; p <= MAPFILEPAGES; p++)
        for (int j = 1; j <= MAPPOINTS; j++) {
            ASSERT_EQ(maplayout.mappointx[p][j], before.mappointx[p][j]);
            ASSERT_EQ(maplayout.mappointy[p][j], before.mappointy[p][j]);
            ASSERT_EQ(maplayout.mappointtype[p][j], before.mappointtype[p][j]);
        }
    EXPECT_EQ(maplayout.mappagestart[5], 74);
    resetmap();
}

TEST(MapLayoutFile, ShippedFileRoundTripsByteForByte) {
    headlessgame();
    DataCopy data;
    std::string shipped;
    {
        std::ifstream f(fs::path(TW_DATA_DIR) / "map" / "mappoints.txt", std::ios::binary);
        shipped.assign(std::istreambuf_iterator<char>(f), {});
    }
    data.write(shipped);
    loadmappoints();
    ASSERT_TRUE(savemappoints());
    std::ifstream f(data.layout(), std::ios::binary);
    std::string back((std::istreambuf_iterator<char>(f)), {});
    EXPECT_EQ(back, shipped);
    int lines = 0;
    for (char c : back) lines += c == '\n';
    EXPECT_EQ(lines, 1500);
    resetmap();
}
