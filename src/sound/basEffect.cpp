#include "sound/basEffect.h"

#include "config/basIniProc.h"
#include "platform/ProgramFolder.h"
#include "sound/AudioDevice.h"
#include "sound/MixerSound.h"

#include <map>
#include <set>
#include <utility>

namespace basEffect {
namespace {

std::map<std::string, MixerSound> openSounds;
SoundObserver soundObserver;
bool blnMuted = false;

void Report(const char* operation, const std::string& alias) {
    if (soundObserver) {
        soundObserver(operation, alias);
    }
}

const MixerSound* FindSound(const std::string& alias) {
    const auto found = openSounds.find(alias);
    return found == openSounds.end() ? nullptr : &found->second;
}

// Each alias keeps its own channel, so one sound never cuts another short.
int FreeChannel() {
    std::set<int> taken;
    for (const auto& [alias, sound] : openSounds) {
        taken.insert(sound.channel);
    }
    int channel = 0;
    while (taken.contains(channel)) {
        ++channel;
    }
    return channel;
}

void OpenSound(const std::string& path, const std::string& alias) {
    openSounds.erase(alias);
    if (!OpenAudioDevice()) {
        return;
    }
    const int channel = FreeChannel();
    ReserveChannels(channel + 1);
    auto sound = LoadMixerSound(platform::ToFilePath(path), channel);
    if (sound) {
        openSounds.emplace(alias, std::move(*sound));
    }
}

void CloseDeviceWhenIdle() {
    if (openSounds.empty()) {
        CloseAudioDevice();
    }
}

} // namespace

void SoundOpen(const std::string& path, const std::string& alias) {
    Report("SoundOpen", alias);
    OpenSound(path, alias);
}

void SoundClose(const std::string& alias) {
    Report("SoundClose", alias);
    if (openSounds.erase(alias) > 0) {
        CloseDeviceWhenIdle();
    }
}

void SoundPlay(const std::string& alias) {
    Report("SoundPlay", alias);
    const auto* sound = FindSound(alias);
    if (sound && !blnMuted) {
        PlayMixerSound(*sound);
    }
}

void SoundStop(const std::string& alias) {
    Report("SoundStop", alias);
    if (const auto* sound = FindSound(alias)) {
        StopMixerSound(*sound);
    }
}

void SoundPlayIfStopped(const std::string& alias) {
    Report("SoundPlayIfStopped", alias);
    const auto* sound = FindSound(alias);
    if (sound && !blnMuted && !MixerSoundPlaying(*sound)) {
        PlayMixerSound(*sound);
    }
}

void SoundOpenAll() {
    Report("SoundOpenAll", "");
    for (const char* alias : kGameAliases) {
        OpenSound(basIniProc::strAppPath + "sound" + basIniProc::GetIni("SOUND", alias), alias);
    }
}

void SoundCloseAll() {
    Report("SoundCloseAll", "");
    for (const char* alias : kGameAliases) {
        openSounds.erase(alias);
    }
    CloseDeviceWhenIdle();
}

void SetSoundMuted(bool muted) {
    blnMuted = muted;
    if (muted) {
        for (const auto& [alias, sound] : openSounds) {
            StopMixerSound(sound);
        }
    }
}

bool SoundMuted() {
    return blnMuted;
}

bool SoundIsPlaying(const std::string& alias) {
    const auto* sound = FindSound(alias);
    return sound && MixerSoundPlaying(*sound);
}

void SetSoundObserver(SoundObserver observer) {
    soundObserver = std::move(observer);
}

} // namespace basEffect
