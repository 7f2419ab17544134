// Machine-wide preferences kept in "settings.txt" in the per-user folder.
#pragma once

struct Settings {
    int fullscreen = 1;
    int screenmode = 1;
    int musicvolume = 200;
    int soundvolume = 280;
    // line 5 is the current player, kept in players.aktplayer
    int setting6 = 0;
    int cursormode = 1;
    int setting8 = 1;
    int setting9 = 1;
    int wavebg = 1;
    int setting11 = 1;
    int cardsway = -1;
};

extern Settings settings;

void loadsettings();
void savesettings(int mode);
void resetsettings();  // start-up values (the defaults above)
