// The effect list, the bubble layer and the falling layer.
#pragma once

void loadeffects();
void cleareffects();
int addeff(float x, float y, int kind, float p4, float p5);
void draweff();
void effpoint(int x, int y);
void efftask(int x, int y);
void effburst(float x, float y, int n, int pop);
void effcolourburst(float x, float y, int n, int colour);
void effframe(float x, float y);
void effexplode(float x, float y);
void effshatter(float x, float y);
void effstars(float x, float y, int colour);
void effglow(float x, float y);
void effglowat(float x, float y);
void spawnbubble(int x, int y, int tint);
void drawbubbles(float xoffset);
void clearbubbles();
void spawnfall(int x, int y);
void drawfall();
void clearfall();
void reseteffects();
