// The splash pages shown once at start.
#pragma once

#include <string>

#include "present/resources.h"

constexpr int MAXSPLASH = 6;

struct SplashState {
    std::string splashfile[MAXSPLASH + 1];
    int splashtime[MAXSPLASH + 1] = {};
    int splashskip[MAXSPLASH + 1] = {};
    Img splashimage[MAXSPLASH + 1] = {};
    int splashpages = 0;
    int splashpage = 0;
    int splashtick = 0;
};
extern SplashState splash;

void readintrosettings();
void instintro(int page);
void showintro();
void releasesplashimages();
void resetsplash();
