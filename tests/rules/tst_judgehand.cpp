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

// The reference works from the definition of each hand on five real cards (a
// repeated card allowed, since the joker may copy one) and knows nothing of the
// evaluator's sorting and gap walking. 9 is "no paying hand".
int NaturalHand(const Hand& cards) {
    std::array<int, 14> perRank{}; // the ace counted again above the king
    bool flush = true;
    for (const Card& c : cards) {
        ++perRank[static_cast<std::size_t>(c.rank)];
        flush = flush && c.suit == cards[0].suit;
    }
    perRank[13] = perRank[0];
    const auto run = [&](int low) {
        return std::count(perRank.begin() + low, perRank.begin() + low + 5, 1) == 5;
    };
    bool straight = false;
    for (int low = 0; low <= 9; ++low) {
        straight = straight || run(low);
    }
    std::array<int, 13> groups{};
    std::copy_n(perRank.begin(), 13, groups.begin());
    std::sort(groups.rbegin(), groups.rend());
    const std::pair top{groups[0], groups[1]};
    const std::array<bool, 9> is{flush && run(9), top.first == 5,         flush && straight,
                                 top.first == 4,  top == std::pair{3, 2}, flush,
                                 straight,        top.first == 3,         top == std::pair{2, 2}};
    return static_cast<int>(std::find(is.begin(), is.end(), true) - is.begin());
}

int ReferenceHand(Hand cards) {
    const auto joker =
        std::find_if(cards.begin(), cards.end(), [](const Card& c) { return c.suit == 9; });
    if (joker == cards.end()) {
        return NaturalHand(cards);
    }
    int best = 9;
    for (int card = 0; card < 52; ++card) {
        *joker = Card{card / 13 + 1, card % 13};
        best = std::min(best, NaturalHand(cards));
    }
    return best;
}

bool JudgedRight(const Hand& hand) {
    for (std::size_t i = 0; i < 5; ++i) {
        basPokerProc::strCardMark[i] = std::to_string(hand[i].suit);
        basPokerProc::strCardNo[i] = std::to_string(hand[i].rank);
    }
    const std::string judged = basPokerProc::JudgeHand();
    return (judged.empty() ? 9 : std::stoi(judged)) == ReferenceHand(hand);
}

// Every hand of five from the 53 cards, each card once, until one is misjudged.
bool EveryHand(Hand& hand, int from = 0, std::size_t at = 0) {
    for (int card = from; card < 53; ++card) {
        hand[at] = card == 52 ? Card{9, 99} : Card{card / 13 + 1, card % 13};
        if (at < 4 ? !EveryHand(hand, card + 1, at + 1) : !JudgedRight(hand)) {
            return false;
        }
    }
    return true;
}

} // namespace

class TestJudgeHand : public QObject {
    Q_OBJECT

  private slots:
    // Any misjudged hand is a wrong payout.
    void everyHandMatchesTheDefinition() {
        Hand hand{};
        if (!EveryHand(hand)) {
            QString cards;
            for (const Card& c : hand) {
                cards += QString("%1/%2 ").arg(c.suit).arg(c.rank);
            }
            QCOMPARE(QString::fromStdString(basPokerProc::JudgeHand()) + " for " + cards,
                     QString::number(ReferenceHand(hand)) + " for " + cards);
        }
    }
};

QTEST_APPLESS_MAIN(TestJudgeHand)
#include "tst_judgehand.moc"
