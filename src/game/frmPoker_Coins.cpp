#include "game/frmPoker.h"

#include "config/basIniProc.h"
#include "game/KeyCodes.h"
#include "log/CoinGraph.h"
#include "log/basLog.h"
#include "platform/Pause.h"
#include "rules/basPokerProc.h"
#include "sound/basEffect.h"

#include <QPushButton>
#include <algorithm>
#include <limits>

namespace {

constexpr std::int32_t kMaxWager = 10;
constexpr std::int64_t kCoinLimit = basIniProc::kCoinLimit;
constexpr int kFocusPause = 100;

// The running totals start again at 0 once they pass the limit.
std::int32_t AddToTotal(std::int32_t total, std::int64_t coins) {
    const std::int64_t sum = std::int64_t{total} + coins;
    return sum > kCoinLimit ? 0 : static_cast<std::int32_t>(sum);
}

// Coins set aside and the win are summed wide; a count beyond 32 bits could only
// be paid capped at the balance limit anyway.
std::int32_t SaturatedSum(std::int64_t a, std::int64_t b) {
    return static_cast<std::int32_t>(
        std::min<std::int64_t>(a + b, std::numeric_limits<std::int32_t>::max()));
}

// A bet may take the balance below zero, but never past the bottom of 32 bits,
// where it would wrap to a fortune.
std::int32_t AfterBet(std::int32_t balance, std::int32_t coins) {
    return static_cast<std::int32_t>(std::max<std::int64_t>(
        std::int64_t{balance} - coins, std::numeric_limits<std::int32_t>::min()));
}

} // namespace

void frmPoker::CoinProc(int Mode) {
    using basIniProc::lngCoin;
    using basIniProc::lngTotalGet;
    switch (Mode) {
    case 0:
        lngWager = 0;
        lngWin = 0;
        lngLastWager = 1;
        lngPaid = 0;
        ShowCoins(0);
        break;
    case 1:
    case 10:
    case 80: {
        // REP BET tops the wager up to the last one, as MAX BET does to the maximum:
        // coins already bet with 1 BET are part of it, never taken twice.
        const std::int32_t target = Mode == 1    ? lngWager + 1
                                    : Mode == 10 ? kMaxWager
                                                 : std::max(lngWager, lngLastWager);
        const std::int32_t coins = target - lngWager;
        lngWager = target;
        lngCoin = AfterBet(lngCoin, coins);
        lngTotalGet = AddToTotal(lngTotalGet, coins);
        lngWin = 0;
        lngPaid = 0;
        ShowCoins(Mode);
        break;
    }
    case 70:
        lngWin = static_cast<std::int32_t>(
            LabelNumber(lbl1Win.at(static_cast<std::size_t>(std::stoi(strWinHand)))));
        lngPaid = 0;
        ShowCoins(70);
        break;
    case 50:
        if (lngWin != 1) {
            const auto half = static_cast<std::int32_t>(std::nearbyint(lngWin / 2.0));
            lngWin = half;
            lngPaid = SaturatedSum(lngPaid, half);
        }
        ShowCoins(50);
        break;
    case 60:
        lngWin = 0;
        break;
    case 75:
        lngWin = SaturatedSum(lngWin, lngWin);
        basIniProc::lngMaxDoubleWin = std::max(basIniProc::lngMaxDoubleWin, lngWin);
        break;
    case 99:
        CountPayout();
        break;
    default:
        break;
    }
    SetLabelNumber(lblCredits, lngCoin);
    if (Mode < 50 || Mode > 79) {
        ShowPayTable();
    }
}

// The payout is counted, credited, logged and saved before any other input may
// act: the win stays in lngWin until the coins are in the balance. Saving after
// every game means a kill, a crash or a logout loses at most the game under way.
void frmPoker::CountPayout() {
    const BusyScope paying(*this, blnPaying);
    lngPaid = SaturatedSum(lngPaid, lngWin);
    ShowCoins(99);
    CreditPayout();
}

void frmPoker::CreditPayout() {
    using basIniProc::lngCoin;
    basIniProc::lngTotalPut = AddToTotal(basIniProc::lngTotalPut, lngPaid);
    lngCoin = static_cast<std::int32_t>(std::min(std::int64_t{lngCoin} + lngPaid, kCoinLimit));
    basLog::AppendLog(
        {intGameNo, lngCoin, lngWager, lngPaid, basIniProc::lngTotalGet, basIniProc::lngTotalPut});
    blnSaveFailed = !basIniProc::SaveCoinData();
    lngLastWager = lngWager;
    lngWager = 0;
    lngWin = 0;
    lngPaid = 0;
}

void frmPoker::SetButtons(int Mode) {
    const bool betting = Mode == 0 || Mode == 1;
    const bool offered = Mode == 3 && DoubleOffered();
    cmdCollect->setEnabled(Mode == 3 || Mode == 5);
    cmdHalf->setEnabled(offered && basPokerProc::intDoubleStyle != basPokerProc::kStyleHighLow);
    cmdMaxBet->setEnabled(betting);
    cmdOneBet->setEnabled(betting);
    cmdRepBet->setEnabled(betting);
    cmdDual->setEnabled(Mode == 1 || Mode == 2 || offered);
    if (Mode == 3) {
        platform::Pause(kFocusPause);
        cmdDual->setFocus();
    }
}

void frmPoker::cmdOneBet_Click() {
    StopWinSounds();
    CoinProc(1);
    ShowPayTable();
    SetButtons(1);
    basEffect::SoundPlayIfStopped("COININ");
    if (lngWager >= kMaxWager) {
        cmdMaxBet_Click();
    }
}

void frmPoker::cmdMaxBet_Click() {
    BetAndDeal(10);
}

void frmPoker::cmdRepBet_Click() {
    BetAndDeal(80);
}

// MAX BET and REP BET differ only in how many coins they take; both deal at once.
void frmPoker::BetAndDeal(int Mode) {
    StopWinSounds();
    SetButtons(99);
    CoinProc(Mode);
    ShowPayTable();
    SetButtons(1);
    basEffect::SoundPlayIfStopped("COININ");
    cmdDual_Click();
}

void frmPoker::cmdCollect_Click() {
    StopWinSounds();
    SetButtons(99);
    CoinProc(99);
    ShowMsg("ＧＡＭＥ　ＯＶＥＲ");
    TellSaveFailed();
    basLog::DrawCoinGraph(picGraph);
    basPokerProc::intGameStatus = 0;
    SetButtons(0);
    CoachFollow();
}

void frmPoker::cmdHalf_Click() {
    StopWinSounds();
    SetButtons(99);
    CoinProc(50);
    SetLabelNumber(lblLuckNo, LabelNumber(lblLuckNo) - 1);
    ShowDoublePanel(true);
    cmdDual_Click();
}

// Where the game over message would stand, so the player sees it; after every
// game whose save failed, since each such game is lost at a kill.
void frmPoker::TellSaveFailed() {
    if (blnSaveFailed) {
        ShowMsg("ＣＯＩＮＳ　ＮＯＴ　ＳＡＶＥＤ");
    }
}

void frmPoker::SettleOpenGame() {
    using basIniProc::lngCoin;
    using basIniProc::lngTotalGet;
    switch (basPokerProc::intGameStatus) {
    case 0:
        lngCoin = static_cast<std::int32_t>(std::min(std::int64_t{lngCoin} + lngWager, kCoinLimit));
        lngTotalGet = std::max(lngTotalGet - lngWager, 0);
        lngWager = 0;
        return;
    case 1:
        lngWin = 0;
        break;
    case 2:
    case 3:
        lngPaid = SaturatedSum(lngPaid, lngWin);
        break;
    default: // the dealer's joker has taken the stake
        break;
    }
    CreditPayout();
    basPokerProc::intGameStatus = 0;
}

// A win of 60 coins or more sounds louder, the hand's and the double-up's alike.
void frmPoker::PlayWinSound() {
    constexpr std::int32_t kLoudWin = 60;
    basEffect::SoundPlayIfStopped(lngWin >= kLoudWin ? "WIN2" : "WIN1");
}

// Every button cuts a win jingle short: the player has moved on.
void frmPoker::StopWinSounds() {
    basEffect::SoundStop("WIN1");
    basEffect::SoundStop("WIN2");
}

void frmPoker::PressIfEnabled(QPushButton* button, void (frmPoker::*handler)()) {
    if (button->isEnabled()) {
        (this->*handler)();
    }
}

void frmPoker::Form_KeyDown(int& KeyCode, int /*Shift*/) {
    static constexpr std::array<int, 5> kPositionKeys{'G', 'H', 'J', 'K', 'L'};
    const auto position = std::find(kPositionKeys.begin(), kPositionKeys.end(), KeyCode);
    if (position != kPositionKeys.end()) {
        const auto index = static_cast<int>(position - kPositionKeys.begin());
        KeyCode = 0;
        if (basPokerProc::intGameStatus == 2) {
            lblDblStyleName_Click(index);
        } else {
            lblHold_Click(index);
        }
        return;
    }
    const int key = KeyCode;
    KeyCode = 0;
    switch (key) {
    case kVkEscape:
        close();
        break;
    case kVkSpace:
        PressIfEnabled(cmdCollect, &frmPoker::cmdCollect_Click);
        break;
    case 'A':
        PressIfEnabled(cmdHalf, &frmPoker::cmdHalf_Click);
        break;
    case 'S':
        PressIfEnabled(cmdMaxBet, &frmPoker::cmdMaxBet_Click);
        break;
    case 'D':
        PressIfEnabled(cmdOneBet, &frmPoker::cmdOneBet_Click);
        break;
    case 'F':
        PressIfEnabled(cmdRepBet, &frmPoker::cmdRepBet_Click);
        break;
    case kVkEnter:
        PressIfEnabled(cmdDual, &frmPoker::cmdDual_Click);
        break;
    case 'Z':
        RunWhenIdle(&frmPoker::ShowSettings);
        break;
    case 'X':
        RunWhenIdle(&frmPoker::ShowDataView);
        break;
    case 'M':
        ToggleSound();
        break;
    case 'C':
        ToggleCoach();
        break;
    default:
        KeyCode = key;
        break;
    }
}
