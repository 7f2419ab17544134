// Plays the whole game as a player would, from an empty per-user folder to
// the last story, on the headless backend and the virtual clock: pointer
// clicks and keys only, decided from the harness's dump line. Fails, naming
// the screen or popup, on a fade that does not finish, a popup that does not
// close or a level that does not end; keeps the log and its input as a
// harness script so a failed run can be replayed.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/startup.h"
#include "cards/autoplay.h"
#include "cards/cardgame.h"
#include "core/globals.h"
#include "core/loop.h"
#include "core/screens.h"
#include "gamestate.h"
#include "menus/popupids.h"
#include "meta/trophies.h"
#include "platform/control.h"
#include "platform/platform.h"
#include "script.h"

namespace fs = std::filesystem;

namespace {

// ---- bounds ------------------------------------------------------------------
constexpr int FADEBOUND = 30;          // a fade-out takes 9 ticks; black beyond this is a failure
constexpr int PATIENCE = 900;          // ticks a popup may stay open while the bot tries to close it
constexpr int LEVELBOUND = 40000;      // ticks one level may take
constexpr int SCREENBOUND = 30000;     // ticks on one screen without a change (splash, story, map)
constexpr int RUNBOUND = 4000000;      // the whole journey
constexpr int LASTLEVEL = 74;
constexpr int STORIES = 21;
constexpr int LOSELEVEL = 2;           // lost on purpose once, then retried
constexpr int SUSPENDLEVEL = 4;
constexpr int HELPLEVEL = 5, OPTIONSLEVEL = 6;  // help and options opened from the in-level menu        // left through the in-level menu once, then resumed
constexpr const char* PLAYERNAME = "Rover";
constexpr int MAPPAGES = 4;
constexpr int CASINOGAMESEACH = 5;     // games an entrance allows
constexpr int CASINOMISS = 3;          // the game of each visit the bot gets wrong on purpose
constexpr int CHIPCOST[4] = {0, 10, 25, 50};
constexpr int CASINOPRIZE = 10;        // a right pick pays ten times the bet
constexpr int SHOPGIFT = 600;          // the first visit's present
constexpr int SHOPEXTRA = 1;           // the fishslap: every card fits while it lies on the open card
constexpr int ROOMWAIT = 130;          // ticks in the trophy room: the way out answers, new trophies unlock
constexpr int CHARGEBOUND = 60;        // ticks a charge or a prize may take to show in the balance
constexpr int SCREENW = 1024, SCREENH = 768;
// The map's top bar: the shop's and the trophy room's hot spots.
constexpr int SHOPSPOTX = 100, SHOPSPOTY = 40, ROOMSPOTX = SCREENW - 183, ROOMSPOTY = 40;
// Trophies the journey earns whatever the luck of the deals: the casino's
// two (55 games, more than 999 pearls won) and the star totals it passes,
// with the lowest total of each.
constexpr int TROPHY_STARS[3][2] = {{TROPHY_STARS60, 60}, {TROPHY_STARS120, 120}, {TROPHY_STARS200, 200}};
constexpr int STARSLACK = 9;           // the total must pass a bound by this much for its trophy to be due

std::string screenname(int id) {
    switch (id) {
        case SCREEN_SPLASH: return "splash";
        case SCREEN_LOADING: return "loading";
        case SCREEN_MENU: return "main menu";
        case SCREEN_GAME: return "card game";
        case SCREEN_MAP: return "map";
        case SCREEN_TROPHIES: return "trophy room";
        case SCREEN_STORY: return "story";
        case SCREEN_SURVEY: return "survey";
        case SCREEN_CASINO: return "casino";
        default: return "unknown";
    }
}

std::string popupname(int id) {
    switch (id) {
        case POPUP_EXIT: return "exit";
        case POPUP_OPTIONS: return "options";
        case POPUP_INFO: return "info";
        case POPUP_HELP: return "help";
        case POPUP_PLAYERLIST: return "player list";
        case POPUP_NAMEENTRY: return "name entry";
        case POPUP_DELETEPLAYER: return "delete player";
        case POPUP_CONTINUE: return "continue or new game";
        case POPUP_INGAMEMENU: return "in-level menu";
        case POPUP_NAMETAKEN: return "name taken";
        case POPUP_RESTART: return "restart";
        case POPUP_NEWGAME: return "new game";
        case POPUP_SHOP: return "shop";
        case POPUP_MAPHINT: return "map hint";
        case POPUP_CASINOHINT: return "casino hint";
        default: return "unknown";
    }
}

// ---- the dump, read back -------------------------------------------------------
struct State {
    std::map<std::string, std::string> kv;
    int num(const std::string& k, int def = 0) const {
        auto it = kv.find(k);
        return it == kv.end() || it->second.empty() ? def : std::atoi(it->second.c_str());
    }
    std::string str(const std::string& k) const {
        auto it = kv.find(k);
        return it == kv.end() ? "" : it->second;
    }
};

State parse(const std::string& line) {
    State s;
    std::istringstream in(line);
    std::string tok;
    while (in >> tok) {
        size_t eq = tok.find('=');
        if (eq == std::string::npos) continue;
        std::string v = tok.substr(eq + 1);
        if (!v.empty() && v.front() == '"') v = v.substr(1, v.size() >= 2 ? v.size() - 2 : 0);
        s.kv[tok.substr(0, eq)] = v;
    }
    return s;
}

std::vector<std::string> split(const std::string& s, char sep) {
    std::vector<std::string> r;
    std::string cur;
    std::istringstream in(s);
    while (std::getline(in, cur, sep))
        if (!cur.empty()) r.push_back(cur);
    return r;
}

struct Button {
    int x, y, layer, state;
};

// The buttons of the last frame, when that frame is the one just played.
std::vector<Button> buttons(const State& s) {
    std::vector<Button> r;
    if (s.num("buttonstick", -1) < s.num("tick") - 1) return r;
    for (const auto& b : split(s.str("buttons"), ';')) {
        Button k{};
        if (std::sscanf(b.c_str(), "%d,%d,%d,%d", &k.x, &k.y, &k.layer, &k.state) == 4) r.push_back(k);
    }
    return r;
}

std::vector<Button> activebuttons(const State& s) {
    std::vector<Button> r;
    for (const auto& b : buttons(s))
        if (b.layer == s.num("buttonlayer")) r.push_back(b);
    return r;
}

struct Card {
    int slot, type, face, x, y, stack = 0, layer = 0, lock = 0, param = 0;
    bool open, locked = false, layout = true;
};

std::vector<Card> cards(const State& s) {
    std::vector<Card> r;
    for (const auto& c : split(s.str("cards"), ';')) {
        Card k{};
        char oc = 0;
        if (std::sscanf(c.c_str(), "%d:%d/%d/%*d@%d,%d%c", &k.slot, &k.type, &k.face, &k.x, &k.y, &oc) == 6) {
            k.open = oc == 'o';
            r.push_back(k);
        }
    }
    for (const auto& c : split(s.str("stacks"), ';')) {
        int slot = 0, st = 0, la = 0, lock = 0, param = 0;
        if (std::sscanf(c.c_str(), "%d:%d.%d.%d.%d", &slot, &st, &la, &lock, &param) < 5) continue;
        for (auto& k : r)
            if (k.slot == slot) {
                k.stack = st;
                k.layer = la;
                k.lock = lock;
                k.param = param;
                k.locked = lock != 0;
                k.layout = c.back() != 'x';
            }
    }
    return r;
}

// "n@x,y;..." lists of the dump: what stands where on the screen.
struct Spot {
    int n, x, y;
};
std::vector<Spot> spots(const std::string& list) {
    std::vector<Spot> r;
    for (const auto& e : split(list, ';')) {
        Spot k{};
        if (std::sscanf(e.c_str(), "%d@%d,%d", &k.n, &k.x, &k.y) == 3) r.push_back(k);
    }
    return r;
}

std::vector<int> ints(const std::string& list) {
    std::vector<int> r;
    for (const auto& e : split(list, ',')) r.push_back(std::atoi(e.c_str()));
    return r;
}

// "k:v,k:v" lists (trophies and their states, casino games by entrance).
std::map<int, int> pairs(const std::string& list) {
    std::map<int, int> r;
    for (const auto& e : split(list, ',')) {
        int k = 0, v = 0;
        if (std::sscanf(e.c_str(), "%d:%d", &k, &v) == 2) r[k] = v;
    }
    return r;
}

int missinghelpers(const State& s) {
    std::string h = s.str("helpers");
    return (int)std::count(h.begin(), h.end(), '0');
}

bool hasextra(const State& s, int kind) {
    auto bar = ints(s.str("extrabar"));
    return std::find(bar.begin(), bar.end(), kind) != bar.end();
}

int freeslots(const State& s) {
    auto bar = ints(s.str("extrabar"));
    return (int)std::count(bar.begin(), bar.end(), 0);
}

// ---- the solver's choice of move, from what is on the table ------------------

// A tool is best played once every card under its obstacle is free: a card
// still covered when the tool goes keeps its obstacle for good.
// 2 play it now, 1 only when nothing else is left, 0 keep it.
int toolurgency(const std::vector<Card>& cs, int tool) {
    int waiting = 0, free = 0;
    for (const auto& c : cs) {
        if (c.lock != tool || c.face > 1) continue;
        waiting++;
        free += c.open;
    }
    if (waiting == free) return 2;
    return free > 0 ? 1 : 0;
}

// The card to click, or null when drawing from the pile is the better move.
const Card* choosecard(const State& st, const std::vector<Card>& cs, bool lastresort) {
    std::vector<std::pair<int, int>> playable;
    for (const auto& p : split(st.str("playable"), ';')) {
        int x = 0, y = 0;
        if (std::sscanf(p.c_str(), "%d,%d", &x, &y) == 2) playable.push_back({x, y});
    }
    auto isplayable = [&](const Card& c) {
        return std::find(playable.begin(), playable.end(), std::make_pair(c.x, c.y)) != playable.end();
    };
    int akt = st.num("aktvalue");
    std::vector<SeenCard> seen;
    for (const auto& c : cs) {
        if (!c.layout) continue;
        if (c.type == CT_HELPER || c.type == CT_TOOL || c.type == CT_BONUS) {
            // they only add to the run: take them when they can go (a tool
            // when its obstacle's cards are free)
            bool take = c.type != CT_TOOL || toolurgency(cs, c.param) >= (lastresort ? 1 : 2);
            if (!c.locked && isplayable(c) && take) return &c;
            seen.push_back({c.slot, -1, c.stack, c.layer, false});
            continue;
        }
        bool known = !c.locked && (c.open || c.face == 1);
        seen.push_back({c.slot, c.type == CT_FISHSLAP ? 0 : c.type, c.stack, c.layer, known});
    }
    int first = bestrunstart(seen, akt, false);
    for (const auto& c : cs)
        if (c.slot == first && isplayable(c)) return &c;
    // what the search could not see (a wild top card, an extra at work):
    // any card the table lets go, the tools last
    for (const auto& c : cs)
        if (c.layout && isplayable(c) && c.type != CT_TOOL) return &c;
    if (lastresort)
        for (const auto& c : cs)
            if (c.layout && isplayable(c)) return &c;
    return nullptr;
}

// ---- the bot -------------------------------------------------------------------
struct Bot {
    std::vector<std::string> script;  // its input, as a harness script
    std::vector<std::string> log;
    int waituntil = 0;
    int lastscreen = -100, screensince = 0, lastpopup = 0, popupsince = 0, fadesince = -1;
    int levelsince = 0, levelstarted = 0;
    std::vector<int> stories;
    std::vector<int> storiesseen;  // in order of showing
    int laststory = 0;
    bool named = false;
    bool lostonce = false, losing = false, retried = false;
    bool suspended = false, resumed = false;
    int suspendcards = -1;
    int levelswon = 0, losses = 0, draws = 0, clicks = 0;
    int lastpearls = -1, startpearls = -1;
    int pearlscreen = -100;  // the screen of the last look at the balance
    int movesinlevel = 0;
    std::string failure;
    bool done = false;
    int hurry = 0;
    bool endcounted = false;
    bool boughtstable = false;
    int stablesbought = 0;
    int lostlevels[LASTLEVEL + 2] = {};
    FILE* progress = nullptr;
    int wantpopup = 0;
    bool helpseen = false, optionsseen = false;
    std::vector<int> popupsseen;
    // pearls: what the bot expects the balance to do next, off the card game
    int expect = 0, expectsince = 0;
    std::string expectwhat;
    int earnedlevels = 0, spentlevels = 0, gift = 0, shopspent = 0, casinobets = 0, casinowon = 0;
    // the shop, once per map page
    bool shopdone[MAPPAGES + 1] = {};
    int shoppage = 0;          // the page whose visit is running
    bool inshop = false, boughtextra = false, boughtrefill = false;
    int shopwait = 0;
    std::vector<std::string> shoplog;  // per visit, for the summary
    int extratouse = 0;        // bought, to be used in the next level
    int extraclicked = -1;     // tick of the click on the extra
    bool extrachecked = false;
    int extrasused = 0, helpersused = 0, helperclicks = 0, refillsseen = 0;
    std::string lasthelpers;
    bool checkrefill = false;  // the next level must start with all nine helpers
    // casino entrances
    std::vector<int> casinosvisited;
    int casinolevel = 0, casinovisitgames = 0, cookie = 0, casinowins = 0, casinolosses = 0, chipspressed = 0;
    int lastchip = 0, presentationsince = -1, casinoidle = 0;
    int casinodue[2] = {};  // visits begun with more than 999 pearls won, with more than 34 games played
    bool pickmade = false;
    // the trophy room
    bool roomfrommap = false, roomfromgame = false, wantroom = false;
    int roomvisits = 0;
    bool roompaged = false;
    std::vector<int> starsatwins;  // the stars on the map after each win, for the trophies due
    long calls = 0, recordedcalls = 0;  // maintick calls, those already in the script
};

Bot bot;

// The input as a harness script: "wait N" counts the game's ticks run since
// the last input (the frame counter does not advance on every one of them),
// so the replay lands each input on the same tick.
void catchup() {
    if (bot.calls > bot.recordedcalls) bot.script.push_back("wait " + std::to_string(bot.calls - bot.recordedcalls));
    bot.recordedcalls = bot.calls;
}

void record(int tick, const std::string& line) {
    catchup();
    bot.script.push_back("# tick " + std::to_string(tick));
    bot.script.push_back(line);
}

void click(int tick, int x, int y, int pause = 20) {
    pointerto(x, y);
    pf::ctl::click(1);
    record(tick, "click " + std::to_string(x) + " " + std::to_string(y));
    bot.waituntil = tick + pause;
    bot.clicks++;
}

void move(int tick, int x, int y) {
    pointerto(x, y);
    record(tick, "move " + std::to_string(x) + " " + std::to_string(y));
}

void key(int tick, const std::string& name, int pause = 20) {
    pf::ctl::presskey(keycode(name));
    record(tick, "key " + name);
    bot.waituntil = tick + pause;
}

void typetext(int tick, const std::string& text) {
    for (unsigned char ch : text) pf::ctl::text(ch);
    record(tick, "type " + text);
    bot.waituntil = tick + 5;
}

void fail(const std::string& why) {
    if (bot.failure.empty()) bot.failure = why;
}

// A change of the balance the bot caused off the card game (a purchase, a
// bet, a prize): it must show, exactly, within a few ticks.
void expectpearls(int tick, int delta, const std::string& what) {
    if (bot.expect != 0) fail("pearls: " + bot.expectwhat + " (" + std::to_string(bot.expect) + ") never showed in the balance");
    bot.expect = delta;
    bot.expectsince = tick;
    bot.expectwhat = what;
}

// Closes whatever popup is open with its own buttons: the last one drawn on
// the popup's layer (the popups draw their way out last or alone).
void answerpopup(const State& s, int tick) {
    auto bs = activebuttons(s);
    int id = s.num("popup");
    if (bs.empty()) return;
    const Button* pick = &bs.back();
    if (id == POPUP_CONTINUE) {
        // continue the game rather than start anew: the right-hand button
        for (const auto& b : bs)
            if (b.x > pick->x) pick = &b;
    }
    click(tick, pick->x, pick->y, 30);
}

void onmenu(const State& s, int tick) {
    int popup = s.num("popup");
    if (popup == POPUP_NAMEENTRY) {
        if (!bot.named) {
            typetext(tick, PLAYERNAME);
            bot.named = true;
            return;
        }
        key(tick, "enter", 40);
        return;
    }
    if (popup != 0) {
        answerpopup(s, tick);
        return;
    }
    if (bot.screensince < 40) return;
    click(tick, 512, 550, 40);  // play
}

// The shop: an extra for the next level and the helpers refilled, each
// checked against the price on its sign, then closed by its own button.
void onshop(const State& s, int tick) {
    if (s.num("popupfade") < 16 || s.num("popupdir") != 1) return;
    if (s.num("shoptick") < 60) return;  // a first visit's present comes at 50
    auto bs = activebuttons(s);
    if (s.num("giftnotice") > 0) {
        if (!bs.empty()) click(tick, bs.back().x, bs.back().y, 30);
        return;
    }
    if (bot.expect != 0) return;  // a purchase still to show in the balance
    int pearls = s.num("pearls");
    std::string page = "page " + std::to_string(bot.shoppage) + ": ";
    if (!bot.boughtextra) {
        bot.boughtextra = true;
        // the fishslap when the pearls allow, else the cheapest extra
        int pick = -1, price = 0, x = 0, y = 0;
        for (const auto& e : split(s.str("shopitems"), ';')) {
            int n = 0, k = 0, ex = 0, ey = 0;
            if (std::sscanf(e.c_str(), "%d:%d@%d,%d", &n, &k, &ex, &ey) != 4 || k > pearls) continue;
            if (pick < 0 || n == SHOPEXTRA || (pick != SHOPEXTRA && k < price)) pick = n, price = k, x = ex, y = ey;
        }
        if (pick < 0 || freeslots(s) == 0) {
            bot.shoplog.push_back(page + (pick < 0 ? "no extra affordable" : "no free slot"));
            return;
        }
        move(tick, x, y);
        click(tick, x, y, 30);
        expectpearls(tick, -price, "the shop's price of extra " + std::to_string(pick));
        bot.shopspent += price;
        bot.extratouse = pick;
        bot.extraclicked = -1;
        bot.extrachecked = false;
        bot.shoplog.push_back(page + "extra " + std::to_string(pick) + " for " + std::to_string(price));
        return;
    }
    if (!bot.boughtrefill) {
        bot.boughtrefill = true;
        int price = 0, hx = 0, hy = 0;
        if (std::sscanf(s.str("refill").c_str(), "%d@%d,%d", &price, &hx, &hy) != 3 || price <= 0 || price > pearls) {
            bot.shoplog.push_back(page + (price <= 0 ? "no helper missing" : "refill " + std::to_string(price) + " not affordable"));
            return;
        }
        // a point of the helper panel outside every grid item's reach
        std::vector<Spot> grid;
        for (const auto& e : split(s.str("shopitems"), ';')) {
            int n = 0, k = 0, ex = 0, ey = 0;
            if (std::sscanf(e.c_str(), "%d:%d@%d,%d", &n, &k, &ex, &ey) == 4) grid.push_back({n, ex, ey});
        }
        int px = -1, py = -1;
        for (int dy : {40, 0, 80, -40})
            for (int dx : {0, 60, -60, 90}) {
                int x = hx + dx, y = hy + dy;
                bool ingrid = false;
                for (const auto& g : grid) ingrid = ingrid || (x > g.x - 75 && x < g.x + 75 && y > g.y - 75 && y < g.y + 105);
                if (px < 0 && !ingrid && y < SCREENH && x < SCREENW) px = x, py = y;
            }
        if (px < 0) {
            fail("shop: the helper panel lies under the grid of extras, nowhere to click the refill");
            return;
        }
        move(tick, px, py);
        click(tick, px, py, 30);
        expectpearls(tick, -price, "the refill of " + std::to_string(missinghelpers(s)) + " helpers");
        bot.shopspent += price;
        bot.checkrefill = true;
        bot.shoplog.push_back(page + "refill of " + std::to_string(missinghelpers(s)) + " helpers for " + std::to_string(price));
        return;
    }
    if (bot.extratouse && !hasextra(s, bot.extratouse))
        fail("shop: extra " + std::to_string(bot.extratouse) + " was paid for but is not in the extra bar (" + s.str("extrabar") + ")");
    if (bot.checkrefill && missinghelpers(s) != 0) fail("shop: the helper refill was paid for but the helpers are " + s.str("helpers"));
    // the close button: drawn last on the popup's layer
    if (!bs.empty()) click(tick, bs.back().x, bs.back().y, 30);
}

// Whether to take the shop now: both purchases affordable, or the page's
// last level has come (then whatever the pearls allow).
bool shopnow(const State& s, bool lastonpage) {
    int missing = missinghelpers(s);
    int pearls = s.num("pearls") + (bot.gift == 0 ? SHOPGIFT : 0);
    return lastonpage || (missing > 0 && pearls >= 400 + 150 * missing + 100);
}

void onmap(const State& s, int tick) {
    int popup = s.num("popup");
    if (popup == POPUP_SHOP && bot.inshop) {
        bot.shopwait = 0;
        onshop(s, tick);
        return;
    }
    if (popup != 0) {
        answerpopup(s, tick);
        return;
    }
    if (bot.inshop) {
        if (bot.boughtextra) {
            // the shop was open and has closed
            bot.inshop = false;
            bot.shopdone[bot.shoppage] = true;
        } else if (++bot.shopwait > 5) {
            fail("the shop's hot spot on the map (" + std::to_string(SHOPSPOTX) + "," + std::to_string(SHOPSPOTY) +
                 ") does not open popup " + std::to_string(POPUP_SHOP) + " (shop)");
            return;
        }
    }
    if (bot.screensince < 60 || s.num("mapswitch") != 0) return;
    int u = s.num("unlockanim");
    if (u > 0 && u < 160) return;
    int maxlevel = s.num("maxlevel");
    if (maxlevel > LASTLEVEL) {
        if (bot.storiesseen.size() >= (size_t)STORIES) {
            bot.done = true;
            return;
        }
        click(tick, 512, 738, 60);  // the play button: the ending
        return;
    }
    int target = std::max(1, maxlevel);
    bool pending = bot.suspended && !bot.resumed;  // a level left in the middle comes first
    if (pending) target = SUSPENDLEVEL;
    int lo = 1 << 30, hi = 0, nx = -1, ny = -1;
    for (const auto& n : spots(s.str("nodes"))) {
        lo = std::min(lo, n.n);
        hi = std::max(hi, n.n);
        if (n.n == target) {
            nx = n.x;
            ny = n.y;
        }
    }
    // Somewhere on screen: the edges scroll the map first.
    auto reach = [&](int x, int y, int pause) {
        if (x < 60) {
            move(tick, 3, 400);
            bot.waituntil = tick + 20;
        } else if (x > SCREENW - 60) {
            move(tick, SCREENW - 3, 400);
            bot.waituntil = tick + 20;
        } else {
            move(tick, x, y);
            click(tick, x, y, pause);
            return true;
        }
        return false;
    };
    if (!pending && nx >= 0) {
        // every casino entrance once it is open
        auto plays = pairs(s.str("casinoplays"));
        for (const auto& c : spots(s.str("casinos"))) {
            if (c.n > maxlevel || plays[c.n] >= CASINOGAMESEACH) continue;
            if (std::find(bot.casinosvisited.begin(), bot.casinosvisited.end(), c.n) != bot.casinosvisited.end()) {
                fail("the casino entrance beside level " + std::to_string(c.n) + " was visited but shows " +
                     std::to_string(CASINOGAMESEACH - plays[c.n]) + " games left");
                return;
            }
            if (reach(c.x, c.y, 60)) bot.casinolevel = c.n;
            return;
        }
        // the trophy room from the map, once a trophy waits to be unlocked there
        auto won = pairs(s.str("trophylist"));
        bool fresh = false;
        for (auto [t, st] : won) fresh = fresh || (t <= TROPHY_ROOMLAST && st == 1);
        // (or, failing that, on the last page anyway)
        if (!bot.roomfrommap && bot.roomfromgame && (fresh || s.num("aktmap") == MAPPAGES)) {
            move(tick, ROOMSPOTX, ROOMSPOTY);
            click(tick, ROOMSPOTX, ROOMSPOTY, 60);
            return;
        }
        // the shop once a page
        int page = s.num("aktmap");
        if (page >= 1 && page <= MAPPAGES && !bot.shopdone[page] && !bot.inshop && shopnow(s, target == hi)) {
            bot.inshop = true;
            bot.shoppage = page;
            bot.boughtextra = bot.boughtrefill = false;
            bot.shopwait = 0;
            move(tick, SHOPSPOTX, SHOPSPOTY);
            click(tick, SHOPSPOTX, SHOPSPOTY, 30);
            return;
        }
        if (bot.inshop) return;
    }
    if (nx < 0) {
        // the level lies on another page: the page buttons
        if (target > hi) click(tick, 512 + 235, 747, 120);
        else if (target < lo) click(tick, 512 - 235, 747, 120);
        return;
    }
    reach(nx, ny, 60);
}

// The casino: a chip bet, the cookie followed from its reveal through the
// swaps, the shell picked (wrong on purpose once a visit); the five games
// end the visit by themselves.
void oncasino(const State& s, int tick) {
    if (s.num("popup") != 0) {
        answerpopup(s, tick);
        return;
    }
    int reveal = s.num("reveal"), shuffle = s.num("shuffle"), pick = s.num("pick"), pickwait = s.num("pickwait");
    auto shells = split(s.str("shells"), ';');
    int cx = 0, cy = 0;
    if (reveal > 0 && std::sscanf(s.str("cookieat").c_str(), "%d,%d", &cx, &cy) == 2)
        for (size_t i = 0; i < shells.size(); i++)
            if (std::atoi(shells[i].c_str()) == cx) bot.cookie = (int)i + 1;
    if (s.num("leaving") > 0) {
        // a trophy's presentation: its button, once it has come down
        auto bs = activebuttons(s);
        if (s.num("leaving") < 250 || bs.empty()) return;
        if (bot.presentationsince < 0) bot.presentationsince = tick;
        if (tick - bot.presentationsince > 60) click(tick, bs.back().x, bs.back().y, 60);
        return;
    }
    if (s.num("casinotick") < 210) return;
    if (pickwait > 0 && !bot.pickmade) {
        if (pickwait < 20) return;
        if (bot.cookie < 1 || bot.cookie > (int)shells.size()) {
            fail("casino: the cookie was never seen under a shell before the pick");
            return;
        }
        int want = bot.casinovisitgames == CASINOMISS ? bot.cookie % (int)shells.size() + 1 : bot.cookie;
        int x = 0, y = 0;
        std::sscanf(shells[want - 1].c_str(), "%d,%d", &x, &y);
        move(tick, x, y - 10);
        click(tick, x, y - 10, 40);
        bot.pickmade = true;
        if (want == bot.cookie) {
            int prize = CHIPCOST[bot.lastchip] * CASINOPRIZE;
            expectpearls(tick, prize, "the casino's prize for a right pick with chip " + std::to_string(bot.lastchip));
            bot.casinowon += prize;
            bot.casinowins++;
        } else {
            bot.casinolosses++;
        }
        return;
    }
    bool idle = reveal == 0 && shuffle == 0 && pick == 0 && s.num("wintime") == 0 && s.num("losetime") == 0;
    if (!idle || s.num("bet") != 0 || s.num("gamesleft") <= 0 || bot.expect != 0) return;
    if (bot.casinovisitgames >= CASINOGAMESEACH) {
        fail("casino: the entrance beside level " + std::to_string(bot.casinolevel) + " still shows " + s.str("gamesleft") +
             " games left after its " + std::to_string(CASINOGAMESEACH) + " games");
        return;
    }
    // the three chips, left to right, on the row above the table's edge
    std::vector<Button> chips;
    for (const auto& b : buttons(s))
        if (b.y == SCREENH - 90) chips.push_back(b);
    std::sort(chips.begin(), chips.end(), [](const Button& a, const Button& b) { return a.x < b.x; });
    int want = bot.casinovisitgames % 3 + 1, chip = 0;
    for (int c = 1; c <= want && c <= (int)chips.size(); c++)
        if (chips[c - 1].layer == s.num("buttonlayer")) chip = c;
    if (chip == 0) {
        if (++bot.casinoidle > 300)
            fail("casino: no chip could be bet with " + s.str("pearls") + " pearls and " + s.str("gamesleft") + " games left");
        return;
    }
    bot.casinoidle = 0;
    click(tick, chips[chip - 1].x, chips[chip - 1].y, 40);
    expectpearls(tick, -CHIPCOST[chip], "the casino's chip " + std::to_string(chip));
    bot.casinobets += CHIPCOST[chip];
    bot.lastchip = chip;
    bot.casinovisitgames++;
    bot.chipspressed++;
    bot.pickmade = false;
    bot.cookie = 0;
}

// The trophy room: every trophy won so far unlocked once the celebration
// has run, a page turned once, then the way back (to the map).
void onroom(const State& s, int tick) {
    if (s.num("popup") != 0) {
        answerpopup(s, tick);
        return;
    }
    if (s.num("roomclock") < ROOMWAIT) return;
    for (auto [t, st] : pairs(s.str("trophylist")))
        if (t <= TROPHY_ROOMLAST && st < TROPHYSETTLED) {
            fail("trophy room: trophy " + std::to_string(t) + " is still locked (state " + std::to_string(st) +
                 ") after the celebration");
            return;
        }
    auto bs = activebuttons(s);
    if (!bot.roompaged && s.num("roomfrom") == SCREEN_MAP) {
        for (const auto& b : bs)
            if (b.y == SCREENH - 21 && (b.x > 512) == (s.num("roompage") < 3)) {
                bot.roompaged = true;
                click(tick, b.x, b.y, 60);
                return;
            }
    }
    const Button* out = nullptr;
    for (const auto& b : bs)
        if (b.y == SCREENH - 23 && (!out || b.x > out->x)) out = &b;  // the map's way, right of the menu's
    if (out) click(tick, out->x, out->y, 60);
}

void onstory(const State& s, int tick) {
    int n = s.num("story");
    if (n != bot.laststory) {
        bot.laststory = n;
        bot.storiesseen.push_back(n);
        bot.hurry = 0;
    }
    if (s.num("popup") != 0) {
        answerpopup(s, tick);
        return;
    }
    if (bot.screensince < 30 || s.num("storyend") != 0) return;
    switch (n % 3) {
        case 0:  // skipped
            click(tick, 1024 - 80, 768 - 30, 60);
            break;
        case 2:  // hurried: clicks move the text on
            if (bot.hurry++ < 40) click(tick, 512, 300, 40);
            break;
        default:  // watched to the end
            break;
    }
}

// The extra bought in the shop, played in the next level once a card has
// gone: it flies onto the open card; the fishslap then lets every free card
// go.
bool useextra(const State& s, int tick, const std::vector<Card>& cs, int level) {
    if (!bot.extratouse || bot.extrachecked) return false;
    auto bar = ints(s.str("extrabar"));
    auto slots = split(s.str("extraslots"), ';');
    int slot = 0;
    for (size_t i = 0; i < bar.size() && i < slots.size(); i++)
        if (bar[i] == bot.extratouse) slot = (int)i + 1;
    if (bot.extraclicked >= 0) {
        if (s.num("extrabusy") != 0 && bot.extratouse != SHOPEXTRA) return true;  // at work: input waits
        if (slot != 0) {
            if (tick - bot.extraclicked < 60) return true;
            fail("level " + std::to_string(level) + ": extra " + std::to_string(bot.extratouse) +
                 " in the extra bar did not fly onto the open card when clicked");
            return true;
        }
        if (bot.extratouse == SHOPEXTRA) {
            if (s.num("aktcard") != AKT_FISHSLAP) {
                if (tick - bot.extraclicked < 60) return true;
                fail("level " + std::to_string(level) + ": the fishslap left its slot but the open card is " + s.str("aktcard"));
                return true;
            }
            // every free card fits the fishslap
            int open = 0, playable = (int)split(s.str("playable"), ';').size();
            for (const auto& c : cs) open += c.layout && c.open && !c.locked;
            if (playable < open) {
                fail("level " + std::to_string(level) + ": with the fishslap on the open card only " + std::to_string(playable) +
                     " of " + std::to_string(open) + " free cards may go");
                return true;
            }
        }
        bot.extrachecked = true;
        bot.extrasused++;
        bot.extratouse = 0;
        return false;
    }
    if (slot == 0 || bot.movesinlevel < 1 || s.num("extrabusy") != 0) return false;
    int x = 0, y = 0;
    std::sscanf(slots[slot - 1].c_str(), "%d,%d", &x, &y);
    move(tick, x, y);
    click(tick, x, y, 30);
    bot.extraclicked = tick;
    return true;
}

// Nothing fits: a helper whose value lets a free card go, before the pile.
bool usehelper(const State& s, int tick, const std::vector<Card>& cs) {
    if (s.num("extrabusy") != 0 || bot.helperclicks >= 12) return false;
    for (const auto& h : spots(s.str("helperat"))) {
        for (const auto& c : cs) {
            if (!c.layout || !c.open || c.locked || c.type < 1 || c.type > 13) continue;
            int d = std::abs(c.type - h.n);
            if (d != 1 && d != 12) continue;
            move(tick, h.x, h.y);
            click(tick, h.x, h.y, 30);
            bot.helperclicks++;
            bot.movesinlevel++;
            return true;
        }
    }
    return false;
}

void ongame(const State& s, int tick) {
    int gamestat = s.num("gamestat");
    int level = s.num("sellevel");
    int popup = s.num("popup");
    if (popup == POPUP_INGAMEMENU && bot.suspended && !bot.resumed && bot.levelsince > 0) {
        // back to the map (the third button: help, options, map, restart,
        // menu, close): the level stays as it was left
        auto bs = activebuttons(s);
        if (bs.size() >= 3) click(tick, bs[2].x, bs[2].y, 60);
        return;
    }
    if (popup == POPUP_INGAMEMENU && bot.wantpopup != 0) {
        // help (first button) or options (second), each once
        auto bs = activebuttons(s);
        size_t k = bot.wantpopup == POPUP_HELP ? 0 : 1;
        if (bs.size() > k) click(tick, bs[k].x, bs[k].y, 60);
        (bot.wantpopup == POPUP_HELP ? bot.helpseen : bot.optionsseen) = true;
        bot.wantpopup = 0;
        return;
    }
    if (popup != 0) {
        if (popup == POPUP_HELP || popup == POPUP_OPTIONS) bot.popupsseen.push_back(popup);
        answerpopup(s, tick);
        return;
    }
    if (gamestat == 3) {
        if (s.num("gameresult") == 2 && !bot.endcounted) {
            bot.endcounted = true;
            bot.losses++;
            bot.lostlevels[std::clamp(level, 0, LASTLEVEL + 1)]++;
            if (level == LOSELEVEL) bot.lostonce = true;
        }
        if (s.num("gameresult") == 1 && !bot.endcounted) {
            bot.endcounted = true;
            bot.levelswon++;
            int total = 0;
            for (char ch : s.str("stars")) total += ch - '0';
            bot.starsatwins.push_back(total);
            if (bot.progress)
                std::fprintf(bot.progress, "playthrough: level %d won at tick %d with %s points\n", level, tick,
                             s.str("points").c_str()),
                    std::fflush(bot.progress);
        }
        auto bs = activebuttons(s);
        if (bs.empty()) return;
        // lost: the retry on the right; won: on to the map (the left one of
        // two, when a new trophy offers its room on the right), the room once
        const Button* pick = &bs.back();
        bool right = s.num("gameresult") != 1 || (!bot.roomfromgame && bs.size() == 2);
        for (const auto& b : bs)
            if (right ? b.x > pick->x : b.x < pick->x) pick = &b;
        click(tick, pick->x, pick->y, 60);
        return;
    }
    if (gamestat == 1) {
        // a deal: a new level or the same one again
        bot.levelsince = 0;
        bot.movesinlevel = 0;
        bot.boughtstable = false;
        bot.helperclicks = 0;
    }
    if (gamestat != 2) return;
    bot.endcounted = false;
    // a tutorial page or the end offer: their buttons come first
    auto bs = activebuttons(s);
    auto cs = cards(s);
    if (level == SUSPENDLEVEL && !bot.suspended && bot.movesinlevel >= 2) {
        bot.suspended = true;
        bot.suspendcards = (int)cs.size();
        key(tick, "esc", 40);
        return;
    }
    if (bot.movesinlevel >= 1 && ((level == HELPLEVEL && !bot.helpseen) || (level == OPTIONSLEVEL && !bot.optionsseen))) {
        bot.wantpopup = level == HELPLEVEL ? POPUP_HELP : POPUP_OPTIONS;
        key(tick, "esc", 40);
        return;
    }
    // The refill bought on the map: the level starts with all nine helpers.
    if (bot.checkrefill && bot.movesinlevel == 0) {
        bot.checkrefill = false;
        if (missinghelpers(s) != 0) fail("level " + std::to_string(level) + " started with helpers " + s.str("helpers") + " after the refill");
        else bot.refillsseen++;
    }
    if (useextra(s, tick, cs, level)) return;
    if (bot.suspended && !bot.resumed && level == SUSPENDLEVEL) {
        bot.resumed = true;
        if ((int)cs.size() != bot.suspendcards)
            fail("level " + std::to_string(level) + " did not resume as it was left (" + std::to_string(cs.size()) +
                 " cards, left with " + std::to_string(bot.suspendcards) + ")");
    }
    // Lost on purpose: the whole pile drawn first, then whatever fits until
    // nothing does, and the end offer taken.
    bool losing = level == LOSELEVEL && !bot.lostonce;
    int stable = s.num("stablecount");
    int x = 0, y = 0;
    bool havetop = std::sscanf(s.str("stabletop").c_str(), "%d,%d", &x, &y) == 2;
    if (losing && stable >= 2 && havetop) {
        click(tick, x, y, 30);
        bot.draws++;
        return;
    }
    const Card* c = choosecard(s, cs, false);
    if (c) {
        click(tick, c->x, c->y, 25);
        bot.movesinlevel++;
        return;
    }
    // an obstacle going or a card turning: what it frees may fit
    for (const auto& k : cs)
        if (k.face > 1) {
            bot.waituntil = tick + 5;
            return;
        }
    if (!losing && usehelper(s, tick, cs)) return;
    if (stable >= 2 && havetop) {
        click(tick, x, y, 30);
        bot.draws++;
        return;
    }
    if ((c = choosecard(s, cs, true))) {
        click(tick, c->x, c->y, 25);
        bot.movesinlevel++;
        return;
    }
    // the pile is empty: a new one bought once a level when the pearls allow
    if (!losing && !bot.boughtstable && havetop && s.num("pearls") >= 100) {
        bot.boughtstable = true;
        bot.stablesbought++;
        click(tick, x, y, 60);
        return;
    }
    // nothing fits and nothing is left: the end offer's button
    if (!bs.empty()) click(tick, bs.front().x, bs.front().y, 40);
}

void step(const State& s) {
    int tick = s.num("tick");
    int screen = s.num("screen");
    int fadestate = s.num("fadestate");
    int popup = s.num("popup");
    // fades: a change that leaves the screen black is a failure
    if (fadestate == 2) {
        if (bot.fadesince < 0) bot.fadesince = tick;
        if (tick - bot.fadesince > FADEBOUND) {
            int to = s.num("fadeto");
            fail("the change to screen " + std::to_string(to) + " (" + screenname(to) + ") stayed black for " +
                 std::to_string(tick - bot.fadesince) + " ticks: it never came in");
        }
        return;
    }
    bot.fadesince = -1;
    if (screen != bot.lastscreen) {
        bot.lastscreen = screen;
        bot.screensince = 0;
        if (screen == SCREEN_CASINO) {
            if (bot.casinolevel == 0) fail("the casino opened without the bot clicking an entrance");
            bot.casinosvisited.push_back(bot.casinolevel);
            bot.casinovisitgames = 0;
            bot.presentationsince = -1;
            bot.casinoidle = 0;
            // a casino trophy is due once its bound was passed before two visits
            if (bot.chipspressed > 34) bot.casinodue[1]++;
            if (bot.casinowon > 999) bot.casinodue[0]++;
        }
        if (screen == SCREEN_MAP && bot.casinolevel != 0) {
            if (bot.casinovisitgames != CASINOGAMESEACH)
                fail("the casino beside level " + std::to_string(bot.casinolevel) + " closed after " +
                     std::to_string(bot.casinovisitgames) + " games, not " + std::to_string(CASINOGAMESEACH));
            bot.casinolevel = 0;
        }
        if (screen == SCREEN_TROPHIES) {
            bot.roomvisits++;
            bot.roompaged = false;
            int from = s.num("roomfrom");
            if (from == SCREEN_MAP) bot.roomfrommap = true;
            if (from == SCREEN_GAME) bot.roomfromgame = true;
        }
        if (screen == SCREEN_GAME) {
            bot.levelsince = 0;
            bot.movesinlevel = 0;
            bot.boughtstable = false;
        }
    }
    bot.screensince++;
    if (popup != bot.lastpopup) {
        bot.lastpopup = popup;
        bot.popupsince = tick;
    }
    if (popup != 0 && tick - bot.popupsince > PATIENCE)
        fail("popup " + std::to_string(popup) + " (" + popupname(popup) + ") stayed open for " +
             std::to_string(tick - bot.popupsince) + " ticks: it does not close");
    if (screen == SCREEN_GAME) {
        bot.levelsince++;
        if (bot.levelsince > LEVELBOUND)
            fail("level " + s.str("sellevel") + " took more than " + std::to_string(LEVELBOUND) + " ticks");
    } else if (bot.screensince > SCREENBOUND) {
        fail("stuck on screen " + std::to_string(screen) + " (" + screenname(screen) + ") for " +
             std::to_string(SCREENBOUND) + " ticks");
    }
    // Pearls: the card game pays and sells the pile as it goes; anywhere else
    // the balance moves only by what the bot bought, bet or won, exactly.
    int pearls = s.num("pearls", -1);
    if (pearls >= 0 && s.kv.count("name")) {
        if (bot.startpearls < 0) bot.startpearls = pearls;
        int d = bot.lastpearls >= 0 ? pearls - bot.lastpearls : 0;
        if (d != 0) {
            // leaving a level pays what is still on its way to the bar (the
            // stars' pearls): seen first on the next screen when the bot
            // looked last before the button
            bool fromlevel = screen == SCREEN_GAME || (bot.pearlscreen == SCREEN_GAME && d > 0);
            if (fromlevel && popup != POPUP_SHOP) {
                (d > 0 ? bot.earnedlevels : bot.spentlevels) += std::abs(d);
            } else if (bot.expect != 0 && d == bot.expect) {
                bot.expect = 0;
            } else if (popup == POPUP_SHOP && d == SHOPGIFT && bot.gift == 0) {
                bot.gift = d;
            } else {
                fail("pearls changed by " + std::to_string(d) + " on screen " + std::to_string(screen) + " (" + screenname(screen) +
                     (popup ? ", popup " + std::to_string(popup) + " " + popupname(popup) : std::string()) + "), expected " +
                     (bot.expect ? std::to_string(bot.expect) + " for " + bot.expectwhat : std::string("no change")));
            }
        }
        bot.lastpearls = pearls;
        bot.pearlscreen = screen;
        if (bot.expect != 0 && tick - bot.expectsince > CHARGEBOUND)
            fail("pearls: " + bot.expectwhat + " (" + std::to_string(bot.expect) + ") never showed in the balance");
        if (screen == SCREEN_GAME) {
            std::string h = s.str("helpers");
            if (bot.lasthelpers.size() == h.size())
                for (size_t i = 0; i < h.size(); i++) bot.helpersused += bot.lasthelpers[i] == '1' && h[i] == '0';
            bot.lasthelpers = h;
        } else {
            bot.lasthelpers.clear();
        }
    }
    if (tick < bot.waituntil) return;
    switch (screen) {
        case SCREEN_MENU: onmenu(s, tick); break;
        case SCREEN_MAP: onmap(s, tick); break;
        case SCREEN_STORY: onstory(s, tick); break;
        case SCREEN_GAME: ongame(s, tick); break;
        case SCREEN_CASINO: oncasino(s, tick); break;
        case SCREEN_TROPHIES: onroom(s, tick); break;
        case SCREEN_SPLASH:
        case SCREEN_LOADING:
            break;  // they end on their own
        default:
            // a screen the journey does not visit yet: left by its last button
            // (the way back), or Escape
            if (popup != 0) {
                answerpopup(s, tick);
            } else if (bot.screensince > 60) {
                auto bs = activebuttons(s);
                if (!bs.empty()) click(tick, bs.back().x, bs.back().y, 60);
                else key(tick, "esc", 60);
            }
            break;
    }
}

int usage() {
    std::cerr << "usage: twplaythrough [--userdir DIR] [--data DIR] [--seed N] [--keep DIR] [--wall SECONDS]\n"
                 "                     [--verbose] [--quiet]\n"
                 "Plays the whole game on the headless backend; on a failure writes DIR/playthrough.log and\n"
                 "DIR/playthrough.txt (replay: twharness --backend headless --userdir EMPTYDIR DIR/playthrough.txt).\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string userdir, datadir = TW_BINARY_DIR, keep = "playthrough-failure";
    int seed = 1;
    bool verbose = false, quiet = false;
    int wallbound = 600;  // seconds
    for (int i = 1; i < argc; i++) {
        std::string a = argv[i];
        auto next = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        if (a == "--userdir") userdir = next();
        else if (a == "--data") datadir = next();
        else if (a == "--seed") seed = std::atoi(next().c_str());
        else if (a == "--keep") keep = next();
        else if (a == "--verbose") verbose = true;
        else if (a == "--quiet") quiet = true;
        else if (a == "--wall") wallbound = std::atoi(next().c_str());
        else return usage();
    }
    if (userdir.empty()) userdir = (fs::temp_directory_path() / ("twplaythrough-" + std::to_string(getpid()))).string();
    userdir = fs::absolute(userdir).string();
    // The game's own log goes to a file beside the kept input; the summary
    // stays on the terminal.
    std::error_code kec;
    fs::create_directories(keep, kec);
    std::string gamelog = (fs::path(keep) / "game.log").string();
    std::fflush(stdout);
    int terminal = dup(1);
    if (!std::freopen(gamelog.c_str(), "w", stdout)) {
        std::cerr << "playthrough: cannot write " << gamelog << "\n";
        return 2;
    }
    FILE* out = fdopen(terminal, "w");
    bot.progress = quiet ? nullptr : out;
    std::error_code ec;
    if (fs::exists(userdir) && !fs::is_empty(userdir, ec)) {
        std::cerr << "playthrough: " << userdir << " is not empty: the journey starts from a new per-user folder\n";
        return 2;
    }
    fs::create_directories(userdir, ec);
    setenv("XDG_DATA_HOME", userdir.c_str(), 1);
    pf::setdataroot(datadir);
    pf::ctl::virtualclock(true, 1000);
    pf::ctl::fixedseed(true, seed);
    auto wall0 = std::chrono::steady_clock::now();
    if (!startgame(pf::Backend::headless)) {
        std::cerr << "playthrough: the game did not start (another instance running?)\n";
        return 1;
    }
    disp.gfxwidth = 1024;
    disp.windowwidth = 1024;
    disp.windowheight = 768;
    pf::opengraphics(1024, 768, 0, 60, 0);
    pf::setvirtualres(disp.gfxwidth, disp.gfxheight);

    bool running = true;
    std::string last;
    while (running && bot.failure.empty() && !bot.done) {
        running = maintick();
        bot.calls++;
        last = dumpline({});
        // the last stretch of the journey always, all of it when asked
        bot.log.push_back(last);
        if (!verbose && bot.log.size() > 6000) bot.log.erase(bot.log.begin(), bot.log.begin() + 3000);
        State s = parse(last);
        if ((s.num("tick") & 1023) == 0 &&
            std::chrono::steady_clock::now() - wall0 > std::chrono::seconds(wallbound))
            fail("the journey took more than " + std::to_string(wallbound) + " s of wall time");
        if (s.num("tick") > RUNBOUND) fail("the journey took more than " + std::to_string(RUNBOUND) + " ticks");
        step(s);
    }
    if (!running && bot.failure.empty() && !bot.done) fail("the game ended before the journey did");
    State s = parse(last);
    double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();

    // the trophies the journey must have won
    auto won = pairs(s.str("trophylist"));
    std::vector<int> due;
    if (bot.casinodue[0] >= 2) due.push_back(TROPHY_CASINOPEARLS);
    if (bot.casinodue[1] >= 2) due.push_back(TROPHY_CASINOGAMES);
    for (int k = 0; k < 3; k++) {
        int wins = 0, from = TROPHY_STARS[k][1] + STARSLACK, below = k < 2 ? TROPHY_STARS[k + 1][1] : 1 << 30;
        for (int total : bot.starsatwins) wins += total >= from && total < below;
        if (wins >= 4) due.push_back(TROPHY_STARS[k][0]);
    }
    // the profile at the end
    if (bot.failure.empty()) {
        if (s.num("maxlevel") <= LASTLEVEL) fail("maxlevel is " + s.str("maxlevel") + ", not past 74");
        std::string stars = s.str("stars");
        for (size_t l = 0; l < stars.size(); l++)
            if (stars[l] == '0') fail("level " + std::to_string(l + 1) + " has no star");
        for (int id : {POPUP_HELP, POPUP_OPTIONS})
            if (std::find(bot.popupsseen.begin(), bot.popupsseen.end(), id) == bot.popupsseen.end())
                fail("popup " + std::to_string(id) + " (" + popupname(id) + ") never opened from the in-level menu");
        if (!bot.lostonce) fail("level " + std::to_string(LOSELEVEL) + " was never lost and retried");
        if (!bot.resumed) fail("level " + std::to_string(SUSPENDLEVEL) + " was never suspended and resumed");
        for (int n = 1; n <= STORIES; n++)
            if ((int)bot.storiesseen.size() < n || bot.storiesseen[n - 1] != n) {
                fail("the stories were not shown in order 1..21");
                break;
            }
        // the shop on every page, its extras played
        for (int page = 1; page <= MAPPAGES; page++)
            if (!bot.shopdone[page]) fail("the shop was never visited on map page " + std::to_string(page));
        if (bot.extratouse) fail("extra " + std::to_string(bot.extratouse) + " was bought but never played");
        if (bot.extrasused == 0) fail("no extra from the shop was ever played");
        if (bot.refillsseen == 0) fail("no helper refill from the shop was ever seen on the helpers bar");
        // every entrance played out, in the profile as the bot counted
        auto plays = pairs(s.str("casinoplays"));
        if (plays.empty()) fail("the profile has no casino entrances");
        for (auto [level, n] : plays) {
            if (n != CASINOGAMESEACH)
                fail("the casino beside level " + std::to_string(level) + " has " + std::to_string(n) + " games recorded, not " +
                     std::to_string(CASINOGAMESEACH));
            if (std::find(bot.casinosvisited.begin(), bot.casinosvisited.end(), level) == bot.casinosvisited.end())
                fail("the casino beside level " + std::to_string(level) + " was never visited");
        }
        if (s.num("casinogames") != bot.chipspressed)
            fail("the profile counts " + s.str("casinogames") + " casino games, the bot bet " + std::to_string(bot.chipspressed));
        if (s.num("casinowon") != bot.casinowon)
            fail("the profile counts " + s.str("casinowon") + " pearls won in the casino, the bot won " + std::to_string(bot.casinowon));
        // the trophy room, both ways in
        if (!bot.roomfrommap) fail("the trophy room was never opened from the map");
        if (!bot.roomfromgame) fail("the trophy room was never opened from a level's end");
        for (int t : due)
            if (!won.count(t)) fail("trophy " + std::to_string(t) + " was earned on the journey but is not in the profile");
        // the balance: where it started, plus what came in, less what went out
        int held = bot.startpearls + bot.earnedlevels + bot.casinowon + bot.gift - bot.spentlevels - bot.shopspent - bot.casinobets;
        if (held != s.num("pearls"))
            fail("the profile holds " + s.str("pearls") + " pearls, the bot's account says " + std::to_string(held));
    }
    int stars = 0;
    for (char c : s.str("stars")) stars += c - '0';
    std::fprintf(out, "playthrough: %s\n", bot.failure.empty() ? "PASSED" : ("FAILED: " + bot.failure).c_str());
    std::fprintf(out, "  player      %s, maxlevel %d\n", s.str("name").c_str(), s.num("maxlevel"));
    std::fprintf(out, "  levels      %d won, %d lost (level %d lost on purpose and retried%s), level %d suspended%s\n",
                bot.levelswon, bot.losses, LOSELEVEL, bot.lostonce ? "" : ": NOT YET", SUSPENDLEVEL,
                bot.resumed ? " and resumed" : ": NOT YET");
    std::string hard;
    for (int l = 1; l <= LASTLEVEL; l++)
        if (bot.lostlevels[l] > 0) hard += " " + std::to_string(l) + "x" + std::to_string(bot.lostlevels[l]);
    std::fprintf(out, "  lost        %s\n", hard.empty() ? " none" : hard.c_str());
    std::fprintf(out, "  stars       %d of %d\n", stars, 3 * LASTLEVEL);
    std::fprintf(out, "  pearls      %d earned (levels %d, casino %d, shop's present %d), %d spent (shop %d, casino bets %d,\n"
                      "              new piles %d), %d held\n",
                 bot.earnedlevels + bot.casinowon + bot.gift, bot.earnedlevels, bot.casinowon, bot.gift,
                 bot.shopspent + bot.casinobets + bot.spentlevels, bot.shopspent, bot.casinobets, bot.spentlevels, s.num("pearls"));
    // the shop, a line a page
    std::string shoplines, lastpage;
    for (const auto& l : bot.shoplog) {
        std::string page = l.substr(0, l.find(':'));
        shoplines += page == lastpage ? ", " + l.substr(page.size() + 2) : (shoplines.empty() ? "" : "\n              ") + l;
        lastpage = page;
    }
    std::fprintf(out, "  shop        %s\n", shoplines.empty() ? "never visited" : shoplines.c_str());
    std::fprintf(out, "  aids        %d extras played, %d helpers played, %d refills seen on the bar\n", bot.extrasused,
                 bot.helpersused, bot.refillsseen);
    std::fprintf(out, "  casino      %zu entrances, %d games (%d won, %d lost on purpose), %d pearls bet, %d won\n",
                 bot.casinosvisited.size(), bot.chipspressed, bot.casinowins, bot.casinolosses, bot.casinobets, bot.casinowon);
    std::fprintf(out, "  trophies    %d (%s), trophy room %d visits (from the map %s, from a level's end %s)\n", s.num("trophies"),
                 (s.str("trophylist") + [&] {
                     std::string d;
                     for (int t : due) d += (d.empty() ? "; due " : ",") + std::to_string(t);
                     return d;
                 }()).c_str(), bot.roomvisits, bot.roomfrommap ? "yes" : "NO", bot.roomfromgame ? "yes" : "NO");
    auto seenpopup = [](int id) {
        return std::find(bot.popupsseen.begin(), bot.popupsseen.end(), id) != bot.popupsseen.end();
    };
    std::fprintf(out, "  popups      help %s, options %s (from the in-level menu)\n",
                 seenpopup(POPUP_HELP) ? "opened and closed" : "NOT OPENED",
                 seenpopup(POPUP_OPTIONS) ? "opened and closed" : "NOT OPENED");
    std::fprintf(out, "  stories     %zu shown\n", bot.storiesseen.size());
    std::fprintf(out, "  input       %d clicks, %d draws from the pile, %d new piles bought\n", bot.clicks, bot.draws,
                bot.stablesbought);
    std::fprintf(out, "  ticks       %d (%.1f game minutes)\n", s.num("tick"), s.num("tick") / 3000.0);
    std::fprintf(out, "  wall time   %.1f s\n", wall);
    pf::shutdown();
    std::fflush(stdout);
    if (bot.failure.empty()) {
        fs::remove(gamelog, ec);
        fs::remove(keep, ec);  // only when empty
        std::fflush(out);
        return 0;
    }

    fs::create_directories(keep, ec);
    std::ofstream sc(fs::path(keep) / "playthrough.txt");
    sc << "# The playthrough bot's input up to its failure: " << bot.failure << "\n";
    sc << "# replay: twharness --backend headless --userdir EMPTYDIR --seed " << seed << " THISFILE\n";
    catchup();
    for (const auto& l : bot.script) sc << l << "\n";
    sc << "dump at the failure\n";
    std::ofstream lg(fs::path(keep) / "playthrough.log");
    for (const auto& l : bot.log) lg << l << "\n";
    lg << last << "\n";
    std::fprintf(out, "  kept        %s/playthrough.txt (input as a harness script), playthrough.log (dumps), game.log\n",
                 keep.c_str());
    std::fflush(out);
    return 1;
}
