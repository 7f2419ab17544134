// Settling the layout into cards, dealing them onto the table, and the rule
// that decides which cards are free.
#include <algorithm>
#include <vector>

#include "cards/cardart.h"
#include "cards/cardgame.h"
#include "core/globals.h"
#include "meta/itemids.h"
#include "present/effects.h"
#include "present/sound.h"
#include "platform/platform.h"

int cardnumber(int value, int suit) { return value + 13 * (suit - 1); }

int cardvalue(int number) {
    int v = number % 13;
    return v == 0 ? 13 : v;
}

bool islayoutcard(int slot) {
    const CardSlot& c = akt().card[slot];
    return c.cardtype > 0 && c.cardx > 0;
}

static bool stackok(int s) { return s >= 1 && s <= MAXSTACKS; }

void preparecards() {
    pf::logline("preparecards() ");
    Profile& p = akt();
    p.stacks = 0;
    for (int n = 1; n <= MAXCARDS; n++) p.card[n].deckused = 0;
    pf::seedrnd(pf::millisecs());
    for (int s = 1; s <= MAXSTACKS; s++) {
        p.stack[s].stackx = -1;
        p.stack[s].stacky = -1;
        p.stack[s].stackleft = 0;
    }

    // fixed values: the first takes an unused card, later ones a single suit draw
    bool first = true;
    for (int i = 1; i <= MAXCARDS; i++) {
        CardSlot& c = p.card[i];
        if (c.cardtype < 1 || c.cardtype > 13) continue;
        int n;
        do {
            c.cardsuit = pf::rand(1, 4);
            n = cardnumber(c.cardtype, c.cardsuit);
        } while (first && p.card[n].deckused != 0);
        if (p.card[n].deckused == 0) p.card[n].deckused = 1;
        first = false;
    }

    int layoutcards = 0, deckcards = 0;
    bool slotrule = core.playlevel == 1 || akt().items[ITEM_ORDEREDDECK] > 0;
    for (int i = 1; i <= MAXCARDS; i++) {
        CardSlot& c = p.card[i];
        if (!islayoutcard(i)) continue;
        c.cardposx = 0;
        c.cardposy = 0;
        p.stacks = std::max(p.stacks, c.cardstack);
        if (c.cardlayer == 1 && stackok(c.cardstack)) {
            p.stack[c.cardstack].stackx = c.cardx;
            p.stack[c.cardstack].stacky = c.cardy;
        }
        if (stackok(c.cardstack)) p.stack[c.cardstack].stackleft++;
        layoutcards++;
        bool deck = (c.cardtype >= 1 && c.cardtype <= 13) || c.cardtype == CT_RANDOM;
        if (deck) deckcards++;
        if (deck && c.cardlock == 0) {
            if (core.aktlevel > 3 && pf::rand(1, 50) == 1) c.cardtype = CT_FISHSLAP;
            if (core.aktlevel > 2 && pf::rand(1, 50) == 1) {
                c.cardtype = CT_BONUS;
                c.cardparam = pf::rand(1, 2);
            }
        }
        if (c.cardtype == CT_RANDOM) {
            int value = 0, n = 0;
            if (slotrule) {
                // the tutorial deal puts the same cards on the same slots
                value = i % 13 + 1;
                c.cardsuit = i % 4 + 1;
                n = cardnumber(value, c.cardsuit);
            }
            // a slot whose fixed card the layout already holds falls back to
            // a random card, so the draw always ends
            while (n == 0 || p.card[n].deckused != 0) {
                value = pf::rand(1, 13);
                c.cardsuit = pf::rand(1, 4);
                n = cardnumber(value, c.cardsuit);
            }
            c.cardtype = value;
            p.card[n].deckused = 1;
        }
    }

    for (int i = 1; i <= MAXCARDS; i++) {
        CardSlot& c = p.card[i];
        if (c.cardtype <= 0) continue;
        if ((c.cardtype >= 1 && c.cardtype <= 13 && c.cardlock == 0) || c.cardtype == CT_FISHSLAP ||
            c.cardtype == CT_BONUS)
            c.cardface = 10;
    }

    // deal order: columns from the right, each from the top, on the 16-pixel grid
    for (int i = 1; i <= MAXCARDS; i++) p.card[i].carddealorder = 0;
    int w = (disp.gfxwidth / 16) * 16, h = (disp.gfxheight / 16) * 16;
    std::vector<int> grid;
    for (int i = 1; i <= MAXCARDS; i++) {
        const CardSlot& c = p.card[i];
        if (c.cardtype <= 0) continue;
        if (c.cardx % 16 || c.cardy % 16 || c.cardx < 0 || c.cardx > w - 16 || c.cardy < 16 || c.cardy > h) continue;
        grid.push_back(i);
    }
    std::stable_sort(grid.begin(), grid.end(), [&](int a, int b) {
        const CardSlot &ca = p.card[a], &cb = p.card[b];
        if (ca.cardx != cb.cardx) return ca.cardx > cb.cardx;
        return ca.cardy < cb.cardy;
    });
    for (size_t k = 0; k < grid.size(); k++) p.card[grid[k]].carddealorder = (int)k + 1;

    p.boardleft = layoutcards;
    p.stablecount = MAXCARDS - deckcards;
    p.stablestart = p.stablecount;
    p.aktcard = 0;
    p.aktprev = 0;
    p.movestep = 0;
}

void dealcards() {
    Profile& p = akt();
    cg.dealtick++;
    if (cg.dealtick < 20) {
        cg.stablex = disp.midx - 120;
        cg.stablecury = 800;
    } else {
        cg.stablecury = (int)(cg.stablecury - (cg.stablecury - 580) * 0.05);
        if (cg.stablecury > 580) cg.stablecury--;
    }
    for (int i = 1; i <= MAXCARDS; i++) {
        CardSlot& c = p.card[i];
        if (c.cardtype <= 0 || c.carddealtime != 0) continue;
        if (cg.dealtick == 2 * c.carddealorder + 50) {
            c.carddealtime = 1;
            c.cardposx = cg.stablex + 2 * p.stablecount + 2 * p.boardleft - disp.uixoff;
            c.cardposy = cg.stablecury;
            p.boardleft--;
        }
    }
    Img back = art.back[p.cardback >= 1 && p.cardback <= 7 ? p.cardback : 1];
    int x0 = cg.stablex;
    for (int i = 1; i <= p.stablecount - 1; i++) {
        x0 = cg.stablex + 2 * i;
        drawimg(back, x0, cg.stablecury);
    }
    for (int i = 1; i <= p.boardleft; i++) drawimg(back, x0 + 2 * i, cg.stablecury);
    if (pf::rand(1, 30) == 1) {
        int topx = x0 + 2 * std::max(0, p.boardleft);
        spawnbubble(topx + pf::rand(0, CARDW), cg.stablecury + pf::rand(0, CARDH), 0);
    }
    updatefree();
    for (int i = 1; i <= MAXCARDS; i++) {
        CardSlot& c = p.card[i];
        if (c.cardtype <= 0 || c.carddealtime <= 0) continue;
        c.carddealtime++;
        if (c.carddealtime == 2) PlayS(SND_CARD_TAKEOUT, c.cardposx + disp.uixoff);
        if (c.carddealtime < 90) {
            c.cardposx = (int)(c.cardposx - (c.cardposx - c.cardx) * 0.1);
            c.cardposy = (int)(c.cardposy - (c.cardposy - c.cardy) * 0.1);
            if (c.cardposy > c.cardy) c.cardposy--;
            if (c.cardposx > c.cardx) c.cardposx--;
            if (c.cardposy < c.cardy) c.cardposy++;
            if (c.cardposx < c.cardx) c.cardposx++;
        }
        drawcard(i, 1, 1.0f);
    }
    if (cg.dealtick >= 190) cg.gamestat = 2;
}

void updatefree() {
    Profile& p = akt();
    for (int i = 1; i <= MAXCARDS; i++) {
        CardSlot& c = p.card[i];
        if (c.cardtype <= 0 || c.cardopen != 0) continue;
        if (!(c.carddealtime > 20 || cg.gamestat > 1)) continue;
        bool free = true;
        for (int j = 1; j <= MAXCARDS && free; j++) {
            if (j == i || j == cg.movecard) continue;
            const CardSlot& o = p.card[j];
            if (o.cardtype > 0 && o.cardstack == c.cardstack && o.cardlayer > c.cardlayer) free = false;
        }
        if (free) {
            if (c.cardface == 0 && c.cardtype != CT_TOOL) c.cardface = 10;
            c.cardopen = 1;
        }
        if (c.cardface > 0 && stackok(c.cardstack)) p.stack[c.cardstack].stacktop = c.cardtype;
        // Flip 0 keeps a covered card face down and a locked one locked. A free
        // card without a lock is let go, or it would never turn face up and
        // the level could not be cleared.
        if (c.cardflip == 0 && (!free || c.cardlock != 0)) c.cardface = 0;
    }
}
