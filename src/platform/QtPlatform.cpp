#include "platform/QtPlatform.h"

#include "platform/Events.h"
#include "platform/Pause.h"
#include "platform/QuitSignals.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <chrono>
#include <cmath>

namespace platform {
namespace {

QPointer<QWidget>& GameWindow() {
    static QPointer<QWidget> window;
    return window;
}

// A modal dialog that is open is the window that asked for the pause; otherwise
// it is the game's own.
QWidget* PausingWindow() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return GameWindow();
}

// A blocking wait would otherwise show nothing of what the game just set:
// labels and pictures change, then the table sits still for the pause. Only the
// updates that are pending are painted, so a pause costs what changed, not a
// repaint of the whole table.
void PaintPending(QWidget* window) {
    if (window != nullptr && window->isVisible()) {
        QCoreApplication::sendPostedEvents(window, QEvent::UpdateRequest);
    }
}

// A pause ends at its start plus its length, with its painting counted inside.
// Pauses that follow one another keep a beat: one that begins less than its length
// after the end of the one before starts at that end, so the work between two
// cards, letters or coins (and the sleep's own lateness) is counted inside the
// step instead of added to it.
void SleepOnBeat(int ms) {
    using Clock = std::chrono::steady_clock;
    static Clock::time_point lastEnd;
    const Clock::time_point now = Clock::now();
    const auto length = std::chrono::milliseconds(ms);
    const Clock::time_point end = (now - lastEnd < length ? lastEnd : now) + length;
    PaintPending(PausingWindow());
    // A quit signal ends the pause: the operation runs on to where it can close.
    lastEnd = SleepUnlessQuit(end) ? Clock::now() : end;
}

} // namespace

void SetGameWindow(QWidget* window) {
    GameWindow() = window;
}

void InstallQtSeams() {
    SetPauseHook(SleepOnBeat);
    SetEventsHook([] { QCoreApplication::processEvents(); });
}

double TwipsPerPixel() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

int TwipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips / TwipsPerPixel()));
}

double PixelsToTwips(int pixels) {
    return pixels * TwipsPerPixel();
}

QRect TwipsToPixels(double left, double top, double width, double height) {
    const int x = TwipsToPixels(left);
    const int y = TwipsToPixels(top);
    return {x, y, TwipsToPixels(left + width) - x, TwipsToPixels(top + height) - y};
}

} // namespace platform
