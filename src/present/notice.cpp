#include "present/notice.h"

#include "core/globals.h"
#include "core/savestatus.h"
#include "platform/platform.h"
#include "present/fonts.h"
#include "present/resources.h"
#include "present/texts.h"

namespace {
constexpr int NOTICESECTION = 9;   // menutexts: the save notices
constexpr int SLIDE = 15;
struct NoticeState {
    Img sign = nullptr;
};
NoticeState nt;
}  // namespace

void loadnotice() {
    if (!nt.sign) nt.sign = loadimg("data\\ui\\sign.png");
}

void drawnotice() {
    SaveStatus& s = savestatus;
    if (s.notice == NOTICE_NONE) return;
    // Not over the splash pages and the loading bar: the notice waits for the
    // first screen the player can act on.
    if (core.screen < 0) return;
    int t = ++s.noticetick;
    float y = 86;
    if (t < SLIDE) y = -90 + (86 + 90) * t / float(SLIDE);
    if (t > NOTICETICKS - SLIDE) y = 86 - (86 + 90) * (t - (NOTICETICKS - SLIDE)) / float(SLIDE);
    pf::setscale(0.8f, 0.8f);
    drawimg(nt.sign, disp.midx, y);
    pf::setscale(1, 1);
    int line = s.notice == NOTICE_CANNOTSAVE ? 1 : 3;
    drawtext(menutext(NOTICESECTION, line), disp.midx, y - 20, 3, 8);
    drawtext(menutext(NOTICESECTION, line + 1), disp.midx, y + 14, 3, 8);
    bool over = in.mx > disp.midx - 192 && in.mx < disp.midx + 192 && in.my > y - 64 && in.my < y + 64;
    if (in.mhit1 == 1 && over && t > SLIDE) {
        in.mhit1 = 0;
        s.noticetick = NOTICETICKS - SLIDE;
    }
    if (s.noticetick >= NOTICETICKS) {
        s.notice = NOTICE_NONE;
        s.noticetick = 0;
    }
}

void resetnotice() {
    freeimg(nt.sign);
    nt = NoticeState{};
}
