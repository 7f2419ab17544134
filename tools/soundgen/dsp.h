// The synthesiser's building blocks: oscillators, envelopes, filters and a
// stereo reverb, plus the loudness and edge tools every rendered file passes.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

namespace sg {

constexpr int SR = 44100;
constexpr double PI = 3.14159265358979323846;
constexpr double TAU = 2.0 * PI;

using Buf = std::vector<float>;  // mono, or interleaved stereo where a name says so

inline int secs(double s) { return int(s * SR + 0.5); }
inline double midifreq(double m) { return 440.0 * std::pow(2.0, (m - 69.0) / 12.0); }
inline float dbgain(double db) { return float(std::pow(10.0, db / 20.0)); }

// sin(2π·cycles) from a table: the libm sine was most of the render time.
extern const float* const sintable;  // 4097 entries, one period
inline float fsin(double cycles) {
    double c = (cycles - std::floor(cycles)) * 4096.0;
    int i = int(c);
    float fr = float(c - i);
    return sintable[i] + (sintable[i + 1] - sintable[i]) * fr;
}

// Small deterministic generator, so every build makes the same files.
struct Rng {
    std::uint32_t s;
    explicit Rng(std::uint32_t seed) : s(seed ? seed : 0x9e3779b9u) {}
    std::uint32_t next() {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return s;
    }
    float uni() { return float(next() >> 8) * (1.0f / 16777216.0f); }  // 0..1
    float bi() { return uni() * 2.0f - 1.0f; }                           // -1..1
    int range(int a, int b) { return a + int(next() % unsigned(b - a + 1)); }
};

// Band-limited saw and square by polyBLEP: clean enough for pads and leads.
float polyblep(double t, double dt);
struct Osc {
    double phase = 0;
    float sine(double f) { return fsin(step(f)); }
    float tri(double f);
    float saw(double f);
    float square(double f, double width = 0.5);
    double step(double f) {
        double p = phase;
        phase += f / SR;
        phase -= std::floor(phase);
        return p;
    }
};

// Attack-decay-sustain-release; the note is held for `hold` seconds.
struct Adsr {
    double a = 0.005, d = 0.1, s = 0.7, r = 0.1;
    float at(double t, double hold) const;
    double length(double hold) const { return hold + r; }
};

// Exponential decay with a short linear attack: plucks, pings, hits.
inline float decayenv(double t, double attack, double decay) {
    if (t < 0) return 0;
    if (t < attack) return float(t / attack);
    return float(std::exp(-(t - attack) / decay));
}

// Robert Bristow-Johnson's biquads.
struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    void lowpass(double f, double q);
    void highpass(double f, double q);
    void bandpass(double f, double q);  // 0 dB peak
    void peak(double f, double q, double db);
    float run(float x) {
        double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1; x1 = x; y2 = y1; y1 = y;
        return float(y);
    }
};

// Chamberlin state-variable filter, cheap to sweep every sample.
struct Svf {
    double lp = 0, bp = 0;
    // returns {low, band, high}
    void run(float x, double f, double q, float& low, float& band, float& high);
};

struct OnePole {
    double y = 0;
    float lowpass(float x, double f) {
        double a = 1.0 - std::exp(-TAU * f / SR);
        y += a * (x - y);
        return float(y);
    }
};

// A plate-like stereo reverb: eight damped combs and four allpasses a side.
struct Reverb {
    Reverb(double room = 0.82, double damp = 0.35, double width = 1.0);
    void run(float in, float& l, float& r);
  private:
    struct Comb { std::vector<float> b; int i = 0; float store = 0; };
    struct All { std::vector<float> b; int i = 0; };
    Comb cl[8], cr[8];
    All al[4], ar[4];
    float feedback, damp1, damp2, wet1, wet2;
};

// Stereo chorus: two modulated delay taps, one per side.
struct Chorus {
    Chorus(double depthms = 3.0, double rate = 0.35, double mix = 0.5);
    void run(float inl, float inr, float& l, float& r);
  private:
    std::vector<float> bl, br;
    int i = 0;
    double ph = 0, depth, rate, mix;
};

// ---- whole-buffer tools ---------------------------------------------------
void fadeedges(Buf& b, int channels, double inms, double outms);
float peakof(const Buf& b);
// RMS over the loud part only (frames within 30 dB of the peak envelope), so
// a short click and a long swell can be matched by ear.
float activerms(const Buf& b, int channels);
// Scales to the loudness target, then lowers it if the peak would pass the cap.
void normalise(Buf& b, int channels, double rmsdb, double peakdb);
// Soft knee against overs in the music mixes.
void softclip(Buf& b, float ceiling);
void trimtail(Buf& b, int channels, float threshold);

}  // namespace sg
