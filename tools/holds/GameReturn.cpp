#include "GameReturn.h"

#include "advisor/SubsetSums.h"
#include "rules/basPokerProc.h"

#include <cstdio>

namespace {

using advisor::kHandKinds;

// How many hands of each hand code; a count per code, so one table gives both the
// values (by the pay rates) and how often each hand comes.
struct CodeCounts {
    std::array<std::uint32_t, kHandKinds> of{};
    CodeCounts& operator+=(const CodeCounts& other) {
        for (std::size_t c = 0; c < of.size(); ++c) {
            of[c] += other.of[c];
        }
        return *this;
    }
    CodeCounts& operator-=(const CodeCounts& other) {
        for (std::size_t c = 0; c < of.size(); ++c) {
            of[c] -= other.of[c];
        }
        return *this;
    }
    bool operator==(const CodeCounts&) const = default;
};

CodeCounts CountOf(int code) {
    CodeCounts counts;
    if (code != advisor::kNoHand) {
        counts.of[static_cast<std::size_t>(code)] = 1;
    }
    return counts;
}

std::uint64_t PaySum(const CodeCounts& counts) {
    std::uint64_t pay = 0;
    for (std::size_t c = 0; c < counts.of.size(); ++c) {
        pay += std::uint64_t{counts.of[c]} *
               static_cast<std::uint64_t>(advisor::PayRate(static_cast<int>(c)));
    }
    return pay;
}

struct Totals {
    double value = 0.0;
    std::array<double, kHandKinds> hands{};
};

// Adds one deal played by its best hold, valued as ValueHolds values it.
void AddDeal(const advisor::SubsetSums<CodeCounts>& table, advisor::HandCodeMemo& judge,
             const advisor::Deal& deal, double chance, Totals& totals) {
    const advisor::HoldSums<CodeCounts> sums =
        advisor::SumHolds(table, deal, [&judge](const std::array<advisor::Card, 5>& hand) {
            std::array<int, 5> cards{};
            for (std::size_t i = 0; i < hand.size(); ++i) {
                cards[i] = advisor::CardIndex(hand[i]);
            }
            return CountOf(judge(cards));
        });
    advisor::HoldValues values{};
    for (std::size_t mask = 0; mask < values.size(); ++mask) {
        const auto drawn = static_cast<std::size_t>(5 - advisor::HeldCount(static_cast<int>(mask)));
        values[mask] = sums.plainChance[drawn] * static_cast<double>(PaySum(sums.plain[mask])) +
                       sums.jokerChance[drawn] * static_cast<double>(PaySum(sums.joker[mask]));
    }
    const auto best = static_cast<std::size_t>(advisor::BestHold(values));
    const auto drawn = static_cast<std::size_t>(5 - advisor::HeldCount(static_cast<int>(best)));
    totals.value += chance * values[best];
    for (std::size_t c = 0; c < totals.hands.size(); ++c) {
        totals.hands[c] += chance * (sums.plainChance[drawn] * sums.plain[best].of[c] +
                                     sums.jokerChance[drawn] * sums.joker[best].of[c]);
    }
}

} // namespace

void PrintGameReturn() {
    const advisor::SubsetSums<CodeCounts> table(
        [](CodeCounts& counts, int code) { counts += CountOf(code); });
    advisor::HandCodeMemo judge;
    const advisor::Pack full{52, true};
    const double plainDeal = advisor::ChanceOfSet(full, 5, false);
    const double jokerDeal = advisor::ChanceOfSet(full, 5, true);
    Totals totals;
    advisor::ForEveryHand([&](const std::array<int, 5>& at) {
        const advisor::Deal deal{advisor::CardAt(at[0]), advisor::CardAt(at[1]),
                                 advisor::CardAt(at[2]), advisor::CardAt(at[3]),
                                 advisor::CardAt(at[4])};
        const bool joker = at[4] == advisor::kJokerIndex;
        AddDeal(table, judge, deal, joker ? jokerDeal : plainDeal, totals);
    });
    std::printf("return under best play: %.6f%%\n", 100.0 * totals.value);
    double paying = 0.0;
    for (std::size_t c = 0; c < totals.hands.size(); ++c) {
        const double share = totals.hands[c];
        paying += share;
        std::printf("%-21s %.9f  (1 in %.0f)\n",
                    basPokerProc::HandName(static_cast<std::int16_t>(c)).c_str(), share,
                    1.0 / share);
    }
    std::printf("%-21s %.9f\n", "no paying hand", 1.0 - paying);
}
