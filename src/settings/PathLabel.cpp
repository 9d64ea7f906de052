#include "settings/PathLabel.h"

#include <QPainter>

void PathLabel::SetPath(const QString& path) {
    setText(path);
    setToolTip(path);
}

QSize PathLabel::minimumSizeHint() const {
    return {fontMetrics().horizontalAdvance(QStringLiteral("/…/")),
            QLabel::minimumSizeHint().height()};
}

void PathLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(area, static_cast<int>(alignment()),
                     fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width()));
}
