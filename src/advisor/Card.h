#pragma once

// A card in the game's codes, as the table arrays spell them.
namespace advisor {

struct Card {
    int suit = 0; // 1 club, 2 diamond, 3 heart, 4 spade, 9 joker
    int rank = 0; // 0 ace ... 12 king, 99 joker
};

inline constexpr int kJokerSuit = 9;
inline constexpr int kJokerRank = 99;
// Cards are also numbered 0..52: suit by suit, ace to king, then the joker.
inline constexpr int kPackSize = 53;
inline constexpr int kJokerIndex = 52;

inline bool IsJoker(Card card) {
    return card.suit == kJokerSuit;
}

inline int CardIndex(Card card) {
    return IsJoker(card) ? kJokerIndex : (card.suit - 1) * 13 + card.rank;
}

inline Card CardAt(int index) {
    return index == kJokerIndex ? Card{kJokerSuit, kJokerRank} : Card{index / 13 + 1, index % 13};
}

} // namespace advisor
