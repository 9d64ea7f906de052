#pragma once

#include "platform/Random.h"

#include <vector>

// The random values that make RandomCard draw given cards, for exact deals in tests.
namespace testsupport {

struct Card {
    int suit; // 1 club, 2 diamond, 3 heart, 4 spade, 9 joker
    int rank; // 0 ace ... 12 king, 99 joker
};

inline constexpr Card kJoker{9, 99};

inline std::vector<float> DrawsFor(const Card& card) {
    if (card.suit == 9) {
        return {0.0f};
    }
    return {0.5f, (static_cast<float>(card.suit) - 0.5f) / 4.0f,
            (static_cast<float>(card.rank) + 0.5f) / 13.0f};
}

inline void ScriptCards(const std::vector<Card>& cards) {
    for (const Card& card : cards) {
        platform::ScriptRandom(DrawsFor(card));
    }
}

} // namespace testsupport
