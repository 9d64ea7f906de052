#include "game/frmPoker.h"

#include "game/KeyCodes.h"
#include "log/CoinGraph.h"
#include "platform/GameFont.h"
#include "platform/Pause.h"
#include "platform/QtPlatform.h"
#include "rules/basPokerProc.h"
#include "sound/basEffect.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <algorithm>
#include <utility>

using namespace tablecolor;

namespace {

constexpr double kInnerWidth = 11880;
constexpr double kInnerHeight = 8565;
constexpr double kRowPitch = 270;
constexpr double kResultPoints = 30;
constexpr double kMessagePoints = 20.25;
constexpr double kHoldPoints = 15.75;
constexpr int kMessageTick = 100;

constexpr std::array<double, 5> kCardLefts{645, 2085, 3525, 4950, 6405};
constexpr std::array<double, 5> kHoldLefts{975, 2415, 3855, 5310, 6750};
constexpr std::array<const char*, 5> kStyleNames{"RED/BLACK(1/2)", "RED/BLACK", "HI/LOW",
                                                 "STANDARD", "STANDARD(1/2)"};

LabelLook Look(const QString& text, const QColor& fore, Qt::Alignment align = Qt::AlignLeft) {
    return LabelLook{text, fore, std::nullopt, align, 12};
}

} // namespace

frmPoker::frmPoker(QWidget* parent) : QWidget(parent) {
    setWindowTitle("VESK POKER");
    QPalette table = palette();
    table.setColor(QPalette::Window, kGreen);
    setPalette(table);
    CreatePayTable();
    CreateDoublePanel();
    CreateTable();
    CreateCoinDisplays();
    CreateButtons();
    setMinimumSize(SmallestTableSize());
    resize(platform::TwipsToPixels(kInnerWidth), platform::TwipsToPixels(kInnerHeight));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                 screen->availableGeometry())
                 .topLeft());
    }
    qApp->installEventFilter(this);
    platform::SetGameWindow(this);
    Form_Load();
    tmrMsg = new QTimer(this);
    connect(tmrMsg, &QTimer::timeout, this, &frmPoker::tmrMsg_Timer);
    tmrMsg->start(kMessageTick);
}

void frmPoker::DressLabel(QLabel* label, const LabelLook& look, TwipsRect place) {
    label->setFont(GameFont(look.pointSize));
    label->setAlignment(look.align | Qt::AlignTop);
    SetForeColor(label, look.fore);
    if (look.back) {
        SetBackColor(label, *look.back);
    }
    twips.Place(label, place);
}

QLabel* frmPoker::AddLabel(const LabelLook& look, TwipsRect place) {
    auto* label = new QLabel(look.text, this);
    DressLabel(label, look, place);
    return label;
}

QLabel* frmPoker::AddCountLabel(const QString& counts, const LabelLook& look, TwipsRect place) {
    auto* label = new CountLabel(counts, look.text, this);
    DressLabel(label, look, place);
    return label;
}

ClickLabel* frmPoker::AddClickLabel(const LabelLook& look, TwipsRect place) {
    auto* label = new ClickLabel(look.text, this);
    DressLabel(label, look, place);
    return label;
}

// The title labels size themselves to their text in whatever face the table got.
void frmPoker::FitToText(QLabel* label) {
    const double pixels = QFontMetricsF(label->font()).horizontalAdvance(label->text());
    twips.SetWidth(label, pixels * platform::TwipsPerPixel());
}

QPushButton* frmPoker::AddButton(const QString& caption, TwipsRect place,
                                 void (frmPoker::*handler)()) {
    auto* button = new QPushButton(caption, this);
    twips.Place(button, place);
    connect(button, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
    return button;
}

void frmPoker::CreatePayTable() {
    for (std::size_t i = 0; i < lblWinName.size(); ++i) {
        const double top = 450 + kRowPitch * static_cast<double>(i);
        const auto code = static_cast<std::int16_t>(i);
        lblWinName[i] = AddLabel({QString::fromStdString(basPokerProc::HandName(code)), kYellow,
                                  kBlue, Qt::AlignLeft, 12},
                                 {45, top, 3000, 240});
        lbl1Win[i] = AddLabel({QString::number(basPokerProc::kPayRates[i]), kYellow,
                               i == 8 ? kDarkBlue : kBlue, Qt::AlignHCenter, 12},
                              {3060, top, 1005, 240});
    }
}

void frmPoker::CreateDoublePanel() {
    lblDoubleStyle = AddLabel(Look("", kRed, Qt::AlignHCenter), {495, 90, 8475, 285});
    lblWinCoinTitle = AddLabel(Look("WIN NAME", kWhite), {4275, 945, 2175, 240});
    lblWinCoin = AddLabel(Look("0", kWhite, Qt::AlignRight), {6795, 945, 1995, 240});
    lblDoubleCollectTitle = AddLabel(Look("COLLECTABLE COIN", kCyan), {4275, 1215, 2175, 240});
    lblDoubleCollect = AddCountLabel("COLLECTABLE COIN", Look("0", kWhite, Qt::AlignRight),
                                     {6795, 1215, 1995, 240});
    lblTryYourLuckTitle = AddLabel(Look("TRY YOUR LUCK !!", kYellow), {4275, 1485, 2175, 240});
    lblTryYourLuck = AddCountLabel("TRY YOUR LUCK !!", Look("0", kYellow, Qt::AlignRight),
                                   {6795, 1485, 1995, 240});
    lblLuckNo = AddLabel(Look("1", kWhite, Qt::AlignHCenter), {6435, 1485, 690, 240});
    for (std::size_t i = 0; i < lblCoinTitle.size(); ++i) {
        const double top = 945 + kRowPitch * static_cast<double>(i);
        lblCoinTitle[i] = AddLabel(Look("COIN", kCyan), {8865, top, 555, 240});
        FitToText(lblCoinTitle[i]);
    }
    lblDoubleManual = AddLabel(Look("", kWhite, Qt::AlignHCenter), {45, 2835, 9825, 240});
    picGraph = new CoinGraphBox(this);
    twips.Place(picGraph, {4230, 1800, 5145, 1000});
}

void frmPoker::CreateTable() {
    lblResult = AddLabel({"", kYellow, std::nullopt, Qt::AlignHCenter, kResultPoints},
                         {180, 3015, 9150, 615});
    for (std::size_t i = 0; i < imgTable.size(); ++i) {
        const int index = static_cast<int>(i);
        imgTable[i] = new CardImage(this);
        twips.Place(imgTable[i], {kCardLefts[i], 3675, 1350, 1935});
        connect(imgTable[i], &CardImage::clicked, this, [this, index] { imgTable_Click(index); });
        lblHold[i] = AddClickLabel({"HOLD", kOlive, std::nullopt, Qt::AlignHCenter, kHoldPoints},
                                   {kHoldLefts[i], 5355, 1365, 315});
        connect(lblHold[i], &ClickLabel::clicked, this, [this, index] { lblHold_Click(index); });
        lblDblStyleName[i] = AddClickLabel({kStyleNames[i], kSilver, kBlack, Qt::AlignHCenter, 12},
                                           {2000.0 * static_cast<double>(i), 5895, 2000, 240});
        connect(lblDblStyleName[i], &ClickLabel::clicked, this,
                [this, index] { lblDblStyleName_Click(index); });
    }
    lblSelectGame =
        AddLabel(Look("SELECT A GAME", kRed, Qt::AlignHCenter), {3525, 6255, 1785, 240});
}

void frmPoker::CreateCoinDisplays() {
    lblWagerTitle = AddLabel(Look("WAGER", kCyan), {135, 6255, 690, 240});
    lblWager = AddCountLabel("WAGER", Look("", kWhite, Qt::AlignRight), {900, 6255, 1230, 240});
    lblWinTitle = AddLabel(Look("WIN", kYellow), {135, 6480, 420, 240});
    lblWin = AddCountLabel("WIN", Look("", kWhite, Qt::AlignRight), {630, 6480, 1500, 240});
    lblPaidTitle = AddLabel(Look("PAID", kYellow), {135, 6705, 555, 240});
    lblPaid = AddCountLabel("PAID", Look("", kWhite, Qt::AlignRight), {765, 6705, 1365, 240});
    for (QLabel* title : {lblWagerTitle, lblWinTitle, lblPaidTitle}) {
        FitToText(title);
    }
    lblMsg = AddLabel({"ＧＡＭＥ　ＯＶＥＲ", kRed, std::nullopt, Qt::AlignHCenter, kMessagePoints},
                      {1635, 6480, 5730, 345});
    lblCreditTitle = AddLabel(Look("CREDITS", kCyan, Qt::AlignRight), {7455, 6255, 1995, 240});
    lblCredits =
        AddCountLabel("CREDITS", Look("", kWhite, Qt::AlignRight), {7455, 6525, 1995, 240});
}

void frmPoker::CreateButtons() {
    cmdCollect = AddButton("COLLECT", {120, 7080, 1500, 330}, &frmPoker::cmdCollect_Click);
    cmdHalf = AddButton("HALF DOUBLE", {1665, 7080, 1500, 330}, &frmPoker::cmdHalf_Click);
    cmdMaxBet = AddButton("MAX BET", {3225, 7080, 1500, 330}, &frmPoker::cmdMaxBet_Click);
    cmdOneBet = AddButton("1 BET", {4770, 7080, 1500, 330}, &frmPoker::cmdOneBet_Click);
    cmdRepBet = AddButton("REP BET", {6315, 7080, 1500, 330}, &frmPoker::cmdRepBet_Click);
    cmdDual = AddButton("DUAL/DOUBLE", {7875, 7080, 1500, 330}, &frmPoker::cmdDual_Click);
}

// The window sees every key before the focused control, so Space and Enter never
// also press a focused button.
bool frmPoker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this) {
        return QWidget::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    int code = VirtualKeyCode(*key);
    if (code == 0) {
        return QWidget::eventFilter(watched, event);
    }
    // A key held since it opened a window over the table, or closed one, must not
    // open it again and again.
    if (key->isAutoRepeat() && (code == 'X' || code == 'Z')) {
        return true;
    }
    Form_KeyDown(code, 0);
    return code == 0;
}

// Closing while cards are dealt or coins counted would save a game half paid; the
// close waits until the operation has ended.
void frmPoker::closeEvent(QCloseEvent* event) {
    if (Busy()) {
        blnCloseWanted = true;
        platform::SetPausesCut(true);
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

frmPoker::BusyScope::BusyScope(frmPoker& form, bool& flag)
    : form_(form), flag_(flag), saved_(flag) {
    flag_ = true;
}

// Queued, so the handler that ends the operation finishes before what waited runs.
frmPoker::BusyScope::~BusyScope() {
    flag_ = saved_;
    if (!form_.Busy()) {
        form_.CoachFollow();
    }
    if (!form_.Busy() && (form_.blnCloseWanted || !form_.pendingActions.empty())) {
        QMetaObject::invokeMethod(&form_, &frmPoker::RunPending, Qt::QueuedConnection);
    }
}

void frmPoker::RunWhenIdle(void (frmPoker::*Action)()) {
    if (!Busy()) {
        (this->*Action)();
    } else if (std::find(pendingActions.begin(), pendingActions.end(), Action) ==
               pendingActions.end()) {
        pendingActions.push_back(Action);
    }
}

// A close that waited wins over the windows that waited: the player asked to leave.
// An operation started before this came round queues it again when it ends.
void frmPoker::RunPending() {
    if (Busy()) {
        return;
    }
    if (blnCloseWanted) {
        blnCloseWanted = false;
        pendingActions.clear();
        close();
        platform::SetPausesCut(false);
        return;
    }
    for (const auto action : std::exchange(pendingActions, {})) {
        (this->*action)();
    }
}

// Opening the audio device and decoding the sounds would hold the table back, so
// they come once it is first on screen. A sound asked for before then is not
// heard, as if its file had failed to open; a window closed by then (Esc at once)
// opens none, so nothing is left open after SoundCloseAll.
void frmPoker::paintEvent(QPaintEvent* /*event*/) {
    if (!blnSoundsAsked) {
        blnSoundsAsked = true;
        if (blnCoach) {
            QTimer::singleShot(0, this, &frmPoker::OpenCoach);
        }
        QTimer::singleShot(0, this, [this] {
            if (isVisible()) {
                basEffect::SoundOpenAll();
            }
        });
    }
}

void frmPoker::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
    PlaceCoachLine();
}

// A window first shown minimized had its resize while minimized, when nothing is
// laid out; the restore may bring no resize of its own.
void frmPoker::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        Form_Resize();
        PlaceCoachLine();
    }
}
