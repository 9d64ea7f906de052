#include "widgets/GameControls.h"

#include <QMouseEvent>
#include <QPainter>

void SetForeColor(QLabel* label, const QColor& color) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

void SetBackColor(QLabel* label, const QColor& color) {
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, color);
    label->setPalette(palette);
}

std::int64_t LabelNumber(const QLabel* label) {
    return label->text().toLongLong();
}

void SetLabelNumber(QLabel* label, std::int64_t value) {
    label->setText(QString::number(value));
}

// A click is a release over the control, as with the toolkit's buttons.
void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

void CardImage::SetPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void CardImage::paintEvent(QPaintEvent* /*event*/) {
    if (picture_.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.drawImage(rect(), picture_);
}

void CardImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QWidget::mouseReleaseEvent(event);
}
