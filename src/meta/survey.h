// The survey edition: the survey address read at start-up and opened in the
// desktop's browser when the program ends, and the closing screen 22 that
// shows two pictures and then ends the program. The standard build runs
// none of it.
#pragma once

#include <string>

#include "present/resources.h"

struct SurveyState {
    std::string surveylink;
    int outrotick = 0;     // frames on the current picture
    int outropicture = 1;  // 1 or 2
    int outrofade = 0;     // 0 none, 1 fading out, 2 fading in
};
extern SurveyState survey;

struct SurveyImages {
    Img outro[3] = {};  // 1, 2
};
extern SurveyImages surveyimg;

constexpr int OUTROFRAMES = 500;  // frames each picture stays
constexpr int OUTROFADE = 20;

// The file's first line from its 10th character; the first nine are a label.
void loadsurveytexts();
// Hands the address to the browser; only web addresses are passed on.
void opensurveylink();
void loadsurveystuff_dynamic();
void deletesurveystuff_dynamic();
void instsurveyscreen(int param);
void showsurveyscreen();
// Where leaving the game goes: the closing screen in the survey edition,
// straight out otherwise.
int leavetarget();
void resetsurvey();
