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

// The 53 cards as the table holds them, written once: the loop below judges millions.
const std::array<std::pair<std::string, std::string>, 53>& CardTexts() {
    static const auto texts = [] {
        std::array<std::pair<std::string, std::string>, 53> t;
        for (int i = 0; i < 52; ++i) {
            t[static_cast<std::size_t>(i)] = {std::to_string(i / 13 + 1), std::to_string(i % 13)};
        }
        t[52] = {"9", "99"};
        return t;
    }();
    return texts;
}

int Judge(const std::array<int, 5>& indices) {
    for (std::size_t i = 0; i < 5; ++i) {
        const auto& [mark, no] = CardTexts()[static_cast<std::size_t>(indices[i])];
        basPokerProc::strCardMark[i] = mark;
        basPokerProc::strCardNo[i] = no;
    }
    const std::string judged = basPokerProc::JudgeHand();
    return judged.empty() ? kNone : std::stoi(judged);
}

} // namespace

class TestJudgeHand : public QObject {
    Q_OBJECT

  private slots:
    void everyHandMatchesTheDefinition() {
        int hands = 0;
        QString firstMismatch;
        std::array<int, 5> i{};
        for (i[0] = 0; i[0] < 53; ++i[0]) {
            for (i[1] = i[0] + 1; i[1] < 53; ++i[1]) {
                for (i[2] = i[1] + 1; i[2] < 53; ++i[2]) {
                    for (i[3] = i[2] + 1; i[3] < 53; ++i[3]) {
                        for (i[4] = i[3] + 1; i[4] < 53; ++i[4]) {
                            Hand hand{};
                            for (std::size_t k = 0; k < 5; ++k) {
                                hand[k] = i[k] == 52 ? Card{9, 99} : Card{i[k] / 13 + 1, i[k] % 13};
                            }
                            const int judged = Judge(i);
                            const int expected = ReferenceHand(hand);
                            ++hands;
                            if (judged != expected && firstMismatch.isEmpty()) {
                                firstMismatch = QString("%1 %2 %3 %4 %5: judged %6, expected %7")
                                                    .arg(i[0])
                                                    .arg(i[1])
                                                    .arg(i[2])
                                                    .arg(i[3])
                                                    .arg(i[4])
                                                    .arg(judged)
                                                    .arg(expected);
                            }
                        }
                    }
                }
            }
        }
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
