// Placeholder until the bitmap fonts land: text draws nothing.
#include "present/fonts.h"
void loadfonts() {}
int charwidth(const std::string&, int) { return 0; }
int textwidth(const std::string&, int) { return 0; }
void drawtext(const std::string&, float, float, int, int) {}
void drawtextbox(const std::string&, float, float, int, int, int, int) {}
int efftextwidth(const std::string&, int) { return 0; }
void drawefftext(int, const std::string&, float, float, int, float, int, int, int, float, float, float, float) {}
void clearglyphqueues() {}
void resetfonts() {}
