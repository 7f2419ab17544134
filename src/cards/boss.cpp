#include "cards/boss.h"

BossState boss;

void drawboss() {}

void resetboss() { boss = BossState{}; }
