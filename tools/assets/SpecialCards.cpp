#include "CardArt.h"
#include "CardFrame.h"

#include <QPainterPath>
#include <array>
#include <cmath>

namespace assets {
namespace {

const QColor kGold(226, 184, 64);
const QColor kDeepGreen(0, 92, 0);
const QColor kTableGreen(0, 128, 0);

void DrawSunburst(QPainter& painter) {
    const QPointF centre(kCardWidth / 2.0, 150);
    const std::array<QColor, 4> rays{QColor(255, 226, 226), QColor(255, 246, 204),
                                     QColor(220, 244, 224), QColor(222, 232, 255)};
    painter.setPen(Qt::NoPen);
    constexpr int kRays = 24;
    for (int i = 0; i < kRays; ++i) {
        painter.setBrush(rays[static_cast<std::size_t>(i) % rays.size()]);
        painter.drawPie(QRectF(centre.x() - 200, centre.y() - 200, 400, 400), i * 5760 / kRays,
                        5760 / kRays);
    }
}

QPainterPath Horn(QPointF base1, QPointF base2, QPointF tip, QPointF bend) {
    QPainterPath horn;
    horn.moveTo(base1);
    horn.quadTo(bend, tip);
    horn.quadTo((bend + base2) / 2 + QPointF(0, 10), base2);
    horn.closeSubpath();
    return horn;
}

void DrawJesterHat(QPainter& painter) {
    painter.save();
    painter.translate(125, 118);
    struct Point {
        QPainterPath horn;
        QColor colour;
        QPointF bell;
    };
    const std::array<Point, 3> horns{{
        {Horn({-42, 22}, {-8, 18}, {-70, -36}, {-46, -30}), QColor(210, 30, 40), {-70, -36}},
        {Horn({26, 18}, {42, 22}, {70, -36}, {46, -30}), QColor(40, 90, 200), {70, -36}},
        {Horn({-18, 20}, {18, 20}, {0, -62}, {-8, -20}), QColor(30, 150, 60), {0, -62}},
    }};
    painter.setPen(QPen(QColor(40, 30, 30), 1.5));
    for (const Point& point : horns) {
        painter.setBrush(point.colour);
        painter.drawPath(point.horn);
    }
    painter.setBrush(kGold);
    for (const Point& point : horns) {
        painter.drawEllipse(point.bell, 8, 8);
    }
    painter.drawRoundedRect(QRectF(-46, 16, 92, 14), 6, 6);
    painter.restore();
}

void DrawGrin(QPainter& painter) {
    const QPointF face(125, 172);
    painter.setPen(QPen(QColor(60, 40, 30), 1.5));
    painter.setBrush(QColor(255, 226, 196));
    painter.drawEllipse(face, 36, 38);
    painter.setBrush(QColor(40, 30, 30));
    painter.drawEllipse(face + QPointF(-13, -8), 4, 5);
    painter.drawEllipse(face + QPointF(13, -8), 4, 5);
    painter.setBrush(QColor(230, 60, 70));
    painter.drawEllipse(face + QPointF(0, 4), 6, 6);
    painter.setPen(QPen(QColor(170, 30, 40), 3, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(face.x() - 20, face.y() - 2, 40, 24), 200 * 16, 140 * 16);
}

void DrawWord(QPainter& painter) {
    const std::array<QColor, 5> colours{QColor(210, 30, 40), QColor(230, 140, 0),
                                        QColor(30, 150, 60), QColor(40, 90, 200),
                                        QColor(140, 50, 170)};
    const QString word = "JOKER";
    painter.setFont(RankFont(38));
    const double step = 34;
    for (int i = 0; i < word.size(); ++i) {
        painter.setPen(colours[static_cast<std::size_t>(i)]);
        painter.drawText(QRectF(125 - step * 2.5 + step * i, 236, step, 48), Qt::AlignCenter,
                         word.mid(i, 1));
    }
}

void DrawJokerIndices(QPainter& painter) {
    DrawBothEnds(painter, [&] {
        painter.setFont(RankFont(17));
        painter.setPen(QColor(210, 30, 40));
        const QString word = "JOKER";
        for (int i = 0; i < word.size(); ++i) {
            painter.drawText(QRectF(8, 8 + 17 * i, 26, 18), Qt::AlignCenter, word.mid(i, 1));
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(kGold.darker(110));
        painter.drawPath(Star({21, 105}, 10, 4.5));
    });
}

void DrawLattice(QPainter& painter, const QRectF& area) {
    painter.save();
    QPainterPath clip;
    clip.addRoundedRect(area, 8, 8);
    painter.setClipPath(clip);
    painter.fillRect(area, kDeepGreen);
    painter.setPen(QPen(kTableGreen.lighter(130), 1.4));
    constexpr double kPitch = 16;
    for (double d = -kCardHeight; d < kCardWidth + kCardHeight; d += kPitch) {
        painter.drawLine(QPointF(d, 0), QPointF(d + kCardHeight, kCardHeight));
        painter.drawLine(QPointF(d, kCardHeight), QPointF(d + kCardHeight, 0));
    }
    painter.restore();
}

void DrawBackEmblem(QPainter& painter) {
    const QPointF centre(kCardWidth / 2.0, kCardHeight / 2.0);
    painter.setPen(QPen(kGold, 3));
    painter.setBrush(kDeepGreen.darker(115));
    painter.drawEllipse(centre, 62, 82);
    painter.setPen(QPen(kGold, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 55, 75);
    const std::array<std::pair<Suit, QPointF>, 4> suits{{
        {Suit::Spade, {0, -40}},
        {Suit::Heart, {-30, 0}},
        {Suit::Diamond, {30, 0}},
        {Suit::Club, {0, 40}},
    }};
    for (const auto& [suit, offset] : suits) {
        painter.save();
        painter.translate(centre + offset);
        painter.scale(30, 30);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kGold);
        painter.drawPath(SuitPath(suit));
        painter.restore();
    }
}

} // namespace

QImage DrawJoker() {
    QImage card = BlankCard();
    QPainter painter(&card);
    PreparePainter(painter);
    QPainterPath face;
    face.addRoundedRect(QRectF(40, 12, 170, 309), 10, 10);
    painter.save();
    painter.setClipPath(face);
    DrawSunburst(painter);
    painter.restore();
    painter.setPen(QPen(QColor(230, 140, 0), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(face);
    DrawJokerIndices(painter);
    DrawGrin(painter);
    DrawJesterHat(painter);
    DrawWord(painter);
    return card;
}

QImage DrawBack() {
    QImage card = BlankCard();
    QPainter painter(&card);
    PreparePainter(painter);
    const QRectF field(11, 11, kCardWidth - 22, kCardHeight - 22);
    DrawLattice(painter, field);
    painter.setPen(QPen(kGold, 2.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(field, 8, 8);
    painter.setPen(QPen(kGold, 1));
    painter.drawRoundedRect(field.adjusted(6, 6, -6, -6), 5, 5);
    DrawBackEmblem(painter);
    return card;
}

} // namespace assets
