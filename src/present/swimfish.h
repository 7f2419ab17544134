// Decorative swimming fish.
#pragma once

void addswimfish(int x, int y, int depth, int kind, int layer);
void spawnswimfish();
void drawswimfish(int layer);
void resetswimfish();
