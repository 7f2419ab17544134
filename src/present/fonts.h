// Bitmap fonts and text drawing.
#pragma once

#include <string>

void loadfonts();
int charwidth(const std::string& ch, int font);
int textwidth(const std::string& text, int font);
void drawtext(const std::string& text, float x, float y, int align, int font);
void drawtextbox(const std::string& text, float x, float y, int maxwidth, int linespacing, int align, int font);
int efftextwidth(const std::string& text, int efffont);
void drawefftext(int efffont, const std::string& text, float x, float y, int align, float scale, int t, int start,
                 int end, float glow, float r, float g, float b);
void clearglyphqueues();
void resetfonts();
