#include "core/globals.h"

CoreState core;
FadeState fade;
InputState in;
DisplayState disp;

void resetcore() {
    core = CoreState{};
    fade = FadeState{};
    in = InputState{};
    disp = DisplayState{};
}
