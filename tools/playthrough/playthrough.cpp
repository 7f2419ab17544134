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
    int pearlsearned = 0, pearlsspent = 0, lastpearls = -1;
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

void onmap(const State& s, int tick) {
    if (s.num("popup") != 0) {
        answerpopup(s, tick);
        return;
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
    if (bot.suspended && !bot.resumed) target = SUSPENDLEVEL;
    int lo = 1 << 30, hi = 0, nx = -1, ny = -1;
    for (const auto& n : split(s.str("nodes"), ';')) {
        int l = 0, x = 0, y = 0;
        if (std::sscanf(n.c_str(), "%d@%d,%d", &l, &x, &y) != 3) continue;
        lo = std::min(lo, l);
        hi = std::max(hi, l);
        if (l == target) {
            nx = x;
            ny = y;
        }
    }
    if (nx < 0) {
        // the level lies on another page: the page buttons
        if (target > hi) click(tick, 512 + 235, 747, 120);
        else if (target < lo) click(tick, 512 - 235, 747, 120);
        return;
    }
    if (nx < 60) {
        move(tick, 3, 400);  // the map scrolls at the edges
        bot.waituntil = tick + 20;
        return;
    }
    if (nx > 1024 - 60) {
        move(tick, 1021, 400);
        bot.waituntil = tick + 20;
        return;
    }
    move(tick, nx, ny);
    click(tick, nx, ny, 60);
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
            if (bot.progress)
                std::fprintf(bot.progress, "playthrough: level %d won at tick %d with %s points\n", level, tick,
                             s.str("points").c_str()),
                    std::fflush(bot.progress);
        }
        auto bs = activebuttons(s);
        if (bs.empty()) return;
        // won: on (the last button, continue); lost: the retry on the right
        const Button* pick = &bs.back();
        if (s.num("gameresult") != 1 && bs.size() >= 2) {
            for (const auto& b : bs)
                if (b.x > pick->x) pick = &b;
        }
        click(tick, pick->x, pick->y, 60);
        return;
    }
    if (gamestat == 1) {
        // a deal: a new level or the same one again
        bot.levelsince = 0;
        bot.movesinlevel = 0;
        bot.boughtstable = false;
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
    int pearls = s.num("pearls", -1);
    if (pearls >= 0 && s.kv.count("name")) {
        if (bot.lastpearls >= 0 && pearls > bot.lastpearls) bot.pearlsearned += pearls - bot.lastpearls;
        if (bot.lastpearls >= 0 && pearls < bot.lastpearls) bot.pearlsspent += bot.lastpearls - pearls;
        bot.lastpearls = pearls;
    }
    if (tick < bot.waituntil) return;
    switch (screen) {
        case SCREEN_MENU: onmenu(s, tick); break;
        case SCREEN_MAP: onmap(s, tick); break;
        case SCREEN_STORY: onstory(s, tick); break;
        case SCREEN_GAME: ongame(s, tick); break;
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
    std::fprintf(out, "  pearls      %d earned, %d spent, %d held\n", bot.pearlsearned, bot.pearlsspent, s.num("pearls"));
    std::fprintf(out, "  trophies    %d\n", s.num("trophies"));
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
