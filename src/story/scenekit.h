// What the scene routines share: the numbers of each story's pictures (their
// place in the story's file list), the sounds and effect kinds they use, and
// small drawing helpers. Only the scene files include this.
#pragma once

#include "present/effectkinds.h"
#include "present/soundids.h"
#include "story/story.h"

// Pictures of stories 3..21, numbered as storypropfile lists them.
namespace prop3 {
enum { EYESHARKY = 1, EYECLOWNY, EYEBOBBY, NOTE1, NOTE2, REDPEARL };
}
namespace prop45 {
enum { SHARKY = 1, SHARKY2, CLOWNY, CLOWNY2, QUESTION, SHADOW, BLOWFISH, EYE1, EYE2, PLASTER };
}
namespace prop6 {
enum { CLOWNY = 1, SHARKY, SHELL, CRAB, OCTOPUS, SWORD1, SWORD2 };
}
namespace propstone {
enum { STONE1 = 1 };  // stones 1..6: STONE1 + stage - 1
}
namespace propangler {
enum { FISH = 1, LIGHT1, LIGHT2 };
}
namespace prop15 {
enum { COURIER1 = 1, COURIER2, CLOWNY, SHARKY, FARMY };
}
namespace propcrab {
enum { INK = 1, ROBBER, PIR1, PIR2, CHAIN1, CHAIN2, CHAIN3 };
}
namespace prop21 {
enum { INK = 1, ROBBER, CLOWNY, SHARKY, EGGS };
}

// The scenes' sounds and effects go by the shared names (soundids.h,
// effectkinds.h); story sounds are the STORYSND_ ones.
constexpr int EFF_GLOWSTAR1 = EFF_GLOWSTAR + 1;  // the first glow star of its range

// Character pictures of the resident set: [character][pose].
constexpr int CHAR_CLOWNY = 1, CHAR_SHARKY = 2, CHAR_SWORDFISH = 4;
constexpr int POSE_NEUTRAL = 0, POSE_HAPPY = 1, POSE_TALK = 2, POSE_ANGRY = 5, POSE_FIGHT = 8, POSE_SCARED = 10;

// The clocks run: no popup, no pause. Counters of the scenes move only then.
bool sceneclocks();
// The speech bubbles of lines 1..N of story n with their forced sides, then
// the scene's end once the last line has run out.
void scenelines(int n);
// Cue k (1..MAXSCENECUES) fires once, on the first frame with texttick >= t.
bool scenecue(int k, int t);
// Prop k of the story being played at (x, y), scaled (a negative sx
// mirrors it), with its own alpha and rotation; the draw state is back to
// alpha 1, scale 1, rotation 0 afterwards.
void drawprop(int k, float x, float y, float sx = 1, float sy = 1, float alpha = 1, float rot = 0);
// A resident character picture drawn the same way.
void drawcast(int k, int pose, float x, float y, float sx, float alpha = 1);
// 0 before t0, 1 after t0 + len, eased in and out between.
float sceneramp(int t0, int len);
// Frames the text clock has run since t, 0 before it.
int since(int t);
