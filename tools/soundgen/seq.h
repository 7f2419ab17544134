// A small sequencer: notes placed in beats, rendered through the instruments
// into a stereo mix with chorus and reverb buses; plus the helpers the tracks
// are written with (scales, chords, drum patterns, a motif-based melody).
#pragma once

#include <string>
#include <vector>

#include "dsp.h"
#include "instruments.h"

namespace sg {

struct Note {
    double beat;   // start
    double len;    // held, in beats
    double pitch;  // MIDI number (fractional allowed)
    float vel;
    int inst;
    float pan;  // -1..1
};

struct Song {
    double bpm = 90;
    double beats = 0;   // length; for a loop, the exact loop length
    bool loop = true;
    double tail = 4.0;  // seconds rendered past the end (folded in for loops)
    double room = 0.82, damp = 0.35;
    float wet = 0.9f;
    std::uint32_t seed = 1;
    std::vector<Note> notes;

    double beatsecs() const { return 60.0 / bpm; }
    void add(double beat, double len, double pitch, float vel, int inst, float pan = 0) {
        notes.push_back({beat, len, pitch, vel, inst, pan});
    }
    // Interleaved stereo: loops folded to exactly `beats`, one-shots with their tail.
    Buf render() const;
};

// A mode as semitone steps from the root, and a pitch from a scale degree
// (degree 0 = root; any integer, octaves wrap).
struct Scale {
    int root;  // MIDI number of degree 0
    std::vector<int> steps;
    int pitch(int degree) const;
    // The nearest degree whose pitch is at or below a MIDI number.
    int degreeof(int midi) const;
};
extern const std::vector<int> MAJOR, MINOR, DORIAN, MIXOLYDIAN, LYDIAN, PHRYGDOM, PENTAMAJ;

// A chord as scale degrees (root, third, fifth, optional seventh).
std::vector<int> chorddegrees(int root, bool seventh);

// "x..x..x." style pattern, one character a step: x loud, o medium, . rest.
void addpattern(Song& s, const std::string& pat, double start, double bars, double stepbeats, int inst,
                double pitch, float vel, float pan, double barbeats = 4);

// Melody writer: makes a motif for a phrase and varies it over the chords,
// so tunes have repetition and a cadence instead of wandering.
struct MelodyStyle {
    int lo, hi;             // degree range
    double barbeats = 4;
    std::vector<std::vector<double>> rhythms;  // per bar: onsets in beats, last value = bar end marker ignored
    float vel = 0.8f;
    double legato = 0.9;    // share of the gap a note holds
};
// Writes `bars` bars starting at `start`, one chord root degree per bar.
// Phrases of four bars: motif, motif fitted to the new chords, answer, cadence.
void addmelody(Song& s, const Scale& sc, const std::vector<int>& chords, double start, const MelodyStyle& st,
               int inst, float pan, Rng& rng);

}  // namespace sg
