#include "log/CoinGraph.h"

#include "platform/QtPlatform.h"

#include <QPainter>
#include <QPen>
#include <QPolygon>

namespace {

const QColor kAxisWhite(255, 255, 255);
const QColor kLineYellow(255, 255, 0);

// Two pixels, so that the line stays visible on a dense screen; no antialiasing, so
// that every pixel of it is exactly the line's colour.
constexpr int kLineWidth = 2;

} // namespace

// The paint event covers every pixel in black before the drawing, so Qt need not
// fill a background first.
CoinGraphBox::CoinGraphBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CoinGraphBox::ClearGraph() {
    const qreal ratio = devicePixelRatioF();
    picDrawing = QImage(size() * ratio, QImage::Format_RGB32);
    picDrawing.setDevicePixelRatio(ratio);
    picDrawing.fill(Qt::black);
}

void CoinGraphBox::DrawPolyline(const std::vector<basLog::GraphPoint>& points,
                                const QColor& colour) {
    if (picDrawing.isNull() || points.size() < 2) {
        return;
    }
    QPolygon pixels;
    for (const basLog::GraphPoint& point : points) {
        pixels << QPoint(platform::TwipsToPixels(point.x), platform::TwipsToPixels(point.y));
    }
    QPainter painter(&picDrawing);
    painter.setPen(QPen(colour, kLineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(pixels);
}

// The drawing lives in the image, so covering, uncovering and hiding cost it nothing.
// After a resize the old drawing stays top-left on black until the game redraws.
void CoinGraphBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawImage(QPoint(0, 0), picDrawing);
}

namespace basLog {

void PlotCoinGraph(CoinGraphBox* pic, std::int32_t H, std::int32_t W) {
    pic->ClearGraph();
    // Right to left, so that the balance line starts where the axis ends.
    pic->DrawPolyline({{static_cast<double>(W), H / 2.0}, {0.0, H / 2.0}}, kAxisWhite);
    const auto records = ReadLog();
    if (!records) {
        return;
    }
    pic->DrawPolyline(GraphPath(*records, H), kLineYellow);
}

void DrawCoinGraph(CoinGraphBox* pic) {
    const auto W = RoundHalfEven<std::int32_t>(platform::PixelsToTwips(pic->width()));
    const auto H = RoundHalfEven<std::int32_t>(platform::PixelsToTwips(pic->height()));
    CalcGraphScale(H, W);
    PlotCoinGraph(pic, H, W);
    pic->repaint();
}

} // namespace basLog
