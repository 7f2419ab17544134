// Popup 600, the shop: the grid of extras, the extra-slot panel with its
// refunds, the helper panel with the refill, the gift and the notices.
#include "meta/shop.h"

#include <algorithm>
#include <string>

#include "cards/cardart.h"
#include "cards/extras.h"
#include "cards/gamescreen.h"
#include "core/globals.h"
#include "core/profiles.h"
#include "menus/popups.h"
#include "platform/platform.h"
#include "present/fonts.h"
#include "present/sound.h"
#include "present/texts.h"

Shop shop;
ShopImages shopimg;

namespace {

struct ItemRow {
    int item, dx, dy, price;
};
const ItemRow itemrows[] = {
    {1, -320, -88, 400},  {2, -160, -88, 450}, {4, 0, -88, 650},    {6, 160, -88, 550},
    {7, 320, -88, 700},   {8, -320, 110, 500}, {9, -160, 110, 200}, {10, 0, 110, 200},
    {11, 160, 110, 200},  {12, 320, 110, 300}, {21, 9680, 110, 850}, {22, 10320, 110, 150},
};


bool validitem(int n) { return n >= 1 && n <= MAXITEMS; }

bool extraitem(int n) { return n >= 1 && n <= ITEM_LASTEXTRA && extraaktcode(n) != 0; }

void light(float a, float amount) { setdraw(0, 1, 1, BLEND_LIGHT, a * amount); }
void normal(float a) { setdraw(0, 1, 1, BLEND_ALPHA, a); }

// Ownership as the buying rule sees it.
bool owned(int item) {
    const Profile& p = akt();
    if (item == ITEM_HELPERREFILL) return missinghelpers() == 0;
    if (item == ITEM_NEWSTABLE || item >= ITEM_FIRSTBOOSTER) return p.items[item] > 0;
    return false;
}

void drawprice(int price, float x, float y) {
    drawimg(shopimg.sign, x, y + 80);
    drawtext(std::to_string(price), x + 12, y + 65, 3, 8);
}

void drawgrid(float gx, float gy, float a) {
    for (const ItemRow& r : itemrows) {
        if (!extraitem(r.item)) continue;
        float x = gx + r.dx, y = gy + r.dy;
        int price = shopprice(r.item);
        bool hover = in.mx > x - 70 && in.mx < x + 70 && in.my > y - 70 && in.my < y + 100;
        drawshopitem(r.item, x, y);
        drawprice(price, x, y);
        if (!hover) continue;
        light(a, 0.3f);
        drawshopitem(r.item, x, y);
        drawprice(price, x, y);
        normal(a);
        shop.shophover = r.item;
    }
}

void drawslotpanel(float a, bool active) {
    Profile& p = akt();
    float px = 171, py = disp.gfxheight + 56 - 5.0f * pop.popupfade;
    drawimg(hudimg.extrabar, px, py);
    shop.freeslot = shopfreeslot();
    static const int sx[4] = {0, -104, -1, 102};
    for (int i = 1; i <= 3; i++) {
        int kind = p.extrabar[i];
        Img img = extraimage(kind);
        if (!img) continue;
        float x = px + sx[i], y = py - 52;
        drawshopitem(kind, x, y);
        bool over = popimg.collimg && pf::imagescollide(popimg.collimg, in.mx, in.my, 0, img, (int)(x - 48), (int)(y - 71), 0);
        if (!over || !active) continue;
        setdraw(0, 0.55f, 0.55f, BLEND_ALPHA, a * 0.3f);
        drawimg(popimg.sign, x, y - 128);
        normal(a);
        drawtext(menutext(21, 8), x, y - 150, 3, 8);
        drawtext(menutext(21, 9) + " " + std::to_string(shopfullprice(kind)) + " " + menutext(21, 10), x, y - 120, 3, 8);
        if (in.mhit1) {
            in.mhit1 = 0;
            shoprefund(i);
        }
    }
    drawimg(hudimg.extrabarfront, px, py + 3);
}

void drawhelperpanel(float a) {
    Profile& p = akt();
    float hx = disp.gfxwidth - 188.0f, hy = disp.gfxheight + 42 - 6.0f * pop.popupfade;
    shop.refillcount = missinghelpers();
    bool hover = std::abs(in.mx - hx) < 100 && std::abs(in.my - hy) < 100;
    drawimg(shopimg.fishhelpersign, hx, hy - 80);
    drawtext(std::to_string(shopprice(ITEM_HELPERREFILL)), hx + 14, hy - 157, 3, 8);
    auto figures = [&] {
        drawimg(hudimg.helpersbar, hx, hy);
        for (int i = 9; i >= 1; i--) {
            if (p.helpers[i] <= 0) continue;
            int& b = shop.helperblink[i];
            if (b == 0 && pf::rand(1, 400) == 1) b = 1;
            else if (b > 0 && ++b > 15) b = 0;
            int dx, dy;  // the helpers stand where they stand on the card game's bar
            helperoffset(i, dx, dy);
            drawimg(b > 0 ? extraimg.helperblink[i] : extraimg.helper[i], hx - 2 + dx, hy - 51 + dy);
        }
    };
    figures();
    if (shop.refillcount == 0) drawimg(shopimg.hook, hx + 150, hy - 150);
    if (hover) {
        light(a, 0.5f);
        figures();
        normal(a);
        shop.shophover = ITEM_HELPERREFILL;
    }
}

void drawhovertext(float a) {
    if (shop.shophover > 0) shop.shopglow = std::min(10, shop.shopglow + 1);
    else shop.shopglow = std::max(0, shop.shopglow - 1);
    if (shop.shophover <= 0) return;
    if (shop.shopglow == 1) PlayS(SND_TURNUP, in.mx);
    int n = shop.shophover;
    float cx = disp.gfxwidth / 2.0f;
    pf::setalpha(a * std::min(1.0f, 0.1f * shop.shopglow));
    drawtext(gametext(10, n), cx, 525, 3, 8);
    drawtextbox(gametext(11, n), cx, 560, 450, 28, 3, 8);
    pf::setalpha(a);
}

void drawnopearls(float a) {
    if (shop.nopearls <= 0) return;
    int n = shop.nopearls;
    float k = n > NOPEARLS_TICKS - 10 ? std::max(0.0f, 0.1f * (NOPEARLS_TICKS - n)) : std::min(1.0f, 0.1f * n);
    pf::setalpha(a * k);
    drawimg(shopimg.morepearlssign, 140, 88);
    drawtext(menutext(21, 12), 138, 86, 3, 8);
    pf::setalpha(a);
    if (++shop.nopearls > NOPEARLS_TICKS) shop.nopearls = 0;
}

// The gift notice: a message panel over the shop; the button or Escape hides it.
void drawgiftnotice(float a) {
    if (shop.giftnotice <= 0) return;
    shop.giftnotice++;
    float cx = disp.gfxwidth / 2.0f;
    float top = disp.gfxheight / 2.0f - 300;
    pf::setalpha(a * std::min(1.0f, 0.1f * shop.giftnotice));
    for (int i = 0; i <= 6; i++)
        for (int j = 0; j <= 3; j++) drawimg(popimg.dimimg, 100 + 200 * i, 100 + 200 * j);
    drawimg(popimg.popupsmall, cx, top);
    drawtext(uppertitle(menutext(12, 1)), cx, top + 205, 3, 9);
    drawtextbox(menutext(12, 2), cx, top + 300, 380, 30, 3, 7);
    if (button(cx, top + 520, 3, 2, menutext(12, 3)) == 3) shop.giftnotice = 0;
    pf::setalpha(a);
}

}  // namespace

// ---- the item table -----------------------------------------------------------------

void buildshopitems() {
    for (ShopItem& it : shop.item) it = ShopItem{};
    for (const ItemRow& r : itemrows) {
        ShopItem& it = shop.item[r.item];
        it.dx = r.dx;
        it.dy = r.dy;
        it.price = r.price;
        it.halfprice = (int)(r.price * 0.5);
    }
}

int shopfullprice(int item) { return validitem(item) ? shop.item[item].price : 0; }
int shophalfprice(int item) { return validitem(item) ? shop.item[item].halfprice : 0; }

int shopprice(int item) {
    int k = shopfullprice(item);
    if (item == ITEM_HELPERREFILL) k *= missinghelpers();
    if (haveplayer() && akt().items[ITEM_HALFPRICE] > 0) k = (int)(k * 0.5);
    return k;
}

int shopfreeslot() {
    const Profile& p = akt();
    for (int i = 1; i <= EXTRASLOTS; i++)
        if (!extraitem(p.extrabar[i])) return i;
    return NOSLOT;
}

int missinghelpers() {
    if (!haveplayer()) return 0;
    int n = 0;
    for (int i = 1; i <= MAXHELPERS; i++)
        if (akt().helpers[i] <= 0) n++;
    return n;
}

int shopbuy(int item) {
    if (!haveplayer() || !validitem(item)) return 0;
    Profile& p = akt();
    int k = shopprice(item);
    if (k > p.pearls) {
        shop.nopearls = 1;
        PlayS(SND_FAILURE, in.mx);
        return -1;
    }
    bool allowed = !owned(item) && !(item <= ITEM_LASTEXTRA && shopfreeslot() > EXTRASLOTS);
    if (item <= ITEM_LASTEXTRA && !extraitem(item)) allowed = false;  // 3 and 5 have no extra to hold
    if (core.debugmode && in.keyf3) allowed = item > ITEM_LASTEXTRA || shopfreeslot() <= EXTRASLOTS;
    if (!allowed) return 0;
    if (item == 25) p.items[item] += 4;
    else if (item == 27) p.items[item] += 5;
    else if (item == 26 || item == 28 || item == 29) p.items[item] += 3;
    else p.items[item] = 1;
    if (item == ITEM_HELPERREFILL)
        for (int i = 1; i <= MAXHELPERS; i++) p.helpers[i] = 1;
    if (item <= ITEM_LASTEXTRA) p.extrabar[shopfreeslot()] = item;
    p.pearls -= k;
    PlayS(SND_CASH, in.mx);
    saveplayer(players.aktplayer);
    return 1;
}

void shoprefund(int slot) {
    if (!haveplayer() || slot < 1 || slot > EXTRASLOTS) return;
    Profile& p = akt();
    int kind = p.extrabar[slot];
    if (!extraitem(kind)) return;
    PlayS(SND_CLICK, in.mx);
    p.pearls += shopfullprice(kind);
    p.extrabar[slot] = 0;
    saveplayer(players.aktplayer);
}

// ---- pictures ---------------------------------------------------------------------------

Img shopitemimage(int item) {
    if (item == ITEM_NEWSTABLE) return shopimg.brandnewstable;
    if (item == ITEM_HELPERREFILL) return shopimg.refillhelpers;
    if (item >= ITEM_FIRSTBOOSTER && item <= ITEM_LASTBOOSTER) return shopimg.booster[item - ITEM_FIRSTBOOSTER + 1];
    return nullptr;
}

void drawshopitem(int item, float x, float y) {
    if (item >= 1 && item <= ITEM_LASTEXTRA) drawimg(extraimage(item), x - 48, y - 71);
    else drawimg(shopitemimage(item), x, y);
}

void loadshopstuff() {
    freeshopstuff();
    pf::automidhandle(true);
    shopimg.sign = loadimg("data\\shop\\sign.png");
    shopimg.pearlfield = loadimg("data\\shop\\pearlfield.png");
    shopimg.hook = loadimg("data\\shop\\hook.png");
    shopimg.morepearlssign = loadimg("data\\shop\\morepearlssign.png");
    shopimg.fishhelpersign = loadimg("data\\shop\\fishhelpersign.png");
    shopimg.brandnewstable = loadimg("data\\shop\\brandnewstable.png");
    shopimg.refillhelpers = loadimg("data\\shop\\refillhelpers.png");
    for (int k = 1; k <= 7; k++) shopimg.booster[k] = loadimg("data\\game\\booster" + std::to_string(k) + ".png");
}

void freeshopstuff() {
    for (Img* i : {&shopimg.sign, &shopimg.pearlfield, &shopimg.hook, &shopimg.morepearlssign, &shopimg.fishhelpersign,
                   &shopimg.brandnewstable, &shopimg.refillhelpers})
        freeimg(*i);
    for (int k = 1; k <= 7; k++) freeimg(shopimg.booster[k]);
}

// ---- the popup ------------------------------------------------------------------------------

void prepareshop() {
    shop.shoptick = 0;
    shop.giftnotice = 0;
    shop.nopearls = 0;
    shop.shopglow = 0;
}

void popupshop() {
    float a = pf::getalpha();
    if (!haveplayer()) {
        closepopup();
        return;
    }
    Profile& p = akt();
    shop.shophover = 0;
    buildshopitems();
    float cx = disp.gfxwidth / 2.0f;
    float t = popupbig2((int)cx, menutext(21, 1));
    bool open = pop.popupdir == 1;  // a closing shop takes no more clicks

    if (++shop.shoptick == SHOPGIFT_TICK && p.shopgift == 0) {
        p.shopgift = 1;
        p.pearls += SHOPGIFT_PEARLS;
        shop.giftnotice = 1;
        saveplayer(players.aktplayer);
    }
    drawimg(shopimg.pearlfield, 195, 33);
    drawtext(std::to_string(p.pearls), 201, 17, 3, 8);

    bool active = open && shop.giftnotice == 0;
    drawslotpanel(a, active);
    drawhelperpanel(a);
    drawgrid(cx, t + 270, a);
    if (!active) shop.shophover = 0;
    drawhovertext(a);
    if (shop.shophover > 0 && in.mhit1) {
        in.mhit1 = 0;
        shopbuy(shop.shophover);
    }
    drawnopearls(a);

    bool esc = in.keyesc == 1;
    bool closing = button(cx + 435, t + 85, 18, 2, "") == 3 && shop.giftnotice == 0;
    drawgiftnotice(a);
    if (open && (closing || esc)) {
        shop.giftnotice = 0;
        saveplayer(players.aktplayer);
        closepopup();
    }
    pf::setalpha(a);
}

void registershop() {
    setpopuproutine(POPUP_SHOP, popupshop, prepareshop);
    buildshopitems();
}

void resetshop() {
    freeshopstuff();
    shop = Shop{};
    shopimg = ShopImages{};
    buildshopitems();
}
