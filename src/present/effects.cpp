// Placeholder until the effect list lands: spawners keep nothing.
#include "present/effects.h"
void loadeffects() {}
void cleareffects() {}
int addeff(float, float, int, float, float) { return 0; }
void draweff() {}
void effpoint(int, int) {}
void efftask(int, int) {}
void effburst(float, float, int, int) {}
void effcolourburst(float, float, int, int) {}
void effframe(float, float) {}
void effexplode(float, float) {}
void effshatter(float, float) {}
void effstars(float, float, int) {}
void effglow(float, float) {}
void effglowat(float, float) {}
void spawnbubble(int, int, int) {}
void drawbubbles(float) {}
void clearbubbles() {}
void spawnfall(int, int) {}
void drawfall() {}
void clearfall() {}
void reseteffects() {}
