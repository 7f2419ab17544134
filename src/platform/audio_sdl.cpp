// Sound effects and music through the mixer. A channel handle is
// (generation << 16) | (mixer channel + 1): every start on a mixer channel
// takes a new generation and a finished or halted channel is retired, so an
// old handle can never reach a later sound on the same mixer channel.
// Music is streamed from its file by the mixer's one music stream; its handle
// is (generation << 16) | kMusicSlot and only the newest one answers.
#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <atomic>
#include <cmath>
#include <cstdio>
#include <vector>

#include "platform/sdlshared.h"

namespace pf::detail {

namespace {

constexpr int kMaxChannels = 4096;
constexpr int kStartChannels = 32;

struct AudioState {
    bool open = false;
    int channels = 0;
    std::vector<std::int64_t> gen;  // generation now on each mixer channel
    std::int64_t nextgen = 1;
    std::int64_t musicgen = 0;  // generation of the music now on the stream
    Sound* music = nullptr;     // the streamed sound on it
};
AudioState au;
constexpr Channel kMusicSlot = 0xFFFE;
// Music and card sounds are each mastered close to full scale; together
// they would clip. Three decibels of headroom on the whole mix.
constexpr int kMaster = 90;
// Written from the mixer thread when the music ends.
std::atomic<bool> musicdone{true};

void SDLCALL onmusicdone() { musicdone.store(true); }

bool ismusic(Channel c) { return (c & 0xFFFF) == kMusicSlot; }
bool musiclive(Channel c) { return au.open && ismusic(c) && (c >> 16) == au.musicgen && !musicdone.load(); }
// Written from the mixer thread when a channel ends.
std::atomic<bool> retired[kMaxChannels];

void SDLCALL onfinished(int ch) {
    if (ch >= 0 && ch < kMaxChannels) retired[ch].store(true);
}

Channel encode(std::int64_t gen, int ch) { return (gen << 16) | Channel(ch + 1); }

// The mixer channel a live handle refers to, -1 when the handle is stale.
int decode(Channel c) {
    if (!au.open || c <= 0) return -1;
    int ch = int(c & 0xFFFF) - 1;
    std::int64_t gen = c >> 16;
    if (ch < 0 || ch >= au.channels || au.gen[size_t(ch)] != gen || retired[ch].load()) return -1;
    return ch;
}

// Stops the mixer thread for a moment, so that a cued sound is paused before
// it could mix a single sample.
struct AudioLock {
    std::vector<SDL_AudioDeviceID> held;
    AudioLock() {
        for (SDL_AudioDeviceID id = 1; id <= 8; id++)
            if (SDL_GetAudioDeviceStatus(id) != SDL_AUDIO_STOPPED) {
                SDL_LockAudioDevice(id);
                held.push_back(id);
            }
    }
    ~AudioLock() {
        for (auto id : held) SDL_UnlockAudioDevice(id);
    }
};

int freechannel() {
    for (int i = 0; i < au.channels; i++)
        if (!Mix_Playing(i)) return i;
    if (au.channels >= kMaxChannels) return -1;
    int more = std::min(kMaxChannels, au.channels * 2);
    int first = au.channels;
    au.channels = Mix_AllocateChannels(more);
    au.gen.resize(size_t(au.channels), 0);
    for (int i = first; i < au.channels; i++) retired[i].store(true);
    return first < au.channels ? first : -1;
}

}  // namespace

void startaudio() {
    au = AudioState{};
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    Mix_Init(MIX_INIT_OGG);
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    au.open = true;
    Mix_MasterVolume(kMaster);  // the chunks'; the music's volume applies it itself
    au.channels = Mix_AllocateChannels(kStartChannels);
    au.gen.assign(size_t(au.channels), 0);
    for (auto& r : retired) r.store(true);
    Mix_ChannelFinished(onfinished);
    musicdone.store(true);
    Mix_HookMusicFinished(onmusicdone);
}

void stopaudio() {
    if (!au.open) return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    Mix_HookMusicFinished(nullptr);
    Mix_ChannelFinished(nullptr);
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    au = AudioState{};
}

bool saudioavailable() { return au.open; }

Sound* sloadsound(const std::string& resolved, int flags) {
    Mix_Chunk* chunk = nullptr;
    Mix_Music* music = nullptr;
    if (au.open && (flags & SOUND_STREAM)) {
        music = Mix_LoadMUS(resolved.c_str());
        if (!music) return nullptr;
    } else if (au.open) {
        chunk = Mix_LoadWAV(resolved.c_str());
        if (!chunk) return nullptr;
    } else {
        // Without a device the sound cannot play anyway; it still counts as
        // loaded when the file is there, so nothing reports it missing.
        std::FILE* f = std::fopen(resolved.c_str(), "rb");
        if (!f) return nullptr;
        std::fclose(f);
    }
    auto* s = new Sound;
    s->flags = flags;
    s->chunk = chunk;
    s->music = music;
    return s;
}

void sfreesound(Sound* s) {
    if (s->music) {
        if (au.music == s) {
            Mix_HaltMusic();
            musicdone.store(true);
            au.music = nullptr;
        }
        Mix_FreeMusic(static_cast<Mix_Music*>(s->music));
    }
    if (s->chunk) Mix_FreeChunk(static_cast<Mix_Chunk*>(s->chunk));  // halts its channels first
    delete s;
}

Channel startmusic(Sound* s, bool cued) {
    std::int64_t gen = au.nextgen++;
    int loops = (s->flags & 1) ? -1 : 0;
    AudioLock lock;
    Mix_VolumeMusic(MIX_MAX_VOLUME * kMaster / MIX_MAX_VOLUME);
    if (Mix_PlayMusic(static_cast<Mix_Music*>(s->music), loops) < 0) {
        musicdone.store(true);
        au.music = nullptr;
        return 0;
    }
    if (cued) Mix_PauseMusic();
    au.musicgen = gen;
    au.music = s;
    musicdone.store(false);
    return (gen << 16) | kMusicSlot;
}

Channel sstartsound(Sound* s, bool cued) {
    if (au.open && s->music) return startmusic(s, cued);
    if (!au.open || !s->chunk) return 0;
    int ch = freechannel();
    if (ch < 0) return 0;
    std::int64_t gen = au.nextgen++;
    Mix_Volume(ch, MIX_MAX_VOLUME);
    Mix_SetPanning(ch, 255, 255);
    int loops = (s->flags & 1) ? -1 : 0;
    {
        AudioLock lock;
        au.gen[size_t(ch)] = gen;
        retired[ch].store(false);
        if (Mix_PlayChannel(ch, static_cast<Mix_Chunk*>(s->chunk), loops) < 0) {
            retired[ch].store(true);
            return 0;
        }
        if (cued) Mix_Pause(ch);
    }
    return encode(gen, ch);
}

// A placeholder: a handle no mixer channel will ever answer to.
Channel sallocchannel() { return (au.nextgen++ << 16) | 0xFFFF; }

void sstopchannel(Channel c) {
    if (ismusic(c)) {
        if (musiclive(c)) Mix_HaltMusic();
        if ((c >> 16) == au.musicgen) musicdone.store(true);
        return;
    }
    int ch = decode(c);
    if (ch < 0) return;
    Mix_HaltChannel(ch);
    retired[ch].store(true);
}

void spausechannel(Channel c) {
    if (ismusic(c)) {
        if (musiclive(c)) Mix_PauseMusic();
        return;
    }
    int ch = decode(c);
    if (ch >= 0) Mix_Pause(ch);
}

void sresumechannel(Channel c) {
    if (ismusic(c)) {
        if (musiclive(c)) Mix_ResumeMusic();
        return;
    }
    int ch = decode(c);
    if (ch >= 0) Mix_Resume(ch);
}

bool schannelplaying(Channel c) {
    if (ismusic(c)) return musiclive(c) && Mix_PlayingMusic() && !Mix_PausedMusic();
    int ch = decode(c);
    return ch >= 0 && Mix_Playing(ch) && !Mix_Paused(ch);
}

void ssetchannelvolume(Channel c, float v) {
    if (ismusic(c)) {
        if (musiclive(c)) Mix_VolumeMusic(int(std::lround(v * MIX_MAX_VOLUME * kMaster / MIX_MAX_VOLUME)));
        return;
    }
    int ch = decode(c);
    if (ch >= 0) Mix_Volume(ch, int(std::lround(v * MIX_MAX_VOLUME)));
}

void ssetchannelpan(Channel c, float p) {
    int ch = decode(c);
    if (ch < 0) return;
    int left = p > 0 ? int(std::lround(255.0f * (1.0f - p))) : 255;
    int right = p < 0 ? int(std::lround(255.0f * (1.0f + p))) : 255;
    Mix_SetPanning(ch, Uint8(left), Uint8(right));
}

}  // namespace pf::detail
