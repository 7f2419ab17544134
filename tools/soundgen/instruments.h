// Synthesised instruments. Each renders one note into a mono buffer; the
// sequencer pans it and feeds the buses.
#pragma once

#include "dsp.h"

namespace sg {

enum Inst {
    PAD,      // soft detuned saws through a slowly moving low-pass
    PADDARK,  // the same, darker and slower, for the mysterious pieces
    MARIMBA,
    KALIMBA,
    BASS,     // round plucked bass
    SUBBASS,  // sine bass for the calm pieces
    FLUTE,
    BELL,     // FM bell
    EPIANO,   // FM electric piano
    PLUCK,    // plucked string (Karplus-Strong)
    OUD,      // brighter plucked string with a small bend into the note
    ORGAN,    // short off-beat chord stab
    STEEL,    // steel-drum-like lead
    BRASS,    // soft brass for fanfares and drama
    KICK,
    SHAKER,
    RIM,
    CONGA,
    BRUSH,    // brushed snare
    HAT,
    TIMPANI,
    NINST
};

struct InstInfo {
    const char* name;
    float gain;    // level into the mix
    float send;    // reverb send
    float chorus;  // share that goes through the chorus bus
};
const InstInfo& instinfo(int inst);

// Renders a note of `hold` seconds; the buffer is as long as the note rings.
Buf renderinst(int inst, double freq, double hold, float vel, Rng& rng);

}  // namespace sg
