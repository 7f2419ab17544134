// Sound effects and music.
#pragma once

#include <string>

void initsound();
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
void resetsound();
