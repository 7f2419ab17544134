// Card pictures and drawing one card: sway, shake, wiggle, the turning steps,
// faces by type, obstacles while locked and unlocking, and the hint glow.
#include <algorithm>
#include <cmath>

#include "cards/cardart.h"
#include "cards/cardgame.h"
#include "cards/gamescreen.h"
#include "core/globals.h"
#include "core/settings.h"
#include "meta/itemids.h"
#include "present/effects.h"
#include "present/sound.h"
#include "platform/platform.h"

CardArt art;

namespace {
Img topleft(const std::string& path) {
    Img img = loadimg(path);
    if (img) pf::setimagehandle(img, 0, 0);
    return img;
}
}  // namespace

void loadcardstuff() {
    freecardstuff();
    const char* suitletter = "abcd";
    for (int s = 1; s <= 4; s++)
        for (int v = 1; v <= 13; v++)
            art.face[s][v] = topleft(std::string("data\\solitaire/") + suitletter[s - 1] + std::to_string(v) + ".png");
    for (int k = 1; k <= 7; k++) art.back[k] = topleft("data\\solitaire/card_back" + std::to_string(k) + ".png");
    art.glow = topleft("data\\solitaire/glow2.png");
    art.fishslap = topleft("data\\solitaire/fishslap.png");
    art.cash = topleft("data\\solitaire/cash.png");
    art.cash2 = topleft("data\\solitaire/cash2.png");
    art.marker = topleft("data\\solitaire/marker.png");
    for (int h = 1; h <= 9; h++) art.helpercard[h] = topleft("data\\solitaire/plant" + std::to_string(h + 1) + ".png");
    art.tool[1] = topleft("data\\solitaire/spongecard.png");
    art.tool[2] = topleft("data\\solitaire/lightcard.png");
    art.tool[3] = topleft("data\\solitaire/antiplantcard.png");
    art.sponge2 = topleft("data\\solitaire/spongecard2.png");
    art.antiplant2 = topleft("data\\solitaire/antiplantcard2.png");
    art.oil = topleft("data\\solitaire/oilcard.png");
    art.oil2 = topleft("data\\solitaire/oilcard2.png");
    art.oilsplat = topleft("data\\solitaire/oilcardsplat.png");
    for (int k = 1; k <= 5; k++) art.shell[k] = topleft("data\\solitaire/shellcard" + std::to_string(k) + ".png");
    art.plants = topleft("data\\solitaire/plantscard.png");
    art.losecard = topleft("data\\solitaire/losecard.png");
    art.pricesign = loadimg("data\\solitaire/pricesign.png");
    art.banderole = loadanimimg("data\\game\\banderole.png", 2, 94, 4);
    if (art.banderole) pf::setimagehandle(art.banderole, 0, 0);
    art.invalidsign = loadimg("data\\texts/invalid-sign.png");
    art.clearedsign = loadimg("data\\texts/cleared-sign.png");
    art.longdrivesign = loadimg("data\\texts/longdrive-sign.png");
    art.tutorialsign = loadimg("data\\ui/tutorialsign.png");
    static const char* extras[] = {"zombiekiller", "zombieblaster", "turnallup", "blowfishextra", nullptr,
                                   "crabextra",    "randomextra",   nullptr,     "octopusextra"};
    art.extra[1] = art.fishslap;
    for (int k = 125; k <= 133; k++)
        if (extras[k - 125]) art.extra[k - 123] = topleft(std::string("data\\solitaire/") + extras[k - 125] + ".png");
    art.extra[132 - 123] = art.marker;
    for (int t = 1; t <= 3; t++) art.extra[133 + t - 123] = art.tool[t];
}

void freecardstuff() {
    // several codes share a picture: release each image once
    Img* all[] = {&art.glow, &art.fishslap, &art.cash, &art.cash2, &art.marker, &art.sponge2, &art.antiplant2,
                  &art.oil, &art.oil2, &art.oilsplat, &art.plants, &art.losecard, &art.pricesign, &art.banderole,
                  &art.invalidsign, &art.clearedsign, &art.longdrivesign, &art.tutorialsign};
    for (int s = 1; s <= 4; s++)
        for (int v = 1; v <= 13; v++) freeimg(art.face[s][v]);
    for (int k = 1; k <= 7; k++) freeimg(art.back[k]);
    for (int h = 1; h <= 9; h++) freeimg(art.helpercard[h]);
    for (int t = 1; t <= 3; t++) freeimg(art.tool[t]);
    for (int k = 1; k <= 5; k++) freeimg(art.shell[k]);
    for (int k : {125, 126, 127, 128, 130, 131, 133}) freeimg(art.extra[k - 123]);
    for (Img* i : all) freeimg(*i);
    art = CardArt{};
}

Img aktcardimage(int a, int) {
    if (a >= 1 && a <= 52) return art.face[(a - 1) / 13 + 1][cardvalue(a)];
    if (a >= 124 && a <= 136) return art.extra[a - 123];
    if (a >= 1001 && a <= 1009) return art.helpercard[a - 1000];
    return nullptr;
}

Img faceimage(int slot) {
    const CardSlot& c = akt().card[slot];
    int t = c.cardtype, prm = c.cardparam;
    if (t >= 1 && t <= 13) return (c.cardsuit >= 1 && c.cardsuit <= 4) ? art.face[c.cardsuit][t] : nullptr;
    if (t == CT_FISHSLAP) return art.fishslap;
    if (t == CT_BONUS) return prm == 1 ? art.cash : prm == 2 ? art.cash2 : prm == 3 ? art.marker : nullptr;
    if (t == CT_HELPER && prm >= 1 && prm <= 9) return art.helpercard[prm];
    return nullptr;
}

void drawfacedown(int slot, float x, float y, bool turning) {
    const CardSlot& c = akt().card[slot];
    int f = c.cardface;
    if (c.cardlock == LOCK_NONE) {
        if (c.cardtype != CT_TOOL) {
            Profile& p = akt();
            drawimg(art.back[p.cardback >= 1 && p.cardback <= 7 ? p.cardback : 1], x, y);
            return;
        }
        Img img = (c.cardparam >= 1 && c.cardparam <= 3) ? art.tool[c.cardparam] : nullptr;
        if (c.cardparam == 1 && in.mx > x && in.mx < x + CARDW && in.my > y && in.my < y + CARDH) img = art.sponge2;
        if (c.cardparam == 3 && core.framecount % 400 <= 9) img = art.antiplant2;
        // the level that teaches the sponge rocks it while the tutorial speaks
        float rot = pf::getrotation();
        bool rock = c.cardparam == 1 && core.aktlevel == 3 && tut.tutorialon == 1;
        if (rock) pf::setrotation(rot + 5 * (float)pf::sindeg(core.framecount));
        drawimg(img, x, y);
        pf::setrotation(rot);
        return;
    }
    if (c.cardlock == LOCK_OIL) {
        if (turning || f == 0 || f > 79) {
            drawimg(turning ? art.oil2 : art.oil, x, y);
            return;
        }
        drawimg(art.oil2, x, y);
        float a = f > 49 ? 1.0f : std::max(0.0f, (f - 21) * 0.04f);
        float cur = pf::getalpha();
        pf::setalpha(a * cur);
        drawimg(art.oilsplat, x, y);
        pf::setalpha(cur);
        return;
    }
    if (c.cardlock == LOCK_SHELL) {
        if (!turning && pf::rand(1, 50) == 1) spawnbubble((int)x + 48, (int)y + 71, 0);
        int k = 1;
        if (!turning && f >= 11 && f <= 79) k = f >= 60 ? 2 : f >= 40 ? 3 : f >= 20 ? 4 : 5;
        drawimg(art.shell[k], x, y);
        return;
    }
    drawimg(art.plants, x, y);
}

void stepface(int slot) {
    Profile& p = akt();
    CardSlot& c = p.card[slot];
    if (c.cardface <= 1) return;
    c.cardface--;
    if (c.cardlock != LOCK_NONE && c.cardface > 10) {
        int x = c.cardx + disp.uixoff;
        if (c.cardlock == LOCK_SHELL && c.cardface == 70) PlayS(SND_SHELLS1, x);
        if (c.cardface == 11) {
            if (c.cardlock == LOCK_SHELL) PlayS(SND_SHELLS2, x);
            effburst(x + 48, c.cardy + 71, 10, 2);
            p.stats[STAT_OBSTACLES]++;
        }
    }
    if (c.cardface == 1) {
        if (c.cardtype != CT_TOOL) {
            c.cardshown = 1;
            c.cardlock = LOCK_NONE;  // face up: the obstacle is gone (as drawn this same tick)
        } else {
            // a tool card under an obstacle goes once its obstacle is gone
            c.cardtype = 0;
            if (c.cardstack >= 1 && c.cardstack <= MAXSTACKS) p.stack[c.cardstack].stackleft--;
        }
    }
}

void drawcard(int slot, int mode, float alpha) {
    if (slot < 1 || slot > MAXCARDS) return;
    CardSlot& c = akt().card[slot];
    float x = (mode == 1 ? c.cardposx : c.cardx) + disp.uixoff;
    float y = mode == 1 ? c.cardposy : c.cardy;
    if (cg.gamestat == 1 && pf::rand(1, 20) == 1) spawnbubble((int)x + pf::rand(0, CARDW), (int)y + pf::rand(0, CARDH), 0);

    float rot = 0;
    if (settings.cardsway == 1) {
        float d = x + 48 - disp.midx, s = 1;
        if (d < 0) {
            d = -d;
            s = -1;
        }
        float tilt = 0;
        if (cg.gamestat != 1)
            tilt = 5 * (float)pf::sindeg(48 * d + c.cardposy) * s * std::min(1.0f, cg.playticks * 0.01f);
        rot = tilt + 2 * (float)pf::sindeg(core.framecount + c.cardposx + c.cardposy);
        y += 48 * (float)pf::sindeg(-rot);
    }
    if (c.cardshake > 0) {
        c.cardshake--;
        int k = (int)(0.2 * c.cardshake);
        x += pf::rand(-k, k);
        y += pf::rand(-k, k);
    }
    int& w = cg.cardwiggle[slot];
    if (w > 0) {
        w++;
        if (w >= 80) w = 0;
        int k = slot % 2 ? 1 : -1;
        rot += (float)pf::sindeg(w * 4.5) * k * (8 - 0.1f * w);
    }

    if (c.cardface > 1) {
        if (pf::rand(1, 5) == 1) spawnbubble((int)x + pf::rand(0, CARDW), (int)y + pf::rand(0, CARDH), 0);
        int f = c.cardface;
        if (f <= 10) {
            static const float scale[11] = {0, 0, 0.8f, 0.6f, 0.4f, 0.2f, 0.1f, 0.2f, 0.4f, 0.6f, 0.8f};
            float sx = scale[f];
            setdraw(rot, sx, 1, BLEND_ALPHA, alpha);
            if (f >= 6) drawfacedown(slot, x + 40 * (1 - sx), y, true);
            else drawimg(faceimage(slot), x + 40 * (1 - sx), y);
            setdraw(rot, 1, 1, BLEND_ALPHA, alpha);
        }
        stepface(slot);
    }
    setdraw(rot, 1, 1, BLEND_ALPHA, alpha);
    if (c.cardshown == 1) {
        if (c.cardface == 1) {
            drawimg(faceimage(slot), x, y);
            c.cardlock = 0;
        }
    } else if (c.cardface == 0 || c.cardface > 9) {
        drawfacedown(slot, x, y, false);
    }
    if (akt().items[ITEM_HINTGLOW] > 0 && cg.cardplayable[slot]) {
        setdraw(rot, 1, 1, BLEND_ALPHA, alpha * (0.5f + 0.5f * (float)pf::sindeg(5.0 * core.framecount)) * 1.75f);
        drawimg(art.glow, x - 6, y - 7);
    }
    setdraw(0, 1, 1, BLEND_ALPHA, alpha);
}
