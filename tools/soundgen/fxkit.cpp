#include "fxkit.h"

#include <algorithm>

namespace sg {

static inline void put(Buf& b, long i, float v) {
    if (i >= 0 && i < long(b.size())) b[size_t(i)] += v;
}

void Fx::tone(double t0, double dur, double f0, double f1, int wave, double att, double dec, float amp) {
    long s = secs(t0), n = secs(dur);
    Osc o;
    for (long i = 0; i < n; i++) {
        double t = double(i) / SR;
        double f = f0 * std::pow(f1 / f0, t / dur);
        float v = wave == SINE ? o.sine(f) : wave == TRI ? o.tri(f) : wave == SAW ? o.saw(f) : o.square(f);
        double e = decayenv(t, att, dec);
        double tailfade = std::min(1.0, (dur - t) / 0.01);
        put(b, s + i, float(v * e * tailfade * amp));
    }
}

void Fx::noise(double t0, double dur, int kind, double c0, double c1, double q, double att, double dec, float amp) {
    long s = secs(t0), n = secs(dur);
    Svf f;
    for (long i = 0; i < n; i++) {
        double t = double(i) / SR;
        double c = c0 * std::pow(c1 / c0, t / dur);
        float lo, bp, hi;
        f.run(rng.bi(), c, q, lo, bp, hi);
        float v = kind == LOWPASS ? lo : kind == BANDPASS ? bp : hi;
        double tailfade = std::min(1.0, (dur - t) / 0.01);
        put(b, s + i, float(v * decayenv(t, att, dec) * tailfade * amp));
    }
}

void Fx::bubble(double t0, double f, double dur, float amp) {
    long s = secs(t0), n = secs(dur);
    double ph = 0;
    for (long i = 0; i < n; i++) {
        double t = double(i) / SR;
        double fr = f * (1.0 + 2.5 * t / dur);
        ph += fr / SR;
        put(b, s + i, float(fsin(ph) * decayenv(t, 0.002, dur * 0.3) * amp));
    }
}

void Fx::ping(double t0, double f, float amp, double dec) {
    static const double ratio[] = {1.0, 2.76, 5.40, 8.93};
    static const double level[] = {1.0, 0.5, 0.25, 0.12};
    long s = secs(t0), n = secs(dec * 5);
    for (long i = 0; i < n; i++) {
        double t = double(i) / SR;
        double v = 0;
        for (int k = 0; k < 4; k++)
            if (f * ratio[k] < SR * 0.45) v += level[k] * fsin(f * ratio[k] * t) * decayenv(t, 0.0005, dec / (1 + k));
        put(b, s + i, float(v * amp * 0.6));
    }
}

void Fx::coin(double t0, double f, float amp) {
    ping(t0, f, amp, 0.18);
    ping(t0 + 0.004, f * 1.33, amp * 0.6, 0.14);
    click(t0, 6000, amp * 0.3f);
}

void Fx::bell(double t0, double f, float amp, double dec) {
    long s = secs(t0), n = secs(dec * 5);
    for (long i = 0; i < n; i++) {
        double t = double(i) / SR;
        double m = 2.0 * decayenv(t, 0.001, dec * 0.3) * fsin(f * 3.5 * t);
        put(b, s + i, float(fsin(f * t + m / TAU) * decayenv(t, 0.002, dec) * amp));
    }
}

void Fx::pluck(double t0, double f, float amp) {
    double dec = std::clamp(140.0 / f, 0.12, 0.6);
    long s = secs(t0), n = secs(dec * 5);
    for (long i = 0; i < n; i++) {
        double t = double(i) / SR;
        double v = fsin(f * t) * decayenv(t, 0.002, dec) +
                   0.3 * fsin(f * 3.93 * t) * decayenv(t, 0.001, dec * 0.2);
        put(b, s + i, float(v * amp));
    }
}

void Fx::click(double t0, double f, float amp) { noise(t0, 0.02, BANDPASS, f, f, 2.0, 0.0003, 0.003, amp * 3); }

void Fx::voice(double t0, double dur, double f0, double f1, double fm1, double fm2, double fm3, double rough,
               double breath, float amp) {
    long s = secs(t0), n = secs(dur);
    Biquad a, bq, c, hn;
    a.bandpass(fm1, 5);
    bq.bandpass(fm2, 7);
    c.bandpass(fm3, 9);
    hn.bandpass(fm2, 1.5);
    double ph = 0;
    for (long i = 0; i < n; i++) {
        double t = double(i) / SR;
        double f = f0 * std::pow(f1 / f0, t / dur) * (1 + rough * 0.06 * rng.bi());
        ph += f / SR;
        ph -= std::floor(ph);
        // a skewed pulse is closer to a throat than a plain saw
        double g = ph < 0.6 ? fsin(ph / 1.2) : 0.0;
        g = g * g - 0.3;
        if (rough > 0) g *= 1 - rough * 0.5 * (1 + fsin(27 * t));
        float x = float(g);
        double env = std::min(1.0, t / 0.03) * std::min(1.0, (dur - t) / 0.06);
        double h = breath * std::exp(-t / 0.05);
        float v = a.run(x) * 1.0f + bq.run(x) * 0.6f + c.run(x) * 0.3f;
        v += float(hn.run(rng.bi()) * (h + 0.05 * rough));
        put(b, s + i, float(v * env * amp * 2.5));
    }
}

void Fx::crackle(double t0, double dur, double persec, double lo, double hi, float amp, double fade) {
    int count = std::max(1, int(persec * dur));
    for (int k = 0; k < count; k++) {
        double t = t0 + dur * rng.uni();
        double f = lo * std::pow(hi / lo, rng.uni());
        float a = amp * (0.4f + 0.6f * rng.uni()) * float(std::exp(-(t - t0) / fade));
        noise(t, 0.03, BANDPASS, f, f, 3.0, 0.0003, 0.004 + 0.01 * rng.uni(), a);
    }
}

void Fx::rumble(double t0, double dur, double cutoff, float amp, double swell) {
    long s = secs(t0), n = secs(dur);
    double brown = 0;
    OnePole lp;
    double p1 = rng.uni() * TAU, p2 = rng.uni() * TAU;
    for (long i = 0; i < n; i++) {
        double t = double(i) / SR;
        brown = brown * 0.995 + rng.bi() * 0.1;
        float v = lp.lowpass(float(brown), cutoff);
        double env = std::min(1.0, t / 0.15) * std::min(1.0, (dur - t) / 0.4);
        env *= 1 - swell * 0.5 * (1 + std::sin(p1 + t * 5.3) * std::sin(p2 + t * 2.1));
        put(b, s + i, float(v * env * amp * 6));
    }
}

void Fx::sparkle(double t0, double dur, int count, double lo, double hi, float amp) {
    for (int k = 0; k < count; k++) {
        double t = t0 + dur * k / count + 0.02 * rng.uni();
        double f = lo * std::pow(hi / lo, rng.uni());
        ping(t, f, amp * (0.5f + 0.5f * rng.uni()) * float(1.0 - 0.6 * k / count), 0.06 + 0.06 * rng.uni());
    }
}

void Fx::add(double t0, const Buf& o, float amp) {
    long s = secs(t0);
    for (size_t i = 0; i < o.size(); i++) put(b, s + long(i), o[i] * amp);
}

void Fx::lowpass(double f) {
    Biquad q;
    q.lowpass(f, 0.7);
    for (float& v : b) v = q.run(v);
}

}  // namespace sg
