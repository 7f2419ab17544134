// Screen 18: the story cutscene player, its building blocks (background,
// speech bubble, character) and the 21 scenes.
#pragma once

#include <string>

#include "present/resources.h"

constexpr int MAXSTORIES = 21;
constexpr int MAXSTORYLINES = 20;
constexpr int MAXCHARACTERS = 10;  // character pictures 1..10 may exist; 1..6 ship
constexpr int MAXPOSES = 10;       // poses 0..10
constexpr int MAXSTORYPROPS = 10;  // per-story pictures 1..10
constexpr int MAXSCENECUES = 16;

// The clocks and the closing sequence of the story being played.
struct StoryState {
    int aktstory = 0;
    int storytick = 0;  // frames since the start, frozen under a popup or the pause
    int texttick = 0;   // the text clock; clicks may advance it
    int texttime[MAXSTORYLINES + 1] = {};  // [0] = 100, [i] = end of line i
    int storyend = 0;   // 0 text running, 1..250 closing, 251 leaving
    int storyexit = 0;  // leave at the end of this frame
    int bubbleside = 0; // side of the next bubble: 0 automatic, 1 left, 2 mirrored
};
extern StoryState story;

// Private counters of the scenes; all zero at a story's start except where
// a scene says otherwise.
struct SceneState {
    // story 1: the sinking ship and the five question marks
    int sink = 0;
    int qstarted[6] = {};
    int qage[6] = {};
    float qx[6] = {}, qy[6] = {}, qvx[6] = {}, qvy[6] = {};
    // story 6: the sword's x, off the left edge until it flies in
    float scenepos = -150;
    // story 18: its endless sound is still to be started
    int sceneflag = 1;
    // one-shot cues of the scene being played (sounds, bursts): each fires on
    // the first frame its moment has come, even when a hurried line jumped
    // over the exact frame
    int cue[MAXSCENECUES + 1] = {};
    int blink = 0;      // story 4: frames left of the blowfish's blink
    int flicker = 0;    // stories 12..14: frames left of the lights' flicker
};
extern SceneState scene;

struct StoryImages {
    Img bubble = nullptr;  // resident, handle at the tail's tip (77, 165)
    // Characters [1..10][pose 0..10], each decoded when first drawn (a level
    // or a popup may show one pose of one) and released with the story's
    // pictures; tried marks a picture looked for, found or not.
    Img character[MAXCHARACTERS + 1][MAXPOSES + 1] = {};
    int charactertried[MAXCHARACTERS + 1][MAXPOSES + 1] = {};
    // Per story, released by deletestorystuff_dynamic.
    Img fg1 = nullptr, ship1 = nullptr, bgpart1 = nullptr, bgstrips1 = nullptr, question1 = nullptr;
    Img fg2 = nullptr;
    Img chars7 = nullptr;
    // The props of the other stories, in the order of their story's file
    // list (scene files name them), and the second background of 15 and 21.
    Img prop[MAXSTORYPROPS + 1] = {};
    Img bg2 = nullptr;
    int loadedstory = 0;  // story whose images are loaded, 0 none
};
extern StoryImages storyimg;

// ---- tables ------------------------------------------------------------------
int storylines(int n);          // N, the lines story n shows; 0 outside 1..21
int storychapter(int n);        // 1..4 for the chapter openers, 5 the ending, 0 plain
int storybgnumber(int n);       // background of story n
// Position of line i of story n (x depends on the canvas width).
void storylinepos(int n, int i, float& x, float& y);
// The side line i of story n is forced to (1 pointing left, 2 mirrored), 0 none.
int storylineside(int n, int i);
// The per-story pictures: their folder under "data\\story\\" and file names.
int storypropcount(int n);
std::string storypropfile(int n, int k);

// ---- the player ----------------------------------------------------------------
void inststory(int n);
void preparestory(int n);
void loadstorystuff_dynamic(int n);
void deletestorystuff_dynamic();
void showstory();
void firststoryrule();
void storytomap();  // the left button: leave to the map without the level
void storyskip();   // the right button: straight to the closing sequence
int linetime(const std::string& line);  // ticks a line stays
void loadstorybubble();  // resident; idempotent
Img storycharacterimg(int k, int pose);  // null outside 1..10 / 0..10 or without its file
void releasestorycharacters();
void resetstory();
// The music notes 1, 2 of story 3 for the effects (null in other stories).
Img storymusicnote(int n);

// ---- scene building blocks ------------------------------------------------------
std::string storyupper(const std::string& text);  // Latin-1 capitals
bool storypauseline(const std::string& text);
int bubbleside(float x);  // the side rule with the override
void storybubble(int i, float x, float y);
void storybg(float d, int wave);
void storycharacter(int k, float x, float y, int start, float f);
void storysceneend(int lastline);

// ---- scenes ------------------------------------------------------------------
void storyscene(int n);  // dispatches to the scene routine of story n
void storyscene1();
void storyscene2();
void storyscene7();
void storyscene11();
void storyscene16();
void storyscene17();
// the blowfish pass (3..6), the stone gate (8..10), the deep (12..15) and
// the robber crab's lair (18..21)
void storyscene3();
void storyscene4();
void storyscene5();
void storyscene6();
void storyscenestone(int n);   // 8, 9, 10
void storysceneangler(int n);  // 12, 13, 14
void storyscene15();
void storyscenecrab(int n);    // 18, 19, 20
void storyscene21();
