#include "widgets/GameControls.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace {

class CountAccessible : public QAccessibleWidget {
  public:
    explicit CountAccessible(CountLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) {
            return QAccessibleWidget::text(t);
        }
        const auto* label = static_cast<const CountLabel*>(widget());
        return label->Counts() + " " + label->text();
    }
};

QAccessibleInterface* CountFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("CountLabel")) {
        return new CountAccessible(static_cast<CountLabel*>(object));
    }
    return nullptr;
}

} // namespace

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

// A click is a release over the control, as with the toolkit's buttons. The table
// takes no mouse itself, so the release goes no further.
void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

// The name is asked for when a reader wants it, so it always has the number shown.
CountLabel::CountLabel(const QString& counts, const QString& text, QWidget* parent)
    : QLabel(text, parent), counts_(counts) {
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(CountFactory);
        return true;
    }();
}

CardImage::CardImage(QWidget* parent) : QWidget(parent), name_("no card") {
    Name();
}

void CardImage::SetPicture(const QImage& picture, const QString& name) {
    picture_ = picture;
    name_ = name;
    Name();
    update();
}

void CardImage::SetNote(const QString& note) {
    note_ = note;
    Name();
}

void CardImage::Name() {
    setAccessibleName(note_.isEmpty() ? name_ : name_ + ", " + note_);
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
}
