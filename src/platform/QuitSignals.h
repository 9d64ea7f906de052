#pragma once

class QWidget;

namespace platform {

// SIGTERM (a shutdown), SIGINT (Ctrl+C) and SIGHUP (a logout) close the window as
// its close box would, so the game saves before it ends. The handler only wakes
// the event loop; the close itself runs there, never inside the handler.
void CloseOnQuitSignals(QWidget& window);

} // namespace platform
