// The card game's running state: the table course, the flying card, the
// stable's animation, signs and the per-tick flags. The level itself (slots,
// stacks, deck, fish, level counters) lives in the current player's profile,
// akt(), so a level left in the middle is saved and resumed with it.
#pragma once

#include <string>

#include "cards/levelformat.h"
#include "core/profiles.h"

// Card types of the slot table.
enum CardType {
    CT_EMPTY = 0,
    CT_RANDOM = 99,   // playing card whose value preparecards chooses
    CT_HELPER = 21,
    CT_TOOL = 23,
    CT_FISHSLAP = 24,
    CT_BONUS = 26,
};

// Obstacles, each removed by the tool card of the same number.
enum CardLock { LOCK_NONE = 0, LOCK_OIL = 1, LOCK_SHELL = 2, LOCK_PLANTS = 3 };

constexpr int AKT_FISHSLAP = 124;
constexpr int AKT_HELPER = 1000;  // 1001..1009: helper i on the aktcard
constexpr int NOVALUE = 24;       // aktvalue while an extra holds the place
constexpr int REFILLDONE = 100;   // refill tick that fills the stable again
constexpr int REFILLEND = 150;    // ... and the one that deals from it
constexpr int MAXSIGNS = 20;
constexpr int LEVELINTS = levelformat::INTS;  // integers in a level file
constexpr int LEVELBYTES = levelformat::BYTES;
constexpr int LEVELSLOTS = levelformat::SLOTS;
constexpr int FIELDW = 1024;  // the card-game layout field
constexpr int FIELDH = 768;
constexpr int CARDW = 96;
constexpr int CARDH = 142;

struct Sign {
    int kind = 0;  // 1 invalid move, 2 stack cleared
    int x = 0, y = 0;
    int age = 0;  // 0 free, 1..59
};

struct CardGame {
    int gamestat = 0;  // 1 dealing, 2 playing, 3 ended
    int gameresult = 0;
    int dealtick = 0;
    int stablex = 0;           // left edge of the stable pile
    int stabley = 580;         // resting y of the stable and the aktcard
    int stablecury = 800;      // current y of the pile while dealing
    int movecard = 0;          // slot flying to the aktcard, 0 none
    int movex = 0, movey = 0;  // its current position (layout pixels)
    int cardplayable[MAXCARDS + 1] = {};
    int cardwiggle[MAXCARDS + 1] = {};
    int anyplayable = 0;
    int inputok = 0;
    int extrabusy = 0;
    int combo = 0;
    int combolast = 0;
    int combosign = 0;  // 0 idle, 1..100
    int endtick = 0;
    int goalleft = 0;
    int givenup = 0;
    int offercount = 0;  // end offer: ticks its conditions held
    int offerpanel = 0;  // slide of its panel
    int playticks = 0;
    int dealrequest = 0;  // drawfromstable asked drawstable for a card
    int refill = 0;       // refill animation counter, 0 idle
    float refillx[MAXCARDS + 1] = {}, refilly[MAXCARDS + 1] = {};
    int stackcardsum = 0;  // cards left in all stacks at the level start
    int brokenlevel = 0;   // 1 when the level file could not be used
    Sign sign[MAXSIGNS + 1];
};

extern CardGame cg;

void resetcardgame();  // the whole card state to its start values

// ---- level files and model ----
std::string levelfilename(int n);
bool loadlevel();  // false: the level file was missing or unusable
void clearslot(int slot);  // -9999 clears every slot
void setupfish(int fish);
int fishorderlength();
void addhelpercards();  // the random helper cards of a freshly read level
int helperpasses();     // passes the last addhelpercards ran (tests read it)
void resetlevelruntime();

// ---- cards and dealing ----
void preparecards();
void dealcards();
void updatefree();
void drawcard(int slot, int mode, float alpha);
int cardnumber(int value, int suit);  // 1..52
int cardvalue(int number);            // 1..13
bool islayoutcard(int slot);

// ---- play rules and the stable ----
void playdispatch();
void playtick();
void endplay();
void movecards();
bool fitsvalue(int value, int aktvalue);
bool cardfits(int slot);
int clickcode(int slot);
void drawfromstable();
void dealstablecard();  // the deal that drawfromstable requested
void startmove(int slot);  // a free card sets off to the aktcard
void landcard(int slot);   // ... and lands on it
// The landing's outcome alone (aktcard, the slot emptied), on any profile.
void placelanded(Profile& p, int slot);
int nextaktcard();
void drawstable();
void sparepile();
void refillstable();
void checkstacks();
void endoffer();
void addsign(int kind, int x, int y);
void updatesigns();
void newbest(int n);
void combosigntick();
int stabletopx();
int stableprice();

// ---- special cards and obstacles ----
void playhelpercard(int slot);
void playtoolcard(int slot);
void playbonuscard(int slot);
void startunlock(int lock, int fromx, int fromy);
int unlockstart(int lock, int layer);

// ---- pictures ----
void loadcardstuff();  // resident card pictures, loaded once
void freecardstuff();
