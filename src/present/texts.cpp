#include "present/texts.h"

#include "platform/platform.h"

TextTables texts;

namespace {
const std::string emptytext;

// Lines never get longer than this; the rest of an absurd line is dropped so a
// hostile file cannot blow up memory (the longest real text is a few hundred).
constexpr std::size_t MAXLINE = 4096;

bool ismarker(const std::string& line, int maxsection, int& s) {
    if (line.size() < 9 || line.compare(0, 3, "---") != 0 || line.compare(6, 3, "---") != 0) return false;
    int v = 0;
    for (int i = 3; i < 6; i++) {
        unsigned char c = line[i];
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    if (v < 1 || v > maxsection) return false;
    s = v;
    return true;
}

const std::string& lookup(const std::string* lines, int nlines, const int* sections, int maxsection, int s, int k) {
    if (s < 1 || s > maxsection || k < 1) return emptytext;
    long idx = static_cast<long>(sections[s]) + k;
    if (idx < 1 || idx > nlines) return emptytext;
    return lines[idx];
}

void loadone(const char* path, int nlines, int maxsection, std::string* lines, int* sections) {
    std::string bytes;
    if (!readfilebytes(path, bytes, 1 << 22)) {
        // Without its file the game still runs: every text is empty.
        pf::logline(std::string("missing text file ") + path);
        bytes.clear();
    }
    parsetextfile(bytes, nlines, maxsection, lines, sections);
}
}  // namespace

std::string linetext(const std::string& line) {
    if (line.size() <= TEXTPREFIX) return std::string();
    std::size_t a = TEXTPREFIX, b = line.size();
    while (a < b && static_cast<unsigned char>(line[a]) <= 32) a++;
    while (b > a && static_cast<unsigned char>(line[b - 1]) <= 32) b--;
    return line.substr(a, b - a);
}

void parsetextfile(const std::string& bytes, int nlines, int maxsection, std::string* lines, int* sections) {
    std::size_t pos = 0;
    std::string line;
    for (int k = 1; k <= nlines; k++) {
        line.clear();
        if (pos < bytes.size()) {
            std::size_t end = pos;
            while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\0') end++;
            std::size_t len = end - pos;
            if (len > 0 && bytes[end - 1] == '\r' && end < bytes.size()) len--;  // CR LF
            line.assign(bytes, pos, len < MAXLINE ? len : MAXLINE);
            pos = end < bytes.size() ? end + 1 : end;
        }
        int s = 0;
        if (ismarker(line, maxsection, s)) sections[s] = k;
        lines[k] = linetext(line);
    }
}

void loadmenutexts() {
    loadone("data\\texts/menutexts.txt", MENULINES, MENUSECTIONS, texts.menutext, texts.menusection);
}
void loadstorytexts() {
    loadone("data\\texts/storytexts.txt", STORYLINES, STORYSECTIONS, texts.storytext, texts.storysection);
}
void loadgametexts() {
    loadone("data\\texts/gametexts.txt", GAMELINES, GAMESECTIONS, texts.gametext, texts.gamesection);
}
void loadalltexts() {
    loadmenutexts();
    loadstorytexts();
    loadgametexts();
}

const std::string& menutext(int s, int k) {
    return lookup(texts.menutext, MENULINES, texts.menusection, MENUSECTIONS, s, k);
}
const std::string& gametext(int s, int k) {
    return lookup(texts.gametext, GAMELINES, texts.gamesection, GAMESECTIONS, s, k);
}
const std::string& storytext(int s, int k) {
    return lookup(texts.storytext, STORYLINES, texts.storysection, STORYSECTIONS, s, k);
}

int storysectionlines(int s) {
    if (s < 1 || s > STORYSECTIONS) return 0;
    int start = texts.storysection[s];
    int count = 0;
    for (int k = start + 1; k <= STORYLINES; k++) {
        bool marker = false;
        for (int t = 1; t <= STORYSECTIONS; t++)
            if (texts.storysection[t] == k) marker = true;
        if (marker) break;
        if (!texts.storytext[k].empty()) count = k - start;
    }
    return count;
}

void resettexts() { texts = TextTables{}; }
