// The 81 sound effects and the story sounds, one recipe each.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "assetlib.h"
#include "fxkit.h"
#include "report.h"

namespace sg {
namespace {

using Recipe = std::function<void(Fx&)>;
struct Effect {
    const char* file;
    double seconds;
    Recipe make;
};

// Notes by name for the musical stings.
constexpr double C5 = 523.25, D5 = 587.33, E5 = 659.26, G5 = 783.99, A5 = 880.0, B5 = 987.77;
constexpr double C6 = 1046.5, D6 = 1174.7, E6 = 1318.5, G6 = 1568.0, A6 = 1760.0, C7 = 2093.0;

void cardflick(Fx& f, double t, float a) {
    f.noise(t, 0.05, HIGHPASS, 3000, 3000, 0.7, 0.0005, 0.008, a);
    f.noise(t + 0.005, 0.12, BANDPASS, 1500, 4500, 1.0, 0.01, 0.03, a * 0.8f);
}

void cardplace(Fx& f, double t, float a) {
    f.noise(t, 0.08, LOWPASS, 900, 500, 0.8, 0.001, 0.018, a * 1.6f);
    f.click(t, 2500, a * 0.5f);
    f.tone(t, 0.06, 160, 110, SINE, 0.001, 0.015, a * 0.5f);
}

void bark(Fx& f, double t, double pitch, float a) {
    f.noise(t, 0.05, BANDPASS, 900, 600, 1.0, 0.002, 0.02, a * 0.8f);
    f.voice(t + 0.01, 0.16, pitch * 1.3, pitch, 600, 1100, 2600, 0.6, 0.3, a);
}

void laugh(Fx& f, double t, int n, double pitch, double step, double fm1, double fm2, float a) {
    for (int k = 0; k < n; k++) {
        double p = pitch * std::pow(0.96, k);
        f.voice(t + k * step, step * 0.7, p * 1.08, p, fm1, fm2, 2700, 0.1, 0.8, a * float(1.0 - 0.08 * k));
    }
}

void growl(Fx& f, double t, double dur, double pitch, float a) {
    f.voice(t, dur, pitch, pitch * 0.8, 400, 900, 2400, 1.0, 0.2, a);
    f.noise(t, dur, LOWPASS, 300, 200, 0.8, 0.1, dur, a * 0.5f);
}

void chimeup(Fx& f, double t, std::initializer_list<double> notes, double gap, float a) {
    int k = 0;
    for (double n : notes) f.bell(t + gap * k++, n, a, 0.35);
}

void stonedebris(Fx& f, double t, double dur, float a) { f.crackle(t, dur, 40, 300, 3000, a, dur * 0.4); }

std::vector<Effect> effects() {
    return {
        {"doublesuns.ogg", 1.3, [](Fx& f) {
             f.tone(0, 1.0, 660, 1320, SINE, 0.3, 0.4, 0.3f);
             f.tone(0, 1.0, 990, 1980, SINE, 0.3, 0.4, 0.2f);
             f.sparkle(0.05, 0.9, 18, 2500, 7000, 0.35f);
             chimeup(f, 0.1, {E6, G6, C7}, 0.12, 0.3f);
         }},
        {"cash2-1.ogg", 0.5, [](Fx& f) { f.coin(0, 2093, 0.6f); f.coin(0.07, 2637, 0.5f); }},
        {"newlevel.ogg", 1.3, [](Fx& f) {
             f.bubble(0, 500, 0.12, 0.8f);
             f.noise(0, 0.06, HIGHPASS, 2000, 2000, 0.7, 0.001, 0.01, 0.4f);
             chimeup(f, 0.08, {C6, E6, G6, C7}, 0.09, 0.4f);
         }},
        {"shells2.ogg", 0.4, [](Fx& f) {
             f.noise(0, 0.06, BANDPASS, 1600, 1400, 4.0, 0.0005, 0.012, 1.0f);
             f.noise(0.07, 0.06, BANDPASS, 2400, 2100, 4.0, 0.0005, 0.01, 0.8f);
             f.tone(0, 0.05, 900, 800, SINE, 0.0005, 0.01, 0.3f);
         }},
        {"turnup.ogg", 0.35, [](Fx& f) {
             f.noise(0, 0.3, BANDPASS, 600, 3500, 1.5, 0.12, 0.08, 0.8f);
             f.tone(0.02, 0.2, 420, 840, SINE, 0.02, 0.08, 0.35f);
         }},
        {"turndown.ogg", 0.35, [](Fx& f) {
             f.noise(0, 0.3, BANDPASS, 3500, 600, 1.5, 0.05, 0.1, 0.8f);
             f.tone(0.02, 0.2, 840, 420, SINE, 0.02, 0.08, 0.35f);
         }},
        {"cash2-2.ogg", 0.6, [](Fx& f) { f.coin(0, 1760, 0.6f); f.coin(0.06, 2349, 0.5f); f.coin(0.12, 2793, 0.4f); }},
        {"lamplight.ogg", 1.5, [](Fx& f) {
             f.tone(0, 1.4, 220, 224, SINE, 0.5, 0.6, 0.5f);
             f.tone(0, 1.4, 330, 333, SINE, 0.5, 0.6, 0.3f);
             f.noise(0, 1.2, BANDPASS, 1200, 2400, 2, 0.4, 0.4, 0.15f);
             f.bell(0.35, A6, 0.35f, 0.5);
         }},
        {"shells1.ogg", 0.7, [](Fx& f) {
             // the creak of a hinge: a train of tiny ticks that slows down
             double t = 0;
             for (int k = 0; t < 0.55; k++) {
                 f.noise(t, 0.02, BANDPASS, 1200 + 200 * std::sin(k * 0.7), 1100, 6, 0.0003, 0.004, 0.7f);
                 t += 0.012 + 0.0006 * k;
             }
             f.noise(0, 0.6, BANDPASS, 700, 500, 3, 0.1, 0.3, 0.15f);
         }},
        {"failure.ogg", 0.55, [](Fx& f) {
             f.tone(0, 0.18, 160, 150, SQUARE, 0.005, 0.2, 0.35f);
             f.tone(0.22, 0.28, 150, 120, SQUARE, 0.005, 0.25, 0.35f);
             f.lowpass(1600);
         }},
        {"gamebutt1.ogg", 0.15, [](Fx& f) {
             f.tone(0, 0.1, 720, 480, SINE, 0.001, 0.03, 0.7f);
             f.click(0, 3000, 0.3f);
         }},
        {"spongistart.ogg", 0.7, [](Fx& f) {
             f.voice(0, 0.35, 260, 420, 500, 1500, 2500, 0.2, 0.1, 0.35f);
             f.noise(0, 0.4, LOWPASS, 500, 1500, 3, 0.02, 0.15, 0.5f);
             f.bubble(0.3, 420, 0.12, 0.5f);
             f.bubble(0.42, 600, 0.1, 0.4f);
         }},
        {"click.ogg", 0.08, [](Fx& f) {
             f.click(0, 3200, 0.6f);
             f.tone(0, 0.04, 1300, 1100, SINE, 0.0005, 0.012, 0.5f);
         }},
        {"crab1.ogg", 0.6, [](Fx& f) {
             for (int k = 0; k < 6; k++) f.noise(k * 0.07 + 0.01 * (k % 2), 0.03, BANDPASS, 2800 - 150 * (k % 3), 2500, 8, 0.0003, 0.006, 0.9f);
         }},
        {"cash.ogg", 1.0, [](Fx& f) {
             f.noise(0, 0.08, HIGHPASS, 4000, 4000, 0.7, 0.001, 0.02, 0.3f);
             for (int k = 0; k < 9; k++) f.coin(0.03 + k * 0.055 + 0.02 * f.rng.uni(), 1800 + 2500 * f.rng.uni(), 0.4f);
         }},
        {"dog1.ogg", 2.0, [](Fx& f) {  // loops in a story scene: two barks and a rest
             bark(f, 0.05, 260, 0.8f);
             bark(f, 0.4, 240, 0.7f);
         }},
        {"schwertifight.ogg", 1.0, [](Fx& f) {
             for (int k = 0; k < 3; k++) f.noise(k * 0.22, 0.2, BANDPASS, 700, 3500, 2, 0.08, 0.06, 0.7f);
             f.ping(0.66, 2400, 0.5f, 0.25);
             f.ping(0.66, 3100, 0.3f, 0.2);
         }},
        {"schwertilaugh.ogg", 1.3, [](Fx& f) { laugh(f, 0, 5, 170, 0.2, 750, 1200, 0.7f); }},
        {"schwertistart.ogg", 0.7, [](Fx& f) {
             f.noise(0, 0.55, BANDPASS, 400, 2800, 2.5, 0.2, 0.15, 0.9f);
             f.bubble(0.35, 500, 0.1, 0.3f);
             f.bubble(0.45, 650, 0.1, 0.25f);
         }},
        {"casino-fail.ogg", 1.4, [](Fx& f) {
             f.voice(0, 0.35, 196, 185, 600, 1000, 2500, 0.0, 0.0, 0.6f);
             f.voice(0.4, 0.85, 175, 155, 500, 900, 2400, 0.2, 0.0, 0.6f);
         }},
        {"casino-openshell.ogg", 0.6, [](Fx& f) {
             f.noise(0, 0.05, BANDPASS, 1100, 900, 5, 0.0005, 0.012, 0.9f);
             f.noise(0.02, 0.45, BANDPASS, 500, 1800, 1.5, 0.1, 0.15, 0.4f);
             f.sparkle(0.2, 0.3, 4, 3000, 6000, 0.2f);
         }},
        {"plantparts.ogg", 0.45, [](Fx& f) {
             f.noise(0, 0.02, HIGHPASS, 5000, 5000, 1, 0.0003, 0.004, 0.8f);
             f.noise(0.035, 0.02, HIGHPASS, 4500, 4500, 1, 0.0003, 0.004, 0.7f);
             f.crackle(0.04, 0.3, 60, 2000, 6000, 0.25f, 0.12);
         }},
        {"electric.ogg", 0.9, [](Fx& f) {
             f.tone(0, 0.85, 100, 96, SAW, 0.01, 0.5, 0.35f);
             f.tone(0, 0.85, 150, 148, SQUARE, 0.01, 0.4, 0.15f);
             f.crackle(0, 0.8, 50, 2000, 8000, 0.4f, 0.5);
         }},
        {"spongiclean.ogg", 1.1, [](Fx& f) {
             for (int k = 0; k < 8; k++) f.noise(k * 0.125, 0.12, BANDPASS, k % 2 ? 2200 : 1600, k % 2 ? 1800 : 2000, 2, 0.03, 0.05, 0.7f);
             f.tone(0.2, 0.08, 2600, 3000, SINE, 0.01, 0.03, 0.15f);
             f.tone(0.7, 0.08, 2800, 3200, SINE, 0.01, 0.03, 0.15f);
         }},
        {"spongilaugh.ogg", 1.0, [](Fx& f) { laugh(f, 0, 5, 360, 0.16, 350, 2300, 0.6f); }},
        {"logoappear.ogg", 2.0, [](Fx& f) {
             f.noise(0, 1.0, BANDPASS, 300, 2500, 1.5, 0.6, 0.3, 0.4f);
             f.tone(0, 1.8, 65, 65, SINE, 0.6, 0.6, 0.6f);
             chimeup(f, 0.5, {C6, E6, G6, B5 * 2, D6 * 2}, 0.08, 0.35f);
             f.sparkle(0.6, 1.0, 16, 3000, 8000, 0.25f);
         }},
        {"lose.ogg", 1.5, [](Fx& f) {
             f.tone(0, 0.3, C5, C5, TRI, 0.01, 0.3, 0.5f);
             f.tone(0.3, 0.3, 466.2, 466.2, TRI, 0.01, 0.3, 0.5f);
             f.tone(0.6, 0.8, 392, 370, TRI, 0.01, 0.5, 0.5f);
         }},
        {"card-stable.ogg", 0.22, [](Fx& f) { cardflick(f, 0, 0.7f); }},
        {"card-column.ogg", 0.2, [](Fx& f) { cardplace(f, 0, 0.8f); }},
        {"card-columnspecial.ogg", 0.55, [](Fx& f) { cardplace(f, 0, 0.8f); f.sparkle(0.03, 0.3, 5, 3000, 7000, 0.3f); }},
        {"card-takeout.ogg", 0.15, [](Fx& f) { f.noise(0, 0.12, BANDPASS, 2000, 5000, 1.2, 0.02, 0.03, 0.8f); }},
        {"levelselection.ogg", 0.45, [](Fx& f) { f.bubble(0, 500, 0.1, 0.6f); f.pluck(0.03, C6, 0.5f); }},
        {"extracardselection.ogg", 0.6, [](Fx& f) { f.pluck(0, E6, 0.4f); f.bell(0.08, A6, 0.35f, 0.25); }},
        {"casino-closeshell.ogg", 0.5, [](Fx& f) {
             f.noise(0, 0.3, BANDPASS, 1800, 500, 1.5, 0.1, 0.1, 0.4f);
             f.noise(0.3, 0.06, BANDPASS, 900, 800, 5, 0.0005, 0.015, 1.0f);
         }},
        {"casino-swapshell.ogg", 0.4, [](Fx& f) {
             f.noise(0, 0.3, LOWPASS, 800, 1200, 1, 0.12, 0.1, 0.6f);
             f.noise(0.26, 0.05, BANDPASS, 1000, 1000, 5, 0.0005, 0.01, 0.5f);
         }},
        {"casino-curtain.ogg", 1.4, [](Fx& f) {
             f.noise(0, 1.3, BANDPASS, 1200, 1800, 1.2, 0.4, 0.6, 0.6f);
             f.crackle(0.1, 1.0, 40, 1500, 4000, 0.15f, 0.6);
         }},
        {"inkfight.ogg", 0.8, [](Fx& f) {
             f.noise(0, 0.4, LOWPASS, 3000, 400, 2, 0.005, 0.15, 0.8f);
             for (int k = 0; k < 5; k++) f.bubble(0.15 + k * 0.08, 250 + 60 * k, 0.1, 0.4f);
         }},
        {"fishdown.ogg", 0.8, [](Fx& f) {
             f.tone(0, 0.6, 1200, 300, SINE, 0.01, 0.35, 0.5f);
             f.bubble(0.5, 300, 0.15, 0.5f);
         }},
        {"randomextra1.ogg", 1.2, [](Fx& f) {
             double t = 0, gap = 0.03;
             for (int k = 0; k < 14; k++, t += gap, gap *= 1.12) f.click(t, 2500 + 300 * (k % 3), 0.5f);
             f.bell(t + 0.02, E6, 0.5f, 0.35);
         }},
        {"bfgslap.ogg", 0.35, [](Fx& f) {
             f.noise(0, 0.08, HIGHPASS, 1500, 1500, 0.7, 0.0003, 0.02, 1.0f);
             f.noise(0, 0.12, BANDPASS, 900, 700, 1.5, 0.0005, 0.04, 0.8f);
             f.tone(0, 0.15, 110, 60, SINE, 0.001, 0.05, 0.6f);
         }},
        {"loading.ogg", 1.6, [](Fx& f) {
             for (double n : {293.7, 440.0, 587.3}) f.tone(0, 1.5, n, n, SINE, 0.4, 0.5, 0.25f);
             f.noise(0, 1.0, BANDPASS, 400, 1600, 1.5, 0.4, 0.3, 0.2f);
             for (int k = 0; k < 4; k++) f.bubble(0.3 + k * 0.17, 450 + 90 * k, 0.1, 0.3f);
         }},
        {"growl.ogg", 1.4, [](Fx& f) { growl(f, 0, 1.3, 75, 0.8f); }},
        {"newitem.ogg", 0.9, [](Fx& f) { chimeup(f, 0, {G5, D6}, 0.1, 0.5f); f.sparkle(0.15, 0.4, 6, 3000, 7000, 0.25f); }},
        {"winpoints.ogg", 1.0, [](Fx& f) {
             for (int k = 0; k < 10; k++) f.pluck(k * 0.06, 1000 + 90 * k, 0.3f);
             f.bell(0.65, C7, 0.4f, 0.3);
         }},
        {"dog2.ogg", 0.8, [](Fx& f) { bark(f, 0, 220, 0.8f); bark(f, 0.3, 200, 0.75f); }},
        {"clearedcolumn.ogg", 1.1, [](Fx& f) {
             f.noise(0, 0.3, BANDPASS, 800, 4000, 1.5, 0.1, 0.1, 0.3f);
             chimeup(f, 0.05, {C6, E6, G6, C7}, 0.06, 0.4f);
         }},
        {"glitter.ogg", 1.0, [](Fx& f) { f.sparkle(0, 0.8, 20, 3000, 9000, 0.4f); }},
        {"turnallup.ogg", 1.1, [](Fx& f) {
             for (int k = 0; k < 8; k++) cardflick(f, k * 0.06, 0.5f);
             chimeup(f, 0.5, {G5, C6, E6}, 0.08, 0.35f);
         }},
        {"longdrive.ogg", 1.2, [](Fx& f) {
             f.noise(0, 0.5, BANDPASS, 500, 3000, 1.5, 0.2, 0.2, 0.35f);
             double n[] = {C5, D5, E5, G5, A5, C6};
             for (int k = 0; k < 6; k++) f.pluck(0.05 + k * 0.07, n[k], 0.45f);
         }},
        {"select.ogg", 0.5, [](Fx& f) { f.pluck(0, D5, 0.5f); f.pluck(0.09, A5, 0.5f); }},
        {"killedboss.ogg", 2.2, [](Fx& f) {
             f.noise(0, 0.8, LOWPASS, 2000, 150, 1, 0.003, 0.3, 1.0f);
             f.tone(0, 0.8, 90, 40, SINE, 0.002, 0.3, 0.7f);
             stonedebris(f, 0.1, 0.6, 0.3f);
             chimeup(f, 0.7, {C5, E5, G5, C6}, 0.1, 0.45f);
             f.sparkle(1.1, 0.8, 10, 3000, 8000, 0.25f);
         }},
        {"winstar1.ogg", 0.9, [](Fx& f) { f.bell(0, G5, 0.5f, 0.4); f.sparkle(0.05, 0.4, 5, 3000, 7000, 0.2f); }},
        {"winstar2.ogg", 1.0, [](Fx& f) { f.bell(0, B5, 0.45f, 0.4); f.bell(0.06, D6, 0.4f, 0.4); f.sparkle(0.05, 0.5, 7, 3000, 8000, 0.22f); }},
        {"winstar3.ogg", 1.3, [](Fx& f) {
             chimeup(f, 0, {G5, B5, D6, G6}, 0.05, 0.4f);
             f.sparkle(0.05, 0.8, 12, 3000, 9000, 0.25f);
         }},
        {"earnplant.ogg", 1.3, [](Fx& f) {
             double n[] = {C5, E5, G5, A5, C6, E6, G6, A6};
             for (int k = 0; k < 8; k++) f.pluck(k * 0.05, n[k], 0.35f);
             f.sparkle(0.3, 0.7, 8, 4000, 9000, 0.2f);
         }},
        {"winstrike.ogg", 1.3, [](Fx& f) {
             for (double n : {C5, E5, G5, C6}) f.tone(0, 0.9, n, n, SAW, 0.02, 0.35, 0.15f);
             f.lowpass(3500);
             f.noise(0, 0.9, HIGHPASS, 6000, 6000, 0.7, 0.005, 0.3, 0.25f);
         }},
        {"blowdown.ogg", 1.1, [](Fx& f) {
             f.tone(0, 0.9, 900, 200, SINE, 0.02, 0.5, 0.35f);
             f.noise(0, 1.0, BANDPASS, 2500, 500, 2, 0.05, 0.45, 0.5f);
         }},
        {"dog3.ogg", 0.4, [](Fx& f) { f.voice(0, 0.25, 620, 420, 700, 1400, 2800, 0.3, 0.4, 0.8f); }},
        {"hit.ogg", 0.35, [](Fx& f) {
             f.tone(0, 0.25, 120, 55, SINE, 0.001, 0.07, 0.9f);
             f.noise(0, 0.08, BANDPASS, 1200, 600, 1, 0.0005, 0.02, 0.7f);
         }},
        {"finish.ogg", 1.6, [](Fx& f) {
             double n[] = {C5, D5, E5, G5, A5, C6, D6, E6};
             for (int k = 0; k < 8; k++) f.pluck(k * 0.05, n[k], 0.35f);
             for (double m : {C6, E6, G6}) f.bell(0.45, m, 0.3f, 0.5);
         }},
        {"blubber.ogg", 0.2, [](Fx& f) { f.bubble(0, 700, 0.1, 0.8f); }},
        {"blubber2.ogg", 0.4, [](Fx& f) { f.bubble(0, 600, 0.09, 0.6f); f.bubble(0.08, 820, 0.08, 0.5f); f.bubble(0.15, 520, 0.1, 0.5f); }},
        {"blubber3.ogg", 0.25, [](Fx& f) { f.bubble(0, 380, 0.15, 0.9f); f.noise(0.1, 0.03, HIGHPASS, 3000, 3000, 0.7, 0.001, 0.006, 0.2f); }},
        {"chain.ogg", 1.0, [](Fx& f) {
             for (int k = 0; k < 18; k++) {
                 double t = 0.8 * k / 18 + 0.02 * f.rng.uni();
                 f.ping(t, 1500 + 1500 * f.rng.uni(), 0.35f, 0.05);
                 f.click(t, 4000, 0.2f);
             }
         }},
        {"trophywin.ogg", 2.2, [](Fx& f) {
             double n[] = {C5, E5, G5};
             for (int k = 0; k < 3; k++) f.tone(k * 0.14, 0.14, n[k], n[k], SAW, 0.01, 0.2, 0.22f);
             for (double m : {C5, E5, G5, C6}) f.tone(0.42, 1.2, m, m, SAW, 0.03, 0.6, 0.13f);
             f.lowpass(3000);
             f.bell(0.42, C7, 0.35f, 0.6);
             f.sparkle(0.45, 1.2, 14, 3500, 9000, 0.25f);
         }},
        {"pointsstar.ogg", 0.45, [](Fx& f) { f.ping(0, 2637, 0.5f, 0.15); f.ping(0.06, 1976, 0.45f, 0.2); }},
        {"fishtask.ogg", 0.7, [](Fx& f) { f.bubble(0, 450, 0.1, 0.6f); f.bell(0.07, E6, 0.45f, 0.3); }},
        {"freefish.ogg", 0.7, [](Fx& f) {
             f.noise(0, 0.35, BANDPASS, 800, 3000, 1.5, 0.08, 0.1, 0.5f);
             f.bubble(0.2, 500, 0.1, 0.5f);
             f.bubble(0.3, 700, 0.1, 0.4f);
         }},
        {"buyhint.ogg", 0.7, [](Fx& f) { f.bell(0, A5, 0.4f, 0.3); f.coin(0.12, 2349, 0.4f); }},
        {"octopus1.ogg", 0.9, [](Fx& f) {
             f.voice(0, 0.6, 140, 90, 350, 800, 2200, 0.5, 0.3, 0.5f);
             f.noise(0, 0.7, LOWPASS, 400, 1500, 4, 0.05, 0.25, 0.5f);
         }},
        {"octopus2.ogg", 0.9, [](Fx& f) {
             for (int k = 0; k < 3; k++) f.tone(k * 0.18, 0.16, 180 + 40 * k, 320 + 40 * k, SINE, 0.01, 0.06, 0.6f);
             f.noise(0, 0.6, LOWPASS, 600, 300, 3, 0.05, 0.25, 0.4f);
         }},
        {"clownyfight.ogg", 0.55, [](Fx& f) {
             f.tone(0, 0.4, 2000, 100, SAW, 0.002, 0.15, 0.4f);
             f.noise(0, 0.2, HIGHPASS, 3000, 3000, 0.7, 0.001, 0.05, 0.3f);
         }},
        {"sharkyfight.ogg", 0.85, [](Fx& f) {
             f.noise(0, 0.4, LOWPASS, 1200, 200, 1, 0.002, 0.15, 1.0f);
             f.tone(0, 0.5, 80, 45, SINE, 0.002, 0.2, 0.7f);
             f.noise(0.25, 0.05, BANDPASS, 1800, 1500, 5, 0.0005, 0.01, 0.8f);
             f.noise(0.45, 0.05, BANDPASS, 1700, 1400, 5, 0.0005, 0.01, 0.7f);
         }},
        {"crab2.ogg", 0.15, [](Fx& f) {
             f.noise(0, 0.03, BANDPASS, 3000, 2700, 8, 0.0003, 0.006, 1.0f);
             f.noise(0.035, 0.03, BANDPASS, 2600, 2400, 8, 0.0003, 0.006, 0.8f);
         }},
        {"bosshit.ogg", 0.8, [](Fx& f) {
             f.tone(0, 0.5, 90, 40, SINE, 0.001, 0.15, 1.0f);
             f.noise(0, 0.15, BANDPASS, 2500, 800, 1, 0.0005, 0.04, 0.7f);
             f.ping(0, 700, 0.2f, 0.3);
         }},
        {"stonebreak.ogg", 1.6, [](Fx& f) {
             f.noise(0, 0.05, HIGHPASS, 2000, 2000, 0.7, 0.0003, 0.01, 0.9f);
             f.tone(0, 0.7, 70, 35, SINE, 0.002, 0.25, 0.8f);
             f.rumble(0, 1.0, 150, 0.5f, 0.2);
             stonedebris(f, 0.05, 1.3, 0.5f);
         }},
        {"stonecrack.ogg", 0.55, [](Fx& f) {
             f.noise(0, 0.04, HIGHPASS, 2500, 2500, 0.7, 0.0002, 0.006, 1.0f);
             f.crackle(0.01, 0.35, 60, 1500, 6000, 0.5f, 0.12);
         }},
        {"stonerumble1.ogg", 1.6, [](Fx& f) { f.rumble(0, 1.55, 120, 0.9f, 0.5); }},
        {"stonerumble2.ogg", 2.3, [](Fx& f) { f.rumble(0, 2.25, 100, 0.9f, 0.7); f.crackle(0.2, 1.8, 12, 400, 2000, 0.15f, 1.0); }},
        {"newmission.ogg", 2.6, [](Fx& f) {
             f.bell(0, 110, 0.7f, 1.2);
             f.bell(0, 165, 0.4f, 1.0);
             f.tone(0, 2.4, 55, 55, SINE, 0.05, 1.0, 0.4f);
             f.sparkle(0.3, 1.5, 10, 2500, 6000, 0.15f);
         }},
        {"lightupshopbutton.ogg", 0.7, [](Fx& f) {
             double n[] = {E6, G6, A6, C7};
             for (int k = 0; k < 4; k++) f.ping(k * 0.07, n[k], 0.3f, 0.12);
         }},
    };
}

std::vector<Effect> storysounds() {
    return {
        {"introstory_mmh.ogg", 1.1, [](Fx& f) {
             f.voice(0, 0.9, 150, 185, 280, 2200, 2900, 0.0, 0.0, 0.7f);
             f.lowpass(1200);
         }},
        {"introstory_eat.ogg", 1.3, [](Fx& f) {
             for (int k = 0; k < 3; k++) {
                 double t = k * 0.35;
                 f.tone(t, 0.15, 110, 70, SINE, 0.002, 0.05, 0.7f);
                 f.noise(t, 0.2, BANDPASS, 1500, 700, 1.5, 0.005, 0.06, 0.7f);
                 f.crackle(t + 0.02, 0.15, 60, 1500, 4000, 0.25f, 0.1);
             }
         }},
        {"introstory_growl1.ogg", 1.3, [](Fx& f) { growl(f, 0, 1.2, 85, 0.8f); }},
        {"introstory_growl2.ogg", 1.9, [](Fx& f) { growl(f, 0, 1.8, 62, 0.9f); }},
        {"introstory_breath.ogg", 2.3, [](Fx& f) {
             f.noise(0, 0.9, BANDPASS, 600, 1200, 1.2, 0.6, 0.3, 0.6f);
             f.noise(1.0, 1.2, BANDPASS, 1000, 400, 1.2, 0.1, 0.5, 0.6f);
         }},
        {"introstory_drama.ogg", 2.8, [](Fx& f) {
             f.tone(0, 0.15, 73.4, 70, SINE, 0.003, 0.6, 0.9f);
             f.noise(0, 0.1, LOWPASS, 500, 300, 0.7, 0.002, 0.05, 0.4f);
             for (double n : {146.8, 174.6, 220.0, 293.7}) f.tone(0.05, 2.5, n, n, SAW, 0.08, 1.1, 0.14f);
             f.lowpass(1800);
         }},
        {"rumble1.ogg", 1.4, [](Fx& f) { f.rumble(0, 1.35, 110, 0.9f, 0.4); }},
        {"rumble2.ogg", 1.8, [](Fx& f) { f.rumble(0, 1.75, 90, 0.9f, 0.6); }},
        {"rumble3.ogg", 2.2, [](Fx& f) { f.rumble(0, 2.15, 140, 0.9f, 0.5); f.crackle(0.3, 1.5, 10, 300, 1500, 0.15f, 1.0); }},
        {"rumble4.ogg", 1.2, [](Fx& f) { f.rumble(0, 1.15, 160, 0.9f, 0.3); }},
        {"blowup.ogg", 1.6, [](Fx& f) {
             f.noise(0, 1.4, BANDPASS, 250, 1200, 2, 0.8, 0.4, 0.6f);
             f.tone(0.2, 1.2, 200, 900, SINE, 0.5, 0.4, 0.25f);
             f.voice(1.2, 0.2, 500, 700, 400, 1800, 2600, 0.1, 0.0, 0.3f);
         }},
        {"swordrace1.ogg", 1.1, [](Fx& f) {
             f.noise(0, 0.5, BANDPASS, 500, 3000, 2.5, 0.4, 0.2, 0.7f);
             f.noise(0.5, 0.5, BANDPASS, 3000, 600, 2.5, 0.02, 0.25, 0.7f);
             f.tone(0.3, 0.5, 1800, 1200, SINE, 0.2, 0.2, 0.1f);
         }},
        {"swordrace2.ogg", 1.3, [](Fx& f) {
             f.noise(0, 0.06, HIGHPASS, 2000, 2000, 0.7, 0.0003, 0.01, 0.8f);
             f.ping(0, 620, 0.6f, 0.6);
             f.ping(0, 1370, 0.3f, 0.4);
         }},
        {"rumble5.ogg", 2.5, [](Fx& f) { f.rumble(0, 2.45, 80, 0.9f, 0.6); stonedebris(f, 0.5, 1.5, 0.2f); }},
        {"rumble6.ogg", 1.6, [](Fx& f) { f.rumble(0, 1.55, 130, 0.9f, 0.7); }},
        {"finish.ogg", 1.8, [](Fx& f) {
             double n[] = {G5, A5, B5, D6, E6, G6};
             for (int k = 0; k < 6; k++) f.pluck(k * 0.06, n[k], 0.35f);
             for (double m : {G5, B5, D6}) f.bell(0.4, m, 0.3f, 0.6);
         }},
        {"stone.ogg", 1.1, [](Fx& f) {
             f.tone(0, 0.4, 80, 45, SINE, 0.002, 0.15, 0.9f);
             f.noise(0.05, 0.9, LOWPASS, 700, 300, 1, 0.1, 0.4, 0.5f);
             f.crackle(0.05, 0.8, 30, 500, 2500, 0.2f, 0.4);
         }},
        {"boat1.ogg", 2.1, [](Fx& f) {
             for (int k = 0; k < 36; k++) f.tone(k * 0.055, 0.05, 70, 60, SQUARE, 0.002, 0.02, 0.3f);
             f.lowpass(600);
             f.noise(0, 2.0, LOWPASS, 500, 800, 1, 0.5, 1.0, 0.3f);
         }},
        {"splash.ogg", 1.1, [](Fx& f) {
             f.noise(0, 0.5, LOWPASS, 5000, 600, 1, 0.003, 0.15, 0.9f);
             for (int k = 0; k < 8; k++) f.bubble(0.1 + 0.08 * k + 0.03 * f.rng.uni(), 300 + 400 * f.rng.uni(), 0.1, 0.35f);
         }},
    };
}

std::string lower(std::string s) {
    for (char& c : s) c = char(std::tolower((unsigned char)c));
    return s;
}

void render(const std::vector<Effect>& list, const std::string& folder, std::uint32_t seed0) {
    std::uint32_t seed = seed0;
    for (const Effect& e : list) {
        Fx f(e.seconds, ++seed * 2654435761u);
        e.make(f);
        std::string name = lower(e.file);
        if (name == "dog1.ogg") saveloopeffect(f.b, folder + name);  // plays looped: keep its rest
        else saveeffect(f.b, folder + name);
    }
}

}  // namespace

}  // namespace sg

AL_GENERATOR(soundeffects) { sg::render(sg::effects(), "sound/", 100); }
AL_GENERATOR(storysounds) { sg::render(sg::storysounds(), "sound/story/", 500); }
