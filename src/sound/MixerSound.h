#pragma once

#include <SDL2/SDL_mixer.h>

#include <memory>
#include <optional>
#include <string>

// One opened sound: a decoded sample on its own mixer channel, or a MIDI file
// streamed as the mixer's single music.
namespace basEffect {

struct ChunkDeleter {
    void operator()(Mix_Chunk* chunk) const;
};
struct MusicDeleter {
    void operator()(Mix_Music* music) const;
};

struct MixerSound {
    std::unique_ptr<Mix_Chunk, ChunkDeleter> chunk;
    std::unique_ptr<Mix_Music, MusicDeleter> music;
    int channel = -1;
};

// Needs an open audio device; nothing when the file cannot be decoded.
std::optional<MixerSound> LoadMixerSound(const std::string& path, int channel);

void PlayMixerSound(const MixerSound& sound);
void StopMixerSound(const MixerSound& sound);
bool MixerSoundPlaying(const MixerSound& sound);

} // namespace basEffect
