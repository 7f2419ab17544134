// The soundtrack: menu, casino and story loops, the five in-game pieces and
// the two level-end jingles, each written as a plan the arranger turns into notes.
#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <functional>
#include <thread>

#include "assetlib.h"
#include "report.h"
#include "seq.h"

namespace sg {
namespace {

struct Drum {
    std::string pat;
    int inst;
    double pitch;
    float vel;
    double step;
    float pan;
};

struct Plan {
    std::string file;
    bool loop = true;
    double bpm = 90;
    int barbeats = 4;
    Scale sc{60, MAJOR};
    std::vector<int> prog;  // chord root degree per bar, repeated
    int bars = 24;
    int intro = 4;          // bars before drums and melody
    std::uint32_t seed = 1;
    // chords
    int padinst = PAD;
    int padcentre = 60;
    float padvel = 0.7f;
    bool sevenths = false;
    // bass: onset, length, degree above the chord root (in beats)
    int bassinst = SUBBASS;
    std::vector<std::array<double, 3>> bassrhythm = {{0, 3.8, 0}};
    float bassvel = 0.8f;
    // broken chords
    int arpinst = -1;
    double arpstep = 0.5;
    std::vector<int> arpseq = {0, 1, 2, 1};  // indices into the chord tones, 3 = octave
    int arpcentre = 67;
    float arpvel = 0.45f;
    float arppan = -0.35f;
    // melodies: the first from `intro`, the second (new tune) from `secondfrom`
    int lead = MARIMBA, lead2 = -1;
    int secondfrom = 0;
    int leadlo = 7, leadhi = 16;  // degrees
    float leadvel = 0.8f;
    float leadpan = 0.2f;
    std::vector<std::vector<double>> rhythms;
    double legato = 0.9;
    std::vector<Drum> drums;
    double room = 0.82;
    float wet = 0.9f;
    std::function<void(Song&, const Plan&)> extra;  // anything a piece does beyond the plan

    int chord(int bar) const { return prog[size_t(bar) % prog.size()]; }
};

std::vector<std::vector<double>> rhythms44() {
    return {{0, 1, 1.5, 2, 3}, {0, 0.5, 1, 2, 2.5, 3}, {0, 1.5, 2, 3, 3.5}, {0, 1, 2, 2.5}, {0, 0.5, 1.5, 2, 3}};
}
std::vector<std::vector<double>> rhythms34() { return {{0, 1, 2}, {0, 1, 1.5, 2}, {0, 2, 2.5}, {0, 0.5, 1, 2}}; }

void chords(Song& s, const Plan& p, int from, int to, float vel) {
    for (int bar = from; bar < to; bar++) {
        for (int d : chorddegrees(p.chord(bar), p.sevenths)) {
            int m = p.sc.pitch(d);
            while (m - p.padcentre > 6) m -= 12;
            while (p.padcentre - m > 6) m += 12;
            s.add(bar * p.barbeats, p.barbeats * 0.98, m, vel, p.padinst, float((m - p.padcentre) * 0.05));
        }
    }
}

void bassline(Song& s, const Plan& p, int from, int to) {
    for (int bar = from; bar < to; bar++)
        for (auto& b : p.bassrhythm) {
            int m = p.sc.pitch(p.chord(bar) + int(b[2]));
            while (m > p.sc.root - 12 + 7) m -= 12;
            while (m < p.sc.root - 24 + 4) m += 12;
            s.add(bar * p.barbeats + b[0], b[1], m, p.bassvel, p.bassinst, 0);
        }
}

void arpeggio(Song& s, const Plan& p, int from, int to) {
    if (p.arpinst < 0) return;
    int steps = int(p.barbeats / p.arpstep + 0.5);
    for (int bar = from; bar < to; bar++) {
        auto tones = chorddegrees(p.chord(bar), false);
        for (int k = 0; k < steps; k++) {
            int idx = p.arpseq[size_t(k) % p.arpseq.size()];
            int d = idx < 3 ? tones[size_t(idx)] : tones[0] + 7;
            int m = p.sc.pitch(d);
            while (m - p.arpcentre > 7) m -= 12;
            while (p.arpcentre - m > 5) m += 12;
            if (idx == 3) m = p.sc.pitch(tones[0]) + 12 * ((p.arpcentre - p.sc.pitch(tones[0])) / 12 + 1);
            float v = p.arpvel * (k % 2 == 0 ? 1.0f : 0.8f);
            s.add(bar * p.barbeats + k * p.arpstep, p.arpstep * 1.5, m, v, p.arpinst, p.arppan);
        }
    }
}

Song compose(const Plan& p) {
    Song s;
    s.bpm = p.bpm;
    s.loop = p.loop;
    s.seed = p.seed;
    s.room = p.room;
    s.wet = p.wet;
    s.beats = double(p.bars) * p.barbeats;
    Rng rng(p.seed);

    chords(s, p, 0, p.bars, p.padvel);
    bassline(s, p, 0, p.bars);
    arpeggio(s, p, p.loop ? 0 : std::min(2, p.intro), p.bars);
    for (auto& d : p.drums)
        addpattern(s, d.pat, double(p.intro) * p.barbeats, p.bars - p.intro, d.step, d.inst, d.pitch, d.vel, d.pan,
                   p.barbeats);

    MelodyStyle st;
    st.lo = p.leadlo;
    st.hi = p.leadhi;
    st.barbeats = p.barbeats;
    st.rhythms = p.rhythms.empty() ? (p.barbeats == 3 ? rhythms34() : rhythms44()) : p.rhythms;
    st.vel = p.leadvel;
    st.legato = p.legato;
    int second = p.lead2 >= 0 && p.secondfrom > p.intro ? p.secondfrom : p.bars;
    std::vector<int> cs;
    for (int bar = p.intro; bar < second; bar++) cs.push_back(p.chord(bar));
    if (!cs.empty()) addmelody(s, p.sc, cs, double(p.intro) * p.barbeats, st, p.lead, p.leadpan, rng);
    if (second < p.bars) {
        cs.clear();
        for (int bar = second; bar < p.bars; bar++) cs.push_back(p.chord(bar));
        Rng rng2(p.seed * 31u + 7u);
        addmelody(s, p.sc, cs, double(second) * p.barbeats, st, p.lead2, -p.leadpan, rng2);
    }
    if (p.extra) p.extra(s, p);
    if (!p.loop) {
        // the ending: the home chord rings out under a bell
        double end = s.beats;
        for (int d : chorddegrees(0, false)) s.add(end, p.barbeats * 1.5, p.sc.pitch(d) + 12 * ((p.padcentre - p.sc.root) / 12), p.padvel, p.padinst, 0);
        s.add(end, p.barbeats * 1.5, p.sc.root - 12, p.bassvel, p.bassinst, 0);
        s.add(end, 2, p.sc.root + 12, 0.5f, BELL, 0.2f);
        s.beats += p.barbeats;
        s.tail = 3.0;
    }
    return s;
}

Buf master(const Song& s) {
    Buf b = s.render();
    if (!s.loop) {
        trimtail(b, 2, 0.0003f);
        fadeedges(b, 2, 5.0, 400.0);
    }
    normalise(b, 2, -18.0, -1.5);
    softclip(b, 0.95f);
    if (s.loop) {
        // a loop's end must run into its start like its neighbouring samples
        // run into each other: compare the seam with the steps around it
        size_t n = b.size() / 2;
        float local = 0, seam = 0;
        for (size_t k = 0; k < 64; k++)
            for (int c = 0; c < 2; c++) {
                local = std::max(local, std::fabs(b[2 * (k + 1) + c] - b[2 * k + c]));
                local = std::max(local, std::fabs(b[2 * (n - 1 - k) + c] - b[2 * (n - 2 - k) + c]));
            }
        for (int c = 0; c < 2; c++) seam = std::max(seam, std::fabs(b[size_t(c)] - b[2 * (n - 1) + c]));
        if (seam > 3 * local + 0.002f) al::fail("loop seam jumps by " + std::to_string(seam));
    }
    return b;
}

std::vector<Plan> plans() {
    std::vector<Plan> v;
    {   // title: the menu and the map, calm and open
        Plan p;
        p.file = "music/title.ogg";
        p.bpm = 84; p.sc = {62, MAJOR}; p.prog = {0, 5, 3, 4, 0, 2, 3, 4}; p.bars = 24; p.intro = 4; p.seed = 11;
        p.padcentre = 62; p.arpinst = KALIMBA; p.arpseq = {0, 2, 1, 3, 2, 1}; p.arpstep = 2.0 / 3; p.arpcentre = 69;
        p.lead = MARIMBA; p.lead2 = FLUTE; p.secondfrom = 16; p.leadlo = 7; p.leadhi = 15;
        p.bassrhythm = {{0, 1.8, 0}, {2, 1.3, 4}, {3.5, 0.5, 0}};
        p.drums = {{"x.......", SHAKER, 0, 0.6f, 0.5, 0.3f}, {"..o...o.", SHAKER, 0, 0.5f, 0.5, -0.3f}};
        v.push_back(p);
    }
    {   // casino: a light swing with walking bass
        Plan p;
        p.file = "music/casino.ogg";
        p.bpm = 112; p.sc = {65, MAJOR}; p.prog = {1, 4, 0, 5, 1, 4, 0, 0}; p.bars = 32; p.intro = 2; p.seed = 23;
        p.padinst = EPIANO; p.padcentre = 64; p.padvel = 0.5f; p.sevenths = true;
        p.bassinst = BASS; p.bassrhythm = {{0, 0.9, 0}, {1, 0.9, 2}, {2, 0.9, 4}, {3, 0.9, 5}};
        p.lead = BELL; p.lead2 = MARIMBA; p.secondfrom = 18; p.leadlo = 7; p.leadhi = 16; p.legato = 0.7;
        p.rhythms = {{0, 0.66, 1, 2, 2.66}, {0, 1, 1.66, 2.66, 3}, {0, 0.66, 1.66, 2, 3}};
        p.drums = {{"x..xx..xx..xx..x", HAT, 0, 0.6f, 1.0 / 3, 0.4f}, {"...x...x", BRUSH, 0, 0.7f, 0.5, -0.1f},
                   {"x.......", KICK, 0, 0.5f, 0.5, 0}};
        p.extra = [](Song& s, const Plan& p) {  // piano comping on the off-beats
            for (int bar = p.intro; bar < p.bars; bar++)
                for (double at : {1.66, 3.66})
                    for (int d : chorddegrees(p.chord(bar), true)) {
                        int m = p.sc.pitch(d);
                        while (m > 70) m -= 12;
                        while (m < 58) m += 12;
                        s.add(bar * 4 + at, 0.3, m, 0.35f, EPIANO, -0.3f);
                    }
        };
        v.push_back(p);
    }
    {   // story1: the narrating loop of most stories
        Plan p;
        p.file = "music/story1.ogg";
        p.bpm = 72; p.sc = {57, MINOR}; p.prog = {0, 5, 2, 6, 0, 5, 3, 4}; p.bars = 24; p.intro = 4; p.seed = 37;
        p.padcentre = 60; p.arpinst = KALIMBA; p.arpstep = 0.5; p.arpseq = {0, 1, 2, 3, 2, 1, 0, 2}; p.arpcentre = 66;
        p.lead = FLUTE; p.lead2 = KALIMBA; p.secondfrom = 16; p.leadlo = 7; p.leadhi = 14; p.leadvel = 0.7f;
        p.bassrhythm = {{0, 3.9, 0}};
        p.drums = {{"x.....o.", CONGA, 220, 0.35f, 0.5, -0.4f}, {"....x...", CONGA, 165, 0.3f, 0.5, 0.4f}};
        v.push_back(p);
    }
    {   // story2: the opening story, dark and slow
        Plan p;
        p.file = "music/story2.ogg";
        p.bpm = 60; p.sc = {50, MINOR}; p.prog = {0, 5, 3, 4, 0, 5, 1, 4}; p.bars = 16; p.intro = 4; p.seed = 41;
        p.padinst = PADDARK; p.padcentre = 57; p.padvel = 0.8f;
        p.arpinst = BELL; p.arpstep = 2; p.arpseq = {2, 0}; p.arpcentre = 74; p.arpvel = 0.25f; p.arppan = 0.4f;
        p.lead = FLUTE; p.leadlo = 7; p.leadhi = 13; p.leadvel = 0.55f; p.legato = 1.0;
        p.rhythms = {{0, 2, 3}, {0, 1.5, 2}, {0, 3}};
        p.drums = {{"x.......x..x....", TIMPANI, 38, 0.5f, 0.25, 0}};
        p.room = 0.9; p.wet = 1.2f;
        v.push_back(p);
    }
    {   // storyreggae: one drop, skank on the off-beats
        Plan p;
        p.file = "music/storyreggae.ogg";
        p.bpm = 76; p.sc = {55, MAJOR}; p.prog = {0, 3, 0, 4}; p.bars = 24; p.intro = 2; p.seed = 53;
        p.padvel = 0.25f; p.padcentre = 62;
        p.bassinst = BASS; p.bassrhythm = {{0, 0.7, 0}, {1, 0.4, 0}, {1.5, 0.45, 2}, {2.5, 0.45, 4}, {3, 0.9, 5}};
        p.lead = STEEL; p.lead2 = FLUTE; p.secondfrom = 14; p.leadlo = 7; p.leadhi = 15;
        p.drums = {{"........x.......", KICK, 0, 0.7f, 0.25, 0}, {"........x.......", RIM, 0, 0.6f, 0.25, 0.1f},
                   {"x.o.x.o.x.o.x.o.", HAT, 0, 0.7f, 0.25, 0.35f}};
        p.extra = [](Song& s, const Plan& p) {
            for (int bar = 0; bar < p.bars; bar++)
                for (double at : {0.5, 1.5, 2.5, 3.5})
                    for (int d : chorddegrees(p.chord(bar), false)) {
                        int m = p.sc.pitch(d);
                        while (m > 72) m -= 12;
                        while (m < 62) m += 12;
                        s.add(bar * 4 + at, 0.18, m, 0.5f, ORGAN, -0.25f);
                    }
        };
        v.push_back(p);
    }
    {   // storybazaar: a market under the sea, plucked and drummed
        Plan p;
        p.file = "music/storybazaar.ogg";
        p.bpm = 96; p.sc = {52, PHRYGDOM}; p.prog = {0, 1, 0, 6, 3, 1, 0, 0}; p.bars = 28; p.intro = 4; p.seed = 67;
        p.padinst = PADDARK; p.padcentre = 59; p.padvel = 0.45f;
        p.bassrhythm = {{0, 1.4, 0}, {1.5, 0.5, 0}, {2, 1.8, 4}};
        p.lead = OUD; p.lead2 = FLUTE; p.secondfrom = 16; p.leadlo = 7; p.leadhi = 16; p.legato = 0.8;
        p.rhythms = {{0, 0.5, 0.75, 1, 2, 3}, {0, 1, 1.5, 2, 2.5, 3}, {0, 0.75, 1.5, 2, 3, 3.5}};
        p.drums = {{"x..x..x.x.......", CONGA, 180, 0.6f, 0.25, -0.3f}, {"....x.......x.x.", CONGA, 260, 0.5f, 0.25, 0.3f},
                   {".x.x.x.x.x.x.x.x", SHAKER, 0, 0.35f, 0.25, 0.2f}};
        v.push_back(p);
    }
    {   // ingame1: bright and even, marimba over a soft groove
        Plan p;
        p.file = "music/ingame1.ogg"; p.loop = false;
        p.bpm = 92; p.sc = {60, MAJOR}; p.prog = {0, 4, 5, 3}; p.bars = 28; p.intro = 2; p.seed = 101;
        p.padcentre = 64; p.padvel = 0.55f;
        p.bassrhythm = {{0, 1.4, 0}, {1.5, 0.4, 0}, {2, 1.8, 4}};
        p.arpinst = PLUCK; p.arpstep = 0.5; p.arpseq = {0, 2, 1, 2}; p.arpcentre = 67; p.arpvel = 0.35f;
        p.lead = MARIMBA; p.lead2 = BELL; p.secondfrom = 18; p.leadlo = 7; p.leadhi = 16;
        p.drums = {{"x.......x.......", KICK, 0, 0.5f, 0.25, 0}, {"..x...x...x...x.", SHAKER, 0, 0.6f, 0.25, 0.3f},
                   {"....x.......x...", RIM, 0, 0.5f, 0.25, -0.2f}};
        v.push_back(p);
    }
    {   // ingame2: kalimba figures and electric piano, a little faster
        Plan p;
        p.file = "music/ingame2.ogg"; p.loop = false;
        p.bpm = 100; p.sc = {63, MAJOR}; p.prog = {3, 0, 4, 5, 3, 0, 1, 4}; p.bars = 30; p.intro = 2; p.seed = 131;
        p.padcentre = 63; p.padvel = 0.45f; p.sevenths = true;
        p.bassinst = BASS; p.bassrhythm = {{0, 0.9, 0}, {1.5, 0.4, 0}, {2.5, 0.9, 4}, {3.5, 0.4, 0}};
        p.arpinst = KALIMBA; p.arpstep = 0.25; p.arpseq = {0, 1, 2, 3, 2, 1}; p.arpcentre = 72; p.arpvel = 0.3f; p.arppan = 0.4f;
        p.lead = EPIANO; p.lead2 = MARIMBA; p.secondfrom = 18; p.leadlo = 7; p.leadhi = 15; p.leadpan = -0.15f;
        p.drums = {{"x.........x.....", KICK, 0, 0.55f, 0.25, 0}, {"x.x.x.x.x.x.x.x.", HAT, 0, 0.5f, 0.25, 0.3f},
                   {"....x.......x...", BRUSH, 0, 0.5f, 0.25, -0.1f}};
        v.push_back(p);
    }
    {   // ingame3: a dorian waltz, plucked strings and flute
        Plan p;
        p.file = "music/ingame3.ogg"; p.loop = false;
        p.bpm = 80; p.barbeats = 3; p.sc = {57, DORIAN}; p.prog = {0, 3, 0, 6, 0, 3, 4, 0}; p.bars = 32; p.intro = 2; p.seed = 151;
        p.padcentre = 62; p.padvel = 0.5f;
        p.bassrhythm = {{0, 0.9, 0}, {1, 0.9, 4}, {2, 0.9, 2}};
        p.arpinst = PLUCK; p.arpstep = 0.5; p.arpseq = {0, 1, 2, 3, 2, 1}; p.arpcentre = 64; p.arpvel = 0.4f;
        p.lead = FLUTE; p.lead2 = KALIMBA; p.secondfrom = 18; p.leadlo = 7; p.leadhi = 14; p.leadvel = 0.7f;
        p.drums = {{"x.....", CONGA, 200, 0.4f, 0.5, -0.3f}, {"..o.o.", SHAKER, 0, 0.5f, 0.5, 0.3f}};
        v.push_back(p);
    }
    {   // ingame4: mixolydian steel drum, the liveliest piece
        Plan p;
        p.file = "music/ingame4.ogg"; p.loop = false;
        p.bpm = 108; p.sc = {55, MIXOLYDIAN}; p.prog = {0, 6, 3, 0, 0, 6, 3, 4}; p.bars = 32; p.intro = 2; p.seed = 173;
        p.padcentre = 62; p.padvel = 0.4f;
        p.bassinst = BASS; p.bassrhythm = {{0, 0.4, 0}, {0.75, 0.4, 0}, {1.5, 0.4, 4}, {2.5, 0.4, 0}, {3, 0.4, 7}, {3.5, 0.4, 4}};
        p.lead = STEEL; p.lead2 = MARIMBA; p.secondfrom = 18; p.leadlo = 7; p.leadhi = 16; p.legato = 0.8;
        p.rhythms = {{0, 0.5, 1, 1.5, 2, 3}, {0, 0.75, 1.5, 2, 2.5, 3.5}, {0, 1, 1.5, 2.5, 3}};
        p.drums = {{"x...x...x...x...", KICK, 0, 0.45f, 0.25, 0}, {"x.xxx.xxx.xxx.xx", SHAKER, 0, 0.45f, 0.25, 0.35f},
                   {"..x..x....x..x..", CONGA, 240, 0.45f, 0.25, -0.35f}, {"......x.......x.", CONGA, 170, 0.5f, 0.25, -0.2f}};
        v.push_back(p);
    }
    {   // ingame5: lydian calm, bells and a slow pulse
        Plan p;
        p.file = "music/ingame5.ogg"; p.loop = false;
        p.bpm = 70; p.sc = {53, LYDIAN}; p.prog = {0, 1, 0, 1, 5, 4, 1, 0}; p.bars = 20; p.intro = 2; p.seed = 197;
        p.padinst = PADDARK; p.padcentre = 60; p.padvel = 0.6f;
        p.bassrhythm = {{0, 3.9, 0}};
        p.arpinst = KALIMBA; p.arpstep = 1.0; p.arpseq = {0, 2, 1, 3}; p.arpcentre = 72; p.arpvel = 0.35f; p.arppan = 0.45f;
        p.lead = BELL; p.lead2 = FLUTE; p.secondfrom = 12; p.leadlo = 7; p.leadhi = 14; p.leadvel = 0.6f; p.legato = 1.0;
        p.rhythms = {{0, 1.5, 2, 3}, {0, 2, 3}, {0, 1, 2}};
        p.drums = {{"x.......", HAT, 0, 0.3f, 0.5, 0.4f}};
        v.push_back(p);
    }
    return v;
}

// The level-end jingles: a rising fanfare and a sinking sigh.
Buf winjingle() {
    Song s;
    s.bpm = 120; s.loop = false; s.tail = 2.5; s.seed = 5;
    int notes[] = {60, 64, 67, 72};
    for (int i = 0; i < 4; i++) {
        s.add(i * 0.5, 0.45, notes[i], 0.8f, MARIMBA, -0.2f + 0.15f * i);
        s.add(i * 0.5, 0.45, notes[i] + 12, 0.35f, BELL, 0.2f);
    }
    for (int m : {60, 64, 67, 72}) s.add(2, 2.5, m, 0.7f, BRASS, 0);
    s.add(2, 2.5, 48, 0.8f, SUBBASS, 0);
    s.add(2, 3, 84, 0.5f, BELL, 0.3f);
    s.add(2.5, 3, 88, 0.4f, BELL, -0.3f);
    addpattern(s, "xxxxxxxx", 2, 1, 0.125, SHAKER, 0, 0.5f, 0.3f);
    s.add(2, 1, 0, 0.6f, KICK, 0);
    s.beats = 5;
    return master(s);
}

Buf failjingle() {
    Song s;
    s.bpm = 90; s.loop = false; s.tail = 2.5; s.seed = 9;
    int notes[] = {67, 65, 62, 59};
    for (int i = 0; i < 4; i++) s.add(i * 0.75, 0.7, notes[i], 0.7f, FLUTE, 0.1f);
    for (int m : {55, 58, 62}) s.add(3, 2.5, m, 0.6f, PADDARK, 0);
    s.add(3, 2.5, 43, 0.7f, SUBBASS, 0);
    s.add(3, 0, 43, 0.5f, TIMPANI, 0);
    s.beats = 4.5;
    return master(s);
}

}  // namespace

void generatemusic() {
    auto ps = plans();
    std::atomic<size_t> next{0};
    // two workers: the build machine has two cores and the pieces are independent
    auto work = [&]() {
        for (size_t i; (i = next++) < ps.size();) savemusic(master(compose(ps[i])), ps[i].file);
    };
    std::thread t(work);
    work();
    t.join();
    savemusic(winjingle(), "music/win.wav");
    savemusic(failjingle(), "music/fail.wav");
}

}  // namespace sg

AL_GENERATOR(soundtrack) { sg::generatemusic(); }
