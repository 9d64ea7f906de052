#include "SuitShapes.h"

#include <QTransform>
#include <cmath>

namespace assets {
namespace {

// Qt's boolean path operations flatten curves with a fixed tolerance, far too
// coarse for a shape one unit wide: unite at a large scale, then shrink back.
QPainterPath Unite(std::initializer_list<QPainterPath> parts) {
    constexpr double kScale = 1000;
    const QTransform up = QTransform::fromScale(kScale, kScale);
    QPainterPath whole;
    for (const QPainterPath& part : parts) {
        whole = whole.united(up.map(part));
    }
    return QTransform::fromScale(1 / kScale, 1 / kScale).map(whole.simplified());
}

QPainterPath Heart() {
    QPainterPath path;
    path.moveTo(0, 0.5);
    path.cubicTo(-0.12, 0.32, -0.5, 0.12, -0.5, -0.16);
    path.cubicTo(-0.5, -0.42, -0.2, -0.55, 0, -0.3);
    path.cubicTo(0.2, -0.55, 0.5, -0.42, 0.5, -0.16);
    path.cubicTo(0.5, 0.12, 0.12, 0.32, 0, 0.5);
    return path;
}

QPainterPath Diamond() {
    QPainterPath path;
    path.moveTo(0, -0.5);
    path.quadTo(0.16, -0.2, 0.38, 0);
    path.quadTo(0.16, 0.2, 0, 0.5);
    path.quadTo(-0.16, 0.2, -0.38, 0);
    path.quadTo(-0.16, -0.2, 0, -0.5);
    return path;
}

// The flared foot shared by club and spade.
QPainterPath Stem() {
    QPainterPath path;
    path.moveTo(-0.05, 0.08);
    path.quadTo(-0.04, 0.38, -0.2, 0.5);
    path.lineTo(0.2, 0.5);
    path.quadTo(0.04, 0.38, 0.05, 0.08);
    path.closeSubpath();
    return path;
}

QPainterPath Spade() {
    QPainterPath leaf;
    leaf.moveTo(0, -0.5);
    leaf.cubicTo(0.12, -0.33, 0.48, -0.16, 0.48, 0.1);
    leaf.cubicTo(0.48, 0.34, 0.2, 0.42, 0.02, 0.22);
    leaf.lineTo(-0.02, 0.22);
    leaf.cubicTo(-0.2, 0.42, -0.48, 0.34, -0.48, 0.1);
    leaf.cubicTo(-0.48, -0.16, -0.12, -0.33, 0, -0.5);
    return Unite({leaf, Stem()});
}

QPainterPath Circle(QPointF centre, double radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath Club() {
    constexpr double r = 0.215;
    return Unite({Circle({0, -0.27}, r), Circle({-0.265, 0.07}, r), Circle({0.265, 0.07}, r),
                  Circle({0, 0.02}, 0.14), Stem()});
}

} // namespace

QPainterPath SuitPath(Suit suit) {
    switch (suit) {
    case Suit::Club:
        return Club();
    case Suit::Diamond:
        return Diamond();
    case Suit::Heart:
        return Heart();
    case Suit::Spade:
        return Spade();
    }
    return {};
}

QColor SuitColour(Suit suit) {
    const bool red = suit == Suit::Diamond || suit == Suit::Heart;
    return red ? QColor(200, 16, 32) : QColor(20, 20, 24);
}

QPainterPath Star(QPointF centre, double outer, double inner) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const double r = i % 2 == 0 ? outer : inner;
        const QPointF p = centre + QPointF(std::cos(angle) * r, std::sin(angle) * r);
        i == 0 ? star.moveTo(p) : star.lineTo(p);
    }
    star.closeSubpath();
    return star;
}

} // namespace assets
