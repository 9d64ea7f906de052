#include "settings/PageWidgets.h"

#include "platform/GameFont.h"
#include "settings/WrapLabel.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>

namespace settings {
namespace {

constexpr double kHeadingPoints = 12;

void SetForeColor(QLabel* label, const QColor& color) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

} // namespace

QFont DialogFont(double points) {
    QFont font = GameFont(points);
    font.setBold(false);
    return font;
}

QFrame* NewPage() {
    auto* page = new QFrame;
    page->setFrameShape(QFrame::StyledPanel);
    return page;
}

QLabel* Heading(const QString& text) {
    auto* label = new QLabel(text);
    QFont font = DialogFont(kHeadingPoints);
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel* NoticeLabel(const QString& text) {
    auto* label = TextLabel(text);
    SetForeColor(label, QColor(0, 0, 192));
    return label;
}

QLabel* WarningLabel() {
    auto* label = TextLabel();
    SetForeColor(label, QColor(192, 0, 0));
    return label;
}

QLabel* TextLabel(const QString& text) {
    return new WrapLabel(text);
}

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    for (QWidget* widget : widgets) {
        row->addWidget(widget);
    }
    row->addStretch(1);
    return row;
}

} // namespace settings
