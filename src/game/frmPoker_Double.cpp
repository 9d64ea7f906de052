#include "game/frmPoker.h"

#include <cstdint>

// The double-up rounds: the style menu, dealing, the pick and settling in each style.

void frmPoker::lblDblStyleName_Click(int /*Index*/) {}

void frmPoker::DealDoubleRound() {}

void frmPoker::PickDouble(int /*Index*/) {}

void frmPoker::SettleDouble() {}

void frmPoker::LoseToDealerJoker() {}

void frmPoker::JudgeStandard() {}

void frmPoker::JudgeRedBlack() {}

void frmPoker::JudgeHighLow() {}

void frmPoker::DoubleWin() {}

void frmPoker::DoubleLose() {}

void frmPoker::FlashTable() {}

bool frmPoker::DoubleOffered() const {
    return lngWin <= INT32_MAX / 2;
}
