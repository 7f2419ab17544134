// Machine-wide preferences kept in "settings.txt" in the per-user folder.
#pragma once

#include <string>

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

constexpr int SETTINGSLINES = 12;

void loadsettings();
void savesettings(int mode);
void resetsettings();  // start-up values (the defaults above)

// `curmusicvol` belongs to the sound module: loadsettings hands it the music
// volume through this hook (null until the sound module installs its setter).
using MusicVolumeHook = void (*)(int musicvolume);
extern MusicVolumeHook curmusicvolhook;

// The file's path: userpath + "settings.txt".
std::string settingsfile();
// The reading rule on the file's bytes: 12 lines, each a decimal integer; a
// missing, empty or non-numeric line gives 0. Sets the settings and
// players.aktplayer (only 1..15 or -1 are taken; anything else means none).
void parsesettings(const std::string& bytes);
// Leading decimal integer of a line ("12abc" -> 12), 0 when none; saturates
// instead of overflowing.
int settingsint(const std::string& line);
