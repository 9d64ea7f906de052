#include "CardFrame.h"

#include <QFontMetricsF>
#include <algorithm>

namespace assets {
namespace {

constexpr double kCornerRadius = 15;

} // namespace

QImage BlankCard(const QColor& face) {
    QImage card(kCardWidth, kCardHeight, QImage::Format_ARGB32_Premultiplied);
    card.fill(Qt::transparent);
    QPainter painter(&card);
    PreparePainter(painter);
    const QRectF outline(0.75, 0.75, kCardWidth - 1.5, kCardHeight - 1.5);
    painter.setPen(QPen(QColor(110, 110, 110), 1.5));
    painter.setBrush(face);
    painter.drawRoundedRect(outline, kCornerRadius, kCornerRadius);
    return card;
}

void PreparePainter(QPainter& painter) {
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
}

void DrawSuit(QPainter& painter, Suit suit, QPointF centre, double size, bool upsideDown) {
    painter.save();
    painter.translate(centre);
    painter.scale(size, size);
    if (upsideDown) {
        painter.rotate(180);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(SuitColour(suit));
    painter.drawPath(SuitPath(suit));
    painter.restore();
}

QFont RankFont(int pixelSize) {
    QFont font("DejaVu Serif");
    font.setStyleHint(QFont::Serif);
    font.setBold(true);
    font.setPixelSize(pixelSize);
    return font;
}

void DrawFittedText(QPainter& painter, const QRectF& box, const QString& text) {
    const double width = QFontMetricsF(painter.font()).horizontalAdvance(text);
    const double squeeze = std::min(1.0, box.width() / width);
    painter.save();
    painter.translate(box.center());
    painter.scale(squeeze, 1);
    painter.drawText(QRectF(-width / 2, -box.height() / 2, width, box.height()), Qt::AlignCenter,
                     text);
    painter.restore();
}

void DrawCornerIndices(QPainter& painter, const QString& rank, Suit suit) {
    DrawBothEnds(painter, [&] {
        painter.setFont(RankFont(34));
        painter.setPen(SuitColour(suit));
        DrawFittedText(painter, QRectF(5, 8, 40, 38), rank);
        DrawSuit(painter, suit, {25, 60}, 24);
    });
}

} // namespace assets
