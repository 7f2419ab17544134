#include "present/fonts.h"

#include <cmath>
#include <sstream>

#include "core/globals.h"
#include "present/effects.h"
#include "present/fontlists.h"
#include "present/texts.h"

FontState fonts;
FontHooks fonthooks;
FontWidths fontwidths;

namespace {

struct FontDef {
    int id;
    const char* file;
    int cellw, cellh, cells;
};
const FontDef fontdefs[] = {
    {1, "data\\/texts/fbuttonsmall.png", 26, 26, 260},
    {3, "data\\/texts/fbuttonbig.png", 28, 28, 260},
    {7, "data\\/texts/font_ME_28_brown.png", 28, 36, 260},
    {8, "data\\/texts/font_ME_28_white.png", 28, 36, 260},
    {9, "data\\/texts/font_ME_38_white.png", 30, 50, 110},
};

bool validfont(int f) { return f >= 0 && f <= MAXFONTS; }
bool valideff(int f) { return f == 1 || f == 2; }

void setentry(int (&frame)[MAXFONTCODE + 1], int (&adv)[MAXFONTCODE + 1], FontState::Wide (&wide)[16], int code,
              int j, int advance) {
    if (code <= 0) return;  // empty slot
    if (advance < 0) advance = 0;
    if (code < MAXFONTCODE) {
        frame[code] = j;
        adv[code] = advance;
        return;
    }
    for (auto& w : wide) {
        if (w.code == code || w.code == 0) {
            w = {code, j, advance};
            return;
        }
    }
}

int lookupwide(const FontState::Wide (&wide)[16], int code, bool wantframe) {
    for (const auto& w : wide)
        if (w.code == code) return wantframe ? w.frame : w.advance;
    return 0;
}

void freequeue(GlyphSlot* q) {
    for (int i = 1; i <= GLYPHQUEUE; i++) q[i].code = -1;
}

// Draws and frees the drawtext queue.
void flushqueue() {
    GlyphSlot* q = fonts.glyphqueue;
    if (q[1].code != -1) {
        int f = q[1].font;
        pf::Image* img = validfont(f) ? fonts.fontimage[f] : nullptr;
        if (img) {
            for (int i = 1; i <= GLYPHQUEUE && q[i].code != -1; i++)
                if (q[i].slot >= 1 && q[i].slot <= 257 && q[i].x > -40) pf::drawimage(img, q[i].x, q[i].y, q[i].slot - 1);
        }
    }
    freequeue(q);
}

std::string readwidthsfile() {
    std::string bytes;
    readfilebytes("data\\texts/fontwidths.txt", bytes, 1 << 16);
    return bytes;
}

float minone(float v) { return v < 1.0f ? v : 1.0f; }

}  // namespace

int uppercode(int c) {
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 32;
    if (c >= 0x430 && c <= 0x44F) return c - 32;
    switch (c) {
        case 0xFF: return 0x178;
        case 0xB5: return 0x39C;
        case 0x131: return 'I';
        case 0x17F: return 'S';
        case 0x161: return 0x160;
        case 0x153: return 0x152;
        default: return c;
    }
}

std::string uppertext(const std::string& text) {
    std::string out = text;
    for (char& ch : out) {
        int u = uppercode(static_cast<unsigned char>(ch));
        if (u < 256) ch = static_cast<char>(u);
    }
    return out;
}

bool parsefontwidths(const std::string& bytes) {
    FontWidths w;
    std::istringstream in(bytes);
    std::string line;
    int found = 0;
    while (std::getline(in, line)) {
        std::istringstream ls(line);
        std::string key;
        if (!(ls >> key) || key[0] == '#') continue;
        int* table = nullptr;
        int n = 0;
        if (key == "1") table = w.font1, n = fontlists::LISTA;
        else if (key == "3") table = w.font3, n = fontlists::LISTA;
        else if (key == "7") table = w.font7, n = fontlists::LISTB;
        else if (key == "8") table = w.font8, n = fontlists::LISTB;
        else if (key == "C") table = w.listc, n = fontlists::LISTC;
        if (!table) continue;
        long v;
        for (int j = 1; j <= n && (ls >> v); j++) table[j] = (v < 0 || v > 400) ? 0 : static_cast<int>(v);
        found++;
    }
    if (found == 0) return false;
    fontwidths = w;
    return true;
}

void buildfonttables() {
    auto& F = fonts;
    for (int f = 0; f <= MAXFONTS; f++) {
        for (int c = 0; c <= MAXFONTCODE; c++) F.fontframe[f][c] = F.fontadvance[f][c] = 0;
        for (auto& w : F.wide[f]) w = {};
    }
    for (int e = 0; e < 3; e++) {
        for (int c = 0; c <= MAXFONTCODE; c++) F.effframe[e][c] = F.effadvance[e][c] = 0;
        for (auto& w : F.effwide[e]) w = {};
    }
    // Slots in order: a later duplicate (the euro and dollar signs) wins.
    for (int j = 1; j <= fontlists::LISTA; j++) {
        int c = fontlists::lista[j];
        setentry(F.fontframe[1], F.fontadvance[1], F.wide[1], c, j, fontwidths.font1[j] - 2);
        setentry(F.fontframe[3], F.fontadvance[3], F.wide[3], c, j, fontwidths.font3[j] - 1);
    }
    for (int j = 1; j <= fontlists::LISTB; j++) {
        int c = fontlists::listb(j);
        setentry(F.fontframe[7], F.fontadvance[7], F.wide[7], c, j, fontwidths.font7[j] - 2);
        setentry(F.fontframe[8], F.fontadvance[8], F.wide[8], c, j, fontwidths.font8[j] - 2);
    }
    for (int j = 1; j <= fontlists::LISTC; j++) {
        int c = fontlists::listc[j];
        int w = fontwidths.listc[j];
        setentry(F.fontframe[9], F.fontadvance[9], F.wide[9], c, j, static_cast<int>(w * 0.25) - 2);
        setentry(F.effframe[1], F.effadvance[1], F.effwide[1], c, j, w - 2);
        setentry(F.effframe[2], F.effadvance[2], F.effwide[2], c, j, static_cast<int>(w * 0.5) - 2);
    }
}

int fontframeof(int font, int code) {
    if (!validfont(font) || code < 0) return 0;
    return code <= MAXFONTCODE ? fonts.fontframe[font][code] : lookupwide(fonts.wide[font], code, true);
}
int fontadvanceof(int font, int code) {
    if (!validfont(font) || code < 0) return 0;
    return code <= MAXFONTCODE ? fonts.fontadvance[font][code] : lookupwide(fonts.wide[font], code, false);
}
int effframeof(int e, int code) {
    if (!valideff(e) || code < 0) return 0;
    return code <= MAXFONTCODE ? fonts.effframe[e][code] : lookupwide(fonts.effwide[e], code, true);
}
int effadvanceof(int e, int code) {
    if (!valideff(e) || code < 0) return 0;
    return code <= MAXFONTCODE ? fonts.effadvance[e][code] : lookupwide(fonts.effwide[e], code, false);
}

void loadfonts() {
    if (!parsefontwidths(readwidthsfile())) pf::logline("font widths missing: texts will not measure");
    fonts.widthsloaded = true;
    buildfonttables();
    clearglyphqueues();
    pf::automidhandle(false);  // glyph handles are top-left
    for (const auto& d : fontdefs) {
        pf::freeimage(fonts.fontimage[d.id]);
        fonts.fontimage[d.id] = pf::loadanimimage(d.file, d.cellw, d.cellh, 0, d.cells, 0);
    }
    pf::freeimage(fonts.effimage[1]);
    pf::freeimage(fonts.effimage[2]);
    fonts.effimage[1] = pf::loadanimimage("data\\/texts/efftext3.png", 92, 166, 0, 110, 0);
    fonts.effimage[2] = pf::loadanimimage("data\\/texts/efftext2.png", 46, 83, 0, 110, 0);
    pf::setimagehandle(fonts.effimage[1], 30, 80);
    pf::setimagehandle(fonts.effimage[2], 15, 40);
    pf::freeimage(fonts.bignumbersimage);
    fonts.bignumbersimage = pf::loadanimimage("data\\/texts/bignumbers.png", 40, 60, 0, 12, 0);
    pf::midhandleimage(fonts.bignumbersimage);
    pf::automidhandle(true);
    for (const auto& d : fontdefs) pf::keepimage(fonts.fontimage[d.id]);
    for (int e = 1; e <= 2; e++) pf::keepimage(fonts.effimage[e]);
    pf::keepimage(fonts.bignumbersimage);
}

int charwidth(const std::string& ch, int font) {
    int code = ch.empty() ? ' ' : static_cast<unsigned char>(ch[0]);
    return fontadvanceof(font, code);
}

int textwidth(const std::string& text, int font) {
    if (!validfont(font)) return 0;
    int w = 0;
    for (unsigned char c : text) w += fonts.fontadvance[font][c];
    return w;
}

void drawtext(const std::string& text, float x, float y, int align, int font) {
    if (!validfont(font) || text.empty()) return;
    int w = textwidth(text, font);
    float s;
    switch (align) {
        case 1: s = x; break;
        case 2: s = x - w; break;
        case 3: s = x - (w / 2); break;
        default: return;
    }
    GlyphSlot* q = fonts.glyphqueue;
    int pen = 0, used = 0;
    for (unsigned char c : text) {
        // Texts longer than the queue are drawn in batches of 200.
        if (used == GLYPHQUEUE) {
            flushqueue();
            used = 0;
        }
        GlyphSlot& g = q[++used];
        g.code = c;
        g.slot = fonts.fontframe[font][c];
        g.font = font;
        g.x = s + pen;
        g.y = y - 4;
        pen += fonts.fontadvance[font][c];
    }
    flushqueue();
}

std::vector<std::string> wraptext(const std::string& text, int maxwidth, int font) {
    std::vector<std::string> lines;
    const int L = static_cast<int>(text.size());
    int p = 0;
    while (p < L) {
        std::string line;
        int width = 0, n = 0;
        do {
            line += text[p];
            width += charwidth(text.substr(p, 1), font);
            p++;
            n++;
        } while (!(p >= L || width > maxwidth));
        if (width > maxwidth) {
            // Walk back to the last space; the line keeps it at its end.
            int back = n;
            while (back > 0 && line[back - 1] != ' ') back--;
            if (back > 0) {
                p -= n - back;
                n = back;
            } else if (n > 1) {
                // One word wider than the box: break it before the character
                // that overflowed rather than loop for ever.
                p -= 1;
                n -= 1;
            }
            line.resize(n);
        }
        lines.push_back(line);
    }
    return lines;
}

void drawtextbox(const std::string& text, float x, float y, int maxwidth, int linespacing, int align, int font) {
    std::vector<std::string> lines = wraptext(text, maxwidth, font);
    for (std::size_t k = 0; k < lines.size(); k++) drawtext(lines[k], x, y + k * linespacing, align, font);
}

int efftextwidth(const std::string& text, int e) {
    if (!valideff(e)) return 0;
    int w = 0;
    for (unsigned char c : text) w += effadvanceof(e, uppercode(c));
    return w;
}

void drawefftext(int e, const std::string& text, float x, float y, int align, float scale, int t, int start, int end,
                 float glow, float r, float g, float b) {
    if (!(start < t && t < end) || !valideff(e) || text.empty()) return;
    if (align < 1 || align > 3) return;
    y = y - 40 * scale;
    x = x + 30 * scale;
    if (e == 2) x = x - 20;
    const float a0 = pf::getalpha();
    const int W = static_cast<int>(efftextwidth(text, e) * scale);
    float A = a0;
    if (t > end - 20) A = (end - t) * 0.05f;

    float s = align == 1 ? x : align == 2 ? x - W : x - (W / 2);
    const int len = static_cast<int>(text.size());
    int step = 10;
    if (len > 12) step = 3;
    else if (len > 9) step = 4;
    else if (len > 6) step = 7;

    pf::Image* img = fonts.effimage[e];
    GlyphSlot* q = fonts.effglyphqueue;
    const float bob = e == 1 ? 5.0f : 2.0f;
    const int fl = fade.fadelevel;
    int pen = 0;
    for (int j = 1; j <= len; j++) {
        int code = uppercode(static_cast<unsigned char>(text[j - 1]));
        GlyphSlot& gq = q[(j - 1) % GLYPHQUEUE + 1];
        gq.code = code;
        gq.slot = effframeof(e, code);
        gq.font = e;
        gq.x = s + pen;
        gq.y = y - 4;
        pen = static_cast<int>(pen + effadvanceof(e, code) * scale);
        if (!img || gq.slot < 1 || gq.slot > 110) continue;
        if (!(gq.x > -100 && gq.x < disp.gfxwidth + 100)) continue;
        const int appear = start + step * j;
        if (t <= appear) continue;
        if ((!fonthooks.popupfade || fonthooks.popupfade() == 0) && core.gamepause == -1) {
            bool spark = t < appear + 50 ? pf::rand(1, 30) == 1 : (t > appear + 50 && pf::rand(1, 200) == 1);
            if (spark) {
                float ex = gq.x + pf::rand(-20, 20), ey = gq.y + pf::rand(-40, 40);
                addeff(ex, ey, EFF_BUBBLE, pf::rand(-50, 50) * 0.2f, pf::rand(-50, 50) * 0.2f);
            }
        }
        const float d = static_cast<float>(t - appear);
        const float alpha = A * minone(0.1f * d);
        const float growth = minone(0.1f * d);
        const float wobble = 1 - minone(0.01f * d);
        const double ang = 12.0 * core.framecount + 24.0 * j;
        const float sx = static_cast<float>(scale * growth + 0.2 * wobble * pf::cosdeg(ang));
        const float sy = static_cast<float>(scale * growth + 0.2 * wobble * pf::sindeg(ang));
        const float gy = static_cast<float>(gq.y + bob * pf::sindeg(2.0 * core.framecount + 50.0 * j) * scale);
        pf::setalpha(alpha);
        pf::setscale(sx, sy);
        pf::drawimage(img, gq.x, gy, gq.slot - 1);
        if (r < 1 || g < 1 || b < 1) {
            pf::setcolour(static_cast<int>(fl * r), static_cast<int>(fl * g), static_cast<int>(fl * b));
            pf::drawimage(img, gq.x, gy, gq.slot - 1);
        }
        if (glow > 0.01f) {
            pf::setblend(BLEND_LIGHT);
            pf::setalpha(alpha * glow);
            pf::drawimage(img, gq.x, gy, gq.slot - 1);
        }
        pf::setalpha(alpha);
        pf::setblend(BLEND_ALPHA);
    }
    freequeue(q);
    pf::setalpha(a0);
    pf::setscale(1, 1);
    pf::setcolour(fl, fl, fl);
}

void clearglyphqueues() {
    freequeue(fonts.glyphqueue);
    freequeue(fonts.effglyphqueue);
}

void resetfonts() {
    for (auto& img : fonts.fontimage) pf::freeimage(img);
    for (auto& img : fonts.effimage) pf::freeimage(img);
    pf::freeimage(fonts.bignumbersimage);
    for (auto& img : fonts.fontimage) img = nullptr;
    for (auto& img : fonts.effimage) img = nullptr;
    fonts.bignumbersimage = nullptr;
    fonts.widthsloaded = false;
    fontwidths = FontWidths{};
    for (int f = 0; f <= MAXFONTS; f++)
        for (int c = 0; c <= MAXFONTCODE; c++) fonts.fontframe[f][c] = fonts.fontadvance[f][c] = 0;
    for (int e = 0; e < 3; e++)
        for (int c = 0; c <= MAXFONTCODE; c++) fonts.effframe[e][c] = fonts.effadvance[e][c] = 0;
    for (auto& row : fonts.wide)
        for (auto& w : row) w = {};
    for (auto& row : fonts.effwide)
        for (auto& w : row) w = {};
    clearglyphqueues();
}
