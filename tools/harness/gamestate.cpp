#include "gamestate.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "cards/cardgame.h"
#include "cards/gamescreen.h"
#include "core/globals.h"
#include "core/loop.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "menus/popups.h"
#include "meta/map.h"
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

