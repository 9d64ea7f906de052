#pragma once

#include <functional>

// An animation that must stay responsive between its frames (the other animation's
// ticks, the click that closes its window) waits here rather than in Pause, which
// blocks the window thread.
namespace platform {

// Lets window events run for about ms milliseconds; the thread sleeps while none is due.
void YieldFor(int ms);

// Makes every YieldFor under way return now, so waits nested inside one another
// unwind at once when the window they animate closes.
void EndYields();

using YieldHook = std::function<void(int ms)>;

// Replaces how a yield is carried out; an empty hook restores the real wait.
void SetYieldHook(YieldHook hook);

} // namespace platform
