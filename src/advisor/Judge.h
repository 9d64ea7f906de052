#pragma once

#include "advisor/Card.h"

#include <array>

namespace advisor {

inline constexpr int kNoHand = -1;
inline constexpr int kHandKinds = 9;

// The game's own judgement of five cards: the hand code 0..8, or kNoHand.
int HandCode(const std::array<Card, 5>& hand);

// The pay table's rate of a hand code, 0 for kNoHand.
int PayRate(int code);

} // namespace advisor
