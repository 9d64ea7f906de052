#pragma once

#include "SuitShapes.h"

#include <QImage>
#include <QPainter>
#include <QString>

// What every card shares: the size, the rounded white face, the corner indices.
namespace assets {

// Three by four, large enough to stay sharp on a maximised table.
inline constexpr int kCardWidth = 250;
inline constexpr int kCardHeight = 333;

// A transparent picture holding the rounded card face in `face`.
QImage BlankCard(const QColor& face = Qt::white);

// A painter ready to draw on a card: antialiased, origin at the top left.
void PreparePainter(QPainter& painter);

void DrawSuit(QPainter& painter, Suit suit, QPointF centre, double size, bool upsideDown = false);

// Rank and suit in the top left corner and, turned around, in the bottom right.
void DrawCornerIndices(QPainter& painter, const QString& rank, Suit suit);

// Runs `draw` once as is and once turned half around the card's centre, as the
// two ends of a real card mirror each other.
template <typename Draw> void DrawBothEnds(QPainter& painter, Draw draw) {
    draw();
    painter.save();
    painter.translate(kCardWidth, kCardHeight);
    painter.rotate(180);
    draw();
    painter.restore();
}

// Bold serif from DejaVu, which every Debian desktop has; no condensed face is
// assumed, so a wide rank is squeezed to its box instead.
QFont RankFont(int pixelSize);
void DrawFittedText(QPainter& painter, const QRectF& box, const QString& text);

} // namespace assets
