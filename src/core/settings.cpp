// Placeholder until the settings file lands: defaults only.
#include "core/settings.h"
Settings settings;
void loadsettings() {}
void savesettings(int mode) { if (mode == 1) settings = Settings{}; }
void resetsettings() { settings = Settings{}; }
