#include "meta/survey.h"

#include "core/globals.h"
#include "core/loop.h"
#include "core/screens.h"
#include "menus/popups.h"
#include "platform/platform.h"

SurveyState survey;
SurveyImages surveyimg;

namespace {
constexpr int LABEL = 9;
}

void loadsurveytexts() {
    survey.surveylink.clear();
    pf::Stream* s = pf::readfile("data\\survey/survey-texts.txt");
    if (!s) return;
    std::string line = pf::readline(s);
    pf::closefile(s);
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
    survey.surveylink = line.size() > LABEL ? line.substr(LABEL) : "";
}

void opensurveylink() {
    const std::string& l = survey.surveylink;
    // Anything but a web address (an option for the opener, a local file)
    // stays unopened.
    if (l.rfind("https://", 0) == 0 || l.rfind("http://", 0) == 0) pf::openurl(l);
}

void loadsurveystuff_dynamic() {
    deletesurveystuff_dynamic();
    surveyimg.outro[1] = loadimg("data\\survey/demo-outro1.jpg");
    surveyimg.outro[2] = loadimg("data\\survey/demo-outro2.jpg");
}

void deletesurveystuff_dynamic() {
    freeimg(surveyimg.outro[1]);
    freeimg(surveyimg.outro[2]);
}

void instsurveyscreen(int) {
    releaseotherscreens(SCREEN_SURVEY);
    loadsurveystuff_dynamic();
    core.prevscreen = core.screen;
    survey.outrotick = 0;
    survey.outropicture = 1;
    survey.outrofade = 0;
    pop.popupfade = 0;
    pop.popup = 0;
    core.gamepause = -1;
    core.screen = SCREEN_SURVEY;
    startfadein();
}

void showsurveyscreen() {
    setfadecolour();
    pf::setblend(3);
    pf::setalpha(1);
    int lit = fade.fadelevel;
    int b = lit;
    survey.outrotick++;
    if (survey.outropicture == 1 && in.mhit1 > 0 && survey.outrotick < OUTROFRAMES) {
        in.mhit1 = 0;
        survey.outrotick = OUTROFRAMES;
    }
    if (survey.outrotick >= OUTROFRAMES && survey.outropicture == 1) {
        survey.outrofade = 1;
        b = int(lit * (OUTROFRAMES + OUTROFADE - survey.outrotick) * 0.05);
        if (survey.outrotick >= OUTROFRAMES + OUTROFADE) {
            survey.outropicture = 2;
            survey.outrotick = 0;
            survey.outrofade = 2;
        }
    }
    if (survey.outrofade == 2) {
        b = int(lit * survey.outrotick * 0.05);
        if (survey.outrotick > OUTROFADE) {
            survey.outrofade = 0;
            b = 255;
        }
    }
    pf::setcolour(b, b, b);
    drawimg(surveyimg.outro[survey.outropicture], disp.midx, disp.midy);
    if (survey.outropicture == 2 && (in.mhit1 > 0 || survey.outrotick >= OUTROFRAMES)) {
        in.mhit1 = 0;
        core.quitgame = 1;
    }
    setfadecolour();
}

int leavetarget() { return core.surveyversion == 1 ? SCREEN_SURVEY : SCREEN_QUIT; }

void resetsurvey() {
    deletesurveystuff_dynamic();
    survey = SurveyState{};
}
