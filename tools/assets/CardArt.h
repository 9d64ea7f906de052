#pragma once

#include "SuitShapes.h"

#include <QImage>

// The game's own pack: 52 faces, the joker and the back.
namespace assets {

// rank 1 is the ace, 11 to 13 jack, queen, king.
QImage DrawFace(Suit suit, int rank);
QImage DrawPipCard(Suit suit, int rank);
QImage DrawCourtCard(Suit suit, int rank);
QImage DrawJoker();
QImage DrawBack();

QString RankText(int rank);

} // namespace assets
