#pragma once

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

// SDL2_mixer and the SDL under it, opened when the first sound is rather than
// when the program starts: their forty-odd libraries took a third as long to map
// as a whole bare Qt window takes to appear, and no sound is wanted before the
// table is on screen.
namespace basEffect {

struct MixerLibrary {
    decltype(&SDL_InitSubSystem) InitSubSystem;
    decltype(&SDL_QuitSubSystem) QuitSubSystem;
    decltype(&Mix_OpenAudio) OpenAudio;
    decltype(&Mix_CloseAudio) CloseAudio;
    decltype(&Mix_Quit) Quit;
    decltype(&Mix_AllocateChannels) AllocateChannels;
    decltype(&Mix_LoadWAV) LoadWAV;
    decltype(&Mix_LoadMUS) LoadMUS;
    decltype(&Mix_FreeChunk) FreeChunk;
    decltype(&Mix_FreeMusic) FreeMusic;
    decltype(&Mix_PlayChannel) PlayChannel;
    decltype(&Mix_PlayMusic) PlayMusic;
    decltype(&Mix_HaltChannel) HaltChannel;
    decltype(&Mix_HaltMusic) HaltMusic;
    decltype(&Mix_Playing) Playing;
    decltype(&Mix_PlayingMusic) PlayingMusic;
};

// Opens the libraries on the first call; null when they cannot be opened, and the
// game is then silent as on a machine without a sound device.
const MixerLibrary* OpenMixerLibrary();

// The libraries once opened; only for what exists because they were.
const MixerLibrary& Mixer();

} // namespace basEffect
