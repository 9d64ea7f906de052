#pragma once

#include <QFont>

// The table's one font face, chosen once: the Japanese fixed-pitch gothic the game
// was drawn with where it exists, else Debian's IPA Gothic, else any bold fixed
// font. Always bold.
QFont GameFont(double pointSize);

// Reading the machine's fonts costs as much as building the whole table; begun
// on a worker thread, it is done meanwhile, and GameFont waits for it if need be.
void StartChoosingGameFont();
