#include "instruments.h"

#include <algorithm>

namespace sg {

static const InstInfo infos[NINST] = {
    {"pad", 0.20f, 0.45f, 0.8f},     {"paddark", 0.22f, 0.55f, 0.8f}, {"marimba", 0.55f, 0.25f, 0.0f},
    {"kalimba", 0.45f, 0.35f, 0.2f}, {"bass", 0.60f, 0.05f, 0.0f},    {"subbass", 0.65f, 0.05f, 0.0f},
    {"flute", 0.32f, 0.40f, 0.3f},   {"bell", 0.28f, 0.45f, 0.2f},    {"epiano", 0.35f, 0.25f, 0.6f},
    {"pluck", 0.45f, 0.25f, 0.3f},   {"oud", 0.45f, 0.30f, 0.1f},     {"organ", 0.22f, 0.20f, 0.5f},
    {"steel", 0.40f, 0.30f, 0.2f},   {"brass", 0.25f, 0.35f, 0.3f},   {"kick", 0.55f, 0.05f, 0.0f},
    {"shaker", 0.16f, 0.15f, 0.0f},  {"rim", 0.22f, 0.20f, 0.0f},     {"conga", 0.40f, 0.15f, 0.0f},
    {"brush", 0.22f, 0.20f, 0.0f},   {"hat", 0.12f, 0.10f, 0.0f},     {"timpani", 0.55f, 0.35f, 0.0f},
};

const InstInfo& instinfo(int inst) { return infos[std::clamp(inst, 0, NINST - 1)]; }

static Buf pad(double f, double hold, float vel, Rng& rng, bool dark) {
    Adsr env{dark ? 1.2 : 0.6, 0.6, 0.8, dark ? 1.8 : 1.3};
    int n = secs(env.length(hold));
    Buf b(n);
    Osc o[3], sub;
    for (auto& x : o) x.phase = rng.uni();
    const double det[3] = {1.0, 1.0041, 0.9962};
    Svf flt;
    double base = dark ? 600 : 1100;
    double lfo = rng.uni() * TAU;
    for (int i = 0; i < n; i++) {
        double t = double(i) / SR;
        float s = 0;
        for (int k = 0; k < 3; k++) s += o[k].saw(f * det[k]);
        s = s / 3 + 0.3f * sub.sine(f * 0.5);
        double cut = base * (1 + 0.35 * fsin((lfo + t * 0.7) / TAU)) + f * 1.5;
        float lo, bp, hi;
        flt.run(s, cut, 0.8, lo, bp, hi);
        b[i] = lo * env.at(t, hold) * vel;
    }
    return b;
}

static Buf marimba(double f, double hold, float vel, Rng& rng) {
    double dec = std::clamp(140.0 / f, 0.25, 0.9);
    int n = secs(dec * 5);
    Buf b(n);
    Biquad click;
    click.bandpass(2500, 1.2);
    for (int i = 0; i < n; i++) {
        double t = double(i) / SR;
        double s = fsin(f * t) * decayenv(t, 0.002, dec) +
                   0.30 * fsin(f * 3.93 * t) * decayenv(t, 0.001, dec * 0.18) +
                   0.06 * fsin(f * 9.9 * t) * decayenv(t, 0.001, dec * 0.05);
        float c = i < SR / 100 ? click.run(rng.bi()) * decayenv(t, 0.0005, 0.003) : 0.0f;
        b[i] = float(s * vel + 0.3 * c * vel);
    }
    return b;
}

static Buf kalimba(double f, double hold, float vel, Rng& rng) {
    double dec = std::clamp(250.0 / f, 0.4, 1.4);
    int n = secs(dec * 5);
    Buf b(n);
    for (int i = 0; i < n; i++) {
        double t = double(i) / SR;
        double s = fsin(f * t) * decayenv(t, 0.002, dec) +
                   0.22 * fsin(f * 5.4 * t) * decayenv(t, 0.001, 0.05) +
                   0.12 * fsin(f * 2.0 * t) * decayenv(t, 0.002, dec * 0.4);
        b[i] = float(s * vel);
    }
    return b;
}

static Buf bass(double f, double hold, float vel, Rng&, bool sub) {
    Adsr env{0.006, 0.25, sub ? 0.8 : 0.55, 0.08};
    int n = secs(env.length(hold));
    Buf b(n);
    Osc o1, o2;
    Svf flt;
    for (int i = 0; i < n; i++) {
        double t = double(i) / SR;
        float s = sub ? o1.sine(f) + 0.15f * o2.tri(f * 2) : 0.7f * o1.sine(f) + 0.5f * o2.saw(f);
        float lo, bp, hi;
        double cut = sub ? 400 : 300 + 1400 * decayenv(t, 0.001, 0.08);
        flt.run(s, cut, 0.9, lo, bp, hi);
        b[i] = lo * env.at(t, hold) * vel;
    }
    return b;
}

static Buf flute(double f, double hold, float vel, Rng& rng) {
    Adsr env{0.07, 0.1, 0.85, 0.18};
    int n = secs(env.length(hold));
    Buf b(n);
    Osc o;
    Biquad breath;
    breath.bandpass(f * 2, 3);
    for (int i = 0; i < n; i++) {
        double t = double(i) / SR;
        double vib = 1 + 0.004 * fsin(5.2 * t) * std::min(1.0, t / 0.4);
        double p = o.step(f * vib);
        float s = fsin(p) + 0.18f * fsin(2 * p) + 0.06f * fsin(3 * p);
        s += 0.25f * breath.run(rng.bi()) * (0.4f + 0.6f * decayenv(t, 0.01, 0.08));
        b[i] = s * env.at(t, hold) * vel;
    }
    return b;
}

// Two-operator FM: ratio and index decide the colour, the index decays.
static Buf fm(double f, double hold, float vel, double ratio, double index, double idec, double dec, double rel) {
    int n = secs(std::min(hold + rel, dec * 6));
    Buf b(n);
    for (int i = 0; i < n; i++) {
        double t = double(i) / SR;
        double m = index * decayenv(t, 0.001, idec) * fsin(f * ratio * t);
        double e = decayenv(t, 0.002, dec);
        if (t > hold) e *= std::max(0.0, 1.0 - (t - hold) / rel);
        b[i] = float(fsin(f * t + m / TAU) * e * vel);
    }
    return b;
}

static Buf karplus(double f, double hold, float vel, Rng& rng, double bright, double decay, bool bend) {
    int n = secs(std::min(hold + 0.15, 3.0) + 0.1);
    Buf b(n);
    // the two-tap average adds half a sample to the loop
    int len = std::max(2, int(std::lround(SR / f - 0.5)));
    std::vector<float> line(len);
    for (auto& v : line) v = rng.bi();
    // soften the excitation for a rounder pluck
    for (int k = 1; k < len; k++) line[k] = float(line[k] * bright + line[k - 1] * (1 - bright));
    int p = 0;
    float last = 0;
    for (int i = 0; i < n; i++) {
        double t = double(i) / SR;
        int q = (p + 1) % len;
        float v = float(decay * 0.5 * (line[p] + line[q]));
        if (bend && t < 0.05) v = float(v * 0.999 + last * 0.001);
        line[p] = v;
        last = v;
        p = q;
        float e = t > hold ? float(std::max(0.0, 1.0 - (t - hold) / 0.1)) : 1.0f;
        b[i] = v * vel * e * decayenv(t, 0.001, 10);
    }
    return b;
}

static Buf organ(double f, double hold, float vel, Rng&) {
    Adsr env{0.004, 0.05, 0.7, 0.05};
    int n = secs(env.length(hold));
    Buf b(n);
    for (int i = 0; i < n; i++) {
        double t = double(i) / SR;
        double s = fsin(f * t) + 0.6 * fsin(2 * f * t) + 0.35 * fsin(3 * f * t) +
                   0.2 * fsin(4 * f * t);
        b[i] = float(s * 0.5 * env.at(t, hold) * vel);
    }
    return b;
}

static Buf steel(double f, double hold, float vel, Rng&) {
    double dec = 0.7;
    int n = secs(dec * 5);
    Buf b(n);
    for (int i = 0; i < n; i++) {
        double t = double(i) / SR;
        double bend = 1 + 0.01 * decayenv(t, 0.0, 0.03);
        double s = fsin(f * bend * t) * decayenv(t, 0.003, dec) +
                   0.5 * fsin(2.0 * f * t) * decayenv(t, 0.003, dec * 0.6) +
                   0.25 * fsin(3.01 * f * t) * decayenv(t, 0.002, dec * 0.3) +
                   0.1 * fsin(4.95 * f * t) * decayenv(t, 0.001, 0.05);
        b[i] = float(s * vel * 0.7);
    }
    return b;
}

static Buf brass(double f, double hold, float vel, Rng&) {
    Adsr env{0.05, 0.2, 0.8, 0.25};
    int n = secs(env.length(hold));
    Buf b(n);
    Osc o1, o2;
    Svf flt;
    for (int i = 0; i < n; i++) {
        double t = double(i) / SR;
        float s = 0.5f * (o1.saw(f) + o2.saw(f * 1.003));
        float lo, bp, hi;
        double cut = f * (1.5 + 4 * std::min(1.0, t / 0.12) * (0.6 + 0.4 * vel));
        flt.run(s, cut, 0.9, lo, bp, hi);
        b[i] = lo * env.at(t, hold) * vel;
    }
    return b;
}

static Buf drum(int inst, double f, float vel, Rng& rng) {
    double len = inst == TIMPANI ? 2.0 : inst == KICK ? 0.45 : 0.35;
    int n = secs(len);
    Buf b(n);
    Biquad bq, bq2;
    switch (inst) {
        case SHAKER: bq.bandpass(7000, 1.0); bq2.highpass(4000, 0.7); break;
        case HAT: bq.highpass(8000, 0.7); bq2.highpass(6000, 0.7); break;
        case RIM: bq.bandpass(1700, 6); break;
        case BRUSH: bq.bandpass(2600, 0.7); break;
        case CONGA: bq.bandpass(1200, 1.5); break;
        default: bq.lowpass(400, 0.7); break;
    }
    double ph = 0;
    for (int i = 0; i < n; i++) {
        double t = double(i) / SR;
        double s = 0;
        switch (inst) {
            case KICK: {
                double fr = 45 + 90 * std::exp(-t / 0.03);
                ph += fr / SR;
                s = fsin(ph) * decayenv(t, 0.002, 0.16);
                break;
            }
            case SHAKER: s = bq2.run(bq.run(rng.bi())) * decayenv(t, 0.012, 0.035) * 1.8; break;
            case HAT: s = bq2.run(bq.run(rng.bi())) * decayenv(t, 0.001, 0.025) * 1.5; break;
            case RIM: s = bq.run(rng.bi()) * decayenv(t, 0.0005, 0.012) * 6 + fsin(900 * t) * decayenv(t, 0.0005, 0.01); break;
            case BRUSH: s = bq.run(rng.bi()) * decayenv(t, 0.004, 0.09) * 1.4 + 0.3 * fsin(190 * t) * decayenv(t, 0.001, 0.04); break;
            case CONGA: {
                double fr = f * (1 + 0.12 * std::exp(-t / 0.015));
                ph += fr / SR;
                s = fsin(ph) * decayenv(t, 0.001, 0.14) + 0.5 * bq.run(rng.bi()) * decayenv(t, 0.0005, 0.008);
                break;
            }
            case TIMPANI: {
                double fr = f * (1 + 0.03 * std::exp(-t / 0.1));
                ph += fr / SR;
                s = (fsin(ph) + 0.4 * fsin(ph * 1.5) + 0.2 * fsin(ph * 1.98)) *
                        decayenv(t, 0.004, 0.6) +
                    0.3 * bq.run(rng.bi()) * decayenv(t, 0.001, 0.03);
                break;
            }
        }
        b[i] = float(s * vel);
    }
    return b;
}

Buf renderinst(int inst, double f, double hold, float vel, Rng& rng) {
    switch (inst) {
        case PAD: return pad(f, hold, vel, rng, false);
        case PADDARK: return pad(f, hold, vel, rng, true);
        case MARIMBA: return marimba(f, hold, vel, rng);
        case KALIMBA: return kalimba(f, hold, vel, rng);
        case BASS: return bass(f, hold, vel, rng, false);
        case SUBBASS: return bass(f, hold, vel, rng, true);
        case FLUTE: return flute(f, hold, vel, rng);
        case BELL: return fm(f, hold, vel, 3.5, 2.2, 0.4, 1.2, 2.5);
        case EPIANO: return fm(f, hold, vel, 1.0, 1.4, 0.5, 1.1, 0.25);
        case PLUCK: return karplus(f, hold, vel, rng, 0.5, 0.996, false);
        case OUD: return karplus(f, hold, vel, rng, 0.8, 0.993, true);
        case ORGAN: return organ(f, hold, vel, rng);
        case STEEL: return steel(f, hold, vel, rng);
        case BRASS: return brass(f, hold, vel, rng);
        default: return drum(inst, f, vel, rng);
    }
}

}  // namespace sg
