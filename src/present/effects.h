// The effect list, the bubble layer and the falling layer.
//
// Effects are records in one fixed list of 1000 slots (1..1000, slot 0
// unused). Any routine spawns one with addeff; draweff moves, draws and
// retires them once per tick. The kind decides everything about an effect.
#pragma once

#include "present/effectkinds.h"
#include "present/resources.h"

constexpr int MAXEFFECTS = 1000;
constexpr int MAXLAYERBUBBLES = 100;  // slots 1..99 are used

struct Effect {
    int kind = 0;  // 0 = free slot
    float x = 0, y = 0;
    float vx = 0, vy = 0;
    int age = 0;
    int angle = 0;
};

struct EffectList {
    Effect eff[MAXEFFECTS + 1];
};

struct LayerBubble {
    float x = 0, y = 0;
    int size = 0;  // 2..30, also the depth it is drawn at
    int tint = 0;
    int active = 0;  // 0 = free
};

struct BubbleLayers {
    LayerBubble bubble[MAXLAYERBUBBLES + 1];
    LayerBubble fall[MAXLAYERBUBBLES + 1];
};

// The effect pictures, resident from start-up. Other screens draw some of
// them directly (the glow rings, the glower and the big star).
struct EffectImages {
    Img glb[10] = {};          // glow particles 1..9
    Img star[10] = {};         // coloured stars 1..9
    Img bubblecolor[10] = {};  // coloured bubbles 1..9
    Img glo[10] = {};          // glow rings 1..9
    Img cardpart[4] = {};      // 1..3
    Img plantpart[4] = {};     // 1..3
    Img shell[3] = {};         // 1, 2
    Img question = nullptr;
    Img extracardglow = nullptr;
    Img lamplight = nullptr;
    Img oilsplat = nullptr;
    Img sleepmark = nullptr;
    Img glower = nullptr;
    Img deepsealight = nullptr;
    Img glowstar = nullptr;
    Img sparkle = nullptr;
    Img sparkleblue = nullptr;
    Img starimg = nullptr;
    Img bubble = nullptr;
    Img pointsstar = nullptr;
    Img bigstar = nullptr;
};

// What some kinds need from modules that load after this one: pictures they
// own, the card layout, the stable's height, the pearl award and the screen's
// own alpha for effects. A hook left null means "not there yet": the picture
// draws nothing, a helper reads the profile's card layout (and is dropped
// when its slot number is not a card slot), no pearls are paid,
// the stable sits at its usual 580 and the scene alpha is 1.
struct EffectHooks {
    Img (*cardface)(int card) = nullptr;           // card number 1..52 (and the specials up to 59)
    Img (*cardback)() = nullptr;                   // the current player's card back
    Img (*taskhook)() = nullptr;                   // "data\game/taskhook.png"
    Img (*stonepart)(int n) = nullptr;             // stone-boss fragments 1..8
    Img (*musicnote)(int n) = nullptr;             // story 3's notes 1, 2
    Img (*helperframe)(int helper, int frame) = nullptr;  // helper 1 sponge, 2 swordfish
    // Layout position (left edge, top) of card slot k of player p; false when
    // the slot holds no card. Null: the profile's layout table is read.
    bool (*cardpos)(int player, int slot, float& x, float& y) = nullptr;
    float (*stabley)() = nullptr;
    float (*topbary)() = nullptr;  // y of the card game's top bar (0 once it has slid in)
    void (*addpearls)(int amount, float x, float y) = nullptr;
    // The card game returns its fading alpha while it is the screen; every
    // other screen runs its effects at 1.
    float (*scenealpha)() = nullptr;
    // Sees every sound the effects start (tests and tools); the sound still plays.
    void (*soundspy)(int id, int x, float volume) = nullptr;
};

extern EffectList effects;
extern BubbleLayers bubblelayers;
extern EffectImages effimg;
extern EffectHooks effhooks;

float scenealpha();

void loadeffects();
void cleareffects();
int addeff(float x, float y, int kind, float p4, float p5);  // the slot used
void draweff();
void effpoint(int x, int y);
void efftask(int x, int y);
void effburst(float x, float y, int n, int pop);
void effcolourburst(float x, float y, int n, int colour);
void effframe(float x, float y);
void effexplode(float x, float y);
void effshatter(float x, float y);
void effstars(float x, float y, int colour);
void effglow(float x, float y);
void effglowat(float x, float y);
void spawnbubble(int x, int y, int tint);
void drawbubbles(float xoffset);
void clearbubbles();
void spawnfall(int x, int y);
void drawfall();
void clearfall();
int effectsinuse();  // busy slots of the list
// Clears the list and both layers and drops every hook; the images stay.
void reseteffects();
