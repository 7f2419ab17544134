// Shared plumbing of the asset generators: output folder, image and sound
// encoders, and the registry that lets each generator file add itself.
#pragma once

#include <cairo.h>

#include <string>
#include <vector>

namespace al {

void setoutroot(const std::string& dir);
const std::string& outroot();
// Full path of a file inside the data folder; creates its parent folders.
std::string out(const std::string& rel);

bool savepng(cairo_surface_t* s, const std::string& rel);
bool savejpg(cairo_surface_t* s, const std::string& rel, int quality = 90);
bool saveico(cairo_surface_t* s32, const std::string& rel);  // a 32 x 32 ARGB surface
bool savetext(const std::string& rel, const std::string& bytes);  // written byte for byte
// Interleaved float samples in -1..1.
bool saveogg(const std::vector<float>& samples, int channels, int rate, const std::string& rel, float quality = 0.4f);
bool savewav(const std::vector<float>& samples, int channels, int rate, const std::string& rel);

// A new ARGB surface cleared to transparent, and a context on it.
cairo_surface_t* newsurface(int w, int h);

using GenFn = void (*)();
int registergen(const char* name, GenFn fn);
// Runs the generators: argv[1] is the data folder, further arguments name
// generators to run (all when none). Returns the process exit code.
int runall(int argc, char** argv);
// A generator reports a failure here; runall then exits non-zero.
void fail(const std::string& what);

}  // namespace al

#define AL_GENERATOR(fn)                                   \
    static void fn();                                      \
    [[maybe_unused]] static int fn##_registered = al::registergen(#fn, fn); \
    static void fn()
