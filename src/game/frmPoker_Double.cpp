#include "game/frmPoker.h"

#include "config/basIniProc.h"
#include "platform/Pause.h"
#include "rules/basPokerProc.h"
#include "sound/basEffect.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

// The double-up rounds: the style menu, the deal of a round, the pick, and the end of
// a round won or lost. How each style settles a pick is in frmPoker_DoubleJudge.cpp.

using namespace tablecolor;
using basPokerProc::intDoubleStyle;
using basPokerProc::intGameStatus;
using basPokerProc::kStyleHighLow;
using basPokerProc::kStyleRedBlack;
using basPokerProc::kStyleStandard;

namespace {

constexpr std::int64_t kCountLimit = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kFlushBonus = 5;
constexpr std::int64_t kHighLowRunFactor = 2 * 2 * 2 * 2; // four right guesses
constexpr int kFlashPause = 100;
constexpr int kBonusPause = 1000;
constexpr std::int32_t kFlashWhite = 0xFFFFFF;
constexpr std::int32_t kFlashBlack = 0;

struct StyleEntry {
    std::int16_t style;
    bool half;
};

// Menu entries left to right, as the keys G to L reach them.
constexpr std::array kStyleEntries{
    StyleEntry{kStyleRedBlack, true}, StyleEntry{kStyleRedBlack, false},
    StyleEntry{kStyleHighLow, false}, StyleEntry{kStyleStandard, false},
    StyleEntry{kStyleStandard, true}};

QString RuleText(std::int16_t style) {
    switch (style) {
    case kStyleRedBlack:
        return "IT WILL BE A WIN IF THE CARD OF THE SAME COLOR AS A DEALER.";
    case kStyleHighLow:
        return "NEXT CARD HIGH OR LOW? 4 TIMES WIN WITH POKER HAND PAYS SPECIAL BONUS";
    case kStyleStandard:
        return "IT WILL BE A WIN IF A HIGH CARD THAN A DEALER.";
    default:
        return "";
    }
}

// The most a round can leave at stake: a STANDARD win doubles it, a RED/BLACK flush
// multiplies it by 5 before doubling, and a HI/LOW run is one offer that may double
// four times and then add the largest special bonus.
std::int64_t BestRoundWin(std::int64_t stake, std::int16_t style, std::int64_t wager) {
    switch (style) {
    case kStyleRedBlack:
        return stake * kFlushBonus * 2;
    case kStyleHighLow: {
        const auto& rates = basPokerProc::lngPayRate;
        const std::int64_t topRate = *std::max_element(rates.begin(), rates.end());
        return stake * kHighLowRunFactor + basPokerProc::kSpecialBonusFactor * topRate * wager;
    }
    default:
        return stake * 2;
    }
}

} // namespace

bool frmPoker::DoubleOffered() const {
    return DoubleOfferedIn(intDoubleStyle);
}

// A round is offered only while everything it can lead to still counts in 32 bits:
// the new stake, the panel's "TRY YOUR LUCK !!" (twice it) and the final payout.
bool frmPoker::DoubleOfferedIn(std::int16_t Style) const {
    const std::int64_t best = BestRoundWin(lngWin, Style, lngWager);
    return best * 2 <= kCountLimit && best + lngPaid <= kCountLimit;
}

void frmPoker::lblDblStyleName_Click(int Index) {
    const auto i = static_cast<std::size_t>(Index);
    const StyleEntry entry = kStyleEntries[i];
    if (Busy() || intGameStatus != 2 || !lblDblStyleName[i]->isVisibleTo(this) ||
        !DoubleOfferedIn(entry.style)) {
        return;
    }
    SetForeColor(lblDblStyleName[i], kWhite);
    intDoubleStyle = entry.style;
    ShowDoubleStyle(true);
    if (entry.half) {
        cmdHalf_Click();
    } else {
        cmdDual_Click();
    }
}

// The dealer's card is drawn while the state is still 2, so the deal keeps the joker
// away from the dealer in HI/LOW and from every card in RED/BLACK.
void frmPoker::DealDoubleRound() {
    lblDoubleManual->setText(RuleText(intDoubleStyle));
    const bool highLow = intDoubleStyle == kStyleHighLow;
    if (highLow) {
        ShowBonusTable();
    }
    ResetRound();
    for (std::size_t i = 0; i < imgTable.size(); ++i) {
        ShowCard(static_cast<int>(i), false);
    }
    ShowCard(0, true);
    if (highLow) {
        lblHold[0]->setText("LOW");
        lblHold[4]->setText("HIGH");
        for (std::size_t i = 1; i < 4; ++i) {
            lblHold[i]->setText("");
        }
        ShowMsg("ＳＥＬＥＣＴ　ＨＩ　ＬＯＷ");
    } else {
        lblHold[0]->setText("DEALER");
        imgTable[0]->SetNote("dealer");
        SetForeColor(lblHold[0], kWhite);
        ShowMsg("ＳＥＬＥＣＴ　ＣＡＲＤ");
    }
    intGameStatus = 3;
    if (std::stoi(basPokerProc::strCardNo[0]) == basPokerProc::kRankJoker) {
        PauseSpeed(1.5);
        intGameStatus = 9;
        cmdDual_Click();
    }
}

bool frmPoker::PickAllowed(int Index) const {
    if (intDoubleStyle == kStyleHighLow) {
        return Index == 0 || Index == 4;
    }
    return Index >= 1 && Index <= 4;
}

void frmPoker::PickDouble(int Index) {
    if (Busy() || intGameStatus != 3 || intDoubleSelect != 0 || !PickAllowed(Index)) {
        return;
    }
    const auto i = static_cast<std::size_t>(Index);
    basEffect::SoundPlayIfStopped("HOLD");
    ++intDoubleSelect;
    strHold[i] = std::string("1"); // a literal here trips a false -Wrestrict in GCC 12
    SetForeColor(lblHold[i], kYellow);
    const bool highLow = intDoubleStyle == kStyleHighLow;
    imgTable[i]->SetNote(!highLow ? "picked" : Index == 0 ? "guessed low" : "guessed high");
    if (intDoubleStyle != kStyleHighLow) {
        lblHold[i]->setText("PLAYER");
    }
    cmdDual_Click();
}

void frmPoker::SettleDouble() {
    switch (intDoubleStyle) {
    case kStyleRedBlack:
        JudgeRedBlack();
        break;
    case kStyleHighLow:
        JudgeHighLow();
        break;
    default:
        JudgeStandard();
        break;
    }
}

void frmPoker::LoseToDealerJoker() {
    TurnUpPlayerCards();
    CoinProc(60);
    ShowResult("PLAYER LOSE!");
    cmdCollect_Click();
}

void frmPoker::DoubleWin() {
    CoinProc(75);
    PlayWinSound();
    ShowResult("PLAYER WIN!");
    ShowMsg("ＤＯＵＢＬＥ／ＣＯＬＬＥＣＴ");
    ShowDoublePanel(true);
    intGameStatus = 2;
    SetButtons(3);
}

// The coins set aside by HALF DOUBLE are still paid by the collect.
void frmPoker::DoubleLose() {
    CoinProc(60);
    ShowResult("PLAYER LOSE!");
    cmdCollect_Click();
}

void frmPoker::FlashTable() {
    for (const std::int32_t color : {kFlashWhite, kFlashBlack, kFlashWhite}) {
        SetTableColor(color);
        platform::Pause(kFlashPause);
    }
    SetTableColor(basIniProc::lngBackColor);
}

// Pauses scaled from the speed setting, to the nearest millisecond with halves to even.
void frmPoker::PauseSpeed(double Factor) {
    platform::Pause(static_cast<int>(std::nearbyint(basIniProc::intGameSpeed * Factor)));
}

// The bonus is what the bonus table shows in the hand's row; the offer of the run left
// room for the largest of them.
void frmPoker::PaySpecialBonus(int Code) {
    const auto row = static_cast<std::size_t>(Code);
    FlashTable();
    const std::int64_t bonus = std::int64_t{basPokerProc::kSpecialBonusFactor} *
                               basPokerProc::lngPayRate.at(row) * std::int64_t{lngWager};
    lngWin = static_cast<std::int32_t>(lngWin + bonus);
    basIniProc::lngMaxDoubleWin = std::max(basIniProc::lngMaxDoubleWin, lngWin);
    SetLabelNumber(lblDoubleCollect, lngWin);
    SetLabelNumber(lblTryYourLuck, std::int64_t{lngWin} * 2);
    SetBackColor(lblWinName.at(row), kRed);
    SetBackColor(lbl1Win.at(row), kRed);
    ShowResult(QString::fromStdString(basPokerProc::HandName(static_cast<std::int16_t>(Code))));
    platform::Pause(kBonusPause);
}

// A winning RED/BLACK pick that makes five cards of one suit: the stake is multiplied
// here and then doubled by the win.
void frmPoker::PayFlushBonus() {
    constexpr std::int16_t kFlush = 5;
    ShowResult(QString::fromStdString(basPokerProc::HandName(kFlush)));
    FlashTable();
    lngWin = static_cast<std::int32_t>(lngWin * kFlushBonus);
}
