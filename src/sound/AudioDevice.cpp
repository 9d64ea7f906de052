#include "sound/AudioDevice.h"

#include "sound/MixerLibrary.h"

namespace basEffect {
namespace {

enum class DeviceState { Closed, Open, Failed };

DeviceState deviceState = DeviceState::Closed;

// Small enough that a coin sound follows its click at once, large enough that a
// busy window thread never starves the mixer.
constexpr int kChunkFrames = 1024;

DeviceState StartMixer() {
    const MixerLibrary* mixer = OpenMixerLibrary();
    if (mixer == nullptr || mixer->InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return DeviceState::Failed;
    }
    // When no device answers, SDL audio stays up until CloseAudioDevice: shutting
    // down ALSA waits for its device watcher, up to a tenth of a second, and that
    // wait belongs at exit, not at start-up.
    return mixer->OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, MIX_DEFAULT_CHANNELS,
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
        Mixer().CloseAudio();
        // Music decoders are loaded on demand by the first ".mid"; unload them too.
        Mixer().Quit();
    }
    // Never opened, the libraries are not loaded just to be told so.
    const MixerLibrary* mixer = deviceState == DeviceState::Closed ? nullptr : OpenMixerLibrary();
    if (mixer != nullptr) { // SDL lets a subsystem that never started quit too
        mixer->QuitSubSystem(SDL_INIT_AUDIO);
    }
    deviceState = DeviceState::Closed;
}

void ReserveChannels(int count) {
    if (Mixer().AllocateChannels(-1) < count) {
        Mixer().AllocateChannels(count);
    }
}

} // namespace basEffect
