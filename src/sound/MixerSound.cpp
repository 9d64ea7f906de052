#include "sound/MixerSound.h"

#include "sound/MixerLibrary.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>

namespace basEffect {
namespace {

// The mixer plays one music at a time and cannot say which; remember it.
Mix_Music* musicOnAir = nullptr;

bool IsMidiFile(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    constexpr std::array<const char*, 3> kMidiExtensions{".mid", ".midi", ".rmi"};
    return std::find(kMidiExtensions.begin(), kMidiExtensions.end(), extension) !=
           kMidiExtensions.end();
}

// Room for minutes of the longest fanfare, yet a file far past it is no sound the
// game should hold in memory whole.
constexpr std::uintmax_t kMaxSoundBytes = 64 * 1024 * 1024;

// Plain files only: a folder opens as a stream that fails only when read, and
// opening a pipe or a device would block the game or never end.
bool IsSoundSized(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) &&
           std::filesystem::file_size(path, error) <= kMaxSoundBytes && !error;
}

} // namespace

void ChunkDeleter::operator()(Mix_Chunk* chunk) const {
    Mixer().FreeChunk(chunk);
}

void MusicDeleter::operator()(Mix_Music* music) const {
    if (music == musicOnAir) {
        musicOnAir = nullptr;
    }
    Mixer().FreeMusic(music);
}

std::optional<MixerSound> LoadMixerSound(const std::string& path, int channel) {
    if (!IsSoundSized(path)) {
        return std::nullopt;
    }
    MixerSound sound;
    if (IsMidiFile(path)) {
        sound.music.reset(Mixer().LoadMUS(path.c_str()));
    } else {
        sound.chunk.reset(Mixer().LoadWAV(path.c_str()));
        sound.channel = channel;
    }
    if (!sound.chunk && !sound.music) {
        return std::nullopt;
    }
    return sound;
}

void PlayMixerSound(const MixerSound& sound) {
    if (sound.music) {
        if (Mixer().PlayMusic(sound.music.get(), 0) == 0) {
            musicOnAir = sound.music.get();
        }
    } else {
        Mixer().PlayChannel(sound.channel, sound.chunk.get(), 0);
    }
}

void StopMixerSound(const MixerSound& sound) {
    if (sound.music) {
        if (MixerSoundPlaying(sound)) {
            Mixer().HaltMusic();
        }
    } else {
        Mixer().HaltChannel(sound.channel);
    }
}

bool MixerSoundPlaying(const MixerSound& sound) {
    if (sound.music) {
        return sound.music.get() == musicOnAir && Mixer().PlayingMusic() != 0;
    }
    return Mixer().Playing(sound.channel) != 0;
}

} // namespace basEffect
