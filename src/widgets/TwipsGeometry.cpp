#include "widgets/TwipsGeometry.h"

#include "platform/QtPlatform.h"

#include <QWidget>

void TwipsGeometry::Place(QWidget* control, const TwipsRect& rect) {
    rects_[control] = rect;
    control->setGeometry(platform::TwipsToPixels(rect.left, rect.top, rect.width, rect.height));
}

const TwipsRect& TwipsGeometry::Of(const QWidget* control) const {
    return rects_.at(control);
}

void TwipsGeometry::SetLeft(QWidget* control, double left) {
    TwipsRect rect = Of(control);
    rect.left = left;
    Place(control, rect);
}

void TwipsGeometry::SetTop(QWidget* control, double top) {
    TwipsRect rect = Of(control);
    rect.top = top;
    Place(control, rect);
}

void TwipsGeometry::SetWidth(QWidget* control, double width) {
    TwipsRect rect = Of(control);
    rect.width = width;
    Place(control, rect);
}
