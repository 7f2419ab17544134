// The eleven boss levels: a boss drawn behind the table that reacts to every
// cleared stack (a hit, counted in the profile's `bossdamage` by the course
// of the level). The rules of play stay as they are; the boss is
// presentation, apart from the wait it gives the win presentation.
#pragma once

#include "present/resources.h"

// Which boss a level has.
enum BossGroup { BOSS_NONE = 0, BOSS_BLOWFISH = 1, BOSS_STONE = 2, BOSS_ANGLER = 3, BOSS_CRAB = 4 };
int bossgroup(int level);
// True where the win presentation waits BOSSWINWAIT ticks for the boss's
// last reaction (every boss but the crab, which has its own fade).
bool bosswinwaits(int level);
constexpr int BOSSWINWAIT = 150;

// The level 17 fish's size for 0..4 hits, and the stone's stage for a level
// and a damage (0: the stone is gone).
int blowfishsizefor(int damage);
int stonestagefor(int level, int damage);

// Pictures, loaded with the card-game screen on the boss levels only.
struct BossImages {
    Img shadow = nullptr, blowfish = nullptr, blowfisheye[3] = {}, plaster = nullptr;  // eyes 1, 2
    Img stone[7] = {};      // stages 1..6
    Img stonepart[9] = {};  // fragments 1..8
    Img fish = nullptr, fishlight[3] = {};  // lights 1, 2
    Img crabink = nullptr, robber = nullptr, prisoner[3] = {}, chain[4] = {};  // 1..2, 1..3
};

// The boss's running state; everything here is presentation.
struct Boss {
    int level = 0;
    int group = BOSS_NONE;
    int damageshown = 0;  // the damage the picture has already reacted to
    int taskvalue = 0;    // level counter kept with a suspended game (no rule raises it)
    int tick = 0;         // ticks the boss has animated (stands still under a popup or the pause)
    int react = 0;        // ticks left of the current reaction, 0 none

    // blowfish
    int blink = 0;        // ticks left of a blink
    int blinkbegan = -1000;
    int size = 1000;      // level 17: 1000 full .. 0 gone
    int sizesound = 0, sizesparkle = 0;  // the sound below 250 and the sparkle below 5 have played

    // stone and the fish with the light: the character fighting the boss
    int stage = 0;        // the stone's picture 1..6, 0 none (gone or not yet placed)
    int placed = 0;       // the stone's character has been placed (leveltick 2)
    int phase = 0;        // 0 waiting, 1 running in, 2 striking, 3 going back, 4 cheering
    int phasetick = 0;
    float charx = 0, chary = 0, charv = 0;
    int shake = 0;        // the boss shakes while this counts down
    int light = 1;        // the lure's picture shown: 1 full, 2 the flicker
    int flicker = 0;      // ticks left of a flicker
    float lightalpha = 1; // level 54: the light fades once the fish is beaten
    int beaten = 0;       // level 54's and the crab's sound 51 has played

    // crab
    float crabalpha = 1;
};

extern Boss boss;
extern BossImages bossimg;

void loadbossstuff_dynamic(int level);  // nothing on other levels
void deletebossstuff_dynamic();
// Entering a level: the boss starts from the damage already done, so a
// resumed level shows it without reacting to it again.
void startboss(int level, int resumed, int damage);
// Called by the card game every tick after the background.
void drawboss();
Img bossstonepart(int n);  // fragment n, for the effect that throws it
void resetboss();
