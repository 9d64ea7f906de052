#include "coach/frmCoach.h"

#include "platform/GameFont.h"
#include "widgets/GameControls.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

using namespace tablecolor;

namespace {

constexpr double kPoints = 10;
constexpr int kGap = 8;
constexpr int kValueDecimals = 4;
const QColor kGrey(128, 128, 128);
const QString kDrawn = "·";

QString CardName(const advisor::Card& card) {
    static const std::array<const char*, 13> kRanks{"A", "2", "3",  "4", "5", "6", "7",
                                                    "8", "9", "10", "J", "Q", "K"};
    static const std::array<const char*, 4> kSuits{"♣", "♦", "♥", "♠"};
    if (advisor::IsJoker(card)) {
        return "JK";
    }
    return QString(kRanks.at(static_cast<std::size_t>(card.rank))) +
           kSuits.at(static_cast<std::size_t>(card.suit - 1));
}

QColor CardColor(const advisor::Card& card) {
    if (advisor::IsJoker(card)) {
        return kYellow;
    }
    return card.suit == 2 || card.suit == 3 ? QColor(255, 96, 96) : kWhite;
}

// Best first; of equal values the lower mask, as BestHold picks.
std::array<int, frmCoach::kHoldCount> Ranked(const advisor::HoldValues& values) {
    std::array<int, frmCoach::kHoldCount> masks{};
    std::iota(masks.begin(), masks.end(), 0);
    std::stable_sort(masks.begin(), masks.end(), [&values](int a, int b) {
        return values[static_cast<std::size_t>(a)] > values[static_cast<std::size_t>(b)];
    });
    return masks;
}

} // namespace

frmCoach::frmCoach(QWidget* game) : QWidget(game, Qt::Window), game_(game) {
    setWindowTitle("COACH");
    // Shown beside the table, it must not take the keys the player plays with.
    setAttribute(Qt::WA_ShowWithoutActivating);
    QPalette black = palette();
    black.setColor(QPalette::Window, kBlack);
    setPalette(black);

    auto* column = new QVBoxLayout(this);
    column->setSpacing(2);
    lblHoldsTitle = AddLabel("", kCyan);
    column->addWidget(lblHoldsTitle);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(0);
    CreateHoldRows(grid);
    column->addLayout(grid);
    column->addSpacing(kGap);
    for (auto& line : lblDouble) {
        line = AddLabel("", kWhite);
        column->addWidget(line);
    }
    column->addSpacing(kGap);
    for (auto& line : lblSession) {
        line = AddLabel("", kWhite);
        column->addWidget(line);
    }
    column->addSpacing(kGap);
    for (auto& line : lblReturn) {
        line = AddLabel("", kYellow);
        column->addWidget(line);
    }
    column->addStretch();
    ShowNoHolds("");
    game_->installEventFilter(this);
    adjustSize();
    FollowGame();
}

QLabel* frmCoach::AddLabel(const QString& text, const QColor& fore) {
    auto* label = new QLabel(text, this);
    label->setFont(GameFont(kPoints));
    SetForeColor(label, fore);
    return label;
}

void frmCoach::CreateHoldRows(QGridLayout* grid) {
    for (std::size_t r = 0; r < rowHold.size(); ++r) {
        const int row = static_cast<int>(r);
        HoldRow& hold = rowHold[r];
        hold.lblRank = AddLabel(QString::number(row + 1), kGrey);
        hold.lblRank->setAlignment(Qt::AlignRight);
        grid->addWidget(hold.lblRank, row, 0);
        for (std::size_t i = 0; i < hold.lblCard.size(); ++i) {
            hold.lblCard[i] = AddLabel(kDrawn, kGrey);
            hold.lblCard[i]->setAlignment(Qt::AlignHCenter);
            hold.lblCard[i]->setMinimumWidth(
                hold.lblCard[i]->fontMetrics().horizontalAdvance("10♠"));
            grid->addWidget(hold.lblCard[i], row, static_cast<int>(i) + 1);
        }
        hold.lblValue = AddLabel("", kWhite);
        hold.lblValue->setAlignment(Qt::AlignRight);
        hold.lblValue->setMinimumWidth(hold.lblValue->fontMetrics().horizontalAdvance("000.0000"));
        grid->addWidget(hold.lblValue, row, 6);
        hold.lblChosen = AddLabel("", kYellow);
        hold.lblChosen->setMinimumWidth(hold.lblChosen->fontMetrics().horizontalAdvance("◀"));
        grid->addWidget(hold.lblChosen, row, 7);
    }
}

void frmCoach::ShowHolds(const advisor::Deal& deal, const advisor::HoldValues& values, int chosen) {
    lblHoldsTitle->setText("HOLDS, BEST FIRST (× WAGER)");
    const auto masks = Ranked(values);
    for (std::size_t r = 0; r < rowHold.size(); ++r) {
        const int mask = masks[r];
        HoldRow& hold = rowHold[r];
        const QColor fore = r == 0 ? kCyan : mask == chosen ? kYellow : kWhite;
        for (std::size_t i = 0; i < hold.lblCard.size(); ++i) {
            const bool held = (mask & (1 << i)) != 0;
            hold.lblCard[i]->setText(held ? CardName(deal[i]) : kDrawn);
            SetForeColor(hold.lblCard[i], held ? CardColor(deal[i]) : kGrey);
        }
        hold.lblValue->setText(
            QString::number(values[static_cast<std::size_t>(mask)], 'f', kValueDecimals));
        SetForeColor(hold.lblValue, fore);
        SetForeColor(hold.lblRank, r == 0 ? kCyan : kGrey);
        hold.lblChosen->setText(mask == chosen ? "◀" : "");
    }
}

void frmCoach::ShowNoHolds(const QString& why) {
    lblHoldsTitle->setText(why);
    for (HoldRow& hold : rowHold) {
        for (QLabel* card : hold.lblCard) {
            card->setText(kDrawn);
            SetForeColor(card, kGrey);
        }
        hold.lblValue->setText("");
        hold.lblChosen->setText("");
    }
}

void frmCoach::ShowDouble(const QStringList& lines) {
    for (std::size_t i = 0; i < lblDouble.size(); ++i) {
        const auto n = static_cast<qsizetype>(i);
        lblDouble[i]->setText(n < lines.size() ? lines[n] : "");
    }
}

void frmCoach::ShowSession(const CoachTally& tally) {
    lblSession[0]->setText(QString("DECISIONS     %1").arg(tally.decisions));
    lblSession[1]->setText(QString("BELOW BEST    %1").arg(tally.belowBest));
    lblSession[2]->setText(QString("GIVEN UP      %1 COINS").arg(tally.coinsGivenUp, 0, 'f', 2));
}

void frmCoach::ShowReturns(double bestPlay, std::int32_t paidOut, std::int32_t bet) {
    lblReturn[0]->setText("BEST PLAY     " + QString::number(bestPlay, 'f', 6) + " %");
    const QString yours = bet > 0 ? QString::number(100.0 * paidOut / bet, 'f', 2) + " %" : "-";
    lblReturn[1]->setText(QString("YOUR RETURN   %1 (%2 / %3)").arg(yours).arg(paidOut).arg(bet));
}

// Beside the game window on its right, or on its left where the screen ends first;
// on a screen too narrow for both it keeps to the right edge, over the table.
void frmCoach::FollowGame() {
    const QRect game = game_->frameGeometry();
    const QScreen* screen = game_->screen();
    const QRect area = screen != nullptr ? screen->availableGeometry() : game;
    const int width = frameGeometry().width();
    int left = game.right() + 1 + kGap;
    if (left + width > area.right() + 1) {
        const int onLeft = game.left() - kGap - width;
        left = onLeft >= area.left() ? onLeft : area.right() + 1 - width;
    }
    move(left, game.top());
}

bool frmCoach::eventFilter(QObject* watched, QEvent* event) {
    if (watched == game_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        FollowGame();
    }
    return QWidget::eventFilter(watched, event);
}

void frmCoach::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closedByPlayer();
}

// The coach's own key turns it off here too.
void frmCoach::keyPressEvent(QKeyEvent* event) {
    // A window of its own, so a key it leaves has no parent to go on to.
    if (event->key() == Qt::Key_C) {
        close();
    }
}
