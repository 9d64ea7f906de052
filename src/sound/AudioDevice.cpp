#include "sound/AudioDevice.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

namespace basEffect {
namespace {

enum class DeviceState { Closed, Open, Failed };

DeviceState deviceState = DeviceState::Closed;

// Small enough that a coin sound follows its click at once, large enough that a
// busy window thread never starves the mixer.
constexpr int kChunkFrames = 1024;

DeviceState StartMixer() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return DeviceState::Failed;
    }
    // When no device answers, SDL audio stays up until CloseAudioDevice: shutting
    // down ALSA waits for its device watcher, up to a tenth of a second, and that
    // wait belongs at exit, not at start-up.
    return Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, MIX_DEFAULT_CHANNELS,
                         kChunkFrames) == 0
               ? DeviceState::Open
               : DeviceState::Failed;
}

} // namespace

bool OpenAudioDevice() {
    if (deviceState == DeviceState::Closed) {
        deviceState = StartMixer();
    }
    return deviceState == DeviceState::Open;
}

void CloseAudioDevice() {
    if (deviceState == DeviceState::Open) {
        Mix_CloseAudio();
        // Music decoders are loaded on demand by the first ".mid"; unload them too.
        Mix_Quit();
    }
    if (SDL_WasInit(SDL_INIT_AUDIO) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    deviceState = DeviceState::Closed;
}

void ReserveChannels(int count) {
    if (Mix_AllocateChannels(-1) < count) {
        Mix_AllocateChannels(count);
    }
}

} // namespace basEffect
