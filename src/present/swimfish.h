// Decorative swimming fish: the menu's and trophy room's fish and schools,
// and the served fish that swims off the card table.
#pragma once

#include "present/resources.h"

constexpr int MAXSWIMFISH = 100;
constexpr int FISHKINDS = 16;  // picture kinds 1..16 (the set holds 1..4, 7, 8, 13..16)

struct SwimFish {
    int swimkind = 0;  // 0 = free slot
    float swimx = 0, swimy = 0;
    float swimspeed = 0;
    float swimtarget = 0;
    float swimvy = 0;
    int swimdir = 1;  // +1 right, -1 left
    float swimangle = 0, swimangletarget = 0;
    int swimframe = 1;  // 1..4
    int swimdepth = 10;
    int swimlayer = 0;
};

struct SwimFishList {
    SwimFish fish[MAXSWIMFISH + 1];
};

// The fish set "data\fishes/f" + kind + frame + ".png", resident from
// start-up; the fish orders of the card game draw from it too.
struct FishSet {
    Img img[FISHKINDS + 1][5] = {};
};

extern SwimFishList swimfish;
extern FishSet fishset;

void loadfishset();
Img fishimg(int kind, int frame);  // null outside the set

void addswimfish(int x, int y, int depth, int kind, int layer);
void spawnswimfish();
void drawswimfish(int layer);
int swimfishinuse();
void resetswimfish();  // empties the list; the pictures stay
