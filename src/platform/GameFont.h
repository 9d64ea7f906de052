#pragma once

#include <QFont>

// The table's one font face, chosen once: the Japanese fixed-pitch gothic the game
// was drawn with where it exists, else Debian's IPA Gothic, else any bold fixed
// font. Always bold.
QFont GameFont(double pointSize);
