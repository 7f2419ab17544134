// The shop, popup 600 of the map and of the card game: extras for the three
// slots of the extra bar, the fish-helper refill, the one-time gift and the
// item table with its full and half prices.
#pragma once

#include "menus/popupids.h"
#include "meta/itemids.h"
#include "present/resources.h"

constexpr int MAXITEMS = 100;
constexpr int SHOPGIFT_PEARLS = 600;
constexpr int SHOPGIFT_TICK = 50;
constexpr int NOPEARLS_TICKS = 200;
constexpr int NOSLOT = 99;

struct ShopItem {
    int dx = 0, dy = 0;  // offset from the grid origin
    int price = 0;       // full price, 0 = not for sale
    int halfprice = 0;
};

struct Shop {
    ShopItem item[MAXITEMS + 1];
    int shoptick = 0;
    int shophover = 0;
    int shopglow = 0;
    int nopearls = 0;
    int giftnotice = 0;
    int refillcount = 0;
    int freeslot = NOSLOT;
    int helperblink[10] = {};
};
extern Shop shop;

struct ShopImages {
    Img sign = nullptr, pearlfield = nullptr, hook = nullptr, morepearlssign = nullptr, fishhelpersign = nullptr;
    Img brandnewstable = nullptr, refillhelpers = nullptr;
    Img booster[8] = {};  // 1..7: items 23..29
};
extern ShopImages shopimg;

void buildshopitems();  // the item table from its constants (start-up and every shop frame)
int shopfullprice(int item);
int shophalfprice(int item);
// What a purchase of the item costs now: the refill by missing helpers, every
// price halved while the player owns item 29.
int shopprice(int item);
int shopfreeslot();     // first empty extra slot 1..3, or NOSLOT
int missinghelpers();
// A click on an item: 1 bought, 0 not allowed, -1 not enough pearls.
int shopbuy(int item);
void shoprefund(int slot);  // takes the extra in slot 1..3 back for its full price

Img shopitemimage(int item);                  // the picture of items 21..29
void drawshopitem(int item, float x, float y);  // item n centred at (x, y)

void prepareshop();  // the open request: the shop's clocks start again
void popupshop();    // popup 600, every frame while it is open
void registershop();
void loadshopstuff();
void freeshopstuff();
void resetshop();
