// The trophy room (screen 16): eighteen trophies on three pages of six,
// each on its field with its name, locked ones under a lock, newly won
// ones celebrated once when the room is next opened.
#pragma once

#include "core/profiles.h"
#include "present/resources.h"

constexpr int ROOMPAGES = 3;
constexpr int ROOMPAGEWIDTH = 1300;   // pixels between two pages of the strip
constexpr int ROOMCELEBRATEAFTER = 80;  // frames before the new trophies unlock
constexpr int ROOMBUTTONSAFTER = 100;   // frames before the way out answers

struct TrophyRoom {
    int from = 0;       // the screen the room was opened from
    int clock = 0;      // frames since entry
    int page = 1;       // 1..3
    float scroll = 0;   // the strip's offset, easing to -(page - 1) * 1300
    int changed = 0;    // a trophy's state moved: the profile is saved on leaving
};

struct TrophyRoomImages {
    Img lock = nullptr, field = nullptr;
};

extern TrophyRoom room;
extern TrophyRoomImages roomimg;

void insttrophyroom(int param);
void showtrophyroom();
void loadtrophyroomstuff_dynamic();
void deletetrophyroomstuff_dynamic();

// The page the room opens on: that of the highest-numbered trophy won.
int trophyroompage(const Profile& p);
// Where trophy n (1..18) stands relative to the strip, page 1 centred.
void trophyplace(int n, int& dx, int& dy);

void resettrophyroom();
