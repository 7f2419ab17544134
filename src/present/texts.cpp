// Placeholder until the text loader lands: every lookup yields the empty text.
#include "present/texts.h"
static const std::string emptytext;
void loadmenutexts() {}
void loadgametexts() {}
void loadstorytexts() {}
void loadalltexts() {}
const std::string& menutext(int, int) { return emptytext; }
const std::string& gametext(int, int) { return emptytext; }
const std::string& storytext(int, int) { return emptytext; }
void resettexts() {}
