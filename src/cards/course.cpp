// The course of a level around the play: the stack check that ends it, the
// offer to give up a stuck level, combos and their sign, and the table signs.
#include <algorithm>
#include <cmath>

#include "cards/cardart.h"
#include "cards/cardgame.h"
#include "cards/gamescreen.h"
#include "core/globals.h"
#include "menus/popups.h"
#include "present/fonts.h"
#include "present/sound.h"
#include "present/texts.h"
#include "platform/platform.h"

void checkstacks() {
    Profile& p = akt();
    cg.goalleft = 0;
    bool allclear = true;
    int last = std::clamp(p.stacks, 0, MAXSTACKS);
    for (int s = 1; s <= last; s++) {
        StackRec& st = p.stack[s];
        if (st.stackleft > 0) {
            cg.goalleft += st.stackleft;
            allclear = false;
        }
        if (st.stackleft == 0) {
            p.bossdamage++;
            pf::logline("boss damage: " + std::to_string(p.bossdamage));
            st.stackleft = -1;
            int x = st.stackx + disp.uixoff + 48, y = st.stacky + 71;
            addsign(2, x, y);
            PlayS(SND_CLEAREDCOLUMN, x);
            addpoints(25, x, y);
            addpearls(12, x, y);
        }
        if (st.stackleft == -1) st.stacktop = -11;
    }
    if (allclear && cg.gamestat != 3) {
        pf::logline("gamestat=gameend");
        cg.endtick = 0;
        cg.gamestat = 3;
        cg.gameresult = 0;
    }
}

void endoffer() {
    if (core.gamepause == 1 || pop.popup != 0) return;
    const Profile& p = akt();
    bool stuck = cg.gamestat != 3 && cg.givenup == 0 && p.aktflip == 20 && p.stablecount < 2 &&
                 cg.anyplayable == 0 && cg.extrabusy == 0;
    if (!stuck) {
        cg.offercount = 0;
        cg.offerpanel = 0;
        return;
    }
    cg.offercount++;
    if (cg.offercount <= 40) return;
    cg.offerpanel++;
    if (cg.offerpanel == 1) PlayS(SND_TURNUP, disp.midx);
    int x = (int)(disp.midx - 15);
    int y = (int)(-115 + 100 * std::min(1.0, 0.05 * cg.offerpanel));
    drawimg(art.tutorialsign, x, y);
    drawtextbox(gametext(13, 6), x, y + 15, 380, 23, 3, 7);
    if (button(x, y + 70, 25, 1, gametext(13, 5)) == BUTTON_CLICKED) {
        cg.givenup = 1;
        cg.gamestat = 3;
        cg.gameresult = 0;
        cg.endtick = 0;
    }
}

void addsign(int kind, int x, int y) {
    int slot = MAXSIGNS;
    for (int i = 1; i <= MAXSIGNS; i++)
        if (cg.sign[i].age == 0) {
            slot = i;
            break;
        }
    cg.sign[slot] = Sign{kind, x, y, 1};
}

void updatesigns() {
    float alpha = pf::getalpha();
    for (int i = 1; i <= MAXSIGNS; i++) {
        Sign& s = cg.sign[i];
        if (s.age < 1) continue;
        s.age++;
        if (s.age >= 60) {
            s = Sign{};
            continue;
        }
        float k = (float)pf::sindeg(3.0 * s.age);
        if (s.kind == 2) s.y -= 2;
        setdraw(0, 0.4f + 0.8f * k, 0.4f + 0.8f * k, BLEND_ALPHA, k * alpha);
        drawimg(s.kind == 1 ? art.invalidsign : art.clearedsign, s.x, s.y);
    }
    setdraw(0, 1, 1, BLEND_ALPHA, alpha);
}

void combosigntick() {
    int n = cg.combosign;
    if (n > 99) {
        cg.combosign = 0;
        return;
    }
    cg.combosign = n + 1;
    if (n == 1) {
        PlayS(SND_LONGDRIVE, disp.midx);
        addpoints(5 * cg.combolast, stabletopx() + 48, cg.stabley);
        pf::logline("points for combo: x" + std::to_string(cg.combolast) + " = " + std::to_string(5 * cg.combolast));
        cg.combolast = 0;
    }
    float k = (float)pf::sindeg(1.8 * cg.combosign);
    float alpha = pf::getalpha();
    setdraw(0, k, k, BLEND_ALPHA, k * alpha);
    drawimg(art.longdrivesign, disp.midx, disp.midy);
    setdraw(0, 1, 1, BLEND_ALPHA, alpha);
}
