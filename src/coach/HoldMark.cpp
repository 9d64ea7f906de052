#include "coach/HoldMark.h"

#include "platform/QtPlatform.h"
#include "widgets/GameControls.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

namespace {

// Three quarters of the narrowest gap round a card (60 twips down to its hold
// label; 100 to the next card, 90 up to the result line), so a ring never reaches
// a label or meets the ring of the next card.
constexpr double kRingTwips = 45;

} // namespace

HoldMark::HoldMark(QWidget* card)
    : QWidget(card->parentWidget()), card_(card),
      ring_(std::max(2, platform::TwipsToPixels(kRingTwips))) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    card_->installEventFilter(this);
    FollowCard();
}

bool HoldMark::eventFilter(QObject* watched, QEvent* event) {
    if (watched == card_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        FollowCard();
    }
    return QWidget::eventFilter(watched, event);
}

void HoldMark::FollowCard() {
    setGeometry(card_->geometry().adjusted(-ring_, -ring_, ring_, ring_));
    raise();
}

void HoldMark::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRect inner = rect().adjusted(ring_, ring_, -ring_, -ring_);
    QRegion ring(rect());
    painter.setClipRegion(ring.subtracted(QRegion(inner)));
    painter.fillRect(rect(), tablecolor::kCyan);
}
