#include "platform/Pause.h"

#include <chrono>
#include <thread>
#include <utility>

namespace platform {
namespace {

PauseHook& Hook() {
    static PauseHook hook;
    return hook;
}

bool pausesCut = false;

} // namespace

void Pause(int ms) {
    if (pausesCut) {
        return;
    }
    if (Hook()) {
        Hook()(ms);
        return;
    }
    if (ms > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
}

void SetPausesCut(bool cut) {
    pausesCut = cut;
}

void SetPauseHook(PauseHook hook) {
    Hook() = std::move(hook);
}

} // namespace platform
