#include "core/settings.h"

#include <climits>
#include <string>

#include "core/filebytes.h"
#include "core/globals.h"
#include "core/profiles.h"
#include "core/savestatus.h"
#include "platform/platform.h"

Settings settings;
MusicVolumeHook curmusicvolhook = nullptr;

static void setmusicvolumefromsettings(int v) {
    if (curmusicvolhook) curmusicvolhook(v);
}

std::string settingsfile() { return core.userpath + "settings.txt"; }

int settingsint(const std::string& line) {
    std::size_t i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) i++;
    bool neg = false;
    if (i < line.size() && (line[i] == '-' || line[i] == '+')) neg = line[i++] == '-';
    long long v = 0;
    for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; i++) {
        v = v * 10 + (line[i] - '0');
        if (v > INT_MAX) v = static_cast<long long>(INT_MAX) + 1;
    }
    if (neg) v = -v;
    if (v > INT_MAX) v = INT_MAX;
    if (v < INT_MIN) v = INT_MIN;
    return static_cast<int>(v);
}

void parsesettings(const std::string& bytes) {
    int v[SETTINGSLINES + 1] = {};
    std::size_t pos = 0;
    for (int k = 1; k <= SETTINGSLINES && pos < bytes.size(); k++) {
        std::size_t end = bytes.find('\n', pos);
        if (end == std::string::npos) end = bytes.size();
        v[k] = settingsint(bytes.substr(pos, end - pos < 64 ? end - pos : 64));
        pos = end + 1;
    }
    settings.fullscreen = v[1];
    settings.screenmode = v[2];
    settings.musicvolume = v[3];
    settings.soundvolume = v[4];
    // The current player indexes the profile tables: only a real slot counts.
    players.aktplayer = (v[5] >= 1 && v[5] <= MAXPLAYERS) ? v[5] : -1;
    settings.setting6 = v[6];
    settings.cursormode = v[7];
    settings.setting8 = v[8];
    settings.setting9 = v[9];
    settings.wavebg = v[10];
    settings.setting11 = v[11];
    settings.cardsway = v[12];
}

void loadsettings() {
    std::string bytes;
    if (!readfilebytes(settingsfile(), bytes, 4096)) {
        // First start or a lost file: the folder is there, so write the
        // defaults and read them back like any other start.
        pf::logline("settings.txt missing, writing defaults");
        savesettings(1);
        if (!readfilebytes(settingsfile(), bytes, 4096)) {
            resetsettings();
            players.aktplayer = -1;
            setmusicvolumefromsettings(settings.musicvolume);
            return;
        }
    }
    parsesettings(bytes);
    setmusicvolumefromsettings(settings.musicvolume);
}

void savesettings(int mode) {
    if (mode == 1) {
        settings = Settings{};
        players.aktplayer = -1;
    }
    const int v[SETTINGSLINES] = {settings.fullscreen, settings.screenmode, settings.musicvolume,
                                  settings.soundvolume, players.aktplayer,  settings.setting6,
                                  settings.cursormode,  settings.setting8,  settings.setting9,
                                  settings.wavebg,      settings.setting11, settings.cardsway};
    // Written beside the old file and renamed over it, so a crash or a full
    // disk never leaves a half-written settings file behind.
    pf::Stream* f = pf::writefilesafe(settingsfile());
    if (!f) {
        reportsavefailure("cannot write " + settingsfile());
        return;
    }
    for (int x : v) pf::writeline(f, std::to_string(x));
    if (!pf::closefile(f)) {
        reportsavefailure("writing " + settingsfile() + " failed, previous file kept");
        return;
    }
    reportsavesuccess();
}

void resetsettings() { settings = Settings{}; }
