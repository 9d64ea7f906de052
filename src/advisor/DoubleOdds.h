#pragma once

#include "advisor/Card.h"

#include <cstdint>
#include <optional>
#include <vector>

// The chances of each double-up choice, from the cards known when it is made, under
// the game's own draw and double-up rules.
namespace advisor {

// The game's intDoubleStyle codes.
enum class DoubleStyle { RedBlack = 1, HighLow = 2, Standard = 3 };

// The outcome of one round. win + lose + tie = 1.
struct Odds {
    double win = 0.0;   // the stake is doubled (bonuses included)
    double lose = 0.0;  // the stake is lost
    double tie = 0.0;   // STANDARD only: equal cards; the game deals a new round, same stake
    double flush = 0.0; // RED/BLACK: the part of win where all five cards share a suit,
                        // so the stake is multiplied by 5 before it is doubled
    // Coins per coin staked once the round is decided: STANDARD's ties replayed until
    // a round is won or lost, RED/BLACK's flush included, HI/LOW's bonus apart.
    double stakeMultiple = 0.0;
    // HI/LOW: the expected special bonus, 10 x the hand's rate, in multiples of the wager.
    double bonusWagers = 0.0;
};

// STANDARD's pick. With the dealer's card known (the round waits for the pick) every
// position has the same chances: the three other cards are dealt before the pick from
// the same draw, so the pick is the fourth card drawn after the dealer's. Without it
// (the win on offer) the dealer's card is drawn too; a dealer's joker loses.
Odds StandardOdds(std::optional<Card> dealer);

// RED/BLACK's pick, a card of the dealer's colour winning; no joker is ever dealt.
// The chances are the same for every dealer's card, known or not.
Odds RedBlackOdds();

// HI/LOW's guess on the next card. `shown` are the cards of this deal face up, the
// dealer's first (1 to 4 cards; none is the same as HighLowOdds(), five leave no guess).
// An equal card loses, the joker wins; with four cards shown the guess is the fourth
// and can earn the special bonus.
Odds HighLowOdds(const std::vector<Card>& shown, bool high);

// HI/LOW before the dealer's card (the win on offer): the first guess, the better of
// HIGH and LOW for each dealer's card (HIGH when they are equal). The dealer's card is
// never the joker.
Odds HighLowOdds();

// The money at a decision: lngWin, lngPaid and lngWager.
struct Stake {
    std::int64_t win = 0;  // the stake in play
    std::int64_t paid = 0; // set aside by half doubles, paid whatever happens
    std::int32_t wager = 0;
};

// Expected coins paid out if this round is played with this stake and then collected:
// paid + win x stakeMultiple + wager x bonusWagers.
double ValueOf(const Odds& odds, const Stake& stake);

// Expected coins paid out at the end (paid included) of three courses: collect now;
// double the whole win for one round and then collect; the same with half of it
// (lngWin 1 stays whole, otherwise half rounded to even is staked and the same is set
// aside). A round is one decided double-up: STANDARD's ties are replayed, HI/LOW is one
// guess, the one of greater ValueOf (HIGH when equal). `shown` is empty while a win is on offer; in
// HI/LOW after a won guess it holds the cards face up, and the courses are guessing again or
// collecting. HI/LOW offers no half double: `half` is then empty.
struct DoubleValues {
    double collect = 0.0;
    double whole = 0.0;
    std::optional<double> half;
};
DoubleValues ValueDouble(DoubleStyle style, const Stake& stake,
                         const std::vector<Card>& shown = {});

} // namespace advisor
