// The card-game tutorial: its two buttons side by side and where each leads.
#include <gtest/gtest.h>

#include "cards/cardgame.h"
#include "cards/gamescreen.h"
#include "core/globals.h"
#include "core/loop.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "menus/popups.h"
#include "platform/platform.h"
#include "gamescreen_fixture.h"
#include "testutil.h"

namespace {

struct Tutor : GameScreenFixture {
    void SetUp() override {
        GameScreenFixture::SetUp();
        core.playlevel = 1;
        core.screen = SCREEN_MAP;
        instgame();
        fade.fadestate = 1;
        fade.fadelevel = 255;
    }

    static void frame(int n = 1) {
        for (int k = 0; k < n; k++) {
            pf::clearscreen();
            core.framecount++;
            showgame();
        }
    }

    // A click at (x, button row) on the given page; returns the page after it.
    static int clickon(int page, int x) {
        tut.tutorialon = 1;
        tut.tutorialpage = page;
        in.mx = x;
        in.my = disp.midy + 144;
        in.mhit1 = 1;
        frame();
        in.mhit1 = 0;
        return tut.tutorialon ? tut.tutorialpage : 0;
    }
};

}  // namespace

// The two buttons stand 160 pixels apart; a picture wider than that would let
// the first one drawn (OK) swallow clicks meant for the inner end of Next.
TEST_F(Tutor, BothButtonsOfATwoButtonPageAnswerRightUpToTheirInnerEnds) {
    frame(201);
    ASSERT_EQ(tut.tutorialpage, 1) << "a new player's first level opens the tutorial";
    ASSERT_NE(popimg.buttonimg[25], nullptr);
    int hw = pf::imagewidth(popimg.buttonimg[25]) / 2;
    int mx = disp.midx;
    struct Case {
        int page, x, after;
        const char* what;
    } cases[] = {
        {1, mx + 80 - hw + 1, 2, "inner end of Next moves on by one"},
        {1, mx + 80, 2, "middle of Next"},
        {1, mx - 80 + hw - 1, 7, "inner end of OK skips to the bars"},
        {1, mx - 80, 7, "middle of OK"},
        {1, mx, 1, "the gap between them"},
        {8, mx + 80 - hw + 1, 9, "Next on page 8"},
        {9, mx, 0, "OK on the last page ends the tutorial"},
    };
    for (const Case& c : cases) EXPECT_EQ(clickon(c.page, c.x), c.after) << c.what;
}
