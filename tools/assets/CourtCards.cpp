#include "CardArt.h"
#include "CardFrame.h"

namespace assets {
namespace {

// Each court rank has its own colour, so J, Q and K differ at a glance even
// before the letter is read.
struct CourtStyle {
    QColor strong;
    QColor tint;
};

CourtStyle StyleOf(int rank) {
    switch (rank) {
    case 11:
        return {QColor(32, 84, 176), QColor(224, 234, 252)};
    case 12:
        return {QColor(128, 52, 156), QColor(242, 228, 249)};
    default:
        return {QColor(196, 142, 18), QColor(253, 243, 208)};
    }
}

constexpr QRectF kPanel(50, 46, 150, 241);

QPainterPath Crown() {
    QPainterPath path;
    path.moveTo(-30, 12);
    path.lineTo(-33, -13);
    path.lineTo(-16, 1);
    path.lineTo(0, -19);
    path.lineTo(16, 1);
    path.lineTo(33, -13);
    path.lineTo(30, 12);
    path.closeSubpath();
    path.addRect(-30, 12, 60, 8);
    for (const QPointF tip : {QPointF(-33, -13), QPointF(0, -19), QPointF(33, -13)}) {
        path.addEllipse(tip, 4.5, 4.5);
    }
    return path;
}

QPainterPath Tiara() {
    QPainterPath path;
    path.moveTo(-30, 14);
    for (const double x : {-20.0, 0.0, 20.0}) {
        path.quadTo(x - 10, x == 0 ? -6 : 0, x, x == 0 ? -18 : -8);
        path.quadTo(x + 10, x == 0 ? -6 : 0, x + 10, 8);
    }
    path.lineTo(30, 14);
    path.quadTo(0, 8, -30, 14);
    path.closeSubpath();
    for (const double x : {-20.0, 0.0, 20.0}) {
        path.addEllipse(QPointF(x, x == 0 ? -21 : -11), 4, 4);
    }
    return path;
}

// A page's cap with a feather.
QPainterPath Cap() {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.moveTo(-24, 13);
    path.cubicTo(-24, -16, 24, -16, 24, 13);
    path.closeSubpath();
    path.addRoundedRect(-32, 9, 64, 10, 4, 4);
    path.moveTo(12, -4);
    path.cubicTo(18, -20, 34, -26, 44, -22);
    path.cubicTo(34, -16, 26, -8, 20, 2);
    path.closeSubpath();
    return path;
}

QPainterPath EmblemOf(int rank) {
    switch (rank) {
    case 11:
        return Cap();
    case 12:
        return Tiara();
    default:
        return Crown();
    }
}

void DrawEmblem(QPainter& painter, int rank, const CourtStyle& style) {
    painter.save();
    painter.translate(125, 72);
    painter.setPen(QPen(style.strong.darker(160), 1.5));
    QLinearGradient sheen(0, -24, 0, 20);
    sheen.setColorAt(0, style.strong.lighter(145));
    sheen.setColorAt(1, style.strong.darker(115));
    painter.setBrush(sheen);
    QPainterPath emblem = EmblemOf(rank);
    emblem.setFillRule(Qt::WindingFill);
    painter.drawPath(emblem.simplified());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawEllipse(QPointF(-12, 15), 2.5, 2.5);
    painter.drawEllipse(QPointF(0, 15), 2.5, 2.5);
    painter.drawEllipse(QPointF(12, 15), 2.5, 2.5);
    painter.restore();
}

void DrawPanel(QPainter& painter, const CourtStyle& style) {
    QLinearGradient shade(kPanel.topLeft(), kPanel.bottomLeft());
    shade.setColorAt(0, style.tint);
    shade.setColorAt(0.5, style.tint.lighter(104));
    shade.setColorAt(1, style.tint);
    painter.setPen(QPen(style.strong, 3));
    painter.setBrush(shade);
    painter.drawRoundedRect(kPanel, 7, 7);
    const QRectF inner = kPanel.adjusted(5, 5, -5, -5);
    painter.save();
    painter.setClipRect(inner);
    painter.setPen(QPen(style.tint.darker(107), 1));
    for (double x = inner.left() - inner.height(); x < inner.right(); x += 7) {
        painter.drawLine(QPointF(x, inner.bottom()), QPointF(x + inner.height(), inner.top()));
    }
    painter.restore();
    painter.setPen(QPen(style.strong, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(inner, 4, 4);
}

void DrawDivider(QPainter& painter, const CourtStyle& style, Suit suit) {
    const double middle = kPanel.center().y();
    painter.setPen(QPen(style.strong, 1.5));
    painter.drawLine(QPointF(kPanel.left() + 10, middle), QPointF(105, middle));
    painter.drawLine(QPointF(145, middle), QPointF(kPanel.right() - 10, middle));
    DrawSuit(painter, suit, {125, middle}, 26);
}

void DrawHalf(QPainter& painter, Suit suit, int rank, const CourtStyle& style) {
    DrawEmblem(painter, rank, style);
    painter.setFont(RankFont(56));
    painter.setPen(SuitColour(suit));
    painter.drawText(QRectF(kPanel.left(), 91, kPanel.width(), 50), Qt::AlignCenter,
                     RankText(rank));
    DrawSuit(painter, suit, {78, 116}, 22);
    DrawSuit(painter, suit, {172, 116}, 22);
}

} // namespace

QImage DrawCourtCard(Suit suit, int rank) {
    const CourtStyle style = StyleOf(rank);
    QImage card = BlankCard();
    QPainter painter(&card);
    PreparePainter(painter);
    DrawCornerIndices(painter, RankText(rank), suit);
    DrawPanel(painter, style);
    DrawBothEnds(painter, [&] { DrawHalf(painter, suit, rank, style); });
    DrawDivider(painter, style, suit);
    return card;
}

} // namespace assets
