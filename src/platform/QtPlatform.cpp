#include "platform/QtPlatform.h"

#include "platform/Events.h"
#include "platform/Pause.h"

#include <QApplication>
#include <QScreen>
#include <QThread>
#include <QWidget>
#include <cmath>

namespace platform {
namespace {

// A blocking wait would otherwise show nothing of what the game just set:
// labels and pictures change, then the table sits still for the pause.
void PaintPending() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            window->repaint();
        }
    }
}

} // namespace

void InstallQtSeams() {
    SetPauseHook([](int ms) {
        PaintPending();
        if (ms > 0) {
            QThread::msleep(static_cast<unsigned long>(ms));
        }
    });
    SetEventsHook([] { QCoreApplication::processEvents(); });
}

double TwipsPerPixel() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

int TwipsToPixels(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixel())); }

double PixelsToTwips(int pixels) { return pixels * TwipsPerPixel(); }

QRect TwipsToPixels(double left, double top, double width, double height) {
    const int x = TwipsToPixels(left);
    const int y = TwipsToPixels(top);
    return {x, y, TwipsToPixels(left + width) - x, TwipsToPixels(top + height) - y};
}

} // namespace platform
