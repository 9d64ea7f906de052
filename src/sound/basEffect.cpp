#include "sound/basEffect.h"

#include <utility>

// Placeholder until the mixer lands: reports calls, plays nothing.
namespace basEffect {
namespace {

SoundObserver& Observer() {
    static SoundObserver observer;
    return observer;
}

void Report(const char* operation, const std::string& alias) {
    if (Observer()) {
        Observer()(operation, alias);
    }
}

} // namespace

void SoundOpen(const std::string&, const std::string& alias) { Report("SoundOpen", alias); }
void SoundClose(const std::string& alias) { Report("SoundClose", alias); }
void SoundPlay(const std::string& alias) { Report("SoundPlay", alias); }
void SoundStop(const std::string& alias) { Report("SoundStop", alias); }
void SoundPlayIfStopped(const std::string& alias) { Report("SoundPlayIfStopped", alias); }
void SoundOpenAll() {}
void SoundCloseAll() {}
void SetSoundObserver(SoundObserver observer) { Observer() = std::move(observer); }

} // namespace basEffect
