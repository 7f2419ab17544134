#include "meta/maphints.h"

#include "core/globals.h"
#include "core/profiles.h"
#include "menus/popups.h"
#include "meta/map.h"
#include "platform/platform.h"
#include "present/fonts.h"
#include "present/resources.h"
#include "present/texts.h"

namespace {

// The bobbing arrow that points out of the panel at what the hint is about.
void drawhintarrow(float x, float y, float angle) {
    float a = pf::getalpha();
    pf::setalpha(pop.popupfade * 0.0625f);
    pf::setrotation(angle);
    drawimg(popimg.tutorialarrow, x, y + float(10 * pf::sindeg(10.0 * core.framecount)));
    pf::setalpha(a);
    pf::setrotation(0);
}

}  // namespace

void popupmaphint() {
    float t = popupsmall(disp.midx, menutext(22, 1));
    drawtextbox(menutext(22, 2), disp.midx, t + 270, 380, 30, 3, 7);
    drawtextbox(menutext(22, 3), disp.midx, t + 410, 380, 30, 3, 7);
    if (button(disp.midx, t + 520, 3, 2, menutext(22, 4)) == BUTTON_CLICKED || in.keyesc == 1) closepopup();
    drawhintarrow(50, 150, 90);
}

void popupcasinohint() {
    float t = popupsmall(disp.midx, menutext(30, 1));
    drawtextbox(menutext(30, 2), disp.midx, t + 270, 380, 30, 3, 7);
    drawtextbox(menutext(30, 3), disp.midx, t + 415, 380, 30, 3, 7);
    drawimg(mapimg.casino, disp.midx, t + 390);
    drawtext("5", disp.midx - 2, t + 374, 3, 7);
    if (button(disp.midx, t + 520, 3, 2, menutext(30, 4)) == BUTTON_CLICKED || in.keyesc == 1) {
        if (haveplayer()) akt().casinohint = 1;
        closepopup();
    }
    // Points at the first casino: the one beside level 8 on the first page.
    float x = float(int(maplayout.mappointx[1][8] + mapstate.mapscroll + 50));
    float y = float(maplayout.mappointy[1][8] - 130);
    drawhintarrow(x, y, -90);
}
