// The resident card pictures (faces, backs, special cards, obstacles, signs).
#pragma once

#include "present/resources.h"

struct CardArt {
    Img face[5][14] = {};  // suit 1..4, value 1..13
    Img back[8] = {};      // 1..7
    Img glow = nullptr;
    Img fishslap = nullptr, cash = nullptr, cash2 = nullptr, marker = nullptr;
    Img helpercard[11] = {};  // helper 1..9 -> plant2..plant10
    Img tool[4] = {};         // sponge, light, antiplant
    Img sponge2 = nullptr, antiplant2 = nullptr;
    Img oil = nullptr, oil2 = nullptr, oilsplat = nullptr;
    Img shell[6] = {};  // 1..5
    Img plants = nullptr;
    Img losecard = nullptr, pricesign = nullptr, banderole = nullptr;
    Img invalidsign = nullptr, clearedsign = nullptr, longdrivesign = nullptr;
    Img tutorialsign = nullptr;
    Img extra[14] = {};  // aktcard 124..136 -> index aktcard - 123
};
extern CardArt art;

// The picture of an aktcard code (card number, 124.., 1001..), or null.
Img aktcardimage(int aktcard, int suitless = 0);
// The face of a slot by its type, or null when the type has none.
Img faceimage(int slot);
// The face-down appearance: back, tool picture or obstacle (turning = the
// obstacle's turning picture).
void drawfacedown(int slot, float x, float y, bool turning);
// Counts a slot's face state on by one drawn tick: turning, unlocking, and
// what happens when it ends. Drawing calls it; the solver calls it alone.
void stepface(int slot);
