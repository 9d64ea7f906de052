#include "stats/frmDataView.h"

#include "config/basIniProc.h"
#include "platform/GameFont.h"
#include "platform/QtPlatform.h"
#include "platform/Yield.h"
#include "rules/basPokerProc.h"
#include "stats/DataViewColors.h"
#include "widgets/GameControls.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>
#include <cmath>

using namespace datacolor;

namespace {

constexpr double kLetterPoints = 27.75;
constexpr double kRowPoints = 12;
constexpr double kLetterWidth = 330;
constexpr double kLetterHeight = 555;
constexpr double kRowWidth = 3000;
constexpr double kRowHeight = 240;
constexpr int kFirstDataTick = 500;
constexpr int kTitleTick = 10;
constexpr double kFlyStep = 100;

// How long a fly-in waits between two steps of 100 twips, the same on every
// machine: a flight across a 12000-twip screen (120 steps) takes about 0.6 s, quick
// enough to read as a flight and slow enough to be followed. Each step wakes the
// program, so a shorter wait costs more while nothing else happens.
constexpr int kFlyFrameMs = 5;

constexpr std::array<const char*, 4> kTitles{"TOTAL BET COINS", "TOTAL PAY COINS", "MAX WIN DOUBLE",
                                             "MAX PAY DOUBLE"};

} // namespace

frmDataView::frmDataView(QWidget* owner) : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint) {
    QPalette black = palette();
    black.setColor(QPalette::Window, kBlack);
    setPalette(black);
    CreateLabels();
    tmrData = new QTimer(this);
    tmrData->setInterval(kFirstDataTick);
    connect(tmrData, &QTimer::timeout, this, &frmDataView::tmrData_Timer);
    tmrVeskPoker = new QTimer(this);
    tmrVeskPoker->setInterval(kTitleTick);
    connect(tmrVeskPoker, &QTimer::timeout, this, &frmDataView::tmrVeskPoker_Timer);
    Form_Load(owner);
}

QLabel* frmDataView::AddLabel(const QString& text, double pointSize, Qt::Alignment align,
                              double width, double height) {
    auto* label = new QLabel(text, this);
    label->setFont(GameFont(pointSize));
    label->setAlignment(align | Qt::AlignTop);
    twips.Place(label, {0, 0, width, height});
    return label;
}

void frmDataView::CreateLabels() {
    // Taller than designed where the face is, so no letter loses its foot; the
    // width stays, since it spaces the letters.
    const double pixels = QFontMetricsF(GameFont(kLetterPoints)).height();
    const double letterHeight = std::max(kLetterHeight, pixels * platform::TwipsPerPixel());
    const QString letters = "VESK_POKER";
    for (std::size_t i = 0; i < lblVeskPoker.size(); ++i) {
        lblVeskPoker[i] = AddLabel(letters.at(static_cast<int>(i)), kLetterPoints, Qt::AlignHCenter,
                                   kLetterWidth, letterHeight);
    }
    for (std::size_t i = 0; i < lblTitle.size(); ++i) {
        lblTitle[i] = AddLabel(kTitles[i], kRowPoints, Qt::AlignLeft, kRowWidth, kRowHeight);
        lblData[i] = AddLabel({}, kRowPoints, Qt::AlignRight, kRowWidth, kRowHeight);
    }
    for (std::size_t i = 0; i < lblWinName.size(); ++i) {
        const QString name =
            QString::fromStdString(basPokerProc::HandName(static_cast<std::int16_t>(i)));
        lblWinName[i] = AddLabel(name, kRowPoints, Qt::AlignLeft, kRowWidth, kRowHeight);
        lblWinData[i] = AddLabel({}, kRowPoints, Qt::AlignRight, kRowWidth, kRowHeight);
    }
    DimLabels();
}

void frmDataView::Form_Load(const QWidget* owner) {
    intDataStep = 0;
    intTitleStep = 0;
    const QRect outer = owner->frameGeometry();
    setFixedSize(outer.size());
    move(outer.topLeft());
    SW = platform::PixelsToTwips(outer.width());
    SH = platform::PixelsToTwips(outer.height());
    intTitleTop = static_cast<int>(std::nearbyint((SH - 5500) / 2));
    intTitleLeft = static_cast<int>(std::nearbyint(SW / 2 - 4 * twips.Of(lblVeskPoker[0]).width));
    ShowValues();
    ScatterLabels();
    ScatterTitle();
}

void frmDataView::ShowValues() {
    const std::array<std::int32_t, 4> values{basIniProc::lngTotalGet, basIniProc::lngTotalPut,
                                             basIniProc::lngMaxDoubleCnt,
                                             basIniProc::lngMaxDoubleWin};
    for (std::size_t i = 0; i < lblData.size(); ++i) {
        SetLabelNumber(lblData[i], values[i]);
    }
    for (std::size_t i = 0; i < lblWinData.size(); ++i) {
        SetLabelNumber(lblWinData[i], basIniProc::lngPlayData[i]);
    }
}

void frmDataView::Form_Activate() {
    if (blnClosed) {
        return;
    }
    const double rowWidth = twips.Of(lblTitle[0]).width + twips.Of(lblData[0]).width;
    intRowLeft = static_cast<int>(std::nearbyint(SW / 2 - rowWidth / 2));
    intRowTop = static_cast<int>(std::nearbyint((SH - 4000) / 2));
    intRowHeight = 300;
    tmrData->start();
    tmrVeskPoker->start();
}

void frmDataView::Form_Click() {
    close();
}

void frmDataView::Form_KeyDown(int /*KeyCode*/, int /*Shift*/) {
    close();
}

// The timers stop, and every fly-in under way stops where it is: nothing of the
// screen moves, ticks or paints once it has closed.
void frmDataView::Form_Unload() {
    blnClosed = true;
    tmrData->stop();
    tmrVeskPoker->stop();
    platform::EndYields();
}

void frmDataView::done(int result) {
    Form_Unload();
    QDialog::done(result);
}

bool frmDataView::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        Form_Activate();
    }
    return QDialog::event(event);
}

// A key held down since it opened the screen repeats; only a fresh press closes it.
// A repeat comes flagged, or, when the flag is lost (the first repeats reaching a
// window just opened), as a release and a press of the key at the same moment.
void frmDataView::keyPressEvent(QKeyEvent* event) {
    const bool repeat = event->isAutoRepeat() ||
                        (event->key() == intReleasedKey && event->timestamp() == lngReleasedAt);
    if (!repeat) {
        Form_KeyDown(event->key(), static_cast<int>(event->modifiers()));
    }
}

void frmDataView::keyReleaseEvent(QKeyEvent* event) {
    intReleasedKey = event->key();
    lngReleasedAt = event->timestamp();
}

// A click anywhere, with any button.
void frmDataView::mouseReleaseEvent(QMouseEvent* /*event*/) {
    Form_Click();
}

void frmDataView::FlyTo(QLabel* item, int x, int y, const QColor& color) {
    Flight flight{item, x, y, color, false};
    flights_.push_back(&flight);
    while (!flight.arrived && !blnClosed) {
        platform::YieldFor(kFlyFrameMs);
        if (!blnClosed) {
            StepFlights();
        }
    }
    std::erase(flights_, &flight);
}

// Fly-ins started inside another one's wait advance side by side with it, so the
// outer label keeps moving instead of hanging in mid-air.
void frmDataView::StepFlights() {
    for (Flight* flight : flights_) {
        if (!flight->arrived) {
            Step(*flight);
        }
    }
}

void frmDataView::Step(Flight& flight) {
    const TwipsRect& at = twips.Of(flight.item);
    double left = at.left + (at.left < flight.x ? kFlyStep : -kFlyStep);
    double top = at.top + (at.top < flight.y ? kFlyStep : -kFlyStep);
    if (std::abs(flight.x - left) <= kFlyStep) {
        left = flight.x;
    }
    if (std::abs(flight.y - top) <= kFlyStep) {
        top = flight.y;
    }
    MoveTo(flight.item, left, top);
    if (left == flight.x && top == flight.y) {
        flight.arrived = true;
        SetForeColor(flight.item, flight.color);
    }
}

void frmDataView::MoveTo(QLabel* label, double left, double top) {
    const TwipsRect& at = twips.Of(label);
    twips.Place(label, {left, top, at.width, at.height});
}
