// Placeholder until the popup system lands: a popup only records its id.
#include "menus/popups.h"
PopupState pop;
void openpopup(int id) { pop.popup = id; pop.popupdir = 1; }
void dopopups() {}
int button(float, float, int, int, const std::string&) { return 0; }
void resetpopups() { pop = PopupState{}; }
