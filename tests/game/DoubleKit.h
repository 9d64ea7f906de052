#pragma once

#include "GameFixture.h"

#include <QColor>
#include <QTest>
#include <algorithm>
#include <array>
#include <string>
#include <vector>

// Steps of the double-up as a player makes them, with the cards each step deals.
namespace doublekit {

using testsupport::Card;

inline constexpr Card C(int suit, int rank) {
    return Card{suit, rank};
}

// 2, 2, 5, 5, 9: TWO PAIR, rate 1.
inline const std::vector<Card> kTwoPair{C(1, 1), C(2, 1), C(3, 4), C(4, 4), C(1, 8)};
// 3 to 7 of mixed suits: STRAIGHT, rate 3.
inline const std::vector<Card> kStraight{C(1, 2), C(2, 3), C(3, 4), C(4, 5), C(1, 6)};

inline Qt::Key PositionKey(int position) {
    static constexpr std::array<Qt::Key, 5> kKeys{Qt::Key_G, Qt::Key_H, Qt::Key_J, Qt::Key_K,
                                                  Qt::Key_L};
    return kKeys.at(static_cast<std::size_t>(position));
}

// Bets `wager` coins, deals `hand`, holds all five and draws: the win is on offer.
inline void ReachOffer(GameFixture& game, const std::vector<Card>& hand, int wager = 10) {
    if (wager == 10) {
        game.DealWithMaxBet(hand);
    } else {
        for (int coin = 0; coin < wager; ++coin) {
            game.Press(Qt::Key_D);
        }
        GameFixture::Cards(hand);
        game.Press(Qt::Key_Return);
    }
    for (int position = 0; position < 5; ++position) {
        game.Press(PositionKey(position));
    }
    game.Press(Qt::Key_Return);
    QCOMPARE(GameFixture::Status(), 2);
}

// Starts a round with `start` (Enter, A, or a style menu key) on the dealer's card.
inline void DealRound(GameFixture& game, Qt::Key start, Card dealer) {
    GameFixture::Cards({dealer});
    game.Press(start);
}

// Picks `position` of a STANDARD or RED/BLACK round: the other player cards turn up
// left to right first, then the picked one.
inline void Pick(GameFixture& game, int position, const std::vector<Card>& others, Card picked) {
    std::vector<Card> cards = others;
    cards.push_back(picked);
    GameFixture::Cards(cards);
    game.Press(PositionKey(position));
}

// One HI/LOW guess on the next card.
inline void Guess(GameFixture& game, bool high, Card next) {
    GameFixture::Cards({next});
    game.Press(high ? Qt::Key_L : Qt::Key_G);
}

// Three player cards that stay clear of the usual dealer and picked cards.
inline const std::vector<Card> kFillers{C(4, 10), C(4, 11), C(4, 1)};

inline int Count(const std::vector<std::string>& records, const std::string& entry) {
    return static_cast<int>(std::count(records.begin(), records.end(), entry));
}

inline QColor TableColor(const frmPoker& form) {
    return form.palette().color(QPalette::Window);
}

} // namespace doublekit

Q_DECLARE_METATYPE(testsupport::Card)
