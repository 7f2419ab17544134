// Screen 12, the card game: entry and per-tick routine, the HUD around the
// table, the tutorial, floating texts, points and pearls, the level-end
// presentation and the in-level popups.
#pragma once

#include <string>

#include "present/resources.h"

constexpr int MAXFLOATTEXTS = 20;
constexpr int MAXPEARLTOKENS = 50;  // tokens use 1..49; 50 stays free
constexpr int STARTHRESHOLD[4] = {0, 325, 400, 500};
constexpr int STARCOLLECTED = 111;
constexpr int STARPEARLS = 50;  // each star of a win, paid as one token

struct FloatText {
    int age = 0;  // 0 free, 1..119
    float x = 0, y = 0;
    std::string text;
};

// The screen's own running state.
struct GameScreen {
    int leveltick = 0;
    int retry = 0;    // the next instgame keeps the graphics (restart)
    int resumed = 0;  // the level came from a suspended game
    int lastsecond = 0;  // one-second timer when leveltime was last counted
    float scenealpha = 0;
    int boardclear = 0;  // debug F3 animation counter, 0 idle
    int playsigntick = 0;
    int abandoned = 0;  // the running level was given up (restart): saves do not suspend it
    int levelclock = 1;  // 1 while the level clock runs
    FloatText floattext[MAXFLOATTEXTS + 1];
};

struct Hud {
    float barslide = -120;
    float comboy = -50;
    int comboshown = 0;
    float meterx = 0, metery = 900;
    int metertarget = 0, metercount = 0, metershake = 0;
    int tooltipcount = 0;
    int shownpoints = 0;
    int hotspotactive = 0;  // the shop and menu hotspots answer this tick
    int tooltip = 0;        // tooltip the bars asked for this tick (0 none)
};

struct Tutorial {
    int tutorialon = 0;
    int tutorialpage = 0;
    int pages = 0;
    int fade = 0;
};

struct PearlToken {
    int amount = 0;  // 0 free
    float x = 0, y = 0;
    int age = 0;
};

struct StarFlight {
    float x = 0, y = 0;
    int count = 0;  // 0 not flying
    float angle = 0;
    float rate = 0;
    int paid = 0;
};

// Points, pearls, stars and the level end.
struct Scoring {
    int points = 0;  // points of the level
    int endseq = 0;  // level-end presentation counter (0 = not started)
    PearlToken token[MAXPEARLTOKENS + 1];
    int starlock = 0;
    int clickcount = 0, clickstart = 0;
    int bossdelay = 0;
    int wonstars = 0;
    StarFlight star[4];
    int leveltrophy = 0;
    int trophyshow = 0, trophyshowdone = 0;
    float trophyy = -600;
    float buttony = 0;
    float resultbuttony = 0;
    int celebrationfish = 0;  // picture kind of the ring
    float swimmerx = -200;
};

// Pictures loaded with the screen (released by the other screens) and the
// resident HUD pictures.
struct GameImages {
    Img gameuiup = nullptr, pearlbar = nullptr, pointsbar = nullptr;
    Img pointsfill1 = nullptr, pointsfill10 = nullptr;
    Img pointslines = nullptr, starempty = nullptr, starfull = nullptr, winbubble = nullptr;
};
struct HudImages {
    Img cardometer = nullptr, helpersbar = nullptr, extrabar = nullptr, extrabarfront = nullptr;
    Img star[5] = {};  // 1..4
    Img taskhook = nullptr;
};

extern GameScreen gs;
extern Hud hud;
extern Tutorial tut;
extern Scoring sc;
extern GameImages gameimg;
extern HudImages hudimg;

// ---- the screen ----
void instgame();
void showgame();
void loadgamestuff_dynamic();
void deletegamestuff_dynamic();
void loadhudstuff();  // resident HUD pictures, loaded once at start-up
void freehudstuff();
float gamescenealpha();
void levelclocktick();  // steps 4 and 5 of the tick: clock, leveltick, seconds played
void clearretry();
void registergamescreen();  // the effect, save and map links
void resetgamescreen();
// The values the card rules share with the screen, the extras, the trophies
// and the bosses back to their start: a level played by a test or the
// automatic player starts clean.
void resetplaystate();

// ---- HUD ----
void drawhud();
void drawpointsbar();
void drawactiveitems();
void drawcardometer();
void drawcombocounter();
void drawtooltips();
void drawplaysign();
void drawfloattexts();
int helditemcount();  // how many of items 23..29 the player holds
void resethudforlevel();
void setcardometershake(int ticks);
void setcardometer(int targetx, int count);
void addtext(int x, int y, const std::string& text);  // a floating text

// ---- tutorial ----
void tutorialstart();
void tutorialnext();
void drawtutorial();
int tutorialpagecount(int level);
bool tutorialarrow(int level, int page, float& x, float& y, int& angle);

// ---- points, pearls, stars, level end ----
void addpoints(int amount, int x, int y);
void addpearls(int amount, int x, int y);
void clickcheck();
void pearltoken(float x, float y, int amount);
// Pearls earned but not at the bar yet: the tokens in flight and the 50 of
// each counted star not yet sent. payunderway credits them at once (the
// screen is being left, and the tokens die with it); nothing is paid twice.
int pearlsunderway();
void payunderway();
void movepearls();
int starsreached(int shown);  // stars a shown value earns (0..3)
void endtints();              // colour of the scene during the presentation
void makewin();
void winreset();
void losereset();
void resetscoring();  // tokens, click counter, star flights, presentation values

// ---- in-level popups ----
void popupingame();   // 298
void popuprestart();  // 399
