// A card table on the headless backend: helpers to lay cards by hand, run
// ticks and click, shared by the card-engine tests.
#pragma once

#include <gtest/gtest.h>

#include "platform/control.h"
#include "cards/cardgame.h"
#include "cards/gamescreen.h"
#include "core/globals.h"
#include "core/profiles.h"
#include "testutil.h"

struct CardsTest : ::testing::Test {
    void SetUp() override {
        headlessgame(1);
        resetcardgame();
        resetplaystate();
        players.aktplayer = 1;
        akt() = Profile{};
        tut.tutorialon = 0;
    }

    static CardSlot& slot(int i) { return akt().card[i]; }

    // A card lying at (x, y), free when nothing above it in its stack.
    static void lay(int i, int type, int x, int y, int stack, int layer, int lock = 0, int param = 0, int flip = 1) {
        CardSlot& c = slot(i);
        c = CardSlot{};
        c.cardtype = type;
        c.cardparam = param;
        c.cardx = x;
        c.cardy = y;
        c.cardstack = stack;
        c.cardlayer = layer;
        c.cardlock = lock;
        c.cardflip = flip;
    }

    // Prepares the laid cards and skips the deal: cards at their places,
    // playing, the given aktcard turned up.
    static void startplay(int level, int aktvalue = 5) {
        core.aktlevel = level;
        core.playlevel = level;
        preparecards();
        for (int i = 1; i <= MAXCARDS; i++) {
            CardSlot& c = slot(i);
            c.cardposx = c.cardx;
            c.cardposy = c.cardy;
            c.carddealtime = 90;
        }
        Profile& p = akt();
        p.boardleft = 0;
        p.aktcard = aktvalue;
        p.aktvalue = aktvalue;
        p.aktflip = 20;
        cg.gamestat = 2;
        cg.dealtick = 190;
        resetlevelruntime();
        sc.points = 0;
    }

    static void tick(int n = 1) {
        for (int k = 0; k < n; k++) {
            pf::clearscreen();
            core.framecount++;
            playdispatch();
        }
    }

    // Runs ticks until cards have finished turning face up.
    static void settle() { tick(12); }

    static void clickat(int x, int y) {
        in.mx = x;
        in.my = y;
        in.mhit1 = 1;
        tick();
        in.mhit1 = 0;
    }
    static void clickslot(int i) { clickat(slot(i).cardx + disp.uixoff + 48, slot(i).cardy + 20); }
    static void clickstable() { clickat(stabletopx() + 48, cg.stabley + 71); }

    // Waits until the flying card has landed and a new aktcard has turned.
    static void waitidle() {
        for (int k = 0; k < 60 && (akt().movestep != 0 || akt().aktflip != 20 || cg.dealrequest); k++) tick();
    }

    // Pearls paid plus those still flying to the pearl bar as tokens.
    static int pearlsearned() {
        int n = akt().pearls;
        for (int k = 1; k <= MAXPEARLTOKENS; k++) n += sc.token[k].amount;
        return n;
    }

    static int drawn(const std::string& part) {
        int n = 0;
        for (const auto& d : pf::ctl::drawcalls())
            if (d.path.find(part) != std::string::npos) n++;
        return n;
    }
};
