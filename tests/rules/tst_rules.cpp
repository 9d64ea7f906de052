#include "platform/Random.h"
#include "rules/basPokerProc.h"
#include "support/Columns.h"
#include "support/ScriptedCards.h"

#include <QtTest>
#include <algorithm>
#include <array>
#include <cmath>

using namespace basPokerProc;
using testsupport::kJoker;
using testsupport::ScriptCards;

namespace {

std::pair<int, int> Deal() {
    std::int16_t suit = 0;
    std::int16_t rank = 0;
    DealCard(suit, rank);
    return {suit, rank};
}

constexpr int kNoHand = 9;

// The pay table's definitions on five ordinary cards (the joker's copy of a card in
// the hand allowed), knowing nothing of the evaluator's sorting or gap walking.
int Natural(const std::array<int, 5>& suits, const std::array<int, 5>& ranks) {
    std::array<int, 13> perRank{};
    unsigned present = 0;
    bool flush = true;
    for (std::size_t i = 0; i < 5; ++i) {
        ++perRank[static_cast<std::size_t>(ranks[i])];
        present |= 1u << ranks[i];
        flush = flush && suits[i] == suits[0];
    }
    present |= (present & 1u) << 13; // the ace also above the king
    bool straight = false;
    for (int low = 0; low <= 9; ++low) {
        straight = straight || ((present >> low) & 0x1fu) == 0x1fu;
    }
    const bool royal = ((present >> 9) & 0x1fu) == 0x1fu;
    const int top = *std::max_element(perRank.begin(), perRank.end());
    const auto pairs = std::count_if(perRank.begin(), perRank.end(), [](int n) { return n >= 2; });
    const std::array<bool, kNoHand> made{
        flush && royal, top == 5, flush && straight, top == 4,  top == 3 && pairs == 2,
        flush,          straight, top == 3,          pairs == 2};
    return static_cast<int>(std::find(made.begin(), made.end(), true) - made.begin());
}

// The joker stands for the rank that makes the best hand, in the suit of the other
// four when they share one.
int Reference(std::array<int, 5> suits, std::array<int, 5> ranks) {
    const auto joker =
        static_cast<std::size_t>(std::find(suits.begin(), suits.end(), 9) - suits.begin());
    if (joker == 5) {
        return Natural(suits, ranks);
    }
    suits[joker] = suits[(joker + 1) % 5];
    int best = kNoHand;
    for (int rank = 0; rank < 13; ++rank) {
        ranks[joker] = rank;
        best = std::min(best, Natural(suits, ranks));
    }
    return best;
}

} // namespace

class TestRules : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        platform::ClearRandomScript();
        for (CardArray* cards : {&strCardMark, &strCardNo, &strDropMark, &strDropNo}) {
            ClearArray(*cards);
        }
        intGameStatus = 0;
        intDoubleStyle = kStyleStandard;
    }

    // The joker takes the lowest 52nd of the first value; suit and rank then split
    // theirs evenly, up to the largest value the source gives (no fifth suit there).
    void randomValuesSpreadEvenlyOverThePack_data() {
        Columns<QList<float>, int, int>("values", "suit", "rank");
        const float largest = std::nextafter(1.0f, 0.0f);
        Row("joker, top of its share", QList<float>{0.0192f}, 9, 99);
        Row("club ace, tops", QList<float>{0.0193f, 0.2499f, 0.0769f}, 1, 0);
        Row("largest values", QList<float>{0.5f, largest, largest}, 4, 12);
    }

    void randomValuesSpreadEvenlyOverThePack() {
        QFETCH(QList<float>, values);
        QFETCH(int, suit);
        QFETCH(int, rank);
        platform::ScriptRandom({values.begin(), values.end()});
        QCOMPARE(Deal(), std::make_pair(suit, rank));
    }

    // Styles 1 red/black, 2 high/low, 3 standard; states 2 and 3 deal in double-up.
    void jokerRules_data() {
        Columns<int, int, bool>("style", "status", "jokerAllowed");
        Row("poker draw, red/black", 1, 1, true);
        Row("red/black dealer", 1, 2, false);
        Row("red/black player", 1, 3, false);
        Row("hi/low dealer", 2, 2, false);
        Row("hi/low next card", 2, 3, true);
    }

    void jokerRules() {
        QFETCH(int, style);
        QFETCH(int, status);
        intDoubleStyle = static_cast<std::int16_t>(style);
        intGameStatus = static_cast<std::int16_t>(status);
        ScriptCards({kJoker, {2, 9}});
        QTEST(Deal().first == 9, "jokerAllowed");
    }

    // Every hand the pack deals, each turned so that every card, the joker included,
    // is judged at every place on the table.
    void everyHandIsJudgedAsDefined() {
        std::array<int, 53> suitOf{9};
        std::array<int, 53> rankOf{99};
        std::array<std::string, 53> marks{"9"};
        std::array<std::string, 53> numbers{"99"};
        for (std::size_t card = 1; card < 53; ++card) {
            suitOf[card] = static_cast<int>(card - 1) / 13 + 1;
            rankOf[card] = static_cast<int>(card - 1) % 13;
            marks[card] = std::to_string(suitOf[card]);
            numbers[card] = std::to_string(rankOf[card]);
        }
        int hands = 0;
        QString wrong;
        std::array<int, 5> cards{};
        const auto judge = [&] {
            std::array<int, 5> suits{};
            std::array<int, 5> ranks{};
            for (std::size_t i = 0; i < 5; ++i) {
                const auto card = static_cast<std::size_t>(cards[(i + hands % 5) % 5]);
                strCardMark[i] = marks[card];
                strCardNo[i] = numbers[card];
                suits[i] = suitOf[card];
                ranks[i] = rankOf[card];
            }
            ++hands;
            const std::string code = JudgeHand();
            const int expected = Reference(suits, ranks);
            if ((code.empty() ? kNoHand : std::stoi(code)) != expected && wrong.isEmpty()) {
                for (std::size_t i = 0; i < 5; ++i) {
                    wrong += QString("%1/%2 ").arg(suits[i]).arg(ranks[i]);
                }
                wrong += QString("judged '%1', expected %2").arg(code.c_str()).arg(expected);
            }
        };
        for (cards[0] = 0; cards[0] < 49; ++cards[0]) {
            for (cards[1] = cards[0] + 1; cards[1] < 50; ++cards[1]) {
                for (cards[2] = cards[1] + 1; cards[2] < 51; ++cards[2]) {
                    for (cards[3] = cards[2] + 1; cards[3] < 52; ++cards[3]) {
                        for (cards[4] = cards[3] + 1; cards[4] < 53; ++cards[4]) {
                            judge();
                        }
                    }
                }
            }
        }
        QCOMPARE(hands, 2869685);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        QVERIFY(HandName(-1).empty() && HandName(kHandCount).empty()); // no hand, no name
    }
};

QTEST_APPLESS_MAIN(TestRules)
#include "tst_rules.moc"
