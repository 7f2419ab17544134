// Boss levels: what the card game keeps for them until the bosses arrive.
#pragma once

struct BossState {
    int taskvalue = 0;        // level counter kept with a suspended game
    int bossdamageshown = 0;  // damage shown when a suspended game resumes
};
extern BossState boss;

void drawboss();  // drawn behind the table every tick
void resetboss();
