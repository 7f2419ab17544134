// Bitmap fonts and text drawing.
//
// Texts are byte strings (ISO 8859-1): each byte is one character, its code
// 0..255. Font ids 1, 3, 7, 8 and 9 have images; effect fonts 1 and 2 draw the
// animated headlines.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

constexpr int MAXFONTS = 10;       // font ids 0..10
constexpr int MAXFONTCODE = 1500;  // character codes looked up directly
constexpr int GLYPHQUEUE = 200;

struct GlyphSlot {
    int code = -1;  // -1 = free
    int slot = 0;   // list slot j; the glyph is cell j - 1
    int font = 0;
    float x = 0, y = 0;
};

struct FontState {
    int fontadvance[MAXFONTS + 1][MAXFONTCODE + 1] = {};
    int fontframe[MAXFONTS + 1][MAXFONTCODE + 1] = {};
    int effadvance[3][MAXFONTCODE + 1] = {};  // effect fonts 1, 2
    int effframe[3][MAXFONTCODE + 1] = {};
    // List characters whose codes lie above 1500 (the euro sign, typographic
    // quotes, the bullet): kept here so they are not lost to the direct tables.
    struct Wide {
        int code = 0, frame = 0, advance = 0;
    };
    Wide wide[MAXFONTS + 1][16] = {};
    Wide effwide[3][16] = {};
    pf::Image* fontimage[MAXFONTS + 1] = {};
    pf::Image* effimage[3] = {};
    pf::Image* bignumbersimage = nullptr;
    GlyphSlot glyphqueue[GLYPHQUEUE + 1];     // drawtext
    GlyphSlot effglyphqueue[GLYPHQUEUE + 1];  // drawefftext
    bool widthsloaded = false;
};
extern FontState fonts;

// What text drawing asks of the popup system; the app wires it (null: no
// popup is sliding).
struct FontHooks {
    int (*popupfade)() = nullptr;  // the open popup's slide counter
};
extern FontHooks fonthooks;

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

// Builds the lookup tables from the character lists and the per-slot glyph
// widths (read from "data\texts/fontwidths.txt"); loadfonts calls it.
void buildfonttables();
// Parses the widths file; false when it holds no usable table.
bool parsefontwidths(const std::string& bytes);
// Table lookups for any code, including the few list characters above 1500.
int fontframeof(int font, int code);
int fontadvanceof(int font, int code);
int effframeof(int efffont, int code);
int effadvanceof(int efffont, int code);
// Unicode simple upper-case mapping for the characters the fonts hold.
int uppercode(int code);
// A Latin-1 text in capitals (bytes without a Latin-1 capital stay as they are).
std::string uppertext(const std::string& text);
// The lines drawtextbox draws, in order; each wrapped line keeps the space at
// which it broke.
std::vector<std::string> wraptext(const std::string& text, int maxwidth, int font);

// Per-slot glyph widths as measured by the asset generator, one table per
// font image (list C for the effect fonts and font 9).
struct FontWidths {
    int font1[261] = {}, font3[261] = {}, font7[260] = {}, font8[260] = {}, listc[111] = {};
};
extern FontWidths fontwidths;
