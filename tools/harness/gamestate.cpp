#include "gamestate.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "cards/cardgame.h"
#include "cards/extras.h"
#include "cards/gamescreen.h"
#include "core/globals.h"
#include "core/loop.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "core/statids.h"
#include "menus/popups.h"
#include "meta/casino.h"
#include "meta/map.h"
#include "meta/shop.h"
#include "meta/trophyroom.h"
#include "platform/control.h"
#include "platform/platform.h"
#include "story/story.h"

// Logical pointer position -> window pixel that the game maps back to it.
void pointerto(int lx, int ly) {
    int ww = 0, wh = 0;
    pf::windowsize(ww, wh);
    int bx = ww > 0 ? lx * ww / disp.gfxwidth : lx, by = wh > 0 ? ly * wh / disp.gfxheight : ly;
    int bestx = bx, besty = by, bestd = 1 << 30;
    for (int dx = -3; dx <= 3; dx++)
        for (int dy = -3; dy <= 3; dy++) {
            int gx = 0, gy = 0;
            scalepointer(bx + dx, by + dy, gx, gy);
            int d = std::abs(gx - lx) + std::abs(gy - ly);
            if (d < bestd) {
                bestd = d;
                bestx = bx + dx;
                besty = by + dy;
            }
        }
    pf::ctl::pointer(bestx, besty);
}

std::string dumpline(const std::vector<std::string>& what) {
    std::ostringstream o;
    o << "dump tick=" << core.framecount << " screen=" << core.screen << " prevscreen=" << core.prevscreen
      << " fadestate=" << fade.fadestate << " fadelevel=" << fade.fadelevel << " fadeto=" << fade.fadeto << " mx=" << in.mx << " my=" << in.my
      << " popup=" << pop.popup << " buttonlayer=" << pop.buttonlayer << " gamepause=" << core.gamepause << " debugmode=" << core.debugmode
      << " aktplayer=" << players.aktplayer;
    if (haveplayer()) {
        const Profile& p = akt();
        o << " name=\"" << p.playername << "\" maxlevel=" << p.maxlevel << " sellevel=" << p.sellevel
          << " pearls=" << p.pearls << " totalpoints=" << p.totalpoints << " ingame=" << p.ingame;
        // stars of levels 1..74, one digit each, as the map shows them
        o << " stars=";
        for (int l = 1; l <= MAPLASTLEVEL; l++) o << std::clamp(p.levelstars[l], 0, 9);
        int trophies = 0;
        for (int t = 1; t <= 30; t++) trophies += p.trophywon[t] > 0;
        o << " trophies=" << trophies;
        // which trophies and in what state (1 new, 20 celebrated in the room)
        o << " trophylist=";
        bool first = true;
        for (int t = 1; t <= 30; t++)
            if (p.trophywon[t] > 0) {
                o << (first ? "" : ",") << t << ":" << p.trophywon[t];
                first = false;
            }
        // the fish helpers on their bar (1..9) and the extras in the three slots
        o << " helpers=";
        for (int i = 1; i <= MAXHELPERS; i++) o << (p.helpers[i] > 0 ? 1 : 0);
        o << " extrabar=" << p.extrabar[1] << "," << p.extrabar[2] << "," << p.extrabar[3];
        // the casino: games used at each entrance, games and winnings in total
        o << " casinoplays=";
        first = true;
        for (int l = 1; l <= MAPLASTLEVEL; l++)
            if (iscasinolevel(l)) {
                o << (first ? "" : ",") << l << ":" << p.casinoplays[l];
                first = false;
            }
        o << " casinogames=" << p.stats[STAT_CASINOGAMES] << " casinowon=" << p.stats[STAT_CASINOPEARLS];
    }
    // On the card game: the table as a player sees it, in 1024 layout pixels
    // (what uiclick takes), so scripts can aim at cards and compare deals.
    if (core.screen == 12 && haveplayer()) {
        const Profile& p = akt();
        o << " points=" << sc.points << " gamestat=" << cg.gamestat << " gameresult=" << cg.gameresult
          << " endseq=" << sc.endseq << " stablecount=" << p.stablecount << " aktvalue=" << p.aktvalue
          << " stabletop=" << stabletopx() - disp.uixoff + 48 << "," << cg.stabley + 71 << " cards=";
        bool first = true;
        for (int i = 1; i <= MAXCARDS; i++) {
            const CardSlot& c = p.card[i];
            if (c.cardtype <= 0) continue;
            o << (first ? "" : ";") << i << ":" << c.cardtype << "/" << c.cardface << "/" << c.cardsuit << "@"
              << c.cardx + 48 << "," << c.cardy + 71 << (c.cardopen ? "o" : "c");
            first = false;
        }
        // which stack and layer each card lies in (what covers what), its
        // obstacle and the obstacle a tool clears
        o << " stacks=";
        first = true;
        for (int i = 1; i <= MAXCARDS; i++) {
            const CardSlot& c = p.card[i];
            if (c.cardtype <= 0) continue;
            // stack.layer.lock.param; "x": not part of the layout
            o << (first ? "" : ";") << i << ":" << c.cardstack << "." << c.cardlayer << "." << c.cardlock << "."
              << c.cardparam << (islayoutcard(i) ? "" : "x");
            first = false;
        }
        // the extras and helpers as the bars show them, where to click them
        bool busy = false;
        for (int i = 1; i <= EXTRASLOTS; i++) busy = busy || extras.flight[i] > 0;
        for (int k = 1; k <= ITEM_LASTEXTRA; k++) busy = busy || extras.counter[k] > 0;
        for (int i = 1; i <= MAXHELPERS; i++) busy = busy || extras.helperflight[i] > 0 || extras.helperarrive[i] > 0;
        o << " aktcard=" << p.aktcard << " extrabusy=" << (busy ? 1 : 0) << " extraslots=";
        for (int i = 1; i <= EXTRASLOTS; i++)
            o << (i > 1 ? ";" : "") << extraslotx(i) + 48 << "," << disp.gfxheight - 149 + 71;
        o << " helperat=";
        first = true;
        for (int i = 1; i <= MAXHELPERS; i++) {
            if (p.helpers[i] <= 0 || extras.helperflight[i] > 0) continue;
            int dx = 0, dy = 0;
            helperoffset(i, dx, dy);
            o << (first ? "" : ";") << i << "@" << disp.gfxwidth - 190 + dx << "," << disp.gfxheight - 107 + dy;
            first = false;
        }
        o << " playable=";
        first = true;
        for (int i = 1; i <= MAXCARDS; i++) {
            if (!cg.cardplayable[i]) continue;
            o << (first ? "" : ";") << p.card[i].cardx + 48 << "," << p.card[i].cardy + 71;
            first = false;
        }
    }
    if (core.screen == 13) {
        const MapState& m = mapstate;
        o << " aktmap=" << m.aktmap << " mapscroll=" << (int)m.mapscroll << " unlockanim=" << m.unlockanim
          << " unlocklevel=" << m.unlocklevel << " hoverlevel=" << m.hoverlevel << " mapswitch=" << m.mapswitch;
        // the nodes of the page shown, where they are on screen now
        o << " nodes=";
        bool first = true;
        const int page = std::clamp(m.aktmap, 1, MAPSHOWNPAGES);
        for (int j = 1; j <= MAPPOINTS; j++) {
            if (maplayout.mappointtype[page][j] <= 0) continue;
            o << (first ? "" : ";") << maplevel(page, j) << "@" << int(maplayout.mappointx[page][j] + m.mapscroll) << ","
              << maplayout.mappointy[page][j];
            first = false;
        }
    }
    if (core.screen == SCREEN_MAP && haveplayer()) {
        // the casino entrances of the page, where they hang beside their nodes
        const MapState& m = mapstate;
        const int page = std::clamp(m.aktmap, 1, MAPSHOWNPAGES);
        o << " casinos=";
        bool first = true;
        for (int j = 1; j <= MAPPOINTS; j++) {
            int l = maplevel(page, j);
            if (maplayout.mappointtype[page][j] <= 0 || !iscasinolevel(l)) continue;
            o << (first ? "" : ";") << l << "@" << int(maplayout.mappointx[page][j] + m.mapscroll) + 50 << ","
              << maplayout.mappointy[page][j] - 50;
            first = false;
        }
    }
    if (pop.popup == POPUP_SHOP && haveplayer()) {
        // the shop as drawn: the grid's extras with the prices on their signs,
        // the refill panel and its price, the gift notice
        const float gx = disp.gfxwidth / 2.0f, gy = pop.popupy + 270;
        o << " popupfade=" << pop.popupfade << " popupdir=" << pop.popupdir << " shoptick=" << shop.shoptick
          << " giftnotice=" << shop.giftnotice << " shophover=" << shop.shophover << " shopitems=";
        bool first = true;
        for (int n = 1; n <= ITEM_LASTEXTRA; n++) {
            if (shop.item[n].price <= 0 || extraaktcode(n) == 0) continue;
            o << (first ? "" : ";") << n << ":" << shopprice(n) << "@" << int(gx + shop.item[n].dx) << ","
              << int(gy + shop.item[n].dy);
            first = false;
        }
        o << " refill=" << shopprice(ITEM_HELPERREFILL) << "@" << disp.gfxwidth - 188 << ","
          << int(disp.gfxheight + 42 - 6.0f * pop.popupfade);
    }
    if (core.screen == SCREEN_CASINO) {
        const CasinoState& c = casino;
        o << " casinotick=" << c.casinotick << " reveal=" << c.reveal << " shuffle=" << c.shuffle << " pick=" << c.pick
          << " pickwait=" << c.pickwait << " bet=" << c.bet << " wintime=" << c.wintime << " losetime=" << c.losetime
          << " gamedone=" << c.gamedone << " leaving=" << c.leaving << " gamesleft=" << casinogamesleft() << " shells=";
        for (int i = 1; i <= CASINOSHELLS; i++)
            o << (i > 1 ? ";" : "") << int(c.shell[i].x + disp.uixoff) << "," << int(CASINOSHELLY + c.shell[i].lift);
        // the cookie only while a lifted shell shows it
        const CasinoShell& k = c.shell[std::clamp(c.cookieshell, 1, CASINOSHELLS)];
        if (k.lift < -20) o << " cookieat=" << int(k.x + disp.uixoff) << "," << CASINOSHELLY + 3;
    }
    if (core.screen == SCREEN_TROPHIES) o << " roomclock=" << room.clock << " roompage=" << room.page << " roomfrom=" << room.from;
    if (core.screen == SCREEN_STORY)
        o << " story=" << story.aktstory << " storyend=" << story.storyend << " texttick=" << story.texttick;
    // The buttons drawn in the last frame that drew any: where a player can click.
    o << " buttonstick=" << drawnbuttons.tick << " buttons=";
    for (int b = 1; b <= drawnbuttons.count; b++) {
        const DrawnButton& d = drawnbuttons.b[b];
        o << (b > 1 ? ";" : "") << int(d.x) << "," << int(d.y) << "," << d.layer << "," << d.state;
    }
    for (const auto& w : what) o << " " << w;
    return o.str();
}

