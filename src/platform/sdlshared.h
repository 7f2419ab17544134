// State shared by the SDL backend's video and audio halves.
#pragma once

#include <SDL2/SDL.h>

#include <string>
#include <unordered_set>

#include "platform/internal.h"

namespace pf::detail {

struct SdlState {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    unsigned rendergen = 1;              // bumped whenever all textures become invalid
    std::unordered_set<Image*> textured;  // images holding a texture of this renderer
    bool forcesoftware = false;
    int gpu = -1;                         // -1 not known yet, 0 none (or a CPU-emulated GL), 1 a real GPU
    bool softrender = false;              // the renderer in use is SDL's software one
    std::string glrenderer;               // what the GL driver called itself
    int vsync = -1;
    SDL_Rect clip{};
    bool clipvalid = false;
    // Everything is drawn 1:1 into this canvas of the logical size; presenting
    // scales it once into the window. Drawing straight into a scaled window
    // leaves seams between the background's 4-pixel strips.
    SDL_Texture* canvas = nullptr;
    int canvasw = 0, canvash = 0;
    bool canvasnearest = false;
    std::string title;
    std::string iconpath;
};
extern SdlState sdl;

void pumpsdl();
void startaudio();
void stopaudio();
bool saudioavailable();
Sound* sloadsound(const std::string& resolved, int flags);
void sfreesound(Sound* s);
Channel sstartsound(Sound* s, bool cued);
Channel sallocchannel();
void sstopchannel(Channel c);
void spausechannel(Channel c);
void sresumechannel(Channel c);
bool schannelplaying(Channel c);
void ssetchannelvolume(Channel c, float v);
void ssetchannelpan(Channel c, float p);

}  // namespace pf::detail
