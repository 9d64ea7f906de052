#pragma once

#include "advisor/Card.h"

#include <array>

// The value of every hold of a dealt hand under the game's own draw.
namespace advisor {

using Deal = std::array<Card, 5>;          // table positions 0..4
using HoldValues = std::array<double, 32>; // by hold mask: bit i set = position i held

// The exact expected pay of each hold, in multiples of the wager (the pay table's
// rates; nothing for no paying hand). The deal must be five different cards of the
// pack. Before the tables are ready (see Ready) this call prepares them and waits.
HoldValues ValueHolds(const Deal& dealt);

// The mask of the highest value; of equal values the lowest mask wins.
int BestHold(const HoldValues& values);

// The game's return under best play: every deal, weighted by its chance under the
// game's draw, played by BestHold. `vesk-holds --return` counts it in some seconds,
// too long for the game to do itself.
inline constexpr double kBestPlayReturn = 0.73452772;

// Whether ValueHolds answers at once. Preparing takes about a second of one core.
bool Ready();

// Starts preparing on a worker thread and returns at once; calling it again, or
// calling it when ready, does nothing. The game calls it when the coach is turned on,
// never before the first paint.
void PrepareInBackground();

} // namespace advisor
