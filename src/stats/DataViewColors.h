#pragma once

#include <QColor>

// The statistics screen's colours: each row has a dim colour while it waits and a
// bright one once it is lit; the title's letters have their own.
namespace datacolor {
inline const QColor kBlack(0, 0, 0);
inline const QColor kTeal(0, 192, 192);
inline const QColor kDarkGreen(0, 128, 0);
inline const QColor kDarkGrey(64, 64, 64);
inline const QColor kOlive(128, 128, 0);
inline const QColor kGreen(0, 255, 0);
inline const QColor kWhite(255, 255, 255);
inline const QColor kYellow(255, 255, 0);
inline const QColor kCyan(0, 255, 255);
inline const QColor kPaleCyan(192, 255, 255);
inline const QColor kRed(255, 0, 0);
inline const QColor kBlue(0, 0, 255);
} // namespace datacolor
