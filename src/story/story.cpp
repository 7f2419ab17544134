// The story cutscene player: the clocks, the line times, the speech bubble,
// the closing sequence with its chapter titles, the two buttons and the
// hand-over to the card game.
#include "story/story.h"
#include "story/scenekit.h"

#include <cmath>

#include "core/globals.h"
#include "core/loop.h"
#include "core/profiles.h"
#include "core/screens.h"
#include "core/settings.h"
#include "menus/popups.h"
#include "platform/platform.h"
#include "present/effects.h"
#include "present/fonts.h"
#include "present/sound.h"
#include "present/texts.h"

StoryState story;
SceneState scene;
StoryImages storyimg;

namespace {

constexpr int NSTORY = MAXSTORIES;

bool validstory(int n) { return n >= 1 && n <= NSTORY; }

std::string trimmed(const std::string& s) {
    size_t a = 0, b = s.size();
    while (a < b && static_cast<unsigned char>(s[a]) <= 32) a++;
    while (b > a && static_cast<unsigned char>(s[b - 1]) <= 32) b--;
    return s.substr(a, b - a);
}

}  // namespace

// ---- tables ------------------------------------------------------------------

int storylines(int n) {
    static const int lines[NSTORY + 1] = {0, 9, 13, 16, 11, 3, 10, 18, 3, 3, 3, 12, 11, 3, 3, 20, 5, 5, 5, 3, 3, 17};
    return validstory(n) ? lines[n] : 0;
}

int storychapter(int n) {
    switch (n) {
        case 1: return 1;
        case 6: return 2;
        case 11: return 3;
        case 15: return 4;
        case 21: return 5;
        default: return 0;
    }
}

int storybgnumber(int n) {
    static const int bg[NSTORY + 1] = {0, 1, 3, 6, 8, 8, 5, 10, 12, 12, 12, 13, 15, 15, 15, 15, 18, 19, 21, 21, 21, 21};
    return validstory(n) ? bg[n] : 1;
}

namespace {

// A bubble position: x counted from the left edge (abs) or from the middle of
// the canvas, so that scenes built around the middle keep their speakers on
// wider screens.
struct LinePos {
    int fromcentre;
    int x, y;
    int side;  // forced bubble side, 0 by the rule
};
constexpr LinePos L(int x, int y, int side = 0) { return {0, x, y, side}; }
constexpr LinePos C(int dx, int y, int side = 0) { return {1, dx, y, side}; }

// Each story's lines in order. Consecutive lines change place so that a new
// bubble never appears exactly where the previous one faded.
const LinePos* storypositions(int n, int& count) {
    static const LinePos s1[] = {L(170, 500), L(370, 500), L(170, 500), L(370, 500), L(170, 500),
                                 L(370, 500), L(170, 500), L(370, 500), L(170, 500)};
    // Speakers 1 and 2 stand alone until line 3 ends; 3 and 4 join after it.
    static const LinePos s2[] = {C(-320, 400), C(-150, 400), C(-320, 400), C(110, 400), C(350, 400),
                                 C(-150, 400), C(110, 400),  C(-320, 400), C(350, 400), C(-150, 400),
                                 C(110, 400),  C(350, 400),  C(-320, 400)};
    static const LinePos s3[] = {L(150, 400), L(350, 400), L(240, 400), L(150, 400), L(350, 400), L(240, 400),
                                 L(150, 400), L(350, 400), L(240, 400), L(150, 400), L(350, 400), L(240, 400),
                                 L(150, 400), L(350, 400), L(240, 400), L(150, 400)};
    // Story 4: clownfish left, shark right, the blowfish in the middle; its
    // bubbles are turned so that their tails point at it.
    constexpr LinePos c4 = C(-340, 520), s4s = C(340, 520), br = C(140, 450, 1), bl = C(-140, 450, 2);
    static const LinePos s4[] = {c4, s4s, c4, br, c4, bl, s4s, br, s4s, c4, bl};
    static const LinePos s5[] = {C(140, 450, 1), C(-340, 450), C(140, 450, 1)};
    // Story 6: clownfish, shark, crab and octopus from left to right.
    static const LinePos s6[] = {C(-380, 450), C(200, 450), C(-190, 450), C(380, 450), C(-380, 450),
                                 C(200, 450),  C(-190, 450), C(380, 450), C(-380, 450), C(200, 450)};
    // Story 7: above the heads of the group picture (octopus, shark, clownfish,
    // sponge, swordfish, crab from left to right; shark and swordfish stand
    // in the back row, higher).
    constexpr LinePos oc = C(-381, 370), sh = C(-236, 270), cl = C(-91, 370), sp = C(49, 370), sw = C(194, 300),
                      cr = C(339, 370);
    static const LinePos s7[] = {cl, sh, sp, sw, cl, cr, oc, sh, sp, cl, sw, cr, oc, sp, sh, cl, sw, cl};
    // Stories 8..10 stand on a background laid out from the left edge: the
    // stone at the left, the friends who strike it to its right.
    static const LinePos s8[] = {L(250, 250), L(640, 250), L(250, 250)};
    static const LinePos s9[] = {L(250, 250), L(640, 300), L(380, 420)};
    static const LinePos s10[] = {L(640, 340), L(840, 380), L(250, 240)};
    static const LinePos s11[] = {C(-260, 350), C(260, 350), C(-260, 350), C(260, 350), C(-260, 350), C(260, 350),
                                  C(-260, 350), C(260, 350), C(-260, 350), C(260, 350), C(-260, 350), C(260, 350)};
    // Stories 12..14: the friends low at the left, the anglerfish at the right.
    constexpr LinePos f1 = C(-360, 470), f2 = C(-220, 470), a1 = C(110, 350), a2 = C(130, 200), a3 = C(130, 170);
    static const LinePos s12[] = {f1, f2, f1, f2, f1, a1, f2, f1, a2, f2, a1};
    static const LinePos s13[] = {a1, C(-360, 350), a3};
    static const LinePos s14[] = {a1, a3, C(120, 470)};
    // Story 15: clownfish and shark at the left, the courier right of the
    // middle, the farmer at the right edge; the second act on the home reef.
    constexpr LinePos ca = C(-380, 400), sa = C(-230, 370), co = C(150, 300), fa = C(330, 400);
    constexpr LinePos cb = C(-380, 470), sb = C(-230, 520), o1 = C(150, 250), o2 = C(120, 330), o3 = C(150, 170);
    static const LinePos s15[] = {ca, sa, ca, co, sa, co, ca, co, fa, co,
                                  o1, cb, o2, sb, cb, o1, o2, o3, sb, o2};
    static const LinePos s16[] = {C(-280, 440), C(280, 500), C(-280, 440), C(280, 500), C(-280, 440)};
    static const LinePos s17[] = {C(-280, 450), C(280, 450), C(-280, 450), C(280, 450), C(-280, 450)};
    // Stories 18..21: the friends low at the left, the robber crab right of
    // the middle with its prisoners beside it.
    constexpr LinePos g1 = C(-360, 520), g2 = C(-210, 520), r1 = C(140, 260, 1), pr = C(-60, 260);
    static const LinePos s18[] = {g1, r1, g2, g1, r1};
    static const LinePos s19[] = {r1, g2, r1};
    static const LinePos s20[] = {r1, g1, pr};
    constexpr LinePos c21 = C(-380, 490), s21s = C(-220, 470), ra = C(130, 260), rb = C(100, 370);
    static const LinePos s21[] = {c21, s21s, ra, c21, rb, s21s, ra, c21, rb, c21, s21s, c21, s21s, c21, ra, s21s, c21};
    struct Table {
        const LinePos* p;
        int n;
    };
#define T(a) Table{a, int(sizeof(a) / sizeof(a[0]))}
    static const Table tables[NSTORY + 1] = {Table{nullptr, 0}, T(s1), T(s2), T(s3), T(s4), T(s5), T(s6),
                                             T(s7), T(s8), T(s9), T(s10), T(s11), T(s12), T(s13), T(s14),
                                             T(s15), T(s16), T(s17), T(s18), T(s19), T(s20), T(s21)};
#undef T
    if (!validstory(n)) {
        count = 0;
        return nullptr;
    }
    count = tables[n].n;
    return tables[n].p;
}

}  // namespace

int storylineside(int n, int i) {
    int count = 0;
    const LinePos* p = storypositions(n, count);
    return p && i >= 1 && i <= count ? p[i - 1].side : 0;
}

void storylinepos(int n, int i, float& x, float& y) {
    int count = 0;
    const LinePos* p = storypositions(n, count);
    x = float(disp.midx);
    y = 400;
    if (!p || i < 1 || i > count) return;
    const LinePos& q = p[i - 1];
    x = float(q.fromcentre ? disp.gfxwidth / 2 + q.x : q.x);
    y = float(q.y);
}

// ---- text --------------------------------------------------------------------

// The texts are Latin-1, one byte per character: the simple capitals of that
// range (ÿ has none inside it and stays).
std::string storyupper(const std::string& text) {
    std::string out = text;
    for (char& ch : out) {
        unsigned char c = static_cast<unsigned char>(ch);
        if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) ch = static_cast<char>(c - 32);
    }
    return out;
}

bool storypauseline(const std::string& text) { return trimmed(text) == "---"; }

// ---- the player ----------------------------------------------------------------

namespace {

// Story pictures are drawn about their middle unless a scene says otherwise,
// whatever handle mode the loader was left in.
Img loadmid(const std::string& path) {
    Img img = loadimg(path);
    if (img) pf::midhandleimage(img);
    return img;
}


}  // namespace

int linetime(const std::string& line) {
    const std::string t = trimmed(line);
    return t == "---" ? 200 : 4 * int(t.size()) + 150;
}

void preparestory(int n) {
    story.aktstory = n;
    story.texttick = 0;
    if (n == 1) {
        scene.sink = 0;
        for (int q = 1; q <= 5; q++) {
            scene.qstarted[q] = 0;
            scene.qage[q] = 0;
        }
    }
    story.texttime[0] = 100;
    for (int i = 1; i <= MAXSTORYLINES; i++)
        story.texttime[i] = story.texttime[i - 1] + linetime(validstory(n) ? storytext(n, i) : std::string());
}

void loadstorybubble() {
    if (storyimg.bubble) return;
    storyimg.bubble = loadimg("data\\story\\bubble.png");
    if (storyimg.bubble) pf::setimagehandle(storyimg.bubble, 77, 165);
}

Img storycharacterimg(int k, int pose) {
    if (k < 1 || k > MAXCHARACTERS || pose < 0 || pose > MAXPOSES) return nullptr;
    if (!storyimg.charactertried[k][pose]) {
        storyimg.charactertried[k][pose] = 1;
        storyimg.character[k][pose] = loadmid("data\\character\\" + std::to_string(k) + std::to_string(pose) + ".png");
    }
    return storyimg.character[k][pose];
}

void releasestorycharacters() {
    for (int k = 1; k <= MAXCHARACTERS; k++)
        for (int p = 0; p <= MAXPOSES; p++) {
            freeimg(storyimg.character[k][p]);
            storyimg.charactertried[k][p] = 0;
        }
}

void deletestorystuff_dynamic() {
    for (Img* i : {&storyimg.fg1, &storyimg.ship1, &storyimg.bgpart1, &storyimg.bgstrips1, &storyimg.question1,
                   &storyimg.fg2, &storyimg.chars7, &storyimg.bg2})
        freeimg(*i);
    for (Img& i : storyimg.prop) freeimg(i);
    storyimg.loadedstory = 0;
    releasestorycharacters();
    deletestorybg_dynamic();
    freestorysounds();
}

void loadstorystuff_dynamic(int n) {
    deletestorystuff_dynamic();
    loadstorysounds();
    loadstorybubble();
    loadstorybg_dynamic(storybgnumber(n));
    backgrounds.storynumber = n;
    switch (n) {
        case 1:
            storyimg.fg1 = loadimg("data\\story\\1\\fg.png");
            if (storyimg.fg1) pf::setimagehandle(storyimg.fg1, 0, pf::imageheight(storyimg.fg1));
            storyimg.ship1 = loadmid("data\\story\\1\\ship.png");
            storyimg.bgpart1 = loadimg("data\\story\\1\\bgpart.png");
            if (storyimg.bgpart1) pf::setimagehandle(storyimg.bgpart1, 0, 0);
            storyimg.bgstrips1 = loadanimimg("data\\story\\1\\bgpart.png", 400, 4, 90);
            if (storyimg.bgstrips1) pf::midhandleimage(storyimg.bgstrips1);
            storyimg.question1 = loadmid("data\\story\\1\\question.png");
            break;
        case 2: storyimg.fg2 = loadmid("data\\story\\2\\fg.png"); break;
        case 7: storyimg.chars7 = loadmid("data\\story\\7\\chars.png"); break;
        default: break;
    }
    for (int k = 1; k <= storypropcount(n) && k <= MAXSTORYPROPS; k++) storyimg.prop[k] = loadmid(storypropfile(n, k));
    // The home reef that 15 and 21 end on, drawn still over the first place.
    if (n == 15 || n == 21) storyimg.bg2 = loadmid("data\\bg\\bg16.jpg");
    storyimg.loadedstory = n;
}

// Story 3's notes rise as effects, which take their pictures from here.
Img storymusicnote(int n) {
    if (storyimg.loadedstory != 3 || (n != 1 && n != 2)) return nullptr;
    return storyimg.prop[prop3::NOTE1 + n - 1];
}

void inststory(int n) {
    // A number from outside the table would index nothing: play the intro.
    if (!validstory(n)) n = 1;
    preparestory(n);
    core.prevscreen = core.screen;
    // The other screens' pictures go before ours come in.
    releaseotherscreens(SCREEN_STORY);
    loadstorystuff_dynamic(n);
    story.storytick = 0;
    story.texttick = 0;
    story.storyend = 0;
    story.storyexit = 0;
    story.bubbleside = 0;
    scene = SceneState{};
    pop.popup = 0;
    pop.popupfade = 0;
    pop.popupdir = 0;
    core.gamepause = -1;
    cleareffects();
    core.screen = SCREEN_STORY;
    musicforstory(n);
    startfadein();
}

void firststoryrule() {
    if (!haveplayer()) return;
    Profile& p = akt();
    if (p.sellevel == 0) {
        p.sellevel = 1;
        p.maxlevel = 1;
        core.playlevel = 1;
    }
}

void storytomap() {
    firststoryrule();
    stopendlesschannel_story();
    gotoscreen(SCREEN_MAP, 0);
}

void storyskip() {
    if (story.storyend >= 1) return;
    story.storyend = storychapter(story.aktstory) > 0 ? 1 : 250;
}

namespace {

bool clocksrunning() { return pop.popup == 0 && core.gamepause == -1; }

void drawclosing() {
    int ch = storychapter(story.aktstory);
    if (ch == 0) return;
    float cx = float(disp.gfxwidth / 2), cy = float(disp.gfxheight / 2);
    int t = story.storyend;
    if (ch <= 4) {
        drawefftext(2, storyupper(gametext(15, 1)), cx, cy - 70, 3, 1, t, 0, 250, 0.3f, 1, 1, 1);
        drawefftext(1, storyupper(gametext(15, 1 + ch)), cx, cy + 70, 3, 1, t, 50, 250, 0.3f, 1, 1, 1);
    } else {
        drawefftext(1, storyupper(gametext(15, 6)), cx, cy, 3, 1, t, 50, 250, 0.3f, 1, 1, 1);
    }
    if (t == 2) PlayS(SND_NEWMISSION, disp.gfxwidth / 2);
}

}  // namespace

void showstory() {
    bool running = clocksrunning();
    if (running) {
        story.storytick++;
        story.texttick++;
    }
    setfadecolour();
    pf::setscale(1, 1);
    pf::setrotation(0);
    pf::setblend(BLEND_ALPHA);
    pf::setalpha(1);

    storyscene(story.aktstory);

    // The closing counter waits like the clocks: a story never leaves on its
    // own while a popup is open or the game is paused.
    if (story.storyend > 0) {
        if (running && story.storyend < 250) {
            if (storychapter(story.aktstory) > 0) story.storyend++;
            else story.storyend = std::min(250, story.storyend + 2);
        }
        drawclosing();
    }
    resetdraw();

    pop.buttonlayer = pop.popupfade > 0 || pop.popup != 0 ? 2 : 1;
    if (button(80, float(disp.gfxheight - 30), 3, 1, menutext(20, 3)) == BUTTON_CLICKED) storytomap();
    int skiplayer = story.storyend < 1 ? 1 : -1;
    const std::string& skiplabel = menutext(20, story.aktstory == 21 ? 5 : 1);
    if (button(float(disp.gfxwidth - 80), float(disp.gfxheight - 30), 3, skiplayer, skiplabel) == BUTTON_CLICKED) storyskip();

    if (story.storyend == 250) {
        story.storyend = 251;
        stopendlesschannel_story();
        story.storyexit = 1;
    }
    if (story.storyexit == 1) {
        story.storyexit = 0;
        firststoryrule();
        gotoscreen(story.aktstory == 21 ? 0 : 12, 0);
        freestorysounds();
    }
    pf::setalpha(1);
    dopopups();
}

// ---- building blocks -------------------------------------------------------------

int bubbleside(float x) {
    if (story.bubbleside == 1 || story.bubbleside == 2) return story.bubbleside;
    return x <= disp.gfxwidth / 2 ? 1 : 2;
}

void storybubble(int i, float x, float y) {
    int side = bubbleside(x);
    // The override holds for one bubble: the scene sets it right before.
    story.bubbleside = 0;
    if (i < 1 || i > MAXSTORYLINES) return;
    const int from = story.texttime[i - 1], to = story.texttime[i];
    if (story.storyend != 0 || story.texttick < from || story.texttick >= to) return;
    // Hurry: the line fades out at once, the later lines keep their times.
    // The click stays in mhit1 so that a click on a button below still
    // counts as one.
    if (in.mhit1 == 1 && clocksrunning() && story.texttick >= from + 30 && story.texttick < to - 20)
        story.texttick = to - 20;
    const std::string line = trimmed(storytext(story.aktstory, i));
    if (line == "---") return;
    float a = std::min(1.0f, 0.05f * float(story.texttick - from));
    if (story.texttick >= to - 20) a = std::max(0.0f, 0.05f * float(to - story.texttick));
    pf::setalpha(a);
    pf::setrotation(0);
    pf::setscale(side == 2 ? -1.0f : 1.0f, 1);
    drawimg(storyimg.bubble, x, y);
    pf::setscale(1, 1);
    drawtextbox(storyupper(line), side == 1 ? x - 54 : x - 340, y - 155, 390, 26, 1, 7);
    pf::setalpha(1);
    pf::setscale(1, 1);
}

void storybg(float d, int wave) { drawstorybg(d, wave); }

void storycharacter(int k, float x, float y, int start, float f) {
    if (k < 1 || k > MAXCHARACTERS || story.texttick <= start) return;
    float a0 = pf::getalpha();
    pf::setalpha(std::min(1.0f, 0.05f * float(story.texttick - start)) * a0);
    // The pictures face right: those right of the middle turn round so that
    // everyone faces the middle of the stage.
    pf::setscale(x > disp.gfxwidth / 2 ? -f : f, f);
    float bob = float(5.0 * pf::sindeg(2.0 * core.framecount + 90.0 * k));
    drawimg(storycharacterimg(k, 1), x, y + bob);
    pf::setscale(1, 1);
    pf::setalpha(a0);
}

void storysceneend(int lastline) {
    if (lastline < 1 || lastline > MAXSTORYLINES) return;
    if (story.texttick >= story.texttime[lastline] && story.storyend == 0) story.storyend = 1;
}

void resetstory() {
    for (auto& row : storyimg.character)
        for (Img& i : row) freeimg(i);
    freeimg(storyimg.bubble);
    deletestorystuff_dynamic();
    story = StoryState{};
    scene = SceneState{};
    storyimg = StoryImages{};
}
