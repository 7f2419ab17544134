// Special cards taken where they lie (helper, tool and bonus cards) and the
// start of the obstacles' unlock countdowns.
#include "cards/cardgame.h"
#include "cards/extras.h"
#include "cards/gamescreen.h"
#include "core/globals.h"
#include "present/effects.h"
#include "present/sound.h"
#include "platform/platform.h"

namespace {

// What every card taken where it lies has in common.
void takeinplace(int slot) {
    Profile& p = akt();
    CardSlot& c = p.card[slot];
    cg.combo++;
    if (c.cardstack >= 1 && c.cardstack <= MAXSTACKS) p.stack[c.cardstack].stackleft--;
    PlayS(SND_CARD_COLUMN, c.cardx + disp.uixoff + 48);
    if (tut.tutorialpage != 5) tutorialnext();
}

}  // namespace

int unlockstart(int lock, int layer) { return (lock == LOCK_SHELL ? 110 : 174) - 2 * layer; }

void startunlock(int lock, int fromx, int fromy) {
    Profile& p = akt();
    for (int j = 1; j <= MAXCARDS; j++) {
        CardSlot& c = p.card[j];
        if (c.cardtype <= 0 || c.cardlock != lock || lock == LOCK_NONE) continue;
        c.cardface = unlockstart(lock, c.cardlayer);
        int jx = c.cardx + disp.uixoff;
        if (lock == LOCK_OIL) {
            PlayS(SND_SPONGISTART, fromx);
            addeff(fromx, fromy, EFF_SPONGEHELPER + j, 0, 0);  // a sponge swims over and cleans it
        } else if (lock == LOCK_SHELL) {
            PlayS(SND_LAMPLIGHT, jx);
            addeff(jx + 48, c.cardy - 235, EFF_LAMPLIGHT, 0, 0);
            for (int k = 1; k <= 5; k++) {
                addeff(jx + 48, c.cardy + 25 * k, EFF_SHELL, pf::rand(5, 15) * 0.1f, 0);
                addeff(jx + 48, c.cardy + 25 * k + 12, EFF_SHELL, -pf::rand(5, 15) * 0.1f, 0);
            }
        } else if (lock == LOCK_PLANTS) {
            PlayS(SND_SCHWERTISTART, fromx);
            addeff(fromx, fromy, EFF_SWORDHELPER + j, 0, 0);  // a swordfish swims over and cuts them
        }
        effburst(fromx, fromy, 10, 2);
    }
}

void playhelpercard(int slot) {
    CardSlot& c = akt().card[slot];
    int cx = c.cardx + disp.uixoff + 48, cy = c.cardy + 71;
    takeinplace(slot);
    addpoints(10, cx, cy);
    c.cardtype = 0;
    starthelperarrive(c.cardparam);
    for (int k = 0; k < 30; k++) spawnbubble(cx - 48 + pf::rand(0, CARDW), cy - 71 + pf::rand(0, CARDH), 0);
}

void playtoolcard(int slot) {
    CardSlot& c = akt().card[slot];
    int x = c.cardx + disp.uixoff, cx = x + 48, cy = c.cardy + 71;
    takeinplace(slot);
    addpoints(10, cx, cy);
    c.cardtype = 0;
    if (c.cardparam >= 1 && c.cardparam <= 3) startunlock(c.cardparam, cx, cy);
    PlayS(SND_CARD_COLUMN, x);
    PlayS(SND_TURNUP, x);
}

void playbonuscard(int slot) {
    Profile& p = akt();
    CardSlot& c = p.card[slot];
    int cx = c.cardx + disp.uixoff + 48, cy = c.cardy + 71;
    if (c.cardparam == 1 || c.cardparam == 2) {
        addpearls(c.cardparam == 1 ? 50 : 100, cx, cy);
        PlayS(SND_CASH, cx);
    } else if (c.cardparam == 3) {
        effburst(cx, cy, 50, 1);
        effexplode(cx, cy);
        PlayS(SND_DOUBLESUNS, cx);
        addpoints(25, cx, cy);
        p.pointmult = 2;
    }
    takeinplace(slot);
    c.cardtype = 0;
    c.cardparam = 0;
}
