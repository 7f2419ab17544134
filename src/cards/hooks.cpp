// Defaults for the calls into other modules (see hooks.h). They keep to the
// documented behaviour where it is small enough to state here, so the card
// rules can be played and tested before those modules land.
#include "cards/hooks.h"

#include "cards/cardgame.h"
#include "core/globals.h"
#include "core/loop.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "platform/platform.h"

CardHooks hk;

void resethooks() { hk = CardHooks{}; }

void addpoints(int amount, int x, int y) {
    if (x > 0 && x < disp.gfxwidth && y > 0 && y < disp.gfxheight) hk.points += amount * akt().pointmult;
}

void addpearls(int amount, int x, int y) {
    int d = amount;
    if (akt().items[24] > 0) d *= 2;
    akt().pearls += d;  // credited at once until the pearl tokens fly
}

void clickcheck() {}

void serveorder(int n, int x, int y) {
    // first an order of exactly n, else the first smaller one; one per combo
    for (int pass = 1; pass <= 2; pass++)
        for (int f = 1; f <= MAXFISH; f++)
            for (int o = 1; o <= 3; o++) {
                int& v = akt().fish[f].fishorder[o];
                if (v > 0 && (pass == 1 ? v == n : v < n)) {
                    v = 0;
                    return;
                }
            }
}

void drawfish() {
    // a fish whose orders are all served pays and leaves
    for (int f = 1; f <= MAXFISH; f++) {
        FishRec& fr = akt().fish[f];
        if (fr.fishtype <= 0 || fr.fishtype > 3) continue;
        if (fr.fishorder[1] || fr.fishorder[2] || fr.fishorder[3]) continue;
        akt().fishserved++;
        addpearls(25 * fr.fishtype, fr.fishx + disp.uixoff, fr.fishy);
        addpoints(5 * fr.fishtype, fr.fishx + disp.uixoff, fr.fishy);
        fr.fishtype = 0;
    }
}

void wintrophy(int n) {
    if (n >= 1 && n <= 30) hk.trophies[n] = 1;
}

void tutorialnext() {
    if (hk.tutorialon && core.playlevel < 6) hk.tutorialpage++;
}

void addtext(int, int, const std::string&) {}

void setcardometershake(int ticks) { hk.cardometershake = ticks; }

void setcardometer(int targetx, int count) {
    hk.cardometerx = targetx;
    hk.cardometercount = count;
}

void resethudforlevel() { hk.cardometershake = 0; }

void firstvisitgift() {}

void runextras() {}

void resetextrasforlevel() {
    for (int& h : hk.helperarrive) h = 0;
    hk.crab = 0;
    hk.otherextra = 0;
}

void starthelperarrive(int helper) {
    if (helper < 1 || helper > 9) return;
    hk.helperarrive[helper] = 1;
    akt().helpers[helper] = 1;  // the helper is on the bar once it has arrived
}

int shopfullprice(int item) { return item == 21 ? 400 : 0; }

void cards_gotoscreen(int target, int param) {
    hk.lastscreen = target;
    hk.lastscreenparam = param;
    gotoscreen(target, param);
}

bool cards_mapexists() { return screenroutines(SCREEN_MAP).entry != nullptr; }
