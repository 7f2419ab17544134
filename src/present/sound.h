// Sound effects and music.
//
// Effects are addressed by id (1..81, the table in sound.cpp) and panned by the
// x of what makes the sound: pass the pointer x for clicks, the object's x for
// objects, and disp.midx for sounds without a place. Music plays on one
// channel whose volume ramps towards settings.musicvolume and follows the
// screen fade; each screen's entry routine calls its musicfor... routine below.
#pragma once

#include <string>

#include "platform/platform.h"
#include "present/soundids.h"

constexpr int SOUNDSLOTS = 90;       // sounds[1..90], ids 1..81 used
constexpr int STORYSOUNDSLOTS = 60;  // storysounds[1..60]
constexpr int EFFECTCOUNT = 81;

struct SoundState {
    pf::Sound* sounds[SOUNDSLOTS + 1] = {};
    pf::Sound* storysounds[STORYSOUNDSLOTS + 1] = {};
    int soundplayed[SOUNDSLOTS + 1] = {};  // played in the current tick
    pf::Channel musicchannel = 0;
    pf::Channel endlesschannel = 0;
    pf::Sound* gametracks[4] = {};  // 1..3, the current level's tracks
    int curtrack = 0;
    int curmusicvol = 0;  // the music volume applied, ramping towards settings.musicvolume
    int soundok = 0;
    pf::Sound* musicsound = nullptr;  // what playmusic loaded last (freed by the next)
    // The music channel holds a track that has not started yet (cued) or was
    // paused on suspend. It is not "playing" then, yet not finished either:
    // nexttrack must not skip it.
    int musicwaiting = 0;
    int musicfromtracks = 0;  // the music channel plays one of gametracks

    // Hooks the card game sets, read by nexttrack and the game's music:
    int soundlevel = 0;      // aktlevel, the level being played
    int soundendseq = 0;     // the level-end sequence has started (endseq > 0)
    int soundclearing = 0;   // the card-clearing extra is running
};
extern SoundState snd;

void initsound();  // opensound and loadsoundeffects at once
void opensound();         // the channels and whether sound works at all
void loadsoundeffects();  // every effect, decoded
void PlayS(int id, int x);
void PlaySvol(int id, int x, float factor);
void loadstorysounds();
void freestorysounds();
void PlayS_story(int id, int x);
void PlayS_storyendless(int id, int x);
void stopendlesschannel_story();
void playmusic(const std::string& path, int loop);
void loadgamemusic();
void freegamemusic();
void playtrack(int n);
void nexttrack();
void stopmusic();
void updatemusic();
void pausesoundchannels();  // on suspend: music and endless channel
void resetsound();           // releases every sound, back to the start-up state

// Volume and pan rules, shared by every play routine.
float soundpan(int x);           // (x - midx) * 0.00085, within -1..1
float effectvolume();            // soundvolume / 280, within 0..1
float musicvolumenow();          // what updatemusic gives the music channel (0..0.8)

// ---- music per screen: each entry routine calls its own -------------------
// Main menu: from any screen but the map the title music starts again and
// fades in from 0; from the map it runs on. Also frees story sounds and the
// in-game tracks.
void musicformenu(int prevscreen);
// Adventure map: the title music, unless coming from the main menu (it runs
// on). Frees story sounds and the in-game tracks.
void musicformap(int prevscreen);
// Card game: music from 0, the level's three tracks loaded, and the first one
// by the level's remainder (level 3k -> ingame1, 3k+1 -> ingame4, 3k+2 -> ingame3).
// Sets snd.soundlevel = level.
void musicforgame(int level);
// Level end: the win or the fail jingle, once.
void musicforlevelend(int won);
// Casino: its own loop.
void musicforcasino();
// Story n (1..21): music from 0 and the story's loop; story 21 keeps what plays.
// Frees the in-game tracks.
void musicforstory(int story);
// Trophy room and survey screen: the music that plays continues; the story
// sounds (trophy room) and the in-game tracks are released.
void musicfortrophies();
void musicforsurvey();
// The file of a story's music ("/music/story1.ogg" ...), "" for story 21.
std::string storymusic(int story);
