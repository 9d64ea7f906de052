#pragma once

#include <functional>

// Every pacing wait of the game goes through Pause, so a reader finds each one
// by searching for it and tests can record or shorten them in one place.
namespace platform {

// Blocks the window thread for ms milliseconds. Input is not handled meanwhile,
// but what was set just before is painted first. The real pause keeps a beat:
// one that follows another at once is counted from where that one ended.
void Pause(int ms);

// While cut, every pause returns at once: a quit that waits for a deal or a count
// lets the rest of it run without its pacing.
void SetPausesCut(bool cut);

using PauseHook = std::function<void(int ms)>;

// Replaces how a pause is carried out; an empty hook restores the plain sleep.
void SetPauseHook(PauseHook hook);

} // namespace platform
