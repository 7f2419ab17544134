#include "seq.h"

#include <algorithm>
#include <cmath>

namespace sg {

const std::vector<int> MAJOR = {2, 2, 1, 2, 2, 2, 1};
const std::vector<int> MINOR = {2, 1, 2, 2, 1, 2, 2};
const std::vector<int> DORIAN = {2, 1, 2, 2, 2, 1, 2};
const std::vector<int> MIXOLYDIAN = {2, 2, 1, 2, 2, 1, 2};
const std::vector<int> LYDIAN = {2, 2, 2, 1, 2, 2, 1};
const std::vector<int> PHRYGDOM = {1, 3, 1, 2, 1, 2, 2};
const std::vector<int> PENTAMAJ = {2, 2, 3, 2, 3};

int Scale::pitch(int degree) const {
    int n = int(steps.size());
    int oct = degree >= 0 ? degree / n : -((-degree + n - 1) / n);
    int d = degree - oct * n;
    int p = root + 12 * oct;
    for (int k = 0; k < d; k++) p += steps[k];
    return p;
}

int Scale::degreeof(int midi) const {
    int d = (midi - root) * int(steps.size()) / 12 - 2;
    while (pitch(d + 1) <= midi) d++;
    return d;
}

std::vector<int> chorddegrees(int root, bool seventh) {
    std::vector<int> v = {root, root + 2, root + 4};
    if (seventh) v.push_back(root + 6);
    return v;
}

void addpattern(Song& s, const std::string& pat, double start, double bars, double step, int inst, double pitch,
                float vel, float pan, double barbeats) {
    if (pat.empty()) return;
    double len = double(pat.size()) * step;
    for (double t = 0; t < bars * barbeats - 1e-9; t += len) {
        for (size_t i = 0; i < pat.size(); i++) {
            double b = t + double(i) * step;
            if (b >= bars * barbeats - 1e-9) break;
            char c = pat[i];
            if (c == 'x') s.add(start + b, step, pitch, vel, inst, pan);
            else if (c == 'o') s.add(start + b, step, pitch, vel * 0.6f, inst, pan);
            else if (c == '-') s.add(start + b, step, pitch, vel * 0.35f, inst, pan);
        }
    }
}

namespace {

struct Motif {
    std::vector<std::pair<double, int>> notes;  // onset in the bar, degree relative to the chord root
};

bool chordtone(int d, int chord) {
    int r = ((d - chord) % 7 + 7) % 7;
    return r == 0 || r == 2 || r == 4;
}

int snap(int d, int chord) {
    for (int k = 0; k < 4; k++) {
        if (chordtone(d - k, chord)) return d - k;
        if (chordtone(d + k, chord)) return d + k;
    }
    return d;
}

int fold(int d, int lo, int hi) {
    while (d > hi) d -= 7;
    while (d < lo) d += 7;
    return d;
}

bool strong(double onset, double barbeats) {
    if (barbeats == 3) return std::fabs(onset) < 1e-6;
    return std::fabs(onset) < 1e-6 || std::fabs(onset - 2) < 1e-6;
}

Motif makemotif(const std::vector<double>& rhythm, int startrel, Rng& rng) {
    static const int steps[] = {-1, 1, -1, 1, 2, -2, 0, 3, -1, 1, -3, 2};
    Motif m;
    int cur = startrel;
    int dir = rng.uni() < 0.5 ? 1 : -1;
    for (size_t i = 0; i < rhythm.size(); i++) {
        if (i > 0) {
            int st = steps[rng.next() % 12];
            // lean into a direction so phrases have a contour, not a zigzag
            if (st != 0 && rng.uni() < 0.55) st = std::abs(st) * dir;
            cur += st;
            if (cur > 6) { cur -= 2; dir = -1; }
            if (cur < -3) { cur += 2; dir = 1; }
        }
        m.notes.push_back({rhythm[i], cur});
    }
    return m;
}

}  // namespace

void addmelody(Song& s, const Scale& sc, const std::vector<int>& chords, double start, const MelodyStyle& st,
               int inst, float pan, Rng& rng) {
    auto rhythm = [&]() -> const std::vector<double>& { return st.rhythms[rng.next() % st.rhythms.size()]; };
    Motif a = makemotif(rhythm(), 2 + int(rng.next() % 3) * 2 - 2, rng);
    Motif b = makemotif(rhythm(), 4 - int(rng.next() % 3) * 2, rng);
    Motif ans = makemotif(rhythm(), 2, rng);
    int prev = (st.lo + st.hi) / 2;
    auto play = [&](const Motif& m, double barstart, int chord, bool lastlong) {
        for (size_t i = 0; i < m.notes.size(); i++) {
            double on = m.notes[i].first;
            double next = i + 1 < m.notes.size() ? m.notes[i + 1].first : st.barbeats;
            int d = chord + m.notes[i].second;
            // keep near the previous note: choose the octave closest to it
            while (d - prev > 4) d -= 7;
            while (prev - d > 4) d += 7;
            d = fold(d, st.lo, st.hi);
            if (strong(on, st.barbeats)) d = fold(snap(d, chord), st.lo, st.hi);
            double len = (next - on) * st.legato;
            if (lastlong && i + 1 == m.notes.size()) len = (st.barbeats - on) * 0.95;
            float v = st.vel * (strong(on, st.barbeats) ? 1.0f : 0.82f) * (0.92f + 0.08f * rng.uni());
            s.add(start + barstart + on, len, sc.pitch(d), v, inst, pan);
            prev = d;
        }
    };
    int bars = int(chords.size());
    for (int bar = 0; bar < bars; bar++) {
        int chord = chords[bar];
        int inphrase = bar % 4;
        int phrase = bar / 4;
        double at = bar * st.barbeats;
        bool lastbar = bar == bars - 1;
        if (inphrase == 3 || lastbar) {
            // cadence: a step or two into a long chord tone, the root on the last bar
            int target = lastbar || (chord % 7 == 0) ? chord : snap(prev, chord);
            target = fold(target, st.lo, st.hi);
            while (target - prev > 4) target -= 7;
            while (prev - target > 4) target += 7;
            target = fold(target, st.lo, st.hi);
            int approach = target + (prev > target ? 1 : -1);
            s.add(start + at, 0.9 * st.legato, sc.pitch(approach + (prev > target ? 1 : -1)), st.vel * 0.9f, inst, pan);
            s.add(start + at + 1, 0.9 * st.legato, sc.pitch(approach), st.vel * 0.85f, inst, pan);
            s.add(start + at + 2, (st.barbeats - 2) * 0.95, sc.pitch(target), st.vel, inst, pan);
            prev = target;
        } else if (inphrase == 2) {
            play(ans, at, chord, false);
        } else {
            // odd phrases answer with their own motif so the tune has an A and a B
            const Motif& m = (phrase % 2 == 0) ? a : b;
            play(m, at, chord, inphrase == 1 && rng.uni() < 0.3);
        }
    }
}

Buf Song::render() const {
    const double bs = beatsecs();
    const long L = std::lround(beats * bs * SR);
    const long T = loop ? L : L + long(tail * SR);
    std::vector<float> dl(T), dr(T), cl(T), cr(T), send(T);
    for (size_t k = 0; k < notes.size(); k++) {
        const Note& n = notes[k];
        Rng rng(seed * 7919u + unsigned(k) * 104729u + 17u);
        Buf v = renderinst(n.inst, midifreq(n.pitch), n.len * bs, n.vel, rng);
        const InstInfo& info = instinfo(n.inst);
        double a = (std::clamp(n.pan, -1.0f, 1.0f) + 1) * PI / 4;
        float gl = float(std::cos(a)) * info.gain, gr = float(std::sin(a)) * info.gain;
        long p0 = std::lround(n.beat * bs * SR);
        for (size_t i = 0; i < v.size(); i++) {
            long p = p0 + long(i);
            if (loop) p %= L;  // a loop's notes ring on into its start
            else if (p >= T) break;
            float x = v[i];
            float dry = 1 - info.chorus;
            dl[p] += x * gl * dry;
            dr[p] += x * gr * dry;
            cl[p] += x * gl * info.chorus;
            cr[p] += x * gr * info.chorus;
            send[p] += x * info.gain * info.send;
        }
    }
    Buf out(size_t(T) * 2);
    Reverb rv(room, damp, 1.0);
    // the chorus sweep must complete whole cycles in a loop, or its delay
    // jumps where the end meets the start
    double sweep = 0.3;
    if (loop) sweep = std::max(1.0, std::round(sweep * double(L) / SR)) * SR / double(L);
    Chorus ch(3.0, sweep, 0.5);
    // a loop runs the effects once over itself first, so their state at the
    // start is what the end leaves behind and the seam is inaudible
    for (int pass = loop ? 0 : 1; pass < 2; pass++) {
        for (long i = 0; i < T; i++) {
            float rl, rr, ol, orr;
            rv.run(send[i], rl, rr);
            ch.run(cl[i], cr[i], ol, orr);
            if (pass == 1) {
                out[2 * i] = dl[i] + ol + rl * wet;
                out[2 * i + 1] = dr[i] + orr + rr * wet;
            }
        }
    }
    return out;
}

}  // namespace sg
