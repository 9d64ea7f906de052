#include "sound/MixerLibrary.h"

#include <dlfcn.h>
#include <optional>

namespace basEffect {
namespace {

template <typename Function> bool Find(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

std::optional<MixerLibrary> Load() {
    // The mixer's own dependencies include SDL, so one handle finds both.
    void* library = dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        return std::nullopt;
    }
    MixerLibrary mixer{};
    decltype(&SDL_SetHint) setHint = nullptr;
    const bool found = Find(library, "SDL_SetHint", setHint) &&
                       Find(library, "SDL_InitSubSystem", mixer.InitSubSystem) &&
                       Find(library, "SDL_QuitSubSystem", mixer.QuitSubSystem) &&
                       Find(library, "Mix_OpenAudio", mixer.OpenAudio) &&
                       Find(library, "Mix_CloseAudio", mixer.CloseAudio) &&
                       Find(library, "Mix_Quit", mixer.Quit) &&
                       Find(library, "Mix_AllocateChannels", mixer.AllocateChannels) &&
                       Find(library, "Mix_LoadWAV", mixer.LoadWAV) &&
                       Find(library, "Mix_LoadMUS", mixer.LoadMUS) &&
                       Find(library, "Mix_FreeChunk", mixer.FreeChunk) &&
                       Find(library, "Mix_FreeMusic", mixer.FreeMusic) &&
                       Find(library, "Mix_PlayChannel", mixer.PlayChannel) &&
                       Find(library, "Mix_PlayMusic", mixer.PlayMusic) &&
                       Find(library, "Mix_HaltChannel", mixer.HaltChannel) &&
                       Find(library, "Mix_HaltMusic", mixer.HaltMusic) &&
                       Find(library, "Mix_Playing", mixer.Playing) &&
                       Find(library, "Mix_PlayingMusic", mixer.PlayingMusic);
    if (!found) {
        dlclose(library);
        return std::nullopt;
    }
    // SIGTERM and SIGINT belong to the game, which saves before it quits; SDL's
    // own handlers would only queue a quit event that nobody reads.
    setHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    return mixer;
}

} // namespace

const MixerLibrary* OpenMixerLibrary() {
    static const std::optional<MixerLibrary> mixer = Load();
    return mixer ? &*mixer : nullptr;
}

const MixerLibrary& Mixer() {
    return *OpenMixerLibrary();
}

} // namespace basEffect
