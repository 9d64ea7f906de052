#include "config/frmWait.h"

#include "platform/GameFont.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QColor kTableGreen(0, 128, 0);
const QColor kEdgeGreen(0, 72, 0);
const QColor kBarFill(255, 255, 0);

QLabel* MakeLabel(const QString& text, const QColor& colour, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(GameFont(12));
    label->setAlignment(Qt::AlignCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

// A label whose filled background is exactly as wide as its caption of blanks,
// drawn in a trough as wide as the full bar so the progress reads at a glance.
class BlankBar : public QLabel {
  public:
    explicit BlankBar(QWidget* parent) : QLabel(parent) {
        // Every pixel is painted below, so a step repaints the bar alone.
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFont(GameFont(12));
        const int full = fontMetrics().horizontalAdvance(QString(frmWait::kBarBlanks, ' '));
        setFixedSize(full + 4, fontMetrics().height() + 4);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), kEdgeGreen);
        const int filled = fontMetrics().horizontalAdvance(text());
        painter.fillRect(QRect(2, 2, std::min(filled, width() - 4), height() - 4), kBarFill);
    }
};

} // namespace

frmWait::frmWait(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      lblTitle(MakeLabel("<<<<<<<<<<<<<<<<< VESK POKER >>>>>>>>>>>>>>>>>", kBarFill, this)),
      lblWait(MakeLabel("Picture File Reading Please Wait ...", Qt::white, this)),
      lblWaitBar(new BlankBar(this)) {
    setObjectName("frmWait");
    lblWaitBar->setObjectName("lblWaitBar");
    lblWaitBar->setText(QString(kBarBlanks, ' '));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 22, 28, 24);
    layout->setSpacing(14);
    layout->addWidget(lblTitle);
    layout->addWidget(lblWait);
    layout->addWidget(lblWaitBar, 0, Qt::AlignHCenter);
    setFixedSize(sizeHint());

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void frmWait::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kTableGreen);
    painter.setPen(QPen(kEdgeGreen, 4));
    painter.drawRect(rect().adjusted(2, 2, -2, -2));
    painter.setPen(QPen(kBarFill, 1));
    painter.drawRect(rect().adjusted(7, 7, -8, -8));
}
