// Level files: reading a level into the current player's tables, the random
// helper cards and fish orders, and the per-level reset of the running state.
#include <vector>

#include "cards/cardgame.h"
#include "cards/extras.h"
#include "cards/fishorders.h"
#include "cards/gamescreen.h"
#include "core/globals.h"
#include "core/loop.h"
#include "core/screens.h"
#include "platform/platform.h"

CardGame cg;

namespace {
struct LevelLoad {
    int helperpasses = 0;
};
LevelLoad ll;
}  // namespace

void resetcardgame() {
    cg = CardGame{};
    ll = LevelLoad{};
    resetfishorders();
}

int helperpasses() { return ll.helperpasses; }

std::string levelfilename(int n) {
    if (n < 1) n = 1;
    std::string num = std::to_string(n);
    if (n < 10) return "data\\levelz/00" + num + ".lvl";
    if (n <= 99) return "data\\levelz/0" + num + ".lvl";
    return "data\\levelz/" + num + ".lvl";
}

void clearslot(int slot) {
    if (slot == -9999) {
        for (int i = 1; i <= MAXCARDS; i++) clearslot(i);
        return;
    }
    if (slot < 1 || slot > MAXCARDS) return;
    CardSlot& c = akt().card[slot];
    c.cardtype = c.cardparam = c.cardx = c.cardy = 0;
    c.cardposx = c.cardposy = 0;
    c.cardstack = c.cardlayer = c.cardlock = 0;
    c.cardshown = c.cardface = c.carddealtime = c.cardshake = 0;
}

int fishorderlength() {
    int l = core.aktlevel;
    if (l <= 4) return pf::rand(5, 7);
    if (l <= 9) return pf::rand(5, 8);
    if (l <= 19) return pf::rand(5, 9);
    return pf::rand(5, 10);
}

void setupfish(int fish) {
    if (fish < 1 || fish > MAXFISH) return;
    FishRec& f = akt().fish[fish];
    for (int o = 1; o <= 3; o++) f.fishorder[o] = 0;
    static const int kinds1[7] = {0, 7, 8, 13, 14, 15, 16};
    switch (f.fishtype) {
    case 1:
        f.fishkind = kinds1[pf::rand(1, 6)];
        f.fishorder[1] = fishorderlength();
        break;
    case 2:
        f.fishkind = pf::rand(1, 2) == 1 ? 2 : 4;
        f.fishorder[1] = fishorderlength();
        f.fishorder[2] = fishorderlength();
        break;
    case 3:
        f.fishkind = pf::rand(1, 2) == 1 ? 1 : 3;
        for (int o = 1; o <= 3; o++) f.fishorder[o] = fishorderlength();
        break;
    default:
        break;
    }
    f.fishbob = 0;
}

void addhelpercards() {
    ll.helperpasses = 0;
    int l = core.aktlevel;
    if (l <= 1) return;
    int quota = l >= 3 ? 2 : 0;
    int n = l >= 10 ? 60 : 30;
    Profile& p = akt();
    do {
        ll.helperpasses++;
        for (int i = 1; i <= LEVELSLOTS; i++) {
            CardSlot& c = p.card[i];
            if (c.cardtype != CT_RANDOM || c.cardlock != 0) continue;
            if (pf::rand(1, n) != 1) continue;
            c.cardface = 10;
            c.cardtype = CT_HELPER;
            c.cardparam = pf::rand(1, 9);
            // a helper the player already owns is re-drawn, so it turns up rarely
            for (int round = 1; round <= 99; round++)
                for (int m = 1; m <= 9; m++)
                    if (p.helpers[m] > 0 && c.cardparam == m) c.cardparam = pf::rand(1, 9);
            quota--;
        }
    } while (quota > 0 && ll.helperpasses < 100);
}

namespace {

bool knowntype(int t) {
    return (t >= 1 && t <= 13) || t == CT_RANDOM || t == CT_HELPER || t == CT_TOOL || t == CT_FISHSLAP ||
           t == CT_BONUS;
}

// A slot record the tables can hold; anything else would index outside them.
bool slotrecordok(const int* r) {
    using LF = levelformat::SlotField;
    int type = r[LF::TYPE], param = r[LF::PARAM], x = r[LF::X], y = r[LF::Y], stack = r[LF::STACK],
        layer = r[LF::LAYER], lock = r[LF::LOCK];
    if (!knowntype(type)) return false;
    if (type == CT_HELPER && (param < 1 || param > 9)) return false;
    if (x < 0 || y < 0 || x > (FIELDW - CARDW) / 2 || y > (FIELDH - CARDH) / 2) return false;
    if (stack < 0 || stack > MAXSTACKS) return false;
    if (layer < 0 || layer > LEVELSLOTS) return false;
    if (lock < 0 || lock > 3) return false;
    return true;
}

// The whole file as integers, or false when it is missing or too short.
bool readlevelints(const std::string& name, std::vector<int>& v) {
    long size = pf::filesize(name);
    if (size < LEVELBYTES) return false;
    pf::Stream* s = pf::readfile(name);
    if (!s) return false;
    v.assign(LEVELINTS, 0);
    bool ok = true;
    for (int i = 0; i < LEVELINTS; i++) {
        if (pf::endoffile(s)) {
            ok = false;
            break;
        }
        v[i] = pf::readint(s);
    }
    pf::closefile(s);
    return ok;
}

void storelevel(const std::vector<int>& v) {
    Profile& p = akt();
    clearslot(-9999);
    for (int i = 1; i <= LEVELSLOTS; i++) {
        using LF = levelformat::SlotField;
        const int* r = &v[levelformat::slotrecord(i)];
        CardSlot& c = p.card[i];
        c.cardshown = 0;
        c.cardopen = 0;
        if (r[LF::TYPE] == 0 || !slotrecordok(r)) continue;  // empty or unusable: the slot stays empty
        c.cardtype = r[LF::TYPE];
        c.cardparam = r[LF::PARAM];
        c.cardx = r[LF::X] * 2;
        c.cardy = r[LF::Y] * 2;
        c.cardflip = r[LF::FLIP];
        c.cardstack = r[LF::STACK];
        c.cardlayer = r[LF::LAYER];
        c.cardlock = r[LF::LOCK];
    }
    p.card[MAXCARDS].cardopen = 0;
    for (int f = 1; f <= MAXFISH; f++) {
        using FF = levelformat::FishField;
        const int* r = &v[levelformat::fishrecord(f)];
        FishRec& fr = p.fish[f];
        int fx = r[FF::FISHX], fy = r[FF::FISHY], orders = r[FF::FISHORDERS];
        bool ok = fx >= -16 && fx <= FIELDW / 2 && fy >= 0 && fy <= FIELDH / 2 && orders >= 0 && orders <= 3;
        fr.fishx = ok ? fx * 2 + levelformat::FISHXOFFSET : 0;
        fr.fishy = ok ? fy * 2 : 0;
        fr.fishtype = ok ? orders : 0;
        setupfish(f);
    }
}

// A resumed game comes from a profile file; make sure nothing in it can send
// an index outside the tables, and that the stack counts match the cards.
void sanitizeresumed() {
    Profile& p = akt();
    for (int i = 1; i <= MAXCARDS; i++) {
        CardSlot& c = p.card[i];
        if (c.cardtype == 0) continue;
        int r[9] = {c.cardtype, c.cardparam, c.cardx / 2, c.cardy / 2, c.cardflip, c.cardstack, c.cardlayer, c.cardlock, 0};
        if (!slotrecordok(r) || (c.cardtype == CT_RANDOM)) {
            clearslot(i);
            continue;
        }
        if (c.cardtype >= 1 && c.cardtype <= 13 && (c.cardsuit < 1 || c.cardsuit > 4)) c.cardsuit = 1;
        if (c.cardface < 0 || c.cardface > 200) c.cardface = 1;
    }
    if (p.stacks < 0 || p.stacks > MAXSTACKS) p.stacks = MAXSTACKS;
    if (p.stablecount < 0 || p.stablecount > MAXCARDS) p.stablecount = 1;
    if (p.stablestart < 0 || p.stablestart > MAXCARDS) p.stablestart = p.stablecount;
    if (p.aktflip < 0 || p.aktflip > 20) p.aktflip = 20;
    bool aktok = (p.aktcard >= 0 && p.aktcard <= 52) || (p.aktcard >= 124 && p.aktcard <= 136) ||
                 (p.aktcard >= 1001 && p.aktcard <= 1009);
    if (!aktok) p.aktcard = 0;
    if (p.aktprev < 0 || p.aktprev > 52) p.aktprev = 0;
    if (p.aktvalue < 1 || p.aktvalue > NOVALUE) p.aktvalue = NOVALUE;
    // The flying card is not part of the saved game: a game left while a card
    // was on its way gets that card back on the table, with the counts to match.
    if (p.movestep != 0) p.movestep = 0;
    int left[MAXSTACKS + 1] = {};
    for (int i = 1; i <= MAXCARDS; i++) {
        const CardSlot& c = p.card[i];
        if (c.cardtype > 0 && c.cardx > 0 && c.cardstack >= 1) left[c.cardstack]++;
    }
    for (int s = 1; s <= MAXSTACKS; s++) {
        StackRec& st = p.stack[s];
        if (left[s] > 0) st.stackleft = left[s];
        else if (st.stackleft > 0) st.stackleft = 0;  // emptied; counted at the next stack check
        else if (st.stackleft < -1) st.stackleft = -1;
    }
}

void brokenlevel(const std::string& name) {
    pf::logline("level file missing or damaged: " + name);
    clearslot(-9999);
    Profile& p = akt();
    for (int f = 1; f <= MAXFISH; f++) p.fish[f] = FishRec{};
    for (int s = 1; s <= MAXSTACKS; s++) p.stack[s] = StackRec{};
    p.stacks = 0;
    p.ingame = 0;
    cg.gamestat = 0;  // nothing runs on an empty table
    cg.brokenlevel = 1;
    gotoscreen(screenexists(SCREEN_MAP) ? SCREEN_MAP : SCREEN_MENU, 0);
}

}  // namespace

void resetlevelruntime() {
    for (int i = 0; i <= MAXCARDS; i++) {
        cg.cardplayable[i] = 0;
        cg.cardwiggle[i] = 0;
        cg.refillx[i] = 0;
        cg.refilly[i] = 0;
    }
    cg.gameresult = 0;
    cg.combo = 0;
    cg.combolast = 0;
    cg.combosign = 0;
    if (sc.points == -1) sc.points = 0;
    cg.endtick = 0;
    cg.stabley = 580;
    cg.movecard = 0;
    cg.refill = 0;
    cg.givenup = 0;
    cg.offercount = 0;
    cg.offerpanel = 0;
    cg.playticks = 0;
    cg.anyplayable = 0;
    cg.extrabusy = 0;
    cg.stackcardsum = 0;
    for (int s = 1; s <= MAXSTACKS; s++)
        if (akt().stack[s].stackleft > 0) cg.stackcardsum += akt().stack[s].stackleft;
    resetextrasforlevel();
    resethudforlevel();
    resetfishorders();
}

bool loadlevel() {
    for (int i = 1; i <= MAXSIGNS; i++) cg.sign[i] = Sign{};
    cg.brokenlevel = 0;
    cg.dealrequest = 0;
    Profile& p = akt();
    bool resumed = p.ingame != 0;
    if (!resumed) {
        std::string name = levelfilename(core.aktlevel);
        pf::logline(name);
        std::vector<int> v;
        if (!readlevelints(name, v)) {
            brokenlevel(name);
            return false;
        }
        storelevel(v);
        addhelpercards();
        preparecards();
        // a combo left over from the previous level must not be paid (or serve
        // this level's fish) by the first draw
        cg.combo = 0;
        drawfromstable();
        p.aktflip = 0;
        cg.gamestat = 1;
        cg.dealtick = 0;
    } else {
        sanitizeresumed();
        cg.gamestat = 2;
        cg.dealtick = 190;
        cg.stablex = disp.midx - 120;
        cg.stablecury = 580;
    }
    p.ingame = 0;
    resetlevelruntime();
    return true;
}
