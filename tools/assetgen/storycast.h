// The resident story characters (clownfish, shark, sponge, swordfish, crab,
// octopus), drawn by the routines of gen_story.cpp, for the other pictures
// that show them: every picture of a character comes from the same routine.
#pragma once

#include <cairo.h>

// Pose numbers of the character set.
enum StoryPose {
    POSE_NEUTRAL = 0, POSE_HAPPY = 1, POSE_TALK = 2, POSE_SURPRISED = 3, POSE_SAD = 4, POSE_ANGRY = 5,
    POSE_LAUGH = 6, POSE_THINK = 7, POSE_FIGHT = 8, POSE_WAVE = 9, POSE_SCARED = 10
};
enum StoryCharacter { CAST_CLOWNFISH = 1, CAST_SHARK, CAST_SPONGE, CAST_SWORDFISH, CAST_CRAB, CAST_OCTOPUS };

// Character k (1..6) in a pose, the middle of its 300 x 300 box at (x, y),
// scaled by s and mirrored when flip is set (the base pose faces right).
void storycastmember(cairo_t* cr, int k, int pose, double x, double y, double s, bool flip);
// A soft contact shadow on the ground, rx wide.
void storygroundshadow(cairo_t* cr, double x, double y, double rx);
