// Placeholder until the sound routines land: silence.
#include "present/sound.h"
void initsound() {}
void PlayS(int, int) {}
void PlaySvol(int, int, float) {}
void loadstorysounds() {}
void freestorysounds() {}
void PlayS_story(int, int) {}
void PlayS_storyendless(int, int) {}
void stopendlesschannel_story() {}
void playmusic(const std::string&, int) {}
void loadgamemusic() {}
void freegamemusic() {}
void playtrack(int) {}
void nexttrack() {}
void stopmusic() {}
void updatemusic() {}
void pausesoundchannels() {}
void resetsound() {}
