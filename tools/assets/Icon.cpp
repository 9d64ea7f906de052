#include "Icon.h"

#include "SuitShapes.h"

#include <QPainter>
#include <QTransform>
#include <vector>

namespace assets {
namespace {

constexpr double kCanvas = 256;

struct Shape {
    QPainterPath path;
    QColor fill;
    QColor stroke = Qt::transparent;
    double strokeWidth = 0;
};

// A card turned by `degrees` about the foot of the fan, with its suit.
void AddCard(std::vector<Shape>& shapes, double degrees, Suit suit) {
    QTransform turn;
    turn.translate(128, 236).rotate(degrees).translate(-128, -236);
    QPainterPath card;
    card.addRoundedRect(QRectF(68, 44, 120, 168), 14, 14);
    shapes.push_back({turn.map(card), Qt::white, QColor(40, 40, 48), 5});
    const QTransform pip = QTransform::fromTranslate(128, 128).scale(78, 78);
    shapes.push_back({turn.map(pip.map(SuitPath(suit))), SuitColour(suit)});
}

std::vector<Shape> Shapes() {
    std::vector<Shape> shapes;
    AddCard(shapes, -16, Suit::Spade);
    AddCard(shapes, 14, Suit::Heart);
    shapes.push_back({Star({196, 52}, 40, 17), QColor(226, 184, 64), QColor(150, 100, 20), 4});
    return shapes;
}

QString Number(double value) {
    return QString::number(value, 'f', 2);
}

QString PathData(const QPainterPath& path) {
    QString data;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            data += (i > 0 ? "ZM" : "M") + Number(e.x) + " " + Number(e.y);
        } else if (e.isLineTo()) {
            data += "L" + Number(e.x) + " " + Number(e.y);
        } else if (e.isCurveTo()) {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            data += "C" + Number(e.x) + " " + Number(e.y) + " " + Number(c2.x) + " " +
                    Number(c2.y) + " " + Number(end.x) + " " + Number(end.y);
            i += 2;
        }
    }
    return data + "Z";
}

} // namespace

QImage IconPicture(int size) {
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kCanvas, size / kCanvas);
    for (const Shape& shape : Shapes()) {
        painter.setPen(shape.strokeWidth > 0 ? QPen(shape.stroke, shape.strokeWidth) : Qt::NoPen);
        painter.setBrush(shape.fill);
        painter.drawPath(shape.path);
    }
    return icon;
}

QString IconSvg() {
    QString svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                  "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                  "viewBox=\"0 0 256 256\">\n";
    for (const Shape& shape : Shapes()) {
        const bool evenOdd = shape.path.fillRule() == Qt::OddEvenFill;
        svg += "  <path fill=\"" + shape.fill.name() + "\" fill-rule=\"" +
               (evenOdd ? "evenodd" : "nonzero") + "\"";
        if (shape.strokeWidth > 0) {
            svg += " stroke=\"" + shape.stroke.name() + "\" stroke-width=\"" +
                   Number(shape.strokeWidth) + "\"";
        }
        svg += " d=\"" + PathData(shape.path) + "\"/>\n";
    }
    return svg + "</svg>\n";
}

} // namespace assets
