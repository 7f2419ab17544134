// The layout editor of debug mode: drag nodes, append new ones, delete and
// restyle them, in place on the page being shown. Additions are written to
// the layout file at once; moves and deletions when the map is left to the
// main menu.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "core/globals.h"
#include "meta/map.h"
#include "platform/platform.h"
#include "present/fonts.h"

namespace {

// The two side arrow buttons a click must not fall on.
bool oversidearrows(int x, int y) {
    const int h2 = disp.gfxheight / 2;
    auto near = [&](int cx) { return std::abs(x - cx) < 40 && std::abs(y - h2) < 40; };
    return near(50) || near(disp.gfxwidth - 50);
}

int validpage(int page) { return page >= 1 && page <= MAPSHOWNPAGES; }

}  // namespace

int mapeditorhit(int page, int x, int y) {
    if (!validpage(page) || !mapimg.coll3) return 0;
    int hit = 0;
    float sx = 1, sy = 1;
    pf::getscale(sx, sy);
    pf::setscale(1.2f, 1.2f);
    for (int j = 1; j <= MAPPOINTS; j++) {
        int style = mapnodestyle(maplayout.mappointtype[page][j]);
        if (style == 0) continue;
        if (pf::imagescollide(mapimg.m[style], maplayout.mappointx[page][j], maplayout.mappointy[page][j], 0,
                              mapimg.coll3, x, y, 0))
            hit = j;
    }
    pf::setscale(sx, sy);
    return hit;
}

void mapeditorcompact(int page) {
    if (!validpage(page)) return;
    MapLayout& m = maplayout;
    int n = 0;
    for (int j = 1; j <= MAPPOINTS; j++) {
        if (m.mappointtype[page][j] <= 0) continue;
        n++;
        m.mappointx[page][n] = m.mappointx[page][j];
        m.mappointy[page][n] = m.mappointy[page][j];
        m.mappointtype[page][n] = m.mappointtype[page][j];
        m.mappointglow[page][n] = 0;
    }
    for (int j = n + 1; j <= MAPPOINTS; j++) {
        m.mappointx[page][j] = m.mappointy[page][j] = m.mappointtype[page][j] = m.mappointglow[page][j] = 0;
    }
    countmappoints();
}

// Runs the editor for one frame, before the nodes are drawn.
void mapeditorframe() {
    MapState& s = mapstate;
    MapLayout& m = maplayout;
    const int page = s.aktmap;
    if (!validpage(page)) return;
    // The pointer on the map: the page is scrolled, the screen's rows are not.
    const int px = int(in.mx - s.mapscroll), py = in.my;

    if (in.mdown1) {
        // A node keeps following the pointer while the button is held, even
        // when a quick move gets ahead of it.
        if (s.dragpoint < 1 || m.mappointtype[page][s.dragpoint] <= 0) s.dragpoint = mapeditorhit(page, px, py);
        if (s.dragpoint > 0) {
            m.mappointx[page][s.dragpoint] = px;
            m.mappointy[page][s.dragpoint] = py;
        } else if (in.mhit1 && !oversidearrows(in.mx, in.my) && in.my <= disp.gfxheight - 60) {
            in.mhit1 = 0;
            // The level nodes are the first points without gaps (a file
            // edited by hand may have some), so the new one goes right after
            // them; a full page takes no more.
            mapeditorcompact(page);
            int n = m.mappointcount[page];
            if (n < MAPPOINTS) {
                m.mappointx[page][n + 1] = px;
                m.mappointy[page][n + 1] = py;
                m.mappointtype[page][n + 1] = 1;
                countmappoints();
                savemappoints();
            }
        }
    } else {
        s.dragpoint = 0;
    }

    if (in.keyesc) {
        bool gone = false;
        for (int j; (j = mapeditorhit(page, px, py)) > 0;) {
            m.mappointtype[page][j] = 0;
            gone = true;
        }
        if (gone) {
            s.dragpoint = 0;
            mapeditorcompact(page);
        }
    }

    if (in.mhit2) {
        in.mhit2 = 0;
        // Every node under the pointer turns once: the hit test finds the
        // topmost, so walk them all by position instead.
        pf::setscale(1.2f, 1.2f);
        for (int j = 1; j <= MAPPOINTS; j++) {
            int t = m.mappointtype[page][j];
            int style = mapnodestyle(t);
            if (style == 0 || !mapimg.coll3) continue;
            if (!pf::imagescollide(mapimg.m[style], m.mappointx[page][j], m.mappointy[page][j], 0, mapimg.coll3, px,
                                   py, 0))
                continue;
            m.mappointtype[page][j] = t == 1 ? 3 : t == 3 ? 5 : 1;
        }
        pf::setscale(1, 1);
    }

    drawtext("MAP - Editor active", 120, 80, 1, 1);
    drawtext("aktmap: " + std::to_string(page), 120, 110, 1, 1);
    drawtext("mi: " + std::to_string(m.mappointcount[page]), 120, 130, 1, 1);
    drawtext("di: " + std::to_string(s.dragpoint), 120, 150, 1, 1);
}
