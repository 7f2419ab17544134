#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/control.h"
#include "core/globals.h"
#include "present/fontlists.h"
#include "present/fonts.h"
#include "testutil.h"

namespace {

struct Fonts : ::testing::Test {
    void SetUp() override {
        headlessgame();
        loadfonts();
        pf::clearscreen();
    }
    static std::vector<pf::ctl::DrawCall> callsof(const std::string& file) {
        std::vector<pf::ctl::DrawCall> out;
        for (const auto& c : pf::ctl::drawcalls())
            if (c.path.find(file) != std::string::npos) out.push_back(c);
        return out;
    }
    // Every printable character the same advance, so layouts are easy to reason about.
    static void uniformadvance(int font, int adv) {
        for (int c = 33; c < 256; c++)
            if (fonts.fontframe[font][c]) fonts.fontadvance[font][c] = adv;
        fonts.fontadvance[font][' '] = adv;
    }
};

TEST_F(Fonts, LookupTablesFollowTheListsAndLaterDuplicatesWin) {
    struct Case {
        int font, code, frame;
    };
    const Case cases[] = {
        {1, 'A', 1},     {1, '$', 187},   {1, 0x20AC, 184}, {3, 0x20AC, 184}, {7, 0x20AC, 185}, {8, '$', 188},
        {7, 0x201F, 179}, {1, 0x201F, 0}, {1, '@', 257},   {7, '@', 258},    {1, ' ', 260},    {7, ' ', 259},
        {9, 'A', 1},     {9, 'a', 0},     {9, ' ', 56},     {9, 0x20AC, 107}, {1, 0x44F, 256},  {9, 0x44F, 0},
        {0, 'A', 0},     {2, 'A', 0},     {10, 'A', 0},     {11, 'A', 0},     {-1, 'A', 0},     {1, 99999, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(fontframeof(c.font, c.code), c.frame) << c.font << " U+" << c.code;
    EXPECT_EQ(effframeof(1, 'A'), 1);
    EXPECT_EQ(effframeof(2, 0x20AC), 107);
    EXPECT_EQ(effframeof(3, 'A'), 0);
    // The euro sign's glyph in font 1 is cell 183, not the earlier slot's cell 94.
    EXPECT_EQ(fontframeof(1, 0x20AC) - 1, 183);
}

TEST_F(Fonts, AdvanceIsWidthLessTheFontsReduction) {
    ASSERT_GT(fontwidths.font1[1], 0) << "width table not loaded";
    for (int j : {1, 9, 23, 59, 260}) {
        int c = fontlists::lista[j];
        EXPECT_EQ(fontadvanceof(1, c), fontwidths.font1[j] - 2) << j;
        EXPECT_EQ(fontadvanceof(3, c), fontwidths.font3[j] - 1) << j;
    }
    for (int j : {1, 30, 56}) {
        int c = fontlists::listc[j];
        EXPECT_EQ(fontadvanceof(9, c), static_cast<int>(fontwidths.listc[j] * 0.25) - 2) << j;
        EXPECT_EQ(effadvanceof(1, c), fontwidths.listc[j] - 2) << j;
        EXPECT_EQ(effadvanceof(2, c), static_cast<int>(fontwidths.listc[j] * 0.5) - 2) << j;
    }
    for (int f : {1, 3, 7, 8, 9}) EXPECT_GT(charwidth(" ", f), 0) << "space must advance in font " << f;
    EXPECT_EQ(charwidth("", 7), charwidth(" ", 7));
    EXPECT_EQ(textwidth("", 7), 0);
    EXPECT_EQ(textwidth("AB", 7), charwidth("A", 7) + charwidth("B", 7));
    EXPECT_EQ(textwidth("AB", 5), 0);
    // Fonts 7 and 8 are one face in two colours: texts measure alike (the
    // anti-aliased edge may differ by a pixel).
    for (int j = 1; j <= fontlists::LISTB; j++) EXPECT_NEAR(fontwidths.font7[j], fontwidths.font8[j], 1) << j;
}

// The width table is data of the images: rightmost inked column + 1 + the
// font's trailing margin, checked cell by cell with a one-pixel probe column.
TEST_F(Fonts, WidthTableMatchesTheImages) {
    struct Img {
        const char* file;
        int cellw, cellh, cells;
        const int* widths;
        int len;
        int trail;      // width = rightmost + 1 + trail
        double scale;   // 0: exact; else ink must end within trunc(width x scale) + 1
    };
    const Img imgs[] = {
        {"data/texts/fbuttonsmall.png", 26, 26, 260, fontwidths.font1, fontlists::LISTA, 1, 0},
        {"data/texts/fbuttonbig.png", 28, 28, 260, fontwidths.font3, fontlists::LISTA, 0, 0},
        {"data/texts/font_ME_28_brown.png", 28, 36, 260, fontwidths.font7, fontlists::LISTB, 1, 0},
        {"data/texts/font_ME_28_white.png", 28, 36, 260, fontwidths.font8, fontlists::LISTB, -1, 0},
        {"data/texts/efftext3.png", 92, 166, 110, fontwidths.listc, fontlists::LISTC, 4, 0},
        {"data/texts/efftext2.png", 46, 83, 110, fontwidths.listc, fontlists::LISTC, 4, 0.5},
        {"data/texts/font_ME_38_white.png", 30, 50, 110, fontwidths.listc, fontlists::LISTC, 4, 0.25},
    };
    pf::automidhandle(false);
    for (const Img& im : imgs) {
        pf::Image* font = pf::loadanimimage(im.file, im.cellw, im.cellh, 0, im.cells, 0);
        ASSERT_NE(font, nullptr) << im.file;
        std::vector<std::uint8_t> col(static_cast<std::size_t>(im.cellh) * 4, 255);
        pf::Image* probe = pf::ctl::makeimage(1, im.cellh, col);
        int checked = 0;
        for (int j = 1; j <= im.len && j <= im.cells; j++) {
            int code = im.len == fontlists::LISTC ? fontlists::listc[j] : im.len == fontlists::LISTA ? fontlists::lista[j] : fontlists::listb(j);
            if (code == 0 || code == ' ') continue;
            int right = -1;
            for (int x = im.cellw - 1; x >= 0 && right < 0; x--)
                if (pf::imagescollide(font, 0, 0, j - 1, probe, x, 0, 0)) right = x;
            ASSERT_GE(right, 0) << im.file << " slot " << j << " has no ink";
            if (im.scale == 0)
                EXPECT_EQ(im.widths[j], right + 1 + im.trail) << im.file << " slot " << j;
            else
                EXPECT_LE(right + 1, static_cast<int>(im.widths[j] * im.scale) + 1) << im.file << " slot " << j;
            checked++;
        }
        EXPECT_GT(checked, 100) << im.file;
        pf::freeimage(probe);
        pf::freeimage(font);
    }
    pf::automidhandle(true);
}

TEST_F(Fonts, AlignmentsPlaceTheFirstGlyph) {
    fonts.fontadvance[7]['A'] = 101;
    struct Case {
        int align;
        float firstx;
        int glyphs;
    };
    for (Case c : {Case{1, 300, 1}, Case{2, 199, 1}, Case{3, 250, 1}, Case{7, 0, 0}}) {
        pf::clearscreen();
        drawtext("A", 300, 100, c.align, 7);
        auto calls = callsof("font_ME_28_brown");
        ASSERT_EQ(static_cast<int>(calls.size()), c.glyphs) << "align " << c.align;
        if (c.glyphs) {
            EXPECT_FLOAT_EQ(calls[0].x, c.firstx) << "align " << c.align;
            EXPECT_FLOAT_EQ(calls[0].y, 96);  // glyph tops sit 4 pixels above y
            EXPECT_EQ(calls[0].frame, 0);
        }
    }
}

TEST_F(Fonts, WhatIsAndIsNotDrawn) {
    struct Case {
        const char* text;
        int font;
        int draws;
        const char* file;
    };
    const Case cases[] = {
        {"", 7, 0, "font_ME"},
        {"@", 7, 0, "font_ME_28_brown"},   // slot 258: advances, never drawn
        {"@", 1, 1, "fbuttonsmall"},      // slot 257: drawn
        {"a", 9, 0, "font_ME_38"},         // capitals only
        {"A A", 7, 2, "font_ME_28_brown"}, // the space advances without a draw
        {"\x80\x9F", 7, 0, "font_ME"},     // codes no font holds
        {"Hi", 4, 0, "texts/"},            // a font id without an image
    };
    for (const Case& c : cases) {
        pf::clearscreen();
        drawtext(c.text, 100, 100, 1, c.font);
        EXPECT_EQ(static_cast<int>(callsof(c.file).size()), c.draws) << '"' << c.text << "\" font " << c.font;
    }
    EXPECT_GT(textwidth("@", 7), 0);
    EXPECT_EQ(textwidth("a", 9), 0);
    pf::clearscreen();
    drawtext("AB", 100, 100, 1, 7);
    auto calls = callsof("font_ME_28_brown");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_FLOAT_EQ(calls[1].x - calls[0].x, static_cast<float>(charwidth("A", 7)));
}

TEST_F(Fonts, LongTextsDrawEveryGlyph) {
    std::string t(450, 'A');
    pf::clearscreen();
    drawtext(t, 0, 100, 1, 1);
    auto calls = callsof("fbuttonsmall");
    int visible = 0;
    for (const auto& c : calls) visible += c.x > -40;
    EXPECT_EQ(static_cast<int>(calls.size()), 450);
}

TEST_F(Fonts, TextBoxBreaksAtTheLastSpace) {
    uniformadvance(7, 10);
    struct Case {
        const char* text;
        int maxwidth;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"aaa bb", 60, {"aaa bb"}},                 // fits
        {"aaa bbbb", 65, {"aaa ", "bbbb"}},         // the space stays at the line's end
        {"aaa bbb ccc", 75, {"aaa bbb ", "ccc"}},   // overflowing on the space itself
        {"aaaa b", 55, {"aaaa ", "b"}},             // a lone last character
        {"aaaaaaaaaa", 35, {"aaa", "aaa", "aaa", "a"}},  // one word wider than the box
    };
    for (const Case& c : cases) EXPECT_EQ(wraptext(c.text, c.maxwidth, 7), c.lines) << c.text;

    pf::clearscreen();
    drawtextbox("aaa bbbb", 200, 100, 65, 24, 1, 7);
    auto calls = callsof("font_ME_28_brown");
    ASSERT_EQ(calls.size(), 7u);  // seven letters, one space that only advances
    EXPECT_FLOAT_EQ(calls[0].y, 96);
    EXPECT_FLOAT_EQ(calls[3].y, 120);
    EXPECT_FLOAT_EQ(calls[3].x, 200);
}

struct EffText : Fonts {
    int glyphsat(const std::string& text, int t, int start = 100, int end = 50000) {
        pf::clearscreen();
        drawefftext(1, text, 512, 300, 3, 1.0f, t, start, end, 0, 1, 1, 1);
        return static_cast<int>(callsof("efftext3").size());
    }
};

TEST_F(EffText, VisibleOnlyInsideItsWindow) {
    EXPECT_EQ(glyphsat("WIN", 100, 100, 500), 0);
    EXPECT_EQ(glyphsat("WIN", 500, 100, 500), 0);
    EXPECT_EQ(glyphsat("WIN", 499, 100, 500), 3);
}

TEST_F(EffText, LettersAppearOneStepApart) {
    struct Case {
        const char* text;
        int step;
    };
    for (Case c : {Case{"ABCDE", 10}, Case{"ABCDEFGH", 7}, Case{"ABCDEFGHIJK", 4}, Case{"ABCDEFGHIJKLM", 3}}) {
        int n = static_cast<int>(std::string(c.text).size());
        for (int k = 1; k <= n; k++) {
            EXPECT_EQ(glyphsat(c.text, 100 + c.step * k, 100), k - 1) << c.text << " k " << k;
            EXPECT_EQ(glyphsat(c.text, 100 + c.step * k + 1, 100), k) << c.text << " k " << k;
        }
    }
}

TEST_F(EffText, GrowsInThenFadesOut) {
    auto alphaat = [&](int t, int end) {
        pf::clearscreen();
        drawefftext(1, "A", 512, 300, 3, 1.0f, t, 100, end, 0, 1, 1, 1);
        auto calls = callsof("efftext3");
        return calls.empty() ? -1.0f : calls[0].alpha;
    };
    EXPECT_NEAR(alphaat(115, 50000), 0.5f, 1e-4);   // 5 ticks after appearing
    EXPECT_NEAR(alphaat(120, 50000), 1.0f, 1e-4);   // fully in at start + step + 10
    EXPECT_NEAR(alphaat(990, 1000), 0.5f, 1e-4);    // fading over the last 20 ticks
    EXPECT_NEAR(alphaat(999, 1000), 0.05f, 1e-4);
    EXPECT_FLOAT_EQ(pf::getalpha(), 1.0f);           // the caller's alpha comes back
}

TEST_F(EffText, LowerCaseIsDrawnAsCapitals) {
    pf::clearscreen();
    drawefftext(2, "a", 512, 300, 1, 1.0f, 200, 100, 50000, 0, 1, 1, 1);
    auto calls = callsof("efftext2");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].frame, 0);
    EXPECT_EQ(efftextwidth("a", 2), efftextwidth("A", 2));
    EXPECT_EQ(uppertext("abc\xE4\xF7"), "ABC\xC4\xF7");
}

TEST_F(EffText, TintAndGlowDrawTheGlyphAgain) {
    pf::clearscreen();
    fade.fadelevel = 200;
    drawefftext(1, "A", 512, 300, 1, 1.0f, 300, 100, 50000, 0.5f, 0.5f, 1, 1);
    auto calls = callsof("efftext3");
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[1].r, 100);
    EXPECT_EQ(calls[2].blend, 4);
    EXPECT_NEAR(calls[2].alpha, 0.5f, 1e-4);
    int r, g, b;
    pf::getcolour(r, g, b);
    EXPECT_EQ(r, 200);
}

}  // namespace
