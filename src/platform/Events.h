#pragma once

#include <functional>

// Long operations let queued window events run at fixed points (each dealing
// attempt, each typed character, each counted coin). The rules know nothing of
// the toolkit, so the window installs what "let events run" means.
namespace platform {

void DoEvents();

using EventsHook = std::function<void()>;
void SetEventsHook(EventsHook hook);

} // namespace platform
