// Sound effects, story sounds and music.
#include "present/sound.h"

#include <algorithm>

#include "core/globals.h"
#include "core/screens.h"
#include "core/settings.h"
#include "present/resources.h"

SoundState snd;

namespace {

// Effect ids 1..81 and their files; only id 16 loops (a story scene's
// background sound).
const char* const effectfiles[EFFECTCOUNT + 1] = {
    nullptr,
    "doublesuns.ogg", "cash2-1.ogg", "newlevel.ogg", "shells2.ogg", "turnup.ogg", "turndown.ogg",
    "cash2-2.ogg", "lamplight.ogg", "shells1.ogg", "failure.ogg", "gamebutt1.ogg", "spongistart.ogg",
    "click.ogg", "crab1.ogg", "cash.ogg", "dog1.ogg", "schwertifight.ogg", "schwertilaugh.ogg",
    "schwertistart.ogg", "casino-fail.ogg", "casino-openshell.ogg", "plantparts.ogg", "electric.ogg",
    "spongiclean.ogg", "spongilaugh.ogg", "logoappear.ogg", "lose.ogg", "card-stable.ogg",
    "card-column.ogg", "card-columnspecial.ogg", "card-takeout.ogg", "levelselection.ogg",
    "extracardselection.ogg", "casino-closeshell.ogg", "casino-swapshell.ogg", "casino-curtain.ogg",
    "inkfight.ogg", "fishdown.ogg", "randomextra1.ogg", "BFGSlap.ogg", "loading.ogg", "growl.ogg",
    "newitem.ogg", "winpoints.ogg", "dog2.ogg", "clearedcolumn.ogg", "glitter.ogg", "turnallup.ogg",
    "longdrive.ogg", "select.ogg", "killedboss.ogg", "winstar1.ogg", "winstar2.ogg", "winstar3.ogg",
    "earnplant.ogg", "winstrike.ogg", "blowdown.ogg", "dog3.ogg", "hit.ogg", "finish.ogg",
    "blubber.ogg", "blubber2.ogg", "blubber3.ogg", "chain.ogg", "trophywin.ogg", "pointsstar.ogg",
    "fishtask.ogg", "freefish.ogg", "buyhint.ogg", "octopus1.ogg", "octopus2.ogg", "clownyfight.ogg",
    "sharkyfight.ogg", "crab2.ogg", "bosshit.ogg", "stonebreak.ogg", "stonecrack.ogg",
    "stonerumble1.ogg", "stonerumble2.ogg", "newmission.ogg", "lightupshopbutton.ogg",
};
constexpr int LOOPINGEFFECT = SND_DOG1;

struct StorySoundFile {
    int id;
    const char* file;
};
const StorySoundFile storyfiles[] = {
    {1, "introstory_mmh.ogg"}, {2, "introstory_eat.ogg"},   {3, "introstory_growl1.ogg"},
    {4, "introstory_growl2.ogg"}, {5, "introstory_breath.ogg"}, {6, "introstory_drama.ogg"},
    {19, "rumble1.ogg"},       {20, "rumble2.ogg"},          {21, "rumble3.ogg"},
    {22, "rumble4.ogg"},       {23, "blowup.ogg"},           {24, "swordrace1.ogg"},
    {25, "swordrace2.ogg"},    {27, "rumble5.ogg"},          {28, "rumble6.ogg"},
    {46, "finish.ogg"},        {50, "stone.ogg"},            {56, "boat1.ogg"},
    {57, "splash.ogg"},
};

const char* const effectfolder = "data\\sound\\";
const char* const storyfolder = "data\\sound\\story\\";
const char* const titlemusic = "/music/title.ogg";

// The in-game tracks of a level by its remainder modulo 3: tracks 1, 2, 3.
const int trackset[3][3] = {{1, 2, 3}, {3, 4, 3}, {5, 1, 3}};

float clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

void release(pf::Sound*& s) {
    pf::Sound* old = s;
    s = nullptr;
    if (old) pf::freesound(old);
}

pf::Sound* loadeffect(const std::string& path, int flags) {
    pf::Sound* s = pf::loadsound(path, flags);
    if (!s) debuglog("s", path);
    return s;
}

bool running() { return core.gamepause == -1; }

// Starts a sound cued, sets its volume and pan, then lets it go: the mixer
// never hears a sample at full volume before the volume is set.
pf::Channel start(pf::Sound* s, float volume, float pan) {
    pf::Channel c = pf::cuesound(s);
    pf::setchannelvolume(c, clamp01(volume));
    pf::setchannelpan(c, pan);
    pf::resumechannel(c);
    return c;
}

// Music is cued and started by updatemusic, so its first tick already has
// the faded volume.
void cuemusic(pf::Sound* s) {
    snd.musicchannel = pf::cuesound(s);
    pf::setchannelvolume(snd.musicchannel, clamp01(float(snd.curmusicvol) / 280.0f) * 0.8f);
    snd.musicwaiting = 1;
}

void playeffect(int id, int x, float factor) {
    if (id < 1 || id > SOUNDSLOTS) return;
    pf::Sound* s = snd.sounds[id];
    if (!s) return;
    if (settings.soundvolume <= 10 || snd.soundplayed[id] != 0 || !running()) return;
    start(s, effectvolume() * clamp01(factor), soundpan(x));
    snd.soundplayed[id] = 1;
}

}  // namespace

float soundpan(int x) { return std::clamp(float(x - disp.midx) * 0.00085f, -1.0f, 1.0f); }

float effectvolume() { return clamp01(float(settings.soundvolume) / 280.0f); }

float musicvolumenow() {
    float v = float(snd.curmusicvol) / 280.0f;
    // Between menu and map the title music plays on: no dip with the fade,
    // neither while one darkens towards the other nor while the other
    // brightens. A screen entered from the other that darkens towards a third
    // (the map into a level) lets the music fade with the picture again.
    bool leaving = fade.fadestate == 2;
    bool menumap = (core.screen == SCREEN_MENU &&
                    (fade.fadeto == SCREEN_MAP || (core.prevscreen == SCREEN_MAP && !leaving))) ||
                   (core.screen == SCREEN_MAP &&
                    (fade.fadeto == SCREEN_MENU || (core.prevscreen == SCREEN_MENU && !leaving)));
    if (!menumap) v = v * float(fade.fadelevel) / 256.0f;
    // the fade briefly leaves 0..256; the mixer only takes 0..1
    return clamp01(v) * 0.8f;
}

void opensound() {
    snd.musicchannel = pf::allocchannel();
    snd.endlesschannel = pf::allocchannel();
    snd.soundok = 1;
    pf::Sound* probe = pf::loadsound(std::string(effectfolder) + "click.ogg", 1);
    if (!probe) snd.soundok = 0;
    else pf::freesound(probe);
    std::fill(std::begin(snd.soundplayed), std::end(snd.soundplayed), 0);
}

void loadsoundeffects() {
    if (snd.soundok != 1) return;
    for (int id = 1; id <= EFFECTCOUNT; id++) {
        release(snd.sounds[id]);
        snd.sounds[id] = loadeffect(std::string(effectfolder) + effectfiles[id], id == LOOPINGEFFECT ? 1 : 0);
    }
}

void initsound() {
    opensound();
    loadsoundeffects();
}

void PlayS(int id, int x) { playeffect(id, x, 1.0f); }

void PlaySvol(int id, int x, float factor) { playeffect(id, x, factor); }

void loadstorysounds() {
    for (const auto& f : storyfiles) {
        release(snd.storysounds[f.id]);
        snd.storysounds[f.id] = loadeffect(std::string(storyfolder) + f.file, 0);
    }
}

void freestorysounds() {
    for (int i = 1; i <= STORYSOUNDSLOTS; i++) release(snd.storysounds[i]);
}

void PlayS_story(int id, int x) {
    pf::Sound* s = id >= 1 && id <= STORYSOUNDSLOTS ? snd.storysounds[id] : nullptr;
    if (!s) {
        pf::logline("Error PlayS_story() :" + std::to_string(id));
        return;
    }
    if (settings.soundvolume > 10 && running()) start(s, effectvolume(), soundpan(x));
}

void PlayS_storyendless(int id, int x) {
    pf::Sound* s = id >= 1 && id <= SOUNDSLOTS ? snd.sounds[id] : nullptr;
    if (!s) {
        pf::logline("Error PlayS_story() :" + std::to_string(id));
        return;
    }
    if (settings.soundvolume > 10 && running()) {
        // one loop at a time: a second call must not leave the first looping for ever
        pf::stopchannel(snd.endlesschannel);
        snd.endlesschannel = start(s, effectvolume(), soundpan(x));
    }
}

void stopendlesschannel_story() {
    pf::stopchannel(snd.endlesschannel);
    pf::logline("stopendlesschannel_story()");
}

void playmusic(const std::string& path, int loop) {
    stopmusic();
    release(snd.musicsound);
    snd.musicsound = pf::loadsound("data\\" + path, (loop ? 1 : 0) | pf::SOUND_STREAM);
    if (!snd.musicsound) {
        pf::logline("Musikfehler: " + path);
        return;
    }
    cuemusic(snd.musicsound);
}

void loadgamemusic() {
    stopmusic();
    freegamemusic();
    int set = ((snd.soundlevel % 3) + 3) % 3;
    std::string names;
    for (int n = 1; n <= 3; n++) {
        int k = trackset[set][n - 1];
        names += " ingame" + std::to_string(k);
        // a track named twice in the set is loaded once and shared
        for (int m = 1; m < n; m++)
            if (trackset[set][m - 1] == k) snd.gametracks[n] = snd.gametracks[m];
        if (!snd.gametracks[n])
            snd.gametracks[n] = pf::loadsound("data\\/music/ingame" + std::to_string(k) + ".ogg", pf::SOUND_STREAM);
    }
    pf::logline("loadgamemusic()" + names);
}

void freegamemusic() {
    // the channel must not outlive the sound it plays
    if (snd.musicfromtracks) stopmusic();
    for (int n = 1; n <= 3; n++) {
        pf::Sound* s = snd.gametracks[n];
        if (!s) continue;
        for (int m = n; m <= 3; m++)
            if (snd.gametracks[m] == s) snd.gametracks[m] = nullptr;
        pf::freesound(s);
    }
}

void playtrack(int n) {
    snd.curtrack = n;
    stopmusic();
    if (n >= 1 && n <= 3 && snd.gametracks[n]) {
        cuemusic(snd.gametracks[n]);
        snd.musicfromtracks = 1;
    }
    else pf::logline("Musikfehler: " + std::to_string(n));
}

void nexttrack() {
    if (core.framecount % 50 != 0 || !running()) return;
    if (snd.soundendseq != 0 || snd.soundclearing != 0) return;
    if (snd.musicwaiting || pf::channelplaying(snd.musicchannel)) return;
    int next = snd.curtrack + 1;
    if (next > 3) next = 1;
    pf::logline("Neuer Track: " + std::to_string(next));
    playtrack(next);
}

void stopmusic() {
    pf::stopchannel(snd.musicchannel);
    snd.musicwaiting = 0;
    snd.musicfromtracks = 0;
}

void updatemusic() {
    if (core.screen == SCREEN_SPLASH) return;
    if (snd.curmusicvol < settings.musicvolume) snd.curmusicvol += 5;
    if (snd.curmusicvol > settings.musicvolume) snd.curmusicvol -= 5;
    if (settings.musicvolume < 10) snd.curmusicvol = 0;
    std::fill(std::begin(snd.soundplayed), std::end(snd.soundplayed), 0);
    pf::setchannelvolume(snd.musicchannel, musicvolumenow());
    pf::setchannelvolume(snd.endlesschannel, effectvolume());
    if (running()) {
        if (!pf::channelplaying(snd.musicchannel)) pf::resumechannel(snd.musicchannel);
        if (!pf::channelplaying(snd.endlesschannel)) pf::resumechannel(snd.endlesschannel);
        snd.musicwaiting = 0;
    }
}

void pausesoundchannels() {
    pf::pausechannel(snd.musicchannel);
    pf::pausechannel(snd.endlesschannel);
    if (snd.musicchannel) snd.musicwaiting = 1;
}

void resetsound() {
    pf::stopchannel(snd.musicchannel);
    pf::stopchannel(snd.endlesschannel);
    for (int i = 1; i <= SOUNDSLOTS; i++) release(snd.sounds[i]);
    freestorysounds();
    freegamemusic();
    release(snd.musicsound);
    snd = SoundState{};
}

// ---- music per screen -------------------------------------------------------

void musicformenu(int prevscreen) {
    freestorysounds();
    freegamemusic();
    if (prevscreen == SCREEN_MAP) return;
    snd.curmusicvol = 0;
    playmusic(titlemusic, 1);
}

void musicformap(int prevscreen) {
    freestorysounds();
    freegamemusic();
    if (prevscreen != SCREEN_MENU) playmusic(titlemusic, 1);
}

void musicforgame(int level) {
    snd.soundlevel = level;
    snd.soundendseq = 0;
    snd.soundclearing = 0;
    snd.curmusicvol = 0;
    loadgamemusic();
    playtrack(((level % 3) + 3) % 3 + 1);
}

void musicforlevelend(int won) {
    snd.soundendseq = 1;
    playmusic(won ? "/music/win.wav" : "/music/fail.wav", 0);
}

void musicforcasino() { playmusic("/music/casino.ogg", 1); }

std::string storymusic(int story) {
    if (story == 1) return "/music/story2.ogg";
    if (story == 3) return "/music/storyreggae.ogg";
    if (story == 16 || story == 17) return "/music/storybazaar.ogg";
    if (story < 1 || story >= 21) return "";
    return "/music/story1.ogg";
}

void musicforstory(int story) {
    freegamemusic();
    snd.curmusicvol = 0;
    std::string m = storymusic(story);
    if (!m.empty()) playmusic(m, 1);
}

void musicfortrophies() {
    freestorysounds();
    freegamemusic();
}

void musicforsurvey() { freegamemusic(); }
