#include "advisor/DoubleOdds.h"

#include "advisor/Judge.h"
#include "advisor/PackDraw.h"
#include "rules/basPokerProc.h"

#include <algorithm>
#include <array>

namespace advisor {
namespace {

constexpr int kOrdinaryCards = 52;
constexpr int kPlayerCards = 4;
constexpr int kSuitSize = 13;
// A won flush pays 5 x before the doubling: 10 x the stake, 8 more than a plain win.
constexpr double kFlushExtra = 8.0;

int CardValue(Card card) {
    return basPokerProc::DoubleUpValue(card.rank);
}

bool SameCard(Card a, Card b) {
    return a.suit == b.suit && a.rank == b.rank;
}

// The dealer's card of a new STANDARD round is drawn from the full pack.
double ChanceOfDealerJoker() {
    return ChanceOfJokerAt({kOrdinaryCards, true}, 0);
}

void AddScaled(Odds& sum, const Odds& odds, double chance) {
    sum.win += chance * odds.win;
    sum.lose += chance * odds.lose;
    sum.tie += chance * odds.tie;
    sum.flush += chance * odds.flush;
    sum.stakeMultiple += chance * odds.stakeMultiple;
    sum.bonusWagers += chance * odds.bonusWagers;
}

// The pick against a known dealer's card, ties left open.
Odds StandardPick(Card dealer) {
    const Pack rest{kOrdinaryCards - 1, true};
    const double joker = ChanceOfJokerAt(rest, kPlayerCards - 1);
    const double each = (1.0 - joker) / rest.ordinary;
    Odds odds;
    odds.win = joker;
    for (int index = 0; index < kOrdinaryCards; ++index) {
        const Card card = CardAt(index);
        if (SameCard(card, dealer)) {
            continue;
        }
        const int d = CardValue(card) - CardValue(dealer);
        (d > 0 ? odds.win : d < 0 ? odds.lose : odds.tie) += each;
    }
    return odds;
}

// A whole STANDARD round from the dealer's draw on, ties left open.
Odds StandardRound() {
    const double dealerJoker = ChanceOfDealerJoker();
    Odds round;
    round.lose = dealerJoker;
    for (int index = 0; index < kOrdinaryCards; ++index) {
        AddScaled(round, StandardPick(CardAt(index)), (1.0 - dealerJoker) / kOrdinaryCards);
    }
    return round;
}

bool Right(Card next, Card before, bool high) {
    if (IsJoker(next)) {
        return true;
    }
    return high ? CardValue(next) > CardValue(before) : CardValue(next) < CardValue(before);
}

bool Shown(const std::vector<Card>& shown, Card card) {
    return std::any_of(shown.begin(), shown.end(), [card](Card s) { return SameCard(s, card); });
}

std::int64_t HalfStake(std::int64_t win) {
    const std::int64_t down = win / 2;
    return win % 2 == 0 || down % 2 == 0 ? down : down + 1;
}

} // namespace

Odds StandardOdds(std::optional<Card> dealer) {
    if (dealer && IsJoker(*dealer)) {
        Odds lost;
        lost.lose = 1.0;
        return lost;
    }
    const Odds round = StandardRound();
    const double decided = round.win / (round.win + round.lose);
    Odds odds = dealer ? StandardPick(*dealer) : round;
    odds.stakeMultiple = 2.0 * (dealer ? odds.win + odds.tie * decided : decided);
    return odds;
}

Odds RedBlackOdds() {
    const Pack rest{kOrdinaryCards - 1, false};
    Odds odds;
    odds.win = (kOrdinaryCards / 2 - 1) / static_cast<double>(rest.ordinary);
    odds.lose = 1.0 - odds.win;
    // The four player cards are the other twelve of the dealer's suit, in any order.
    const int otherSuitCards = kSuitSize - 1;
    const double ways =
        otherSuitCards * (otherSuitCards - 1) * (otherSuitCards - 2) * (otherSuitCards - 3) / 24.0;
    odds.flush = ways * ChanceOfSet(rest, kPlayerCards, false);
    odds.stakeMultiple = 2.0 * odds.win + kFlushExtra * odds.flush;
    return odds;
}

Odds HighLowOdds(const std::vector<Card>& shown, bool high) {
    if (shown.empty()) {
        return HighLowOdds();
    }
    if (shown.size() > kPlayerCards) {
        return {};
    }
    const bool jokerShown = std::any_of(shown.begin(), shown.end(), IsJoker);
    const Pack rest{kOrdinaryCards - static_cast<int>(shown.size()) + (jokerShown ? 1 : 0),
                    !jokerShown};
    const bool last = shown.size() == kPlayerCards;
    Odds odds;
    for (int index = 0; index < kPackSize; ++index) {
        const Card next = CardAt(index);
        if (Shown(shown, next)) {
            continue;
        }
        const double chance = ChanceOfSet(rest, 1, IsJoker(next));
        if (!Right(next, shown.back(), high)) {
            odds.lose += chance;
            continue;
        }
        odds.win += chance;
        if (last) {
            const int code = HandCode({shown[0], shown[1], shown[2], shown[3], next});
            if (code != kNoHand) {
                odds.bonusWagers += chance * basPokerProc::kSpecialBonusFactor * PayRate(code);
            }
        }
    }
    odds.stakeMultiple = 2.0 * odds.win;
    return odds;
}

Odds HighLowOdds() {
    Odds odds;
    for (int index = 0; index < kOrdinaryCards; ++index) {
        const std::vector<Card> dealer{CardAt(index)};
        const Odds high = HighLowOdds(dealer, true);
        const Odds low = HighLowOdds(dealer, false);
        AddScaled(odds, low.win > high.win ? low : high, 1.0 / kOrdinaryCards);
    }
    return odds;
}

double ValueOf(const Odds& odds, const Stake& stake) {
    return static_cast<double>(stake.paid) + static_cast<double>(stake.win) * odds.stakeMultiple +
           static_cast<double>(stake.wager) * odds.bonusWagers;
}

DoubleValues ValueDouble(DoubleStyle style, const Stake& stake, const std::vector<Card>& shown) {
    DoubleValues values;
    values.collect = static_cast<double>(stake.paid + stake.win);
    const std::optional<Card> dealer =
        shown.empty() ? std::nullopt : std::optional<Card>(shown.front());
    if (style == DoubleStyle::HighLow) {
        if (shown.empty()) {
            values.whole = ValueOf(HighLowOdds(), stake);
        } else {
            values.whole = std::max(ValueOf(HighLowOdds(shown, true), stake),
                                    ValueOf(HighLowOdds(shown, false), stake));
        }
        return values;
    }
    const Odds odds = style == DoubleStyle::Standard ? StandardOdds(dealer) : RedBlackOdds();
    values.whole = ValueOf(odds, stake);
    if (stake.win == 1) {
        values.half = values.whole;
    } else {
        const std::int64_t half = HalfStake(stake.win);
        values.half = ValueOf(odds, {half, stake.paid + half, stake.wager});
    }
    return values;
}

} // namespace advisor
