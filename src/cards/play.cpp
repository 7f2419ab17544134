// The per-tick course of a level, the fit rule, clicks on cards and the card
// flying to the aktcard.
#include <cmath>

#include "cards/cardart.h"
#include "cards/cardgame.h"
#include "cards/extras.h"
#include "cards/fishorders.h"
#include "cards/gamescreen.h"
#include "core/globals.h"
#include "menus/popups.h"
#include "meta/trophies.h"
#include "present/effects.h"
#include "present/sound.h"
#include "platform/platform.h"

void playdispatch() {
    cg.inputok = 1;
    if (pop.popup != 0 || core.gamepause == 1 || cg.refill > 0 || otherextraactive()) cg.inputok = 0;
    firstvisitgift();
    drawfish();
    switch (cg.gamestat) {
    case 1: dealcards(); break;
    case 2: playtick(); break;
    case 3: endplay(); break;
    default: break;
    }
    updatesigns();
    cg.extrabusy = 0;
    runextras();
    if (cg.refill > 0) {
        refillstable();
        cg.extrabusy = 1;
    }
    clickcheck();
    if (akt().stats[STAT_OBSTACLES] > 49) wintrophy(TROPHY_OBSTACLES);
    endoffer();
}

void playtick() {
    cg.playticks++;
    updatefree();
    checkstacks();
    sparepile();
    drawstable();
    movecards();
    if (cg.combosign > 0) combosigntick();
    if (core.debugmode && in.keyenter) {
        cg.gamestat = 3;
        cg.endtick = 0;
    }
    resetdraw();
}

void endplay() {
    if (cg.endtick == 0) cg.gameresult = cg.goalleft > 0 ? 2 : 1;
    int old = cg.endtick;
    cg.endtick++;
    cg.stabley += 5 * old + 5;
    drawstable();
    movecards();
    if (cg.endtick == 30) sc.endseq = 1;
}

bool fitsvalue(int value, int aktvalue) {
    if (value == 1) return aktvalue == 2 || aktvalue == 13;
    if (value == 13) return aktvalue == 1 || aktvalue == 12;
    if (value >= 2 && value <= 12) return aktvalue == value + 1 || aktvalue == value - 1;
    return false;
}

namespace {

bool takeable(int slot) {
    const CardSlot& c = akt().card[slot];
    return c.cardtype > 0 && slot != cg.movecard && (c.cardface == 1 || c.cardtype == CT_TOOL) && c.cardopen == 1;
}

// the value part of the fit rule: neighbours, or anything on the fishslap
bool valuefits(const CardSlot& c) {
    const Profile& p = akt();
    if (c.cardtype < 1 || c.cardtype > 13) return false;
    return fitsvalue(c.cardtype, p.aktvalue) || p.aktcard == AKT_FISHSLAP;
}

}  // namespace

void startmove(int slot) {
    Profile& p = akt();
    CardSlot& c = p.card[slot];
    cg.movecard = slot;
    cg.movex = c.cardx;
    cg.movey = c.cardy;
    p.movestep = 1;
    cg.combo++;
    if (cg.combo >= 6 && c.cardtype == 13) {
        p.stats[STAT_KINGCOMBOS]++;
        if (p.stats[STAT_KINGCOMBOS] == 3) wintrophy(TROPHY_KINGCOMBOS);
    }
    if (c.cardstack >= 1 && c.cardstack <= MAXSTACKS) p.stack[c.cardstack].stackleft--;
    int cx = c.cardx + disp.uixoff + 48, cy = c.cardy + 71;
    addpoints(5, cx, cy);
    PlayS(SND_CARD_COLUMN, cx);
    if (tut.tutorialpage != 5) tutorialnext();
}

void placelanded(Profile& p, int slot) {
    if (slot < 1 || slot > MAXCARDS) return;
    CardSlot& c = p.card[slot];
    if (c.cardtype >= 1 && c.cardtype <= 13) {
        p.aktcard = cardnumber(c.cardtype, c.cardsuit);
        p.aktvalue = c.cardtype;
    } else if (c.cardtype == CT_FISHSLAP) {
        p.aktcard = AKT_FISHSLAP;
    }
    c.cardtype = 0;
    p.movestep = 0;
}

void landcard(int slot) {
    if (akt().card[slot].cardtype == CT_FISHSLAP) {
        PlayS(SND_BFGSLAP, disp.midx);
        effburst(disp.uixoff + 532 + 48, cg.stabley + 71, 20, 0);  // the slap is its sound
    }
    placelanded(akt(), slot);
    cg.movecard = 0;
}

namespace {

void flight() {
    Profile& p = akt();
    if (p.movestep <= 0) return;
    if (cg.movecard < 1 || cg.movecard > MAXCARDS) {
        p.movestep = 0;  // nothing to fly
        cg.movecard = 0;
        return;
    }
    if (p.movestep < 20) p.movestep++;
    CardSlot& c = p.card[cg.movecard];
    int s = p.movestep;
    int dx = 532 - c.cardx, dy = cg.stabley - c.cardy;
    cg.movex = (int)(c.cardx + dx * 0.05 * s);
    cg.movey = (int)(c.cardy + dy * 0.05 * s);
    float rot = (float)(int)(pf::sindeg(9.0 * s) * -(dx * 0.06));
    float alpha = pf::getalpha();
    setdraw(rot, 1, 1, BLEND_ALPHA, alpha);
    drawimg(c.cardtype == CT_FISHSLAP ? art.fishslap : faceimage(cg.movecard), cg.movex + disp.uixoff, cg.movey);
    setdraw(0, 1, 1, BLEND_ALPHA, alpha);
    for (int k = 0; k < 2; k++)
        spawnbubble(cg.movex + disp.uixoff + pf::rand(0, CARDW), cg.movey + pf::rand(0, CARDH), 0);
    if (p.movestep == 20) landcard(cg.movecard);
}

}  // namespace

bool cardfits(int slot) {
    if (slot < 1 || slot > MAXCARDS) return false;
    const CardSlot& c = akt().card[slot];
    if (cg.gamestat == 3 || !takeable(slot)) return false;
    int t = c.cardtype;
    return valuefits(c) || t == CT_FISHSLAP || t == CT_BONUS || t == CT_HELPER || t == CT_TOOL;
}

int clickcode(int slot) {
    const CardSlot& c = akt().card[slot];
    if (c.cardtype == CT_BONUS) return 50 + c.cardparam;
    if (c.cardtype == CT_TOOL) return 40 + c.cardparam;
    if (c.cardtype == CT_HELPER) return 30;
    return (crabactive() || valuefits(c) || c.cardtype == CT_FISHSLAP) ? 1 : 0;
}

void movecards() {
    Profile& p = akt();
    cg.anyplayable = p.movestep > 0 ? 1 : 0;
    for (int i = 1; i <= MAXCARDS; i++) {
        cg.cardplayable[i] = cardfits(i) ? 1 : 0;
        if (cg.cardplayable[i]) cg.anyplayable = 1;
    }
    if (!cg.anyplayable && core.playlevel == 1 && tut.tutorialon && tut.tutorialpage == 4) tutorialnext();

    bool clicked = false;
    for (int i = 1; i <= MAXCARDS; i++) {
        CardSlot& c = p.card[i];
        if (!in.mhit1) break;
        if (p.aktflip != 20 || p.movestep != 0 || !cg.inputok || cg.gamestat == 3 || pop.popup != 0) break;
        if (!takeable(i)) continue;
        int x = c.cardx + disp.uixoff, y = c.cardy;
        if (!(in.mx > x && in.mx < x + CARDW && in.my > y && in.my < y + CARDH)) continue;
        int code = clickcode(i);
        clicked = true;
        if (code == 0) {
            addsign(1, c.cardposx + disp.uixoff + 48, c.cardposy + 71);
        } else if (code == 1) {
            startmove(i);
        } else if (code == 30) {
            playhelpercard(i);
        } else if (code >= 40 && code < 50) {
            playtoolcard(i);
        } else {
            playbonuscard(i);
        }
    }
    if (clicked) in.mhit1 = 0;

    float alpha = pf::getalpha();
    for (int i = 1; i <= MAXCARDS; i++)
        if (i != cg.movecard && p.card[i].cardtype > 0) drawcard(i, 2, alpha);
    flight();
}
