// The survey edition: its address, its closing screen 22 and the way out.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/globals.h"
#include "core/loop.h"
#include "core/screens.h"
#include "app/startup.h"
#include "menus/popups.h"
#include "meta/survey.h"
#include "platform/control.h"
#include "testutil.h"

#ifndef TW_SURVEY_BUILD
#define TW_SURVEY_BUILD 0
#endif

namespace {

struct Survey : ::testing::Test {
    void SetUp() override {
        headlessgame();
        loadmaingraphics();
        registerscreens();
        in.mouseon = 1;
    }
    // Brightness the current outro picture was drawn with this tick; -1 when
    // it was not drawn.
    static int drawnat() {
        for (const auto& d : pf::ctl::drawcalls())
            if (d.img && (d.img == surveyimg.outro[1] || d.img == surveyimg.outro[2])) return d.r;
        return -1;
    }
    static int picture() {
        for (const auto& d : pf::ctl::drawcalls())
            if (d.img && d.img == surveyimg.outro[2]) return 2;
        return 1;
    }
    void enter() {
        core.screen = SCREEN_MENU;
        gotoscreen(SCREEN_SURVEY, 0);
        for (int i = 0; i < 30 && !(core.screen == SCREEN_SURVEY && fade.fadelevel >= 255); i++) maintick();
        ASSERT_EQ(core.screen, SCREEN_SURVEY);
    }
};

}  // namespace

TEST_F(Survey, EditionFollowsTheBuildSwitch) {
    EXPECT_EQ(core.surveyversion, TW_SURVEY_BUILD);
    TempDir home;
    setenv("XDG_DATA_HOME", home.str().c_str(), 1);
    makepath();
    unsetenv("XDG_DATA_HOME");
    bool survey = core.userpath.find(" Survey-v-0-0-24/") != std::string::npos;
    EXPECT_EQ(survey, TW_SURVEY_BUILD == 1) << core.userpath;
}

TEST_F(Survey, AddressIsTheFirstLineFromItsTenthCharacter) {
    loadsurveytexts();
    EXPECT_EQ(survey.surveylink, "https://survey.example.com/tidewrack-solitaire") << "the shipped file";

    TempDir dir;
    std::filesystem::create_directories(dir.path / "data" / "survey");
    auto write = [&](const std::string& bytes) {
        std::ofstream(dir.path / "data" / "survey" / "survey-texts.txt", std::ios::binary) << bytes;
    };
    pf::setdataroot(dir.str());
    write("address: http://a.example/x\r\nsecond line\n");
    loadsurveytexts();
    EXPECT_EQ(survey.surveylink, "http://a.example/x");
    write("short");
    loadsurveytexts();
    EXPECT_EQ(survey.surveylink, "");
    std::filesystem::remove(dir.path / "data" / "survey" / "survey-texts.txt");
    loadsurveytexts();
    EXPECT_EQ(survey.surveylink, "") << "no file, no address";

    // Only web addresses go to the browser.
    for (const char* l : {"", "--help", "file:///etc/passwd", "https://ok.example/"}) {
        survey.surveylink = l;
        opensurveylink();
    }
    ASSERT_EQ(pf::ctl::openedurls().size(), 1u);
    EXPECT_EQ(pf::ctl::openedurls()[0], "https://ok.example/");
}

TEST_F(Survey, TwoPicturesThenTheEnd) {
    enter();
    ASSERT_NE(surveyimg.outro[1], nullptr);
    ASSERT_NE(surveyimg.outro[2], nullptr);
    // picture 1 for 500 frames (counted from the entry), then a 20-frame fade
    while (survey.outrotick < OUTROFRAMES - 1) maintick();
    EXPECT_EQ(drawnat(), 255);
    maintick();
    EXPECT_EQ(survey.outrofade, 1);
    EXPECT_EQ(drawnat(), 255);
    maintick();
    EXPECT_EQ(drawnat(), int(256 * 19 * 0.05));
    in.mhit1 = 0;
    pf::ctl::click(1);  // a click during the fade does nothing
    maintick();
    EXPECT_EQ(survey.outropicture, 1);
    while (survey.outropicture == 1) maintick();
    EXPECT_EQ(picture(), 2);
    EXPECT_EQ(drawnat(), 0) << "picture 2 fades in";
    for (int i = 0; i < 10; i++) maintick();
    EXPECT_EQ(drawnat(), int(256 * 10 * 0.05));
    for (int i = 0; i < 11; i++) maintick();
    EXPECT_EQ(survey.outrofade, 0);
    EXPECT_EQ(drawnat(), 255);
    int ticks = 0;
    while (maintick()) ticks++;
    EXPECT_EQ(survey.outrotick, OUTROFRAMES);
    EXPECT_EQ(core.quitgame, 1);
}

TEST_F(Survey, ClicksSkipPictureOneAndEndPictureTwo) {
    enter();
    pf::ctl::click(1);
    maintick();
    EXPECT_EQ(survey.outrofade, 1) << "the click jumps to the fade";
    while (survey.outropicture == 1) maintick();
    for (int i = 0; i < 5; i++) maintick();
    pf::ctl::click(1);
    EXPECT_FALSE(maintick());
    EXPECT_EQ(core.quitgame, 1);
}

TEST_F(Survey, LeavingGoesToTheClosingScreenOnlyInTheSurveyEdition) {
    for (int edition : {0, 1}) {
        core.surveyversion = edition;
        core.screen = SCREEN_MENU;
        fade.fadestate = 1;
        core.gamepause = -1;
        openpopup(99);
        pop.popupfade = 16;
        pop.popupy = 0;
        pop.buttonlayer = 2;
        in.mx = disp.midx + 82;
        in.my = 520;
        in.mhit1 = 1;
        dopopups();
        EXPECT_EQ(fade.fadeto, edition == 1 ? SCREEN_SURVEY : SCREEN_QUIT) << edition;
    }
}
