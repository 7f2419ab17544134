// The card-game screen's pictures loaded and a fresh player at level 1, on
// the headless backend; saves go to a scratch folder.
#pragma once

#include <gtest/gtest.h>

#include "cards/cardgame.h"
#include "cards/gamescreen.h"
#include "core/globals.h"
#include "core/profiles.h"
#include "menus/popups.h"
#include "platform/platform.h"
#include "testutil.h"

struct GameScreenFixture : ::testing::Test {
    TempDir dir;

    void SetUp() override {
        headlessgame(1);
        core.userpath = dir.str();
        pf::automidhandle(true);
        loadpopupgraphics();
        loadcardstuff();
        loadhudstuff();
        loadgamestuff_dynamic();
        players.aktplayer = 1;
        akt() = Profile{};
        akt().playername = "Tester";
        akt().maxlevel = 1;
        akt().sellevel = 1;
        in.mouseon = 1;
    }
    void TearDown() override { freecardstuff(); }
};
