// The button widget and the popup system.
#include <gtest/gtest.h>

#include "platform/control.h"
#include "core/globals.h"
#include "core/loop.h"
#include "menus/popups.h"
#include "testutil.h"

namespace {

struct PopupFixture : ::testing::Test {
    void SetUp() override {
        headlessgame();
        loadpopupgraphics();
        fade.fadestate = 1;
        fade.fadelevel = 255;
        core.gamepause = -1;
        pop.buttonlayer = 2;
        pf::setcolour(255, 255, 255);
        pf::setalpha(1);
    }
    int hw() const { return pf::imagewidth(popimg.buttonimg[3]) / 2; }
    int hh() const { return pf::imageheight(popimg.buttonimg[3]) / 2; }
};

int countdraws(pf::Image* img) {
    int n = 0;
    for (const auto& d : pf::ctl::drawcalls())
        if (d.img == img) n++;
    return n;
}

}  // namespace

TEST_F(PopupFixture, HoverIsStrictlyInsideTheImage) {
    ASSERT_NE(popimg.buttonimg[3], nullptr);
    const float x = 500, y = 300;
    struct Case {
        int dx, dy, state;
    } cases[] = {
        {-hw(), 0, 0},     {-hw() + 1, 0, 2}, {hw(), 0, 0},     {hw() - 1, 0, 2},
        {0, -hh(), 0},     {0, -hh() + 1, 2}, {0, hh(), 0},     {0, hh() - 1, 2},
        {0, 0, 2},
    };
    for (const Case& c : cases) {
        in.mx = int(x) + c.dx;
        in.my = int(y) + c.dy;
        in.mhit1 = 0;
        EXPECT_EQ(button(x, y, 3, 2, ""), c.state) << "offset " << c.dx << "," << c.dy;
    }
}

TEST_F(PopupFixture, ClickIsConsumedAndOnlyOnTheActiveLayer) {
    in.mx = 500;
    in.my = 300;
    in.mhit1 = 1;
    EXPECT_EQ(button(500, 300, 3, 1, ""), 0) << "layer 1 while popups answer on 2";
    EXPECT_EQ(in.mhit1, 1);
    EXPECT_EQ(button(500, 300, 3, -1, ""), 0);
    EXPECT_EQ(button(500, 300, 3, 2, ""), 3);
    EXPECT_EQ(in.mhit1, 0) << "the click is consumed";
    EXPECT_EQ(button(500, 300, 3, 2, ""), 2) << "a second button under it sees no click";
}

TEST_F(PopupFixture, NoReactionDuringFadeOrPause) {
    in.mx = 500;
    in.my = 300;
    in.mhit1 = 1;
    fade.fadestate = 2;
    EXPECT_EQ(button(500, 300, 3, 2, ""), 0);
    fade.fadestate = 1;
    core.gamepause = 1;
    EXPECT_EQ(button(500, 300, 3, 2, ""), 0);
    EXPECT_EQ(in.mhit1, 1);
    EXPECT_EQ(countdraws(popimg.buttonimg[3]), 2) << "still drawn";
}

TEST_F(PopupFixture, OtherLayerIsDrawnDimmedAndHoverIsLitAdditively) {
    pf::clearscreen();
    in.mx = 0;
    in.my = 0;
    button(500, 300, 3, 1, "");
    ASSERT_EQ(pf::ctl::drawcalls().size(), 1u);
    EXPECT_EQ(pf::ctl::drawcalls()[0].r, 127);
    pf::clearscreen();
    in.mx = 500;
    in.my = 300;
    button(500, 300, 3, 2, "");
    ASSERT_EQ(pf::ctl::drawcalls().size(), 2u);
    EXPECT_EQ(pf::ctl::drawcalls()[0].r, 255);
    EXPECT_EQ(pf::ctl::drawcalls()[1].blend, 4);
    EXPECT_FLOAT_EQ(pf::ctl::drawcalls()[1].alpha, 0.15f);
    EXPECT_EQ(pf::getblend(), 3);
    EXPECT_FLOAT_EQ(pf::getalpha(), 1.0f);
}

TEST_F(PopupFixture, SliderKnobReportsHeldOnlyInTheOptions) {
    in.mx = 500;
    in.my = 300;
    in.mdown1 = 1;
    in.mhit1 = 1;
    pop.popup = 100;
    EXPECT_EQ(button(500, 300, 5, 2, ""), 4);
    in.mhit1 = 1;
    EXPECT_EQ(button(500, 300, 3, 2, ""), 3) << "other styles click as usual";
    pop.popup = 103;
    in.mhit1 = 1;
    EXPECT_EQ(button(500, 300, 5, 2, ""), 3);
}

TEST_F(PopupFixture, OpensOpaqueAfterFifteenTicksAndIsForgottenOneTickAfterClosing) {
    openpopup(555);
    EXPECT_EQ(pop.popup, 555);
    EXPECT_EQ(pop.popupfade, 1);
    for (int i = 0; i < 14; i++) dopopups();
    EXPECT_EQ(pop.popupfade, 15);
    dopopups();
    EXPECT_EQ(pop.popupfade, 16);
    dopopups();
    EXPECT_EQ(pop.popupfade, 16);
    pop.popupdir = 2;
    for (int i = 0; i < 16; i++) dopopups();
    EXPECT_EQ(pop.popupfade, 0);
    EXPECT_EQ(pop.popup, 555) << "the routine still ran in the last closing tick";
    dopopups();
    EXPECT_EQ(pop.popup, 0);
}

TEST_F(PopupFixture, PanelSlidesDownAndFollowsThePopupAlpha) {
    static int runs = 0;
    runs = 0;
    setpopuproutine(556, [] {
        runs++;
        popupsmall(disp.midx, "title");
    });
    pop.popupy = -768;
    openpopup(556);
    for (int i = 0; i < 7; i++) dopopups();
    pf::clearscreen();
    dopopups();  // popupfade 9 -> alpha 9/16
    EXPECT_EQ(runs, 8);
    bool found = false;
    for (const auto& d : pf::ctl::drawcalls())
        if (d.img == popimg.popupsmall) {
            found = true;
            EXPECT_FLOAT_EQ(d.alpha, 9 / 16.0f);
            EXPECT_FLOAT_EQ(d.y, pop.popupy);
        }
    EXPECT_TRUE(found);
    for (int i = 0; i < 14; i++) dopopups();
    EXPECT_GT(pop.popupy, -768 * 0.1f) << "90 % of the way in 22 ticks";
    EXPECT_FLOAT_EQ(pf::getalpha(), 1.0f) << "dopopups restores the alpha";
}

TEST_F(PopupFixture, UnknownIdShowsOnlyTheDimmingAndHintsAreNotDimmed) {
    openpopup(777);
    pf::clearscreen();
    dopopups();
    EXPECT_EQ(countdraws(popimg.dimimg), 28);
    EXPECT_EQ(pf::ctl::drawcalls().size(), 28u);
    openpopup(601);
    pf::clearscreen();
    dopopups();
    EXPECT_EQ(countdraws(popimg.dimimg), 0);
}

TEST_F(PopupFixture, OpeningAnotherRestartsTheSlideAndSwitchingDoesNot) {
    openpopup(555);
    for (int i = 0; i < 20; i++) dopopups();
    switchpopup(556);
    EXPECT_EQ(pop.popupfade, 16);
    EXPECT_EQ(pop.popup, 556);
    openpopup(557);
    EXPECT_EQ(pop.popupfade, 1);
    EXPECT_EQ(pop.popup, 557);
}

TEST_F(PopupFixture, OpeningDiscardsTypedCharacters) {
    pf::ctl::text('x');
    pf::ctl::text('y');
    openpopup(555);
    EXPECT_EQ(pf::getchar(), 0);
}

TEST(PopupTitles, UpperCasedAndTrimmed) {
    struct Case {
        std::string in, out;
    } cases[] = {
        {"  options \r", "OPTIONS"},
        {"gr\xfc\xdf" "e", "GR\xdc\xdf" "E"},       // Latin-1: ü -> Ü, ß stays
        {"gr\xc3\xbc\xc3\x9f" "e", "GR\xc3\x9c\xc3\x9f" "E"},  // the same in UTF-8
        {"\xd0\xbc\xd0\xb5\xd0\xbd\xd1\x8e", "\xd0\x9c\xd0\x95\xd0\x9d\xd0\xae"},  // меню -> МЕНЮ
        {"", ""},
        {"   ", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(uppertitle(c.in), c.out) << c.in;
}

// Pairs of buttons the screens place side by side, centre to centre: the
// pictures must leave a gap, or one label sits on the other and a click near
// the middle hits the wrong one.
TEST_F(PopupFixture, ButtonsPlacedSideBySideLeaveAGap) {
    struct Case {
        int style, spacing;
        const char* where;
    } cases[] = {
        {25, 160, "tutorial OK and Next"},
        {3, 164, "small popups' button pairs"},
        {1, 300, "lost level: map and retry"},
    };
    for (const Case& c : cases) {
        ASSERT_NE(popimg.buttonimg[c.style], nullptr) << c.where;
        EXPECT_LT(pf::imagewidth(popimg.buttonimg[c.style]), c.spacing) << c.where;
    }
}
