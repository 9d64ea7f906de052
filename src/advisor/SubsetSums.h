#pragma once

#include "advisor/HandCodeMemo.h"
#include "advisor/HoldValues.h"
#include "advisor/Judge.h"
#include "advisor/PackDraw.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

// Sums over the 2,869,685 five-card hands of the pack, kept for every set of up to four
// cards: the sum over all hands that contain the set. Any hold's sum over the hands it
// can become then follows by inclusion and exclusion over the 32 subsets of the deal,
// instead of judging every draw. Tally is what one hand adds (its pay, or a count per
// hand code); it needs += and -=.
namespace advisor {

inline constexpr int kLargestSet = 4;

class SetNumbers {
  public:
    SetNumbers() {
        for (int n = 0; n <= kPackSize; ++n) {
            choose_[n][0] = 1;
            for (int k = 1; k <= kLargestSet + 1; ++k) {
                choose_[n][k] = n == 0 ? 0 : choose_[n - 1][k - 1] + choose_[n - 1][k];
            }
        }
        for (int k = 1; k <= kLargestSet + 1; ++k) {
            first_[k] = first_[k - 1] + choose_[kPackSize][k - 1];
        }
    }

    std::size_t Count() const { return first_[kLargestSet + 1]; }

    // The place of a set of card indices in increasing order, sets of one size together.
    std::size_t Of(const int* cards, int size) const {
        std::size_t number = first_[size];
        for (int i = 0; i < size; ++i) {
            number += choose_[cards[i]][i + 1];
        }
        return number;
    }

  private:
    std::array<std::array<std::size_t, kLargestSet + 2>, kPackSize + 1> choose_{};
    std::array<std::size_t, kLargestSet + 2> first_{};
};

// Calls visit(cards) for every five-card hand of the pack, as increasing card indices.
template <typename Visit> void ForEveryHand(Visit visit) {
    std::array<int, 5> at{};
    for (at[0] = 0; at[0] < kPackSize; ++at[0]) {
        for (at[1] = at[0] + 1; at[1] < kPackSize; ++at[1]) {
            for (at[2] = at[1] + 1; at[2] < kPackSize; ++at[2]) {
                for (at[3] = at[2] + 1; at[3] < kPackSize; ++at[3]) {
                    for (at[4] = at[3] + 1; at[4] < kPackSize; ++at[4]) {
                        visit(at);
                    }
                }
            }
        }
    }
}

template <typename Tally> class SubsetSums {
  public:
    // add(tally, code) adds one hand of that hand code (kNoHand included).
    template <typename AddHand> explicit SubsetSums(AddHand add) : sums_(numbers_.Count()) {
        HandCodeMemo judge;
        ForEveryHand([&](const std::array<int, 5>& at) { Add(at, judge(at), add); });
    }

    const Tally& Of(const int* cards, int size) const { return sums_[numbers_.Of(cards, size)]; }

  private:
    template <typename AddHand> void Add(const std::array<int, 5>& at, int code, AddHand& add) {
        Tally hand{};
        add(hand, code);
        if (hand == Tally{}) {
            return;
        }
        std::array<int, kLargestSet> part{};
        for (int subset = 0; subset < 31; ++subset) {
            int size = 0;
            for (int i = 0; i < 5; ++i) {
                if ((subset & (1 << i)) != 0) {
                    part[static_cast<std::size_t>(size++)] = at[static_cast<std::size_t>(i)];
                }
            }
            sums_[numbers_.Of(part.data(), size)] += hand;
        }
    }

    SetNumbers numbers_;
    std::vector<Tally> sums_;
};

// The sums of every hold of one deal: over the hands each hold can become, split by
// whether the replacements hold the joker, as the two kinds of set differ in chance.
template <typename Tally> struct HoldSums {
    std::array<Tally, 32> plain{};
    std::array<Tally, 32> joker{};
    // The chance of one set of replacements, by the number of cards drawn.
    std::array<double, 6> plainChance{};
    std::array<double, 6> jokerChance{};
};

inline int HeldCount(int mask) {
    int count = 0;
    for (int i = 0; i < 5; ++i) {
        count += (mask >> i) & 1;
    }
    return count;
}

// Leaves in sums[hold] the sum over sets that contain the hold and no other card of the
// deal: a transform over the five positions, one position at a time.
template <typename Tally> void ExcludeThrownAway(std::array<Tally, 32>& sums) {
    for (int bit = 1; bit < 32; bit <<= 1) {
        for (int mask = 0; mask < 32; ++mask) {
            if ((mask & bit) == 0) {
                sums[static_cast<std::size_t>(mask)] -= sums[static_cast<std::size_t>(mask | bit)];
            }
        }
    }
}

// handTally(hand) gives the Tally of one five-card hand, for the sets of five cards
// that the table does not keep.
template <typename Tally, typename HandTally>
HoldSums<Tally> SumHolds(const SubsetSums<Tally>& table, const Deal& dealt, HandTally handTally) {
    bool jokerDealt = false;
    for (const Card& card : dealt) {
        jokerDealt = jokerDealt || IsJoker(card);
    }
    // Positions by card index, so that every subset comes out in increasing order.
    std::array<std::size_t, 5> order{0, 1, 2, 3, 4};
    std::sort(order.begin(), order.end(), [&dealt](std::size_t a, std::size_t b) {
        return CardIndex(dealt[a]) < CardIndex(dealt[b]);
    });
    HoldSums<Tally> sums;
    for (int mask = 0; mask < 32; ++mask) {
        std::array<Card, 5> hand{};
        std::array<int, 5> cards{};
        int size = 0;
        for (const std::size_t i : order) {
            if ((mask & (1 << i)) != 0) {
                hand[static_cast<std::size_t>(size)] = dealt[i];
                cards[static_cast<std::size_t>(size++)] = CardIndex(dealt[i]);
            }
        }
        const auto m = static_cast<std::size_t>(mask);
        sums.plain[m] = size == 5 ? handTally(hand) : table.Of(cards.data(), size);
        if (!jokerDealt && size < 5) {
            cards[static_cast<std::size_t>(size)] = kJokerIndex;
            hand[static_cast<std::size_t>(size)] = CardAt(kJokerIndex);
            sums.joker[m] = size == 4 ? handTally(hand) : table.Of(cards.data(), size + 1);
        }
    }
    ExcludeThrownAway(sums.plain);
    ExcludeThrownAway(sums.joker);
    const Pack rest{jokerDealt ? 48 : 47, !jokerDealt};
    for (int drawn = 0; drawn <= 5; ++drawn) {
        const auto d = static_cast<std::size_t>(drawn);
        sums.plainChance[d] = ChanceOfSet(rest, drawn, false);
        sums.jokerChance[d] = ChanceOfSet(rest, drawn, true);
    }
    for (int mask = 0; mask < 32; ++mask) {
        // The plain sums still count the hands that draw the joker.
        sums.plain[static_cast<std::size_t>(mask)] -= sums.joker[static_cast<std::size_t>(mask)];
    }
    return sums;
}

} // namespace advisor
