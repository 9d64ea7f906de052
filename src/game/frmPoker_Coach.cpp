#include "game/frmPoker.h"

#include "advisor/DoubleOdds.h"
#include "coach/HoldMark.h"
#include "coach/frmCoach.h"
#include "config/basIniProc.h"
#include "rules/basPokerProc.h"

#include <QLabel>
#include <QTimer>

// The coach: key C, its key in Poker.ini, the marks on the best hold, the line under
// the table and the side window. With the coach off nothing of it exists or runs.

using namespace tablecolor;
using basPokerProc::intDoubleStyle;
using basPokerProc::kStyleHighLow;
using basPokerProc::kStyleRedBlack;

namespace {

constexpr int kReadyPoll = 50;
constexpr double kLinePoints = 12;
constexpr double kLineHeight = 240;
constexpr double kLineGap = 90;
constexpr std::size_t kPositions = 5;
const QString kDot = " · ";
// No draw of this game has been valued.
constexpr double kNotValued = -1;

advisor::Card TableCard(std::size_t position) {
    return {std::stoi(basPokerProc::strCardMark.at(position)),
            std::stoi(basPokerProc::strCardNo.at(position))};
}

advisor::Deal TableDeal() {
    advisor::Deal deal{};
    for (std::size_t i = 0; i < kPositions; ++i) {
        deal[i] = TableCard(i);
    }
    return deal;
}

bool SameDeal(const advisor::Deal& a, const advisor::Deal& b) {
    for (std::size_t i = 0; i < kPositions; ++i) {
        if (a[i].suit != b[i].suit || a[i].rank != b[i].rank) {
            return false;
        }
    }
    return true;
}

int HoldMask(const std::array<std::string, 5>& holds) {
    int mask = 0;
    for (std::size_t i = 0; i < holds.size(); ++i) {
        if (holds[i] == "1") {
            mask |= 1 << i;
        }
    }
    return mask;
}

QString Value(double value) {
    return QString::number(value, 'f', 4);
}

QString Coins(double coins) {
    return QString::number(coins, 'f', 2);
}

QString Percent(double chance) {
    return QString::number(100 * chance, 'f', 1) + "%";
}

advisor::DoubleStyle StyleOf(std::int16_t style) {
    switch (style) {
    case kStyleRedBlack:
        return advisor::DoubleStyle::RedBlack;
    case kStyleHighLow:
        return advisor::DoubleStyle::HighLow;
    default:
        return advisor::DoubleStyle::Standard;
    }
}

QString StyleName(advisor::DoubleStyle style) {
    switch (style) {
    case advisor::DoubleStyle::RedBlack:
        return "RED/BLACK";
    case advisor::DoubleStyle::HighLow:
        return "HI/LOW";
    default:
        return "STANDARD";
    }
}

// A round's chances while the win is on offer, the dealer's card not yet dealt.
advisor::Odds OfferOdds(advisor::DoubleStyle style) {
    switch (style) {
    case advisor::DoubleStyle::RedBlack:
        return advisor::RedBlackOdds();
    case advisor::DoubleStyle::HighLow:
        return advisor::HighLowOdds();
    default:
        return advisor::StandardOdds(std::nullopt);
    }
}

QString Chances(const advisor::Odds& odds) {
    QString text = "WIN " + Percent(odds.win);
    if (odds.tie > 0) {
        text += " TIE " + Percent(odds.tie);
    }
    return text;
}

// One style's row of the side window's table: chances, then the expected coins of
// doubling the whole win and half of it.
QString OfferRow(advisor::DoubleStyle style, const advisor::Odds& odds,
                 const advisor::DoubleValues& values) {
    return QString("%1%2%3%4%5")
        .arg(StyleName(style), -10)
        .arg(Percent(odds.win), 6)
        .arg(odds.tie > 0 ? Percent(odds.tie) : "-", 6)
        .arg(Coins(values.whole), 9)
        .arg(values.half ? Coins(*values.half) : "-", 9);
}

} // namespace

void frmPoker::ToggleCoach() {
    SetCoach(!blnCoach);
}

// Only the player's own change is written, so a player who never turns the coach on
// keeps the file as it has always been.
void frmPoker::SetCoach(bool On) {
    if (On == blnCoach) {
        return;
    }
    blnCoach = On;
    basIniProc::SaveCoach(On);
    if (On) {
        OpenCoach();
        return;
    }
    lblCoach->hide();
    ShowCoachMarks(0);
    coachWindow->hide();
}

// The values' tables are prepared on a worker from here on, never before the table
// has been painted; until they are ready the coach shows "…".
void frmPoker::OpenCoach() {
    advisor::PrepareInBackground();
    if (coachWindow == nullptr) {
        CreateCoach();
    }
    lblCoach->show();
    coachWindow->show();
    CoachFollow();
}

void frmPoker::CreateCoach() {
    lblCoach =
        AddLabel({"", kCyan, std::nullopt, Qt::AlignHCenter, kLinePoints}, {0, 0, 0, kLineHeight});
    PlaceCoachLine();
    for (std::size_t i = 0; i < kPositions; ++i) {
        coachMarks[i] = new HoldMark(imgTable[i]);
        coachMarks[i]->hide();
    }
    coachWindow = new frmCoach(this);
    connect(coachWindow, &frmCoach::closedByPlayer, this, [this] { SetCoach(false); });
    tmrCoachReady = new QTimer(this);
    tmrCoachReady->setSingleShot(true);
    tmrCoachReady->setInterval(kReadyPoll);
    connect(tmrCoachReady, &QTimer::timeout, this, &frmPoker::CoachFollow);
}

// In the free band under the credits, right of the paid coins and above the buttons.
void frmPoker::PlaceCoachLine() {
    if (lblCoach == nullptr) {
        return;
    }
    const double left = twips.Of(lblPaid).right() + kLineGap;
    const TwipsRect& credits = twips.Of(lblCredits);
    twips.Place(lblCoach, {left, credits.bottom() + 30, credits.right() - left, kLineHeight});
}

void frmPoker::ShowCoachMarks(int Mask) {
    for (std::size_t i = 0; i < kPositions; ++i) {
        if (coachMarks[i] != nullptr) {
            coachMarks[i]->setVisible((Mask & (1 << i)) != 0);
        }
    }
}

void frmPoker::CoachFollow() {
    if (!blnCoach) {
        return;
    }
    ShowCoachMarks(0);
    if (Busy()) {
        lblCoach->setText("");
        return;
    }
    switch (basPokerProc::intGameStatus) {
    case 1:
        CoachOnHolds();
        break;
    case 2:
        CoachOnOffer();
        break;
    case 3:
        CoachOnPick();
        break;
    default:
        CoachOnGameOver();
        break;
    }
    coachWindow->ShowSession(coachTally);
    coachWindow->ShowReturns(100 * advisor::kBestPlayReturn, basIniProc::lngTotalPut,
                             basIniProc::lngTotalGet);
}

void frmPoker::CoachOnHolds() {
    dblCoachGaveUp = kNotValued;
    coachWindow->ShowDouble({});
    if (!advisor::Ready()) {
        lblCoach->setText("COACH …");
        coachWindow->ShowNoHolds("…");
        tmrCoachReady->start();
        return;
    }
    const advisor::Deal deal = TableDeal();
    if (!blnCoachValued || !SameDeal(deal, coachDeal)) {
        coachDeal = deal;
        coachValues = advisor::ValueHolds(deal);
        blnCoachValued = true;
    }
    const int best = advisor::BestHold(coachValues);
    const int chosen = HoldMask(strHold);
    ShowCoachMarks(best);
    const double bestValue = coachValues[static_cast<std::size_t>(best)];
    const QString bestText = best == 0 ? "BEST: DRAW FIVE " : "BEST ";
    lblCoach->setText(bestText + Value(bestValue) + kDot + "YOURS " +
                      Value(coachValues[static_cast<std::size_t>(chosen)]));
    coachWindow->ShowHolds(coachDeal, coachValues, chosen);
}

// A draw from a deal the coach could not value yet is not counted.
void frmPoker::CoachNoteDraw() {
    if (!blnCoach || !blnCoachValued || !SameDeal(TableDeal(), coachDeal)) {
        return;
    }
    const int best = advisor::BestHold(coachValues);
    const int chosen = HoldMask(strHold);
    coachTally.NoteDraw(coachValues[static_cast<std::size_t>(best)],
                        coachValues[static_cast<std::size_t>(chosen)], lngWager);
    dblCoachGaveUp = coachTally.lastGivenUp;
}

void frmPoker::CoachOnOffer() {
    const advisor::Stake stake{lngWin, lngPaid, lngWager};
    QStringList rows{QString("%1%2%3%4%5")
                         .arg("", -10)
                         .arg("WIN", 6)
                         .arg("TIE", 6)
                         .arg("DOUBLE", 9)
                         .arg("HALF", 9)};
    QString line;
    for (const auto style : {advisor::DoubleStyle::Standard, advisor::DoubleStyle::RedBlack,
                             advisor::DoubleStyle::HighLow}) {
        const advisor::Odds odds = OfferOdds(style);
        const advisor::DoubleValues values = advisor::ValueDouble(style, stake);
        rows << OfferRow(style, odds, values);
        if (style == StyleOf(intDoubleStyle) && DoubleOffered()) {
            line = StyleName(style) + " " + Chances(odds) + kDot + "DOUBLE " + Coins(values.whole) +
                   kDot;
        }
    }
    const double collect = static_cast<double>(std::int64_t{lngWin} + lngPaid);
    rows << QString("COLLECT").leftJustified(22) + Coins(collect).rightJustified(9);
    line += "COLLECT " + Coins(collect);
    if (dblCoachGaveUp > 0) {
        line = "GAVE UP " + Value(dblCoachGaveUp) + kDot + line;
    }
    lblCoach->setText(line);
    coachWindow->ShowDouble(rows);
}

// The round is dealt and waits for the pick: the chances of each pick, and in HI/LOW
// after a right guess the worth of guessing again against collecting.
void frmPoker::CoachOnPick() {
    const advisor::DoubleStyle style = StyleOf(intDoubleStyle);
    const advisor::Card dealer = TableCard(0);
    QStringList parts;
    if (style == advisor::DoubleStyle::HighLow) {
        std::vector<advisor::Card> shown;
        for (std::size_t i = 0; i <= static_cast<std::size_t>(intDoubleCount); ++i) {
            shown.push_back(TableCard(i));
        }
        parts << "LOW " + Chances(advisor::HighLowOdds(shown, false))
              << "HIGH " + Chances(advisor::HighLowOdds(shown, true));
        if (intDoubleCount > 0) {
            const advisor::DoubleValues values =
                advisor::ValueDouble(style, {lngWin, lngPaid, lngWager}, shown);
            parts << "GUESS " + Coins(values.whole) + " COLLECT " + Coins(values.collect);
        }
    } else if (!advisor::IsJoker(dealer)) {
        parts << "ANY CARD " + Chances(style == advisor::DoubleStyle::RedBlack
                                           ? advisor::RedBlackOdds()
                                           : advisor::StandardOdds(dealer));
    }
    lblCoach->setText(parts.join(kDot));
    coachWindow->ShowDouble(QStringList{StyleName(style) + ", THE ROUND DEALT"} + parts);
}

void frmPoker::CoachOnGameOver() {
    coachWindow->ShowDouble({});
    if (!blnCoachValued) {
        coachWindow->ShowNoHolds("DEAL TO SEE EVERY HOLD");
    }
    if (dblCoachGaveUp > 0) {
        lblCoach->setText("GAVE UP " + Value(dblCoachGaveUp) + " × WAGER");
    } else {
        lblCoach->setText(dblCoachGaveUp == 0 ? "BEST HOLD DRAWN" : "COACH ON");
    }
}
