#include "core/globals.h"

// The build switch of the survey edition (CMake option TW_SURVEY); only this
// file sees it, so both editions share every other object file.
#ifndef TW_SURVEY_EDITION
#define TW_SURVEY_EDITION 0
#endif

namespace {
CoreState startcore() {
    CoreState c;
    c.surveyversion = TW_SURVEY_EDITION;
    return c;
}
}  // namespace

CoreState core = startcore();
FadeState fade;
InputState in;
DisplayState disp;

void resetcore() {
    core = startcore();
    fade = FadeState{};
    in = InputState{};
    disp = DisplayState{};
}
