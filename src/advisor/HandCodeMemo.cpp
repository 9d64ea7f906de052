#include "advisor/HandCodeMemo.h"

#include "advisor/Card.h"
#include "advisor/Judge.h"

#include <algorithm>

namespace advisor {
namespace {

// Ranks 0..12, and 13 for the joker, so that it sorts last.
constexpr int kRankKinds = 14;
constexpr std::int8_t kNotJudged = -2;

std::size_t PatternCount() {
    std::size_t count = 2;
    for (int i = 0; i < 5; ++i) {
        count *= kRankKinds;
    }
    return count;
}

} // namespace

HandCodeMemo::HandCodeMemo() : codes_(PatternCount(), kNotJudged) {}

int HandCodeMemo::operator()(const std::array<int, 5>& cards) {
    std::array<int, 5> ranks{};
    int suit = -1;
    bool oneSuit = true;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        if (cards[i] == kJokerIndex) {
            ranks[i] = kRankKinds - 1;
            continue;
        }
        ranks[i] = cards[i] % 13;
        oneSuit = oneSuit && (suit < 0 || suit == cards[i] / 13);
        suit = cards[i] / 13;
    }
    std::sort(ranks.begin(), ranks.end());
    std::size_t pattern = oneSuit ? 1 : 0;
    for (const int rank : ranks) {
        pattern = pattern * kRankKinds + static_cast<std::size_t>(rank);
    }
    std::int8_t& code = codes_[pattern];
    if (code == kNotJudged) {
        code =
            static_cast<std::int8_t>(HandCode({CardAt(cards[0]), CardAt(cards[1]), CardAt(cards[2]),
                                               CardAt(cards[3]), CardAt(cards[4])}));
    }
    return code;
}

} // namespace advisor
