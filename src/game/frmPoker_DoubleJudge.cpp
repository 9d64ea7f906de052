#include "game/frmPoker.h"

#include "rules/basPokerProc.h"
#include "sound/basEffect.h"

#include <cstdint>
#include <string>

// How each double-up style settles the pick of a round.

using namespace tablecolor;
using basPokerProc::intGameStatus;
using basPokerProc::strCardMark;
using basPokerProc::strCardNo;

namespace {

constexpr int kLastPosition = 4;

int CardValue(std::size_t position) {
    return basPokerProc::DoubleUpValue(std::stoi(strCardNo.at(position)));
}

bool IsJoker(std::size_t position) {
    return std::stoi(strCardNo.at(position)) == basPokerProc::kRankJoker;
}

// Diamonds and hearts are red.
bool IsRed(std::size_t position) {
    const int suit = std::stoi(strCardMark.at(position));
    return suit == 2 || suit == 3;
}

bool OneSuit() {
    for (std::size_t i = 1; i < strCardMark.size(); ++i) {
        if (strCardMark[i] != strCardMark[0]) {
            return false;
        }
    }
    return true;
}

} // namespace

void frmPoker::TurnUpPlayerCards() {
    for (int i = 1; i <= kLastPosition; ++i) {
        if (strHold.at(static_cast<std::size_t>(i)) == "0") {
            ShowCard(i, true);
        }
    }
}

// The picked card is turned last, after a pause that lets the others sink in.
void frmPoker::TurnUpPick(int Index) {
    PauseSpeed(5);
    ShowCard(Index, true);
}

std::optional<std::size_t> frmPoker::PickedPosition() const {
    for (std::size_t i = 0; i < strHold.size(); ++i) {
        if (strHold[i] == "1") {
            return i;
        }
    }
    return std::nullopt;
}

// Turns up the cards left and then the pick; a round with no pick is lost.
std::optional<std::size_t> frmPoker::RevealPick() {
    TurnUpPlayerCards();
    const std::optional<std::size_t> picked = PickedPosition();
    if (!picked) {
        DoubleLose();
        return std::nullopt;
    }
    TurnUpPick(static_cast<int>(*picked));
    return picked;
}

void frmPoker::JudgeStandard() {
    const std::optional<std::size_t> picked = RevealPick();
    if (!picked) {
        return;
    }
    const int dealer = CardValue(0);
    const int player = CardValue(*picked);
    if (player > dealer) {
        DoubleWin();
    } else if (player < dealer) {
        DoubleLose();
    } else {
        StandardTie();
    }
}

// A tie deals a new round for the same stake; it is not another double-up, so the
// panel's count and the records stay as they are.
void frmPoker::StandardTie() {
    ShowResult("ONE MORE!!");
    basEffect::SoundPlayIfStopped("BOO");
    PauseSpeed(5);
    basEffect::SoundPlayIfStopped("BOO");
    PauseSpeed(2.5);
    intGameStatus = 2;
    cmdDual_Click();
}

void frmPoker::JudgeRedBlack() {
    const std::optional<std::size_t> picked = RevealPick();
    if (!picked) {
        return;
    }
    if (IsRed(0) != IsRed(*picked)) {
        DoubleLose();
        return;
    }
    if (OneSuit()) {
        PayFlushBonus();
    }
    DoubleWin();
}

void frmPoker::JudgeHighLow() {
    PauseSpeed(3);
    ++intDoubleCount;
    const auto card = static_cast<std::size_t>(intDoubleCount);
    ShowCard(intDoubleCount, true);
    const int now = CardValue(card);
    const int before = CardValue(card - 1);
    const bool joker = IsJoker(card);
    const bool right = joker || (strHold[0] == "1" ? now < before : now > before);
    if (!right) {
        DoubleLose();
        return;
    }
    DoubleWin();
    if (joker || intDoubleCount >= kLastPosition) {
        EndHighLowRun();
    } else {
        NextHighLowGuess();
    }
}

void frmPoker::NextHighLowGuess() {
    strHold.fill("0");
    ShowHighLowChoice();
    intDoubleSelect = 0;
    intGameStatus = 3;
    SetButtons(5);
}

// The guess just won shows as every won guess does: LOW and HIGH dim again under
// "ＳＥＬＥＣＴ　ＨＩ　ＬＯＷ".
void frmPoker::ShowHighLowChoice() {
    SetForeColor(lblHold[0], kDimOlive);
    SetForeColor(lblHold[kLastPosition], kDimOlive);
    ShowMsg("ＳＥＬＥＣＴ　ＨＩ　ＬＯＷ");
}

// Four right guesses that make a paying hand earn the special bonus; a run always ends
// with the collect. The win just doubled left its buttons on, and the bonus name is
// typed while events run: they go off first, or the win could be staked or collected
// before the bonus is in it.
void frmPoker::EndHighLowRun() {
    SetButtons(99);
    ShowHighLowChoice();
    if (intDoubleCount >= kLastPosition) {
        const std::string hand = basPokerProc::JudgeHand();
        if (!hand.empty()) {
            PaySpecialBonus(std::stoi(hand));
        }
    }
    cmdCollect_Click();
}
