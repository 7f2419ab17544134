// The three text files: menutexts, gametexts, storytexts (Latin-1).
//
// Each file is read into a line table (line k of the file, prefix dropped and
// trimmed) and a section table (line number of each section's marker). Texts
// are byte strings: one byte is one character, its code 0..255.
#pragma once

#include <cstddef>
#include <string>

#include "core/filebytes.h"

constexpr int MENULINES = 400;
constexpr int GAMELINES = 300;
constexpr int STORYLINES = 300;
constexpr int MENUSECTIONS = 30;
constexpr int GAMESECTIONS = 15;
constexpr int STORYSECTIONS = 21;
constexpr int TEXTPREFIX = 13;  // characters before the text of every line

struct TextTables {
    std::string menutext[MENULINES + 1];
    std::string gametext[GAMELINES + 1];
    std::string storytext[STORYLINES + 1];
    int menusection[101] = {};
    int gamesection[101] = {};
    int storysection[101] = {};
};
extern TextTables texts;

void loadmenutexts();
void loadgametexts();
void loadstorytexts();
void loadalltexts();
// Line k (1..) of section s; the empty text when missing.
const std::string& menutext(int s, int k);
const std::string& gametext(int s, int k);
const std::string& storytext(int s, int k);
// Number of text lines that follow the marker of story section s, up to the
// next marker or the end of the table, trailing empty lines not counted.
int storysectionlines(int s);
void resettexts();

// The loading rule on a file's bytes: fills lines[1..nlines] and, for every
// marker "---NNN---" (NNN = 1..maxsection) in column 1, sections[NNN] = its
// line. Sections whose marker is absent keep their value. Used by the
// loaders and the fuzz targets.
void parsetextfile(const std::string& bytes, int nlines, int maxsection, std::string* lines, int* sections);
// The text of one line: characters from the 14th on, trimmed of codes <= 32.
std::string linetext(const std::string& line);
