// The three text files: menutexts, gametexts, storytexts (Latin-1).
#pragma once

#include <string>

void loadmenutexts();
void loadgametexts();
void loadstorytexts();
void loadalltexts();
// Line k (1..) of section s; the empty text when missing.
const std::string& menutext(int s, int k);
const std::string& gametext(int s, int k);
const std::string& storytext(int s, int k);
void resettexts();
