#include "settings/WrapLabel.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>
#include <cmath>

namespace {

// The label's text laid out at a width; a negative width lays it out in one line.
void LayOut(QTextDocument& document, const QLabel& label, int width) {
    document.setDocumentMargin(0);
    document.setDefaultFont(label.font());
    QTextOption option = document.defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document.setDefaultTextOption(option);
    document.setPlainText(label.text());
    document.setTextWidth(width);
}

} // namespace

WrapLabel::WrapLabel(const QString& text) : QLabel(text) {
    QSizePolicy policy = sizePolicy();
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

int WrapLabel::heightForWidth(int width) const {
    QTextDocument document;
    LayOut(document, *this, width);
    return std::max(fontMetrics().height(), static_cast<int>(std::ceil(document.size().height())));
}

QSize WrapLabel::sizeHint() const {
    QTextDocument document;
    LayOut(document, *this, -1);
    return {static_cast<int>(std::ceil(document.idealWidth())), heightForWidth(-1)};
}

QSize WrapLabel::minimumSizeHint() const {
    return {fontMetrics().averageCharWidth(), fontMetrics().height()};
}

void WrapLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    QTextDocument document;
    LayOut(document, *this, width());
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, palette().color(foregroundRole()));
    document.documentLayout()->draw(&painter, context);
}
