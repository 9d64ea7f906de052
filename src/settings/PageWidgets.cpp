#include "settings/PageWidgets.h"

#include "platform/GameFont.h"
#include "settings/WrapLabel.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>

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

// An item view paints its selection in the palette's active group only while it
// has the focus; the style's two shades of it differ by a unit or two.
void SetSelectionColors(QListWidget* list) {
    QPalette palette = list->palette();
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor(0, 48, 160));
    palette.setColor(QPalette::Active, QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Inactive, QPalette::Highlight, QColor(176, 196, 222));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::black);
    list->setPalette(palette);
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
