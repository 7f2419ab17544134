// The shop popup driven frame by frame as the screens drive it, and the
// prices it and the card game's stable offer charge.
#include "meta/shop.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "cards/cardart.h"
#include "cards/cardgame.h"
#include "cards/extras.h"
#include "cards/gamescreen.h"
#include "core/globals.h"
#include "core/profiles.h"
#include "menus/popups.h"
#include "testutil.h"

namespace {

struct ShopTest : ::testing::Test {
    TempDir dir;

    void SetUp() override {
        headlessgame(1);
        core.userpath = dir.str();
        core.screen = 13;
        pf::automidhandle(true);
        loadpopupgraphics();
        loadcardstuff();
        loadhudstuff();
        loadextrastuff();
        loadshopstuff();
        players.aktplayer = 1;
        akt() = Profile{};
        akt().playername = "Tester";
        akt().maxlevel = 3;
        in.mouseon = 1;
        fade.fadestate = 1;
    }
    void TearDown() override {
        freeshopstuff();
        freeextrastuff();
        freecardstuff();
    }

    static void frame(int n = 1) {
        for (int k = 0; k < n; k++) {
            pf::clearscreen();
            core.framecount++;
            pop.buttonlayer = pop.popupfade > 0 ? 2 : 1;
            dopopups();
        }
    }
    static void open() {
        openpopup(POPUP_SHOP);
        frame(20);  // slid in
    }
    static void click(float x, float y) {
        in.mx = (int)x;
        in.my = (int)y;
        frame();  // hover first, as a pointer does
        in.mhit1 = 1;
        frame();
        in.mhit1 = 0;
    }
    // Grid item positions: the origin sits 270 below the panel's top.
    static void clickitem(int item) {
        click(disp.gfxwidth / 2.0f + shop.item[item].dx, pop.popupy + 270 + shop.item[item].dy);
    }
    static Profile saved() {
        Profile p;
        std::ifstream f(playerfile(1), std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
        decodeprofile(bytes, p);
        return p;
    }
};

TEST_F(ShopTest, PricesStateTheTable) {
    struct Row {
        int item, full, half;
    };
    for (Row r : {Row{1, 400, 200}, Row{2, 450, 225}, Row{4, 650, 325}, Row{6, 550, 275}, Row{7, 700, 350},
                  Row{8, 500, 250}, Row{9, 200, 100}, Row{12, 300, 150}, Row{21, 850, 425}, Row{22, 150, 75},
                  Row{3, 0, 0}, Row{5, 0, 0}, Row{23, 0, 0}}) {
        EXPECT_EQ(shopfullprice(r.item), r.full) << r.item;
        EXPECT_EQ(shophalfprice(r.item), r.half) << r.item;
    }
    EXPECT_EQ(shopfullprice(0), 0);
    EXPECT_EQ(shopfullprice(101), 0);
}

TEST_F(ShopTest, NewStableOfferCostsHalfOfItem21AndHalfAgainUnderItem29) {
    EXPECT_EQ(stableprice(), 425);
    akt().items[29] = 1;
    EXPECT_EQ(stableprice(), 212);
}

TEST_F(ShopTest, GiftComesFiftyFramesAfterTheFirstOpeningOnly) {
    akt().pearls = 10;
    openpopup(POPUP_SHOP);
    frame(49);
    EXPECT_EQ(akt().pearls, 10);
    frame();
    EXPECT_EQ(akt().pearls, 610);
    EXPECT_EQ(akt().shopgift, 1);
    EXPECT_GT(shop.giftnotice, 0);
    EXPECT_EQ(saved().pearls, 610);
    in.keyesc = 1;
    frame();
    in.keyesc = 0;
    frame(20);
    openpopup(POPUP_SHOP);
    frame(60);
    EXPECT_EQ(akt().pearls, 610);
    EXPECT_EQ(shop.giftnotice, 0);
}

TEST_F(ShopTest, EscapeHidesTheGiftNoticeAndClosesTheShopInOneFrame) {
    openpopup(POPUP_SHOP);
    frame(55);
    ASSERT_GT(shop.giftnotice, 0);
    in.keyesc = 1;
    frame();
    in.keyesc = 0;
    EXPECT_EQ(shop.giftnotice, 0);
    EXPECT_EQ(pop.popupdir, 2);
    frame(20);
    EXPECT_EQ(pop.popup, 0);  // nothing left dimming the screen
    EXPECT_EQ(pop.popupfade, 0);
}

TEST_F(ShopTest, BuyingAnExtraFillsTheFirstFreeSlotAndSaves) {
    akt().shopgift = 1;
    akt().pearls = 1000;
    akt().extrabar[1] = ITEM_CRAB;
    open();
    clickitem(ITEM_OCTOPUS);
    EXPECT_EQ(akt().extrabar[2], ITEM_OCTOPUS);
    EXPECT_EQ(akt().pearls, 450);
    EXPECT_EQ(saved().extrabar[2], ITEM_OCTOPUS);
}

TEST_F(ShopTest, FullSlotsRefuseAnExtraAndTakeNoPearls) {
    akt().shopgift = 1;
    akt().pearls = 1000;
    for (int i = 1; i <= 3; i++) akt().extrabar[i] = ITEM_SPONGE;
    open();
    clickitem(ITEM_FISHSLAP);
    EXPECT_EQ(akt().pearls, 1000);
    EXPECT_EQ(shop.nopearls, 0);
    for (int i = 1; i <= 3; i++) EXPECT_EQ(akt().extrabar[i], ITEM_SPONGE);
}

TEST_F(ShopTest, TakingAnExtraOutRefundsItsFullPrice) {
    akt().shopgift = 1;
    akt().pearls = 100;
    akt().items[29] = 1;  // bought at half price, refunded at full
    akt().extrabar[2] = ITEM_TURNALLUP;
    open();
    float py = disp.gfxheight + 56 - 5.0f * pop.popupfade;
    click(171 - 1, py - 52);
    EXPECT_EQ(akt().extrabar[2], 0);
    EXPECT_EQ(akt().pearls, 400);
    EXPECT_EQ(shopfreeslot(), 1);
    EXPECT_EQ(saved().pearls, 400);
}

TEST_F(ShopTest, NotEnoughPearlsShowsTheNoticeForItsTime) {
    akt().shopgift = 1;
    akt().pearls = 100;
    open();
    clickitem(ITEM_ZOMBIEBLASTER);
    EXPECT_EQ(akt().pearls, 100);
    EXPECT_EQ(akt().extrabar[1], 0);
    EXPECT_GT(shop.nopearls, 0);
    frame(NOPEARLS_TICKS);
    EXPECT_EQ(shop.nopearls, 0);
}

TEST_F(ShopTest, RefillCostsByMissingHelpers) {
    akt().shopgift = 1;
    akt().pearls = 1000;
    for (int i = 1; i <= 9; i++) akt().helpers[i] = 1;
    EXPECT_EQ(shopprice(ITEM_HELPERREFILL), 0);
    EXPECT_EQ(shopbuy(ITEM_HELPERREFILL), 0);  // nothing to refill: counts as owned
    for (int i : {2, 4, 6, 8}) akt().helpers[i] = 0;
    EXPECT_EQ(shopprice(ITEM_HELPERREFILL), 600);
    open();
    click(disp.gfxwidth - 188.0f, disp.gfxheight - 54.0f);
    EXPECT_EQ(akt().pearls, 400);
    for (int i = 1; i <= 9; i++) EXPECT_EQ(akt().helpers[i], 1) << i;
    akt().helpers[3] = 0;  // a later refill is possible again
    EXPECT_EQ(shopbuy(ITEM_HELPERREFILL), 1);
    EXPECT_EQ(akt().pearls, 250);
}

TEST_F(ShopTest, Item29HalvesEveryPriceShownAndCharged) {
    akt().items[29] = 1;
    akt().helpers[1] = 1;  // eight missing: 1200, halved
    struct Row {
        int item, price;
    };
    for (Row r : {Row{1, 200}, Row{2, 225}, Row{7, 350}, Row{9, 100}, Row{22, 600}})
        EXPECT_EQ(shopprice(r.item), r.price) << r.item;
    akt().shopgift = 1;
    akt().pearls = 1000;
    open();
    clickitem(ITEM_ZOMBIEKILLER);
    EXPECT_EQ(akt().pearls, 775);
}

TEST_F(ShopTest, EscapeClosesTheShopFromAnOpenFrame) {
    akt().shopgift = 1;
    open();
    in.keyesc = 1;
    frame();
    in.keyesc = 0;
    frame(20);
    EXPECT_EQ(pop.popup, 0);
}

}  // namespace
