#include <gtest/gtest.h>

#include "app/startup.h"
#include "platform/control.h"
#include "core/globals.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "menus/popups.h"
#include "meta/maphints.h"
#include "testutil.h"

namespace {

// Runs the popup system for n ticks with Escape held or not.
void ticks(int n, int esc) {
    for (int i = 0; i < n; i++) {
        core.framecount++;
        in.keyesc = esc;
        pf::clearscreen();
        dopopups();
    }
}

}  // namespace

// The map opens these two hints by itself; without their routines the
// dimmed map took no click and no key, and the player was stuck.
TEST(MapHints, BothHintsDrawAndCloseWithEscape) {
    struct Case { int id; int casinohint; };
    for (Case c : {Case{601, 0}, Case{603, 1}}) {
        headlessgame();
        registerscreens();
        pf::automidhandle(true);
        loadpopupgraphics();
        players.aktplayer = 1;
        akt().casinohint = 0;
        ASSERT_NE(popuproutine(c.id), nullptr) << c.id;
        openpopup(c.id);
        ticks(20, 0);
        EXPECT_EQ(pop.popup, c.id);
        EXPECT_GE(pf::ctl::drawcalls().size(), 3u) << "panel, button and arrow";
        ticks(1, 1);
        ticks(20, 0);
        EXPECT_EQ(pop.popup, 0) << c.id << " closes";
        EXPECT_EQ(akt().casinohint, c.casinohint) << "the casino hint is shown once";
    }
}
