#include "menus/players.h"

#include <algorithm>
#include <utility>

#include "core/globals.h"
#include "core/settings.h"
#include "menus/menu.h"
#include "menus/popups.h"
#include "platform/platform.h"
#include "present/fonts.h"
#include "present/sound.h"
#include "present/texts.h"

PlayerMenuState pm;

namespace {

bool validplayer(int p) { return p >= 1 && p <= MAXPLAYERS; }

std::string& nameof(int p) { return players.p[validplayer(p) ? p : 16].playername; }

// Leaves the list open at once, without a new slide.
void backtolist() {
    openpopup(POPUP_PLAYERLIST);
    pop.popupfade = 16;
}

// The confirm action of the delete notice, shared with the name-taken
// notice: the current profile is wiped and written, the lowest named
// profile takes over.
void deletecurrent() {
    if (haveplayer()) {
        resetplayer(players.aktplayer);
        saveplayer(players.aktplayer);
    }
    players.aktplayer = lowestnamed();
    if (players.aktplayer == -1) closepopup();
    else backtolist();
    savesettings(0);
}

void acceptname() {
    if (!checkname()) return;
    pm.namelength = 0;
    pm.nametaken = 0;
    savesettings(0);
    saveplayer(players.aktplayer);
    pm.newplayerflag = 0;
    closepopup();
    PlayS(SND_SELECT, disp.midx);
}

void cancelname() {
    nameof(players.aktplayer).clear();
    if (pm.newplayerflag == 1) {
        players.aktplayer = -1;
        pm.prevplayer = -1;
        pm.newplayerflag = 0;
        closepopup();
    } else {
        players.aktplayer = validplayer(pm.prevplayer) ? pm.prevplayer : -1;
        savesettings(0);
        backtolist();
    }
    in.keyesc = 0;
}

}  // namespace

bool namechar(int code) {
    if (code < 32 || code > 255) return false;
    // Without the font tables nothing can be measured; the printable
    // Latin-1 characters are then the safe set.
    if (textwidth("A", 1) == 0) return code < 127 || code >= 160;
    return charwidth(std::string(1, char(code)), 1) > 0;
}

bool noplayers() {
    for (int i = 1; i <= MAXPLAYERS; i++)
        if (!players.p[i].playername.empty()) return false;
    return true;
}

int lowestnamed() {
    for (int i = 1; i <= MAXPLAYERS; i++)
        if (!players.p[i].playername.empty()) return i;
    return -1;
}

int lowestfree() {
    for (int i = 1; i <= LISTPLAYERS; i++)
        if (players.p[i].playername.empty()) return i;
    return -1;
}

void sortplayers() {
    for (int i = 1; i <= MAXPLAYERS; i++) pm.playerorder[i] = i;
    // A plain exchange sort: equal points keep the lower profile first.
    for (int pass = 1; pass <= MAXPLAYERS; pass++)
        for (int j = 1; j < MAXPLAYERS; j++)
            if (players.p[pm.playerorder[j]].totalpoints < players.p[pm.playerorder[j + 1]].totalpoints)
                std::swap(pm.playerorder[j], pm.playerorder[j + 1]);
}

int checkname() {
    pm.nametaken = 0;
    if (!haveplayer()) return 0;
    std::string& name = akt().playername;
    // A name of blanks only would be stored as no name at all and the
    // profile would look free on the next start.
    name = trimtext(name);
    if (name.empty()) {
        name = trimtext(menutext(5, 5));
        if (name.empty()) name = "Player";
        return 1;
    }
    for (int i = 1; i <= MAXPLAYERS; i++) {
        if (i == players.aktplayer || players.p[i].playername.empty()) continue;
        if (trimtext(players.p[i].playername) == name) {
            pm.nametaken = 1;
            openpopup(POPUP_NAMETAKEN);
            break;
        }
    }
    return pm.nametaken == 0 ? 1 : 0;
}

void newplayerfrommenu() {
    // The first free profile, so that a profile left without a current
    // player (an edited settings file) is never overwritten.
    int p = lowestfree();
    if (p == -1) {
        openpopup(POPUP_PLAYERLIST);
        return;
    }
    players.aktplayer = p;
    players.p[p].playername.clear();
    pm.namelength = 0;
    pm.nametaken = 0;
    pm.newplayerflag = 1;
    openpopup(POPUP_NAMEENTRY);
}

// ---- popup 103: the list ----------------------------------------------------

void popupplayerlist() {
    int midx = disp.midx;
    float a = pf::getalpha();
    float t = popupmedium(midx, menutext(4, 1));
    drawtext(menutext(4, 8), midx, t + 207, 3, 7);
    drawimg(menuimg.playermenu, midx, t + 410);
    int shown = 0;
    for (int k = 1; k <= MAXPLAYERS; k++) {
        int p = pm.playerorder[k];
        // The list only ever holds profiles 1..12.
        if (p < 1 || p > LISTPLAYERS || players.p[p].playername.empty()) continue;
        shown++;
        float y = t + 228 + 26 * shown;
        if (p == players.aktplayer) drawimg(menuimg.bar, midx, y + 10);
        bool hover = in.mx > midx - 230 && in.mx < midx + 230 && in.my > y + 1 && in.my < y + 23;
        if (hover && in.mhit1 == 1 && pop.popupfade == 16) {
            in.mhit1 = 0;
            players.aktplayer = p;
        }
        pf::setalpha(hover ? a : a * 0.8f);
        const Profile& pr = players.p[p];
        drawtext(pr.playername, midx - 232, y, 1, 1);
        drawtext(menutext(4, 2) + " " + std::to_string(pr.maxlevel), midx - 37, y, 1, 1);
        drawtext(std::to_string(pr.totalpoints) + " " + menutext(4, 7), midx + 228, y, 2, 1);
    }
    pf::setalpha(a);
    bool escnow = in.keyesc == 1 && in.escdelay == 30;
    if (button(midx, t + 595, 3, 2, menutext(4, 6)) == BUTTON_CLICKED || escnow) {
        savesettings(0);
        closepopup();
    }
    if (button(midx - 170, t + 595, 3, shown >= LISTPLAYERS ? -1 : 2, menutext(4, 4)) == BUTTON_CLICKED) {
        int p = lowestfree();
        if (p != -1) {
            pm.prevplayer = players.aktplayer;
            players.aktplayer = p;
            players.p[p].playername.clear();
            pm.namelength = 0;
            pm.nametaken = 0;
            players.p[p].playerid = pf::rand(0, 100000);
            openpopup(POPUP_NAMEENTRY);
            pop.popupfade = 16;
        }
    }
    if (button(midx + 170, t + 595, 3, noplayers() ? -1 : 2, menutext(4, 5)) == BUTTON_CLICKED) {
        openpopup(POPUP_DELETEPLAYER);
        pop.popupfade = 16;
    }
}

// ---- popup 105: the name entry ----------------------------------------------

void popupnameentry() {
    int midx = disp.midx;
    float t = popupsmall(midx, menutext(5, 1));
    drawtext(menutext(5, 2), midx, t + 310, 3, 7);
    // Once accepted or cancelled the panel slides away; nothing typed or
    // clicked then may change the name that was just stored.
    bool live = pop.popupdir == 1 && haveplayer();
    std::string& name = nameof(players.aktplayer);
    if (live) {
        int k = pf::getchar();
        if (k == KEY_BACKSPACE) {
            if (!name.empty()) name.pop_back();
            if (pm.namelength > 0) pm.namelength--;
            pm.nametaken = 0;
        } else if (k == KEY_ENTER) {
            acceptname();
        } else if (k != 0 && namechar(k)) {
            if (textwidth(name, 1) < MAXNAMEWIDTH && pm.namelength < MAXNAMELENGTH) {
                name.push_back(char(k));
                pm.namelength++;
                pm.nametaken = 0;
            }
        }
        if (pm.namelength > MAXNAMELENGTH) {
            name.resize(std::min<size_t>(name.size(), MAXNAMELENGTH));
            pm.namelength = MAXNAMELENGTH;
        }
    }
    drawimg(menuimg.createplayer, midx, t + 405);
    if (haveplayer()) {
        bool caret = fade.fadestate != 2 && core.framecount % 12 < 6;
        drawtext(akt().playername + (caret ? "_" : ""), midx - 140, t + 398, 1, 1);
    }
    int layer = live ? 2 : -1;
    if (button(midx - 82, t + 520, 3, layer, menutext(5, 4)) == BUTTON_CLICKED || (live && in.keyesc == 1)) cancelname();
    if (button(midx + 82, t + 520, 3, layer, menutext(5, 3)) == BUTTON_CLICKED) acceptname();
}

// ---- popup 106: delete confirmation -------------------------------------------

void popupdeleteplayer() {
    int midx = disp.midx;
    float t = popupsmall(midx, menutext(6, 1));
    drawtext(menutext(6, 2), midx, t + 310, 3, 7);
    drawtext(menutext(6, 3), midx, t + 350, 3, 7);
    if (haveplayer()) drawtext(akt().playername, midx, t + 410, 3, 8);
    if (button(midx - 82, t + 520, 3, 2, menutext(6, 5)) == BUTTON_CLICKED || in.keyesc == 1) {
        backtolist();
        in.keyesc = 0;
    }
    if (button(midx + 82, t + 520, 3, 2, menutext(6, 4)) == BUTTON_CLICKED) deletecurrent();
}

// ---- popup 398: name taken ------------------------------------------------------

void popupnametaken() {
    int midx = disp.midx;
    float t = popupsmall(midx, menutext(16, 1));
    drawtext(menutext(16, 2), midx, t + 350, 3, 7);
    drawtext(menutext(16, 3), midx, t + 390, 3, 7);
    if (haveplayer()) drawtext(akt().playername, midx, t + 450, 3, 8);
    if (button(midx, t + 520, 3, 2, menutext(6, 4)) == BUTTON_CLICKED) deletecurrent();
}

void resetplayermenu() { pm = PlayerMenuState{}; }
