// Building blocks for the sound effects: each adds one kind of event into a
// mono buffer, so a recipe reads as a short list of what happens when.
#pragma once

#include "dsp.h"

namespace sg {

enum Wave { SINE, TRI, SAW, SQUARE };
enum NoiseKind { LOWPASS, BANDPASS, HIGHPASS };

struct Fx {
    Buf b;
    Rng rng;
    Fx(double seconds, std::uint32_t seed) : b(size_t(secs(seconds)), 0.0f), rng(seed) {}

    // A tone gliding exponentially from f0 to f1 under a decay envelope.
    void tone(double t0, double dur, double f0, double f1, int wave, double att, double dec, float amp);
    // Filtered noise whose cutoff glides from c0 to c1.
    void noise(double t0, double dur, int kind, double c0, double c1, double q, double att, double dec, float amp);
    // A bubble: a sine whose pitch rises as it decays.
    void bubble(double t0, double f, double dur, float amp);
    // Struck metal or glass: inharmonic partials, bright ones die first.
    void ping(double t0, double f, float amp, double dec);
    void coin(double t0, double f, float amp);
    void bell(double t0, double f, float amp, double dec);  // FM bell
    void pluck(double t0, double f, float amp);             // marimba-like bar
    void click(double t0, double f, float amp);
    // A voiced syllable: glottal pulses at f0..f1 through three vowel formants,
    // with `breath` noise at the start (the h of "ha").
    void voice(double t0, double dur, double f0, double f1, double fm1, double fm2, double fm3, double rough,
               double breath, float amp);
    // Random small impacts: crackle, debris, rattle.
    void crackle(double t0, double dur, double persec, double lo, double hi, float amp, double fade);
    // Low rumble of brown noise with slow swells.
    void rumble(double t0, double dur, double cutoff, float amp, double swell);
    void sparkle(double t0, double dur, int count, double lo, double hi, float amp);

    void add(double t0, const Buf& other, float amp);
    void lowpass(double f);
};

}  // namespace sg
