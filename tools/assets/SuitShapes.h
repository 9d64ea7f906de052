#pragma once

#include <QColor>
#include <QPainterPath>

// Suits drawn as outlines rather than font glyphs, which a machine may lack.
namespace assets {

enum class Suit { Club, Diamond, Heart, Spade };

// The suit's outline centred on (0, 0) and fitting a 1 x 1 box, point up.
QPainterPath SuitPath(Suit suit);

QColor SuitColour(Suit suit);

// A five-pointed star, point up: the joker's mark.
QPainterPath Star(QPointF centre, double outer, double inner);

} // namespace assets
