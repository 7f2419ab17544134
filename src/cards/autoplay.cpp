#include "cards/autoplay.h"

#include <vector>

#include "cards/cardart.h"
#include "cards/cardgame.h"
#include "cards/fishorders.h"
#include "cards/gamescreen.h"
#include "core/globals.h"
#include "meta/itemids.h"
#include "platform/platform.h"

namespace {

struct Search {
    std::vector<SeenCard> cards;
    std::vector<char> gone;
    int nodes = 0;
    int bestscore = -1;
    int bestfirst = 0;
};

bool isfree(const Search& s, int k) {
    for (size_t j = 0; j < s.cards.size(); j++)
        if (!s.gone[j] && (int)j != k && s.cards[j].stack == s.cards[k].stack && s.cards[j].layer > s.cards[k].layer)
            return false;
    return true;
}

void dfs(Search& s, int aktvalue, bool wild, int len, int uncovered, int cleared, int first) {
    s.nodes++;
    int score = 100 * len + 8 * uncovered + 30 * cleared;
    if (score > s.bestscore) {
        s.bestscore = score;
        s.bestfirst = first;
    }
    if (s.nodes > 4000) return;
    for (size_t k = 0; k < s.cards.size(); k++) {
        if (s.gone[k] || !s.cards[k].known || !isfree(s, (int)k)) continue;
        const SeenCard& c = s.cards[k];
        if (!(c.value == 0 || wild || fitsvalue(c.value, aktvalue))) continue;
        s.gone[k] = 1;
        int freed = 0, left = 0;
        for (size_t j = 0; j < s.cards.size(); j++) {
            if (s.gone[j] || s.cards[j].stack != c.stack) continue;
            left++;
            if (isfree(s, (int)j)) freed++;
        }
        dfs(s, c.value == 0 ? aktvalue : c.value, c.value == 0, len + 1, uncovered + freed, cleared + (left == 0),
            first ? first : c.slot);
        s.gone[k] = 0;
    }
}

void simtick() {
    core.framecount++;
    updatefree();
    for (int i = 1; i <= MAXCARDS; i++)
        if (i != cg.movecard && akt().card[i].cardtype > 0) stepface(i);
}

bool unlocking() {
    for (int i = 1; i <= MAXCARDS; i++) {
        const CardSlot& c = akt().card[i];
        if (c.cardtype > 0 && c.cardface > 1) return true;
    }
    return false;
}

// A tool is best played once every card under its obstacle is free: a card
// still covered when the tool goes keeps its obstacle for good.
// 2 play it now, 1 only when nothing else is left, 0 keep it.
int toolurgency(int tool) {
    int waiting = 0, free = 0;
    for (int j = 1; j <= MAXCARDS; j++) {
        const CardSlot& c = akt().card[j];
        if (c.cardtype <= 0 || c.cardlock != tool || c.cardface > 1) continue;
        waiting++;
        free += c.cardopen;
    }
    if (waiting == free) return 2;
    return free > 0 ? 1 : 0;
}

// The best first card of the run in sight, 0 when drawing is better.
int choose(bool lastresort) {
    const Profile& p = akt();
    std::vector<SeenCard> seen;
    for (int i = 1; i <= MAXCARDS; i++) {
        const CardSlot& c = p.card[i];
        if (!islayoutcard(i)) continue;
        if (c.cardtype == CT_HELPER || c.cardtype == CT_TOOL || c.cardtype == CT_BONUS) {
            // always worth taking: they only add to the combo (a tool under an
            // obstacle looks like the obstacle, so the player leaves it)
            bool take = c.cardtype != CT_TOOL || toolurgency(c.cardparam) >= (lastresort ? 1 : 2);
            if (c.cardlock == 0 && cardfits(i) && take) return i;
            seen.push_back({i, -1, c.cardstack, c.cardlayer, false});  // blocks what lies below
            continue;
        }
        bool locked = c.cardlock != 0;
        bool known = !locked && (c.cardshown || c.cardflip != 0 || c.cardopen);
        int v = c.cardtype == CT_FISHSLAP ? 0 : c.cardtype;
        seen.push_back({i, v, c.cardstack, c.cardlayer, known});
    }
    int first = bestrunstart(seen, p.aktvalue, p.aktcard == AKT_FISHSLAP);
    if (first && !cardfits(first)) return 0;  // not clickable yet (still turning)
    return first;
}

}  // namespace

int bestrunstart(const std::vector<SeenCard>& cards, int aktvalue, bool wild) {
    Search s;
    s.cards = cards;
    s.gone.assign(s.cards.size(), 0);
    dfs(s, aktvalue, wild, 0, 0, 0, 0);
    return s.bestfirst;
}

AutoResult autoplay(int level, int seed, bool newstable) {
    AutoResult r;
    resetcardgame();
    resetplaystate();
    players.aktplayer = 1;
    akt() = Profile{};
    akt().maxlevel = level;
    if (newstable) akt().items[ITEM_NEWSTABLE] = 1;
    core.aktlevel = core.playlevel = level;
    core.framecount = seed;
    if (!loadlevel()) return r;
    r.loaded = true;
    // the deal: every card on its place, face states as the deal leaves them
    for (int i = 1; i <= MAXCARDS; i++) {
        CardSlot& c = akt().card[i];
        c.cardposx = c.cardx;
        c.cardposy = c.cardy;
        if (c.cardtype > 0) c.carddealtime = 90;
    }
    akt().boardleft = 0;
    cg.gamestat = 2;
    cg.dealtick = 190;
    // A new player meets level 1 with its tutorial, which deals the six first.
    tut.tutorialon = level == 1 ? 1 : 0;
    tut.tutorialpage = 0;
    dealstablecard();
    tut.tutorialon = 0;
    for (int t = 0; t < 20; t++) simtick();
    akt().aktflip = 20;
    for (int guard = 0; guard < 5000; guard++) {
        Profile& p = akt();
        updatefree();
        checkstacks();
        drawfish();
        if (cg.gamestat == 3) break;
        int slot = choose(false);
        if (!slot && !unlocking()) slot = choose(true);
        if (slot) {
            int t = p.card[slot].cardtype;
            if (t == CT_HELPER) playhelpercard(slot);
            else if (t == CT_TOOL) playtoolcard(slot);
            else if (t == CT_BONUS) playbonuscard(slot);
            else {
                startmove(slot);
                for (int k = 0; k < 19; k++) simtick();
                landcard(slot);
            }
            simtick();
            continue;
        }
        if (unlocking()) {
            simtick();
            continue;
        }
        if (p.stablecount < 2 && p.items[ITEM_NEWSTABLE] > 0) {
            // the bought stable comes in: dealt cards go back into it
            p.items[ITEM_NEWSTABLE] = 0;
            for (int n = 1; n <= 52; n++)
                if (p.card[n].deckused == 2) p.card[n].deckused = 0;
            p.stablecount = p.stablestart;
            p.stockround++;
        }
        if (p.stablecount < 2) break;
        drawfromstable();
        if (cg.combosign == 1) combosigntick();
        cg.combosign = 0;
        dealstablecard();
        r.draws++;
        for (int k = 0; k < 20; k++) simtick();
    }
    updatefree();
    checkstacks();
    r.won = cg.gamestat == 3 && cg.goalleft == 0;
    r.points = sc.points;
    r.stars = r.points >= 500 ? 3 : r.points >= 400 ? 2 : r.points >= 325 ? 1 : 0;
    return r;
}
