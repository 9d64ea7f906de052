#include "rules/basPokerProc.h"

#include <QtTest>
#include <algorithm>
#include <array>

namespace {

struct Card {
    int suit;
    int rank;
};
using Hand = std::array<Card, 5>;

constexpr int kNone = 9; // "no paying hand", worse than every code

bool AllOnes(const std::array<int, 14>& perRank, int from) {
    return std::all_of(perRank.begin() + from, perRank.begin() + from + 5,
                       [](int n) { return n == 1; });
}

// The reference works from the definition of each hand on five real cards (a
// repeated card allowed, since the joker may copy one) and knows nothing of the
// evaluator's sorting and gap walking.
int NaturalHand(const Hand& cards) {
    std::array<int, 14> perRank{}; // the ace counted again above the king
    bool flush = true;
    for (const Card& c : cards) {
        ++perRank[static_cast<std::size_t>(c.rank)];
        flush = flush && c.suit == cards[0].suit;
    }
    perRank[13] = perRank[0];
    std::array<int, 13> groups{};
    std::copy_n(perRank.begin(), 13, groups.begin());
    std::sort(groups.rbegin(), groups.rend());
    bool straight = false;
    for (int low = 0; low <= 9; ++low) {
        straight = straight || AllOnes(perRank, low);
    }
    const std::pair<int, int> top{groups[0], groups[1]};
    if (flush && AllOnes(perRank, 9)) {
        return 0;
    }
    if (top.first == 5) {
        return 1;
    }
    if (flush && straight) {
        return 2;
    }
    if (top.first == 4) {
        return 3;
    }
    if (top == std::pair{3, 2}) {
        return 4;
    }
    if (flush || straight) {
        return flush ? 5 : 6;
    }
    if (top.first == 3) {
        return 7;
    }
    return top == std::pair{2, 2} ? 8 : kNone;
}

int ReferenceHand(Hand cards) {
    auto joker =
        std::find_if(cards.begin(), cards.end(), [](const Card& c) { return c.suit == 9; });
    if (joker == cards.end()) {
        return NaturalHand(cards);
    }
    int best = kNone;
    for (int card = 0; card < 52; ++card) {
        *joker = Card{card / 13 + 1, card % 13};
        best = std::min(best, NaturalHand(cards));
    }
    return best;
}

// Every hand of five from the 53 cards, each card once.
template <typename Visit> void ForEachHand(Hand& hand, int from, std::size_t at, Visit& visit) {
    for (int card = from; card < 53; ++card) {
        hand[at] = card == 52 ? Card{9, 99} : Card{card / 13 + 1, card % 13};
        if (at == 4) {
            visit();
        } else {
            ForEachHand(hand, card + 1, at + 1, visit);
        }
    }
}

} // namespace

class TestJudgeHand : public QObject {
    Q_OBJECT

  private slots:
    void everyHandMatchesTheDefinition() {
        int hands = 0;
        QString firstMismatch;
        Hand hand{};
        auto judge = [&] {
            ++hands;
            for (std::size_t i = 0; i < 5; ++i) {
                basPokerProc::strCardMark[i] = std::to_string(hand[i].suit);
                basPokerProc::strCardNo[i] = std::to_string(hand[i].rank);
            }
            const std::string judged = basPokerProc::JudgeHand();
            const int code = judged.empty() ? kNone : std::stoi(judged);
            const int expected = ReferenceHand(hand);
            if (code != expected && firstMismatch.isEmpty()) {
                for (const Card& c : hand) {
                    firstMismatch += QString("%1/%2 ").arg(c.suit).arg(c.rank);
                }
                firstMismatch += QString("judged %1, expected %2").arg(code).arg(expected);
            }
        };
        ForEachHand(hand, 0, 0, judge);
        QCOMPARE(hands, 2869685);
        QVERIFY2(firstMismatch.isEmpty(), qPrintable(firstMismatch));
    }

    // What the player reads in the pay table and is paid by.
    void payTable() {
        QStringList names;
        for (std::int16_t code = -1; code <= 9; ++code) {
            names << QString::fromStdString(basPokerProc::HandName(code));
        }
        QCOMPARE(names.join('|'), "|ROYAL STRAIGHT FLUSH|FIVE OF A KIND|STRAIGHT FLUSH|"
                                  "FOUR OF A KIND|FULL HOUSE|FLUSH|STRAIGHT|THREE OF A KIND|"
                                  "TWO PAIR|");
        basPokerProc::SetPayRate();
        QCOMPARE(basPokerProc::lngPayRate,
                 (std::array<std::int32_t, 9>{500, 100, 20, 6, 5, 4, 3, 2, 1}));
    }
};

QTEST_APPLESS_MAIN(TestJudgeHand)
#include "tst_judgehand.moc"
