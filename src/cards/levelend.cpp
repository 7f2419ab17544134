// The level-end presentation: the lost level with its two result buttons,
// the won level with its celebration, the stars counted and flown out, the
// trophy tests and the trophy show, and the continue button.
#include <algorithm>
#include <cmath>

#include "cards/boss.h"
#include "cards/cardgame.h"
#include "cards/gamescreen.h"
#include "core/globals.h"
#include "core/loop.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "menus/popups.h"
#include "meta/map.h"
#include "meta/trophies.h"
#include "platform/platform.h"
#include "present/effects.h"
#include "present/fonts.h"
#include "present/sound.h"
#include "present/swimfish.h"
#include "present/texts.h"

namespace {

// The map is the way out of a level; until a build has one, the menu is.
void leavetomap() { gotoscreen(screenexists(SCREEN_MAP) ? SCREEN_MAP : SCREEN_MENU, 0); }

float starmarkx(int k) { return disp.gfxwidth - 302 + (int)(STARTHRESHOLD[k] * 0.0019047600 * 183); }

void ambience() {
    float cx = (float)disp.midx, cy = (float)disp.midy;
    if (pf::rand(1, 100) == 1) effstars(cx + pf::rand(-200, 200), cy + pf::rand(-200, 200), pf::rand(1, 9));
    if (pf::rand(1, 20) == 1)
        for (int k = 0; k < 3; k++) spawnbubble(pf::rand(0, 300), disp.gfxheight, 0);
    if (pf::rand(1, 20) == 1)
        for (int k = 0; k < 3; k++) spawnbubble(pf::rand(disp.gfxwidth - 300, disp.gfxwidth), disp.gfxheight, 0);
}

float easebuttons() {
    sc.resultbuttony -= (sc.resultbuttony - 690) * 0.05f;
    return sc.resultbuttony + 5 * (float)pf::sindeg(2.0 * core.framecount + 180);
}

void lostpresentation() {
    sc.endseq++;
    int e = sc.endseq;
    if (e == 2 && core.gamepause != 1) musicforlevelend(0);
    float a = pf::getalpha();
    drawefftext(1, gametext(8, 5), (float)disp.midx, (float)disp.midy, 3, 1, e, 1, 1000000, 1, 255, 255, 255);
    pf::setalpha(a);
    ambience();
    if (e < 150) return;
    if (e == 150) sc.resultbuttony = disp.gfxheight + 100.0f;
    float y = easebuttons();
    if (button(disp.midx - 150.0f, y, 1, 1, gametext(8, 6)) == BUTTON_CLICKED) {
        payunderway();
        losereset();
        saveplayer(players.aktplayer);
        leavetomap();
    }
    if (button(disp.midx + 150.0f, y, 1, 1, gametext(8, 7)) == BUTTON_CLICKED) {
        payunderway();
        losereset();
        saveplayer(players.aktplayer);
        gs.retry = 1;
        gotoscreen(SCREEN_GAME, 0);
    }
}

void wintrophies() {
    const Profile& p = akt();
    if (p.stablecount > 7) wintrophy(TROPHY_FULLSTABLE);
    int s = 0;
    for (int l = 1; l <= std::min(p.maxlevel, MAXLEVELS); l++) s += p.levelstars[l];
    if (s >= 60 && s <= 119) wintrophy(TROPHY_STARS60);
    if (s >= 120 && s <= 199) wintrophy(TROPHY_STARS120);
    if (s >= 200) wintrophy(TROPHY_STARS200);
}

void countstars() {
    Profile& p = akt();
    int n = 0;
    for (int k = 1; k <= 3; k++)
        if (p.starstate[k] > 0) n++;
    sc.wonstars = n;
    if (n == 3) {
        p.stats[STAT_THREESTARRUN]++;
        p.stats[STAT_THREESTARRUN2]++;
        if (p.stats[STAT_THREESTARRUN] > 4) wintrophy(TROPHY_THREESTARS5);
        if (p.stats[STAT_THREESTARRUN2] > 9) wintrophy(TROPHY_THREESTARS10);
    } else {
        p.stats[STAT_THREESTARRUN] = 0;
        p.stats[STAT_THREESTARRUN2] = 0;
    }
    p.stats[STAT_STARSWON] += n;
    if (p.stats[STAT_STARSWON] > 299) wintrophy(TROPHY_STARS300);
}

const float STARTARGET[4][4] = {{0}, {0, 270}, {0, 281, 259}, {0, 292, 270, 248}};

// The counted stars (1..n) in the order they earned: star j is the j-th
// earned mark, so a level with only star 1 sends that one.
int markofstar(int j) {
    int seen = 0;
    for (int k = 1; k <= 3; k++)
        if (akt().starstate[k] > 0 && ++seen == j) return k;
    return j;
}

void flystars(float bx, float by) {
    int n = sc.wonstars;
    float a = pf::getalpha();
    int turn = disp.gfxwidth == 1024 ? 22 : 40;
    for (int j = 1; j <= n; j++) {
        StarFlight& s = sc.star[j];
        if (sc.endseq == 120 + 20 * j && s.count == 0) {
            int k = markofstar(j);
            s.x = starmarkx(k);
            s.y = 48;
            s.count = 1;
            effstars(s.x, s.y, 1);
            akt().starstate[k] = STARCOLLECTED;
            PlayS(SND_TURNUP, (int)s.x);
        }
        if (s.count == 0) continue;
        if (core.gamepause != 1) s.count++;
        int c = s.count;
        if (c <= turn) {
            float tx = bx + 200, ty = by;
            auto ease = [](float v, float t) {
                float d = (t - v) * 0.05f;
                float step = std::fabs(t - v) < 3 ? t - v : (t > v ? 3.0f : -3.0f);
                return v + d + step;
            };
            s.x = ease(s.x, tx);
            s.y = ease(s.y, ty);
        } else {
            float target = STARTARGET[n][j];
            float rate = 0.04f * std::min(1.0f, (c - turn) / 25.0f);
            s.angle += (target - s.angle) * rate;
            s.x = bx + 200 * (float)pf::cosdeg(s.angle);
            s.y = by + 200 * (float)pf::sindeg(s.angle);
        }
        float scale = std::min(1.0f, c / 10.0f);
        float rot = c < 120 ? 12.0f * c : 0;
        setdraw(rot, scale, scale, BLEND_ALPHA, a);
        drawimg(hudimg.star[1], s.x, s.y);
        if (c == 120 && !s.paid) {
            s.paid = 1;
            effstars(s.x, s.y, 1);
            effburst(s.x, s.y, 15, 2);
            PlayS(SND_WINSTAR1 - 1 + j, disp.midx);  // winstar1..3
            pearltoken(s.x, s.y, STARPEARLS);
            addtext((int)s.x + 10, (int)s.y + 5, std::to_string(STARPEARLS));
        }
        if (c > 120 && c <= 170) {
            float f = 1 - (c - 120) / 50.0f;
            setdraw(0, 1 + (c - 120) * 0.03f, 1 + (c - 120) * 0.03f, BLEND_LIGHT, a * f);
            drawimg(hudimg.star[1], s.x, s.y);
        }
    }
    setdraw(0, 1, 1, BLEND_ALPHA, a);
}

void trophyshow() {
    int t = sc.leveltrophy;
    if (sc.endseq < 301 || t == 0 || sc.trophyshowdone) return;
    sc.trophyshow++;
    int c = sc.trophyshow;
    if (c == 1) {
        PlayS(SND_TURNUP, disp.midx);
        PlayS(SND_TROPHYWIN, disp.midx);
        sc.trophyy = -600;
    }
    float target = c > 449 ? -600.0f : 0.0f;
    sc.trophyy -= (sc.trophyy - target) * 0.1f;
    if (drawtrophypanel(t, sc.trophyy, 28, 527) && c < 450) {
        sc.trophyshow = 450;
        PlayS(SND_TURNUP, disp.midx);
    }
    if (sc.trophyshow >= 500) {
        sc.trophyshowdone = 1;
        trophies.trophyshown = 1;
        pf::logline("trophyshow off");
    }
}

// What the continue button does, and the trophy-room button after a
// trophy show: the result is stored before the screen changes.
void finishwin(int screen) {
    Profile& p = akt();
    int level = core.aktlevel;
    if (level == p.maxlevel || level == 1) setmapunlock(1, level + 1);
    // a prompt click must not cost the star pearls still on their way
    payunderway();
    winreset();
    if (level >= 1 && level <= MAXLEVELS) p.levelstars[level] = sc.wonstars;
    saveplayer(players.aktplayer);
    if (screen == SCREEN_TROPHIES) gotoscreen(SCREEN_TROPHIES, 0);
    else leavetomap();
}

void celebration(float bx, float by) {
    int e = sc.endseq;
    float a = pf::getalpha();
    if (e >= 21) {
        float grow = std::min(1.0f, (e - 20) * 0.05f);
        float wob = 0.03f * (float)pf::sindeg(7.0 * core.framecount);
        setdraw((float)core.framecount, 1.6f * grow, 1.6f * grow, BLEND_LIGHT, a * 0.35f * grow);
        drawimg(effimg.glower, bx, by);
        setdraw(0, grow * (1 + wob), grow * (1 - wob), BLEND_ALPHA, a * 0.9f);
        drawimg(gameimg.winbubble, bx, by);
        setdraw(0, 1, 1, BLEND_ALPHA, a);
    }
    if (e == 22) {
        effstars(bx - 150, by, 2);
        effstars(bx + 150, by, 3);
        effstars(bx, by - 150, 4);
    }
    if (e >= 51) {
        float f = std::min(1.0f, (e - 50) * 0.04f);
        pf::setalpha(a * f);
        for (int k = 0; k < 10; k++) {
            double ang = 36.0 * k + 0.6 * core.framecount;
            static const int kinds[10] = {1, 2, 3, 4, 7, 8, 13, 14, 15, 16};
            float fx = bx + 150 * (float)pf::cosdeg(ang), fy = by + 150 * (float)pf::sindeg(ang);
            setdraw((float)ang + 90, 0.45f, 0.45f, BLEND_ALPHA, a * f);
            drawimg(fishimg(kinds[k], 1 + (core.framecount / 6 + k) % 4), fx, fy);
        }
        setdraw(0, 1, 1, BLEND_ALPHA, a);
        // the won sign rises in under the title
        float rise = std::max(0.0f, 1 - (e - 50) * 0.04f);
        setdraw(0, 1, 1, BLEND_ALPHA, a * f);
        drawimg(popimg.sign, bx, by + 205 + 300 * rise * rise);
        setdraw(0, 1, 1, BLEND_ALPHA, a);
    }
    if (e >= 81) {
        if (e == 81) sc.swimmerx = -150;
        sc.swimmerx += 3;
        if (sc.swimmerx > disp.gfxwidth + 150) sc.swimmerx = -150;
        float sy = by - 290 + 12 * (float)pf::sindeg(4.0 * core.framecount);
        setdraw(0, 0.8f, 0.8f, BLEND_ALPHA, a);
        drawimg(fishimg(1, 1 + (core.framecount / 5) % 4), sc.swimmerx, sy);
        setdraw(0, 1, 1, BLEND_ALPHA, a);
    }
    drawefftext(2, gametext(8, 1), bx, by + 205, 3, 1, e, 50, 1000000, 1, 255, 255, 255);
    pf::setalpha(a);
    ambience();
}

void wonpresentation() {
    Profile& p = akt();
    // the boss's last reaction plays before the presentation starts
    if (bosswinwaits(core.aktlevel)) sc.bossdelay++;
    else sc.bossdelay = BOSSWINWAIT;
    if (sc.bossdelay < BOSSWINWAIT) return;
    bool paused = core.gamepause == 1;
    if (sc.endseq == 1 && !paused) musicforlevelend(1);
    if (!paused && sc.endseq < 15000) sc.endseq++;
    if (trophies.pendingtrophy && !sc.leveltrophy) sc.leveltrophy = trophies.pendingtrophy;
    float bx = (float)disp.midx, by = disp.midy + 5 * (float)pf::sindeg(2.0 * core.framecount);
    celebration(bx, by);
    wintrophies();
    if (trophies.pendingtrophy && !sc.leveltrophy) sc.leveltrophy = trophies.pendingtrophy;
    if (sc.endseq == 140) countstars();
    flystars(bx, by);
    trophyshow();

    bool showbutton = sc.endseq >= 150 && (sc.leveltrophy == 0 || sc.trophyshowdone);
    if (!showbutton) {
        sc.resultbuttony = disp.gfxheight + 100.0f;
        return;
    }
    float y = easebuttons();
    // With a new trophy the room that holds it is one click away.
    bool room = sc.leveltrophy != 0 && screenexists(SCREEN_TROPHIES);
    float x = room ? disp.midx - 90.0f : (float)disp.midx;
    if (button(x, y, 3, 1, gametext(8, 4)) == BUTTON_CLICKED) finishwin(SCREEN_MAP);
    else if (room && button(disp.midx + 90.0f, y, 3, 1, menutext(18, 1)) == BUTTON_CLICKED) finishwin(SCREEN_TROPHIES);
}

}  // namespace

void makewin() {
    if (sc.endseq <= 0 || !haveplayer()) return;
    setdraw(0, 1, 1, BLEND_ALPHA, 1);
    if (cg.gameresult == 2) lostpresentation();
    else wonpresentation();
    setdraw(0, 1, 1, BLEND_ALPHA, 1);
}
