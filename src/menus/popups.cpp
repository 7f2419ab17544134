#include "menus/popups.h"

#include "core/globals.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "core/settings.h"
#include "menus/players.h"
#include "platform/platform.h"
#include "present/fonts.h"
#include "present/sound.h"

PopupState pop;
PopupImages popimg;
DrawnButtons drawnbuttons;
PopupRoutine popupopenhook = nullptr;

namespace {

struct PopupEntry {
    PopupRoutine routine = nullptr;
    PopupRoutine prepare = nullptr;
};
PopupEntry popuptable[MAXPOPUPID + 1];

bool validpopup(int id) { return id >= 1 && id <= MAXPOPUPID; }

// Button pictures by style; styles without a row draw nothing and have no
// hit area.
struct ButtonRow {
    int style;
    const char* file;
    int dy, font;
};
const ButtonRow buttonrows[] = {
    {1, "data\\ui\\button1.png", -18, 3},
    {2, "data\\ui\\button2.png", -17, 1},
    {3, "data\\ui\\button3.png", -17, 1},
    {4, "data\\ui\\button4.png", -15, 1},
    {5, "data\\ui\\button5.png", -15, 1},
    {6, "data\\ui\\button6.png", -6, 6},
    {7, "data\\ui\\button7.png", 60, 2},
    {8, nullptr, 53, 2},
    {9, nullptr, 53, 2},
    {10, nullptr, 53, 2},
    {11, "data\\ui\\button-plus.png", -5, 6},
    {12, "data\\ui\\button-play.png", -15, 1},
    {13, "data\\ui\\button-trophies.png", -15, 1},
    {15, "data\\ui\\button-player.png", -15, 1},
    {16, "data\\ui\\button-exit.png", -15, 1},
    {17, "data\\ui\\button-settings.png", -15, 1},
    {18, "data\\ui\\button-exit2.png", -15, 1},
    {19, "data\\game\\brandnewstable-sign.png", -35, 8},
    {20, "data\\ui\\button20.png", -15, 1},
    {21, "data\\ui\\button21.png", -15, 1},
    {22, "data\\casino\\chip1.png", -15, 1},
    {23, "data\\casino\\chip2.png", -15, 1},
    {24, "data\\casino\\chip3.png", -15, 1},
    {25, "data\\ui\\button-tutorial.png", -15, 1},
    {26, "data\\game\\fishhelpersbuysign.png", -25, 8},
};

bool silentstyle(int style) { return style >= 21 && style <= 24; }

// Width-dependent frame pictures: 1 = 1024, 2 = 1280, 3 = 1366.
const int framewidths[4] = {0, 1024, 1280, 1366};

// Decodes UTF-8 when the whole text is valid UTF-8; otherwise every byte is
// a Latin-1 character. Titles may come either way from the text files.
bool validutf8(const std::string& s) {
    bool multibyte = false;
    size_t i = 0;
    while (i < s.size()) {
        unsigned char c = s[i];
        int n = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (n < 0 || i + n >= s.size()) return false;
        for (int k = 1; k <= n; k++)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
        if (n > 0) multibyte = true;
        i += n + 1;
    }
    return multibyte;
}

}  // namespace

ButtonLabel buttonlabel(int style) {
    for (const ButtonRow& r : buttonrows)
        if (r.style == style) return {r.dy, r.font};
    return {};
}

void setpopuproutine(int id, PopupRoutine routine, PopupRoutine prepare) {
    if (!validpopup(id)) return;
    popuptable[id] = {routine, prepare};
}

PopupRoutine popuproutine(int id) { return validpopup(id) ? popuptable[id].routine : nullptr; }

std::string trimtext(const std::string& s) {
    size_t a = s.find_first_not_of(" \t\r\n");
    if (a == std::string::npos) return "";
    size_t b = s.find_last_not_of(" \t\r\n");
    return s.substr(a, b - a + 1);
}

std::string uppertitle(const std::string& text) {
    std::string s = trimtext(text);
    if (validutf8(s)) {
        for (size_t i = 0; i < s.size(); i++) {
            unsigned char c = s[i];
            if (c >= 'a' && c <= 'z') {
                s[i] = char(c - 32);
            } else if (c == 0xC3 && i + 1 < s.size()) {
                unsigned char d = s[i + 1];
                if (d >= 0xA0 && d <= 0xBE && d != 0xB7) s[i + 1] = char(d - 0x20);
                i++;
            } else if (c == 0xD0 && i + 1 < s.size()) {
                unsigned char d = s[i + 1];  // а..п -> А..П
                if (d >= 0xB0 && d <= 0xBF) s[i + 1] = char(d - 0x20);
                i++;
            } else if (c == 0xD1 && i + 1 < s.size()) {
                unsigned char d = s[i + 1];  // р..я -> Р..Я, ѐ..џ -> Ѐ..Џ
                if (d >= 0x80 && d <= 0x8F) {
                    s[i] = char(0xD0);
                    s[i + 1] = char(d + 0x20);
                } else if (d >= 0x90 && d <= 0x9F) {
                    s[i] = char(0xD0);
                    s[i + 1] = char(d - 0x10);
                }
                i++;
            } else if (c >= 0x80) {
                // other multi-byte characters stay as they are
                while (i + 1 < s.size() && (static_cast<unsigned char>(s[i + 1]) >> 6) == 2) i++;
            }
        }
        return s;
    }
    for (char& ch : s) {
        unsigned char c = ch;
        if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) ch = char(c - 32);
    }
    return s;
}

// ---- resident pictures ------------------------------------------------------

void loadpopupgraphics() {
    freepopupgraphics();
    pf::automidhandle(false);
    popimg.collimg = loadimg("data\\ui\\coll.png");
    popimg.coll2img = loadimg("data\\ui\\coll2.png");
    popimg.coll3img = loadimg("data\\ui\\coll3.png");
    pf::automidhandle(true);
    uiimages.pauseimg = loadimg("data\\ui\\tooltip.png");
    popimg.dimimg = loadimg("data\\ui\\black.png");
    // Panels hang from the middle of their top edge.
    Img* panels[] = {&popimg.popupsmall, &popimg.popupmedium, &popimg.popupbig, &popimg.popupbig2};
    const char* panelfiles[] = {"data\\ui\\popupsmall.png", "data\\ui\\popupmedium.png", "data\\ui\\popupbig.png",
                                "data\\ui\\popupbig2.png"};
    for (int i = 0; i < 4; i++) {
        *panels[i] = loadimg(panelfiles[i]);
        if (*panels[i]) pf::setimagehandle(*panels[i], pf::imagewidth(*panels[i]) / 2, 0);
    }
    popimg.popuppart1 = loadimg("data\\ui\\popuppart1.png");
    popimg.popuppart2 = loadimg("data\\ui\\popuppart2.png");
    for (Img im : {popimg.popuppart1, popimg.popuppart2})
        if (im) pf::setimagehandle(im, pf::imagewidth(im) / 2, 0);
    popimg.rope1 = loadimg("data\\ui\\rope1.png");
    popimg.musicsymbol = loadimg("data\\ui\\musicsymbol.png");
    popimg.effectsymbol = loadimg("data\\ui\\effectsymbol.png");
    popimg.popupfield = loadimg("data\\ui\\popupfield.png");
    popimg.selectorright = loadimg("data\\ui\\selectorright.png");
    popimg.selectorleft = loadimg("data\\ui\\selectorleft.png");
    popimg.optionstrack = loadimg("data\\ui\\optionstrack.png");
    popimg.cb = loadimg("data\\ui\\cb.png");
    popimg.h = loadimg("data\\ui\\h.png");
    popimg.fishhelpershelp = loadimg("data\\ui\\fishhelpershelp.png");
    popimg.tutorialarrow = loadimg("data\\ui/tutorialarrow.png");
    popimg.sign = loadimg("data\\ui\\sign.png");
    for (int i = 1; i <= 3; i++) {
        std::string w = std::to_string(framewidths[i]);
        int hx = framewidths[i] / 2;
        if (i == 3) hx = 684;
        popimg.uidown[i] = loadimg("data\\ui\\ui-down-" + w + ".png");
        if (popimg.uidown[i]) pf::setimagehandle(popimg.uidown[i], hx, 0);
        popimg.uiup[i] = loadimg("data\\ui\\ui-up-" + w + ".png");
        if (popimg.uiup[i]) pf::setimagehandle(popimg.uiup[i], hx, 80);
        popimg.buttonover[i] = loadimg("data\\ui/button" + std::to_string(i) + "over.png");
        if (popimg.buttonover[i])
            pf::setimagehandle(popimg.buttonover[i], i == 1 ? 0 : pf::imagewidth(popimg.buttonover[i]), 0);
    }
    for (const ButtonRow& r : buttonrows)
        if (r.file) popimg.buttonimg[r.style] = loadimg(r.file);
}

void freepopupgraphics() {
    for (Img* i : {&popimg.collimg, &popimg.coll2img, &popimg.coll3img, &popimg.dimimg, &popimg.popupsmall,
                   &popimg.popupmedium, &popimg.popupbig, &popimg.popupbig2, &popimg.popuppart1, &popimg.popuppart2,
                   &popimg.rope1, &popimg.musicsymbol, &popimg.effectsymbol, &popimg.popupfield,
                   &popimg.selectorright, &popimg.selectorleft, &popimg.optionstrack, &popimg.cb, &popimg.h,
                   &popimg.fishhelpershelp, &popimg.tutorialarrow, &popimg.sign, &uiimages.pauseimg})
        freeimg(*i);
    for (int i = 1; i <= 3; i++) {
        freeimg(popimg.uidown[i]);
        freeimg(popimg.uiup[i]);
        freeimg(popimg.buttonover[i]);
    }
    for (int s = 1; s <= MAXBUTTONSTYLE; s++) freeimg(popimg.buttonimg[s]);
}

// ---- opening, running and closing -------------------------------------------

void openpopup(int id) {
    in.keyenter = 0;
    pf::flushkeys();
    while (pf::getchar() != 0) {
    }
    if (id == 103) sortplayers();
    if (id == 99) {
        if (core.screen > SCREEN_MENU && players.aktplayer > -1) saveplayer(players.aktplayer);
        savesettings(0);
    }
    if (validpopup(id) && popuptable[id].prepare) popuptable[id].prepare();
    if (popupopenhook) popupopenhook();
    PlayS(SND_TURNUP, disp.midx);
    in.keyesc = 0;
    pop.popupfade = 1;
    pop.popupdir = 1;
    pop.popup = id;
}

void closepopup() { pop.popupdir = 2; }

void switchpopup(int id) { pop.popup = id; }

void dopopups() {
    float a = pf::getalpha();
    if (pop.popupfade == 0) pop.popup = 0;
    if (pop.popupfade > 0) {
        if (pop.popupdir == 1) {
            if (pop.popupfade < 16) pop.popupfade++;
            pop.popupy = pop.popupy - (pop.popupy - 0) * 0.1f;
        } else if (pop.popupdir == 2) {
            if (pop.popupfade > 0) pop.popupfade--;
            pop.popupy = pop.popupy - (pop.popupy + 768) * 0.1f;
        }
        pf::setalpha(a * pop.popupfade * 0.0625f);
        if (pop.popup != POPUP_MAPHINT && pop.popup != POPUP_CASINOHINT) {
            for (int i = 0; i <= 6; i++)
                for (int j = 0; j <= 3; j++) drawimg(popimg.dimimg, 100 + 200 * i, 100 + 200 * j);
        }
        PopupRoutine r = popuproutine(pop.popup);
        if (r) r();
    }
    pf::setalpha(a);
}

static float drawpanel(Img panel, int x, const std::string& title, int titledy) {
    drawimg(panel, x, pop.popupy);
    drawtext(uppertitle(title), x, pop.popupy + titledy, 3, 9);
    return pop.popupy;
}

float popupsmall(int x, const std::string& title) { return drawpanel(popimg.popupsmall, x, title, 205); }
float popupmedium(int x, const std::string& title) { return drawpanel(popimg.popupmedium, x, title, 155); }
float popupbig(int x, const std::string& title) { return drawpanel(popimg.popupbig, x, title, 50); }
float popupbig2(int x, const std::string& title) { return drawpanel(popimg.popupbig2, x, title, 50); }

// ---- the button widget --------------------------------------------------------

int button(float x, float y, int style, int layer, const std::string& label) {
    int r = 0, g = 0, b = 0;
    pf::getcolour(r, g, b);
    float a = pf::getalpha();
    Img img = style >= 1 && style <= MAXBUTTONSTYLE ? popimg.buttonimg[style] : nullptr;
    int hw = img ? pf::imagewidth(img) / 2 : 0;
    int hh = img ? pf::imageheight(img) / 2 : 0;
    int hb = style == BUTTON_NEWSTABLESIGN ? hh - 40 : hh;
    int state = BUTTON_IDLE;
    bool hover = in.mx > x - hw && in.mx < x + hw && in.my > y - hh && in.my < y + hb;
    if (hover && layer == pop.buttonlayer && fade.fadestate == 1 && core.gamepause == -1) {
        core.mouseoverbutton = 1;
        state = BUTTON_HOVER;
        if (in.mhit1 == 1) {
            state = BUTTON_CLICKED;
            in.mhit1 = 0;
            if (!silentstyle(style)) PlayS(SND_CLICK, int(x));
        }
        if (pop.popup == POPUP_OPTIONS && in.mdown1 == 1 && style == BUTTON_SLIDER) state = BUTTON_HELD;
    }
    if (!silentstyle(style)) pf::setscale(1, 1);
    if (layer == pop.buttonlayer) pf::setcolour(r, r, r);
    else pf::setcolour(int(r * 0.5), int(r * 0.5), int(r * 0.5));
    drawimgclip(img, x, y);
    ButtonLabel lab = buttonlabel(style);
    if (!label.empty()) drawtext(label, x - 2, y + lab.dy, 3, lab.font);
    if (state > 0) {
        pf::setblend(BLEND_LIGHT);
        pf::setalpha(a * 0.15f);
        drawimgclip(img, x, y);
        if (!label.empty()) drawtext(label, x - 2, y + lab.dy, 3, lab.font);
        pf::setblend(BLEND_ALPHA);
    }
    pf::setcolour(r, r, r);
    pf::setalpha(a);
    pf::setscale(1, 1);
    if (drawnbuttons.tick != core.framecount) {
        drawnbuttons.tick = core.framecount;
        drawnbuttons.count = 0;
    }
    if (drawnbuttons.count < MAXDRAWNBUTTONS) drawnbuttons.b[++drawnbuttons.count] = {x, y, layer, state};
    return state;
}

void resetpopups() {
    drawnbuttons = DrawnButtons{};
    freepopupgraphics();
    pop = PopupState{};
    popimg = PopupImages{};
    popupopenhook = nullptr;
    for (auto& e : popuptable) e = {};
}
