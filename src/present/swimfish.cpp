// Placeholder until the swimming fish land.
#include "present/swimfish.h"
void addswimfish(int, int, int, int, int) {}
void spawnswimfish() {}
void drawswimfish(int) {}
void resetswimfish() {}
