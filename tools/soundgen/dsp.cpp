#include "dsp.h"

#include <algorithm>

namespace sg {

static const std::vector<float> sinvalues = [] {
    std::vector<float> t(4097);
    for (int i = 0; i <= 4096; i++) t[i] = float(std::sin(TAU * i / 4096.0));
    return t;
}();
const float* const sintable = sinvalues.data();

float polyblep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return float(t + t - t * t - 1.0);
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return float(t * t + t + t + 1.0);
    }
    return 0.0f;
}

float Osc::saw(double f) {
    double dt = f / SR;
    double p = step(f);
    return float(2.0 * p - 1.0) - polyblep(p, dt);
}

float Osc::square(double f, double width) {
    double dt = f / SR;
    double p = step(f);
    float v = p < width ? 1.0f : -1.0f;
    v += polyblep(p, dt);
    double q = p - width;
    if (q < 0) q += 1.0;
    v -= polyblep(q, dt);
    return v;
}

float Osc::tri(double f) {
    double p = step(f);
    return float(p < 0.5 ? 4.0 * p - 1.0 : 3.0 - 4.0 * p);
}

float Adsr::at(double t, double hold) const {
    if (t < 0) return 0;
    auto held = [&](double u) -> double {
        if (u < a) return u / a;
        if (u < a + d) return 1.0 - (1.0 - s) * (u - a) / d;
        return s;
    };
    if (t < hold) return float(held(t));
    double v = held(hold);
    double u = t - hold;
    if (u >= r) return 0;
    return float(v * (1.0 - u / r) * (1.0 - u / r));
}

static void coeffs(Biquad& q, double b0, double b1, double b2, double a0, double a1, double a2) {
    q.b0 = b0 / a0; q.b1 = b1 / a0; q.b2 = b2 / a0; q.a1 = a1 / a0; q.a2 = a2 / a0;
}

static double clampf(double f) { return std::clamp(f, 10.0, SR * 0.45); }

void Biquad::lowpass(double f, double q) {
    double w = TAU * clampf(f) / SR, c = std::cos(w), al = std::sin(w) / (2 * q);
    coeffs(*this, (1 - c) / 2, 1 - c, (1 - c) / 2, 1 + al, -2 * c, 1 - al);
}
void Biquad::highpass(double f, double q) {
    double w = TAU * clampf(f) / SR, c = std::cos(w), al = std::sin(w) / (2 * q);
    coeffs(*this, (1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + al, -2 * c, 1 - al);
}
void Biquad::bandpass(double f, double q) {
    double w = TAU * clampf(f) / SR, c = std::cos(w), al = std::sin(w) / (2 * q);
    coeffs(*this, al, 0, -al, 1 + al, -2 * c, 1 - al);
}
void Biquad::peak(double f, double q, double db) {
    double A = std::pow(10.0, db / 40), w = TAU * clampf(f) / SR, c = std::cos(w), al = std::sin(w) / (2 * q);
    coeffs(*this, 1 + al * A, -2 * c, 1 - al * A, 1 + al / A, -2 * c, 1 - al / A);
}

void Svf::run(float x, double f, double q, float& low, float& band, float& high) {
    // 2 sin(x) by its series: x stays below 0.51, where three terms are exact enough
    double w = PI * std::clamp(f, 10.0, SR * 0.16) / SR, w2 = w * w;
    double fc = 2.0 * w * (1.0 - w2 / 6.0 * (1.0 - w2 / 20.0));
    double damp = 1.0 / std::max(0.5, q);
    lp += fc * bp;
    double hp = x - lp - damp * bp;
    bp += fc * hp;
    low = float(lp); band = float(bp); high = float(hp);
}

// Freeverb's tunings, scaled from 44.1 kHz (which is our rate).
static const int combt[8] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
static const int allt[4] = {556, 441, 341, 225};

Reverb::Reverb(double room, double damp, double width) {
    for (int k = 0; k < 8; k++) {
        cl[k].b.assign(combt[k], 0.0f);
        cr[k].b.assign(combt[k] + 23, 0.0f);
    }
    for (int k = 0; k < 4; k++) {
        al[k].b.assign(allt[k], 0.0f);
        ar[k].b.assign(allt[k] + 23, 0.0f);
    }
    feedback = float(room * 0.28 + 0.7);
    damp1 = float(damp * 0.4);
    damp2 = 1.0f - damp1;
    wet1 = float(0.5 * (width / 2 + 0.5));
    wet2 = float(0.5 * ((1 - width) / 2));
}

void Reverb::run(float in, float& l, float& r) {
    float x = in * 0.015f;
    float ol = 0, orr = 0;
    for (int k = 0; k < 8; k++) {
        for (Comb* c : {&cl[k], &cr[k]}) {
            float o = c->b[c->i];
            c->store = o * damp2 + c->store * damp1;
            c->b[c->i] = x + c->store * feedback;
            if (++c->i >= int(c->b.size())) c->i = 0;
            (c == &cl[k] ? ol : orr) += o;
        }
    }
    for (int k = 0; k < 4; k++) {
        for (All* a : {&al[k], &ar[k]}) {
            float& v = (a == &al[k]) ? ol : orr;
            float o = a->b[a->i];
            a->b[a->i] = v + o * 0.5f;
            v = o - v;
            if (++a->i >= int(a->b.size())) a->i = 0;
        }
    }
    l = ol * wet1 + orr * wet2;
    r = orr * wet1 + ol * wet2;
}

Chorus::Chorus(double depthms, double rate_, double mix_) : depth(depthms), rate(rate_), mix(mix_) {
    bl.assign(4096, 0.0f);
    br.assign(4096, 0.0f);
}

void Chorus::run(float inl, float inr, float& l, float& r) {
    bl[i] = inl;
    br[i] = inr;
    ph += rate / SR;
    if (ph >= 1) ph -= 1;
    auto tap = [&](const std::vector<float>& b, double off) {
        double d = (8.0 + depth * (1.0 + fsin(ph + off))) * SR / 1000.0;
        double pos = i - d;
        while (pos < 0) pos += b.size();
        int i0 = int(pos);
        double fr = pos - i0;
        int i1 = (i0 + 1) % int(b.size());
        return float(b[i0] * (1 - fr) + b[i1] * fr);
    };
    float wl = tap(bl, 0.0), wr = tap(br, 0.25);
    l = float(inl * (1 - mix) + wl * mix);
    r = float(inr * (1 - mix) + wr * mix);
    i = (i + 1) % int(bl.size());
}

void fadeedges(Buf& b, int ch, double inms, double outms) {
    int frames = int(b.size()) / ch;
    int fi = std::min(frames / 2, int(inms * SR / 1000));
    int fo = std::min(frames / 2, int(outms * SR / 1000));
    for (int i = 0; i < fi; i++) {
        float g = float(i) / fi;
        for (int c = 0; c < ch; c++) b[i * ch + c] *= g * g;
    }
    for (int i = 0; i < fo; i++) {
        float g = float(i) / fo;
        int f = frames - 1 - i;
        for (int c = 0; c < ch; c++) b[f * ch + c] *= g * g;
    }
}

float peakof(const Buf& b) {
    float p = 0;
    for (float v : b) p = std::max(p, std::fabs(v));
    return p;
}

float activerms(const Buf& b, int ch) {
    // windows of 10 ms; count those within 30 dB of the loudest window
    int frames = int(b.size()) / ch, win = SR / 100;
    std::vector<double> e;
    for (int s = 0; s < frames; s += win) {
        double acc = 0;
        int n = 0;
        for (int i = s; i < std::min(frames, s + win); i++)
            for (int c = 0; c < ch; c++, n++) acc += double(b[i * ch + c]) * b[i * ch + c];
        e.push_back(n ? acc / n : 0);
    }
    double mx = 0;
    for (double v : e) mx = std::max(mx, v);
    if (mx <= 0) return 0;
    double acc = 0;
    int n = 0;
    for (double v : e)
        if (v > mx * 0.001) { acc += v; n++; }
    return float(std::sqrt(acc / std::max(1, n)));
}

void normalise(Buf& b, int ch, double rmsdb, double peakdb) {
    float rms = activerms(b, ch);
    if (rms <= 0) return;
    float g = dbgain(rmsdb) / rms;
    float pk = peakof(b) * g;
    if (pk > dbgain(peakdb)) g *= dbgain(peakdb) / pk;
    for (float& v : b) v *= g;
}

void softclip(Buf& b, float ceiling) {
    // linear below 70 % of the ceiling, then a tanh knee that never reaches it
    float knee = ceiling * 0.7f, room = ceiling - knee;
    for (float& v : b) {
        float a = std::fabs(v);
        if (a > knee) v = std::copysign(knee + room * std::tanh((a - knee) / room), v);
    }
}

void trimtail(Buf& b, int ch, float threshold) {
    int frames = int(b.size()) / ch;
    int last = frames - 1;
    while (last > 0) {
        bool quiet = true;
        for (int c = 0; c < ch; c++) quiet &= std::fabs(b[last * ch + c]) < threshold;
        if (!quiet) break;
        last--;
    }
    b.resize(size_t(std::min(frames, last + SR / 50)) * ch);
}

}  // namespace sg
