#pragma once

#include <chrono>

class QWidget;

namespace platform {

// SIGTERM (a shutdown), SIGINT (Ctrl+C) and SIGHUP (a logout) close the window as
// its close box would, so the game saves before it ends. The handler only wakes
// the event loop; the close itself runs there, never inside the handler.

// Caught from the first line of main: a signal before the window exists waits
// until the window can close, instead of ending the program unsaved.
void CatchQuitSignals();

// From now on a quit signal closes the window, one that came earlier included.
void CloseOnQuitSignals(QWidget& window);

// Sleeps until `until`, or less once a quit signal is waiting; true then.
bool SleepUnlessQuit(std::chrono::steady_clock::time_point until);

} // namespace platform
