#pragma once

#include <QRect>

class QWidget;

// The toolkit's side of the seams in Pause.h and Events.h, and the one place where
// the game's layout unit (1/1440 inch, "twips") becomes pixels.
namespace platform {

// Installs the real pause (paint what is pending, then sleep) and the real
// "let events run" (one pass of the event queue).
void InstallQtSeams();

// The window a pause paints, unless a modal dialog asked for the pause.
void SetGameWindow(QWidget* window);

// Twips per pixel at the primary screen's logical DPI: 15 at 96 DPI.
double TwipsPerPixel();

// Nearest device pixel, as the toolkit places a control.
int TwipsToPixels(double twips);
double PixelsToTwips(int pixels);
QRect TwipsToPixels(double left, double top, double width, double height);

} // namespace platform
