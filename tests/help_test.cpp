// The help popup (102): its pages, their pictures and the paging buttons.
#include <gtest/gtest.h>

#include "cards/cardart.h"
#include "cards/fishorders.h"
#include "core/globals.h"
#include "core/screens.h"
#include "app/startup.h"
#include "menus/help.h"
#include "menus/menu.h"
#include "menus/popups.h"
#include "present/effects.h"
#include "platform/control.h"
#include "testutil.h"

namespace {

struct Help : ::testing::Test {
    int midx = 0;
    float f = 350;  // the panel's top (0) + 350
    void SetUp() override {
        headlessgame();
        loadmaingraphics();
        registerscreens();
        fade.fadestate = 1;
        fade.fadelevel = 256;
        core.gamepause = -1;
        openpopup(POPUP_HELP);
        pop.popupfade = 16;
        pop.popupy = 0;
        pop.buttonlayer = 2;
        midx = disp.midx;
    }
    void tick(float x = 0, float y = 0, bool click = false, bool esc = false) {
        pf::clearscreen();
        in.mx = int(x);
        in.my = int(y);
        in.mhit1 = click ? 1 : 0;
        in.keyesc = esc ? 1 : 0;
        dopopups();
    }
    static int count(pf::Image* img) {
        int n = 0;
        for (const auto& d : pf::ctl::drawcalls())
            if (img && d.img == img) n++;
        return n;
    }
    void next() { tick(midx + 200, f + 300, true); }
    void prev() { tick(midx - 200, f + 300, true); }
};

}  // namespace

TEST_F(Help, EveryPageShowsItsPictures) {
    struct Case {
        int page;
        pf::Image** shown;
        int times;
    } cases[] = {
        {1, &art.back[1], 16},  // four stacks of three and the pile of four
        {1, &art.face[1][11], 1},
        {2, &foimg.orderbubble[2], 1},
        {2, &art.plants, 1},
        {3, &popimg.fishhelpershelp, 1},
        {3, &effimg.bigstar, 3},
        {4, &art.fishslap, 1},
        {5, &art.extra[7], 1},   // crab
        {6, &art.tool[3], 1},    // plant cutter
        {7, &art.extra[4], 1},   // turn all up
    };
    for (const Case& c : cases) {
        help.helppage = c.page;
        tick();
        ASSERT_NE(*c.shown, nullptr) << "page " << c.page;
        EXPECT_EQ(count(*c.shown), c.times) << "page " << c.page;
    }
}

TEST_F(Help, PagingStopsAtBothEnds) {
    help.helppage = 1;
    prev();
    EXPECT_EQ(help.helppage, 1) << "previous is inactive on page 1";
    for (int p = 2; p <= HELPPAGES; p++) {
        next();
        EXPECT_EQ(help.helppage, p);
    }
    next();
    EXPECT_EQ(help.helppage, 7) << "next is inactive on page 7";
    // page 7 shows one item only
    tick();
    EXPECT_EQ(count(art.extra[4]), 1);
    EXPECT_EQ(count(art.tool[3]), 0);
    EXPECT_EQ(count(art.tool[2]), 0);
    prev();
    EXPECT_EQ(help.helppage, 6);
    tick(midx, f + 300, true);
    EXPECT_EQ(pop.popupdir, 2) << "close";
}

TEST_F(Help, EscapeClosesOnTheSamePageAndTheLevelMenuOpensPageOne) {
    help.helppage = 3;
    // Escape with the pointer on next: the page stays all the same
    tick(midx + 200, f + 300, true, true);
    EXPECT_EQ(help.helppage, 3);
    EXPECT_EQ(pop.popupdir, 2);

    openpopup(298);
    pop.popupfade = 16;
    pop.popupy = 0;
    tick(midx + 82, 380, true);  // the in-level menu's help button
    EXPECT_EQ(pop.popup, POPUP_HELP);
    EXPECT_EQ(help.helppage, 1);

    help.helppage = 5;
    entermenu();
    EXPECT_EQ(help.helppage, 1) << "every main-menu entry starts the help anew";
}
