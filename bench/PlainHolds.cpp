#include "PlainHolds.h"

#include "advisor/Judge.h"
#include "advisor/PackDraw.h"

#include <vector>

namespace {

using advisor::Card;

// Steps `pick` to the next set of increasing indices below `size`; false after the last.
bool NextSet(std::vector<std::size_t>& pick, std::size_t size) {
    std::size_t i = pick.size();
    while (i > 0 && pick[i - 1] == size - pick.size() + i - 1) {
        --i;
    }
    if (i == 0) {
        return false;
    }
    ++pick[i - 1];
    for (std::size_t j = i; j < pick.size(); ++j) {
        pick[j] = pick[j - 1] + 1;
    }
    return true;
}

double PlainValue(const advisor::Deal& dealt, int mask, const std::vector<Card>& free,
                  advisor::Pack pack) {
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < 5; ++i) {
        if ((mask & (1 << i)) == 0) {
            open.push_back(i);
        }
    }
    const int size = static_cast<int>(open.size());
    const double plain = advisor::ChanceOfSet(pack, size, false);
    const double withJoker = advisor::ChanceOfSet(pack, size, true);
    std::vector<std::size_t> pick(open.size());
    for (std::size_t i = 0; i < pick.size(); ++i) {
        pick[i] = i;
    }
    std::array<Card, 5> hand = dealt;
    double value = 0.0;
    do {
        bool joker = false;
        for (std::size_t i = 0; i < pick.size(); ++i) {
            hand[open[i]] = free[pick[i]];
            joker = joker || advisor::IsJoker(free[pick[i]]);
        }
        value += (joker ? withJoker : plain) * advisor::PayRate(advisor::HandCode(hand));
    } while (NextSet(pick, free.size()));
    return value;
}

} // namespace

advisor::HoldValues PlainHoldValues(const advisor::Deal& dealt) {
    std::array<bool, advisor::kPackSize> used{};
    for (const Card& card : dealt) {
        used[static_cast<std::size_t>(advisor::CardIndex(card))] = true;
    }
    std::vector<Card> free;
    for (int i = 0; i < advisor::kPackSize; ++i) {
        if (!used[static_cast<std::size_t>(i)]) {
            free.push_back(advisor::CardAt(i));
        }
    }
    const bool joker = !used[advisor::kJokerIndex];
    const advisor::Pack pack{static_cast<int>(free.size()) - (joker ? 1 : 0), joker};
    advisor::HoldValues values{};
    for (int mask = 0; mask < 32; ++mask) {
        values[static_cast<std::size_t>(mask)] = PlainValue(dealt, mask, free, pack);
    }
    return values;
}
