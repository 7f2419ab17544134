#include <gtest/gtest.h>

#include <string>

#include "present/fonts.h"
#include "present/texts.h"
#include "testutil.h"

namespace {

struct TextLoader : ::testing::Test {
    void SetUp() override { resettexts(); }
    void parse(const std::string& bytes) {
        parsetextfile(bytes, MENULINES, MENUSECTIONS, texts.menutext, texts.menusection);
    }
};

TEST_F(TextLoader, LineTextDropsThePrefixAndTrims) {
    struct Case {
        std::string line, text;
    };
    const Case cases[] = {
        {"label        Options", "Options"},
        {"label         \t Hello there \t", "Hello there"},
        {"ab", ""},
        {"1234567890123", ""},
        {"1234567890123X", "X"},
        {"label        \xC4rger", "\xC4rger"},  // Latin-1 bytes stay as they are
    };
    for (const Case& c : cases) EXPECT_EQ(linetext(c.line), c.text) << c.line;
}

TEST_F(TextLoader, SectionsAndLines) {
    static const char raw[] =
        "header       Menu texts\n"
        "---007---    options\n"
        "label        Options\n"
        "label        Music\r\n"
        "label        Sound\n"
        "ab\n"
        " ---005---   not a marker\n"
        "---005---    first five\n"
        "label        unused\n"
        "---005---    second five\n"
        "label        Five one\0label        after zero\n";
    parse(std::string(raw, sizeof raw - 1));
    EXPECT_EQ(menutext(7, 1), "Options");
    EXPECT_EQ(menutext(7, 2), "Music");  // CR LF reads like LF
    EXPECT_EQ(menutext(7, 3), "Sound");
    EXPECT_EQ(menutext(7, 4), "");       // a line of two characters
    EXPECT_EQ(texts.menusection[7], 2);
    EXPECT_EQ(texts.menusection[5], 10);  // column 1 only, and the later marker wins
    EXPECT_EQ(menutext(5, 1), "Five one");
    EXPECT_EQ(menutext(5, 2), "after zero");  // a zero byte ends a line
    EXPECT_EQ(texts.menutext[10], "second five");  // the marker line is stored as text too
    // A section without a marker reads from line 0: line 1 is the header.
    EXPECT_EQ(menutext(9, 1), "Menu texts");
    EXPECT_EQ(menutext(31, 1), "");
    EXPECT_EQ(menutext(7, 0), "");
    EXPECT_EQ(menutext(7, 999), "");
}

TEST_F(TextLoader, ReloadKeepsSectionsWhoseMarkerVanished) {
    parse("h\n---003---\nlabel        Three\n");
    parse("h\nlabel        moved\n---004---\nlabel        Four\n");
    EXPECT_EQ(texts.menusection[3], 2);
    EXPECT_EQ(menutext(3, 1), "");  // line 3 is now the marker of section 4
    EXPECT_EQ(menutext(4, 1), "Four");
}

TEST_F(TextLoader, ReadsExactlyNLines) {
    std::string bytes;
    for (int k = 1; k <= 450; k++) bytes += "label        line " + std::to_string(k) + "\n";
    parse(bytes);
    EXPECT_EQ(texts.menutext[400], "line 400");
    parsetextfile("label        only\n", GAMELINES, GAMESECTIONS, texts.gametext, texts.gamesection);
    EXPECT_EQ(texts.gametext[1], "only");
    EXPECT_EQ(texts.gametext[300], "");
    // Marker numbers beyond the file's last section are plain lines.
    parsetextfile("---016---\n", GAMELINES, GAMESECTIONS, texts.gametext, texts.gamesection);
    EXPECT_EQ(texts.gamesection[15], 0);
}

// ---- the game's own text files ---------------------------------------------

struct GameTexts : ::testing::Test {
    void SetUp() override {
        headlessgame();
        loadfonts();
        loadalltexts();
    }
};

enum Kind { LINE, BOX, EFFECT };
enum File { MENU, GAME };
struct Ref {
    File file;
    int section, line;
    int font;       // effect font for EFFECT
    Kind kind;
    int width;      // pixels available
    int maxlines;   // for BOX
    bool upper;     // drawn in capitals
    const char* role;
};

// Every text the game reads, with the call that draws it.
const Ref refs[] = {
    // popups of the menus: titles in font 9 on the panel, body lines in font 7, buttons in font 1
    {MENU, 1, 1, 9, LINE, 380, 1, true, "exit title"},
    {MENU, 1, 2, 7, LINE, 380, 1, false, "exit line"},
    {MENU, 1, 3, 7, LINE, 380, 1, false, "exit line"},
    {MENU, 1, 4, 1, LINE, 140, 1, false, "exit no"},
    {MENU, 1, 5, 1, LINE, 140, 1, false, "exit yes"},
    {MENU, 2, 1, 9, LINE, 380, 1, true, "continue title"},
    {MENU, 2, 2, 7, LINE, 380, 1, false, "continue line"},
    {MENU, 2, 3, 7, LINE, 380, 1, false, "continue line"},
    {MENU, 2, 4, 1, LINE, 140, 1, false, "continue"},
    {MENU, 2, 5, 1, LINE, 140, 1, false, "cancel"},
    {MENU, 2, 6, 1, LINE, 140, 1, false, "new game"},
    {MENU, 3, 1, 9, LINE, 380, 1, true, "new game title"},
    {MENU, 3, 2, 7, LINE, 380, 1, false, "new game line"},
    {MENU, 3, 3, 7, LINE, 380, 1, false, "new game line"},
    {MENU, 3, 4, 1, LINE, 140, 1, false, "start anew"},
    {MENU, 3, 5, 1, LINE, 140, 1, false, "back"},
    {MENU, 4, 1, 9, LINE, 420, 1, true, "player list title"},
    {MENU, 4, 2, 1, LINE, 120, 1, false, "level label"},
    {MENU, 4, 4, 1, LINE, 140, 1, false, "new"},
    {MENU, 4, 5, 1, LINE, 140, 1, false, "delete"},
    {MENU, 4, 6, 1, LINE, 140, 1, false, "close"},
    {MENU, 4, 7, 1, LINE, 100, 1, false, "points label"},
    {MENU, 4, 8, 7, LINE, 440, 1, false, "player list header"},
    {MENU, 5, 1, 9, LINE, 380, 1, true, "name title"},
    {MENU, 5, 2, 7, LINE, 380, 1, false, "name prompt"},
    {MENU, 5, 3, 1, LINE, 140, 1, false, "accept"},
    {MENU, 5, 4, 1, LINE, 140, 1, false, "cancel"},
    {MENU, 5, 5, 1, LINE, 140, 1, false, "default name"},
    {MENU, 6, 1, 9, LINE, 380, 1, true, "delete title"},
    {MENU, 6, 2, 7, LINE, 380, 1, false, "delete line"},
    {MENU, 6, 3, 7, LINE, 380, 1, false, "delete line"},
    {MENU, 6, 4, 1, LINE, 140, 1, false, "delete"},
    {MENU, 6, 5, 1, LINE, 140, 1, false, "cancel"},
    {MENU, 7, 1, 9, LINE, 300, 1, true, "sound heading"},
    {MENU, 7, 2, 9, LINE, 300, 1, true, "display heading"},
    {MENU, 7, 3, 8, LINE, 80, 1, false, "widescreen box"},
    {MENU, 7, 4, 8, LINE, 80, 1, false, "4:3 box"},
    {MENU, 7, 5, 8, LINE, 130, 1, false, "window box"},
    {MENU, 7, 6, 8, LINE, 280, 1, false, "wave box"},
    {MENU, 7, 7, 8, LINE, 280, 1, false, "pointer box"},
    {MENU, 7, 8, 8, LINE, 280, 1, false, "sway box"},
    {MENU, 7, 10, 9, LINE, 400, 1, true, "card backs heading"},
    {MENU, 7, 12, 1, LINE, 140, 1, false, "about button"},
    {MENU, 8, 2, 1, LINE, 300, 1, false, "greeting"},
    {MENU, 8, 3, 1, LINE, 300, 1, false, "greeting without a player"},
    {MENU, 10, 1, 9, LINE, 300, 1, false, "pause title"},
    {MENU, 10, 2, 7, LINE, 380, 1, false, "pause line"},
    {MENU, 11, 1, 1, LINE, 400, 1, false, "loading"},
    {MENU, 12, 1, 9, LINE, 380, 1, true, "gift title"},
    {MENU, 12, 2, 7, BOX, 380, 4, false, "gift text"},
    {MENU, 12, 3, 1, LINE, 140, 1, false, "gift button"},
    {MENU, 13, 1, 9, LINE, 380, 1, true, "in-level menu title"},
    {MENU, 13, 2, 8, LINE, 380, 1, false, "in-level menu line"},
    {MENU, 13, 3, 1, LINE, 140, 1, false, "map"},
    {MENU, 13, 4, 1, LINE, 140, 1, false, "main menu"},
    {MENU, 13, 6, 1, LINE, 140, 1, false, "options"},
    {MENU, 13, 7, 1, LINE, 140, 1, false, "help"},
    {MENU, 13, 8, 1, LINE, 140, 1, false, "play on"},
    {MENU, 13, 9, 1, LINE, 140, 1, false, "restart"},
    {MENU, 14, 1, 3, LINE, 180, 1, false, "map play"},
    {MENU, 14, 2, 3, LINE, 180, 1, false, "map finale"},
    {MENU, 15, 1, 9, LINE, 380, 1, true, "restart title"},
    {MENU, 15, 2, 7, LINE, 380, 1, false, "restart line"},
    {MENU, 15, 3, 7, LINE, 380, 1, false, "restart line"},
    {MENU, 15, 4, 1, LINE, 140, 1, false, "restart"},
    {MENU, 15, 5, 1, LINE, 140, 1, false, "cancel"},
    {MENU, 16, 1, 9, LINE, 380, 1, true, "name taken title"},
    {MENU, 16, 2, 7, LINE, 380, 1, false, "name taken line"},
    {MENU, 16, 3, 7, LINE, 380, 1, false, "name taken line"},
    {MENU, 18, 1, 7, LINE, 300, 1, true, "trophy room title"},
    {MENU, 18, 2, 1, LINE, 140, 1, false, "back"},
    {MENU, 18, 4, 1, LINE, 140, 1, false, "next page"},
    {MENU, 18, 5, 1, LINE, 140, 1, false, "previous page"},
    {MENU, 18, 6, 7, LINE, 300, 1, true, "page title"},
    {MENU, 18, 7, 7, LINE, 300, 1, true, "page title"},
    {MENU, 18, 8, 7, LINE, 300, 1, true, "page title"},
    {MENU, 18, 29, 9, LINE, 380, 1, true, "trophy show title"},
    {MENU, 18, 30, 1, LINE, 140, 1, false, "to the map"},
    {MENU, 18, 31, 1, LINE, 140, 1, false, "trophy show button"},
    {MENU, 20, 1, 1, LINE, 140, 1, false, "story skip"},
    {MENU, 20, 3, 1, LINE, 140, 1, false, "story to the map"},
    {MENU, 20, 5, 1, LINE, 140, 1, false, "story finish"},
    {MENU, 21, 1, 9, LINE, 380, 1, true, "shop title"},
    {MENU, 21, 8, 8, LINE, 260, 1, false, "slot tooltip"},
    {MENU, 21, 9, 8, LINE, 120, 1, false, "refund label"},
    {MENU, 21, 10, 8, LINE, 100, 1, false, "refund unit"},
    {MENU, 21, 12, 8, LINE, 240, 1, false, "not enough pearls"},
    {MENU, 22, 1, 9, LINE, 380, 1, true, "map hint title"},
    {MENU, 22, 2, 7, BOX, 380, 4, false, "map hint"},
    {MENU, 22, 3, 7, BOX, 380, 3, false, "map hint"},
    {MENU, 22, 4, 1, LINE, 140, 1, false, "map hint button"},
    {MENU, 23, 1, 9, LINE, 420, 1, true, "about title"},
    {MENU, 23, 13, 1, LINE, 140, 1, false, "about close"},
    {MENU, 24, 1, 1, LINE, 140, 1, false, "help back"},
    {MENU, 24, 2, 1, LINE, 140, 1, false, "help next"},
    {MENU, 24, 3, 1, LINE, 140, 1, false, "help close"},
    {MENU, 24, 4, 9, LINE, 800, 1, true, "help heading"},
    {MENU, 24, 5, 7, BOX, 800, 2, false, "help"},
    {MENU, 24, 6, 7, BOX, 800, 2, false, "help"},
    {MENU, 24, 7, 7, BOX, 800, 3, false, "help"},
    {MENU, 24, 8, 9, LINE, 800, 1, true, "help heading"},
    {MENU, 24, 9, 7, BOX, 800, 2, false, "help"},
    {MENU, 24, 10, 7, BOX, 800, 4, false, "help"},
    {MENU, 24, 11, 9, LINE, 800, 1, true, "help heading"},
    {MENU, 24, 12, 7, BOX, 800, 2, false, "help"},
    {MENU, 24, 13, 7, BOX, 250, 4, false, "help obstacle"},
    {MENU, 24, 14, 7, BOX, 250, 4, false, "help obstacle"},
    {MENU, 24, 15, 7, BOX, 250, 4, false, "help obstacle"},
    {MENU, 24, 16, 9, LINE, 800, 1, true, "help heading"},
    {MENU, 24, 17, 7, BOX, 540, 4, false, "help fish orders"},
    {MENU, 24, 18, 9, LINE, 800, 1, true, "help heading, helper tooltip title"},
    {MENU, 24, 19, 7, BOX, 390, 5, false, "help helpers, helper tooltip"},
    {MENU, 24, 22, 9, LINE, 800, 1, true, "help heading"},
    {MENU, 24, 23, 7, BOX, 800, 4, false, "help stars"},
    {MENU, 24, 24, 9, LINE, 800, 1, true, "help heading"},
    {MENU, 25, 1, 7, LINE, 380, 1, true, "tutorial heading"},
    // the tutorial's buttons are 150 pixels wide, so their labels get less room
    {MENU, 25, 2, 1, LINE, 120, 1, false, "tutorial next"},
    {MENU, 25, 3, 1, LINE, 120, 1, false, "tutorial ok"},
    {MENU, 26, 3, 1, LINE, 120, 1, false, "tutorial ok"},
    {MENU, 27, 3, 1, LINE, 120, 1, false, "tutorial ok"},
    {MENU, 28, 3, 1, LINE, 120, 1, false, "tutorial ok"},
    {MENU, 29, 3, 1, LINE, 120, 1, false, "tutorial ok"},
    {MENU, 26, 4, 7, BOX, 400, 3, false, "tutorial level 2"},
    {MENU, 27, 4, 7, BOX, 400, 3, false, "tutorial level 3"},
    {MENU, 28, 4, 7, BOX, 400, 3, false, "tutorial level 4"},
    {MENU, 29, 4, 7, BOX, 400, 3, false, "tutorial level 5"},
    {MENU, 30, 1, 9, LINE, 380, 1, true, "casino hint title"},
    {MENU, 30, 2, 7, BOX, 380, 3, false, "casino hint"},
    {MENU, 30, 3, 7, BOX, 380, 3, false, "casino hint"},
    {MENU, 30, 4, 1, LINE, 140, 1, false, "casino hint button"},
    // the card game
    {GAME, 3, 2, 8, LINE, 240, 1, false, "active items"},
    {GAME, 3, 7, 8, LINE, 96, 1, false, "stable offer"},
    {GAME, 3, 8, 8, LINE, 96, 1, false, "stable offer"},
    {GAME, 3, 13, 1, EFFECT, 900, 1, true, "play sign"},
    {GAME, 3, 14, 8, LINE, 200, 1, false, "combo counter"},
    {GAME, 5, 1, 2, EFFECT, 400, 1, true, "click flood"},
    {GAME, 5, 2, 2, EFFECT, 400, 1, true, "click flood"},
    {GAME, 6, 1, 7, LINE, 240, 1, true, "casino tooltip"},
    {GAME, 6, 2, 7, BOX, 240, 3, false, "casino tooltip"},
    {GAME, 6, 3, 7, LINE, 200, 1, false, "casino tooltip games left"},
    {GAME, 8, 1, 2, EFFECT, 700, 1, true, "won"},
    {GAME, 8, 4, 1, LINE, 140, 1, false, "continue"},
    {GAME, 8, 5, 1, EFFECT, 1000, 1, true, "lost"},
    {GAME, 8, 6, 3, LINE, 180, 1, false, "lost map"},
    {GAME, 8, 7, 3, LINE, 180, 1, false, "lost retry"},
    {GAME, 12, 1, 1, LINE, 140, 1, false, "casino exit"},
    {GAME, 12, 3, 8, LINE, 900, 1, false, "casino welcome"},
    {GAME, 12, 4, 8, LINE, 900, 1, false, "casino pick"},
    {GAME, 12, 6, 8, LINE, 900, 1, false, "casino lost"},
    {GAME, 12, 7, 8, LINE, 300, 1, false, "casino win"},
    {GAME, 12, 8, 8, LINE, 900, 1, false, "casino bet"},
    {GAME, 12, 9, 8, LINE, 900, 1, false, "casino no games"},
    {GAME, 12, 10, 8, LINE, 130, 1, false, "casino pearls"},
    {GAME, 12, 11, 8, LINE, 300, 1, false, "casino win"},
    {GAME, 12, 13, 8, LINE, 130, 1, false, "casino games"},
    {GAME, 13, 5, 1, LINE, 120, 1, false, "give up"},  // on the tutorial button
    {GAME, 13, 6, 7, BOX, 380, 1, false, "give up text: one line above its button"},
    {GAME, 14, 2, 2, EFFECT, 500, 1, true, "no pearls"},
    // the save notice: two lines of font 8 on the sign drawn at 80 %
    {MENU, 9, 1, 8, LINE, 340, 1, false, "cannot save"},
    {MENU, 9, 2, 8, LINE, 340, 1, false, "cannot save"},
    {MENU, 9, 3, 8, LINE, 340, 1, false, "profile repaired"},
    {MENU, 9, 4, 8, LINE, 340, 1, false, "profile repaired"},
    {GAME, 15, 1, 2, EFFECT, 900, 1, true, "chapter"},
    {GAME, 15, 2, 1, EFFECT, 1000, 1, true, "chapter 1"},
    {GAME, 15, 3, 1, EFFECT, 1000, 1, true, "chapter 2"},
    {GAME, 15, 4, 1, EFFECT, 1000, 1, true, "chapter 3"},
    {GAME, 15, 5, 1, EFFECT, 1000, 1, true, "chapter 4"},
    {GAME, 15, 6, 1, EFFECT, 1000, 1, true, "the end"},
};

// Every character must exist in the font that draws it.
void expectdrawable(const std::string& text, const Ref& r, const std::string& where) {
    for (unsigned char c : text) {
        if (c == ' ') continue;
        bool ok = r.kind == EFFECT ? effframeof(r.font, uppercode(c)) > 0 : fontframeof(r.font, c) > 0;
        EXPECT_TRUE(ok) << where << ": '" << c << "' is not in font " << r.font;
    }
}

TEST_F(GameTexts, EveryReferencedTextExistsAndFitsItsBox) {
    for (const Ref& r : refs) {
        const std::string& raw = r.file == MENU ? menutext(r.section, r.line) : gametext(r.section, r.line);
        std::string where = std::string(r.file == MENU ? "menutexts " : "gametexts ") + std::to_string(r.section) +
                            "/" + std::to_string(r.line) + " (" + r.role + ")";
        ASSERT_FALSE(raw.empty()) << where;
        std::string t = r.upper ? uppertext(raw) : raw;
        expectdrawable(t, r, where);
        if (r.kind == EFFECT) {
            EXPECT_LE(efftextwidth(t, r.font), r.width) << where;
        } else if (r.kind == LINE) {
            EXPECT_LE(textwidth(t, r.font), r.width) << where;
        } else {
            auto lines = wraptext(t, r.width, r.font);
            EXPECT_LE(static_cast<int>(lines.size()), r.maxlines) << where;
            for (auto& l : lines) {
                std::string s = l;
                while (!s.empty() && s.back() == ' ') s.pop_back();
                EXPECT_LE(textwidth(s, r.font), r.width) << where << ": \"" << s << '"';
            }
        }
    }
}

TEST_F(GameTexts, TrophiesTutorialAndItems) {
    for (int n = 1; n <= 20; n++) {
        Ref r{MENU, 18, 8 + n, 7, BOX, 220, 3, false, "trophy name"};
        const std::string& t = menutext(18, 8 + n);
        ASSERT_FALSE(t.empty()) << "trophy " << n;
        EXPECT_LE(wraptext(t, 220, 7).size(), 3u) << "trophy " << n;    // the room
        EXPECT_LE(wraptext(t, 250, 8).size(), 2u) << "trophy " << n;    // the presentations
        expectdrawable(t, r, "trophy " + std::to_string(n));
    }
    for (int page = 1; page <= 9; page++) {
        const std::string& t = menutext(25, 3 + page);
        ASSERT_FALSE(t.empty()) << "tutorial page " << page;
        // a fourth line runs into the buttons below the text
        EXPECT_LE(wraptext(t, 400, 7).size(), 3u) << "tutorial page " << page;
    }
    for (int item : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 21, 22, 23, 24, 25, 26, 27, 28, 29}) {
        const std::string& name = gametext(10, item);
        const std::string& desc = gametext(11, item);
        ASSERT_FALSE(name.empty()) << "item " << item;
        ASSERT_FALSE(desc.empty()) << "item " << item;
        EXPECT_LE(textwidth(name, 7), 380) << "item " << item;        // help page, beside the picture
        EXPECT_LE(wraptext(desc, 400, 7).size(), 4u) << "item " << item;  // help page box
        EXPECT_LE(wraptext(desc, 450, 8).size(), 4u) << "item " << item;  // shop
        EXPECT_LE(wraptext(desc, 390, 7).size(), 4u) << "item " << item;  // card-game tooltip
    }
}

TEST_F(GameTexts, StoriesHaveTheirLineCountsAndFitTheirBubbles) {
    const int lines[22] = {0, 9, 13, 16, 11, 3, 10, 18, 3, 3, 3, 12, 11, 3, 3, 20, 5, 5, 5, 3, 3, 17};
    for (int s = 1; s <= 21; s++) {
        EXPECT_EQ(storysectionlines(s), lines[s]) << "story " << s;
        for (int k = 1; k <= lines[s]; k++) {
            const std::string& t = storytext(s, k);
            ASSERT_FALSE(t.empty()) << "story " << s << " line " << k;
            if (t == "---") continue;
            std::string caps = uppertext(t);
            EXPECT_LE(wraptext(caps, 390, 7).size(), 4u) << "story " << s << " line " << k;
            for (unsigned char c : caps) EXPECT_GT(fontframeof(7, c), 0) << "story " << s << " line " << k;
        }
    }
}

}  // namespace
